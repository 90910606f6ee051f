// The birth readings the project writes (zodiac animals, star signs, birthdays, history on the
// day), checked in a database built from every source: every key the page can ask for has one
// row, no text is empty, history days list at least five dated events, and no two entries share
// a sentence.
#include "TestSupport.h"

#include "data/RowSet.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace qiming;

namespace {

const QStringList kAnimals{QStringLiteral("鼠"), QStringLiteral("牛"), QStringLiteral("虎"), QStringLiteral("兔"),
                           QStringLiteral("龙"), QStringLiteral("蛇"), QStringLiteral("马"), QStringLiteral("羊"),
                           QStringLiteral("猴"), QStringLiteral("鸡"), QStringLiteral("狗"), QStringLiteral("猪")};
const QStringList kSigns{QStringLiteral("白羊座"), QStringLiteral("金牛座"), QStringLiteral("双子座"),
                         QStringLiteral("巨蟹座"), QStringLiteral("狮子座"), QStringLiteral("处女座"),
                         QStringLiteral("天秤座"), QStringLiteral("天蝎座"), QStringLiteral("射手座"),
                         QStringLiteral("摩羯座"), QStringLiteral("水瓶座"), QStringLiteral("双鱼座")};

class ReadingTables : public test::BuiltDatabaseSuite {};

// Every day of a leap year, as month and day.
std::vector<std::pair<int, int>> everyDay()
{
    std::vector<std::pair<int, int>> days;
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1))
        days.emplace_back(d.month(), d.day());
    return days;
}

// The words of an entry: tags and the closing note every entry shares left out.
QString wordsOf(QString html, const QStringList &fixed)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.replace(tag, QStringLiteral("\n"));
    for (const QString &f : fixed)
        html.replace(f, QStringLiteral("\n"));
    return html;
}

// Runs of n characters shared by two texts (within a line): a paragraph copied from one entry
// to another.
void expectNoSharedRuns(const QStringList &keys, const QStringList &texts, int n)
{
    QHash<QString, int> firstText;
    for (int t = 0; t < texts.size(); ++t) {
        QSet<QString> seen;
        for (qsizetype i = 0; i + n <= texts[t].size(); ++i) {
            const QString run = texts[t].mid(i, n);
            if (run.contains(QLatin1Char('\n')))
                continue;
            if (seen.contains(run))
                continue;
            seen.insert(run);
            const auto it = firstText.constFind(run);
            if (it == firstText.constEnd())
                firstText.insert(run, t);
            else
                ADD_FAILURE() << keys[*it].toStdString() << " and " << keys[t].toStdString() << " share \""
                              << run.toStdString() << '"';
        }
    }
}

} // namespace

TEST_F(ReadingTables, ZodiacAndStarSignReadingsCoverEveryKeyWithAPage)
{
    const struct {
        const char *table;
        const QStringList &keys;
        QStringList fixed;
    } tables[] = {
        {"生肖分析", kAnimals, {QStringLiteral("生肖性格之说属于民俗传统，仅供参考；孩子长成什么样，更在于家人的陪伴与教育。")}},
        {"星座分析", kSigns, {QStringLiteral("星座性格是流行的趣谈，仅供娱乐参考；每个孩子都是独一无二的。")}}};
    for (const auto &t : tables) {
        const QString table = QString::fromUtf8(t.table);
        EXPECT_EQ(rows(QStringLiteral("select * from %1").arg(table)).rowCount(), 12) << t.table;
        QStringList texts;
        for (const QString &key : t.keys) {
            const data::RowSet rs = rows(QStringLiteral("select content from %1 where title = ?").arg(table), {key});
            ASSERT_EQ(rs.rowCount(), 1) << t.table << ' ' << key.toStdString();
            const QString html = rs.value(0, 0);
            EXPECT_TRUE(html.contains(QStringLiteral("<p>")) || html.contains(QStringLiteral("<h"))) << key.toStdString();
            EXPECT_FALSE(html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
            EXPECT_GT(html.size(), 300) << key.toStdString();
            EXPECT_TRUE(html.contains(t.fixed.first())) << key.toStdString();
            texts << wordsOf(html, t.fixed);
        }
        expectNoSharedRuns(t.keys, texts, 16);
    }
}

TEST_F(ReadingTables, EveryDayHasItsOwnBirthdayText)
{
    EXPECT_EQ(rows(QStringLiteral("select * from 生日分析")).rowCount(), 366);
    QStringList keys, texts;
    for (const auto &[month, day] : everyDay()) {
        const QString key = QString::number(month * 100 + day);
        const data::RowSet rs = rows(QStringLiteral("select content from 生日分析 where day = ?"), {key});
        ASSERT_EQ(rs.rowCount(), 1) << key.toStdString();
        const QString text = rs.value(0, 0);
        EXPECT_GE(text.size(), 60) << key.toStdString(); // a text of its own, not a stub
        EXPECT_FALSE(text.contains(QLatin1Char('<'))) << key.toStdString(); // plain text
        keys << key;
        texts << text;
    }
    expectNoSharedRuns(keys, texts, 16);
}

TEST_F(ReadingTables, EveryDayOfHistoryListsAtLeastFiveDatedEvents)
{
    static const QRegularExpression dated(QStringLiteral("<li><b>(公元前)?\\d{1,4}年</b>"));
    EXPECT_EQ(rows(QStringLiteral("select * from 历史上的今天")).rowCount(), 366);
    for (const auto &[month, day] : everyDay()) {
        const data::RowSet rs = rows(QStringLiteral("select h_con from 历史上的今天 where h_month = ?and h_day=?"),
                                     {QString::number(month), QString::number(day)});
        const std::string at = std::to_string(month) + "-" + std::to_string(day);
        ASSERT_EQ(rs.rowCount(), 1) << at;
        const QString html = rs.value(0, 0);
        EXPECT_GE(html.count(dated), 5) << at;
        EXPECT_EQ(html.count(QStringLiteral("<li>")), html.count(dated)) << at;
    }
}
