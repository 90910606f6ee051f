#include "othernames/ui/EnglishNamePage.h"
#include "widgets/CharacterLimit.h"

#include "othernames/EnglishNames.h"
#include "widgets/MessageBoxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qiming::othernames {

namespace {

QLineEdit *nameField(const char *objectName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    widgets::limitCharacters(edit, 2);
    edit->setFixedWidth(110);
    return edit;
}

} // namespace

EnglishNamePage::EnglishNamePage(QWidget *parent)
    : QWidget(parent)
{
    auto *group = new QGroupBox(QStringLiteral("输入中文姓名"), this);
    group->setObjectName(QStringLiteral("nameGroup"));
    m_surname = nameField("surnameField", group);
    m_given = nameField("givenNameField", group);
    m_boy = new QRadioButton(QStringLiteral("男"), group);
    m_boy->setObjectName(QStringLiteral("boyButton"));
    m_girl = new QRadioButton(QStringLiteral("女"), group);
    m_girl->setObjectName(QStringLiteral("girlButton"));
    m_boy->setChecked(true);
    auto *genders = new QHBoxLayout;
    genders->addWidget(m_boy);
    genders->addWidget(m_girl);
    genders->addStretch();

    m_suggest = new QPushButton(QStringLiteral("马上取英文名"), group);
    m_suggest->setObjectName(QStringLiteral("Button28"));
    m_suggest->setMinimumSize(120, 32);

    auto *grid = new QGridLayout(group);
    grid->setVerticalSpacing(14);
    grid->addWidget(new QLabel(QStringLiteral("姓  "), group), 0, 0, Qt::AlignRight);
    grid->addWidget(m_surname, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("名    "), group), 1, 0, Qt::AlignRight);
    grid->addWidget(m_given, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("性别  "), group), 2, 0, Qt::AlignRight);
    grid->addLayout(genders, 2, 1);
    grid->addWidget(m_suggest, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setRowStretch(4, 1);

    m_result = new QPlainTextEdit(this);
    m_result->setObjectName(QStringLiteral("resultBox"));
    m_result->setReadOnly(true);
    m_result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *note = new QLabel(QStringLiteral("提示：英文名字可复制 "), this);
    note->setObjectName(QStringLiteral("copyNote"));
    note->setStyleSheet(QStringLiteral("QLabel { color: #b03a2e; }"));

    auto *left = new QVBoxLayout;
    left->addWidget(group);
    left->addWidget(note);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(20);
    layout->addLayout(left);
    layout->addWidget(m_result, 1);

    connect(m_suggest, &QPushButton::clicked, this, &EnglishNamePage::suggestEnglishNames);
}

void EnglishNamePage::suggestEnglishNames()
{
    widgets::runGuarded(this, [this] {
        const QString gender = m_girl->isChecked() ? QStringLiteral("女") : QStringLiteral("男");
        const EnglishNameResult result =
            othernames::suggestEnglishNames(m_surname->text(), m_given->text(), gender);
        if (result.outcome == EnglishNameResult::EmptyInput) {
            widgets::showInformation(this, QStringLiteral("请输入姓名！"));
            return;
        }
        m_result->clear();
        if (result.outcome == EnglishNameResult::NoLetter) {
            widgets::showInformation(this, QStringLiteral("您的输入有误！"));
            return;
        }
        m_result->setPlainText(result.names.join(QLatin1Char('\n')));
    });
}

} // namespace qiming::othernames
