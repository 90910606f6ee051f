// The page "自定义模式": names from every dictionary character of a typed or pasted text,
// formed by the character-set run it shares with poetry mode.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

class QPushButton;

namespace qiming::generation {

class CandidateListModel;
class CandidateListView;
class CharSetRun;

// A plain text input that refuses what goes beyond its limit, typed or pasted; line breaks
// count as characters.
class LimitedTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedTextEdit(int limit, QWidget *parent = nullptr);
    int limit() const { return m_limit; }

private:
    void clip();
    int m_limit;
    bool m_clipping = false;
};

inline const QString kAccessWord = QStringLiteral("morvelantiqus");

class CustomModePage final : public QWidget {
    Q_OBJECT
public:
    CustomModePage(CharSetRun *run, QWidget *parent = nullptr);

    CandidateListModel *list() const { return m_model; }
    CharSetRun *run() const { return m_run; }
    CandidateListView *view() const { return m_view; }
    QPlainTextEdit *input() const { return m_input; }

    // "生成名字"
    void generate();
    // "暂停" / "恢复"
    void togglePause();

private:
    void showRunState();

    CharSetRun *m_run;
    CandidateListModel *m_model;
    CandidateListView *m_view;
    LimitedTextEdit *m_input;
    QPushButton *m_pause;
};

// Both character-set pages: the pause button's caption from the one run's state, and the
// toggle (a finished or idle run is left alone and the caption shows "暂停" again).
void showCharSetRunState(const CharSetRun &run, QPushButton *pause);
void toggleCharSetRun(CharSetRun &run, QPushButton *pause);

} // namespace qiming::generation
