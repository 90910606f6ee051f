// The main window: its creation opens the shared database connection, its closing
// disconnects and disguises the file again.
#pragma once

#include <QMainWindow>

namespace qiming::shell {

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool isConnected() const;

protected:
    void closeEvent(QCloseEvent *event) override;
};

inline const QString kMissingDatabaseMessage =
    QStringLiteral("您的电脑缺少数据库系统文件，程序将无法正常运行，请联系软件开发商！");

} // namespace qiming::shell
