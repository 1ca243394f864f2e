#pragma once
// Loading pictures from files.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace kg {

// Reads the picture in the file at `nativePath` (format taken from the content, not the
// name).  With a valid `targetSize` the picture is decoded straight at that size (the
// caller passes the size it will show it at); otherwise at its own size.
//
// An empty path gives the empty picture (a null QImage), as clearing a picture does.
// Failures throw kg::RuntimeError:
//   53 "File not found"          the file does not exist (or is a folder);
//   75 "Path/File access error"  it exists but cannot be opened;
//   481 "Invalid picture"        it is no picture, or is truncated or undecodable.
QImage LoadPictureFile(const QString& nativePath, QSize targetSize = {});

// True when `data` is a JPEG stream whose segments and scans run, unbroken, to an end-of-image
// marker.
bool JpegIsComplete(const QByteArray& data);
// True when `data` is a bitmap file that holds all the pixel data its headers announce.
bool BmpIsComplete(const QByteArray& data);

} // namespace kg
