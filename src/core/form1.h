#pragma once
// The main window: the photograph browser and the hub every other window opens from.
#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextBrowser;

namespace kg {

class MediaControl;
class Panel3D;
class PictureBox;
class SpinButton;
class StretchImage;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // The load handler: runs once, right after the window is created.
    void Load();
    // The compact layout on screens other than exactly 800 × 600 pixels.
    void ApplyScreenLayout();
    // The query-unload handler that every way of closing the window runs.
    void QueryUnload();
    // The hidden maintenance button "Reload Array".
    void ReloadArrayClick();
    // "HideStatusBar" / "ShowStatusBar".
    void HideStatusClick();
    // Help contents: the help document handed to the desktop's viewer.
    void ContentsClick();
    // The first click on the window's own surface.
    void BareClick();

    // Controls by their design name ("cmdExit", "cmdYR(12)"), menu items likewise.
    QWidget* control(const QString& name) const;
    QAction* menuItem(const QString& name) const;
    QPushButton* button(const QString& name) const;
    QPushButton* yearButton(int k) const;

    Panel3D* panYear() const { return m_panYear; }
    Panel3D* panPhoto() const { return m_panPhoto; }
    SpinButton* spinButton1() const { return m_spin; }
    StretchImage* image4() const { return m_image4; }
    QLineEdit* txtFile() const { return m_txtFile; }
    QTextBrowser* rtbDetails() const { return m_rtbDetails; }
    QWidget* clientArea() const { return m_client; }
    QFrame* frame1() const { return m_frame1; }
    MediaControl* MMControl1() const { return m_media; }

    // The help document shown by Help > Contents.
    static QString HelpFile();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void buildYearBar();

    QWidget* m_client = nullptr;
    QFrame* m_frame1 = nullptr;
    Panel3D* m_panYear = nullptr;
    Panel3D* m_panPhoto = nullptr;
    SpinButton* m_spin = nullptr;
    StretchImage* m_image4 = nullptr;
    QLineEdit* m_txtFile = nullptr;
    QTextBrowser* m_rtbDetails = nullptr;
    MediaControl* m_media = nullptr;
    QHash<QString, QAction*> m_items;
    bool m_unloading = false;
};

// The main window while it is loaded.
Form1* MainWindow();
// Creates the main window on first use and runs its load handler.
Form1* LoadMainWindow();
// Destroys the main window (tests), so the next use starts from its design state.
void UnloadMainWindow();

// The picture the photo area shows before the first selection.
QImage StartPicture(QSize size);

} // namespace kg
