#pragma once
// The holder of one window.  The window is created on its first use and destroyed when it is
// unloaded, so every opening starts from its design state:
//   get()     the window, created first if it is not loaded;
//   loaded()  whether a window is loaded;
//   unload()  closes the window (its close handler runs and may refuse) and deletes it at once.
// A window that is closed some other way (its close box, its own close()) counts as unloaded
// from then on and is deleted when control returns to the event loop; one deleted outright is
// noticed through a guarded pointer.  Either way the next get() builds a fresh window.
#include <QEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace kg {

namespace detail {

// Child of a held window: sees the window's close event through to its end and, when the
// window accepted it, marks the window unloaded and schedules its deletion.
class CloseWatcher : public QObject {
public:
    explicit CloseWatcher(QWidget* window) : QObject(window) { window->installEventFilter(this); }
    bool closed() const { return m_closed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != parent() || event->type() != QEvent::Close || m_closed)
            return false;
        // Let the window's own handler decide first; it may refuse the close.
        const QPointer<QObject> guard(watched);
        watched->event(event);
        if (guard && event->isAccepted()) {
            m_closed = true;
            guard->deleteLater();
        }
        return true; // already delivered
    }

private:
    bool m_closed = false;
};

} // namespace detail

template <class T>
class FormHolder {
public:
    using Factory = std::function<T*()>;

    FormHolder() : m_factory([] { return new T(); }) {}
    explicit FormHolder(Factory factory) : m_factory(std::move(factory)) {}
    FormHolder(const FormHolder&) = delete;
    FormHolder& operator=(const FormHolder&) = delete;

    // Windows still loaded when the holder goes are deleted, while the application lives.
    ~FormHolder()
    {
        if (QCoreApplication::instance())
            delete m_window.data();
    }

    T* get()
    {
        if (!loaded()) {
            forget();
            T* window = m_factory();
            m_window = window;
            m_watcher = new detail::CloseWatcher(window);
        }
        return m_window.data();
    }
    T* operator->() { return get(); }

    bool loaded() const { return m_window && m_watcher && !m_watcher->closed(); }

    // Returns false when the window's close handler refused; it then stays loaded.
    bool unload()
    {
        if (!loaded()) {
            forget();
            return true;
        }
        const QPointer<T> window = m_window;
        window->close();
        if (window && !(m_watcher && m_watcher->closed()))
            return false;
        delete window.data();
        m_window = nullptr;
        m_watcher = nullptr;
        return true;
    }

private:
    // Drops a window that was closed by other means; its deletion is already scheduled.
    void forget()
    {
        m_window = nullptr;
        m_watcher = nullptr;
    }

    Factory m_factory;
    QPointer<T> m_window;
    QPointer<detail::CloseWatcher> m_watcher;
};

} // namespace kg
