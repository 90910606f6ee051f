#include "namelist/CandidateListView.h"

#include "generation/CandidateListModel.h"
#include "namelist/ListActions.h"
#include "widgets/MessageBoxes.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace qiming::namelist {

namespace {

constexpr int kMeasuredRows = 40;

} // namespace

CandidateListView::CandidateListView(CandidateListModel *model, NameListHost &host, const Options &options,
                                     QWidget *parent)
    : QTableView(parent)
    , m_model(model)
{
    setObjectName(options.objectName);
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setHighlightSections(false);
    for (size_t c = 0; c < options.widths.size(); ++c)
        setColumnWidth(int(c), options.widths[c]);
    horizontalHeader()->setStretchLastSection(true);
    // Only the first rows are measured: a list's names share the surname, so they show the widths.
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        if (first < kMeasuredRows)
            fitColumnsToRows(first, std::min(last, kMeasuredRows - 1));
    });
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { fitColumnsToRows(0, std::min(m_model->rowCount() - 1, kMeasuredRows - 1)); });
    fitColumnsToRows(0, std::min(m_model->rowCount() - 1, kMeasuredRows - 1));

    m_actions = new ListActions(this, host, {options.menuName, options.spacedCopyMessage},
                                {[this] { return currentName(); },
                                 [this] { return m_model->candidate(currentIndex().row()).scored; },
                                 [this] { return m_model->identity(); },
                                 [this](const QString &path, QString *error) { return exportList(*m_model, path, error); }});
}

void CandidateListView::fitColumnsToRows(int from, int to)
{
    const QFontMetrics metrics(font());
    const int columns = m_model->columnCount() - 1; // the last one stretches
    for (int c = 0; c < columns; ++c) {
        int needed = 0;
        for (int r = from; r <= to; ++r)
            needed = std::max(needed, metrics.horizontalAdvance(m_model->index(r, c).data().toString()) + 12);
        if (needed > columnWidth(c))
            setColumnWidth(c, needed);
    }
}

QString CandidateListView::currentName() const
{
    const int row = currentIndex().row();
    if (row < 0 || row >= m_model->size())
        return {};
    return m_model->candidate(row).scored.name;
}

void CandidateListView::showAnalysis()
{
    m_actions->showAnalysis();
}

void CandidateListView::copyName()
{
    m_actions->copyName();
}

void CandidateListView::addToFavourites()
{
    m_actions->addToFavourites();
}

void CandidateListView::sortWithMessage(bool runActive)
{
    if (runActive) {
        widgets::showWarning(this, QStringLiteral("请等名字生成完毕，或者暂停之后，再进行排序！"));
        return;
    }
    m_model->sortByScore();
    widgets::showInformation(this, QStringLiteral("分数排序完毕！"));
}

void CandidateListView::exportWithDialog()
{
    m_actions->exportWithDialog();
}

} // namespace qiming::namelist
