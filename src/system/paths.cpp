#include "system/paths.h"

#include "system/runtime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QProcessEnvironment>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

namespace kg {

namespace {

struct DriveTable {
    bool loaded = false;
    std::map<QChar, QString> folders;
};

QMutex g_pathMutex;

DriveTable& Table()
{
    static DriveTable table;
    return table;
}

QString g_programFolderOverride;

void LoadTable(DriveTable& t)
{
    t.folders.clear();
    if (qEnvironmentVariableIsSet("KESTRANA_DRIVES")) {
        const QByteArray env = qgetenv("KESTRANA_DRIVES");
        for (const QString& item : QString::fromLocal8Bit(env).split(u';', Qt::SkipEmptyParts)) {
            const qsizetype eq = item.indexOf(u'=');
            if (eq != 1)
                continue;
            const QChar letter = item.at(0).toUpper();
            if (letter < u'D' || letter > u'Z')
                continue;
            t.folders[letter] = item.mid(2).trimmed();
        }
        t.loaded = true;
        return;
    }
    QStringList mounts;
    QFile proc(QStringLiteral("/proc/mounts"));
    if (proc.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = proc.readAll().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() < 2)
                continue;
            // /proc/mounts escapes blanks as \040.
            QString mp = QString::fromLocal8Bit(fields.at(1)).replace(QStringLiteral("\\040"), QStringLiteral(" "));
            for (const char* prefix : {"/media/", "/run/media/", "/mnt/"}) {
                if (mp.startsWith(QLatin1String(prefix)))
                    mounts << mp;
            }
            if (mp == QLatin1String("/cdrom"))
                mounts << mp;
        }
    }
    if (!mounts.contains(QStringLiteral("/cdrom")) && QFileInfo(QStringLiteral("/cdrom")).isDir()
        && !QDir(QStringLiteral("/cdrom")).isEmpty())
        mounts << QStringLiteral("/cdrom");
    mounts.sort();
    mounts.removeDuplicates();
    char letter = 'D';
    for (const QString& mp : mounts) {
        if (letter > 'Z')
            break;
        t.folders[QChar(letter++)] = mp;
    }
    t.loaded = true;
}

bool FolderReadable(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    return ::access(native.constData(), R_OK | X_OK) == 0;
}

// Directory listings keyed by folder, so that resolving many names in one large folder
// does not read it again for every file.  A folder whose modification time changed is
// read again.
struct DirListing {
    qint64 mtimeNs = -1;
    QHash<QString, QString> byLower; // lower-case name -> name on disk
};

QHash<QString, DirListing>& ListingCache()
{
    static QHash<QString, DirListing> cache;
    return cache;
}

const DirListing* Listing(const QString& dir)
{
    const QByteArray native = QFile::encodeName(dir.isEmpty() ? QStringLiteral("/") : dir);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return nullptr;
    const qint64 mtime = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    auto& cache = ListingCache();
    auto it = cache.find(dir);
    if (it != cache.end() && it->mtimeNs == mtime)
        return &*it;
    DIR* d = ::opendir(native.constData());
    if (!d)
        return nullptr;
    DirListing listing;
    listing.mtimeNs = mtime;
    while (dirent* e = ::readdir(d)) {
        const QString name = QFile::decodeName(e->d_name);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        const QString lower = name.toLower();
        // Two names that differ only in case: the first one in listing order wins.
        if (!listing.byLower.contains(lower))
            listing.byLower.insert(lower, name);
    }
    ::closedir(d);
    if (cache.size() > 256)
        cache.clear();
    return &*cache.insert(dir, std::move(listing));
}

bool Exists(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

std::optional<QString> DriveFolder(QChar letter)
{
    QMutexLocker lock(&g_pathMutex);
    DriveTable& t = Table();
    if (!t.loaded)
        LoadTable(t);
    const auto it = t.folders.find(letter.toUpper());
    if (it == t.folders.end() || !FolderReadable(it->second))
        return std::nullopt;
    return it->second;
}

bool DriveReady(QChar letter)
{
    return DriveFolder(letter).has_value();
}

void ResetDriveTable()
{
    QMutexLocker lock(&g_pathMutex);
    Table() = DriveTable{};
    ListingCache().clear();
}

QString NativePath(const QString& path)
{
    if (path.isEmpty())
        throw RuntimeError(rterr::BadFileName, QStringLiteral("Bad file name or number"));
    QString rest = path;
    QString base;
    if (rest.size() >= 2 && rest.at(1) == u':' && rest.at(0).isLetter()) {
        const auto folder = DriveFolder(rest.at(0));
        if (!folder)
            throw RuntimeError(rterr::DiskNotReady, QStringLiteral("Disk not ready"));
        base = *folder;
        rest = rest.mid(2);
    }
    rest.replace(u'\\', u'/');
    QString full = base.isEmpty() ? rest : base + u'/' + rest;
    const bool absolute = full.startsWith(u'/');
    const QStringList parts = full.split(u'/', Qt::SkipEmptyParts);

    QMutexLocker lock(&g_pathMutex);
    QString resolved = absolute ? QString() : QStringLiteral(".");
    bool missing = false;
    for (const QString& part : parts) {
        QString next = resolved + u'/' + part;
        if (!missing && part != QLatin1String(".") && part != QLatin1String("..") && !Exists(next)) {
            const DirListing* listing = Listing(resolved.isEmpty() ? QStringLiteral("/") : resolved);
            const auto it = listing ? listing->byLower.constFind(part.toLower())
                                    : QHash<QString, QString>::const_iterator();
            if (listing && it != listing->byLower.cend())
                next = resolved + u'/' + *it;
            else
                missing = true;
        }
        resolved = next;
    }
    if (!absolute)
        resolved = resolved.mid(2); // drop the leading "./"
    if (resolved.isEmpty())
        resolved = absolute ? QStringLiteral("/") : QStringLiteral(".");
    return resolved;
}

QString ProgramFolder()
{
    if (!g_programFolderOverride.isEmpty())
        return g_programFolderOverride;
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolderForTesting(const QString& folder)
{
    g_programFolderOverride = folder;
}

} // namespace kg
