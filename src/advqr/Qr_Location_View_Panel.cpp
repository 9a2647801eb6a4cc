#include "advqr/Qr_Location_View_Panel.h"

#include "core/Utilities.h"

#include "ui_Qr_Location_View_Panel.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

Qr_Location_View_Panel *Qr_Location_OBJ = nullptr;

namespace {

void bindLocationPanel(Qr_Location_View_Panel &p, const Ui::Qr_Location_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, Loc_URL_radio, URL_Box, urlForm, URL_Path_lbl, URL_Path_Field,
                                  Loc_Cord_radio, Cord_Box, cordForm, Latitude_lbl, Latitude_Field, Longitude_lbl,
                                  Longitude_Field, bottomStretch] = ui;
    p.Loc_URL_radio = ui.Loc_URL_radio;
    p.URL_Box = ui.URL_Box;
    p.URL_Path_Field = ui.URL_Path_Field;
    p.Loc_Cord_radio = ui.Loc_Cord_radio;
    p.Cord_Box = ui.Cord_Box;
    p.Latitude_Field = ui.Latitude_Field;
    p.Longitude_Field = ui.Longitude_Field;
}

} // namespace

Qr_Location_View_Panel::Qr_Location_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    // The form starts on the link: the coordinates box and everything in it disabled.
    Ui::Qr_Location_View_Panel ui;
    ui.setupUi(this);
    bindLocationPanel(*this, ui);
    watch(URL_Path_Field);
    watch(Latitude_Field);
    watch(Longitude_Field);
    connect(Loc_URL_radio, &QRadioButton::clicked, this, &Qr_Location_View_Panel::URL_radio_Clicked);
    connect(Loc_Cord_radio, &QRadioButton::clicked, this, &Qr_Location_View_Panel::Cord_radio_Clicked);
    Qr_Location_OBJ = this;
}

Qr_Location_View_Panel::~Qr_Location_View_Panel() { forget(Qr_Location_OBJ, this); }

void Qr_Location_View_Panel::URL_radio_Clicked()
{
    Loc_URL_radio->setChecked(true);
    Loc_Cord_radio->setChecked(false);
    SetObjEnabled(URL_Box, true);
    SetObjEnabled(Cord_Box, false);
    emit edited();
}

void Qr_Location_View_Panel::Cord_radio_Clicked()
{
    Loc_Cord_radio->setChecked(true);
    Loc_URL_radio->setChecked(false);
    SetObjEnabled(URL_Box, false);
    SetObjEnabled(Cord_Box, true);
    emit edited();
}
