#pragma once
// The picture object: never filled, stroke off at first, mirrored by a resize that crosses the
// opposite edge. Loading and drawing the picture come with the picture objects.

#include "model/SKTGraphic.h"

#include <functional>

// What picture objects need of the picture services above the model, installed by whoever owns
// them. Unset, a file is read as it is (at most 100 megapixels) and the picture with the effect
// settings is the loaded picture itself.
struct SKTPictureHooks {
    std::function<platform::Picture(const QString &path)> Get_Image_For_Path;
    std::function<platform::Picture(const SKTGraphic &graphic)> Get_Image_With_Update_Settings;
};

class SKTImage : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Image;
    SKTImage() : SKTGraphic(kClass) {}

    static void setPictureHooks(SKTPictureHooks hooks);
    static const SKTPictureHooks &pictureHooks();
    // The object's loaded picture with its effect settings applied.
    static platform::Picture Get_Image_With_Update_Settings(const SKTGraphic &graphic);

    // Stores the path and reloads the picture from the file: _contents, then the picture with effects.
    void setFilePath(const QString &path);

    // The base copy plus both pictures.
    std::shared_ptr<SKTGraphic> copyWithZone() const override;
    bool isDrawingFill() const override { return false; }
    bool canSetDrawingFill() const override { return false; }
    bool canSetDrawingStroke() const override { return false; }
    void flipHorizontally() override { setFlippedHorizontally(!_isFlippedHorizontally); }
    void flipVertically() override { setFlippedVertically(!_isFlippedVertically); }
    QVariant valueForKey(const QString &key) const override;
    bool setValue(const QVariant &value, const QString &key) override;
    QStringList keysAffectedBy(const QString &key) const override;
    QStringList keysForValuesToObserveForUndo() const override;
    QString presentablePropertyNameForKey(const QString &key) const override;
    // The base entries plus the two mirror flags.
    QVariantMap properties() const override;
};
