#include "numerology/ui/NameMeaningWindow.h"

#include "data/SharedDatabase.h"
#include "numerology/Lookups.h"
#include "widgets/HtmlView.h"
#include "widgets/WindowPlacement.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qiming::numerology {

NameMeaningWindow::NameMeaningWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm15"));
    setWindowTitle(QStringLiteral("查查新华字典里，名字的含义"));
    widgets::setFixedClientSize(this, 640, 520);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->setDocumentMode(true);
    // Tabs drawn as buttons.
    m_tabs->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { min-width: 64px; padding: 4px 14px; margin: 2px 4px 6px 0px; border: 1px solid #9a9a9a;"
        " border-radius: 3px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfd, stop:1 #e4e4e4); }"
        "QTabBar::tab:selected { background: #cfdff5; border-color: #5a86c5; font-weight: bold; }"));
    for (const char *name : {"TabSheet1", "TabSheet2"}) {
        auto *page = new QWidget(m_tabs);
        page->setObjectName(QString::fromLatin1(name));
        m_tabs->addTab(page, QString());
    }
    layout->addWidget(m_tabs);
}

void NameMeaningWindow::showMeanings(const QString &first, const QString &second)
{
    if (!isVisible()) {
        show();
        if (!m_placed) {
            widgets::centerOnScreen(this);
            m_placed = true;
        }
    }
    const QString characters[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        if (characters[i].isEmpty()) {
            m_tabs->setTabVisible(i, false);
            continue;
        }
        const QString page = lookupCharacter(data::sharedDatabase(), characters[i]);
        m_tabs->setTabVisible(i, true);
        m_tabs->setCurrentIndex(i);
        m_tabs->setTabText(i, characters[i]);
        widgets::showHtmlPage(m_tabs->widget(i), page);
    }
    raise();
    activateWindow();
}

} // namespace qiming::numerology
