// The sidebar pages' controls connected to their handlers. Only the user's actions reach them: a
// click, a step of a stepper or the end of editing of its field, a colour chosen in a well, a
// slider let go (or moved by the keyboard); filling the controls from code sends nothing. The
// lists go through the window's combo-box dispatch, the texts through its text notifications.

#include "design/DesignController.h"

#include "design/DoubleSlider.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace {

using D = DesignController;

void click(QAbstractButton *b, D *d, void (D::*handler)())
{
    if (b)
        QObject::connect(b, &QAbstractButton::clicked, d, [d, handler] { (d->*handler)(); });
}

void pair(platform::Stepper *s, QLineEdit *f, D *d, void (D::*handler)(QObject *))
{
    platform::connectPair(s, f, d, [d, handler](QObject *sender) { (d->*handler)(sender); });
}

void well(platform::ColorWell *w, D *d, void (D::*handler)(QObject *))
{
    if (w)
        QObject::connect(w, &platform::ColorWell::colorChanged, d, [d, w, handler] { (d->*handler)(w); });
}

// A slider acts once it is let go, and at once for keyboard and page steps.
void slide(QSlider *s, D *d, std::function<void()> handler)
{
    if (!s)
        return;
    QObject::connect(s, &QSlider::valueChanged, d, [s, handler] {
        if (!s->isSliderDown())
            handler();
    });
    QObject::connect(s, &QSlider::sliderReleased, d, handler);
}

} // namespace

void DesignController::Wire_Sidebar_Controls(QWidget *page)
{
    if (!page)
        return;
    if (page == image_tab) {
        click(Image_border_chk, this, &D::Image_Border_ChkBox);
        pair(Image_bor_Stepper, Image_bor_Text, this, &D::Image_Border_Changed);
        well(Image_bordr_clr, this, &D::Set_ImageControl_Clr);
        for (DoubleSlider *s : {Rotate_slidr, Trsp_slidr, Hue_slidr, Sat_slidr, Brt_slidr, Con_slidr, shrp_slidr, ev_slidr,
                                blr_slidr})
            slide(s, this, [this, s] { Image_Slider_Changed(s); });
        for (QCheckBox *b : {Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk, Image_FIV_chk, Image_FIH_chk})
            click(b, this, &D::Update_Image_Graphics);
        click(image_reset_btn, this, &D::Image_reset_Button);
        click(image_crop_btn, this, &D::Cropping_Selected_Image_clicked);
    } else if (page == sign_tab) {
        click(sign_browse_btn, this, &D::Sign_Browse_Btn);
        click(Sign_border_chk, this, &D::Sign_Border_ChkBox);
        pair(Sign_bor_Stepper, Sign_bor_Text, this, &D::Sign_Border_Changed);
        well(Sign_bordr_clr, this, &D::Set_SignControl_Clr);
    } else if (page == datasource_tab) {
        click(manual_browse_btn, this, &D::Manual_Image_Browse_Btn);
        click(library_browse_btn, this, &D::Manual_Library_Browse_Btn);
        click(insert_date_btn, this, &D::Text_Insert_Date);
        click(insert_time_btn, this, &D::Text_Insert_Time);
    } else if (page == barcode_tab) {
        click(barcode_prop_btn, this, &D::View_barcode_prop_Button);
        click(Edit_Qr_Code_Val_BTN, this, &D::Edit_Adv_QR_Value_Clicked);
    }
}
