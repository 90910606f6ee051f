#include "review/Favourites.h"

#include "data/PerConnection.h"
#include "data/SharedDatabase.h"
#include "numerology/SharedNumerology.h"


namespace qiming::review {

namespace {

const QString kQuery = QStringLiteral("select *  from 自选列表 order by ID");

data::PerConnection<data::EditableRowSet> &rowSet()
{
    static data::PerConnection<data::EditableRowSet> rows;
    return rows;
}

QString flag(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

data::EditableRowSet &favouritesRows()
{
    return rowSet().get(data::sharedDatabase(), [](data::Database &db) {
        return data::EditableRowSet::load(db, QStringLiteral("自选列表"), kQuery);
    });
}

void reloadFavourites()
{
    rowSet().reset();
    favouritesRows();
}

bool addFavourite(const QString &name, const FavouriteFlags &flags)
{
    if (name.isEmpty())
        return false;
    data::EditableRowSet &rows = favouritesRows();
    rows.append();
    rows.setField(QStringLiteral("名字"), name);
    rows.setField(QStringLiteral("danxing"), flag(flags.singleSurname));
    rows.setField(QStringLiteral("danming"), flag(flags.singleGiven));
    rows.setField(QStringLiteral("xingbie"), flags.gender == QLatin1String("nan") ? QStringLiteral("nan")
                                                                                  : QStringLiteral("nv"));
    try {
        rows.post();
    } catch (...) {
        rows.cancel();
        throw;
    }
    return true;
}

numerology::ScoredName analyseFavourite(int row)
{
    const data::EditableRowSet &rows = favouritesRows();
    const QString name = rows.value(row, QStringLiteral("名字"));
    if (name.isEmpty())
        return {};
    return numerology::scoreFullName(name, rows.value(row, QStringLiteral("danxing")) == QLatin1String("true"),
                                     rows.value(row, QStringLiteral("danming")) == QLatin1String("true"),
                                     rows.value(row, QStringLiteral("xingbie")));
}

QString genderCaption(const QString &code)
{
    if (code == QLatin1String("nan"))
        return QStringLiteral("男");
    if (code == QLatin1String("nv"))
        return QStringLiteral("女");
    return {};
}

} // namespace qiming::review
