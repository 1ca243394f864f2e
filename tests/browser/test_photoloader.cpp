// The photo loader: pictures at the shown size, decoding ahead that never changes what a step
// shows or reports, a bounded cache, and clean shutdown with decodes in flight.
#include "browser/photoloader.h"
#include "controls/pictures.h"
#include "system/runtime.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

constexpr QSize kBox(97, 61);

// A small picture with detail in it (so scaling artefacts show), coloured by `hue`.
QImage MakePicture(int hue, QSize size = {640, 480})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(hue, 200, 220));
    QPainter p(&image);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv((hue + 30 * i) % 360, 255, 120 + 10 * i));
        p.drawEllipse(QPoint(40 * i + 20, 30 * i + 15), 60, 35);
    }
    return image;
}

int ErrorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const kg::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

class TestPhotoLoader : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_good, m_truncated, m_missing;

    QString write(const QString& name, const QImage& image)
    {
        const QString path = m_dir.filePath(name);
        if (!image.save(path, "JPEG", 90))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_good = write(QStringLiteral("good.jpg"), MakePicture(10));
        m_truncated = write(QStringLiteral("cut.jpg"), MakePicture(200));
        QFile cut(m_truncated);
        QVERIFY(cut.open(QIODevice::ReadWrite));
        QVERIFY(cut.resize(cut.size() / 2));
        m_missing = m_dir.filePath(QStringLiteral("missing.jpg"));
    }

    // Directly, and after decoding ahead (waited for, or still running), a step shows the
    // very pixels (or gets the very failure) that decoding on the spot gives.
    void loadMatchesDirectDecode_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("ahead");
        QTest::addColumn<bool>("waitAhead");
        QTest::addColumn<int>("error");
        const struct { const char* name; QString file; int error; } files[] = {
            {"good", m_good, 0}, {"truncated", m_truncated, 481}, {"missing", m_missing, 53}};
        for (const auto& f : files) {
            QTest::addRow("%s direct", f.name) << f.file << false << false << f.error;
            QTest::addRow("%s ahead", f.name) << f.file << true << true << f.error;
            QTest::addRow("%s in flight", f.name) << f.file << true << false << f.error;
        }
    }
    void loadMatchesDirectDecode()
    {
        QFETCH(QString, file);
        QFETCH(bool, ahead);
        QFETCH(bool, waitAhead);
        QFETCH(int, error);
        QCOMPARE(ErrorNumber([&] { kg::LoadPictureFile(file, kBox); }), error);

        kg::PhotoLoader loader;
        if (ahead)
            loader.prefetch({file}, kBox);
        if (waitAhead) {
            loader.waitForIdle();
            QVERIFY(loader.isReady(file, kBox));
        }
        for (int ask = 0; ask < 2; ++ask) { // a remembered failure is thrown every time
            QImage shown;
            QCOMPARE(ErrorNumber([&] { shown = loader.load(file, kBox); }), error);
            if (!error) {
                QCOMPARE(shown.size(), kBox);
                QCOMPARE(shown, kg::LoadPictureFile(file, kBox));
            }
        }
    }

    // A file replaced after it was remembered, or repaired after its failure was remembered,
    // is decoded again.
    void replacedFileIsDecodedAgain()
    {
        kg::PhotoLoader loader;
        const QString path = write(QStringLiteral("replaced.jpg"), MakePicture(300));
        const QImage before = loader.load(path, kBox);
        QVERIFY(MakePicture(120, {800, 600}).save(path, "JPEG", 90));
        QFile file(path); // the copy is newer, whatever the file system's clock resolution
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                 QFileDevice::FileModificationTime));
        file.close();
        const QImage after = loader.load(path, kBox);
        QVERIFY(after != before);
        QCOMPARE(after, kg::LoadPictureFile(path, kBox));

        const QString broken = m_dir.filePath(QStringLiteral("repaired.jpg"));
        QVERIFY(QFile::copy(m_truncated, broken));
        loader.prefetch({broken}, kBox);
        loader.waitForIdle();
        QCOMPARE(ErrorNumber([&] { loader.load(broken, kBox); }), 481);
        QVERIFY(QFile::remove(broken));
        QVERIFY(QFile::copy(path, broken));
        QCOMPARE(loader.load(broken, kBox), after);
    }

    // Decoding ahead across many photographs keeps the cache within its bounds, and the
    // remembered pictures are still correct.
    void cacheStaysBounded()
    {
        QStringList files;
        for (int i = 0; i < 20; ++i)
            files << write(QStringLiteral("run%1.jpg").arg(i), MakePicture(i * 17));
        kg::PhotoLoader loader(4);
        for (int step = 0; step < files.size(); ++step) {
            QCOMPARE(loader.load(files[step], kBox).size(), kBox);
            loader.prefetch(files.mid(step + 1), kBox);
            QVERIFY(loader.cachedCount() <= 4);
        }
        loader.waitForIdle();
        QVERIFY(loader.cachedCount() <= 4);

        kg::PhotoLoader bytesBound(8, 3 * qint64(kBox.width()) * kBox.height() * 4);
        bytesBound.prefetch(files, kBox);
        bytesBound.waitForIdle();
        QCOMPARE(bytesBound.cachedCount(), 3);
    }

    // Clearing and destroying while decodes are queued and running is clean (run this under
    // the address sanitizer), and clearing forgets every picture.
    void clearAndDestroyWithWorkInFlight()
    {
        QStringList big;
        for (int i = 0; i < 4; ++i)
            big << write(QStringLiteral("big%1.jpg").arg(i), MakePicture(i * 40, {2400, 1600}));
        for (int round = 0; round < 3; ++round) {
            kg::PhotoLoader loader;
            loader.prefetch(big, {});
            loader.clear();
            QCOMPARE(loader.cachedCount(), 0);
            loader.prefetch(big, kBox);
            QCOMPARE(loader.load(big[round], kBox).size(), kBox);
            // destroyed here with decodes still queued or running
        }
        kg::Photos().prefetch(big, kBox); // the shared loader stops with the application
    }
};

QTEST_MAIN(TestPhotoLoader)
#include "test_photoloader.moc"
