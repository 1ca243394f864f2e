#pragma once
// Puts a photograph of the catalogue into the main window's picture Image4, decoded at the
// size it is shown.  A picture that cannot be loaded raises a run-time failure and the
// picture on display stays as it was.
#include <QString>

namespace kg {

void ShowPhotoInImage4(const QString& contentPath);

} // namespace kg
