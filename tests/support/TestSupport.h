// Shared helpers for the tests: temporary folders, fixture databases, other processes.
// Window tests find the modal-box answerer in ModalAnswerer.h.
#pragma once

#include "data/Database.h"
#include "data/RowSet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class QProcess;

namespace qiming::data {
class Database;
}

namespace qiming::test {

// A temporary folder that is also the working directory while it lives.
class WorkingDir final {
public:
    WorkingDir();
    ~WorkingDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

QString fixtureTablesDir();
// Small tables whose levels and counts the numerology tests rely on.
QString numerologyFixtureDir();
// Small tables whose common characters give the high-score examples exactly.
QString generationFixtureDir();
// Builds fixture tables into path; fails the test on error.
void buildFixtureDatabase(const QString &path, const QString &tablesDir = fixtureTablesDir());
void buildFixtureDatabase(const QString &path, const QStringList &tablesDirs);
// Small tables for the birth chart: 喜用神 rows and one reading of each kind.
QString birthChartFixtureDir();

class WorkingDir;
// Builds the tables into the folder's data.dll and opens it on db; fails the test on error.
void openFixtureDatabase(data::Database &db, const WorkingDir &dir, const QString &tablesDir = fixtureTablesDir());

QByteArray readFileBytes(const QString &path);
void writeFileBytes(const QString &path, const QByteArray &bytes);
QByteArray headerOf(const QString &path); // first 16 bytes
QByteArray jetSignatureBytes();
QByteArray disguisedHeaderBytes();

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};
// input, when given, is the process's standard input.
CliResult runCli(const QStringList &args, const QString &workingDir = {}, const QByteArray &input = {});

// Another process holding the database at path open until destroyed.
class DatabaseHolder final {
public:
    explicit DatabaseHolder(const QString &path);
    ~DatabaseHolder();
    bool holds() const { return m_ready; }

private:
    std::unique_ptr<QProcess> m_process;
    bool m_ready = false;
};

// A suite over a database built from the real sources (every source folder unless a suite
// asks for fewer), built once per suite: the build is the slow part.
class BuiltDatabaseSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { buildSuiteDatabase(); }
    static void TearDownTestSuite();
    void SetUp() override;

    static void buildSuiteDatabase(const QStringList &sourceDirs = {});
    static data::RowSet rows(const QString &sql, const QVariantList &params = {});

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::unique_ptr<data::Database> s_db;
    static inline QString s_error;
};

} // namespace qiming::test
