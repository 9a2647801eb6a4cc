#include "advqr/Qr_Bitcoin_Crypto_View_Panel.h"

#include "ui_Qr_Bitcoin_Crypto_View_Panel.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

Qr_Bitcoin_Crypto_View_Panel *Qr_bitcoin_OBJ = nullptr;

namespace {

// The coin cells are read through the group, by id.
void bindCryptoPanel(Qr_Bitcoin_Crypto_View_Panel &p, const Ui::Qr_Bitcoin_Crypto_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, crypto_type_matrix_view, cells, crypto_type_cell_0, crypto_type_cell_1,
                                  crypto_type_cell_2, crypto_type_cell_3, crypto_type_cell_4, crypto_type_cell_5,
                                  crypto_type_cell_6, crypto_type_cell_7, cellStretch, form, wallet_address_lbl,
                                  wallet_address, amount_lbl, amount_field, recipient_lbl, recipient_field,
                                  message_lbl, message_field, bottomStretch, crypto_type_matrix] = ui;
    p.crypto_type_matrix = ui.crypto_type_matrix;
    p.crypto_type_matrix_view = ui.crypto_type_matrix_view;
    p.wallet_address = ui.wallet_address;
    p.amount_field = ui.amount_field;
    p.recipient_field = ui.recipient_field;
    p.message_field = ui.message_field;
}

} // namespace

Qr_Bitcoin_Crypto_View_Panel::Qr_Bitcoin_Crypto_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Bitcoin_Crypto_View_Panel ui;
    ui.setupUi(this);
    bindCryptoPanel(*this, ui);
    // A coin's id is its column.
    const QList<QRadioButton *> cells = {ui.crypto_type_cell_0, ui.crypto_type_cell_1, ui.crypto_type_cell_2,
                                         ui.crypto_type_cell_3, ui.crypto_type_cell_4, ui.crypto_type_cell_5,
                                         ui.crypto_type_cell_6, ui.crypto_type_cell_7};
    for (int column = 0; column < cells.size(); ++column)
        crypto_type_matrix->setId(cells.at(column), column);
    for (QLineEdit *f : {wallet_address, amount_field, recipient_field, message_field})
        watch(f);
    connect(crypto_type_matrix, &QButtonGroup::idClicked, this, &QrPanelBase::edited);
    Qr_bitcoin_OBJ = this;
}

Qr_Bitcoin_Crypto_View_Panel::~Qr_Bitcoin_Crypto_View_Panel() { forget(Qr_bitcoin_OBJ, this); }
