// The photograph, clip-art and movie lists built from the sample disc and from small
// folders that show the loader's edge cases.
#include "catalogue/catalogue.h"
#include "catalogue/layout.h"
#include "core/appstate.h"
#include "system/files.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kg;

namespace {

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

QString NameOf(int i)
{
    return g.gsPhotos(i).mid(g.giNamePos - 1 + 11);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void sampleDiscInvariants()
    {
        kgtest::Environment env;
        g.gsDataRoot = g.gsPhotoRoot = QStringLiteral("E:");
        LoadPhotoArray();
        QVERIFY(g.giPhotoCount > 10);
        QCOMPARE(g.gsPhotos.ubound(), g.giPhotoCount + 1);
        QCOMPARE(g.gsPhotoNum.ubound(), g.giPhotoCount + 1);
        QCOMPARE(g.gsPhotos(g.giPhotoCount + 1), QString());
        QCOMPARE(g.giNamePos, 3);
        int expected = 0;
        for (int i = 1; i <= g.giPhotoCount; ++i) {
            const QString name = NameOf(i);
            QCOMPARE(g.gsPhotos(i), QStringLiteral("E:\\kestranas\\") + name);
            QCOMPARE(name, name.toUpper());
            QVERIFY(name.endsWith(QLatin1String(".JPG")));
            if (i > 1)
                QVERIFY2(NameOf(i - 1) < name, qPrintable(NameOf(i - 1) + u' ' + name));
            expected = (i > 1 && NameOf(i - 1).left(2) == name.left(2)) ? expected + 1 : 1;
            QCOMPARE(g.gsPhotoNum(i), QString::number(expected));
            QVERIFY(FileExists(g.gsPhotos(i))); // upper-cased names still resolve on disk
        }
        // 2000 follows 1999 and comes before the category "AZ"; a lower-case "a0" is 2000.
        const QStringList names = [] {
            QStringList l;
            for (int i = 1; i <= g.giPhotoCount; ++i)
                l << NameOf(i);
            return l;
        }();
        QVERIFY(names.contains(QStringLiteral("A0A.JPG")));
        QVERIFY(names.indexOf(QStringLiteral("99B.JPG")) < names.indexOf(QStringLiteral("A0A.JPG")));
        QVERIFY(names.indexOf(QStringLiteral("A1A.JPG")) < names.indexOf(QStringLiteral("AZA.JPG")));
        QVERIFY(names.contains(QStringLiteral("55 WIDE.JPG")));
        QVERIFY(!names.contains(QStringLiteral("README.TXT")));

        // Clip art keeps its case and sorts upper-case letters before lower-case ones.
        QVERIFY(g.giClipCount >= 3);
        QCOMPARE(g.gsClipArt(g.giClipCount + 1), QString());
        QStringList clips;
        for (int i = 1; i <= g.giClipCount; ++i) {
            QVERIFY(g.gsClipArt(i).startsWith(QLatin1String("E:\\clipart\\")));
            clips << g.gsClipArt(i).mid(11);
        }
        QVERIFY(clips.contains(QStringLiteral("1954.JPG")));
        QVERIFY(clips.contains(QStringLiteral("Bonus.jpg")));
        QStringList sorted = clips;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(clips, sorted);
        QCOMPARE(g.giPhoto, g.giClipCount + 1);
        QVERIFY(env.boxes->shown.isEmpty());
    }

    void numberingAndEmptyFolder()
    {
        kgtest::Environment env(false);
        QTemporaryDir disc;
        for (const char* n : {"54a.jpg", "53B.JPG", "53A.JPG", "zz.txt"})
            Touch(disc.path() + QStringLiteral("/kestranas/") + QLatin1String(n));
        QDir(disc.path()).mkpath(QStringLiteral("clipart"));
        kgtest::Environment::SetDrives(QStringLiteral("E=") + disc.path());
        g.gsDataRoot = g.gsPhotoRoot = QStringLiteral("E:");
        LoadPhotoArray();
        QCOMPARE(g.giPhotoCount, 3);
        QCOMPARE(g.gsPhotos.raw(), (QStringList{"E:\\kestranas\\53A.JPG", "E:\\kestranas\\53B.JPG",
                                                "E:\\kestranas\\54A.JPG", ""}));
        QCOMPARE(g.gsPhotoNum.raw(), (QStringList{"1", "2", "1", ""}));
        QCOMPARE(g.giClipCount, 0);
        QCOMPARE(g.giPhoto, 1);

        // A reload after the photographs were removed leaves an empty catalogue.
        QVERIFY(QDir(disc.path() + QStringLiteral("/kestranas")).removeRecursively());
        QDir(disc.path()).mkpath(QStringLiteral("kestranas"));
        LoadPhotoArray();
        QCOMPARE(g.giPhotoCount, 0);
        QCOMPARE(g.gsPhotos.raw(), QStringList{QString()});
        QVERIFY(env.boxes->shown.isEmpty());
    }

    void photosFromCopiesOtherFoldersFromDisc()
    {
        kgtest::Environment env;
        Touch(env.programFolder() + QStringLiteral("/kestranas/60A.JPG"));
        g.gsDataRoot = QStringLiteral("E:");
        g.gsPhotoRoot = env.programFolder();
        LoadPhotoArray();
        QCOMPARE(g.giPhotoCount, 1);
        QCOMPARE(g.gsPhotos(1), env.programFolder() + QStringLiteral("\\kestranas\\60A.JPG"));
        QCOMPARE(NameOf(1), QStringLiteral("60A.JPG"));
        QVERIFY(g.gsClipArt(1).startsWith(QLatin1String("E:\\clipart\\")));
        QCOMPARE(ContentPath(folders::EmbFront, QStringLiteral("emb57f.jpg")), QStringLiteral("E:\\embfront\\emb57f.jpg"));
    }

    void driveNotReadyRetryAndCancel()
    {
        kgtest::Environment env(false);
        g.gsDataRoot = g.gsPhotoRoot = QStringLiteral("E:");
        // Retry while the drive is still missing, then the disc comes back.
        env.boxes->answer(mb::Retry);
        env.boxes->answer(mb::Retry);
        env.boxes->onShow = [&](const MsgBoxCall& call) {
            QVERIFY(call.prompt.contains(QLatin1String(" Unable to load the photo array.")));
            if (env.boxes->shown.size() == 2)
                kgtest::Environment::SetDrives(QStringLiteral("E=") + kgtest::SharedSmallDisc());
        };
        LoadPhotoArray();
        QCOMPARE(env.boxes->shown.size(), 2);
        QVERIFY(g.giPhotoCount > 10);

        kgtest::Environment env2(false);
        g.gsDataRoot = g.gsPhotoRoot = QStringLiteral("E:");
        env2.boxes->answer(mb::Cancel);
        LoadPhotoArray();
        QCOMPARE(env2.endCalls, 1);
        QCOMPARE(env2.boxes->shown.size(), 1);
    }

    void movieList()
    {
        kgtest::Environment env;
        g.gsDataRoot = QStringLiteral("E:");
        LoadMovieList();
        QCOMPARE(g.gsErrCode, QStringLiteral("ER055"));
        QVERIFY(g.giMovieCount >= 1);
        QCOMPARE(g.gsMovies(g.giMovieCount + 1), QString());
        for (int i = 1; i <= g.giMovieCount; ++i)
            QVERIFY(g.gsMovies(i).endsWith(QLatin1String(".avi"), Qt::CaseInsensitive));
    }

    void yearCodes_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QString>("rtf");
        QTest::newRow("first") << 1 << "1953" << "53" << "53";
        QTest::newRow("1982") << 30 << "1982" << "82" << "82";
        QTest::newRow("1984 after the gap") << 31 << "1984" << "84" << "84";
        QTest::newRow("1999") << 46 << "1999" << "99" << "99";
        QTest::newRow("2000") << 47 << "2000" << "A0" << "a0";
        QTest::newRow("2001") << 48 << "2001" << "A1" << "a1";
        QTest::newRow("outside") << 49 << "" << "" << "";
    }
    void yearCodes()
    {
        QFETCH(int, k);
        QFETCH(QString, caption);
        QFETCH(QString, photo);
        QFETCH(QString, rtf);
        QCOMPARE(YearCaption(k), caption);
        QCOMPARE(PhotoCode(k), photo);
        QCOMPARE(RichTextCode(k), rtf);
        if (!caption.isEmpty())
            QCOMPARE(ButtonOfYear(caption.toInt()), k);
    }
};

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
