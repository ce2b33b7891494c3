#include "shared/ui/DecimalPoint.h"

#include "base/core/NumberText.h"
#include "base/platform/Messages.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace DecimalPoint {

bool keyPressed(QLineEdit* field, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() != QLatin1String(".") ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    // What stays of the text once the typing has replaced the selection.
    QString rest = field->text();
    if (field->hasSelectedText())
        rest.remove(field->selectionStart(), field->selectedText().size());
    if (NumberText::pointIsComma(rest))
        field->insert(QStringLiteral(","));
    else
        Messages::warning(field->window(), NumberText::pointRefusedMessage());
    return true;
}

namespace {

class Filter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            return keyPressed(field, event) || QObject::eventFilter(watched, event);
        return QObject::eventFilter(watched, event);
    }
};

class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            watch(line);
        return editor;
    }
};

} // namespace

void watchCells(QAbstractItemView* view)
{
    view->setItemDelegate(new CellDelegate(view));
}

void watch(QLineEdit* field)
{
    field->installEventFilter(new Filter(field));
}

} // namespace DecimalPoint
