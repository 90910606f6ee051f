#include "review/Favourites.h"

#include "generation/CandidateListModel.h"

#include <QAbstractTableModel>

#include "data/PerConnection.h"
#include "data/SharedDatabase.h"
#include "data/TextNumber.h"
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

namespace {

// Rows of text cells, for the lists' export.
class TextTable final : public QAbstractTableModel {
public:
    TextTable(QStringList header, QList<QStringList> rows)
        : m_header(std::move(header))
        , m_rows(std::move(rows))
    {
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_header.size()); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(m_rows.at(index.row()).value(index.column())) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return orientation == Qt::Horizontal && role == Qt::DisplayRole ? QVariant(m_header.value(section)) : QVariant();
    }

private:
    QStringList m_header;
    QList<QStringList> m_rows;
};

} // namespace

QStringList favouritesHeader()
{
    return {QStringLiteral("名字"), QStringLiteral("性别"), QStringLiteral("拼音"), QStringLiteral("五行"),
            QStringLiteral("简体笔画"), QStringLiteral("康熙笔画"), QStringLiteral("五格"), QStringLiteral("评分")};
}

QList<QStringList> favouritesTable()
{
    QList<QStringList> out;
    const data::EditableRowSet &rows = favouritesRows();
    for (int r = 0; r < rows.rowCount(); ++r) {
        // A name whose characters the dictionary no longer holds is still listed.
        numerology::ScoredName s;
        try {
            s = analyseFavourite(r);
        } catch (const data::ConversionError &) {
        }
        out << QStringList{rows.value(r, QStringLiteral("名字")), genderCaption(rows.value(r, QStringLiteral("xingbie"))),
                           s.pinyin, s.elements, s.simplifiedStrokes, s.kangxiStrokes, s.fiveGrids, s.score};
    }
    return out;
}

bool exportFavourites(const QString &path, QString *error)
{
    const TextTable table(favouritesHeader(), favouritesTable());
    return generation::exportList(table, true, path, error);
}

QString favouritesHtml()
{
    QString html = QStringLiteral("<h2 align=\"center\">自选名字</h2>"
                                  "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\"><tr>");
    for (const QString &h : favouritesHeader())
        html += QStringLiteral("<th>%1</th>").arg(h);
    html += QStringLiteral("</tr>");
    for (const QStringList &row : favouritesTable()) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : row)
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace qiming::review
