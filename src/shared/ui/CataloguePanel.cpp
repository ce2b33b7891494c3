#include "shared/ui/CataloguePanel.h"

#include "shared/ui/PictureButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace CataloguePanel {

QFrame* create(QWidget* window, const QString& objectName, int maximumWidth)
{
    auto* panel = new QFrame(window);
    panel->setObjectName(objectName);
    panel->setStyleSheet(
        QStringLiteral("#%1 { background: white; border: 2px solid #4682B4; border-radius: 8px; }").arg(objectName));
    panel->setMaximumWidth(maximumWidth);
    return panel;
}

QLabel* heading(QFrame* panel, const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(objectName);
    label->setFont(QFont(QStringLiteral("Verdana"), 16, QFont::Bold));
    label->setStyleSheet(QStringLiteral("color: #1f4e79; border: none;"));
    return label;
}

QLabel* caption(QFrame* panel, const QString& text)
{
    auto* label = new QLabel(text, panel);
    label->setFont(QFont(QStringLiteral("Verdana"), 11));
    label->setStyleSheet(QStringLiteral("border: none;"));
    return label;
}

QLabel* note(QFrame* panel, const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(objectName);
    label->setFont(QFont(QStringLiteral("Verdana"), 12));
    label->setStyleSheet(QStringLiteral("color: green; border: none;"));
    return label;
}

PictureButton* cancelButton(QFrame* panel, const QString& toolTip)
{
    auto* button = new PictureButton(QStringLiteral("btnAnnulla"), QStringLiteral("x"), QStringLiteral("ANNULLA"),
                                     QStringLiteral("Annulla"), panel);
    button->setToolTip(toolTip);
    return button;
}

PictureButton* helpButton(QFrame* panel)
{
    auto* button = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral("circle-help"), QString(),
                                     QStringLiteral("Guida"), panel);
    button->setToolTip(QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    return button;
}

QVBoxLayout* body(QFrame* panel, int spacing)
{
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(24, 24, 24, 24);
    inner->setSpacing(spacing);
    return inner;
}

QHBoxLayout* commandRow(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right)
{
    auto* row = new QHBoxLayout;
    for (QWidget* w : left)
        row->addWidget(w);
    row->addStretch();
    for (QWidget* w : right)
        row->addWidget(w);
    return row;
}

void centre(QWidget* window, QFrame* panel, int panelStretch, int belowStretch)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(panel, 1);
    row->addStretch();
    auto* layout = new QVBoxLayout(window);
    layout->addStretch();
    layout->addLayout(row, panelStretch);
    layout->addStretch(belowStretch);
}

} // namespace CataloguePanel
