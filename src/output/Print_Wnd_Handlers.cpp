// The print dialog's handlers: the layout choice, the printer, orientation, vendor and product
// lists, every field and stepper pair of the grid, auto-centre and the nine alignment buttons, and
// the buttons and closing of the window.

#include "output/Print_Wnd.h"

#include "core/Globals.h"
#include "core/ImageServices.h"
#include "core/UserFolders.h"
#include "outputjobs/LabelCatalogue.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "output/LabelSizeFields.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/RecordRange.h"
#include "output/Sample_Preview.h"
#include "platform/ComboItems.h"
#include "platform/CountField.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>
#include <tuple>

namespace {

struct Pair {
    platform::Stepper *stepper;
    QLineEdit *field;
    platform::PairFormat format;
};

// The pair the sender belongs to carries its value across: the stepper's into the field, or the
// field's into the stepper.
void syncPair(QObject *sender, const Pair &manual, const Pair &predefined)
{
    const bool pre = sender && (sender == predefined.stepper || sender == predefined.field);
    const Pair &p = pre ? predefined : manual;
    if (p.stepper && p.field)
        platform::copyPair(sender, p.stepper, p.field, p.format);
}

// A gap typed into either layout's field: one that is no gap, or above most (the page's room), is
// refused, the field showing its stepper's gap again.
bool takeGap(const QObject *sender, const Pair &manual, const Pair &predefined, const QString &what, double most)
{
    const Pair &p = sender == predefined.field ? predefined : manual;
    return GapFields::Take(sender, p.field, p.stepper, what, p.format, most);
}

void logFailure(const std::exception &e) { Show_NSLog_Message(QString::fromUtf8(e.what())); }

} // namespace

void Print_Wnd::Wire_Handlers()
{
    using platform::connectPair;
    connect(rd_manual, &QRadioButton::clicked, this, &Print_Wnd::Manual_Label_Changed);
    connect(rd_predefined, &QRadioButton::clicked, this, &Print_Wnd::Predefined_Label_Changed);
    for (QComboBox *combo : {Printer_ComboBox, Orient_ComboBox, Label_ComboBox, Product_num_ComboBox})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    connectPair(horz_mar_Stepper, horz_mar_Text, this, [this](QObject *s) { Horz_Margin_Changed(s); });
    connectPair(horz_mar_Stepper_pre, horz_mar_Text_pre, this, [this](QObject *s) { Horz_Margin_Changed(s); });
    connectPair(vert_mar_Stepper, vert_mar_Text, this, [this](QObject *s) { Vert_Margin_Changed(s); });
    connectPair(vert_mar_Stepper_pre, vert_mar_Text_pre, this, [this](QObject *s) { Vert_Margin_Changed(s); });
    connectPair(width_Stepper, width_Text, this, [this](QObject *s) { Width_Changed(s); });
    connectPair(width_Stepper_pre, width_Text_pre, this, [this](QObject *s) { Width_Changed(s); });
    connectPair(height_Stepper, height_Text, this, [this](QObject *s) { Height_Changed(s); });
    connectPair(height_Stepper_pre, height_Text_pre, this, [this](QObject *s) { Height_Changed(s); });
    // Rows and columns are whole counts: a typed one is taken or refused when its typing ends.
    for (const auto &[stepper, field, what] :
         {std::tuple{Row_Stepper, Row_Text, "number of rows"}, std::tuple{Row_Stepper_pre, Row_Text_pre, "number of rows"},
          std::tuple{Col_Stepper, Col_Text, "number of columns"},
          std::tuple{Col_Stepper_pre, Col_Text_pre, "number of columns"}}) {
        const bool row = stepper == Row_Stepper || stepper == Row_Stepper_pre;
        const auto changed = [this, row](QObject *s) { row ? Row_Changed(s) : Col_Changed(s); };
        connectPair(stepper, nullptr, this, changed);
        platform::connectCountField(field, Grid_Rule(stepper, QLatin1String(what)), this,
                                    [changed, field = field] { changed(field); });
        platform::connectCountStepper(stepper, field, this);
    }
    connectPair(Total_Stepper, nullptr, this, [this](QObject *s) { Total_Val_Changed(s); });
    // A custom product's margins place its grid as soon as they are typed, as its gaps do; one that
    // is no margin, or lies beyond the product's page, is refused, the field showing the margin in
    // use again.
    struct Margin { QLineEdit *field; const char *what; const float *inUse; bool across; };
    for (const Margin m :
         {Margin{left_mar_pre, "left margin", &Left_Mar, true}, Margin{top_mar_pre, "top margin", &Top_Mar, false}})
        connect(m.field, &QLineEdit::editingFinished, this, [this, m] {
            const QString held = QString::asprintf("%.2f", double(Points_to_MM_Convert(*m.inUse)));
            if (!GapFields::Take(m.field, QLatin1String(m.what), held))
                return;
            if (!m.field->text().trimmed().isEmpty()) {
                const QString beyond =
                    platform::numberRefusal(m.field->text(), 0, Product_Page_MM(m.across), QLatin1String(m.what));
                if (!beyond.isEmpty()) {
                    m.field->setText(held);
                    Show_MessageBox(beyond);
                    return;
                }
            }
            Check_Max_Cell_Value();
        });
    connect(Auto_Center_chk_bx, &QCheckBox::clicked, this, &Print_Wnd::Auto_Center_Checked);
    const std::vector<QPushButton *> buttons = Alignment_Buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
        connect(buttons[i], &QPushButton::clicked, this, [this, i] { Alignment_Clicked(int(i) + 1); });
    connect(All_print_rd, &QRadioButton::clicked, this, &Print_Wnd::All_print_RD_Clicked);
    connect(Sel_print_rd, &QRadioButton::clicked, this, &Print_Wnd::Sel_Print_RD_Clicked);
    connect(pagesetup_btn, &QPushButton::clicked, this, &Print_Wnd::pagesetup);
    connect(previewButton, &QPushButton::clicked, this, &Print_Wnd::PreviewButtonPressed);
    connect(printButton, &QPushButton::clicked, this, &Print_Wnd::PrintButtonPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Print_Wnd::CancelButtonPressed);
    connect(save_label_btn, &QPushButton::clicked, this, &Print_Wnd::Save_Label_Pressed);
    connect(delete_label_btn, &QPushButton::clicked, this, &Print_Wnd::Delete_Label_Pressed);
}

void Print_Wnd::Manual_Label_Changed()
{
    try {
        Manual_or_Pre = 0;
        rd_manual->setChecked(true);
        manual_prop_Gp_Bx->setVisible(true);
        predefine_prop_Gp_Bx->setVisible(false);
        label_align_val = label_align_val_bkup;
        Set_Reset_Alignemnt_Image();
        Auto_Center_chk_bx->setEnabled(true);
        Auto_Center_chk_bx->setChecked(auto_center_bkup);
        Auto_Center_Checked();
        Set_values_From_Printer();
        Check_Max_Cell_Value();
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::Predefined_Label_Changed()
{
    try {
        Manual_or_Pre = 1;
        rd_predefined->setChecked(true);
        manual_prop_Gp_Bx->setVisible(false);
        predefine_prop_Gp_Bx->setVisible(true);
        // A product's sheet starts at its top-left margin and keeps its grid; the manual alignment
        // and auto-centre wait.
        label_align_val_bkup = label_align_val;
        label_align_val = 1;
        Set_Reset_Alignemnt_Image();
        if (Auto_Center_chk_bx->isEnabled())
            auto_center_bkup = Auto_Center_chk_bx->isChecked();
        Auto_Center_chk_bx->setChecked(false);
        Auto_Center_chk_bx->setEnabled(false);
        auto_center_flag = false;
        cus_or_pre = Label_ComboBox->currentText() == QLatin1String("Custom") ? QStringLiteral("C") : QStringLiteral("P");
        Read_Selected_Product_Label_Value();
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::comboBoxSelectionDidChange(QComboBox *combo)
{
    try {
        if (combo == Printer_ComboBox) {
            if (Printer_ComboBox->currentIndex() < 0)
                return;
            Use_Printer(Printer_ComboBox->currentText());
            Set_values_From_Printer();
            Check_Max_Cell_Value();   // the grid within that printer's margins
            return;
        }
        if (combo == Orient_ComboBox) {
            if (!printInfo)
                return;
            // The margins stay on the paper's edges, and the printer's turn with them.
            Store_Print_Info(platform::turned(*printInfo, Orient_ComboBox->currentText() == QLatin1String("Portrait")
                                                              ? QPageLayout::Portrait
                                                              : QPageLayout::Landscape));
            Set_values_From_Printer();
            Check_Max_Cell_Value();
            return;
        }
        if (Manual_or_Pre != 1)
            return;   // the manual layout takes no label stock
        if (combo == Label_ComboBox) {
            if (Label_ComboBox->currentText() == QLatin1String("Custom")) {
                cus_or_pre = QStringLiteral("C");
                Refresh_And_Reload_Product_Number_Combo(QString());
                return;
            }
            cus_or_pre = QStringLiteral("P");
            save_label_btn->setVisible(false);
            delete_label_btn->setVisible(false);
            platform::ui::fillCombo(Product_num_ComboBox, {});
            Read_XML_File(labelstock::Catalogue_Path(Resource_Path, Label_ComboBox->currentText()), QString(),
                          QString(), false);
            Enable_Custom_Editing(false);
            if (Product_num_ComboBox->count() > 0)
                Product_num_ComboBox->setCurrentIndex(0);   // reads the product through its handler
            else
                Read_Selected_Product_Label_Value();
        } else if (combo == Product_num_ComboBox) {
            Read_Selected_Product_Label_Value();
        }
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::Horz_Margin_Changed(QObject *sender)
{
    const Pair manual{horz_mar_Stepper, horz_mar_Text, platform::PairFormat::Real},
        predefined{horz_mar_Stepper_pre, horz_mar_Text_pre, platform::PairFormat::Real};
    if (!takeGap(sender, manual, predefined, QStringLiteral("horizontal gap"), Gap_Most().width()))
        return;
    syncPair(sender, manual, predefined);
    Check_Max_Cell_Value();
}

void Print_Wnd::Vert_Margin_Changed(QObject *sender)
{
    const Pair manual{vert_mar_Stepper, vert_mar_Text, platform::PairFormat::Real},
        predefined{vert_mar_Stepper_pre, vert_mar_Text_pre, platform::PairFormat::Real};
    if (!takeGap(sender, manual, predefined, QStringLiteral("vertical gap"), Gap_Most().height()))
        return;
    syncPair(sender, manual, predefined);
    Check_Max_Cell_Value();
}

void Print_Wnd::Width_Changed(QObject *sender)
{
    // The label picture's size, or a custom product's label size: above 0 either way.
    const bool pre = sender == width_Text_pre || sender == width_Stepper_pre;
    if (!labelsize::Take(sender, pre ? width_Text_pre : width_Text, pre ? width_Stepper_pre : width_Stepper,
                         labelsize::Side::Width))
        return;
    syncPair(sender, {width_Stepper, width_Text, platform::PairFormat::TwoDecimals},
             {width_Stepper_pre, width_Text_pre, platform::PairFormat::TwoDecimals});
    Check_Max_Cell_Value();
}

void Print_Wnd::Height_Changed(QObject *sender)
{
    const bool pre = sender == height_Text_pre || sender == height_Stepper_pre;
    if (!labelsize::Take(sender, pre ? height_Text_pre : height_Text, pre ? height_Stepper_pre : height_Stepper,
                         labelsize::Side::Height))
        return;
    syncPair(sender, {height_Stepper, height_Text, platform::PairFormat::TwoDecimals},
             {height_Stepper_pre, height_Text_pre, platform::PairFormat::TwoDecimals});
    Check_Max_Cell_Value();
}

namespace {

// Rows or columns changed: the fit, and without batch data one sheet's worth of labels, which
// settles the fit (the preview is drawn once: a sheet of tiny labels is a large drawing).
void gridChanged(Print_Wnd &w)
{
    if (w.print_with_batch_chk->isChecked()) {
        w.Check_Max_Cell_Value();
        return;
    }
    w.Fit_Grid_Edit();
    Total_Label = Print_Row * Print_Col;
    w.Set_Tot_Value(Total_Label, int(w.Total_Stepper->maxValue()), QStringLiteral("A"));
}

} // namespace

void Print_Wnd::Row_Changed(QObject *sender)
{
    syncPair(sender, {Row_Stepper, Row_Text, platform::PairFormat::Integer},
             {Row_Stepper_pre, Row_Text_pre, platform::PairFormat::Integer});
    gridChanged(*this);
}

void Print_Wnd::Col_Changed(QObject *sender)
{
    syncPair(sender, {Col_Stepper, Col_Text, platform::PairFormat::Integer},
             {Col_Stepper_pre, Col_Text_pre, platform::PairFormat::Integer});
    gridChanged(*this);
}

void Print_Wnd::Total_Val_Changed(QObject *sender)
{
    platform::copyPair(sender, Total_Stepper, Total_Text, platform::PairFormat::Integer);
}

void Print_Wnd::Auto_Center_Checked()
{
    if (Fit_Picture_To_Frame || Manual_or_Pre == 1)
        return;
    auto_center_flag = Auto_Center_chk_bx->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{horz_mar_Stepper, vert_mar_Stepper, align_Gp_Bx})
        w->setEnabled(!auto_center_flag);
    Check_Max_Cell_Value();
}

std::vector<QPushButton *> Print_Wnd::Alignment_Buttons() const
{
    return {top_left_btn, top_center_btn, top_rite_btn, mid_left_btn, mid_center_btn,
            mid_rite_btn, bot_left_btn,   bot_center_btn, bot_rite_btn};
}

void Print_Wnd::Alignment_Clicked(int value)
{
    label_align_val = value;
    Set_Reset_Alignemnt_Image();
    if (!Fit_Picture_To_Frame)
        Refresh_Preview();
}

void Print_Wnd::Set_Reset_Alignemnt_Image()
{
    const std::vector<QPushButton *> buttons = Alignment_Buttons();
    for (size_t i = 0; i < buttons.size() && i < m_alignImages.size(); ++i) {
        const bool selected = int(i) + 1 == label_align_val;
        buttons[i]->setIcon(selected ? m_alignImages[i].second : m_alignImages[i].first);
        buttons[i]->setChecked(selected);
    }
}

platform::WholeRule Print_Wnd::Grid_Rule(const platform::Stepper *stepper, const QString &what)
{
    return platform::WholeRule{what, qint64(stepper->minValue()), qint64(stepper->maxValue())};
}

bool Print_Wnd::Counts_Typing_Ended()
{
    return recordrange::End_Typing(rangeChoice().range) &&
           platform::endTyping({Row_Text, Col_Text, Row_Text_pre, Col_Text_pre});
}

void Print_Wnd::PreviewButtonPressed() { Execute_Printing(true); }

void Print_Wnd::PrintButtonPressed() { Execute_Printing(false); }

void Print_Wnd::CancelButtonPressed()
{
    try {
        Fit_Picture_To_Frame = Enable_Crop_Marks = false;
        hide();
        if (m_output)
            m_output->sources().barcode->Select_First_Value_For_Barcode_Setting_Mode();
    } catch (const std::exception &e) {
        logFailure(e);
    }
    done(0);
}

void Print_Wnd::windowWillClose()
{
    hide();
    done(0);
}

void Print_Wnd::closeEvent(QCloseEvent *event)
{
    windowWillClose();
    event->accept();
}

// Escape is the Cancel button.
void Print_Wnd::reject() { CancelButtonPressed(); }

void Print_Wnd::boundsDidChangeNotification() { PrintView->update(); }
