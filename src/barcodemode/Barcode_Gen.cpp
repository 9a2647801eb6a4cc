// The barcode-object window: start-up, the modal run with its OK checks and write-back, and the
// window's answers to the barcode editor's questions of policy.

#include "barcodemode/Barcode_Gen.h"

#include "barcodemode/GenerationCore.h"
#include "barcodemode/TwoDFieldValues.h"
#include "barcodemode/TwoDSymbols.h"
#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "core/Units.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "engines/Symbologies.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include <exception>

namespace {

Barcode_Gen *g_defaultInstance = nullptr;

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

QString reasonOf(const std::exception &e) { return QString::fromUtf8(e.what()); }

} // namespace

Barcode_Gen::Barcode_Gen(BarcodeModeSources &s) : sources(s)
{
    g_defaultInstance = this;
    value_margin = header_margin = footer_margin = LR_margin = TB_margin = 0.1f;
    value_font = QFont(Text_Ctrl_Font);
    value_font.setPointSizeF(10);
    header_font = value_font;
    footer_font = value_font;
}

Barcode_Gen::~Barcode_Gen()
{
    delete window;
    if (g_defaultInstance == this)
        g_defaultInstance = nullptr;
    if (Barcode_Gen_Var == this)
        Barcode_Gen_Var = nullptr;
}

Barcode_Gen *Barcode_Gen::defaultInstance() { return g_defaultInstance; }

void Barcode_Gen::awakeFromNib()
{
    // The controls are filled with the loading flag set, so no handler regenerates meanwhile. The
    // window is made on first use, long after the main window's start-up: the flag goes back to
    // what it was, so that the Barcode mode keeps generating.
    const bool wasLoading = Not_Draw_Only_Prop_Change;
    Not_Draw_Only_Prop_Change = true;
    buildWindow();
    wireControls();
    Barcode_Gen_Var = defaultInstance();
    liner_or_2D_font = 0;

    // The font tab, then the resolution and QR logo tabs, leave the tab view until they are asked for.
    font_tab_item = sett_tab->widget(1);
    sett_tab->removeTab(1);
    dpi_tab_item = sett_tab->widget(2);
    sett_tab->removeTab(2);
    qr_logo_tab_item_sett = sett_tab->widget(2);
    sett_tab->removeTab(2);
    Font_tab_item_bar = font_tab_item;

    dataText->setText(QStringLiteral("0123"));
    Set_Two_D_Value_in_Field(QStringLiteral("0123"));
    HeaderText->setText(QStringLiteral("HEADER"));
    FooterText->setText(QStringLiteral("FOOTER"));
    twod::setFieldInt(HeightText_2D, 60);
    HeightStepper_2D->setIntValue(60);

    value_font_value->setText(fontDisplayText(value_font));
    header_font_value->setText(fontDisplayText(header_font));
    footer_font_value->setText(fontDisplayText(footer_font));

    selectFromCode(align_hdr_combo, 1);
    selectFromCode(align_ftr_combo, 1);
    for (QComboBox *combo : {qr_enc_mode_ComboBox, qr_version_ComboBox, qr_ec_lvl_ComboBox, bar_align_combo,
                             bar_orient_combo, DPI_ComboBox})
        selectFromCode(combo, 0);

    image_scroll->setWidget(barcodeImage);
    _setLabels();

    platform::ui::fillCombo(dm_format_ComboBox, barcode_editor_items::dataMatrixSizes());
    selectFromCode(dm_format_ComboBox, 0);
    platform::ui::fillCombo(dm_encoding_ComboBox, barcode_editor_items::dataMatrixEncodings());
    selectFromCode(dm_encoding_ComboBox, 0);

    bar_image_frame_rect = image_scroll ? image_scroll->geometry() : QRect();
    goButtonActionPerformed();   // draws nothing yet: the flag is set
    Not_Draw_Only_Prop_Change = wasLoading;
}

// ---- Policy ----

int Barcode_Gen::sizeUnit() const { return BARCODE_Unit_Is; }

void Barcode_Gen::reportFailure(const QString &reason) const { Show_MessageBox(reason); }

void Barcode_Gen::fillModeStyle(BarcodeSettings &settings) const
{
    BarcodeEditor::fillModeStyle(settings);
    // The window's symbols are the Designing mode's, whatever mode the main window is in.
    settings.mode = 1;
}

void Barcode_Gen::previewPictureComing()
{
    if (barcodeImage)
        barcodeImage->setImageAlignment(Qt::AlignCenter);
    // The window is filled before it is shown, when a shown label does not count as visible yet.
    if (barcode_error_label)
        barcode_error_label->hide();
}

bool Barcode_Gen::valueAcceptedByWindow() const
{
    if (dataSourceTitle() == QLatin1String("Manual") || !ticked(use_value_series_chk))
        return true;
    if (!Batch_Series || Batch_Series->currentIndex() < 0)
        return false;
    const QString chosen = Trim_Str(Batch_Series->currentText());
    return !chosen.isEmpty() && chosen != combo_first_Select;
}

BarcodeEditor::PaneRules Barcode_Gen::paneRules() const
{
    PaneRules rules;
    rules.seriesException = false;
    rules.touchesLogoTab = false;
    rules.hasBackgroundRadios = false;
    rules.linearHidesTransparentBox = false;
    rules.twoDDisablesValueField = true;
    return rules;
}

QWidget *Barcode_Gen::payloadView() const { return ONLY_QR_MODE ? AQR_Display_Text_View : nullptr; }

int &Barcode_Gen::qrVersionGlobal() { return DES_QR_Version_Val; }

int Barcode_Gen::qrLevelGlobal() const { return DES_QR_EC_Level_Val; }

void Barcode_Gen::beforeFamilySwitch(const QString &title)
{
    if (title == QLatin1String("QR Code"))
        Add_Qr_Logo_Tab_Setting_Mode();
    else
        Remove_Qr_Logo_Tab_Setting_Mode();
}

void Barcode_Gen::emptyValueOnSymbologyChange() { Show_MessageBox(QStringLiteral("Please enter barcode value")); }

void Barcode_Gen::backgroundChosen(bool transparent)
{
    // The edited object's fill follows the box at once, before OK.
    if (!pass_barcode_control)
        return;
    pass_barcode_control->_isDrawingFill = transparent;
    pass_barcode_control->_fillColor = transparent ? QColor(Qt::transparent) : bar_back_clr->color();
}

ObjectRenderState Barcode_Gen::objectRenderState() const
{
    ObjectRenderState state;
    const auto range = [](const platform::Stepper *stepper, ObjectRenderState::Range fallback) {
        return stepper ? ObjectRenderState::Range{stepper->minValue(), stepper->maxValue()} : fallback;
    };
    state.kerning = ticked(kerning_value_Checkbox);
    state.qrGeneratorRoute = twod::usesQrGenerator(double(Get_OS_Version()));
    state.qrEdition = ONLY_QR_MODE;
    state.pdfModule = range(pdf_HeightStepper_2D, state.pdfModule);
    state.pdfLevel = range(pdf_ec_lvl_Stepper, state.pdfLevel);
    state.dmModule = range(dm_moduleStepper_2D, state.dmModule);
    state.dpi = range(dpi_Stepper, state.dpi);
    return state;
}

// ---- Generation and the settings controls ----

void Barcode_Gen::goButtonActionPerformed()
{
    if (Not_Draw_Only_Prop_Change)
        return;
    try {
        Generate_Barcode_Thread_Function();
    } catch (const std::exception &e) {
        Show_MessageBox(reasonOf(e));
    }
}

void Barcode_Gen::_setLabels()
{
    if (liner_or_2D_font != 0 || !bar_height_label || !margin_box)
        return;
    const QString unit = platform::unitName(BARCODE_Unit_Is);
    bar_height_label->setText(QStringLiteral("Bar Height (%1):").arg(unit));
    margin_box->setTitle(QStringLiteral("Margins (%1)").arg(unit));
    if (bar_width_label)
        bar_width_label->setText(QStringLiteral("Bar Width (Mils):"));
}

void Barcode_Gen::BAR_VAL_changeFont(const QFont &picked) { applyValueFont(picked); }

void Barcode_Gen::Set_Two_D_Value_in_Field(const QString &value)
{
    try {
        if (dataText_2D)
            dataText_2D->setPlainText(value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

QString Barcode_Gen::Get_Two_D_Value_From_Field() const { return dataText_2D ? dataText_2D->toPlainText() : QString(); }

QString Barcode_Gen::Get_QR_Barcode_Display_Val() const
{
    return AQR_Display_Text_View ? AQR_Display_Text_View->toPlainText() : QString();
}

void Barcode_Gen::controlTextDidChange(QObject *sender)
{
    try {
        if (!sender || (sender != dataText && sender != HeaderText && sender != FooterText && sender != dataText_2D))
            return;
        if (liner_or_2D_font == 0) {
            goButtonActionPerformed();
        } else if (sender == dataText_2D) {
            // The preview follows the keyboard: no raise to the output resolution while typing.
            Type_draw_2d_flag = true;
            goButtonActionPerformed();
        } else {
            setHeader(HeaderText->text());
            setFooter(FooterText->text());
            setHeaderFontSize(float(header_font.pointSizeF()));
            setFooterFontSize(float(footer_font.pointSizeF()));
            reframe2D();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::textDidChange(QObject *view)
{
    // A text view's edits come here: only the 2D value is the window's.
    if (view == dataText_2D)
        controlTextDidChange(view);
}

void Barcode_Gen::textDidEndEditing(QObject *sender)
{
    try {
        if (!sender || (sender != dataText && sender != HeaderText && sender != FooterText && sender != dataText_2D))
            return;
        if (liner_or_2D_font == 0 || sender == dataText_2D) {
            goButtonActionPerformed();   // the final symbol, at the output resolution
        } else {
            setHeader(HeaderText->text());
            setFooter(FooterText->text());
            setHeaderFontSize(float(header_font.pointSizeF()));
            setFooterFontSize(float(footer_font.pointSizeF()));
            reframe2D();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::Add_Qr_Logo_Tab_Setting_Mode()
{
    try {
        if (sett_tab && sett_tab->count() == 2 && qr_logo_tab_item_sett)
            sett_tab->insertTab(2, qr_logo_tab_item_sett, qr_logo_tab_item_sett_label);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::Remove_Qr_Logo_Tab_Setting_Mode()
{
    try {
        if (sett_tab && sett_tab->count() >= 3 && qr_logo_tab_item_sett) {
            const int index = sett_tab->indexOf(qr_logo_tab_item_sett);
            if (index >= 0)
                sett_tab->removeTab(index);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

// ---- The modal run ----

std::shared_ptr<SKTGraphic> Barcode_Gen::Open_Wnd(const std::shared_ptr<SKTGraphic> &object)
{
    if (!object)
        return nullptr;
    try {
        Not_Draw_Only_Prop_Change = true;
        const QList<QWidget *> values{AQR_Display_Text_View, AQR_Display_scl_v, dataText_2D, dataText_2D_scl_v};
        const QList<QWidget *> choice{bar_val_label, batch_help_btn, data_source_label, barcodeTypePopup,
                                      Data_source_type};
        const QList<QWidget *> payload{Sel_Qr_type_IMG, Sel_Qr_type_TEXT, Edit_Qr_Code_Val_BTN};
        for (QWidget *w : values)
            w->hide();
        // The QR edition opens every object as a QR Code and shows its payload type instead of the choices.
        if (ONLY_QR_MODE)
            selectFromCode(barcodeTypePopup, barcode_objects::kQrEditionSymbology);
        sel_barcode_label->setText(ONLY_QR_MODE ? QStringLiteral("Selected QR Code Type :")
                                                : QStringLiteral("Select Barcode Font :"));
        for (QWidget *w : choice)
            w->setVisible(!ONLY_QR_MODE);
        for (QWidget *w : payload)
            w->setVisible(ONLY_QR_MODE);
        // The sources; the load selects the object's.
        platform::ui::fillCombo(Data_source_type, {QStringLiteral("Manual"), QStringLiteral("Batch Processing Series")});
        if (Excel_Binding_Use)
            design().Add_Excel_Col_Name_In_Combo(Data_source_type);
        else
            design().Remove_Excel_Col_Name_In_Combo(Data_source_type);
        Batch_Series->show();
        view_series_btn->show();

        Refresh_batch_combos();
        Set_Barcode_Prop_To_Control(*object, true);
        loadIntoControls(*object);
        Not_Draw_Only_Prop_Change = false;
        goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
    Not_Draw_Only_Prop_Change = false;

    m_runEnded = false;
    m_runResult = 0;
    platform::runModal(*window);
    // Closed another way than by the buttons: as Cancel.
    if (!m_runEnded)
        Cancel_Btn_Clicked();
    window->hide();

    if (m_runResult == 1 && pass_barcode_control) {
        writeBack(*pass_barcode_control);
        return pass_barcode_control;
    }
    Barcode_output_image.reset();
    design().Set_Selected_Graphic(object);
    return nullptr;
}

void Barcode_Gen::endRun(int code)
{
    m_runEnded = true;
    m_runResult = code;
    window->done(code);
}

void Barcode_Gen::OK_Btn_Clicked(QObject *)
{
    try {
        if (okChecksPass())
            endRun(1);
    } catch (const std::exception &e) {
        // A check that could not finish has not passed: the reason, and the dialog stays open.
        Show_MessageBox(reasonOf(e));
    }
}

bool Barcode_Gen::okChecksPass()
{
    if (!Check_And_Validat_Barcode(true, false))
        return false;
    if (!Data_source_type || Data_source_type->currentIndex() < 0) {
        Show_MessageBox(QStringLiteral("Please select datasource."));
        return false;
    }
    if (dataSourceTitle() != QLatin1String("Manual") && !ticked(use_value_series_chk) && !ticked(use_hdr_series_chk) &&
        !ticked(use_ftr_series_chk)) {
        const int answer = Show_YES_NO_MessageBox(QStringLiteral(
            "There is no Batch Series select for barcode value, header and footer. This work as manual datasource "
            "for barcode.\n\nclick on 'YES' button to continue with manual data source option or click 'No' to "
            "select any batch series to proceed?"));
        if (answer != 1)
            return false;
        selectFromCode(Data_source_type, 0);
    }
    if (dataSourceTitle() != QLatin1String("Manual")) {
        const struct {
            QCheckBox *box;
            QComboBox *combo;
            const char *message;
        } rows[] = {
            {use_value_series_chk, Batch_Series, "Please select Series/Excel Column for barcode value."},
            {use_hdr_series_chk, hdr_combo_list, "Please select Series/Excel Column for barcode header."},
            {use_ftr_series_chk, ftr_combo_list, "Please select Series/Excel Column for barcode footer."},
        };
        for (const auto &row : rows) {
            if (!ticked(row.box))
                continue;
            const QString chosen = row.combo->currentIndex() < 0 ? QString() : Trim_Str(row.combo->currentText());
            if (chosen.isEmpty() || chosen == combo_first_Select) {
                Show_MessageBox(QString::fromLatin1(row.message));
                return false;
            }
        }
    }
    const platform::Picture shown = barcodeImage->picture();
    if (shown.isNull()) {
        Barcode_output_image.reset();
        Show_MessageBox(symbolRefusedForSize() ? barcode_generation::kSymbolTooLargeMessage : invalid_barcode_msg);
        return false;
    }
    Barcode_output_image = std::make_shared<platform::Picture>(shown);
    return true;
}

void Barcode_Gen::Cancel_Btn_Clicked(QObject *)
{
    const platform::Picture shown = barcodeImage ? barcodeImage->picture() : platform::Picture();
    Barcode_output_image = shown.isNull() ? nullptr : std::make_shared<platform::Picture>(shown);
    endRun(0);
}

void Barcode_Gen::writeBack(SKTGraphic &copy) const
{
    copy.linear_or_2d = liner_or_2D_font;
    copy.barcode_font_index = barcodeTypePopup->currentIndex();
    copy.linear_font_val = dataText->text();
    copy.two_d_font_val = Get_Two_D_Value_From_Field();
    copy.header_val = HeaderText->text();
    copy.footer_val = FooterText->text();
    copy.show_hide_hdr = ticked(hideHeaderCheckbox);
    copy.show_hide_ftr = ticked(hideFooterCheckbox);
    copy.show_hide_val = ticked(captionCheckbox);
    copy.show_val_on_top = ticked(showinTopCheckbox);
    copy.align_hdr_index = align_hdr_combo->currentIndex();
    copy.align_ftr_index = align_ftr_combo->currentIndex();
    writeBinding(copy);
    copy.linear_height_val = float(HeightStepper->doubleValue());
    copy.linear_width_val = float(widthStepper->doubleValue());
    copy.qr_size_val = HeightStepper_2D->intValue();
    copy.qr_version_index = qr_version_ComboBox->currentIndex();
    copy.qr_ec_index = qr_ec_lvl_ComboBox->currentIndex();
    copy.Set_QR_Logo_VAR(USE_QR_LOGO, USE_QR_LOGO_PATH);
    copy.AQR_Category = Sel_Qr_type_TEXT->text();
    copy.AQR_Display_value = Get_QR_Barcode_Display_Val();
    copy.AQR_Final_Value = Get_Two_D_Value_From_Field();
    copy.pdf_hgt_val = pdf_HeightStepper_2D->intValue();
    copy.pdf_wdt_val = Pdf_widthStepper_2D->intValue();
    copy.pdf_ec_val = pdf_ec_lvl_Stepper->intValue();
    copy.dm_module_val = dm_moduleStepper_2D->intValue();
    copy.dm_format_index = dm_format_ComboBox->currentIndex();
    copy.dm_encoding_index = dm_encoding_ComboBox->currentIndex();
    copy.hdr_margin_val = float(hdr_mar_Stepper->doubleValue());
    copy.ftr_margin_val = float(ftr_mar_Stepper->doubleValue());
    copy.val_margin_val = float(val_mar_Stepper->doubleValue());
    copy.TB_marging_val = float(TB_mar_Stepper->doubleValue());
    copy.LR_margin_val = float(LR_mar_Stepper->doubleValue());
    copy.value_font_val = value_font;
    copy.header_font_val = header_font;
    copy.footer_font_val = footer_font;
    copy.barcode_hdr_clr_val = bar_hdr_clr->color();
    copy.barcode_ftr_clr_val = bar_ftr_clr->color();
    copy.barcode_val_clr_val = bar_val_clr->color();
    copy.barcode_back_clr_val = bar_back_clr->color();
    copy.barcode_clr_val = barcode_clr->color();
    // For a barcode object the fill flag means a transparent background.
    const bool transparent = ticked(transparent_bkgnd);
    copy._isDrawingFill = transparent;
    copy._fillColor = transparent ? QColor(Qt::transparent) : bar_back_clr->color();
    copy.dpi_val_index = DPI_ComboBox->currentIndex();
    copy.dpi_custom_val = dpi_Text->text();
}

QString Barcode_Gen::dataSourceTitle() const
{
    return Data_source_type && Data_source_type->currentIndex() >= 0 ? Data_source_type->currentText() : QString();
}
