#pragma once
// Sample pictures: every picture says in large letters what it is and carries its own file
// name, on a background colour chosen by its code, so a person looking at the screen can tell
// which file the program loaded.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace sd {

enum class Look {
    Photo,    // a car on a coloured backdrop
    Drawing,  // clip art: line drawing on white
    Emblem,   // a crest on a dark field
    Script,   // a chrome-lettering strip
    Poster,   // advertisement, brochure cover, illustration: framed page
    Plain,    // placeholders and decorations
};

struct Card {
    Look look = Look::Plain;
    QSize size{640, 480};
    QColor background{200, 200, 200};
    QString headline; // largest text
    QString caption;  // second line
    QString file;     // file name, drawn small at the bottom
};

// A stable, distinct colour for a code or name.
QColor ColourFor(const QString& key);

QImage RenderCard(const Card& card);
QByteArray EncodeJpeg(const QImage& image, int quality = 85);
QByteArray EncodePng(const QImage& image);

// The first bytes of a real JPEG, cut inside its header so that no reader can decode it.
QByteArray TruncatedJpeg(const QByteArray& jpeg);

} // namespace sd
