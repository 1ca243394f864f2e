#include "core/form2.h"

#include "catalogue/catalogue.h"
#include "catalogue/layout.h"
#include "controls/mediacontrol.h"
#include "controls/panel3d.h"
#include "controls/stretchimage.h"
#include "core/appstate.h"
#include "core/errorreport.h"
#include "core/form1.h"
#include "system/files.h"
#include "system/msgbox.h"
#include "system/paths.h"
#include "system/process.h"
#include "system/screen.h"
#include "system/twips.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace kg {

namespace {
QPointer<Form2> g_splash;
const QString kPhotoPattern = QStringLiteral("\\kestranas\\*.jpg");
} // namespace

QImage SplashPicture(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient grad(0, 0, 0, size.height());
    grad.setColorAt(0, QColor(20, 20, 60));
    grad.setColorAt(1, QColor(128, 0, 0));
    p.fillRect(img.rect(), grad);
    p.setPen(QColor(240, 220, 160));
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(size.height() / 9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(img.rect().adjusted(0, 0, 0, -size.height() / 4), Qt::AlignCenter,
               QStringLiteral("The Kestrana\nGallerion"));
    f.setPixelSize(size.height() / 6);
    p.setFont(f);
    p.drawText(img.rect().adjusted(0, size.height() / 2, 0, 0), Qt::AlignCenter, QStringLiteral("2001"));
    return img;
}

Form2::Form2()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(TwipsToPx(9600), TwipsToPx(6975));
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());

    m_panel = new Panel3D(this);
    m_panel->setObjectName(QStringLiteral("SSPanel1"));
    m_panel->setGeometry(TwipsRect(0, 0, 9615, 6975));

    m_image = new StretchImage(m_panel);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setGeometry(TwipsRect(360, 360, 8925, 6255));
    m_image->setPicture(SplashPicture(m_image->size()));

    m_media = new MediaControl(m_panel);
    m_media->setObjectName(QStringLiteral("MMControl1"));
    m_media->setGeometry(TwipsRect(2880, 5400, 3540, 330));
    m_media->setVisible(false);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &Form2::Timer1Timer);
}

Form2::~Form2() = default;

bool Form2::SearchDisc()
{
    g.gsErrCode = QStringLiteral("ER001");
    const QString programFolder = ProgramFolder();
    // Photographs copied to the hard drive are read from there; the disc is still needed
    // for everything else.
    IgnoreErrors({[&] {
        if (!FindFirst(programFolder + kPhotoPattern).isEmpty())
            g.gsPhotoRoot = programFolder;
    }});
    g.gsDrives = QStringLiteral("DEFGHIJKLMNOPQRSTUVWXYZ");
    bool found = false;
    for (g.giLoop = 1; g.giLoop <= g.gsDrives.size() && !found; ++g.giLoop) {
        const QString drive = g.gsDrives.mid(g.giLoop - 1, 1) + u':';
        // A drive that is not ready fails the look-up and counts as not found.
        IgnoreErrors({[&] {
            if (!FindFirst(drive + kPhotoPattern).isEmpty()) {
                g.gsDataRoot = drive;
                found = true;
            }
        }});
    }
    if (!found)
        return false;
    if (g.gsPhotoRoot.isEmpty())
        g.gsPhotoRoot = g.gsDataRoot;
    return true;
}

bool Form2::Load()
{
    show();
    if (!AcquireInstanceLock()) {
        MsgBox(QStringLiteral("The Kestrana Gallerion is already running!"),
               mb::OKOnly | mb::Critical | mb::SystemModal, QString::fromLatin1(kAppTitle));
        UnloadSplash();
        EndProgram();
        return false;
    }
    SetMousePointer(Pointer::Hourglass);

    if (g.gbHWI) {
        g.gsPhotoRoot = ProgramFolder();
        g.gsDataRoot = ProgramFolder();
    } else {
        bool failedBefore = false;
        while (!SearchDisc()) {
            failedBefore = true;
            m_timer.stop();
            hide();
            ReportError(); // "ER001": Retry searches again, Cancel ends the program
            if (EndProgramCalled()) {
                UnloadSplash();
                return false;
            }
        }
        if (failedBefore)
            show();
    }

    // From here on a failing step is skipped.
    IgnoreErrors({
        [&] {
            g.gsWavFile = ProgramFolder() + QStringLiteral("\\passby.wav");
            if (FileExists(g.gsWavFile)) {
                m_media->command(QStringLiteral("close"));
                m_media->setDeviceType(QStringLiteral("WaveAudio"));
                m_media->setFileName(NativePath(g.gsWavFile));
                m_media->command(QStringLiteral("open"));
                m_media->command(QStringLiteral("play"));
            } else {
                g.gsErrCode = QStringLiteral("ER055");
            }
        },
        [&] { m_timer.start(5000); },
        [&] { g.gbFirstClick = true; },
        [&] { LoadPhotoArray(); },
    });
    return !EndProgramCalled();
}

void Form2::Timer1Timer()
{
    m_timer.stop();
    Form1* main = LoadMainWindow(); // its load handler closes the splash and shows it
    if (main)
        main->ApplyScreenLayout();
}

Form2* Splash()
{
    return g_splash.data();
}

Form2* LoadSplash()
{
    if (!g_splash)
        g_splash = new Form2;
    return g_splash.data();
}

void UnloadSplash()
{
    if (!g_splash)
        return;
    Form2* splash = g_splash.data();
    g_splash.clear();
    splash->Timer1()->stop();
    splash->hide();
    splash->deleteLater();
}

} // namespace kg
