// The main window: its creation opens the shared connection and then creates every other
// window, hidden; its toolbar and the home page's buttons lead to the pages and windows;
// closing it disconnects and disguises the database file again.
#pragma once

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QTabWidget;
class QToolButton;

namespace qiming::numerology {
class AnalysisWindow;
class NameMeaningWindow;
}
namespace qiming::birthchart {
class ReadingWindow;
}
namespace qiming::profile {
class SettingsWindow;
}
namespace qiming::review {
class ConditionFilterWindow;
}

namespace qiming::shell {

class ShellListHost;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool isConnected() const;

    // Pages by their names (TabSheet1 …). Showing a page that is not current makes it
    // current and runs its action on showing; showing the current page runs nothing.
    void showPage(const QString &name);
    QString currentPageName() const;
    QWidget *page(const QString &name) const;
    void setPageAction(const QString &name, std::function<void()> action);
    // The secondary windows by name (TForm7 …).
    QWidget *window(const QString &name) const;
    // Shows a secondary window modally (the toolbar's windows).
    void showModal(const QString &name);

    numerology::AnalysisWindow *analysisWindow() const { return m_analysis; }
    review::ConditionFilterWindow *conditionFilter() const { return m_conditionFilter; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createWindows();
    void createToolbar();
    void createPages();
    void addPage(const QString &name, const QString &caption, QWidget *content);
    void addWindow(QWidget *window);

    std::unique_ptr<ShellListHost> m_listHost;
    // The windows the pages are handed or that the main window wires itself.
    profile::SettingsWindow *m_settings = nullptr;
    numerology::AnalysisWindow *m_analysis = nullptr;
    numerology::NameMeaningWindow *m_meaning = nullptr;
    birthchart::ReadingWindow *m_reading = nullptr;
    review::ConditionFilterWindow *m_conditionFilter = nullptr;
    QTabWidget *m_pages = nullptr;
    QHash<QString, QWidget *> m_pageByName;
    QHash<QString, std::function<void()>> m_pageActions;
    QHash<QString, QWidget *> m_windows;
};

inline const QString kMissingDatabaseMessage =
    QStringLiteral("您的电脑缺少数据库系统文件，程序将无法正常运行，请联系软件开发商！");
inline const QString kMainWindowTitle = QStringLiteral("SorvaneZ2015.01   --  [ Quellith ] 监制");

} // namespace qiming::shell
