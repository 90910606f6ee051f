// "新华字典" over the real tables: an entry, a pinyin syllable's characters, links between them.
#include "ShellFixture.h"

#include "data/DatabaseBuilder.h"
#include "numerology/Lookups.h"
#include "review/ui/DictionaryWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

using namespace qiming;
using namespace qiming::test;

class DictionaryTest : public ShellFixture {
protected:
    DictionaryTest()
    {
        tables = data::defaultSourceDirs().at(0);
        moreTables = {data::defaultSourceDirs().at(1)};
    }
    review::DictionaryWindow *dictionary()
    {
        return static_cast<review::DictionaryWindow *>(window->window(QStringLiteral("TForm9")));
    }
    QString search(const QString &text)
    {
        dictionary()->searchField()->setText(text);
        dictionary()->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        return dictionary()->view() ? dictionary()->view()->toPlainText() : QString();
    }
};

TEST_F(DictionaryTest, EntriesSyllablesAndLinks)
{
    start();
    EXPECT_TRUE(dictionary()->findChild<QPushButton *>(QStringLiteral("Button1"))->isDefault());
    EXPECT_TRUE(search(QString()).isEmpty());

    const QString xuan = search(QStringLiteral("萱"));
    EXPECT_TRUE(xuan.contains(QStringLiteral("xuān"))) << xuan.toStdString();
    EXPECT_TRUE(xuan.contains(QStringLiteral("萱草")));
    // A second search replaces the first page entirely.
    const QString zi = search(QStringLiteral("梓"));
    EXPECT_TRUE(zi.contains(QStringLiteral("zǐ")));
    EXPECT_FALSE(zi.contains(QStringLiteral("萱草")));

    // A syllable lists the characters read so, by level; with a tone only that tone.
    const QString any = search(QStringLiteral("xuan"));
    for (const char *c : {"萱", "宣", "玄", "选", "一级字", "二级字"})
        EXPECT_TRUE(any.contains(QString::fromUtf8(c))) << c;
    // A written entry's readings replace the recorded ones: 县 is xiàn only, 券 keeps 拱券 xuàn.
    EXPECT_FALSE(any.contains(QStringLiteral("县")));
    EXPECT_TRUE(any.contains(QStringLiteral("券")));
    const QString first = search(QStringLiteral("xuan1"));
    EXPECT_TRUE(first.contains(QStringLiteral("宣")));
    EXPECT_FALSE(first.contains(QStringLiteral("玄")));
    EXPECT_TRUE(search(QStringLiteral("lv")).contains(QStringLiteral("绿")));

    // A link opens that entry.
    emit dictionary()->view()->anchorClicked(QUrl(QStringLiteral("zi:萱")));
    EXPECT_EQ(dictionary()->searchField()->text().toStdString(), "萱");
    EXPECT_TRUE(dictionary()->view()->toPlainText().contains(QStringLiteral("萱草")));
    EXPECT_TRUE(dictionary()->view()->toHtml().contains(QStringLiteral("zi:")));

    // Nothing found is an empty page or a plain sentence, never an error.
    EXPECT_TRUE(search(QStringLiteral("'")).isEmpty());
    EXPECT_TRUE(search(QStringLiteral("qqq")).contains(QStringLiteral("没有找到")));
}

// Only the marked parts of an entry link (words, a traditional form); its running text stays plain.
TEST(DictionaryLinks, MarkedSpansLinkTheirCharactersButTheEntrysOwn)
{
    const QString marked = numerology::linkCharacters(
        QStringLiteral("<p>萱草，忘忧。</p><p><span class=\"links\">萱草</span></p>"), QStringLiteral("萱"));
    EXPECT_EQ(marked.count(QStringLiteral("href=")), 1) << marked.toStdString();
    EXPECT_TRUE(marked.contains(QStringLiteral("<a href=\"zi:草\">草</a></span>")));
    EXPECT_TRUE(marked.startsWith(QStringLiteral("<p>萱草，忘忧。</p>")));
    // A page without marks (a database built before them) links every other character.
    EXPECT_EQ(numerology::linkCharacters(QStringLiteral("<p>萱草忘忧</p>"), QStringLiteral("萱")).count(QStringLiteral("href=")), 3);
}
