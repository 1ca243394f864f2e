#include "controls/pictures.h"

#include "system/runtime.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace kg {

namespace {

[[noreturn]] void ThrowInvalidPicture()
{
    throw RuntimeError(481, QStringLiteral("Invalid picture"));
}

} // namespace

// A JPEG is complete when, walking it from the start-of-image marker, every marker segment
// lies inside the file and the entropy-coded data after the last scan is followed by an
// end-of-image marker (FF D9).  A file cut short anywhere fails this, even where the decoder
// would only warn and hand back a partly grey picture.  Bytes after the end-of-image marker
// (some cameras append data) are allowed.
bool JpegIsComplete(const QByteArray& data)
{
    const auto* d = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype n = data.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return false;
    qsizetype i = 2;
    bool sawScan = false;
    while (i < n) {
        if (d[i] != 0xFF)
            return false; // garbage where a marker must stand
        while (i < n && d[i] == 0xFF)
            ++i; // fill bytes
        if (i >= n)
            return false;
        const unsigned char code = d[i++];
        if (code == 0xD9)
            return sawScan;
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue; // markers without a length
        if (i + 2 > n)
            return false;
        const qsizetype length = (qsizetype(d[i]) << 8) | d[i + 1];
        if (length < 2 || i + length > n)
            return false;
        i += length;
        if (code != 0xDA)
            continue;
        // Start of scan: skip the entropy-coded data up to the next real marker.  Inside it a
        // data byte FF is stuffed as FF 00, and restart markers FF D0…D7 may appear.
        sawScan = true;
        while (i < n) {
            if (d[i] != 0xFF) {
                ++i;
                continue;
            }
            if (i + 1 >= n)
                return false;
            const unsigned char next = d[i + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                i += 2;
            else if (next == 0xFF)
                ++i;
            else
                break; // a marker: handled by the outer loop
        }
    }
    return false;
}

// Qt's bitmap reader fills a cut-off bitmap with black without complaint, so a bitmap is
// complete only when its headers are whole and the file holds all the pixel rows they
// promise (uncompressed) or the compressed size they state.
bool BmpIsComplete(const QByteArray& data)
{
    const auto* d = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype n = data.size();
    const auto u16 = [d](qsizetype at) { return quint32(d[at]) | quint32(d[at + 1]) << 8; };
    const auto u32 = [&](qsizetype at) { return u16(at) | u16(at + 2) << 16; };
    if (n < 26 || d[0] != 'B' || d[1] != 'M')
        return false;
    const qint64 offset = u32(10);
    const quint32 headerSize = u32(14);
    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) { // OS/2 core header
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        if (headerSize < 40 || n < 14 + 40)
            return false;
        width = qint32(u32(18));
        height = qint32(u32(22));
        bits = u16(28);
        compression = u32(30);
        imageSize = u32(34);
    }
    if (14 + qint64(headerSize) > n || offset > n)
        return false;
    if (compression == 1 || compression == 2) // run-length encoded
        return imageSize == 0 || offset + qint64(imageSize) <= n;
    const qint64 stride = ((qAbs(width) * bits + 31) / 32) * 4;
    return offset + stride * qAbs(height) <= n;
}

QImage LoadPictureFile(const QString& nativePath, QSize targetSize)
{
    if (nativePath.isEmpty())
        return {};
    const QFileInfo info(nativePath);
    if (!info.exists() || info.isDir())
        throw RuntimeError(rterr::FileNotFound, QStringLiteral("File not found"));
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(rterr::PathFileAccess, QStringLiteral("Path/File access error"));
    const QByteArray data = file.readAll();
    file.close();
    if (data.isEmpty())
        ThrowInvalidPicture();

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        ThrowInvalidPicture();
    // The decoders report broken PNG data themselves; JPEG and bitmap decoders may hand back a
    // partial picture, so those two formats are checked for completeness first.
    const QByteArray format = reader.format();
    if (format == "jpeg" && !JpegIsComplete(data))
        ThrowInvalidPicture();
    if (format == "bmp" && !BmpIsComplete(data))
        ThrowInvalidPicture();
    if (targetSize.isValid() && !targetSize.isEmpty())
        reader.setScaledSize(targetSize);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        ThrowInvalidPicture();
    return image;
}

} // namespace kg
