// The default error report of the windows: a failure that no command
// handles is shown in an error box with its own text, and the program goes
// on.
#pragma once

#include <QString>

#include <stdexcept>

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
