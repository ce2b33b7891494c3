// A command picture: an icon with its caption, clicked with the mouse. It
// never takes the focus, so the field being edited keeps it.
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
};

// The program's icons by name.
QIcon selvoraIcon(const QString& name);
