#pragma once
// The property sidebar's "Lock_tab" page: the lone page of a locked object, a note that it must be
// unlocked to be changed.

#include <QWidget>

#include <memory>

namespace Ui {
class LockPanel;
}

class LockPanel : public QWidget {
    Q_OBJECT
public:
    explicit LockPanel(QWidget *parent = nullptr);
    ~LockPanel() override;

private:
    std::unique_ptr<Ui::LockPanel> ui;
};
