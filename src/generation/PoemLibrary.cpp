#include "generation/PoemLibrary.h"

#include "data/Database.h"
#include "data/RowSet.h"

namespace qiming::generation {

namespace {

QStringList column(const data::RowSet &rows)
{
    QStringList out;
    out.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r)
        out << rows.value(r, 0);
    return out;
}

QString likePattern(const QString &words)
{
    QString escaped = words;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

PoemLibrary::PoemLibrary(data::Database &db)
    : m_db(db)
{
}

QStringList PoemLibrary::dynasties()
{
    return column(data::RowSet::load(m_db, QStringLiteral("select 朝代  from 诗词 group by 朝代")));
}

QStringList PoemLibrary::poets(const QString &dynasty)
{
    return column(
        data::RowSet::load(m_db, QStringLiteral("select 诗人  from 诗词 where 朝代= ? group by 诗人"), {dynasty}));
}

QStringList PoemLibrary::titles(const QString &dynasty, const QString &poet)
{
    return column(data::RowSet::load(
        m_db, QStringLiteral("select 诗名  from 诗词 where 朝代= ? and 诗人= ? group by 诗名"), {dynasty, poet}));
}

QString PoemLibrary::poemText(const PoemKey &poem)
{
    const data::RowSet rows = data::RowSet::load(
        m_db, QStringLiteral("select 诗句  from 诗词 where 朝代= ? and 诗人= ? and 诗名= ?"),
        {poem.dynasty, poem.poet, poem.title});
    return rows.isEmpty() ? QString() : rows.value(0, 0);
}

std::vector<PoemKey> PoemLibrary::search(const QString &words, int limit)
{
    const QString needle = words.trimmed();
    std::vector<PoemKey> out;
    if (needle.isEmpty())
        return out;
    const QString like = likePattern(needle);
    // The rows were written best known first.
    const data::RowSet rows = data::RowSet::load(
        m_db,
        QStringLiteral("select 朝代, 诗人, 诗名 from 诗词 "
                       "where 诗名 like ? escape '\\' or 诗人 = ? or 诗句 like ? escape '\\' "
                       "order by case when 诗名 = ? then 0 when 诗名 like ? escape '\\' then 1 "
                       "when 诗人 = ? then 2 else 3 end, rowid limit ?"),
        {like, needle, like, needle, like, needle, limit});
    for (int r = 0; r < rows.rowCount(); ++r)
        out.push_back({rows.value(r, 0), rows.value(r, 1), rows.value(r, 2)});
    return out;
}

std::vector<PickerCell> layoutPoem(const QString &text)
{
    static const QString separators = QStringLiteral("，。、！？\r\n");
    std::vector<PickerCell> cells;
    int x = 1;
    int y = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (separators.contains(c)) {
            x = 1;
            ++y;
            continue;
        }
        QString caption(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            caption += text.at(++i);
        cells.push_back({x, y, caption});
        ++x;
    }
    return cells;
}

} // namespace qiming::generation
