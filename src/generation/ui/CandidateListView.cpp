#include "generation/ui/CandidateListView.h"

#include "generation/CandidateListModel.h"
#include "numerology/ui/AnalysisWindow.h"
#include "review/Favourites.h"
#include "shell/ui/widgets/MessageBoxes.h"
#include "shell/ui/widgets/WindowDirectory.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>

namespace qiming::generation {

CandidateListView::CandidateListView(CandidateListModel *model, const Options &options, QWidget *parent)
    : QTableView(parent)
    , m_model(model)
    , m_options(options)
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

    auto *menu = new QMenu(this);
    menu->setObjectName(options.menuName);
    menu->addAction(QStringLiteral("查看名字解析"), this, &CandidateListView::showAnalysis);
    menu->addAction(QStringLiteral("复制名字"), this, &CandidateListView::copyName);
    menu->addAction(QStringLiteral("添加到自选列表"), this, &CandidateListView::addToFavourites);
    menu->addAction(QStringLiteral("查看自选列表"), this, [this] {
        shell::runGuarded(this, [] { shell::openWindow(QStringLiteral("TForm8")); });
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this, menu](const QPoint &pos) {
        const QModelIndex at = indexAt(pos);
        if (at.isValid())
            setCurrentIndex(at);
        menu->popup(viewport()->mapToGlobal(pos));
    });
    connect(this, &QAbstractItemView::doubleClicked, this, &CandidateListView::showAnalysis);
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
    if (currentName().isEmpty())
        return;
    numerology::showNameReport(m_model->candidate(currentIndex().row()).scored);
}

void CandidateListView::copyName()
{
    const QString name = currentName();
    if (name.isEmpty())
        return;
    QApplication::clipboard()->setText(name);
    shell::showInformation(this, m_options.spacedCopyMessage ? QStringLiteral("已复制名字 %1 ！").arg(name)
                                                             : QStringLiteral("已复制名字%1！").arg(name));
}

void CandidateListView::addToFavourites()
{
    const QString name = currentName();
    if (name.isEmpty())
        return;
    shell::runGuarded(this, [&] {
        // The flags of the run that formed the name, not the profile's of now.
        const RunIdentity &id = m_model->identity();
        review::addFavourite(name, {id.singleSurname, id.singleGiven, id.gender});
        shell::showInformation(this, QStringLiteral("成功添加名字%1！").arg(name));
    });
}

void CandidateListView::sortWithMessage(bool runActive)
{
    if (runActive) {
        shell::showWarning(this, QStringLiteral("请等名字生成完毕，或者暂停之后，再进行排序！"));
        return;
    }
    m_model->sortByScore();
    shell::showInformation(this, QStringLiteral("分数排序完毕！"));
}

void CandidateListView::exportWithDialog()
{
    // The user's documents, never the program's folder where data.dll lives.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QFileDialog dialog(this, QStringLiteral("导出名字"), folder, QStringLiteral("文本文件 (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // overwritten without a question
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    if (!exportList(*m_model, dialog.selectedFiles().first(), &error))
        shell::showWarning(this, error);
}

} // namespace qiming::generation
