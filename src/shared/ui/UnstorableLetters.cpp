#include "shared/ui/UnstorableLetters.h"

#include "base/core/Cp1252.h"
#include "base/platform/Messages.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

namespace UnstorableLetters {

namespace {

QString textOf(QWidget* field)
{
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return plain->toPlainText();
    return QString();
}

void setTextOf(QWidget* field, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        // The plain letters are never more than the field takes in typing:
        // a longer text raises the limit rather than being cut.
        line->setMaxLength(qMax(line->maxLength(), int(text.size())));
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->setPlainText(text);
    }
}

QString captionOf(QWidget* field)
{
    const QString name = field->accessibleName();
    return name.isEmpty() ? field->objectName() : name;
}

QString letterList(const QString& letters)
{
    QStringList out;
    const QList<uint> points = letters.toUcs4();
    for (const uint cp : points) {
        const char32_t c = cp;
        out << QStringLiteral("«%1»").arg(QString::fromUcs4(&c, 1));
    }
    return out.join(QStringLiteral(", "));
}

} // namespace

bool confirmStore(QWidget* window, const QList<QWidget*>& fields)
{
    QList<QWidget*> found;
    QStringList lines;
    for (QWidget* field : fields) {
        const QString text = textOf(field);
        const QString letters = Cp1252::unencodable(text);
        if (letters.isEmpty())
            continue;
        found.append(field);
        lines << QStringLiteral("%1: %2, al loro posto: «%3»")
                     .arg(captionOf(field), letterList(letters), Cp1252::nearestEncodable(text));
    }
    if (found.isEmpty())
        return true;
    const QString text =
        QStringLiteral("Attenzione: l'archivio non può conservare alcune lettere della scheda, che verrebbero "
                       "registrate come \"?\".\r\n\r\n") +
        lines.join(QStringLiteral("\r\n")) +
        QStringLiteral("\r\n\r\nSostituirle con le lettere semplici più vicine e salvare, oppure tornare alla "
                       "scheda?");
    const int chosen = Messages::choose(window, Messages::Kind::Warning, text,
                                        {QStringLiteral("Sostituisci e salva"), QStringLiteral("Torna alla scheda")});
    if (chosen != 0) {
        found.first()->setFocus();
        return false;
    }
    for (QWidget* field : std::as_const(found))
        setTextOf(field, Cp1252::nearestEncodable(textOf(field)));
    return true;
}

} // namespace UnstorableLetters
