// The high-score run: every given name from the gender's common characters, scored, the
// qualifying ones listed; advanced in timer ticks so that the window stays usable.
#pragma once

#include "generation/CandidateListModel.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

namespace qiming::numerology {
class CharacterTables;
class LuckTables;
class ScoreTable;
}

namespace qiming::generation {

// What a run takes from the profile at set-up and keeps until it ends.
struct HighScoreSetup {
    QString surname;
    QString gender;         // "nan" or "nv" (anything else scores as a boy)
    int givenNameLength = 2;
    QString fixedChar;      // in effect, or empty
    int fixedPosition = 1;  // 1 or 2
};

class HighScoreRun final : public QObject {
    Q_OBJECT
public:
    HighScoreRun(CandidateListModel *list, numerology::CharacterTables &chars, numerology::LuckTables &luck,
                 QObject *parent = nullptr);
    ~HighScoreRun() override;

    // Stops any run, empties the list and sets the next one up. Returns the messages to show,
    // in order, before start(). Throws data::DatabaseError when the tables cannot be read.
    QStringList prepare(const HighScoreSetup &setup);
    void start();
    // Ticks stop and resume where they were.
    void pause();
    void resume();
    bool isActive() const { return m_timer.isActive(); }
    // One slice: names until about sliceMs have passed (at least 55). False once finished.
    bool tick();

    qint64 total() const { return m_total; }
    qint64 computed() const { return m_computed; }
    int listed() const { return m_listed; }
    int threshold() const { return m_threshold; }
    bool isFinished() const { return m_finished; }
    void setSliceMs(int ms) { m_sliceMs = ms; }
    // Lists every name of a prepared run, to see the whole enumeration in its order.
    void listEveryName() { m_threshold = 0; }

signals:
    void progressed();
    // Once per run: the list is sorted.
    void finished();
    // An error inside a tick: the run stops and reports once.
    void failed(const QString &message);

private:
    void step(std::vector<numerology::ScoredName> &batch);
    void finish();

    CandidateListModel *m_list;
    numerology::CharacterTables &m_chars;
    numerology::LuckTables &m_luck;
    QTimer m_timer;
    int m_sliceMs = 8;

    // Set up once per run.
    QString m_s1, m_s2;
    int m_k1 = 0, m_k2 = 0;
    bool m_singleSurname = true;
    bool m_oneCharName = false;
    bool m_female = false;
    QString m_fixedFirst, m_fixedSecond;
    int m_fixedFirstCount = 0, m_fixedSecondCount = 0;
    std::vector<QString> m_letters; // L, the gender's common characters
    std::vector<int> m_counts;      // their Kangxi counts, 0 when unknown
    std::unique_ptr<numerology::ScoreTable> m_scores;
    int m_threshold = 95;

    // Cursors.
    size_t m_i = 0, m_j = 0;
    qint64 m_total = 0;
    qint64 m_computed = 0;
    int m_listed = 0;
    bool m_finished = true;
    bool m_reported = false;
};

} // namespace qiming::generation
