#include "controls/spinbutton.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace kg {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        // The release may never arrive (a handler opened a dialog, the control was hidden):
        // repeat only while the button is really held.
        if (!isVisible() || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
            stopRepeat();
            return;
        }
        m_repeat.setInterval(m_interval);
        const QPoint at = mapFromGlobal(QCursor::pos());
        // Repeat only while the pointer stays on the pressed arrow.
        const QRect area = m_pressed == Part::Up ? upRect() : downRect();
        if (area.contains(at))
            fire(m_pressed);
    });
}

void SpinButton::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    update();
}

void SpinButton::setRepeatDelay(int firstMs, int intervalMs)
{
    m_firstDelay = qMax(1, firstMs);
    m_interval = qMax(1, intervalMs);
}

QRect SpinButton::upRect() const
{
    const QRect r = rect();
    if (m_orientation == Qt::Vertical)
        return QRect(r.left(), r.top(), r.width(), r.height() / 2);
    const int half = r.width() / 2;
    return QRect(r.left() + half, r.top(), r.width() - half, r.height());
}

QRect SpinButton::downRect() const
{
    const QRect r = rect();
    if (m_orientation == Qt::Vertical) {
        const int half = r.height() / 2;
        return QRect(r.left(), r.top() + half, r.width(), r.height() - half);
    }
    return QRect(r.left(), r.top(), r.width() / 2, r.height());
}

QSize SpinButton::sizeHint() const
{
    return m_orientation == Qt::Vertical ? QSize(16, 24) : QSize(32, 16);
}

void SpinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto drawPart = [&](const QRect& area, Part part) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = area;
        button.state |= m_pressed == part ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

        QStyleOption arrow;
        arrow.initFrom(this);
        const int inset = qMax(1, qMin(area.width(), area.height()) / 5);
        arrow.rect = area.adjusted(inset, inset, -inset, -inset);
        QStyle::PrimitiveElement element;
        if (m_orientation == Qt::Vertical)
            element = part == Part::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown;
        else
            element = part == Part::Up ? QStyle::PE_IndicatorArrowRight : QStyle::PE_IndicatorArrowLeft;
        style()->drawPrimitive(element, &arrow, &painter, this);
    };
    drawPart(upRect(), Part::Up);
    drawPart(downRect(), Part::Down);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    const QPoint at = event->position().toPoint();
    const Part part = upRect().contains(at) ? Part::Up : downRect().contains(at) ? Part::Down : Part::None;
    if (part == Part::None)
        return;
    m_pressed = part;
    update();
    m_repeat.start(m_firstDelay);
    fire(part);
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        stopRepeat();
    QWidget::mouseReleaseEvent(event);
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        fire(Part::Up);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        fire(Part::Down);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SpinButton::changeEvent(QEvent* event)
{
    // A handler may disable the control from inside spinUp()/spinDown(); no repeat then.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopRepeat();
    QWidget::changeEvent(event);
}

void SpinButton::fire(Part part)
{
    if (!isEnabled())
        return;
    if (part == Part::Up)
        emit spinUp();
    else if (part == Part::Down)
        emit spinDown();
}

void SpinButton::stopRepeat()
{
    m_repeat.stop();
    if (m_pressed != Part::None) {
        m_pressed = Part::None;
        update();
    }
}

} // namespace kg
