#include "pictures.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFont>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

namespace sd {

QColor ColourFor(const QString& key)
{
    // A hash spreads neighbouring codes ("53", "54") over the colour wheel; the fixed
    // saturation and value keep dark text readable on every background.
    const QByteArray h = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5);
    const int hue = ((static_cast<unsigned char>(h[0]) << 8) | static_cast<unsigned char>(h[1])) % 360;
    const int sat = 90 + static_cast<unsigned char>(h[2]) % 80;
    const int val = 200 + static_cast<unsigned char>(h[3]) % 50;
    return QColor::fromHsv(hue, sat, val);
}

namespace {

QFont FontOfPixelSize(qreal px, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(1, qRound(px)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Draws text centred in box, shrinking the font until it fits the box's width.
void DrawFitted(QPainter& p, const QRectF& box, const QString& text, qreal px, bool bold)
{
    if (text.isEmpty() || box.width() < 2)
        return;
    QFont f = FontOfPixelSize(px, bold);
    for (int i = 0; i < 12; ++i) {
        const qreal w = QFontMetricsF(f).horizontalAdvance(text);
        if (w <= box.width() || f.pixelSize() <= 6)
            break;
        f.setPixelSize(qMax(6, static_cast<int>(f.pixelSize() * box.width() / w)));
    }
    p.setFont(f);
    p.drawText(box, Qt::AlignCenter, text);
}

void DrawCar(QPainter& p, const QRectF& r, const QColor& body, bool outlineOnly)
{
    const QColor line = outlineOnly ? QColor(150, 150, 150) : QColor(Qt::black);
    // Long hood, short deck, two wheels: the shape of a two-seat sports car.
    const qreal w = r.width(), h = r.height(), x = r.left(), y = r.top();
    QPainterPath path;
    path.moveTo(x + 0.02 * w, y + 0.70 * h);
    path.cubicTo(x + 0.02 * w, y + 0.50 * h, x + 0.10 * w, y + 0.45 * h, x + 0.30 * w, y + 0.42 * h);
    path.cubicTo(x + 0.40 * w, y + 0.20 * h, x + 0.55 * w, y + 0.15 * h, x + 0.66 * w, y + 0.38 * h);
    path.cubicTo(x + 0.85 * w, y + 0.40 * h, x + 0.98 * w, y + 0.48 * h, x + 0.98 * w, y + 0.68 * h);
    path.lineTo(x + 0.98 * w, y + 0.78 * h);
    path.lineTo(x + 0.02 * w, y + 0.78 * h);
    path.closeSubpath();
    p.setPen(QPen(line, qMax(1.0, w / 160)));
    p.setBrush(outlineOnly ? QBrush(Qt::NoBrush) : QBrush(body));
    p.drawPath(path);
    p.setBrush(outlineOnly ? QBrush(Qt::white) : QBrush(QColor(30, 30, 30)));
    const qreal wr = 0.11 * w;
    p.drawEllipse(QPointF(x + 0.22 * w, y + 0.78 * h), wr, wr);
    p.drawEllipse(QPointF(x + 0.80 * w, y + 0.78 * h), wr, wr);
    p.setBrush(outlineOnly ? QBrush(Qt::NoBrush) : QBrush(QColor(170, 210, 240)));
    QPainterPath glass;
    glass.moveTo(x + 0.36 * w, y + 0.41 * h);
    glass.cubicTo(x + 0.44 * w, y + 0.25 * h, x + 0.54 * w, y + 0.23 * h, x + 0.60 * w, y + 0.38 * h);
    glass.closeSubpath();
    p.drawPath(glass);
}

QColor TextColourOn(const QColor& bg) { return bg.lightness() > 140 ? Qt::black : Qt::white; }

} // namespace

QImage RenderCard(const Card& c)
{
    QImage img(c.size, QImage::Format_RGB32);
    const qreal W = c.size.width(), H = c.size.height();
    const bool tiny = W < 120;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QColor ink = TextColourOn(c.background);
    switch (c.look) {
    case Look::Photo: {
        p.fillRect(img.rect(), c.background);
        p.fillRect(QRectF(0, H * 0.72, W, H * 0.28), c.background.darker(130));
        if (!tiny)
            DrawCar(p, QRectF(W * 0.18, H * 0.36, W * 0.64, H * 0.45), c.background.darker(170), false);
        break;
    }
    case Look::Drawing:
        p.fillRect(img.rect(), Qt::white);
        p.setPen(QPen(c.background.darker(150), qMax(2.0, W / 100)));
        p.drawRect(QRectF(2, 2, W - 4, H - 4));
        if (!tiny)
            DrawCar(p, QRectF(W * 0.15, H * 0.30, W * 0.70, H * 0.45), Qt::white, true);
        ink = Qt::black;
        break;
    case Look::Emblem: {
        p.fillRect(img.rect(), QColor(25, 25, 40));
        p.setPen(QPen(QColor(230, 200, 90), qMax(1.0, W / 60)));
        p.setBrush(c.background);
        p.drawEllipse(QRectF(W * 0.04, H * 0.06, W * 0.92, H * 0.88));
        ink = TextColourOn(c.background);
        break;
    }
    case Look::Script: {
        QLinearGradient g(0, 0, 0, H);
        g.setColorAt(0, QColor(245, 245, 250));
        g.setColorAt(0.5, c.background);
        g.setColorAt(1, QColor(90, 90, 100));
        p.fillRect(img.rect(), g);
        ink = Qt::black;
        break;
    }
    case Look::Poster:
        p.fillRect(img.rect(), QColor(250, 248, 240));
        p.fillRect(QRectF(W * 0.05, H * 0.05, W * 0.90, H * 0.90), c.background);
        if (!tiny)
            DrawCar(p, QRectF(W * 0.12, H * 0.45, W * 0.76, H * 0.34), c.background.darker(180), false);
        break;
    case Look::Plain:
        p.fillRect(img.rect(), c.background);
        p.setPen(QPen(c.background.darker(160), qMax(1.0, W / 80)));
        p.drawRect(QRectF(1, 1, W - 2, H - 2));
        break;
    }

    p.setPen(ink);
    const qreal margin = W * (c.look == Look::Emblem ? 0.14 : c.look == Look::Poster ? 0.09 : 0.04);
    const bool tall = c.look == Look::Photo || c.look == Look::Poster;
    const QRectF head(margin, H * (tall ? 0.04 : 0.08), W - 2 * margin, H * (tall ? 0.22 : 0.40));
    const QRectF sub(margin, head.bottom(), W - 2 * margin, H * (tall ? 0.10 : 0.22));
    const QRectF foot(margin, H * (tall ? 0.86 : 0.72), W - 2 * margin, H * (tall ? 0.12 : 0.24));
    DrawFitted(p, head, c.headline, head.height() * 0.62, true);
    if (!tiny || c.look == Look::Poster) {
        DrawFitted(p, sub, c.caption, sub.height() * 0.6, false);
        DrawFitted(p, foot, c.file, foot.height() * 0.55, false);
    }
    p.end();
    return img;
}

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "jpeg");
    w.setQuality(quality);
    if (!w.write(image))
        return {};
    return bytes;
}

QByteArray EncodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    if (!w.write(image))
        return {};
    return bytes;
}

QByteArray TruncatedJpeg(const QByteArray& jpeg)
{
    // A JPEG cut inside its entropy-coded data still decodes (the decoder pads the missing
    // rows with grey), so the cut falls halfway to the start-of-scan marker: the Huffman
    // tables and the frame header are incomplete and decoding must fail.
    const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype cut = sos > 0 ? sos / 2 : jpeg.size() / 2;
    return jpeg.left(cut);
}

} // namespace sd
