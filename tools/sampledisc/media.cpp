#include "media.h"

#include "pictures.h"

#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sd {

namespace {

void PutLE32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void PutLE16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

QByteArray Chunk(const char* fourcc, const QByteArray& data)
{
    QByteArray out(fourcc, 4);
    PutLE32(out, static_cast<quint32>(data.size()));
    out += data;
    if (data.size() % 2)
        out += '\0';
    return out;
}

QByteArray List(const char* type, const QByteArray& data)
{
    QByteArray inner(type, 4);
    inner += data;
    return Chunk("LIST", inner);
}

// A deterministic noise source: the same sequence on every machine.
struct Noise {
    quint32 state;
    double Next()
    {
        state = state * 1664525u + 1013904223u;
        return (static_cast<double>(state >> 8) / 8388608.0) - 1.0;
    }
};

qint16 Clip(double v)
{
    const double s = std::round(v * 30000.0);
    return static_cast<qint16>(std::clamp(s, -32767.0, 32767.0));
}

QByteArray PcmBytes(const QList<qint16>& samples)
{
    QByteArray out;
    out.reserve(samples.size() * 2);
    for (qint16 s : samples)
        PutLE16(out, static_cast<quint16>(s));
    return out;
}

} // namespace

QList<qint16> EffectSamples(int index, double seconds)
{
    const int n = static_cast<int>(seconds * kSampleRate);
    const double start = 140.0 + 37.0 * index;
    const double ratios[] = {1.8, 0.6, 1.25, 0.8};
    const double end = start * ratios[index % 4];
    const double rumbleHz = 18.0 + 3.0 * (index % 7);
    const double noiseAmount = 0.06 * (index % 4);
    const double h2 = 0.1 * (index % 5), h3 = 0.05 * (index % 3);
    Noise noise{static_cast<quint32>(index * 7919 + 17)};
    QList<qint16> out;
    out.reserve(n);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double f = start * std::pow(end / start, t);
        phase += 2 * std::numbers::pi * f / kSampleRate;
        const double attack = std::min(1.0, i / (0.04 * kSampleRate));
        const double release = std::min(1.0, (n - i) / (0.08 * kSampleRate));
        const double rumble = 0.75 + 0.25 * std::sin(2 * std::numbers::pi * rumbleHz * i / kSampleRate);
        const double tone = std::sin(phase) + h2 * std::sin(2 * phase) + h3 * std::sin(3 * phase);
        const double v = (tone / (1 + h2 + h3) * (1 - noiseAmount) + noiseAmount * noise.Next()) *
                         attack * release * rumble * 0.8;
        out << Clip(v);
    }
    return out;
}

QList<qint16> PassbySamples()
{
    const int n = kSampleRate; // one second
    Noise noise{4242};
    QList<qint16> out;
    out.reserve(n);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        // Higher while approaching, lower once past: the pitch falls around the middle.
        const double f = 230.0 * (1.0 + 0.22 * std::tanh((0.5 - t) * 9.0));
        phase += 2 * std::numbers::pi * f / kSampleRate;
        const double loud = 1.0 / (1.0 + std::pow((t - 0.5) * 5.0, 2));
        const double v = (0.8 * std::sin(phase) + 0.2 * std::sin(2 * phase) + 0.08 * noise.Next()) * loud;
        out << Clip(v * 0.9);
    }
    return out;
}

QByteArray WavFile(const QList<qint16>& samples)
{
    QByteArray fmt;
    PutLE16(fmt, 1);               // PCM
    PutLE16(fmt, 1);               // mono
    PutLE32(fmt, kSampleRate);
    PutLE32(fmt, kSampleRate * 2); // bytes per second
    PutLE16(fmt, 2);               // block align
    PutLE16(fmt, 16);              // bits per sample
    QByteArray wave("WAVE");
    wave += Chunk("fmt ", fmt);
    wave += Chunk("data", PcmBytes(samples));
    return Chunk("RIFF", wave);
}

QList<QImage> MovieFrames(const MovieInfo& m)
{
    QList<QImage> frames;
    const QColor background = ColourFor(m.file);
    for (int f = 0; f < m.frames; ++f) {
        Card card;
        card.look = Look::Photo;
        card.size = m.size;
        card.background = background;
        card.headline = m.title;
        card.caption = QStringLiteral("frame %1 of %2").arg(f + 1).arg(m.frames);
        card.file = m.file;
        QImage frame = RenderCard(card);
        QPainter p(&frame);
        const int w = m.size.width() * (f + 1) / m.frames;
        p.fillRect(QRect(0, m.size.height() - 6, w, 6), Qt::white); // progress bar
        p.end();
        frames << frame;
    }
    return frames;
}

QByteArray AviFile(const MovieInfo& m, const QList<QImage>& frames)
{
    const bool sound = m.voice >= 0;
    const int count = static_cast<int>(frames.size());
    const int samplesPerFrame = kSampleRate / m.fps;
    const QList<qint16> track =
        sound ? EffectSamples(m.voice, static_cast<double>(samplesPerFrame) * count / kSampleRate) : QList<qint16>();

    QByteArray movi("movi");
    QByteArray index;
    quint32 maxVideo = 0;
    int addedFrames = 0;
    auto addChunk = [&](const char* id, const QByteArray& data, bool key) {
        const quint32 offset = static_cast<quint32>(movi.size()); // relative to the "movi" tag
        movi += Chunk(id, data);
        index.append(id, 4);
        PutLE32(index, key ? 0x10 : 0); // AVIIF_KEYFRAME
        PutLE32(index, offset);
        PutLE32(index, static_cast<quint32>(data.size()));
    };

    for (const QImage& frame : frames) {
        const QByteArray jpeg = EncodeJpeg(frame, 80);
        maxVideo = std::max(maxVideo, static_cast<quint32>(jpeg.size()));
        addChunk("00dc", jpeg, true);
        if (sound) {
            const QList<qint16> part = track.mid(static_cast<qsizetype>(addedFrames) * samplesPerFrame, samplesPerFrame);
            addChunk("01wb", PcmBytes(part), true);
        }
        ++addedFrames;
    }

    const quint32 w = m.size.width(), h = m.size.height();
    const quint32 audioBytesPerSec = sound ? kSampleRate * 2 : 0;
    QByteArray avih;
    PutLE32(avih, 1000000 / m.fps);                      // microseconds per frame
    PutLE32(avih, maxVideo * m.fps + audioBytesPerSec);  // max bytes per second
    PutLE32(avih, 0);                                    // padding granularity
    PutLE32(avih, 0x10 | 0x100);                         // has index, interleaved
    PutLE32(avih, count);
    PutLE32(avih, 0);                                    // initial frames
    PutLE32(avih, sound ? 2 : 1);                        // streams
    PutLE32(avih, maxVideo + 8);                         // suggested buffer size
    PutLE32(avih, w);
    PutLE32(avih, h);
    for (int i = 0; i < 4; ++i)
        PutLE32(avih, 0);

    auto streamHeader = [](const char* type, const char* handler, quint32 scale, quint32 rate,
                           quint32 length, quint32 buffer, quint32 sampleSize, quint32 fw, quint32 fh) {
        QByteArray s(type, 4);
        s.append(handler, 4);
        PutLE32(s, 0);          // flags
        PutLE16(s, 0);          // priority
        PutLE16(s, 0);          // language
        PutLE32(s, 0);          // initial frames
        PutLE32(s, scale);
        PutLE32(s, rate);
        PutLE32(s, 0);          // start
        PutLE32(s, length);
        PutLE32(s, buffer);
        PutLE32(s, 0xFFFFFFFF); // quality: default
        PutLE32(s, sampleSize);
        PutLE16(s, 0);
        PutLE16(s, 0);
        PutLE16(s, static_cast<quint16>(fw));
        PutLE16(s, static_cast<quint16>(fh));
        return s;
    };

    QByteArray bih;
    PutLE32(bih, 40);
    PutLE32(bih, w);
    PutLE32(bih, h);
    PutLE16(bih, 1);
    PutLE16(bih, 24);
    bih.append("MJPG", 4);
    PutLE32(bih, w * h * 3);
    for (int i = 0; i < 4; ++i)
        PutLE32(bih, 0);

    QByteArray hdrl = Chunk("avih", avih);
    hdrl += List("strl", Chunk("strh", streamHeader("vids", "MJPG", 1, m.fps, count, maxVideo, 0, w, h)) +
                             Chunk("strf", bih));
    if (sound) {
        QByteArray wfx;
        PutLE16(wfx, 1);
        PutLE16(wfx, 1);
        PutLE32(wfx, kSampleRate);
        PutLE32(wfx, kSampleRate * 2);
        PutLE16(wfx, 2);
        PutLE16(wfx, 16);
        PutLE16(wfx, 0);
        const quint32 samples = static_cast<quint32>(samplesPerFrame) * count;
        hdrl += List("strl", Chunk("strh", streamHeader("auds", "\0\0\0\0", 2, kSampleRate * 2, samples,
                                                        samplesPerFrame * 2, 2, 0, 0)) +
                                 Chunk("strf", wfx));
    }

    QByteArray avi("AVI ");
    avi += List("hdrl", hdrl);
    avi += Chunk("LIST", movi);
    avi += Chunk("idx1", index);
    return Chunk("RIFF", avi);
}

} // namespace sd
