#include "generation/ui/ClassicPage.h"

#include "generation/CandidateListModel.h"
#include "generation/ClassicNames.h"
#include "namelist/CandidateListView.h"
#include "namelist/ListActions.h"
#include "namelist/NameListHost.h"
#include "widgets/PageControls.h"
#include "numerology/SharedNumerology.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qiming::generation {

ClassicPage::ClassicPage(namelist::NameListHost &host, QWidget *parent)
    : QWidget(parent)
    , m_names(new ClassicNameModel(this))
    , m_scored(new CandidateListModel(this))
    , m_host(host)
{
    m_scored->setObjectName(QStringLiteral("StringGrid5"));
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("StringGrid4"));
    m_view->setModel(m_names);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->horizontalHeader()->hide();
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(24);
    QFont big = m_view->font();
    big.setPixelSize(15);
    m_view->setFont(big);
    const int widths[] = {155, 157, 165, 180, 159};
    for (int c = 0; c < ClassicNameModel::kColumns; ++c)
        m_view->setColumnWidth(c, widths[c]);
    m_actions = new namelist::ListActions(
        m_view, host, {QStringLiteral("jingdianPopupMenu1"), true},
        {[this] { return currentName(); },
         // Scored as it was formed: the draw's surname, length and gender, whatever the profile says now.
         [this] {
             const RunIdentity &id = m_names->identity();
             return numerology::scoreFullName(currentName(), id.singleSurname, id.singleGiven, id.gender);
         },
         [this] { return m_names->identity(); },
         [this](const QString &path, QString *error) { return exportList(*m_names, false, path, error); }});

    auto *generateButton = widgets::pageButton("Button9", "生成名字", this);
    auto *filterButton = widgets::pageButton("Button25", "筛选", this);
    auto *exportButton = widgets::pageButton("Button14", "导出名字", this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {generateButton, filterButton, exportButton})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    buttons->addWidget(widgets::pageLabel("Label35", QStringLiteral("每次随机生成405个名字，祝您找到有缘分的名字    "), this, true));
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    layout->addWidget(widgets::pageLabel("Label31", namelist::kListHint, this, true));

    connect(generateButton, &QPushButton::clicked, this, &ClassicPage::generate);
    connect(filterButton, &QPushButton::clicked, this, &ClassicPage::filter);
    connect(exportButton, &QPushButton::clicked, m_actions, &namelist::ListActions::exportWithDialog);
}

QString ClassicPage::currentName() const
{
    const QModelIndex at = m_view->currentIndex();
    return at.isValid() ? m_names->name(at.row(), at.column()) : QString();
}

void ClassicPage::generate()
{
    widgets::runGuarded(this, [this] {
        profile::ensureProfileLoaded();
        const profile::BabyProfile &p = profile::liveProfile();
        m_names->generate(numerology::sharedCharacterTables(),
                          {p.surname, p.gender, p.givenNameLength, profile::effectiveFixedChar(), p.fixedCharPosition});
    });
}

void ClassicPage::filter()
{
    widgets::runGuarded(this, [this] {
        buildScoredList(*m_names, *m_scored);
        m_host.openConditionFilter(m_scored);
    });
}

} // namespace qiming::generation
