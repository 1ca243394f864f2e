// The main window driven through its real controls on the small sample disc: layout and
// menus, selection by year button, key and menu, the top-row button states, and photo
// stepping with wrap-around and failures.
#include "browser/selection.h"
#include "browser/stepping.h"
#include "catalogue/catalogue.h"
#include "controls/panel3d.h"
#include "controls/spinbutton.h"
#include "controls/stretchimage.h"
#include "core/appstate.h"
#include "core/form1.h"
#include "system/screen.h"
#include "system/twips.h"
#include "testsupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace kg;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QUrl opened;
public slots:
    void open(const QUrl& url) { opened = url; }
};

namespace {

const QStringList kTopRow{"cmdDesc", "cmdOptions", "cmdStats", "cmdColors", "cmdScript", "cmdEmbRear",
                          "cmdEmbSide", "cmdEmblem", "cmdClipArt", "cmdAd", "cmdNostalgia", "cmdBrochure"};

struct Browser {
    kgtest::Environment env;
    Form1* f = nullptr;
    Browser()
    {
        g.gsDataRoot = g.gsPhotoRoot = QStringLiteral("E:");
        LoadPhotoArray();
        g.gbFirstClick = true;
        SetScreenSizeForTesting(800, 600);
        f = LoadMainWindow();
        QApplication::setActiveWindow(f);
    }
    ~Browser() { UnloadMainWindow(); }
    QString caption() const { return f->panYear()->caption(); }
    QString number() const { return f->panPhoto()->caption(); }
    QString photo() const { return g.gsPhotoFile.mid(g.gsPhotoFile.lastIndexOf(u'\\') + 1); }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QStringList enabled() const
    {
        QStringList on;
        for (const QString& b : kTopRow)
            if (f->button(b)->isEnabled())
                on << b;
        return on;
    }
    void clickYear(int k) { QTest::mouseClick(f->yearButton(k), Qt::LeftButton); }
    void trigger(const QString& item) { f->menuItem(item)->trigger(); }
    void step(QChar c)
    {
        // The spin button's arrows, as a person clicks them.
        SpinButton* spin = f->spinButton1();
        QTest::mouseClick(spin, Qt::LeftButton, {}, c == u'n' ? spin->upRect().center() : spin->downRect().center());
    }
};

} // namespace

class TestBrowser : public QObject {
    Q_OBJECT
private slots:
    void designLayout()
    {
        Browser b;
        QCOMPARE(b.f->windowTitle(), QStringLiteral("The Kestrana Gallerion  2001"));
        QCOMPARE(b.caption(), QStringLiteral("panYear"));
        QVERIFY(!b.f->spinButton1()->isVisible());
        QVERIFY(!b.f->panPhoto()->isVisible());
        QVERIFY(b.f->image4()->hasPicture());
        QCOMPARE(b.f->image4()->geometry(), TwipsRect(210, 360, 11640, 7050));
        QCOMPARE(b.f->button("cmdClipArt")->text(), QStringLiteral("ClipArt "));
        QCOMPARE(b.f->button("cmdAd")->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
        for (const char* hidden : {"pnlSound", "pnlProgress", "SSpnlHarrowby", "pnlPrint", "pnlSSaver", "txtFile",
                                   "rtbDetails", "picEmblem", "picClipArt", "ReloadArray"})
            QVERIFY2(b.f->control(hidden) && !b.f->control(hidden)->isVisible(), hidden);
        const QList<std::tuple<int, QString, QColor>> years{
            {1, "1953", QColor(0, 0, 128)}, {2, "54", QColor(0, 0, 128)}, {11, "63", Qt::red},
            {24, "76", QColor(0, 128, 0)}, {25, "1977", QColor(0, 128, 0)}, {30, "82", QColor(0, 128, 0)},
            {31, "84", QColor(128, 0, 128)}, {44, "97", Qt::black}, {47, "00", Qt::black}, {48, "01", Qt::black}};
        for (const auto& [k, caption, colour] : years) {
            QCOMPARE(b.f->yearButton(k)->text(), caption);
            QCOMPARE(b.f->yearButton(k)->palette().color(QPalette::ButtonText), colour);
        }
        QCOMPARE(b.f->yearButton(9)->width(), TwipsToPx(510));
        QCOMPARE(b.f->yearButton(26)->pos(), QPoint(TwipsToPx(720), TwipsToPx(480)));
    }

    void menuTree()
    {
        Browser b;
        QStringList bar;
        for (QAction* a : b.f->menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "Sound &Effects", "&Movies", "&Literature", "Mis&cellaneous", "&Artwork",
                                   "&Kesta Stuff", "S&pecialty", "&SlideShow", "HideStatusBar", "&Help", "Exit"}));
        QStringList file;
        for (QAction* a : b.f->menuItem("mnuFile")->menu()->actions())
            file << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(file, (QStringList{"mnuCopy", "mnuRemove", "-", "mnuCopyMovies", "mnuRemoveMovies", "-", "mnuSaver",
                                    "mnuVideo", "-", "mnuPrintPhoto", "mnuPrnt", "mnuPrint", "-", "mnuCheckScreen",
                                    "-", "mnuNames", "-", "mnuExit"}));
        QVERIFY(!b.f->menuItem("mnuNames")->isEnabled());
        QCOMPARE(b.f->menuItem("mnuMag(1)")->text(), QStringLiteral("Kestrana &&Capers"));
        QCOMPARE(b.f->menuItem("mnuMag(13)")->text(), QStringLiteral("&Y-Car On-Line"));
        QCOMPARE(b.f->menuItem("mnuSpecialty(10)")->text(), QStringLiteral("&ZR-1"));
        QCOMPARE(b.f->menuItem("mnukestastuff(15)")->text(), QStringLiteral("Hoyle Kestrana Playing Cards "));
        QCOMPARE(b.f->menuItem("mnuArt(4)")->text(), QStringLiteral("&Quillon"));
        QCOMPARE(b.f->menuItem("mnuMuseums")->menu()->actions().size(), 2);
        QCOMPARE(b.f->menuItem("mnuLitArticles")->menu()->actions().size(), 6);
    }

    void compactLayout()
    {
        Browser b;
        const QRect designed = b.f->image4()->geometry();
        b.f->ApplyScreenLayout(); // 800 × 600: nothing changes
        QCOMPARE(b.f->image4()->geometry(), designed);
        QVERIFY(b.f->menuItem("mnuHideStatus")->isVisible());
        SetScreenSizeForTesting(1024, 768);
        b.f->ApplyScreenLayout();
        QVERIFY(!b.f->menuItem("mnuHideStatus")->isVisible());
        QCOMPARE(b.f->image4()->size(), QSize(620, 356));
        QCOMPARE(b.f->frame1()->y(), b.f->image4()->y() + 356 - 10);
        QCOMPARE(b.f->yearButton(2)->geometry(), TwipsRect(750, 120, 375, 375));
        QCOMPARE(b.f->yearButton(26)->x(), TwipsToPx(26 * 375 - 9000));
        QCOMPARE(b.f->yearButton(1)->width(), TwipsToPx(615));
        QCOMPARE(b.f->control("cmdExit")->x(), TwipsToPx(24 * 375 + 375));
        QCOMPARE(b.f->button("cmdNostalgia")->geometry(), QRect(TwipsToPx(10800) - 155, 0, TwipsToPx(1095) - 12, 18));
    }

    void yearButtons_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("focus");
        QTest::newRow("first") << 1 << "1953" << 2;
        QTest::newRow("1982") << 30 << "1982" << 31;
        QTest::newRow("1984 after the gap") << 31 << "1984" << 32;
        QTest::newRow("1999") << 46 << "1999" << 47;
        QTest::newRow("2000") << 47 << "2000" << 48;
        QTest::newRow("2001 wraps") << 48 << "2001" << 1;
    }
    void yearButtons()
    {
        QFETCH(int, k);
        QFETCH(QString, caption);
        QFETCH(int, focus);
        Browser b;
        b.clickYear(k);
        QCOMPARE(b.caption(), caption);
        QCOMPARE(b.focused(), QStringLiteral("cmdYR(%1)").arg(focus));
        QCOMPARE(g.giYear, k);
        QCOMPARE(g.giPhoto, 0);
        QCOMPARE(b.number(), QStringLiteral("1"));
        QVERIFY(b.f->spinButton1()->isVisible());
        QVERIFY(b.f->menuItem("mnuNames")->isEnabled());
        QCOMPARE(b.f->button("cmdStats")->text(), QStringLiteral("Statistics"));
        QCOMPARE(b.enabled(), kTopRow);
    }

    void buttonStates_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("stats");
        const QStringList all = kTopRow;
        auto allBut = [&](QStringList off) { QStringList l = all; for (const QString& o : off) l.removeAll(o); return l; };
        QTest::newRow("ZR-1") << "mnuSpecialty(10)" << "1990-1995 ZR-1 " << allBut({"cmdNostalgia", "cmdBrochure"}) << "Statistics";
        QTest::newRow("Mallett") << "mnuSpecialty(5)" << "Mallett Cars " << allBut({"cmdOptions", "cmdColors", "cmdClipArt", "cmdNostalgia", "cmdBrochure"}) << "Features";
        QTest::newRow("Lingenfelter") << "mnuSpecialty(4)" << "Lingenfelter Cars " << allBut({"cmdStats", "cmdOptions", "cmdColors", "cmdClipArt", "cmdNostalgia", "cmdBrochure"}) << "Statistics";
        QTest::newRow("Callaway C12") << "mnuSpecialty(0)" << "Callaway C12 " << allBut({"cmdOptions", "cmdColors", "cmdClipArt", "cmdNostalgia", "cmdBrochure"}) << "Statistics";
        QTest::newRow("Twin-Turbo") << "mnuSpecialty(1)" << "Callaway Twin-Turbo " << allBut({"cmdAd", "cmdNostalgia", "cmdBrochure"}) << "Statistics";
        QTest::newRow("Custom") << "mnuSpecialty(2)" << "Custom Kestranas" << QStringList{"cmdStats"} << "Details";
        QTest::newRow("Prototypes") << "mnuSpecialty(7)" << "Prototypes " << QStringList{"cmdStats", "cmdAd"} << "Details";
        QTest::newRow("Race Cars") << "mnuSpecialty(8)" << "Race Cars " << QStringList{"cmdScript", "cmdEmblem"} << "Details";
        QTest::newRow("Specter") << "mnuSpecialty(9)" << "Specter Werkes GTR Roadster " << QStringList{"cmdDesc", "cmdAd"} << "Details";
        QTest::newRow("Coin") << "mnukestastuff(12)" << "Kestrana Coin " << QStringList{"cmdDesc"} << "Details";
        QTest::newRow("Pinball") << "mnukestastuff(11)" << "Kestrana Pinball Machine " << QStringList{"cmdDesc", "cmdAd"} << "Details";
        QTest::newRow("Holiday cards") << "mnukestastuff(1)" << "Kestrana Holiday Cards " << QStringList{"cmdDesc", "cmdStats"} << "Details";
        QTest::newRow("Monopoly") << "mnukestastuff(2)" << "Kestrana Monopoly Game " << QStringList{"cmdDesc"} << "Details";
        QTest::newRow("Knives") << "mnukestastuff(4)" << "Franklin Mint Collector Knives " << QStringList{"cmdDesc"} << "Details";
        QTest::newRow("Playing cards") << "mnukestastuff(15)" << "Hoyle Kestrana Playing Cards " << QStringList{} << "Details";
        QTest::newRow("Clip art") << "mnuArt(0)" << "Additional Clip Art " << QStringList{} << "Details";
        QTest::newRow("Ferrowyn") << "mnuArt(1)" << "Ferrowyn Art Print " << QStringList{"cmdDesc", "cmdStats"} << "Details";
        QTest::newRow("Museum") << "mnuMus(1)" << "National Kestrana Museum " << QStringList{"cmdDesc", "cmdStats"} << "Details";
        QTest::newRow("Americana") << "mnuMus(2)" << "Kestrana Americana " << QStringList{"cmdDesc", "cmdStats"} << "Details";
        QTest::newRow("Top ten") << "mnuTopTen" << "Top Ten Kestrana People " << QStringList{"cmdDesc"} << "Statistics";
        QTest::newRow("Emblems") << "mnuEmblems" << "Kestrana Emblems " << QStringList{"cmdStats"} << "Details";
        QTest::newRow("Miscellany") << "mnuMiscellany" << "Miscellany " << QStringList{} << "Statistics";
    }
    void buttonStates()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QStringList, enabled);
        QFETCH(QString, stats);
        Browser b;
        b.clickYear(5);
        b.trigger(menu);
        QCOMPARE(b.caption(), caption);
        QCOMPARE(b.enabled(), enabled);
        QCOMPARE(b.f->button("cmdStats")->text(), stats);
        QCOMPARE(g.giYear, 0);
        QCOMPARE(g.giPhoto, 0);
        if (menu.startsWith(QLatin1String("mnuSpecialty")) || menu.startsWith(QLatin1String("mnukesta"))
            || menu.startsWith(QLatin1String("mnuArt")))
            QCOMPARE(b.focused(), QStringLiteral("cmdYR(1)"));
        if (caption == QLatin1String("1990-1995 ZR-1 "))
            QCOMPARE(g.gsCatCode, QStringLiteral("AZ"));
    }

    void noPhotographForSelection()
    {
        Browser b;
        b.clickYear(3);
        b.env.boxes->shown.clear();
        b.trigger("mnuSpecialty(3)"); // Gisser: no photographs on the fixture
        QCOMPARE(b.env.boxes->shown.size(), 1);
        QVERIFY(b.env.boxes->shown.first().prompt.contains(QLatin1String(" Kestrana photo not found for year selected.")));
        QVERIFY(!b.f->image4()->isVisible());
        QCOMPARE(b.enabled(), (QStringList{"cmdDesc", "cmdOptions", "cmdStats", "cmdColors", "cmdScript", "cmdAd"}));
        // Steps show nothing and change nothing.
        const QString before = g.gsPhotoFile;
        b.step(u'n');
        b.step(u'p');
        QCOMPARE(g.gsPhotoFile, before);
        QCOMPARE(b.env.boxes->shown.size(), 1);
        // The caption without its trailing blank is no category: "ll" is taken as the code.
        b.f->panYear()->setCaption(QStringLiteral("Mallett Cars"));
        ShowCategory();
        QCOMPARE(g.gsCatCode, QStringLiteral("ll"));
        QCOMPARE(b.env.boxes->shown.size(), 2);
    }

    void stepping_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QStringList>("photos");
        QTest::newRow("forward wraps") << 1 << "nnn" << QStringList{"2", "3", "1"} << QStringList{"53B.JPG", "53C.JPG", "53A.JPG"};
        QTest::newRow("backward first shows last") << 1 << "pp" << QStringList{"3", "2"} << QStringList{"53C.JPG", "53B.JPG"};
        QTest::newRow("forward forward back") << 1 << "nnp" << QStringList{"2", "3", "2"} << QStringList{"53B.JPG", "53C.JPG", "53B.JPG"};
        QTest::newRow("back then forward") << 1 << "pnn" << QStringList{"3", "1", "2"} << QStringList{"53C.JPG", "53A.JPG", "53B.JPG"};
        QTest::newRow("run of one") << 2 << "npn" << QStringList{"1", "1", "1"} << QStringList{"54A.JPG", "54A.JPG", "54A.JPG"};
        QTest::newRow("1999") << 46 << "nn" << QStringList{"2", "1"} << QStringList{"99B.JPG", "99A.JPG"};
        QTest::newRow("2000") << 47 << "np" << QStringList{"2", "1"} << QStringList{"A0B.JPG", "A0A.JPG"};
        QTest::newRow("2001") << 48 << "np" << QStringList{"1", "1"} << QStringList{"A1A.JPG", "A1A.JPG"};
    }
    void stepping()
    {
        QFETCH(int, year);
        QFETCH(QString, steps);
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, photos);
        Browser b;
        b.clickYear(year);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            b.step(steps.at(i));
            QCOMPARE(b.number(), numbers.at(i));
            QCOMPARE(b.photo(), photos.at(i));
            QCOMPARE(g.gsPhotos(g.giPhotoShown), g.gsPhotoFile);
        }
        const int focus = year == 48 ? 1 : year + 1;
        QCOMPARE(b.focused(), QStringLiteral("cmdYR(%1)").arg(focus));
        QVERIFY(b.f->yearButton(focus)->isEnabled());
        QVERIFY(b.env.boxes->shown.isEmpty());
    }

    void corruptPhotoKeepsThePrevious()
    {
        Browser b;
        b.clickYear(4); // 1956: 56A, 56B (truncated), 56C
        const QImage first = b.f->image4()->picture();
        b.step(u'n');
        QCOMPARE(b.env.boxes->shown.size(), 1);
        QVERIFY(b.env.boxes->shown.first().prompt.contains(QLatin1String("ER012")));
        QCOMPARE(b.photo(), QStringLiteral("56A.JPG"));
        QCOMPARE(b.number(), QStringLiteral("1"));
        QCOMPARE(b.f->image4()->picture(), first);
        b.step(u'n');
        QCOMPARE(b.photo(), QStringLiteral("56C.JPG"));
        QCOMPARE(b.number(), QStringLiteral("3"));
        b.step(u'p');
        QCOMPARE(b.env.boxes->shown.size(), 2);
        QVERIFY(b.env.boxes->shown.last().prompt.contains(QLatin1String(" Unable to load Slide Show photo.")));
        QCOMPARE(b.photo(), QStringLiteral("56C.JPG"));
    }

    void keysOnYearButtons()
    {
        Browser b;
        // Space on 2000 before any click selects it.
        b.f->yearButton(47)->setFocus();
        QTest::keyClick(b.f->yearButton(47), Qt::Key_Space);
        QCOMPARE(b.caption(), QStringLiteral("2000"));
        QVERIFY(g.gbYearClicked);
        // Period and comma step without changing the selection.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period);
        QCOMPARE(b.photo(), QStringLiteral("A0B.JPG"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Comma);
        QCOMPARE(b.photo(), QStringLiteral("A0A.JPG"));
        QCOMPARE(b.caption(), QStringLiteral("2000"));
    }

    void firstClickOnBareWindow()
    {
        Browser b;
        NextPhoto(); // before any selection: only enables and focuses 1953
        QCOMPARE(b.focused(), QStringLiteral("cmdYR(1)"));
        QCOMPARE(b.caption(), QStringLiteral("panYear"));
        QTest::mouseClick(b.f->clientArea(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(b.caption(), QStringLiteral("1953"));
        QVERIFY(!b.f->yearButton(1)->isEnabled());
        QCOMPARE(b.focused(), QStringLiteral("cmdYR(2)"));
        QCOMPARE(g.giYear, 1);
        QTest::mouseClick(b.f->clientArea(), Qt::LeftButton, {}, QPoint(5, 5)); // later clicks do nothing
        QCOMPARE(b.caption(), QStringLiteral("1953"));
        b.clickYear(2);
        QVERIFY(b.f->yearButton(1)->isEnabled());
    }

    void fileNames()
    {
        Browser b;
        b.trigger("mnuNames"); // nothing selected: nothing happens
        QVERIFY(!g.gbShowNames);
        b.clickYear(1);
        b.trigger("mnuNames");
        QCOMPARE(b.f->menuItem("mnuNames")->text(), QStringLiteral("Hide File &Names"));
        QVERIFY(b.f->txtFile()->isVisible());
        QCOMPARE(b.f->txtFile()->text(), QStringLiteral("53A.JPG"));
        b.step(u'n');
        QCOMPARE(b.f->txtFile()->text(), QStringLiteral("53B.JPG"));
        b.clickYear(3);
        QCOMPARE(b.f->txtFile()->text(), QStringLiteral("55 WIDE.JPG"));
        QTest::mouseClick(b.f->txtFile(), Qt::LeftButton);
        QVERIFY(!b.f->txtFile()->isVisible());
        QCOMPARE(b.f->menuItem("mnuNames")->text(), QStringLiteral("Show File &Names"));
    }

    void helpContents()
    {
        Browser b;
        b.trigger("mnuContents"); // no help document in the test's program folder
        QCOMPARE(b.env.boxes->shown.size(), 1);
        QFile::copy(QStringLiteral(KG_HELPFILE), Form1::HelpFile());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        b.trigger("mnuContents");
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened, QUrl::fromLocalFile(Form1::HelpFile()));
        QCOMPARE(b.env.boxes->shown.size(), 1);
    }

    void lostFocusDuringSlideShow()
    {
        Browser b;
        b.clickYear(1);
        b.f->image4()->setVisible(false);
        g.gbSlideShow = true;
        b.f->setEnabled(false);
        QApplication::setActiveWindow(nullptr);
        QEvent deactivate(QEvent::ActivationChange);
        QApplication::sendEvent(b.f, &deactivate);
        QVERIFY(!g.gbSlideShow);
        QVERIFY(b.f->isEnabled());
        QVERIFY(b.f->image4()->isVisible());
    }

    void taskbar()
    {
        Browser b;
        b.trigger("mnuHideStatus");
        QCOMPARE(b.f->menuItem("mnuHideStatus")->text(), QStringLiteral("ShowStatusBar"));
        QVERIFY(TaskbarHidden());
        b.f->showMinimized();
        QCOMPARE(b.f->menuItem("mnuHideStatus")->text(), QStringLiteral("HideStatusBar"));
        QVERIFY(!TaskbarHidden());
        b.f->showNormal();
        b.trigger("mnuHideStatus");
        b.trigger("mnuHideStatus"); // "ShowStatusBar"
        QCOMPARE(b.f->menuItem("mnuHideStatus")->text(), QStringLiteral("HideStatusBar"));
        QVERIFY(!TaskbarHidden());
    }
};

QTEST_MAIN(TestBrowser)
#include "test_browser.moc"
