#pragma once
// The Advanced QR mode as the Barcode mode sees it: its controller and panel behind
// AdvQrBarcodeMode.

#include "advqr/AdvQrBarcodeMode.h"

class AdvQrController;

class AdvQrBarcodeModeSide final : public AdvQrBarcodeMode {
public:
    explicit AdvQrBarcodeModeSide(AdvQrController &mode) : mode(mode) {}

    bool copyMarginPair(QObject *sender, Margin margin) override;
    bool copySidePair(QObject *sender) override;
    void sidePair(QLineEdit **field, platform::Stepper **stepper) const override;
    bool printsHeader() const override;
    bool printsFooter() const override;
    void enableHeaderBox(bool on) override;
    void enableFooterBox(bool on) override;
    void focusHeaderFontButton() override;
    void setHeaderFont(const QFont &font) override;
    void setFooterFont(const QFont &font) override;
    EditorPreview editorPreview() override;
    bool wireToEditor(QObject *editor, std::function<void(EditorControl, QObject *)> handler) override;

    AdvQrSettings settings() const override;
    QFont ADV_QR_header_font() const override;
    QFont ADV_QR_footer_font() const override;
    bool ADV_QR_USE_QR_LOGO() const override;
    QImage ADV_QR_USE_QR_LOGO_IMG() const override;
    barcode_sizes::MarginInputs ADV_QR_Margin_Inputs() const override;
    void DRAW_ADV_QR_With_All_Init() override;
    platform::Picture Get_ADV_QR_barcode_from_image(bool draw) override;

    void Use_Logo_Chk_Clicked() override;
    void Use_Browse_Logo_Btn_Clicked() override;

    std::optional<PayloadEdit> Open_ADV_QR_EDIT_Window(const PayloadEdit &stored) override;

private:
    AdvQrController &mode;
};
