// "名字解析": the analysis report of one name, printable; reused for every report.
#pragma once

#include "numerology/ScoredName.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace qiming::numerology {

class AnalysisWindow final : public QDialog {
    Q_OBJECT
public:
    // home: the window it belongs to when no modal window is open.
    explicit AnalysisWindow(QWidget *home);

    // Builds the page and shows it in place of the last one. A name that is empty does
    // nothing. Opened from a modal window, it sits over that window and stays usable.
    void showReport(const ScoredName &name);
    // showReport for an action already under way: an error ends in a box over the active window.
    void showReportGuarded(const ScoredName &name);
    QTextBrowser *view() const;
    QPushButton *printButton() const { return m_print; }

private:
    void placeOverActiveModal();

    QWidget *m_home;
    QWidget *m_viewArea;
    QPushButton *m_print;
    bool m_placed = false;
};

} // namespace qiming::numerology
