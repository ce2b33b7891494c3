#include "sessions/ui/DetailsField.h"

#include "sessions/core/InterviewCardRules.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

DetailsField::DetailsField(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

void DetailsField::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127;
    if ((enter || printable) && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const int needed = enter ? 2 : InterviewDetails::lengthInRecord(text);
        if (needed > room())
            return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DetailsField::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Pasted text is cut to the room the record has left.
    int budget = room();
    QString piece;
    for (const QChar c : text) {
        const int cost = c == QLatin1Char('\n') ? 2 : 1;
        if (cost > budget)
            break;
        budget -= cost;
        piece += c;
    }
    if (!piece.isEmpty())
        insertPlainText(piece);
}

int DetailsField::room() const
{
    const int used = InterviewDetails::lengthInRecord(document()->toRawText());
    const int freed = InterviewDetails::lengthInRecord(textCursor().selectedText());
    return m_limit - used + freed;
}
