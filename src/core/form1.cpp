#include "core/form1.h"

#include "browser/hooks.h"
#include "browser/selection.h"
#include "browser/stepping.h"
#include "catalogue/catalogue.h"
#include "catalogue/categories.h"
#include "catalogue/layout.h"
#include "controls/mediacontrol.h"
#include "controls/panel3d.h"
#include "controls/picturebox.h"
#include "controls/spinbutton.h"
#include "controls/stretchimage.h"
#include "core/appstate.h"
#include "core/form2.h"
#include "core/mainwindowlink.h"
#include "system/msgbox.h"
#include "system/paths.h"
#include "system/process.h"
#include "system/runtime.h"
#include "system/screen.h"
#include "system/settings.h"
#include "system/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include <array>

namespace kg {

namespace {

QPointer<Form1> g_main;

const QString kSettingsSection = QStringLiteral("Settings");
const QColor kMaroon(128, 0, 0);

QString AppName() { return QString::fromLatin1(kAppTitle); }

// The twelve top-row buttons: name, caption, design left and width (twips).
struct TopButton {
    const char* name;
    const char* caption;
    int left, width;
    int narrowBy, moveBy; // the compact layout, in pixels
};
constexpr std::array<TopButton, 12> kTopRow{{
    {"cmdDesc", "Description", 120, 1095, 7, 4},
    {"cmdOptions", "Options", 1200, 855, 12, 15},
    {"cmdStats", "Statistics", 2160, 975, 12, 29},
    {"cmdColors", "Colors", 3000, 735, 14, 43},
    {"cmdScript", "Script", 3720, 735, 14, 57},
    {"cmdEmbRear", "Rear Emblem", 4440, 1335, 12, 71},
    {"cmdEmbSide", "Side Emblem", 5760, 1335, 12, 85},
    {"cmdEmblem", "Nose Emblem", 7080, 1335, 12, 99},
    {"cmdClipArt", "ClipArt ", 8400, 855, 12, 113},
    {"cmdAd", "Ad", 9240, 495, 12, 127},
    {"cmdBrochure", "Brochure", 9720, 1095, 12, 141},
    {"cmdNostalgia", "Nostalgia", 10800, 1095, 12, 155},
}};

// The insignia and clip-art boxes and their design places (twips).
struct PictureSlot {
    const char* name;
    int left, top;
};
constexpr std::array<PictureSlot, 5> kPictureBoxes{{
    {"picEmblem", 8880, 1440}, {"picEmbRear", 8640, 3720}, {"picEmbSide", 8880, 2160},
    {"picScript", 8520, 2880}, {"picClipArt", 2280, 720},
}};

// The hidden panels other windows' handlers fill and show.
struct PanelSlot {
    const char* name;
    int left, top, width, height;
};
constexpr std::array<PanelSlot, 5> kPanels{{
    {"pnlSound", 1560, 480, 8295, 6015},
    {"pnlProgress", 1320, 1200, 7215, 5175},
    {"SSpnlHarrowby", 4680, 0, 4095, 4935},
    {"pnlPrint", 4080, 360, 6255, 5775},
    {"pnlSSaver", 5400, 840, 6255, 5655},
}};

// The menu tree in order.  Level 0 is a menu of the bar (an action of the bar when it has
// no items), 1 an item of it, 2 an item of the submenu above.  A row without a name is a
// separator.
struct MenuRow {
    int level;
    const char* name;
    const char* caption;
    bool disabled = false;
};

QList<MenuRow> MenuTree()
{
    QList<MenuRow> rows{
        {0, "mnuFile", "&File"},
        {1, "mnuCopy", "&Copy CD-ROM photos to hard drive"},
        {1, "mnuRemove", "&Remove photos from hard drive"},
        {1, nullptr, nullptr},
        {1, "mnuCopyMovies", "&Copy CD-ROM movies to hard drive"},
        {1, "mnuRemoveMovies", "&Remove movies from hard drive"},
        {1, nullptr, nullptr},
        {1, "mnuSaver", "&Install Screen saver"},
        {1, "mnuVideo", "Install Intel &Video Software"},
        {1, nullptr, nullptr},
        {1, "mnuPrintPhoto", "Print &Photo"},
        {1, "mnuPrnt", "Print &Booklet"},
        {1, "mnuPrint", "Print &Setup"},
        {1, nullptr, nullptr},
        {1, "mnuCheckScreen", "Check Screen Resolution Setting"},
        {1, nullptr, nullptr},
        {1, "mnuNames", "Show File &Names", true},
        {1, nullptr, nullptr},
        {1, "mnuExit", "E&xit"},
        {0, "mnuSound", "Sound &Effects"},
        {0, "mnuMovies", "&Movies"},
        {0, "mnuLiterature", "&Literature"},
        {1, "mnuTopTen", "Top Ten Kestrana &People"},
        {1, "mnuDalworth1(0)", "&Shark Quarterly Interview with Dalworth"},
        {1, "mnuPellison", "&Pellison Interview with Dalworth"},
        {1, "mnuLitArticles", "Kestrana &Articles"},
        {2, "mnuArticles(1)", "&Hand Signals and Other Greetings"},
        {2, "mnuArticles(2)", "&Commemorating the C4"},
        {2, "mnuArticles(3)", "&Long Live the King!"},
        {2, "mnuArticles(4)", "&Save the Wave"},
        {2, "mnuArticles(5)", "&The Ten second Trip"},
        {2, "mnuArticles(6)", "The &Moment"},
        {1, "mnuBooks", "Kestrana &Books"},
        {1, "mnuCatalogs", "Kestrana &Catalogs"},
        {1, "mnuMagazines", "Kestrana &Magazines"},
        {2, "mnuMag(1)", "Kestrana &Capers"},
        {2, "mnuMag(2)", "Kestrana &Fever"},
        {2, "mnuMag(3)", "Kestrana &Journal"},
        {2, "mnuMag(4)", "Kestrana &Magasinet"},
        {2, "mnuMag(5)", "Kestrana &Quarterly"},
        {2, "mnuMag(6)", "Kestrana &Restorer"},
        {2, "mnuMag(7)", "Kestrana &Trader"},
        {2, "mnuMag(8)", "For &Kestas Only"},
        {2, "mnuMag(9)", "&Shark Quarterly"},
        {2, "mnuMag(10)", "The Yankee &Lady Gazette"},
        {2, "mnuMag(11)", "K&esta Magazine"},
        {2, "mnuMag(12)", "Kesta V&ues"},
        {2, "mnuMag(13)", "&Y-Car On-Line"},
        {0, "mnuMisc", "Mis&cellaneous"},
        {1, "mnuADs", "Kestrana &Advertising Checklist"},
        {1, "mnuEngines", "Kestrana &Engines"},
        {1, "mnuEmblems", "Kestrana Em&blems"},
        {1, "mnuGlossary", "Kestrana &Glossary"},
        {1, "mnuMiscellany", "&Miscellany"},
        {1, "mnuMuseums", "&Kestrana Museums"},
        {2, "mnuMus(1)", "&National Kestrana Museum"},
        {2, "mnuMus(2)", "&Kestrana Americana"},
        {1, "mnuTimeLine", "Kestrana &Timeline"},
        {1, "MnuIDKesta", "Kestrana &Identification Guide"},
        {1, "mnuHarrowby", "&The Illustrated Kestrana"},
    };
    // The three category menus list their categories by menu index.
    struct CategoryMenuRow { const char* name; const char* caption; const char* item; CategoryMenu menu; int count; };
    const CategoryMenuRow categoryMenus[] = {
        {"mnuArtWork", "&Artwork", "mnuArt(%1)", CategoryMenu::Artwork, 5},
        {"mnustuff(6)", "&Kesta Stuff", "mnukestastuff(%1)", CategoryMenu::KestaStuff, 16},
        {"mnuSpecial(5)", "S&pecialty", "mnuSpecialty(%1)", CategoryMenu::Specialty, 11},
    };
    static QList<QByteArray> names; // keeps the generated item names alive
    for (const CategoryMenuRow& m : categoryMenus) {
        rows.append({0, m.name, m.caption});
        for (int i = 0; i < m.count; ++i) {
            names.append(QString::fromLatin1(m.item).arg(i).toLatin1());
            rows.append({1, names.last().constData(), CategoryOfMenuItem(m.menu, i)->menuCaption});
        }
    }
    rows.append({
        {0, "mnuSlideShow", "&SlideShow"},
        {0, "mnuHideStatus", "HideStatusBar"},
        {0, "mnuHelp", "&Help"},
        {1, "mnuContents", "&Contents"},
        {1, nullptr, nullptr},
        {1, "mnuIntro", "&Introduction"},
        {1, "mnuNotice", "&Notice"},
        {1, "mnuCredits", "C&redits"},
        {1, "mnuContrib", "Contri&butions"},
        {1, nullptr, nullptr},
        {1, "mnuAbout", "&About"},
        {0, "mnuExit2", "Exit"},
    });
    return rows;
}

// Index in parentheses of a control-array name ("mnuArt(3)" -> 3), -1 without one.
int IndexOf(const QString& name, const QString& array)
{
    if (!name.startsWith(array + u'(') || !name.endsWith(u')'))
        return -1;
    bool ok = false;
    const int i = name.mid(array.size() + 1, name.size() - array.size() - 2).toInt(&ok);
    return ok ? i : -1;
}

void SetCaptionColor(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::ButtonText, c);
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

QColor YearColor(int k)
{
    if (k <= 10)
        return QColor(0, 0, 128);
    if (k <= 15)
        return QColor(255, 0, 0);
    if (k <= 30)
        return QColor(0, 128, 0);
    if (k <= 43)
        return QColor(128, 0, 128);
    return Qt::black;
}

// Year-bar controls keep their geometry in twips; these read and write it.
QRect TwipsGeometry(const QWidget* w)
{
    return QRect(PxToTwips(w->x()), PxToTwips(w->y()), PxToTwips(w->width()), PxToTwips(w->height()));
}

} // namespace

QImage StartPicture(QSize size)
{
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient grad(0, 0, size.width(), size.height());
    grad.setColorAt(0, QColor(10, 10, 40));
    grad.setColorAt(1, QColor(110, 0, 0));
    p.fillRect(img.rect(), grad);
    p.setPen(QColor(240, 220, 160));
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(std::max(8, size.height() / 10));
    f.setBold(true);
    p.setFont(f);
    p.drawText(img.rect().adjusted(0, 0, 0, -size.height() / 5), Qt::AlignCenter, QStringLiteral("The Kestrana Gallerion 2001"));
    f.setPixelSize(std::max(6, size.height() / 24));
    f.setBold(false);
    p.setFont(f);
    p.drawText(img.rect().adjusted(0, size.height() / 4, 0, 0), Qt::AlignCenter,
               QStringLiteral("Choose a model year below, or a category from the menus"));
    return img;
}

QString Form1::HelpFile()
{
    return ProgramFolder() + QStringLiteral("/Kestrana2001.html");
}

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Kestrana Gallerion  2001"));
    setAccessibleName(windowTitle());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, palette().color(QPalette::Button)); // the system's menu colour
    setPalette(pal);
    setGeometry(TwipsRect(30, 435, 12060, 8445));
    // The layout is made for a small 8-point face: captions and the menu bar fit in it.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    menuBar()->setFont(small);
    buildMenus();
    buildControls();
}

Form1::~Form1() = default;

void Form1::buildMenus()
{
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    const QList<MenuRow> rows = MenuTree();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const MenuRow& r = rows.at(i);
        const bool hasChildren = i + 1 < rows.size() && rows.at(i + 1).level > r.level;
        QMenu* parent = r.level == 1 ? menu : submenu;
        if (!r.name) {
            parent->addSeparator();
            continue;
        }
        QAction* action;
        const QString name = QString::fromLatin1(r.name);
        const QString caption = QString::fromLatin1(r.caption);
        if (r.level == 0 && hasChildren) {
            menu = menuBar()->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
        } else if (r.level == 0) {
            action = menuBar()->addAction(caption);
        } else if (hasChildren) {
            submenu = parent->addMenu(caption);
            submenu->setObjectName(name);
            action = submenu->menuAction();
        } else {
            action = parent->addAction(caption);
        }
        action->setObjectName(name);
        action->setEnabled(!r.disabled);
        m_items.insert(name, action);
    }

    auto on = [this](const char* name, auto handler) {
        connect(m_items.value(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    on("mnuExit", [this] { close(); });
    on("mnuExit2", [this] { close(); });
    on("mnuHideStatus", [this] { HideStatusClick(); });
    on("mnuContents", [this] { ContentsClick(); });
    on("mnuNames", [] { NamesClick(); });
    on("mnuTopTen", [] { FixedMenuClick(QStringLiteral("mnuTopTen")); });
    on("mnuEmblems", [] { FixedMenuClick(QStringLiteral("mnuEmblems")); });
    on("mnuMiscellany", [] { FixedMenuClick(QStringLiteral("mnuMiscellany")); });
    on("mnuMus(1)", [] { FixedMenuClick(QStringLiteral("mnuMus(1)")); });
    on("mnuMus(2)", [] { FixedMenuClick(QStringLiteral("mnuMus(2)")); });
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
        const QString& name = it.key();
        if (int i = IndexOf(name, QStringLiteral("mnuSpecialty")); i >= 0)
            connect(it.value(), &QAction::triggered, this, [i] { SpecialtyClick(i); });
        else if (int j = IndexOf(name, QStringLiteral("mnukestastuff")); j >= 0)
            connect(it.value(), &QAction::triggered, this, [j] { KestaStuffClick(j); });
        else if (int k = IndexOf(name, QStringLiteral("mnuArt")); k >= 0)
            connect(it.value(), &QAction::triggered, this, [k] { ArtClick(k); });
    }
}

void Form1::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    m_image4 = new StretchImage(m_client);
    m_image4->setObjectName(QStringLiteral("Image4"));
    m_image4->setGeometry(TwipsRect(210, 360, 11640, 7050));
    m_image4->setToolTip(QStringLiteral("Click the Right mouse button to copy photo or add to Screen Saver"));
    m_image4->setPicture(StartPicture(m_image4->size()));

    for (const TopButton& t : kTopRow) {
        auto* b = new QPushButton(QString::fromLatin1(t.caption), m_client);
        b->setObjectName(QString::fromLatin1(t.name));
        b->setAccessibleName(b->text());
        b->setGeometry(TwipsRect(t.left, 0, t.width, 270));
        SetCaptionColor(b, kMaroon);
    }

    m_spin = new SpinButton(m_client);
    m_spin->setObjectName(QStringLiteral("SpinButton1"));
    m_spin->setGeometry(TwipsRect(120, 360, 615, 300));
    m_spin->setVisible(false);
    connect(m_spin, &SpinButton::spinUp, this, [] { NextPhoto(); });
    connect(m_spin, &SpinButton::spinDown, this, [] { PrevPhoto(); });

    m_panPhoto = new Panel3D(m_client);
    m_panPhoto->setObjectName(QStringLiteral("panPhoto"));
    m_panPhoto->setGeometry(TwipsRect(720, 360, 390, 300));
    m_panPhoto->setCaption(QStringLiteral("1"));
    m_panPhoto->setVisible(false);

    m_panYear = new Panel3D(m_client);
    m_panYear->setObjectName(QStringLiteral("panYear"));
    m_panYear->setGeometry(TwipsRect(1080, 360, 810, 300));
    m_panYear->setCaption(QStringLiteral("panYear"));

    m_txtFile = new QLineEdit(m_client);
    m_txtFile->setObjectName(QStringLiteral("txtFile"));
    m_txtFile->setGeometry(TwipsRect(180, 795, 1140, 285));
    m_txtFile->setReadOnly(true);
    m_txtFile->setVisible(false);
    m_txtFile->installEventFilter(this);

    m_rtbDetails = new QTextBrowser(m_client);
    m_rtbDetails->setObjectName(QStringLiteral("rtbDetails"));
    m_rtbDetails->setGeometry(TwipsRect(4920, 600, 4935, 975));
    m_rtbDetails->setVisible(false);

    for (const PictureSlot& p : kPictureBoxes) {
        auto* box = new PictureBox(m_client);
        box->setObjectName(QString::fromLatin1(p.name));
        box->move(TwipsToPx(p.left), TwipsToPx(p.top));
        box->setAutoSize(true);
        box->setToolTip(QStringLiteral("Click the Right mouse button to copy"));
        box->setVisible(false);
    }

    buildYearBar();

    auto* reload = new QPushButton(QStringLiteral("Reload Array"), m_client);
    reload->setObjectName(QStringLiteral("ReloadArray"));
    reload->setAccessibleName(reload->text());
    reload->setGeometry(TwipsRect(10560, 360, 1215, 255));
    reload->setVisible(false);
    connect(reload, &QPushButton::clicked, this, &Form1::ReloadArrayClick);

    for (const PanelSlot& p : kPanels) {
        auto* panel = new Panel3D(m_client);
        panel->setObjectName(QString::fromLatin1(p.name));
        panel->setGeometry(TwipsRect(p.left, p.top, p.width, p.height));
        panel->setVisible(false);
    }

    m_media = new MediaControl(m_client);
    m_media->setObjectName(QStringLiteral("MMControl1"));
    m_media->setVisible(false);
}

void Form1::buildYearBar()
{
    m_frame1 = new QFrame(m_client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setFrameShape(QFrame::NoFrame);
    m_frame1->setGeometry(TwipsRect(0, 7440, 12015, 855));

    for (int k = 0; k <= 48; ++k) {
        QString caption;
        QRect twips;
        if (k == 0) {
            caption = QStringLiteral("00");
            twips = QRect(12600, 120, 495, 375); // outside the visible area; never used
        } else if (k == 1 || k == 25) {
            caption = YearCaption(k);
            twips = QRect(120, k == 1 ? 120 : 480, 615, 375);
        } else {
            caption = YearCaption(k).right(2);
            const bool top = k <= 24;
            const int left = 720 + (k - (top ? 2 : 26)) * 480;
            twips = QRect(left, top ? 120 : 480, (k >= 9 && k <= 15) ? 510 : 495, 375);
        }
        auto* b = new QPushButton(caption, m_frame1);
        b->setObjectName(QStringLiteral("cmdYR(%1)").arg(k));
        b->setAccessibleName(caption);
        b->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        SetCaptionColor(b, YearColor(k));
        if (k == 0) {
            b->setVisible(false);
            continue;
        }
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [k] { YearButtonClick(k); });
    }

    auto* exit = new QPushButton(QStringLiteral("X"), m_frame1);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setAccessibleName(QStringLiteral("X"));
    exit->setGeometry(TwipsRect(11775, 120, 240, 735));
    SetCaptionColor(exit, Qt::red);
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
}

QWidget* Form1::control(const QString& name) const
{
    return findChild<QWidget*>(name);
}

QAction* Form1::menuItem(const QString& name) const
{
    return m_items.value(name);
}

QPushButton* Form1::button(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

QPushButton* Form1::yearButton(int k) const
{
    return findChild<QPushButton*>(QStringLiteral("cmdYR(%1)").arg(k));
}

void Form1::Load()
{
    if (QAction* mag = menuItem(QStringLiteral("mnuMag(1)")))
        mag->setText(EscapeAmpersands(mag->text()));
    SetMousePointer(Pointer::Default);
    UnloadSplash();
    if (g.gbHWI)
        control(QStringLiteral("ReloadArray"))->setVisible(true);
    g.gsDocFile = g.gsDataRoot + QStringLiteral("\\richtext\\desc.rtf");
    m_frame1->raise();
    const int left = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainLeft"), 0);
    const int top = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainTop"), 0);
    const int width = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainWidth"), ScreenWidthTwips());
    const int height = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainHeight"), ScreenHeightTwips());
    move(TwipsToPx(left), TwipsToPx(top));
    resize(TwipsToPx(width), TwipsToPx(height));
    show();
}

void Form1::ApplyScreenLayout()
{
    if (IsScreenSize(800, 600))
        return;
    menuItem(QStringLiteral("mnuHideStatus"))->setVisible(false);
    m_image4->resize(620, 356);
    m_frame1->move(m_frame1->x(), m_image4->y() + m_image4->height() - 10);
    for (int k = 1; k <= 48; ++k) {
        QPushButton* b = yearButton(k);
        QRect t = TwipsGeometry(b);
        if (k == 1 || k == 25) {
            t.setWidth(615);
        } else {
            t.setWidth(375);
            t.moveLeft(k <= 24 ? k * 375 : k * 375 - 9000);
        }
        b->setGeometry(TwipsRect(t.x(), t.y(), t.width(), t.height()));
    }
    for (const TopButton& t : kTopRow) {
        QPushButton* b = button(QString::fromLatin1(t.name));
        b->setGeometry(b->x() - t.moveBy, b->y(), b->width() - t.narrowBy, b->height());
    }
    QPushButton* exit = button(QStringLiteral("cmdExit"));
    const QRect y24 = TwipsGeometry(yearButton(24));
    const QRect ex = TwipsGeometry(exit);
    exit->setGeometry(TwipsRect(y24.x() + y24.width(), ex.y(), ex.width(), ex.height()));
    const QPushButton* nostalgia = button(QStringLiteral("cmdNostalgia"));
    const int widthTwips = (nostalgia->x() + nostalgia->width()) * 15 + 400;
    const QRect exitTwips = TwipsGeometry(exit);
    const int heightTwips = (exitTwips.y() + exitTwips.height()) * 9 - 400;
    resize(TwipsToPx(widthTwips), TwipsToPx(heightTwips));
}

void Form1::HideStatusClick()
{
    QAction* item = menuItem(QStringLiteral("mnuHideStatus"));
    g.ghTaskbar = FindTaskbar();
    if (item->text() != QLatin1String("HideStatusBar")) {
        ShowTaskbar(this);
        item->setText(QStringLiteral("HideStatusBar"));
        return;
    }
    // Hiding the taskbar makes the window full screen: it covers the whole screen from
    // 0, 0 and the desktop's panels, which is what placing it at 0, 0 a little larger than
    // the screen does on a desktop with a taskbar window.
    HideTaskbar(this);
    item->setText(QStringLiteral("ShowStatusBar"));
}

void Form1::ContentsClick()
{
    // The help document lives beside the program; the desktop's viewer shows it.
    const QString file = HelpFile();
    if (!QFile::exists(file)) {
        MsgBox(QStringLiteral("Unable to open the help file:\r\n") + file, mb::OKOnly | mb::Exclamation);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void Form1::BareClick()
{
    FirstClick();
}

void Form1::ReloadArrayClick()
{
    // Maintenance: read the photograph folder again and show the next photograph.
    LoadPhotoArray();
    NextPhoto();
}

void Form1::QueryUnload()
{
    IgnoreErrors({
        [&] { m_media->command(QStringLiteral("close")); },
        [&] { ShowTaskbar(this); },
        [&] {
            if (!isMinimized()) {
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainLeft"), QString::number(PxToTwips(x())));
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainTop"), QString::number(PxToTwips(y())));
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainWidth"), QString::number(PxToTwips(width())));
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainHeight"), QString::number(PxToTwips(height())));
            }
        },
    });
    EndProgram();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_unloading) {
        m_unloading = true;
        QueryUnload();
    }
    event->accept();
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // A full-screen window is the hidden-taskbar state itself; any other resize brings the
    // taskbar back.
    QAction* item = menuItem(QStringLiteral("mnuHideStatus"));
    if (item && item->text() != QLatin1String("HideStatusBar") && !isFullScreen()) {
        ShowTaskbar(this);
        item->setText(QStringLiteral("HideStatusBar"));
    }
}

void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // Minimizing or restoring brings the taskbar back, as resizing does.
        QAction* item = menuItem(QStringLiteral("mnuHideStatus"));
        if (item && item->text() != QLatin1String("HideStatusBar") && (isMinimized() || !isFullScreen())) {
            ShowTaskbar(this);
            item->setText(QStringLiteral("HideStatusBar"));
        }
    } else if (event->type() == QEvent::ActivationChange && !isActiveWindow() && g.gbSlideShow) {
        if (m_panYear->caption() != QLatin1String("panYear"))
            m_image4->setVisible(true);
        RestoreMainWindow();
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::MouseButtonPress) {
        BareClick();
    } else if (watched == m_txtFile && event->type() == QEvent::MouseButtonPress) {
        TxtFileClick();
        return true;
    } else if (event->type() == QEvent::KeyPress) {
        const int k = IndexOf(watched->objectName(), QStringLiteral("cmdYR"));
        if (k >= 1) {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Space: YearButtonKey(k, 32); break;
            case Qt::Key_Comma:
            case Qt::Key_Less: YearButtonKey(k, 188); return true;
            case Qt::Key_Period:
            case Qt::Key_Greater: YearButtonKey(k, 190); return true;
            default: break;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

Form1* MainWindow()
{
    return g_main.data();
}

Form1* LoadMainWindow()
{
    if (!g_main) {
        g_main = new Form1;
        g_main->Load();
    }
    return g_main.data();
}

void UnloadMainWindow()
{
    if (g_main) {
        Form1* w = g_main.data();
        g_main.clear();
        w->hide();
        delete w;
    }
}

QWidget* LoadedMainWindow()
{
    return g_main.data();
}

void FocusYearButton(int index)
{
    if (!g_main)
        return;
    if (QPushButton* b = g_main->yearButton(index))
        b->setFocus();
}

} // namespace kg
