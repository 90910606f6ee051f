// "趣味工具": eight almanac-style pages chosen from a toolbar of pictures; the window keeps
// its page, choices and results between showings.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;

namespace qiming::tools {

class FunToolsWindow final : public QDialog {
    Q_OBJECT
public:
    explicit FunToolsWindow(QWidget *parent);

    // The pages in toolbar order, by their captions.
    static const QStringList &pageCaptions();
    void showToolPage(int index);

    // The actions of the pages' buttons and lists.
    void showWeddingDays();
    void showZodiacFortune(int row);
    void lookUpFingerprint();
    void matchStarSigns();
    void predictBabyGender();
    void matchBloodTypes();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makeWeddingPage();
    QWidget *makeTextPage(const QString &text);
    QWidget *makeFortunePage();
    QWidget *makeFingerprintPage();
    QWidget *makeStarPage();
    QWidget *makeBabyPage();
    QWidget *makeBloodPage();
    void pageShown(int index);

    QTabWidget *m_pages = nullptr;
    QList<QToolButton *> m_buttons;

    QComboBox *m_year = nullptr;
    QPlainTextEdit *m_weddingText = nullptr;
    int m_weddingYearShown = 0;

    QComboBox *m_animal = nullptr;
    QPlainTextEdit *m_fortune = nullptr;

    QLineEdit *m_fingerprint = nullptr;
    QLabel *m_fingerprintType = nullptr;
    QLabel *m_fingerprintReading = nullptr;

    QComboBox *m_mySign = nullptr;
    QComboBox *m_partnerSign = nullptr;
    QLabel *m_starTitle = nullptr;
    QLabel *m_starContent1 = nullptr;
    QPlainTextEdit *m_starContent2 = nullptr;

    QComboBox *m_age = nullptr;
    QComboBox *m_month = nullptr;
    QLabel *m_babyResult = nullptr;

    QComboBox *m_manBlood = nullptr;
    QComboBox *m_womanBlood = nullptr;
    QLabel *m_bloodPair = nullptr;
    QLabel *m_bloodTitle = nullptr;
    QPlainTextEdit *m_bloodContent = nullptr;
};

} // namespace qiming::tools
