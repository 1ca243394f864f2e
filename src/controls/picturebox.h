#pragma once
// A picture box: shows its picture at natural size in its top-left corner, over a background
// colour, with an optional sunken border.  With autosize on it takes the size of its picture
// (plus the border).  It keeps the picture and repaints from it, can hold child widgets, takes
// the keyboard focus on a press (so the focused control is the box that was clicked), and
// reports every mouse press with its button.
#include <QColor>
#include <QFrame>
#include <QImage>

namespace kg {

class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clearPicture(); // the size stays
    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    // Switching autosize on with a picture loaded resizes at once.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }

    void setBorder(bool on);
    bool border() const { return frameShape() != QFrame::NoFrame; }

    void setBackColor(const QColor& color);
    QColor backColor() const;

    QSize sizeHint() const override;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    // A left-button press and release inside the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToPicture();

    QImage m_picture;
    bool m_autoSize = false;
    bool m_pressed = false;
};

} // namespace kg
