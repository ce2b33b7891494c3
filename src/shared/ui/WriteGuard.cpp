#include "shared/ui/WriteGuard.h"

#include "base/core/AccessMode.h"
#include "base/platform/Messages.h"
#include "shared/ui/InfoBar.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace {
const char* kMarked = "selvoraWrites";
const char* kField = "selvoraWritesField";
const char* kBar = "selvoraWritesBar";

// A field whose text can be read but, when so set, not changed.
bool isTextField(QWidget* w)
{
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
}

bool isEditable(QWidget* w)
{
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return !line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return !plain->isReadOnly();
    if (auto* text = qobject_cast<QTextEdit*>(w))
        return !text->isReadOnly();
    return false;
}

void makeReadOnly(QWidget* w)
{
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->setReadOnly(true);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->setReadOnly(true);
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->setReadOnly(true);
}

void apply(QWidget* command)
{
    if (!AccessMode::readOnly())
        return;
    if (command->property(kField).toBool() && isTextField(command))
        makeReadOnly(command);
    else
        command->setEnabled(false);
    const QString why = AccessMode::reason();
    command->setToolTip(why);
    command->setAccessibleDescription(why);
    if (auto* bar = qobject_cast<InfoBar*>(command->property(kBar).value<QObject*>()))
        bar->describe(command, why);
}

// Keys that change a field's text or open a picker over it; moving, selecting
// and copying pass, and so do the keys a window takes (Tab, Enter, Escape).
bool editsField(const QKeyEvent* key)
{
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))
        return false;
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_F4:
    case Qt::Key_Space:
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up:
        return key->modifiers().testFlag(Qt::AltModifier);
    default:
        break;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127;
}

// Keeps marked commands disabled, and marked fields unchangeable, when a
// window enables them again.
class Keeper : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!AccessMode::readOnly())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        const bool textField = w->property(kField).toBool() && isTextField(w);
        switch (event->type()) {
        case QEvent::EnabledChange:
            if (!textField && w->isEnabled())
                w->setEnabled(false);
            break;
        case QEvent::ReadOnlyChange:
            if (textField && isEditable(w))
                makeReadOnly(w);
            break;
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            // Before the window's own handling of the field (a picker
            // opened by any key, a typed date).
            if (textField && editsField(static_cast<QKeyEvent*>(event))) {
                event->accept();
                return event->type() == QEvent::KeyPress;
            }
            break;
        default:
            break;
        }
        return false;
    }
};

Keeper* keeper()
{
    static QPointer<Keeper> k;
    if (!k) {
        k = new Keeper;
        k->setParent(QCoreApplication::instance());
    }
    return k;
}
} // namespace

namespace WriteGuard {

void mark(QWidget* command, InfoBar* bar)
{
    command->setProperty(kMarked, true);
    if (bar)
        command->setProperty(kBar, QVariant::fromValue(static_cast<QObject*>(bar)));
    command->installEventFilter(keeper());
    apply(command);
}

void mark(const QList<QWidget*>& commands, InfoBar* bar)
{
    for (QWidget* c : commands)
        mark(c, bar);
}

void markFields(const QList<QWidget*>& fields, InfoBar* bar)
{
    for (QWidget* field : fields) {
        field->setProperty(kField, true);
        if (bar)
            field->setProperty(kBar, QVariant::fromValue(static_cast<QObject*>(bar)));
        // Installed after the window's own filter, so that it is asked first.
        field->installEventFilter(keeper());
        apply(field);
    }
}

bool isMarked(const QWidget* command)
{
    return command->property(kMarked).toBool();
}

bool isMarkedField(const QWidget* field)
{
    return field->property(kField).toBool();
}

void applyAll()
{
    for (QWidget* w : QApplication::allWidgets()) {
        if (isMarked(w) || isMarkedField(w))
            apply(w);
    }
}

bool allowed(QWidget* parent)
{
    if (!AccessMode::readOnly())
        return true;
    Messages::warning(parent, AccessMode::reason());
    return false;
}

QLabel* reasonLine(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("lblReadOnly"));
    line->setWordWrap(true);
    line->setStyleSheet(QStringLiteral("color: maroon;"));
    line->setText(AccessMode::reason());
    line->setAccessibleName(AccessMode::reason());
    line->setVisible(AccessMode::readOnly());
    return line;
}

} // namespace WriteGuard
