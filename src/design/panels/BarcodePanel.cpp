#include "design/panels/BarcodePanel.h"

#include "core/Edition.h"
#include "design/panels/PanelControls.h"
#include "platform/FormBinding.h"

#include "ui_BarcodePanel.h"

#include <QPushButton>

namespace {

void bind(BarcodePanel &c, const Ui::BarcodePanel &ui)
{
    // Not outlets: the page's layout, scroll area, scrolling content and the content's layout and
    // stretch.
    designform::bindForm<5>(ui, FORM_OUTLET(barcode_prop_btn), FORM_OUTLET(Edit_Qr_Code_Val_BTN));
}

} // namespace

BarcodePanel::BarcodePanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::BarcodePanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    Edit_Qr_Code_Val_BTN->setVisible(ONLY_QR_MODE);
    panelcontrols::onClick(barcode_prop_btn, this, [this] { View_barcode_prop_Button(); });
    panelcontrols::onClick(Edit_Qr_Code_Val_BTN, this, [this] { Edit_Adv_QR_Value_Clicked(); });
}

BarcodePanel::~BarcodePanel() = default;

void BarcodePanel::View_barcode_prop_Button() { emit barcodeWindowRequested(); }

void BarcodePanel::Edit_Adv_QR_Value_Clicked() { emit qrValueEditRequested(); }

#include "moc_BarcodePanel.cpp"
