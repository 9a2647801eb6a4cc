#include "advqr/AdvQrBarcodeModeSide.h"

#include "advqr/AdvQrController.h"
#include "advqr/Edit_ADV_QR_Type.h"

bool AdvQrBarcodeModeSide::copyMarginPair(QObject *sender, Margin margin)
{
    return mode.panel().copyMarginPair(sender, AdvQrPanel::Margin(int(margin)));
}

bool AdvQrBarcodeModeSide::copySidePair(QObject *sender) { return mode.panel().copySidePair(sender); }

void AdvQrBarcodeModeSide::sidePair(QLineEdit **field, platform::Stepper **stepper) const
{
    mode.panel().sidePair(field, stepper);
}

bool AdvQrBarcodeModeSide::printsHeader() const { return mode.panel().printsHeader(); }

bool AdvQrBarcodeModeSide::printsFooter() const { return mode.panel().printsFooter(); }

void AdvQrBarcodeModeSide::enableHeaderBox(bool on) { mode.panel().enableHeaderBox(on); }

void AdvQrBarcodeModeSide::enableFooterBox(bool on) { mode.panel().enableFooterBox(on); }

void AdvQrBarcodeModeSide::focusHeaderFontButton() { mode.panel().focusHeaderFontButton(); }

void AdvQrBarcodeModeSide::setHeaderFont(const QFont &font) { mode.panel().setHeaderFont(font); }

void AdvQrBarcodeModeSide::setFooterFont(const QFont &font) { mode.panel().setFooterFont(font); }

EditorPreview AdvQrBarcodeModeSide::editorPreview() { return mode.panel().editorPreview(); }

bool AdvQrBarcodeModeSide::wireToEditor(QObject *editor, std::function<void(EditorControl, QObject *)> handler)
{
    return mode.panel().wireToEditor(editor, std::move(handler));
}

AdvQrSettings AdvQrBarcodeModeSide::settings() const { return mode.panel().settings(); }

QFont AdvQrBarcodeModeSide::ADV_QR_header_font() const { return mode.ADV_QR_header_font; }

QFont AdvQrBarcodeModeSide::ADV_QR_footer_font() const { return mode.ADV_QR_footer_font; }

bool AdvQrBarcodeModeSide::ADV_QR_USE_QR_LOGO() const { return mode.ADV_QR_USE_QR_LOGO; }

QImage AdvQrBarcodeModeSide::ADV_QR_USE_QR_LOGO_IMG() const { return mode.ADV_QR_USE_QR_LOGO_IMG; }

barcode_sizes::MarginInputs AdvQrBarcodeModeSide::ADV_QR_Margin_Inputs() const { return mode.ADV_QR_Margin_Inputs(); }

void AdvQrBarcodeModeSide::DRAW_ADV_QR_With_All_Init() { mode.DRAW_ADV_QR_With_All_Init(); }

platform::Picture AdvQrBarcodeModeSide::Get_ADV_QR_barcode_from_image(bool draw)
{
    return mode.Get_ADV_QR_barcode_from_image(draw);
}

void AdvQrBarcodeModeSide::Use_Logo_Chk_Clicked() { mode.Use_Logo_Chk_Clicked(); }

void AdvQrBarcodeModeSide::Use_Browse_Logo_Btn_Clicked() { mode.Use_Browse_Logo_Btn_Clicked(); }

std::optional<AdvQrBarcodeMode::PayloadEdit> AdvQrBarcodeModeSide::Open_ADV_QR_EDIT_Window(const PayloadEdit &stored)
{
    Edit_ADV_QR_Type *editor = Edit_ADV_QR_Type::defaultInstance();
    editor->Final_adv_qr_val = stored.payload;
    editor->DisP_adv_qr_val = stored.summary;
    editor->setChosenType(stored.type);
    if (editor->Open_ADV_QR_EDIT_Window() != 1)
        return std::nullopt;
    return PayloadEdit{editor->Get_Adv_QR_Final_Str_Value(), editor->SEL_QR_DISPLAY_VALUE, editor->chosenType()};
}
