// The base of the information, credits and help windows: the program's
// picture, a text link with a small picture in front that opens the same
// thing, and the close button.
#pragma once

#include <QDialog>

#include <initializer_list>

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class WebLink;

class LinkDialog : public QDialog
{
    Q_OBJECT

public:
    QLabel* imgLogo = nullptr;
    WebLink* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

protected:
    explicit LinkDialog(QWidget* parent);

    // imgLogo: the picture (a name for selvoraPicture), centred in its place.
    void makeLogo(QWidget* parent, const QString& picture, const QString& accessibleName);
    // panLogo: a white frame with the given border around imgLogo.
    QFrame* makeFramedLogo(const QString& border, const QString& picture, const QString& accessibleName);
    // lnkWeb with its text; it and the picture before it both act as the link.
    void makeLink(WebLink* picture, const QString& text);
    // btnChiudi, the default button, in Verdana of the given size.
    void makeCloseButton(int pointSize, int minimumHeight);
    // A row with the widgets in the middle.
    static QHBoxLayout* centredRow(std::initializer_list<QWidget*> widgets);

    // What the link opens.
    virtual void openLink() = 0;

private slots:
    void btnChiudiClick();
    void lnkWebClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
};
