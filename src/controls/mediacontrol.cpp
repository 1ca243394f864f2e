#include "controls/mediacontrol.h"

#include "system/runtime.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMediaPlayer>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVideoWidget>

namespace kg {

namespace {

constexpr std::array<const char*, MediaControl::kButtonCount> kButtonNames = {
    "Prev", "Next", "Play", "Pause", "Back", "Step", "Stop", "Record", "Eject"};

// Record and Eject have no standard icon; both are drawn here.
QIcon DrawnIcon(MediaControl::Button button, const QColor& ink)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (button == MediaControl::Button::Record) {
        painter.setBrush(QColor(192, 0, 0));
        painter.drawEllipse(QRectF(3.5, 3.5, 9, 9));
    } else {
        painter.setBrush(ink);
        QPainterPath triangle;
        triangle.moveTo(8, 3);
        triangle.lineTo(13, 9);
        triangle.lineTo(3, 9);
        triangle.closeSubpath();
        painter.drawPath(triangle);
        painter.drawRect(QRectF(3, 11, 10, 2));
    }
    return QIcon(pixmap);
}

QIcon ButtonIcon(QStyle* style, MediaControl::Button button, const QColor& ink)
{
    switch (button) {
    case MediaControl::Button::Prev: return style->standardIcon(QStyle::SP_MediaSkipBackward);
    case MediaControl::Button::Next: return style->standardIcon(QStyle::SP_MediaSkipForward);
    case MediaControl::Button::Play: return style->standardIcon(QStyle::SP_MediaPlay);
    case MediaControl::Button::Pause: return style->standardIcon(QStyle::SP_MediaPause);
    case MediaControl::Button::Back: return style->standardIcon(QStyle::SP_MediaSeekBackward);
    case MediaControl::Button::Step: return style->standardIcon(QStyle::SP_MediaSeekForward);
    case MediaControl::Button::Stop: return style->standardIcon(QStyle::SP_MediaStop);
    case MediaControl::Button::Record:
    case MediaControl::Button::Eject: return DrawnIcon(button, ink);
    }
    return {};
}

int Index(MediaControl::Button button) { return static_cast<int>(button); }

} // namespace

MediaControl::MediaControl(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint); // design sizes may be small
    for (int i = 0; i < kButtonCount; ++i) {
        const auto which = static_cast<Button>(i);
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kButtonNames[i]));
        b->setAccessibleName(b->objectName());
        b->setIcon(ButtonIcon(style(), which, palette().color(QPalette::ButtonText)));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setAutoRaise(false);
        // The visible buttons share the bar's width equally, whatever its size.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        b->setMinimumSize(0, 0);
        connect(b, &QToolButton::clicked, this, [this, which] { onButton(which); });
        layout->addWidget(b);
        m_buttons[i] = b;
    }
}

MediaControl::~MediaControl()
{
    // The player goes first, after letting go of its outputs: its audio output is a sibling
    // child, and the display widget belongs to some window and may already be gone.
    if (m_player) {
        m_player->disconnect(this);
        m_player->stop();
        m_player->setVideoOutput(nullptr);
        m_player->setAudioOutput(nullptr);
        delete m_player;
    }
    delete m_audio;
}

QString MediaControl::buttonName(Button button) { return QString::fromLatin1(kButtonNames[Index(button)]); }

QAbstractButton* MediaControl::button(Button button) const { return m_buttons[Index(button)]; }

void MediaControl::setButtonEnabled(Button button, bool enabled) { m_buttons[Index(button)]->setEnabled(enabled); }

bool MediaControl::buttonEnabled(Button button) const
{
    return !m_buttons[Index(button)]->testAttribute(Qt::WA_Disabled);
}

void MediaControl::setButtonVisible(Button button, bool visible)
{
    m_buttons[Index(button)]->setVisible(visible);
}

bool MediaControl::buttonVisible(Button button) const { return !m_buttons[Index(button)]->isHidden(); }

void MediaControl::setDisplayWidget(QVideoWidget* display) { m_display = display; }

void MediaControl::command(const QString& cmd)
{
    const QString c = cmd.trimmed().toLower();
    if (c == QLatin1String("open")) {
        open();
        return;
    }
    if (c == QLatin1String("close")) {
        close();
        return;
    }
    const bool known = c == QLatin1String("play") || c == QLatin1String("pause")
                       || c == QLatin1String("stop") || c == QLatin1String("prev");
    if (!known)
        throw RuntimeError(rterr::InvalidCall, QStringLiteral("Invalid command: ") + cmd);
    if (!isOpen()) {
        m_lastError = QStringLiteral("No media is open");
        return;
    }
    if (c == QLatin1String("play")) {
        if (m_player->error() != QMediaPlayer::NoError
            || m_player->mediaStatus() == QMediaPlayer::InvalidMedia) {
            m_lastError = m_player->errorString().isEmpty() ? QStringLiteral("The media cannot be played")
                                                            : m_player->errorString();
            m_mode = Mode::Stopped;
            return;
        }
        m_player->play();
        m_mode = Mode::Playing;
    } else if (c == QLatin1String("pause")) {
        if (m_mode == Mode::Playing) {
            m_player->pause();
            m_mode = Mode::Paused;
        }
    } else if (c == QLatin1String("stop")) {
        // QMediaPlayer::stop() would rewind; a stopped device keeps its position.
        if (m_mode == Mode::Playing || m_mode == Mode::Paused) {
            m_player->pause();
            m_mode = Mode::Stopped;
        }
    } else { // prev
        m_player->setPosition(0);
    }
}

void MediaControl::open()
{
    close();
    m_lastError.clear();
    if (m_fileName.isEmpty())
        throw RuntimeError(rterr::BadFileName, QStringLiteral("Bad file name or number"));
    const QFileInfo info(m_fileName);
    if (!info.exists() || !info.isFile())
        throw RuntimeError(rterr::FileNotFound, QStringLiteral("File not found"));

    const QString type = m_deviceType.trimmed().toLower();
    const bool wave = type == QLatin1String("waveaudio");
    const bool video = type == QLatin1String("avivideo");
    if (!wave && !video && !type.isEmpty())
        throw RuntimeError(rterr::InvalidCall, QStringLiteral("Invalid device type: ") + m_deviceType);

    // Each device takes only its own kind of file: a RIFF file of form "WAVE" or "AVI ".
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(rterr::PathFileAccess, QStringLiteral("Path/File access error"));
    const QByteArray header = file.read(12);
    file.close();
    const bool riff = header.size() == 12 && header.startsWith("RIFF");
    if ((wave && !(riff && header.mid(8) == "WAVE")) || (video && !(riff && header.mid(8) == "AVI ")))
        throw RuntimeError(rterr::PathFileAccess,
                           QStringLiteral("The file cannot be played on the ") + m_deviceType + QStringLiteral(" device"));

    m_player = new QMediaPlayer(this);
    // Always give the player an audio output, even with no audio device present: without
    // one the pipeline of a file with sound fails and never reaches its end.
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    if (!wave && m_display)
        m_player->setVideoOutput(m_display.data());

    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString& text) {
        if (error == QMediaPlayer::NoError || !isOpen())
            return;
        m_lastError = text.isEmpty() ? QStringLiteral("The media cannot be played") : text;
        m_mode = Mode::Stopped;
    });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status != QMediaPlayer::EndOfMedia || m_mode != Mode::Playing)
            return;
        m_mode = Mode::Stopped;
        emit finished();
    });
    m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    m_mode = Mode::Stopped;
}

void MediaControl::close()
{
    m_mode = Mode::NotOpen;
    if (!m_player)
        return;
    // Called from the player's own signals too (a finished() handler that closes), so the
    // player and its output go later; no further signal of theirs reaches this control.
    m_player->disconnect(this);
    m_player->stop();
    m_player->setVideoOutput(nullptr);
    m_player->setAudioOutput(nullptr);
    m_player->setSource(QUrl());
    m_player->deleteLater();
    m_audio->deleteLater();
    m_player = nullptr;
    m_audio = nullptr;
}

void MediaControl::onButton(Button button)
{
    const QPointer<MediaControl> self(this);
    emit buttonClicked(button);
    if (!self || !isOpen())
        return;
    switch (button) {
    case Button::Prev:
        command(QStringLiteral("prev"));
        break;
    case Button::Play:
        command(QStringLiteral("play"));
        break;
    case Button::Pause:
        if (m_mode == Mode::Paused)
            command(QStringLiteral("play"));
        else
            command(QStringLiteral("pause"));
        break;
    case Button::Stop:
        command(QStringLiteral("stop"));
        break;
    default:
        break;
    }
}

} // namespace kg
