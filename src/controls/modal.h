#pragma once
// Modal show: shows a window application-modal and runs a nested event loop until the
// window is closed, hidden or destroyed; then the caller resumes.  The window's modality is
// set back to non-modal afterwards, so a later plain show() is modeless.
class QWidget;

namespace kg {

void ShowModal(QWidget* window);

} // namespace kg
