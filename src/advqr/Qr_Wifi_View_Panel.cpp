#include "advqr/Qr_Wifi_View_Panel.h"

#include "ui_Qr_Wifi_View_Panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

Qr_Wifi_View_Panel *Qr_wifi_OBJ = nullptr;

namespace {

void bindWifiPanel(Qr_Wifi_View_Panel &p, const Ui::Qr_Wifi_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, Wifi_Name_lbl, Wifi_Name, wifi_Password_lbl, wifi_Password, encryption_lbl,
                                  encryption, visibility_lbl, visibility, visibilityRow, Visible_radio, hidden_radio,
                                  visibilityStretch] = ui;
    p.Wifi_Name = ui.Wifi_Name;
    p.wifi_Password = ui.wifi_Password;
    p.encryption = ui.encryption;
    p.Visible_radio = ui.Visible_radio;
    p.hidden_radio = ui.hidden_radio;
}

} // namespace

Qr_Wifi_View_Panel::Qr_Wifi_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Wifi_View_Panel ui;
    ui.setupUi(this);
    bindWifiPanel(*this, ui);
    watch(Wifi_Name);
    watch(wifi_Password);
    connect(encryption, &QComboBox::activated, this, &QrPanelBase::edited);
    connect(Visible_radio, &QRadioButton::clicked, this, &Qr_Wifi_View_Panel::Visible_radio_Clicked);
    connect(hidden_radio, &QRadioButton::clicked, this, &Qr_Wifi_View_Panel::hidden_radio_Clicked);
    Qr_wifi_OBJ = this;
}

Qr_Wifi_View_Panel::~Qr_Wifi_View_Panel() { forget(Qr_wifi_OBJ, this); }

void Qr_Wifi_View_Panel::Visible_radio_Clicked()
{
    Visible_radio->setChecked(true);
    hidden_radio->setChecked(false);
    emit edited();
}

void Qr_Wifi_View_Panel::hidden_radio_Clicked()
{
    hidden_radio->setChecked(true);
    Visible_radio->setChecked(false);
    emit edited();
}
