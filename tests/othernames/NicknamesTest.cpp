// Pet names: the three patterns, where each row's character comes from, the verdict order,
// the typed test, and the total grid above 81.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseError.h"
#include "numerology/CharacterTables.h"
#include "othernames/Nicknames.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::othernames;
using namespace qiming::test;

namespace {

const QString kFixtures = QStringLiteral(QIMING_TEST_FIXTURES "/othernames");
const QSet<QChar> kNicknameChars{QChar(u'豆'), QChar(u'贝')};

class NicknamesTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, kFixtures); }
    WorkingDir dir;
    data::Database db;
    numerology::CharacterTables chars{db};
    NicknameMaker maker{db, chars};
};

// The drawn character of a pet name made in a pattern.
QChar drawnOf(const QString &name, NicknamePattern pattern)
{
    return pattern == NicknamePattern::LittlePrefix ? name.at(1) : name.at(0);
}

} // namespace

TEST_F(NicknamesTest, EveryPatternShapesEveryNameFromDictionaryCharactersOnly)
{
    const std::pair<NicknamePattern, QString> cases[] = {
        {NicknamePattern::Double, {}}, {NicknamePattern::LittlePrefix, QStringLiteral("小")},
        {NicknamePattern::ErSuffix, QStringLiteral("儿")}};
    for (const auto &[pattern, fixed] : cases) {
        const std::vector<NicknameRow> rows = maker.generateNicknames(pattern, QStringLiteral("李"));
        ASSERT_EQ(rows.size(), 300u);
        for (const NicknameRow &row : rows) {
            const QString name = row.cell(NicknameRow::Nickname);
            ASSERT_EQ(name.size(), 2) << name.toStdString();
            if (pattern == NicknamePattern::Double)
                EXPECT_EQ(name.at(0), name.at(1)) << name.toStdString();
            if (pattern == NicknamePattern::LittlePrefix)
                EXPECT_TRUE(name.startsWith(fixed)) << name.toStdString();
            if (pattern == NicknamePattern::ErSuffix)
                EXPECT_TRUE(name.endsWith(fixed)) << name.toStdString();
            // 龘 has a 五行 row but no 字典 row; its lookup would show another character's values.
            EXPECT_FALSE(name.contains(QChar(u'龘')));
            EXPECT_FALSE(row.cell(NicknameRow::Luck).isEmpty()) << name.toStdString();
        }
    }
}

TEST_F(NicknamesTest, EveryFourthRowIsDrawnFromTheNicknameTable)
{
    for (NicknamePattern pattern : {NicknamePattern::Double, NicknamePattern::LittlePrefix}) {
        const std::vector<NicknameRow> rows = maker.drawNicknames(pattern, QStringLiteral("李"), 300);
        ASSERT_EQ(rows.size(), 300u);
        for (int i = 1; i <= 300; ++i) {
            const NicknameRow &row = rows[size_t(i - 1)];
            EXPECT_EQ(row.cell(NicknameRow::Number), QString::number(i));
            EXPECT_EQ(kNicknameChars.contains(drawnOf(row.cell(NicknameRow::Nickname), pattern)), i % 4 == 0)
                << i << ' ' << row.cell(NicknameRow::Nickname).toStdString();
        }
    }
}

TEST_F(NicknamesTest, SortingPutsBetterVerdictsFirstAndKeepsDrawOrderWithinOne)
{
    std::vector<NicknameRow> drawn = maker.drawNicknames(NicknamePattern::Double, QStringLiteral("王"), 300);
    // Two verdicts the table does not know: rank 0, last.
    drawn[3].cells[NicknameRow::Luck] = QString();
    drawn[7].cells[NicknameRow::Luck] = QStringLiteral("平");
    std::vector<NicknameRow> sorted = drawn;
    sortByVerdict(sorted);

    ASSERT_EQ(sorted.size(), drawn.size());
    for (size_t i = 0; i < sorted.size(); ++i)
        EXPECT_EQ(sorted[i].cell(NicknameRow::Number), QString::number(i + 1));
    QSet<int> ranks;
    for (size_t i = 1; i < sorted.size(); ++i)
        EXPECT_GE(verdictRank(sorted[i - 1].cell(NicknameRow::Luck)), verdictRank(sorted[i].cell(NicknameRow::Luck)))
            << i;
    // Within one verdict the rows come in the order they were drawn.
    const auto ofRank = [](const std::vector<NicknameRow> &rows, int rank) {
        QStringList out;
        for (const NicknameRow &r : rows)
            if (verdictRank(r.cell(NicknameRow::Luck)) == rank)
                out << r.cell(NicknameRow::Nickname) + r.cell(NicknameRow::Verdict) + r.cell(NicknameRow::Luck);
        return out;
    };
    for (int rank = 5; rank >= 0; --rank) {
        EXPECT_EQ(ofRank(sorted, rank), ofRank(drawn, rank)) << rank;
        if (!ofRank(drawn, rank).isEmpty())
            ranks.insert(rank);
    }
    EXPECT_EQ(sorted.back().cell(NicknameRow::Luck), QStringLiteral("平"));
    EXPECT_TRUE(sorted[sorted.size() - 2].cell(NicknameRow::Luck).isEmpty());
    EXPECT_GE(ranks.size(), 4); // the fixture's levels cycle, so the sort had work to do
}

TEST_F(NicknamesTest, VerdictRanks)
{
    const std::pair<const char *, int> cases[] = {{"大吉", 5}, {"吉", 4}, {"半吉", 3}, {"凶", 2}, {"大凶", 1},
                                                  {"", 0},     {"平", 0}};
    for (const auto &[level, rank] : cases)
        EXPECT_EQ(verdictRank(QString::fromUtf8(level)), rank) << level;
}

TEST_F(NicknamesTest, TheSamePetNameReadsDifferentlyWithEverySurname)
{
    // Totals: 李 7+8+8 = 23, 王 4+8+8 = 20, 欧阳 15+17+8+8 = 48.
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"李", "数23", "凶"}, {"王", "数20", "大吉"}, {"欧阳", "数48", "凶"}};
    for (const auto &[surname, verdict, luck] : cases) {
        const auto row = maker.testNickname(QStringLiteral("明明"), QString::fromUtf8(surname));
        ASSERT_TRUE(row) << surname;
        // Columns 2 to 5 describe the pet name alone, whatever the surname.
        const QStringList expected{QStringLiteral("1"),   QStringLiteral("明明"),  QStringLiteral("míng-míng"),
                                   QStringLiteral("火-火"), QStringLiteral("8-8"), QStringLiteral("8-8"),
                                   QString::fromUtf8(verdict), QString::fromUtf8(luck)};
        EXPECT_EQ(QStringList(row->cells.begin(), row->cells.end()), expected) << surname;
        // The generator evaluates the same way.
        const NicknameRow generated = maker.evaluate(QStringLiteral("明明"), QString::fromUtf8(surname), false);
        EXPECT_EQ(generated.cell(NicknameRow::Verdict), QString::fromUtf8(verdict)) << surname;
    }
}

TEST_F(NicknamesTest, OnlyTwoDictionaryCharactersCanBeTested)
{
    for (const char *text : {"", "明", "明x", "龘龘", "明 ", "明明明"})
        EXPECT_FALSE(maker.testNickname(QString::fromUtf8(text), QStringLiteral("李"))) << text;
    EXPECT_TRUE(maker.testNickname(QStringLiteral("小豆"), QStringLiteral("李")));
}

TEST_F(NicknamesTest, ATotalAbove81ReadsAsTheOtherGridsDo)
{
    // 欧阳鬱鬱: 15 + 17 + 29 + 29 = 90, read as 10; N81 has no row 90.
    const auto tested = maker.testNickname(QStringLiteral("鬱鬱"), QStringLiteral("欧阳"));
    ASSERT_TRUE(tested);
    EXPECT_EQ(tested->cell(NicknameRow::Verdict), QStringLiteral("数10"));
    EXPECT_EQ(tested->cell(NicknameRow::Luck), QStringLiteral("大吉"));
    // A generated row never carries the verdict of the row before it.
    maker.evaluate(QStringLiteral("明明"), QStringLiteral("李"), false);
    EXPECT_EQ(maker.evaluate(QStringLiteral("鬱鬱"), QStringLiteral("欧阳"), false).cell(NicknameRow::Verdict),
              QStringLiteral("数10"));
}

TEST_F(NicknamesTest, TheCopiedRowSeparatesItsCellsWithTabs)
{
    const auto row = maker.testNickname(QStringLiteral("明明"), QStringLiteral("李"));
    ASSERT_TRUE(row);
    // Joined without separators the two stroke columns would read "8-88-8".
    EXPECT_EQ(nicknameClipboardText(*row), QStringLiteral("明明\tmíng-míng\t火-火\t8-8\t8-8\t数23\t凶"));
    EXPECT_EQ(nicknameClipboardText(nicknameHeader()), QStringLiteral("小名\t拼音\t五行\t简体笔画\t康熙笔画\t评价\t吉凶"));
}

TEST_F(NicknamesTest, ATableWithoutUsableCharactersEndsTheGenerationWithAMessage)
{
    db.exec(QStringLiteral("delete from 小名 where 小名 = ?"), {QStringLiteral("豆")});
    db.exec(QStringLiteral("delete from 小名 where 小名 = ?"), {QStringLiteral("贝")});
    NicknameMaker fresh(db, chars);
    try {
        fresh.generateNicknames(NicknamePattern::Double, QStringLiteral("李"));
        ADD_FAILURE() << "no error";
    } catch (const data::DatabaseError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("小名"))) << e.message().toStdString();
    }
}
