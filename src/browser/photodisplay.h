#pragma once
// Puts a photograph of the catalogue into the main window's picture Image4, decoded at the
// size it is shown, and decodes the photographs one step before and after it ahead.  A
// picture that cannot be loaded raises a run-time failure and the picture on display stays
// as it was.
namespace kg {

// Shows catalogue entry `index` (g.gsPhotos).
void ShowPhotoInImage4(int index);

} // namespace kg
