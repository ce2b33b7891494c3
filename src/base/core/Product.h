// The program's and its maker's names and addresses.
#pragma once

#include <QString>

namespace Product {
inline const QString Name = QStringLiteral("Selvora");
// The program version recorded in every backup.
inline const QString Version = QStringLiteral("1.0");
inline const QString Maker = QStringLiteral("Selvora Software");
inline const QString WebSite = QStringLiteral("https://www.selvora-software.it");
inline const QString ContactEmail = QStringLiteral("info@selvora-software.it");
// The password of a fresh program folder.
inline const QString InitialPassword = QStringLiteral("selvora");
} // namespace Product
