// Start-up and shutdown: the disc search, the second instance, the start-up sound, and
// restoring and storing the main window's place.
#include "controls/mediacontrol.h"
#include "core/appstate.h"
#include "core/form1.h"
#include "core/form2.h"
#include "system/paths.h"
#include "system/process.h"
#include "system/screen.h"
#include "system/settings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kg;

namespace {

const QString kApp = QStringLiteral("The Kestrana Gallerion 2001");
const QString kSection = QStringLiteral("Settings");

void TouchPhoto(const QString& root, const QString& name)
{
    QDir(root).mkpath(QStringLiteral("kestranas"));
    QFile f(root + QStringLiteral("/kestranas/") + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

bool RunSplash()
{
    Form2* splash = LoadSplash();
    const bool ok = splash->Load();
    return ok;
}

void FinishSplash()
{
    if (Form2* s = Splash()) {
        s->Timer1()->stop();
        UnloadSplash();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        FinishSplash();
        UnloadMainWindow();
    }

    void discSearch_data()
    {
        // Each drive: letter, what it holds ("photos", "empty", "missing" folder).
        QTest::addColumn<QString>("drives");
        QTest::addColumn<bool>("copies");
        QTest::addColumn<QString>("dataRoot");
        QTest::addColumn<bool>("photoRootIsProgram");
        QTest::newRow("disc in E") << "E=photos" << false << "E:" << false;
        QTest::newRow("first letter wins") << "G=photos;E=photos" << false << "E:" << false;
        QTest::newRow("not-ready and empty drives skipped") << "D=missing;E=empty;F=photos" << false << "F:" << false;
        QTest::newRow("copies on the hard drive") << "F=photos" << true << "F:" << true;
    }
    void discSearch()
    {
        QFETCH(QString, drives);
        QFETCH(bool, copies);
        QFETCH(QString, dataRoot);
        QFETCH(bool, photoRootIsProgram);
        kgtest::Environment env(false);
        QTemporaryDir media;
        QStringList table;
        for (const QString& d : drives.split(u';')) {
            const QString letter = d.left(1), kind = d.mid(2);
            const QString folder = media.path() + u'/' + letter;
            if (kind != QLatin1String("missing"))
                QDir().mkpath(folder);
            if (kind == QLatin1String("photos"))
                TouchPhoto(folder, QStringLiteral("53A.JPG"));
            table << letter + u'=' + folder;
        }
        kgtest::Environment::SetDrives(table.join(u';'));
        if (copies)
            TouchPhoto(env.programFolder(), QStringLiteral("53a.jpg"));

        QVERIFY(RunSplash());
        QCOMPARE(g.gsDataRoot, dataRoot);
        QCOMPARE(g.gsPhotoRoot, photoRootIsProgram ? ProgramFolder() : dataRoot);
        QVERIFY(env.boxes->shown.isEmpty());
        QVERIFY(g.gbFirstClick);
        QVERIFY(Splash()->Timer1()->isActive());
        QCOMPARE(Splash()->Timer1()->interval(), 5000);
        QCOMPARE(g.giPhotoCount, 1);
    }

    void noDiscRetryThenCancel()
    {
        kgtest::Environment env(false);
        QTemporaryDir media;
        // The first Retry finds nothing again; while the second box is up the disc is
        // inserted, so the next search succeeds.
        env.boxes->answer(mb::Retry);
        env.boxes->answer(mb::Retry);
        env.boxes->onShow = [&](const MsgBoxCall&) {
            QVERIFY(!Splash() || !Splash()->isVisible());
            if (env.boxes->shown.size() == 2) {
                TouchPhoto(media.path(), QStringLiteral("53A.JPG"));
                kgtest::Environment::SetDrives(QStringLiteral("H=") + media.path());
            }
        };
        QVERIFY(RunSplash());
        QCOMPARE(env.boxes->shown.size(), 2);
        QVERIFY(env.boxes->shown.first().prompt.contains(QLatin1String("ER001")));
        QCOMPARE(env.boxes->shown.first().buttons, int(mb::RetryCancel));
        QCOMPARE(g.gsDataRoot, QStringLiteral("H:"));
        QVERIFY(Splash()->isVisible());
        FinishSplash();

        // Cancel ends the program and stores nothing.
        kgtest::Environment env2(false);
        env2.boxes->answer(mb::Cancel);
        QVERIFY(!RunSplash());
        QCOMPARE(env2.endCalls, 1);
        QVERIFY(!QFile::exists(SettingsFile(kApp)));
        QVERIFY(!Splash());
    }

    void hwiSkipsTheSearch()
    {
        kgtest::Environment env(false);
        g.gbHWI = true;
        QVERIFY(RunSplash());
        QVERIFY(env.boxes->shown.isEmpty());
        QCOMPARE(g.gsDataRoot, ProgramFolder());
        QCOMPARE(g.gsPhotoRoot, ProgramFolder());
        Splash()->Timer1Timer();
        QVERIFY(MainWindow()->control(QStringLiteral("ReloadArray"))->isVisible());
        QCOMPARE(g.giPhotoCount, 0);
        TouchPhoto(env.programFolder(), QStringLiteral("53a.jpg"));
        QTest::mouseClick(MainWindow()->control(QStringLiteral("ReloadArray")), Qt::LeftButton);
        QCOMPARE(g.giPhotoCount, 1);
        QCOMPARE(g.gsPhotos(1), env.programFolder() + QStringLiteral("\\kestranas\\53A.JPG"));
    }

    void secondInstanceRefused()
    {
        kgtest::Environment env;
        QLockFile other(InstanceLockPath());
        QVERIFY(other.tryLock(0));
        QVERIFY(!RunSplash());
        QCOMPARE(env.endCalls, 1);
        QCOMPARE(env.boxes->shown.size(), 1);
        QCOMPARE(env.boxes->shown.first().prompt, QStringLiteral("The Kestrana Gallerion is already running!"));
        QCOMPARE(env.boxes->shown.first().buttons, int(mb::OKOnly | mb::Critical | mb::SystemModal));
        QCOMPARE(env.boxes->shown.first().title, kApp);
        QVERIFY(g.gsDataRoot.isEmpty()); // nothing else ran
        other.unlock();
    }

    void startupSound()
    {
        kgtest::Environment env;
        QVERIFY(RunSplash());
        QCOMPARE(g.gsErrCode, QStringLiteral("ER037")); // the catalogue load ran after the missing sound
        QCOMPARE(g.gsWavFile, ProgramFolder() + QStringLiteral("\\passby.wav"));
        QVERIFY(!Splash()->MMControl1()->isOpen());
        FinishSplash();

        kgtest::Environment env2;
        QVERIFY(QFile::copy(env2.discFolder() + QStringLiteral("/wav/passby.wav"),
                            env2.programFolder() + QStringLiteral("/passby.wav")));
        QFile::setPermissions(env2.programFolder() + QStringLiteral("/passby.wav"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(RunSplash());
        QCOMPARE(Splash()->MMControl1()->deviceType(), QStringLiteral("WaveAudio"));
        QCOMPARE(Splash()->MMControl1()->fileName(), env2.programFolder() + QStringLiteral("/passby.wav"));
        QVERIFY(Splash()->MMControl1()->isOpen());
    }

    void windowPlaceRestoredAndStored()
    {
        // First start: no stored keys, the window covers the screen from 0, 0.
        kgtest::Environment env;
        SetScreenSizeForTesting(800, 600); // the designed layout: the stored size stands
        QVERIFY(RunSplash());
        Splash()->Timer1Timer();
        Form1* main = MainWindow();
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("The Kestrana Gallerion  2001"));
        QCOMPARE(main->pos(), QPoint(0, 0));
        QCOMPARE(main->size(), QSize(800, 600));
        QCOMPARE(g.gsDocFile, QStringLiteral("E:\\richtext\\desc.rtf"));
        QCOMPARE(MousePointer(), Pointer::Default);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Splash()); // the main window's load closed the splash

        main->move(30, 45);
        main->resize(700, 500);
        QTest::mouseClick(main->control(QStringLiteral("cmdExit")), Qt::LeftButton);
        QCOMPARE(env.endCalls, 1);
        QCOMPARE(GetSetting(kApp, kSection, QStringLiteral("MainLeft")), QStringLiteral("450"));
        QCOMPARE(GetSetting(kApp, kSection, QStringLiteral("MainTop")), QStringLiteral("675"));
        QCOMPARE(GetSetting(kApp, kSection, QStringLiteral("MainWidth")), QStringLiteral("10500"));
        QCOMPARE(GetSetting(kApp, kSection, QStringLiteral("MainHeight")), QStringLiteral("7500"));
        UnloadMainWindow();

        // Next start restores them; a key that is not a number falls back to its default.
        SaveSetting(kApp, kSection, QStringLiteral("MainTop"), QStringLiteral("abc"));
        ResetAppState();
        ResetEndProgram();
        ReleaseInstanceLock();
        QVERIFY(RunSplash());
        Splash()->Timer1Timer();
        main = MainWindow();
        QCOMPARE(main->pos(), QPoint(30, 0));
        QCOMPARE(main->size(), QSize(700, 500));

        // Closing it minimized stores nothing; every exit path runs the same handler.
        main->showMinimized();
        QVERIFY(main->isMinimized());
        main->menuItem(QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(env.endCalls, 2);
        QCOMPARE(GetSetting(kApp, kSection, QStringLiteral("MainTop")), QStringLiteral("abc"));
    }

    void compactLayoutReplacesTheStoredSize()
    {
        kgtest::Environment env;
        SetScreenSizeForTesting(1024, 768);
        QVERIFY(RunSplash());
        Splash()->Timer1Timer();
        QCOMPARE(MainWindow()->pos(), QPoint(0, 0));
        QVERIFY(MainWindow()->width() < 700);
        QVERIFY(!MainWindow()->menuItem(QStringLiteral("mnuHideStatus"))->isVisible());
    }

    void everyExitPathEnds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("mnuExit") << "mnuExit";
        QTest::newRow("mnuExit2") << "mnuExit2";
        QTest::newRow("close box") << "close";
    }
    void everyExitPathEnds()
    {
        QFETCH(QString, path);
        kgtest::Environment env;
        QVERIFY(RunSplash());
        Splash()->Timer1Timer();
        Form1* main = MainWindow();
        if (path == QLatin1String("close"))
            main->close();
        else
            main->menuItem(path)->trigger();
        QCOMPARE(env.endCalls, 1);
        QVERIFY(QFile::exists(SettingsFile(kApp)));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
