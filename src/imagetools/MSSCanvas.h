#pragma once
// The transparent view over a displayed picture on which selection rectangles are drawn. It paints
// in y-up canvas points and hands every mouse event and key to its controller.

#include <QWidget>

class MSSCanvasController;

class MSSCanvas : public QWidget {
    Q_OBJECT
public:
    explicit MSSCanvas(QWidget *parent = nullptr);

    MSSCanvasController *delegate() const { return m_delegate; }
    void setDelegate(MSSCanvasController *delegate) { m_delegate = delegate; }
    bool allowIntersections() const { return m_allowIntersections; }

    // A widget position in canvas points, y up.
    QPointF canvasPoint(const QPointF &widgetPos) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    MSSCanvasController *m_delegate = nullptr;
    bool m_allowIntersections = true;
};
