// Rules of the interview card window that need no window: which card a
// browsing command shows, the three required fields of a store, and the line
// breaks of the interview details.
#pragma once

#include <QString>

namespace Navigazione {

enum class Comando
{
    Primo,
    Indietro,
    Avanti,
    Ultimo
};

struct Esito
{
    enum Tipo
    {
        Niente, // nothing happens and nothing is shown
        ArchivioVuoto, // "L'archivio non contiene nessuna scheda."
        Mostra, // show card `scheda`
        Errore // the position cannot be used: the access message
    };
    Tipo tipo = Niente;
    qint64 scheda = 0;
    bool svuotaPosizione = false; // Next on an empty file also empties it
};

// Previous on card "1" does nothing without looking at the file at all.
bool senzaArchivio(Comando comando, const QString& posizione);

// The outcome of a command with the position label's text and the number of
// cards in the file.
Esito decidi(Comando comando, const QString& posizione, qint64 schede);

} // namespace Navigazione

namespace Archiviazione {

enum class Mancante
{
    Nessuno,
    Candidato,
    Data,
    Punteggio
};

// The first required field that is empty once trimmed, in the order the
// store checks them: candidate, interview date, score.
Mancante primoMancante(const QString& candidato, const QString& data, const QString& punteggio);

// The card's position as stored in the position label: 0 for a new card,
// -1 when the label holds no usable card number.
qint64 posizione(const QString& testo);

} // namespace Archiviazione

namespace Dettagli {

// The details field shows one paragraph per line; the record joins the lines
// with CR LF.
QString versoScheda(const QString& campo);
QString dallaScheda(const QString& scheda);

// Characters the record needs for the text: each line break takes two.
int lunghezzaInScheda(const QString& campo);

} // namespace Dettagli
