#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/SharedDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace qiming::test {

WorkingDir::WorkingDir()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

WorkingDir::~WorkingDir()
{
    QDir::setCurrent(m_previous);
}

QString fixtureTablesDir()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/tables");
}

QString numerologyFixtureDir()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/numerology");
}

QString generationFixtureDir()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/generation");
}

void buildFixtureDatabase(const QString &path, const QString &tablesDir)
{
    buildFixtureDatabase(path, QStringList{tablesDir});
}

void buildFixtureDatabase(const QString &path, const QStringList &tablesDirs)
{
    const data::BuildResult r = data::buildDatabase(path, tablesDirs);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
}

QString birthChartFixtureDir()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/birthchart");
}

void openFixtureDatabase(data::Database &db, const WorkingDir &dir, const QString &tablesDir)
{
    const QString path = dir.file(data::kDatabaseFileName);
    buildFixtureDatabase(path, tablesDir);
    QString error;
    ASSERT_EQ(db.open(path, data::kDatabasePassword, &error), data::Database::OpenResult::Ok) << error.toStdString();
}

QByteArray readFileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray headerOf(const QString &path)
{
    return readFileBytes(path).left(16);
}

QByteArray jetSignatureBytes()
{
    return QByteArray("\x00\x01\x00\x00Standard Jet", 16);
}

QByteArray disguisedHeaderBytes()
{
    return QByteArray("\x01\x83\x90\x00\x51\x4D\x1F\xC3\x7E\x2B\xA6\x05\xD9\x64\x3A\xE8", 16);
}

CliResult runCli(const QStringList &args, const QString &workingDir, const QByteArray &input)
{
    QProcess p;
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(QStringLiteral(QIMING_CLI), args);
    p.write(input);
    p.closeWriteChannel();
    CliResult r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

DatabaseHolder::DatabaseHolder(const QString &path)
    : m_process(std::make_unique<QProcess>())
{
    m_process->start(QStringLiteral(QIMING_DB_HOLDER), {path});
    if (m_process->waitForReadyRead(10000))
        m_ready = m_process->readLine().startsWith("ready");
}

DatabaseHolder::~DatabaseHolder()
{
    m_process->closeWriteChannel();
    if (!m_process->waitForFinished(10000)) {
        m_process->kill();
        m_process->waitForFinished();
    }
}

void BuiltDatabaseSuite::buildSuiteDatabase(const QStringList &sourceDirs)
{
    s_dir = std::make_unique<QTemporaryDir>();
    const QString path = s_dir->filePath(QStringLiteral("data.dll"));
    const data::BuildResult r =
        data::buildDatabase(path, sourceDirs.isEmpty() ? data::defaultSourceDirs() : sourceDirs);
    if (!r.ok) {
        s_error = r.error;
        return;
    }
    auto db = std::make_unique<data::Database>();
    if (db->open(path, data::kDatabasePassword, &s_error) == data::Database::OpenResult::Ok)
        s_db = std::move(db);
}

void BuiltDatabaseSuite::TearDownTestSuite()
{
    s_db.reset();
    s_dir.reset();
    s_error.clear();
}

void BuiltDatabaseSuite::SetUp()
{
    ASSERT_TRUE(s_db) << s_error.toStdString();
}

data::RowSet BuiltDatabaseSuite::rows(const QString &sql, const QVariantList &params)
{
    return data::RowSet::load(*s_db, sql, params);
}

} // namespace qiming::test
