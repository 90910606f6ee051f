#include "shell/AboutWindow.h"

#include "data/DatabaseBuilder.h"
#include "data/SharedDatabase.h"
#include "widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qiming::shell {

namespace {

QString noticeText()
{
    QFile f(QStringLiteral(":/shell/NOTICE"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The stamp of the open database, or empty when none is open or it has none.
QString openDataStamp()
{
    data::Database &db = data::sharedDatabase();
    if (!db.isOpen())
        return {};
    try {
        const data::DataStamp stamp = data::readStamp(db);
        return stamp.version ? stamp.text() : QString();
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
    , m_view(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(QStringLiteral("关于 宝宝起名"));
    m_view->setObjectName(QStringLiteral("aboutView"));
    m_view->setOpenLinks(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(buttons);
    resize(640, 560);
}

QString AboutWindow::pageHtml() const
{
    const QString stamp = openDataStamp();
    QString html = QStringLiteral("<h2>宝宝起名 · Qiming</h2>"
                                  "<p>版本 %1　·　数据版本 %2%3</p>")
                       .arg(data::programVersion())
                       .arg(data::compiledDataVersion())
                       .arg(stamp.isEmpty() ? QString() : QStringLiteral("（数据库 %1）").arg(stamp.toHtmlEscaped()));
    html += QStringLiteral(
        "<p>为宝宝取名的桌面程序：生成候选名字，按康熙笔画计算五格、三才和五行并评分，排出生辰八字，"
        "并提供小名、英文名、自选列表、新华字典、生日解读和黄历等功能。</p>"
        "<p><b>请注意：</b>姓名学（五格数理、三才五行）和生辰八字都是流传已久的民俗传统，不是科学。"
        "程序给出的分数和解读仅供参考；好名字更在于字义、读音和您对孩子的期望。</p>"
        "<h3>数据来源与许可 · Data sources and licences</h3>");
    html += QStringLiteral("<pre style=\"white-space: pre-wrap; font-size: 12px;\">%1</pre>").arg(noticeText().toHtmlEscaped());
    return html;
}

void AboutWindow::showEvent(QShowEvent *event)
{
    m_view->setHtml(pageHtml());
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
}

} // namespace qiming::shell
