// A command picture: an icon with its caption. A mouse click never takes the
// focus, so the field being edited keeps it; from the keyboard it is reached
// with Tab like any button and pressed with Space or Enter, so every command
// can be given without a mouse.
#pragma once

#include <QPixmap>
#include <QToolButton>

class PictureButton : public QToolButton
{
    Q_OBJECT
    // The icon's name, so that a form can give it like any other property.
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    // A picture-only button with no icon yet, as a form creates it; the form
    // then gives its picture, caption, style and accessible name.
    explicit PictureButton(QWidget* parent = nullptr);
    // icon is a name from the program's icon set (resources/icons/<icon>.svg); an
    // empty caption makes a picture-only button, named for screen readers by
    // accessibleName.
    PictureButton(const QString& objectName, const QString& icon, const QString& caption, const QString& accessibleName,
                  QWidget* parent);

    QString picture() const { return m_picture; }
    void setPicture(const QString& icon);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_picture;
};

// The program's icons by name, from the PNG files the build renders of each
// drawing at every size the windows use (":/icons/<name>-<size>.png").
QIcon selvoraIcon(const QString& name);

// A picture of the program (resources/images/<name>.svg) as the build renders
// it: ":/images/<name>.png", or its "@2x" twin on a screen with a device pixel
// ratio above 1, shown at the same size.
QPixmap selvoraPicture(const QString& name);
