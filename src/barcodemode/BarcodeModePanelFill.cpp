// The Barcode-mode page as a value: read from its controls, and filled from a value or a new
// project's defaults with the controls' signals blocked (a fill is no user edit).

#include "barcodemode/BarcodeModePanel.h"

#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "imaging/QrLogo.h"
#include "core/Globals.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "core/Utilities.h"
#include "engines/Symbologies.h"
#include "platform/ColorWell.h"
#include "platform/ControlFill.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

using platform::PairFormat;

namespace {

bool checked(const QAbstractButton *b) { return b && b->isChecked(); }
QString textOf(const QLineEdit *f) { return f ? f->text() : QString(); }
int indexOf(const QComboBox *c) { return c ? c->currentIndex() : 0; }
QColor colorOf(const platform::ColorWell *w) { return w ? w->color() : QColor(); }
double realOf(const platform::Stepper *s) { return s ? s->doubleValue() : 0.0; }
int intOf(const platform::Stepper *s) { return s ? s->intValue() : 0; }

using platform::fill::selectIndex;
using platform::fill::setChecked;
using platform::fill::setColour;
using platform::fill::setPair;

// The series choice of a row when its box is ticked and an item is chosen, else "".
QString seriesChoice(const QAbstractButton *box, const QComboBox *combo)
{
    if (!checked(box) || !combo || combo->currentIndex() < 0)
        return QStringLiteral("");
    return combo->currentText();
}

// A background the file's colour text shows as 0.0:0.0:0.0:0.0 counts as none.
bool clearColour(const QColor &colour)
{
    const QColor rgb = colour.isValid() ? colour.toRgb() : QColor(0, 0, 0, 0);
    return colour.alpha() == 0 ||
           QString::asprintf("%0.1f:%0.1f:%0.1f:%0.1f", double(rgb.redF()), double(rgb.greenF()), double(rgb.blueF()),
                             double(rgb.alphaF())) == QLatin1String("0.0:0.0:0.0:0.0");
}

} // namespace

BarcodeModeSettings BarcodeModePanel::settings() const
{
    BarcodeModeSettings s;
    s.symbology = c.chosenSymbologyTitle();
    s.family = c.liner_or_2D_font;
    s.linearValue = textOf(c.dataText);
    s.twoDValue = c.Get_Two_D_Value_From_Field();
    s.header = textOf(c.HeaderText);
    s.footer = textOf(c.FooterText);
    s.hideHeader = checked(c.hideHeaderCheckbox);
    s.hideFooter = checked(c.hideFooterCheckbox);
    s.caption = checked(c.captionCheckbox);
    s.valueOnTop = checked(c.showinTopCheckbox);
    s.alignHeader = indexOf(c.align_hdr_combo);
    s.alignFooter = indexOf(c.align_ftr_combo);

    s.barHeight = textOf(c.HeightText);
    s.barWidth = textOf(c.widthText);
    s.qrSide = textOf(c.HeightText_2D);
    s.pdfHeight = textOf(c.pdf_HeightText_2D);
    s.pdfWidth = textOf(c.Pdf_widthText_2D);
    s.pdfLevel = textOf(c.pdf_ec_lvl_Text);
    s.dmModule = textOf(c.dm_moduleText_2D);
    s.margins = {textOf(c.hdr_mar_Text), textOf(c.ftr_mar_Text), textOf(c.val_mar_Text), textOf(c.TB_mar_Text),
                 textOf(c.LR_mar_Text)};
    s.steps.barHeight = realOf(c.HeightStepper);
    s.steps.barWidth = realOf(c.widthStepper);
    s.steps.qrSide = intOf(c.HeightStepper_2D);
    s.steps.pdfHeight = intOf(c.pdf_HeightStepper_2D);
    s.steps.pdfWidth = intOf(c.Pdf_widthStepper_2D);
    s.steps.pdfLevel = intOf(c.pdf_ec_lvl_Stepper);
    s.steps.dmModule = intOf(c.dm_moduleStepper_2D);
    s.steps.margins = {realOf(c.hdr_mar_Stepper), realOf(c.ftr_mar_Stepper), realOf(c.val_mar_Stepper),
                       realOf(c.TB_mar_Stepper), realOf(c.LR_mar_Stepper)};

    s.qrVersion = indexOf(c.qr_version_ComboBox);
    s.qrLevel = indexOf(c.qr_ec_lvl_ComboBox);
    s.qrEncoding = indexOf(c.qr_enc_mode_ComboBox);
    s.dmFormat = indexOf(c.dm_format_ComboBox);
    s.dmEncoding = indexOf(c.dm_encoding_ComboBox);
    s.dpiIndex = indexOf(c.DPI_ComboBox);
    s.dpiText = textOf(c.dpi_Text);
    s.unit = Measument_Unit_Is_Barcode;

    s.fonts = {c.value_font, c.header_font, c.footer_font};
    s.colours = {colorOf(c.bar_hdr_clr), colorOf(c.bar_ftr_clr), colorOf(c.bar_val_clr), colorOf(c.bar_back_clr),
                 colorOf(c.barcode_clr)};
    s.clearBackground = checked(c.brcd_bk_clr_trnsp_rd);
    s.transparentBox = checked(c.transparent_bkgnd);

    s.logo = checked(c.Use_Logo_chk);
    s.logoPath = c.Use_logo_path ? c.Use_logo_path->toPlainText() : QStringLiteral("");

    s.batch = checked(c.data_source_chkbox);
    s.fromList = {checked(c.barcode_value_chk), checked(c.barcode_header_chk), checked(c.barcode_footer_chk)};
    s.customSheet = checked(c.Custom_Sheet_RD);
    s.series = {seriesChoice(c.barcode_value_chk, c.val_combo_list), seriesChoice(c.barcode_value_chk, c.val_combo_value),
                seriesChoice(c.barcode_header_chk, c.hdr_combo_list), seriesChoice(c.barcode_header_chk, c.hdr_combo_value),
                seriesChoice(c.barcode_footer_chk, c.ftr_combo_list), seriesChoice(c.barcode_footer_chk, c.ftr_combo_value)};
    s.seriesRow = {c.val_combo_list ? c.val_combo_list->currentIndex() : -1,
                   c.hdr_combo_list ? c.hdr_combo_list->currentIndex() : -1,
                   c.ftr_combo_list ? c.ftr_combo_list->currentIndex() : -1};
    s.records = c.ListData_barcode;
    return s;
}

void BarcodeModePanel::setSettings(const BarcodeModeSettings &s)
{
    filling = true;
    BarcodeModeController &bm = c;
    DesignBarcodeMode &dsg = bm.design();
    try {
        // The series choices start empty.
        for (QLineEdit *name : {bm.val_list_name_txt, bm.hdr_list_name_txt, bm.ftr_list_name_txt})
            if (name)
                name->clear();
        for (QComboBox *combo : {bm.val_combo_list, bm.hdr_combo_list, bm.ftr_combo_list})
            if (combo && combo->count() > 0)
                selectIndex(combo, 0, 0);
        for (QComboBox *combo : {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value})
            if (combo && combo->count() > 0) {
                const QSignalBlocker block(combo);
                combo->setCurrentIndex(-1);
            }
        Not_Draw_Only_Prop_Change = true;

        if (bm.barcodeTypePopup) {
            const int symbology = Symbologies::indexOf(s.symbology);
            const QSignalBlocker block(bm.barcodeTypePopup);
            const int item = symbology >= 0 ? bm.barcodeTypePopup->findText(Symbologies::displayTitle(symbology)) : -1;
            bm.barcodeTypePopup->setCurrentIndex(item >= 0 ? item : 0);
        }
        setChecked(bm.data_source_chkbox, s.batch);
        setChecked(bm.hideHeaderCheckbox, s.hideHeader);
        setChecked(bm.hideFooterCheckbox, s.hideFooter);
        setChecked(bm.captionCheckbox, s.caption);
        bm.captionChanged(bm.captionCheckbox);
        setChecked(bm.showinTopCheckbox, s.valueOnTop);
        selectIndex(bm.align_hdr_combo, s.alignHeader, 1);
        selectIndex(bm.align_ftr_combo, s.alignFooter, 1);
        bm.liner_or_2D_font = s.family != 0 ? 1 : 0;

        setPair(bm.HeightText, bm.HeightStepper, platform::leadingReal(s.barHeight), PairFormat::Real);
        setPair(bm.widthText, bm.widthStepper, platform::leadingReal(s.barWidth), PairFormat::Real);
        setPair(bm.HeightText_2D, bm.HeightStepper_2D, platform::leadingInteger(s.qrSide), PairFormat::Integer);
        selectIndex(bm.qr_version_ComboBox, s.qrVersion, 0);
        selectIndex(bm.qr_ec_lvl_ComboBox, s.qrLevel, 0);
        setPair(bm.pdf_HeightText_2D, bm.pdf_HeightStepper_2D, platform::leadingInteger(s.pdfHeight), PairFormat::Integer);
        setPair(bm.Pdf_widthText_2D, bm.Pdf_widthStepper_2D, platform::leadingInteger(s.pdfWidth), PairFormat::Integer);
        setPair(bm.pdf_ec_lvl_Text, bm.pdf_ec_lvl_Stepper, platform::leadingInteger(s.pdfLevel), PairFormat::Integer);
        setPair(bm.dm_moduleText_2D, bm.dm_moduleStepper_2D, platform::leadingInteger(s.dmModule), PairFormat::Integer);
        selectIndex(bm.dm_format_ComboBox, s.dmFormat, 0);
        selectIndex(bm.dm_encoding_ComboBox, s.dmEncoding, 0);
        QLineEdit *marginFields[5] = {bm.hdr_mar_Text, bm.ftr_mar_Text, bm.val_mar_Text, bm.TB_mar_Text, bm.LR_mar_Text};
        platform::Stepper *marginSteppers[5] = {bm.hdr_mar_Stepper, bm.ftr_mar_Stepper, bm.val_mar_Stepper,
                                                bm.TB_mar_Stepper, bm.LR_mar_Stepper};
        for (int i = 0; i < 5; ++i)
            setPair(marginFields[i], marginSteppers[i], platform::leadingReal(s.margins[size_t(i)]), PairFormat::Real);

        QFont *fonts[3] = {&bm.value_font, &bm.header_font, &bm.footer_font};
        QLineEdit *fontLabels[3] = {bm.value_font_value, bm.header_font_value, bm.footer_font_value};
        for (int i = 0; i < 3; ++i) {
            *fonts[i] = s.fonts[size_t(i)];
            if (fontLabels[i])
                fontLabels[i]->setText(BarcodeEditor::fontDisplayText(*fonts[i]));
        }

        platform::ColorWell *wells[5] = {bm.bar_hdr_clr, bm.bar_ftr_clr, bm.bar_val_clr, bm.bar_back_clr, bm.barcode_clr};
        for (int i = 0; i < 5; ++i)
            setColour(wells[i], s.colours[size_t(i)]);
        const bool clear = clearColour(s.colours[3]);
        setChecked(bm.brcd_bk_clr_rd, !clear);
        setChecked(bm.brcd_bk_clr_trnsp_rd, clear);
        if (bm.bar_back_clr)
            bm.bar_back_clr->setEnabled(!clear);

        selectIndex(bm.DPI_ComboBox, s.dpiIndex, 0);
        if (bm.dpi_Text) {
            const QSignalBlocker block(bm.dpi_Text);
            bm.dpi_Text->setText(s.dpiText);
        }
        Measument_Unit_Is_Barcode = last_unit_val_Barcode = (s.unit >= 0 && s.unit <= 2) ? s.unit : 1;

        bm.ListData_barcode = s.records;
        bm.Reload_List();
        bm.Update_List_Count();

        setChecked(bm.Custom_Sheet_RD, s.customSheet);
        setChecked(bm.Data_Set_Sheet_RD, !s.customSheet);
        if (s.withSeries) {
            if (!s.customSheet)
                bm.Fill_Combo_List_Reading_Data_List_File(0, QStringLiteral(""), 0);
            QComboBox *lists[3] = {bm.val_combo_list, bm.hdr_combo_list, bm.ftr_combo_list};
            QComboBox *values[3] = {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value};
            QLineEdit *names[3] = {bm.val_list_name_txt, bm.hdr_list_name_txt, bm.ftr_list_name_txt};
            for (int i = 0; i < 3; ++i) {
                const QString name = s.series[size_t(2 * i)];
                const QString item = Trim_Str(s.series[size_t(2 * i + 1)]);
                if (values[i]) {
                    const QSignalBlocker block(values[i]);
                    dsg.Fille_Data_Set_Values_In_Combo(values[i], name);
                }
                if (names[i])
                    names[i]->setText(Trim_Str(name));
                if (!Trim_Str(name).isEmpty() && lists[i]) {
                    const QSignalBlocker block(lists[i]);
                    lists[i]->setCurrentIndex(lists[i]->findText(Trim_Str(name)));
                }
                if (!item.isEmpty() && values[i]) {
                    const QSignalBlocker block(values[i]);
                    values[i]->setCurrentIndex(values[i]->findText(item));
                }
            }
        }
        if (s.withLogo) {
            bm.USE_QR_LOGO = s.logo;
            setChecked(bm.Use_Logo_chk, s.logo);
            QString logoPath;
            QImage logo;
            if (QFileInfo(s.logoPath).isFile()) {
                logoPath = Check_Path_For_App_Resources(s.logoPath);
                logo = qr_logo::readScaled(logoPath);
            }
            bm.USE_QR_LOGO_IMG = logo;
            bm.USE_QR_LOGO_PATH = logoPath;
            if (bm.Use_logo_path)
                bm.Use_logo_path->setPlainText(logoPath);
            if (bm.Use_logo_box)
                SetObjEnabled(bm.Use_logo_box, bm.USE_QR_LOGO);
            if (bm.Use_Logo_Image_View)
                bm.Use_Logo_Image_View->setPicture(logo.isNull() ? platform::Picture() : platform::Picture::fromImage(logo));
        }
        if (s.withTransparency) {
            setChecked(bm.transparent_bkgnd, s.transparentBox);
            setChecked(bm.brcd_bk_clr_rd, !s.transparentBox);
            setChecked(bm.brcd_bk_clr_trnsp_rd, s.transparentBox);
            if (bm.bar_back_clr)
                bm.bar_back_clr->setEnabled(!s.transparentBox);
        }

        bm.barcodeData_SourceChanged(bm.data_source_chkbox);
        setChecked(bm.barcode_value_chk, s.fromList[0]);
        setChecked(bm.barcode_header_chk, s.fromList[1]);
        setChecked(bm.barcode_footer_chk, s.fromList[2]);
        bm.Batch_Value_Check(bm.barcode_value_chk);
        bm.Batch_Header_Check(bm.barcode_header_chk);
        bm.Batch_Footer_Check(bm.barcode_footer_chk);

        bm.Set_Linear_Value_in_Field(s.linearValue);
        bm.Set_Two_D_Value_in_Field(s.twoDValue);
        if (bm.HeaderText)
            bm.HeaderText->setText(s.header);
        if (bm.FooterText)
            bm.FooterText->setText(s.footer);

        Barcode_Setting_Or_Designing_Mode = 0;
        bm.Select_First_Value_For_Barcode_Setting_Mode();
        bm.set_list_value_to_text_box();
        bm._setLabels_Barcode();
        bm.Balance_Datasheet_Combo_Max_Count();
        const QString title = bm.chosenSymbologyTitle();
        if (title == QLatin1String("QR Code") || title == QLatin1String("PDF417") || title == QLatin1String("DataMatrix"))
            bm.two_d_barcode_Opt_Select();
        else
            bm.Liner_Barcode_Opt_Select();
    } catch (...) {
        Not_Draw_Only_Prop_Change = false;
        filling = false;
        throw;
    }
    Not_Draw_Only_Prop_Change = false;
    filling = false;
}

void BarcodeModePanel::resetForNewProject()
{
    filling = true;
    const auto done = qScopeGuard([this] { filling = false; });
    BarcodeModeController &bm = c;
    // No QR logo.
    setChecked(bm.Use_Logo_chk, false);
    bm.USE_QR_LOGO = false;
    bm.USE_QR_LOGO_IMG = QImage();
    bm.USE_QR_LOGO_PATH = QStringLiteral("");
    if (bm.Use_logo_path)
        bm.Use_logo_path->clear();
    if (bm.Use_Logo_Image_View)
        bm.Use_Logo_Image_View->setPicture(platform::Picture());
    if (bm.Use_logo_box)
        SetObjEnabled(bm.Use_logo_box, false);
    // A linear symbology, the first one.
    bm.liner_or_2D_font = 0;
    selectIndex(bm.barcodeTypePopup, 0);
    // The series choices, disabled and emptied.
    for (QComboBox *combo : {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value})
        if (combo)
            combo->setEnabled(false);
    for (QLineEdit *f : {bm.val_list_name_txt, bm.hdr_list_name_txt, bm.ftr_list_name_txt})
        if (f)
            f->clear();
    try {
        for (QComboBox *combo : {bm.val_combo_list, bm.hdr_combo_list, bm.ftr_combo_list})
            selectIndex(combo, 0);
        for (QComboBox *combo : {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value}) {
            if (!combo)
                continue;
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(-1);
            combo->clear();
        }
    } catch (const std::exception &) {
        // The series combos are best effort: the reset goes on.
    }
    // Typed values from the custom sheet.
    setChecked(bm.data_source_chkbox, false);
    setChecked(bm.Custom_Sheet_RD, true);
    setChecked(bm.Data_Set_Sheet_RD, false);
    bm.barcodeData_SourceChanged(bm.data_source_chkbox);
    // An empty value list.
    bm.ListData_barcode.clear();
    bm.Reload_List();
    bm.Update_List_Count();
    // Value, texts, bands.
    bm.Set_Linear_Value_in_Field(QStringLiteral("123456789012"));
    bm.Set_Two_D_Value_in_Field(QStringLiteral("123456789012"));
    if (bm.HeaderText)
        bm.HeaderText->setText(def_barcode_hdr_str);
    if (bm.FooterText)
        bm.FooterText->setText(QStringLiteral("FOOTER"));
    for (QCheckBox *b : {bm.hideHeaderCheckbox, bm.hideFooterCheckbox, bm.captionCheckbox, bm.showinTopCheckbox})
        setChecked(b, false);
    bm.captionChanged(bm.captionCheckbox);
    selectIndex(bm.align_hdr_combo, 1);
    selectIndex(bm.align_ftr_combo, 1);
    bm.prev_list_item_barcode = 0;
    // Sizes and margins.
    setPair(bm.HeightText, bm.HeightStepper, 1.0, PairFormat::Real);
    setPair(bm.widthText, bm.widthStepper, 20.0, PairFormat::Real);
    setPair(bm.HeightText_2D, bm.HeightStepper_2D, 60, PairFormat::Integer);
    selectIndex(bm.qr_version_ComboBox, 0);
    selectIndex(bm.qr_ec_lvl_ComboBox, 0);
    QR_EC_Level_Val = 0;
    QR_Version_Val = bm.qr_version_ComboBox ? std::max(0, bm.qr_version_ComboBox->currentIndex()) : 0;
    bm.Check_And_Set_QR_size_Acc_Version(QR_Version_Val);
    setPair(bm.HeightText_2D, bm.HeightStepper_2D, 60, PairFormat::Integer);
    setPair(bm.pdf_HeightText_2D, bm.pdf_HeightStepper_2D, 20, PairFormat::Integer);
    setPair(bm.Pdf_widthText_2D, bm.Pdf_widthStepper_2D, 100, PairFormat::Integer);
    setPair(bm.pdf_ec_lvl_Text, bm.pdf_ec_lvl_Stepper, 2, PairFormat::Integer);
    setPair(bm.dm_moduleText_2D, bm.dm_moduleStepper_2D, 2, PairFormat::Integer);
    selectIndex(bm.dm_format_ComboBox, 0);
    selectIndex(bm.dm_encoding_ComboBox, 0);
    for (auto [field, stepper] : {std::pair{bm.hdr_mar_Text, bm.hdr_mar_Stepper}, std::pair{bm.ftr_mar_Text, bm.ftr_mar_Stepper},
                                  std::pair{bm.val_mar_Text, bm.val_mar_Stepper}, std::pair{bm.TB_mar_Text, bm.TB_mar_Stepper},
                                  std::pair{bm.LR_mar_Text, bm.LR_mar_Stepper}})
        setPair(field, stepper, 0.1, PairFormat::Real);
    bm.value_margin = bm.header_margin = bm.footer_margin = bm.TB_margin = bm.LR_margin = 0.1f;
    // Fonts.
    QFont font(Text_Ctrl_Font);
    font.setPointSizeF(10);
    bm.value_font = bm.header_font = bm.footer_font = font;
    for (QLineEdit *label : {bm.value_font_value, bm.header_font_value, bm.footer_font_value})
        if (label)
            label->setText(BarcodeEditor::fontDisplayText(font));
    // A white background and black texts and bars.
    if (bm.bar_bk_clr_label)
        bm.bar_bk_clr_label->setEnabled(true);
    if (bm.bar_back_clr)
        bm.bar_back_clr->setEnabled(true);
    setChecked(bm.brcd_bk_clr_rd, true);
    setChecked(bm.brcd_bk_clr_trnsp_rd, false);
    setChecked(bm.transparent_bkgnd, false);
    for (platform::ColorWell *w : {bm.bar_hdr_clr, bm.bar_ftr_clr, bm.bar_val_clr, bm.barcode_clr})
        setColour(w, Qt::black);
    setColour(bm.bar_back_clr, Qt::white);
    // Resolution and unit.
    selectIndex(bm.DPI_ComboBox, 0);
    Measument_Unit_Is_Barcode = last_unit_val_Barcode = 1;

    bm.Liner_Barcode_Opt_Select();
    bm._setLabels_Barcode();
}
