#pragma once
// The media-control object: plays a wave or video file named by a device type and a file
// name, driven by string commands, and shows a bar of the nine classic buttons
// (Prev, Next, Play, Pause, Back, Step, Stop, Record, Eject), each with its own enabled and
// visible flag.  The bar may be hidden while the control still plays; a bar can also be used
// for its buttons alone, without ever opening a file.
//
// Playback sits on QMediaPlayer.  The audio output is created when a file is opened and
// released when it is closed; a machine without a working audio device still plays (to no
// sound) and never stops the program.  Errors that the player reports later, while loading or
// playing, are recorded in lastError() and end the playing state; they are never thrown.
#include <QPointer>
#include <QVideoWidget>
#include <QString>
#include <QWidget>
#include <array>

class QAbstractButton;
class QAudioOutput;
class QMediaPlayer;
class QToolButton;

namespace kg {

class MediaControl : public QWidget {
    Q_OBJECT
public:
    enum class Button { Prev, Next, Play, Pause, Back, Step, Stop, Record, Eject };
    Q_ENUM(Button)
    static constexpr int kButtonCount = 9;

    enum class Mode { NotOpen, Stopped, Playing, Paused };

    explicit MediaControl(QWidget* parent = nullptr);
    ~MediaControl() override;

    // "WaveAudio", "AVIVideo" (any case), or empty to go by the file.
    void setDeviceType(const QString& type) { m_deviceType = type; }
    const QString& deviceType() const { return m_deviceType; }
    // Native path of the file the next "open" opens.
    void setFileName(const QString& nativePath) { m_fileName = nativePath; }
    const QString& fileName() const { return m_fileName; }
    // Where video is drawn; takes effect at the next "open" and may be deleted at any time.
    void setDisplayWidget(QVideoWidget* display);
    QVideoWidget* displayWidget() const { return m_display; }

    // Commands, any case:
    //   "open"   opens fileName() on deviceType(), closing what was open; the media stands at
    //            its start, stopped.  Throws RuntimeError 52 (no file name), 53 "File not found",
    //            5 (unknown device type) or 75 (the file is not of the device's kind).
    //   "play"   plays from the current position.
    //   "pause"  pauses.
    //   "stop"   stops where it is (the position stays; "prev" goes back to the start).
    //   "prev"   goes to the start.
    //   "close"  stops and releases the file and the audio output.
    // "play", "pause", "stop" and "prev" with nothing open do nothing but record lastError().
    // Any other command throws RuntimeError 5.
    void command(const QString& cmd);

    Mode mode() const { return m_mode; }
    bool isOpen() const { return m_mode != Mode::NotOpen; }
    bool isPlaying() const { return m_mode == Mode::Playing; }
    // The last failure reported by a command or by the player ("" when none since "open").
    const QString& lastError() const { return m_lastError; }

    void setButtonEnabled(Button button, bool enabled);
    bool buttonEnabled(Button button) const;
    void setButtonVisible(Button button, bool visible);
    bool buttonVisible(Button button) const;
    QAbstractButton* button(Button button) const;
    // "Prev", "Next", … — also each button's objectName and accessible name.
    static QString buttonName(Button button);

    QMediaPlayer* player() const { return m_player; }

signals:
    // A click on a button; emitted before the control's own action for Prev (to the start),
    // Play, Pause (pause, or resume when paused) and Stop.  A handler may delete the control.
    void buttonClicked(kg::MediaControl::Button button);
    // The media played to its end.
    void finished();

private:
    void open();
    void close();
    void onButton(Button button);

    QString m_deviceType;
    QString m_fileName;
    QPointer<QVideoWidget> m_display;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_audio = nullptr;
    Mode m_mode = Mode::NotOpen;
    QString m_lastError;
    std::array<QToolButton*, kButtonCount> m_buttons{};
};

} // namespace kg
