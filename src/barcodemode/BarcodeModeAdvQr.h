#pragma once
// What the Advanced QR mode uses of the Barcode mode: the mode's barcode settings editor frames the
// Advanced QR symbol (its texts, print flags and band sizes set first) and shows it in the preview
// the Advanced QR column hands it; the QR drawing of either road; the QR size that follows a
// version; the Barcode mode's logo box, which shares the logo commands; and the font names and
// alignment items of the editor's fields. The mode implements it (barcodemode/BarcodeModeAdvQrSide.h).

#include "barcodemode/BarcodeSizeRules.h"
#include "barcodemode/GenerationSnapshot.h"
#include "platform/Picture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

class BarcodeModeAdvQr {
public:
    virtual ~BarcodeModeAdvQr() = default;

    // ---- The editor's symbol ----
    virtual void setContent(const QString &value) = 0;
    virtual void setHeader(const QString &header) = 0;
    virtual void setFooter(const QString &footer) = 0;
    virtual void setPrintsCaption(bool on) = 0;
    virtual void set_Fill_transparent(bool on) = 0;
    virtual void setPrintsHeader(bool on) = 0;
    virtual void setPrintsFooter(bool on) = 0;
    virtual void setHeaderFontSize(float size) = 0;
    virtual void setFooterFontSize(float size) = 0;
    // The preview blank, or showing the picture.
    virtual void Set_Blank_Image() = 0;
    virtual void Set_Barcode_On_Panel(const platform::Picture &picture) = 0;
    // The bare 2D symbol framed by the editor's 2D size rules with its texts and the snapshot's
    // margins; null, or too large for the output, as the generation core answers.
    struct Framed {
        platform::Picture picture;
        bool tooLarge = false;
    };
    virtual Framed Frame_Two_D(const GenerationSnapshot &s, const platform::Picture &symbol) = 0;

    // ---- QR drawing ----
    // Whether the toolkit's generator draws QR at this toolkit version (else the module encoder).
    virtual bool Uses_Qr_Generator(double toolkitVersion) const = 0;
    virtual platform::Picture Create_QR_By_CI_Filter(const QString &value, const QString &errorCorrectionLevel,
                                                     qint64 version, const QColor &barcodeColor,
                                                     const QColor &backgroundColor, double scale,
                                                     double barcode_size) = 0;
    // The module encoder's QR of the value with the snapshot's version, level and colours.
    virtual platform::Picture Draw_Qr(const GenerationSnapshot &s, const QString &value) = 0;
    virtual void Check_And_Set_QR_size_Acc_Version(int version) = 0;

    // ---- The Barcode mode's logo box ----
    virtual void logoBoxClicked() = 0;
    virtual void logoChosen(const QString &path, const QImage &logo, const platform::Picture &shown) = 0;

    // The text a font field shows for the font, and the items of the band alignment lists.
    virtual QString fontDisplayText(const QFont &font) const = 0;
    virtual QStringList alignments() const = 0;
};
