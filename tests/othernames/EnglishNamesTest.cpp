// English names: the initial from the given name or the surname, by gender, best-known first.
#include "TestSupport.h"

#include "data/Database.h"
#include "numerology/CharacterTables.h"
#include "othernames/EnglishNames.h"

#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::othernames;
using namespace qiming::test;

namespace {

class EnglishNamesTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, QStringLiteral(QIMING_TEST_FIXTURES "/othernames")); }
    EnglishNameResult suggest(const char *surname, const char *given, const char *gender)
    {
        return suggestEnglishNames(db, chars, QString::fromUtf8(surname), QString::fromUtf8(given),
                                   QString::fromUtf8(gender));
    }
    WorkingDir dir;
    data::Database db;
    numerology::CharacterTables chars{db};
};

} // namespace

TEST_F(EnglishNamesTest, TheGivenNamesInitialChoosesAndTheGenderFilters)
{
    EnglishNameResult boys = suggest("李", "明", "男");
    EXPECT_EQ(boys.outcome, EnglishNameResult::Listed);
    EXPECT_EQ(boys.letter, QStringLiteral("m"));
    EXPECT_EQ(boys.names, (QStringList{QStringLiteral("Michael 迈克尔"), QStringLiteral("Matthew 马修")}));
    EXPECT_EQ(suggest("李", "明", "女").names, QStringList{QStringLiteral("Mia 米娅")});
}

TEST_F(EnglishNamesTest, TheSurnameStandsInForAGivenNameOutsideTheDictionary)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"李", "龘明", "l"},  // the second given-name character plays no part
        {"欧阳", "龘", "o"},  // a compound surname gives its first character
        {"阳欧", "x", "y"},
        {"王", "明龘", "m"},
    };
    for (const auto &[surname, given, letter] : cases)
        EXPECT_EQ(suggest(surname, given, "男").letter, QString::fromLatin1(letter)) << surname << given;
    EXPECT_EQ(suggest("欧阳", "龘", "男").names, QStringList{QStringLiteral("Owen 欧文")});
    // A letter with no names: an empty list, no failure.
    const EnglishNameResult none = suggest("欧阳", "龘", "女");
    EXPECT_EQ(none.outcome, EnglishNameResult::Listed);
    EXPECT_TRUE(none.names.isEmpty());
}

TEST_F(EnglishNamesTest, MissingOrUnknownInputIsTold)
{
    EXPECT_EQ(suggest("", "明", "男").outcome, EnglishNameResult::EmptyInput);
    EXPECT_EQ(suggest("李", "", "男").outcome, EnglishNameResult::EmptyInput);
    const EnglishNameResult unknown = suggest("龘", "x明", "男");
    EXPECT_EQ(unknown.outcome, EnglishNameResult::NoLetter);
    EXPECT_TRUE(unknown.names.isEmpty());
}
