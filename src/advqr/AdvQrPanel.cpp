#include "advqr/AdvQrPanel.h"

#include "advqr/AdvQrController.h"
#include "advqr/AdvQrGlobals.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "imaging/QrLogo.h"
#include "core/Messages.h"
#include "core/Units.h"
#include "core/Utilities.h"
#include "platform/ColorWell.h"
#include "platform/ControlFill.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

#include <tuple>

using platform::PairFormat;

namespace {

bool ticked(const QAbstractButton *b) { return b && b->isChecked(); }
QString textOf(const QLineEdit *f) { return f ? f->text() : QString(); }
int indexOf(const QComboBox *c) { return c ? c->currentIndex() : -1; }
QColor colourOf(const platform::ColorWell *w) { return w ? w->color() : QColor(); }
double realOf(const platform::Stepper *s) { return s ? s->doubleValue() : 0.0; }

using platform::fill::setChecked;
using platform::fill::setColour;
using platform::fill::setIndex;
using platform::fill::setText;

void selectFirst(QComboBox *combo)
{
    if (combo && combo->count() > 0)
        combo->setCurrentIndex(0);
}

} // namespace

AdvQrPanel::AdvQrPanel(AdvQrController &controller) : QObject(&controller), c(controller) {}

AdvQrSettings AdvQrPanel::settings() const
{
    AdvQrSettings s;
    s.type = chosenType();
    s.header = textOf(c.ADV_QR_HeaderText);
    s.footer = textOf(c.ADV_QR_FooterText);
    s.hideHeader = ticked(c.ADV_QR_hideHeaderCheckbox);
    s.hideFooter = ticked(c.ADV_QR_hideFooterCheckbox);
    s.alignHeader = indexOf(c.ADV_QR_align_hdr_combo);
    s.alignFooter = indexOf(c.ADV_QR_align_ftr_combo);
    s.fonts = {c.ADV_QR_header_font, c.ADV_QR_footer_font};
    s.colours = {colourOf(c.ADV_QR_bar_hdr_clr), colourOf(c.ADV_QR_bar_ftr_clr), colourOf(c.ADV_QR_barcode_clr),
                 colourOf(c.ADV_QR_back_bg_clr)};
    s.transparent = ticked(c.ADV_QR_transp_bg_chk);
    s.side = textOf(c.ADV_QR_HeightText_2D);
    s.sideStep = c.ADV_QR_HeightStepper_2D ? c.ADV_QR_HeightStepper_2D->intValue() : 0;
    s.qrVersion = indexOf(c.ADV_QR_version_ComboBox);
    s.qrLevel = indexOf(c.ADV_QR_ec_lvl_ComboBox);
    s.qrEncoding = indexOf(c.ADV_QR_enc_mode_ComboBox);
    s.margins = {textOf(c.ADV_QR_hdr_mar_Text), textOf(c.ADV_QR_ftr_mar_Text), textOf(c.ADV_QR_TB_mar_Text),
                 textOf(c.ADV_QR_LR_mar_Text)};
    s.marginSteps = {realOf(c.ADV_QR_hdr_mar_Stepper), realOf(c.ADV_QR_ftr_mar_Stepper), realOf(c.ADV_QR_TB_mar_Stepper),
                     realOf(c.ADV_QR_LR_mar_Stepper)};
    s.logo = ticked(c.ADV_QR_Use_Logo_chk);
    s.logoPath = c.ADV_QR_Use_logo_path ? c.ADV_QR_Use_logo_path->toPlainText() : QString();
    return s;
}

void AdvQrPanel::setSettings(const AdvQrSettings &s)
{
    filling = true;
    if (c.Selected_Qr_Category)
        c.Selected_Qr_Category->setText(s.type);
    setText(c.ADV_QR_HeaderText, s.header);
    setText(c.ADV_QR_FooterText, s.footer);
    setChecked(c.ADV_QR_hideHeaderCheckbox, s.hideHeader);
    setChecked(c.ADV_QR_hideFooterCheckbox, s.hideFooter);
    SetObjEnabled(c.ADV_QR_hdr_box, !s.hideHeader);
    SetObjEnabled(c.ADV_QR_ftr_box, !s.hideFooter);
    setIndex(c.ADV_QR_align_hdr_combo, s.alignHeader);
    setIndex(c.ADV_QR_align_ftr_combo, s.alignFooter);
    setHeaderFont(s.fonts[0]);
    setFooterFont(s.fonts[1]);
    platform::ColorWell *wells[4] = {c.ADV_QR_bar_hdr_clr, c.ADV_QR_bar_ftr_clr, c.ADV_QR_barcode_clr, c.ADV_QR_back_bg_clr};
    for (int i = 0; i < 4; ++i)
        setColour(wells[i], s.colours[size_t(i)]);
    setChecked(c.ADV_QR_transp_bg_chk, s.transparent);
    if (c.ADV_QR_back_bg_clr)
        c.ADV_QR_back_bg_clr->setEnabled(!s.transparent);
    setText(c.ADV_QR_HeightText_2D, s.side);
    if (c.ADV_QR_HeightStepper_2D)
        c.ADV_QR_HeightStepper_2D->setIntValue(s.sideStep);
    setIndex(c.ADV_QR_version_ComboBox, s.qrVersion);
    setIndex(c.ADV_QR_ec_lvl_ComboBox, s.qrLevel);
    setIndex(c.ADV_QR_enc_mode_ComboBox, s.qrEncoding);
    ADV_QR_Version_Val = s.qrVersion == 0 ? -1 : s.qrVersion;
    ADV_QR_EC_Level_Val = s.qrLevel;
    ADV_QR_Enc_Mode_Val = s.qrEncoding;
    QLineEdit *fields[4] = {c.ADV_QR_hdr_mar_Text, c.ADV_QR_ftr_mar_Text, c.ADV_QR_TB_mar_Text, c.ADV_QR_LR_mar_Text};
    platform::Stepper *steppers[4] = {c.ADV_QR_hdr_mar_Stepper, c.ADV_QR_ftr_mar_Stepper, c.ADV_QR_TB_mar_Stepper,
                                      c.ADV_QR_LR_mar_Stepper};
    for (int i = 0; i < 4; ++i) {
        setText(fields[i], s.margins[size_t(i)]);
        if (steppers[i])
            steppers[i]->setDoubleValue(s.marginSteps[size_t(i)]);
    }
    // The logo: read from its file; a path that names no file leaves none.
    QImage logo;
    QString path;
    if (QFileInfo(s.logoPath).isFile()) {
        path = s.logoPath;
        logo = qr_logo::readScaled(path);
    }
    setChecked(c.ADV_QR_Use_Logo_chk, s.logo);
    SetObjEnabled(c.ADV_QR_Use_logo_box, s.logo);
    if (c.ADV_QR_Use_logo_path) {
        const QSignalBlocker block(c.ADV_QR_Use_logo_path);
        c.ADV_QR_Use_logo_path->setPlainText(path);
    }
    if (c.ADV_QR_Use_Logo_Image_View)
        c.ADV_QR_Use_Logo_Image_View->setPicture(logo.isNull() ? platform::Picture() : platform::Picture::fromImage(logo));
    c.ADV_QR_USE_QR_LOGO = s.logo;
    c.ADV_QR_USE_QR_LOGO_PATH = path;
    c.ADV_QR_USE_QR_LOGO_IMG = logo;
    filling = false;
}

namespace {

// The pair's copy; a refusal's message is shown.
bool takePair(QObject *sender, platform::Stepper *stepper, QLineEdit *field, PairFormat format,
              const platform::PairRefusal &refusal)
{
    const QString refused = platform::copyPairRefusing(sender, stepper, field, format, refusal);
    if (!refused.isEmpty())
        Show_MessageBox(refused);
    return refused.isEmpty();
}

} // namespace

bool AdvQrPanel::copyMarginPair(QObject *sender, Margin margin)
{
    const std::tuple<platform::Stepper *, QLineEdit *, const char *> pairs[] = {
        {c.ADV_QR_hdr_mar_Stepper, c.ADV_QR_hdr_mar_Text, "header margin"},
        {c.ADV_QR_ftr_mar_Stepper, c.ADV_QR_ftr_mar_Text, "footer margin"},
        {c.ADV_QR_TB_mar_Stepper, c.ADV_QR_TB_mar_Text, "top and bottom margin"},
        {c.ADV_QR_LR_mar_Stepper, c.ADV_QR_LR_mar_Text, "left and right margin"}};
    const auto &[stepper, field, what] = pairs[int(margin)];
    return takePair(sender, stepper, field, PairFormat::Real,
                    {QString::fromLatin1(what), platform::unitName(Measument_Unit_Is_Adv_QR)});
}

bool AdvQrPanel::copySidePair(QObject *sender)
{
    return takePair(sender, c.ADV_QR_HeightStepper_2D, c.ADV_QR_HeightText_2D, PairFormat::Integer,
                    {QStringLiteral("QR code size"), QStringLiteral("pt")});
}

void AdvQrPanel::sidePair(QLineEdit **field, platform::Stepper **stepper) const
{
    *field = c.ADV_QR_HeightText_2D;
    *stepper = c.ADV_QR_HeightStepper_2D;
}

bool AdvQrPanel::printsHeader() const { return !ticked(c.ADV_QR_hideHeaderCheckbox); }
bool AdvQrPanel::printsFooter() const { return !ticked(c.ADV_QR_hideFooterCheckbox); }
void AdvQrPanel::enableHeaderBox(bool on) { SetObjEnabled(c.ADV_QR_hdr_box, on); }
void AdvQrPanel::enableFooterBox(bool on) { SetObjEnabled(c.ADV_QR_ftr_box, on); }

void AdvQrPanel::focusHeaderFontButton()
{
    if (c.ADV_QR_hdr_font_btn)
        c.ADV_QR_hdr_font_btn->setFocus();
}

void AdvQrPanel::setHeaderFont(const QFont &font)
{
    c.ADV_QR_header_font = font;
    if (c.ADV_QR_header_font_value)
        c.ADV_QR_header_font_value->setText(c.barcodeMode().fontDisplayText(c.ADV_QR_header_font));
}

void AdvQrPanel::setFooterFont(const QFont &font)
{
    c.ADV_QR_footer_font = font;
    if (c.ADV_QR_footer_font_value)
        c.ADV_QR_footer_font_value->setText(c.barcodeMode().fontDisplayText(c.ADV_QR_footer_font));
}

EditorPreview AdvQrPanel::editorPreview()
{
    return {c.QR_barcodeImage, c.QR_image_scroll, c.ADV_QR_barcode_error_label, &c.ADV_QR_image_frame_rect, &c.image_adv_QR};
}

bool AdvQrPanel::wireToEditor(QObject *editor, std::function<void(AdvQrBarcodeMode::EditorControl, QObject *)> handler)
{
    if (!c.ADV_QR_hdr_mar_Stepper)
        return false;
    using Control = AdvQrBarcodeMode::EditorControl;
    QObject *e = editor;
    const auto onPair = [e, handler](platform::Stepper *stepper, QLineEdit *field, Control control) {
        platform::connectPair(stepper, field, e, [handler, control](QObject *sender) { handler(control, sender); });
    };
    const auto onClick = [e, handler](QAbstractButton *button, Control control) {
        if (button)
            QObject::connect(button, &QAbstractButton::clicked, e, [handler, button, control] { handler(control, button); });
    };
    onPair(c.ADV_QR_hdr_mar_Stepper, c.ADV_QR_hdr_mar_Text, Control::HeaderMargin);
    onPair(c.ADV_QR_ftr_mar_Stepper, c.ADV_QR_ftr_mar_Text, Control::FooterMargin);
    onPair(c.ADV_QR_TB_mar_Stepper, c.ADV_QR_TB_mar_Text, Control::TopBottomMargin);
    onPair(c.ADV_QR_LR_mar_Stepper, c.ADV_QR_LR_mar_Text, Control::LeftRightMargin);
    onPair(c.ADV_QR_HeightStepper_2D, c.ADV_QR_HeightText_2D, Control::Side);
    onClick(c.ADV_QR_hideHeaderCheckbox, Control::HideHeader);
    onClick(c.ADV_QR_hideFooterCheckbox, Control::HideFooter);
    onClick(c.ADV_QR_hdr_font_btn, Control::HeaderFont);
    onClick(c.ADV_QR_ftr_font_btn, Control::FooterFont);
    for (platform::ColorWell *well : {c.ADV_QR_bar_hdr_clr, c.ADV_QR_bar_ftr_clr, c.ADV_QR_barcode_clr, c.ADV_QR_back_bg_clr})
        if (well)
            QObject::connect(well, &platform::ColorWell::colorChanged, e, [handler, well] { handler(Control::Colour, well); });
    return true;
}

void AdvQrPanel::startWithTextType()
{
    if (c.QR_Input_sclview && c.Qr_Text) {
        c.QR_Input_sclview->takeWidget();
        c.QR_Input_sclview->setWidget(c.Qr_Text);
    }
    if (Qr_Text_OBJ)
        Qr_Text_OBJ->Show_Hide_Open_URL_Button(true, chosenType());
}

void AdvQrPanel::startLayout() { SetObjEnabled(c.ADV_QR_Use_logo_box, false); }

void AdvQrPanel::startHeader()
{
    if (c.ADV_QR_HeaderText)
        c.ADV_QR_HeaderText->setText(QStringLiteral("My QR Code"));
}

void AdvQrPanel::startSizes()
{
    if (c.ADV_QR_HeightText_2D) {
        c.ADV_QR_HeightText_2D->setText(QStringLiteral("120"));
        c.ADV_QR_HeightStepper_2D->setIntValue(120);
    }
}

void AdvQrPanel::startLists()
{
    for (QComboBox *combo : {c.ADV_QR_align_hdr_combo, c.ADV_QR_align_ftr_combo})
        if (combo && combo->count() > 1)
            combo->setCurrentIndex(1);
    for (QComboBox *combo : {c.ADV_QR_enc_mode_ComboBox, c.ADV_QR_version_ComboBox, c.ADV_QR_ec_lvl_ComboBox})
        selectFirst(combo);
}

void AdvQrPanel::startPreviewFrame()
{
    if (c.QR_image_scroll)
        c.ADV_QR_image_frame_rect = c.QR_image_scroll->geometry();
}

bool AdvQrPanel::isCaptionField(const QObject *field) const
{
    return field && (field == c.ADV_QR_HeaderText || field == c.ADV_QR_FooterText);
}

bool AdvQrPanel::comboChosen(QComboBox *C)
{
    if (C == c.ADV_QR_align_hdr_combo || C == c.ADV_QR_align_ftr_combo) {
        c.DRAW_ADV_QR_With_All_Init();
        return true;
    }
    if (C == c.ADV_QR_enc_mode_ComboBox) {
        ADV_QR_Enc_Mode_Val = C->currentIndex();
        c.DRAW_ADV_QR_With_All_Init();
        return true;
    }
    if (C == c.ADV_QR_version_ComboBox) {
        ADV_QR_Version_Val = C->currentIndex();
        c.barcodeMode().Check_And_Set_QR_size_Acc_Version(ADV_QR_Version_Val);
        if (ADV_QR_Version_Val == 0)
            ADV_QR_Version_Val = -1;
        c.DRAW_ADV_QR_With_All_Init();
        return true;
    }
    if (C == c.ADV_QR_ec_lvl_ComboBox) {
        ADV_QR_EC_Level_Val = C->currentIndex();
        c.DRAW_ADV_QR_With_All_Init();
        return true;
    }
    return false;
}

QString AdvQrPanel::chosenType() const { return c.Selected_Qr_Category ? c.Selected_Qr_Category->text() : QString(); }

void AdvQrPanel::watchEdits()
{
    for (QLineEdit *f : {c.ADV_QR_HeaderText, c.ADV_QR_FooterText, c.ADV_QR_HeightText_2D, c.ADV_QR_hdr_mar_Text,
                         c.ADV_QR_ftr_mar_Text, c.ADV_QR_TB_mar_Text, c.ADV_QR_LR_mar_Text})
        if (f)
            connect(f, &QLineEdit::textEdited, this, &AdvQrPanel::edited);
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{c.ADV_QR_hideHeaderCheckbox, c.ADV_QR_hideFooterCheckbox,
                                                                        c.ADV_QR_transp_bg_chk, c.ADV_QR_Use_Logo_chk})
        if (b)
            connect(b, &QAbstractButton::clicked, this, &AdvQrPanel::edited);
    for (QComboBox *combo : {c.ADV_QR_align_hdr_combo, c.ADV_QR_align_ftr_combo, c.ADV_QR_enc_mode_ComboBox,
                             c.ADV_QR_version_ComboBox, c.ADV_QR_ec_lvl_ComboBox})
        if (combo)
            connect(combo, &QComboBox::activated, this, &AdvQrPanel::edited);
    for (platform::Stepper *st : {c.ADV_QR_HeightStepper_2D, c.ADV_QR_hdr_mar_Stepper, c.ADV_QR_ftr_mar_Stepper,
                                  c.ADV_QR_TB_mar_Stepper, c.ADV_QR_LR_mar_Stepper})
        if (st)
            connect(st, &platform::Stepper::stepped, this, &AdvQrPanel::edited);
    for (platform::ColorWell *w : {c.ADV_QR_bar_hdr_clr, c.ADV_QR_bar_ftr_clr, c.ADV_QR_barcode_clr, c.ADV_QR_back_bg_clr})
        if (w)
            connect(w, &platform::ColorWell::colorChanged, this, &AdvQrPanel::edited);
    for (QPushButton *b : c.QR_Type_Buttons)
        connect(b, &QPushButton::clicked, this, &AdvQrPanel::edited);
}

void AdvQrPanel::edited()
{
    if (!filling)
        emit settingsChanged();
}
