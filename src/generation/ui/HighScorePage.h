// The page "高分模式": every name from the gender's common characters, the high scorers listed.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace qiming::namelist {
class CandidateListView;
class NameListHost;
}

namespace qiming::generation {

class CandidateListModel;
class HighScoreRun;

class HighScorePage final : public QWidget {
    Q_OBJECT
public:
    explicit HighScorePage(namelist::NameListHost &host, QWidget *parent = nullptr);
    ~HighScorePage() override;

    CandidateListModel *list() const { return m_model; }
    namelist::CandidateListView *view() const { return m_view; }
    HighScoreRun *run() const { return m_run; }

    // "生成名字": set-up from the profile, its messages, then the ticks.
    void generate();
    // "暂停" / "恢复"
    void togglePause();

private:
    void showProgress();

    CandidateListModel *m_model;
    namelist::CandidateListView *m_view;
    HighScoreRun *m_run;
    QProgressBar *m_progress;
    QPushButton *m_generate;
    QPushButton *m_pause;
    QPushButton *m_sort;
    QPushButton *m_filter;
    QPushButton *m_export;
    QLabel *m_listed;
    QLabel *m_computed;
    QLabel *m_total;
};

} // namespace qiming::generation
