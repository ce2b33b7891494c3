// The fill command and the store warning shared by the candidate card and the
// interview card.
#include "tools/ui/FiscalCodeGuard.h"

#include "base/core/Clock.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "shared/ui/FieldText.h"

#include <QLineEdit>

namespace FiscalCodeGuard {

void fill(QWidget* parent, const QString& code, QLineEdit* sex, QLineEdit* birthDate, QLineEdit* birthplace)
{
    const QDate today = Clock::today();
    const FiscalCodeCheck::Values v = FiscalCodeCheck::values(code, today);
    if (!v.ok) {
        Messages::warning(parent,
                          QStringLiteral("Attenzione: non è possibile compilare i dati dal codice fiscale.\n\r\n\r") +
                              v.problem);
        return;
    }
    struct Item
    {
        QLineEdit* field;
        QString value;
        QString caption;
        FiscalCodeCheck::CardData only;
    };
    QList<Item> items;
    if (sex)
        items.append({sex, v.sex, QStringLiteral("Sesso"), {QString(), sex->text(), QString(), QString()}});
    if (birthDate)
        items.append({birthDate,
                      v.birthDate,
                      QStringLiteral("Data nascita"),
                      {QString(), QString(), birthDate->text(), QString()}});
    if (birthplace)
        items.append({birthplace,
                      v.birthplace,
                      QStringLiteral("Luogo nascita"),
                      {QString(), QString(), QString(), birthplace->text()}});

    QList<Item> differing;
    for (const Item& item : items) {
        if (item.value.isEmpty())
            continue;
        if (TextRules::trimmed(item.field->text()).isEmpty())
            FieldText::set(item.field, item.value, item.field->maxLength());
        else if (!FiscalCodeCheck::mismatches(code, item.only, today).isEmpty())
            differing.append(item);
    }
    if (!differing.isEmpty()) {
        QStringList lines;
        for (const Item& item : differing)
            lines << QStringLiteral("%1: %2 nella scheda, %3 nel codice fiscale")
                         .arg(item.caption, TextRules::trimmed(item.field->text()), item.value);
        const int choice = Messages::choose(
            parent, Messages::Kind::Confirmation,
            QStringLiteral("Alcuni dati della scheda sono diversi da quelli del codice fiscale:\n\r\n\r") +
                lines.join(QStringLiteral("\n\r")) +
                QStringLiteral("\n\r\n\rSostituirli con quelli del codice fiscale?"),
            {QStringLiteral("Sostituisci"), QStringLiteral("Lascia come sono")});
        if (choice == 0) {
            for (const Item& item : differing)
                FieldText::set(item.field, item.value, item.field->maxLength());
        }
    }
    if (birthplace && !v.placeProblem.isEmpty())
        Messages::information(parent,
                              QStringLiteral("Il luogo di nascita non è stato compilato.\n\r\n\r") + v.placeProblem);
}

bool confirmStore(QWidget* parent, const QString& code, const FiscalCodeCheck::CardData& card)
{
    const QStringList found = FiscalCodeCheck::mismatches(code, card, Clock::today());
    if (found.isEmpty())
        return true;
    return Messages::choose(parent, Messages::Kind::Warning, FiscalCodeCheck::warningText(found),
                            {QStringLiteral("Salva comunque"), QStringLiteral("Correggi")}) == 0;
}

} // namespace FiscalCodeGuard
