#include "system/files.h"

#include "system/paths.h"
#include "system/runtime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <cerrno>

#include <algorithm>

namespace kg {

namespace {

struct SearchState {
    QStringList matches;
    qsizetype next = 0;
};

SearchState& Search()
{
    static SearchState s;
    return s;
}

// Splits "E:\folder\*.jpg" into the folder part and the last component.
void SplitPattern(const QString& pattern, QString& folder, QString& name)
{
    const qsizetype cut = std::max(pattern.lastIndexOf(u'\\'), pattern.lastIndexOf(u'/'));
    if (cut < 0) {
        if (pattern.size() >= 2 && pattern.at(1) == u':') {
            folder = pattern.left(2);
            name = pattern.mid(2);
        } else {
            folder = QStringLiteral(".");
            name = pattern;
        }
        return;
    }
    folder = pattern.left(cut);
    if (folder.isEmpty() || (folder.size() == 2 && folder.at(1) == u':'))
        folder += u'\\';
    name = pattern.mid(cut + 1);
}

[[noreturn]] void RaiseFromErrno(int err, const QString& what)
{
    switch (err) {
    case ENOENT: throw RuntimeError(rterr::FileNotFound, QStringLiteral("File not found: ") + what);
    case ENOTDIR: throw RuntimeError(rterr::PathNotFound, QStringLiteral("Path not found: ") + what);
    case EACCES:
    case EPERM:
    case EROFS: throw RuntimeError(rterr::PermissionDenied, QStringLiteral("Permission denied: ") + what);
    case ENOSPC:
    case EDQUOT: throw RuntimeError(rterr::DiskFull, QStringLiteral("Disk full: ") + what);
    default: throw RuntimeError(rterr::PathFileAccess, QStringLiteral("Path/File access error: ") + what);
    }
}

} // namespace

bool WildcardMatch(const QString& pattern, const QString& name)
{
    // Iterative * and ? matching without regard to case, linear in practice.
    qsizetype p = 0, n = 0, star = -1, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern.at(p) == u'?'
                || pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded())) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern.at(p) == u'*') {
            star = p++;
            mark = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}

QStringList FindAll(const QString& pattern)
{
    QString folder, name;
    SplitPattern(pattern, folder, name);
    const QString native = NativePath(folder);
    QStringList out;
    const QByteArray enc = QFile::encodeName(native);
    DIR* d = ::opendir(enc.constData());
    if (!d)
        return out;
    const bool wild = name.contains(u'*') || name.contains(u'?');
    while (dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.' && (e->d_name[1] == 0 || (e->d_name[1] == '.' && e->d_name[2] == 0)))
            continue;
        const QString entry = QFile::decodeName(e->d_name);
        if (wild ? !WildcardMatch(name, entry) : entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        bool isFile = e->d_type == DT_REG;
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat st {};
            isFile = ::stat((enc + '/' + e->d_name).constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (isFile)
            out << entry;
    }
    ::closedir(d);
    return out;
}

QString FindFirst(const QString& pattern)
{
    SearchState& s = Search();
    s.matches = FindAll(pattern);
    s.next = 0;
    return FindNext();
}

QString FindNext()
{
    SearchState& s = Search();
    if (s.next >= s.matches.size())
        return QString();
    return s.matches.at(s.next++);
}

bool FileExists(const QString& path)
{
    try {
        return QFileInfo(NativePath(path)).isFile();
    } catch (const RuntimeError&) {
        return false;
    }
}

qint64 FileLength(const QString& path)
{
    const QFileInfo info(NativePath(path));
    if (!info.isFile())
        throw RuntimeError(rterr::FileNotFound, QStringLiteral("File not found: ") + path);
    return info.size();
}

void CopyFile(const QString& src, const QString& dst)
{
    QFile in(NativePath(src));
    if (!in.open(QIODevice::ReadOnly))
        RaiseFromErrno(in.exists() ? EACCES : ENOENT, src);
    const QString target = NativePath(dst);
    if (!QFileInfo(target).absoluteDir().exists())
        throw RuntimeError(rterr::PathNotFound, QStringLiteral("Path not found: ") + dst);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        RaiseFromErrno(errno ? errno : EACCES, dst);
    QByteArray buffer;
    while (!in.atEnd()) {
        buffer = in.read(1 << 20);
        if (buffer.isEmpty() && in.error() != QFileDevice::NoError)
            throw RuntimeError(rterr::PathFileAccess, QStringLiteral("Path/File access error: ") + src);
        if (out.write(buffer) != buffer.size()) {
            out.cancelWriting();
            throw RuntimeError(rterr::DiskFull, QStringLiteral("Disk full: ") + dst);
        }
    }
    if (!out.commit())
        throw RuntimeError(rterr::DiskFull, QStringLiteral("Disk full: ") + dst);
}

void DeleteFiles(const QString& pattern)
{
    QString folder, name;
    SplitPattern(pattern, folder, name);
    const QStringList names = FindAll(pattern);
    if (names.isEmpty())
        throw RuntimeError(rterr::FileNotFound, QStringLiteral("File not found: ") + pattern);
    const QString native = NativePath(folder);
    for (const QString& n : names) {
        if (!QFile::remove(native + u'/' + n))
            throw RuntimeError(rterr::PermissionDenied, QStringLiteral("Permission denied: ") + n);
    }
}

void MakeFolder(const QString& path)
{
    const QString native = NativePath(path);
    if (!QDir().mkdir(native))
        throw RuntimeError(rterr::PathFileAccess, QStringLiteral("Path/File access error: ") + path);
}

void RemoveFolder(const QString& path)
{
    const QString native = NativePath(path);
    if (!QDir().rmdir(native))
        throw RuntimeError(rterr::PathFileAccess, QStringLiteral("Path/File access error: ") + path);
}

qint64 FreeSpace(const QString& path)
{
    struct statvfs vfs {};
    if (::statvfs(QFile::encodeName(NativePath(path)).constData(), &vfs) != 0)
        throw RuntimeError(rterr::DiskNotReady, QStringLiteral("Disk not ready"));
    return qint64(vfs.f_bavail) * qint64(vfs.f_frsize);
}

struct BinaryFile::Impl {
    QFile file;
    QString path;
};

BinaryFile::BinaryFile(const QString& path, Mode mode) : d(std::make_unique<Impl>())
{
    const QString native = NativePath(path);
    d->path = path;
    d->file.setFileName(native);
    const bool ok = mode == Mode::Read ? d->file.open(QIODevice::ReadOnly)
                                       : d->file.open(QIODevice::ReadWrite | QIODevice::Truncate);
    if (!ok) {
        if (mode == Mode::Read && !d->file.exists())
            RaiseFromErrno(ENOENT, path);
        if (!QFileInfo(native).absoluteDir().exists())
            RaiseFromErrno(ENOTDIR, path);
        RaiseFromErrno(EACCES, path);
    }
}

BinaryFile::~BinaryFile() = default;

qint64 BinaryFile::length() const { return d->file.size(); }

QByteArray BinaryFile::read(qint64 pos, qint64 count)
{
    if (!d->file.seek(pos))
        throw RuntimeError(rterr::PathFileAccess, QStringLiteral("Path/File access error: ") + d->path);
    return d->file.read(count);
}

void BinaryFile::write(qint64 pos, const QByteArray& data)
{
    if (!d->file.seek(pos) || d->file.write(data) != data.size() || !d->file.flush())
        throw RuntimeError(rterr::DiskFull, QStringLiteral("Disk full: ") + d->path);
}

void BinaryFile::close() { d->file.close(); }

} // namespace kg
