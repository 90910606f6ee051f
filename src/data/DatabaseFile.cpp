#include "data/DatabaseFile.h"

#include <QFile>
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

// The sixteen bytes, then bytes 0 and 1 once more one at a time, as the file format's
// tools have always done it.
bool writeHeaderTo(int fd, const HeaderBytes &bytes, std::uint8_t b0, std::uint8_t b1)
{
    return pwriteAll(fd, bytes.data(), bytes.size(), 0) && pwriteAll(fd, &b0, 1, 0)
        && pwriteAll(fd, &b1, 1, 1) && ::fsync(fd) == 0;
}

bool writeHeaderAtPath(const QString &path, const HeaderBytes &bytes, std::uint8_t b0,
                       std::uint8_t b1, QString *error)
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
    const bool ok = writeHeaderTo(fd, bytes, b0, b1);
    const int err = errno;
    ::close(fd);
    if (!ok && error)
        *error = errnoText(path, err);
    return ok;
}

} // namespace

bool restoreDatabaseHeader(const QString &path, QString *error)
{
    return writeHeaderAtPath(path, kJetSignature, 0x00, 0x01, error);
}

bool disguiseDatabaseFile(const QString &path, QString *error)
{
    return writeHeaderAtPath(path, kDisguisePattern, 0x01, 0x83, error);
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
    m_headerAtOpen = head;
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
    m_headerAtOpen = kJetSignature;
    return Status::Ok;
}

bool DatabaseFile::writeHeader(const HeaderBytes &bytes, std::uint8_t byte0, std::uint8_t byte1,
                               QString *error)
{
    if (m_fd < 0) {
        if (error)
            *error = QStringLiteral("数据库文件没有打开");
        return false;
    }
    if (!writeHeaderTo(m_fd, bytes, byte0, byte1)) {
        if (error)
            *error = errnoText(m_path, errno);
        return false;
    }
    return true;
}

bool DatabaseFile::restore(QString *error)
{
    return writeHeader(kJetSignature, 0x00, 0x01, error);
}

bool DatabaseFile::disguise(QString *error)
{
    return writeHeader(kDisguisePattern, 0x01, 0x83, error);
}

bool DatabaseFile::putBackOriginalHeader(QString *error)
{
    return writeHeader(m_headerAtOpen, m_headerAtOpen[0], m_headerAtOpen[1], error);
}

void DatabaseFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd); // also releases the flock
        m_fd = -1;
    }
}

} // namespace qiming::data
