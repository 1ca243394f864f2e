#pragma once
// What a change of selection or a photo step asks of the windows and panels around the
// photograph.  Each does nothing while the window or panel it serves does not exist yet.
namespace kg {

// Reloads each visible insignia and clip-art box for the selection, or hides all five for
// the categories that have none.
void RefreshInsigniaBoxes();
// Closes the slide-show window when it is loaded.
void CloseSlideShowWindow();
// Closes the document viewer when it is loaded.
void CloseDocumentViewer();
// Shows the details of the photograph on display in the details box.
void ShowPhotoDetails();
// Sets the screen-saver buttons for the photograph on display.
void UpdateScreenSaverButtons();

} // namespace kg
