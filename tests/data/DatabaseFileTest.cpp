// The file's first sixteen bytes: restored, disguised, and nothing else touched.
#include "TestSupport.h"

#include "data/DatabaseFile.h"

#include <QFile>
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
