#include "review/ui/ConditionFilterWindow.h"

#include "generation/CandidateListModel.h"
#include "namelist/CandidateListView.h"
#include "namelist/ListActions.h"
#include "profile/BabyProfile.h"
#include "widgets/CharacterLimit.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NumberList.h"
#include "widgets/PageControls.h"
#include "widgets/WindowPlacement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qiming::review {

namespace {

const QString kElementOrder = QStringLiteral("金木水火土");

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumHeight(28);
    return b;
}

QComboBox *rangeList(const char *name, int last, int current, QWidget *parent)
{
    QComboBox *box = widgets::makeNumberList(QString::fromLatin1(name), 1, last, 10, parent, current);
    box->setEnabled(false);
    return box;
}

} // namespace

ConditionFilterWindow::ConditionFilterWindow(namelist::NameListHost &host, QWidget *parent)
    : QDialog(parent)
    , m_results(new generation::CandidateListModel(this))
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("超级吉祥筛选"));
    widgets::setFixedClientSize(this, 900, 640);

    m_view = new namelist::CandidateListView(m_results, host, {QStringLiteral("StringGrid1"), QStringLiteral("PopupMenu1"),
                                                           namelist::kStandardColumnWidths, true},
                                               this);

    auto *step1 = new QGroupBox(QStringLiteral("步骤1，条件筛选"), this);
    auto *tabs = new QTabWidget(step1);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->addTab(buildElementsTab(), QStringLiteral("根据五行筛选"));
    tabs->addTab(buildStrokesTab(), QStringLiteral("根据笔画筛选"));
    tabs->addTab(buildCharactersTab(), QStringLiteral("根据文字筛选"));
    (new QVBoxLayout(step1))->addWidget(tabs);

    auto *step2 = new QGroupBox(QStringLiteral("步骤2，超吉筛选"), this);
    auto *step2Layout = new QVBoxLayout(step2);
    step2Layout->addWidget(widgets::hintLabel(QStringLiteral("提示：\n"
                                               "五格（天格，人格，地格，外格、总格）是根据姓名的康熙笔画计算而来，吉凶蕴含于81数理中（固定参照）；\n"
                                               "三才（天地人）是按照数字对应属性计算而来，再对照三才吉凶表（固定参照），看是吉是凶；\n"
                                               "此乃五格三才评分的依归。\n"
                                               "使用“超吉筛选”，可以筛选出五格、三才均吉祥的名字！"),
                                step2));
    step2Layout->addStretch();
    auto *superButton = button(QStringLiteral("superButton"), QStringLiteral("开启超吉筛选"), step2);
    auto *exportButton = button(QStringLiteral("exportButton"), QStringLiteral("导出下面的名字"), step2);
    step2Layout->addWidget(superButton);
    step2Layout->addWidget(exportButton);

    auto *steps = new QHBoxLayout;
    steps->addWidget(step1, 3);
    steps->addWidget(step2, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(widgets::hintLabel(QStringLiteral("提示：步骤1，根据五行，笔画，文字进行条件筛选，筛选结果将显示在下方表格；  "
                                          "步骤2，开启超吉筛选，对步骤1的结果进一步筛选。"),
                           this));
    layout->addLayout(steps);
    auto *resultsLabel = new QLabel(QStringLiteral("步骤1条件筛选的结果："), this);
    resultsLabel->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
    layout->addWidget(resultsLabel);
    layout->addWidget(m_view, 1);

    connect(superButton, &QPushButton::clicked, this, &ConditionFilterWindow::openSuperAuspicious);
    connect(exportButton, &QPushButton::clicked, m_view, &namelist::CandidateListView::exportWithDialog);
}

QWidget *ConditionFilterWindow::buildElementsTab()
{
    auto *tab = new QWidget;
    auto *grid = new QGridLayout;
    const char *captions[] = {"名字的第一个字属", "名字的第二个字属", "姓加名 至少要有一个", "姓和名都不能带"};
    const char *names[] = {"ruleA", "ruleB", "ruleC", "ruleD"};
    for (int r = 0; r < 4; ++r) {
        ElementRow &row = m_elementRows[size_t(r)];
        row.rule = new QCheckBox(QString::fromUtf8(captions[r]), tab);
        row.rule->setObjectName(QString::fromLatin1(names[r]));
        grid->addWidget(row.rule, r, 0);
        for (int e = 0; e < 5; ++e) {
            auto *box = new QCheckBox(kElementOrder.mid(e, 1), tab);
            box->setObjectName(QString::fromLatin1(names[r]) + kElementOrder.mid(e, 1));
            box->setEnabled(false);
            row.elements[size_t(e)] = box;
            grid->addWidget(box, r, e + 1);
            connect(row.rule, &QCheckBox::toggled, box, &QWidget::setEnabled);
        }
    }
    auto *run = button(QStringLiteral("elementsButton"), QStringLiteral("筛选五行"), tab);
    connect(run, &QPushButton::clicked, this, &ConditionFilterWindow::filterByElements);
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(widgets::hintLabel(QStringLiteral("提示：如果需要补上某个五行元素，请选择“姓和名至少要有一个”；\n"
                                          "如果要排除某个五行元素，请选择“姓和名都不能带”"),
                           tab));
    layout->addWidget(run, 0, Qt::AlignRight);
    return tab;
}

QWidget *ConditionFilterWindow::buildStrokesTab()
{
    auto *tab = new QWidget;
    m_simplified = new QRadioButton(QStringLiteral("简体笔画"), tab);
    m_simplified->setObjectName(QStringLiteral("simplifiedRadio"));
    m_simplified->setChecked(true);
    m_kangxi = new QRadioButton(QStringLiteral("康熙笔画"), tab);
    m_kangxi->setObjectName(QStringLiteral("kangxiRadio"));
    auto *kinds = new QHBoxLayout;
    kinds->addWidget(m_simplified);
    kinds->addWidget(m_kangxi);
    kinds->addStretch();

    m_strokeLists = {rangeList("ComboBox1", 30, 1, tab), rangeList("ComboBox2", 30, 10, tab),
                     rangeList("ComboBox3", 30, 1, tab), rangeList("ComboBox4", 30, 10, tab),
                     rangeList("ComboBox5", 90, 30, tab), rangeList("ComboBox6", 90, 10, tab)};
    const char *captions[] = {"名字第一个字笔画数", "名字第二个字笔画数", "总笔画数（含姓）"};
    const char *names[] = {"firstStrokesCheck", "secondStrokesCheck", "totalStrokesCheck"};
    // Low and high list of each condition; the total's low bound is the left list ComboBox6.
    const std::pair<int, int> lists[] = {{0, 1}, {2, 3}, {5, 4}};
    auto *grid = new QGridLayout;
    for (int r = 0; r < 3; ++r) {
        auto *check = new QCheckBox(QString::fromUtf8(captions[r]), tab);
        check->setObjectName(QString::fromLatin1(names[r]));
        m_strokeChecks[size_t(r)] = check;
        QComboBox *low = m_strokeLists[size_t(lists[r].first)];
        QComboBox *high = m_strokeLists[size_t(lists[r].second)];
        connect(check, &QCheckBox::toggled, low, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, high, &QWidget::setEnabled);
        grid->addWidget(check, r, 0);
        grid->addWidget(low, r, 1);
        grid->addWidget(new QLabel(QStringLiteral("到"), tab), r, 2);
        grid->addWidget(high, r, 3);
    }
    grid->setColumnStretch(4, 1);
    auto *run = button(QStringLiteral("strokesButton"), QStringLiteral("筛选笔画"), tab);
    connect(run, &QPushButton::clicked, this, &ConditionFilterWindow::filterByStrokes);
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(kinds);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(widgets::hintLabel(QStringLiteral("提示：1，选择根据简体还是康熙笔画筛选；\n2，选择对第几个名字筛选；"), tab));
    layout->addWidget(run, 0, Qt::AlignRight);
    return tab;
}

QWidget *ConditionFilterWindow::buildCharactersTab()
{
    auto *tab = new QWidget;
    m_firstChar = new QCheckBox(QStringLiteral("名字第一个字是"), tab);
    m_firstChar->setObjectName(QStringLiteral("firstCharCheck"));
    m_secondChar = new QCheckBox(QStringLiteral("名字第二个字是"), tab);
    m_secondChar->setObjectName(QStringLiteral("secondCharCheck"));
    m_firstCharEdit = new QLineEdit(tab);
    m_firstCharEdit->setObjectName(QStringLiteral("Edit5"));
    m_secondCharEdit = new QLineEdit(tab);
    m_secondCharEdit->setObjectName(QStringLiteral("Edit6"));
    auto *grid = new QGridLayout;
    int r = 0;
    for (auto [check, edit] : {std::pair{m_firstChar, m_firstCharEdit}, std::pair{m_secondChar, m_secondCharEdit}}) {
        widgets::limitCharacters(edit, 1);
        edit->setFixedWidth(48);
        grid->addWidget(check, r, 0);
        grid->addWidget(edit, r, 1);
        ++r;
    }
    grid->setColumnStretch(2, 1);
    auto *run = button(QStringLiteral("charactersButton"), QStringLiteral("筛选文字"), tab);
    connect(run, &QPushButton::clicked, this, &ConditionFilterWindow::filterByCharacters);
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(widgets::hintLabel(QStringLiteral("提示：1，选择根要对第几个名字筛选；\n2，输入文字；"), tab));
    layout->addWidget(run, 0, Qt::AlignRight);
    return tab;
}

void ConditionFilterWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
    m_results->writeCandidateHeader();
    m_results->clear();
}

ElementRule ConditionFilterWindow::ruleOf(const ElementRow &row) const
{
    ElementRule rule;
    rule.on = row.rule->isChecked();
    for (int e = 0; e < 5; ++e)
        if (row.elements[size_t(e)]->isChecked())
            rule.elements += kElementOrder.at(e);
    return rule;
}

ElementRules ConditionFilterWindow::elementRules() const
{
    return {ruleOf(m_elementRows[0]), ruleOf(m_elementRows[1]), ruleOf(m_elementRows[2]), ruleOf(m_elementRows[3])};
}

StrokeRules ConditionFilterWindow::strokeRules() const
{
    const auto range = [this](int check, int low, int high) {
        return StrokeRange{m_strokeChecks[size_t(check)]->isChecked(),
                           m_strokeLists[size_t(low)]->currentText().toInt(),
                           m_strokeLists[size_t(high)]->currentText().toInt()};
    };
    return {m_kangxi->isChecked(), range(0, 0, 1), range(1, 2, 3), range(2, 5, 4)};
}

CharacterRules ConditionFilterWindow::characterRules() const
{
    return {m_firstChar->isChecked(), m_firstCharEdit->text(), m_secondChar->isChecked(), m_secondCharEdit->text()};
}

void ConditionFilterWindow::filterByElements()
{
    runFilter([this](const generation::CandidateListModel &source) {
        return review::filterByElements(source, elementRules());
    });
}

void ConditionFilterWindow::filterByStrokes()
{
    runFilter([this](const generation::CandidateListModel &source) {
        return review::filterByStrokes(source, strokeRules());
    });
}

void ConditionFilterWindow::filterByCharacters()
{
    runFilter([this](const generation::CandidateListModel &source) {
        return review::filterByCharacters(source, characterRules());
    });
}

void ConditionFilterWindow::runFilter(
    const std::function<std::vector<generation::NameCandidate>(const generation::CandidateListModel &)> &filter)
{
    widgets::runGuarded(this, [&] {
        profile::ensureProfileLoaded();
        // Opened without a list (nothing handed over), the filter finds nothing.
        generation::CandidateListModel none;
        const generation::CandidateListModel &from = m_source ? *m_source : none;
        std::vector<generation::NameCandidate> rows = filter(from);
        m_results->setIdentity(from.identity());
        m_results->setRows(std::move(rows));
    });
}

void ConditionFilterWindow::openSuperAuspicious()
{
    if (m_results->size() == 0)
        widgets::showInformation(this, QStringLiteral("超吉筛选是对下方表格的筛选，下方表格没有名字，超吉筛选也将筛选不到名字，"
                                                    "请先执行步骤1 条件筛选"));
    widgets::runGuarded(this, [this] { emit superFilterRequested(); });
}

} // namespace qiming::review
