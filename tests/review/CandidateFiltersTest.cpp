// The condition filter's element, stroke and character rules and the super-auspicious
// filter, over hand-made rows: each row is split by its list's own flags.
#include "TestSupport.h"

#include "data/Database.h"
#include "numerology/LuckTables.h"
#include "review/CandidateFilters.h"

#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::generation;
using namespace qiming::review;
using namespace qiming::test;

namespace {

struct Row {
    const char *name;
    const char *elements;
    const char *simplified = "";
    const char *kangxi = "";
    const char *grids = "";
};

// Rows numbered 1 … n, under the flags of the run that made them.
std::unique_ptr<CandidateListModel> listOf(std::initializer_list<Row> rows, bool singleSurname = true,
                                           bool singleGiven = false)
{
    auto list = std::make_unique<CandidateListModel>();
    list->setIdentity({singleSurname, singleGiven, QStringLiteral("nan")});
    std::vector<numerology::ScoredName> names;
    for (const Row &r : rows)
        names.push_back({QString::fromUtf8(r.name), QStringLiteral("p"), QString::fromUtf8(r.elements),
                         QString::fromUtf8(r.simplified), QString::fromUtf8(r.kangxi), QString::fromUtf8(r.grids),
                         QStringLiteral("90")});
    list->appendCandidates(std::move(names));
    return list;
}

QStringList names(const std::vector<NameCandidate> &rows)
{
    QStringList out;
    for (const NameCandidate &r : rows)
        out << r.scored.name;
    return out;
}

QStringList serials(const std::vector<NameCandidate> &rows)
{
    QStringList out;
    for (const NameCandidate &r : rows)
        out << r.serial;
    return out;
}

ElementRule on(const char *elements)
{
    return {true, QString::fromUtf8(elements)};
}

} // namespace

TEST(ConditionFilter, ElementRules)
{
    const auto list = listOf({{"李甲乙", "木-火-土"},
                              {"李丙丁", "木-水-金"},
                              {"金戊己", "金-木-木"},
                              {"李庚辛", "木-土-土"},
                              {"李壬癸", "水-火-"}, // the last character has no element
                              {"", ""}});          // a blank row never passes
    const struct {
        const char *what;
        ElementRules rules;
        QStringList kept;
    } cases[] = {
        {"A without an element keeps nothing", {{true, {}}, {}, {}, {}}, {}},
        {"A 水", {on("水"), {}, {}, {}}, {"李丙丁"}},
        {"B 土: an empty element is not 土", {{}, on("土"), {}, {}}, {"李甲乙", "李庚辛"}},
        {"C 木火 needs both", {{}, {}, on("木火"), {}}, {"李甲乙"}},
        {"C without an element keeps every name", {{}, {}, {true, {}}, {}}, {"李甲乙", "李丙丁", "金戊己", "李庚辛", "李壬癸"}},
        {"D 金, the surname included", {{}, {}, {}, on("金")}, {"李甲乙", "李庚辛", "李壬癸"}},
        {"D without an element keeps every name", {{}, {}, {}, {true, {}}}, {"李甲乙", "李丙丁", "金戊己", "李庚辛", "李壬癸"}},
        {"nothing ticked keeps every name", {}, {"李甲乙", "李丙丁", "金戊己", "李庚辛", "李壬癸"}},
        {"all rules together", {on("火水"), on("土金"), on("木"), on("金")}, {"李甲乙"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(names(filterByElements(*list, c.rules)), c.kept) << c.what;
}

TEST(ConditionFilter, ElementRulesFollowTheListsOwnFlags)
{
    // A one-character list: rule B is skipped, A alone decides.
    const auto single = listOf({{"李甲", "金-木"}, {"李乙", "金-水"}}, true, true);
    EXPECT_EQ(names(filterByElements(*single, {on("木"), on("火"), {}, {}})), QStringList({"李甲"}));

    // A compound surname: the given name starts at the third part, even when the second
    // surname character has no element and the text is shorter than fixed offsets expect.
    const auto compound = listOf({{"欧阳甲乙", "土--水-火"}, {"欧阳丙丁", "土-土-火-水"}}, false, false);
    EXPECT_EQ(names(filterByElements(*compound, {on("水"), on("火"), {}, {}})), QStringList({"欧阳甲乙"}));
}

TEST(ConditionFilter, StrokeRules)
{
    const auto list = listOf({{"李甲乙", "", "7-3-12", "7-4-13"},
                              {"李丙丁", "", "7-8-2", "7-9-2"},
                              {"李戊己", "", "7-x-", "7-x-"}, // not numbers: 0, never an error
                              {"李庚辛", "", "7-10-10", "7-10-10"}});
    const auto range = [](int low, int high) { return StrokeRange{true, low, high}; };
    const struct {
        const char *what;
        StrokeRules rules;
        QStringList kept;
    } cases[] = {
        {"first 1-8, simplified", {false, range(1, 8), {}, {}}, {"李甲乙", "李丙丁"}},
        {"first 1-8, Kangxi", {true, range(1, 8), {}, {}}, {"李甲乙"}},
        {"first 0-0 finds the parts that are not numbers", {false, range(0, 0), {}, {}}, {"李戊己"}},
        {"second 10-12", {false, {}, range(10, 12), {}}, {"李甲乙", "李庚辛"}},
        {"total with the surname 17-22", {false, {}, {}, range(17, 22)}, {"李丙丁", "李甲乙"}},
        {"low above high keeps nothing", {false, range(9, 3), {}, {}}, {}},
        {"nothing ticked keeps every name", {}, {"李甲乙", "李丙丁", "李戊己", "李庚辛"}},
    };
    for (const auto &c : cases) {
        QStringList kept = names(filterByStrokes(*list, c.rules));
        QStringList expected = c.kept;
        kept.sort();
        expected.sort();
        EXPECT_EQ(kept, expected) << c.what;
    }

    // The second character's range does nothing for a one-character list; the total has no
    // second given part there even when the texts hold one.
    const auto single = listOf({{"李甲", "", "7-3-20", "7-3-20"}}, true, true);
    EXPECT_EQ(names(filterByStrokes(*single, {false, {}, range(1, 2), range(10, 10)})), QStringList({"李甲"}));
    // A compound surname counts both of its characters.
    const auto compound = listOf({{"欧阳甲乙", "", "8-6-3-4", "15-17-3-4"}}, false, false);
    EXPECT_EQ(names(filterByStrokes(*compound, {false, range(3, 3), range(4, 4), range(21, 21)})), QStringList({"欧阳甲乙"}));
    EXPECT_EQ(names(filterByStrokes(*compound, {true, {}, {}, range(21, 21)})), QStringList());
}

TEST(ConditionFilter, CharacterRules)
{
    const auto list = listOf({{"李明华", ""}, {"李明文", ""}, {"李文明", ""}});
    const struct {
        const char *what;
        CharacterRules rules;
        QStringList kept;
    } cases[] = {
        {"first 明", {true, "明", false, ""}, {"李明华", "李明文"}},
        {"first and second", {true, "明", true, "文"}, {"李明文"}},
        {"an empty field matches no name", {true, "", false, ""}, {}},
        {"nothing ticked keeps every name", {}, {"李明华", "李明文", "李文明"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(names(filterByCharacters(*list, c.rules)), c.kept) << c.what;

    // A name without a second given character passes the second rule.
    const auto single = listOf({{"李明", ""}, {"李文", ""}}, true, true);
    EXPECT_EQ(names(filterByCharacters(*single, {false, "", true, "华"})), QStringList({"李明", "李文"}));
    const auto compound = listOf({{"欧阳明华", ""}, {"欧阳华明", ""}}, false, false);
    EXPECT_EQ(names(filterByCharacters(*compound, {true, "明", false, ""})), QStringList({"欧阳明华"}));
}

TEST(ConditionFilter, KeptRowsKeepTheirNumbersAndOrder)
{
    const auto list = listOf({{"李甲", "木-水"}, {"李乙", "木-火"}, {"李丙", "木-水"}, {"李丁", "木-火"}, {"李戊", "木-水"}},
                             true, true);
    EXPECT_EQ(serials(filterByElements(*list, {on("水"), {}, {}, {}})), QStringList({"1", "3", "5"}));
}

class SuperAuspiciousTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, QStringLiteral(QIMING_TEST_FIXTURES "/review")); }
    WorkingDir dir;
    data::Database db;
};

TEST_F(SuperAuspiciousTest, LevelsVerdictsAndLonelyNumbers)
{
    numerology::LuckTables luck(db);
    // 天-人-地-外-总; 天格 1 has no level and is never tested.
    const auto list = listOf({{"甲", "", "", "", "1-11-13-5-15"},   // all 大吉, 木木火 吉
                              {"乙", "", "", "", "1-11-13-5-33"},   // 总格 33 is lonely
                              {"丙", "", "", "", "1-21-13-5-15"},   // 人格 21 is lonely
                              {"丁", "", "", "", "1-11-9-5-15"},    // 地格 9 凶, 木木水 吉
                              {"戊", "", "", "", "1-11-10-5-15"},   // 地格 10 大凶
                              {"己", "", "", "", "1-11-16-5-15"},   // 木木土 凶
                              {"庚", "", "", "", "1-11-2-5-15"},    // 木木木 平
                              {"辛", "", "", "", "1-11-3-7-15"},    // 外格 7 吉
                              {"壬", "", "", "", "1-11-13-8-15"},   // 外格 8 半吉
                              {"癸", "", "", "", "1-11-13-5-99"},   // 99 reads as 19: no level
                              {"子", "", "", "", "1-11-17-5-15"},   // 木木金 has no verdict
                              {"丑", "", "", "", "1-11-13"},        // too short
                              {"寅", "", "", "", "1-11-x-5-15"},    // not a number
                              {"", "", "", "", "1-11-13-5-15"}});   // a blank name never passes
    const struct {
        const char *what;
        SuperAuspiciousChoices choices;
        QStringList kept;
    } cases[] = {
        {"defaults", {}, {"甲", "乙", "丙", "庚", "辛", "壬"}},
        {"lonely numbers", {"123", "吉平", true}, {"甲", "庚", "辛", "壬"}},
        {"every level", {"12345", "吉平", false}, {"甲", "乙", "丙", "丁", "戊", "庚", "辛", "壬"}},
        {"every verdict", {"123", "吉平凶", false}, {"甲", "乙", "丙", "己", "庚", "辛", "壬"}},
        {"大吉 alone", {"1", "吉平", false}, {"甲", "乙", "丙", "庚"}},
        {"no verdict", {"12345", "", false}, {}},
        {"no level", {"", "吉平凶", false}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(names(filterSuperAuspicious(*list, c.choices, luck)), c.kept) << c.what;
    EXPECT_EQ(serials(filterSuperAuspicious(*list, {"123", "吉平", true}, luck)), QStringList({"1", "7", "8", "9"}));

    CandidateListModel empty;
    EXPECT_TRUE(filterSuperAuspicious(empty, {}, luck).empty());
}
