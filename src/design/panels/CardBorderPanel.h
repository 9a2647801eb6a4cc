#pragma once
// The property sidebar's "card_brdr_tab" page.

#include <QWidget>

class CardBorderPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardBorderPanel(QWidget *parent = nullptr);
    ~CardBorderPanel() override;
};
