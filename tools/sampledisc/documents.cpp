#include "documents.h"

#include "pictures.h"
#include "rtf.h"

#include <iterator>

namespace sd {

namespace {

// Body paragraphs, used in turn.  %1 is the paragraph number, %2 the paragraph count and
// %3 the document title.
const char* const kBody[] = {
    "Paragraph %1 of %2 of <b>%3</b>. The coupé on the cover of this sample was delivered new "
    "to the owner of a small café, who kept every receipt in a shoe box under the passenger "
    "seat; the box is still there, and so is the original jack, wrapped in its canvas bag.",
    "<c>Sample text:</c> the figures in paragraph %1 are invented for the sample disc and are not "
    "taken from any factory record. They are there so that the viewer, the printer and the "
    "booklet have real lines, real words and real page breaks to work with.",
    "Clubs from Zürich to Málaga and a chapter in Łódź sent in photographs for paragraph %1; "
    "the <i>Kestrana</i> owners' registry files them by model year and body colour, and "
    "answers every letter — usually within the week.",
    "Paragraph %1: the engine bay was detailed with the original clamps, the hoses were "
    "replaced with correct reproductions, and the car won its class at the regional concours "
    "<b>twice</b>, the second time in the rain, with the judges under umbrellas.",
    "Paragraph %1: a long drive over a mountain pass is the best test of any sports car. "
    "Brakes, steering and seats are judged together; the driver's back judges last, on the "
    "morning after, and its verdict is the one that counts. <i>%3</i> continues below.",
};

QString BodyParagraph(int n, int count, const QString& title)
{
    const int kinds = static_cast<int>(std::size(kBody));
    // Not every paragraph uses all three fields, so they are replaced by name.
    return QString::fromUtf8(kBody[(n - 1) % kinds])
        .replace(QLatin1String("%3"), title)
        .replace(QLatin1String("%2"), QString::number(count))
        .replace(QLatin1String("%1"), QString::number(n));
}

} // namespace

QImage DocumentPicture(const DocInfo& d)
{
    if (d.picture == DocInfo::Picture::None)
        return {};
    const QString& title = d.title;
    const QString& file = d.file;
    Card card;
    card.look = Look::Drawing;
    card.size = QSize(240, 130);
    card.background = ColourFor(file);
    card.headline = title;
    card.caption = QStringLiteral("picture inside the document");
    card.file = file;
    return RenderCard(card);
}

QByteArray MakeDocument(const DocInfo& d, const QImage& picture)
{
    RtfWriter w;
    w.Heading(d.title);
    w.Paragraph(QStringLiteral("<i>The Kestrana Gallerion 2001 — sample content disc.</i> This is the "
                               "document <b>%1</b>, stored as <c>%2</c>.")
                    .arg(d.title, d.file));
    if (!picture.isNull())
        w.Picture(picture, d.picture == DocInfo::Picture::Png);
    if (!d.table.isEmpty()) {
        w.Subheading(QStringLiteral("Figures"));
        w.Table(d.table);
    }
    for (int n = 1; n <= d.paragraphs; ++n) {
        if (n > 1 && n % 8 == 1)
            w.Subheading(QStringLiteral("%1, part %2").arg(d.title).arg(n / 8 + 1));
        w.Paragraph(BodyParagraph(n, d.paragraphs, d.title));
    }
    w.Paragraph(QStringLiteral("<i>End of %1.</i>").arg(d.title));
    return w.Finish();
}

QList<QStringList> StatisticsTable(const QString& subject, int seed)
{
    const int built = 300 + (seed * 7919) % 38000;
    const int price = 3000 + (seed * 137) % 40000;
    const int hp = 150 + (seed * 31) % 260;
    return {
        {QStringLiteral("Item"), subject},
        {QStringLiteral("Cars built (sample)"), QString::number(built)},
        {QStringLiteral("Base price (sample)"), QStringLiteral("$%1").arg(price)},
        {QStringLiteral("Top engine"), QStringLiteral("%1 hp").arg(hp)},
        {QStringLiteral("Colours offered"), QString::number(4 + seed % 9)},
    };
}

} // namespace sd
