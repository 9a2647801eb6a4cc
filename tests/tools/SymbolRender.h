#pragma once
// One symbol rendered the way the Barcode mode renders it: the model made for its title (or, for QR
// Code, PDF417 and DataMatrix, the module picture the Barcode mode's 2D drawing makes), styled and
// sized by the Barcode mode's rules from the settings it starts with, drawn by the picture renderer,
// raised to the requested resolution and written by the image services. Shared by the symbol_png
// test program, the tests and the benchmarks.

#include "core/Globals.h"
#include "core/ImageServices.h"
#include "barcodemode/BarcodeSizeRules.h"
#include "barcodemode/TwoDSymbols.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "barcodemode/pdf417View.h"
#include "engines/qr/QrGenerator.h"
#include "engines/BarcodeSettings.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "engines/linear/RegisterOtherLinear.h"
#include "engines/render/NKDBarcodeImage.h"
#include "platform/Files.h"
#include "platform/Picture.h"
#include "platform/WholePixels.h"

#include <QFileInfo>
#include <QFont>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <mutex>

namespace symboltool {

// The Barcode mode's starting margins: 0.1 in its unit (centimetres). The narrowest bar is 15 mils
// (about two pixels at 150 DPI, so proofs rasterised at that resolution still read), bars 2 cm tall,
// 10-point caption, black on white.
constexpr double kMarginCm = 0.1;
constexpr float kModuleMils = 15.0f;
constexpr double kBarHeightCm = 2.0;
constexpr double kPointsPerCm = 72.0 / 2.54;

enum class Status { Written, Invalid, UnknownSymbology, WriteFailed };

inline QStringList fileFormats()
{
    return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("tif"),
            QStringLiteral("gif"), QStringLiteral("pdf"), QStringLiteral("eps")};
}

// The settings as the Barcode mode has them with no header and no footer: hidden bands have no
// margin (the height rule clears them).
inline std::shared_ptr<BarcodeSettings> defaultSettings()
{
    auto s = std::make_shared<BarcodeSettings>();
    s->mode = 0;
    const float margin = float(kMarginCm * kPointsPerCm);
    s->TB_margin = margin;
    s->value_margin = margin;
    s->header_margin = 0;
    s->footer_margin = 0;
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    s->value_font = font;
    s->header_font = font;
    s->footer_font = font;
    s->barcode_clr = Qt::black;
    s->bar_val_clr = Qt::black;
    s->bar_hdr_clr = Qt::black;
    s->bar_ftr_clr = Qt::black;
    s->bar_back_clr = Qt::white;
    s->align_hdr = QStringLiteral("Center");
    s->align_ftr = QStringLiteral("Center");
    return s;
}

// The engines beyond UPC/EAN register themselves at start-up; so does this program.
inline void registerLinearEngines()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const auto &[title, factory] : otherLinearSymbologies())
            Symbologies::registerLinearSymbology(title, factory);
    });
}

// The linear model for a title and value, sized by the Barcode mode's height and width rules;
// nullptr with the status when the title has no engine or the value is refused.
inline std::unique_ptr<NKDBarcode> makeLinearModel(const QString &title, const QString &value,
                                                   const std::shared_ptr<const BarcodeSettings> &settings, Status &status,
                                                   float moduleMils = kModuleMils)
{
    registerLinearEngines();
    if (!Symbologies::isLinear(title) || !Symbologies::hasLinearFactory(title)) {
        status = Status::UnknownSymbology;
        return nullptr;
    }
    std::unique_ptr<NKDBarcode> model = Symbologies::createLinearBarcode(title);
    if (!model) {
        status = Status::UnknownSymbology;
        return nullptr;
    }
    model->setSettings(settings);
    if (!model->initWithContent(value, true) || !model->isContentValid()) {
        status = Status::Invalid;
        return nullptr;
    }
    model->setHeader(QStringLiteral(""));
    model->setFooter(QStringLiteral(""));
    model->setPrintsCaption(true);
    model->setPrintsHeader(false);
    model->setPrintsFooter(false);
    model->setBarWidth(moduleMils / 1000.0f * 72.0f);
    model->setCaptionFontSize(float(settings->value_font.pointSizeF()));
    model->setHeaderFontSize(float(settings->header_font.pointSizeF()));
    model->setFooterFontSize(float(settings->footer_font.pointSizeF()));
    // Height rule: bars, the caption band with its margin, and the top and bottom margins.
    const double bars = kBarHeightCm * kPointsPerCm;
    model->setHeight(float(bars + model->captionHeight() * 72.0 + settings->value_margin + 2.0 * settings->TB_margin));
    model->calculateWidth();
    // Width rule: the bars (no bands shown), both side margins and 15 points more for a margin.
    const double lr = kMarginCm * kPointsPerCm;
    model->setWidth(float(model->width() + 2.0 * lr + (lr > 0 ? 15.0 : 0.0)));
    status = Status::Written;
    return model;
}

// The options of the 2D symbologies, as the Barcode mode's lists name them, and the module width of
// the linear ones.
struct TwoDOptions {
    QString qrLevel = QStringLiteral("L");           // "L", "M", "Q", "H"
    QString dmSize = QStringLiteral("Auto");         // "Auto", "C10X10" ... "C144X144", "C8X18" ... "C16X48"
    QString dmEncoding = QStringLiteral("Auto");     // "Auto", "Ascii", "C40", "Text", "Base256"
    float moduleMils = kModuleMils;                  // narrowest bar of a linear symbol
};

inline bool isTwoD(const QString &title)
{
    return title == QLatin1String("QR Code") || title == QLatin1String("PDF417") || title == QLatin1String("DataMatrix");
}

// The Barcode mode's starting sizes of the 2D symbols: QR Code 60 points a side, DataMatrix modules
// of 2 points.
constexpr double kQrSidePoints = 60;
constexpr int kDataMatrixModule = 2;

// The 2D module picture by the Barcode mode's drawing (the whole framed picture is raised when it is
// written; the PDF417 view raises its own bitmap as it does in the Barcode mode). QR Code: the generator route, grown so that a module is at least a point.
// PDF417: the view sized to one point per module and three per row. DataMatrix: the format and
// encodation items. Null with the status Invalid (and the encoder's reason in *error) on failure.
inline platform::Picture twoDSymbol(const QString &title, const QString &value, const TwoDOptions &options,
                                    Status &status, QString *error = nullptr)
{
    status = Status::Invalid;
    if (value.isEmpty())
        return {};
    if (title == QLatin1String("QR Code")) {
        // The generator route, encoded once: its module image gives the size too.
        qr::QrGenerator generator;
        generator.setInputMessage(value.toUtf8());
        generator.setInputCorrectionLevel(options.qrLevel);
        const QImage modules = generator.outputImage();
        if (modules.isNull())
            return {};
        const double side = std::max(kQrSidePoints, double(modules.width()));
        const platform::Picture symbol =
            qr::scaledToSize(qr::falseColor(modules, QColor(Qt::black), QColor(Qt::white)), side);
        if (!symbol.isNull())
            status = Status::Written;
        return symbol;
    }
    if (title == QLatin1String("PDF417")) {
        // Encoded once; the picture takes one point per module and three per row.
        pdf417View view(QRectF(0, 0, 1, 1));
        if (view.drawWithText(value) != pdf417View::ImageReady)
            return {};
        const pdf417::_pdf417param &p = view.param();
        const platform::Picture symbol = twod::pdf417Picture(view, QSizeF(p.bitColumns, p.codeRows * 3), false);
        if (!symbol.isNull())
            status = Status::Written;
        return symbol;
    }
    if (title == QLatin1String("DataMatrix")) {
        const QByteArray utf8 = value.toUtf8();
        datamatrix::Ecc200Request request = twod::dataMatrixRequest(options.dmSize, options.dmEncoding, utf8);
        request.printErrors = false;
        const datamatrix::Ecc200Result result = datamatrix::iec16022ecc200(utf8, request);
        if (!result.ok() || result.width == 0) {
            if (error)
                *error = result.error.trimmed();
            return {};
        }
        const QImage image = twod::dataMatrixImage(utf8, result.width, result.height, result.grid.data(),
                                                   QColor(Qt::black), QColor(Qt::white), error);
        const platform::Picture symbol =
            twod::dataMatrixPicture(image, result.width, result.height, kDataMatrixModule, 2, 0);
        if (!symbol.isNull())
            status = Status::Written;
        return symbol;
    }
    status = Status::UnknownSymbology;
    return {};
}

// The complete picture of one symbol (a vector recording); null with the status on failure.
inline platform::Picture renderSymbol(const QString &title, const QString &value, Status &status,
                                      const TwoDOptions &options = {}, QString *error = nullptr)
{
    const std::shared_ptr<BarcodeSettings> settings = defaultSettings();
    if (isTwoD(title)) {
        const platform::Picture symbol = twoDSymbol(title, value, options, status, error);
        if (status != Status::Written)
            return {};
        // The 2D size rules with no header and no footer: the symbol, the top-and-bottom margins,
        // the side margins and 15 points more for them.
        barcode_sizes::Margins m;
        m.topBottom = settings->TB_margin;
        m.leftRight = float(kMarginCm * kPointsPerCm);
        settings->printsHeader = false;
        settings->printsFooter = false;
        settings->header_margin = 0;
        settings->footer_margin = 0;
        settings->barcodeTypeTitle = title;
        settings->height = barcode_sizes::twoDHeight(float(symbol.size().height()), m, true, 0, true, 0);
        settings->width = barcode_sizes::pictureWidth(float(symbol.size().width()), 0, 0, true, true, m.leftRight);
        platform::Picture picture = imageFromBarcodeImage(symbol, settings);
        if (picture.isNull())
            status = Status::Invalid;
        return picture;
    }
    const std::unique_ptr<NKDBarcode> model = makeLinearModel(title, value, settings, status, options.moduleMils);
    if (!model)
        return {};
    platform::Picture picture = imageFromBarcode(model.get(), settings);
    if (picture.isNull())
        status = Status::Invalid;
    return picture;
}

// Writes the picture in the format of the path's extension: bitmaps raised to dpi first, PDF and
// EPS as vectors.
// The file bytes of a picture for a path's extension: EPS and PDF keep vectors; a bitmap format is
// raised to the resolution, then encoded. Empty with the reason in error on failure.
inline QByteArray encodePicture(const platform::Picture &picture, const QString &path, double dpi, QString *error = nullptr)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("eps")) {
        const QByteArray eps = picture.epsData();
        if (eps.isEmpty() && error)
            *error = QStringLiteral("The EPS data could not be made.");
        return eps;
    }
    if (ext == QLatin1String("pdf"))
        return Encode_gen_image(picture, path, error);
    const platform::Picture raised = Increase_DPI(picture, dpi);
    if (raised.isNull()) {
        if (error)
            *error = QStringLiteral("Invalid image");
        return {};
    }
    return Encode_gen_image(raised, path, error);
}

// The file bytes of one symbol, with the status: Written when there are bytes.
inline QByteArray encodeSymbol(const QString &title, const QString &value, const QString &path, double dpi,
                               Status &status, QString *error = nullptr, const TwoDOptions &options = {})
{
    status = Status::Written;
    const platform::Picture picture = renderSymbol(title, value, status, options, error);
    if (status != Status::Written)
        return {};
    // A symbol too large to rasterise at this resolution is a value too long, as in the Barcode mode.
    if (!platform::rasterFits(platform::Picture::pixelSize(picture.size(), dpi))) {
        if (error)
            *error = invalid_barcode_msg;
        status = Status::Invalid;
        return {};
    }
    const QByteArray bytes = encodePicture(picture, path, dpi, error);
    if (bytes.isEmpty())
        status = Status::WriteFailed;
    return bytes;
}

inline Status writeSymbol(const QString &title, const QString &value, const QString &path, double dpi,
                          QString *error = nullptr, const TwoDOptions &options = {})
{
    Status status = Status::Written;
    const QByteArray bytes = encodeSymbol(title, value, path, dpi, status, error, options);
    if (status != Status::Written)
        return status;
    return platform::writeFileAtomically(path, bytes, error) ? Status::Written : Status::WriteFailed;
}

} // namespace symboltool
