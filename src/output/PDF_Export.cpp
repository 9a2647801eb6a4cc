// The PDF export dialog's making and opening: the form's outlets, the reset of every opening for the
// mode and edition, the totals and the range, and the naming list with its series and columns.

#include "output/PDF_Export.h"

#include "app/HelpAbout.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/UserFolders.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTRenderingView.h"
#include "output/LabelSizeFields.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/RecordRange.h"
#include "output/UsedDataLists.h"
#include "output/Sample_Preview.h"
#include "outputjobs/PdfSheetFit.h"
#include "platform/Dialogs.h"
#include "platform/Float_Num_Formatter.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"

#include "ui_PDF_Export.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
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
platform::Picture modePicture(const OutputSources &s, int mode)
{
    if (mode == 1)
        return SKTRenderingView::image_From_Card_Graphics(s.design->Get_Front_Controls_Array());
    return mode == 2 ? s.advQr->Shown_Picture() : s.barcode->Shown_Picture();
}

void bindOutlets(PDF_Export &c, const Ui::PDF_Export &ui)
{
    c.width_Text = ui.width_Text;
    c.width_Stepper = ui.width_Stepper;
    c.height_Text = ui.height_Text;
    c.height_Stepper = ui.height_Stepper;
    c.horz_mar_Text = ui.horz_mar_Text;
    c.horz_mar_Stepper = ui.horz_mar_Stepper;
    c.vert_mar_Text = ui.vert_mar_Text;
    c.vert_mar_Stepper = ui.vert_mar_Stepper;
    c.Row_Text = ui.Row_Text;
    c.Row_Stepper = ui.Row_Stepper;
    c.Col_Text = ui.Col_Text;
    c.Col_Stepper = ui.Col_Stepper;
    c.Page_name_txt = ui.Page_name_txt;
    c.Page_width_txt = ui.Page_width_txt;
    c.Page_height_txt = ui.Page_height_txt;
    c.l_mar_id = ui.l_mar_id;
    c.r_mar_id = ui.r_mar_id;
    c.t_mar_id = ui.t_mar_id;
    c.b_mar_id = ui.b_mar_id;
    c.Page_From_Printer_btn = ui.Page_From_Printer_btn;
    c.card_align_box = ui.card_align_box;
    c.align_Gp_Bx = ui.align_Gp_Bx;
    c.top_left_btn = ui.top_left_btn;
    c.top_center_btn = ui.top_center_btn;
    c.top_rite_btn = ui.top_rite_btn;
    c.mid_left_btn = ui.mid_left_btn;
    c.mid_center_btn = ui.mid_center_btn;
    c.mid_rite_btn = ui.mid_rite_btn;
    c.bot_left_btn = ui.bot_left_btn;
    c.bot_center_btn = ui.bot_center_btn;
    c.bot_rite_btn = ui.bot_rite_btn;
    c.Auto_Center_chk_bx = ui.Auto_Center_chk_bx;
    c.pdf_matrix = ui.pdf_matrix;
    c.use_label_size_chk_box = ui.use_label_size_chk_box;
    c.export_range_box = ui.export_range_box;
    c.All_print_rd = ui.All_print_rd;
    c.Sel_print_rd = ui.Sel_print_rd;
    c.tot_label = ui.tot_label;
    c.from_label = ui.from_label;
    c.to_label = ui.to_label;
    c.Total_Text = ui.Total_Text;
    c.from_Text = ui.from_Text;
    c.To_Text = ui.To_Text;
    c.Total_Stepper = ui.Total_Stepper;
    c.from_Stepper = ui.from_Stepper;
    c.To_Stepper = ui.To_Stepper;
    c.print_with_batch_chk = ui.print_with_batch_chk;
    c.skip_inavlid_chk = ui.skip_inavlid_chk;
    c.print_qty_chk = ui.print_qty_chk;
    c.Show_Margins = ui.Show_Margins;
    c.Save_Type_ComboBox = ui.Save_Type_ComboBox;
    c.file_name_save_txt = ui.file_name_save_txt;
    c.Used_Seres_In_Design = ui.Used_Seres_In_Design;
    c.Used_Excel_Col_In_Design = ui.Used_Excel_Col_In_Design;
    c.Used_Excel_Col_Index = ui.Used_Excel_Col_Index;
    c.barcode_font_name_label = ui.barcode_font_name_label;
    c.barcode_font_name = ui.barcode_font_name;
    c.Print_sclview = ui.Print_sclview;
    c.PrintView = ui.PrintView;
    c.test_image_view = ui.test_image_view;
    c.okButton = ui.okButton;
    c.cancelButton = ui.cancelButton;
    c.Pdf_Help_btn = ui.Pdf_Help_btn;
    const QList<QRadioButton *> options = {ui.pdf_option_0, ui.pdf_option_1, ui.pdf_option_2, ui.pdf_option_3};
    for (int i = 0; i < options.size(); ++i)
        c.pdf_matrix->setId(options[i], i);
}

} // namespace

PDF_Export *PDF_Export::defaultInstance()
{
    static PDF_Export *instance = new PDF_Export;   // lives for the whole process
    return instance;
}

PDF_Export::PDF_Export(QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
    Ui::PDF_Export ui;
    ui.setupUi(this);
    bindOutlets(*this, ui);
    gapFields.bind(horz_mar_Text, horz_mar_Stepper, vert_mar_Text, vert_mar_Stepper);
    // Return ends the editing of a field; it presses no button.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    for (QLineEdit *field : {width_Text, height_Text, horz_mar_Text, vert_mar_Text})
        field->setValidator(new Float_Num_Formatter(field));
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
    Wire_Handlers();
}

int PDF_Export::pdf_export_opt() const { return m_output ? m_output->pdf_export_opt : 0; }

void PDF_Export::set_pdf_export_opt(int option)
{
    if (m_output)
        m_output->pdf_export_opt = option;
}

int PDF_Export::Open_Pdf_Export_Wnd(OutputController &output)
{
    m_output = &output;
    PrintView->setOutput(&output);
    const OutputSources &s = output.sources();
    try {
        if (!printInfo)
            s.host->setPrintInfo(platform::PrintInfo::sharedPrintInfo());
        if (ONLY_QR_MODE) {
            print_with_batch_chk->setVisible(false);
            export_range_box->setVisible(false);
        }
        // Every opening starts from the same state.
        Used_Seres_In_Design->setVisible(false);
        Used_Excel_Col_In_Design->setVisible(false);
        PDF_View_Not_Print = true;
        PDF_Use_Label_Size = false;
        Enable_Crop_Marks = Fit_Picture_To_Frame = false;
        Manual_or_Pre = 0;
        file_name_exported = file_prefix_exported = file_sufix_exported = file_path_ext = QString();
        for (QComboBox *list : {Save_Type_ComboBox, Used_Seres_In_Design, Used_Excel_Col_In_Design, Used_Excel_Col_Index}) {
            const QSignalBlocker block(list);
            list->clear();
        }
        barcode_font_name->setVisible(false);
        barcode_font_name_label->setVisible(false);
        set_pdf_export_opt(0);
        pdf_export_opt_bkup = 0;
        pdf_matrix->button(0)->setChecked(true);
        Save_Type_ComboBox->setEnabled(false);
        auto_center_flag = false;
        Auto_Center_chk_bx->setChecked(false);
        gapFields.reset();
        Normal_Printing_Is_Selected();
        Show_margin_rect = true;
        Show_Margins->setChecked(true);
        skip_invalid_barcode = print_wd_pq_opt = false;
        Print_Row = Print_Col = 1;
        Total_Label = Total_Label_Wd_PQ = 1;
        file_name_save_txt->setText(QStringLiteral("QIROLabel"));
        recordrange::Select_All(rangeChoice());
        showValue(from_Text, from_Stepper, 1, QStringLiteral("1"));
        use_label_size_chk_box->setVisible(false);
        use_label_size_chk_box->setChecked(false);

        const int mode = Barcode_Setting_Or_Designing_Mode;
        const bool batch = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
        Barcode_Image = std::make_shared<platform::Picture>(modePicture(s, mode));
        QSizeF labelSize;
        if (mode != 1) {
            Fill_Naming_List();
            labelsize::Offer(width_Text, width_Stepper, true);
            labelsize::Offer(height_Text, height_Stepper, true);
            if (batch && mode == 0) {
                BarcodeModeOutput &b = *s.barcode;
                print_with_batch_chk->setEnabled(true);
                print_with_batch_chk->setChecked(true);
                skip_inavlid_chk->setVisible(true);
                skip_inavlid_chk->setChecked(true);
                skip_invalid_barcode = true;
                const bool valueList = !b.Batch_State().fromSeries;
                print_qty_chk->setVisible(valueList);
                print_qty_chk->setChecked(valueList);
                print_qty_chk->setEnabled(valueList);
                print_wd_pq_opt = true;
                Total_Label_Wd_PQ = b.Get_Total_Count_With_PQ();
                b.Add_Records_In_List(true);
                Total_Label = Total_Label_Wd_PQ;
                Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
                To_Stepper->setIntValue(Total_Stepper->intValue());
                export_range_box->setEnabled(true);
            } else {
                print_with_batch_chk->setEnabled(false);
                print_with_batch_chk->setChecked(false);
                for (QCheckBox *box : {skip_inavlid_chk, print_qty_chk}) {
                    box->setVisible(false);
                    box->setChecked(false);
                }
                Set_Tot_Value(Total_Label, recordrange::Most_Records, QStringLiteral("A"));
                export_range_box->setEnabled(false);
            }
            labelSize = Barcode_Image->size();
        } else {
            Fill_Series_Or_Excel_List();
            Fill_Naming_List();
            labelsize::Offer(width_Text, width_Stepper, false);
            labelsize::Offer(height_Text, height_Stepper, false);
            print_with_batch_chk->setVisible(!ONLY_QR_MODE);
            print_with_batch_chk->setChecked(false);
            print_with_batch_chk->setEnabled(false);
            for (QCheckBox *box : {skip_inavlid_chk, print_qty_chk}) {
                box->setVisible(false);
                box->setChecked(false);
            }
            if (!batch) {
                showValue(Total_Text, Total_Stepper, 1, QStringLiteral("1"));
                Total_Stepper->setMaxValue(recordrange::Most_Records);
                export_range_box->setEnabled(false);
            } else {
                print_with_batch_chk->setEnabled(true);
                print_with_batch_chk->setChecked(true);
                Total_Label = Total_Batch_Excel_Card;
                export_range_box->setEnabled(true);
                Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
                To_Stepper->setIntValue(Total_Stepper->intValue());
            }
            labelSize = SKTRenderingView::canvasBounds().size();
        }

        if (Save_Type_ComboBox->count() > 0)
            Save_Type_ComboBox->setCurrentIndex(0);
        Refresh_name_Fields(Save_Type_ComboBox->currentText());
        Set_Enable_Diable_Range_Box();
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
        enable({horz_mar_Stepper, vert_mar_Stepper, Row_Stepper, Col_Stepper, align_Gp_Bx, card_align_box}, true);
        label_align_val = 1;
        Set_Reset_Alignemnt_Image();
        Set_values_From_Printer();
        Check_Max_Cell_Value();
        const int code = platform::runModal(*this);
        hide();
        return code;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Show_MessageBox(QString::fromUtf8(e.what()));
        hide();
        return 0;
    }
}

void PDF_Export::Fill_Naming_List()
{
    QStringList items{QStringLiteral("Custom")};
    const int mode = Barcode_Setting_Or_Designing_Mode;
    if (mode == 0 || mode == 2) {
        if (mode == 0)
            items << QStringLiteral("Barcode Value");
        items << QStringLiteral("Barcode Header") << QStringLiteral("Barcode Footer");
        if (mode == 0 && Use_Data_Sheet_Values && m_output && m_output->sources().barcode->Batch_State().fromSeries)
            items << QStringLiteral("Barcode Value Series") << QStringLiteral("Barcode Value Series and Barcode Value");
    } else {
        if (Use_Data_Sheet_Values)
            items << QStringLiteral("Series Name") << QStringLiteral("Series Value") << QStringLiteral("Series Name and Value");
        if (Use_Excel_Binding_Values)
            items << QStringLiteral("Excel Column");
    }
    const QSignalBlocker block(Save_Type_ComboBox);
    Save_Type_ComboBox->clear();
    Save_Type_ComboBox->addItems(items);
}

void PDF_Export::Refresh_name_Fields(const QString &item)
{
    try {
        static const QList<QPair<QString, QString>> tokens = {
            {QStringLiteral("Barcode Value Series and Barcode Value"), QStringLiteral("<BSV>")},
            {QStringLiteral("Barcode Value Series"), QStringLiteral("<BS>")},
            {QStringLiteral("Barcode Value"), QStringLiteral("<BV>")},
            {QStringLiteral("Barcode Header"), QStringLiteral("<BH>")},
            {QStringLiteral("Barcode Footer"), QStringLiteral("<BF>")},
            {QStringLiteral("Series Name and Value"), QStringLiteral("<SNV>")},
            {QStringLiteral("Series Name"), QStringLiteral("<SN>")},
            {QStringLiteral("Series Value"), QStringLiteral("<SV>")},
            {QStringLiteral("Excel Column"), QStringLiteral("<ECOL>")}};
        file_name_exported = file_name_save_txt->text();
        for (const auto &[title, token] : tokens)
            if (item == title)
                file_name_exported = token;
        if (Barcode_Setting_Or_Designing_Mode == 1) {
            const bool series = item.contains(QLatin1String("Series"));
            const bool excel = item.contains(QLatin1String("Excel"));
            Used_Seres_In_Design->setVisible(series);
            Used_Excel_Col_In_Design->setVisible(excel);
            if (series && Used_Seres_In_Design->count() > 0)
                Used_Seres_In_Design->setCurrentIndex(0);
            if (excel && Used_Excel_Col_In_Design->count() > 0)
                Used_Excel_Col_In_Design->setCurrentIndex(0);
        }
        file_name_save_txt->setVisible(item == QLatin1String("Custom"));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

bool PDF_Export::Check_List_Name_Exist_In_Used_Ser_Combo(const QString &name) const
{
    const QString t = Trim_Str(name);
    return t.isEmpty() || t == combo_first_Select || Used_Seres_In_Design->findText(t) >= 0;
}

bool PDF_Export::Check_Column_Name_Exist_In_Used_Excel_Combo(const QString &name) const
{
    const QString t = Trim_Str(name);
    return t.isEmpty() || t == combo_first_Select || Used_Excel_Col_In_Design->findText(t) >= 0;
}

void PDF_Export::Fill_Series_Or_Excel_List()
{
    if (!m_output)
        return;
    try {
        DesignOutput &d = *m_output->sources().design;
        const useddata::Lists lists{Used_Seres_In_Design, Used_Excel_Col_In_Design, Used_Excel_Col_Index,
                                    [this](const QString &name) { return Check_List_Name_Exist_In_Used_Ser_Combo(name); },
                                    [this](const QString &name) { return Check_Column_Name_Exist_In_Used_Excel_Combo(name); }};
        const QSignalBlocker blockSeries(Used_Seres_In_Design), blockColumns(Used_Excel_Col_In_Design);
        useddata::Fill_Used_Data_Lists(lists, d.Get_Front_Controls_Array(), d.Linked_Sheet_Column_Titles());
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

recordrange::Choice PDF_Export::rangeChoice() const
{
    return {All_print_rd, Sel_print_rd, tot_label, from_label, to_label,
            {Total_Text, Total_Stepper, from_Text, from_Stepper, To_Text, To_Stepper}};
}

void PDF_Export::Set_Tot_Value(int value, int max, const QString &setFor)
{
    recordrange::Set_Tot_Value(rangeChoice().range, print_with_batch_chk->isChecked(), value, max, setFor);
}

void PDF_Export::All_print_RD_Clicked() { recordrange::Select_All(rangeChoice()); }

void PDF_Export::Sel_Print_RD_Clicked() { recordrange::Select_Range(rangeChoice()); }

void PDF_Export::Set_Enable_Diable_Range_Box()
{
    const pdfsheetfit::RangeOffer offer =
        pdfsheetfit::Range_Offer(print_with_batch_chk->isChecked(), Sel_print_rd->isChecked());
    recordrange::Offer_Range(export_range_box, rangeChoice(), offer.radios, offer.total, offer.fromTo);
}

void PDF_Export::Verify_Card_Count()
{
    if (!m_output)
        return;
    DesignOutput &records = *m_output->sources().design;
    records.Check_Series_Or_Excel_Use_or_not();
    if ((Use_Data_Sheet_Values || Use_Excel_Binding_Values) && !print_with_batch_chk->isChecked())
        Use_Data_Sheet_Values = Use_Excel_Binding_Values = false;
    records.Get_total_Card_count();
}

void PDF_Export::Pdf_Help_Pressed() { HelpAbout::Run_PDF_Help(); }

void PDF_Export::CancelPressed()
{
    try {
        hide();
        if (m_output)
            m_output->sources().barcode->Select_First_Value_For_Barcode_Setting_Mode();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    done(0);
}

// Escape and the close box are Cancel.
void PDF_Export::reject() { CancelPressed(); }
