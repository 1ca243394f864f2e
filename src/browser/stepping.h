#pragma once
// Stepping through the photographs of the selection, with wrap-around, and the file-name
// display.
namespace kg {

void NextPhoto();
void PrevPhoto();
// The menu item "Show File &Names" / "Hide File &Names".
void NamesClick();
// A click on the file-name box switches the display off.
void TxtFileClick();
// Gives the focus to the year button after the year of the selection.
void FocusAfterStep();

} // namespace kg
