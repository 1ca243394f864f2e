#include "system/screen.h"

#include "system/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kg {

namespace {
int g_testW = 0, g_testH = 0;
Pointer g_pointer = Pointer::Default;
bool g_taskbarHidden = false;

QSize ScreenPx()
{
    if (g_testW > 0 && g_testH > 0)
        return QSize(g_testW, g_testH);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return QSize(800, 600);
}
} // namespace

int ScreenWidthTwips() { return PxToTwips(ScreenPx().width()); }
int ScreenHeightTwips() { return PxToTwips(ScreenPx().height()); }

void SetScreenSizeForTesting(int widthPx, int heightPx)
{
    g_testW = widthPx;
    g_testH = heightPx;
}

bool IsScreenSize(int width, int height)
{
    return ScreenWidthTwips() == PxToTwips(width) && ScreenHeightTwips() == PxToTwips(height);
}

void SetMousePointer(Pointer p)
{
    if (p == g_pointer)
        return;
    g_pointer = p;
    if (!qApp)
        return;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (p == Pointer::Hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

Pointer MousePointer() { return g_pointer; }

long FindTaskbar() { return 1; }

void HideTaskbar(QWidget* mainWindow)
{
    g_taskbarHidden = true;
    if (mainWindow)
        mainWindow->showFullScreen();
}

void ShowTaskbar(QWidget* mainWindow)
{
    // Leaves full screen; a minimized window stays minimized.
    if (g_taskbarHidden && mainWindow && (mainWindow->windowState() & Qt::WindowFullScreen))
        mainWindow->setWindowState(mainWindow->windowState() & ~Qt::WindowFullScreen);
    g_taskbarHidden = false;
}

bool TaskbarHidden() { return g_taskbarHidden; }

} // namespace kg
