#include "othernames/ui/NicknamePage.h"
#include "widgets/CharacterLimit.h"

#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qiming::othernames {

namespace {

const char kExplanation[] = "“小名”一般只在家庭和亲朋好友之间使用，力求意思简单、易记、琅琅上口。\n\n"
                            "同时，“小名”也是“尊姓大名”的前身，也需要注意数理，同一小名，不同姓氏的人使用，"
                            "其数理评价不同。";

} // namespace

NicknamePage::NicknamePage(QWidget *parent)
    : QWidget(parent)
{
    auto *explanation = new QLabel(QString::fromUtf8(kExplanation), this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);
    explanation->setStyleSheet(QStringLiteral("QLabel { color: #4a4a4a; }"));

    auto *patterns = new QGroupBox(QStringLiteral("请选择小名类型"), this);
    patterns->setObjectName(QStringLiteral("patternGroup"));
    m_double = new QRadioButton(QStringLiteral("AA型（如：果果）"), patterns);
    m_double->setObjectName(QStringLiteral("doublePattern"));
    m_littlePrefix = new QRadioButton(QStringLiteral("小A型（如：小嘟）      "), patterns);
    m_littlePrefix->setObjectName(QStringLiteral("littlePrefixPattern"));
    m_erSuffix = new QRadioButton(QStringLiteral("A儿型（如：花儿）             "), patterns);
    m_erSuffix->setObjectName(QStringLiteral("erSuffixPattern"));
    m_double->setChecked(true);
    auto *patternLayout = new QHBoxLayout(patterns);
    for (QRadioButton *b : {m_double, m_littlePrefix, m_erSuffix})
        patternLayout->addWidget(b);
    patternLayout->addStretch();

    m_generate = new QPushButton(QStringLiteral("生成小名"), this);
    m_generate->setObjectName(QStringLiteral("generateButton"));
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("nicknameInput"));
    widgets::limitCharacters(m_input, 2);
    m_input->setFixedWidth(90);
    m_test = new QPushButton(QStringLiteral("小名测算"), this);
    m_test->setObjectName(QStringLiteral("testButton"));
    for (QPushButton *b : {m_generate, m_test})
        b->setMinimumSize(96, 30);
    auto *actions = new QHBoxLayout;
    actions->addWidget(m_generate);
    actions->addSpacing(30);
    actions->addWidget(new QLabel(QStringLiteral("小名 "), this));
    actions->addWidget(m_input);
    actions->addWidget(m_test);
    actions->addStretch();

    m_grid = new QTableWidget(0, NicknameRow::ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("nicknameGrid"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(24);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {48, 64, 110, 64, 80, 80, 160, 60};
    for (int c = 0; c < NicknameRow::ColumnCount; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    writeHeader();

    auto *top = new QVBoxLayout;
    top->addWidget(patterns);
    top->addLayout(actions);
    auto *head = new QHBoxLayout;
    head->addWidget(explanation, 1);
    head->addSpacing(16);
    head->addLayout(top, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(head);
    layout->addWidget(m_grid, 1);

    connect(m_generate, &QPushButton::clicked, this, &NicknamePage::generateNicknames);
    connect(m_test, &QPushButton::clicked, this, &NicknamePage::testNickname);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { copyNicknameRow(row); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &NicknamePage::copyHeaderRow);
}

NicknamePattern NicknamePage::pattern() const
{
    if (m_littlePrefix->isChecked())
        return NicknamePattern::LittlePrefix;
    if (m_erSuffix->isChecked())
        return NicknamePattern::ErSuffix;
    return NicknamePattern::Double;
}

QRadioButton *NicknamePage::patternButton(NicknamePattern p) const
{
    switch (p) {
    case NicknamePattern::Double:
        return m_double;
    case NicknamePattern::LittlePrefix:
        return m_littlePrefix;
    case NicknamePattern::ErSuffix:
        return m_erSuffix;
    }
    return m_double;
}

void NicknamePage::writeHeader()
{
    m_grid->setHorizontalHeaderLabels(nicknameHeader());
}

void NicknamePage::showRows(const std::vector<NicknameRow> &rows)
{
    m_grid->clearContents();
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < NicknameRow::ColumnCount; ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(rows[size_t(r)].cells[size_t(c)]));
}

void NicknamePage::generateNicknames()
{
    widgets::runGuarded(this, [this] {
        showRows({});
        profile::ensureProfileLoaded();
        const QString surname = profile::liveProfile().surname;
        showRows(sharedNicknameMaker().generateNicknames(pattern(), surname));
        m_grid->scrollToTop();
    });
}

void NicknamePage::testNickname()
{
    widgets::runGuarded(this, [this] {
        showRows({NicknameRow{}});
        profile::ensureProfileLoaded();
        const auto row = sharedNicknameMaker().testNickname(m_input->text(), profile::liveProfile().surname);
        if (!row) {
            widgets::showInformation(this, QStringLiteral("输入的小名有误！"));
            return;
        }
        showRows({*row});
    });
}

void NicknamePage::copyCells(const QStringList &cells)
{
    const QString nickname = cells.value(NicknameRow::Nickname);
    if (nickname.isEmpty())
        return;
    QApplication::clipboard()->setText(nicknameClipboardText(cells));
    widgets::showInformation(this, QStringLiteral("已复制小名 ") + nickname + QStringLiteral(" 的相关信息！"));
}

void NicknamePage::copyNicknameRow(int row)
{
    if (row < 0 || row >= m_grid->rowCount())
        return;
    QStringList cells;
    for (int c = 0; c < NicknameRow::ColumnCount; ++c) {
        const QTableWidgetItem *item = m_grid->item(row, c);
        cells << (item ? item->text() : QString());
    }
    copyCells(cells);
}

void NicknamePage::copyHeaderRow()
{
    copyCells(nicknameHeader());
}

} // namespace qiming::othernames
