#include "namelist/ListActions.h"

#include "generation/CandidateListModel.h"
#include "numerology/ui/AnalysisWindow.h"
#include "review/Favourites.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowDirectory.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QStandardPaths>

namespace qiming::namelist {

ListActions::ListActions(QAbstractItemView *view, const Options &options, Source source)
    : QObject(view)
    , m_view(view)
    , m_menu(new QMenu(view))
    , m_options(options)
    , m_source(std::move(source))
{
    m_menu->setObjectName(options.menuName);
    m_menu->addAction(QStringLiteral("查看名字解析"), this, &ListActions::showAnalysis);
    m_menu->addAction(QStringLiteral("复制名字"), this, &ListActions::copyName);
    m_menu->addAction(QStringLiteral("添加到自选列表"), this, &ListActions::addToFavourites);
    m_menu->addAction(QStringLiteral("查看自选列表"), this, &ListActions::showFavourites);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex at = m_view->indexAt(pos);
        if (at.isValid())
            m_view->setCurrentIndex(at);
        m_menu->popup(m_view->viewport()->mapToGlobal(pos));
    });
    connect(view, &QAbstractItemView::doubleClicked, this, &ListActions::showAnalysis);
}

void ListActions::showAnalysis()
{
    if (m_source.currentName().isEmpty())
        return;
    widgets::runGuarded(m_view, [this] { numerology::showNameReport(m_source.currentRow()); });
}

void ListActions::copyName()
{
    const QString name = m_source.currentName();
    if (name.isEmpty())
        return;
    QApplication::clipboard()->setText(name);
    widgets::showInformation(m_view, m_options.spacedCopyMessage ? QStringLiteral("已复制名字 %1 ！").arg(name)
                                                               : QStringLiteral("已复制名字%1！").arg(name));
}

void ListActions::addToFavourites()
{
    const QString name = m_source.currentName();
    if (name.isEmpty())
        return;
    widgets::runGuarded(m_view, [&] {
        // The flags of the run that formed the name, not the profile's of now.
        const RunIdentity id = m_source.identity();
        review::addFavourite(name, {id.singleSurname, id.singleGiven, id.gender});
        widgets::showInformation(m_view, QStringLiteral("成功添加名字%1！").arg(name));
    });
}

void ListActions::showFavourites()
{
    widgets::runGuarded(m_view, [] { widgets::openWindow(QStringLiteral("TForm8")); });
}

QString chooseExportPath(QWidget *parent)
{
    // The user's documents, never the program's folder where data.dll lives.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QFileDialog dialog(parent, QStringLiteral("导出名字"), folder, QStringLiteral("文本文件 (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // overwritten without a question
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void ListActions::exportWithDialog()
{
    const QString path = chooseExportPath(m_view);
    if (path.isEmpty())
        return;
    QString error;
    if (!m_source.exportTo(path, &error))
        widgets::showWarning(m_view, error);
}

namespace {
QPointer<CandidateListModel> g_filterSource;
}

void openConditionFilter(CandidateListModel *source)
{
    g_filterSource = source;
    widgets::openWindow(QStringLiteral("TForm4"));
    g_filterSource = nullptr;
}

CandidateListModel *conditionFilterSource()
{
    return g_filterSource;
}

} // namespace qiming::namelist
