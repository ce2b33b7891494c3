// The candidate search and the recontact summary over the archive file.
#include "candidates/core/RicercaCandidati.h"

#include "app/core/RecordFile.h"
#include "app/core/TextRules.h"

namespace {

// The text bytes of a length-prefixed field; a length byte larger than the
// field's width is read as the width.
inline qsizetype lunghezza(const char* record, TSchedaCandidato::Campo c, const char** testo)
{
    const char* campo = record + TSchedaCandidato::fieldOffset(c);
    const int larghezza = TSchedaCandidato::maxChars(c);
    *testo = campo + 1;
    return qMin<qsizetype>(static_cast<unsigned char>(campo[0]), larghezza);
}

template <typename Accetta>
bool scandisci(const QString& path, RicercaCandidati::Elenco* elenco, Accetta accetta)
{
    elenco->righe.clear();
    elenco->posizioni.clear();
    RecordFile file(path, TSchedaCandidato::Size);
    if (!file.open())
        return false;
    const bool ok = file.scan([&](qint64 n, const char* record) {
        if (accetta(record)) {
            elenco->righe.append(RicercaCandidati::riga(record));
            elenco->posizioni.append(n);
        }
        return true;
    });
    file.close();
    return ok;
}

} // namespace

namespace RicercaCandidati {

bool attivo(const QString& testo)
{
    return !TextRules::trimmed(testo).isEmpty();
}

int contaAttivi(const QList<Filtro>& filtri)
{
    int n = 0;
    for (const Filtro& f : filtri)
        if (attivo(f.testo))
            ++n;
    return n;
}

Criteri::Criteri(const QList<Filtro>& filtri)
{
    for (const Filtro& f : filtri) {
        if (!attivo(f.testo))
            continue;
        // The text as typed: a trailing blank must be in the field too.
        m_campi.append(f.campo);
        m_aghi.append(FiltroTesto::prepara(f.testo));
    }
}

bool Criteri::accetta(const char* record) const
{
    for (qsizetype i = 0; i < m_campi.size(); ++i) {
        const char* testo;
        const qsizetype len = lunghezza(record, m_campi.at(i), &testo);
        if (!FiltroTesto::contiene(testo, len, m_aghi.at(i)))
            return false;
    }
    return true;
}

QString riga(const TSchedaCandidato& s)
{
    QString line;
    line.reserve(160);
    TextRules::appendColumn(line, s.Candidato, 30);
    line += QLatin1String("  C.F. ");
    TextRules::appendColumn(line, s.CodFisc, 16);
    line += QLatin1String("  Cel. ");
    TextRules::appendColumn(line, s.Cel, 16);
    line += QLatin1String("  Settore: ");
    TextRules::appendColumn(line, s.Settore, 24);
    line += QLatin1String("  Note: ");
    TextRules::appendTrimmed(line, s.Note);
    return line;
}

QString riga(const char* record)
{
    using S = TSchedaCandidato;
    TSchedaCandidato s;
    s.Candidato = S::candidato(record);
    s.CodFisc = S::codFisc(record);
    s.Cel = S::cel(record);
    s.Settore = S::settore(record);
    s.Note = S::note(record);
    return riga(s);
}

QString contaTesto(int n)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(n) + QStringLiteral(" schede");
}

bool daRicontattare(const QString& ricontatta)
{
    return TextRules::trimmed(ricontatta) != TSchedaCandidato::no();
}

bool daRicontattare(const char* record)
{
    const char* testo;
    const qsizetype len = lunghezza(record, TSchedaCandidato::fRicontatta, &testo);
    return !FiltroTesto::eNo(testo, len);
}

bool cerca(const QString& path, const Criteri& criteri, Elenco* elenco)
{
    return scandisci(path, elenco, [&criteri](const char* record) { return criteri.accetta(record); });
}

bool elencoDaRicontattare(const QString& path, Elenco* elenco)
{
    return scandisci(path, elenco, [](const char* record) { return daRicontattare(record); });
}

bool schedaDellaRiga(const QString& path, qint64 posizione, const QString& rigaScelta, TSchedaCandidato* scheda)
{
    RecordFile file(path, TSchedaCandidato::Size);
    if (!file.open())
        return false;
    QByteArray record;
    const bool letta = posizione >= 1 && posizione <= file.count() && file.read(posizione, &record);
    file.close();
    if (!letta)
        return false;
    const TSchedaCandidato s = TSchedaCandidato::decode(record);
    if (TextRules::trimmed(riga(s)) != TextRules::trimmed(rigaScelta))
        return false;
    *scheda = s;
    return true;
}

TSchedaCandidato rifilata(const TSchedaCandidato& scheda)
{
    TSchedaCandidato s;
    for (int i = 0; i < TSchedaCandidato::CampoCount; ++i) {
        const auto c = TSchedaCandidato::Campo(i);
        s.field(c) = TextRules::trimmed(scheda.field(c));
    }
    return s;
}

} // namespace RicercaCandidati
