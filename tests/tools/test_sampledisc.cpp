// The sample disc writer: the small fixture has the files the other tests rely on, in
// their real formats, and is the same byte for byte on every run.
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSampleDisc : public QObject {
    Q_OBJECT

    QTemporaryDir first_, second_;

    static int Run(const QStringList& args, QByteArray* err = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(KG_SAMPLEDISC), args);
        if (!p.waitForFinished(60000))
            return -1;
        if (err)
            *err = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(first_.isValid() && second_.isValid());
        QCOMPARE(Run({"--small", first_.path()}), 0);
        QCOMPARE(Run({"--small", second_.path()}), 0);
    }

    // Each file starts with its format's signature; the names are spelled as on disk.
    void filesHaveTheirFormats_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("form"); // the RIFF form type at offset 8
        QTest::newRow("lower-case photo") << "kestranas/a0a.jpg" << QByteArray("\xFF\xD8\xFF") << QByteArray();
        QTest::newRow("mixed-case photo") << "kestranas/53b.jpg" << QByteArray("\xFF\xD8\xFF") << QByteArray();
        QTest::newRow("non-ASCII name") << "kestranas/55\u00e9.jpg" << QByteArray("\xFF\xD8\xFF") << QByteArray();
        QTest::newRow("upper-case clip art") << "clipart/1954.JPG" << QByteArray("\xFF\xD8\xFF") << QByteArray();
        QTest::newRow("rich text") << "RichText/zrdesc.rtf" << QByteArray("{\\rtf1") << QByteArray();
        QTest::newRow("year document") << "RichText/53desc.rtf" << QByteArray("{\\rtf1\\ansi") << QByteArray();
        QTest::newRow("wave") << "wav/passby.wav" << QByteArray("RIFF") << QByteArray("WAVEfmt ");
        QTest::newRow("movie") << "movies/1953.avi" << QByteArray("RIFF") << QByteArray("AVI LIST");
        QTest::newRow("not a photo") << "kestranas/readme.txt" << QByteArray("Sample") << QByteArray();
    }
    void filesHaveTheirFormats()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, form);
        const QByteArray bytes = Read(first_.filePath(file));
        QVERIFY2(bytes.startsWith(head), qPrintable(file));
        if (!form.isEmpty())
            QCOMPARE(bytes.mid(8, form.size()), form);
    }

    void photographsDecodeExceptTheTruncatedOne_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("56A") << "kestranas/56A.jpg" << true;
        QTest::newRow("56B truncated") << "kestranas/56B.JPG" << false;
        QTest::newRow("emblem") << "embfront/emb53f.jpg" << true;
    }
    void photographsDecodeExceptTheTruncatedOne()
    {
        QFETCH(QString, file);
        QFETCH(bool, decodes);
        QImageReader reader(first_.filePath(file));
        QCOMPARE(!reader.read().isNull(), decodes);
    }

    void outputIsDeterministic()
    {
        QDirIterator it(first_.path(), QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(first_.path()).relativeFilePath(path);
            QVERIFY2(Read(path) == Read(second_.filePath(relative)), qPrintable(relative));
            ++files;
        }
        QDirIterator other(second_.path(), QDir::Files, QDirIterator::Subdirectories);
        while (other.hasNext()) {
            other.next();
            --files;
        }
        QCOMPARE(files, 0);
    }

    void passbyAndFailures()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath("passby.wav");
        QCOMPARE(Run({"--passby", wav}), 0);
        QCOMPARE(Read(wav).mid(8, 4), QByteArray("WAVE"));

        // A folder below a plain file cannot be created, whoever runs the test.
        QByteArray err;
        QVERIFY(Run({"--small", wav + "/disc"}, &err) != 0);
        QVERIFY(err.contains("cannot"));
        QVERIFY(Run({"--bogus"}) != 0);
    }
};

QTEST_MAIN(TestSampleDisc)
#include "test_sampledisc.moc"
