#pragma once
// The names of everything on a content disc: model years and their codes, the category
// table, and one table per kind of file.  The disc plan (plan.cpp) walks these tables; no
// other code spells a content file name.
#include <QList>
#include <QString>

namespace sd {

// ---- Model years -------------------------------------------------------------------------

// 1953 … 2001 without 1983, in year-bar order.
QList<int> ModelYears();
QString YearCode(int year);     // "53" … "99", "00", "01": emblems, scripts, ads, nostalgia
QString PhotoCode(int year);    // "53" … "99", "A0", "A1": photographs
QString RichTextCode(int year); // "53" … "99", "a0", "a1": model-year documents
QString BookletCode(int year);  // "53" … "99", "A0", "A1": booklet details documents

// ---- Categories --------------------------------------------------------------------------

struct Category {
    const char* code;    // two-letter photograph code
    const char* caption; // selection caption without its trailing blank
    bool details;        // its Statistics button shows per-photograph details documents
};
// The 40 special categories, in the order of the category table.
const QList<Category>& Categories();
const Category* FindCategory(const QString& code);

// ---- Simple name tables ------------------------------------------------------------------

struct Named {
    const char* name;  // file name exactly as the program spells it
    const char* title; // what the file is; drawn on pictures, used as a document heading
};

// Rich-text documents.  A year document name is RichTextCode + suffix; the title pattern
// carries %1 for the four-digit year.
const QList<Named>& YearDocumentKinds();
const QList<Named>& CategoryDocuments();  // descriptions, options, statistics, colours
const QList<Named>& ReferenceDocuments(); // help, literature, magazines, reference, series
QList<int> NostalgiaYears();              // "nostalgia" + YearCode + ".rtf"

// Emblems and badges named outside the year rules; year rules are in plan.cpp.
const QList<Named>& NamedNoseEmblems();
const QList<Named>& NamedRearEmblems();
const QList<Named>& NamedSideEmblems();
const QList<Named>& NamedScripts();
QList<int> YearsWithoutRearEmblem();  // they show the "norear" placeholder
QList<int> YearsWithoutSideEmblem();  // they show the "noside" placeholder
QList<int> YearsSharingSideEmblem91(); // they show emb91s.jpg

const QList<Named>& NamedClipArt();
const QList<Named>& NamedAds();
QList<int> YearsWithoutAd();
const QList<Named>& NamedBrochures();
struct Decoration {
    const char* name;
    const char* title;
    int width, height; // pixels
};
const QList<Decoration>& Graphics(); // placeholders and decorative pictures in "graphics"

// Years whose advertisement and brochure are landscape pages (the oversize viewer zooms
// them out to the full screen width); the ZR-1 advertisement is one as well.
QList<int> WidePageYears();

// The illustrated series: entry n (1 … 42) is st00n.jpg / st0nn.jpg.
const QList<QString>& IllustrationTitles();
QString IllustrationFile(int n);

struct Movie {
    const char* file;
    const char* title;
};
const QList<Movie>& Movies();

struct Sound {
    const char* file;
    const char* label;
};
const QList<Sound>& SoundEffects(); // 29 effects, in panel order
inline constexpr const char* kStartupSound = "passby.wav";

} // namespace sd
