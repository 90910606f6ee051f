#include "shell/ui/MainWindow.h"

#include "data/SharedDatabase.h"
#include "shell/ui/MessageBoxes.h"

#include <QCloseEvent>
#include <QLabel>

namespace qiming::shell {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("SorvaneZ2015.01   --  [ Quellith ] 监制"));
    setFixedSize(866, 542);

    // First, before any other window exists.
    if (!data::openDatabase())
        showWarning(nullptr, kMissingDatabaseMessage);

    auto *placeholder = new QLabel(QStringLiteral("宝宝起名"), this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
}

MainWindow::~MainWindow()
{
    data::closeDatabase();
}

bool MainWindow::isConnected() const
{
    return data::sharedDatabase().isOpen();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    data::closeDatabase();
    event->accept();
}

} // namespace qiming::shell
