// The tables the name check and the readings stand on: the boys' and girls' pools with their
// three groups, the homophone list, the surname and given-name readings. The groups live in the
// pool files' comments, so those are read as text; the rest is checked in a built database.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <memory>

using namespace qiming;

namespace {

const QString kBoys = QStringLiteral("男常用字");
const QString kGirls = QStringLiteral("女常用字");

// A pool file's characters in order, by the group whose "# 偏男：…" style header precedes them.
struct PoolFile {
    std::map<QString, QStringList> groups;
    QStringList ungrouped;
    QString error;
};

PoolFile readPool(const QString &table)
{
    PoolFile out;
    QFile f(data::defaultSourceDirs().first() + QLatin1Char('/') + table + QStringLiteral(".tsv"));
    if (!f.open(QIODevice::ReadOnly)) {
        out.error = f.fileName() + QStringLiteral(": ") + f.errorString();
        return out;
    }
    static const QRegularExpression header(QStringLiteral("^# (偏男|偏女|中性)："));
    QString group;
    bool seenHeaderLine = false;
    for (QString line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            const QRegularExpressionMatch m = header.match(line);
            if (m.hasMatch())
                group = m.captured(1);
            continue;
        }
        if (!seenHeaderLine) {
            seenHeaderLine = true;
            continue;
        }
        (group.isEmpty() ? out.ungrouped : out.groups[group]) << line;
    }
    return out;
}

QSet<QString> setOf(const QStringList &list) { return QSet<QString>(list.begin(), list.end()); }

QStringList characters(const char *utf8)
{
    QStringList out;
    for (QChar c : QString::fromUtf8(utf8))
        if (!c.isSpace())
            out << QString(c);
    return out;
}

class BuiltNameTables : public test::BuiltDatabaseSuite {
protected:
    static QSet<QString> column(const QString &sql)
    {
        const data::RowSet rs = rows(sql);
        QSet<QString> out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out.insert(rs.value(r, 0));
        return out;
    }
};

// One tone-marked syllable per character: "zēng", "yù chí".
void expectMarkedReading(const QString &word, const QString &pinyin)
{
    static const QRegularExpression syllable(QStringLiteral("^[a-zāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜü]+$"));
    static const QRegularExpression toneMark(QStringLiteral("[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ]"));
    const QStringList syllables = pinyin.split(QLatin1Char(' '));
    EXPECT_EQ(syllables.size(), word.size()) << word.toStdString() << " '" << pinyin.toStdString() << "'";
    for (const QString &s : syllables) {
        EXPECT_TRUE(syllable.match(s).hasMatch()) << word.toStdString() << " '" << pinyin.toStdString() << "'";
        EXPECT_EQ(s.count(toneMark), 1) << word.toStdString() << " '" << pinyin.toStdString() << "'";
    }
}

} // namespace

TEST(PoolGroups, BoysAreLeaningBoyPlusNeutralGirlsLeaningGirlPlusTheSameNeutral)
{
    const PoolFile boys = readPool(kBoys);
    const PoolFile girls = readPool(kGirls);
    ASSERT_TRUE(boys.error.isEmpty()) << boys.error.toStdString();
    ASSERT_TRUE(girls.error.isEmpty()) << girls.error.toStdString();
    EXPECT_TRUE(boys.ungrouped.isEmpty()) << boys.ungrouped.join(QString()).toStdString();
    EXPECT_TRUE(girls.ungrouped.isEmpty()) << girls.ungrouped.join(QString()).toStdString();

    const QString male = QStringLiteral("偏男"), female = QStringLiteral("偏女"), neutral = QStringLiteral("中性");
    for (const auto &[name, pool, own, other] : {std::tuple{"boys", &boys, male, female},
                                                  std::tuple{"girls", &girls, female, male}}) {
        EXPECT_FALSE(pool->groups.count(other)) << name << " file has a " << other.toStdString() << " group";
        EXPECT_GE(pool->groups.count(own) ? pool->groups.at(own).size() : 0, 200) << name;
        EXPECT_GE(pool->groups.count(neutral) ? pool->groups.at(neutral).size() : 0, 200) << name;
    }
    ASSERT_TRUE(boys.groups.count(neutral) && girls.groups.count(neutral));
    EXPECT_EQ(boys.groups.at(neutral), girls.groups.at(neutral)) << "the 中性 group differs between the files";

    const QSet<QString> boyOnly = setOf(boys.groups.count(male) ? boys.groups.at(male) : QStringList());
    const QSet<QString> girlOnly = setOf(girls.groups.count(female) ? girls.groups.at(female) : QStringList());
    const QSet<QString> shared = setOf(boys.groups.at(neutral));
    for (const auto &[a, b, what] : {std::tuple{&boyOnly, &girlOnly, "偏男 and 偏女"},
                                     std::tuple{&boyOnly, &shared, "偏男 and 中性"},
                                     std::tuple{&girlOnly, &shared, "偏女 and 中性"}}) {
        const QSet<QString> both = QSet<QString>(*a).intersect(*b);
        EXPECT_TRUE(both.isEmpty()) << what << " share " << QStringList(both.values()).join(QString()).toStdString();
    }
}

using NameTables = BuiltNameTables;

TEST_F(NameTables, PoolsKeepGenderedAndAvoidedCharactersOut)
{
    const QSet<QString> boys = column(QStringLiteral("select 字 from 男常用字"));
    const QSet<QString> girls = column(QStringLiteral("select 字 from 女常用字"));
    ASSERT_FALSE(boys.isEmpty());
    ASSERT_FALSE(girls.isEmpty());
    struct Case {
        const char *what;
        const QSet<QString> *pool;
        const char *absent;
    };
    const Case cases[] = {
        {"era and hard male characters in the girls' pool", &girls,
         "建国卫东胜民志德森坤凯刚强勇武雄豪威猛军虎龙彪伟壮魁峰磊栋"},
        {"girls' characters in the boys' pool", &boys, "红紫雪虹圆卿娟秀"},
        {"avoided characters in the boys' pool", &boys,
         "岗铁钢兵戈戎富禄材略迈彪克槐亚旷精绿霜艾沫浅飘絮惜鹃娇艳绽璃苗芽以其尔斯之予深水实同简节品"},
        {"avoided characters in the girls' pool", &girls,
         "岗铁钢兵戈戎富禄材略迈彪克槐亚旷精绿霜艾沫浅飘絮惜鹃娇艳绽璃苗芽以其尔斯之予深水实同简节品"},
    };
    for (const Case &c : cases)
        for (const QString &zi : characters(c.absent))
            EXPECT_FALSE(c.pool->contains(zi)) << c.what << ": " << zi.toStdString();
}

// The level-two characters today's names are made of; without them 梓涵, 子萱, 奕辰, 沐宸,
// 若汐 and 梦瑶 cannot be generated.
TEST_F(NameTables, PoolsHoldTheModernNameStock)
{
    const QSet<QString> either = column(QStringLiteral("select 字 from 男常用字 union select 字 from 女常用字"));
    for (const QString &zi : characters("梓睿宸奕烨煜霖昊晟瑾茗萱琪婷玥瑶芷汐妍芮苒茜媛姝潼苡珂琦璇瑜钰晗曦婧娅妤"
                                        "雯岚菁泓翊骁瀚昕鑫铄霆珩瑄韬弈懿歆彦朔倩莎娴嫣玮炜楠琛湛"))
        EXPECT_TRUE(either.contains(zi)) << zi.toStdString();
    const QSet<QString> girls = column(QStringLiteral("select 字 from 女常用字"));
    const QSet<QString> boys = column(QStringLiteral("select 字 from 男常用字"));
    for (const char *name : {"梓涵", "子萱", "若汐", "梦瑶"})
        for (const QString &zi : characters(name))
            EXPECT_TRUE(girls.contains(zi)) << name;
    for (const char *name : {"奕辰", "沐宸", "子轩", "浩宇"})
        for (const QString &zi : characters(name))
            EXPECT_TRUE(boys.contains(zi)) << name;
}

TEST_F(NameTables, HomophonesAreWellFormedDistinctAndRealSyllables)
{
    // Every plain syllable some character is usually read with; ü is written v as in the list.
    const QSet<QString> syllables = column(QStringLiteral("select distinct py from 字典"));
    ASSERT_GT(syllables.size(), 350);
    const QSet<QString> kinds{QStringLiteral("粗俗"), QStringLiteral("疾病"), QStringLiteral("死亡"),
                              QStringLiteral("辱骂"), QStringLiteral("如厕"), QStringLiteral("笑话"),
                              QStringLiteral("不吉")};
    static const QRegularExpression form(QStringLiteral("^[a-z]+[1-5]( [a-z]+[1-5]){1,2}$"));
    const data::RowSet rs = rows(QStringLiteral("select 拼音, 谐音, 类别, 说明 from 谐音"));
    EXPECT_GE(rs.rowCount(), 400);
    QSet<QString> seen;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString pinyin = rs.value(r, 0), sound = rs.value(r, 1), kind = rs.value(r, 2);
        const std::string at = (pinyin + QLatin1Char(' ') + sound).toStdString();
        EXPECT_TRUE(form.match(pinyin).hasMatch()) << at;
        const QStringList parts = pinyin.split(QLatin1Char(' '));
        for (const QString &p : parts)
            EXPECT_TRUE(syllables.contains(p.chopped(1))) << at << ": no character is read " << p.chopped(1).toStdString();
        EXPECT_EQ(sound.size(), parts.size()) << at << ": one character per syllable";
        for (QChar c : sound)
            EXPECT_EQ(c.script(), QChar::Script_Han) << at;
        EXPECT_TRUE(kinds.contains(kind)) << at << " 类别 '" << kind.toStdString() << "'";
        const QString key = pinyin + QLatin1Char('\t') + sound;
        EXPECT_FALSE(seen.contains(key)) << at << " twice";
        seen.insert(key);
    }
}

TEST_F(NameTables, HomophonesHoldTheKnownNameJokes)
{
    const data::RowSet rs = rows(QStringLiteral("select 拼音, 谐音 from 谐音"));
    QSet<QString> pairs;
    for (int r = 0; r < rs.rowCount(); ++r)
        pairs.insert(rs.value(r, 0) + QLatin1Char('=') + rs.value(r, 1));
    // 范统 饭桶, 沈京兵 神经病, 魏生津 卫生巾, 杨伟 阳痿, 胡丽晶 狐狸精, 夏建仁 下贱人, 史珍香 屎真香, 秦寿生 禽兽.
    for (const char *pair : {"fan4 tong3=饭桶", "shen2 jing1 bing4=神经病", "wei4 sheng1 jin1=卫生巾",
                             "yang2 wei3=阳痿", "hu2 li2 jing1=狐狸精", "xia4 jian4 ren2=下贱人",
                             "shi3 zhen1 xiang1=屎真香", "qin2 shou4=禽兽", "qin2 shou4 sheng1=禽兽生"})
        EXPECT_TRUE(pairs.contains(QString::fromUtf8(pair))) << pair;
}

TEST_F(NameTables, SurnameReadingsHoldTheCommonlyMisreadSurnames)
{
    const data::RowSet rs = rows(QStringLiteral("select 姓, 拼音 from 多音姓"));
    std::map<QString, QString> readings;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString surname = rs.value(r, 0);
        EXPECT_TRUE(surname.size() == 1 || surname.size() == 2) << surname.toStdString();
        expectMarkedReading(surname, rs.value(r, 1));
        readings[surname] = rs.value(r, 1);
    }
    const std::pair<const char *, const char *> expected[] = {
        {"曾", "zēng"}, {"任", "rén"},  {"单", "shàn"}, {"解", "xiè"},    {"仇", "qiú"},    {"区", "ōu"},
        {"查", "zhā"},  {"朴", "piáo"}, {"华", "huà"},  {"盖", "gě"},     {"缪", "miào"},   {"秘", "bì"},
        {"种", "chóng"}, {"折", "shé"}, {"尉迟", "yù chí"}, {"万俟", "mò qí"}, {"澹台", "tán tái"},
        {"长孙", "zhǎng sūn"}, {"单于", "chán yú"},
    };
    for (const auto &[surname, reading] : expected) {
        const auto it = readings.find(QString::fromUtf8(surname));
        ASSERT_NE(it, readings.end()) << surname;
        EXPECT_EQ(it->second, QString::fromUtf8(reading)) << surname;
    }
}

TEST_F(NameTables, GivenNameReadingsAreOneMarkedSyllablePerCharacter)
{
    const data::RowSet rs = rows(QStringLiteral("select 词, 拼音 from 名读音"));
    ASSERT_GT(rs.rowCount(), 0);
    bool zhaoyang = false;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString word = rs.value(r, 0);
        EXPECT_TRUE(word.size() == 1 || word.size() == 2) << word.toStdString();
        expectMarkedReading(word, rs.value(r, 1));
        zhaoyang = zhaoyang || (word == QStringLiteral("朝阳") && rs.value(r, 1) == QStringLiteral("zhāo yáng"));
    }
    EXPECT_TRUE(zhaoyang) << "朝阳 should read zhāo yáng";
}
