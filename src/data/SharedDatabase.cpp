#include "data/SharedDatabase.h"

namespace qiming::data {

Database &sharedDatabase()
{
    static Database db;
    return db;
}

bool openDatabase(QString *error)
{
    return sharedDatabase().open(kDatabaseFileName, kDatabasePassword, error) == Database::OpenResult::Ok;
}

void closeDatabase()
{
    sharedDatabase().close();
}

} // namespace qiming::data
