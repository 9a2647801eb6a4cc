#pragma once
// The property sidebar's "sign_tab" page.

#include <QWidget>

class SignPanel : public QWidget {
    Q_OBJECT
public:
    explicit SignPanel(QWidget *parent = nullptr);
    ~SignPanel() override;
};
