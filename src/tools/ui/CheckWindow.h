// The common window of the code checks: a picture and a heading on a panel,
// the code field and its check button on a steel-blue strip, a close button
// below. Each check names its own parts and judges the code itself.
#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

class CheckWindow : public QDialog
{
    Q_OBJECT

public:
    QLabel* imgLogo;
    QLabel* lblTitolo;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

protected:
    // What makes one check window differ from another.
    struct Parts
    {
        QString windowName; // objectName of the window
        QString title; // window title
        QString panelName; // objectName of the panel
        QString panelBackground; // panel colour, as a style-sheet colour
        QString icon; // picture beside the heading
        QString heading; // text of lblTitolo
        QString stripName; // objectName of the strip behind the field
        QString fieldName; // objectName of the code field
        QString fieldAccessibleName;
        int maxLength; // longest code the field takes
        QString widthSample; // the field is wide enough to show this text
    };

    CheckWindow(const Parts& parts, QWidget* parent);

    // The code field, made and laid out here; the window keeps its own
    // pointer to it under the field's name.
    QLineEdit* codeField() const { return m_field; }

    // A key pressed in the code field other than Enter; true when it is
    // swallowed. Every key goes through by default.
    virtual bool codeFieldKeyDown(QKeyEvent* key);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void btnChiudiClick();

private:
    QLineEdit* m_field;
};
