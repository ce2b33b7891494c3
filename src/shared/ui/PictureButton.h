// A command picture: an icon with its caption. A mouse click never takes the
// focus, so the field being edited keeps it; from the keyboard it is reached
// with Tab like any button and pressed with Space or Enter, so every command
// can be given without a mouse.
#pragma once

#include <QToolButton>

class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    // icon is a name from the program's icon set (":/icons/<icon>.svg"); an
    // empty caption makes a picture-only button, named for screen readers by
    // accessibleName.
    PictureButton(const QString& objectName, const QString& icon, const QString& caption, const QString& accessibleName,
                  QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The program's icons by name.
QIcon selvoraIcon(const QString& name);
