// The character-set run of custom and poetry mode: every given name that can be formed from
// the dictionary characters of a text, scored and listed unfiltered, in timer slices. One run
// is shared by both modes; starting it for one list ends it for the other.
#pragma once

#include "generation/CandidateListModel.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

namespace qiming::numerology {
class CharacterTables;
class LuckTables;
}

namespace qiming::generation {

// What a run takes from the profile when it starts and keeps until it ends.
struct CharSetSetup {
    QString surname;
    int givenNameLength = 2;
    QString gender; // "nan" or "nv"
};

// The dictionary characters of a text in order, each kept at its last occurrence only.
QStringList extractCharacters(const QString &text, numerology::CharacterTables &chars);

class CharSetRun final : public QObject {
    Q_OBJECT
public:
    CharSetRun(numerology::CharacterTables &chars, numerology::LuckTables &luck, QObject *parent = nullptr);
    ~CharSetRun() override;

    // Ends any run (its list keeps its rows), empties target and starts over on text.
    // Throws data::DatabaseError when the tables cannot be read.
    void start(const QString &text, CandidateListModel *target, const CharSetSetup &setup);
    // Ticks stop and resume where they were; neither does anything once the run has ended.
    void pause();
    void resume();

    bool isActive() const { return m_timer.isActive(); }
    bool isPaused() const { return !m_finished && !m_timer.isActive(); }
    bool isFinished() const { return m_finished; }
    CandidateListModel *target() const { return m_target; }
    const QStringList &characters() const { return m_letters; }
    qint64 total() const { return m_total; }
    qint64 computed() const { return m_computed; }

    // One slice: names until about sliceMs have passed (at least 55). False once finished.
    bool tick();
    void setSliceMs(int ms) { m_sliceMs = ms; }

signals:
    // Active, paused or ended: the pause buttons follow.
    void stateChanged();
    // Once per run that ends by itself, with the number of names in its list (0: none listed).
    void finished(CandidateListModel *target, int count);
    // An error inside a slice: the run stops and reports once.
    void failed(CandidateListModel *target, const QString &message);

private:
    void finish();

    numerology::CharacterTables &m_chars;
    numerology::LuckTables &m_luck;
    QTimer m_timer;
    int m_sliceMs = 8;

    QPointer<CandidateListModel> m_target;
    QString m_surname;
    bool m_singleSurname = true;
    bool m_oneCharName = false;
    QString m_gender;
    QStringList m_letters; // A (and B, the same list, for a two-character name)
    qint64 m_total = 0;
    qint64 m_computed = 0;
    bool m_finished = true;
};

} // namespace qiming::generation
