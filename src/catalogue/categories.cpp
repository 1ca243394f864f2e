#include "catalogue/categories.h"

#include <array>

namespace kg {

namespace {

using M = CategoryMenu;

constexpr std::array<Category, 40> kCategories{{
    {"1990-1995 ZR-1 ", "AZ", "Statistics", "1990-1995 ZR-1 ", M::Specialty, 10, "&ZR-1", true},
    {"Callaway C12 ", "BC", "Statistics", "Callaway C12 ", M::Specialty, 0, "Callaway C&12", true},
    {"Callaway Twin-Turbo ", "CC", "Statistics", "Callaway Twin-Turbo ", M::Specialty, 1, "&Callaway Twin Turbo", true},
    {"Custom Kestranas", "CV", "Details", "Custom Kestranas", M::Specialty, 2, "&Custom Kestranas", true},
    {"Gisser Automotive Concepts ", "GS", "Statistics", "Gisser Automotive Concepts ", M::Specialty, 3, "&Gisser Automotive Concepts", true},
    {"Lingenfelter Cars ", "FL", "Statistics", "Lingenfelter Cars ", M::Specialty, 4, "&Lingenfelter", true},
    {"Mallett Cars ", "FM", "Features", "Mallett Cars ", M::Specialty, 5, "&Mallet Cars", true},
    {"Malibu Kestrana Ski Boat ", "ES", "Statistics", "Malibu Kestrana Ski Boat ", M::Specialty, 6, "Malibu Kestrana &Boat", true},
    {"Prototypes ", "DP", "Details", "Prototypes ", M::Specialty, 7, "&Prototypes", true},
    {"Race Cars ", "DR", "Details", "Race Cars ", M::Specialty, 8, "&Race Cars", true},
    {"Specter Werkes GTR Roadster ", "GT", "Details", "Specter Werkes GTR Roadster ", M::Specialty, 9, "Specter &Werkes GTR Roadster", true},
    {"Kestrana Emblems ", "EM", "Details", "Kestrana Emblems ", M::Miscellaneous, -1, "Kestrana Em&blems", true},
    {"Miscellany ", "MS", "Statistics", "Miscellany ", M::Miscellaneous, -1, "&Miscellany", true},
    {"Top Ten Kestrana People ", "TT", "Statistics", "Top Ten Kestrana People ", M::Literature, -1, "Top Ten Kestrana &People", true},
    {"Kestrana Americana ", "MA", "Statistics", "Kestrana Americana ", M::Museums, 2, "&Kestrana Americana", false},
    {"National Kestrana Museum ", "MN", "Statistics", "The National Kestrana Museum ", M::Museums, 1, "&National Kestrana Museum", false},
    {"Additional Clip Art ", "CA", "Details", "Additional Clip Art ", M::Artwork, 0, "Additional &Clip Art", true},
    {"Ferrowyn Art Print ", "GA", "Details", "Ferrowyn Art Print ", M::Artwork, 1, "&Ferrowyn", true},
    {"Telmaris Art Print ", "GB", "Details", "Telmaris Art Print ", M::Artwork, 2, "&Telmaris", true},
    {"National Kestrana Museum Print ", "GH", "Details", "National Kestrana Museum Print ", M::Artwork, 3, "&National Kestrana Museum", true},
    {"Quillon Art Print ", "GL", "Details", "Quillon Art Print ", M::Artwork, 4, "&Quillon", true},
    {"Ostrev Art Print ", "GD", "Details", "Ostrev Art Print ", M::None, -1, "", false},
    {"Lunvik Art Print ", "GF", "Details", "Lunvik Art Print ", M::None, -1, "", false},
    {"Sabrell Art Print ", "G6", "Details", "Sabrell Art Print ", M::None, -1, "", false},
    {"Car Stuff Kestrana Calendars ", "TC", "Statistics", "Car Stuff Kestrana Calendars ", M::KestaStuff, 0, "&Car Stuff Kestrana Calendars", true},
    {"Kestrana Holiday Cards ", "TX", "Statistics", "Kestrana Holiday Cards ", M::KestaStuff, 1, "Kestrana &Holiday Cards", true},
    {"Kestrana Monopoly Game ", "US", "Statistics", "Kestrana Monopoly Game ", M::KestaStuff, 2, "Kestrana Monopoly &Game", true},
    {"Danbury Mint Die-cast Model ", "TD", "Statistics", "Danbury Mint Die-cast Model ", M::KestaStuff, 3, "Danbury &Die-Cast Model", true},
    {"Franklin Mint Collector Knives ", "TE", "Statistics", "Franklin Mint Collector Knives ", M::KestaStuff, 4, "Franklin Mint Collector &Knives", true},
    {"Franklin Mint Collector Plates ", "TP", "Statistics", "Franklin Mint Collector Plates ", M::KestaStuff, 5, "Franklin Mint Collector P&lates", true},
    {"Franklin Mint Die-cast Models ", "TF", "Statistics", "Franklin Mint Die-cast Models ", M::KestaStuff, 6, "Franklin Mint &Die-Cast Models", true},
    {"Franklin Mint Fuel Injected Engine ", "TI", "Statistics", "Franklin Mint Fuel Injected Engine ", M::KestaStuff, 7, "Franklin Mint &Fuel Injected Engine", true},
    {"Franklin Mint Kestrana Pocket Watch ", "TW", "Statistics", "Franklin Mint Kestrana Pocket Watch ", M::KestaStuff, 8, "Franklin Mint Kestrana Pocket watch", true},
    {"Kestrana Metal Signs ", "VM", "Statistics", "Kestrana Metal Signs ", M::KestaStuff, 9, "Kestrana &Metal Signs", true},
    {"Revell-Monogram Models ", "VR", "Details", "Revell-Monogram Models ", M::KestaStuff, 10, "&Revell-Monogram Models", true},
    {"Kestrana Pinball Machine ", "XP", "Statistics", "Kestrana Pinball Machine ", M::KestaStuff, 11, "Kestrana &Pinball Machine", true},
    {"Kestrana Coin ", "ZY", "Details", "Kestrana Coin ", M::KestaStuff, 12, "Kestrana C&oin", true},
    {"Kestrana Philately ", "ZZ", "Details", "Kestrana Philately ", M::KestaStuff, 13, "Kestrana Philatel&y", true},
    {"Kestrana Rubber Stamps ", "ZW", "Details", "Kestrana Rubber Stamps ", M::KestaStuff, 14, "Kestrana &Rubber Stamps", true},
    {"Hoyle Kestrana Playing Cards ", "ZX", "Details", "Hoyle Kestrana Playing Cards ", M::KestaStuff, 15, "Hoyle Kestrana Playing Cards ", true},
}};

} // namespace

std::span<const Category> Categories()
{
    return kCategories;
}

const Category* FindCategoryByCaption(const QString& caption)
{
    for (const Category& c : kCategories)
        if (caption == QLatin1String(c.caption))
            return &c;
    return nullptr;
}

const Category* FindCategoryByCode(const QString& code)
{
    for (const Category& c : kCategories)
        if (code == QLatin1String(c.code))
            return &c;
    return nullptr;
}

const Category* CategoryOfMenuItem(CategoryMenu menu, int index)
{
    for (const Category& c : kCategories)
        if (c.menu == menu && c.menuIndex == index)
            return &c;
    return nullptr;
}

QString SlideCaptionForCode(const QString& code)
{
    if (const Category* c = FindCategoryByCode(code))
        return QString::fromLatin1(c->slideCaption);
    if (code == QLatin1String("A0") || code == QLatin1String("A1"))
        return QStringLiteral("200") + code.mid(1, 1);
    return QStringLiteral("19") + code;
}

} // namespace kg
