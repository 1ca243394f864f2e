#include "core/form1.h"

#include "catalogue/catalogue.h"
#include "controls/mediacontrol.h"
#include "core/appstate.h"
#include "core/form2.h"
#include "core/mainwindowlink.h"
#include "system/process.h"
#include "system/runtime.h"
#include "system/screen.h"
#include "system/settings.h"
#include "system/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

namespace kg {

namespace {

QPointer<Form1> g_main;

const QString kSettingsSection = QStringLiteral("Settings");

QString AppName() { return QString::fromLatin1(kAppTitle); }

} // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Kestrana Gallerion  2001"));
    setAccessibleName(windowTitle());
    setGeometry(TwipsRect(30, 435, 12060, 8445));
    buildMenus();
    buildControls();
}

Form1::~Form1() = default;

QAction* Form1::addItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    a->setObjectName(name);
    m_items.insert(name, a);
    return a;
}

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_items.insert(QStringLiteral("mnuFile"), file->menuAction());
    connect(addItem(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    connect(addItem(nullptr, QStringLiteral("mnuExit2"), QStringLiteral("Exit")), &QAction::triggered, this,
            &QWidget::close);
}

void Form1::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    m_frame1 = new QFrame(m_client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setFrameShape(QFrame::NoFrame);
    m_frame1->setGeometry(TwipsRect(0, 7440, 12015, 855));

    auto* exit = new QPushButton(QStringLiteral("X"), m_frame1);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setAccessibleName(QStringLiteral("X"));
    exit->setGeometry(TwipsRect(11760, 60, 240, 735));
    QPalette pal = exit->palette();
    pal.setColor(QPalette::ButtonText, Qt::red);
    exit->setPalette(pal);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto* reload = new QPushButton(QStringLiteral("Reload Array"), m_client);
    reload->setObjectName(QStringLiteral("ReloadArray"));
    reload->setGeometry(TwipsRect(10560, 360, 1215, 255));
    reload->setVisible(false);
    connect(reload, &QPushButton::clicked, this, &Form1::ReloadArrayClick);

    m_media = new MediaControl(m_client);
    m_media->setObjectName(QStringLiteral("MMControl1"));
    m_media->setVisible(false);
}

QWidget* Form1::control(const QString& name) const
{
    return findChild<QWidget*>(name);
}

QAction* Form1::menuItem(const QString& name) const
{
    return m_items.value(name);
}

void Form1::Load()
{
    if (QAction* mag = menuItem(QStringLiteral("mnuMag(1)")))
        mag->setText(EscapeAmpersands(mag->text()));
    SetMousePointer(Pointer::Default);
    UnloadSplash();
    if (g.gbHWI)
        control(QStringLiteral("ReloadArray"))->setVisible(true);
    g.gsDocFile = g.gsDataRoot + QStringLiteral("\\richtext\\desc.rtf");
    m_frame1->raise();
    const int left = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainLeft"), 0);
    const int top = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainTop"), 0);
    const int width = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainWidth"), ScreenWidthTwips());
    const int height = GetSettingNumber(AppName(), kSettingsSection, QStringLiteral("MainHeight"), ScreenHeightTwips());
    move(TwipsToPx(left), TwipsToPx(top));
    resize(TwipsToPx(width), TwipsToPx(height));
    show();
}

void Form1::ReloadArrayClick()
{
    // Maintenance: read the photograph folder again and show the next photograph.
    LoadPhotoArray();
    if (m_afterReload)
        m_afterReload();
}

void Form1::ApplyScreenLayout()
{
    // The designed layout is for exactly 800 × 600 pixels; the compact layout for every
    // other screen is added with the browser's controls.
}

void Form1::QueryUnload()
{
    IgnoreErrors({
        [&] { m_media->command(QStringLiteral("close")); },
        [&] { ShowTaskbar(this); },
        [&] {
            if (!isMinimized()) {
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainLeft"), QString::number(PxToTwips(x())));
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainTop"), QString::number(PxToTwips(y())));
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainWidth"), QString::number(PxToTwips(width())));
                SaveSetting(AppName(), kSettingsSection, QStringLiteral("MainHeight"), QString::number(PxToTwips(height())));
            }
        },
    });
    EndProgram();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_unloading) {
        m_unloading = true;
        QueryUnload();
    }
    event->accept();
}

Form1* MainWindow()
{
    return g_main.data();
}

Form1* LoadMainWindow()
{
    if (!g_main) {
        g_main = new Form1;
        g_main->Load();
    }
    return g_main.data();
}

void UnloadMainWindow()
{
    if (g_main) {
        Form1* w = g_main.data();
        g_main.clear();
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->hide();
        delete w;
    }
}

QWidget* LoadedMainWindow()
{
    return g_main.data();
}

void FocusYearButton(int index)
{
    if (!g_main)
        return;
    if (QWidget* b = g_main->control(QStringLiteral("cmdYR(%1)").arg(index)))
        if (b->isVisible() && b->isEnabled())
            b->setFocus();
}

} // namespace kg
