#pragma once
// An image control.  With stretching on (the default) it draws its picture scaled, smoothly,
// to its own size; with stretching off it takes the size of its picture and shows it at
// natural size.  It has no border and no background of its own, never takes the keyboard
// focus, and reports every mouse press with its button.
#include <QImage>
#include <QWidget>

namespace kg {

class StretchImage : public QWidget {
    Q_OBJECT
public:
    explicit StretchImage(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clearPicture(); // the size stays
    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    // Switching stretching off with a picture loaded resizes the control to the picture.
    void setStretch(bool on);
    bool stretch() const { return m_stretch; }

    QSize sizeHint() const override;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    // A left-button press and release inside the control.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_stretch = true;
    bool m_pressed = false;
};

} // namespace kg
