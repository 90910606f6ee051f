// The one connection every query of the program runs on, to "data.dll" in the working
// directory.
#pragma once

#include "data/Database.h"

namespace qiming::data {

inline const QString kDatabaseFileName = QStringLiteral("data.dll");
// An access check as weak as the original format's database password, not encryption.
inline const QString kDatabasePassword = QStringLiteral("tavrek");

Database &sharedDatabase();

// Restores "data.dll" and connects. False, with the reason, when it cannot: the program
// then runs on without a connection.
bool openDatabase(QString *error = nullptr);
// Disconnects and disguises the file again; failures are swallowed.
void closeDatabase();

} // namespace qiming::data
