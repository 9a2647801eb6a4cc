#include "platform/KeyedArchive.h"


#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPicture>
#include <QStringList>

#include <cmath>
#include <vector>

namespace platform {

namespace {

const QString kClassKey = QStringLiteral("$class");
const QString kNull = QStringLiteral("$null");
constexpr int kMaxDepth = 32;
constexpr int kMaxValues = 100000;

// ---- Writing: the tree flattened into the object table ----------------------------------------

class Flattener {
public:
    Flattener() { m_objects.push_back(PlistValue(kNull)); }

    PlistValue archive(const PlistValue &root)
    {
        const quint64 top = objectOf(root);
        PlistValue archive = PlistValue::dictionary();
        archive.insert(QStringLiteral("$version"), PlistValue::integer(100000));
        archive.insert(QStringLiteral("$archiver"), PlistValue(QStringLiteral("NSKeyedArchiver")));
        PlistValue topDict = PlistValue::dictionary();
        topDict.insert(QStringLiteral("root"), PlistValue::uid(top));
        archive.insert(QStringLiteral("$top"), topDict);
        archive.insert(QStringLiteral("$objects"), PlistValue::array(m_objects));
        return archive;
    }

private:
    // A value inside an object: strings and objects are referenced, the rest stays inline.
    PlistValue member(const PlistValue &v)
    {
        switch (v.type()) {
        case PlistValue::Type::Null: return PlistValue::uid(0);
        case PlistValue::Type::String:
        case PlistValue::Type::Dictionary: return PlistValue::uid(objectOf(v));
        case PlistValue::Type::Array: {
            PlistValue arr = PlistValue::array();
            for (const PlistValue &item : v.items())
                arr.append(member(item));
            return arr;
        }
        default: return v;
        }
    }

    quint64 objectOf(const PlistValue &v)
    {
        if (v.isNull())
            return 0;
        const quint64 index = m_objects.size();
        m_objects.push_back(PlistValue());
        if (v.type() != PlistValue::Type::Dictionary) {
            m_objects[index] = v;
            return index;
        }
        PlistValue object = PlistValue::dictionary();
        for (const auto &[key, value] : v.entries()) {
            if (key == kClassKey)
                object.insert(key, PlistValue::uid(classOf(value.toString())));
            else
                object.insert(key, member(value));
        }
        m_objects[index] = object;
        return index;
    }

    quint64 classOf(const QString &name)
    {
        if (auto it = m_classes.constFind(name); it != m_classes.constEnd())
            return *it;
        const quint64 index = m_objects.size();
        PlistValue record = PlistValue::dictionary();
        record.insert(QStringLiteral("$classname"), PlistValue(name));
        record.insert(QStringLiteral("$classes"), PlistValue::fromStrings({name, QStringLiteral("NSObject")}));
        m_objects.push_back(record);
        m_classes.insert(name, index);
        return index;
    }

    PlistValue::Array m_objects;
    QHash<QString, quint64> m_classes;
};

// ---- Reading: references resolved into a tree --------------------------------------------------

// A reference: a UID, or its XML form, a dictionary of the one key "CF$UID".
std::optional<quint64> referenceOf(const PlistValue &v)
{
    if (v.type() == PlistValue::Type::Uid)
        return v.toUid();
    if (v.type() == PlistValue::Type::Dictionary && v.entries().size() == 1
        && v.entries().front().first == QLatin1String("CF$UID")
        && v.entries().front().second.type() == PlistValue::Type::Integer && v.entries().front().second.toInteger() >= 0)
        return quint64(v.entries().front().second.toInteger());
    return std::nullopt;
}

class Resolver {
public:
    explicit Resolver(const PlistValue::Array &objects) : m_objects(objects), m_onPath(objects.size(), false) {}

    std::optional<PlistValue> object(quint64 uid, int depth)
    {
        if (uid >= m_objects.size() || depth > kMaxDepth || m_onPath[uid] || ++m_values > kMaxValues)
            return std::nullopt;
        const PlistValue &stored = m_objects[uid];
        if (stored.type() == PlistValue::Type::String && stored.toString() == kNull)
            return PlistValue();
        m_onPath[uid] = true;
        std::optional<PlistValue> result = value(stored, depth, true);
        m_onPath[uid] = false;
        return result;
    }

private:
    std::optional<PlistValue> value(const PlistValue &v, int depth, bool isObject)
    {
        if (depth > kMaxDepth || ++m_values > kMaxValues)
            return std::nullopt;
        if (const std::optional<quint64> ref = referenceOf(v))
            return object(*ref, depth + 1);
        switch (v.type()) {
        case PlistValue::Type::Array: {
            PlistValue arr = PlistValue::array();
            for (const PlistValue &item : v.items()) {
                auto resolved = value(item, depth + 1, false);
                if (!resolved)
                    return std::nullopt;
                arr.append(std::move(*resolved));
            }
            return arr;
        }
        case PlistValue::Type::Dictionary: {
            PlistValue dict = PlistValue::dictionary();
            for (const auto &[key, item] : v.entries()) {
                if (isObject && key == kClassKey) {
                    auto name = className(item);
                    if (!name)
                        return std::nullopt;
                    dict.insert(key, PlistValue(*name));
                    continue;
                }
                auto resolved = value(item, depth + 1, false);
                if (!resolved)
                    return std::nullopt;
                dict.insert(key, std::move(*resolved));
            }
            return dict;
        }
        default: return v;
        }
    }

    std::optional<QString> className(const PlistValue &ref) const
    {
        const std::optional<quint64> uid = referenceOf(ref);
        if (!uid || *uid >= m_objects.size())
            return std::nullopt;
        const PlistValue *name = m_objects[*uid].value(QStringLiteral("$classname"));
        if (!name || name->type() != PlistValue::Type::String)
            return std::nullopt;
        return name->toString();
    }

    const PlistValue::Array &m_objects;
    std::vector<bool> m_onPath;
    int m_values = 0;
};

bool isClass(const PlistValue &object, const QString &name)
{
    const PlistValue *cls = object.value(kClassKey);
    return object.type() == PlistValue::Type::Dictionary && cls && cls->type() == PlistValue::Type::String
        && cls->toString() == name;
}

double numberOf(const PlistValue *v)
{
    if (!v)
        return std::nan("");
    switch (v->type()) {
    case PlistValue::Type::Integer: return double(v->toInteger());
    case PlistValue::Type::Real: return v->toReal();
    case PlistValue::Type::Boolean: return v->toBool() ? 1 : 0;
    default: return std::nan("");
    }
}

// The numbers of a component text ("0.5 0.25 1" up to a terminating NUL); nothing when a word is
// no number.
std::optional<std::vector<double>> componentsOf(const PlistValue *v)
{
    if (!v || (v->type() != PlistValue::Type::Data && v->type() != PlistValue::Type::String))
        return std::nullopt;
    QByteArray text = v->type() == PlistValue::Type::Data ? v->toData() : v->toString().toLatin1();
    if (const qsizetype nul = text.indexOf('\0'); nul >= 0)
        text.truncate(nul);
    std::vector<double> out;
    for (const QByteArray &word : text.simplified().split(' ')) {
        if (word.isEmpty())
            continue;
        bool ok = false;
        const double d = word.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            return std::nullopt;
        out.push_back(std::clamp(d, 0.0, 1.0));
    }
    return out;
}

std::optional<QColor> colorOfObject(const PlistValue &object, int depth)
{
    if (depth > 4 || !isClass(object, QStringLiteral("NSColor")))
        return std::nullopt;
    const double space = numberOf(object.value(QStringLiteral("NSColorSpace")));
    if (space == 1 || space == 2) {
        const auto c = componentsOf(object.value(QStringLiteral("NSRGB")));
        if (!c || c->size() < 3)
            return std::nullopt;
        return QColor::fromRgbF(float((*c)[0]), float((*c)[1]), float((*c)[2]), c->size() > 3 ? float((*c)[3]) : 1.0f);
    }
    if (space == 3 || space == 4) {
        const auto c = componentsOf(object.value(QStringLiteral("NSWhite")));
        if (!c || c->empty())
            return std::nullopt;
        const float w = float((*c)[0]);
        return QColor::fromRgbF(w, w, w, c->size() > 1 ? float((*c)[1]) : 1.0f);
    }
    // A named colour carries the colour it stood for.
    if (const PlistValue *fallback = object.value(QStringLiteral("NSColor")))
        return colorOfObject(*fallback, depth + 1);
    return std::nullopt;
}

// Five significant digits: finer than a colour's 16-bit components, so they read back the same.
QString componentText(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    return QString::number(v, 'g', 5);
}

const QString kPictureClass = QStringLiteral("TagoraPicture");

// While a picture is archived, a recording read from an archive hands over its own bytes instead
// of replaying, so that saving what was opened writes the same bytes again.
thread_local bool tl_capturing = false;
thread_local QByteArray tl_captured;
thread_local bool tl_wasCaptured = false;
constexpr double kMaxPicturePoints = 100000;

} // namespace

QByteArray keyedArchiveData(const PlistValue &root)
{
    return plistToData(Flattener().archive(root), PlistFormat::Binary);
}

std::optional<PlistValue> keyedUnarchive(const QByteArray &data)
{
    const std::optional<PlistValue> plist = plistFromData(data);
    if (!plist || plist->type() != PlistValue::Type::Dictionary)
        return std::nullopt;
    const PlistValue *objects = plist->value(QStringLiteral("$objects"));
    const PlistValue *top = plist->value(QStringLiteral("$top"));
    if (!objects || objects->type() != PlistValue::Type::Array || !top || top->type() != PlistValue::Type::Dictionary)
        return std::nullopt;
    const PlistValue *root = top->value(QStringLiteral("root"));
    if (!root && !top->entries().empty())
        root = &top->entries().front().second;
    const std::optional<quint64> uid = root ? referenceOf(*root) : std::nullopt;
    if (!uid)
        return std::nullopt;
    return Resolver(objects->items()).object(*uid, 0);
}

QByteArray archivedColor(const QColor &color)
{
    const QColor rgb = color.isValid() ? color.toRgb() : QColor(0, 0, 0, 0);
    const QString text = QStringList{componentText(rgb.redF()), componentText(rgb.greenF()),
                                     componentText(rgb.blueF()), componentText(rgb.alphaF())}
                             .join(QLatin1Char(' '));
    PlistValue object = PlistValue::dictionary();
    object.insert(QStringLiteral("NSColorSpace"), PlistValue::integer(1));
    object.insert(QStringLiteral("NSRGB"), PlistValue::data(text.toLatin1() + QByteArray(1, '\0')));
    object.insert(kClassKey, PlistValue(QStringLiteral("NSColor")));
    return keyedArchiveData(object);
}

std::optional<QColor> unarchivedColor(const QByteArray &data)
{
    const std::optional<PlistValue> root = keyedUnarchive(data);
    return root ? colorOfObject(*root, 0) : std::nullopt;
}

QByteArray archivedPicture(const Picture &picture)
{
    if (picture.isNull())
        return {};
    const QSizeF size = picture.size();
    PlistValue object = PlistValue::dictionary();
    object.insert(QStringLiteral("width"), PlistValue::real(size.width()));
    object.insert(QStringLiteral("height"), PlistValue::real(size.height()));
    QByteArray bytes;
    if (picture.isVector()) {
        QPicture recording;
        QPainter painter(&recording);
        tl_capturing = true;
        tl_wasCaptured = false;
        picture.draw(painter, QRectF(QPointF(0, 0), size));
        tl_capturing = false;
        painter.end();
        bytes = tl_wasCaptured ? tl_captured : QByteArray(recording.data(), qsizetype(recording.size()));
        tl_captured.clear();
        tl_wasCaptured = false;
        object.insert(QStringLiteral("kind"), PlistValue(QStringLiteral("recording")));
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        // One pixel format whatever the bitmap's, so a bitmap read back is written back the same.
        if (!writer.write(picture.image().convertToFormat(QImage::Format_ARGB32)))
            return {};
        object.insert(QStringLiteral("kind"), PlistValue(QStringLiteral("png")));
    }
    object.insert(QStringLiteral("bytes"), PlistValue::data(bytes));
    object.insert(kClassKey, PlistValue(kPictureClass));
    return keyedArchiveData(object);
}

std::optional<Picture> unarchivedPicture(const QByteArray &data)
{
    const std::optional<PlistValue> root = keyedUnarchive(data);
    if (!root || !isClass(*root, kPictureClass))
        return std::nullopt;
    const double w = numberOf(root->value(QStringLiteral("width")));
    const double h = numberOf(root->value(QStringLiteral("height")));
    if (!std::isfinite(w) || !std::isfinite(h) || w <= 0 || h <= 0 || w > kMaxPicturePoints || h > kMaxPicturePoints)
        return std::nullopt;
    const PlistValue *kind = root->value(QStringLiteral("kind"));
    const PlistValue *bytes = root->value(QStringLiteral("bytes"));
    if (!kind || !bytes || bytes->type() != PlistValue::Type::Data || bytes->toData().isEmpty())
        return std::nullopt;
    const QSizeF size(w, h);
    if (kind->toString() == QLatin1String("png")) {
        QByteArray png = bytes->toData();
        QBuffer buffer(&png);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        const QImage image = reader.read();
        if (image.isNull())
            return std::nullopt;
        return Picture::fromImage(image, size);
    }
    if (kind->toString() == QLatin1String("recording")) {
        QPicture recording;
        QByteArray raw = bytes->toData();
        QBuffer buffer(&raw);
        buffer.open(QIODevice::ReadOnly);
        // load checks the recording's header and checksum.
        if (!recording.load(&buffer) || recording.isNull())
            return std::nullopt;
        // A recording replays scaled by the target's resolution over its own: undone here, so that
        // one unit stays one point on every device.
        return Picture::record(size, [recording, raw](QPainter &painter) {
            if (tl_capturing) {
                tl_captured = raw;
                tl_wasCaptured = true;
                return;
            }
            painter.save();
            if (const QPaintDevice *device = painter.device(); device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
                painter.scale(double(recording.logicalDpiX()) / device->logicalDpiX(),
                              double(recording.logicalDpiY()) / device->logicalDpiY());
            const_cast<QPicture &>(recording).play(&painter);
            painter.restore();
        });
    }
    return std::nullopt;
}

} // namespace platform
