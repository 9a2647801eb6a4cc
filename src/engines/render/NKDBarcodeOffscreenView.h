#pragma once
// One complete barcode picture: background, the bars of a linear model or a finished 2D symbol,
// the caption, header and footer bands and the QR logo, styled by a settings copy. One painting
// routine serves the screen, a recorded picture, PDF and EPS, so every output shows the same
// picture. A view lives for one picture.

#include "engines/BarcodeSettings.h"
#include "engines/render/BarcodePictureLayout.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QRectF>

#include <memory>

class NKDBarcode;
class QPainter;

class NKDBarcodeOffscreenView {
public:
    // A view for a linear model. The model is not owned: the caller keeps it alive as long as the
    // view. Without settings the model's own are used. nullptr for no model.
    static std::unique_ptr<NKDBarcodeOffscreenView> initWithBarcode(const NKDBarcode *barcode,
                                                                    std::shared_ptr<const BarcodeSettings> settings = {});
    // A view for a finished 2D symbol (its size in points), framed by the settings.
    static std::unique_ptr<NKDBarcodeOffscreenView> initWithBarcodeImage(const platform::Picture &image,
                                                                         std::shared_ptr<const BarcodeSettings> settings);

    // (0, 0, width, height) in points.
    QRectF bounds() const { return QRectF(QPointF(0, 0), m_frame); }

    // Draws the whole picture, whatever the rectangle, into a painter whose unit is one point with
    // the origin at the top-left corner of the view.
    void drawRect(QPainter &painter, const QRectF &rect) const;
    // The picture as it would be drawn now, as a vector recording of the view's size; outputDpi (0:
    // not known) is the resolution it will be output at, which a screen then shows its bars at.
    platform::Picture picture(double outputDpi = 0) const;
    // PDF of the picture inside the rectangle (y up, as the view's bounds); empty on failure.
    // The application draws through picture(); this is the view's own PDF form of it.
    QByteArray dataWithPDFInsideRect(const QRectF &rect) const;

    // The view prints as exactly one page, starting at page 1.
    // The view's paging answers; the print road pages sheets through Printing_View instead.
    bool knowsPageRange(int &location, int &length) const;
    // (0, 0, width, height) of the model for every page; the zero rectangle for a 2D picture.
    QRectF rectForPage(int page) const;

    const NKDBarcode *barcode() const { return m_barcode; }
    void setBarcode(const NKDBarcode *barcode) { m_barcode = barcode; }
    const platform::Picture &image_2d() const { return m_image_2d; }
    // Replaces the 2D symbol image with a copy of the new one.
    void setBarcode_Image_2D(const platform::Picture &image) { m_image_2d = image; }
    // True for a view made from a 2D symbol image; only the tests ask yet.
    bool fromImageOrBarcode() const { return m_fromImageOrBarcode; }
    // The logo divider fixed when this picture was made: 8 for symbols under 50 points, else 7.
    // Only the tests ask yet; the layout reads the divider itself.
    int qr_logo_divider() const { return m_qr_logo_divider; }
    const BarcodeSettings &settings() const { return *m_settings; }

    // Where everything goes, as the picture would be drawn now (y-up).
    render::PictureLayout layout() const;

private:
    NKDBarcodeOffscreenView() = default;
    void Init_for_setting_mode(const platform::Picture &image);
    void Init_for_designing_mode(const platform::Picture &image);

    platform::Picture m_image_2d;
    bool m_fromImageOrBarcode = false;
    const NKDBarcode *m_barcode = nullptr;
    int m_qr_logo_divider = 7;
    QSizeF m_frame;
    std::shared_ptr<const BarcodeSettings> m_settings;
};
