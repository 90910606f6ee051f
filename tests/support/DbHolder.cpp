// Opens the database file given as argument the way the program does and keeps it open
// until its standard input closes: a second running program, for the tests.
#include "data/Database.h"
#include "data/SharedDatabase.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    qiming::data::Database db;
    QString error;
    if (db.open(QString::fromLocal8Bit(argv[1]), qiming::data::kDatabasePassword, &error)
        != qiming::data::Database::OpenResult::Ok) {
        std::printf("failed: %s\n", error.toUtf8().constData());
        std::fflush(stdout);
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return db.close() ? 0 : 1;
}
