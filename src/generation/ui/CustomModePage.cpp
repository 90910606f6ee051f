#include "generation/ui/CustomModePage.h"

#include "generation/CandidateListModel.h"
#include "generation/CharSetRun.h"
#include "generation/ui/CharSetRunControls.h"
#include "namelist/CandidateListView.h"
#include "namelist/ListActions.h"
#include "namelist/NameListHost.h"
#include "widgets/PageControls.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qiming::generation {

CustomModePage::CustomModePage(CharSetRun *run, namelist::NameListHost &host, QWidget *parent)
    : QWidget(parent)
    , m_run(run)
    , m_model(new CandidateListModel(this))
{
    m_view = new namelist::CandidateListView(m_model, host, {QStringLiteral("StringGrid2"), QStringLiteral("zidingyiPopupMenu3"),
                                             namelist::kStandardColumnWidths, true},
                                   this);
    auto *hint = new QLabel(QStringLiteral("提示：\n输入要用于取名的汉字，格式随意，软件会自动提取。  "), this);
    hint->setObjectName(QStringLiteral("Label24"));
    hint->setWordWrap(true);
    auto *note = new QLabel(QStringLiteral("注：输入最大字数限制为100个。"), this);
    note->setObjectName(QStringLiteral("Label21"));
    m_input = new widgets::LimitedTextEdit(100, this);
    m_input->setObjectName(QStringLiteral("Memo2"));
    auto *generateButton = widgets::pageButton("Button6", "生成名字", this);
    m_pause = widgets::pageButton("Button31", "暂停", this);
    auto *sort = widgets::pageButton("Button32", "按分数排序", this);
    auto *filter = widgets::pageButton("Button2", "筛选", this);
    auto *exportButton = widgets::pageButton("Button15", "导出名字", this);
    auto *listHint = new QLabel(namelist::kListHint, this);
    listHint->setObjectName(QStringLiteral("Label32"));
    listHint->setStyleSheet(QStringLiteral("QLabel { color: #008000; }"));

    auto *inputColumn = new QVBoxLayout;
    inputColumn->setSpacing(4);
    inputColumn->addWidget(hint);
    inputColumn->addWidget(m_input);
    inputColumn->addWidget(note);
    m_input->setFixedHeight(96);
    auto *buttons = new QGridLayout;
    buttons->setSpacing(8);
    buttons->addWidget(generateButton, 0, 0);
    buttons->addWidget(m_pause, 0, 1);
    buttons->addWidget(sort, 1, 0);
    buttons->addWidget(filter, 1, 1);
    buttons->addWidget(exportButton, 2, 0);
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(inputColumn, 1);
    top->addLayout(buttons, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addWidget(listHint);

    connect(generateButton, &QPushButton::clicked, this, &CustomModePage::generate);
    connect(m_pause, &QPushButton::clicked, this, &CustomModePage::togglePause);
    connect(sort, &QPushButton::clicked, this, [this] { m_view->sortWithMessage(m_run->isActive()); });
    connect(filter, &QPushButton::clicked, this,
            [this, &host] { widgets::runGuarded(this, [this, &host] { host.openConditionFilter(m_model); }); });
    connect(exportButton, &QPushButton::clicked, m_view, &namelist::CandidateListView::exportWithDialog);
    connect(m_run, &CharSetRun::stateChanged, this, &CustomModePage::showRunState);
    connect(m_run, &CharSetRun::finished, this, [this](CandidateListModel *target, int count) {
        if (target == m_model && count > 0)
            widgets::showInformation(this, QStringLiteral("运算完毕！名字总数为%1").arg(count));
    });
    connect(m_run, &CharSetRun::failed, this, [this](CandidateListModel *target, const QString &message) {
        if (target == m_model)
            widgets::showWarning(this, message);
    });
}

void CustomModePage::generate()
{
    widgets::runGuarded(this, [this] {
        const QString text = m_input->toPlainText();
        if (text == kAccessWord)
            emit manualNamingRequested();
        m_pause->setText(QStringLiteral("暂停"));
        profile::ensureProfileLoaded();
        const profile::BabyProfile &p = profile::liveProfile();
        m_run->start(text, m_model, {p.surname, p.givenNameLength, p.gender});
    });
}

void CustomModePage::togglePause()
{
    toggleCharSetRun(*m_run, m_pause);
}

void CustomModePage::showRunState()
{
    showCharSetRunState(*m_run, m_pause);
}

} // namespace qiming::generation
