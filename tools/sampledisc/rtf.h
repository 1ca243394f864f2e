#pragma once
// A small writer of RTF 1 documents: Windows-1252 text with \'xx escapes for its upper half
// and \uN escapes for everything beyond it, a font table, a colour table, headings, runs of
// bold, italic and coloured text, tables and embedded PNG or JPEG pictures.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace sd {

class RtfWriter {
public:
    enum Colour { Default = 0, Black = 1, Red = 2, Navy = 3, Green = 4 };

    RtfWriter();
    void Heading(const QString& text);    // large, bold, sans-serif
    void Subheading(const QString& text); // medium, bold italic
    // A paragraph with inline markup: <b>…</b> bold, <i>…</i> italic, <c>…</c> red.
    void Paragraph(const QString& markup);
    void Table(const QList<QStringList>& rows); // first row in bold
    void Picture(const QImage& image, bool asPng);
    void PageBreak();
    QByteArray Finish();

    // Text as RTF: control characters escaped, cp1252 upper half as \'xx, the rest as \uN?.
    static QByteArray Escape(const QString& text);

private:
    QByteArray body_;
};

} // namespace sd
