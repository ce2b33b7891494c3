// The session search and the suitable list over a session file.
#include "sessions/core/RicercaPagina.h"

#include "app/core/RecordFile.h"
#include "app/core/TextRules.h"

namespace {

struct Posto
{
    int offset;
    int larghezza;
};

// Offsets and widths in the 5865-byte interview card.
constexpr Posto kCandidato {0, 121};
constexpr Posto kCodiceFiscale {121, 121};
constexpr Posto kProvenienza {242, 51};
constexpr Posto kDataColloquio {293, 51};
constexpr Posto kDettagli {344, 5001};
constexpr Posto kPunteggio {5345, 16};
constexpr Posto kNote {5361, 501};
constexpr Posto kIdoneo {5862, 3};

Posto posto(RicercaPagina::Campo c)
{
    using C = RicercaPagina::Campo;
    switch (c) {
    case C::Candidato:
        return kCandidato;
    case C::CodiceFiscale:
        return kCodiceFiscale;
    case C::Provenienza:
        return kProvenienza;
    case C::DataColloquio:
        return kDataColloquio;
    case C::Dettagli:
        return kDettagli;
    case C::Note:
        return kNote;
    }
    return kCandidato;
}

inline QString leggi(const char* record, Posto p)
{
    return FixedText::read(record + p.offset, p.larghezza);
}

template <typename Accetta>
bool scandisci(const QString& path, RicercaPagina::Elenco* elenco, Accetta accetta)
{
    elenco->righe.clear();
    elenco->posizioni.clear();
    RecordFile file(path, TSchedaColloquio::Size);
    if (!file.open())
        return false;
    const bool ok = file.scan([&](qint64 n, const char* record) {
        if (accetta(record)) {
            elenco->righe.append(RicercaPagina::riga(record));
            elenco->posizioni.append(n);
        }
        return true;
    });
    file.close();
    return ok;
}

} // namespace

namespace RicercaPagina {

int offset(Campo c)
{
    return posto(c).offset;
}

int larghezza(Campo c)
{
    return posto(c).larghezza;
}

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
        const Posto p = posto(m_campi.at(i));
        const char* testo = record + p.offset;
        const qsizetype len = FiltroTesto::lunghezzaTerminata(testo, p.larghezza);
        if (!FiltroTesto::contiene(testo, len, m_aghi.at(i)))
            return false;
    }
    return true;
}

QString riga(const TSchedaColloquio& s)
{
    QString line;
    line.reserve(160);
    TextRules::appendColumn(line, s.Candidato, 34);
    line += QLatin1String("  C.F. ");
    TextRules::appendColumn(line, s.CodiceFiscale, 16);
    line += QLatin1String("  Data: ");
    TextRules::appendColumn(line, s.DataColloquio, 10);
    line += QLatin1String("  Note: ");
    TextRules::appendColumn(line, s.Note, 54);
    line += QLatin1String("  Punti: ");
    TextRules::appendTrimmed(line, s.Punteggio);
    return line;
}

QString riga(const char* record)
{
    TSchedaColloquio s;
    s.Candidato = leggi(record, kCandidato);
    s.CodiceFiscale = leggi(record, kCodiceFiscale);
    s.DataColloquio = leggi(record, kDataColloquio);
    s.Note = leggi(record, kNote);
    s.Punteggio = leggi(record, kPunteggio);
    return riga(s);
}

QString contaTesto(int n)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(n) + QStringLiteral(" schede.");
}

bool segnalato(const QString& idoneo)
{
    return TextRules::trimmed(idoneo) != QStringLiteral("No");
}

bool segnalato(const char* record)
{
    const char* testo = record + kIdoneo.offset;
    return !FiltroTesto::eNo(testo, FiltroTesto::lunghezzaTerminata(testo, kIdoneo.larghezza));
}

bool cerca(const QString& path, const Criteri& criteri, Elenco* elenco)
{
    return scandisci(path, elenco, [&criteri](const char* record) { return criteri.accetta(record); });
}

bool elencoIdonei(const QString& path, Elenco* elenco)
{
    return scandisci(path, elenco, [](const char* record) { return segnalato(record); });
}

bool schedaDellaRiga(const QString& path, qint64 posizione, const QString& rigaScelta, TSchedaColloquio* scheda)
{
    RecordFile file(path, TSchedaColloquio::Size);
    if (!file.open())
        return false;
    QByteArray record;
    const bool letta = posizione >= 1 && posizione <= file.count() && file.read(posizione, &record);
    file.close();
    if (!letta)
        return false;
    const TSchedaColloquio s = TSchedaColloquio::decode(record);
    if (TextRules::trimmed(riga(s)) != TextRules::trimmed(rigaScelta))
        return false;
    *scheda = s;
    return true;
}

} // namespace RicercaPagina
