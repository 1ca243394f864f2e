#pragma once
// Screen size, the mouse pointer and the desktop panels.
#include <QString>

class QWidget;

namespace kg {

// The primary screen's logical size in twips (15 twips to the pixel).  Tests may set it.
int ScreenWidthTwips();
int ScreenHeightTwips();
void SetScreenSizeForTesting(int widthPx, int heightPx); // 0, 0 restores the real screen

// True exactly when the screen is width × height pixels at 15 twips to the pixel.
bool IsScreenSize(int width, int height);

// The mouse pointer: one process-wide state, set and not stacked.
enum class Pointer { Default, Hourglass };
void SetMousePointer(Pointer p);
Pointer MousePointer();

// The desktop's taskbar.  Linux has no taskbar window to hide, so hiding the taskbar makes
// the main window full screen, which covers the desktop panels, and showing it again brings
// the window back to its normal state.  FindTaskbar returns a non-zero stand-in handle.
long FindTaskbar();
void HideTaskbar(QWidget* mainWindow);
void ShowTaskbar(QWidget* mainWindow);
bool TaskbarHidden();

} // namespace kg
