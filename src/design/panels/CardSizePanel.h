#pragma once
// The property sidebar's "card_size_tab" page.

#include <QWidget>

class CardSizePanel : public QWidget {
    Q_OBJECT
public:
    explicit CardSizePanel(QWidget *parent = nullptr);
    ~CardSizePanel() override;
};
