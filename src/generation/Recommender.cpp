#include "generation/Recommender.h"

#include "data/Database.h"
#include "data/RowSet.h"
#include "numerology/CharacterTables.h"
#include "numerology/FiveGrids.h"
#include "numerology/Homophones.h"
#include "numerology/NameCheck.h"
#include "numerology/NameScore.h"
#include "numerology/Pinyin.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <deque>

namespace qiming::generation {

namespace {

// Reasons a figure rests on, as bits: the texts are made for listed names only.
enum Reason : quint32 {
    kLibraryContemporary = 1u << 0,
    kLibraryClassic = 1u << 1,
    kLibraryDated = 1u << 2,
    kVerseLine = 1u << 3,
    kWord = 1u << 4,
    kMeaningWord = 1u << 5,
    kGoodTones = 1u << 6,
    kFavoured1 = 1u << 7,
    kFavoured2 = 1u << 8,
};

// Points for evidence counted on a log scale: 1 occurrence gives a little, `full` gives max.
int logPoints(int count, int full, int max)
{
    if (count <= 0)
        return 0;
    const double share = std::log1p(double(count)) / std::log1p(double(full));
    return int(std::lround(std::min(1.0, share) * max));
}

// Second characters that date a name: the endings of the names of 1950-1990.
constexpr char16_t kDatedEndings[] = u"德霞芳华英兰梅芬娟珍凤萍燕红伟强刚勇军国辉涛琼文秀明";
// Characters anywhere in a name that place it in the 1970s-90s.
constexpr char16_t kDatedCharacters[] = u"美志鹏宏峰惠淑丽秀桂建";

bool isLevelTone(int tone)
{
    return tone == 1 || tone == 2;
}

QString toneWord(int tone)
{
    return isLevelTone(tone) ? QStringLiteral("平") : QStringLiteral("仄");
}

} // namespace

const RecommendWeights &RecommendWeights::standard()
{
    static const RecommendWeights weights;
    return weights;
}

struct Recommender::Run {
    RecommendSetup setup;
    bool female = false;
    bool singleSurname = true;
    bool oneChar = false;
    int k1 = 0, k2 = 0;
    quint64 surnameCodes[2] = {0, 0};
    int surnameTone = 0;
    // Initials and finals as small numbers (0: none), so the figure compares no text.
    int surnameInitial = 0, surnameFinal = 0;
    // The characters a name may take, and what the figure needs of each, by index.
    std::vector<QString> letters;
    std::vector<int> counts;
    std::vector<quint64> codes;
    std::vector<int> tones;
    std::vector<int> initials, finals;
    std::vector<bool> usable;
    std::vector<bool> favoured;
    int fixed = -1; // index of the fixed character, or -1
    std::vector<bool> inSurname;
};

struct Recommender::Candidate {
    int first;
    int second; // -1 for a one-character name
    int score;
    int recommend;
    quint32 reasons;
};

Recommender::Recommender(numerology::CharacterTables &chars, const numerology::ScoreTable &scores,
                         const numerology::HomophoneTable &homophones, const NameEvidence &evidence,
                         const RecommendWeights &weights)
    : m_chars(chars)
    , m_scores(scores)
    , m_homophones(homophones)
    , m_evidence(evidence)
    , m_weights(weights)
{
}

Recommender::~Recommender() = default;

void Recommender::prepare(Run &run, const RecommendSetup &setup, const QStringList &letters)
{
    run.setup = setup;
    run.female = setup.gender == QLatin1String("nv");
    run.singleSurname = setup.surname.size() == 1;
    run.oneChar = setup.givenLength == 1;
    const auto countOf = [this](const QString &ch) {
        bool ok = false;
        const int n = m_chars.kangxiStrokesOf(ch).toInt(&ok);
        return ok ? n : 0;
    };
    run.k1 = countOf(setup.surname.left(1));
    run.k2 = run.singleSurname ? 0 : countOf(setup.surname.mid(1, 1));
    const QStringList surnameReading = m_chars.surnameReading(setup.surname);
    run.surnameCodes[0] = numerology::markedSyllableCode(surnameReading.value(0));
    run.surnameCodes[1] = numerology::markedSyllableCode(surnameReading.value(1));
    const numerology::Syllable last = numerology::parseMarkedSyllable(surnameReading.value(run.singleSurname ? 0 : 1));
    run.surnameTone = last.tone;
    QHash<QString, int> soundIds{{QString(), 0}};
    const auto soundId = [&soundIds](const QString &sound) {
        return *soundIds.insert(sound, soundIds.value(sound, int(soundIds.size())));
    };
    run.surnameInitial = soundId(numerology::initialOf(last.letters));
    run.surnameFinal = soundId(numerology::finalOf(last.letters));

    QStringList all = letters;
    if (!setup.fixedChar.isEmpty()) {
        run.fixed = int(all.indexOf(setup.fixedChar));
        if (run.fixed < 0) {
            all << setup.fixedChar;
            run.fixed = int(all.size()) - 1;
        }
    }
    for (const QString &ch : all) {
        run.letters.push_back(ch);
        run.counts.push_back(countOf(ch));
        const QString reading = m_chars.givenReading(ch).value(0);
        run.codes.push_back(numerology::markedSyllableCode(reading));
        const numerology::Syllable s = numerology::parseMarkedSyllable(reading);
        run.tones.push_back(s.tone);
        run.initials.push_back(soundId(numerology::initialOf(s.letters)));
        run.finals.push_back(soundId(numerology::finalOf(s.letters)));
        const QChar c = ch.at(0);
        const bool avoided = std::any_of(setup.avoid.begin(), setup.avoid.end(), [c](QChar a) { return a == c; });
        run.usable.push_back(!m_evidence.character(c).unfit && !avoided);
        run.inSurname.push_back(setup.surname.contains(c));
        const QString element = m_chars.lookupHanzi(ch).element;
        run.favoured.push_back(!element.isEmpty() && setup.favouredElements.contains(element));
    }
    // The fixed character was chosen by the parent: it stays usable whatever 字义 says.
    if (run.fixed >= 0)
        run.usable[size_t(run.fixed)] = true;
}

int Recommender::figureOf(const Run &run, int first, int second, int score, quint32 *reasonBits) const
{
    const RecommendWeights &w = m_weights;
    quint32 bits = 0;
    int figure = w.base + std::max(0, score - run.setup.minScore) * w.scorePerPoint / 2;

    const QChar a = run.letters[size_t(first)].at(0);
    const CharacterEvidence &ea = m_evidence.character(a);
    const auto standing = [&w](const CharacterEvidence &e) {
        int points = e.functionWord ? w.functionWord : 0;
        if (e.level == 2)
            points += w.secondLevel;
        else if (e.level != 1)
            points += w.rareCharacter;
        return points;
    };
    figure += standing(ea);
    if (run.inSurname[size_t(first)] || (second >= 0 && run.inSurname[size_t(second)]))
        figure += w.repeatsSurname;
    if (run.favoured[size_t(first)]) {
        bits |= kFavoured1;
        figure += w.favouredElement;
    }

    int lastTone = run.tones[size_t(first)];
    if (second >= 0) {
        const QChar b = run.letters[size_t(second)].at(0);
        figure += standing(m_evidence.character(b));
        if (run.favoured[size_t(second)] && !(bits & kFavoured1)) {
            bits |= kFavoured2;
            figure += w.favouredElement;
        }
        int evidence = 0;
        bool dated = false;
        const auto neutral = [&](quint8 genders) {
            if (genders != (kForBoys | kForGirls))
                return 0;
            return run.female ? w.libraryNeutralGirl : w.libraryNeutral;
        };
        if (const PairEvidence *p = m_evidence.pair(a, b)) {
            const quint8 wanted = run.female ? kForGirls : kForBoys;
            if (p->style != NameStyle::None) {
                if (!(p->genders & wanted)) {
                    evidence += w.libraryOtherGender;
                } else if (p->style == NameStyle::Contemporary) {
                    evidence += w.libraryContemporary + neutral(p->genders);
                    bits |= kLibraryContemporary;
                } else if (p->style == NameStyle::Classic) {
                    evidence += w.libraryClassic + neutral(p->genders);
                    bits |= kLibraryClassic;
                } else {
                    dated = true;
                    bits |= kLibraryDated;
                }
            }
            if (p->verseCounts && p->verseCount > 0) {
                evidence += logPoints(p->verseCount, 200, w.verseMax);
                if (p->verseRow >= 0) {
                    evidence += w.verseQuotable;
                    bits |= kVerseLine;
                }
            }
            if (p->wordFrequency > 0) {
                evidence += logPoints(p->wordFrequency, 5000, w.wordMax);
                bits |= kWord;
            }
            if (p->meaningWord) {
                evidence += w.meaningWord;
                bits |= kMeaningWord;
            }
        }
        figure += dated ? w.libraryDated : evidence == 0 ? w.noEvidence : std::min(evidence, w.evidenceCap);
        if (isAmong(kDatedEndings, b) && !(bits & kLibraryContemporary))
            figure += w.datedEnding;
        // Even names given since 2000 read a generation older with these.
        if (isAmong(kDatedCharacters, a) || isAmong(kDatedCharacters, b))
            figure += w.datedCharacter;

        // Sound: the surname's last syllable and the two given ones.
        const int t0 = run.surnameTone, t1 = run.tones[size_t(first)], t2 = run.tones[size_t(second)];
        lastTone = t2;
        if (t1 != 0 && t1 == t2)
            figure += t0 == t1 ? w.sameToneThrice : w.sameToneTwice;
        if (t0 && t1 && t2 && isLevelTone(t0) == isLevelTone(t1) && isLevelTone(t1) == isLevelTone(t2))
            figure += w.allOneClass;
        if (run.initials[size_t(first)] == run.initials[size_t(second)] && run.initials[size_t(first)] != 0
            && a != b)
            figure += w.rhymingPair;
        else if (run.finals[size_t(first)] == run.finals[size_t(second)] && a != b)
            figure += w.rhymingPair;
        const bool oneClass = isLevelTone(t0) == isLevelTone(t1) && isLevelTone(t1) == isLevelTone(t2);
        if (t0 && t1 && t2 && !oneClass && isLevelTone(t2))
            bits |= kGoodTones;
    }
    if (isLevelTone(lastTone))
        figure += w.levelEnding;
    if (run.surnameInitial != 0 && run.initials[size_t(first)] == run.surnameInitial)
        figure += w.sharedInitial;
    if (run.surnameFinal != 0 && run.finals[size_t(first)] == run.surnameFinal)
        figure += w.sharedFinal;

    *reasonBits = bits;
    return std::clamp(figure, 0, 100);
}

QStringList Recommender::reasonTexts(const Run &run, int first, int second, quint32 bits) const
{
    QStringList out;
    const QString g1 = run.letters[size_t(first)];
    const QString g2 = second >= 0 ? run.letters[size_t(second)] : QString();
    const PairEvidence *p = second >= 0 ? m_evidence.pair(g1.at(0), g2.at(0)) : nullptr;
    QString meaning;
    if (p && p->libraryRow >= 0) {
        // The library's own quotation first: it was chosen for this very name.
        const QString source = m_evidence.librarySource(p->libraryRow);
        const qsizetype colon = source.indexOf(QStringLiteral("：“"));
        if (colon > 0)
            out << QStringLiteral("诗词：出自") + source.left(colon) + source.mid(colon + 1);
        meaning = m_evidence.libraryMeaning(p->libraryRow);
    }
    if (out.isEmpty() && (bits & kVerseLine))
        out << QStringLiteral("诗词：出自%1“%2”")
                   .arg(m_evidence.verseSource(p->verseRow), m_evidence.verseLine(p->verseRow));
    if (bits & kLibraryContemporary)
        out << QStringLiteral("名字库：当代常见名");
    else if (bits & kLibraryClassic)
        out << QStringLiteral("名字库：经典名");
    else if (bits & kLibraryDated)
        out << QStringLiteral("名字库：旧式名，1950–1990 年代常见");
    if (bits & (kWord | kMeaningWord))
        out << ((bits & kWord) ? QStringLiteral("词语：“%1”是常用词语").arg(g1 + g2)
                               : QStringLiteral("词语：“%1”本是一个词").arg(g1 + g2));
    if (bits & (kFavoured1 | kFavoured2)) {
        const QString ch = (bits & kFavoured1) ? g1 : g2;
        out << QStringLiteral("喜用神：%1属%2，合八字所喜").arg(ch, m_chars.lookupHanzi(ch).element);
    }
    if (!meaning.isEmpty() && out.size() < 3)
        out << QStringLiteral("字义：") + meaning;
    if (out.size() < 3 && ((bits & kGoodTones) || out.isEmpty())) {
        QString pattern = toneWord(run.surnameTone) + toneWord(run.tones[size_t(first)]);
        if (second >= 0)
            pattern += toneWord(run.tones[size_t(second)]);
        out << ((bits & kGoodTones) ? QStringLiteral("音律：声调%1，平仄相间，读来响亮").arg(pattern)
                                    : QStringLiteral("音律：声调%1").arg(pattern));
    }
    return out.mid(0, 3);
}

std::vector<RankedName> Recommender::rank(const RecommendSetup &setup, int top)
{
    const bool girl = setup.gender == QLatin1String("nv");
    const data::RowSet rows = data::RowSet::load(m_chars.database(), girl ? QStringLiteral("select 字 from 女常用字")
                                                                         : QStringLiteral("select 字 from 男常用字"));
    QStringList letters;
    for (int r = 0; r < rows.rowCount(); ++r)
        if (rows.value(r, 0).size() == 1)
            letters << rows.value(r, 0);
    Run run;
    prepare(run, setup, letters);

    // Every name that passes the cuts, with its figure: integers only, no text.
    std::vector<Candidate> candidates;
    const int n = int(run.letters.size()) - (run.fixed >= int(letters.size()) ? 1 : 0);
    const auto consider = [&](int i, int j) {
        if (!run.usable[size_t(i)] || (j >= 0 && !run.usable[size_t(j)]))
            return;
        if (setup.preference == ElementPreference::Only && !setup.favouredElements.isEmpty()
            && !run.favoured[size_t(i)] && !(j >= 0 && run.favoured[size_t(j)]))
            return;
        const int score = m_scores.score(run.k1, run.k2, run.counts[size_t(i)], j >= 0 ? run.counts[size_t(j)] : 0,
                                         run.female);
        if (score < setup.minScore)
            return;
        quint32 bits = 0;
        const int figure = figureOf(run, i, j, score, &bits);
        candidates.push_back({i, j, score, figure, bits});
    };
    if (run.oneChar) {
        if (run.fixed >= 0)
            consider(run.fixed, -1);
        else
            for (int i = 0; i < n; ++i)
                consider(i, -1);
    } else if (run.fixed >= 0) {
        for (int k = 0; k < n; ++k)
            if (setup.fixedPosition == 2)
                consider(k, run.fixed);
            else
                consider(run.fixed, k);
    } else {
        candidates.reserve(size_t(n) * size_t(n) / 4);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                consider(i, j);
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate &x, const Candidate &y) {
        return x.recommend != y.recommend ? x.recommend > y.recommend : x.score > y.score;
    });

    // The best first, each checked by the full name check before it is listed; the spread
    // over what is listed.
    std::vector<RankedName> out;
    std::vector<std::pair<QChar, QChar>> keys;
    std::vector<const Candidate *> listed;
    const qsizetype wanted = top < 0 ? qsizetype(candidates.size()) : top;
    const int surnameLength = run.singleSurname ? 1 : 2;
    // Spread over a margin beyond what is shown, so the rows it moves up exist.
    const qsizetype pool = std::min<qsizetype>(qsizetype(candidates.size()), wanted * 4 + 200);
    for (const Candidate &c : candidates) {
        if (qsizetype(listed.size()) >= pool)
            break;
        quint64 codes[4] = {run.surnameCodes[0], run.surnameCodes[1], 0, 0};
        int count = surnameLength;
        codes[count++] = run.codes[size_t(c.first)];
        if (c.second >= 0)
            codes[count++] = run.codes[size_t(c.second)];
        if (m_homophones.hasStrong(codes, count, surnameLength))
            continue;
        listed.push_back(&c);
        keys.emplace_back(run.letters[size_t(c.first)].at(0),
                          c.second >= 0 ? run.letters[size_t(c.second)].at(0) : QChar());
    }
    const std::vector<int> order = spreadOrder(keys, int(std::min<qsizetype>(wanted, qsizetype(keys.size()))));
    for (int index : order) {
        if (qsizetype(out.size()) >= wanted)
            break;
        const Candidate &c = *listed[size_t(index)];
        const QString given = run.letters[size_t(c.first)] + (c.second >= 0 ? run.letters[size_t(c.second)] : QString());
        // The whole check only for what is shown: a strong finding leaves the name out.
        if (numerology::checkName(m_chars.database(), m_chars, m_homophones, setup.surname, given).hasStrong())
            continue;
        RankedName r;
        r.given = given;
        r.score = c.score;
        r.recommend = c.recommend;
        r.pinyin = m_chars.lookupFullName(setup.surname + given, run.singleSurname, run.oneChar).pinyin;
        r.reasons = reasonTexts(run, c.first, c.second, c.reasons);
        out.push_back(std::move(r));
    }
    return out;
}

RankedName Recommender::judge(const RecommendSetup &setup, const QString &given, int score)
{
    Run run;
    RecommendSetup one = setup;
    one.givenLength = int(given.size());
    one.fixedChar.clear();
    prepare(run, one, given.size() == 2 ? QStringList{given.left(1), given.mid(1, 1)} : QStringList{given});
    RankedName r;
    r.given = given;
    r.score = score;
    if (!run.usable[0] || (given.size() == 2 && !run.usable[1])) {
        r.recommend = -1;
        return r;
    }
    quint32 bits = 0;
    r.recommend = figureOf(run, 0, given.size() == 2 ? 1 : -1, std::max(score, one.minScore), &bits);
    r.reasons = reasonTexts(run, 0, given.size() == 2 ? 1 : -1, bits);
    return r;
}

std::vector<int> spreadOrder(const std::vector<std::pair<QChar, QChar>> &rows, int count, int window, int most)
{
    // How far ahead a row may be brought forward: enough for any one character to wait out
    // a crowded stretch, little enough to keep the order's spirit.
    constexpr size_t kLookahead = 600;
    const int n = int(rows.size());
    count = std::clamp(count, 0, n);
    std::vector<int> order;
    order.reserve(size_t(n));
    // Counts over the last window-1 rows placed: with the next row, they make a window.
    std::vector<quint8> firsts(65536), seconds(65536);
    std::deque<int> waiting;
    int next = 0;
    const auto fits = [&](int r) {
        return firsts[rows[size_t(r)].first.unicode()] < most
               && (rows[size_t(r)].second.isNull() || seconds[rows[size_t(r)].second.unicode()] < most);
    };
    const auto place = [&](int r) {
        order.push_back(r);
        ++firsts[rows[size_t(r)].first.unicode()];
        if (!rows[size_t(r)].second.isNull())
            ++seconds[rows[size_t(r)].second.unicode()];
        if (int(order.size()) >= window) {
            const auto &gone = rows[size_t(order[order.size() - size_t(window)])];
            --firsts[gone.first.unicode()];
            if (!gone.second.isNull())
                --seconds[gone.second.unicode()];
        }
    };
    while (int(order.size()) < count) {
        int chosen = -1;
        for (auto it = waiting.begin(); it != waiting.end(); ++it) {
            if (fits(*it)) {
                chosen = *it;
                waiting.erase(it);
                break;
            }
        }
        while (chosen < 0 && next < n && waiting.size() < kLookahead) {
            if (fits(next))
                chosen = next;
            else
                waiting.push_back(next);
            ++next;
        }
        if (chosen < 0) {
            if (waiting.empty())
                break;
            chosen = waiting.front();
            waiting.pop_front();
        }
        place(chosen);
    }
    order.insert(order.end(), waiting.begin(), waiting.end());
    for (; next < n; ++next)
        order.push_back(next);
    return order;
}

} // namespace qiming::generation
