// The file's first sixteen bytes: restored, disguised, and nothing else touched.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::test;

namespace {

QByteArray sampleFile()
{
    QByteArray bytes = jetSignatureBytes();
    for (int i = 0; i < 4096; ++i)
        bytes.append(char(i * 7 + 3));
    return bytes;
}

} // namespace

TEST(DatabaseHeader, DisguiseThenRestoreGivesBackTheJetSignatureAndTouchesNothingElse)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    const QByteArray original = sampleFile();
    writeFileBytes(path, original);

    ASSERT_TRUE(data::disguiseDatabaseFile(path));
    QByteArray disguised = readFileBytes(path);
    EXPECT_EQ(disguised.left(16), disguisedHeaderBytes());
    EXPECT_EQ(uchar(disguised[0]), 0x01);
    EXPECT_EQ(uchar(disguised[1]), 0x83);
    EXPECT_EQ(disguised.mid(16), original.mid(16));

    ASSERT_TRUE(data::restoreDatabaseHeader(path));
    EXPECT_EQ(readFileBytes(path), original);
    // Restoring a restored file changes nothing.
    ASSERT_TRUE(data::restoreDatabaseHeader(path));
    EXPECT_EQ(readFileBytes(path), original);
}

TEST(DatabaseHeader, MissingFileIsLeftAloneAndTooShortFileIsRefused)
{
    WorkingDir dir;
    const QString missing = dir.file(QStringLiteral("data.dll"));
    EXPECT_TRUE(data::restoreDatabaseHeader(missing));
    EXPECT_FALSE(QFile::exists(missing));

    const QString shortFile = dir.file(QStringLiteral("short.dll"));
    writeFileBytes(shortFile, "tiny");
    QString error;
    EXPECT_FALSE(data::disguiseDatabaseFile(shortFile, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFileBytes(shortFile), QByteArray("tiny"));
}

TEST(DatabaseHeader, StatesAreRecognisedFromTheFirstSixteenBytes)
{
    EXPECT_EQ(data::headerStateOf(data::kJetSignature), data::HeaderState::Restored);
    EXPECT_EQ(data::headerStateOf(data::disguisedHeader()), data::HeaderState::Disguised);
    EXPECT_EQ(data::headerStateOf(data::kSqliteMagic), data::HeaderState::Foreign);
    EXPECT_NE(data::kDisguisePattern, data::kJetSignature);
}

// Older builds disguised in three writes; a process that died between them left one of these.
struct HalfDisguise {
    const char *name;
    std::uint8_t byte0;
    std::uint8_t byte1;
};

void PrintTo(const HalfDisguise &c, std::ostream *os) { *os << c.name; }

class HalfDisguisedFile : public ::testing::TestWithParam<HalfDisguise> {
protected:
    static QByteArray header()
    {
        QByteArray h(reinterpret_cast<const char *>(data::kDisguisePattern.data()), 16);
        h[0] = char(GetParam().byte0);
        h[1] = char(GetParam().byte1);
        return h;
    }
};

TEST_P(HalfDisguisedFile, OpensAndIsDisguisedWholeAtClose)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    buildFixtureDatabase(path);
    QByteArray bytes = readFileBytes(path);
    bytes.replace(0, 16, header());
    writeFileBytes(path, bytes);

    data::HeaderBytes h{};
    std::copy(bytes.begin(), bytes.begin() + 16, h.begin());
    EXPECT_EQ(data::headerStateOf(h), data::HeaderState::PartlyDisguised);

    data::Database db;
    QString error;
    ASSERT_EQ(db.open(path, data::kDatabasePassword, &error), data::Database::OpenResult::Ok) << error.toStdString();
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 字典")).rowCount(), 6);
    ASSERT_TRUE(db.close());
    const QByteArray after = readFileBytes(path);
    EXPECT_EQ(after.left(16), disguisedHeaderBytes());
    EXPECT_EQ(after.mid(16), bytes.mid(16));
}

TEST_P(HalfDisguisedFile, RefusedOpenStillFinishesTheDisguise)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    {
        data::Database db;
        ASSERT_EQ(db.create(path, QStringLiteral("not-the-password")), data::Database::OpenResult::Ok);
        ASSERT_TRUE(db.close());
    }
    QByteArray bytes = readFileBytes(path);
    bytes.replace(0, 16, header());
    writeFileBytes(path, bytes);

    data::Database db;
    EXPECT_EQ(db.open(path, data::kDatabasePassword), data::Database::OpenResult::WrongPassword);
    const QByteArray after = readFileBytes(path);
    EXPECT_EQ(after.left(16), disguisedHeaderBytes());
    EXPECT_EQ(after.mid(16), bytes.mid(16));
}

INSTANTIATE_TEST_SUITE_P(States, HalfDisguisedFile,
                         ::testing::Values(HalfDisguise{"PatternOnly", 0x4D, 0x5A},
                                           HalfDisguise{"ByteZeroWritten", 0x01, 0x5A},
                                           HalfDisguise{"ByteOneOnly", 0x4D, 0x83}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DatabaseHeader, AnyOtherMixIsNotADatabaseOfOurs)
{
    data::HeaderBytes h = data::kDisguisePattern;
    h[0] = 0x00;
    EXPECT_EQ(data::headerStateOf(h), data::HeaderState::Foreign);
    h = data::disguisedHeader();
    h[15] ^= 0xFF;
    EXPECT_EQ(data::headerStateOf(h), data::HeaderState::Foreign);
    h = data::kJetSignature;
    h[1] = 0x83;
    EXPECT_EQ(data::headerStateOf(h), data::HeaderState::Foreign);
}
