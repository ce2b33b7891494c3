#include "sessions/ui/TrovaPagina.h"

#include "app/ui/Windows.h"
#include "base/core/TextRules.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/SessionSearch.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

const ListWindow::Look& searchLook()
{
    static const ListWindow::Look look {
        QStringLiteral(" Trova candidati in archivio"),
        QStringLiteral("Riepilogo dati"),
        QColor(0x6F, 0x9E, 0xC5), // grey blue
        QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni01"),
        true};
    return look;
}

// The six filters in tab order, and the card field each one searches.
struct SessionFilter
{
    const char* name;
    const char* caption;
    const char* highlightName;
    SessionSearch::Field field;
};
const SessionFilter kFilters[] = {
    {"txtConcorrente", "Candidato:", "effConcorrente", SessionSearch::Field::Candidato},
    {"txtResponsabile", "Codice fiscale:", "effResponsabile", SessionSearch::Field::CodiceFiscale},
    {"txtTelefono", "Provenienza:", "effTelefono", SessionSearch::Field::Provenienza},
    {"txtEmail", "Data colloquio (gg/mm/aaaa):", "effEmail", SessionSearch::Field::DataColloquio},
    {"txtGare", "Dettagli colloquio:", "effGare", SessionSearch::Field::Dettagli},
    {"txtNote", "Note:", "effNote", SessionSearch::Field::Note},
};

QList<SearchWindow::FilterField> filterFields()
{
    QList<SearchWindow::FilterField> fields;
    for (const SessionFilter& f : kFilters)
        fields.append(
            {QString::fromLatin1(f.name), QString::fromUtf8(f.caption), QString::fromLatin1(f.highlightName)});
    return fields;
}

} // namespace

TfrmTrovaPagina::TfrmTrovaPagina(QWidget* parent)
    : SearchWindow(parent, searchLook(), filterFields(), 3)
{
    setObjectName(QStringLiteral("frmTrovaPagina"));
    txtConcorrente = filter(0);
    txtResponsabile = filter(1);
    txtTelefono = filter(2);
    txtEmail = filter(3);
    txtGare = filter(4);
    txtNote = filter(5);
    effConcorrente = highlight(0);
    effResponsabile = highlight(1);
    effTelefono = highlight(2);
    effEmail = highlight(3);
    effGare = highlight(4);
    effNote = highlight(5);
    icoIstruzioni01 = instructions();
    icoTrova02 = new QLabel;
    icoTrova02->setObjectName(QStringLiteral("icoTrova02"));
    icoTrova02->setPixmap(selvoraIcon(QStringLiteral("list-checks")).pixmap(96, 96));
    icoTrova02->setAccessibleName(QStringLiteral("Schede della sessione"));
    setCornerPicture(icoTrova02);
    lblTrovate->setText(countText(0));
}

QString TfrmTrovaPagina::modoTorneo()
{
    return QStringLiteral("torneo");
}

QString TfrmTrovaPagina::printTitle() const
{
    return QStringLiteral("Riepilogo candidati esaminati");
}

QString TfrmTrovaPagina::countText(int n) const
{
    return SessionSearch::countText(n);
}

bool TfrmTrovaPagina::search(QStringList* lines, QList<qint64>* positions)
{
    QList<SessionSearch::Filter> filters;
    for (int i = 0; i < int(std::size(kFilters)); ++i)
        filters.append({kFilters[i].field, filter(i)->text()});
    RecordSearch::Listing listing;
    const QString path = InterviewHandOver::sessionFile(InterviewHandOver::cardWindow(parentWidget()));
    const bool ok = SessionSearch::search(path, SessionSearch::criteria(filters), &listing);
    *lines = std::move(listing.lines);
    *positions = std::move(listing.positions);
    return ok;
}

void TfrmTrovaPagina::handOver(int row)
{
    if (TextRules::trimmed(lblMemory->text()) != modoTorneo())
        return;
    InterviewHandOver::show(InterviewHandOver::cardWindow(parentWidget()), lstRecords->text(row),
                            lstRecords->position(row));
}

namespace InterviewHandOver {

TfrmTorneo* cardWindow(QWidget* owner)
{
    return ListWindow::ownerOr<TfrmTorneo>(owner, Windows::torneo());
}

QString sessionFile(TfrmTorneo* window)
{
    return window ? TextRules::trimmed(window->lblFile->text()) : QString();
}

void show(TfrmTorneo* window, const QString& line, qint64 position)
{
    if (!window)
        return;
    TSchedaColloquio card;
    if (!SessionSearch::cardOfLine(sessionFile(window), position, line, &card))
        return;
    // As stored, not trimmed; the position makes it the current card, so a
    // later store writes over this card.
    window->MostraScheda(card, position);
}

} // namespace InterviewHandOver
