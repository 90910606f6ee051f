// The naming tables the project writes (common characters, 81 numbers, three talents, nayin),
// checked in a database built from the real sources: every key present, every verdict readable.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "numerology/FiveGrids.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace qiming;

namespace {

const QString kElements = QStringLiteral("木火土金水");

// The engine of the real database; built once per suite, since the build is the slow part.
class BuiltTables : public test::BuiltDatabaseSuite {};

// Relation of b to a in the generating cycle 木→火→土→金→水 and the overcoming cycle
// 木→土→水→火→金: +1 when one generates the other, -1 when one overcomes the other.
int relation(QChar a, QChar b)
{
    const int d = (kElements.indexOf(b) - kElements.indexOf(a) + 5) % 5;
    return d == 0 ? 0 : (d == 1 || d == 4) ? 1 : -1;
}

bool generates(QChar a, QChar b)
{
    return (kElements.indexOf(b) - kElements.indexOf(a) + 5) % 5 == 1;
}

bool overcomes(QChar a, QChar b)
{
    return (kElements.indexOf(b) - kElements.indexOf(a) + 5) % 5 == 2;
}

// The 6,500 characters of 通用规范汉字表 levels one and two, read by code point: three of them
// lie outside the basic plane.
QSet<uint> levelOneAndTwoCharacters()
{
    QFile f(QStringLiteral(QIMING_TEST_FIXTURES "/tgh-level12.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QSet<uint> out;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        for (uint c : line.toUcs4())
            out.insert(c);
    }
    return out;
}

} // namespace

using NamingTables = BuiltTables;

TEST_F(NamingTables, N81HasEveryNumberOnceWithALevelAndTexts)
{
    const data::RowSet rs = rows(QStringLiteral("select * from N81"));
    const QSet<QString> levels{QStringLiteral("大吉"), QStringLiteral("吉"), QStringLiteral("半吉"),
                               QStringLiteral("凶"), QStringLiteral("大凶")};
    QSet<QString> keys;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString num = rs.value(r, QStringLiteral("num"));
        keys.insert(num);
        EXPECT_TRUE(levels.contains(rs.value(r, QStringLiteral("jx")))) << num.toStdString();
        for (const char *column : {"yy", "as", "content"}) {
            const QString text = rs.value(r, QString::fromLatin1(column));
            EXPECT_FALSE(text.trimmed().isEmpty()) << num.toStdString() << ' ' << column;
            EXPECT_FALSE(text.contains(QStringLiteral("暂定"))) << num.toStdString() << ' ' << column;
        }
    }
    QSet<QString> expected;
    for (int n = 1; n <= 81; ++n)
        expected.insert(QString::number(n));
    EXPECT_EQ(rs.rowCount(), 81);
    EXPECT_EQ(keys, expected);
}

TEST_F(NamingTables, ScHasEveryTripleOnceWithVerdictsAndTexts)
{
    const data::RowSet rs = rows(QStringLiteral("select * from sc"));
    QSet<QString> keys;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString title = rs.value(r, QStringLiteral("title"));
        keys.insert(title);
        const QString jx = rs.value(r, QStringLiteral("jx"));
        EXPECT_TRUE(jx == QStringLiteral("吉") || jx == QStringLiteral("平") || jx == QStringLiteral("凶"))
            << title.toStdString();
        for (const char *column : {"jx1", "jx2", "jx3"}) {
            const QString v = rs.value(r, QString::fromLatin1(column));
            EXPECT_TRUE(v.contains(QStringLiteral("吉")) || v.contains(QStringLiteral("平")) || v.contains(QStringLiteral("凶")))
                << title.toStdString() << ' ' << column;
            EXPECT_LE(v.size(), 4) << title.toStdString() << ' ' << column;
        }
        for (const char *column : {"yy", "content", "jcy", "cgy", "rjgx", "xg"}) {
            const QString text = rs.value(r, QString::fromLatin1(column));
            EXPECT_FALSE(text.trimmed().isEmpty()) << title.toStdString() << ' ' << column;
            EXPECT_FALSE(text.contains(QStringLiteral("暂定"))) << title.toStdString() << ' ' << column;
        }
    }
    QSet<QString> expected;
    for (QChar t : kElements)
        for (QChar h : kElements)
            for (QChar d : kElements)
                expected.insert(QString(t) + h + d);
    EXPECT_EQ(rs.rowCount(), 125);
    EXPECT_EQ(keys, expected);
}

// Success reads 天格 against 人格, the base 人格 against 地格, relations the overcoming
// that reaches 人格: the verdicts must follow those relations or the score contradicts the text.
// Three grids of one element are one element in excess, which the texts describe: 平 throughout.
TEST_F(NamingTables, ScVerdictsFollowTheRelationsOfTheGrids)
{
    // The level one grid gives 人格: fed by it, the same, feeding it, or either overcoming the other.
    const auto levelToward = [](QChar other, QChar ren) {
        if (other == ren)
            return QStringLiteral("吉");
        if (generates(other, ren))
            return QStringLiteral("大吉");
        if (generates(ren, other))
            return QStringLiteral("半吉");
        return QStringLiteral("凶");
    };
    const data::RowSet rs = rows(QStringLiteral("select title,jx,jx1,jx2,jx3 from sc"));
    ASSERT_EQ(rs.rowCount(), 125);
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString title = rs.value(r, 0);
        const QChar tian = title.at(0), ren = title.at(1), di = title.at(2);
        const bool oneElement = tian == ren && ren == di;
        const QString base = oneElement ? QStringLiteral("平") : levelToward(di, ren);
        const QString success = oneElement ? QStringLiteral("平") : levelToward(tian, ren);
        QString relations = QStringLiteral("吉");
        if (overcomes(tian, ren) || overcomes(di, ren))
            relations = QStringLiteral("凶");
        else if (oneElement || overcomes(ren, tian) || overcomes(ren, di))
            relations = QStringLiteral("平");
        else if (generates(tian, ren) && generates(di, ren))
            relations = QStringLiteral("大吉");
        EXPECT_EQ(rs.value(r, 2), base) << title.toStdString() << " jx1";
        EXPECT_EQ(rs.value(r, 3), success) << title.toStdString() << " jx2";
        EXPECT_EQ(rs.value(r, 4), relations) << title.toStdString() << " jx3";
        const bool successBad = relation(tian, ren) < 0;
        const bool baseBad = relation(ren, di) < 0;
        const QString overall = oneElement                ? QStringLiteral("平")
                                : successBad && baseBad   ? QStringLiteral("凶")
                                : successBad || baseBad   ? QStringLiteral("平")
                                                          : QStringLiteral("吉");
        EXPECT_EQ(rs.value(r, 1), overall) << title.toStdString();
    }
}

// Each configuration is written for itself. Two entries of one column sharing a run of
// kRun characters share a stock phrase; a sentence (up to 。 or ；) met in more than three
// rows is a stock sentence. Both are what a parent comparing two names notices at once.
TEST_F(NamingTables, ScTextsAreNotAssembledFromStockSentences)
{
    constexpr int kRun = 14;
    const data::RowSet rs = rows(QStringLiteral("select * from sc"));
    ASSERT_EQ(rs.rowCount(), 125);
    QHash<QString, QSet<QString>> rowsOfSentence;
    for (const char *name : {"yy", "content", "jcy", "cgy", "rjgx", "xg"}) {
        const QString column = QString::fromLatin1(name);
        QHash<QString, QString> ownerOfRun;
        QSet<QString> reported;
        for (int r = 0; r < rs.rowCount(); ++r) {
            const QString title = rs.value(r, QStringLiteral("title"));
            const QString text = rs.value(r, column);
            for (qsizetype i = 0; i + kRun <= text.size(); ++i) {
                const QString run = text.mid(i, kRun);
                const auto owner = ownerOfRun.constFind(run);
                if (owner == ownerOfRun.constEnd()) {
                    ownerOfRun.insert(run, title);
                } else if (*owner != title && !reported.contains(*owner + title)) {
                    reported.insert(*owner + title);
                    ADD_FAILURE() << name << ' ' << owner->toStdString() << " and " << title.toStdString()
                                  << " share \"" << run.toStdString() << '"';
                }
            }
            static const QRegularExpression stops(QStringLiteral("[。；]"));
            for (const QString &sentence : text.split(stops, Qt::SkipEmptyParts))
                rowsOfSentence[sentence.trimmed()].insert(title);
        }
    }
    for (auto it = rowsOfSentence.cbegin(); it != rowsOfSentence.cend(); ++it)
        EXPECT_LE(it->size(), 3) << '"' << it.key().toStdString() << "\" is in " << it->size() << " rows";
    // Short titles are compared whole: two configurations never share one.
    QHash<QString, QString> titleOf;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString yy = rs.value(r, QStringLiteral("yy"));
        const QString title = rs.value(r, QStringLiteral("title"));
        EXPECT_FALSE(titleOf.contains(yy)) << title.toStdString() << " and " << titleOf.value(yy).toStdString()
                                           << " are both \"" << yy.toStdString() << '"';
        titleOf.insert(yy, title);
    }
}

// 天格 is fixed by the surname and its text is printed all the same: no text tells the family
// what to do about a name, and every lonely number says so in its text, as the score treats it.
TEST_F(NamingTables, N81TextsGiveNoNamingAdviceAndNameTheLonelyNumbers)
{
    const data::RowSet rs = rows(QStringLiteral("select * from N81"));
    ASSERT_EQ(rs.rowCount(), 81);
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString num = rs.value(r, QStringLiteral("num"));
        for (const char *column : {"as", "content"}) {
            const QString text = rs.value(r, QString::fromLatin1(column));
            for (const QString &advice : {QStringLiteral("起名"), QStringLiteral("避开"), QStringLiteral("若已"),
                                          QStringLiteral("取名"), QStringLiteral("改名")})
                EXPECT_FALSE(text.contains(advice)) << num.toStdString() << ' ' << advice.toStdString();
            // 主人 reads as "master"; the texts write 其人 or 此数之人.
            EXPECT_FALSE(text.contains(QStringLiteral("主人"))) << num.toStdString();
        }
        const bool lonely = numerology::isLonelyNumber(num.toInt());
        EXPECT_EQ(rs.value(r, QStringLiteral("content")).contains(QStringLiteral("孤寡")), lonely) << num.toStdString();
    }
}

TEST_F(NamingTables, NayinCoversTheSixtyPairsTwoByTwo)
{
    const QString stems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
    const QString branches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    const data::RowSet rs = rows(QStringLiteral("select jiazi,nayin from 纳音"));
    EXPECT_EQ(rs.rowCount(), 60);
    QSet<QString> names;
    QString previous;
    for (int i = 0; i < 60; ++i) {
        const QString pair = QString(stems.at(i % 10)) + branches.at(i % 12);
        const int row = rs.findRow(0, pair);
        ASSERT_GE(row, 0) << pair.toStdString();
        const QString nayin = rs.value(row, 1);
        ASSERT_EQ(nayin.size(), 3) << pair.toStdString();
        EXPECT_TRUE(kElements.contains(nayin.back())) << pair.toStdString();
        if (i % 2 == 1) {
            EXPECT_EQ(nayin, previous) << pair.toStdString();
        }
        previous = nayin;
        names.insert(nayin);
    }
    EXPECT_EQ(names.size(), 30);
    // Spot checks at the start, the middle and the end of the cycle.
    EXPECT_EQ(rs.value(rs.findRow(0, QStringLiteral("甲子")), 1), QStringLiteral("海中金"));
    EXPECT_EQ(rs.value(rs.findRow(0, QStringLiteral("戊午")), 1), QStringLiteral("天上火"));
    EXPECT_EQ(rs.value(rs.findRow(0, QStringLiteral("癸亥")), 1), QStringLiteral("大海水"));
}

struct CommonList {
    const char *name;
    const char *table;
};

void PrintTo(const CommonList &l, std::ostream *os) { *os << l.name; }

class CommonChars : public BuiltTables, public ::testing::WithParamInterface<CommonList> {
protected:
    QString table() const { return QString::fromUtf8(GetParam().table); }
};

TEST_P(CommonChars, AreSixHundredToAThousandDistinctCharactersOfLevelsOneAndTwo)
{
    const QSet<uint> levels = levelOneAndTwoCharacters();
    ASSERT_EQ(levels.size(), 6500);
    const data::RowSet rs = rows(QStringLiteral("select 字 from ") + table());
    EXPECT_GE(rs.rowCount(), 600);
    EXPECT_LE(rs.rowCount(), 1000);
    QSet<QString> seen;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString zi = rs.value(r, 0);
        EXPECT_FALSE(seen.contains(zi)) << zi.toStdString();
        seen.insert(zi);
        ASSERT_EQ(zi.size(), 1) << zi.toStdString();
        EXPECT_EQ(zi.at(0).script(), QChar::Script_Han) << zi.toStdString();
        EXPECT_TRUE(levels.contains(zi.at(0).unicode())) << zi.toStdString() << " is not of level one or two";
    }
}

// Generation draws from these lists through a join with 五行: a character without an element
// or stroke count there would come out empty. Meaningful only with the full character data.
TEST_P(CommonChars, EveryCharacterHasADictionaryEntryElementAndKangxiCount)
{
    const int wuxingRows = s_db->scalar(QStringLiteral("select count(*) from 五行")).toInt();
    if (wuxingRows < 5000)
        GTEST_SKIP() << "五行 holds " << wuxingRows << " rows, a seed rather than the full character data";
    const QString t = table();
    const data::RowSet rs = rows(QStringLiteral("select %1.字, 字典.zi, 五行.wuxing, 五行.bihua from %1 "
                                                "left join 字典 on %1.字=字典.zi left join 五行 on %1.字=五行.zi")
                                     .arg(t));
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString zi = rs.value(r, 0);
        EXPECT_EQ(rs.value(r, 1), zi) << zi.toStdString() << " has no 字典 row";
        const QString element = rs.value(r, 2);
        EXPECT_TRUE(element.size() == 1 && kElements.contains(element)) << zi.toStdString() << " element '"
                                                                         << element.toStdString() << "'";
        bool ok = false;
        const int strokes = rs.value(r, 3).toInt(&ok);
        EXPECT_TRUE(ok && strokes > 0) << zi.toStdString() << " Kangxi count '" << rs.value(r, 3).toStdString() << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, CommonChars,
                         ::testing::Values(CommonList{"Boys", "男常用字"}, CommonList{"Girls", "女常用字"}),
                         [](const auto &info) { return std::string(info.param.name); });
