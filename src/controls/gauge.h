#pragma once
// A 3-D panel used as a percentage gauge: a progress bar filling the panel shows the
// percentage as "N%".  The panel's caption (and so its accessible name) follows the text.
#include "controls/panel3d.h"

class QProgressBar;

namespace kg {

class Gauge : public Panel3D {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);

    // Clamped to 0 … 100.
    void setPercent(int percent);
    int percent() const { return m_percent; }
    QString text() const; // "N%"

    QProgressBar* bar() const { return m_bar; }

private:
    QProgressBar* m_bar;
    int m_percent = 0;
};

} // namespace kg
