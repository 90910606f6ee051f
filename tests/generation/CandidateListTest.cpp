// The candidate list: numbering, the stable sort by score groups, and the export file.
#include "TestSupport.h"

#include "generation/CandidateListModel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

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
