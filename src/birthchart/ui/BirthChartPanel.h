// The birth-chart controls the page "生辰八字" and the manual naming window share: the choice
// of input (the profile's birth time or five lists), "计算八字" and the chart's fields.
#pragma once

#include "birthchart/BirthChart.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qiming::birthchart {

class BirthChartPanel final : public QWidget {
    Q_OBJECT
public:
    // noneMissingText: what Label12 shows for a chart that lacks no element.
    BirthChartPanel(bool useProfileAtStart, const QString &noneMissingText, QWidget *parent = nullptr);

    // Computes from the chosen input; on an impossible date or unreadable input shows the error
    // and changes nothing. Returns whether a chart was computed.
    bool compute();
    // Fills the profile fields from the live profile.
    void showProfile();

    bool hasChart() const { return m_chart.has_value(); }
    const BirthChart &chart() const { return *m_chart; }
    // The birth month and day of the chart last computed, as the texts they came from.
    QString chartMonth() const { return m_chartMonth; }
    QString chartDay() const { return m_chartDay; }

    QRadioButton *profileChoice() const { return m_useProfile; }
    QRadioButton *manualChoice() const { return m_useManual; }
    QPushButton *computeButton() const { return m_compute; }
    QComboBox *manualList(int i) const { return m_lists[i]; } // year month day hour minute
    QLabel *termNote() const { return m_termNote; }

private:
    void showChart(const BirthChart &chart, const QString &month, const QString &day);

    QString m_noneMissingText;
    QRadioButton *m_useProfile;
    QRadioButton *m_useManual;
    QLineEdit *m_profileFields[5];
    QComboBox *m_lists[5];
    QPushButton *m_compute;
    QLineEdit *m_pillars[4];
    QLineEdit *m_elements[4];
    QLineEdit *m_nayin[4];
    QLineEdit *m_lunar;
    QLineEdit *m_weekday;
    QLineEdit *m_starSign;
    QLineEdit *m_zodiac;
    QLabel *m_missing;
    QLabel *m_termNote;
    std::optional<BirthChart> m_chart;
    QString m_chartMonth;
    QString m_chartDay;
};

} // namespace qiming::birthchart
