// The session windows over a 10,000-card session, each from its opening to
// the filled and laid-out list, beside grep of the session file: the merit
// and alphabetical rankings, the session search and the suitable list; and
// the fixed cost of an empty ranking or suitable list beside a plain dialog
// with a list.
#include "Bench.h"

#include "app/ui/Windows.h"
#include "rankings/ui/ApriClassifica.h"
#include "rankings/ui/Classifica.h"
#include "rankings/ui/ExpClassifica.h"
#include "sessions/ui/Segnalati.h"
#include "sessions/ui/Torneo.h"
#include "sessions/ui/TrovaPagina.h"
#include "shared/ui/KeptWindow.h"
#include "shared/ui/SummaryList.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <type_traits>

namespace {

// Opens the window as its command does, waits for it to be filled and laid
// out, and closes it. The list and ranking windows are kept by their owner
// between openings, as the program does; the session search is made anew.
template <typename Window>
void openWindow(const std::function<void(Window*)>& prepare = {})
{
    QWidget* owner = nullptr;
    if constexpr (std::is_same_v<Window, TfrmClassifica> || std::is_same_v<Window, TfrmExpClassifica>)
        owner = Windows::apriClassifica();
    else
        owner = Windows::torneo();
    std::unique_ptr<Window> made;
    Window* window = nullptr;
    if constexpr (std::is_same_v<Window, TfrmTrovaPagina>) {
        made.reset(new Window(owner));
        window = made.get();
    } else {
        static KeptWindow<Window> kept;
        window = kept.get(owner);
    }
    if (prepare)
        prepare(window);
    window->show();
    window->lstRecords->doItemsLayout();
    QApplication::processEvents();
    window->close();
}

void setSession(const QString& path)
{
    Windows::apriClassifica()->lblFile->setText(path);
    Windows::torneo()->lblFile->setText(path);
}

// A dialog with what an empty list window shows, made with nothing but Qt,
// of the size of the window it is compared with and with the list's scroll
// bars always shown as theirs are: what remains is the windows' own cost.
void plainListDialog(const QSize& size)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Graduatoria"), &dialog));
    auto* view = new QListView(&dialog);
    auto* model = new QStringListModel(&dialog);
    view->setUniformItemSizes(true);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setModel(model);
    layout->addWidget(view);
    layout->addWidget(new QLineEdit(&dialog));
    for (const char* caption : {"Trova", "Stampa", "Esci"})
        layout->addWidget(new QPushButton(QString::fromLatin1(caption), &dialog));
    dialog.resize(size);
    dialog.show();
    QApplication::processEvents();
}

} // namespace

SELVORA_BENCHMARK("rankings: session windows over a 10,000-card session")
{
    Windows::createFirst();
    const QString session = Bench::sessionFile(10000);
    const Bench::Baseline grep = Bench::grep(QStringLiteral("nessun riscontro"), session);
    setSession(session);

    Bench::compare(
        QStringLiteral("ranking.merit.10k"), QStringLiteral("merit ranking window opened and filled"),
        [] { openWindow<TfrmExpClassifica>(); }, grep);
    Bench::compare(
        QStringLiteral("ranking.alpha.10k"), QStringLiteral("alphabetical ranking window opened and filled"),
        [&] { openWindow<TfrmClassifica>([&](TfrmClassifica* w) { w->lblFile->setText(session); }); }, grep);
    Bench::compare(
        QStringLiteral("session.search.10k"), QStringLiteral("session search, no filter, click to filled list"),
        [] {
            openWindow<TfrmTrovaPagina>([](TfrmTrovaPagina* w) {
                w->lblMemory->setText(TfrmTrovaPagina::modoTorneo());
                w->show();
                QApplication::processEvents();
                w->btnCerca->click();
            });
        },
        grep);
    Bench::compare(
        QStringLiteral("session.suitable.10k"), QStringLiteral("suitable list window opened and filled"),
        [] { openWindow<TfrmSegnalati>(); }, grep);

    // The fixed cost: the same windows over an empty session.
    const QString empty = Bench::workFolder() + QStringLiteral("/Vuota.vai");
    QFile emptyFile(empty);
    if (!emptyFile.open(QIODevice::WriteOnly))
        return;
    emptyFile.close();
    setSession(empty);
    QSize shown;
    const Bench::Baseline plain {QStringLiteral("plain QDialog of the same size with a list"),
                                 [&] { plainListDialog(shown); }};
    Bench::compare(
        QStringLiteral("window.ranking.empty"), QStringLiteral("alphabetical ranking of an empty session shown"),
        [&] {
            openWindow<TfrmClassifica>([&](TfrmClassifica* w) {
                w->lblFile->setText(empty);
                shown = w->isMaximized() ? w->screen()->availableGeometry().size() : w->size();
            });
        },
        plain);
    Bench::compare(
        QStringLiteral("window.suitable.empty"), QStringLiteral("suitable list of an empty session shown"),
        [&] { openWindow<TfrmSegnalati>([&](TfrmSegnalati* w) { shown = w->size(); }); }, plain);

    setSession(QString());
    Windows::destroyAll();
}
