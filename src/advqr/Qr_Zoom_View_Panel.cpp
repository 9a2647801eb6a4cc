#include "advqr/Qr_Zoom_View_Panel.h"

#include "core/Utilities.h"

#include "ui_Qr_Zoom_View_Panel.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

Qr_Zoom_View_Panel *Qr_Zoom_OBJ = nullptr;

namespace {

void bindZoomPanel(Qr_Zoom_View_Panel &p, const Ui::Qr_Zoom_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, Zoom_URL_radio, URL_Box, urlForm, URL_Path_lbl, URL_Path_Field,
                                  Zoom_Crd_radio, Cred_Box, credForm, ID_lbl, ID_Field, Pwd_lbl, Pwd_Field,
                                  bottomStretch] = ui;
    p.Zoom_URL_radio = ui.Zoom_URL_radio;
    p.URL_Box = ui.URL_Box;
    p.URL_Path_Field = ui.URL_Path_Field;
    p.Zoom_Crd_radio = ui.Zoom_Crd_radio;
    p.Cred_Box = ui.Cred_Box;
    p.ID_Field = ui.ID_Field;
    p.Pwd_Field = ui.Pwd_Field;
}

} // namespace

Qr_Zoom_View_Panel::Qr_Zoom_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    // The form starts on the link: the credentials box and everything in it disabled.
    Ui::Qr_Zoom_View_Panel ui;
    ui.setupUi(this);
    bindZoomPanel(*this, ui);
    watch(URL_Path_Field);
    watch(ID_Field);
    watch(Pwd_Field);
    connect(Zoom_URL_radio, &QRadioButton::clicked, this, &Qr_Zoom_View_Panel::URL_radio_Clicked);
    connect(Zoom_Crd_radio, &QRadioButton::clicked, this, &Qr_Zoom_View_Panel::Cred_radio_Clicked);
    Qr_Zoom_OBJ = this;
}

Qr_Zoom_View_Panel::~Qr_Zoom_View_Panel() { forget(Qr_Zoom_OBJ, this); }

void Qr_Zoom_View_Panel::URL_radio_Clicked()
{
    Zoom_URL_radio->setChecked(true);
    Zoom_Crd_radio->setChecked(false);
    SetObjEnabled(URL_Box, true);
    SetObjEnabled(Cred_Box, false);
    emit edited();
}

void Qr_Zoom_View_Panel::Cred_radio_Clicked()
{
    Zoom_Crd_radio->setChecked(true);
    Zoom_URL_radio->setChecked(false);
    SetObjEnabled(URL_Box, false);
    SetObjEnabled(Cred_Box, true);
    emit edited();
}
