#include "engines/render/NKDBarcodeImage.h"

#include "platform/Log.h"
#include "engines/render/NKDBarcodeOffscreenView.h"

#include <exception>

platform::Picture imageFromBarcode(const NKDBarcode *barcode, std::shared_ptr<const BarcodeSettings> settings,
                                   double outputDpi)
{
    try {
        const auto view = NKDBarcodeOffscreenView::initWithBarcode(barcode, std::move(settings));
        if (!view || view->bounds().isEmpty())
            return {};
        return view->picture(outputDpi);
    } catch (const std::exception &e) {
        platform::logLine(QString::fromUtf8(e.what()));
        return {};
    }
}

platform::Picture imageFromBarcodeImage(const platform::Picture &image, std::shared_ptr<const BarcodeSettings> settings)
{
    if (image.isNull())
        return {};
    try {
        const auto view = NKDBarcodeOffscreenView::initWithBarcodeImage(image, std::move(settings));
        if (!view || view->bounds().isEmpty())
            return {};
        return view->picture();
    } catch (const std::exception &e) {
        platform::logLine(QString::fromUtf8(e.what()));
        return {};
    }
}
