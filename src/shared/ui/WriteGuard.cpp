#include "shared/ui/WriteGuard.h"

#include "app/core/AccessMode.h"
#include "app/platform/Messages.h"
#include "shared/ui/InfoBar.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace {
const char* kMarked = "selvoraWrites";
const char* kBar = "selvoraWritesBar";

void apply(QWidget* command)
{
    if (!AccessMode::readOnly())
        return;
    command->setEnabled(false);
    const QString why = AccessMode::reason();
    command->setToolTip(why);
    command->setAccessibleDescription(why);
    if (auto* bar = qobject_cast<InfoBar*>(command->property(kBar).value<QObject*>()))
        bar->describe(command, why);
}

// Keeps marked commands disabled when a window enables them again.
class Keeper : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange && AccessMode::readOnly()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isEnabled())
                w->setEnabled(false);
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

bool isMarked(const QWidget* command)
{
    return command->property(kMarked).toBool();
}

void applyAll()
{
    for (QWidget* w : QApplication::allWidgets()) {
        if (isMarked(w))
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
