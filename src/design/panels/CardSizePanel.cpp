#include "design/panels/CardSizePanel.h"

#include "core/Units.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/PageSetupPanel.h"
#include "core/Utilities.h"
#include "design/PanelValues.h"
#include "design/UnitFactors.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/FormBinding.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "model/Card_Property.h"

#include "ui_CardSizePanel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>
#include <exception>

namespace {

void bind(CardSizePanel &c, const Ui::CardSizePanel &ui)
{
    // Not outlets: the page's five, the stock box with its layout, the size box's layout, four
    // labels, three rows with their layouts, and two gaps and a stretch in the rows.
    designform::bindForm<21>(ui, FORM_OUTLET(Label_ComboBox), FORM_OUTLET(Product_num_ComboBox),
                             FORM_OUTLET(card_size_box), FORM_OUTLET(width_Text), FORM_OUTLET(width_Stepper),
                             FORM_OUTLET(card_width_unit_lbl), FORM_OUTLET(height_Text), FORM_OUTLET(height_Stepper),
                             FORM_OUTLET(card_height_unit_lbl), FORM_OUTLET(page_frm_printer_btn),
                             FORM_OUTLET(apply_size_btn));
}

// The messages of a size field, in the design unit (0 inch, 1 cm, 2 mm); the least size is the
// tenth of a millimetre as two decimals show it in that unit.
platform::PairRefusal sizeRefusal(bool width)
{
    const int unit = Measument_Unit_Is;
    const double lowest = std::ceil(0.1 * double(Unit_Factor(2, unit)) * 100.0 - 1e-6) / 100.0;
    return {width ? QStringLiteral("label width") : QStringLiteral("label height"), platform::unitName(unit), lowest};
}

} // namespace

CardSizePanel::CardSizePanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::CardSizePanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);

    // Only the user's actions reach the handlers; filling the controls from code sends nothing.
    platform::connectPair(width_Stepper, width_Text, this, [this](QObject *sender) { Card_Width_Changed(sender); });
    platform::connectPair(height_Stepper, height_Text, this, [this](QObject *sender) { Card_Height_Changed(sender); });
    connect(page_frm_printer_btn, &QPushButton::clicked, this, [this] { Page_From_Printer_Click(); });
    connect(apply_size_btn, &QPushButton::clicked, this, [this] { emit applySizeRequested(); });
    // The lists act on every change of their selection, a choice made from code included: the
    // window relies on a vendor's selection listing its products. The window's own dispatch
    // leaves them to this page.
    for (QComboBox *combo : {Label_ComboBox, Product_num_ComboBox}) {
        combo->setProperty("tagora_combo_dispatch", true);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    }
}

CardSizePanel::~CardSizePanel() = default;

void CardSizePanel::Fill_Card_Size_Panel(const Card_Property &card)
{
    // Label stock: the vendor's selection fills its product list (the window relies on it).
    const int vendor = Label_ComboBox->findText(card.Card_Preset);
    if (vendor >= 0)
        Label_ComboBox->setCurrentIndex(vendor);
    if (card.Card_Preset == QLatin1String("Custom")) {
        Product_num_ComboBox->setCurrentIndex(-1);
        Set_Card_Size_In_Control(Points_to_MM_Convert(float(card.Card_Size.width())),
                                 Points_to_MM_Convert(float(card.Card_Size.height())));
    } else {
        Product_num_ComboBox->setCurrentIndex(Product_num_ComboBox->findText(card.Card_Category));
    }
}

void CardSizePanel::Read_Card_Size_Panel(CardPanelValues &values) const
{
    values.preset = Label_ComboBox->currentText();
    values.category = Product_num_ComboBox->currentIndex() >= 0 ? Product_num_ComboBox->currentText() : QStringLiteral("");
}

void CardSizePanel::Reset_Size_Panel()
{
    for (QLineEdit *f : {width_Text, height_Text})
        f->setText(QStringLiteral("100.0"));
    for (platform::Stepper *s : {width_Stepper, height_Stepper})
        s->setDoubleValue(100.0);
    {
        const QSignalBlocker block(Label_ComboBox);
        Label_ComboBox->setCurrentIndex(Label_ComboBox->count() > 0 ? 0 : -1);
    }
    {
        const QSignalBlocker block(Product_num_ComboBox);
        Product_num_ComboBox->setCurrentIndex(-1);
        Product_num_ComboBox->setEnabled(false);
    }
    Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
}

void CardSizePanel::Show_Stored_Size(const QSizeF &points)
{
    const float w = Points_to_MM_Convert(float(points.width()));
    const float h = Points_to_MM_Convert(float(points.height()));
    platform::showNumber(width_Text, w, platform::PairFormat::TwoDecimals);
    platform::showNumber(height_Text, h, platform::PairFormat::TwoDecimals);
    // The size in use is the two decimals shown, which Apply takes.
    width_Stepper->setDoubleValue(platform::formatValue(w, platform::PairFormat::TwoDecimals));
    height_Stepper->setDoubleValue(platform::formatValue(h, platform::PairFormat::TwoDecimals));
    last_unit_val = 2;
    Convert_Size_Fields(last_unit_val, Measument_Unit_Is);
    last_unit_val = Measument_Unit_Is;
}

void CardSizePanel::Set_Card_Size_In_Control(double widthMM, double heightMM)
{
    try {
        const float w = float(widthMM), h = float(heightMM);
        platform::showSize(width_Text, w);
        width_Stepper->setDoubleValue(w);
        platform::showSize(height_Text, h);
        height_Stepper->setDoubleValue(h);
        last_unit_val = 2;
        Convert_Size_Fields(last_unit_val, Measument_Unit_Is);
        last_unit_val = Measument_Unit_Is;
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void CardSizePanel::Convert_Size_Fields(int fromUnit, int toUnit)
{
    const float factor = Unit_Factor(fromUnit, toUnit);
    auto convert = [factor](QLineEdit *field, platform::Stepper *stepper) {
        // Each conversion starts from the size in use, the stepper's, of which the field shows two
        // decimals: from the rounded text, CR80's 53.98 mm would come back from 2.13 in as 54.10.
        // A number the field shows that the stepper does not hold is the one in use.
        const double held = stepper->doubleValue(), shown = platform::fieldValue(field, held);
        const bool same = platform::formatValue(shown, platform::PairFormat::TwoDecimals)
                          == platform::formatValue(held, platform::PairFormat::TwoDecimals);
        const float value = float(same ? held : shown) * factor;
        platform::showNumber(field, value, platform::PairFormat::TwoDecimals);
        stepper->setDoubleValue(value);
    };
    convert(width_Text, width_Stepper);
    convert(height_Text, height_Stepper);
}

void CardSizePanel::Set_Unit_Labels(const QString &title, const QString &unit)
{
    card_size_box->setTitle(title);
    for (QLabel *l : {card_width_unit_lbl, card_height_unit_lbl})
        l->setText(unit);
}

void CardSizePanel::Enable_Disable_Size_Param_Acc_To_Label_Selection(bool on)
{
    for (QLineEdit *f : {width_Text, height_Text}) {
        f->setReadOnly(!on);
        f->setEnabled(on);
    }
    width_Stepper->setEnabled(on);
    height_Stepper->setEnabled(on);
    page_frm_printer_btn->setEnabled(on);
}

void CardSizePanel::Card_Width_Changed(QObject *sender)
{
    const QString refused = platform::copyPairRefusing(sender, width_Stepper, width_Text, platform::PairFormat::TwoDecimals,
                                                       sizeRefusal(true));
    if (!refused.isEmpty())
        Show_MessageBox(refused);
}

void CardSizePanel::Card_Height_Changed(QObject *sender)
{
    const QString refused = platform::copyPairRefusing(sender, height_Stepper, height_Text, platform::PairFormat::TwoDecimals,
                                                       sizeRefusal(false));
    if (!refused.isEmpty())
        Show_MessageBox(refused);
}

void CardSizePanel::Page_From_Printer_Click()
{
    try {
        const platform::PrintInfo *current = Print_Info ? Print_Info() : nullptr;
        platform::PrintInfo changed = current ? *current : platform::PrintInfo::sharedPrintInfo();
        if (!Run_Page_Setup(changed, this))
            return;
        if (Set_Print_Info)
            Set_Print_Info(changed);
        // In millimetres straight away: the layout's points are whole numbers, its millimetres exact.
        const QSizeF paper = changed.pageLayout.fullRect(QPageLayout::Millimeter).size();
        Set_Card_Size_In_Control(paper.width(), paper.height());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void CardSizePanel::comboBoxSelectionDidChange(QComboBox *C)
{
    if (!C)
        return;
    try {
        if (C->count() > 0 && C->currentIndex() >= 0 && C->isEditable())
            C->setEditText(C->itemText(C->currentIndex()));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    try {
        if (C == Label_ComboBox) {
            const QString text = C->currentText();
            platform::ui::fillCombo(Product_num_ComboBox, {});
            if (text == QStringLiteral("Custom")) {
                const QSignalBlocker block(Product_num_ComboBox);
                Product_num_ComboBox->addItem(QString());
                Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
                Product_num_ComboBox->setEnabled(false);
                Product_num_ComboBox->setCurrentIndex(-1);
            } else {
                Enable_Disable_Size_Param_Acc_To_Label_Selection(false);
                Product_num_ComboBox->setEnabled(true);
                emit vendorChosen(text);
                if (Product_num_ComboBox->count() > 0)
                    Product_num_ComboBox->setCurrentIndex(0);   // arrives here again as a product change
            }
        } else if (C == Product_num_ComboBox) {
            emit productChosen();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
