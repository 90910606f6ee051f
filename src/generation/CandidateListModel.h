// A candidate list: scored names, one a row, appended in batches by a run and sorted,
// exported and read by the list actions and the filters.
#pragma once

#include "generation/NameCandidate.h"

#include <QAbstractTableModel>

#include <vector>

namespace qiming::generation {

class CandidateListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CandidateListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Row 0 of the list: the eight column titles.
    void writeCandidateHeader();
    bool hasHeader() const { return m_hasHeader; }
    // Back to no rows (shown and exported as one blank row).
    void clear();
    // Appends at the end, numbering each row by its position.
    void appendCandidates(std::vector<numerology::ScoredName> &&names);
    // Replaces every row with rows kept whole, their numbers included (a filter's results).
    void setRows(std::vector<NameCandidate> &&rows);
    int size() const { return int(m_rows.size()); }
    const NameCandidate &candidate(int row) const { return m_rows.at(size_t(row)); }

    // Stable, by descending score; rows without a score keep their places after the block.
    void sortByScore();

    const RunIdentity &identity() const { return m_identity; }
    void setIdentity(const RunIdentity &identity) { m_identity = identity; }

private:
    std::vector<NameCandidate> m_rows;
    bool m_hasHeader = false;
    RunIdentity m_identity;
};

// The list as lines of cells each followed by "|", header first, CR LF line ends; an empty
// list is one blank row. Written in GB18030 (GBK for every GBK character, lossless for the
// rest) to a temporary file that replaces path only when complete. False with a message,
// and nothing changed, when the file cannot be written in full or path leads to the open
// database file or its journal.
bool exportList(const CandidateListModel &list, const QString &path, QString *error);
QByteArray exportText(const CandidateListModel &list);
// The same for any table of text cells: the header row only when withHeader.
bool exportList(const QAbstractItemModel &table, bool withHeader, const QString &path, QString *error);
QByteArray exportText(const QAbstractItemModel &table, bool withHeader);

} // namespace qiming::generation
