// The page "生辰八字": the chart of the stored birth time (or of the lists), a paragraph on what
// a chart is, and the four birth readings of the chart last computed.
#pragma once

#include <QWidget>

#include <functional>

class QPushButton;

namespace qiming::birthchart {

class BirthChartPanel;

// Where readings are shown (the reading window), so this page needs no window of its own.
struct ReadingDisplay {
    std::function<void(const QString &title, const QString &html)> showHtml;
    std::function<void(const QString &title, const QString &text)> showTextModal;
};

class BirthChartPage final : public QWidget {
    Q_OBJECT
public:
    explicit BirthChartPage(ReadingDisplay display, QWidget *parent = nullptr);

    // Showing the page: the stored profile is read again and the chart computed.
    void refresh();
    BirthChartPanel *panel() const { return m_panel; }
    QPushButton *readingButton(int i) const { return m_readings[i]; } // 生肖 生日 星座 历史

    void showZodiacReading();
    void showBirthdayReading();
    void showStarSignReading();
    void showHistoryToday();

private:
    ReadingDisplay m_display;
    BirthChartPanel *m_panel;
    QPushButton *m_readings[4];
};

} // namespace qiming::birthchart
