// The high-score run: every given name from the gender's common characters, scored, the
// qualifying ones listed; advanced in timer ticks so that the window stays usable.
#pragma once

#include "generation/CandidateListModel.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <unordered_map>
#include <vector>

namespace qiming::numerology {
class CharacterTables;
class HomophoneTable;
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
    // Names that qualified by score but read tone for tone like a 谐音 entry, and were left out.
    qint64 homophonesLeftOut() const { return m_leftOut; }
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
    void prepareHomophoneFilter(const QString &surname);
    bool soundsBad(const QString &g1, quint64 c1, const QString &g2, quint64 c2) const;
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
    // The homophone filter: the syllable codes of the surname, of L and the fixed characters
    // (each read alone), and of the two-character names 名读音 reads otherwise.
    std::unique_ptr<numerology::HomophoneTable> m_homophones;
    quint64 m_surnameCodes[2] = {0, 0};
    std::vector<quint64> m_codes;
    quint64 m_fixedFirstCode = 0, m_fixedSecondCode = 0;
    std::unordered_map<quint32, std::pair<quint64, quint64>> m_pairCodes; // by the two UTF-16 units
    int m_threshold = 95;

    // Cursors.
    size_t m_i = 0, m_j = 0;
    qint64 m_total = 0;
    qint64 m_computed = 0;
    int m_listed = 0;
    qint64 m_leftOut = 0;
    bool m_finished = true;
    bool m_reported = false;
};

} // namespace qiming::generation
