#include "shared/ui/ErrorReport.h"

#include "base/core/SystemError.h"
#include "base/platform/Messages.h"

IoError::IoError(int code)
    : std::runtime_error(SystemError::ioError(code).toStdString())
    , m_code(code)
{
}

namespace ErrorReport {
void show(const QString& text)
{
    Messages::error(nullptr, text);
}
} // namespace ErrorReport
