#pragma once
// The property sidebar's "aligmnt_tab" page.

#include <QWidget>

class AlignmentPanel : public QWidget {
    Q_OBJECT
public:
    explicit AlignmentPanel(QWidget *parent = nullptr);
    ~AlignmentPanel() override;
};
