#include "controls/stretchimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace kg {

StretchImage::StretchImage(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void StretchImage::setPicture(const QImage& picture)
{
    m_picture = picture;
    if (!m_stretch && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void StretchImage::clearPicture()
{
    m_picture = QImage();
    update();
}

void StretchImage::setStretch(bool on)
{
    m_stretch = on;
    if (!m_stretch && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

QSize StretchImage::sizeHint() const
{
    return m_picture.isNull() ? QWidget::sizeHint() : m_picture.size();
}

void StretchImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_picture);
    } else {
        painter.drawImage(QPoint(0, 0), m_picture);
    }
}

void StretchImage::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressed = event->button() == Qt::LeftButton;
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void StretchImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace kg
