#pragma once
// The property sidebar's "image_tab" page.

#include <QWidget>

class ImagePanel : public QWidget {
    Q_OBJECT
public:
    explicit ImagePanel(QWidget *parent = nullptr);
    ~ImagePanel() override;
};
