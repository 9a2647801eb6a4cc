#pragma once
// The property sidebar's "shape_tab" page.

#include <QWidget>

class ShapePanel : public QWidget {
    Q_OBJECT
public:
    explicit ShapePanel(QWidget *parent = nullptr);
    ~ShapePanel() override;
};
