// The box 关于: version, data, sources and licences, and the word on what numerology is.
#include "ShellFixture.h"

#include "shell/AboutWindow.h"

#include <QTextBrowser>
#include <QToolButton>

using namespace qiming;
using namespace qiming::test;

class AboutTest : public ShellFixture {};

TEST_F(AboutTest, ShowsVersionsSourcesAndThatNumerologyIsTradition)
{
    start();
    ModalAnswerer answerer;
    answerer.onWindow([](QWidget *w) {
        const QString text = static_cast<shell::AboutWindow *>(w)->view()->toPlainText();
        for (const char *part : {"版本 0.", "数据版本 3", "（数据库 3:", "不是科学", "chinese-poetry", "Licence"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    });
    child<QToolButton>(window.get(), "aboutButton")->click();
    EXPECT_EQ(answerer.windows(), QStringList{QStringLiteral("aboutWindow")});
}
