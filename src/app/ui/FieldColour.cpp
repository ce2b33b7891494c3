#include "app/ui/FieldColour.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

const char* kRest = "fieldRestColour";
const char* kFill = "fieldFill";

void paint(QWidget* field, const QColor& fill)
{
    field->setProperty(kFill, fill);
    field->setStyleSheet(QStringLiteral("%1 { background-color: %2; border: 1px solid %3; }")
                             .arg(QString::fromLatin1(field->metaObject()->className()),
                                  fill.name(QColor::HexRgb), FieldColour::Border.name(QColor::HexRgb)));
}

class Filter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* field = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn)
            paint(field, FieldColour::Focus);
        else if (event->type() == QEvent::FocusOut)
            paint(field, field->property(kRest).value<QColor>());
        return false;
    }
};

} // namespace

namespace FieldColour {

void install(QWidget* field, const QColor& rest)
{
    field->setProperty(kRest, rest);
    paint(field, field->hasFocus() ? Focus : rest);
    field->installEventFilter(new Filter(field));
}

QColor current(const QWidget* field)
{
    return field->property(kFill).value<QColor>();
}

} // namespace FieldColour
