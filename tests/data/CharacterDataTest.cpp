// The real character tables 字典 and 五行 as the project builds them: coverage, the
// Kangxi and element check list, and the content of a few cards.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "data/Tsv.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace qiming;

namespace {

const QString kView = QStringLiteral(
    "select 字典.zi,字典.bihua,字典.pinyin,字典.py,五行.wuxing,五行.bihua from 字典 left join 五行 on 字典.zi=五行.zi");

QString zi(char32_t c) { return QString::fromUcs4(&c, 1); }

} // namespace

class CharacterData : public ::testing::Test {
protected:
    // Building the whole database takes seconds: once for the suite.
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        const QString path = s_dir->filePath(QStringLiteral("data.dll"));
        const data::BuildResult r = data::buildDatabase(path, data::defaultSourceDirs());
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        s_db = std::make_unique<data::Database>();
        ASSERT_EQ(s_db->open(path, data::kDatabasePassword), data::Database::OpenResult::Ok);
        s_view = std::make_unique<data::RowSet>(data::RowSet::load(*s_db, kView));
        s_wuxing = std::make_unique<data::RowSet>(data::RowSet::load(*s_db, QStringLiteral("select * from 五行")));
    }
    static void TearDownTestSuite()
    {
        s_wuxing.reset();
        s_view.reset();
        s_db.reset();
        s_dir.reset();
    }
    void SetUp() override
    {
        if (!s_view)
            GTEST_SKIP() << "the database did not build";
    }

    static data::RowSet dictionaryRow(const QString &ch)
    {
        return data::RowSet::load(*s_db, QStringLiteral("select * from 字典 where zi =?"), {ch});
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::unique_ptr<data::Database> s_db;
    static inline std::unique_ptr<data::RowSet> s_view;
    static inline std::unique_ptr<data::RowSet> s_wuxing;
};

// Characters the program could be asked about but could never find would fail the
// dictionary test: every unified ideograph with a Mandarin reading must be there.
TEST_F(CharacterData, EveryUnifiedIdeographWithAReadingIsInTheDictionary)
{
    const QString readings = QStringLiteral("/usr/share/unicode/Unihan_Readings.txt.bz2");
    if (!QFile::exists(readings))
        GTEST_SKIP() << "unicode-data is not installed";
    QProcess bzip2;
    bzip2.start(QStringLiteral("bzip2"), {QStringLiteral("-dc"), readings});
    ASSERT_TRUE(bzip2.waitForFinished(60000));
    const QList<QByteArray> lines = bzip2.readAllStandardOutput().split('\n');
    QStringList missing;
    int withReading = 0;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> cells = line.split('\t');
        if (cells.size() < 3 || cells[1] != "kMandarin")
            continue;
        const uint cp = cells[0].mid(2).toUInt(nullptr, 16);
        if (cp < 0x4E00 || cp > 0x9FFF)
            continue;
        ++withReading;
        if (s_view->findRow(QStringLiteral("zi"), zi(cp)) < 0)
            missing << zi(cp);
    }
    EXPECT_GT(withReading, 20000);
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " missing, e.g. " << missing.mid(0, 20).join(QString()).toStdString();
}

TEST_F(CharacterData, EveryCharacterHasOneElementAndAKangxiCount)
{
    static const QSet<QString> elements{QStringLiteral("木"), QStringLiteral("火"), QStringLiteral("土"),
                                        QStringLiteral("金"), QStringLiteral("水")};
    const QRegularExpression count(QStringLiteral("^[1-9][0-9]?$"));
    QStringList faults;
    for (int r = 0; r < s_view->rowCount(); ++r) {
        const QString ch = s_view->value(r, 0);
        if (ch.size() != 1)
            faults << ch + QStringLiteral(": not one BMP character");
        if (!count.match(s_view->value(r, 1)).hasMatch())
            faults << ch + QStringLiteral(": simplified count ") + s_view->value(r, 1);
        if (!elements.contains(s_view->value(r, 4)))
            faults << ch + QStringLiteral(": element ") + s_view->value(r, 4);
        if (!count.match(s_view->value(r, 5)).hasMatch())
            faults << ch + QStringLiteral(": Kangxi count ") + s_view->value(r, 5);
        if (s_view->value(r, 2).isEmpty() || !QRegularExpression(QStringLiteral("^[a-z]+$")).match(s_view->value(r, 3)).hasMatch())
            faults << ch + QStringLiteral(": reading ") + s_view->value(r, 2) + QLatin1Char('/') + s_view->value(r, 3);
        if (faults.size() > 20)
            break;
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    // One 五行 row per 字典 row and no other.
    EXPECT_EQ(s_wuxing->rowCount(), s_view->rowCount());
}

TEST_F(CharacterData, CommonCharactersAreAllInBothTables)
{
    for (const QString &table : {QStringLiteral("男常用字"), QStringLiteral("女常用字")}) {
        const data::RowSet rs = data::RowSet::load(
            *s_db, QStringLiteral("select * from %1 left join 五行 on %1.字=五行.zi").arg(table));
        ASSERT_GT(rs.rowCount(), 0) << table.toStdString();
        for (int r = 0; r < rs.rowCount(); ++r) {
            EXPECT_EQ(rs.value(r, QStringLiteral("zi")), rs.value(r, QStringLiteral("字"))) << table.toStdString();
            EXPECT_GE(s_view->findRow(QStringLiteral("zi"), rs.value(r, QStringLiteral("字"))), 0);
        }
    }
}

// The committed check list holds counts and elements known to be right; every row must
// agree, and a disagreement names the character.
TEST_F(CharacterData, KangxiCountsAndElementsMatchTheCheckList)
{
    data::TsvTable list;
    QString error;
    ASSERT_TRUE(data::readTsv(QStringLiteral(QIMING_TEST_FIXTURES "/character-checklist.tsv"), &list, &error))
        << error.toStdString();
    ASSERT_GE(list.rows.size(), 200u);
    const int zi = int(list.header.indexOf(QStringLiteral("zi")));
    const int kangxi = int(list.header.indexOf(QStringLiteral("kangxi")));
    const int wuxing = int(list.header.indexOf(QStringLiteral("wuxing")));
    QStringList wrong;
    int elementsChecked = 0;
    for (const QVariantList &row : list.rows) {
        const QString ch = row[zi].toString();
        const int r = s_wuxing->findRow(QStringLiteral("zi"), ch);
        if (r < 0) {
            wrong << ch + QStringLiteral(" missing");
            continue;
        }
        if (s_wuxing->value(r, QStringLiteral("bihua")) != row[kangxi].toString())
            wrong << QStringLiteral("%1 Kangxi %2, expected %3").arg(ch, s_wuxing->value(r, QStringLiteral("bihua")), row[kangxi].toString());
        if (!row[wuxing].toString().isEmpty()) {
            ++elementsChecked;
            if (s_wuxing->value(r, QStringLiteral("wuxing")) != row[wuxing].toString())
                wrong << QStringLiteral("%1 element %2, expected %3").arg(ch, s_wuxing->value(r, QStringLiteral("wuxing")), row[wuxing].toString());
        }
    }
    EXPECT_GE(elementsChecked, 100);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}

// 明's row through the character view the numerology reads.
TEST_F(CharacterData, TheCharacterViewShowsMing)
{
    data::RowSet view = data::RowSet::load(*s_db, kView);
    ASSERT_TRUE(view.locate(QStringLiteral("zi"), QStringLiteral("明")));
    EXPECT_EQ(view.field(1), QStringLiteral("8"));
    EXPECT_EQ(view.field(2), QStringLiteral("míng"));
    EXPECT_EQ(view.field(3), QStringLiteral("ming"));
    EXPECT_EQ(view.field(4), QStringLiteral("火"));
    EXPECT_EQ(view.field(5), QStringLiteral("8"));
}

struct ReadingCase {
    const char *zi;
    const char *pinyin;
    const char *py;
};

class Readings : public CharacterData, public ::testing::WithParamInterface<ReadingCase> {};

TEST_P(Readings, UsualReadingAndPlainSpelling)
{
    const data::RowSet row = dictionaryRow(QString::fromUtf8(GetParam().zi));
    ASSERT_EQ(row.rowCount(), 1);
    EXPECT_EQ(row.field(QStringLiteral("pinyin")), QString::fromUtf8(GetParam().pinyin));
    EXPECT_EQ(row.field(QStringLiteral("py")), QString::fromUtf8(GetParam().py));
}

INSTANTIATE_TEST_SUITE_P(Cases, Readings,
                         ::testing::Values(ReadingCase{"女", "nǚ", "nv"}, ReadingCase{"绿", "lǜ", "lv"},
                                           ReadingCase{"行", "xíng", "xing"}, ReadingCase{"长", "cháng", "chang"},
                                           ReadingCase{"曾", "céng", "ceng"}, ReadingCase{"龍", "lóng", "long"},
                                           // No reading in pinyin-pro: Unihan's kMandarin.
                                           ReadingCase{"㐀", "qiū", "qiu"}));

struct CardCase {
    const char *zi;
    const char *column;
    std::vector<const char *> contains;
};

void PrintTo(const CardCase &c, std::ostream *os) { *os << c.zi << ' ' << c.column; }

class Cards : public CharacterData, public ::testing::WithParamInterface<CardCase> {};

TEST_P(Cards, ShowWhatTheCharacterIs)
{
    const data::RowSet row = dictionaryRow(QString::fromUtf8(GetParam().zi));
    ASSERT_EQ(row.rowCount(), 1);
    const QString html = row.field(QString::fromLatin1(GetParam().column));
    for (const char *part : GetParam().contains)
        EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part << " not in " << html.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cards,
    ::testing::Values(
        CardCase{"明", "jijie", {">明<", "<b>míng</b>", "简体 8　康熙 <b>8</b>", ">火<", "一级字", "部首</font></td><td>日"}},
        // Polyphonic: every reading, usual first; the traditional form is counted.
        CardCase{"乐", "jijie", {"<b>lè</b>　yuè", "康熙 <b>15</b>", ">樂<", "部首</font></td><td>丿"}},
        CardCase{"郎", "jijie", {"康熙 <b>14</b>"}},
        CardCase{"龍", "jijie", {"简体</font></td><td><span class=\"links\">龙", "康熙 <b>16</b>"}},
        CardCase{"明", "xiangjie", {"bright", "明天", "míngtiān", "tomorrow", "CC-CEDICT"}},
        CardCase{"乐", "xiangjie", {"<b>lè</b>", "happy", "<b>yuè</b>", "music"}},
        // A traditional character: its own senses, words in traditional writing.
        CardCase{"龍", "xiangjie", {"dragon", "恐龍"}},
        // Beyond CC-CEDICT: Unihan's definition.
        CardCase{"㐀", "xiangjie", {"hillock or mound", "Unihan"}}));

// QTextBrowser ignores CSS percentages and em units; the fragments must not rely on them.
TEST_F(CharacterData, FragmentsStayWithinTheViewsHtml)
{
    const data::RowSet all = data::RowSet::load(*s_db, QStringLiteral("select zi, jijie, xiangjie from 字典"));
    const QRegularExpression unsupported(QStringLiteral("style=\"[^\"]*(%|[0-9]em)|<div|<script"));
    int faults = 0;
    for (int r = 0; r < all.rowCount() && faults < 5; ++r) {
        for (int c = 1; c <= 2; ++c) {
            if (unsupported.match(all.value(r, c)).hasMatch()) {
                ADD_FAILURE() << all.value(r, 0).toStdString() << ": " << all.value(r, c).left(300).toStdString();
                ++faults;
            }
        }
    }
}
