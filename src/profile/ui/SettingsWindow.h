// "个人信息设置": the baby profile's controls. Every edit takes effect at once for every
// reader; only "保存设置" writes the stored row.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDate;
class QLabel;
class QToolButton;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace qiming::profile {

class SettingsWindow final : public QDialog {
    Q_OBJECT
public:
    explicit SettingsWindow(QWidget *parent);

    // Showing: both gender choices cleared, the stored row loaded once, the gender set from it.
    void prepareForShowing();
    void saveSettings();
    // Sets year, month and day as if chosen in the lists (the calendar's choice).
    void setBirthDate(const QDate &date);
    // Opens the month calendar; a day clicked fills the lists.
    void chooseDateOnCalendar();

signals:
    // The profile was validated and stored.
    void profileSaved();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct DateField {
        QLineEdit *field;
        QComboBox *list;
        QString *value;
    };
    void showProfile();
    void showLunarLine();
    // Each birth field and its list show the profile's value.
    void showDateFields();
    void setGenderChoice(const QString &code);
    void rebuildPositionList();
    QLineEdit *addDateField(QGridLayout *grid, int column, const char *fieldName, const char *listName,
                            const QString &unit, int first, int last, QString *value);

    QLineEdit *m_surname;
    QRadioButton *m_boy;
    QRadioButton *m_girl;
    QButtonGroup *m_genderGroup;
    std::vector<DateField> m_dateFields;
    QRadioButton *m_oneChar;
    QRadioButton *m_twoChars;
    QCheckBox *m_fixedEnabled;
    QComboBox *m_position;
    QLineEdit *m_fixedChar;
    QToolButton *m_calendarButton = nullptr;
    QLabel *m_lunarLine = nullptr;
    bool m_syncing = false;
};

} // namespace qiming::profile
