#include "generation/CharSetRun.h"

#include "data/DatabaseError.h"
#include "numerology/CharacterTables.h"
#include "numerology/SharedNumerology.h"

#include <QElapsedTimer>
#include <QSet>

#include <algorithm>

namespace qiming::generation {

namespace {

constexpr int kMinimumSteps = 55;

} // namespace

QStringList extractCharacters(const QString &text, numerology::CharacterTables &chars)
{
    // Read from the end so that the first sighting is the last occurrence, then turned round.
    QStringList reversed;
    QSet<QChar> seen;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (seen.contains(c) || !chars.isAllInDictionary(QString(c)))
            continue;
        seen.insert(c);
        reversed << QString(c);
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

CharSetRun::CharSetRun(numerology::CharacterTables &chars, numerology::LuckTables &luck, QObject *parent)
    : QObject(parent)
    , m_chars(chars)
    , m_luck(luck)
{
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &CharSetRun::tick);
}

CharSetRun::~CharSetRun() = default;

void CharSetRun::start(const QString &text, CandidateListModel *target, const CharSetSetup &setup)
{
    // The run of the other list ends here; that list keeps what it has.
    m_timer.stop();
    m_finished = true;
    m_target = target;
    target->clear();
    target->writeCandidateHeader();

    m_letters = extractCharacters(text, m_chars);
    m_surname = setup.surname;
    m_singleSurname = setup.surname.size() == 1;
    m_oneCharName = setup.givenNameLength == 1;
    m_gender = setup.gender == QLatin1String("nv") ? QStringLiteral("nv") : QStringLiteral("nan");
    const qint64 n = m_letters.size();
    m_total = m_oneCharName ? n : n * n;
    m_computed = 0;
    target->setIdentity({m_singleSurname, m_oneCharName, m_gender});

    m_finished = false;
    m_timer.start();
    emit stateChanged();
}

void CharSetRun::pause()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    emit stateChanged();
}

void CharSetRun::resume()
{
    if (m_finished || m_timer.isActive())
        return;
    m_timer.start();
    emit stateChanged();
}

bool CharSetRun::tick()
{
    if (m_finished)
        return false;
    if (!m_target) { // the list went away under the run
        finish();
        return false;
    }
    std::vector<numerology::ScoredName> batch;
    try {
        QElapsedTimer clock;
        clock.start();
        int steps = 0;
        const qint64 n = m_letters.size();
        while (m_computed < m_total && (steps < kMinimumSteps || clock.elapsed() < m_sliceMs)) {
            for (int k = 0; k < 16 && m_computed < m_total; ++k, ++steps) {
                // Row (p − 1) × n + q: the pairs in the order of A, then of B.
                const QString given = m_oneCharName ? m_letters.at(m_computed)
                                                    : m_letters.at(m_computed / n) + m_letters.at(m_computed % n);
                batch.push_back(numerology::scoreFullName(m_chars, m_luck, m_surname + given, m_singleSurname,
                                                          m_oneCharName, m_gender));
                ++m_computed;
            }
        }
    } catch (const std::exception &e) {
        m_timer.stop();
        m_finished = true;
        CandidateListModel *target = m_target;
        target->appendCandidates(std::move(batch));
        emit stateChanged();
        emit failed(target, data::errorText(e));
        return false;
    }
    m_target->appendCandidates(std::move(batch));
    if (m_computed >= m_total) {
        finish();
        return false;
    }
    return true;
}

void CharSetRun::finish()
{
    m_timer.stop();
    m_finished = true;
    emit stateChanged();
    if (m_target)
        emit finished(m_target, m_target->size());
}

} // namespace qiming::generation
