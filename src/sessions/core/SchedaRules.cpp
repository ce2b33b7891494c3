#include "sessions/core/SchedaRules.h"

#include "app/core/TextRules.h"

namespace Navigazione {

bool senzaArchivio(Comando comando, const QString& posizione)
{
    return comando == Comando::Indietro && posizione == QLatin1String("1");
}

Esito decidi(Comando comando, const QString& posizione, qint64 schede)
{
    Esito esito;
    if (senzaArchivio(comando, posizione))
        return esito;
    const qint64 p = Archiviazione::posizione(posizione);
    switch (comando) {
    case Comando::Primo:
        if (schede == 0) {
            esito.tipo = Esito::ArchivioVuoto;
        } else {
            esito.tipo = Esito::Mostra;
            esito.scheda = 1;
        }
        return esito;
    case Comando::Ultimo:
        if (schede == 0) {
            esito.tipo = Esito::ArchivioVuoto;
        } else {
            esito.tipo = Esito::Mostra;
            esito.scheda = schede;
        }
        return esito;
    case Comando::Avanti:
        if (schede == 0) {
            esito.tipo = Esito::ArchivioVuoto;
            esito.svuotaPosizione = true;
            return esito;
        }
        if (p < 0) {
            esito.tipo = Esito::Errore;
        } else if (p < schede) {
            esito.tipo = Esito::Mostra;
            esito.scheda = p + 1;
        }
        return esito;
    case Comando::Indietro:
        if (schede == 0) {
            esito.tipo = Esito::ArchivioVuoto;
        } else if (p < 0) {
            esito.tipo = Esito::Errore;
        } else if (p == 0) {
            esito.tipo = Esito::Mostra;
            esito.scheda = 1;
        } else if (p == 1) {
            // " 1" is card 1 too: there is nothing before it.
        } else if (p - 1 > schede) {
            // The label names a card the file no longer has.
            esito.tipo = Esito::Errore;
        } else {
            esito.tipo = Esito::Mostra;
            esito.scheda = p - 1;
        }
        return esito;
    }
    return esito;
}

} // namespace Navigazione

namespace Archiviazione {

Mancante primoMancante(const QString& candidato, const QString& data, const QString& punteggio)
{
    if (TextRules::trimmed(candidato).isEmpty())
        return Mancante::Candidato;
    if (TextRules::trimmed(data).isEmpty())
        return Mancante::Data;
    if (TextRules::trimmed(punteggio).isEmpty())
        return Mancante::Punteggio;
    return Mancante::Nessuno;
}

qint64 posizione(const QString& testo)
{
    const QString t = TextRules::trimmed(testo);
    if (t.isEmpty())
        return 0;
    if (!TextRules::soloCifre(t) || t.size() > 15)
        return -1;
    const qint64 n = t.toLongLong();
    return n >= 1 ? n : -1;
}

} // namespace Archiviazione

namespace Dettagli {

QString versoScheda(const QString& campo)
{
    QString out = campo;
    out.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    out.replace(QChar(QChar::LineSeparator), QLatin1String("\r\n"));
    // A bare line feed (from text set by another window) is a line break too.
    QString joined;
    joined.reserve(out.size());
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c == QLatin1Char('\n') && (i == 0 || out.at(i - 1) != QLatin1Char('\r')))
            joined += QLatin1String("\r\n");
        else
            joined += c;
    }
    return joined;
}

QString dallaScheda(const QString& scheda)
{
    QString out = scheda;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

int lunghezzaInScheda(const QString& campo)
{
    return int(versoScheda(campo).size());
}

} // namespace Dettagli
