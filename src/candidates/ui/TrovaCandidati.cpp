#include "candidates/ui/TrovaCandidati.h"

#include "app/ui/Windows.h"
#include "base/core/Formats.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "candidates/core/CandidateSearch.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/DuplicatesWindow.h"
#include "output/core/SummaryReport.h"
#include "report/core/Report.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/EnterChain.h"
#include "shared/ui/FieldText.h"
#include "shared/ui/ListWindowParts.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/ScreenWindow.h"
#include "shared/ui/SummaryList.h"
#include "shared/ui/SummaryPrint.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
const ListWindow::Look& searchLook()
{
    static const ListWindow::Look look {
        QStringLiteral(" Trova schede candidati in archivio"),
        QStringLiteral("Riepilogo dati"),
        QColor(0x46, 0x82, 0xB4), // steel blue
        QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni01"),
        true};
    return look;
}

// The ten filters in tab order, and the card field each one searches.
struct CandidateFilter
{
    const char* name;
    const char* caption;
    const char* highlightName;
    TSchedaCandidato::Campo field;
};
const CandidateFilter kFilters[] = {
    {"txtCandidato", "Cognome e nome:", "effCampo01", TSchedaCandidato::fCandidato},
    {"txtDataNasc", "Data di nascita (gg/mm/aaaa):", "effCampo02", TSchedaCandidato::fDataNasc},
    {"txtCittadinanza", "Cittadinanza:", "effCampo09", TSchedaCandidato::fCittadinanza},
    {"txtLuogoNasc", "Luogo di nascita:", "effCampo10", TSchedaCandidato::fLuogoNasc},
    {"txtCodFisc", "Codice fiscale:", "effCampo05", TSchedaCandidato::fCodFisc},
    {"txtSettore", "Settore professionale:", "effCampo06", TSchedaCandidato::fSettore},
    {"txtLingue", "Lingue conosciute:", "effCampo07", TSchedaCandidato::fLingue},
    {"txtCompetenze", "Competenze informatiche:", "effCampo08", TSchedaCandidato::fCompetenze},
    {"txtDisponibilita", "Disponibilità:", "effCampo03", TSchedaCandidato::fDisponibilita},
    {"txtNote", "Note:", "effCampo04", TSchedaCandidato::fNote},
};

QList<SearchWindow::FilterField> filterFields()
{
    QList<SearchWindow::FilterField> fields;
    for (const CandidateFilter& f : kFilters)
        fields.append(
            {QString::fromLatin1(f.name), QString::fromUtf8(f.caption), QString::fromLatin1(f.highlightName)});
    return fields;
}
} // namespace

// SearchWindow builds the panels; here the controls get their own names.
TfrmTrovaCandidati::TfrmTrovaCandidati(QWidget* parent)
    : SearchWindow(parent, searchLook(), filterFields(), 5)
{
    setObjectName(QStringLiteral("frmTrovaCandidati"));
    txtCandidato = filter(0);
    txtDataNasc = filter(1);
    txtCittadinanza = filter(2);
    txtLuogoNasc = filter(3);
    txtCodFisc = filter(4);
    txtSettore = filter(5);
    txtLingue = filter(6);
    txtCompetenze = filter(7);
    txtDisponibilita = filter(8);
    txtNote = filter(9);
    effCampo01 = highlight(0);
    effCampo02 = highlight(1);
    effCampo09 = highlight(2);
    effCampo10 = highlight(3);
    effCampo05 = highlight(4);
    effCampo06 = highlight(5);
    effCampo07 = highlight(6);
    effCampo08 = highlight(7);
    effCampo03 = highlight(8);
    effCampo04 = highlight(9);
    icoIstruzioni01 = instructions();
    imgTrova01 = pictureLabel(nullptr, QStringLiteral("imgTrova01"), "users", QString(), 96);
    imgTrova01->setAccessibleName(QStringLiteral("Archivio candidati"));
    setCornerPicture(imgTrova01);
    lblTrovate->setText(countText(0));

    btnDoppioni = ListWindowParts::commandButton(panAvvio, "btnDoppioni", "users", QStringLiteral("Doppioni"),
                                                 QStringLiteral("Elenca le schede che sembrano della stessa persona."));
    for (auto* row : panAvvio->findChildren<QHBoxLayout*>()) {
        if (row->indexOf(btnCerca) >= 0) {
            row->insertWidget(row->indexOf(btnCerca), btnDoppioni);
            break;
        }
    }
    setTabOrder(btnCerca, btnDoppioni);
    setTabOrder(btnDoppioni, btnAnnulla);
    connect(btnDoppioni, &QPushButton::clicked, this, &TfrmTrovaCandidati::btnDoppioniClick);
}

void TfrmTrovaCandidati::btnDoppioniClick()
{
    const qint64 position = DuplicatesWindow::run(this);
    if (position < 1)
        return;
    RecordFile file(CandidateArchive::path(), TSchedaCandidato::Size);
    QByteArray record;
    const bool read = file.open() && file.read(position, &record);
    file.close();
    if (!read) {
        Messages::error(this, RecordFile::accessMessage());
        return;
    }
    const TSchedaCandidato scheda = TSchedaCandidato::decode(record);
    // As a card double-clicked in the results: into the window that opened
    // the search, and the search closes.
    if (TextRules::trimmed(lblMemory->text()) == modoTorneo()) {
        if (TfrmTorneo* w = ownerOr<TfrmTorneo>(parentWidget(), Windows::torneo())) {
            FieldText::set(w->txtConcorrente, TextRules::trimmed(scheda.Candidato), TfrmTorneo::MaxConcorrente);
            FieldText::set(w->txtResponsabile, TextRules::trimmed(scheda.CodFisc), TfrmTorneo::MaxResponsabile);
        }
    } else if (TfrmCandidati* w = CandidateHandOver::cardWindow(parentWidget())) {
        CandidateHandOver::show(w, position, scheda);
    }
    accept();
}

QString TfrmTrovaCandidati::candidatesMode()
{
    return QStringLiteral("candidati");
}

QString TfrmTrovaCandidati::modoTorneo()
{
    return QStringLiteral("torneo");
}

QString TfrmTrovaCandidati::printTitle() const
{
    return QStringLiteral("Riepilogo schede candidati in archivio");
}

QString TfrmTrovaCandidati::countText(int n) const
{
    return CandidateSearch::countText(n);
}

bool TfrmTrovaCandidati::search(QStringList* lines, QList<qint64>* positions)
{
    QList<CandidateSearch::Filter> filters;
    for (int i = 0; i < int(std::size(kFilters)); ++i)
        filters.append({kFilters[i].field, filter(i)->text()});
    RecordSearch::Listing listing;
    const bool ok = CandidateSearch::search(CandidateArchive::path(), CandidateSearch::criteria(filters), &listing);
    *lines = std::move(listing.lines);
    *positions = std::move(listing.positions);
    return ok;
}

void TfrmTrovaCandidati::handOver(int row)
{
    const QString modo = TextRules::trimmed(lblMemory->text());
    if (modo != candidatesMode() && modo != modoTorneo())
        return;
    // The card of the line clicked; a card that no longer gives that line
    // (the archive changed on disk) is not handed over.
    TSchedaCandidato scheda;
    if (!CandidateSearch::cardOfLine(CandidateArchive::path(), lstRecords->position(row), lstRecords->text(row),
                                     &scheda))
        return;
    if (modo == candidatesMode()) {
        if (TfrmCandidati* w = CandidateHandOver::cardWindow(parentWidget()))
            CandidateHandOver::show(w, lstRecords->position(row), scheda);
        return;
    }
    // Into the interview card: name and fiscal code, nothing else.
    if (TfrmTorneo* w = ownerOr<TfrmTorneo>(parentWidget(), Windows::torneo())) {
        FieldText::set(w->txtConcorrente, TextRules::trimmed(scheda.Candidato), TfrmTorneo::MaxConcorrente);
        FieldText::set(w->txtResponsabile, TextRules::trimmed(scheda.CodFisc), TfrmTorneo::MaxResponsabile);
    }
}

// --- hand-over ----------------------------------------------------------------

namespace CandidateHandOver {

TfrmCandidati* cardWindow(QWidget* owner)
{
    return ListWindow::ownerOr<TfrmCandidati>(owner, Windows::candidati());
}

void show(TfrmCandidati* window, qint64 position, const TSchedaCandidato& card)
{
    const TSchedaCandidato s = CandidateSearch::trimmed(card);
    const bool wasTicked = window->chkRicontatta->isChecked();
    window->MostraScheda(position, s);
    // A flag that is neither "Sì" nor "No" leaves the box as it was.
    if (s.Ricontatta != TSchedaCandidato::si() && s.Ricontatta != TSchedaCandidato::no())
        window->chkRicontatta->setChecked(wasTicked);
}

} // namespace CandidateHandOver
