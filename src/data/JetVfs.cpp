#include "data/JetVfs.h"

#include "data/DatabaseFile.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace qiming::data {
namespace {

constexpr char kVfsName[] = "qiming-jet";

sqlite3_vfs *g_base = nullptr;
sqlite3_vfs g_vfs;
sqlite3_io_methods g_methods;

struct JetFile {
    sqlite3_file base;
    sqlite3_file *real;
    bool mainDb;
};

sqlite3_file *realOf(sqlite3_file *f)
{
    return reinterpret_cast<JetFile *>(f)->real;
}

bool translates(sqlite3_file *f, sqlite3_int64 offset)
{
    return reinterpret_cast<JetFile *>(f)->mainDb && offset < 16;
}

int jetClose(sqlite3_file *f)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods ? r->pMethods->xClose(r) : SQLITE_OK;
}

int jetRead(sqlite3_file *f, void *buf, int amount, sqlite3_int64 offset)
{
    sqlite3_file *r = realOf(f);
    const int rc = r->pMethods->xRead(r, buf, amount, offset);
    if (!translates(f, offset) || (rc != SQLITE_OK && rc != SQLITE_IOERR_SHORT_READ))
        return rc;
    HeaderBytes disk{};
    if (offset == 0 && amount >= 16 && rc == SQLITE_OK)
        std::memcpy(disk.data(), buf, disk.size());
    else if (r->pMethods->xRead(r, disk.data(), int(disk.size()), 0) != SQLITE_OK)
        return rc;
    if (disk != kJetSignature)
        return rc; // not ours: the engine sees the raw bytes and refuses the file
    auto *out = static_cast<unsigned char *>(buf);
    const sqlite3_int64 end = std::min<sqlite3_int64>(16, offset + amount);
    for (sqlite3_int64 i = offset; i < end; ++i)
        out[i - offset] = kSqliteMagic[size_t(i)];
    return rc;
}

int jetWrite(sqlite3_file *f, const void *buf, int amount, sqlite3_int64 offset)
{
    sqlite3_file *r = realOf(f);
    if (!translates(f, offset))
        return r->pMethods->xWrite(r, buf, amount, offset);
    const auto *in = static_cast<const unsigned char *>(buf);
    const sqlite3_int64 end = std::min<sqlite3_int64>(16, offset + amount);
    bool isMagic = true;
    for (sqlite3_int64 i = offset; i < end && isMagic; ++i)
        isMagic = in[i - offset] == kSqliteMagic[size_t(i)];
    if (!isMagic)
        return r->pMethods->xWrite(r, buf, amount, offset);
    unsigned char *copy = static_cast<unsigned char *>(sqlite3_malloc(amount));
    if (!copy)
        return SQLITE_NOMEM;
    std::memcpy(copy, in, size_t(amount));
    for (sqlite3_int64 i = offset; i < end; ++i)
        copy[i - offset] = kJetSignature[size_t(i)];
    const int rc = r->pMethods->xWrite(r, copy, amount, offset);
    sqlite3_free(copy);
    return rc;
}

int jetTruncate(sqlite3_file *f, sqlite3_int64 size)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xTruncate(r, size);
}
int jetSync(sqlite3_file *f, int flags)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xSync(r, flags);
}
int jetFileSize(sqlite3_file *f, sqlite3_int64 *size)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xFileSize(r, size);
}
int jetLock(sqlite3_file *f, int level)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xLock(r, level);
}
int jetUnlock(sqlite3_file *f, int level)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xUnlock(r, level);
}
int jetCheckReservedLock(sqlite3_file *f, int *out)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xCheckReservedLock(r, out);
}
int jetFileControl(sqlite3_file *f, int op, void *arg)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xFileControl(r, op, arg);
}
int jetSectorSize(sqlite3_file *f)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xSectorSize(r);
}
int jetDeviceCharacteristics(sqlite3_file *f)
{
    sqlite3_file *r = realOf(f);
    return r->pMethods->xDeviceCharacteristics(r);
}

int jetOpen(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *f, int flags, int *outFlags)
{
    auto *jf = reinterpret_cast<JetFile *>(f);
    jf->real = reinterpret_cast<sqlite3_file *>(jf + 1);
    jf->mainDb = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    const int rc = g_base->xOpen(g_base, name, jf->real, flags, outFlags);
    // Version 1 methods: no shared memory (no WAL) and no xFetch, which would read
    // pages past the header translation.
    f->pMethods = jf->real->pMethods ? &g_methods : nullptr;
    return rc;
}

void registerVfs()
{
    g_base = sqlite3_vfs_find(nullptr);
    g_vfs = *g_base;
    g_vfs.iVersion = std::min(g_base->iVersion, 3);
    g_vfs.szOsFile = int(sizeof(JetFile)) + g_base->szOsFile;
    g_vfs.zName = kVfsName;
    g_vfs.pNext = nullptr;
    g_vfs.xOpen = jetOpen;

    g_methods = {};
    g_methods.iVersion = 1;
    g_methods.xClose = jetClose;
    g_methods.xRead = jetRead;
    g_methods.xWrite = jetWrite;
    g_methods.xTruncate = jetTruncate;
    g_methods.xSync = jetSync;
    g_methods.xFileSize = jetFileSize;
    g_methods.xLock = jetLock;
    g_methods.xUnlock = jetUnlock;
    g_methods.xCheckReservedLock = jetCheckReservedLock;
    g_methods.xFileControl = jetFileControl;
    g_methods.xSectorSize = jetSectorSize;
    g_methods.xDeviceCharacteristics = jetDeviceCharacteristics;

    sqlite3_vfs_register(&g_vfs, 0);
}

} // namespace

const char *jetVfsName()
{
    static std::once_flag once;
    std::call_once(once, registerVfs);
    return kVfsName;
}

} // namespace qiming::data
