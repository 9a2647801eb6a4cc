#pragma once
// The property sidebar's "line_tab" page.

#include <QWidget>

class LinePanel : public QWidget {
    Q_OBJECT
public:
    explicit LinePanel(QWidget *parent = nullptr);
    ~LinePanel() override;
};
