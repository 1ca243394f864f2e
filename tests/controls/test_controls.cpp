// Tests of the control stand-ins: picture loading, picture boxes and image controls, the
// spin button, panels and gauges, the window holder, modal show and the media control.
#include <QAbstractButton>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "controls/formholder.h"
#include "controls/gauge.h"
#include "controls/mediacontrol.h"
#include "controls/modal.h"
#include "controls/panel3d.h"
#include "controls/picturebox.h"
#include "controls/pictures.h"
#include "controls/spinbutton.h"
#include "controls/stretchimage.h"
#include "system/runtime.h"
#include "system/twips.h"

using kg::MediaControl;

namespace {

QImage Pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 255));
    return image;
}

QByteArray JpegBytes(bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(Pattern(200, 100));
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A mono 16-bit 8 kHz wave file of `ms` milliseconds of a square tone.
QByteArray WavBytes(int ms)
{
    const int rate = 8000;
    const int samples = rate * ms / 1000;
    QByteArray out;
    const auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) out.append(char(v >> (8 * i))); };
    const auto u16 = [&](quint16 v) { out.append(char(v)); out.append(char(v >> 8)); };
    out.append("RIFF");
    u32(36 + samples * 2);
    out.append("WAVEfmt ");
    u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    out.append("data");
    u32(samples * 2);
    for (int i = 0; i < samples; ++i)
        u16(quint16(i % 40 < 20 ? 3000 : -3000));
    return out;
}

int ErrorNumber(const std::function<void()>& body)
{
    try {
        body();
    } catch (const kg::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

class Window : public QWidget {
public:
    bool refuseClose = false;
    int closes = 0;
    QPushButton* button = new QPushButton(QStringLiteral("Exit"), this);

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        if (refuseClose)
            event->ignore();
    }
};

} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void loadPicture_data();
    void loadPicture();
    void pictureBoxSizesToPicture();
    void stretchImage();
    void spinButton_data();
    void spinButton();
    void panelAndGauge();
    void formHolder();
    void formHolderUnloadFromOwnHandler();
    void showModal();
    void mediaControlPlaysWave();
    void mediaControlFailures();
    void mediaControlRecordsPlayerErrors();
    void mediaControlButtons();

private:
    QTemporaryDir m_dir;
};

void TestControls::loadPicture_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<int>("error");
    QTest::addColumn<QSize>("size");

    const QByteArray jpeg = JpegBytes(false);
    const QByteArray progressive = JpegBytes(true);
    QVERIFY(jpeg.endsWith("\xFF\xD9"));
    QTest::newRow("jpeg") << jpeg << QSize() << 0 << QSize(200, 100);
    QTest::newRow("jpeg scaled") << jpeg << QSize(50, 25) << 0 << QSize(50, 25);
    QTest::newRow("progressive scaled") << progressive << QSize(100, 50) << 0 << QSize(100, 50);
    QTest::newRow("data after the end marker") << jpeg + QByteArray(100, 'x') << QSize() << 0 << QSize(200, 100);
    QTest::newRow("missing") << QByteArray() << QSize() << 53 << QSize();
    QTest::newRow("empty") << QByteArray("") << QSize() << 481 << QSize();
    QTest::newRow("text") << QByteArray("not a picture at all\n") << QSize() << 481 << QSize();
    QTest::newRow("jpeg cut in half") << jpeg.left(jpeg.size() / 2) << QSize() << 481 << QSize();
    QTest::newRow("jpeg without end marker") << jpeg.chopped(2) << QSize() << 481 << QSize();
    QTest::newRow("progressive cut") << progressive.left(progressive.size() * 3 / 4) << QSize() << 481 << QSize();
}

void TestControls::loadPicture()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, target);
    QFETCH(int, error);
    QFETCH(QSize, size);

    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".jpg"));
    if (!bytes.isNull())
        WriteFile(path, bytes);
    QImage image;
    QCOMPARE(ErrorNumber([&] { image = kg::LoadPictureFile(path, target); }), error);
    QCOMPARE(image.size(), error ? QSize(0, 0) : size);
}

void TestControls::pictureBoxSizesToPicture()
{
    kg::PictureBox box;
    box.resize(10, 10);
    box.setAutoSize(true);
    box.setPicture(Pattern(120, 45));
    const int frame = 2 * box.frameWidth();
    QVERIFY(frame > 0);
    QCOMPARE(box.size(), QSize(120 + frame, 45 + frame));
    box.setBorder(false);
    QCOMPARE(box.size(), QSize(120, 45));
    box.clearPicture();
    QVERIFY(!box.hasPicture());
    QCOMPARE(box.size(), QSize(120, 45));

    kg::PictureBox fixed; // without autosize the box keeps its own size
    fixed.resize(30, 30);
    fixed.setPicture(Pattern(120, 45));
    QCOMPARE(fixed.size(), QSize(30, 30));

    QSignalSpy pressed(&box, &kg::PictureBox::mousePressed);
    box.show();
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
}

void TestControls::stretchImage()
{
    QImage twoColours(2, 1, QImage::Format_RGB32);
    twoColours.setPixel(0, 0, qRgb(255, 0, 0));
    twoColours.setPixel(1, 0, qRgb(0, 0, 255));
    kg::StretchImage image;
    image.resize(100, 50);
    image.setPicture(twoColours);
    QCOMPARE(image.size(), QSize(100, 50));
    const QImage shown = image.grab().toImage();
    QCOMPARE(shown.pixelColor(5, 25), QColor(255, 0, 0));
    QCOMPARE(shown.pixelColor(95, 25), QColor(0, 0, 255));

    image.setStretch(false);
    QCOMPARE(image.size(), QSize(2, 1));
    image.setStretch(true);
    image.resize(100, 50);
    image.setPicture(Pattern(30, 20));
    QCOMPARE(image.size(), QSize(100, 50));
}

void TestControls::spinButton_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("downs");
    QTest::newRow("vertical top") << Qt::Vertical << QPoint(10, 5) << 0 << 1 << 0;
    QTest::newRow("vertical bottom") << Qt::Vertical << QPoint(10, 35) << 0 << 0 << 1;
    QTest::newRow("horizontal left") << Qt::Horizontal << QPoint(5, 20) << 0 << 0 << 1;
    QTest::newRow("horizontal right") << Qt::Horizontal << QPoint(35, 20) << 0 << 1 << 0;
    QTest::newRow("key up") << Qt::Horizontal << QPoint() << int(Qt::Key_Up) << 1 << 0;
    QTest::newRow("key down") << Qt::Vertical << QPoint() << int(Qt::Key_Down) << 0 << 1;
}

void TestControls::spinButton()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QPoint, at);
    QFETCH(int, key);
    QFETCH(int, ups);
    QFETCH(int, downs);

    kg::SpinButton spin;
    spin.setOrientation(orientation);
    spin.resize(40, 40);
    spin.show();
    QSignalSpy up(&spin, &kg::SpinButton::spinUp);
    QSignalSpy down(&spin, &kg::SpinButton::spinDown);
    const auto act = [&] {
        if (key)
            QTest::keyClick(&spin, Qt::Key(key));
        else
            QTest::mouseClick(&spin, Qt::LeftButton, {}, at);
    };
    act();
    QCOMPARE(up.count(), ups);
    QCOMPARE(down.count(), downs);

    spin.setEnabled(false); // a disabled spin button is silent
    for (int i = 0; i < 2; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not accepted")));
    act();
    QCOMPARE(up.count() + down.count(), 1);
}

void TestControls::panelAndGauge()
{
    kg::Panel3D panel;
    panel.setCaption(QStringLiteral("1953"));
    QCOMPARE(panel.caption(), QStringLiteral("1953"));
    QCOMPARE(panel.accessibleName(), QStringLiteral("1953"));

    kg::Gauge gauge;
    for (const auto& [in, out] : {std::pair{-5, 0}, {42, 42}, {100, 100}, {250, 100}}) {
        gauge.setPercent(in);
        QCOMPARE(gauge.percent(), out);
        QCOMPARE(gauge.bar()->text(), QString::number(out) + QLatin1Char('%'));
        QCOMPARE(gauge.accessibleName(), gauge.bar()->text());
    }
    gauge.resize(kg::TwipsToPx(6495), kg::TwipsToPx(375)); // a copy gauge, sized in twips
    QCOMPARE(gauge.size(), QSize(433, 25));
}

void TestControls::formHolder()
{
    kg::FormHolder<Window> holder;
    QVERIFY(!holder.loaded());
    Window* first = holder.get();
    QVERIFY(holder.loaded());
    QCOMPARE(holder.get(), first);
    first->setWindowTitle(QStringLiteral("changed"));
    QSignalSpy destroyed(first, &QObject::destroyed);

    QVERIFY(holder.unload());
    QCOMPARE(destroyed.count(), 1); // at once, not later
    QVERIFY(!holder.loaded());
    QVERIFY(holder.get()->windowTitle().isEmpty()); // a fresh window

    holder.get()->refuseClose = true; // a close handler that refuses keeps the window
    QVERIFY(!holder.unload());
    QVERIFY(holder.loaded());
    QCOMPARE(holder.get()->closes, 1);
    holder.get()->refuseClose = false;

    Window* shown = holder.get(); // closed by the user: unloaded from then on
    shown->show();
    shown->close();
    QVERIFY(!holder.loaded());
    QVERIFY(holder.get() != shown);

    delete holder.get(); // deleted outright
    QVERIFY(!holder.loaded());
    QVERIFY(holder.get());
}

void TestControls::formHolderUnloadFromOwnHandler()
{
    kg::FormHolder<Window> holder;
    Window* window = holder.get();
    QObject::connect(window->button, &QPushButton::clicked, window, [&holder] { holder.unload(); });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QPointer<Window> guard(window);
    QTest::mouseClick(window->button, Qt::LeftButton);
    QVERIFY(guard.isNull());
    QVERIFY(!holder.loaded());
}

void TestControls::showModal()
{
    for (const bool destroy : {false, true}) {
        QPointer<Window> window = new Window;
        Qt::WindowModality during = Qt::NonModal;
        QTimer::singleShot(50, window, [&] {
            during = window->windowModality();
            if (destroy)
                delete window.data();
            else
                window->close();
        });
        kg::ShowModal(window);
        QCOMPARE(during, Qt::ApplicationModal);
        QCOMPARE(window.isNull(), destroy);
        if (window) {
            QVERIFY(!window->isVisible());
            QCOMPARE(window->windowModality(), Qt::NonModal);
            delete window.data();
        }
    }
}

void TestControls::mediaControlPlaysWave()
{
    const QString wav = m_dir.filePath(QStringLiteral("beep.wav"));
    WriteFile(wav, WavBytes(200));
    MediaControl media;
    media.hide();
    QSignalSpy finished(&media, &MediaControl::finished);
    // The start-up and sound-effect sequence; no audio device is needed.
    media.command(QStringLiteral("close"));
    media.setDeviceType(QStringLiteral("WaveAudio"));
    media.setFileName(wav);
    media.command(QStringLiteral("open"));
    QCOMPARE(media.mode(), MediaControl::Mode::Stopped);
    media.command(QStringLiteral("Play"));
    QVERIFY(media.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    QVERIFY(!media.isPlaying());

    media.command(QStringLiteral("play"));
    media.command(QStringLiteral("pause"));
    QCOMPARE(media.mode(), MediaControl::Mode::Paused);
    media.command(QStringLiteral("stop"));
    media.command(QStringLiteral("prev"));
    QCOMPARE(media.mode(), MediaControl::Mode::Stopped);
    media.command(QStringLiteral("close"));
    QVERIFY(!media.isOpen());
    QTest::qWait(50); // the released player goes through the event loop
    media.command(QStringLiteral("play")); // nothing open: recorded, not thrown
    QVERIFY(!media.lastError().isEmpty());
}

void TestControls::mediaControlFailures()
{
    const QString text = m_dir.filePath(QStringLiteral("text.wav"));
    WriteFile(text, "RIFF but not really a wave file");
    struct Case {
        const char* device;
        QString file;
        const char* cmd;
        int error;
    } cases[] = {
        {"WaveAudio", m_dir.filePath(QStringLiteral("missing.wav")), "open", 53},
        {"WaveAudio", QString(), "open", 52},
        {"WaveAudio", text, "open", 75},
        {"CDAudio", text, "open", 5},
        {"WaveAudio", text, "rewind", 5},
    };
    for (const Case& c : cases) {
        MediaControl media;
        media.setDeviceType(QString::fromLatin1(c.device));
        media.setFileName(c.file);
        QCOMPARE(ErrorNumber([&] { media.command(QString::fromLatin1(c.cmd)); }), c.error);
        QVERIFY(!media.isOpen());
    }
}

void TestControls::mediaControlRecordsPlayerErrors()
{
    // A wave header over garbage passes "open"; the player's failure comes later and must end
    // the playing state, and the display may go away while the file is open.
    const QString bad = m_dir.filePath(QStringLiteral("bad.wav"));
    WriteFile(bad, WavBytes(100).left(12) + QByteArray(4000, '\x5a'));
    auto* display = new QVideoWidget;
    MediaControl media;
    media.setDisplayWidget(display);
    media.setFileName(bad);
    media.command(QStringLiteral("open"));
    media.command(QStringLiteral("play"));
    QTRY_VERIFY_WITH_TIMEOUT(!media.isPlaying(), 10000);
    QVERIFY(!media.lastError().isEmpty());
    delete display;
    QVERIFY(media.displayWidget() == nullptr);
    media.command(QStringLiteral("close"));
}

void TestControls::mediaControlButtons()
{
    auto* media = new MediaControl;
    media->resize(300, 30);
    media->show();
    QStringList names;
    for (auto* b : media->findChildren<QAbstractButton*>())
        names << b->objectName();
    QCOMPARE(names, (QStringList{"Prev", "Next", "Play", "Pause", "Back", "Step", "Stop", "Record", "Eject"}));

    media->setButtonVisible(MediaControl::Button::Record, false);
    media->setButtonEnabled(MediaControl::Button::Record, false);
    media->setButtonEnabled(MediaControl::Button::Pause, false);
    QVERIFY(!media->buttonVisible(MediaControl::Button::Record));
    QVERIFY(!media->buttonEnabled(MediaControl::Button::Pause));
    QVERIFY(media->buttonEnabled(MediaControl::Button::Play) && media->buttonVisible(MediaControl::Button::Play));
    media->hide(); // hiding the bar keeps each button's own flag
    QVERIFY(media->buttonVisible(MediaControl::Button::Play));
    media->show();

    QSignalSpy clicked(media, &MediaControl::buttonClicked);
    QTest::mouseClick(media->button(MediaControl::Button::Play), Qt::LeftButton); // nothing open
    QTest::mouseClick(media->button(MediaControl::Button::Pause), Qt::LeftButton); // disabled
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).value<MediaControl::Button>(), MediaControl::Button::Play);

    // A handler may delete the bar with its window (the slide show's Exit does).
    QPointer<MediaControl> guard(media);
    QObject::connect(media, &MediaControl::buttonClicked, media, [media](MediaControl::Button b) {
        if (b == MediaControl::Button::Stop)
            delete media;
    });
    QTest::mouseClick(media->button(MediaControl::Button::Stop), Qt::LeftButton);
    QVERIFY(guard.isNull());
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
