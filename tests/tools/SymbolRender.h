#pragma once
// One symbol rendered the way the Barcode mode renders it: the model made for its title, styled and
// sized by the Barcode mode's rules from the settings it starts with, drawn by the picture renderer,
// raised to the requested resolution and written by the image services. Shared by the symbol_png
// test program, the tests and the benchmarks.

#include "app/core/ImageServices.h"
#include "engines/BarcodeSettings.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "engines/linear/RegisterOtherLinear.h"
#include "engines/render/NKDBarcodeImage.h"
#include "platform/Files.h"
#include "platform/Picture.h"

#include <QFileInfo>
#include <QFont>
#include <QString>
#include <QStringList>

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
                                                   const std::shared_ptr<const BarcodeSettings> &settings, Status &status)
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
    model->setBarWidth(kModuleMils / 1000.0f * 72.0f);
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

// The complete picture of one symbol (a vector recording); null with the status on failure.
inline platform::Picture renderSymbol(const QString &title, const QString &value, Status &status)
{
    const std::shared_ptr<const BarcodeSettings> settings = defaultSettings();
    const std::unique_ptr<NKDBarcode> model = makeLinearModel(title, value, settings, status);
    if (!model)
        return {};
    platform::Picture picture = imageFromBarcode(model.get(), settings);
    if (picture.isNull())
        status = Status::Invalid;
    return picture;
}

// Writes the picture in the format of the path's extension: bitmaps raised to dpi first, PDF and
// EPS as vectors.
inline bool writePicture(const platform::Picture &picture, const QString &path, double dpi, QString *error = nullptr)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("eps")) {
        const QByteArray eps = picture.epsData();
        return !eps.isEmpty() && platform::writeFileAtomically(path, eps, error);
    }
    if (ext == QLatin1String("pdf"))
        return Save_gen_image(picture, path);
    const platform::Picture raised = Increase_DPI(picture, dpi);
    return !raised.isNull() && Save_gen_image(raised, path);
}

inline Status writeSymbol(const QString &title, const QString &value, const QString &path, double dpi,
                          QString *error = nullptr)
{
    Status status = Status::Written;
    const platform::Picture picture = renderSymbol(title, value, status);
    if (status != Status::Written)
        return status;
    return writePicture(picture, path, dpi, error) ? Status::Written : Status::WriteFailed;
}

} // namespace symboltool
