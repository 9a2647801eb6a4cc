#pragma once
// The property sidebar's "Lock_tab" page.

#include <QWidget>

class LockPanel : public QWidget {
    Q_OBJECT
public:
    explicit LockPanel(QWidget *parent = nullptr);
    ~LockPanel() override;
};
