#include "shared/ui/SessionList.h"

#include "base/core/ProgramFolder.h"
#include "base/core/TextRules.h"
#include "sessions/core/SessionCatalogue.h"
#include "shared/ui/CataloguePanel.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace {

// Items keep the program's list order: a to z compared as A to Z, every other
// character by its code.
class SessionItem : public QListWidgetItem
{
public:
    explicit SessionItem(const QString& text)
        : QListWidgetItem(text)
    {
        QFont font(QStringLiteral("Courier New"), 14);
        font.setStyleHint(QFont::Monospace);
        setFont(font);
        setForeground(Qt::black);
    }
    bool operator<(const QListWidgetItem& other) const override { return TextRules::listLess(text(), other.text()); }
};

} // namespace

namespace SessionList {

Controls create(QFrame* panel, int minimumHeight)
{
    QLabel* caption = CataloguePanel::caption(panel, QStringLiteral("&Elenco delle sessioni:"));
    auto* list = new QListWidget(panel);
    list->setObjectName(QStringLiteral("lstFiles"));
    list->setSortingEnabled(true);
    list->setAccessibleName(QStringLiteral("Elenco delle sessioni"));
    list->setMinimumHeight(minimumHeight);
    caption->setBuddy(list);
    return {caption, list};
}

QString countLine(int n)
{
    return QStringLiteral("Sono state create %1 sessioni.").arg(n);
}

void fill(QListWidget* list, QLabel* countLabel)
{
    list->clear();
    const QStringList names = SessionCatalogue::list(ProgramFolder::path());
    for (const QString& name : names)
        list->addItem(new SessionItem(name));
    // The first session is chosen: the first Down goes to the second, Enter
    // opens the first.
    list->setCurrentRow(list->count() > 0 ? 0 : -1);
    countLabel->setText(countLine(list->count()));
}

} // namespace SessionList
