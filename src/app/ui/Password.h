// The login window, the program's first window: the access password is
// compared with the unscrambled password of the password file, and the
// launcher follows when they match.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmPassword : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    QLabel* imgLogo;
    QLabel* lblIstruzioni;
    QFrame* effPassword;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;
    QLabel* lblMemory;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FormShow();
    void txtPasswordChange();
    void txtPasswordKeyUp();
    void txtPasswordKeyDown(int key);
    void txtPasswordEnter();
    void txtPasswordExit();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

private:
    void enableOK();
};

// Look shared by the login and the password change windows.
namespace PasswordLook {
// The vertical steel-blue to white background, fixed size, no title-bar
// buttons, centred on the screen.
void frame(QWidget* window, const QSize& size);
// A masked password field in Verdana 14 bold with its rectangle behind it.
QLineEdit* field(QWidget* parent, const QString& objectName, const QString& accessibleName);
// The logo at the top of both windows.
QLabel* logo(QWidget* parent);
} // namespace PasswordLook
