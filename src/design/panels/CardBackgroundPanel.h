#pragma once
// The property sidebar's "card_bkgd_tab" page.

#include <QWidget>

class CardBackgroundPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardBackgroundPanel(QWidget *parent = nullptr);
    ~CardBackgroundPanel() override;
};
