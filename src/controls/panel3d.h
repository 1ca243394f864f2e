#pragma once
// A 3-D panel: a frame with a raised or inset bevel that shows a caption.
//
// The caption is also the panel's accessible name, so what a person reads on the panel is
// what accessibility tools read.  Child widgets may be placed inside the panel; windows use
// hidden panels as containers for whole sub-views that a handler shows and hides.
#include <QColor>
#include <QFrame>
#include <QString>

namespace kg {

class Panel3D : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Inset };

    explicit Panel3D(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

    void setBevel(Bevel bevel);
    Bevel bevel() const { return m_bevel; }
    void setBevelWidth(int px);
    int bevelWidth() const { return m_bevelWidth; }

    // Caption colour and background colour (the font is the widget's own: setFont()).
    void setForeColor(const QColor& color);
    QColor foreColor() const;
    void setBackColor(const QColor& color);
    QColor backColor() const;

signals:
    // A left-button press and release inside the panel.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Whether paintEvent draws the caption; a panel whose contents cover it turns this off.
    void setCaptionPainted(bool painted);

private:
    void applyBevel();

    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    Bevel m_bevel = Bevel::Raised;
    int m_bevelWidth = 1;
    bool m_captionPainted = true;
    bool m_pressed = false;
};

} // namespace kg
