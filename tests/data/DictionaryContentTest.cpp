// The project's Chinese dictionary texts (字义) and surname origins (百家姓), checked in a database
// built from every source: coverage of the name characters, the form of each entry, no entry
// copied from another, and the cards that put the Chinese first.
#include "TestSupport.h"

#include "data/RowSet.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace qiming;

namespace {

class DictionaryContent : public test::BuiltDatabaseSuite {
protected:
    static QSet<QString> column(const QString &sql)
    {
        QSet<QString> out;
        const data::RowSet rs = rows(sql);
        for (int r = 0; r < rs.rowCount(); ++r)
            out.insert(rs.value(r, 0));
        return out;
    }
};

// Pairs of texts sharing a run of n characters (within a line): one entry's sentence copied into
// another. Every run is hashed once, so thousands of entries stay fast; the report stops at 20.
void expectNoSharedRuns(const QStringList &keys, const QStringList &texts, int n)
{
    QHash<QString, int> firstText;
    int reported = 0;
    for (int t = 0; t < texts.size(); ++t) {
        QSet<QString> seen;
        for (qsizetype i = 0; i + n <= texts[t].size(); ++i) {
            const QString run = texts[t].mid(i, n);
            if (run.contains(QLatin1Char('\n')) || seen.contains(run))
                continue;
            seen.insert(run);
            const auto it = firstText.constFind(run);
            if (it == firstText.constEnd())
                firstText.insert(run, t);
            else if (*it != t && reported++ < 20)
                ADD_FAILURE() << keys[*it].toStdString() << " and " << keys[t].toStdString() << " share \""
                              << run.toStdString() << '"';
        }
    }
}

QString plain(QString html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return html.replace(tag, QStringLiteral("\n"));
}

bool startsUnfit(const QString &meaning)
{
    return meaning.startsWith(QStringLiteral("不宜用于取名"));
}

} // namespace

TEST_F(DictionaryContent, EveryPoolCharacterAndEveryLevelOneCharacterHasAChineseEntry)
{
    const QSet<QString> written = column(QStringLiteral("select zi from 字义 where 字义 <> '' and 寓意 <> ''"));
    const QSet<QString> pools = column(QStringLiteral("select 字 from 男常用字 union select 字 from 女常用字"));
    const QSet<QString> levelOne = column(QStringLiteral("select zi from 用字 where 级别 = '1'"));
    QStringList missingPool, missingLevelOne;
    for (const QString &c : pools)
        if (!written.contains(c))
            missingPool << c;
    for (const QString &c : levelOne)
        if (!written.contains(c))
            missingLevelOne << c;
    missingPool.sort();
    missingLevelOne.sort();
    EXPECT_TRUE(missingPool.isEmpty()) << missingPool.size() << " pool characters without 字义 and 寓意: "
                                       << missingPool.mid(0, 60).join(QString()).toStdString();
    EXPECT_TRUE(missingLevelOne.isEmpty()) << missingLevelOne.size() << " level-1 characters without 字义 and 寓意: "
                                           << missingLevelOne.mid(0, 60).join(QString()).toStdString();
    EXPECT_GE((written | pools | levelOne).size(), 4000);
    EXPECT_GE(written.size(), 4000);
}

// Form, on whatever entries exist.
TEST_F(DictionaryContent, EachEntryHasReadingsAMeaningWordsAndNamedSources)
{
    static const QRegularExpression reading(QStringLiteral("^[a-zāáǎàōóǒòēéěèīíǐìūúǔùüǖǘǚǜńňǹḿ]+：.+[。；]$"));
    static const QRegularExpression source(QStringLiteral("^《[^》]+》：“.+”$"));
    static const QRegularExpression word(QStringLiteral("^[\\x{3400}-\\x{9FFF}]{2,4}$"));
    static const QRegularExpression sentenceEnd(QStringLiteral("[。！？]"));
    const data::RowSet rs = rows(QStringLiteral("select 字义.zi, 字义, 寓意, 出处, 词语, 用字.级别 from 字义"
                                                " left join 用字 on 用字.zi = 字义.zi"));
    int faults = 0;
    const auto fault = [&](const QString &zi, const std::string &what, const QString &text) {
        if (faults++ < 30)
            ADD_FAILURE() << zi.toStdString() << ": " << what << ": " << text.toStdString();
    };
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString zi = rs.value(r, 0), senses = rs.value(r, 1), meaning = rs.value(r, 2), sources = rs.value(r, 3),
                      words = rs.value(r, 4);
        if (zi.size() != 1)
            fault(zi, "not one character", zi);
        for (const QString &block : senses.split(QStringLiteral("｜")))
            if (!reading.match(block).hasMatch())
                fault(zi, "字义 block is not 拼音：义项。", block);
        if (meaning.isEmpty())
            fault(zi, "empty 寓意", meaning);
        else if (!startsUnfit(meaning) && meaning.count(sentenceEnd) > 2)
            fault(zi, "寓意 longer than two sentences", meaning);
        if (!sources.isEmpty()) {
            const QStringList parts = sources.split(QStringLiteral("｜"));
            if (parts.size() > 2)
                fault(zi, "more than two 出处", sources);
            for (const QString &p : parts)
                if (!source.match(p).hasMatch())
                    fault(zi, "出处 without its work 《…》：“…”", p);
        }
        // A rare name character may have no word of its own; an invented one would be worse.
        if (words.isEmpty() && !startsUnfit(meaning) && rs.value(r, 5) == QStringLiteral("1"))
            fault(zi, "no words", meaning);
        if (!words.isEmpty())
            for (const QString &w : words.split(QStringLiteral("、")))
                if (!word.match(w).hasMatch())
                    fault(zi, "word is not 2–4 characters", w);
    }
    EXPECT_EQ(faults, 0);
}

TEST_F(DictionaryContent, NoTwoMeaningsOrSurnameOriginsShareASentence)
{
    const data::RowSet meanings = rows(QStringLiteral("select zi, 寓意 from 字义"));
    QStringList keys, texts;
    for (int r = 0; r < meanings.rowCount(); ++r) {
        keys << meanings.value(r, 0);
        texts << meanings.value(r, 1);
    }
    expectNoSharedRuns(keys, texts, 20);

    const data::RowSet origins = rows(QStringLiteral("select xing, intro from 百家姓"));
    keys.clear();
    texts.clear();
    for (int r = 0; r < origins.rowCount(); ++r) {
        keys << origins.value(r, 0);
        texts << plain(origins.value(r, 1));
    }
    expectNoSharedRuns(keys, texts, 20);
}

TEST_F(DictionaryContent, SurnameOriginsCoverTheCommonSingleAndCompoundSurnames)
{
    const QSet<QString> surnames = column(QStringLiteral("select xing from 百家姓"));
    int single = 0, compound = 0;
    for (const QString &s : surnames)
        (s.size() == 1 ? single : compound) += 1;
    EXPECT_GE(single, 300);
    EXPECT_GE(compound, 30);
    for (const char *s : {"欧阳", "曾", "司马", "诸葛", "上官", "王", "李", "张"})
        EXPECT_TRUE(surnames.contains(QString::fromUtf8(s))) << s;
    const data::RowSet rs = rows(QStringLiteral("select xing, intro from 百家姓"));
    for (int r = 0; r < rs.rowCount(); ++r) {
        EXPECT_TRUE(rs.value(r, 1).contains(QStringLiteral("起源"))) << rs.value(r, 0).toStdString();
        EXPECT_FALSE(rs.value(r, 1).contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    }
}

// Independent of the written content: the English part of every card.
TEST_F(DictionaryContent, EnglishSensesComeLastWithProperNamesMovedDownAndUnfitWordsLeftOut)
{
    const auto xiangjie = [](const char *zi) {
        const data::RowSet rs = rows(QStringLiteral("select xiangjie from 字典 where zi = ?"), {QString::fromUtf8(zi)});
        return rs.rowCount() ? rs.value(0, 0) : QString();
    };
    const QString de = xiangjie("德");
    ASSERT_TRUE(de.contains(QStringLiteral("英文释义")));
    ASSERT_TRUE(de.contains(QStringLiteral("Germany")));
    EXPECT_LT(de.indexOf(QStringLiteral("virtue")), de.indexOf(QStringLiteral("Germany")));
    const QString ming = xiangjie("明");
    EXPECT_LT(ming.indexOf(QStringLiteral("bright")), ming.indexOf(QStringLiteral("Dynasty")));

    const QSet<QString> pools = column(QStringLiteral("select 字 from 男常用字 union select 字 from 女常用字"));
    for (const QString &c : pools) {
        const data::RowSet rs = rows(QStringLiteral("select xiangjie from 字典 where zi = ?"), {c});
        if (!rs.rowCount())
            continue;
        for (const char *unfit : {"静脉曲张", "雅司", "浩劫"})
            EXPECT_FALSE(rs.value(0, 0).contains(QString::fromUtf8(unfit))) << c.toStdString() << ' ' << unfit;
    }
}

TEST_F(DictionaryContent, CardsAreInChineseAndAWrittenEntryLeadsTheDetail)
{
    const data::RowSet rs = rows(QStringLiteral("select jijie, xiangjie from 字典 where zi = ?"), {QStringLiteral("萱")});
    ASSERT_EQ(rs.rowCount(), 1);
    for (const char *label : {"拼音", "部首", "笔画", "康熙", "繁体", "五行", "规范字"})
        EXPECT_TRUE(rs.value(0, 0).contains(QString::fromUtf8(label))) << label;
    // Content: 萱 is a pool character.
    const QString detail = rs.value(0, 1);
    ASSERT_TRUE(detail.contains(QStringLiteral("基本字义")));
    EXPECT_LT(detail.indexOf(QStringLiteral("取名寓意")), detail.indexOf(QStringLiteral("英文释义")));
    EXPECT_TRUE(detail.contains(QStringLiteral("《诗经"))) << "萱's 出处";
}

// 名字库: real names the project wrote, each within its gender's pool, in the forms the engine
// reads, with the names published as most common among them.
TEST_F(DictionaryContent, TheNameLibraryKeepsToThePoolsAndItsForms)
{
    static const QRegularExpression source(QStringLiteral("^([^《“]*《[^》]+》)：“.+”$"));
    const QSet<QString> boys = column(QStringLiteral("select 字 from 男常用字"));
    const QSet<QString> girls = column(QStringLiteral("select 字 from 女常用字"));
    const data::RowSet rs = rows(QStringLiteral("select 名字, 性别, 风格, 寓意, 出处 from 名字库"));
    int faults = 0, forBoys = 0, forGirls = 0;
    QHash<QString, int> styles;
    const auto fault = [&](const QString &name, const std::string &what) {
        if (faults++ < 30)
            ADD_FAILURE() << name.toStdString() << ": " << what;
    };
    QStringList names, meanings;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString name = rs.value(r, 0), gender = rs.value(r, 1), style = rs.value(r, 2);
        const bool boy = gender == QStringLiteral("男") || gender == QStringLiteral("中性");
        const bool girl = gender == QStringLiteral("女") || gender == QStringLiteral("中性");
        if (name.size() != 2)
            fault(name, "not two characters");
        if (!boy && !girl)
            fault(name, "性别 not 男 女 中性");
        for (QChar c : name)
            if ((boy && !boys.contains(c)) || (girl && !girls.contains(c)))
                fault(name, "a character outside its gender's pool");
        if (style != QStringLiteral("当代") && style != QStringLiteral("经典") && style != QStringLiteral("旧式"))
            fault(name, "风格 not 当代 经典 旧式");
        if (rs.value(r, 3).size() < 8)
            fault(name, "寓意 missing or too short");
        const QString quoted = rs.value(r, 4);
        if (!quoted.isEmpty() && !source.match(quoted).hasMatch())
            fault(name, "出处 not 《…》：“…”");
        if (!quoted.isEmpty() && !(quoted.contains(name.at(0)) && quoted.contains(name.at(1))))
            fault(name, "出处 without the name's characters");
        forBoys += boy;
        forGirls += girl;
        ++styles[style];
        names << name;
        meanings << rs.value(r, 3);
    }
    // The table's key holds the names unique; the counts are the library's promise.
    EXPECT_GE(forBoys, 2500);
    EXPECT_GE(forGirls, 2500);
    EXPECT_GT(styles.value(QStringLiteral("旧式")), 300) << "dated names are kept so the program can mark them";
    expectNoSharedRuns(names, meanings, 14);

    // Names published as the most given of recent years.
    const data::RowSet known = rows(QStringLiteral("select 名字, 性别 from 名字库"));
    QHash<QString, QString> genderOf;
    for (int r = 0; r < known.rowCount(); ++r)
        genderOf.insert(known.value(r, 0), known.value(r, 1));
    for (const char *n : {"浩宇", "浩然", "宇轩", "子轩", "奕辰", "宇辰", "沐宸", "梓豪", "俊熙"})
        EXPECT_TRUE(genderOf.value(QString::fromUtf8(n)) == QStringLiteral("男")
                    || genderOf.value(QString::fromUtf8(n)) == QStringLiteral("中性"))
            << n;
    for (const char *n : {"一诺", "欣怡", "梓涵", "语桐", "若汐", "可馨", "梦瑶", "雨桐", "梓萱", "诗涵"})
        EXPECT_TRUE(genderOf.value(QString::fromUtf8(n)) == QStringLiteral("女")
                    || genderOf.value(QString::fromUtf8(n)) == QStringLiteral("中性"))
            << n;
}

// 诗词搭配 counts the pairs of the whole package over both pools; a line, where there is one,
// carries its credit.
TEST_F(DictionaryContent, VersePairsCoverBothPoolsAndCreditTheirLines)
{
    const QSet<QString> pools = column(QStringLiteral("select 字 from 男常用字 union select 字 from 女常用字"));
    const data::RowSet rs = rows(QStringLiteral("select 字对, 次数, 诗句, 出处 from 诗词搭配"));
    ASSERT_GT(rs.rowCount(), 30000);
    QSet<QChar> firsts, seconds;
    int faults = 0, quoted = 0;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString pair = rs.value(r, 0), line = rs.value(r, 2);
        const bool bad = pair.size() != 2 || !pools.contains(pair.at(0)) || !pools.contains(pair.at(1))
                         || rs.value(r, 1).toInt() < 1 || (!line.isEmpty() && !line.contains(pair))
                         || line.isEmpty() != rs.value(r, 3).isEmpty();
        if (bad && faults++ < 20)
            ADD_FAILURE() << pair.toStdString() << ' ' << line.toStdString();
        if (pair.size() == 2) {
            firsts.insert(pair.at(0));
            seconds.insert(pair.at(1));
        }
        quoted += !line.isEmpty();
    }
    EXPECT_GT(firsts.size(), pools.size() * 9 / 10);
    EXPECT_GT(seconds.size(), pools.size() * 9 / 10);
    // Most pairs are seen a few times in little-read poems: a tenth has a line fit to quote.
    EXPECT_GT(quoted, rs.rowCount() / 10);
}
