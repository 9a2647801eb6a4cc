// Lists of card objects as archives and as clipboard data, objects made ready for pasting, and the
// description dictionary.

#include "model/SKTGraphic.h"

#include "model/DesignGlobals.h"
#include "model/ObjectArchive.h"
#include "model/SKTBarcode.h"
#include "model/SKTError.h"
#include "model/SKTImage.h"

#include <QFileInfo>
#include <QMetaType>

#include <algorithm>

namespace {

constexpr int kMaxPastedObjects = 10000;

QString number(double v) { return QString::number(v, 'g', 17); }

} // namespace

QList<ObjectArchive> SKTGraphic::propertiesWithGraphics(const SKTGraphicList &graphics)
{
    QList<ObjectArchive> archives;
    archives.reserve(graphics.size());
    for (const std::shared_ptr<SKTGraphic> &graphic : graphics) {
        if (!graphic)
            continue;
        ObjectArchive archive(graphic->className());
        graphic->encodeWithCoder(archive);
        archives.append(std::move(archive));
    }
    return archives;
}

SKTGraphicList SKTGraphic::graphicsWithProperties(const QList<ObjectArchive> &properties)
{
    SKTGraphicList graphics;
    graphics.reserve(properties.size());
    for (const ObjectArchive &archive : properties) {
        std::shared_ptr<SKTGraphic> graphic = initWithCoder(archive);
        if (!graphic)
            continue;
        graphic->control_ID = QStringLiteral("");
        graphic->ctrl_is_locked = false;
        if (graphic->isExactly<SKTBarcode>()) {
            ++BAR_CTRL;
            graphic->control_ID = QString::asprintf("BAR_%d", BAR_CTRL);
        }
        if (auto *image = graphic_cast<SKTImage>(graphic.get())) {
            // Only a regular file: a path from the clipboard may name a device or a pipe, which
            // would never finish reading.
            if (!image->_file_path.isEmpty() && QFileInfo(image->_file_path).isFile())
                image->setFilePath(image->_file_path);
        }
        graphics.append(std::move(graphic));
    }
    return graphics;
}

QByteArray SKTGraphic::pasteboardDataWithGraphics(const SKTGraphicList &graphics)
{
    platform::PlistValue list = platform::PlistValue::array();
    for (const ObjectArchive &archive : propertiesWithGraphics(graphics))
        list.append(platform::PlistValue::data(archive.data()));
    return platform::plistToData(list, platform::PlistFormat::Binary);
}

std::optional<SKTGraphicList> SKTGraphic::graphicsWithPasteboardData(const QByteArray &data, SKTError *error)
{
    const std::optional<platform::PlistValue> list = platform::plistFromData(data);
    if (!list || list->type() != platform::PlistValue::Type::Array) {
        if (error)
            *error = SKTErrorWithCode(2);
        return std::nullopt;
    }
    // One budget of decoded pixels for the whole paste.
    ObjectArchiveLimits limits;
    QList<ObjectArchive> archives;
    const auto &items = list->items();
    const size_t n = std::min(items.size(), size_t(kMaxPastedObjects));
    for (size_t i = 0; i < n; ++i) {
        const platform::PlistValue &item = items[i];
        std::optional<ObjectArchive> archive;
        if (item.type() == platform::PlistValue::Type::Data)
            archive = ObjectArchive::fromData(item.toData(), &limits);
        else if (item.type() == platform::PlistValue::Type::Dictionary)
            archive = ObjectArchive::fromPlist(item, &limits);
        if (archive)
            archives.append(std::move(*archive));
    }
    return graphicsWithProperties(archives);
}

QVariantMap SKTGraphic::properties() const
{
    QVariantMap p;
    p.insert(QStringLiteral("bounds"), QStringLiteral("{{%1, %2}, {%3, %4}}")
                                           .arg(number(_bounds.x()), number(_bounds.y()), number(_bounds.width()),
                                                number(_bounds.height())));
    p.insert(QStringLiteral("drawingFill"), int(_isDrawingFill));
    if (_fillColor.isValid())
        p.insert(QStringLiteral("fillColor"),
                 platform::plistToData(ObjectArchive::colorToPlist(_fillColor), platform::PlistFormat::Binary));
    p.insert(QStringLiteral("drawingStroke"), int(_isDrawingStroke));
    if (_strokeColor.isValid())
        p.insert(QStringLiteral("strokeColor"),
                 platform::plistToData(ObjectArchive::colorToPlist(_strokeColor), platform::PlistFormat::Binary));
    p.insert(QStringLiteral("strokeWidth"), _strokeWidth);
    return p;
}

QString SKTGraphic::description() const
{
    // One "key = value;" line per entry, strings quoted, data as hexadecimal bytes.
    QString text = QStringLiteral("{\n");
    const QVariantMap p = properties();
    for (auto it = p.cbegin(); it != p.cend(); ++it) {
        QString value;
        switch (it->typeId()) {
        case QMetaType::QByteArray:
            value = QLatin1Char('<') + QString::fromLatin1(it->toByteArray().toHex(' ')) + QLatin1Char('>');
            break;
        case QMetaType::QString:
            value = QLatin1Char('"') + it->toString() + QLatin1Char('"');
            break;
        case QMetaType::Double:
            value = number(it->toDouble());
            break;
        default:
            value = it->toString();
            break;
        }
        text += QStringLiteral("    %1 = %2;\n").arg(it.key(), value);
    }
    return text + QLatin1Char('}');
}
