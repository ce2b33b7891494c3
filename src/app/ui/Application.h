// The program's application object. A failure that no command catches ends up
// here and is shown by the default error report; the program goes on.
#pragma once

#include <QApplication>

#include <stdexcept>

class SelvoraApplication : public QApplication
{
    Q_OBJECT

public:
    SelvoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// A file failure that a command leaves to the default error report; its text
// is "I/O error <n>" with the system's error number, followed by what the
// number means, in Italian ("I/O error 28: disco pieno: ...").
class IoError : public std::runtime_error
{
public:
    explicit IoError(int code);
    int code() const { return m_code; }

private:
    int m_code;
};

namespace ErrorReport {
// The default error report: an error box with the failure's own text.
void show(const QString& text);
} // namespace ErrorReport

namespace AppSetup {
// Program-wide settings made once before any window: the Italian locale and
// formats, the Italian texts of the standard buttons and dialogs, the font
// families the windows name, the icon theme and the style.
void apply(QApplication& app);
} // namespace AppSetup
