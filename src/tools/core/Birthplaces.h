// The birthplaces of fiscal codes: every current and former municipality
// cadastral code and every foreign state code, from the table shipped in the
// program's resources.
#pragma once

#include <QDate>
#include <QString>

namespace Birthplaces {

struct Place
{
    bool found = false;
    QString code; // letter and three digits, as in the table
    QString name; // municipality or state name, as the code was named
    QString province; // two-letter province (empty for a foreign state)
    bool foreign = false; // code Z...: a foreign state
    QString country; // ISO 3166 two-letter code of a foreign state
    QDate validFrom; // when the code came into use; invalid if unknown
    QDate validUntil; // when it ceased; invalid while it is in use
};

// The place of a cadastral code (a to z read as capitals). Among several
// entries of one code, the one valid on birthDate is chosen; a municipality
// since merged into another keeps its own name and code.
Place find(const QString& code, const QDate& birthDate = QDate());

// How a card shows a birthplace: "Roma (RM)" for a municipality, the state
// name for a foreign state; empty when not found.
QString label(const Place& place);

// The number of codes in the table (0 when the resource is missing).
int count();

} // namespace Birthplaces
