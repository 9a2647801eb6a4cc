#include "barcodemode/BarcodeModeAdvQrSide.h"

#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/GenerationCore.h"
#include "barcodemode/TwoDSymbols.h"

void BarcodeModeAdvQrSide::setContent(const QString &value) { mode.setContent(value); }

void BarcodeModeAdvQrSide::setHeader(const QString &header) { mode.setHeader(header); }

void BarcodeModeAdvQrSide::setFooter(const QString &footer) { mode.setFooter(footer); }

void BarcodeModeAdvQrSide::setPrintsCaption(bool on) { mode.setPrintsCaption(on); }

void BarcodeModeAdvQrSide::set_Fill_transparent(bool on) { mode.set_Fill_transparent(on); }

void BarcodeModeAdvQrSide::setPrintsHeader(bool on) { mode.setPrintsHeader(on); }

void BarcodeModeAdvQrSide::setPrintsFooter(bool on) { mode.setPrintsFooter(on); }

void BarcodeModeAdvQrSide::setHeaderFontSize(float size) { mode.setHeaderFontSize(size); }

void BarcodeModeAdvQrSide::setFooterFontSize(float size) { mode.setFooterFontSize(size); }

void BarcodeModeAdvQrSide::Set_Blank_Image() { mode.Set_Blank_Image(); }

void BarcodeModeAdvQrSide::Set_Barcode_On_Panel(const platform::Picture &picture) { mode.Set_Barcode_On_Panel(picture); }

BarcodeModeAdvQr::Framed BarcodeModeAdvQrSide::Frame_Two_D(const GenerationSnapshot &s, const platform::Picture &symbol)
{
    barcode_sizes::Margins margins;
    const barcode_generation::Framed framed = barcode_generation::frameTwoD(s, mode, margins, symbol);
    return {framed.picture, framed.tooLarge};
}

bool BarcodeModeAdvQrSide::Uses_Qr_Generator(double toolkitVersion) const { return twod::usesQrGenerator(toolkitVersion); }

platform::Picture BarcodeModeAdvQrSide::Create_QR_By_CI_Filter(const QString &value, const QString &errorCorrectionLevel,
                                                               qint64 version, const QColor &barcodeColor,
                                                               const QColor &backgroundColor, double scale,
                                                               double barcode_size)
{
    return mode.Create_QR_By_CI_Filter(value, errorCorrectionLevel, version, barcodeColor, backgroundColor, scale,
                                       barcode_size);
}

platform::Picture BarcodeModeAdvQrSide::Draw_Qr(const GenerationSnapshot &s, const QString &value)
{
    return barcode_generation::drawQr(s, value);
}

void BarcodeModeAdvQrSide::Check_And_Set_QR_size_Acc_Version(int version) { mode.Check_And_Set_QR_size_Acc_Version(version); }

void BarcodeModeAdvQrSide::logoBoxClicked() { mode.panel().logoBoxClicked(); }

void BarcodeModeAdvQrSide::logoChosen(const QString &path, const QImage &logo, const platform::Picture &shown)
{
    mode.panel().logoChosen(path, logo, shown);
}

QString BarcodeModeAdvQrSide::fontDisplayText(const QFont &font) const { return BarcodeEditor::fontDisplayText(font); }

QStringList BarcodeModeAdvQrSide::alignments() const { return barcode_editor_items::alignments(); }
