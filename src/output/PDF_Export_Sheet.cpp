// The PDF export dialog's sheet: the handlers of every field and stepper pair, the fit of the grid
// to the page, the page from the page setup, the output option and its two families (sheets with
// their gaps and grid, single labels with neither), alignment and auto-centre, the option boxes
// and the preview.

#include "output/PDF_Export.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "outputjobs/PdfSheetFit.h"
#include "outputjobs/Print_Wnd_PaperNames.h"
#include "output/LabelSizeFields.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/RecordRange.h"
#include "output/Sample_Preview.h"
#include "core/PageSetupPanel.h"
#include "outputjobs/SheetLayout.h"
#include "platform/CountField.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

void showValue(QLineEdit *field, platform::Stepper *stepper, double value)
{
    platform::showNumber(field, value, platform::PairFormat::Real);
    stepper->setDoubleValue(value);
}

} // namespace

void PDF_Export::Wire_Handlers()
{
    using platform::connectPair;
    connectPair(width_Stepper, width_Text, this, [this](QObject *s) { Width_Changed(s); });
    connectPair(height_Stepper, height_Text, this, [this](QObject *s) { Height_Changed(s); });
    connectPair(horz_mar_Stepper, horz_mar_Text, this, [this](QObject *s) { Horz_Margin_Changed(s); });
    connectPair(vert_mar_Stepper, vert_mar_Text, this, [this](QObject *s) { Vert_Margin_Changed(s); });
    // Rows, columns and the range are whole counts: a typed one is taken or refused when its typing
    // ends (never text set by code), and the counts' rule then sets their steppers.
    connectPair(Row_Stepper, nullptr, this, [this](QObject *s) { Row_Changed(s); });
    connectPair(Col_Stepper, nullptr, this, [this](QObject *s) { Col_Changed(s); });
    platform::connectCountField(Row_Text, {QStringLiteral("number of rows"), 1, qint64(Row_Stepper->maxValue())}, this,
                                [this] { Row_Changed(Row_Text); });
    platform::connectCountField(Col_Text, {QStringLiteral("number of columns"), 1, qint64(Col_Stepper->maxValue())},
                                this, [this] { Col_Changed(Col_Text); });
    platform::connectCountStepper(Row_Stepper, Row_Text, this);
    platform::connectCountStepper(Col_Stepper, Col_Text, this);
    connectPair(Total_Stepper, nullptr, this, [this](QObject *s) { Total_Val_Changed(s); });
    connectPair(from_Stepper, nullptr, this, [this](QObject *s) { From_Stepper_Changed(s); });
    connectPair(To_Stepper, nullptr, this, [this](QObject *s) { To_Stepper_Changed(s); });
    recordrange::Connect_Fields(rangeChoice().range, this, [this](QLineEdit *field) { controlTextDidChange(field); });
    connect(Auto_Center_chk_bx, &QCheckBox::clicked, this, &PDF_Export::Auto_Center_Checked);
    const std::vector<QPushButton *> buttons = Alignment_Buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
        connect(buttons[i], &QPushButton::clicked, this, [this, i] { Alignment_Clicked(int(i) + 1); });
    connect(All_print_rd, &QRadioButton::clicked, this, &PDF_Export::All_print_RD_Clicked);
    connect(Sel_print_rd, &QRadioButton::clicked, this, &PDF_Export::Sel_Print_RD_Clicked);
    connect(skip_inavlid_chk, &QCheckBox::clicked, this, &PDF_Export::Skip_Inavlid_Checked);
    connect(print_qty_chk, &QCheckBox::clicked, this, &PDF_Export::Print_Qty_Checked);
    connect(print_with_batch_chk, &QCheckBox::clicked, this, &PDF_Export::Print_With_Batch_Changed);
    connect(Show_Margins, &QCheckBox::clicked, this, &PDF_Export::Show_Margin_Checked);
    connect(pdf_matrix, &QButtonGroup::idClicked, this, [this] { pdf_export_option_CellClick(); });
    connect(use_label_size_chk_box, &QCheckBox::clicked, this, &PDF_Export::use_label_size_chk_box_Click);
    connect(Page_From_Printer_btn, &QPushButton::clicked, this, &PDF_Export::Page_From_Printer_Click);
    connect(Pdf_Help_btn, &QPushButton::clicked, this, &PDF_Export::Pdf_Help_Pressed);
    connect(okButton, &QPushButton::clicked, this, &PDF_Export::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &PDF_Export::CancelPressed);
    connect(Save_Type_ComboBox, &QComboBox::currentIndexChanged, this, [this] { comboBoxSelectionDidChange(Save_Type_ComboBox); });
    // Scrolling the preview redraws the sheet view.
    connect(Print_sclview->verticalScrollBar(), &QScrollBar::valueChanged, PrintView, qOverload<>(&QWidget::update));
}

// ---- Pairs ----

void PDF_Export::Width_Changed(QObject *sender)
{
    if (!labelsize::Take(sender, width_Text, width_Stepper, labelsize::Side::Width))
        return;
    platform::copyPair(sender, width_Stepper, width_Text, platform::PairFormat::TwoDecimals);
    Check_Max_Cell_Value();
}

void PDF_Export::Height_Changed(QObject *sender)
{
    if (!labelsize::Take(sender, height_Text, height_Stepper, labelsize::Side::Height))
        return;
    platform::copyPair(sender, height_Stepper, height_Text, platform::PairFormat::TwoDecimals);
    Check_Max_Cell_Value();
}

void PDF_Export::Horz_Margin_Changed(QObject *sender)
{
    if (!GapFields::Take(sender, horz_mar_Text, horz_mar_Stepper, QStringLiteral("horizontal gap"), platform::PairFormat::Real,
                         Gap_Most().width()))
        return;
    platform::copyPair(sender, horz_mar_Stepper, horz_mar_Text, platform::PairFormat::Real);
    Check_Max_Cell_Value();
}

void PDF_Export::Vert_Margin_Changed(QObject *sender)
{
    if (!GapFields::Take(sender, vert_mar_Text, vert_mar_Stepper, QStringLiteral("vertical gap"), platform::PairFormat::Real,
                         Gap_Most().height()))
        return;
    platform::copyPair(sender, vert_mar_Stepper, vert_mar_Text, platform::PairFormat::Real);
    Check_Max_Cell_Value();
}

// Rows or columns changed: the fit, and without batch data one sheet's worth of labels, which
// settles the fit (the preview is drawn once: a sheet of tiny labels is a large drawing).
void PDF_Export::gridChanged()
{
    if (Use_Data_Sheet_Values || Use_Excel_Binding_Values) {
        Check_Max_Cell_Value();
        return;
    }
    Fit_Grid_Edit();
    Total_Label = Print_Row * Print_Col;
    Set_Tot_Value(Total_Label, int(Total_Stepper->maxValue()), QStringLiteral("A"));
}

void PDF_Export::Row_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, Row_Stepper, Row_Text, platform::PairFormat::Integer);
    gridChanged();
}

void PDF_Export::Col_Changed(QObject *sender)
{
    platform::copyPairBounded(sender, Col_Stepper, Col_Text, platform::PairFormat::Integer);
    gridChanged();
}

void PDF_Export::Total_Val_Changed(QObject *sender)
{
    platform::copyPair(sender, Total_Stepper, Total_Text, platform::PairFormat::Integer);
}

void PDF_Export::From_Stepper_Changed(QObject *sender)
{
    platform::copyPair(sender, from_Stepper, from_Text, platform::PairFormat::Integer);
}

void PDF_Export::To_Stepper_Changed(QObject *sender)
{
    platform::copyPair(sender, To_Stepper, To_Text, platform::PairFormat::Integer);
}

void PDF_Export::controlTextDidChange(QObject *control)
{
    try {
        if (control != Total_Text && control != from_Text && control != To_Text)
            return;
        auto *field = static_cast<QLineEdit *>(control);
        int value = recordrange::Typed_Record(field->text());
        const int mode = Barcode_Setting_Or_Designing_Mode;
        const bool batch = print_with_batch_chk->isChecked();
        int limit = recordrange::Most_Records;
        if (mode == 0 && batch) {
            print_wd_pq_opt = print_qty_chk->isChecked();
            limit = print_wd_pq_opt ? Total_Label_Wd_PQ : Total_Barcode_Label_wd_Batch;
            Total_Label = limit;
            value = std::min(value, limit);
        } else if (mode == 1 && batch) {
            limit = Total_Batch_Excel_Card;
            value = std::min(value, limit);
        }
        field->setText(QString::number(value));
        if (control == from_Text) {
            from_Stepper->setIntValue(value);
            return;
        }
        if (mode == 2)
            return;
        Set_Tot_Value(value, batch ? (mode == 0 ? Total_Label : limit) : recordrange::Most_Records,
                      control == Total_Text ? QStringLiteral("TOT") : QStringLiteral("TO"));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void PDF_Export::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (combo != Save_Type_ComboBox || Save_Type_ComboBox->currentIndex() < 0)
        return;
    Refresh_name_Fields(Save_Type_ComboBox->currentText());
}

// ---- Alignment and auto-centre ----

std::vector<QPushButton *> PDF_Export::Alignment_Buttons() const
{
    return {top_left_btn, top_center_btn, top_rite_btn, mid_left_btn, mid_center_btn,
            mid_rite_btn, bot_left_btn,   bot_center_btn, bot_rite_btn};
}

void PDF_Export::Alignment_Clicked(int value)
{
    label_align_val = value;
    Set_Reset_Alignemnt_Image();
    Refresh_Preview();
}

void PDF_Export::Set_Reset_Alignemnt_Image()
{
    const std::vector<QPushButton *> buttons = Alignment_Buttons();
    for (size_t i = 0; i < buttons.size() && i < m_alignImages.size(); ++i) {
        const bool selected = int(i) + 1 == label_align_val;
        buttons[i]->setIcon(selected ? m_alignImages[i].second : m_alignImages[i].first);
        buttons[i]->setChecked(selected);
    }
}

void PDF_Export::Auto_Center_Checked()
{
    auto_center_flag = Auto_Center_chk_bx->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{horz_mar_Stepper, vert_mar_Stepper, align_Gp_Bx})
        w->setEnabled(!auto_center_flag);
    Check_Max_Cell_Value();
}

// ---- Output option ----

void PDF_Export::Capture_Last_Values()
{
    LAST_Horz_Mar = float(horz_mar_Stepper->doubleValue());
    LAST_Vert_Mar = float(vert_mar_Stepper->doubleValue());
    LAST_Row = Row_Stepper->intValue();
    LAST_Column = Col_Stepper->intValue();
}

void PDF_Export::Normal_Printing_Is_Selected()
{
    showValue(horz_mar_Text, horz_mar_Stepper, LAST_Horz_Mar);
    showValue(vert_mar_Text, vert_mar_Stepper, LAST_Vert_Mar);
    showValue(Row_Text, Row_Stepper, LAST_Row);
    showValue(Col_Text, Col_Stepper, LAST_Column);
    for (QWidget *w : std::initializer_list<QWidget *>{horz_mar_Stepper, vert_mar_Stepper, Row_Stepper, Col_Stepper,
                                                       card_align_box})
        w->setEnabled(true);
    align_Gp_Bx->setEnabled(!Auto_Center_chk_bx->isChecked());
}

void PDF_Export::Disable_for_fit_or_duplex()
{
    showValue(horz_mar_Text, horz_mar_Stepper, 0);
    showValue(vert_mar_Text, vert_mar_Stepper, 0);
    showValue(Row_Text, Row_Stepper, 1);
    showValue(Col_Text, Col_Stepper, 1);
    for (platform::Stepper *s : {horz_mar_Stepper, vert_mar_Stepper, Row_Stepper, Col_Stepper})
        s->setEnabled(false);
    card_align_box->setEnabled(!use_label_size_chk_box->isChecked());
    align_Gp_Bx->setEnabled(!Auto_Center_chk_bx->isChecked());
}

void PDF_Export::pdf_export_option_CellClick()
{
    try {
        const int option = std::max(0, pdf_matrix->checkedId());
        const bool wasSingle = pdf_export_opt_bkup == 2 || pdf_export_opt_bkup == 3;
        Save_Type_ComboBox->setEnabled(option == 2);
        if (option != 2 && Save_Type_ComboBox->count() > 0)
            Save_Type_ComboBox->setCurrentIndex(0);
        if (!wasSingle)
            Capture_Last_Values();
        set_pdf_export_opt(option);
        if (option == 0 || option == 1) {
            use_label_size_chk_box->setVisible(false);
            Normal_Printing_Is_Selected();
        } else {
            use_label_size_chk_box->setVisible(true);
            Disable_for_fit_or_duplex();
        }
        Set_values_From_Printer();
        Check_Max_Cell_Value();
        pdf_export_opt_bkup = option;
        Refresh_Preview();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void PDF_Export::use_label_size_chk_box_Click()
{
    PDF_Use_Label_Size = use_label_size_chk_box->isChecked();
    card_align_box->setEnabled(!PDF_Use_Label_Size);
    if (!PDF_Use_Label_Size)
        align_Gp_Bx->setEnabled(!Auto_Center_chk_bx->isChecked());
    Set_values_From_Printer();
    Check_Max_Cell_Value();
}

// ---- Option boxes ----

void PDF_Export::Skip_Inavlid_Checked()
{
    skip_invalid_barcode = skip_inavlid_chk->isChecked();
    Refresh_Preview();
}

void PDF_Export::Show_Margin_Checked()
{
    Show_margin_rect = Show_Margins->isChecked();
    Refresh_Preview();
}

void PDF_Export::Print_Qty_Checked()
{
    try {
        print_wd_pq_opt = print_qty_chk->isChecked();
        Total_Label = print_wd_pq_opt ? Total_Label_Wd_PQ : Total_Barcode_Label_wd_Batch;
        if (m_output)
            m_output->sources().barcode->Add_Records_In_List(print_wd_pq_opt);
        Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
        Refresh_Preview();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void PDF_Export::Print_With_Batch_Changed()
{
    try {
        const bool on = print_with_batch_chk->isChecked();
        if (Barcode_Setting_Or_Designing_Mode != 0) {
            Verify_Card_Count();
            Total_Label = on ? Total_Batch_Excel_Card : Print_Row * Print_Col;
        } else if (!on) {
            Use_Data_Sheet_Values = false;
            print_wd_pq_opt = false;
            if (print_qty_chk->isVisible()) {
                print_qty_chk->setChecked(false);
                print_qty_chk->setEnabled(false);
            }
            Total_Label = Print_Row * Print_Col;
        } else {
            Use_Data_Sheet_Values = true;
            if (print_qty_chk->isVisible()) {
                print_qty_chk->setChecked(true);
                print_qty_chk->setEnabled(true);
            }
            print_wd_pq_opt = print_qty_chk->isChecked();
            Total_Label = print_wd_pq_opt ? Total_Label_Wd_PQ : Total_Barcode_Label_wd_Batch;
        }
        Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
        Set_Enable_Diable_Range_Box();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

// ---- Page and fit ----

void PDF_Export::Page_From_Printer_Click()
{
    try {
        platform::PrintInfo info = printInfo ? *printInfo : platform::PrintInfo::sharedPrintInfo();
        if (!Run_Page_Setup(info, this))
            return;
        if (m_output)
            m_output->sources().host->setPrintInfo(info);
        else
            printInfo = std::make_shared<platform::PrintInfo>(info);
        Set_values_From_Printer();
        Check_Max_Cell_Value();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void PDF_Export::Set_values_From_Printer()
{
    const PaperSetup setup = PaperSetup::of(printInfo.get());
    QString paperName = Find_Papaer_Name_From_Size(QString::asprintf("%.2f", setup.paperMM.width()),
                                                   QString::asprintf("%.2f", setup.paperMM.height()));
    if (paperName.isEmpty() && printInfo)
        paperName = printInfo->pageLayout.pageSize().name();
    Page_name_txt->setText(paperName);
    float PW = float(setup.paper.width()), PH = float(setup.paper.height());
    const QRectF area = setup.imageable;
    float L = float(area.x()), B = float(area.y());
    float R = PW - L - float(area.width()), T = PH - B - float(area.height());
    const int option = pdf_export_opt();
    if ((option == 2 || option == 3) && PDF_Use_Label_Size) {
        PW = label_width;
        PH = label_hight;
        L = R = T = B = 0;
    }
    const QSize size(int(std::ceil(PW)), int(std::ceil(PH)));
    PrintView->resize(size);
    preview_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    preview_image.fill(Qt::white);
    Page_width_txt->setText(QString::asprintf("%.2f", double(Points_to_MM_Convert(PW))));
    Page_height_txt->setText(QString::asprintf("%.2f", double(Points_to_MM_Convert(PH))));
    Left_Mar = L;
    Rite_Mar = R;
    Top_Mar = T;
    Bot_Mar = B;
    l_mar_id->setText(Margin_Text(L));
    r_mar_id->setText(Margin_Text(R));
    t_mar_id->setText(Margin_Text(T));
    b_mar_id->setText(Margin_Text(B));
    Refresh_Preview();
}

sheetfit::Fields PDF_Export::Fit_Fields() const
{
    sheetfit::Fields f;
    f.manualWidth = float(width_Stepper->doubleValue());
    f.manualHeight = float(height_Stepper->doubleValue());
    f.horzGap = horz_mar_Text->text();
    f.vertGap = vert_mar_Text->text();
    f.horzGapInUse = float(horz_mar_Stepper->doubleValue());
    f.vertGapInUse = float(vert_mar_Stepper->doubleValue());
    f.rows = Row_Text->text();
    f.cols = Col_Text->text();
    f.autoCentre = Auto_Center_chk_bx->isChecked();
    return f;
}

QSizeF PDF_Export::Gap_Most() const
{
    return GapFields::Most(pdfsheetfit::Gap_Extent(SheetLayout::fromGlobals(), Fit_Fields(), pdf_export_opt(), PDF_Use_Label_Size));
}

void PDF_Export::Check_Max_Cell_Value() { Fit_Sheet(false); }

void PDF_Export::Fit_Grid_Edit() { Fit_Sheet(true); }

void PDF_Export::Fit_Sheet(bool settle)
{
    try {
        const bool batch = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
        const bool centred = Auto_Center_chk_bx->isChecked();
        gapFields.beforeFit(centred);
        const SheetLayout before = SheetLayout::fromGlobals();
        const sheetfit::Fields fields = Fit_Fields();
        const auto fitOf = [&](const SheetLayout &layout, const sheetfit::Fields &f) {
            return pdfsheetfit::Check_Max_Cell_Value(layout, f, pdf_export_opt(), PDF_Use_Label_Size, batch);
        };
        sheetfit::Result fit = fitOf(before, fields);
        if (!fit.ran)
            return;
        if (settle) {
            // The second fit starts from the layout as the globals keep it: no product, the paper.
            SheetLayout kept = fit.layout;
            kept.Manual_or_Pre = 0;
            kept.setup = before.setup;
            fit = sheetfit::Settled(fit, fitOf(kept, sheetfit::Shown_Fields(fields, fit, centred)));
        }
        gapFields.afterFit(centred, fit.layout.horz_mar, fit.layout.vert_mar);
        // The margins are this dialog's (the label's none for label pages), whatever the fit's page.
        SheetLayout l = fit.layout;
        l.Manual_or_Pre = 0;
        l.toGlobals();
        if (fit.writeCols)
            showValue(Col_Text, Col_Stepper, fit.cols);
        if (fit.writeRows)
            showValue(Row_Text, Row_Stepper, fit.rows);
        GapFields::showCuts(horz_mar_Text, horz_mar_Stepper, fit.horzGapShown, vert_mar_Text, vert_mar_Stepper,
                            fit.vertGapShown);
        if (!batch)
            Set_Tot_Value(Total_Label, int(Total_Stepper->maxValue()), QStringLiteral("A"));
        Refresh_Preview();
    } catch (const std::exception &) {
        // The fit of a half-typed entry ends quietly; the next change fits again.
    }
}

void PDF_Export::Refresh_Preview()
{
    if (!printInfo)
        return;
    Print_sclview->verticalScrollBar()->setValue(0);
    PrintView->update();
    const QImage sheet = PrintView->imageRepresentation();
    test_image_view->setPixmap(QPixmap::fromImage(sheet));
    test_image_view->resize(sheet.size());
}
