#pragma once
// The splash window, where the program starts: it refuses a second running copy, finds the
// content disc, plays the start-up sound, loads the catalogue and, five seconds later, opens
// the main window.
#include <QTimer>
#include <QWidget>

namespace kg {

class MediaControl;
class Panel3D;
class StretchImage;

class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2();
    ~Form2() override;

    // The splash's load handler: the whole start-up up to arming the timer and loading the
    // catalogue.  Returns false when the program ended on the way (tests: EndProgram hook).
    bool Load();
    // The timer's first tick: loads and shows the main window.
    void Timer1Timer();

    QTimer* Timer1() { return &m_timer; }
    MediaControl* MMControl1() { return m_media; }

private:
    // Finds the roots; false when no drive holds the photographs.
    bool SearchDisc();

    Panel3D* m_panel = nullptr;
    StretchImage* m_image = nullptr;
    MediaControl* m_media = nullptr;
    QTimer m_timer;
};

// The splash window while it is loaded.
Form2* Splash();
Form2* LoadSplash();
// Closes the splash window (it is deleted once control returns to the event loop, so it
// may be called from its own timer).
void UnloadSplash();

// The picture the splash shows.
QImage SplashPicture(QSize size);

} // namespace kg
