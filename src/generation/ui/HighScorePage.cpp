#include "generation/ui/HighScorePage.h"

#include "generation/CandidateListModel.h"
#include "generation/HighScoreRun.h"
#include "namelist/CandidateListView.h"
#include "namelist/ListActions.h"
#include "namelist/NameListHost.h"
#include "widgets/PageControls.h"
#include "numerology/SharedNumerology.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace qiming::generation {

HighScorePage::HighScorePage(namelist::NameListHost &host, QWidget *parent)
    : QWidget(parent)
    , m_model(new CandidateListModel(this))
{
    m_view = new namelist::CandidateListView(m_model, host, {QStringLiteral("StringGrid1"), QStringLiteral("gaofenPopupMenu2"),
                                             namelist::kStandardColumnWidths, true},
                                   this);
    m_run = new HighScoreRun(m_model, numerology::sharedCharacterTables(), numerology::sharedLuckTables(), this);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_generate = widgets::pageButton("Button5", "生成名字", this);
    m_pause = widgets::pageButton("Button34", "暂停", this);
    m_sort = widgets::pageButton("Button22", "按分数排序", this);
    m_filter = widgets::pageButton("Button8", "筛选", this);
    m_export = widgets::pageButton("Button13", "导出名字", this);
    m_listed = widgets::pageLabel("Label43", QStringLiteral("已生成符合条件的名字数量为： "), this);
    m_computed = widgets::pageLabel("Label5", QStringLiteral("已运算的名字数量为："), this);
    m_total = widgets::pageLabel("Label7", QStringLiteral("总数量为："), this);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_generate, m_pause, m_sort, m_filter, m_export})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *counts = new QHBoxLayout;
    counts->addWidget(m_listed);
    counts->addSpacing(20);
    counts->addWidget(m_computed);
    counts->addSpacing(20);
    counts->addWidget(m_total);
    counts->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addLayout(counts);
    layout->addWidget(widgets::pageLabel("Label38", QStringLiteral("高分模式显示95分及以上的名字，单字名的情况下，将显示全部分数的名字"),
                            this, true));
    layout->addWidget(m_view, 1);
    layout->addWidget(widgets::pageLabel("Label30", namelist::kListHint, this, true));

    connect(m_generate, &QPushButton::clicked, this, &HighScorePage::generate);
    connect(m_pause, &QPushButton::clicked, this, &HighScorePage::togglePause);
    connect(m_sort, &QPushButton::clicked, this, [this] { m_view->sortWithMessage(m_run->isActive()); });
    connect(m_filter, &QPushButton::clicked, this,
            [this, &host] { widgets::runGuarded(this, [this, &host] { host.openConditionFilter(m_model); }); });
    connect(m_export, &QPushButton::clicked, m_view, &namelist::CandidateListView::exportWithDialog);
    connect(m_run, &HighScoreRun::progressed, this, &HighScorePage::showProgress);
    connect(m_run, &HighScoreRun::finished, this,
            [this] { widgets::showInformation(this, QStringLiteral("全部名字计算完毕！")); });
    connect(m_run, &HighScoreRun::failed, this, [this](const QString &message) { widgets::showWarning(this, message); });
}

HighScorePage::~HighScorePage() = default;

void HighScorePage::generate()
{
    widgets::runGuarded(this, [this] {
        m_run->pause(); // the old run must not tick under the set-up's messages
        const QString fixed = profile::effectiveFixedChar();
        m_pause->setText(QStringLiteral("暂停"));
        profile::ensureProfileLoaded();
        const profile::BabyProfile &p = profile::liveProfile();
        const QStringList messages =
            m_run->prepare({p.surname, p.gender, p.givenNameLength, fixed, p.fixedCharPosition});
        for (const QString &m : messages)
            widgets::showInformation(this, m);
        m_run->start();
    });
}

void HighScorePage::togglePause()
{
    if (m_pause->text() == u"暂停" && m_run->isActive()) {
        m_run->pause();
        m_pause->setText(QStringLiteral("恢复"));
    } else if (m_pause->text() == u"恢复" && !m_run->isActive()) {
        m_run->resume();
        m_pause->setText(QStringLiteral("暂停"));
    }
}

void HighScorePage::showProgress()
{
    m_listed->setText(QStringLiteral("已生成符合条件的名字数量为：%1").arg(m_run->listed()));
    m_computed->setText(QStringLiteral("已运算的名字数量为：%1").arg(m_run->computed()));
    m_total->setText(QStringLiteral("总数量为：%1").arg(m_run->total()));
    m_progress->setMaximum(int(qMax<qint64>(1, m_run->total())));
    m_progress->setValue(int(m_run->computed()));
}

} // namespace qiming::generation
