// Whole-text selection when a click brings the focus into a field.
#include "shared/ui/SelectOnClick.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

SelectOnClick::SelectOnClick(QLineEdit* field)
    : QObject(field)
{
}

void SelectOnClick::install(QLineEdit* field)
{
    field->installEventFilter(new SelectOnClick(field));
}

bool SelectOnClick::eventFilter(QObject* watched, QEvent* event)
{
    // A click gives the focus first (reason: mouse) and then delivers its
    // press, which would put the cursor where the mouse is and drop any
    // selection: that one press selects the whole text instead. Once the
    // field has the focus, clicks place the cursor as usual.
    switch (event->type()) {
    case QEvent::FocusIn:
        m_clickedIn = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        break;
    case QEvent::FocusOut:
        m_clickedIn = false;
        break;
    case QEvent::MouseButtonPress:
        if (m_clickedIn) {
            m_clickedIn = false;
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                static_cast<QLineEdit*>(watched)->selectAll();
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
