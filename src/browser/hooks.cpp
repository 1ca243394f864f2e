#include "browser/hooks.h"

namespace kg {

void RefreshInsigniaBoxes() {}
void CloseSlideShowWindow() {}
void CloseDocumentViewer() {}
void ShowPhotoDetails() {}
void UpdateScreenSaverButtons() {}

} // namespace kg
