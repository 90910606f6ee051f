// The page "名字评分": any typed name scored and analysed, and its characters looked up.
// It works only from what is typed on it, never from the baby profile.
#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qiming::numerology {

class AnalysisWindow;
class NameMeaningWindow;

class NameScoringPage final : public QWidget {
    Q_OBJECT
public:
    NameScoringPage(AnalysisWindow *analysisWindow, NameMeaningWindow *meaningWindow, QWidget *parent = nullptr);

    void scoreEnteredName();
    void lookupNameMeaning();
    // "姓氏起源": the surname's origin in the reading window, or why not.
    void showSurnameOrigin();
    // Where an origin is shown (the reading window), set by the program.
    using OriginDisplay = std::function<void(const QString &title, const QString &html)>;
    void setOriginDisplay(OriginDisplay display) { m_showOrigin = std::move(display); }
    // The verses the given name's characters stand together in.
    void showPoemSources(const QString &given);

    QString genderCode() const { return m_genderCode; }
    QPushButton *surnameOriginButton() const { return m_origin; }
    QLabel *poemSourceLabel() const { return m_sources; }
    QLabel *chartVerdictLabel() const { return m_chartLine; }

private:
    AnalysisWindow *m_analysisWindow;
    NameMeaningWindow *m_meaningWindow;
    QComboBox *m_gender;
    QString m_genderCode = QStringLiteral("nan");
    QLineEdit *m_surname;
    QLineEdit *m_given;
    QPushButton *m_score;
    QPushButton *m_origin;
    QPushButton *m_lookup;
    QLabel *m_sources;
    QLabel *m_chartLine;
    OriginDisplay m_showOrigin;
    QString m_firstMeaning;
    QString m_secondMeaning;
};

} // namespace qiming::numerology
