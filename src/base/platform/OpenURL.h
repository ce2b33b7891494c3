// Hands a document path, a web address or a "mailto:" link to the desktop's
// open service. In test mode the requests are recorded instead.
#pragma once

#include <QStringList>

class TMisc
{
public:
    // A local path (optionally enclosed in double quotes), an http(s) address
    // or a mailto: link. Returns whether the desktop accepted it.
    static bool Open(const QString& target);

    static void setTestMode(bool on);
    static QStringList opened();
    static void resetTestState();
};
