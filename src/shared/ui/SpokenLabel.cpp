// Labels that tell a screen reader what they show.
#include "shared/ui/SpokenLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

class SpokenLabelAccessible : public QAccessibleWidget
{
public:
    explicit SpokenLabelAccessible(SpokenLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        auto* label = static_cast<const SpokenLabel*>(widget());
        if (t == QAccessible::Name)
            return label->spokenName();
        if (t == QAccessible::Value)
            return QString();
        return QAccessibleWidget::text(t);
    }
};

// Qt's own factory answers for QLabel by its class name: this one answers
// for SpokenLabel, which comes first when the interface is looked up.
QAccessibleInterface* spokenLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("SpokenLabel") && object && object->isWidgetType())
        return new SpokenLabelAccessible(static_cast<SpokenLabel*>(object));
    return nullptr;
}

} // namespace

SpokenLabel::SpokenLabel(QWidget* parent, const QString& prefix, const QString& whenEmpty)
    : QLabel(parent)
    , m_prefix(prefix)
    , m_whenEmpty(whenEmpty)
{
    static const bool installed = [] {
        QAccessible::installFactory(spokenLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString SpokenLabel::spokenName() const
{
    // A name set by hand wins, as for any widget.
    if (!accessibleName().isEmpty())
        return accessibleName();
    QString shown = text();
    if (textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(shown)))
        shown = QTextDocumentFragment::fromHtml(shown).toPlainText();
    shown = shown.simplified();
    return shown.isEmpty() ? m_whenEmpty : m_prefix + shown;
}

void SpokenLabel::paintEvent(QPaintEvent* event)
{
    // QLabel announces setText() but not clear(): a change that reaches the
    // screen by any way is announced here, once.
    const QString name = spokenName();
    if (name != m_announced) {
        m_announced = name;
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    QLabel::paintEvent(event);
}
