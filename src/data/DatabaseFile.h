// The database file's first sixteen bytes: disguised at rest, the Jet signature while in use,
// and the exclusive lock that keeps a second process from touching it.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace qiming::data {

using HeaderBytes = std::array<std::uint8_t, 16>;
using DisguisePattern = HeaderBytes;

// 00 01 00 00 "Standard Jet"
extern const HeaderBytes kJetSignature;
// The engine's own header, which the file never carries on disk.
extern const HeaderBytes kSqliteMagic;
// Written over the start of the file at rest; bytes 0 and 1 are then overwritten with 01 83.
extern const DisguisePattern kDisguisePattern;
// What a disguised file actually begins with.
HeaderBytes disguisedHeader();

// PartlyDisguised: left by a process that died while disguising the file (older builds
// wrote the header in three steps); it is a disguised file all the same.
enum class HeaderState { Disguised, PartlyDisguised, Restored, Foreign };
HeaderState headerStateOf(const HeaderBytes &bytes);

// Both leave every byte past offset 15 and the file length unchanged.
// A missing file is left alone (returns true). I/O errors return false with a message.
bool restoreDatabaseHeader(const QString &path, QString *error = nullptr);
bool disguiseDatabaseFile(const QString &path, QString *error = nullptr);

// Where the engine keeps the rollback journal of the file at path (beside the file that a
// symbolic link leads to).
QString journalPathFor(const QString &path);
// A journal that holds a transaction to roll back; anything else beside the file is stale.
bool isHotJournal(const QString &journalPath);
// Removes the journal of path when it exists and is not hot; true when one was removed.
// Only while the file is locked, so that no other connection can be using it.
bool removeStaleJournal(const QString &path);

// An open, exclusively locked database file. The descriptor stays open for the whole
// connection: closing any descriptor of the file would drop the engine's POSIX locks.
class DatabaseFile final {
public:
    enum class Status { Ok, Missing, Locked, ReadOnly, NotADatabase, IoError };

    DatabaseFile() = default;
    ~DatabaseFile();
    DatabaseFile(const DatabaseFile &) = delete;
    DatabaseFile &operator=(const DatabaseFile &) = delete;

    // Opens and locks an existing file; refuses a file that is neither disguised nor restored.
    Status open(const QString &path, QString *error);
    // Creates a new empty file (it must not exist) and locks it.
    Status create(const QString &path, QString *error);

    bool isOpen() const { return m_fd >= 0; }
    const QString &journalPath() const { return m_journalPath; }
    const HeaderBytes &headerAtOpen() const { return m_headerAtOpen; }

    // Whether path names this file or its journal, by any name: another path, a hard or a
    // symbolic link. Such a path must never be written over.
    bool isSameFileOrJournal(const QString &path) const;

    bool restore(QString *error);
    bool disguise(QString *error);
    // Puts back the bytes the file had when it was opened (after a failed connection).
    bool putBackOriginalHeader(QString *error);
    void close();

private:
    bool writeHeader(const HeaderBytes &bytes, QString *error);

    int m_fd = -1;
    QString m_path;
    QString m_journalPath;
    HeaderBytes m_headerAtOpen{};
};

} // namespace qiming::data
