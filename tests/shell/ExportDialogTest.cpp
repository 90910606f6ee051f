// Exporting a list from the running program: where the dialog opens, and the database file
// that no export may go over.
#include "ShellFixture.h"

#include "generation/ui/HighScorePage.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace qiming;
using namespace qiming::test;

class ExportDialogTest : public ShellFixture {
protected:
    ExportDialogTest() { tables = generationFixtureDir(); }
    void SetUp() override
    {
        ShellFixture::SetUp();
        m_savedHome = qgetenv("HOME");
        QDir().mkpath(home.filePath(QStringLiteral("Documents")));
        qputenv("HOME", QFile::encodeName(home.path()));
    }
    void TearDown() override
    {
        qputenv("HOME", m_savedHome);
        ShellFixture::TearDown();
    }
    // Presses "导出名字", types target into the dialog and saves; returns the folder the dialog
    // opened in and every message shown.
    std::pair<QString, QStringList> exportTo(const QString &target)
    {
        window->showPage(QStringLiteral("TabSheet1"));
        QWidget *page = window->page(QStringLiteral("TabSheet1"));
        QString folder;
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog)
                return;
            folder = dialog->directory().absolutePath();
            // Typed as a user would: the dialog's own selection may still change while its
            // folder is read in the background.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(target);
            static_cast<QDialog *>(dialog)->done(QDialog::Accepted); // QFileDialog keeps done() protected
        });
        child<QPushButton>(page, "Button13")->click();
        QTest::qWait(50);
        EXPECT_EQ(answerer.windows(), QStringList{QStringLiteral("SaveDialog1")});
        return {folder, answerer.texts()};
    }

    QTemporaryDir home;

private:
    QByteArray m_savedHome;
};

TEST_F(ExportDialogTest, OpensInTheDocumentsFolderAndWritesThere)
{
    start();
    const QString documents = QDir(home.filePath(QStringLiteral("Documents"))).absolutePath();
    const auto [folder, messages] = exportTo(documents + QStringLiteral("/名单.txt"));
    EXPECT_EQ(folder, documents);
    EXPECT_NE(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(messages, QStringList{});
    EXPECT_TRUE(QFile::exists(documents + QStringLiteral("/名单.txt")));
}

TEST_F(ExportDialogTest, TypingTheDatabaseFileIsRefusedAndLosesNothing)
{
    start();
    ASSERT_TRUE(window->isConnected());
    const QString database = dir.file(data::kDatabaseFileName);
    const QByteArray before = readFileBytes(database);
    const auto [folder, messages] = exportTo(database);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("数据库"))) << messages.first().toStdString();
    EXPECT_EQ(readFileBytes(database), before);
    EXPECT_NO_THROW(data::sharedDatabase().scalar(QStringLiteral("select count(*) from 自选列表")));

    // After the program ends the file opens as ever.
    window.reset();
    data::Database db;
    EXPECT_EQ(db.open(database, data::kDatabasePassword), data::Database::OpenResult::Ok);
}
