#include "advqr/Qr_UPI_View_Panel.h"

#include "ui_Qr_UPI_View_Panel.h"

#include <QLineEdit>

Qr_UPI_View_Panel *Qr_upi_OBJ = nullptr;

namespace {

void bindUpiPanel(Qr_UPI_View_Panel &p, const Ui::Qr_UPI_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, upi_id_lbl, upi_id_field, name_lbl, name_field, amount_lbl, amount_field,
                                  note_lbl, note_field] = ui;
    p.upi_id_field = ui.upi_id_field;
    p.name_field = ui.name_field;
    p.amount_field = ui.amount_field;
    p.note_field = ui.note_field;
}

} // namespace

Qr_UPI_View_Panel::Qr_UPI_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_UPI_View_Panel ui;
    ui.setupUi(this);
    bindUpiPanel(*this, ui);
    for (QLineEdit *f : {upi_id_field, name_field, amount_field, note_field})
        watch(f);
    Qr_upi_OBJ = this;
}

Qr_UPI_View_Panel::~Qr_UPI_View_Panel() { forget(Qr_upi_OBJ, this); }
