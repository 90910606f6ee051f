#include "data/DatabaseFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qiming::data {

const HeaderBytes kJetSignature = {0x00, 0x01, 0x00, 0x00, 'S', 't', 'a', 'n',
                                   'd', 'a', 'r', 'd', ' ', 'J', 'e', 't'};
const HeaderBytes kSqliteMagic = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                  'o', 'r', 'm', 'a', 't', ' ', '3', 0x00};
const DisguisePattern kDisguisePattern = {0x4D, 0x5A, 0x90, 0x00, 0x51, 0x4D, 0x1F, 0xC3,
                                          0x7E, 0x2B, 0xA6, 0x05, 0xD9, 0x64, 0x3A, 0xE8};

HeaderBytes disguisedHeader()
{
    HeaderBytes h = kDisguisePattern;
    h[0] = 0x01;
    h[1] = 0x83;
    return h;
}

HeaderState headerStateOf(const HeaderBytes &bytes)
{
    if (bytes == kJetSignature)
        return HeaderState::Restored;
    if (bytes == disguisedHeader())
        return HeaderState::Disguised;
    // Older builds disguised in three writes (pattern, byte 0, byte 1); a process that died
    // between them left the pattern with bytes 0 and 1 from either side.
    if (std::equal(bytes.begin() + 2, bytes.end(), kDisguisePattern.begin() + 2)
        && (bytes[0] == kDisguisePattern[0] || bytes[0] == 0x01)
        && (bytes[1] == kDisguisePattern[1] || bytes[1] == 0x83))
        return HeaderState::PartlyDisguised;
    return HeaderState::Foreign;
}

namespace {

QString errnoText(const QString &path, int err)
{
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(err)));
}

bool pwriteAll(int fd, const void *buf, size_t len, off_t offset)
{
    const auto *p = static_cast<const std::uint8_t *>(buf);
    while (len > 0) {
        ssize_t n = ::pwrite(fd, p, len, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        len -= size_t(n);
        offset += n;
    }
    return true;
}

// The finished sixteen bytes in one write: a process that dies leaves the old header or
// the new one, never a mix.
bool writeHeaderTo(int fd, const HeaderBytes &bytes)
{
    return pwriteAll(fd, bytes.data(), bytes.size(), 0) && ::fsync(fd) == 0;
}

bool writeHeaderAtPath(const QString &path, const HeaderBytes &bytes, QString *error)
{
    const QByteArray native = QFile::encodeName(path);
    int fd = ::open(native.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        if (error)
            *error = errnoText(path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size < 16) {
        ::close(fd);
        if (error)
            *error = QStringLiteral("%1: 文件太短，不是数据库文件").arg(path);
        return false;
    }
    const bool ok = writeHeaderTo(fd, bytes);
    const int err = errno;
    ::close(fd);
    if (!ok && error)
        *error = errnoText(path, err);
    return ok;
}

// As for the file itself: no write permission bits means read-only, root included.
bool folderIsWritable(const QString &path)
{
    const QString folder = QFileInfo(journalPathFor(path)).absolutePath();
    const QByteArray native = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(native.constData(), W_OK) == 0;
}

} // namespace

QString journalPathFor(const QString &path)
{
    const QFileInfo info(path);
    const QString target = info.canonicalFilePath();
    return (target.isEmpty() ? info.absoluteFilePath() : target) + QStringLiteral("-journal");
}

bool isHotJournal(const QString &journalPath)
{
    static const char kMagic[8] = {char(0xd9), char(0xd5), char(0x05), char(0xf9),
                                   char(0x20), char(0xa1), char(0x63), char(0xd7)};
    QFile f(journalPath);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(8) == QByteArray(kMagic, 8);
}

bool removeStaleJournal(const QString &path)
{
    const QString journal = journalPathFor(path);
    if (!QFileInfo::exists(journal) || isHotJournal(journal))
        return false;
    return QFile::remove(journal);
}

bool restoreDatabaseHeader(const QString &path, QString *error)
{
    return writeHeaderAtPath(path, kJetSignature, error);
}

bool disguiseDatabaseFile(const QString &path, QString *error)
{
    return writeHeaderAtPath(path, disguisedHeader(), error);
}

DatabaseFile::~DatabaseFile()
{
    close();
}

DatabaseFile::Status DatabaseFile::open(const QString &path, QString *error)
{
    close();
    const QByteArray native = QFile::encodeName(path);
    int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (error)
            *error = errnoText(path, err);
        if (err == ENOENT)
            return Status::Missing;
        if (err == EACCES || err == EROFS || err == EPERM)
            return Status::ReadOnly;
        return Status::IoError;
    }
    // A file without any write permission is read-only for everyone, root included,
    // as the read-only attribute is on the file's home platform.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        ::close(fd);
        if (error)
            *error = QStringLiteral("%1: 文件是只读的").arg(path);
        return Status::ReadOnly;
    }
    // The engine writes its journal beside the file: a folder nobody may write to makes the
    // first save fail, so the file counts as read-only from the start.
    if (!folderIsWritable(path)) {
        ::close(fd);
        if (error)
            *error = QStringLiteral("%1: 文件所在的文件夹是只读的").arg(path);
        return Status::ReadOnly;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (error)
            *error = err == EWOULDBLOCK ? QStringLiteral("%1: 文件正被另一个程序使用").arg(path)
                                        : errnoText(path, err);
        return err == EWOULDBLOCK ? Status::Locked : Status::IoError;
    }
    HeaderBytes head{};
    ssize_t n = ::pread(fd, head.data(), head.size(), 0);
    if (n != ssize_t(head.size()) || headerStateOf(head) == HeaderState::Foreign) {
        ::close(fd);
        if (error)
            *error = QStringLiteral("%1: 不是本程序的数据库文件").arg(path);
        return Status::NotADatabase;
    }
    m_fd = fd;
    m_path = path;
    m_journalPath = journalPathFor(path);
    // A half-finished disguise is finished: the file is put back whole if opening fails.
    m_headerAtOpen = headerStateOf(head) == HeaderState::PartlyDisguised ? disguisedHeader() : head;
    return Status::Ok;
}

DatabaseFile::Status DatabaseFile::create(const QString &path, QString *error)
{
    close();
    const QByteArray native = QFile::encodeName(path);
    int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (error)
            *error = errnoText(path, errno);
        return errno == EEXIST ? Status::Locked : Status::IoError;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (error)
            *error = errnoText(path, errno);
        ::close(fd);
        return Status::Locked;
    }
    m_fd = fd;
    m_path = path;
    m_journalPath = journalPathFor(path);
    m_headerAtOpen = kJetSignature;
    return Status::Ok;
}

bool DatabaseFile::writeHeader(const HeaderBytes &bytes, QString *error)
{
    if (m_fd < 0) {
        if (error)
            *error = QStringLiteral("数据库文件没有打开");
        return false;
    }
    if (!writeHeaderTo(m_fd, bytes)) {
        if (error)
            *error = errnoText(m_path, errno);
        return false;
    }
    return true;
}

bool DatabaseFile::restore(QString *error)
{
    return writeHeader(kJetSignature, error);
}

bool DatabaseFile::disguise(QString *error)
{
    return writeHeader(disguisedHeader(), error);
}

bool DatabaseFile::putBackOriginalHeader(QString *error)
{
    return writeHeader(m_headerAtOpen, error);
}

bool DatabaseFile::isSameFileOrJournal(const QString &other) const
{
    if (m_fd < 0)
        return false;
    struct stat own {};
    if (::fstat(m_fd, &own) != 0)
        return true; // cannot tell: refuse rather than risk the file
    const auto same = [](const struct stat &a, const struct stat &b) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    };
    struct stat st {};
    const QByteArray native = QFile::encodeName(other);
    if (::stat(native.constData(), &st) == 0) {
        if (same(st, own))
            return true;
        struct stat journal {};
        const QByteArray journalNative = QFile::encodeName(m_journalPath);
        return ::stat(journalNative.constData(), &journal) == 0 && same(st, journal);
    }
    // Not there yet: the journal's name in the file's own folder, reached by any path.
    const QFileInfo target(other);
    const QFileInfo journal(m_journalPath);
    struct stat targetFolder {};
    struct stat journalFolder {};
    return target.fileName() == journal.fileName()
        && ::stat(QFile::encodeName(target.absolutePath()).constData(), &targetFolder) == 0
        && ::stat(QFile::encodeName(journal.absolutePath()).constData(), &journalFolder) == 0
        && same(targetFolder, journalFolder);
}

void DatabaseFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd); // also releases the flock
        m_fd = -1;
    }
}

} // namespace qiming::data
