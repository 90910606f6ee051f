// The name check, the names' readings and the report's explanation, on a database built from
// the real sources: the examples parents raised must come out as they expect.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "generation/CandidateListModel.h"
#include "generation/ClassicNames.h"
#include "generation/HighScoreRun.h"
#include "numerology/CharacterTables.h"
#include "numerology/Homophones.h"
#include "numerology/LuckTables.h"
#include "numerology/NameCheck.h"
#include "numerology/NameReport.h"
#include "numerology/NameScore.h"
#include "numerology/Pinyin.h"
#include "numerology/SharedNumerology.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace qiming;
using namespace qiming::numerology;

namespace {

class RealTables : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        const QString path = s_dir->filePath(QStringLiteral("data.dll"));
        const data::BuildResult r = data::buildDatabase(path, data::defaultSourceDirs());
        if (!r.ok) {
            s_error = r.error;
            return;
        }
        auto db = std::make_unique<data::Database>();
        if (db->open(path, data::kDatabasePassword, &s_error) != data::Database::OpenResult::Ok)
            return;
        s_db = std::move(db);
        s_chars = std::make_unique<CharacterTables>(*s_db);
        s_luck = std::make_unique<LuckTables>(*s_db);
        s_homophones = std::make_unique<HomophoneTable>(HomophoneTable::load(*s_db));
    }
    static void TearDownTestSuite()
    {
        s_homophones.reset();
        s_luck.reset();
        s_chars.reset();
        s_db.reset();
        s_dir.reset();
    }
    void SetUp() override { ASSERT_TRUE(s_db) << s_error.toStdString(); }

    static NameCheck check(const char *surname, const char *given)
    {
        return checkName(*s_db, *s_chars, *s_homophones, QString::fromUtf8(surname), QString::fromUtf8(given));
    }
    static ScoredName scored(const char *surname, const char *given, const char *gender)
    {
        const QString s = QString::fromUtf8(surname);
        const QString g = QString::fromUtf8(given);
        return scoreFullName(*s_chars, *s_luck, s + g, s.size() == 1, g.size() == 1, QString::fromUtf8(gender));
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::unique_ptr<data::Database> s_db;
    static inline std::unique_ptr<CharacterTables> s_chars;
    static inline std::unique_ptr<LuckTables> s_luck;
    static inline std::unique_ptr<HomophoneTable> s_homophones;
    static inline QString s_error;
};

bool hasFinding(const NameCheck &c, const char *kind, FindingLevel level)
{
    return std::any_of(c.findings.begin(), c.findings.end(), [&](const NameFinding &f) {
        return f.kind == QString::fromUtf8(kind) && f.level == level;
    });
}

} // namespace

// What the engine reads from the project's tables: a row it could not read would be lost
// without a word, so every row must be readable.
TEST_F(RealTables, EveryReadingAndHomophoneRowIsUsable)
{
    for (const char *sql : {"select 姓, 拼音 from 多音姓", "select 词, 拼音 from 名读音"}) {
        const data::RowSet rows = data::RowSet::load(*s_db, QString::fromUtf8(sql));
        EXPECT_GT(rows.rowCount(), 0) << sql;
        for (int r = 0; r < rows.rowCount(); ++r) {
            const QString key = rows.value(r, 0);
            const QStringList syllables = rows.value(r, 1).split(QLatin1Char(' '));
            EXPECT_EQ(syllables.size(), key.size()) << key.toStdString();
            for (const QString &s : syllables)
                EXPECT_TRUE(parseMarkedSyllable(s).isValid()) << key.toStdString() << " " << s.toStdString();
        }
    }
    const data::RowSet rows = data::RowSet::load(*s_db, QStringLiteral("select 拼音, 谐音, 类别, 说明 from 谐音"));
    HomophoneTable table;
    for (int r = 0; r < rows.rowCount(); ++r)
        EXPECT_TRUE(table.add({rows.value(r, 0), rows.value(r, 1), rows.value(r, 2), rows.value(r, 3)}))
            << rows.value(r, 0).toStdString();
    EXPECT_EQ(s_homophones->entries().size(), size_t(rows.rowCount()));
}

TEST_F(RealTables, SurnamesAndGivenNamesTakeTheirNameReadings)
{
    struct Case {
        const char *surname, *given, *pinyin;
    };
    const Case cases[] = {{"曾", "小明", "zēng-xiǎo-míng"},   {"尉迟", "小明", "yù-chí-xiǎo-míng"},
                          {"万俟", "明", "mò-qí-míng"},       {"单", "朝阳", "shàn-zhāo-yáng"},
                          {"王", "小明", "wáng-xiǎo-míng"},   {"王", "朝", "wáng-cháo"},
                          {"区", "乐", "ōu-lè"}};
    for (const Case &c : cases) {
        EXPECT_EQ(scored(c.surname, c.given, "nan").pinyin, QString::fromUtf8(c.pinyin)) << c.surname << c.given;
        EXPECT_EQ(check(c.surname, c.given).reading.join(QLatin1Char('-')), QString::fromUtf8(c.pinyin));
    }
}

TEST_F(RealTables, FindsWhatParentsAskAbout)
{
    struct Case {
        const char *surname, *given, *kind;
        bool strong;
    };
    const Case cases[] = {
        {"范", "统", "谐音", true},   {"杨", "伟", "谐音", true},  {"魏", "生津", "谐音", true},
        {"沈", "京兵", "谐音", true}, {"江", "浩涛", "字形", false}, {"王", "灏", "字形", false},
        {"李", "丽丽", "音律", false}, {"张", "章", "音律", false},  {"王", "伟炜", "音律", false},
        {"李", "峯", "用字", true},   {"张", "張", "用字", true},   {"張", "三", "用字", false},
        {"李", "乐", "多音", false},
    };
    for (const Case &c : cases) {
        const NameCheck result = check(c.surname, c.given);
        EXPECT_TRUE(hasFinding(result, c.kind, c.strong ? FindingLevel::Strong : FindingLevel::Note))
            << c.surname << c.given << " " << c.kind;
        EXPECT_EQ(result.hasStrong(), c.strong) << c.surname << c.given;
        EXPECT_EQ(hasStrongHomophone(*s_chars, *s_homophones, QString::fromUtf8(c.surname), QString::fromUtf8(c.given)),
                  c.strong && QByteArray(c.kind) == "谐音")
            << c.surname << c.given;
        // Strong findings come first.
        bool seenNote = false;
        for (const NameFinding &f : result.findings) {
            EXPECT_FALSE(seenNote && f.level == FindingLevel::Strong) << c.surname << c.given;
            seenNote = seenNote || f.level == FindingLevel::Note;
        }
    }
    EXPECT_FALSE(check("王", "小明").hasStrong());
    // A 叠字 name repeats on purpose: no sound fault for the pair, one 多音 note for the character.
    for (const char *given : {"婷婷", "乐乐"})
        for (const NameFinding &f : check("李", given).findings)
            EXPECT_FALSE(f.text.contains(QStringLiteral("同音"))) << f.text.toStdString();
    const NameCheck twice = check("李", "乐乐");
    EXPECT_EQ(std::count_if(twice.findings.begin(), twice.findings.end(),
                            [](const NameFinding &f) { return f.kind == QStringLiteral("多音"); }),
              1);
    const NameCheck levels = check("李", "萱");
    ASSERT_EQ(levels.characters.size(), 2u);
    EXPECT_EQ(usageLevelWords(levels.characters[0].level), QStringLiteral("常用字"));
    EXPECT_EQ(usageLevelWords(levels.characters[1].level), QStringLiteral("次常用字"));
}

TEST_F(RealTables, ReportExplainsTheScoreWithScoreNamesFigures)
{
    ScoreTable table(*s_luck);
    struct Case {
        const char *surname, *given, *gender;
    };
    // Girls' names meeting lonely numbers among them (郑嘉欣: 人格 33).
    const Case cases[] = {{"郑", "嘉欣", "nv"}, {"郑", "嘉欣", "nan"}, {"王", "小明", "nan"}, {"李", "涵", "nv"},
                          {"欧阳", "子涵", "nv"}, {"司马", "光", "nan"}, {"曾", "小明", "nv"}, {"林", "一", "nv"}};
    for (const Case &c : cases) {
        const ScoredName s = scored(c.surname, c.given, c.gender);
        FiveGrids grids;
        ASSERT_TRUE(parseFiveGridsText(s.fiveGrids, &grids));
        const ScoreBreakdown b = explainScore(*s_luck, QString::fromUtf8(c.gender), grids);
        const bool female = QByteArray(c.gender) == "nv";
        EXPECT_EQ(QString::number(b.score), s.score) << c.surname << c.given;
        EXPECT_EQ(b.score, table.score(grids, female)) << c.surname << c.given;
        for (const ScoreTerm &t : b.terms)
            EXPECT_EQ(t.points, table.pointsOf(t.number, female)) << c.surname << c.given;

        const QString page = buildNameReport(*s_db, s, QStringLiteral("utf-8"));
        EXPECT_TRUE(page.contains(QStringLiteral("四舍五入得 <b>%1 分</b>").arg(s.score))) << c.surname << c.given;
        EXPECT_TRUE(page.contains(QStringLiteral("+ 三才 %1 ").arg(b.sancaiPoints)));
        for (const ScoreTerm &t : b.terms) {
            EXPECT_TRUE(page.contains(QStringLiteral("<tr><td>%1</td><td>%2</td>").arg(QString::fromUtf16(t.grid)).arg(t.number)))
                << c.surname << c.given;
            EXPECT_EQ(page.contains(QStringLiteral("%1 %2 是传统所说的孤寡数").arg(QString::fromUtf16(t.grid)).arg(t.number)),
                      t.lonely);
        }
    }
}

TEST_F(RealTables, ReportCarriesTheCheckAndThePinyin)
{
    const ScoredName s = scored("郑", "嘉欣", "nv");
    const QString page = buildNameReport(*s_db, s, QStringLiteral("utf-8"));
    for (const char *expected : {"名字体检", "评分说明", "天格由姓氏决定，不计入评分", "zhèng jiā xīn", "未发现问题",
                                 "郑（常用字）", "孤寡数"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected;
    // Nothing of the template is left unfilled.
    EXPECT_FALSE(page.contains(QRegularExpression(QStringLiteral("jianchajieguo|defenguocheng|xingmingpinyin"))));

    const QString warned = buildNameReport(*s_db, scored("范", "统", "nan"), QStringLiteral("utf-8"));
    EXPECT_TRUE(warned.contains(QStringLiteral("饭桶")));
    EXPECT_FALSE(warned.contains(QStringLiteral("未发现问题")));
}

TEST_F(RealTables, HighScoreRunNeverProposesAStrongHomophone)
{
    generation::CandidateListModel list;
    generation::HighScoreRun run(&list, *s_chars, *s_luck);
    // One-character names are all listed, whatever their score: 杨伟 would be among them.
    run.prepare({QStringLiteral("杨"), QStringLiteral("nan"), 1, {}, 1});
    while (run.tick()) {
    }
    ASSERT_GT(list.size(), 100);
    for (int r = 0; r < list.size(); ++r) {
        const ScoredName &n = list.candidate(r).scored;
        EXPECT_NE(n.name, QStringLiteral("杨伟"));
        EXPECT_FALSE(hasStrongHomophone(*s_chars, *s_homophones, n.name.left(1), n.name.mid(1))) << n.name.toStdString();
    }
    EXPECT_GE(run.homophonesLeftOut(), 1);
    EXPECT_EQ(run.listed() + run.homophonesLeftOut(), run.total());
}

TEST_F(RealTables, ClassicDrawNeverShowsAStrongHomophone)
{
    // With the fixed character 伟 every one-character draw of 杨 would be 杨伟: none is shown.
    generation::ClassicNameModel names;
    names.generate(*s_chars, {QStringLiteral("杨"), QStringLiteral("nan"), 1, QStringLiteral("伟"), 1});
    for (int r = 0; r < generation::ClassicNameModel::kRows; ++r)
        for (int c = 0; c < generation::ClassicNameModel::kColumns; ++c)
            EXPECT_EQ(names.name(r, c), QString());
    // A pool draw for 沈 (two characters) shows names, none of them a strong homophone.
    names.generate(*s_chars, {QStringLiteral("沈"), QStringLiteral("nan"), 2, {}, 1});
    int shown = 0;
    for (int r = 0; r < generation::ClassicNameModel::kRows; ++r)
        for (int c = 0; c < generation::ClassicNameModel::kColumns; ++c) {
            const QString n = names.name(r, c);
            if (n.isEmpty())
                continue;
            ++shown;
            EXPECT_FALSE(hasStrongHomophone(*s_chars, *s_homophones, n.left(1), n.mid(1))) << n.toStdString();
        }
    EXPECT_GT(shown, 400);
}
