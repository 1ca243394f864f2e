#include "controls/gauge.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace kg {

Gauge::Gauge(QWidget* parent) : Panel3D(parent), m_bar(new QProgressBar(this))
{
    setBevel(Bevel::Inset);
    setCaptionPainted(false); // the bar draws the text
    m_bar->setObjectName(QStringLiteral("bar"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(true);
    m_bar->setFormat(QStringLiteral("%p%"));
    m_bar->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this); // fills the contents rect, whatever the bevel
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetNoConstraint); // design sizes may be tiny
    m_bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_bar->setMinimumSize(0, 0);
    layout->addWidget(m_bar);
    setPercent(0);
}

void Gauge::setPercent(int percent)
{
    m_percent = qBound(0, percent, 100);
    m_bar->setValue(m_percent);
    setCaption(text());
    m_bar->setAccessibleName(text());
}

QString Gauge::text() const { return QString::number(m_percent) + QLatin1Char('%'); }

} // namespace kg
