#pragma once
// What code below the main window needs of it, without depending on the window class.
class QWidget;

namespace kg {

// The main window when it is loaded, else nullptr.
QWidget* LoadedMainWindow();
// Gives the keyboard focus to year button `index` when the main window has it.
void FocusYearButton(int index);

} // namespace kg
