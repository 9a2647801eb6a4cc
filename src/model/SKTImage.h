#pragma once
// The picture object: never filled, stroke off at first, mirrored by a resize that crosses the
// opposite edge. Loading and drawing the picture come with the picture objects.

#include "model/SKTGraphic.h"

class SKTImage : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Image;
    SKTImage() : SKTGraphic(kClass) {}

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
};
