#include "controls/modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace kg {

namespace {

// Ends the loop when the window is hidden for good.  A minimised window also gets a
// (spontaneous) hide event but stays visible, so it keeps the loop running.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* window, QEventLoop* loop) : m_window(window), m_loop(loop)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Hide && !m_window->isVisible())
            m_loop->quit();
        return false;
    }

private:
    QWidget* m_window;
    QEventLoop* m_loop;
};

} // namespace

void ShowModal(QWidget* window)
{
    if (!window)
        return;
    QPointer<QWidget> guard(window);
    if (window->isVisible())
        window->hide(); // modality changes take effect only on a hidden window
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (guard) {
        window->raise();
        window->activateWindow();
    }
    // The window may have closed itself while it was being shown.
    if (guard && window->isVisible()) {
        QEventLoop loop;
        HideWatcher watcher(window, &loop);
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::DialogExec);
        if (guard)
            window->removeEventFilter(&watcher);
    }
    if (guard && !window->isVisible())
        window->setWindowModality(Qt::NonModal);
}

} // namespace kg
