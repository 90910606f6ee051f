#include "review/ui/SuperAuspiciousWindow.h"

#include "generation/CandidateListModel.h"
#include "namelist/CandidateListView.h"
#include "numerology/SharedNumerology.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageControls.h"
#include "widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qiming::review {

namespace {

QCheckBox *checkBox(int number, const char *caption, bool ticked, QWidget *parent)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
    box->setChecked(ticked);
    return box;
}

} // namespace

SuperAuspiciousWindow::SuperAuspiciousWindow(const generation::CandidateListModel *source,
                                             namelist::NameListHost &host, QWidget *parent)
    : QDialog(parent)
    , m_source(source)
    , m_results(new generation::CandidateListModel(this))
{
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("超吉筛选"));
    widgets::setFixedClientSize(this, 860, 640);

    auto *levels = new QGroupBox(QStringLiteral("五格选择(除天格)"), this);
    auto *levelsLayout = new QVBoxLayout(levels);
    levelsLayout->addWidget(new QLabel(QStringLiteral("即允许五格出现的吉凶"), levels));
    auto *levelBoxes = new QHBoxLayout;
    const char *levelCaptions[] = {"大吉", "吉", "半吉", "凶", "大凶"};
    for (int i = 0; i < 5; ++i) {
        m_levels[size_t(i)] = checkBox(i + 1, levelCaptions[i], i < 3, levels);
        levelBoxes->addWidget(m_levels[size_t(i)]);
    }
    levelsLayout->addLayout(levelBoxes);

    auto *verdicts = new QGroupBox(QStringLiteral("三才选择"), this);
    auto *verdictsLayout = new QVBoxLayout(verdicts);
    verdictsLayout->addWidget(new QLabel(QStringLiteral("即允许三才出现的吉凶"), verdicts));
    auto *verdictBoxes = new QHBoxLayout;
    const char *verdictCaptions[] = {"吉", "平", "凶"};
    for (int i = 0; i < 3; ++i) {
        m_verdicts[size_t(i)] = checkBox(i + 7, verdictCaptions[i], i < 2, verdicts);
        verdictBoxes->addWidget(m_verdicts[size_t(i)]);
    }
    verdictBoxes->addStretch();
    verdictsLayout->addLayout(verdictBoxes);

    m_lonely = checkBox(6, "开启女性孤独数筛选", false, this);
    auto *run = new QPushButton(QStringLiteral("马上超吉筛选"), this);
    run->setObjectName(QStringLiteral("Button1"));
    run->setMinimumHeight(30);
    auto *exportButton = new QPushButton(QStringLiteral("导出名字"), this);
    exportButton->setObjectName(QStringLiteral("Button2"));
    exportButton->setMinimumHeight(30);

    auto *left = new QVBoxLayout;
    left->addWidget(levels);
    left->addWidget(verdicts);
    left->addWidget(m_lonely);
    left->addWidget(widgets::hintLabel(QStringLiteral("提示：数理21,23,26,28,29,33,39为女性孤独数，会致婚姻不顺，应予以排除。\n"
                                        "只有女性不宜，男性不需考虑。"),
                         this, "#c00000"));
    auto *right = new QVBoxLayout;
    right->addWidget(widgets::hintLabel(QStringLiteral("提示：请选择五格三才您所允许的吉凶评价。\n"
                                         "说明：\n"
                                         "1，天格数是先祖留传下来的，其数理对人影响不大。\n"
                                         "（由于姓是固定的，所以天格也是固定的，不论凶吉都无法改，因而软件并不对天格数进行筛选）\n"
                                         "2，外格又称变格，影响人的社交能力、智慧等，其数理亦不用重点去看。\n"
                                         "3，三才配置极少是吉，大多是凶。"),
                          this));
    right->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(run);
    buttons->addWidget(exportButton);
    right->addLayout(buttons);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);

    auto *resultsFrame = new QGroupBox(QStringLiteral("超吉筛选结果"), this);
    m_view = new namelist::CandidateListView(m_results, host, {QStringLiteral("StringGrid1"), QStringLiteral("PopupMenu1"),
                                                           namelist::kStandardColumnWidths, true},
                                               resultsFrame);
    (new QVBoxLayout(resultsFrame))->addWidget(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(resultsFrame, 1);

    connect(run, &QPushButton::clicked, this, &SuperAuspiciousWindow::filterSuperAuspicious);
    connect(exportButton, &QPushButton::clicked, m_view, &namelist::CandidateListView::exportWithDialog);
}

void SuperAuspiciousWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
    m_results->writeCandidateHeader();
    widgets::runGuarded(this, [this] {
        profile::ensureProfileLoaded();
        const bool girl = profile::liveProfile().gender == QLatin1String("nv");
        m_lonely->setEnabled(girl);
        m_lonely->setChecked(girl);
    });
    m_results->clear();
}

SuperAuspiciousChoices SuperAuspiciousWindow::choices() const
{
    SuperAuspiciousChoices c;
    c.levels.clear();
    for (int i = 0; i < 5; ++i)
        if (m_levels[size_t(i)]->isChecked())
            c.levels += QString::number(i + 1);
    c.verdicts.clear();
    for (QCheckBox *box : m_verdicts)
        if (box->isChecked())
            c.verdicts += box->text();
    c.lonelyNumbers = m_lonely->isChecked();
    return c;
}

void SuperAuspiciousWindow::filterSuperAuspicious()
{
    widgets::runGuarded(this, [this] {
        generation::CandidateListModel none;
        const generation::CandidateListModel &source = m_source ? *m_source : none;
        m_results->setIdentity(source.identity());
        m_results->setRows(review::filterSuperAuspicious(source, choices(), numerology::sharedLuckTables()));
    });
}

} // namespace qiming::review
