// The page "生辰八字": the chart of the stored birth time (or of the lists), a paragraph on what
// a chart is, and the four birth readings of the chart last computed.
#pragma once

#include <QWidget>

class QPushButton;

namespace qiming::birthchart {

class BirthChartPanel;
class ReadingWindow;

class BirthChartPage final : public QWidget {
    Q_OBJECT
public:
    // Readings are shown in the shared reading window, so this page needs no window of its own.
    explicit BirthChartPage(ReadingWindow *readings, QWidget *parent = nullptr);

    // Showing the page: the stored profile is read again and the chart computed.
    void refresh();
    BirthChartPanel *panel() const { return m_panel; }
    QPushButton *readingButton(int i) const { return m_readings[i]; } // 生肖 生日 星座 历史

    void showZodiacReading();
    void showBirthdayReading();
    void showStarSignReading();
    void showHistoryToday();

private:
    ReadingWindow *m_readingWindow;
    BirthChartPanel *m_panel;
    QPushButton *m_readings[4];
};

} // namespace qiming::birthchart
