#include "shared/ui/InfoBar.h"

#include "shared/ui/SpokenLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {
const char* kInfo = "infoBarText";
const char* kClears = "infoBarClears";

// A move that a command ignored reaches its container too; the container
// must not then empty the bar the command has just written.
bool overDescribedChild(QWidget* background, QMouseEvent* move)
{
    for (QWidget* w = background->childAt(move->position().toPoint()); w && w != background; w = w->parentWidget()) {
        if (w->property(kInfo).isValid())
            return true;
    }
    return false;
}
} // namespace

InfoBar::InfoBar(const QString& idleText, const QColor& strip, QWidget* parent)
    : QFrame(parent)
    , m_text(new SpokenLabel(this))
{
    setObjectName(QStringLiteral("shpInfo"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, strip);
    setPalette(pal);
    setFixedHeight(30);
    setMouseTracking(true);
    installEventFilter(this);
    setProperty(kClears, true);

    m_text->setObjectName(QStringLiteral("panInfo"));
    m_text->setFont(QFont(QStringLiteral("Tahoma"), 12));
    QPalette tp = m_text->palette();
    tp.setColor(QPalette::WindowText, Qt::white);
    m_text->setPalette(tp);
    // A screen reader hears the bar's sentence; what the bar is goes into
    // the description.
    m_text->setAccessibleDescription(QStringLiteral("Barra informazioni"));
    m_text->setText(idleText);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addWidget(m_text);
}

QString InfoBar::text() const
{
    return m_text->text();
}

void InfoBar::describe(QWidget* command, const QString& text)
{
    command->setProperty(kInfo, text);
    command->setToolTip(text);
    command->setMouseTracking(true);
    command->installEventFilter(this);
}

void InfoBar::clearOver(QWidget* background)
{
    background->setProperty(kClears, true);
    background->setMouseTracking(true);
    background->installEventFilter(this);
}

bool InfoBar::eventFilter(QObject* watched, QEvent* event)
{
    // A command reached with Tab says what it does, as under the mouse.
    if (event->type() == QEvent::FocusIn) {
        const QVariant info = watched->property(kInfo);
        if (info.isValid())
            m_text->setText(info.toString());
        return false;
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const QVariant info = watched->property(kInfo);
        if (info.isValid())
            m_text->setText(info.toString());
        else if (event->type() == QEvent::MouseMove && watched->property(kClears).toBool() &&
                 !overDescribedChild(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event)))
            m_text->clear();
    }
    return false;
}
