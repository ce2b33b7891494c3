// Rules of the interview card window that need no window.
#include "sessions/core/InterviewCardRules.h"

#include "base/core/TextRules.h"

namespace InterviewNavigation {

bool needsNoFile(Command command, const QString& position)
{
    return command == Command::Back && position == QLatin1String("1");
}

Step decide(Command command, const QString& position, qint64 count)
{
    Step step;
    if (needsNoFile(command, position))
        return step;
    const qint64 p = InterviewStore::position(position);
    switch (command) {
    case Command::First:
        if (count == 0) {
            step.kind = Step::EmptyArchive;
        } else {
            step.kind = Step::Show;
            step.card = 1;
        }
        return step;
    case Command::Last:
        if (count == 0) {
            step.kind = Step::EmptyArchive;
        } else {
            step.kind = Step::Show;
            step.card = count;
        }
        return step;
    case Command::Forward:
        if (count == 0) {
            step.kind = Step::EmptyArchive;
            step.clearPosition = true;
            return step;
        }
        if (p < 0) {
            step.kind = Step::Error;
        } else if (p < count) {
            step.kind = Step::Show;
            step.card = p + 1;
        }
        return step;
    case Command::Back:
        if (count == 0) {
            step.kind = Step::EmptyArchive;
        } else if (p < 0) {
            step.kind = Step::Error;
        } else if (p == 0) {
            step.kind = Step::Show;
            step.card = 1;
        } else if (p == 1) {
            // " 1" is card 1 too: there is nothing before it.
        } else if (p - 1 > count) {
            // The label names a card the file no longer has.
            step.kind = Step::Error;
        } else {
            step.kind = Step::Show;
            step.card = p - 1;
        }
        return step;
    }
    return step;
}

} // namespace InterviewNavigation

namespace InterviewStore {

Missing firstMissing(const QString& candidate, const QString& date, const QString& score)
{
    if (TextRules::trimmed(candidate).isEmpty())
        return Missing::Candidate;
    if (TextRules::trimmed(date).isEmpty())
        return Missing::Date;
    if (TextRules::trimmed(score).isEmpty())
        return Missing::Score;
    return Missing::None;
}

qint64 position(const QString& text)
{
    const QString t = TextRules::trimmed(text);
    if (t.isEmpty())
        return 0;
    if (!TextRules::soloCifre(t) || t.size() > 15)
        return -1;
    const qint64 n = t.toLongLong();
    return n >= 1 ? n : -1;
}

} // namespace InterviewStore

namespace InterviewDetails {

QString toRecord(const QString& field)
{
    QString out = field;
    out.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    out.replace(QChar(QChar::LineSeparator), QLatin1String("\r\n"));
    // A bare line feed (from text set by another window) is a line break too.
    QString joined;
    joined.reserve(out.size());
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c == QLatin1Char('\n') && (i == 0 || out.at(i - 1) != QLatin1Char('\r')))
            joined += QLatin1String("\r\n");
        else
            joined += c;
    }
    return joined;
}

QString fromRecord(const QString& record)
{
    QString out = record;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

int lengthInRecord(const QString& field)
{
    return int(toRecord(field).size());
}

} // namespace InterviewDetails
