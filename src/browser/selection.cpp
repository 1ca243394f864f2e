#include "browser/selection.h"

#include "browser/hooks.h"
#include "browser/photodisplay.h"
#include "browser/stepping.h"
#include "catalogue/categories.h"
#include "catalogue/layout.h"
#include "controls/panel3d.h"
#include "controls/spinbutton.h"
#include "controls/stretchimage.h"
#include "core/appstate.h"
#include "core/errorreport.h"
#include "core/form1.h"
#include "system/runtime.h"
#include "system/screen.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include <array>
#include <initializer_list>

namespace kg {

namespace {

// The twelve top-row buttons, as bits.
enum Btn : unsigned {
    Desc = 1u << 0, Options = 1u << 1, Stats = 1u << 2, Colors = 1u << 3, Script = 1u << 4,
    EmbRear = 1u << 5, EmbSide = 1u << 6, Emblem = 1u << 7, ClipArt = 1u << 8, Ad = 1u << 9,
    Nostalgia = 1u << 10, Brochure = 1u << 11,
};
constexpr unsigned kAllButDesc = 0xFFEu;
constexpr unsigned kAll = 0xFFFu;
constexpr std::array<const char*, 12> kButtonNames{
    "cmdDesc", "cmdOptions", "cmdStats", "cmdColors", "cmdScript", "cmdEmbRear",
    "cmdEmbSide", "cmdEmblem", "cmdClipArt", "cmdAd", "cmdNostalgia", "cmdBrochure",
};

enum Pic : unsigned { PicClipArt = 1, PicEmblem = 2, PicEmbRear = 4, PicEmbSide = 8 };

// What a selection disables; the first row naming the caption wins.
struct PanelRow {
    std::initializer_list<const char*> captions;
    unsigned disabled;
    unsigned hiddenPictures;
    bool statsDetails;
};
const PanelRow kPanelRows[] = {
    {{"Mallett Cars "}, Options | Colors | ClipArt | Nostalgia | Brochure, 0, false},
    {{"Lingenfelter Cars "}, Stats | Options | Colors | ClipArt | Nostalgia | Brochure,
     PicClipArt | PicEmblem | PicEmbRear | PicEmbSide, false},
    {{"Gisser Automotive Concepts "}, ClipArt | Emblem | EmbRear | EmbSide | Nostalgia | Brochure,
     PicClipArt | PicEmblem | PicEmbRear | PicEmbSide, false},
    {{"Callaway C12 "}, Options | Colors | ClipArt | Nostalgia | Brochure, PicClipArt, false},
    {{"Callaway Twin-Turbo "}, Ad | Nostalgia | Brochure, 0, false},
    {{"Malibu Kestrana Ski Boat "}, Nostalgia | Brochure, 0, false},
    {{"Car Stuff Kestrana Calendars ", "Kestrana Monopoly Game ", "Franklin Mint Collector Knives ",
      "Franklin Mint Collector Plates ", "Kestrana Coin ", "Kestrana Rubber Stamps ", "Top Ten Kestrana People "},
     kAllButDesc, 0, false},
    {{"Kestrana Holiday Cards ", "Danbury Mint Die-cast Model ", "Franklin Mint Die-cast Models ",
      "Franklin Mint Fuel Injected Engine ", "Franklin Mint Kestrana Pocket Watch ", "Kestrana Metal Signs ",
      "Revell-Monogram Models ", "Kestrana Philately ", "National Kestrana Museum ",
      "National Kestrana Museum Print ", "Ferrowyn Art Print ", "Telmaris Art Print ", "Quillon Art Print "},
     kAllButDesc & ~Stats, 0, true},
    {{"Kestrana Pinball Machine ", "Specter Werkes GTR Roadster "}, kAllButDesc & ~Ad, 0, false},
    {{"Prototypes "}, kAll & ~(Stats | Ad), 0, false},
    {{"Kestrana Emblems ", "Custom Kestranas"}, kAll & ~Stats, 0, false},
    {{"Race Cars "}, kAll & ~(Script | Emblem), 0, false},
    {{"Additional Clip Art ", "Hoyle Kestrana Playing Cards ", "Miscellany "}, kAll, 0, false},
};

// Menu items whose handler leaves a fixed set of buttons enabled.
struct FixedMenu {
    const char* item;
    const char* caption;
    unsigned enabled;
    bool statsDetails;
    const char* code;
};
constexpr std::array<FixedMenu, 5> kFixedMenus{{
    {"mnuMus(1)", "National Kestrana Museum ", Desc | Stats, true, "ER009"},
    {"mnuMus(2)", "Kestrana Americana ", Desc | Stats, true, "ER009"},
    {"mnuTopTen", "Top Ten Kestrana People ", Desc, false, "ER054"},
    {"mnuEmblems", "Kestrana Emblems ", Stats, false, "ER058"},
    {"mnuMiscellany", "Miscellany ", 0, false, "ER058"},
}};

// The collectibles whose statistics button stays disabled.
const char* const kNoStatsSpecials[] = {
    "Franklin Mint Collector Knives ", "Kestrana Coin ", "Franklin Mint Collector Plates ",
    "Franklin Mint Kestrana Pocket Watch ", "Hoyle Kestrana Playing Cards ", "Car Stuff Kestrana Calendars ",
};

Form1& F()
{
    return *MainWindow();
}

QPushButton* Button(const char* name)
{
    return F().button(QLatin1String(name));
}

void SetButtons(unsigned enabledMask, unsigned touched)
{
    for (size_t i = 0; i < kButtonNames.size(); ++i)
        if (touched & (1u << i))
            Button(kButtonNames[i])->setEnabled(enabledMask & (1u << i));
}

void SetCaption(QPushButton* b, const QString& caption)
{
    b->setText(caption);
    b->setAccessibleName(caption);
}

void SetSelection(const QString& caption)
{
    F().panYear()->setCaption(caption);
}

void EnableAndFocusYear(int k)
{
    QPushButton* b = F().yearButton(k);
    b->setEnabled(true);
    b->setFocus();
}

// The steps that end every selection path.
void Tail()
{
    g.giPhoto = 0;
    F().panPhoto()->setCaption(QStringLiteral("1"));
    g.gbStepFwd = false;
    g.gbStepBack = false;
    SetMousePointer(Pointer::Default);
}

QString PhotoCodeAt(int index)
{
    return g.gsPhotos(index).mid(g.giNamePos + 10, 2);
}

} // namespace

QString SelectionCaption()
{
    return F().panYear()->caption();
}

QString YearButtonCaption(int k)
{
    if (k <= 46)
        return QStringLiteral("19") + QString::number(k + 52 < 83 ? k + 52 : k + 53);
    return QStringLiteral("200") + QString::number(k - 47);
}

void ShowCategory()
{
    Form1& f = F();
    SetCaption(Button("cmdDesc"), QStringLiteral("Description"));
    f.menuItem(QStringLiteral("mnuNames"))->setEnabled(true);
    f.rtbDetails()->setVisible(false);
    g.gbNewYear = true;
    const QString caption = SelectionCaption();
    g.gsCatCode = caption.mid(2, 2);
    RestoreMainWindow();
    QPushButton* stats = Button("cmdStats");
    SetCaption(stats, QStringLiteral("Statistics"));
    QString code;
    if (const Category* c = FindCategoryByCaption(caption)) {
        const QString statsCaption = QString::fromLatin1(c->statsCaption);
        if (statsCaption == QLatin1String("Details") || statsCaption == QLatin1String("Features"))
            SetCaption(stats, statsCaption);
        code = QString::fromLatin1(c->code);
    } else {
        code = caption.mid(2, 2);
    }
    if (code == QLatin1String("00"))
        code = QStringLiteral("A0");
    else if (code == QLatin1String("01"))
        code = QStringLiteral("A1");
    g.gsCatCode = code;
    g.giNamePos = int(g.gsPhotos.ubound() >= 1 ? g.gsPhotos(1).indexOf(QLatin1String("\\kestranas\\")) + 1 : 0);

    bool found = false;
    for (g.giPhoto = 1; g.giPhoto <= g.giPhotoCount; ++g.giPhoto) {
        if (PhotoCodeAt(g.giPhoto) == g.gsCatCode) {
            g.gsPhotoFile = g.gsPhotos(g.giPhoto);
            if (g.gbShowNames)
                f.txtFile()->setText(g.gsPhotoFile.mid(g.giNamePos + 10, 12));
            found = true;
            break;
        }
    }
    if (!found) {
        g.gsErrCode = QStringLiteral("ER023");
        ReportError();
        f.image4()->setVisible(false);
    } else {
        Trap([&] {
                 ShowPhotoInImage4(g.giPhoto);
                 f.image4()->setVisible(true);
             },
             [&] {
                 g.gsErrCode = QStringLiteral("ER023");
                 ReportError();
                 f.image4()->setVisible(false);
             });
    }
    g.giPhotoShown = g.giPhoto;
    UpdateScreenSaverButtons();
}

void RestoreMainWindow()
{
    Form1& f = F();
    g.gbSlideShow = false;
    f.setEnabled(true);
    Button("cmdDesc")->setEnabled(true);
    const QString caption = SelectionCaption();
    if (caption != QLatin1String("panYear")) {
        SetPanelButtons();
        if (caption == QLatin1String("1990-1995 ZR-1 ")) {
            SetButtons(0, Nostalgia | Brochure);
            g.gsCatCode = QStringLiteral("AZ");
        } else {
            g.gsCatCode = caption.mid(2, 2);
        }
        RefreshInsigniaBoxes();
        for (g.giLoop = 1; g.giLoop <= 48; ++g.giLoop)
            f.yearButton(g.giLoop)->setEnabled(true);
    }
    CloseSlideShowWindow();
    CloseDocumentViewer();
}

void SetPanelButtons()
{
    Form1& f = F();
    f.spinButton1()->setVisible(true);
    f.panPhoto()->setVisible(true);
    f.panYear()->setVisible(true);
    SetButtons(kAllButDesc, kAllButDesc);
    const QString caption = SelectionCaption();
    for (const PanelRow& row : kPanelRows) {
        bool match = false;
        for (const char* c : row.captions)
            match = match || caption == QLatin1String(c);
        if (!match)
            continue;
        SetButtons(0, row.disabled);
        const std::pair<unsigned, const char*> pictures[] = {
            {PicClipArt, "picClipArt"}, {PicEmblem, "picEmblem"}, {PicEmbRear, "picEmbRear"}, {PicEmbSide, "picEmbSide"}};
        for (const auto& [bit, name] : pictures)
            if (row.hiddenPictures & bit)
                f.control(QLatin1String(name))->setVisible(false);
        if (row.statsDetails)
            SetCaption(Button("cmdStats"), QStringLiteral("Details"));
        break;
    }
}

void ShowSpecialCategory()
{
    SetMousePointer(Pointer::Hourglass);
    ShowCategory();
    Tail();
    const QString caption = SelectionCaption();
    for (const char* c : kNoStatsSpecials)
        if (caption == QLatin1String(c))
            Button("cmdStats")->setEnabled(false);
    SetCaption(Button("cmdStats"), QStringLiteral("Details"));
    SetButtons(0, Nostalgia | Brochure | Options | Colors | ClipArt | Script | Emblem | EmbRear | EmbSide);
    if (caption == QLatin1String("Kestrana Pinball Machine ")) {
        SetButtons(0, Stats);
        SetButtons(Ad, Ad);
    } else {
        SetButtons(0, Ad);
    }
    F().rtbDetails()->setVisible(false);
    g.giYear = 0;
    EnableAndFocusYear(1);
}

void FocusNextYear()
{
    FocusYearButtonAfter(g.giYear);
}

void FocusYearButtonAfter(int k)
{
    F().yearButton(k == 48 ? 1 : k + 1)->setFocus();
}

void YearButtonClick(int k)
{
    if (k < 1 || k > 48 || !MainWindow())
        return;
    g.gbYearClicked = true;
    SetMousePointer(Pointer::Hourglass);
    F().rtbDetails()->setVisible(false);
    SetSelection(YearButtonCaption(k));
    ShowCategory();
    FocusYearButtonAfter(k);
    Tail();
    g.giYear = k;
}

void YearButtonKey(int k, int keyCode)
{
    switch (keyCode) {
    case 32:
        if (g.gbYearClicked)
            return;
        YearButtonClick(k); // sets gbYearClicked
        return;
    case 188: PrevPhoto(); return;
    case 190: NextPhoto(); return;
    default: return;
    }
}

void FirstClick()
{
    if (!g.gbFirstClick || !MainWindow())
        return;
    g.gbFirstClick = false;
    SetMousePointer(Pointer::Hourglass);
    g.giNextYear = 1;
    EnableAndFocusYear(2);
    SetSelection(QStringLiteral("1953"));
    ShowCategory();
    F().yearButton(1)->setEnabled(false);
    F().yearButton(2)->setFocus();
    Tail();
    g.giYear = g.giNextYear;
}

void SpecialtyClick(int i)
{
    const Category* c = CategoryOfMenuItem(CategoryMenu::Specialty, i);
    if (!c || !MainWindow())
        return;
    SetMousePointer(Pointer::Hourglass);
    SetSelection(QString::fromLatin1(c->caption));
    ShowCategory();
    Tail();
    g.giYear = 0;
    EnableAndFocusYear(1);
}

void KestaStuffClick(int i)
{
    const Category* c = CategoryOfMenuItem(CategoryMenu::KestaStuff, i);
    if (!c || !MainWindow())
        return;
    SetSelection(QString::fromLatin1(c->caption));
    ShowSpecialCategory();
}

void ArtClick(int i)
{
    const Category* c = CategoryOfMenuItem(CategoryMenu::Artwork, i);
    if (!c || !MainWindow())
        return;
    SetSelection(QString::fromLatin1(c->caption));
    ShowSpecialCategory();
}

void FixedMenuClick(const QString& item)
{
    const FixedMenu* menu = nullptr;
    for (const FixedMenu& m : kFixedMenus)
        if (item == QLatin1String(m.item))
            menu = &m;
    if (!menu || !MainWindow())
        return;
    g.gsErrCode = QString::fromLatin1(menu->code);
    Trap([&] {
             FocusNextYear();
             F().rtbDetails()->setVisible(false);
             SetSelection(QString::fromLatin1(menu->caption));
             SetMousePointer(Pointer::Hourglass);
             ShowCategory();
             Tail();
             g.giYear = 0;
             SetButtons(menu->enabled, kAll);
             if (menu->statsDetails)
                 SetCaption(Button("cmdStats"), QStringLiteral("Details"));
         },
         [&] {
             g.gsErrCode = QString::fromLatin1(menu->code);
             ReportError();
         });
}

} // namespace kg
