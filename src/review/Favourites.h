// The favourites: names picked from any list, kept in table 自选列表 across runs with the
// flags and gender that tell how to split and score them later.
#pragma once

#include "data/EditableRowSet.h"
#include "numerology/ScoredName.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qiming::review {

struct FavouriteFlags {
    bool singleSurname = true;
    bool singleGiven = false;
    QString gender = QStringLiteral("nan"); // stored as "nan" for a boy, "nv" otherwise
};

// The one row set of the favourites, opened on first use.
data::EditableRowSet &favouritesRows();
// Re-reads the table (the window does this each time it is shown); the first row is current.
void reloadFavourites();

// Adds a row at the end; an empty name adds nothing and returns false. Throws
// data::DatabaseError.
bool addFavourite(const QString &name, const FavouriteFlags &flags);

// The current row's name, split and scored with its own flags and gender.
numerology::ScoredName analyseFavourite(int row);
// Every favourite scored with its own flags: 名字 性别 拼音 五行 简体笔画 康熙笔画 五格 评分.
QStringList favouritesHeader();
QList<QStringList> favouritesTable();
// The favourites in the lists' export format (GB18030, cells followed by "|", header first);
// false with a message, and nothing changed, as the lists' export.
bool exportFavourites(const QString &path, QString *error);
// The favourites as an HTML table, for printing.
QString favouritesHtml();

// "男", "女" or empty, for the stored gender code.
QString genderCaption(const QString &code);

} // namespace qiming::review
