#include "birthchart/ui/ManualNamingWindow.h"

#include "birthchart/FavourableElement.h"
#include "birthchart/ui/BirthChartPanel.h"
#include "data/SharedDatabase.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowPlacement.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qiming::birthchart {

ManualNamingWindow::ManualNamingWindow(QWidget *parent)
    : QDialog(parent)
    , m_panel(new BirthChartPanel(false, QString(), this))
{
    setObjectName(QStringLiteral("TForm16"));
    setWindowTitle(QStringLiteral("人工取名"));

    m_favourable = new QPushButton(QStringLiteral("计算喜用神"), this);
    m_favourable->setObjectName(QStringLiteral("Button1"));
    m_favourable->setMinimumSize(96, 30);
    auto *scores = new QHBoxLayout;
    scores->addWidget(m_favourable);
    scores->addSpacing(12);
    const char *names[5] = {"jin", "mu", "shui", "huo", "tu"};
    const char *labels[5] = {"金： ", "木： ", "水： ", "火： ", "土： "};
    for (int i = 0; i < 5; ++i) {
        m_scores[i] = new QLineEdit(this);
        m_scores[i]->setObjectName(QString::fromLatin1(names[i]));
        m_scores[i]->setReadOnly(true);
        m_scores[i]->setFixedWidth(56);
        scores->addWidget(new QLabel(QString::fromUtf8(labels[i]), this));
        scores->addWidget(m_scores[i]);
    }
    scores->addStretch();
    m_analysis = new QLabel(this);
    m_analysis->setObjectName(QStringLiteral("Label7"));
    m_analysis->setWordWrap(true);
    m_analysis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_analysis->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_analysis->setMinimumHeight(90);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addSpacing(8);
    layout->addLayout(scores);
    layout->addWidget(m_analysis);
    layout->addStretch();
    resize(760, 560);

    connect(m_favourable, &QPushButton::clicked, this, [this] { computeFavourableElement(); });
}

void ManualNamingWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
    m_panel->showProfile(); // the profile choice reads the live profile
}

void ManualNamingWindow::computeFavourableElement()
{
    if (!m_panel->hasChart())
        return;
    widgets::runGuarded(this, [this] {
        FavourableElement r;
        if (!birthchart::computeFavourableElement(data::sharedDatabase(), m_panel->chart().pillars, &r))
            return;
        for (int i = 0; i < 5; ++i)
            m_scores[i]->setText(formatScore(r.scores[std::size_t(i)]));
        m_analysis->setText(r.analysis);
    });
}

} // namespace qiming::birthchart
