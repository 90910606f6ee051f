// qiming-cli generate on small tables: the columns, the cuts, the formats and bad input.
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace qiming::test;

class GenerateCommandTest : public ::testing::Test {
protected:
    void SetUp() override { buildFixtureDatabase(dir.file(QStringLiteral("data.dll")), generationFixtureDir()); }
    CliResult generate(QStringList args)
    {
        args.prepend(QStringLiteral("generate"));
        return runCli(args, dir.path());
    }
    WorkingDir dir;
};

TEST_F(GenerateCommandTest, ListsNamesBestFirstWithScoreRecommendAndReasons)
{
    const CliResult r = generate({QStringLiteral("李"), QStringLiteral("--gender"), QStringLiteral("nv"),
                                  QStringLiteral("--min-score"), QStringLiteral("0"), QStringLiteral("--top"),
                                  QStringLiteral("5")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    int previous = 101;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 5) << line.toStdString();
        EXPECT_TRUE(f[0].startsWith(QStringLiteral("李")) && f[0].size() == 3);
        EXPECT_TRUE(f[1].startsWith(QStringLiteral("lǐ-")));
        const int recommend = f[3].toInt();
        EXPECT_LE(recommend, previous);
        previous = recommend;
        EXPECT_FALSE(f[4].isEmpty());
    }
}

TEST_F(GenerateCommandTest, AvoidedCharactersFixedCharacterAndJson)
{
    const CliResult r = generate({QStringLiteral("李"), QStringLiteral("--gender"), QStringLiteral("nv"),
                                  QStringLiteral("--min-score"), QStringLiteral("0"), QStringLiteral("--top"),
                                  QStringLiteral("500"), QStringLiteral("--avoid"), QStringLiteral("安宁"),
                                  QStringLiteral("--fixed"), QStringLiteral("思"), QStringLiteral("--position"),
                                  QStringLiteral("2"), QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_FALSE(list.isEmpty());
    for (const QJsonValue &v : list) {
        const QJsonObject o = v.toObject();
        const QString name = o.value(QStringLiteral("name")).toString();
        EXPECT_EQ(name.size(), 3);
        EXPECT_EQ(name.back(), u'思') << name.toStdString();
        EXPECT_FALSE(name.contains(u'安') || name.contains(u'宁')) << name.toStdString();
        EXPECT_TRUE(o.value(QStringLiteral("reasons")).isArray());
        EXPECT_TRUE(o.contains(QStringLiteral("score")) && o.contains(QStringLiteral("recommend"))
                    && o.contains(QStringLiteral("pinyin")));
    }
}

TEST_F(GenerateCommandTest, BadInputExitsTwo)
{
    const QList<QStringList> cases = {
        {QStringLiteral("李")},                                                         // no gender
        {QStringLiteral("李"), QStringLiteral("--gender"), QStringLiteral("girl")},
        {QStringLiteral("李"), QStringLiteral("--gender"), QStringLiteral("nv"), QStringLiteral("--length"),
         QStringLiteral("3")},
        {QStringLiteral("李"), QStringLiteral("--gender"), QStringLiteral("nv"), QStringLiteral("--min-score"),
         QStringLiteral("abc")},
        {QStringLiteral("李"), QStringLiteral("--gender"), QStringLiteral("nv"), QStringLiteral("--format"),
         QStringLiteral("xml")},
        {QStringLiteral("李"), QStringLiteral("--gender"), QStringLiteral("nv"), QStringLiteral("--birth"),
         QStringLiteral("2024-02-30 08:00")},
        {QStringLiteral("李王张"), QStringLiteral("--gender"), QStringLiteral("nv")},
    };
    for (const QStringList &args : cases) {
        const CliResult r = generate(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    }
}
