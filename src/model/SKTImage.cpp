#include "model/SKTImage.h"

#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/BoundedImage.h"
#include "model/GraphicStyles.h"
#include "model/ObjectArchive.h"
#include "platform/GuiThread.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

SKTPictureHooks &hooks()
{
    static SKTPictureHooks h;
    return h;
}

} // namespace

// ---- Making ------------------------------------------------------------------------------------

std::shared_ptr<SKTImage> SKTImage::initWithPosition(const QPointF &point, const platform::Picture &contents)
{
    auto image = std::make_shared<SKTImage>();
    image->_contents = contents;
    image->_file_path = Library_Selected_Image;
    image->placeCentredOn(point, sizeOf(contents));
    return image;
}

std::shared_ptr<SKTImage> SKTImage::initWithPath(const QPointF &point, const QString &path, bool)
{
    auto image = std::make_shared<SKTImage>();
    image->setFilePath(path);
    image->placeCentredOn(point, sizeOf(image->_contents));
    return image;
}

std::shared_ptr<SKTImage> SKTImage::initWithPath_With_ID(const QPointF &point, const QString &path,
                                                         const QString &ctrl_id)
{
    auto image = std::make_shared<SKTImage>();
    image->control_ID = ctrl_id;
    image->setFilePath(path);
    image->placeCentredOn(point, sizeOf(image->_contents));
    return image;
}

void SKTImage::placeCentredOn(const QPointF &point, const QSizeF &size)
{
    setBounds(QRectF(point.x() - size.width() / 2, point.y() - size.height() / 2, size.width(), size.height()));
    Reset_Image_Editing_Controls();
}

// ---- Services ----------------------------------------------------------------------------------

void SKTImage::setPictureHooks(SKTPictureHooks h) { hooks() = std::move(h); }

const SKTPictureHooks &SKTImage::pictureHooks() { return hooks(); }

platform::Picture SKTImage::Get_Image_For_Path(const QString &path)
{
    if (const auto &load = hooks().Get_Image_For_Path)
        return load(path);
    const QImage image = readBoundedImageFile(path, ObjectArchiveLimits::kMaxPicturePixels);
    return image.isNull() ? platform::Picture() : platform::Picture::fromImage(image);
}

platform::Picture SKTImage::Get_Image_With_Update_Settings(const SKTGraphic &graphic)
{
    const auto &settings = hooks().Get_Image_With_Update_Settings;
    return settings ? settings(graphic) : graphic._contents;
}

QSizeF SKTImage::sizeOf(const platform::Picture &picture)
{
    const QSizeF size = picture.size();
    return picture.isNull() || !size.isValid() ? QSizeF(0, 0) : size;
}

void SKTImage::Reset_Image_Editing_Controls()
{
    if (const auto &reset = hooks().Reset_Image_Editing_Controls)
        reset();
}

// ---- Loading -----------------------------------------------------------------------------------

void SKTImage::setFilePath(const QString &path)
{
    const QString rebased = Check_Path_For_App_Resources(path);
    Set_Control_File_path(rebased);
    setFileNSImage(rebased);
}

void SKTImage::setFileNSImage(const QString &path)
{
    _contents = Get_Image_For_Path(path);
    _contents_with_settings = _contents;
    setFileNSImage_Variable(Get_Image_With_Update_Settings(*this));
}

// ---- Geometry ----------------------------------------------------------------------------------

void SKTImage::makeNaturalSize()
{
    if (ctrl_is_locked)
        return;
    setBounds(QRectF(_bounds.topLeft(), sizeOf(_contents)));
    setFlippedHorizontally(false);
    setFlippedVertically(false);
}

std::shared_ptr<SKTGraphic> SKTImage::copyWithZone() const
{
    std::shared_ptr<SKTGraphic> copy = SKTGraphic::copyWithZone();
    copy->_contents = _contents;
    copy->_contents_with_settings = _contents_with_settings;
    return copy;
}

// ---- Drawing -----------------------------------------------------------------------------------

void SKTImage::drawContentsInView(QPainter &painter, bool) const
{
    if (!ctrl_is_visible)
        return;
    if (!_file_path.isEmpty() && !_contents.isNull()) {
        const platform::Picture &image = _contents_with_settings;
        const QSizeF size = image.size();
        if (!image.isNull() && size.width() > 0 && size.height() > 0) {
            // The opacity is a percentage; 100 or more is opaque.
            const double opacity = std::isnan(img_trnsp_val) ? 1.0 : std::clamp(img_trnsp_val / 100.0, 0.0, 1.0);
            painter.save();
            painter.setOpacity(painter.opacity() * opacity);
            // Stretched both ways: the aspect ratio is not kept.
            image.draw(painter, _bounds, true);
            painter.restore();
        }
    }
    Draw_the_image_border(painter, _bounds);
}

void SKTImage::Draw_the_image_border(QPainter &painter, const QRectF &rect) const
{
    if (!isDrawingStroke())
        return;
    try {
        QPainterPath path;
        path.addRect(rect);
        graphicstyle::strokePath(painter, *this, path, _strokeColor);
    } catch (const std::exception &e) {
        // An alert waits for the GUI thread, which may itself be waiting for this drawing.
        if (platform::isGuiThread())
            Show_MessageBox(QString::fromUtf8(e.what()));
        else
            Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

// ---- Values by name ----------------------------------------------------------------------------

QVariant SKTImage::valueForKey(const QString &key) const
{
    if (key == QLatin1String("contents"))
        return QVariant::fromValue(_contents);
    return SKTGraphic::valueForKey(key);
}

bool SKTImage::setValue(const QVariant &value, const QString &key)
{
    if (key != QLatin1String("contents"))
        return SKTGraphic::setValue(value, key);
    if (value.metaType() != QMetaType::fromType<platform::Picture>())
        return false;
    changeValueForKey(key, [&] { _contents = value.value<platform::Picture>(); });
    return true;
}

QStringList SKTImage::keysAffectedBy(const QString &key) const
{
    if (key == QLatin1String("contents") || key == QLatin1String("flippedHorizontally") ||
        key == QLatin1String("flippedVertically"))
        return {QStringLiteral("drawingContents")};
    return SKTGraphic::keysAffectedBy(key);
}

QStringList SKTImage::keysForValuesToObserveForUndo() const
{
    return SKTGraphic::keysForValuesToObserveForUndo()
           << QStringLiteral("contents") << QStringLiteral("flippedHorizontally") << QStringLiteral("flippedVertically");
}

QString SKTImage::presentablePropertyNameForKey(const QString &key) const
{
    if (key == QLatin1String("flippedHorizontally"))
        return QCoreApplication::translate("UndoStrings", "Horizontal Flipping");
    if (key == QLatin1String("flippedVertically"))
        return QCoreApplication::translate("UndoStrings", "Vertical Flipping");
    return SKTGraphic::presentablePropertyNameForKey(key);
}

QVariantMap SKTImage::properties() const
{
    QVariantMap p = SKTGraphic::properties();
    p.insert(QStringLiteral("flippedHorizontally"), int(_isFlippedHorizontally));
    p.insert(QStringLiteral("flippedVertically"), int(_isFlippedVertically));
    return p;
}
