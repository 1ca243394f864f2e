#pragma once
// Content paths keep the program's own form: a root ("E:" or a native folder) followed by
// a relative path with backslashes, e.g. "E:\richtext\desc.rtf".  NativePath turns such a
// path into a native one at the moment a file is touched.
//
// Drive table.  The letters D … Z stand for mounted media.  When KESTRANA_DRIVES is set
// ("E=/media/cdrom;F=/mnt/usb") it is the whole table.  Otherwise every mount point below
// /media, /run/media, /mnt and /cdrom (read from /proc/mounts, plus /cdrom itself when it
// is a folder) gets a letter from D on, in ascending order of the mount point's path, so
// the same set of mounts always gives the same letters.  A letter that maps to nothing, or
// to a folder that cannot be read, is a drive that is not ready.
#include <QString>
#include <optional>

namespace kg {

// The folder a drive letter maps to, when the drive is ready.
std::optional<QString> DriveFolder(QChar letter);
bool DriveReady(QChar letter);
// Forget the cached drive table (tests change KESTRANA_DRIVES).
void ResetDriveTable();

// "E:\RichText\ZRDESC.rtf" -> "/media/cdrom/richtext/zrdesc.rtf" (each component matched
// without regard to case against what is on disk; components that do not exist keep the
// case they were given).  Throws RuntimeError 71 when the path names a drive that is not
// ready, 52 for an empty path.
QString NativePath(const QString& path);

// The folder of the running program, in native form (the program folder).
QString ProgramFolder();
// Tests may point the program folder elsewhere.
void SetProgramFolderForTesting(const QString& folder);

} // namespace kg
