#include "design/Unit_PrefWindow.h"

#include "ui_Unit_PrefWindow.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

Unit_PrefWindow::Unit_PrefWindow(QWidget *parent) : QDialog(parent)
{
    Ui::Unit_PrefWindow ui;
    ui.setupUi(this);
    unit_matrix = ui.unit_matrix;
    OK_Btn = ui.unit_ok_btn;
    Cancel_Btn = ui.unit_cancel_btn;
    // The rows stand for the unit codes.
    unit_matrix->setId(ui.unit_inch_rd, 0);
    unit_matrix->setId(ui.unit_cm_rd, 1);
    unit_matrix->setId(ui.unit_mm_rd, 2);
    connect(Cancel_Btn, &QPushButton::clicked, this, [this] { done(0); });
}

void Unit_PrefWindow::Select_Unit_Row(int unit)
{
    if (QAbstractButton *row = unit_matrix->button(unit)) {
        row->setChecked(true);
        return;
    }
    // An exclusive group keeps one row checked unless it is told otherwise for a moment.
    unit_matrix->setExclusive(false);
    for (QAbstractButton *b : unit_matrix->buttons())
        b->setChecked(false);
    unit_matrix->setExclusive(true);
}
