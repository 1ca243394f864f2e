#pragma once
// A spin button: two small arrow buttons, stacked (up above down) or side by side (down on
// the left, up on the right), of any size.  It has no value of its own: a press on an arrow
// emits spinUp() or spinDown(), and holding the button down repeats the signal.  With the
// keyboard focus, Up/Right emit spinUp() and Down/Left emit spinDown().
#include <QTimer>
#include <QWidget>

namespace kg {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    // Vertical: up arrow on top.  Horizontal: down (left) arrow left, up (right) arrow right.
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const { return m_orientation; }

    // Delay before a held arrow starts repeating, and the repeat interval, in ms.
    void setRepeatDelay(int firstMs, int intervalMs);

    QRect upRect() const;
    QRect downRect() const;

    QSize sizeHint() const override;

signals:
    void spinUp();
    void spinDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Part { None, Up, Down };
    void fire(Part part);
    void stopRepeat();

    Qt::Orientation m_orientation = Qt::Vertical;
    Part m_pressed = Part::None;
    QTimer m_repeat;
    int m_firstDelay = 400;
    int m_interval = 100;
};

} // namespace kg
