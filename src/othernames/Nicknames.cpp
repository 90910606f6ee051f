#include "othernames/Nicknames.h"

#include "data/DatabaseError.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "numerology/CharacterTables.h"
#include "numerology/FiveGrids.h"
#include "numerology/Random.h"
#include "numerology/SharedNumerology.h"

#include <algorithm>

namespace qiming::othernames {

QString formNickname(const QString &drawn, NicknamePattern pattern)
{
    switch (pattern) {
    case NicknamePattern::Double:
        return drawn + drawn;
    case NicknamePattern::LittlePrefix:
        return QStringLiteral("小") + drawn;
    case NicknamePattern::ErSuffix:
        return drawn + QStringLiteral("儿");
    }
    return drawn;
}

QStringList nicknameHeader()
{
    return {QStringLiteral("序号"),     QStringLiteral("小名"),     QStringLiteral("拼音"),
            QStringLiteral("五行"),     QStringLiteral("简体笔画"), QStringLiteral("康熙笔画"),
            QStringLiteral("评价"),     QStringLiteral("吉凶")};
}

int verdictRank(const QString &luck)
{
    static const QStringList levels{QStringLiteral("大凶"), QStringLiteral("凶"), QStringLiteral("半吉"),
                                    QStringLiteral("吉"), QStringLiteral("大吉")};
    return int(levels.indexOf(luck)) + 1;
}

void sortByVerdict(std::vector<NicknameRow> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const NicknameRow &a, const NicknameRow &b) {
        return verdictRank(a.cell(NicknameRow::Luck)) > verdictRank(b.cell(NicknameRow::Luck));
    });
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i].cells[NicknameRow::Number] = QString::number(i + 1);
}

QString nicknameClipboardText(const NicknameRow &row)
{
    return QStringList(row.cells.begin() + NicknameRow::Nickname, row.cells.end()).join(QLatin1Char('\t'));
}

QString nicknameClipboardText(const QStringList &cellsOfRow)
{
    return cellsOfRow.mid(NicknameRow::Nickname, NicknameRow::ColumnCount - 1).join(QLatin1Char('\t'));
}

NicknameMaker::NicknameMaker(data::Database &db, numerology::CharacterTables &chars)
    : m_db(db)
    , m_chars(chars)
    , m_fiveElements(QStringLiteral("select zi from 五行"))
    , m_nicknames(QStringLiteral("select 小名 from 小名"))
    , m_numbers(QStringLiteral("select num,yy,jx from N81"))
{
}

namespace {

// The single characters of a column that 字典 has: a character without a 字典 row would be
// shown with another character's values, and an empty one makes no pet name at all.
QStringList dictionaryCharacters(data::RowSet &rows, numerology::CharacterTables &chars)
{
    QStringList out;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString c = rows.value(r, 0);
        if (c.size() == 1 && chars.isAllInDictionary(c))
            out << c;
    }
    return out;
}

} // namespace

const QStringList &NicknameMaker::fiveElementsPool()
{
    data::RowSet &rows = m_fiveElements.get(m_db);
    if (m_fiveElements.takeReloaded())
        m_fiveElementsPool = dictionaryCharacters(rows, m_chars);
    if (m_fiveElementsPool.isEmpty())
        throw data::DatabaseError(QStringLiteral("表 五行 中没有字典里的字，无法生成小名。"));
    return m_fiveElementsPool;
}

const QStringList &NicknameMaker::nicknamePool()
{
    data::RowSet &rows = m_nicknames.get(m_db);
    if (m_nicknames.takeReloaded())
        m_nicknamePool = dictionaryCharacters(rows, m_chars);
    if (m_nicknamePool.isEmpty())
        throw data::DatabaseError(QStringLiteral("表 小名 中没有字典里的字，无法生成小名。"));
    return m_nicknamePool;
}

NicknameRow NicknameMaker::evaluate(const QString &nickname, const QString &surname, bool singleGiven)
{
    const bool singleSurname = surname.size() == 1;
    const numerology::NameAttributes full = m_chars.lookupFullName(surname + nickname, singleSurname, singleGiven);
    const auto &p = full.positions;
    const numerology::FiveGrids grids = numerology::computeFiveGrids(
        p[numerology::Surname1].kangxiStrokes, p[numerology::Surname2].kangxiStrokes,
        p[numerology::Given1].kangxiStrokes, p[numerology::Given2].kangxiStrokes);
    // Above 81 the total reads as the name's other grids do, never as no verdict.
    const QString total = QString::number(numerology::readingNumberOf(grids.zong));

    NicknameRow row;
    data::RowSet &numbers = m_numbers.get(m_db);
    m_numbers.takeReloaded();
    const int r = numbers.findRow(0, total);
    if (r >= 0) {
        row.cells[NicknameRow::Verdict] = numbers.value(r, 1);
        row.cells[NicknameRow::Luck] = numbers.value(r, 2);
    }
    const numerology::NameAttributes own = m_chars.lookupFullName(nickname, true, true);
    row.cells[NicknameRow::Nickname] = nickname;
    row.cells[NicknameRow::Pinyin] = own.pinyin;
    row.cells[NicknameRow::Elements] = own.elements;
    row.cells[NicknameRow::SimplifiedStrokes] = own.simplifiedStrokes;
    row.cells[NicknameRow::KangxiStrokes] = own.kangxiStrokes;
    return row;
}

std::vector<NicknameRow> NicknameMaker::drawNicknames(NicknamePattern pattern, const QString &surname, int count)
{
    const QStringList &fromFiveElements = fiveElementsPool();
    const QStringList &fromNicknames = nicknamePool();
    std::vector<NicknameRow> rows;
    rows.reserve(size_t(std::max(count, 0)));
    for (int i = 1; i <= count; ++i) {
        const QStringList &pool = i % 4 == 0 ? fromNicknames : fromFiveElements;
        const QString drawn = pool.at(numerology::randomIndex(int(pool.size())));
        NicknameRow row = evaluate(formNickname(drawn, pattern), surname, false);
        row.cells[NicknameRow::Number] = QString::number(i);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<NicknameRow> NicknameMaker::generateNicknames(NicknamePattern pattern, const QString &surname, int count)
{
    std::vector<NicknameRow> rows = drawNicknames(pattern, surname, count);
    sortByVerdict(rows);
    return rows;
}

std::optional<NicknameRow> NicknameMaker::testNickname(const QString &text, const QString &surname)
{
    QString first;
    QString second;
    bool singleGiven = false;
    if (text.size() == 1) {
        first = text;
        singleGiven = true;
    } else if (text.size() == 2) {
        first = text.left(1);
        second = text.mid(1, 1);
    }
    // An empty second character fails the test: a pet name has two characters.
    if (!m_chars.isAllInDictionary(first) || !m_chars.isAllInDictionary(second))
        return std::nullopt;

    const bool singleSurname = surname.size() == 1;
    const numerology::NameAttributes full =
        m_chars.lookupFullName(surname + first + second, singleSurname, singleGiven);
    const auto &p = full.positions;
    const numerology::FiveGrids grids = numerology::computeFiveGrids(
        p[numerology::Surname1].kangxiStrokes, p[numerology::Surname2].kangxiStrokes,
        p[numerology::Given1].kangxiStrokes, p[numerology::Given2].kangxiStrokes);
    const QString total = QString::number(numerology::readingNumberOf(grids.zong));
    const data::RowSet verdict =
        data::RowSet::load(m_db, QStringLiteral("select yy,jx from N81 where num= ?"), {total});

    NicknameRow row;
    const numerology::NameAttributes own = m_chars.lookupFullName(first + second, true, true);
    row.cells[NicknameRow::Number] = QStringLiteral("1");
    row.cells[NicknameRow::Nickname] = first + second;
    row.cells[NicknameRow::Pinyin] = own.pinyin;
    row.cells[NicknameRow::Elements] = own.elements;
    row.cells[NicknameRow::SimplifiedStrokes] = own.simplifiedStrokes;
    row.cells[NicknameRow::KangxiStrokes] = own.kangxiStrokes;
    if (!verdict.isEmpty()) {
        row.cells[NicknameRow::Verdict] = verdict.value(0, 0);
        row.cells[NicknameRow::Luck] = verdict.value(0, 1);
    }
    return row;
}

NicknameMaker &sharedNicknameMaker()
{
    static NicknameMaker maker(data::sharedDatabase(), numerology::sharedCharacterTables());
    return maker;
}

} // namespace qiming::othernames
