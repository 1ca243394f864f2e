#include "rtf.h"

#include "pictures.h"

namespace sd {

namespace {

// Windows-1252 positions 0x80 … 0x9F; 0 marks the five unassigned ones.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int Cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return 0x80 + i;
    return -1;
}

QByteArray Hex(const QByteArray& data)
{
    QByteArray out;
    const QByteArray hex = data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + '\n';
    return out;
}

} // namespace

RtfWriter::RtfWriter() = default;

QByteArray RtfWriter::Escape(const QString& text)
{
    QByteArray out;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\n') {
            out += "\\line ";
        } else if (c >= 0x20 && c < 0x80) {
            out += static_cast<char>(c);
        } else if (const int b = Cp1252Byte(c); b >= 0x80) {
            out += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
        } else {
            // \uN takes a signed 16-bit number; one '?' follows for readers without Unicode.
            out += "\\u" + QByteArray::number(static_cast<qint16>(c)) + '?';
        }
    }
    return out;
}

void RtfWriter::Heading(const QString& text)
{
    body_ += "\\pard\\sb240\\sa180\\qc\\f1\\fs40\\b\\cf3 " + Escape(text) + "\\cf0\\b0\\fs24\\f0\\par\n";
}

void RtfWriter::Subheading(const QString& text)
{
    body_ += "\\pard\\sb200\\sa120\\f1\\fs30\\b\\i " + Escape(text) + "\\i0\\b0\\fs24\\f0\\par\n";
}

void RtfWriter::Paragraph(const QString& markup)
{
    body_ += "\\pard\\sa120\\fi360\\f0\\fs24 ";
    qsizetype pos = 0;
    while (pos < markup.size()) {
        const qsizetype tag = markup.indexOf('<', pos);
        const qsizetype end = tag < 0 ? markup.size() : tag;
        body_ += Escape(markup.mid(pos, end - pos));
        if (tag < 0)
            break;
        static const struct {
            const char* tag;
            const char* rtf;
        } kTags[] = {
            {"<b>", "\\b "},   {"</b>", "\\b0 "}, {"<i>", "\\i "},
            {"</i>", "\\i0 "}, {"<c>", "\\cf2 "}, {"</c>", "\\cf0 "},
        };
        bool matched = false;
        for (const auto& t : kTags) {
            const QLatin1String name(t.tag);
            if (markup.mid(tag, name.size()) == name) {
                body_ += t.rtf;
                pos = tag + name.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            body_ += '<';
            pos = tag + 1;
        }
    }
    body_ += "\\par\n";
}

void RtfWriter::Table(const QList<QStringList>& rows)
{
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        const int width = 9000 / qMax<qsizetype>(1, cells.size());
        body_ += "\\trowd\\trgaph108\\trleft0";
        for (int i = 0; i < cells.size(); ++i)
            body_ += "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx" +
                     QByteArray::number(width * (i + 1));
        body_ += '\n';
        for (const QString& cell : cells)
            body_ += "\\pard\\intbl\\f0\\fs22" + QByteArray(r == 0 ? "\\b " : " ") + Escape(cell) +
                     (r == 0 ? "\\b0" : "") + "\\cell\n";
        body_ += "\\row\n";
    }
    body_ += "\\pard\\fs24\\par\n";
}

void RtfWriter::Picture(const QImage& image, bool asPng)
{
    const QByteArray data = asPng ? EncodePng(image) : EncodeJpeg(image, 80);
    body_ += "\\pard\\qc{\\pict" + QByteArray(asPng ? "\\pngblip" : "\\jpegblip") + "\\picw" +
             QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) +
             "\\picwgoal" + QByteArray::number(image.width() * 15) + "\\pichgoal" +
             QByteArray::number(image.height() * 15) + "\n" + Hex(data) + "}\\par\n";
}

void RtfWriter::PageBreak() { body_ += "\\page\n"; }

QByteArray RtfWriter::Finish()
{
    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
        "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
        "{\\f2\\fmodern\\fcharset0 Courier New;}}\n"
        "{\\colortbl ;\\red0\\green0\\blue0;\\red192\\green0\\blue0;\\red0\\green0\\blue128;"
        "\\red0\\green128\\blue0;}\n"
        "\\viewkind4\\uc1\\f0\\fs24\n";
    out += body_;
    out += "}\n";
    return out;
}

} // namespace sd
