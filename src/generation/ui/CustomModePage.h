// The page "自定义模式": names from every dictionary character of a typed or pasted text,
// formed by the character-set run it shares with poetry mode.
#pragma once

#include "widgets/LimitedTextEdit.h"

#include <QWidget>

class QPushButton;

namespace qiming::namelist {
class CandidateListView;
class NameListHost;
}

namespace qiming::generation {

class CandidateListModel;
class CharSetRun;

inline const QString kAccessWord = QStringLiteral("morvelantiqus");

class CustomModePage final : public QWidget {
    Q_OBJECT
public:
    CustomModePage(CharSetRun *run, namelist::NameListHost &host, QWidget *parent = nullptr);

    CandidateListModel *list() const { return m_model; }
    CharSetRun *run() const { return m_run; }
    namelist::CandidateListView *view() const { return m_view; }
    QPlainTextEdit *input() const { return m_input; }

    // "生成名字"
    void generate();
    // "暂停" / "恢复"
    void togglePause();

signals:
    // The access word was typed: the manual naming window opens before the run starts.
    void manualNamingRequested();

private:
    void showRunState();

    CharSetRun *m_run;
    CandidateListModel *m_model;
    namelist::CandidateListView *m_view;
    widgets::LimitedTextEdit *m_input;
    QPushButton *m_pause;
};

} // namespace qiming::generation
