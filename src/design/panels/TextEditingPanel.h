#pragma once
// The property sidebar's "text_edtng_tab" page.

#include <QWidget>

class TextEditingPanel : public QWidget {
    Q_OBJECT
public:
    explicit TextEditingPanel(QWidget *parent = nullptr);
    ~TextEditingPanel() override;
};
