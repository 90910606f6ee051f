// Classic mode's draw and its scored copy, over the generation fixture's characters.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/SharedDatabase.h"
#include "generation/ClassicNames.h"
#include "numerology/CharacterTables.h"
#include "numerology/LuckTables.h"
#include "numerology/SharedNumerology.h"

#include <QAbstractItemModelTester>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::generation;
using namespace qiming::test;

namespace {

QStringList cells(const ClassicNameModel &names)
{
    QStringList out;
    for (int r = 0; r < ClassicNameModel::kRows; ++r)
        for (int c = 0; c < ClassicNameModel::kColumns; ++c)
            out << names.name(r, c);
    return out;
}

} // namespace

class ClassicNamesTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, generationFixtureDir()); }
    WorkingDir dir;
    data::Database db;
};

TEST_F(ClassicNamesTest, EveryCellIsFilledAsTheSettingsSay)
{
    numerology::CharacterTables chars(db);
    ClassicNameModel names;
    QAbstractItemModelTester tester(&names, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QString boys = QStringLiteral("明华文");
    const struct {
        const char *what;
        ClassicSetup setup;
        int length;
        QString prefix;
        QString last; // every name ends in it, when set
    } cases[] = {
        {"two characters", {QStringLiteral("李"), QStringLiteral("nan"), 2, {}, 1}, 3, QStringLiteral("李"), {}},
        {"one character", {QStringLiteral("李"), QStringLiteral("nan"), 1, {}, 1}, 2, QStringLiteral("李"), {}},
        {"compound surname", {QStringLiteral("欧阳"), QStringLiteral("nan"), 2, {}, 1}, 4, QStringLiteral("欧阳"), {}},
        {"fixed first character", {QStringLiteral("李"), QStringLiteral("nan"), 2, QStringLiteral("安"), 1}, 3,
         QStringLiteral("李安"), {}},
        {"fixed second character", {QStringLiteral("李"), QStringLiteral("nan"), 2, QStringLiteral("安"), 2}, 3,
         QStringLiteral("李"), QStringLiteral("安")},
        // A second position means nothing for a one-character name: it never makes it longer.
        {"fixed second, one character", {QStringLiteral("李"), QStringLiteral("nan"), 1, QStringLiteral("安"), 2}, 2,
         QStringLiteral("李"), {}},
    };
    for (const auto &c : cases) {
        names.generate(chars, c.setup);
        const QStringList all = cells(names);
        ASSERT_EQ(all.size(), 405) << c.what;
        for (const QString &name : all) {
            EXPECT_EQ(name.size(), c.length) << c.what << " " << name.toStdString();
            EXPECT_TRUE(name.startsWith(c.prefix)) << c.what;
            if (!c.last.isEmpty()) {
                EXPECT_TRUE(name.endsWith(c.last)) << c.what;
            }
            for (const QChar ch : name.mid(c.setup.surname.size())) {
                if (ch != u'安') {
                    EXPECT_TRUE(boys.contains(ch)) << c.what << " " << name.toStdString();
                }
            }
        }
    }
    // The draw's flags and gender are kept for scoring later.
    names.generate(chars, {QStringLiteral("欧阳"), QStringLiteral("nv"), 1, {}, 1});
    EXPECT_FALSE(names.identity().singleSurname);
    EXPECT_TRUE(names.identity().singleGiven);
    EXPECT_EQ(names.identity().gender, QStringLiteral("nv"));
}

TEST_F(ClassicNamesTest, RejectedNamesAreDrawnAgainAndNeverHang)
{
    numerology::CharacterTables chars(db);
    ClassicNameModel names;
    const auto noMing = [](const QString &name) { return !name.contains(u'明'); };
    names.generate(chars, {QStringLiteral("李"), QStringLiteral("nan"), 2, {}, 1}, noMing);
    for (const QString &name : cells(names)) {
        EXPECT_EQ(name.size(), 3);
        EXPECT_FALSE(name.contains(u'明'));
    }
    // Nothing acceptable: the cells stay empty rather than show a rejected name.
    names.generate(chars, {QStringLiteral("李"), QStringLiteral("nan"), 2, {}, 1}, [](const QString &) { return false; });
    EXPECT_EQ(cells(names).join(QString()), QString());
}

TEST_F(ClassicNamesTest, ACharacterWithoutAnElementRowIsNotHalfANameAndTheCheckIsInPlace)
{
    // In the numerology fixture the girls' only character, 乐, has no 五行 row.
    WorkingDir other;
    data::Database girlsDb;
    openFixtureDatabase(girlsDb, other, numerologyFixtureDir());
    numerology::CharacterTables chars(girlsDb);
    ClassicNameModel names;
    names.generate(chars, {QStringLiteral("李"), QStringLiteral("nv"), 2, {}, 1});
    EXPECT_EQ(cells(names).join(QString()), QString());
}

TEST_F(ClassicNamesTest, TheScoredCopyUsesTheDrawsFlagsAndIsSortedAndNumbered)
{
    // The scored copy reads the shared connection, as the page does.
    db.close();
    ASSERT_EQ(data::sharedDatabase().open(dir.file(data::kDatabaseFileName), data::kDatabasePassword),
              data::Database::OpenResult::Ok);
    ClassicNameModel names;
    CandidateListModel list;
    buildScoredList(names, list); // before any draw: a header and no rows
    EXPECT_TRUE(list.hasHeader());
    EXPECT_EQ(list.size(), 0);

    names.generate(numerology::sharedCharacterTables(), {QStringLiteral("李"), QStringLiteral("nan"), 2, {}, 1});
    buildScoredList(names, list);
    ASSERT_EQ(list.size(), 405);
    int previous = 100;
    for (int r = 0; r < list.size(); ++r) {
        const NameCandidate &row = list.candidate(r);
        EXPECT_EQ(row.serial, QString::number(r + 1));
        const int score = row.scored.score.toInt();
        EXPECT_LE(score, previous);
        previous = score;
        const numerology::ScoredName own = numerology::scoreFullName(row.scored.name, true, false, QStringLiteral("nan"));
        EXPECT_EQ(row.scored.fiveGrids, own.fiveGrids);
        EXPECT_EQ(row.scored.score, own.score);
    }
    EXPECT_EQ(list.identity().singleSurname, true);
    EXPECT_EQ(list.identity().singleGiven, false);
    data::closeDatabase();
}

TEST_F(ClassicNamesTest, TheExportHoldsFiveNamesALineAndNoHeader)
{
    numerology::CharacterTables chars(db);
    ClassicNameModel names;
    names.generate(chars, {QStringLiteral("李"), QStringLiteral("nan"), 2, {}, 1});
    QStringDecoder decoder("GB18030");
    const QString text = decoder.decode(exportText(names, false));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 82); // 81 lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (int r = 0; r < 81; ++r) {
        QStringList row;
        for (int c = 0; c < 5; ++c)
            row << names.name(r, c);
        EXPECT_EQ(lines.at(r), row.join(u'|') + u'|');
    }
}
