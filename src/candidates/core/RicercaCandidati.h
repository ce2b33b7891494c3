// The candidate search and the recontact summary without their windows: the
// filters over the archive's card fields, the summary line of a card, the
// count line, the scans of the archive, and the card a chosen line stands for.
#pragma once

#include "candidates/core/SchedaCandidato.h"
#include "sessions/core/FiltroTesto.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace RicercaCandidati {

// One filter field of the search window: the card field it searches and the
// text as typed.
struct Filtro
{
    TSchedaCandidato::Campo campo;
    QString testo;
};

// A filter restricts the search when its text, trimmed of characters with
// codes up to 32, is not empty.
bool attivo(const QString& testo);
int contaAttivi(const QList<Filtro>& filtri);

// The active filters, ready to test records. A card is accepted when every
// active filter occurs in its field (A to Z as a to z, anything else exact);
// with no active filter every card is accepted.
class Criteri
{
public:
    Criteri() = default;
    explicit Criteri(const QList<Filtro>& filtri);
    int attivi() const { return int(m_campi.size()); }
    bool accetta(const char* record) const;

private:
    QList<TSchedaCandidato::Campo> m_campi;
    QList<FiltroTesto::Ago> m_aghi;
};

// The summary line of a card: name 30, "  C.F. ", fiscal code 16,
// "  Cel. ", mobile 16, "  Settore: ", sector 24, "  Note: ", notes whole.
QString riga(const TSchedaCandidato& scheda);
QString riga(const char* record);

// "Il presente riepilogo contiene <n> schede"
QString contaTesto(int n);

// Whether the recontact summary lists the card: its flag, trimmed, is
// anything but "No".
bool daRicontattare(const QString& ricontatta);
bool daRicontattare(const char* record);

// A summary list as read from the archive: the lines in file order, each
// with its card's position.
struct Elenco
{
    QStringList righe;
    QList<qint64> posizioni;
};

// The cards the criteria accept, read from the archive at path (created
// empty when missing). False when the archive cannot be opened or read;
// elenco then holds the cards read before the failure.
bool cerca(const QString& path, const Criteri& criteri, Elenco* elenco);

// The cards flagged for recontact, in the same way.
bool elencoDaRicontattare(const QString& path, Elenco* elenco);

// The card a chosen line stands for: card `posizione` of the archive, as
// long as its line is still the chosen one (compared trimmed, exactly), so
// that a card is never handed over in place of the one the user saw.
bool schedaDellaRiga(const QString& path, qint64 posizione, const QString& rigaScelta, TSchedaCandidato* scheda);

// The card as the hand-over shows it: every field trimmed.
TSchedaCandidato rifilata(const TSchedaCandidato& scheda);

} // namespace RicercaCandidati
