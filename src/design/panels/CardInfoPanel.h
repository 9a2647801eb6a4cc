#pragma once
// The property sidebar's "card_info_tab" page.

#include <QWidget>

class CardInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardInfoPanel(QWidget *parent = nullptr);
    ~CardInfoPanel() override;
};
