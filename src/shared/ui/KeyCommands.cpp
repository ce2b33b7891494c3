#include "shared/ui/KeyCommands.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace {

bool isEnter(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

// Enter on a widget runs its command.
class EnterRuns : public QObject
{
public:
    EnterRuns(QWidget* widget, std::function<void()> open)
        : QObject(widget)
        , m_open(std::move(open))
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        m_open();
        return true;
    }

private:
    std::function<void()> m_open;
};

// Enter on the focused command presses it.
class EnterPresses : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        // Check boxes and radio buttons keep Enter for the window's default
        // command; only commands are pressed.
        if (!button || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
            return false;
        if (!button->hasFocus() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

// Tab on the last cell of a table (Shift+Tab on the first) leaves the table
// for the next (previous) control of the window, whether a cell is being
// typed into or not; the typed text is kept, as the editor is left. Left to
// itself a table wraps round to its first cell, and a keyboard user never
// gets out of it.
class TablesLetGo : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        bool forward;
        if (key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier)
            forward = true;
        else if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier))
            forward = false;
        else
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->hasFocus())
            return false;
        QAbstractItemView* view = owningView(widget);
        if (!view || !view->tabKeyNavigation() || !view->model())
            return false;
        const QModelIndex current = view->currentIndex();
        if (!current.isValid())
            return false;
        const QAbstractItemModel* model = view->model();
        const bool atEnd = forward ? current.row() == model->rowCount(current.parent()) - 1 &&
                current.column() == model->columnCount(current.parent()) - 1
                                   : current.row() == 0 && current.column() == 0;
        if (!atEnd)
            return false;
        QWidget* next = view;
        do {
            next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        } while (next != view && (view->isAncestorOf(next) || !takesTab(next, view->window())));
        if (next == view)
            return false;
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

private:
    // The view whose cell widget is focused: the view itself, or an editor or
    // a control laid over one of its cells.
    static QAbstractItemView* owningView(QWidget* widget)
    {
        for (QWidget* w = widget; w; w = w->parentWidget()) {
            if (auto* view = qobject_cast<QAbstractItemView*>(w))
                return view;
            if (w->isWindow())
                break;
        }
        return nullptr;
    }
    static bool takesTab(const QWidget* w, const QWidget* window)
    {
        return w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) &&
            !w->focusProxy();
    }
};

} // namespace

namespace KeyCommands {

QString keyText(const QKeySequence& key)
{
    QString text = key.toString(QKeySequence::PortableText);
    text.replace(QStringLiteral("PgDown"), QStringLiteral("PagGiù"));
    text.replace(QStringLiteral("PgUp"), QStringLiteral("PagSu"));
    return text;
}

void bind(QWidget* window, QAbstractButton* button, const QList<QKeySequence>& keys)
{
    QPointer<QAbstractButton> target(button);
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, button, [target] {
            // A command that cannot be given now (read-only copy, hidden
            // page) is left alone, as its picture is.
            if (target && target->isEnabled() && target->isVisibleTo(target->window()))
                target->click();
        });
    }
    // A command refused in this run (a read-only copy) keeps its tooltip,
    // which says why; its keys do nothing either.
    if (keys.isEmpty() || !button->isEnabled())
        return;
    const QString named = QStringLiteral(" (%1)").arg(keyText(keys.first()));
    if (!button->toolTip().endsWith(named))
        button->setToolTip(button->toolTip() + named);
}

void bindCard(QWidget* window, const CardCommands& c)
{
    bind(window, c.store, {Store});
    bind(window, c.newCard, {NewCard});
    bind(window, c.find, {Find});
    bind(window, c.print, {Print});
    bind(window, c.next, {NextCard, NextCardAnywhere});
    bind(window, c.previous, {PreviousCard, PreviousCardAnywhere});
    bind(window, c.help, {HelpKey});
    leaveOnEscape(window, c.leave);
}

void leaveOnEscape(QWidget* window, QAbstractButton* leave)
{
    bind(window, leave, {Leave});
}

void onEnter(QWidget* widget, std::function<void()> command)
{
    widget->installEventFilter(new EnterRuns(widget, std::move(command)));
}

void pressFocusedButtons(QApplication& app)
{
    static EnterPresses* filter = nullptr;
    if (filter)
        return;
    filter = new EnterPresses(&app);
    app.installEventFilter(filter);
}

void leaveTablesAtTheirEnds(QApplication& app)
{
    static TablesLetGo* filter = nullptr;
    if (filter)
        return;
    filter = new TablesLetGo(&app);
    app.installEventFilter(filter);
}

} // namespace KeyCommands
