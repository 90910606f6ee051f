#include "generation/NameEvidence.h"

#include "data/Database.h"
#include "data/PerConnection.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QSet>

namespace qiming::generation {

namespace {

constexpr char16_t kFunctionWords[] = u"所谓之且兮乎者也矣焉哉而其以于乃夫曰耳哉兹彼此何";
// Directions and the words of address verse is full of: a pair made of them is a phrase of
// the poem (南北 东西 君家 吾子), not a name.
constexpr char16_t kDirections[] = u"东南西北上下左右前后中内外";
constexpr char16_t kAddress[] = u"君卿尔汝吾我余妾侬朕公";

// jieba's parts of speech that make a word no evidence for a name.
const QSet<QString> &excludedPartsOfSpeech()
{
    static const QSet<QString> tags{
        QStringLiteral("ns"), QStringLiteral("nr"), QStringLiteral("nrt"), QStringLiteral("nrfg"),
        QStringLiteral("nt"), QStringLiteral("t"),  QStringLiteral("tg"),  QStringLiteral("f"),
        QStringLiteral("s"),  QStringLiteral("r"),  QStringLiteral("rr"),  QStringLiteral("rz"),
        QStringLiteral("m"),  QStringLiteral("mq"), QStringLiteral("q"),   QStringLiteral("p"),
        QStringLiteral("c"),  QStringLiteral("u"),  QStringLiteral("ug"),  QStringLiteral("uj"),
        QStringLiteral("ul"), QStringLiteral("uv"), QStringLiteral("uz"),  QStringLiteral("y"),
        QStringLiteral("e"),  QStringLiteral("o"),  QStringLiteral("x"),   QStringLiteral("eng")};
    return tags;
}

bool twoBmpCharacters(const QString &s)
{
    return s.size() == 2 && !s.at(0).isSurrogate() && !s.at(1).isSurrogate();
}

} // namespace

NameEvidence::NameEvidence()
    : m_chars(65536)
{
}

NameEvidence::NameEvidence(data::Database &db)
    : NameEvidence()
{
    for (QChar ch : QStringView(kFunctionWords))
        m_chars[ch.unicode()].functionWord = true;
    loadLevels(db);
    loadMeanings(db);
    loadWords(db); // before the verses: a verse pair that is a place name does not count
    loadVerses(db);
    loadLibrary(db);
}

bool NameEvidence::isFunctionWord(QChar ch)
{
    return isAmong(kFunctionWords, ch);
}

bool NameEvidence::wordCountsForName(const QString &word, const QString &partOfSpeech)
{
    if (excludedPartsOfSpeech().contains(partOfSpeech))
        return false;
    // 亭子 桌子 石头 鸟儿: everyday nouns made with a suffix.
    const QChar last = word.back();
    if (partOfSpeech.startsWith(u'n') && (last == u'子' || last == u'儿' || last == u'头'))
        return false;
    return true;
}

bool NameEvidence::versePairCountsForName(QChar first, QChar second)
{
    if (isAmong(kAddress, first) || isAmong(kAddress, second))
        return false;
    if (isAmong(kDirections, first) && isAmong(kDirections, second))
        return false;
    return !isFunctionWord(first) && !isFunctionWord(second);
}

int NameEvidence::addLibraryTexts(const QString &meaning, const QString &source)
{
    m_libraryMeanings << meaning;
    m_librarySources << source;
    return int(m_libraryMeanings.size()) - 1;
}

int NameEvidence::addVerse(const QString &line, const QString &source)
{
    m_verseLines << line;
    m_verseSources << source;
    return int(m_verseLines.size()) - 1;
}

void NameEvidence::loadLevels(data::Database &db)
{
    if (!db.hasTable(QStringLiteral("用字")))
        return;
    const data::RowSet rows = data::RowSet::load(db, QStringLiteral("select zi, 级别 from 用字 where 级别 <> ''"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString zi = rows.value(r, 0);
        if (zi.size() == 1)
            m_chars[zi.at(0).unicode()].level = quint8(rows.value(r, 1).toInt());
    }
}

void NameEvidence::loadMeanings(data::Database &db)
{
    if (!db.hasTable(QStringLiteral("字义")))
        return;
    const data::RowSet rows = data::RowSet::load(db, QStringLiteral("select zi, 寓意, 词语 from 字义"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString zi = rows.value(r, 0);
        if (zi.size() != 1)
            continue;
        if (rows.value(r, 1).startsWith(QStringLiteral("不宜用于取名")))
            m_chars[zi.at(0).unicode()].unfit = true;
        for (const QString &word : rows.value(r, 2).split(u'、', Qt::SkipEmptyParts))
            if (twoBmpCharacters(word))
                editPair(word.at(0), word.at(1)).meaningWord = true;
    }
}

void NameEvidence::loadWords(data::Database &db)
{
    if (!db.hasTable(QStringLiteral("词语")))
        return;
    const data::RowSet rows = data::RowSet::load(db, QStringLiteral("select 词, 词频, 词性 from 词语"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString word = rows.value(r, 0);
        if (!twoBmpCharacters(word))
            continue;
        PairEvidence &p = editPair(word.at(0), word.at(1));
        // -1 marks a place, person or time word until the verses are read.
        p.wordFrequency = wordCountsForName(word, rows.value(r, 2)) ? std::max(1, rows.value(r, 1).toInt()) : -1;
    }
}

void NameEvidence::loadVerses(data::Database &db)
{
    if (!db.hasTable(QStringLiteral("诗词搭配")))
        return;
    const data::RowSet rows = data::RowSet::load(db, QStringLiteral("select 字对, 次数, 诗句, 出处 from 诗词搭配"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString pair = rows.value(r, 0);
        if (!twoBmpCharacters(pair))
            continue;
        PairEvidence &p = editPair(pair.at(0), pair.at(1));
        p.verseCount = rows.value(r, 1).toInt();
        p.verseCounts = p.wordFrequency >= 0 && versePairCountsForName(pair.at(0), pair.at(1));
        if (!rows.value(r, 2).isEmpty())
            p.verseRow = addVerse(rows.value(r, 2), rows.value(r, 3));
    }
    // The word list's marks are done with.
    for (auto &[key, p] : m_pairs)
        if (p.wordFrequency < 0)
            p.wordFrequency = 0;
}

void NameEvidence::loadLibrary(data::Database &db)
{
    if (!db.hasTable(QStringLiteral("名字库")))
        return;
    const data::RowSet rows =
        data::RowSet::load(db, QStringLiteral("select 名字, 性别, 风格, 寓意, 出处 from 名字库"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString name = rows.value(r, 0);
        if (!twoBmpCharacters(name))
            continue;
        PairEvidence &p = editPair(name.at(0), name.at(1));
        const QString gender = rows.value(r, 1);
        p.genders = gender == QStringLiteral("男")   ? quint8(kForBoys)
                    : gender == QStringLiteral("女") ? quint8(kForGirls)
                                                     : quint8(kForBoys | kForGirls);
        const QString style = rows.value(r, 2);
        p.style = style == QStringLiteral("当代")   ? NameStyle::Contemporary
                  : style == QStringLiteral("经典") ? NameStyle::Classic
                                                    : NameStyle::Dated;
        p.libraryRow = addLibraryTexts(rows.value(r, 3), rows.value(r, 4));
    }
}

const NameEvidence &sharedNameEvidence()
{
    static data::PerConnection<NameEvidence> evidence;
    return evidence.get(data::sharedDatabase(), [](data::Database &db) { return NameEvidence(db); });
}

} // namespace qiming::generation
