// The window "人工取名": the birth chart with the manual lists chosen at start, and the
// strength of the day master with the elements the chart favours.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qiming::birthchart {

class BirthChartPanel;

class ManualNamingWindow final : public QDialog {
    Q_OBJECT
public:
    explicit ManualNamingWindow(QWidget *parent = nullptr);

    BirthChartPanel *panel() const { return m_panel; }
    QPushButton *favourableButton() const { return m_favourable; }
    // Does nothing before a chart has been computed.
    void computeFavourableElement();

protected:
    void showEvent(QShowEvent *event) override;

private:
    BirthChartPanel *m_panel;
    QPushButton *m_favourable;
    QLineEdit *m_scores[5]; // 金 木 水 火 土
    QLabel *m_analysis;
};

} // namespace qiming::birthchart
