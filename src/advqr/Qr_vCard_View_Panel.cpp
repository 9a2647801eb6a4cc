#include "advqr/Qr_vCard_View_Panel.h"

#include "ui_Qr_vCard_View_Panel.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

Qr_vCard_View_Panel *Qr_vcard_OBJ = nullptr;

namespace {

void bindContactPanel(Qr_vCard_View_Panel &p, const Ui::Qr_vCard_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, detail_buttons, buttonRow, collapse_btn, expand_btn, buttonStretch,
                                  full_details_box, detailsForm, First_Name_lbl, First_Name, Last_Name_lbl, Last_Name,
                                  Mobile_lbl, Mobile, Phone_lbl, Phone, Company_lbl, Company, Position_lbl, Position,
                                  Phone_Work_lbl, Phone_Work, Fax_lbl, Fax, Email_lbl, Email, Email_Work_lbl,
                                  Email_Work, Website_lbl, Website, Street_lbl, Street, City_lbl, City, State_lbl,
                                  State, Zip_lbl, Zip, Country_lbl, Country, bottomStretch] = ui;
    p.collapse_btn = ui.collapse_btn;
    p.expand_btn = ui.expand_btn;
    p.full_details_box = ui.full_details_box;
    p.First_Name = ui.First_Name;
    p.Last_Name = ui.Last_Name;
    p.Mobile = ui.Mobile;
    p.Phone = ui.Phone;
    p.Company = ui.Company;
    p.Position = ui.Position;
    p.Phone_Work = ui.Phone_Work;
    p.Fax = ui.Fax;
    p.Email = ui.Email;
    p.Email_Work = ui.Email_Work;
    p.Website = ui.Website;
    p.Street = ui.Street;
    p.City = ui.City;
    p.State = ui.State;
    p.Zip = ui.Zip;
    p.Country = ui.Country;
}

} // namespace

Qr_vCard_View_Panel::Qr_vCard_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    // The form keeps both buttons hidden: the details are always shown.
    Ui::Qr_vCard_View_Panel ui;
    ui.setupUi(this);
    bindContactPanel(*this, ui);
    for (QLineEdit *f : {First_Name, Last_Name, Mobile, Phone, Company, Position, Phone_Work, Fax, Email, Email_Work,
                         Website, Street, City, State, Zip, Country})
        watch(f);
    connect(collapse_btn, &QPushButton::clicked, this, [this] { Show_Hide_DET_BOX(true); });
    connect(expand_btn, &QPushButton::clicked, this, [this] { Show_Hide_DET_BOX(false); });
    Qr_vcard_OBJ = this;
}

Qr_vCard_View_Panel::~Qr_vCard_View_Panel() { forget(Qr_vcard_OBJ, this); }

void Qr_vCard_View_Panel::Show_Hide_DET_BOX(bool)
{
    collapse_btn->setHidden(true);
    expand_btn->setHidden(true);
}
