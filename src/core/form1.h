#pragma once
// The main window: the photograph browser and the hub every other window opens from.
#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class QFrame;
class QAbstractButton;

namespace kg {

class MediaControl;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // The load handler: runs once, right after the window is created.
    void Load();
    // The compact layout on screens other than 800 × 600 pixels.
    void ApplyScreenLayout();
    // The query-unload handler that every way of closing the window runs.
    void QueryUnload();

    // The hidden maintenance button "Reload Array".
    void ReloadArrayClick();
    // What runs after a reload (the photo step of the browser).
    void setAfterReload(std::function<void()> f) { m_afterReload = std::move(f); }

    // Controls by their design name ("cmdExit", "mnuMag(1)", "cmdYR(12)").
    QWidget* control(const QString& name) const;
    QAction* menuItem(const QString& name) const;
    QWidget* clientArea() const { return m_client; }
    MediaControl* MMControl1() const { return m_media; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);

    QWidget* m_client = nullptr;
    QFrame* m_frame1 = nullptr;
    MediaControl* m_media = nullptr;
    QHash<QString, QAction*> m_items;
    bool m_unloading = false;
    std::function<void()> m_afterReload;
};

// The main window while it is loaded.
Form1* MainWindow();
// Creates the main window on first use and runs its load handler.
Form1* LoadMainWindow();
// Destroys the main window (tests), so the next use starts from its design state.
void UnloadMainWindow();

} // namespace kg
