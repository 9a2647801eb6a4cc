#include "model/SKTImage.h"

#include "model/BoundedImage.h"
#include "model/ObjectArchive.h"

#include <QCoreApplication>

namespace {

SKTPictureHooks &hooks()
{
    static SKTPictureHooks h;
    return h;
}

} // namespace

void SKTImage::setPictureHooks(SKTPictureHooks h) { hooks() = std::move(h); }

const SKTPictureHooks &SKTImage::pictureHooks() { return hooks(); }

platform::Picture SKTImage::Get_Image_With_Update_Settings(const SKTGraphic &graphic)
{
    const auto &settings = hooks().Get_Image_With_Update_Settings;
    return settings ? settings(graphic) : graphic._contents;
}

void SKTImage::setFilePath(const QString &path)
{
    Set_Control_File_path(path);
    if (const auto &load = hooks().Get_Image_For_Path) {
        _contents = load(path);
    } else {
        const QImage image = readBoundedImageFile(path, ObjectArchiveLimits::kMaxPicturePixels);
        _contents = image.isNull() ? platform::Picture() : platform::Picture::fromImage(image);
    }
    _contents_with_settings = _contents;
    _contents_with_settings = Get_Image_With_Update_Settings(*this);
}

std::shared_ptr<SKTGraphic> SKTImage::copyWithZone() const
{
    std::shared_ptr<SKTGraphic> copy = SKTGraphic::copyWithZone();
    copy->_contents = _contents;
    copy->_contents_with_settings = _contents_with_settings;
    return copy;
}

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
