#include "names.h"

namespace sd {

QList<int> ModelYears()
{
    QList<int> years;
    for (int y = 1953; y <= 2001; ++y)
        if (y != 1983)
            years << y;
    return years;
}

static QString TwoDigits(int year) { return QString::number(year % 100).rightJustified(2, '0'); }

QString YearCode(int year) { return TwoDigits(year); }
QString PhotoCode(int year) { return year >= 2000 ? "A" + QString::number(year - 2000) : TwoDigits(year); }
QString RichTextCode(int year) { return year >= 2000 ? "a" + QString::number(year - 2000) : TwoDigits(year); }
QString BookletCode(int year) { return PhotoCode(year); }

const QList<Category>& Categories()
{
    static const QList<Category> table = {
        {"AZ", "1990-1995 ZR-1", false},
        {"BC", "Callaway C12", false},
        {"CC", "Callaway Twin-Turbo", false},
        {"CV", "Custom Kestranas", true},
        {"GS", "Gisser Automotive Concepts", false},
        {"FL", "Lingenfelter Cars", false},
        {"FM", "Mallett Cars", false},
        {"ES", "Malibu Kestrana Ski Boat", false},
        {"DP", "Prototypes", true},
        {"DR", "Race Cars", true},
        {"GT", "Specter Werkes GTR Roadster", true},
        {"EM", "Kestrana Emblems", true},
        {"MS", "Miscellany", true},
        {"TT", "Top Ten Kestrana People", false},
        {"MA", "Kestrana Americana", true},
        {"MN", "National Kestrana Museum", true},
        {"CA", "Additional Clip Art", false},
        {"GA", "Ferrowyn Art Print", true},
        {"GB", "Telmaris Art Print", true},
        {"GH", "National Kestrana Museum Print", true},
        {"GL", "Quillon Art Print", true},
        {"GD", "Ostrev Art Print", false},
        {"GF", "Lunvik Art Print", false},
        {"G6", "Sabrell Art Print", false},
        {"TC", "Car Stuff Kestrana Calendars", false},
        {"TX", "Kestrana Holiday Cards", true},
        {"US", "Kestrana Monopoly Game", false},
        {"TD", "Danbury Mint Die-cast Model", true},
        {"TE", "Franklin Mint Collector Knives", false},
        {"TP", "Franklin Mint Collector Plates", false},
        {"TF", "Franklin Mint Die-cast Models", true},
        {"TI", "Franklin Mint Fuel Injected Engine", true},
        {"TW", "Franklin Mint Kestrana Pocket Watch", true},
        {"VM", "Kestrana Metal Signs", true},
        {"VR", "Revell-Monogram Models", true},
        {"XP", "Kestrana Pinball Machine", true},
        {"ZY", "Kestrana Coin", false},
        {"ZZ", "Kestrana Philately", true},
        {"ZW", "Kestrana Rubber Stamps", true},
        {"ZX", "Hoyle Kestrana Playing Cards", true},
    };
    return table;
}

const Category* FindCategory(const QString& code)
{
    for (const Category& c : Categories())
        if (code == QLatin1String(c.code))
            return &c;
    return nullptr;
}

const QList<Named>& YearDocumentKinds()
{
    static const QList<Named> table = {
        {"desc.rtf", "%1 Description"},
        {"OPTS.rtf", "Options %1"},
        {"stats.rtf", "%1 Statistics"},
        {"colors.rtf", "%1 Colors"},
    };
    return table;
}

const QList<Named>& CategoryDocuments()
{
    static const QList<Named> table = {
        // Descriptions.
        {"zy002.rtf", "Kestrana Coin Description"},
        {"GrayWolf.rtf", "Kestrana Rubber Stamps Description"},
        {"stamps.rtf", "Kestrana Philately Description"},
        {"msdesc.rtf", "Miscellany Description"},
        {"ttdesc.rtf", "Top Ten Kestrana People"},
        {"revell.rtf", "Revell-Monogram Models Description"},
        {"musamer.rtf", "Kestrana Americana Hall of Fame"},
        {"mndesc.rtf", "National Kestrana Museum Description"},
        {"carstuff.rtf", "Car Stuff Kestrana Calendars Description"},
        {"ncoa.rtf", "Kestrana Holiday Cards Description"},
        {"monopoly.rtf", "Kestrana Monopoly Game Description"},
        {"zxhoyle.rtf", "Hoyle Kestrana Playing Cards Description"},
        {"knives.rtf", "Franklin Mint Collector Knives Description"},
        {"plates.rtf", "Franklin Mint Collector Plates Description"},
        {"franklin.rtf", "Franklin Mint Die-cast Models and Fuel Injected Engine"},
        {"FMWatch.rtf", "Franklin Mint Kestrana Pocket Watch Description"},
        {"danbury.rtf", "Danbury Mint Die-cast Model Description"},
        {"desperat.rtf", "Kestrana Metal Signs Description"},
        {"xpbdesc.rtf", "Kestrana Pinball Machine Description"},
        {"skdesc.rtf", "Malibu Kestrana Ski Boat Description"},
        {"ptdesc.rtf", "Prototypes and Race Cars Description"},
        {"GTRdesc.rtf", "Specter Werkes GTR Roadster Description"},
        {"C12desc.rtf", "Callaway C12 Description"},
        {"cwdesc.rtf", "Callaway Twin-Turbo Description"},
        {"gisser.rtf", "Gisser Automotive Concepts Description"},
        {"lingen.rtf", "Lingenfelter Cars Description"},
        {"mallett.rtf", "Mallett Cars Description"},
        {"ZRDESC.rtf", "1990-1995 ZR-1 Description"},
        {"ferrowyndesc.rtf", "Ferrowyn Art Print Description"},
        {"TelmarisDESC.rtf", "Telmaris Art Print Description"},
        {"NCDESC.rtf", "National Kestrana Museum Print Description"},
        {"QuillonDESC.rtf", "Quillon Art Print Description"},
        // Options, statistics and colours of the tuner and special cars.
        {"skopts.rtf", "Options Malibu Kestrana Ski Boat"},
        {"skstats.rtf", "Malibu Kestrana Ski Boat Statistics"},
        {"skcolors.rtf", "Malibu Kestrana Ski Boat Colors"},
        {"C12OPTS.rtf", "Options Callaway C12"},
        {"C12stats.rtf", "Callaway C12 Statistics"},
        {"C12colors.rtf", "Callaway C12 Colors"},
        {"cwOPTS.rtf", "Options Callaway Twin-Turbo"},
        {"cwstats.rtf", "Callaway Twin-Turbo Statistics"},
        {"cwcolors.rtf", "Callaway Twin-Turbo Colors"},
        {"gsOPTS.rtf", "Options Gisser Automotive Concepts"},
        {"gisserstats.rtf", "Gisser Automotive Concepts Statistics"},
        {"gscolors.rtf", "Gisser Automotive Concepts Colors"},
        {"flOPTS.rtf", "Options Lingenfelter Cars"},
        {"flstats.rtf", "Lingenfelter Cars Statistics"},
        {"flcolors.rtf", "Lingenfelter Cars Colors"},
        {"fmOPTS.rtf", "Options Mallett Cars"},
        {"mallettfeatures.rtf", "Mallett Cars Features"},
        {"fmcolors.rtf", "Mallett Cars Colors"},
        {"ZROPTS.rtf", "Options 1990-1995 ZR-1"},
        {"ZRstats.rtf", "1990-1995 ZR-1 Statistics"},
        {"zrcolors.rtf", "1990-1995 ZR-1 Colors"},
        // Booklet details page of the ZR-1 entry (its description is ZRDESC.rtf).
        {"ZR.rtf", "1990-1995 ZR-1 Details"},
    };
    return table;
}

const QList<Named>& ReferenceDocuments()
{
    static const QList<Named> table = {
        {"desc.rtf", "Description"},
        {"intro.rtf", "Introduction"},
        {"notice.rtf", "Notice"},
        {"credits.rtf", "Credits"},
        {"contrib.rtf", "Contributions"},
        {"Dalworth.rtf", "Shark Quarterly Interview with Dalworth"},
        {"Pellison.rtf", "Pellison Interview with Dalworth"},
        {"wave.rtf", "Hand Signals and Other Greetings"},
        {"lt4.rtf", "Commemorating the C4"},
        {"theking.rtf", "Long Live the King"},
        {"savewave.rtf", "Save the Wave"},
        {"10second.rtf", "The Ten Second Trip"},
        {"moment.rtf", "Sometimes You Just Get Caught Up In The Moment"},
        {"books.rtf", "Kestrana Books"},
        {"catalogs.rtf", "Kestrana Catalogs"},
        {"magcaprs.rtf", "Magazines: Kestrana Capers"},
        {"magCF.rtf", "Magazines: Kestrana Fever"},
        {"magCJRNL.rtf", "Magazines: Kestrana Journal"},
        {"magsweden.rtf", "Magazines: Kestrana Magasinet"},
        {"magQTRLY.rtf", "Magazines: Kestrana Quarterly"},
        {"magCRSTR.rtf", "Magazines: Kestrana Restorer"},
        {"magCTRDR.rtf", "Magazines: Kestrana Trader"},
        {"magVONLY.rtf", "Magazines: For Kestas Only"},
        {"magShark.rtf", "Magazines: Shark Quarterly"},
        {"magylady.rtf", "Magazines: The Yankee Lady Gazette"},
        {"magKESTA.rtf", "Magazines: Kesta Magazine"},
        {"magVues.rtf", "Magazines: Kesta Vues"},
        {"magycar.rtf", "Magazines: Y-Car On-Line"},
        {"KestranaAds.rtf", "Kestrana Advertising Checklist"},
        {"ENGINES.rtf", "Kestrana Engines"},
        {"glossary.rtf", "Kestrana Glossary"},
        {"timeline.rtf", "Kestrana Timeline"},
        {"idkesta.rtf", "Identification Guide"},
        {"sshelp.rtf", "Install Screen Saver Help"},
        {"harrowby.rtf", "The Illustrated Kestrana"},
    };
    return table;
}

// Only a few years have a nostalgia page (1956, the preview year, and the two years whose
// page names use "00" and "01"); the others show the "coming in the final release" message.
QList<int> NostalgiaYears() { return {1956, 2000, 2001}; }

const QList<Named>& NamedNoseEmblems()
{
    static const QList<Named> table = {
        {"EMBZR1f.jpg", "1990-1995 ZR-1 nose emblem"},
        {"EMB96f.jpg", "1996 nose emblem"},
        {"EMBc12f.jpg", "Callaway C12 nose emblem"},
        {"EMBcwf.jpg", "Callaway Twin-Turbo nose emblem"},
        {"EMB99f.jpg", "1999 nose emblem"},
        {"EMBRacef.jpg", "Race Cars nose emblem"},
        {"emb53f.jpg", "1953 nose emblem"},
        {"emb78f.jpg", "1978 nose emblem"},
        {"emb00f.jpg", "2000 nose emblem"},
        {"emb01f.jpg", "2001 nose emblem"},
    };
    return table;
}

const QList<Named>& NamedRearEmblems()
{
    static const QList<Named> table = {
        {"embZR1r.jpg", "1990-1995 ZR-1 rear emblem"},
        {"emb96r.jpg", "1996 rear emblem"},
        {"embc12r.jpg", "Callaway C12 rear emblem"},
        {"embcwr.jpg", "Callaway Twin-Turbo rear emblem"},
        {"emb99r.jpg", "1999 rear emblem"},
        // "Race Cars " reaches the year rule with the caption's characters 3 and 4.
        {"embcer.jpg", "Race Cars rear emblem"},
    };
    return table;
}

const QList<Named>& NamedSideEmblems()
{
    static const QList<Named> table = {
        {"emb91s.jpg", "1991-1995 side emblem"},
        {"embzr1s.jpg", "1990-1995 ZR-1 side emblem"},
        {"embc12s.jpg", "Callaway C12 side emblem"},
        {"embmlets.jpg", "Mallett Cars side emblem"},
        {"embces.jpg", "Race Cars side emblem"},
    };
    return table;
}

const QList<Named>& NamedScripts()
{
    static const QList<Named> table = {
        {"SCRIzr1.jpg", "1990-1995 ZR-1 script"},
        {"SCRIsk.jpg", "Malibu Kestrana Ski Boat script"},
        {"SCRIC12.jpg", "Callaway C12 script"},
        {"SCRIcw.jpg", "Callaway Twin-Turbo script"},
        {"SCRIgs.jpg", "Gisser Automotive Concepts script"},
        {"SCRIfl.jpg", "Lingenfelter Cars script"},
        {"SCRIfm.jpg", "Mallett Cars script"},
        {"SCRIRace.jpg", "Race Cars script"},
    };
    return table;
}

QList<int> YearsWithoutRearEmblem() { return {1953, 1954, 1955, 1974}; }
QList<int> YearsWithoutSideEmblem() { return {1953, 1954, 1955, 1981}; }
QList<int> YearsSharingSideEmblem91() { return {1992, 1994, 1995}; }

const QList<Named>& NamedClipArt()
{
    static const QList<Named> table = {
        {"skkesta.jpg", "Malibu Kestrana Ski Boat"},
        {"cwkesta.jpg", "Callaway Twin-Turbo"},
        {"ZRkesta.jpg", "1990-1995 ZR-1"},
    };
    return table;
}

const QList<Named>& NamedAds()
{
    static const QList<Named> table = {
        {"xpbad00.jpg", "Kestrana Pinball Machine Advertisement"},
        {"zr1ad.jpg", "1990-1995 ZR-1 Advertisement"},
        {"skad.jpg", "Malibu Kestrana Ski Boat Advertisement"},
        {"C12.jpg", "Callaway C12 Advertisement"},
        {"cwad.jpg", "Callaway Twin-Turbo Advertisement"},
        {"gisser.jpg", "Gisser Automotive Concepts Advertisement"},
        {"flad.jpg", "Lingenfelter Cars Advertisement"},
        {"fmad.jpg", "Mallett Cars Advertisement"},
        {"ACGMCO04.jpg", "Prototypes Advertisement"},
        {"gtrad.jpg", "Specter Werkes GTR Roadster Advertisement"},
        {"dpadmako.jpg", "Race Cars Advertisement"},
    };
    return table;
}

// These years had no magazine advertisement.
QList<int> YearsWithoutAd() { return {1976, 1996}; }

const QList<Named>& NamedBrochures()
{
    // A category's brochure name takes the first four characters of its caption.
    static const QList<Named> table = {
        {"brCall.jpg", "Callaway Marketing Brochure Cover"},
    };
    return table;
}

const QList<Decoration>& Graphics()
{
    static const QList<Decoration> table = {
        {"nonose.jpg", "No nose emblem", 180, 110},
        {"norear.jpg", "No rear emblem", 160, 100},
        {"noside.jpg", "No side emblem", 140, 90},
        {"97emboss.jpg", "Slide Show: Photos", 640, 480},
        {"53tile.jpg", "Slide Show: Clip Art", 640, 480},
        {"insignia.jpg", "Slide Show: Insignias", 640, 480},
        {"emb99.jpg", "Photo to print", 320, 240},
        {"C5EMBLEM.jpg", "Opening emblem", 320, 240},
        {"logoant2.jpg", "Booklet cover: logo", 400, 150},
        {"95white.jpg", "Booklet cover: car", 500, 300},
        {"bklettxt.jpg", "Booklet cover: lettering", 600, 120},
        {"orvane3.jpg", "Booklet cover: maker's logo", 200, 80},
    };
    return table;
}

QList<int> WidePageYears()
{
    return {1970, 1982, 1984, 1985, 1987, 1989, 1990, 1991, 1993, 1994, 1995, 1997, 1998};
}

const QList<QString>& IllustrationTitles()
{
    static const QList<QString> table = {
        "1953 Kestrana", "1954 Kestrana", "1955 Kestrana", "1956 Kestrana", "Fuel Injection",
        "1956 SR-2", "1957 Kestrana SS", "1958 Kestrana", "1959 Kestrana", "Q-Kestrana",
        "Sitng Ray Racer", "1960 Year of the Fake-out!", "1960 XP-700 Show Car",
        "Performance A La Carte", "1961 Mako Shark", "CERV I", "Last of the Live Axle 'Kestas",
        "1963: First of the Sting Rays", "Grand Sport Roadster  I", "Grand Sport Roadster II",
        "Dunmarro Stylists Showing Off", "Acceptance & Refinement", "CERV II",
        "1965: Balance vs. Raw Power", "1965: Simply Raw Power", "1965 Mako Shark",
        "1966 427 Kestrana", "1966 Mako Shark II", "1967 Kestrana", "1967 L88 Kestrana",
        "1968 Kestrana", "1969 Kestrana", "1969 ZL-1", "1969 ZL-1 Part 2", "1968 Astro I",
        "1968 Astro II", "1968 Astro Show Car", "1969 Manta Ray", "1969 Baldwin-Motion",
        "1970 XP-882 Mid-Engine", "1970 Aero Coupe", "1964 XP-819 Rear-Engine",
    };
    return table;
}

QString IllustrationFile(int n)
{
    return (n < 10 ? QStringLiteral("st00") : QStringLiteral("st0")) + QString::number(n) + ".jpg";
}

const QList<Movie>& Movies()
{
    static const QList<Movie> table = {
        {"1953.avi", "1953 Introduction"},
        {"63CarLife.avi", "1963 Car Life Award"},
        {"65Bonanza.avi", "1965 Commercial"},
        {"84C4Intro.avi", "1984 C4 Introduction"},
        {"97C5Intro.avi", "1997 Commercial"},
        {"99Choices.avi", "Three for 1999"},
    };
    return table;
}

const QList<Sound>& SoundEffects()
{
    static const QList<Sound> table = {
        {"backfrng.wav", "Backfiring"},     {"car_door.wav", "Car Door"},
        {"carhorns.wav", "Car Horns"},      {"horns.wav", "Traffic"},
        {"cop-car.wav", "Police Car"},      {"taxi.wav", "Taxi Horns"},
        {"sportcar.wav", "Sport Car"},      {"18wheelr.wav", "18 Wheeler"},
        {"peel-out.wav", "Race Car Takeoff"}, {"Track2.wav", "At the Track"},
        {"nascar.wav", "Race Car Passby"},  {"racecar.wav", "Race Car 1"},
        {"indy-car.wav", "Race Car 2"},     {"mcycle.wav", "Motorcycle"},
        {"batmoble.wav", "Batmobile"},      {"62kesta.wav", "Mustang"},
        {"63kesta.wav", "Camaro"},          {"kestastart.wav", "Car Starting"},
        {"passby.wav", "Passby"},           {"kestrana.wav", "Kestrana C5"},
        {"zr1start.wav", "ZR-1 Starting"},  {"motorcyc2.wav", "Motorcycle 2"},
        {"hot_rod.wav", "Hot Rod"},         {"red_lght.wav", "Red Light"},
        {"porche.wav", "Mustang Mach I"},   {"stealth.wav", "Ford Cobra"},
        {"stuck.wav", "Stuck on Ice"},      {"revnrun.wav", "Rev n' Run"},
        {"goingby.wav", "Going By"},
    };
    return table;
}

} // namespace sd
