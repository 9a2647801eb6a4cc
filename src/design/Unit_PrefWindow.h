#pragma once
// The units window: one radio matrix of the three units (rows 0 inch, 1 cm, 2 mm) with OK and
// Cancel. It only shows the choice; the main window's units command reads the chosen row after the
// modal run and converts the current mode's fields.

#include <QDialog>

class QButtonGroup;
class QPushButton;

class Unit_PrefWindow : public QDialog {
    Q_OBJECT
public:
    explicit Unit_PrefWindow(QWidget *parent = nullptr);

    QButtonGroup *unit_matrix = nullptr;   // ids are the unit codes
    QPushButton *OK_Btn = nullptr;         // ends the run with 1 (the owner connects it)
    QPushButton *Cancel_Btn = nullptr;     // ends the run with 0

    // Checks the row of a unit code; a code outside 0-2 leaves no row checked.
    void Select_Unit_Row(int unit);
};
