#pragma once
// Sounds and movies: PCM wave files (22050 Hz, mono, 16 bit) and Motion-JPEG AVI files
// with an optional PCM sound track, written byte by byte so that every run gives the
// same files.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace sd {

inline constexpr int kSampleRate = 22050;

// A sound effect: a tone gliding from one pitch to another under a swell-and-fade
// envelope, with some engine roughness.  Index picks a distinct voice.
QList<qint16> EffectSamples(int index, double seconds);
// The start-up sound: a car passing by, pitch falling as it goes.
QList<qint16> PassbySamples();
QByteArray WavFile(const QList<qint16>& samples);

struct MovieInfo {
    QString title;   // drawn on every frame
    QString file;
    QSize size{320, 240};
    int fps = 10;
    int frames = 25;
    int voice = 0;   // sound track voice; negative for none
};
QList<QImage> MovieFrames(const MovieInfo& movie);
QByteArray AviFile(const MovieInfo& movie, const QList<QImage>& frames);

} // namespace sd
