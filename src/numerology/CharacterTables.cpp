#include "numerology/CharacterTables.h"

#include "data/Database.h"
#include "data/Schema.h"
#include "numerology/Pinyin.h"
#include "numerology/Random.h"

#include <QStringList>

namespace qiming::numerology {

namespace {

// Column positions of the character view's query.
enum ViewColumn { Zi = 0, Simplified = 1, Pinyin = 2, Plain = 3, Element = 4, Kangxi = 5 };

QString joined(const NameAttributes &a, QString HanziInfo::*field)
{
    QStringList parts;
    for (int s = 0; s < 4; ++s)
        if (a.present[size_t(s)])
            parts << a.positions[size_t(s)].*field;
    return parts.join(QLatin1Char('-'));
}

// key -> syllables of a readings table; rows whose reading does not give one syllable per
// character are left out. A file made before the table existed gives nothing.
QHash<QString, QStringList> loadReadings(data::Database &db, const QString &table, const QString &keyColumn)
{
    QHash<QString, QStringList> out;
    if (!db.hasTable(table))
        return out;
    const data::RowSet rows = data::RowSet::load(
        db, QStringLiteral("select %1, 拼音 from %2").arg(data::quoteIdentifier(keyColumn), data::quoteIdentifier(table)));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString key = rows.value(r, 0).trimmed();
        const QStringList syllables = splitSyllables(rows.value(r, 1));
        if (!key.isEmpty() && syllables.size() == key.size())
            out.insert(key, syllables);
    }
    return out;
}

// The reading a table gives the character at index of text: from the whole text's entry,
// else from the character's own; empty when neither has one.
QString entryReading(const QString &text, int index, const QHash<QString, QStringList> &entries)
{
    if (entries.isEmpty())
        return {};
    const auto whole = entries.constFind(text);
    if (whole != entries.constEnd())
        return whole->value(index);
    const auto own = entries.constFind(text.mid(index, 1));
    return own != entries.constEnd() ? own->first() : QString();
}

} // namespace

CharacterTables::CharacterTables(data::Database &db)
    : m_db(db)
    , m_view(QStringLiteral("select 字典.zi,字典.bihua,字典.pinyin,字典.py,五行.wuxing,五行.bihua "
                            "from 字典 left join 五行 on 字典.zi=五行.zi"))
    , m_fiveElements(QStringLiteral("select * from 五行"))
    , m_boys(QStringLiteral("select * from 男常用字 left join 五行 on 男常用字.字=五行.zi"))
    , m_girls(QStringLiteral("select * from 女常用字 left join 五行 on 女常用字.字=五行.zi"))
{
}

data::RowSet &CharacterTables::view()
{
    data::RowSet &rows = m_view.get(m_db);
    if (m_view.takeReloaded()) {
        // Per-unit tables: the dictionary test and the scoring path read these, not the rows.
        m_inDictionary.assign(0x10000, false);
        m_kangxiCounts.assign(0x10000, 0);
        for (int r = rows.rowCount() - 1; r >= 0; --r) {
            const QString zi = rows.value(r, Zi);
            if (zi.size() != 1)
                continue;
            const char16_t unit = zi.at(0).unicode();
            m_inDictionary[unit] = true;
            QString kangxi = rows.value(r, Kangxi);
            if (kangxi.isEmpty())
                kangxi = rows.value(r, Simplified);
            bool ok = false;
            const int count = kangxi.toInt(&ok);
            m_kangxiCounts[unit] = ok && count > 0 ? count : 0;
        }
    }
    return rows;
}

HanziInfo CharacterTables::lookupHanzi(const QString &ch, bool *found)
{
    data::RowSet &rows = view();
    const int r = rows.findRow(Zi, ch);
    if (found)
        *found = r >= 0;
    if (r < 0)
        return {};
    rows.setCurrentRow(r);
    HanziInfo info;
    info.zi = rows.value(r, Zi);
    info.pinyin = rows.value(r, Pinyin);
    info.plainPinyin = rows.value(r, Plain);
    info.element = rows.value(r, Element);
    info.simplifiedStrokes = rows.value(r, Simplified);
    info.kangxiStrokes = rows.value(r, Kangxi);
    if (info.kangxiStrokes.isEmpty())
        info.kangxiStrokes = info.simplifiedStrokes;
    return info;
}

bool CharacterTables::isAllInDictionary(const QString &text)
{
    if (text.isEmpty())
        return false;
    view();
    bool all = true;
    for (const QChar unit : text)
        all = m_inDictionary[unit.unicode()] && all;
    return all;
}

NameAttributes CharacterTables::lookupFullName(const QString &name, bool singleSurname, bool singleGiven)
{
    // Which slot each text position feeds.
    std::array<Slot, 4> order;
    int used;
    if (singleSurname) {
        order = {Surname1, Given1, Given2, Given2};
        used = singleGiven ? 2 : 3;
    } else {
        order = {Surname1, Surname2, Given1, Given2};
        used = singleGiven ? 3 : 4;
    }
    NameAttributes a;
    for (int pos = 0; pos < used; ++pos) {
        const size_t slot = size_t(order[size_t(pos)]);
        a.present[slot] = true;
        if (pos < name.size())
            a.positions[slot] = lookupHanzi(name.mid(pos, 1));
    }
    // The name's reading in place of each character's usual one.
    ensureReadings();
    const int surnameLength = singleSurname ? 1 : 2;
    const QString surname = name.left(surnameLength);
    const QString given = name.mid(surnameLength, used - surnameLength);
    for (int pos = 0; pos < used && pos < name.size(); ++pos) {
        const QString reading = pos < surnameLength ? entryReading(surname, pos, m_surnameReadings)
                                                    : entryReading(given, pos - surnameLength, m_givenReadings);
        HanziInfo &info = a.positions[size_t(order[size_t(pos)])];
        if (!reading.isEmpty() && reading != info.pinyin) {
            info.pinyin = reading;
            info.plainPinyin = parseMarkedSyllable(reading).letters;
        }
    }
    a.pinyin = joined(a, &HanziInfo::pinyin);
    a.elements = joined(a, &HanziInfo::element);
    a.simplifiedStrokes = joined(a, &HanziInfo::simplifiedStrokes);
    a.kangxiStrokes = joined(a, &HanziInfo::kangxiStrokes);
    return a;
}

void CharacterTables::ensureReadings()
{
    const quint64 connection = m_db.connectionId();
    if (m_readingsLoaded && (connection == 0 || connection == m_readingsConnection))
        return;
    m_surnameReadings = loadReadings(m_db, QStringLiteral("多音姓"), QStringLiteral("姓"));
    m_givenReadings = loadReadings(m_db, QStringLiteral("名读音"), QStringLiteral("词"));
    m_readingsConnection = connection;
    m_readingsLoaded = true;
}

QStringList CharacterTables::readingOf(const QString &text, const QHash<QString, QStringList> &entries)
{
    QStringList out;
    for (int i = 0; i < int(text.size()); ++i) {
        const QString own = entryReading(text, i, entries);
        out << (own.isEmpty() ? lookupHanzi(text.mid(i, 1)).pinyin : own);
    }
    return out;
}

QStringList CharacterTables::surnameReading(const QString &surname)
{
    ensureReadings();
    return readingOf(surname, m_surnameReadings);
}

QStringList CharacterTables::givenReading(const QString &given)
{
    ensureReadings();
    return readingOf(given, m_givenReadings);
}

const QHash<QString, QStringList> &CharacterTables::givenNameReadings()
{
    ensureReadings();
    return m_givenReadings;
}

QString CharacterTables::kangxiStrokesOf(const QString &ch)
{
    if (ch.isEmpty())
        return {};
    data::RowSet &rows = m_fiveElements.get(m_db);
    m_fiveElements.takeReloaded();
    if (!rows.locate(QStringLiteral("zi"), ch))
        return {};
    const QString count = rows.field(QStringLiteral("bihua"));
    if (count == QLatin1String("\r") || count == QLatin1String("\n"))
        return {};
    return count;
}

data::RowSet &CharacterTables::commonChars(const QString &gender)
{
    data::LazyRowSet &set = gender == QLatin1String("nv") ? m_girls : m_boys;
    data::RowSet &rows = set.get(m_db);
    set.takeReloaded();
    return rows;
}

QString CharacterTables::randomCommonChar(const QString &gender)
{
    if (gender != QLatin1String("nan") && gender != QLatin1String("nv"))
        return {};
    data::RowSet &rows = commonChars(gender);
    if (rows.rowCount() == 0)
        return {};
    rows.setCurrentRow(randomIndex(rows.rowCount()));
    return rows.field(QStringLiteral("zi"));
}

int CharacterTables::kangxiCount(QChar ch)
{
    view();
    return m_kangxiCounts[ch.unicode()];
}

} // namespace qiming::numerology
