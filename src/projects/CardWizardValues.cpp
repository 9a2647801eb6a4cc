#include "projects/CardWizardValues.h"

#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Wizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

CardWizardValues Card_Wizard_Values(const Card_Wizard &wizard)
{
    CardWizardValues v;
    v.labelIndex = wizard.Label_ComboBox->currentIndex();
    v.productIndex = wizard.Product_num_ComboBox->currentIndex();
    v.width = wizard.width_Stepper->doubleValue();
    v.height = wizard.height_Stepper->doubleValue();
    v.name = wizard.card_name->text();
    v.border = wizard.Card_border_chk->isChecked();
    v.borderColour = wizard.Card_bordr_clr->color();
    v.borderWidth = wizard.Card_bor_Stepper->doubleValue();
    v.borderWidthWhole = wizard.Card_bor_Stepper->intValue();
    v.borderStyle = wizard.Card_border_style->currentIndex();
    if (wizard.Card_gradient_fill_rd->isChecked())
        v.fillStyle = QStringLiteral("G");
    else if (wizard.Card_Style_fill_rd->isChecked())
        v.fillStyle = QStringLiteral("H");
    else if (wizard.Card_Image_fill_rd->isChecked())
        v.fillStyle = QStringLiteral("I");
    v.fill = wizard.Card_fill_clr->color();
    v.gradient1 = wizard.Card_fill_Grd_1_clr->color();
    v.gradient2 = wizard.Card_fill_Grd_2_clr->color();
    v.gradientAngle = wizard.Card_grad_Stepper->doubleValue();
    v.hatchBack = wizard.Card_hatch_bk_clr->color();
    v.hatchStyle = wizard.Card_hatch_style->currentIndex();
    v.opacity = wizard.Card_alpha_Stepper->doubleValue();
    v.imagePath = wizard.Card_Image_path->toPlainText();
    return v;
}
