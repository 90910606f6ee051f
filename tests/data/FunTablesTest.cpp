// The tables of the fun tools that the project writes (blood types, zodiac fortunes, fingerprints,
// star-sign pairs), checked in a database built from data/tables: every key the pages can ask for
// has exactly one row, no text is empty, every prediction carries its note, and no two rows read
// like copies of one template.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace qiming;

namespace {

const QString kNote = QStringLiteral("仅供娱乐参考");

const QStringList kBloodTypes{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("O"), QStringLiteral("AB")};
const QStringList kAnimals{QStringLiteral("鼠"), QStringLiteral("牛"), QStringLiteral("虎"), QStringLiteral("兔"),
                           QStringLiteral("龙"), QStringLiteral("蛇"), QStringLiteral("马"), QStringLiteral("羊"),
                           QStringLiteral("猴"), QStringLiteral("鸡"), QStringLiteral("狗"), QStringLiteral("猪")};

const QStringList kSigns{QStringLiteral("白羊座"), QStringLiteral("金牛座"), QStringLiteral("双子座"),
                         QStringLiteral("巨蟹座"), QStringLiteral("狮子座"), QStringLiteral("处女座"),
                         QStringLiteral("天秤座"), QStringLiteral("天蝎座"), QStringLiteral("射手座"),
                         QStringLiteral("摩羯座"), QStringLiteral("水瓶座"), QStringLiteral("双鱼座")};
const QStringList kRatings{QStringLiteral("★★★☆☆"), QStringLiteral("★★★★☆"), QStringLiteral("★★★★★")};

QStringList fingerprintCodes()
{
    QStringList codes;
    for (int bits = 0; bits < 32; ++bits) {
        QString code;
        for (int finger = 4; finger >= 0; --finger)
            code += (bits >> finger & 1) ? QLatin1Char('X') : QLatin1Char('O');
        codes << code;
    }
    return codes;
}

// Only the project's own tables: no extractor cache is needed.
class FunTables : public test::BuiltDatabaseSuite {
protected:
    static void SetUpTestSuite() { buildSuiteDatabase({data::defaultSourceDirs().first()}); }
};

void expectFilled(const data::RowSet &rs, int row, const QStringList &columns, const std::string &key)
{
    for (const QString &c : columns)
        EXPECT_FALSE(rs.value(row, c).trimmed().isEmpty()) << key << ' ' << c.toStdString();
}

} // namespace

TEST_F(FunTables, BloodTypesHaveOneRowForEveryOrderedPair)
{
    EXPECT_EQ(rows(QStringLiteral("select * from 血型配对")).rowCount(), 16);
    for (const QString &man : kBloodTypes) {
        for (const QString &woman : kBloodTypes) {
            const std::string key = (man + QLatin1Char('/') + woman).toStdString();
            const data::RowSet rs =
                rows(QStringLiteral("select * from 血型配对 where xuexing1=? and xuexing2 = ?"), {man, woman});
            ASSERT_EQ(rs.rowCount(), 1) << key;
            expectFilled(rs, 0, {QStringLiteral("title2"), QStringLiteral("content")}, key);
            EXPECT_TRUE(rs.value(0, QStringLiteral("content")).contains(kNote)) << key;
        }
    }
}

TEST_F(FunTables, ZodiacFortunesAreTheTwelveAnimalsInOrderForTheYear2027)
{
    const data::RowSet rs = rows(QStringLiteral("select * from 生肖运势"));
    ASSERT_EQ(rs.rowCount(), 12);
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString animal = rs.value(r, QStringLiteral("生肖"));
        const QString text = rs.value(r, QStringLiteral("运势"));
        EXPECT_EQ(rs.value(r, QStringLiteral("ID")), QString::number(r + 1));
        EXPECT_EQ(animal, kAnimals.value(r));
        // The first line names the animal and the year it speaks of.
        const QString title = text.section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(title.contains(animal) && title.contains(QStringLiteral("2027")) && title.contains(QStringLiteral("丁未")))
            << title.toStdString();
        EXPECT_GT(text.size(), title.size() + 100) << animal.toStdString();
        EXPECT_TRUE(text.contains(kNote)) << animal.toStdString();
    }
}

TEST_F(FunTables, FingerprintsHaveEveryCodeOfFiveWhorlsOrLoopsWithADistinctTypeName)
{
    const data::RowSet all = rows(QStringLiteral("select * from 指纹预测"));
    EXPECT_EQ(all.rowCount(), 32);
    QSet<QString> typeNames;
    for (const QString &code : fingerprintCodes()) {
        const data::RowSet rs = rows(QStringLiteral("select * from 指纹预测 where zhiwen=?"), {code});
        ASSERT_EQ(rs.rowCount(), 1) << code.toStdString();
        EXPECT_EQ(rs.value(0, QStringLiteral("zhiwen")), code);
        const QString text = rs.value(0, QStringLiteral("jiexi"));
        // The reading opens with the type's name: 「……型」.
        ASSERT_TRUE(text.startsWith(QStringLiteral("「"))) << code.toStdString();
        const QString name = text.mid(1, text.indexOf(QStringLiteral("」")) - 1);
        EXPECT_TRUE(name.endsWith(QStringLiteral("型"))) << code.toStdString() << ' ' << name.toStdString();
        typeNames.insert(name);
        EXPECT_GT(text.size(), name.size() + 40) << code.toStdString();
        EXPECT_TRUE(text.contains(kNote)) << code.toStdString();
    }
    EXPECT_EQ(typeNames.size(), 32);
}

// The rating that opens a title is how well two signs suit each other, so it reads the same from
// either side; the words after it are written for the pair as seen from the first sign.
TEST_F(FunTables, StarSignPairsHaveOneRowForEveryOrderedPairAndOneRatingForBothSides)
{
    const data::RowSet all = rows(QStringLiteral("select xingzuo1, xingzuo2 from 星座配对"));
    EXPECT_EQ(all.rowCount(), 144);
    for (int r = 0; r < all.rowCount(); ++r) {
        EXPECT_TRUE(kSigns.contains(all.value(r, 0)) && kSigns.contains(all.value(r, 1)))
            << all.value(r, 0).toStdString() << '/' << all.value(r, 1).toStdString();
    }
    QMap<QPair<QString, QString>, QString> ratingOf;
    for (const QString &mine : kSigns) {
        for (const QString &theirs : kSigns) {
            const std::string key = (mine + QLatin1Char('/') + theirs).toStdString();
            const data::RowSet rs =
                rows(QStringLiteral("select * from 星座配对 where xingzuo1 = ? and xingzuo2 = ?"), {mine, theirs});
            ASSERT_EQ(rs.rowCount(), 1) << key;
            expectFilled(rs, 0, {QStringLiteral("title"), QStringLiteral("content1"), QStringLiteral("content2")}, key);
            EXPECT_TRUE(rs.value(0, QStringLiteral("content2")).contains(kNote)) << key;
            const QString title = rs.value(0, QStringLiteral("title"));
            const QString stars = title.section(QLatin1Char(' '), 0, 0);
            EXPECT_TRUE(kRatings.contains(stars)) << key << ' ' << title.toStdString();
            EXPECT_GT(title.size(), stars.size() + 3) << key << ' ' << title.toStdString();
            ratingOf.insert({mine, theirs}, stars);
        }
    }
    for (auto it = ratingOf.cbegin(); it != ratingOf.cend(); ++it) {
        EXPECT_EQ(it.value().toStdString(), ratingOf.value({it.key().second, it.key().first}).toStdString())
            << (it.key().first + QLatin1Char('/') + it.key().second).toStdString();
    }
}

namespace {

struct TextTable {
    const char *name;
    const char *sql;      // first columns: the key; then the texts
    int keyColumns;
    QStringList fixed;    // phrases every row may share: the note, a title pattern
};

void PrintTo(const TextTable &t, std::ostream *os) { *os << t.name; }

// Shingles of n characters within one text piece, never across a line or field break.
QSet<QString> shingles(const QStringList &pieces, int n)
{
    QSet<QString> out;
    for (const QString &piece : pieces)
        for (const QString &line : piece.split(QLatin1Char('\n')))
            for (qsizetype i = 0; i + n <= line.size(); ++i)
                out.insert(line.mid(i, n));
    return out;
}

class NearCopies : public FunTables, public ::testing::WithParamInterface<TextTable> {
protected:
    struct Row {
        QString key;
        QStringList texts;
    };

    std::vector<Row> load() const
    {
        const TextTable &t = GetParam();
        const data::RowSet rs = rows(QString::fromUtf8(t.sql));
        std::vector<Row> out;
        for (int r = 0; r < rs.rowCount(); ++r) {
            Row row;
            for (int c = 0; c < t.keyColumns; ++c)
                row.key += rs.value(r, c) + QLatin1Char(' ');
            for (int c = t.keyColumns; c < rs.columnCount(); ++c) {
                QString text = rs.value(r, c);
                for (const QString &f : t.fixed)
                    text.replace(f, QStringLiteral("\n"));
                row.texts << text;
            }
            out.push_back(row);
        }
        return out;
    }
};

} // namespace

// Two rows sharing a long run of characters: a paragraph copied from one entry to another.
TEST_P(NearCopies, NoTwoRowsShareFourteenCharactersInARow)
{
    const std::vector<Row> all = load();
    ASSERT_FALSE(all.empty());
    QHash<QString, int> firstRow;
    for (int r = 0; r < int(all.size()); ++r) {
        for (const QString &s : shingles(all[r].texts, 14)) {
            const auto it = firstRow.constFind(s);
            if (it == firstRow.constEnd())
                firstRow.insert(s, r);
            else
                ADD_FAILURE() << all[*it].key.toStdString() << "and " << all[r].key.toStdString() << "share \""
                              << s.toStdString() << '"';
        }
    }
}

// A template with a word swapped keeps most of its short phrases: flag any row whose five-character
// phrases are found in another single row for more than a fifth of them.
TEST_P(NearCopies, NoRowReusesTheShortPhrasesOfAnother)
{
    const std::vector<Row> all = load();
    std::vector<QSet<QString>> grams;
    QHash<QString, QList<int>> rowsOf;
    for (int r = 0; r < int(all.size()); ++r) {
        grams.push_back(shingles(all[r].texts, 5));
        for (const QString &g : grams.back())
            rowsOf[g].append(r);
    }
    double worst = 0;
    for (int r = 0; r < int(all.size()); ++r) {
        std::map<int, int> shared;
        for (const QString &g : grams[r])
            for (int other : rowsOf.value(g))
                if (other != r)
                    ++shared[other];
        for (const auto &[other, count] : shared) {
            const double ratio = double(count) / double(std::max<qsizetype>(1, grams[r].size()));
            worst = std::max(worst, ratio);
            EXPECT_LE(ratio, 0.2) << all[r].key.toStdString() << "repeats " << count << " phrases of "
                                  << all[other].key.toStdString();
        }
    }
    RecordProperty("worst_share_percent", int(worst * 100));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, NearCopies,
    ::testing::Values(
        TextTable{"BloodTypes", "select xuexing1, xuexing2, title2, content from 血型配对", 2,
                  {QStringLiteral("血型性格之说是民间趣谈，仅供娱乐参考。")}},
        TextTable{"ZodiacFortunes", "select 生肖, 运势 from 生肖运势", 1,
                  {QStringLiteral("生肖运势是民俗趣谈，仅供娱乐参考。"), QStringLiteral("人2027年（丁未羊年）运势"),
                   QStringLiteral("【总体】"), QStringLiteral("【事业】"), QStringLiteral("【财运】"),
                   QStringLiteral("【家庭】"), QStringLiteral("【健康】"), QStringLiteral("【小贴士】")}},
        TextTable{"Fingerprints", "select zhiwen, jiexi from 指纹预测", 1,
                  {QStringLiteral("指纹看性格是民间趣谈，仅供娱乐参考。")}},
        TextTable{"StarSignPairs", "select xingzuo1, xingzuo2, title, content1, content2 from 星座配对", 2,
                  kRatings + QStringList{QStringLiteral("星座配对是民间趣谈，仅供娱乐参考。")}}),
    [](const auto &info) { return std::string(info.param.name); });
