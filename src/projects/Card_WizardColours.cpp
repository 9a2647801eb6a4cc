// The wizard's colour page: shape, border, background fill and opacity.

#include "projects/Card_Wizard.h"

#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "imaging/ImageSizeCheck.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "model/Card_Property.h"
#include "projects/ProjectsController.h"
#include "projects/ProjectsSources.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <exception>

void Card_Wizard::card_shape_CellClick() { Card_Shape = std::max(0, matrix_card_shape->checkedId()); }

void Card_Wizard::Card_Border_ChkBox() { Card_Border_Box->setEnabled(Card_border_chk->isChecked()); }

namespace {
// A stepper and its field: the field shows the stepper's whole value when the stepper sent the
// change; an edit of the field moves the stepper.
void syncWhole(platform::Stepper *stepper, QLineEdit *field, bool fromStepper)
{
    if (fromStepper)
        field->setText(QString::number(stepper->intValue()));
    else
        stepper->setDoubleValue(platform::fieldValue(field));
}
} // namespace

void Card_Wizard::Card_Border_Changed(bool fromStepper) { syncWhole(Card_bor_Stepper, Card_bor_Text, fromStepper); }
void Card_Wizard::Card_Gradient_Changed(bool fromStepper) { syncWhole(Card_grad_Stepper, Card_grad_Text, fromStepper); }
void Card_Wizard::Card_Alpha_Changed(bool fromStepper) { syncWhole(Card_alpha_Stepper, Card_alpha_Text, fromStepper); }

void Card_Wizard::Card_Fill_Chk_Box()
{
    Card_Fill_Box->setEnabled(Card_fill_chk->isChecked());
    if (!Card_fill_chk->isChecked() && !Card_Image_fill_rd->isChecked())
        Card_image_box->setEnabled(false);
    const Card_Property *card = projects.design().Front_card_Prop();
    card_prop_set(card ? card->Card_fill_style : QStringLiteral("S"));
}

void Card_Wizard::Card_Solid_RD_Sel() { card_prop_set(QStringLiteral("S")); }
void Card_Wizard::Card_Gradient_RD_Sel() { card_prop_set(QStringLiteral("G")); }
void Card_Wizard::Card_Hatch_RD_Sel() { card_prop_set(QStringLiteral("H")); }
void Card_Wizard::Card_Image_RD_Sel() { card_prop_set(QStringLiteral("I")); }

void Card_Wizard::Show_Hide_Card_Transp_Ctrl(bool hide)
{
    for (QWidget *w : {static_cast<QWidget *>(Card_alpha_lbl), static_cast<QWidget *>(Card_alpha_Stepper),
                       static_cast<QWidget *>(Card_alpha_Text)})
        w->setVisible(!hide);
}

void Card_Wizard::card_prop_set(const QString &fillCode)
{
    const bool gradient = fillCode == QLatin1String("G");
    const bool hatch = fillCode == QLatin1String("H");
    const bool image = fillCode == QLatin1String("I");
    const bool solid = !gradient && !hatch && !image;
    QRadioButton *chosen = gradient ? Card_gradient_fill_rd : hatch ? Card_Style_fill_rd : image ? Card_Image_fill_rd
                                                                                                  : Card_solid_fill_rd;
    chosen->setChecked(true);
    Card_fill_clr->setEnabled(solid);
    for (QWidget *w : {static_cast<QWidget *>(Card_fill_Grd_1_clr), static_cast<QWidget *>(Card_fill_Grd_2_clr),
                       static_cast<QWidget *>(Card_grad_Stepper), static_cast<QWidget *>(Card_grad_Text)})
        w->setEnabled(gradient);
    Card_hatch_style->setEnabled(hatch);
    Card_hatch_bk_clr->setEnabled(hatch);
    Card_image_box->setEnabled(image);
    Show_Hide_Card_Transp_Ctrl(gradient || image);
    Card_Border_Box->setEnabled(Card_border_chk->isChecked());
}

void Card_Wizard::Reset_color_box()
{
    Card_Solid_RD_Sel();
    for (platform::ColorWell *well : {Card_fill_clr, Card_fill_Grd_1_clr, Card_fill_Grd_2_clr, Card_hatch_bk_clr})
        well->setColor(Qt::white);
    Card_grad_Stepper->setDoubleValue(0);
    Card_grad_Text->setText(QStringLiteral("0"));
    if (Card_hatch_style->count() > 0)
        Card_hatch_style->setCurrentIndex(0);
    Card_border_chk->setChecked(true);
    Card_bordr_clr->setColor(Qt::black);
    Card_border_style->setCurrentIndex(0);
    Card_bor_Stepper->setDoubleValue(1);
    Card_bor_Text->setText(QStringLiteral("1"));
    Card_Border_Box->setEnabled(true);
    Card_image_box->setEnabled(false);
    Card_Image_path->setPlainText(QString());
    Card_alpha_Stepper->setDoubleValue(100);
    Card_alpha_Text->setText(QStringLiteral("100"));
}

void Card_Wizard::Card_Image_Browse_Btn()
{
    try {
        platform::OpenPanelRequest request;
        request.title = QStringLiteral("Background Image");
        request.extensions = projects.host().Allowd_Image_fileTypes();
        request.canChooseFiles = true;
        request.canChooseDirectories = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return;
        const QString path = chosen.first();
        if (Image_Is_Over_Size(path, true, 0))
            return;
        Card_Image_path->setPlainText(path);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Card_Wizard::Card_Image_Library_Btn()
{
    try {
        if (projects.design().Open_Image_Library_Window(QStringLiteral("B")) == 1)
            Card_Image_path->setPlainText(lib_window_sel_file);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
