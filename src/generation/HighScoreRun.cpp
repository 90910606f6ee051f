#include "generation/HighScoreRun.h"

#include "data/DatabaseError.h"
#include "data/LazyRowSet.h"
#include "numerology/CharacterTables.h"
#include "numerology/Homophones.h"
#include "numerology/NameScore.h"
#include "numerology/Pinyin.h"
#include "numerology/SharedNumerology.h"

#include <QElapsedTimer>

namespace qiming::generation {

namespace {

constexpr int kMinimumSteps = 55;

int countOf(numerology::CharacterTables &chars, const QString &ch)
{
    bool ok = false;
    const int n = chars.kangxiStrokesOf(ch).toInt(&ok);
    return ok ? n : 0;
}

} // namespace

HighScoreRun::HighScoreRun(CandidateListModel *list, numerology::CharacterTables &chars,
                           numerology::LuckTables &luck, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_chars(chars)
    , m_luck(luck)
{
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &HighScoreRun::tick);
}

HighScoreRun::~HighScoreRun() = default;

QStringList HighScoreRun::prepare(const HighScoreSetup &setup)
{
    // A run still going would tick on under the set-up's messages.
    m_timer.stop();
    m_finished = true;

    m_fixedFirst = setup.fixedChar.isEmpty() || setup.fixedPosition != 1 ? QString() : setup.fixedChar;
    m_fixedSecond = setup.fixedChar.isEmpty() || setup.fixedPosition != 2 ? QString() : setup.fixedChar;
    m_oneCharName = setup.givenNameLength == 1;

    // L: column zi of the gender's common characters joined with 五行.
    const bool girl = setup.gender == QLatin1String("nv");
    m_letters.clear();
    m_counts.clear();
    if (m_oneCharName && !m_fixedFirst.isEmpty()) {
        m_letters.push_back(m_fixedFirst);
    } else {
        const QString query = girl ? QStringLiteral("select * from 女常用字 left join 五行 on 女常用字.字=五行.zi")
                                   : QStringLiteral("select * from 男常用字 left join 五行 on 男常用字.字=五行.zi");
        const data::RowSet rows = data::RowSet::load(m_luck.database(), query);
        const int zi = rows.columnIndex(QStringLiteral("zi"));
        for (int r = 0; r < rows.rowCount(); ++r)
            m_letters.push_back(rows.value(r, zi));
    }
    for (const QString &ch : m_letters)
        m_counts.push_back(countOf(m_chars, ch));
    const qint64 n = qint64(m_letters.size());

    m_list->clear();
    m_s1 = setup.surname.left(1);
    m_s2 = setup.surname.size() == 1 ? QString() : setup.surname.mid(1, 1);
    m_k1 = countOf(m_chars, m_s1);
    m_k2 = m_s2.isEmpty() ? 0 : countOf(m_chars, m_s2);
    m_fixedFirstCount = m_fixedFirst.isEmpty() ? 0 : countOf(m_chars, m_fixedFirst);
    m_fixedSecondCount = m_fixedSecond.isEmpty() ? 0 : countOf(m_chars, m_fixedSecond);
    m_singleSurname = setup.surname.size() == 1;
    m_female = girl;
    m_scores = std::make_unique<numerology::ScoreTable>(m_luck);
    prepareHomophoneFilter(setup.surname);
    if (m_oneCharName)
        m_total = m_fixedFirst.isEmpty() ? n : 1;
    else
        m_total = m_fixedFirst.isEmpty() && m_fixedSecond.isEmpty() ? n * n : n;
    m_list->setIdentity({m_singleSurname, m_oneCharName, girl ? QStringLiteral("nv") : QStringLiteral("nan")});

    m_i = m_j = 0;
    m_computed = 0;
    m_listed = 0;
    m_leftOut = 0;
    m_threshold = 95;
    QStringList messages;
    if (m_oneCharName) {
        messages << QStringLiteral("单名模式可能比较少高分名字，将全部显示！");
        m_threshold = 0;
    }
    if (!setup.fixedChar.isEmpty()) {
        messages << QStringLiteral("您设置了指定字，将全部显示！");
        m_threshold = 0;
    }
    m_finished = false;
    m_reported = false;
    emit progressed();
    return messages;
}

void HighScoreRun::prepareHomophoneFilter(const QString &surname)
{
    m_homophones = std::make_unique<numerology::HomophoneTable>(numerology::HomophoneTable::load(m_luck.database()));
    const QStringList surnameReading = m_chars.surnameReading(surname);
    m_surnameCodes[0] = numerology::markedSyllableCode(surnameReading.value(0));
    m_surnameCodes[1] = numerology::markedSyllableCode(surnameReading.value(1));
    const auto codeOf = [this](const QString &ch) {
        return ch.isEmpty() ? 0 : numerology::markedSyllableCode(m_chars.givenReading(ch).value(0));
    };
    m_codes.clear();
    for (const QString &ch : m_letters)
        m_codes.push_back(codeOf(ch));
    m_fixedFirstCode = codeOf(m_fixedFirst);
    m_fixedSecondCode = codeOf(m_fixedSecond);
    m_pairCodes.clear();
    const QHash<QString, QStringList> &readings = m_chars.givenNameReadings();
    for (auto it = readings.begin(); it != readings.end(); ++it) {
        if (it.key().size() != 2 || it.value().size() != 2)
            continue;
        const quint32 key = quint32(it.key().at(0).unicode()) << 16 | it.key().at(1).unicode();
        m_pairCodes[key] = {numerology::markedSyllableCode(it.value().at(0)),
                            numerology::markedSyllableCode(it.value().at(1))};
    }
}

bool HighScoreRun::soundsBad(const QString &g1, quint64 c1, const QString &g2, quint64 c2) const
{
    quint64 codes[4];
    int n = 0;
    codes[n++] = m_surnameCodes[0];
    if (!m_singleSurname)
        codes[n++] = m_surnameCodes[1];
    if (!m_pairCodes.empty() && !g1.isEmpty() && !g2.isEmpty()) {
        const auto it = m_pairCodes.find(quint32(g1.at(0).unicode()) << 16 | g2.at(0).unicode());
        if (it != m_pairCodes.end()) {
            c1 = it->second.first;
            c2 = it->second.second;
        }
    }
    codes[n++] = c1;
    if (!m_oneCharName)
        codes[n++] = c2;
    return m_homophones->hasStrong(codes, n, m_singleSurname ? 1 : 2);
}

void HighScoreRun::start()
{
    if (!m_finished)
        m_timer.start();
}

void HighScoreRun::pause()
{
    m_timer.stop();
}

void HighScoreRun::resume()
{
    if (!m_finished)
        m_timer.start();
}

void HighScoreRun::step(std::vector<numerology::ScoredName> &batch)
{
    // Only counts and pointers per name: the texts are made for listed names alone.
    static const QString none;
    const QString *g1 = &none;
    const QString *g2 = &none;
    int t1 = 0, t2 = 0;
    quint64 c1 = 0, c2 = 0;
    const auto take = [this](size_t k, const QString *&g, int &t, quint64 &c) {
        g = &m_letters[k];
        t = m_counts[k];
        c = m_codes[k];
    };
    if (m_oneCharName) {
        if (!m_fixedFirst.isEmpty()) {
            g1 = &m_fixedFirst;
            t1 = m_fixedFirstCount;
            c1 = m_fixedFirstCode;
        } else {
            take(m_i, g1, t1, c1);
        }
        ++m_i;
    } else if (!m_fixedFirst.isEmpty()) {
        g1 = &m_fixedFirst;
        t1 = m_fixedFirstCount;
        c1 = m_fixedFirstCode;
        take(m_i++, g2, t2, c2);
    } else if (!m_fixedSecond.isEmpty()) {
        take(m_i++, g1, t1, c1);
        g2 = &m_fixedSecond;
        t2 = m_fixedSecondCount;
        c2 = m_fixedSecondCode;
    } else {
        take(m_i, g1, t1, c1);
        take(m_j, g2, t2, c2);
        if (++m_j == m_letters.size()) {
            m_j = 0;
            ++m_i;
        }
    }
    const numerology::FiveGrids grids = numerology::computeFiveGrids(m_k1, m_k2, t1, t2);
    const int score = m_scores->score(grids, m_female);
    // Only a name that qualifies is matched against the 谐音 list: a few hash look-ups.
    if (score >= m_threshold && soundsBad(*g1, c1, *g2, c2)) {
        ++m_leftOut;
    } else if (score >= m_threshold) {
        const QString fullName = m_s1 + m_s2 + *g1 + *g2;
        const numerology::NameAttributes a = m_chars.lookupFullName(fullName, m_singleSurname, m_oneCharName);
        batch.push_back({fullName, a.pinyin, a.elements, a.simplifiedStrokes, a.kangxiStrokes,
                         numerology::fiveGridsText(grids), QString::number(score),
                         m_female ? QStringLiteral("nv") : QStringLiteral("nan"), m_singleSurname ? 1 : 2});
        ++m_listed;
    }
    ++m_computed;
}

bool HighScoreRun::tick()
{
    if (m_finished)
        return false;
    std::vector<numerology::ScoredName> batch;
    try {
        QElapsedTimer clock;
        clock.start();
        int steps = 0;
        while (m_computed < m_total && (steps < kMinimumSteps || clock.elapsed() < m_sliceMs)) {
            // Checking the clock costs more than a name: look every 64 names.
            for (int k = 0; k < 64 && m_computed < m_total; ++k, ++steps)
                step(batch);
        }
    } catch (const std::exception &e) {
        m_timer.stop();
        m_finished = true;
        m_list->appendCandidates(std::move(batch));
        emit failed(data::errorText(e));
        return false;
    }
    m_list->appendCandidates(std::move(batch));
    emit progressed();
    if (m_computed >= m_total) {
        finish();
        return false;
    }
    return true;
}

void HighScoreRun::finish()
{
    m_timer.stop();
    m_finished = true;
    m_list->sortByScore();
    if (!m_reported) {
        m_reported = true;
        emit finished();
    }
}

} // namespace qiming::generation
