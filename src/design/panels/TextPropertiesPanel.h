#pragma once
// The property sidebar's "text_prop_tab" page.

#include <QWidget>

class TextPropertiesPanel : public QWidget {
    Q_OBJECT
public:
    explicit TextPropertiesPanel(QWidget *parent = nullptr);
    ~TextPropertiesPanel() override;
};
