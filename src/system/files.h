#pragma once
// File-system wrappers over content paths (see paths.h).  Every call takes a path in the
// program's own form and resolves it with NativePath.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace kg {

// Pattern search with first/next semantics.  FindFirst takes "folder\pattern" where the
// pattern may hold * and ? (matched without regard to case) and returns the name (no folder)
// of the first match, or an empty string when nothing matches or the folder does not exist.
// FindNext returns the following match of the last FindFirst, empty at the end.  Only plain
// files match.  A drive that is not ready raises run-time error 71.
QString FindFirst(const QString& pattern);
QString FindNext();

// All names FindFirst/FindNext would return for `pattern`, in the same order.
QStringList FindAll(const QString& pattern);

bool WildcardMatch(const QString& pattern, const QString& name);

// True when a plain file exists at the path (never raises).
bool FileExists(const QString& path);
// Length in bytes; raises 53 when the file does not exist.
qint64 FileLength(const QString& path);
// Copies src to dst, replacing dst.  The copy is written to a temporary file beside dst
// and renamed over it only when complete, so a full disk never leaves a truncated file or
// destroys the previous copy.  Raises 53 (source missing), 76 (destination folder
// missing), 70 (permission denied) or 61 (disk full).
void CopyFile(const QString& src, const QString& dst);
// Deletes every plain file matching the pattern; raises 53 when nothing matches.
void DeleteFiles(const QString& pattern);
// Creates one folder (its parent must exist); raises 75 when it exists or cannot be made.
void MakeFolder(const QString& path);
// Removes an empty folder; raises 75 when it cannot.
void RemoveFolder(const QString& path);
// Bytes free on the drive or folder's file system; raises 71 when the drive is not ready.
qint64 FreeSpace(const QString& path);

// Byte-wise file access with a position (0-based), for the copy loops.
class BinaryFile {
public:
    enum class Mode { Read, Write };
    // Write mode creates or truncates the file.  Raises 53, 70, 75 or 76 on failure.
    BinaryFile(const QString& path, Mode mode);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    qint64 length() const;
    // Reads up to `count` bytes at `pos`; returns what was read.
    QByteArray read(qint64 pos, qint64 count);
    // Writes `data` at `pos`; raises 61 when the disk is full.
    void write(qint64 pos, const QByteArray& data);
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kg
