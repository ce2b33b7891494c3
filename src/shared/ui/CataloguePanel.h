// The white panel of the session catalogue windows (open a session, create
// one, choose a ranking): heading, captions, the row of command pictures,
// and the layout that keeps the panel in the middle of the window.
#pragma once

#include <QString>

#include <initializer_list>

class PictureButton;
class QFrame;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace CataloguePanel {

// The white panel with the rounded steel-blue border, no wider than
// maximumWidth.
QFrame* create(QWidget* window, const QString& objectName, int maximumWidth);

// The panel's heading: Verdana 16 bold in dark blue.
QLabel* heading(QFrame* panel, const QString& objectName, const QString& text);
// A field's caption: Verdana 11.
QLabel* caption(QFrame* panel, const QString& text);
// A line of green text: Verdana 12.
QLabel* note(QFrame* panel, const QString& objectName, const QString& text);

// "ANNULLA", back to the launcher.
PictureButton* cancelButton(QFrame* panel, const QString& toolTip);
// The picture that opens the window's help topic.
PictureButton* helpButton(QFrame* panel);

// The panel's own layout, with the margins every catalogue panel has.
QVBoxLayout* body(QFrame* panel, int spacing);
// The command row: the left pictures at the left edge, the right ones at the
// right edge.
QHBoxLayout* commandRow(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right);

// Puts the panel in the middle of the window, across and down; the stretch
// factors share out the height between the panel and the space below it.
void centre(QWidget* window, QFrame* panel, int panelStretch, int belowStretch);

} // namespace CataloguePanel
