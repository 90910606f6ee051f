#include "profile/ui/SettingsWindow.h"
#include "widgets/CharacterLimit.h"

#include "calendar/LunarCalendar.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NumberList.h"
#include "widgets/WindowPlacement.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDate>
#include <QLocale>
#include <QToolButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qiming::profile {

namespace {

// The birth years the lists and the calendar offer.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2075;

} // namespace

SettingsWindow::SettingsWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("个人信息设置"));
    widgets::setFixedClientSize(this, 470, 372);
    BabyProfile &p = liveProfile();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(14);

    // Surname
    auto *surnameRow = new QHBoxLayout;
    surnameRow->addWidget(new QLabel(QStringLiteral("输入宝宝姓氏"), this));
    m_surname = new QLineEdit(this);
    m_surname->setObjectName(QStringLiteral("editxs"));
    widgets::limitCharacters(m_surname, 2);
    m_surname->setFixedWidth(80);
    surnameRow->addWidget(m_surname);
    surnameRow->addWidget(new QLabel(QStringLiteral("(单姓或复姓)"), this));
    surnameRow->addStretch();
    layout->addLayout(surnameRow);

    // Gender
    auto *genderRow = new QHBoxLayout;
    genderRow->addWidget(new QLabel(QStringLiteral("宝宝性别"), this));
    m_boy = new QRadioButton(QStringLiteral("男"), this);
    m_boy->setObjectName(QStringLiteral("RadioButton1"));
    m_girl = new QRadioButton(QStringLiteral("女"), this);
    m_girl->setObjectName(QStringLiteral("RadioButton2"));
    m_genderGroup = new QButtonGroup(this);
    m_genderGroup->addButton(m_boy);
    m_genderGroup->addButton(m_girl);
    genderRow->addSpacing(12);
    genderRow->addWidget(m_boy);
    genderRow->addWidget(m_girl);
    genderRow->addStretch();
    layout->addLayout(genderRow);

    // Birth date and time: read-only fields, each filled from the list beside it.
    layout->addWidget(new QLabel(QStringLiteral("宝宝生日(公历)"), this));
    auto *dateGrid = new QGridLayout;
    dateGrid->setHorizontalSpacing(2);
    addDateField(dateGrid, 0, "Edit8", "ComboBox2", QStringLiteral("年"), kFirstYear, kLastYear, &p.birthYear);
    addDateField(dateGrid, 1, "Edit9", "ComboBox3", QStringLiteral("月"), 1, 12, &p.birthMonth);
    addDateField(dateGrid, 2, "Edit10", "ComboBox4", QStringLiteral("日"), 1, 31, &p.birthDay);
    addDateField(dateGrid, 3, "Edit11", "ComboBox5", QStringLiteral("时"), 0, 23, &p.birthHour);
    addDateField(dateGrid, 4, "Edit12", "ComboBox6", QStringLiteral("分"), 0, 59, &p.birthMinute);
    m_calendarButton = new QToolButton(this);
    m_calendarButton->setObjectName(QStringLiteral("calendarButton"));
    m_calendarButton->setText(QStringLiteral("日历…"));
    m_calendarButton->setToolTip(QStringLiteral("在月历上选择出生日期"));
    layout->addLayout(dateGrid);
    // Under the lists: the chosen moment in the lunar calendar, and the month calendar.
    m_lunarLine = new QLabel(this);
    m_lunarLine->setObjectName(QStringLiteral("lunarLine"));
    m_lunarLine->setStyleSheet(QStringLiteral("QLabel { color: #8a5a00; }"));
    auto *lunarRow = new QHBoxLayout;
    lunarRow->addWidget(m_lunarLine);
    lunarRow->addStretch();
    lunarRow->addWidget(m_calendarButton);
    layout->addLayout(lunarRow);
    connect(m_calendarButton, &QToolButton::clicked, this, &SettingsWindow::chooseDateOnCalendar);

    // Given-name length
    auto *lengthRow = new QHBoxLayout;
    lengthRow->addWidget(new QLabel(QStringLiteral("名字个数"), this));
    m_oneChar = new QRadioButton(QStringLiteral("一字"), this);
    m_oneChar->setObjectName(QStringLiteral("RadioButton5"));
    m_twoChars = new QRadioButton(QStringLiteral("两字"), this);
    m_twoChars->setObjectName(QStringLiteral("RadioButton6"));
    m_twoChars->setChecked(true);
    lengthRow->addSpacing(12);
    lengthRow->addWidget(m_oneChar);
    lengthRow->addWidget(m_twoChars);
    lengthRow->addStretch();
    layout->addLayout(lengthRow);

    // Fixed character
    auto *fixedRow = new QHBoxLayout;
    m_fixedEnabled = new QCheckBox(this);
    m_fixedEnabled->setObjectName(QStringLiteral("CheckBox1"));
    m_position = new QComboBox(this);
    m_position->setObjectName(QStringLiteral("ComboBox1"));
    m_position->setEnabled(false);
    m_fixedChar = new QLineEdit(this);
    m_fixedChar->setObjectName(QStringLiteral("Editzd"));
    widgets::limitCharacters(m_fixedChar, 1);
    m_fixedChar->setFixedWidth(50);
    m_fixedChar->setEnabled(false);
    fixedRow->addWidget(m_fixedEnabled);
    fixedRow->addWidget(new QLabel(QStringLiteral("限定第"), this));
    fixedRow->addWidget(m_position);
    fixedRow->addWidget(new QLabel(QStringLiteral("个字为"), this));
    fixedRow->addWidget(m_fixedChar);
    fixedRow->addStretch();
    layout->addLayout(fixedRow);
    rebuildPositionList();

    auto *save = new QPushButton(QStringLiteral("保存设置"), this);
    save->setObjectName(QStringLiteral("Button4"));
    save->setMinimumSize(110, 30);
    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(save);
    layout->addStretch();
    layout->addLayout(saveRow);

    connect(m_surname, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (!m_syncing)
            liveProfile().surname = t;
    });
    connect(m_boy, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !m_syncing)
            liveProfile().gender = QStringLiteral("nan");
    });
    connect(m_girl, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !m_syncing)
            liveProfile().gender = QStringLiteral("nv");
    });
    connect(m_oneChar, &QRadioButton::toggled, this, [this](bool on) {
        if (m_syncing)
            return;
        liveProfile().givenNameLength = on ? 1 : 2;
        rebuildPositionList();
    });
    connect(m_fixedEnabled, &QCheckBox::toggled, this, [this](bool on) {
        m_position->setEnabled(on);
        m_fixedChar->setEnabled(on);
        if (!m_syncing)
            liveProfile().fixedCharEnabled = on;
    });
    connect(m_position, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_syncing && index >= 0)
            liveProfile().fixedCharPosition = index + 1;
    });
    connect(m_fixedChar, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (!m_syncing)
            liveProfile().fixedChar = t;
    });
    connect(save, &QPushButton::clicked, this, &SettingsWindow::saveSettings);
    showProfile();
}

QLineEdit *SettingsWindow::addDateField(QGridLayout *grid, int column, const char *fieldName, const char *listName,
                                        const QString &unit, int first, int last, QString *value)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(fieldName));
    field->setReadOnly(true);
    field->setFixedWidth(column == 0 ? 52 : 34);
    QComboBox *list = widgets::makeNumberList(QString::fromLatin1(listName), first, last, 16, this);
    list->setFixedWidth(22);
    list->view()->setMinimumWidth(64);
    auto *cell = new QHBoxLayout;
    cell->setSpacing(0);
    cell->addWidget(field);
    cell->addWidget(list);
    cell->addWidget(new QLabel(unit, this));
    cell->addSpacing(10);
    grid->addLayout(cell, 0, column);
    // The field, not the list's selection, holds the value.
    connect(list, &QComboBox::activated, this, [this, field, list, value] {
        field->setText(list->currentText());
        *value = list->currentText();
        showLunarLine();
    });
    m_dateFields.push_back({field, list, value});
    return field;
}

void SettingsWindow::rebuildPositionList()
{
    const bool wasSyncing = std::exchange(m_syncing, true);
    m_position->clear();
    m_position->addItem(QStringLiteral("一"));
    if (liveProfile().givenNameLength == 2)
        m_position->addItem(QStringLiteral("二"));
    m_position->setCurrentIndex(0);
    liveProfile().fixedCharPosition = 1;
    m_syncing = wasSyncing;
}

void SettingsWindow::setGenderChoice(const QString &code)
{
    const bool wasSyncing = std::exchange(m_syncing, true);
    m_genderGroup->setExclusive(false);
    m_boy->setChecked(code == QLatin1String("nan"));
    m_girl->setChecked(code == QLatin1String("nv"));
    m_genderGroup->setExclusive(true);
    liveProfile().gender = code == QLatin1String("nan") || code == QLatin1String("nv") ? code : QString();
    m_syncing = wasSyncing;
}

void SettingsWindow::showProfile()
{
    const BabyProfile &p = liveProfile();
    const bool wasSyncing = std::exchange(m_syncing, true);
    m_surname->setText(p.surname);
    showDateFields();
    m_oneChar->setChecked(p.givenNameLength == 1);
    m_twoChars->setChecked(p.givenNameLength == 2);
    m_fixedEnabled->setChecked(p.fixedCharEnabled);
    m_position->setEnabled(p.fixedCharEnabled);
    m_fixedChar->setEnabled(p.fixedCharEnabled);
    m_fixedChar->setText(p.fixedChar);
    m_syncing = wasSyncing;
    setGenderChoice(p.gender);
    showLunarLine();
}

void SettingsWindow::showDateFields()
{
    for (const DateField &d : m_dateFields) {
        d.field->setText(*d.value);
        d.list->setCurrentIndex(d.list->findText(*d.value));
    }
}

void SettingsWindow::showLunarLine()
{
    const BabyProfile &p = liveProfile();
    bool ok[4];
    const int y = p.birthYear.toInt(&ok[0]), m = p.birthMonth.toInt(&ok[1]), d = p.birthDay.toInt(&ok[2]),
              h = p.birthHour.toInt(&ok[3]);
    QString text;
    if (ok[0] && ok[1] && ok[2] && ok[3])
        text = calendar::lunarBirthText(y, m, d, h);
    m_lunarLine->setText(text.isEmpty() ? QStringLiteral("这一天不存在，请检查日期") : text);
}

void SettingsWindow::setBirthDate(const QDate &date)
{
    BabyProfile &p = liveProfile();
    p.birthYear = QString::number(date.year());
    p.birthMonth = QString::number(date.month());
    p.birthDay = QString::number(date.day());
    showDateFields();
    showLunarLine();
}

void SettingsWindow::chooseDateOnCalendar()
{
    QDialog popup(this);
    popup.setObjectName(QStringLiteral("calendarPopup"));
    popup.setWindowTitle(QStringLiteral("选择出生日期"));
    auto *calendar = new QCalendarWidget(&popup);
    calendar->setObjectName(QStringLiteral("birthCalendar"));
    calendar->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setGridVisible(true);
    calendar->setMinimumDate(QDate(kFirstYear, 1, 1));
    calendar->setMaximumDate(QDate(kLastYear, 12, 31));
    const BabyProfile &p = liveProfile();
    const QDate current(p.birthYear.toInt(), p.birthMonth.toInt(), p.birthDay.toInt());
    if (current.isValid())
        calendar->setSelectedDate(current);
    auto *layout = new QVBoxLayout(&popup);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(calendar);
    connect(calendar, &QCalendarWidget::activated, &popup, &QDialog::accept);
    connect(calendar, &QCalendarWidget::clicked, &popup, &QDialog::accept);
    if (popup.exec() == QDialog::Accepted)
        setBirthDate(calendar->selectedDate());
}

void SettingsWindow::prepareForShowing()
{
    setGenderChoice(QString());
    widgets::runGuarded(this, [] { ensureProfileLoaded(); });
    showProfile();
    setGenderChoice(storedGender());
}

void SettingsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
    prepareForShowing();
}

void SettingsWindow::saveSettings()
{
    const SaveResult result = saveProfile();
    widgets::showMessage(this, result.caption, result.message);
    if (result.outcome == SaveResult::Saved) {
        emit profileSaved();
        accept();
    }
}

} // namespace qiming::profile
