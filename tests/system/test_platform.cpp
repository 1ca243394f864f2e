// The platform layer: drive table and path resolution, pattern search, file wrappers,
// settings, runtime failures.
#include "core/appstate.h"
#include "system/files.h"
#include "system/paths.h"
#include "system/process.h"
#include "system/runtime.h"
#include "system/screen.h"
#include "system/settings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace kg;

namespace {
int ErrorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void pathResolution()
    {
        kgtest::Environment env;
        const QString disc = env.discFolder();
        QCOMPARE(NativePath(QStringLiteral("E:\\RichText\\ZRDESC.rtf")), disc + QStringLiteral("/RichText/zrdesc.rtf"));
        QCOMPARE(NativePath(QStringLiteral("e:\\richtext\\zrdesc.RTF")), disc + QStringLiteral("/RichText/zrdesc.rtf"));
        QCOMPARE(NativePath(QStringLiteral("E:\\KESTRANAS\\53A.JPG")), disc + QStringLiteral("/kestranas/53A.JPG"));
        QCOMPARE(NativePath(QStringLiteral("E:\\kestranas\\53B.JPG")), disc + QStringLiteral("/kestranas/53b.jpg"));
        // A name that does not exist keeps the case it was given.
        QCOMPARE(NativePath(QStringLiteral("E:\\richtext\\Missing\\X.rtf")), disc + QStringLiteral("/RichText/Missing/X.rtf"));
        QVERIFY(FileExists(QStringLiteral("E:\\RichText\\ZRDESC.rtf")));
        QVERIFY(!FileExists(QStringLiteral("E:\\RichText")));      // a folder is not a file
        QVERIFY(!FileExists(QStringLiteral("F:\\RichText\\ZRDESC.rtf"))); // not ready: false, no failure
        QCOMPARE(ErrorNumberOf([] { NativePath(QStringLiteral("F:\\x")); }), int(rterr::DiskNotReady));
        QCOMPARE(ErrorNumberOf([] { NativePath(QString()); }), int(rterr::BadFileName));
        // A program-folder root is a native folder followed by the same relative form.
        QCOMPARE(NativePath(disc + QStringLiteral("\\richtext\\desc.rtf")), disc + QStringLiteral("/RichText/desc.rtf"));
    }

    void driveTable()
    {
        kgtest::Environment env(false);
        QTemporaryDir media;
        QDir(media.path()).mkpath(QStringLiteral("cd"));
        QDir(media.path()).mkpath(QStringLiteral("locked"));
        QFile::setPermissions(media.path() + QStringLiteral("/locked"), QFileDevice::Permissions());
        kgtest::Environment::SetDrives(QStringLiteral("e=%1/cd;F=%1/gone;G=%1/locked;B=%1/cd;junk").arg(media.path()));
        QVERIFY(DriveReady(u'E'));
        QVERIFY(!DriveReady(u'F')); // folder missing
        if (::geteuid() != 0)       // root reads any folder
            QVERIFY(!DriveReady(u'G'));
        QVERIFY(!DriveReady(u'B')); // only D … Z are drives
        QVERIFY(!DriveReady(u'Z'));
        QFile::setPermissions(media.path() + QStringLiteral("/locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void patternSearch()
    {
        kgtest::Environment env(false);
        QTemporaryDir dir;
        for (const char* n : {"53A.JPG", "53b.jpg", "54.jpeg", "notes.txt", "x.jpg.bak"}) {
            QFile f(dir.path() + u'/' + QLatin1String(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
        kgtest::Environment::SetDrives(QStringLiteral("E=") + dir.path());
        QStringList found;
        for (QString n = FindFirst(QStringLiteral("E:\\*.jpg")); !n.isEmpty(); n = FindNext())
            found << n;
        found.sort();
        QCOMPARE(found, (QStringList{"53A.JPG", "53b.jpg"}));
        QCOMPARE(FindNext(), QString()); // stays at the end
        QCOMPARE(FindFirst(QStringLiteral("E:\\nothing\\*.jpg")), QString());
        QCOMPARE(FindFirst(QStringLiteral("E:\\NOTES.TXT")), QStringLiteral("notes.txt"));
        QCOMPARE(ErrorNumberOf([] { FindFirst(QStringLiteral("Q:\\*.jpg")); }), int(rterr::DiskNotReady));
    }

    void wildcards_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("match");
        QTest::newRow("star ext") << "*.jpg" << "53A.JPG" << true;
        QTest::newRow("star needs ext") << "*.jpg" << "53A.jpeg" << false;
        QTest::newRow("prefix") << "53*" << "53b.jpg" << true;
        QTest::newRow("question") << "5?A.jpg" << "53A.jpg" << true;
        QTest::newRow("question needs one") << "5?A.jpg" << "5A.jpg" << false;
        QTest::newRow("stars") << "*a*b*" << "xAyBz" << true;
        QTest::newRow("star empty") << "*" << "" << true;
        QTest::newRow("non-ascii") << "55É*" << "55é.jpg" << true;
    }
    void wildcards()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, match);
        QCOMPARE(WildcardMatch(pattern, name), match);
    }

    void copyNeverLeavesAPartialFile()
    {
        kgtest::Environment env(false);
        QTemporaryDir dir;
        const QString src = dir.path() + QStringLiteral("/a.jpg");
        QFile f(src);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100000, 'x'));
        f.close();
        CopyFile(src, dir.path() + QStringLiteral("\\B.JPG"));
        QCOMPARE(FileLength(dir.path() + QStringLiteral("\\b.jpg")), qint64(100000));
        QCOMPARE(ErrorNumberOf([&] { CopyFile(dir.path() + QStringLiteral("/none.jpg"), dir.path() + QStringLiteral("/c.jpg")); }),
                 int(rterr::FileNotFound));
        QCOMPARE(ErrorNumberOf([&] { CopyFile(src, dir.path() + QStringLiteral("/no/such/c.jpg")); }),
                 int(rterr::PathNotFound));
        if (QFile::exists(QStringLiteral("/dev/full"))) {
            // A full disk fails the copy and the previous copy survives.
            QCOMPARE(ErrorNumberOf([&] { BinaryFile out(QStringLiteral("/dev/full"), BinaryFile::Mode::Write);
                                          out.write(0, QByteArray(4096, 'y')); }),
                     int(rterr::DiskFull));
        }
        QDir(dir.path()).mkdir(QStringLiteral("ro"));
        QFile::setPermissions(dir.path() + QStringLiteral("/ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (::geteuid() != 0) {
            QCOMPARE(ErrorNumberOf([&] { CopyFile(src, dir.path() + QStringLiteral("/ro/c.jpg")); }),
                     int(rterr::PermissionDenied));
            QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/ro/c.jpg")));
        }
        QFile::setPermissions(dir.path() + QStringLiteral("/ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        DeleteFiles(dir.path() + QStringLiteral("\\*.JPG"));
        QCOMPARE(FindFirst(dir.path() + QStringLiteral("\\*.jpg")), QString());
        QCOMPARE(ErrorNumberOf([&] { DeleteFiles(dir.path() + QStringLiteral("\\*.jpg")); }), int(rterr::FileNotFound));
    }

    void settingsStore()
    {
        kgtest::Environment env(false);
        const QString app = QStringLiteral("SCRNSAVE: The Kestrana Gallerion 2001");
        QCOMPARE(GetSetting(app, QStringLiteral("Settings"), QStringLiteral("Interval"), QStringLiteral("dflt")), QStringLiteral("dflt"));
        QVERIFY(SaveSetting(app, QStringLiteral("Settings"), QStringLiteral("Interval"), QStringLiteral("10")));
        QVERIFY(SettingsFile(app).startsWith(env.configFolder()));
        QCOMPARE(GetSetting(app, QStringLiteral("Settings"), QStringLiteral("Interval")), QStringLiteral("10"));
        QCOMPARE(GetSettingNumber(app, QStringLiteral("Settings"), QStringLiteral("Interval"), 5), 10);
        SaveSetting(app, QStringLiteral("Settings"), QStringLiteral("Interval"), QStringLiteral("12x"));
        QCOMPARE(GetSettingNumber(app, QStringLiteral("Settings"), QStringLiteral("Interval"), 5), 5);
    }

    void runtimeTraps()
    {
        VbList list;
        list.redimPreserve(2);
        list(2) = QStringLiteral("b");
        QCOMPARE(ErrorNumberOf([&] { list(3); }), int(rterr::SubscriptOutOfRange));
        QCOMPARE(ErrorNumberOf([&] { list(0); }), int(rterr::SubscriptOutOfRange));
        int seen = -1;
        QVERIFY(!Trap([] { throw RuntimeError(53, QStringLiteral("File not found")); }, [&] { seen = Err().Number; }));
        QCOMPARE(seen, 53);
        QCOMPARE(Err().Number, 0);
        int ran = 0;
        QCOMPARE(IgnoreErrors({[&] { ++ran; throw RuntimeError(5, QString()); }, [&] { ++ran; }}), 1);
        QCOMPARE(ran, 2);
    }

    void shellAndWait()
    {
        QCOMPARE(ShellAndWait(QStringLiteral("sh -c \"sleep 0.2; exit 3\"")), 3);
        QCOMPARE(ShellAndWait(QStringLiteral("/no/such/program")), -1);
    }

    void screenSize()
    {
        SetScreenSizeForTesting(800, 600);
        QVERIFY(IsScreenSize(800, 600));
        QCOMPARE(ScreenWidthTwips(), 12000);
        SetScreenSizeForTesting(1024, 768);
        QVERIFY(!IsScreenSize(800, 600));
        QVERIFY(IsScreenSize(1024, 768));
        SetScreenSizeForTesting(0, 0);
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
