#pragma once
// A colour well: a swatch showing a colour (with alpha, over a checkerboard) that opens the colour
// chooser when clicked. Setting the colour from code sends nothing.

#include <QColor>
#include <QWidget>

namespace platform {

class ColorWell : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
public:
    explicit ColorWell(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &c);
    // What choosing a colour in the chooser does, for code that acts as the user.
    void chooseColor(const QColor &c);

    QSize sizeHint() const override { return {44, 22}; }

signals:
    void colorChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_color = Qt::black;
};

} // namespace platform
