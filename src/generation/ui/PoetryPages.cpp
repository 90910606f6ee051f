#include "generation/ui/PoetryPages.h"

#include "data/SharedDatabase.h"
#include "generation/CandidateListModel.h"
#include "generation/CharSetRun.h"
#include "namelist/CandidateListView.h"
#include "namelist/ListActions.h"
#include "namelist/NameListHost.h"
#include "generation/ui/CharSetRunControls.h"
#include "widgets/PageControls.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace qiming::generation {

namespace {

QTableView *columnList(const char *name, TextColumnModel *model, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(22);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

// Picker geometry: a box every 40 pixels across and 16 down.
constexpr int kColumnStep = 40;
constexpr int kLineStep = 16;

} // namespace

TextColumnModel::TextColumnModel(const QString &title, QObject *parent)
    : QAbstractListModel(parent)
    , m_title(title)
{
}

int TextColumnModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_texts.size());
}

QVariant TextColumnModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_texts.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_texts.at(index.row());
    return {};
}

QVariant TextColumnModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return m_title;
    return {};
}

void TextColumnModel::setTexts(const QStringList &texts)
{
    beginResetModel();
    m_texts = texts;
    endResetModel();
}

// ---- "诗词模式" ------------------------------------------------------------

PoemChooserPage::PoemChooserPage(QWidget *parent)
    : QWidget(parent)
    , m_library(std::make_unique<PoemLibrary>(data::sharedDatabase()))
{
    m_dynastyModel = new TextColumnModel(QStringLiteral("朝代"), this);
    m_poetModel = new TextColumnModel(QStringLiteral("作者"), this);
    m_titleModel = new TextColumnModel(QStringLiteral("诗词"), this);
    m_dynasties = columnList("DBGrid1", m_dynastyModel, this);
    m_poets = columnList("DBGrid2", m_poetModel, this);
    m_titles = columnList("DBGrid3", m_titleModel, this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("DBMemo1"));
    m_memo->setReadOnly(true);
    QFont memoFont = m_memo->font();
    memoFont.setPixelSize(15);
    m_memo->setFont(memoFont);
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("poemSearchEdit"));
    m_searchField->setPlaceholderText(QStringLiteral("输入诗名、作者或诗句查找，如：静夜思、李白、明月几时有"));
    m_searchField->setClearButtonEnabled(true);
    auto *find = widgets::pageButton("poemSearchButton", "查找", this, 84);
    auto *choose = widgets::pageButton("Button12", "④选择这首诗→", this, 84);
    choose->setMinimumWidth(140);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("查找诗词："), this));
    searchRow->addWidget(m_searchField, 1);
    searchRow->addWidget(find);

    auto *lists = new QHBoxLayout;
    lists->setSpacing(8);
    const auto column = [this](const char *labelName, const char *caption, QWidget *list, int width) {
        auto *box = new QVBoxLayout;
        box->setSpacing(4);
        box->addWidget(widgets::pageLabel(labelName, QString::fromUtf8(caption), this));
        box->addWidget(list, 1);
        list->setFixedWidth(width);
        return box;
    };
    lists->addLayout(column("Label8", "①选择朝代  ", m_dynasties, 90));
    lists->addLayout(column("Label9", "②选择作者  ", m_poets, 130));
    lists->addLayout(column("Label10", "③选择诗词  ", m_titles, 210));
    auto *textColumn = new QVBoxLayout;
    textColumn->setSpacing(6);
    textColumn->addWidget(m_memo, 1);
    textColumn->addWidget(widgets::pageLabel("Label45",
                                QStringLiteral("提示：依次选择朝代、作者、诗词，点击“选择这首诗词”即可。\n"
                                               "本软件已收录了过万首诗词！"),
                                this, true));
    textColumn->addWidget(choose, 0, Qt::AlignRight);
    lists->addLayout(textColumn, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(searchRow);
    layout->addLayout(lists, 1);

    connect(m_dynasties->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PoemChooserPage::dynastyChanged);
    connect(m_poets->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PoemChooserPage::poetChanged);
    connect(m_titles->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PoemChooserPage::titleChanged);
    connect(choose, &QPushButton::clicked, this, [this] { emit poemChosen(m_text); });
    connect(find, &QPushButton::clicked, this, &PoemChooserPage::search);
    connect(m_searchField, &QLineEdit::returnPressed, this, &PoemChooserPage::search);
}

PoemChooserPage::~PoemChooserPage() = default;

namespace {

// Fills a list and makes its first row current, which moves the cascade on.
void fill(QTableView *view, TextColumnModel *model, const QStringList &texts)
{
    model->setTexts(texts);
    if (!texts.isEmpty())
        view->setCurrentIndex(model->index(0, 0));
}

} // namespace

void PoemChooserPage::open()
{
    if (m_open)
        return;
    widgets::runGuarded(this, [this] {
        const QStringList dynasties = m_library->dynasties();
        m_open = true;
        fill(m_dynasties, m_dynastyModel, dynasties);
    });
}

QString PoemChooserPage::currentText(QTableView *view) const
{
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? current.data().toString() : QString();
}

PoemKey PoemChooserPage::currentPoem() const
{
    return {currentText(m_dynasties), currentText(m_poets), currentText(m_titles)};
}

void PoemChooserPage::dynastyChanged()
{
    m_poetModel->setTexts({});
    m_titleModel->setTexts({});
    m_text.clear();
    m_memo->clear();
    widgets::runGuarded(this, [this] { fill(m_poets, m_poetModel, m_library->poets(currentText(m_dynasties))); });
}

void PoemChooserPage::poetChanged()
{
    m_titleModel->setTexts({});
    m_text.clear();
    m_memo->clear();
    widgets::runGuarded(this, [this] {
        fill(m_titles, m_titleModel, m_library->titles(currentText(m_dynasties), currentText(m_poets)));
    });
}

void PoemChooserPage::titleChanged()
{
    m_text.clear();
    m_memo->clear();
    widgets::runGuarded(this, [this] {
        m_text = m_library->poemText(currentPoem());
        // The memo shows lines; the text keeps its CR LF for the picker.
        QString shown = m_text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        m_memo->setPlainText(shown);
    });
}

bool PoemChooserPage::select(const PoemKey &poem)
{
    open();
    const auto choose = [](QTableView *view, TextColumnModel *model, const QString &text) {
        const qsizetype row = model->texts().indexOf(text);
        if (row < 0)
            return false;
        const QModelIndex index = model->index(int(row), 0);
        view->setCurrentIndex(index);
        view->scrollTo(index, QAbstractItemView::PositionAtCenter);
        return true;
    };
    return choose(m_dynasties, m_dynastyModel, poem.dynasty) && choose(m_poets, m_poetModel, poem.poet)
        && choose(m_titles, m_titleModel, poem.title);
}

void PoemChooserPage::search()
{
    const QString words = m_searchField->text().trimmed();
    if (words.isEmpty())
        return;
    widgets::runGuarded(this, [this, &words] {
        const std::vector<PoemKey> hits = m_library->search(words);
        if (hits.empty()) {
            widgets::showInformation(this, QStringLiteral("没有找到与“%1”有关的诗词。").arg(words));
            return;
        }
        if (hits.size() == 1) {
            select(hits.front());
            return;
        }
        auto *menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("poemSearchMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (const PoemKey &hit : hits) {
            menu->addAction(QStringLiteral("%1 — %2（%3）").arg(hit.title, hit.poet, hit.dynasty), this,
                            [this, hit] { select(hit); });
        }
        menu->popup(m_searchField->mapToGlobal(QPoint(0, m_searchField->height())));
    });
}

// ---- "诗词模式2" -----------------------------------------------------------

PoemPickerPage::PoemPickerPage(CharSetRun *run, namelist::NameListHost &host, QWidget *parent)
    : QWidget(parent)
    , m_run(run)
    , m_model(new CandidateListModel(this))
{
    m_view = new namelist::CandidateListView(m_model, host, {QStringLiteral("StringGrid3"), QStringLiteral("shiciPopupMenu4"),
                                             {25, 57, 71, 69, 63, 54, 64, 64}, false},
                                   this);
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("pickerArea"));
    m_area->setWidgetResizable(false);
    m_area->setBackgroundRole(QPalette::Base);
    setPoem(QString());

    auto *back = widgets::pageButton("Button19", "←重新选择诗词", this, 84);
    auto *all = widgets::pageButton("Button26", "全选", this, 84);
    auto *none = widgets::pageButton("Button27", "全取消", this, 84);
    auto *generateButton = widgets::pageButton("Button7", "生成名字", this, 84);
    m_pause = widgets::pageButton("Button30", "暂停", this, 84);
    auto *sort = widgets::pageButton("Button33", "分数排序", this, 84);
    auto *filter = widgets::pageButton("Button3", "筛选", this, 84);
    auto *exportButton = widgets::pageButton("Button16", "导出名字", this, 84);

    auto *leftButtons = new QHBoxLayout;
    leftButtons->addWidget(back);
    leftButtons->addWidget(all);
    leftButtons->addWidget(none);
    leftButtons->addStretch();
    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(widgets::pageLabel("Label34", QStringLiteral("请选择下面诗词中的单字  "), this));
    left->addLayout(leftButtons);
    left->addWidget(m_area, 1);

    auto *rightButtons = new QHBoxLayout;
    for (QPushButton *b : {generateButton, m_pause, sort, filter, exportButton}) {
        b->setMinimumWidth(72);
        rightButtons->addWidget(b);
    }
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addLayout(rightButtons);
    right->addWidget(m_view, 1);
    right->addWidget(widgets::pageLabel("Label33", namelist::kListHint, this, true));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(10);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);
    m_area->setFixedWidth(372);
    m_view->setMinimumWidth(480);

    connect(back, &QPushButton::clicked, this, &PoemPickerPage::backRequested);
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(generateButton, &QPushButton::clicked, this, &PoemPickerPage::generate);
    connect(m_pause, &QPushButton::clicked, this, &PoemPickerPage::togglePause);
    // This list sorts even while its run goes on; later rows follow the sorted block.
    connect(sort, &QPushButton::clicked, this, [this] { m_view->sortWithMessage(false); });
    connect(filter, &QPushButton::clicked, this,
            [this, &host] { widgets::runGuarded(this, [this, &host] { host.openConditionFilter(m_model); }); });
    connect(exportButton, &QPushButton::clicked, m_view, &namelist::CandidateListView::exportWithDialog);
    connect(m_run, &CharSetRun::stateChanged, this, [this] { showCharSetRunState(*m_run, m_pause); });
    connect(m_run, &CharSetRun::finished, this, [this](CandidateListModel *target, int count) {
        if (target == m_model && count > 0)
            widgets::showInformation(this, QStringLiteral("运算完毕！名字总数为%1").arg(count));
    });
    connect(m_run, &CharSetRun::failed, this, [this](CandidateListModel *target, const QString &message) {
        if (target == m_model)
            widgets::showWarning(this, message);
    });
}

void PoemPickerPage::setPoem(const QString &text)
{
    // A new canvas: the old one and every box on it go.
    auto *canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("picker"));
    QFont boxFont = font();
    boxFont.setPixelSize(13);
    m_boxes.clear();
    int width = 0;
    int height = 0;
    for (const PickerCell &cell : layoutPoem(text)) {
        auto *box = new QCheckBox(cell.text, canvas);
        box->setFont(boxFont);
        box->setGeometry(kColumnStep * cell.x - 20, kLineStep * cell.y, kColumnStep - 2, kLineStep);
        width = qMax(width, kColumnStep * cell.x + 20);
        height = qMax(height, kLineStep * (cell.y + 1));
        m_boxes.push_back(box);
    }
    canvas->resize(qMax(width, 380), qMax(height + 8, 440));
    delete m_area->takeWidget();
    m_area->setWidget(canvas);
}

void PoemPickerPage::tickAll(bool ticked)
{
    for (QCheckBox *box : m_boxes)
        box->setChecked(ticked);
}

QString PoemPickerPage::tickedText() const
{
    // The boxes were made line by line, left to right: their order is the reading order.
    QString text;
    for (const QCheckBox *box : m_boxes)
        if (box->isChecked())
            text += box->text();
    return text;
}

void PoemPickerPage::generate()
{
    widgets::runGuarded(this, [this] {
        m_pause->setText(QStringLiteral("暂停"));
        profile::ensureProfileLoaded();
        const profile::BabyProfile &p = profile::liveProfile();
        m_run->start(tickedText(), m_model, {p.surname, p.givenNameLength, p.gender});
    });
}

void PoemPickerPage::togglePause()
{
    toggleCharSetRun(*m_run, m_pause);
}

} // namespace qiming::generation
