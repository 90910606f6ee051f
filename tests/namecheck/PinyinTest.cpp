// Pinyin syllables and the 谐音 index on their own: parsing, codes, which runs match.
#include "numerology/Homophones.h"
#include "numerology/Pinyin.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qiming::numerology;

TEST(PinyinTest, ReadsMarkedAndNumberedSyllables)
{
    struct Case {
        const char *marked;
        const char *numbered;
    };
    const Case cases[] = {{"zēng", "zeng1"}, {"lǜ", "lv4"}, {"nǚ", "nv3"}, {"yáng", "yang2"}, {"le", "le5"},
                          {"ǹg", "ng4"},    {"ḿ", "m2"},    {"Wáng", "wang2"}, {"xiǎo", "xiao3"}, {"ōu", "ou1"}};
    for (const Case &c : cases) {
        const Syllable s = parseMarkedSyllable(QString::fromUtf8(c.marked));
        EXPECT_EQ(numberedText(s), QString::fromUtf8(c.numbered)) << c.marked;
        EXPECT_EQ(syllableCode(s), syllableCode(parseNumberedSyllable(QString::fromUtf8(c.numbered)))) << c.marked;
    }
    for (const char *bad : {"", "明", "zeng-", "abcdefg"})
        EXPECT_FALSE(parseMarkedSyllable(QString::fromUtf8(bad)).isValid()) << bad;
    for (const char *bad : {"zeng", "zeng6", "Zeng1", "ze ng1", "1"})
        EXPECT_FALSE(parseNumberedSyllable(QString::fromUtf8(bad)).isValid()) << bad;
    // Marking again gives the spelling back.
    for (const char *marked : {"zēng", "lǜ", "xiǎo", "guō", "huì", "liú", "ōu", "le"})
        EXPECT_EQ(markedText(parseMarkedSyllable(QString::fromUtf8(marked))), QString::fromUtf8(marked));
}

TEST(PinyinTest, TonelessCodesForgetOnlyTheTone)
{
    const quint64 shen2 = markedSyllableCode(QStringLiteral("shén"));
    const quint64 shen3 = markedSyllableCode(QStringLiteral("shěn"));
    const quint64 sheng1 = markedSyllableCode(QStringLiteral("shēng"));
    EXPECT_NE(shen2, shen3);
    EXPECT_EQ(tonelessCode(shen2), tonelessCode(shen3));
    EXPECT_NE(tonelessCode(shen2), tonelessCode(sheng1));
    EXPECT_EQ(initialOf(QStringLiteral("zhang")), QStringLiteral("zh"));
    EXPECT_EQ(finalOf(QStringLiteral("zhang")), QStringLiteral("ang"));
    EXPECT_EQ(initialOf(QStringLiteral("ang")), QString());
}

namespace {

std::vector<quint64> codes(std::initializer_list<const char *> marked)
{
    std::vector<quint64> out;
    for (const char *m : marked)
        out.push_back(markedSyllableCode(QString::fromUtf8(m)));
    return out;
}

} // namespace

TEST(HomophoneTableTest, MatchesRunsPastTheSurnameToneForToneOrNot)
{
    HomophoneTable t;
    EXPECT_TRUE(t.add({QStringLiteral("fan4 tong3"), QStringLiteral("饭桶"), QStringLiteral("辱骂"), {}}));
    EXPECT_TRUE(t.add({QStringLiteral("shen2 jing1 bing4"), QStringLiteral("神经病"), QStringLiteral("辱骂"), {}}));
    EXPECT_TRUE(t.add({QStringLiteral("ou1 yang2"), QStringLiteral("欧阳"), QStringLiteral("笑话"), {}}));
    // Not two to four numbered syllables, or nothing it sounds like.
    EXPECT_FALSE(t.add({QStringLiteral("fan4"), QStringLiteral("饭"), QStringLiteral("笑话"), {}}));
    EXPECT_FALSE(t.add({QStringLiteral("fàn tǒng"), QStringLiteral("饭桶"), QStringLiteral("辱骂"), {}}));
    EXPECT_FALSE(t.add({QStringLiteral("fan4 tong3"), QString(), QStringLiteral("辱骂"), {}}));
    EXPECT_EQ(t.entries().size(), 3u);

    auto fan = codes({"fàn", "tǒng"});
    EXPECT_TRUE(t.hasStrong(fan.data(), 2, 1));
    auto m = t.matches(fan.data(), 2, 1);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(m[0].exact);

    // 沈京兵: the letters agree, the tones do not, and the run is the whole name: strong.
    auto shen = codes({"shěn", "jīng", "bīng"});
    EXPECT_TRUE(t.hasStrong(shen.data(), 3, 1));
    m = t.matches(shen.data(), 3, 1);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_FALSE(m[0].exact);
    EXPECT_TRUE(m[0].strong);
    EXPECT_EQ(m[0].start, 0);
    EXPECT_EQ(m[0].length, 3);

    // Only part of a longer name, without its tones: a note.
    auto shenjing = codes({"shěn", "jīng", "bīng", "míng"});
    EXPECT_FALSE(t.hasStrong(shenjing.data(), 4, 1));
    m = t.matches(shenjing.data(), 4, 1);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_FALSE(m[0].strong);
    // Two syllables without their tones stay a note even as the whole name (樊通).
    auto fantong = codes({"fán", "tōng"});
    EXPECT_FALSE(t.hasStrong(fantong.data(), 2, 1));

    // A run inside the given name of a longer name matches too: 王饭桶.
    auto wang = codes({"wáng", "fàn", "tǒng"});
    EXPECT_TRUE(t.hasStrong(wang.data(), 3, 1));

    // The compound surname 欧阳 alone is not the name's doing.
    auto ouyang = codes({"ōu", "yáng", "míng"});
    EXPECT_FALSE(t.hasStrong(ouyang.data(), 3, 2));
    EXPECT_TRUE(t.matches(ouyang.data(), 3, 2).empty());
    // An unknown syllable (0) matches nothing.
    auto unknown = codes({"fàn", "明"});
    EXPECT_TRUE(t.matches(unknown.data(), 2, 1).empty());
}
