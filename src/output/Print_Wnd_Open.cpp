// The print dialog's loading and opening: the formatters, the vendor list and the page setup once;
// then on every opening the reset of the layout, the picture and the totals of the current mode,
// the label size, the printers and the preview. Also the range box as the batch box allows.

#include "output/Print_Wnd.h"

#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/UserFolders.h"
#include "outputjobs/LabelCatalogue.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "model/SKTRenderingView.h"
#include "output/LabelSizeFields.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/RecordRange.h"
#include "output/Sample_Preview.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/Float_Num_Formatter.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

#include <exception>

namespace {

void enable(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
}

void showValue(QLineEdit *field, platform::Stepper *stepper, double value, const QString &text)
{
    field->setText(text);
    stepper->setDoubleValue(value);
}

// The picture the main window shows in the mode: the symbol, the QR symbol or the front card.
platform::Picture modePicture(const OutputController *output, int mode)
{
    if (!output)
        return platform::Picture();
    const OutputSources &s = output->sources();
    if (mode == 1)
        return SKTRenderingView::image_From_Card_Graphics(s.design->Get_Front_Controls_Array());
    return mode == 2 ? s.advQr->Shown_Picture() : s.barcode->Shown_Picture();
}

} // namespace

void Print_Wnd::Load_Window()
{
    ListData_profile.clear();
    // Return ends the editing of a field; it presses no button of the dialog.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    for (QLineEdit *field : {width_Text, height_Text, horz_mar_Text, vert_mar_Text, horz_mar_Text_pre, vert_mar_Text_pre,
                             left_mar_pre, top_mar_pre, width_Text_pre, height_Text_pre})
        field->setValidator(new Float_Num_Formatter(field));

    // Vendors: "Custom" first, then the catalogues.
    platform::ui::fillCombo(Label_ComboBox, labelstock::Vendor_Names(Resource_Path));
    {
        const QSignalBlocker block(Label_ComboBox);
        Label_ComboBox->setCurrentIndex(0);
    }
    // Scrolling the preview redraws the sheet view.
    connect(Print_sclview->verticalScrollBar(), &QScrollBar::valueChanged, this, &Print_Wnd::boundsDidChangeNotification);
    connect(Print_sclview->horizontalScrollBar(), &QScrollBar::valueChanged, this, &Print_Wnd::boundsDidChangeNotification);

    static const char *const images[][2] = {
        {"top_left", "top_left - sel"},         {"top_center", "top_center - sel"},
        {"top_right", "top_right - sel"},       {"middle_left", "middle_left - sel"},
        {"middle_center", "middle_center_sel"}, {"middle_right", "middle_right - sel"},
        {"bootom_left", "bootom_left - sel"},   {"bootom_center", "bootom_center - sel"},
        {"boottom_right", "boottom_right - sel"}};
    for (const auto &pair : images) {
        const auto icon = [](const char *name) {
            return QIcon(Resource_Path + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        };
        m_alignImages.emplace_back(icon(pair[0]), icon(pair[1]));
    }

    gapFields.bind(horz_mar_Text, horz_mar_Stepper, vert_mar_Text, vert_mar_Stepper);
    // The page setup of the jobs: the shared one.
    if (!printInfo)
        Store_Print_Info(platform::PrintInfo::sharedPrintInfo());
}

int Print_Wnd::Open_Print_Wnd(OutputController *output)
{
    m_output = output;
    PrintView->setOutput(output);
    try {
        if (ONLY_QR_MODE) {
            print_with_batch_chk->setVisible(false);
            export_range_box->setVisible(false);
        }
        // The layout starts from the same state at every opening.
        for (QCheckBox *box : {crop_mark_chk, fit_frame_chk}) {
            box->setVisible(false);
            box->setChecked(false);
        }
        Enable_Crop_Marks = Fit_Picture_To_Frame = false;
        PDF_View_Not_Print = false;
        Normal_Printing_Is_Selected();
        auto_center_flag = false;
        auto_center_bkup = false;
        gapFields.reset();
        Auto_Center_chk_bx->setChecked(false);
        Auto_Center_chk_bx->setEnabled(true);
        Show_margin_rect = true;
        Show_Margins->setChecked(true);
        skip_invalid_barcode = print_wd_pq_opt = false;
        Print_Row = Print_Col = 1;
        Total_Label = Total_Label_Wd_PQ = 1;
        cus_or_pre = QStringLiteral("C");
        Manual_or_Pre = 0;
        rd_manual->setChecked(true);
        manual_prop_Gp_Bx->setVisible(true);
        predefine_prop_Gp_Bx->setVisible(false);
        Refresh_And_Reload_Product_Number_Combo(QString());
        {
            const QSignalBlocker block(Label_ComboBox);
            Label_ComboBox->setCurrentIndex(0);
        }
        recordrange::Select_All(rangeChoice());
        showValue(from_Text, from_Stepper, 1, QStringLiteral("1"));

        const int mode = Barcode_Setting_Or_Designing_Mode;
        const bool batch = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
        Barcode_Image = std::make_shared<platform::Picture>(modePicture(m_output, mode));
        QSizeF labelSize;
        if (mode != 1) {
            labelsize::Offer(width_Text, width_Stepper, true);
            labelsize::Offer(height_Text, height_Stepper, true);
            if (batch && m_output) {
                BarcodeModeOutput &b = *m_output->sources().barcode;
                print_with_batch_chk->setEnabled(true);
                print_with_batch_chk->setChecked(true);
                skip_inavlid_chk->setVisible(true);
                skip_inavlid_chk->setChecked(true);
                const bool valueList = !b.Batch_State().fromSeries;
                print_qty_chk->setVisible(valueList);
                print_qty_chk->setEnabled(valueList);
                print_qty_chk->setChecked(valueList);
                skip_invalid_barcode = print_wd_pq_opt = true;
                Total_Label_Wd_PQ = b.Get_Total_Count_With_PQ();
                b.Add_Records_In_List(true);
                Total_Label = Total_Label_Wd_PQ;
                Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
            } else {
                print_with_batch_chk->setEnabled(false);
                print_with_batch_chk->setChecked(false);
                for (QCheckBox *box : {skip_inavlid_chk, print_qty_chk}) {
                    box->setVisible(false);
                    box->setChecked(false);
                }
                Set_Tot_Value(Total_Label, recordrange::Most_Records, QStringLiteral("A"));
            }
            if (mode == 2) {
                skip_inavlid_chk->setVisible(false);
                print_qty_chk->setVisible(false);
            }
            Set_Enable_Diable_Range_Box();
            print_with_batch_chk->setVisible(!ONLY_QR_MODE);
            labelSize = Barcode_Image->size();
        } else {
            labelsize::Offer(width_Text, width_Stepper, false);
            labelsize::Offer(height_Text, height_Stepper, false);
            print_with_batch_chk->setChecked(false);
            print_with_batch_chk->setEnabled(false);
            print_with_batch_chk->setVisible(!ONLY_QR_MODE);
            skip_inavlid_chk->setVisible(false);
            print_qty_chk->setVisible(false);
            if (!batch) {
                showValue(Total_Text, Total_Stepper, 1, QStringLiteral("1"));
                Total_Stepper->setMaxValue(recordrange::Most_Records);
                Set_Tot_Value(Total_Label, recordrange::Most_Records, QStringLiteral("A"));
            } else {
                print_with_batch_chk->setEnabled(true);
                print_with_batch_chk->setChecked(true);
                Total_Label = Total_Batch_Excel_Card;
                Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
                To_Stepper->setDoubleValue(Total_Stepper->doubleValue());
            }
            // The range box follows the batch box here too, whatever an earlier opening left.
            Set_Enable_Diable_Range_Box();
            labelSize = SKTRenderingView::canvasBounds().size();
        }

        // The label: the picture's (or the card's) size, one cell, no gaps, top-left.
        label_width = float(labelSize.width());
        label_hight = float(labelSize.height());
        const float widthMM = Points_to_MM_Convert(label_width), heightMM = Points_to_MM_Convert(label_hight);
        showValue(width_Text, width_Stepper, widthMM, QString::asprintf("%.2f", widthMM));
        showValue(height_Text, height_Stepper, heightMM, QString::asprintf("%.2f", heightMM));
        showValue(Row_Text, Row_Stepper, 1, QStringLiteral("1"));
        showValue(Col_Text, Col_Stepper, 1, QStringLiteral("1"));
        showValue(horz_mar_Text, horz_mar_Stepper, 0, QStringLiteral("0"));
        showValue(vert_mar_Text, vert_mar_Stepper, 0, QStringLiteral("0"));
        for (QLabel *margin : {l_mar_id, r_mar_id, t_mar_id, b_mar_id})
            margin->setText(QStringLiteral("0"));
        enable({horz_mar_Stepper, vert_mar_Stepper, align_Gp_Bx}, true);
        label_align_val = 1;
        Set_Reset_Alignemnt_Image();

        // The printers: the page setup's own selected when it is installed, else the system's
        // default printer (else the first), and the page setup becomes that printer's.
        const QStringList printers = platform::availablePrinterNames();
        {
            const QSignalBlocker block(Printer_ComboBox);
            Printer_ComboBox->clear();
            Printer_ComboBox->addItems(printers);
        }
        const QString own = printInfo ? printInfo->printerName : QString();
        const QString start = platform::startingPrinter(own, printers);
        if (!start.isEmpty()) {
            {
                const QSignalBlocker block(Printer_ComboBox);
                Printer_ComboBox->setCurrentIndex(Printer_ComboBox->findText(start));
            }
            const QString meant = own.isEmpty() ? QPrinterInfo::defaultPrinterName() : own;
            const platform::PrintInfo info = printInfo ? *printInfo : platform::PrintInfo::sharedPrintInfo();
            if (start != meant || !platform::takesPaper(start, info.pageLayout.pageSize())) {
                Use_Printer(start);
            } else if (own.isEmpty()) {
                // A page setup of no printer is the default printer's: its paper and margins kept.
                Store_Print_Info(platform::namedFor(info, start));
            }
        }
        Set_values_From_Printer();

        preview_image = QImage(PrintView->size(), QImage::Format_ARGB32_Premultiplied);
        preview_image.fill(Qt::white);
        Refresh_Preview();
        Load_Print_Profile(true);
        const int code = platform::runModal(*this);
        hide();
        return code == 0 || code == 1 ? 1 : 0;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Show_MessageBox(QString::fromUtf8(e.what()));
        hide();
        return 0;
    }
}

recordrange::Choice Print_Wnd::rangeChoice() const
{
    return {All_print_rd, Sel_print_rd, tot_label, from_label, to_label,
            {Total_Text, Total_Stepper, from_Text, from_Stepper, To_Text, To_Stepper}};
}

void Print_Wnd::Set_Tot_Value(int value, int max, const QString &setFor)
{
    recordrange::Set_Tot_Value(rangeChoice().range, print_with_batch_chk->isChecked(), value, max, setFor);
}

void Print_Wnd::All_print_RD_Clicked() { recordrange::Select_All(rangeChoice()); }

void Print_Wnd::Sel_Print_RD_Clicked() { recordrange::Select_Range(rangeChoice()); }

void Print_Wnd::Set_Enable_Diable_Range_Box()
{
    recordrange::Set_Range_Box(export_range_box, rangeChoice(), print_with_batch_chk->isChecked());
}

void Print_Wnd::Normal_Printing_Is_Selected()
{
    if (fit_frame_chk->isChecked())
        return;
    card_align_box->setEnabled(true);
    if (Auto_Center_chk_bx->isChecked())
        align_Gp_Bx->setEnabled(false);
    enable({horz_mar_Stepper, vert_mar_Stepper, Row_Stepper, Col_Stepper}, true);
    showValue(horz_mar_Text, horz_mar_Stepper, LAST_Horz_Mar, QString::number(LAST_Horz_Mar));
    showValue(vert_mar_Text, vert_mar_Stepper, LAST_Vert_Mar, QString::number(LAST_Vert_Mar));
    showValue(Row_Text, Row_Stepper, LAST_Row, QString::number(LAST_Row));
    showValue(Col_Text, Col_Stepper, LAST_Column, QString::number(LAST_Column));
}
