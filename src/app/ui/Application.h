// The program's application object. A failure that no command catches ends up
// here and is shown by the default error report; the program goes on.
#pragma once

#include "shared/ui/ErrorReport.h"

#include <QApplication>

class SelvoraApplication : public QApplication
{
    Q_OBJECT

public:
    SelvoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

namespace AppSetup {
// Program-wide settings made once before any window: the Italian locale and
// formats, the Italian texts of the standard buttons and dialogs, the font
// families the windows name, the icon theme and the style.
void apply(QApplication& app);
} // namespace AppSetup
