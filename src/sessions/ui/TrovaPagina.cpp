#include "sessions/ui/TrovaPagina.h"

#include "app/core/TextRules.h"
#include "app/ui/PictureButton.h"
#include "output/ui/SummaryList.h"
#include "sessions/core/RicercaPagina.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/ui/Torneo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

const TListWindow::Aspetto& aspettoPagina()
{
    static const TListWindow::Aspetto a {
        QStringLiteral(" Trova candidati in archivio"),
        QStringLiteral("Riepilogo dati"),
        QColor(0x6F, 0x9E, 0xC5), // grey blue
        QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni01"),
        true};
    return a;
}

// The six filters in tab order, and the card field each one searches.
struct FiltroPagina
{
    const char* nome;
    const char* etichetta;
    const char* rettangolo;
    RicercaPagina::Campo campo;
};
const FiltroPagina kFiltri[] = {
    {"txtConcorrente", "Candidato:", "effConcorrente", RicercaPagina::Campo::Candidato},
    {"txtResponsabile", "Codice fiscale:", "effResponsabile", RicercaPagina::Campo::CodiceFiscale},
    {"txtTelefono", "Provenienza:", "effTelefono", RicercaPagina::Campo::Provenienza},
    {"txtEmail", "Data colloquio (gg/mm/aaaa):", "effEmail", RicercaPagina::Campo::DataColloquio},
    {"txtGare", "Dettagli colloquio:", "effGare", RicercaPagina::Campo::Dettagli},
    {"txtNote", "Note:", "effNote", RicercaPagina::Campo::Note},
};

QList<TSearchWindow::CampoFiltro> campiPagina()
{
    QList<TSearchWindow::CampoFiltro> campi;
    for (const FiltroPagina& f : kFiltri)
        campi.append({QString::fromLatin1(f.nome), QString::fromUtf8(f.etichetta), QString::fromLatin1(f.rettangolo)});
    return campi;
}

} // namespace

TfrmTrovaPagina::TfrmTrovaPagina(QWidget* parent)
    : TSearchWindow(parent, aspettoPagina(), campiPagina(), 3)
{
    setObjectName(QStringLiteral("frmTrovaPagina"));
    txtConcorrente = campo(0);
    txtResponsabile = campo(1);
    txtTelefono = campo(2);
    txtEmail = campo(3);
    txtGare = campo(4);
    txtNote = campo(5);
    effConcorrente = rettangolo(0);
    effResponsabile = rettangolo(1);
    effTelefono = rettangolo(2);
    effEmail = rettangolo(3);
    effGare = rettangolo(4);
    effNote = rettangolo(5);
    icoIstruzioni01 = istruzioni();
    icoTrova02 = new QLabel;
    icoTrova02->setObjectName(QStringLiteral("icoTrova02"));
    icoTrova02->setPixmap(selvoraIcon(QStringLiteral("list-checks")).pixmap(96, 96));
    icoTrova02->setAccessibleName(QStringLiteral("Schede della sessione"));
    setAngolo(icoTrova02);
}

QString TfrmTrovaPagina::modoTorneo()
{
    return QStringLiteral("torneo");
}

QString TfrmTrovaPagina::titoloStampa() const
{
    return QStringLiteral("Riepilogo candidati esaminati");
}

QString TfrmTrovaPagina::contaTesto(int n) const
{
    return RicercaPagina::contaTesto(n);
}

bool TfrmTrovaPagina::cerca(QStringList* righe, QList<qint64>* posizioni)
{
    QList<RicercaPagina::Filtro> filtri;
    for (int i = 0; i < int(std::size(kFiltri)); ++i)
        filtri.append({kFiltri[i].campo, campo(i)->text()});
    RicercaPagina::Elenco elenco;
    const QString path = ConsegnaPagina::fileSessione(ConsegnaCandidato::finestraTorneo(parentWidget()));
    const bool ok = RicercaPagina::cerca(path, RicercaPagina::Criteri(filtri), &elenco);
    *righe = std::move(elenco.righe);
    *posizioni = std::move(elenco.posizioni);
    return ok;
}

void TfrmTrovaPagina::consegna(int row)
{
    if (TextRules::trimmed(lblMemory->text()) != modoTorneo())
        return;
    ConsegnaPagina::consegna(ConsegnaCandidato::finestraTorneo(parentWidget()), lstRecords->text(row),
                             lstRecords->position(row));
}

namespace ConsegnaPagina {

QString fileSessione(TfrmTorneo* torneo)
{
    return torneo ? TextRules::trimmed(torneo->lblFile->text()) : QString();
}

void consegna(TfrmTorneo* torneo, const QString& riga, qint64 posizione)
{
    if (!torneo)
        return;
    TSchedaColloquio scheda;
    if (!RicercaPagina::schedaDellaRiga(fileSessione(torneo), posizione, riga, &scheda))
        return;
    // As stored, not trimmed; the position makes it the current card, so a
    // later store writes over this card.
    torneo->MostraScheda(scheda, posizione);
}

} // namespace ConsegnaPagina
