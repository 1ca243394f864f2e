#include "controls/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kg {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
    setBorder(true);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    fitToPicture();
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToPicture();
}

void PictureBox::setBorder(bool on)
{
    setFrameStyle(on ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(on ? 2 : 0);
    fitToPicture();
}

void PictureBox::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QColor PictureBox::backColor() const { return palette().color(QPalette::Window); }

QSize PictureBox::sizeHint() const
{
    if (m_picture.isNull())
        return QFrame::sizeHint();
    const int frame = 2 * frameWidth();
    return m_picture.size() + QSize(frame, frame);
}

void PictureBox::fitToPicture()
{
    if (m_autoSize && !m_picture.isNull())
        resize(sizeHint());
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressed = event->button() == Qt::LeftButton;
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace kg
