// The candidate list: numbering, the stable sort by score groups, and the export file.
#include "TestSupport.h"

#include "data/SharedDatabase.h"
#include "generation/CandidateListModel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace qiming;
using namespace qiming::generation;
using namespace qiming::test;

namespace {

std::vector<numerology::ScoredName> named(std::initializer_list<std::pair<const char *, const char *>> rows)
{
    std::vector<numerology::ScoredName> out;
    for (const auto &[name, score] : rows)
        out.push_back({QString::fromUtf8(name), QStringLiteral("p"), QStringLiteral("e"), QStringLiteral("1-2"),
                       QStringLiteral("3-4"), QStringLiteral("1-2-3-4-5"), QString::fromUtf8(score),
                       QStringLiteral("nan"), 1});
    return out;
}

QStringList column(const CandidateListModel &list, int c)
{
    QStringList out;
    for (int r = 0; r < list.size(); ++r)
        out << list.candidate(r).cell(c);
    return out;
}

} // namespace

TEST(CandidateList, RowsAreNumberedAndSortedStablyByScore)
{
    CandidateListModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::Fatal);
    list.writeCandidateHeader();
    EXPECT_EQ(list.headerData(7, Qt::Horizontal).toString(), QStringLiteral("评分"));
    list.appendCandidates(named({{"甲", "90"}, {"乙", "95"}, {"丙", "90"}, {"丁", "100"}}));
    EXPECT_EQ(column(list, Serial), QStringList({"1", "2", "3", "4"}));
    list.sortByScore();
    EXPECT_EQ(column(list, Name), QStringList({"丁", "乙", "甲", "丙"}));
    EXPECT_EQ(column(list, Serial), QStringList({"1", "2", "3", "4"}));
    // Sorting again changes nothing; rows appended later follow the sorted block.
    list.sortByScore();
    list.appendCandidates(named({{"戊", "99"}}));
    EXPECT_EQ(column(list, Name), QStringList({"丁", "乙", "甲", "丙", "戊"}));
    EXPECT_EQ(column(list, Serial).last(), QStringLiteral("5"));

    CandidateListModel empty;
    empty.sortByScore();
    EXPECT_EQ(empty.size(), 0);
}

TEST(CandidateList, ExportWritesEveryCellFollowedByABarInGb18030)
{
    CandidateListModel list;
    list.writeCandidateHeader();
    EXPECT_EQ(exportText(list), QByteArray("\xD0\xF2\xBA\xC5|\xC3\xFB\xD7\xD6|\xC6\xB4\xD2\xF4|\xCE\xE5\xD0\xD0|"
                                           "\xBC\xF2\xCC\xE5\xB1\xCA\xBB\xAD|\xBF\xB5\xCE\xF5\xB1\xCA\xBB\xAD|"
                                           "\xCE\xE5\xB8\xF1|\xC6\xC0\xB7\xD6|\r\n||||||||\r\n"));

    // A character GBK cannot hold survives, and reads back exactly.
    list.appendCandidates(named({{"李䶮", "96"}, {"王𠀀", "95"}}));
    const QByteArray bytes = exportText(list);
    QStringDecoder decoder("GB18030");
    const QString text = decoder.decode(bytes);
    EXPECT_TRUE(text.startsWith(QStringLiteral("序号|名字|拼音|五行|简体笔画|康熙笔画|五格|评分|\r\n1|李䶮|p|e|1-2|3-4|1-2-3-4-5|96|\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("2|王𠀀|")));
    EXPECT_FALSE(text.contains(QStringLiteral("||||||||")));
}

TEST(CandidateList, ExportGoesToTheExactNameAndNeverDestroysAFileOnFailure)
{
    WorkingDir dir;
    CandidateListModel list;
    list.writeCandidateHeader();
    list.appendCandidates(named({{"李明", "97"}}));
    QString error;
    ASSERT_TRUE(exportList(list, dir.file(QStringLiteral("名单")), &error)) << error.toStdString();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("名单"))));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("名单.txt"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left

    // Overwritten without a question.
    list.appendCandidates(named({{"李华", "96"}}));
    ASSERT_TRUE(exportList(list, dir.file(QStringLiteral("名单")), &error));
    EXPECT_EQ(readFileBytes(dir.file(QStringLiteral("名单"))), exportText(list));

    // A folder that cannot be written: a message, and the old file as it was.
    QDir().mkdir(dir.file(QStringLiteral("locked")));
    writeFileBytes(dir.file(QStringLiteral("locked/名单.txt")), "old");
    QFile::setPermissions(dir.file(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
    const bool rootIgnoresPermissions = QFile(dir.file(QStringLiteral("locked/probe"))).open(QIODevice::WriteOnly);
    QFile::remove(dir.file(QStringLiteral("locked/probe")));
    if (!rootIgnoresPermissions) {
        EXPECT_FALSE(exportList(list, dir.file(QStringLiteral("locked/名单.txt")), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readFileBytes(dir.file(QStringLiteral("locked/名单.txt"))), QByteArray("old"));
    }
    QFile::setPermissions(dir.file(QStringLiteral("locked")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A path that names a folder cannot become a file.
    EXPECT_FALSE(exportList(list, dir.file(QStringLiteral("locked")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(CandidateList, ExportNeverGoesOverTheOpenDatabase)
{
    WorkingDir dir;
    buildFixtureDatabase(dir.file(data::kDatabaseFileName));
    QString error;
    ASSERT_TRUE(data::openDatabase(&error)) << error.toStdString();
    const QByteArray before = readFileBytes(dir.file(data::kDatabaseFileName));
    ASSERT_EQ(::link("data.dll", "backup.txt"), 0);
    CandidateListModel list;
    list.writeCandidateHeader();
    list.appendCandidates(named({{"李明", "97"}}));

    for (const QString &target : {QStringLiteral("data.dll"), dir.file(QStringLiteral("data.dll")), QStringLiteral("./data.dll"),
                                  QStringLiteral("backup.txt"), QStringLiteral("data.dll-journal")}) {
        error.clear();
        EXPECT_FALSE(exportList(list, target, &error)) << target.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("数据库"))) << error.toStdString();
    }
    EXPECT_EQ(readFileBytes(dir.file(data::kDatabaseFileName)), before);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("data.dll-journal"))));
    EXPECT_NO_THROW(data::sharedDatabase().scalar(QStringLiteral("select count(*) from 字典")));
    data::closeDatabase();
    data::Database again;
    EXPECT_EQ(again.open(dir.file(data::kDatabaseFileName), data::kDatabasePassword), data::Database::OpenResult::Ok);
    // Other files are written as ever.
    EXPECT_TRUE(exportList(list, dir.file(QStringLiteral("名单.txt")), &error)) << error.toStdString();
}

// A disk that fills up part way: the file-size limit cuts writes short as a full disk does.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit{bytes, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    struct rlimit m_saved {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(CandidateList, ExportThatCannotBeWrittenInFullKeepsTheOldFile)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("名单.txt"));
    for (const int rows : {50, 5000}) { // held in the write buffer, and written straight through
        writeFileBytes(path, "old");
        CandidateListModel list;
        list.writeCandidateHeader();
        std::vector<numerology::ScoredName> names;
        for (int i = 0; i < rows; ++i)
            names.push_back(named({{"李明", "97"}}).front());
        list.appendCandidates(std::move(names));
        ASSERT_GT(exportText(list).size(), 1000);

        QString error;
        bool written = true;
        {
            FileSizeLimit full(1000);
            written = exportList(list, path, &error);
        }
        EXPECT_FALSE(written) << rows;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readFileBytes(path), QByteArray("old")) << rows;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("名单.txt")});
    }
}
