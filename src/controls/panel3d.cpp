#include "controls/panel3d.h"

#include <QMouseEvent>
#include <QPainter>

namespace kg {

Panel3D::Panel3D(QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    applyBevel();
}

void Panel3D::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void Panel3D::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void Panel3D::setBevel(Bevel bevel)
{
    m_bevel = bevel;
    applyBevel();
}

void Panel3D::setBevelWidth(int px)
{
    m_bevelWidth = qMax(0, px);
    applyBevel();
}

void Panel3D::applyBevel()
{
    switch (m_bevel) {
    case Bevel::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Bevel::Raised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case Bevel::Inset:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
    setLineWidth(m_bevelWidth);
    update();
}

void Panel3D::setForeColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

QColor Panel3D::foreColor() const { return palette().color(QPalette::WindowText); }

void Panel3D::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QColor Panel3D::backColor() const { return palette().color(QPalette::Window); }

void Panel3D::setCaptionPainted(bool painted)
{
    m_captionPainted = painted;
    update();
}

void Panel3D::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!m_captionPainted || m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    // Captions are shown literally: an ampersand is no access-key marker on a panel.
    painter.drawText(contentsRect().adjusted(2, 0, -2, 0),
                     int(m_alignment) | Qt::TextSingleLine, m_caption);
}

void Panel3D::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    if (m_pressed)
        event->accept(); // keep the release coming to this panel
    else
        QFrame::mousePressEvent(event);
}

void Panel3D::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace kg
