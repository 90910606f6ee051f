#include "birthchart/ui/ReadingWindow.h"

#include "widgets/HtmlView.h"
#include "widgets/WindowPlacement.h"

#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QTextBrowser>

namespace qiming::birthchart {

ReadingWindow::ReadingWindow(QWidget *parent)
    : QDialog(parent)
    , m_viewArea(new QWidget(this))
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("TForm14"));
    setWindowTitle(QStringLiteral("星座分析"));
    widgets::setFixedClientSize(this, 808, 634);
    m_viewArea->setObjectName(QStringLiteral("viewArea"));
    m_text->setObjectName(QStringLiteral("Memo1"));
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = m_text->font();
    font.setPixelSize(16);
    m_text->setFont(font);
    m_text->hide();
    // Both fill the window; whichever is raised lies in front.
    auto *stack = new QStackedLayout(this);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_viewArea);
    stack->addWidget(m_text);
    widgets::showHtmlPage(m_viewArea, QString());
}

QTextBrowser *ReadingWindow::view() const
{
    return widgets::currentHtmlView(m_viewArea);
}

void ReadingWindow::showHtml(const QString &title, const QString &html)
{
    setWindowTitle(title);
    m_text->hide();
    QTextBrowser *v = widgets::showHtmlPage(m_viewArea, html);
    m_viewArea->raise();
    v->raise();
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void ReadingWindow::showTextModal(const QString &title, const QString &text)
{
    hide();
    setWindowTitle(title);
    m_text->setPlainText(text);
    m_text->show();
    m_text->raise();
    exec();
}

void ReadingWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
}

void ReadingWindow::hideEvent(QHideEvent *event)
{
    m_text->hide(); // the HTML view is what shows next time
    QDialog::hideEvent(event);
}

} // namespace qiming::birthchart
