// The editor's side of generation: the snapshot of its controls, and the regenerate and framing
// that run the generation core on it, keep what it made and show it in the preview.

#include "barcodemode/BarcodeEditor.h"

#include "barcodemode/GenerationCore.h"
#include "barcodemode/TwoDFieldValues.h"
#include "barcodemode/TwoDSymbols.h"
#include "barcodemode/pdf417View.h"
#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Messages.h"
#include "engines/Symbologies.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/ColorWell.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>

#include <cmath>
#include <exception>

namespace {

bool isAscii(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() > 127)
            return false;
    return true;
}

// The number a field shows, read as every number field reads one; 0 for no number.
double fieldNumber(const QLineEdit *field) { return platform::fieldValue(field); }

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

void setShown(QWidget *w, bool shown)
{
    if (w)
        w->setVisible(shown);
}

// The error label's own text, kept while it shows the too-large message instead.
const char *const kPlainErrorText = "tagoraPlainErrorText";

} // namespace

BarcodeEditor::BarcodeEditor() = default;
BarcodeEditor::~BarcodeEditor() = default;

QString BarcodeEditor::currentValue() const
{
    if (liner_or_2D_font != 0)
        return dataText_2D ? dataText_2D->toPlainText() : QString();
    return dataText ? dataText->text() : QString();
}

void BarcodeEditor::Generate_Barcode_Thread_Function()
{
    const QString value = currentValue();
    if (!Check_And_Validat_Barcode(false, false))
        return;
    testBarcode = Generate_Barcode_Variable(true, value, HeaderText ? HeaderText->text() : QString(),
                                            FooterText ? FooterText->text() : QString(), false);
}

bool BarcodeEditor::Check_And_Validat_Barcode(bool showMessage, bool checkPicture)
{
    bool valid = true;
    bool tooLarge = false;   // no picture because the symbol is too large, not an invalid value
    try {
        Preview p = preview();
        if (p.errorLabel && p.errorLabel->isVisible())
            p.errorLabel->hide();
        const QString value = currentValue();
        if (value.isEmpty())
            valid = false;
        else if (liner_or_2D_font == 0 && !isAscii(value))
            valid = false;
        else if (checkPicture) {
            if (testBarcode && !testBarcode->isContentValid())
                valid = false;
            else if (p.view && !p.view->hasPicture()) {
                valid = false;
                tooLarge = m_refusedForSize;
            }
        }
        if (valid && !valueAcceptedByWindow())
            valid = false;
    } catch (const std::exception &e) {
        // A check that cannot finish has not shown the value to be good.
        reportFailure(QString::fromUtf8(e.what()));
        valid = false;
    }
    if (!valid) {
        Set_Blank_Image();
        if (tooLarge)
            showTooLarge();
        if (showMessage)
            Show_MessageBox(tooLarge ? barcode_generation::kSymbolTooLargeMessage : invalid_barcode_msg);
    }
    return valid;
}

std::unique_ptr<NKDBarcode> BarcodeEditor::Generate_Barcode_Variable(bool draw, const QString &value,
                                                                     const QString &header, const QString &footer,
                                                                     bool fromBatch)
{
    try {
        if (Not_Draw_Only_Prop_Change)
            return testBarcode ? testBarcode->copy() : nullptr;
        if (value.isEmpty())
            return nullptr;
        Preview p = preview();
        if (draw && p.view)
            p.view->setPicture(platform::Picture());
        if (p.errorLabel && p.errorLabel->isVisible())
            p.errorLabel->hide();
        Get_Print_State();   // also enables the value-on-top box exactly when the caption is printed
        GenerationSnapshot s = generationSnapshot();
        if (s.family != 0 && Symbologies::kindOf(s.title) == Symbologies::EngineKind::QR)
            automaticQrVersionFromNowOn(s);

        barcode_generation::Built built = barcode_generation::build(s, value, header, footer);
        if (built.twoD) {
            if (!built.titleMatched) {
                if (draw)
                    Set_Blank_Image();
                return nullptr;
            }
            const barcode_generation::Framed framed = barcode_generation::frame(s, built);
            // The window keeps what the generation made: the symbol, its role and the margins.
            static_cast<BarcodeObjectRole &>(*this) = built.role;
            Barcode_module_size = built.moduleSize;
            image_2d = built.symbol;
            storeMargins(built.margins);
            showTwoDFraming(framed, draw);
            Type_draw_2d_flag = false;
            return nullptr;
        }
        if (!built.model) {
            if (draw)
                Set_Blank_Image();
            return nullptr;
        }
        storeMargins(built.margins);
        linearModelMade(s);
        if (draw)
            Get_Image_From_Barcode(built.model.get(), true, fromBatch);
        return std::move(built.model);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
        return nullptr;
    }
}

platform::Picture BarcodeEditor::Get_Image_From_Barcode(NKDBarcode *model, bool draw, bool fromBatch)
{
    if (!fromBatch && !Check_And_Validat_Barcode(false, false))
        return {};
    barcode_generation::Framed framed;
    if (model)
        framed = barcode_generation::frameLinear(*model, currentRenderSettings(), outputResolution());
    if (framed.tooLarge) {
        if (draw) {
            Set_Blank_Image();
            showTooLarge();
        }
        return {};
    }
    if (draw) {
        previewPictureComing();
        Set_Barcode_On_Panel(framed.picture);
    }
    pictureMade();
    return framed.picture;
}

platform::Picture BarcodeEditor::Get_2d_barcode_from_image(bool draw)
{
    barcode_generation::Framed framed;
    if (!image_2d.isNull() && liner_or_2D_font == 1)
        framed = frameWithRole(image_2d);
    return showTwoDFraming(framed, draw);
}

platform::Picture BarcodeEditor::Get_Image_From_barcode_image(const platform::Picture &image, bool draw)
{
    if (image.isNull()) {
        Set_Blank_Image();
        return {};
    }
    const barcode_generation::Framed framed = frameWithRole(image);
    if (framed.tooLarge) {
        if (draw) {
            Set_Blank_Image();
            showTooLarge();
        }
        return {};
    }
    if (draw) {
        previewPictureComing();
        Set_Barcode_On_Panel(framed.picture);
    }
    return framed.picture;
}

barcode_generation::Framed BarcodeEditor::frameWithRole(const platform::Picture &image)
{
    barcode_sizes::Margins margins = currentMargins();
    const barcode_generation::Framed framed =
        barcode_generation::frameTwoD(generationSnapshot(), *this, margins, image);
    storeMargins(margins);
    return framed;
}

platform::Picture BarcodeEditor::showTwoDFraming(const barcode_generation::Framed &framed, bool draw)
{
    // No symbol blanks the preview whatever the draw flag; a picture too large for the output
    // resolution blanks it with the reason when drawing.
    platform::Picture picture;
    if (image_2d.isNull()) {
        Set_Blank_Image();
    } else if (liner_or_2D_font == 1) {
        if (framed.tooLarge) {
            if (draw) {
                Set_Blank_Image();
                showTooLarge();
            }
        } else {
            picture = framed.picture;
            if (draw) {
                previewPictureComing();
                Set_Barcode_On_Panel(picture);
            }
        }
    }
    pictureMade();
    return picture;
}

void BarcodeEditor::automaticQrVersionFromNowOn(GenerationSnapshot &s)
{
    // The encoder route turns the automatic version 0 into -1 and keeps it.
    if (s.qrGeneratorRoute)
        return;
    int &version = qrVersionGlobal();
    if (version == 0)
        version = -1;
    s.qrVersion = version;
}

void BarcodeEditor::Set_Barcode_On_Panel(const platform::Picture &picture)
{
    m_refusedForSize = false;
    Preview p = preview();
    if (!p.view || !p.scroll)
        return;
    if (p.frameRect)
        *p.frameRect = p.scroll->geometry();
    // The view takes the viewport's size, grown to the picture's width and to its height plus 10
    // points, so the picture is shown at its own size and scrolls when it is larger.
    const QSizeF size = picture.size();
    p.scroll->setWidgetResizable(true);
    p.view->setMinimumSize(int(std::ceil(size.width())), int(std::ceil(size.height())) + 10);
    p.view->setPicture(picture);
}

void BarcodeEditor::showTooLarge()
{
    m_refusedForSize = true;
    QLabel *errorLabel = preview().errorLabel;
    if (!errorLabel)
        return;
    if (!errorLabel->property(kPlainErrorText).isValid())
        errorLabel->setProperty(kPlainErrorText, errorLabel->text());
    errorLabel->setText(barcode_generation::kSymbolTooLargeMessage);
}

void BarcodeEditor::Set_Blank_Image()
{
    m_refusedForSize = false;
    Preview p = preview();
    if (p.symbol)
        *p.symbol = platform::Picture();
    if (p.view)
        p.view->setPicture(platform::Picture());
    if (p.errorLabel) {
        const QVariant plain = p.errorLabel->property(kPlainErrorText);
        if (plain.isValid())
            p.errorLabel->setText(plain.toString());
        p.errorLabel->show();
    }
}

int BarcodeEditor::Get_Print_State()
{
    if (!captionCheckbox || !captionCheckbox->isEnabled())
        return 0;
    const bool hidden = captionCheckbox->isChecked();
    if (showinTopCheckbox)
        showinTopCheckbox->setEnabled(!hidden);
    return hidden ? 0 : 1;
}

int BarcodeEditor::outputResolution() const { return USED_DPI_VALUE; }

void BarcodeEditor::setOutputResolution(int dpi) { USED_DPI_VALUE = dpi; }

BarcodeEditor::Preview BarcodeEditor::preview()
{
    return {barcodeImage, image_scroll, barcode_error_label, &bar_image_frame_rect, &image_2d};
}

barcode_sizes::MarginInputs BarcodeEditor::linearMarginInputs() const
{
    barcode_sizes::MarginInputs in;
    in.value = fieldNumber(val_mar_Text);
    in.header = fieldNumber(hdr_mar_Text);
    in.footer = fieldNumber(ftr_mar_Text);
    in.leftRight = fieldNumber(LR_mar_Text);
    in.topBottom = fieldNumber(TB_mar_Text);
    in.captionHidden = ticked(captionCheckbox);
    in.headerHidden = ticked(hideHeaderCheckbox);
    in.footerHidden = ticked(hideFooterCheckbox);
    in.unit = sizeUnit();
    return in;
}

barcode_sizes::MarginInputs BarcodeEditor::twoDMarginInputs() const { return linearMarginInputs(); }

void BarcodeEditor::storeMargins(const barcode_sizes::Margins &m)
{
    value_margin = m.value;
    header_margin = m.header;
    footer_margin = m.footer;
    LR_margin = m.leftRight;
    TB_margin = m.topBottom;
}

barcode_sizes::Margins BarcodeEditor::currentMargins() const
{
    barcode_sizes::Margins m;
    m.value = value_margin;
    m.header = header_margin;
    m.footer = footer_margin;
    m.leftRight = LR_margin;
    m.topBottom = TB_margin;
    return m;
}

void BarcodeEditor::Set_Barcode_Height(NKDBarcode &model)
{
    barcode_sizes::Margins m = currentMargins();
    barcode_generation::linearHeightRule(model, generationSnapshot(), m);
    storeMargins(m);
}

float BarcodeEditor::Set_Linear_Barcode_Width(NKDBarcode &model)
{
    barcode_sizes::Margins m = currentMargins();
    const float width = barcode_generation::linearWidthRule(model, generationSnapshot(), m);
    LR_margin = m.leftRight;
    return width;
}

QSizeF BarcodeEditor::Get_String_Size(const QString &text, const QFont &font) const
{
    return textMeasurer().textSize(text, font, 0);
}

QFont BarcodeEditor::Get_Appropriate_Font(float minimumSize, float maximumSize, const QRectF &layout,
                                          const QString &text, const QFont &font) const
{
    try {
        Show_NSLog_Message(font.family());
        const QSizeF size = Get_String_Size(text, font);
        QFont fitted = font;
        fitted.setPointSizeF(barcode_sizes::fittingFontSize(minimumSize, maximumSize, size, layout, font.pointSizeF()));
        return fitted;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return font;
    }
}

std::shared_ptr<BarcodeSettings> BarcodeEditor::currentRenderSettings()
{
    BarcodeSettings style;
    fillModeStyle(style);
    return barcode_generation::renderSettings(style, *this, currentMargins());
}

GenerationSnapshot BarcodeEditor::generationSnapshot()
{
    GenerationSnapshot s;
    s.title = barcodeTypePopup ? barcodeTypePopup->currentText() : QString();
    s.family = liner_or_2D_font;
    // As the caption flag reads it, without enabling or disabling anything.
    s.printsCaption = captionCheckbox && captionCheckbox->isEnabled() && !captionCheckbox->isChecked();
    s.hideHeader = ticked(hideHeaderCheckbox);
    s.hideFooter = ticked(hideFooterCheckbox);
    s.transparent = ticked(transparent_bkgnd);
    s.barWidthEnabled = widthText && widthText->isEnabled();
    s.barWidthMils = fieldNumber(widthText);
    s.barHeightEnabled = HeightText && HeightText->isEnabled();
    s.barHeight = fieldNumber(HeightText);
    s.linearMargins = linearMarginInputs();
    s.twoDMargins = twoDMarginInputs();
    s.margins = currentMargins();
    s.captionFont = roleCaptionFont();
    s.headerFont = roleHeaderFont();
    s.footerFont = roleFooterFont();
    fillModeStyle(s.style);

    s.qrGeneratorRoute = twod::usesQrGenerator(double(Get_OS_Version()));
    s.qrSide = twod::fieldDouble(HeightText_2D);
    s.qrLevelItem = qr_ec_lvl_ComboBox ? qr_ec_lvl_ComboBox->currentText() : QString();
    s.qrLevel = qrLevelGlobal();
    s.qrVersion = qrVersionGlobal();
    s.pdfWidth = twod::fieldInt(Pdf_widthText_2D);
    s.pdfModule = pdf_HeightStepper_2D ? pdf_HeightStepper_2D->intValue() : 1;
    s.pdfLevel = pdfBarcode().getErrorLevel();
    s.dmModule = dm_moduleStepper_2D ? dm_moduleStepper_2D->intValue() : 1;
    s.dmFormat = dm_format_ComboBox ? dm_format_ComboBox->currentText() : QString();
    s.dmEncoding = dm_encoding_ComboBox ? dm_encoding_ComboBox->currentText() : QString();
    s.dmBorder = dataMatrixBorderPoints();
    s.barColour = barcode_clr ? barcode_clr->color() : QColor(Qt::black);
    s.backgroundColour = bar_back_clr ? bar_back_clr->color() : QColor(Qt::white);
    s.dpi = outputResolution();
    s.quickPreview = Type_draw_2d_flag;
    return s;
}

void BarcodeEditor::fillModeStyle(BarcodeSettings &s) const
{
    s.mode = Barcode_Setting_Or_Designing_Mode;
    s.align_hdr = align_hdr_combo ? align_hdr_combo->currentText() : QString();
    s.align_ftr = align_ftr_combo ? align_ftr_combo->currentText() : QString();
    s.header_font = header_font;
    s.footer_font = footer_font;
    s.value_font = value_font;
    if (bar_hdr_clr) s.bar_hdr_clr = bar_hdr_clr->color();
    if (bar_ftr_clr) s.bar_ftr_clr = bar_ftr_clr->color();
    if (bar_val_clr) s.bar_val_clr = bar_val_clr->color();
    if (barcode_clr) s.barcode_clr = barcode_clr->color();
    if (bar_back_clr) s.bar_back_clr = bar_back_clr->color();
    s.transparent_bkgnd = ticked(transparent_bkgnd);
    s.showinTop = ticked(showinTopCheckbox);
    s.kerning_value = ticked(kerning_value_Checkbox);
    s.barcodeTypeTitle = barcodeTypePopup ? barcodeTypePopup->currentText() : QString();
    s.USE_QR_LOGO = USE_QR_LOGO;
    s.USE_QR_LOGO_IMG = USE_QR_LOGO_IMG;
}

void BarcodeEditor::Liner_Barcode_Opt_Select()
{
    const PaneRules rules = paneRules();
    liner_or_2D_font = 0;
    setFamilyRadios(true);
    if (!(rules.seriesException && valueBoundToSeries())) {
        if (dataText) {
            dataText->setEnabled(true);
            dataText->show();
        }
        setShown(dataText_2D_scl_v, false);
        setShown(dataText_2D, false);
        setShown(payloadView(), false);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{showinTopCheckbox, captionCheckbox, val_mar_Text, val_mar_Stepper,
                                                      val_mar_label, val_font_label, val_font_btn, value_font_value,
                                                      barcode_clr, bar_back_clr, bar_val_clr, val_clr_label, bar_clr_label,
                                                      bar_bk_clr_label, linear_sett_box})
        setShown(w, true);
    if (rules.hasBackgroundRadios) {
        setShown(brcd_bk_clr_rd, true);
        setShown(brcd_bk_clr_trnsp_rd, true);
    }
    if (rules.linearHidesTransparentBox)
        setShown(transparent_bkgnd, false);
    for (QWidget *w : std::initializer_list<QWidget *>{two_d_sett_box, pdf_2d_sett_box, dm_2d_sett_box})
        setShown(w, false);
    if (rules.touchesLogoTab)
        removeQrLogoTab();
    if (QTabWidget *tabs = settingsTabs())
        tabs->setCurrentIndex(0);
}

void BarcodeEditor::two_d_barcode_Opt_Select()
{
    const PaneRules rules = paneRules();
    liner_or_2D_font = 1;
    setFamilyRadios(false);
    if (!(rules.seriesException && valueBoundToSeries())) {
        if (dataText) {
            dataText->hide();
            if (rules.twoDDisablesValueField)
                dataText->setEnabled(false);
        }
        QWidget *view = payloadView() ? payloadView() : dataText_2D;
        setShown(view, true);
        if (view == dataText_2D)
            setShown(dataText_2D_scl_v, true);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{showinTopCheckbox, captionCheckbox, val_mar_Text, val_mar_Stepper,
                                                      val_mar_label, val_font_label, val_font_btn, value_font_value,
                                                      bar_val_clr, val_clr_label, linear_sett_box})
        setShown(w, false);
    const QString title = barcodeTypePopup ? barcodeTypePopup->currentText() : QString();
    const Symbologies::EngineKind kind = Symbologies::kindOf(title);
    if (kind == Symbologies::EngineKind::QR) {
        if (rules.touchesLogoTab)
            addQrLogoTab();
        setShown(two_d_sett_box, true);
        setShown(pdf_2d_sett_box, false);
        setShown(dm_2d_sett_box, false);
        setShown(barcode_clr, true);
        setShown(bar_clr_label, true);
    } else if (kind == Symbologies::EngineKind::PDF417) {
        if (rules.touchesLogoTab)
            removeQrLogoTab();
        setShown(two_d_sett_box, false);
        setShown(pdf_2d_sett_box, true);
        setShown(dm_2d_sett_box, false);
        setShown(barcode_clr, false);
        setShown(bar_clr_label, false);
    } else if (kind == Symbologies::EngineKind::DataMatrix) {
        if (rules.touchesLogoTab)
            removeQrLogoTab();
        setShown(two_d_sett_box, false);
        setShown(pdf_2d_sett_box, false);
        setShown(dm_2d_sett_box, true);
        setShown(barcode_clr, true);
        setShown(bar_clr_label, true);
    }
}
