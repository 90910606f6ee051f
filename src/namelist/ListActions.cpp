#include "namelist/ListActions.h"

#include "namelist/NameListHost.h"
#include "widgets/MessageBoxes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace qiming::namelist {

ListActions::ListActions(QAbstractItemView *view, NameListHost &host, const Options &options, Source source)
    : QObject(view)
    , m_view(view)
    , m_host(host)
    , m_menu(new QMenu(view))
    , m_options(options)
    , m_source(std::move(source))
{
    m_menu->setObjectName(options.menuName);
    m_menu->addAction(QStringLiteral("查看名字解析"), this, &ListActions::showAnalysis);
    if (m_source.remove) {
        m_menu->addAction(QStringLiteral("从列表中删除"), this, m_source.remove);
        m_menu->addAction(QStringLiteral("复制名字"), this, &ListActions::copyName);
    } else {
        m_menu->addAction(QStringLiteral("复制名字"), this, &ListActions::copyName);
        m_menu->addAction(QStringLiteral("添加到自选列表"), this, &ListActions::addToFavourites);
        m_menu->addAction(QStringLiteral("查看自选列表"), this, &ListActions::showFavourites);
    }
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
    widgets::runGuarded(m_view, [this] { m_host.showReport(m_source.currentRow()); });
}

void ListActions::copyName()
{
    const QString name = m_source.currentName();
    if (name.isEmpty())
        return;
    QApplication::clipboard()->setText(name);
    const QString wording = !m_options.copyMessage.isEmpty() ? m_options.copyMessage
                            : m_options.spacedCopyMessage    ? QStringLiteral("已复制名字 %1 ！")
                                                             : QStringLiteral("已复制名字%1！");
    widgets::showInformation(m_view, wording.arg(name));
}

void ListActions::addToFavourites()
{
    const QString name = m_source.currentName();
    if (name.isEmpty())
        return;
    widgets::runGuarded(m_view, [&] {
        // The flags of the run that formed the name, not the profile's of now.
        m_host.addFavourite(name, m_source.identity());
        widgets::showInformation(m_view, QStringLiteral("成功添加名字%1！").arg(name));
    });
}

void ListActions::showFavourites()
{
    widgets::runGuarded(m_view, [this] { m_host.showFavourites(); });
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

} // namespace qiming::namelist
