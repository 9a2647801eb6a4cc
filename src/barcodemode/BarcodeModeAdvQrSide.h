#pragma once
// The Barcode mode as the Advanced QR mode uses it: its controller (and editor) behind
// BarcodeModeAdvQr.

#include "barcodemode/BarcodeModeAdvQr.h"

class BarcodeModeController;

class BarcodeModeAdvQrSide final : public BarcodeModeAdvQr {
public:
    explicit BarcodeModeAdvQrSide(BarcodeModeController &mode) : mode(mode) {}

    void setContent(const QString &value) override;
    void setHeader(const QString &header) override;
    void setFooter(const QString &footer) override;
    void setPrintsCaption(bool on) override;
    void set_Fill_transparent(bool on) override;
    void setPrintsHeader(bool on) override;
    void setPrintsFooter(bool on) override;
    void setHeaderFontSize(float size) override;
    void setFooterFontSize(float size) override;
    void Set_Blank_Image() override;
    void Set_Barcode_On_Panel(const platform::Picture &picture) override;
    Framed Frame_Two_D(const GenerationSnapshot &s, const platform::Picture &symbol) override;

    bool Uses_Qr_Generator(double toolkitVersion) const override;
    platform::Picture Create_QR_By_CI_Filter(const QString &value, const QString &errorCorrectionLevel, qint64 version,
                                             const QColor &barcodeColor, const QColor &backgroundColor, double scale,
                                             double barcode_size) override;
    platform::Picture Draw_Qr(const GenerationSnapshot &s, const QString &value) override;
    void Check_And_Set_QR_size_Acc_Version(int version) override;

    void logoBoxClicked() override;
    void logoChosen(const QString &path, const QImage &logo, const platform::Picture &shown) override;

    QString fontDisplayText(const QFont &font) const override;
    QStringList alignments() const override;

private:
    BarcodeModeController &mode;
};
