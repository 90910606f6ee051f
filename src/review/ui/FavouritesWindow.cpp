#include "review/ui/FavouritesWindow.h"

#include "namelist/ListActions.h"
#include "review/Favourites.h"
#include "widgets/HtmlView.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowPlacement.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qiming::review {

FavouritesWindow::FavouritesWindow(namelist::NameListHost &host, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("自选列表"));
    widgets::setFixedClientSize(this, 560, 420);

    m_list = new QTableWidget(0, 1, this);
    m_list->setObjectName(QStringLiteral("DBGrid1"));
    auto *title = new QTableWidgetItem(QStringLiteral("自选名字"));
    title->setForeground(QColor(0xd0, 0x00, 0x00));
    m_list->setHorizontalHeaderItem(0, title);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->verticalHeader()->hide();
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFixedWidth(200);

    auto *group = new QGroupBox(QStringLiteral("自选信息"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    m_name = new QLineEdit(group);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setReadOnly(true);
    m_gender = new QLineEdit(group);
    m_gender->setObjectName(QStringLiteral("Edit2"));
    m_gender->setReadOnly(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("姓名"), m_name);
    form->addRow(QStringLiteral("性别"), m_gender);
    auto *hint = new QLabel(QStringLiteral("提示：\n双击查看评分，\n右键可以进行删除该名字，复制名字，查看名字评分操作。"), group);
    hint->setWordWrap(true);
    auto *analyse = new QPushButton(QStringLiteral("查看名字解析"), group);
    analyse->setObjectName(QStringLiteral("Button1"));
    auto *copy = new QPushButton(QStringLiteral("复制该名字"), group);
    copy->setObjectName(QStringLiteral("Button2"));
    auto *remove = new QPushButton(QStringLiteral("从列表删除"), group);
    remove->setObjectName(QStringLiteral("Button3"));
    auto *exportButton = new QPushButton(QStringLiteral("导出列表"), group);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    auto *printButton = new QPushButton(QStringLiteral("打印列表"), group);
    printButton->setObjectName(QStringLiteral("printButton"));
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(form);
    groupLayout->addSpacing(8);
    groupLayout->addWidget(hint);
    groupLayout->addStretch();
    for (QPushButton *b : {analyse, copy, remove, exportButton, printButton}) {
        b->setMinimumHeight(30);
        groupLayout->addWidget(b);
    }

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(group, 1);

    // The lists' own actions: the menu, the double click, the report and the copy; removal in
    // place of adding. A favourite is scored with the flags it was stored with.
    m_actions = new namelist::ListActions(
        m_list, host, {QStringLiteral("PopupMenu1"), true, QStringLiteral("已复制名字%1 ！")},
        {[this] { return currentName(); }, [this] { return analyseFavourite(currentRow()); }, {}, {},
         [this] { deleteCurrent(); }});
    connect(m_list, &QTableWidget::currentCellChanged, this, &FavouritesWindow::showCurrent);
    connect(analyse, &QPushButton::clicked, this, &FavouritesWindow::showAnalysis);
    connect(copy, &QPushButton::clicked, this, &FavouritesWindow::copyName);
    connect(remove, &QPushButton::clicked, this, &FavouritesWindow::deleteCurrent);
    connect(exportButton, &QPushButton::clicked, this, &FavouritesWindow::exportWithDialog);
    connect(printButton, &QPushButton::clicked, this, &FavouritesWindow::printList);
}

void FavouritesWindow::exportWithDialog()
{
    const QString path = namelist::chooseExportPath(this);
    if (path.isEmpty())
        return;
    widgets::runGuarded(this, [&] {
        QString error;
        if (!exportFavourites(path, &error))
            widgets::showWarning(this, error);
    });
}

void FavouritesWindow::printList()
{
    widgets::runGuarded(this, [this] {
        QTextDocument document;
        document.setHtml(favouritesHtml());
        widgets::printWithDialog(document, this);
    });
}

void FavouritesWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
    widgets::runGuarded(this, [this] { refresh(); });
}

void FavouritesWindow::refresh()
{
    reloadFavourites();
    const data::EditableRowSet &rows = favouritesRows();
    m_list->setRowCount(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r)
        m_list->setItem(r, 0, new QTableWidgetItem(rows.value(r, QStringLiteral("名字"))));
    m_list->setCurrentCell(rows.rowCount() > 0 ? 0 : -1, 0);
    showCurrent();
}

int FavouritesWindow::currentRow() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < favouritesRows().rowCount() ? row : -1;
}

void FavouritesWindow::showCurrent()
{
    const int row = currentRow();
    const data::EditableRowSet &rows = favouritesRows();
    m_name->setText(row < 0 ? QString() : rows.value(row, QStringLiteral("名字")));
    m_gender->setText(row < 0 ? QString() : genderCaption(rows.value(row, QStringLiteral("xingbie"))));
}

QString FavouritesWindow::currentName() const
{
    const int row = currentRow();
    return row < 0 ? QString() : favouritesRows().value(row, QStringLiteral("名字"));
}

void FavouritesWindow::showAnalysis()
{
    m_actions->showAnalysis();
}

void FavouritesWindow::copyName()
{
    m_actions->copyName();
}

void FavouritesWindow::deleteCurrent()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (!widgets::askConfirmation(this, QStringLiteral("确认信息框"), QStringLiteral("确实要删除该信息吗？")))
        return;
    widgets::runGuarded(this, [this, row] {
        data::EditableRowSet &rows = favouritesRows();
        rows.setCurrentRow(row);
        rows.deleteCurrent();
        m_list->removeRow(row);
        showCurrent();
    });
}

} // namespace qiming::review
