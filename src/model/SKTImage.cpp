#include "model/SKTImage.h"

#include <QCoreApplication>

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
