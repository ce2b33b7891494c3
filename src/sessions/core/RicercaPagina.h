// The session search and the list of suitable candidates without their
// windows: the six filters over the interview card fields, the summary line
// of a card, the count line, the scans of a session file, and the card a
// chosen line stands for.
#pragma once

#include "sessions/core/FiltroTesto.h"
#include "sessions/core/SchedaColloquio.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace RicercaPagina {

// The interview card fields a filter can search.
enum class Campo
{
    Candidato,
    CodiceFiscale,
    Provenienza,
    DataColloquio,
    Dettagli,
    Note
};

// Where a searchable field lies in the record: offset and width, its
// zero-terminated text running to its first zero byte or its whole width.
int offset(Campo c);
int larghezza(Campo c);

struct Filtro
{
    Campo campo;
    QString testo; // as typed
};

// A filter restricts the search when its text, trimmed of characters with
// codes up to 32, is not empty.
bool attivo(const QString& testo);
int contaAttivi(const QList<Filtro>& filtri);

// The active filters, ready to test records: a card is accepted when every
// one occurs in its field (A to Z as a to z, anything else exact); with none
// active every card is accepted.
class Criteri
{
public:
    Criteri() = default;
    explicit Criteri(const QList<Filtro>& filtri);
    int attivi() const { return int(m_campi.size()); }
    bool accetta(const char* record) const;

private:
    QList<Campo> m_campi;
    QList<FiltroTesto::Ago> m_aghi;
};

// The summary line of an interview card, shared with the suitable list:
// name 34, "  C.F. ", fiscal code 16, "  Data: ", date 10, "  Note: ",
// notes 54, "  Punti: ", score whole.
QString riga(const TSchedaColloquio& scheda);
QString riga(const char* record);

// "Il presente riepilogo contiene <n> schede." (with the full stop)
QString contaTesto(int n);

// Whether the suitable list shows the card: its flag, trimmed, is anything
// but "No".
bool segnalato(const QString& idoneo);
bool segnalato(const char* record);

// A summary list as read from the session: lines in file order, each with
// its card's position.
struct Elenco
{
    QStringList righe;
    QList<qint64> posizioni;
};

// The cards of the session file at path that the criteria accept (the file
// is created empty when missing). False when it cannot be opened or read;
// elenco then holds the cards read before the failure.
bool cerca(const QString& path, const Criteri& criteri, Elenco* elenco);

// The cards marked suitable, in the same way.
bool elencoIdonei(const QString& path, Elenco* elenco);

// The card a chosen line stands for: card `posizione` of the session, as
// long as its line is still the chosen one (compared trimmed, exactly).
bool schedaDellaRiga(const QString& path, qint64 posizione, const QString& rigaScelta, TSchedaColloquio* scheda);

} // namespace RicercaPagina
