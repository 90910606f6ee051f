#include "numerology/ui/AnalysisWindow.h"

#include "data/SharedDatabase.h"
#include "numerology/NameReport.h"
#include "widgets/HtmlView.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qiming::numerology {

AnalysisWindow::AnalysisWindow(QWidget *home)
    : QDialog(home)
    , m_home(home)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("名字解析"));
    widgets::setFixedClientSize(this, 800, 640);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto *strip = new QHBoxLayout;
    m_print = new QPushButton(QStringLiteral("打印"), this);
    m_print->setObjectName(QStringLiteral("Button1"));
    m_print->setEnabled(false); // nothing to print before the first report
    strip->addWidget(m_print);
    strip->addStretch();
    layout->addLayout(strip);
    m_viewArea = new QWidget(this);
    m_viewArea->setObjectName(QStringLiteral("Panel1"));
    layout->addWidget(m_viewArea, 1);

    connect(m_print, &QPushButton::clicked, this, [this] { widgets::printPage(view()); });
}

QTextBrowser *AnalysisWindow::view() const
{
    return widgets::currentHtmlView(m_viewArea);
}

void AnalysisWindow::placeOverActiveModal()
{
    // Qt blocks every window but a modal one and its children: a report asked for from a
    // modal window becomes that window's child so that it can be read, scrolled and printed.
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *owner = modal && modal != this ? modal : m_home;
    if (parentWidget() != owner) {
        const bool wasVisible = isVisible();
        setParent(owner, windowFlags());
        m_placed = false;
        if (wasVisible)
            hide();
    }
}

void AnalysisWindow::showReport(const ScoredName &name)
{
    if (name.name.isEmpty())
        return;
    const QString page = buildNameReport(data::sharedDatabase(), name);
    placeOverActiveModal();
    if (!isVisible()) {
        show();
        if (!m_placed) {
            widgets::centerOnScreen(this);
            m_placed = true;
        }
    }
    widgets::showHtmlPage(m_viewArea, page);
    m_print->setEnabled(true);
    raise();
    activateWindow();
}

void AnalysisWindow::showReportGuarded(const ScoredName &name)
{
    if (name.name.isEmpty())
        return;
    widgets::runGuarded(QApplication::activeWindow(), [&] { showReport(name); });
}

} // namespace qiming::numerology
