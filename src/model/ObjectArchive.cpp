#include "model/ObjectArchive.h"

#include "model/BoundedImage.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

using platform::PlistValue;

namespace {

const QString kClassKey = QStringLiteral("$class");
const QString kVersionKey = QStringLiteral("$v");
const QString kTypeKey = QStringLiteral("$type");

// Largest picture side in points the serialised form accepts (about 35 metres).
constexpr double kMaxPicturePoints = 100000.0;
constexpr double kMaxFontSize = 10000.0;

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// ---- Writing the serialised form ---------------------------------------------------------------

PlistValue typed(const char *type, PlistValue::Dictionary entries)
{
    entries.insert(entries.begin(), {kTypeKey, PlistValue::string(QString::fromLatin1(type))});
    return PlistValue::dictionary(std::move(entries));
}

PlistValue nullToPlist() { return typed("null", {}); }

QImage bitmapFor(const platform::Picture &picture)
{
    if (!picture.isVector())
        return picture.image();
    // At 600 DPI, or lower where that would pass the picture cap.
    double dpi = ObjectArchive::kVectorDpi;
    const QSize px = platform::Picture::pixelSize(picture.size(), dpi);
    const double pixels = double(px.width()) * double(px.height());
    if (pixels > double(ObjectArchiveLimits::kMaxPicturePixels))
        dpi *= std::sqrt(double(ObjectArchiveLimits::kMaxPicturePixels) / pixels) * 0.999;
    return picture.toImage(dpi);
}

PlistValue pictureToPlist(const platform::Picture &picture)
{
    const QImage image = bitmapFor(picture);
    if (image.isNull())
        return nullToPlist();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return nullToPlist();
    return typed("picture", {{QStringLiteral("png"), PlistValue::data(png)},
                             {QStringLiteral("width"), PlistValue::real(picture.size().width())},
                             {QStringLiteral("height"), PlistValue::real(picture.size().height())}});
}

PlistValue textToPlist(const SKTTextStorage &text)
{
    return typed("text", {{QStringLiteral("characters"), PlistValue::string(text.characters)},
                          {QStringLiteral("font"), ObjectArchive::fontToPlist(text.font)},
                          {QStringLiteral("color"), ObjectArchive::colorToPlist(text.color)}});
}

PlistValue valueToPlist(const ObjectArchive::Value &value)
{
    return std::visit(
        Overloaded{
            [](const QRectF &r) {
                return PlistValue::array({PlistValue::real(r.x()), PlistValue::real(r.y()), PlistValue::real(r.width()),
                                          PlistValue::real(r.height())});
            },
            [](bool b) { return PlistValue::boolean(b); },
            [](qint32 i) { return PlistValue::integer(i); },
            [](float f) { return PlistValue::real(double(f)); },
            [](const QPointF &p) {
                return typed("point", {{QStringLiteral("x"), PlistValue::real(p.x())},
                                       {QStringLiteral("y"), PlistValue::real(p.y())}});
            },
            [](const QSizeF &s) {
                return typed("size", {{QStringLiteral("width"), PlistValue::real(s.width())},
                                      {QStringLiteral("height"), PlistValue::real(s.height())}});
            },
            [](const ObjectArchive::Null &) { return nullToPlist(); },
            [](const QString &s) { return PlistValue::string(s); },
            [](const QColor &c) { return ObjectArchive::colorToPlist(c); },
            [](const QFont &f) { return ObjectArchive::fontToPlist(f); },
            [](const platform::Picture &p) { return pictureToPlist(p); },
            [](const SKTTextStorage &t) { return textToPlist(t); },
            [](const ObjectArchive::Broken &) { return nullToPlist(); },
        },
        value);
}

// Style names of the weights a font can be given without a named style.
struct WeightName {
    QFont::Weight weight;
    const char *name;
};
constexpr WeightName kWeightNames[] = {
    {QFont::Thin, "Thin"},         {QFont::ExtraLight, "ExtraLight"}, {QFont::Light, "Light"},
    {QFont::Normal, "Regular"},    {QFont::Medium, "Medium"},         {QFont::DemiBold, "DemiBold"},
    {QFont::Bold, "Bold"},         {QFont::ExtraBold, "ExtraBold"},   {QFont::Black, "Black"},
};

QString styleOf(const QFont &font)
{
    if (!font.styleName().isEmpty())
        return font.styleName();
    const WeightName *nearest = &kWeightNames[3];
    for (const WeightName &w : kWeightNames)
        if (std::abs(int(w.weight) - int(font.weight())) < std::abs(int(nearest->weight) - int(font.weight())))
            nearest = &w;
    const QString weight = QString::fromLatin1(nearest->name);
    if (font.style() == QFont::StyleNormal)
        return weight;
    return nearest->weight == QFont::Normal ? QStringLiteral("Italic") : weight + QStringLiteral(" Italic");
}

// ---- Reading the serialised form ---------------------------------------------------------------

double finiteOrZero(double d) { return std::isfinite(d) ? d : 0.0; }

std::optional<double> number(const PlistValue *v)
{
    if (!v)
        return std::nullopt;
    if (v->type() == PlistValue::Type::Real)
        return finiteOrZero(v->toReal());
    if (v->type() == PlistValue::Type::Integer)
        return double(v->toInteger());
    return std::nullopt;
}

std::optional<QString> string(const PlistValue *v)
{
    if (!v || v->type() != PlistValue::Type::String)
        return std::nullopt;
    return v->toString();
}

QString typeOf(const PlistValue &v)
{
    if (v.type() != PlistValue::Type::Dictionary)
        return {};
    const PlistValue *t = v.value(kTypeKey);
    return t && t->type() == PlistValue::Type::String ? t->toString() : QString();
}

std::optional<QColor> colorFromPlist(const PlistValue &v)
{
    if (typeOf(v) != QLatin1String("color"))
        return std::nullopt;
    const PlistValue *rgba = v.value(QStringLiteral("rgba"));
    if (!rgba || rgba->type() != PlistValue::Type::Array || rgba->items().size() != 4)
        return std::nullopt;
    float c[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> d = number(&rgba->items()[size_t(i)]);
        if (!d)
            return std::nullopt;
        c[i] = float(std::clamp(*d, 0.0, 1.0));
    }
    return QColor::fromRgbF(c[0], c[1], c[2], c[3]);
}

std::optional<QFont> fontFromPlist(const PlistValue &v)
{
    if (typeOf(v) != QLatin1String("font"))
        return std::nullopt;
    const std::optional<QString> family = string(v.value(QStringLiteral("family")));
    const std::optional<double> size = number(v.value(QStringLiteral("size")));
    if (!family || family->isEmpty() || !size || *size <= 0 || *size > kMaxFontSize)
        return std::nullopt;
    QFont font(*family);
    font.setPointSizeF(*size);
    const QString style = string(v.value(QStringLiteral("style"))).value_or(QString());
    if (style.isEmpty())
        return font;
    const bool italic = style == QLatin1String("Italic") || style.endsWith(QLatin1String(" Italic"));
    const QString weight = style == QLatin1String("Italic") ? QStringLiteral("Regular")
                           : italic                        ? style.chopped(7)
                                                           : style;
    for (const WeightName &w : kWeightNames)
        if (weight == QLatin1String(w.name)) {
            font.setWeight(w.weight);
            font.setItalic(italic);
            return font;
        }
    font.setStyleName(style);
    return font;
}

ObjectArchive::Value pictureFromPlist(const PlistValue &v, ObjectArchiveLimits *limits, bool *ok)
{
    *ok = false;
    const PlistValue *png = v.value(QStringLiteral("png"));
    const std::optional<double> w = number(v.value(QStringLiteral("width")));
    const std::optional<double> h = number(v.value(QStringLiteral("height")));
    if (!png || png->type() != PlistValue::Type::Data || !w || !h || *w <= 0 || *h <= 0 || *w > kMaxPicturePoints ||
        *h > kMaxPicturePoints)
        return ObjectArchive::Null{};
    *ok = true;
    const qint64 budget = limits ? std::min(limits->pixelsLeft, ObjectArchiveLimits::kMaxPicturePixels)
                                 : ObjectArchiveLimits::kMaxPicturePixels;
    QString why;
    const QImage image = readBoundedImage(png->toData(), "png", budget, &why);
    if (image.isNull())
        return ObjectArchive::Broken{why};
    if (limits)
        limits->pixelsLeft -= qint64(image.width()) * image.height();
    return platform::Picture::fromImage(image, QSizeF(*w, *h));
}

// The entry value of a serialised value, or nothing when its kind is not one of ours.
std::optional<ObjectArchive::Value> valueFromPlist(const PlistValue &v, ObjectArchiveLimits *limits)
{
    switch (v.type()) {
    case PlistValue::Type::Boolean:
        return v.toBool();
    case PlistValue::Type::Integer:
        if (v.toInteger() < INT_MIN || v.toInteger() > INT_MAX)
            return std::nullopt;
        return qint32(v.toInteger());
    case PlistValue::Type::Real: {
        const double d = finiteOrZero(v.toReal());
        return std::fabs(d) > double(FLT_MAX) ? 0.0f : float(d);
    }
    case PlistValue::Type::String:
        return v.toString();
    case PlistValue::Type::Array: {
        if (v.items().size() != 4)
            return std::nullopt;
        double c[4];
        for (int i = 0; i < 4; ++i) {
            const std::optional<double> d = number(&v.items()[size_t(i)]);
            if (!d)
                return std::nullopt;
            c[i] = *d;
        }
        return QRectF(c[0], c[1], c[2], c[3]);
    }
    case PlistValue::Type::Dictionary:
        break;
    default:
        return std::nullopt;
    }
    const QString type = typeOf(v);
    if (type == QLatin1String("null"))
        return ObjectArchive::Null{};
    if (type == QLatin1String("point") || type == QLatin1String("size")) {
        const bool point = type == QLatin1String("point");
        const std::optional<double> a = number(v.value(point ? QStringLiteral("x") : QStringLiteral("width")));
        const std::optional<double> b = number(v.value(point ? QStringLiteral("y") : QStringLiteral("height")));
        if (!a || !b)
            return std::nullopt;
        return point ? ObjectArchive::Value(QPointF(*a, *b)) : ObjectArchive::Value(QSizeF(*a, *b));
    }
    if (type == QLatin1String("color")) {
        if (const std::optional<QColor> c = colorFromPlist(v))
            return *c;
        return std::nullopt;
    }
    if (type == QLatin1String("font")) {
        if (const std::optional<QFont> f = fontFromPlist(v))
            return *f;
        return std::nullopt;
    }
    if (type == QLatin1String("picture")) {
        bool ok = false;
        ObjectArchive::Value picture = pictureFromPlist(v, limits, &ok);
        return ok ? std::optional<ObjectArchive::Value>(std::move(picture)) : std::nullopt;
    }
    if (type == QLatin1String("text")) {
        const std::optional<QString> characters = string(v.value(QStringLiteral("characters")));
        if (!characters)
            return std::nullopt;
        SKTTextStorage text{*characters, SKTNoFont(), QColor()};
        if (const PlistValue *f = v.value(QStringLiteral("font")))
            text.font = fontFromPlist(*f).value_or(SKTNoFont());
        if (const PlistValue *c = v.value(QStringLiteral("color")))
            text.color = colorFromPlist(*c).value_or(QColor());
        return text;
    }
    return std::nullopt;
}

} // namespace

// ---- The archive ---------------------------------------------------------------------------------

ObjectArchive::Kind ObjectArchive::Entry::kind() const
{
    switch (value.index()) {
    case 0: return Kind::Rect;
    case 1: return Kind::Bool;
    case 2: return Kind::Int32;
    case 3: return Kind::Float32;
    case 4: return Kind::Point;
    case 5: return Kind::Size;
    default: break;
    }
    return std::holds_alternative<Broken>(value) ? Kind::Broken : Kind::Object;
}

ObjectArchive::ObjectArchive(const QString &className, int version) : m_className(className), m_version(version) {}

QStringList ObjectArchive::keys() const
{
    QStringList out;
    out.reserve(count());
    for (const Entry &e : m_entries)
        out << e.key;
    return out;
}

const ObjectArchive::Entry *ObjectArchive::entry(const QString &key) const
{
    for (const Entry &e : m_entries)
        if (e.key == key)
            return &e;
    return nullptr;
}

void ObjectArchive::append(const QString &key, Value value) { m_entries.push_back({key, std::move(value)}); }

void ObjectArchive::encodeRect(const QRectF &value, const QString &key) { append(key, value); }
void ObjectArchive::encodeBool(bool value, const QString &key) { append(key, value); }
void ObjectArchive::encodeInt32(qint32 value, const QString &key) { append(key, value); }
void ObjectArchive::encodeFloat(float value, const QString &key) { append(key, value); }
void ObjectArchive::encodePoint(const QPointF &value, const QString &key) { append(key, value); }
void ObjectArchive::encodeSize(const QSizeF &value, const QString &key) { append(key, value); }
void ObjectArchive::encodeNull(const QString &key) { append(key, Null{}); }

void ObjectArchive::encodeObject(const QString &value, const QString &key)
{
    value.isNull() ? encodeNull(key) : append(key, value);
}

void ObjectArchive::encodeObject(const QColor &value, const QString &key)
{
    value.isValid() ? append(key, value) : encodeNull(key);
}

void ObjectArchive::encodeObject(const QFont &value, const QString &key)
{
    SKTIsNoFont(value) ? encodeNull(key) : append(key, value);
}

void ObjectArchive::encodeObject(const platform::Picture &value, const QString &key)
{
    value.isNull() ? encodeNull(key) : append(key, value);
}

void ObjectArchive::encodeObject(const std::optional<SKTTextStorage> &value, const QString &key)
{
    value ? append(key, *value) : encodeNull(key);
}

// ---- Reading ---------------------------------------------------------------------------------------

const ObjectArchive::Value *ObjectArchive::Reader::find(const QString &key)
{
    const std::vector<Entry> &entries = m_archive.m_entries;
    const size_t n = entries.size();
    for (size_t i = 0; i < n; ++i) {
        const size_t at = (m_next + i) % n;
        if (entries[at].key == key) {
            m_next = at + 1;
            if (const Broken *broken = std::get_if<Broken>(&entries[at].value))
                throw ObjectArchiveError(QStringLiteral("%1: %2").arg(key, broken->reason).toStdString());
            return &entries[at].value;
        }
    }
    return nullptr;
}

template <class T>
const T *ObjectArchive::Reader::get(const QString &key)
{
    const Value *v = find(key);
    return v ? std::get_if<T>(v) : nullptr;
}

QRectF ObjectArchive::Reader::decodeRect(const QString &key)
{
    const QRectF *v = get<QRectF>(key);
    return v ? *v : QRectF();
}

bool ObjectArchive::Reader::decodeBool(const QString &key)
{
    const bool *v = get<bool>(key);
    return v && *v;
}

qint32 ObjectArchive::Reader::decodeInt32(const QString &key)
{
    const qint32 *v = get<qint32>(key);
    return v ? *v : 0;
}

float ObjectArchive::Reader::decodeFloat(const QString &key)
{
    const float *v = get<float>(key);
    return v ? *v : 0.0f;
}

QPointF ObjectArchive::Reader::decodePoint(const QString &key)
{
    const QPointF *v = get<QPointF>(key);
    return v ? *v : QPointF();
}

QSizeF ObjectArchive::Reader::decodeSize(const QString &key)
{
    const QSizeF *v = get<QSizeF>(key);
    return v ? *v : QSizeF(0, 0);
}

QString ObjectArchive::Reader::decodeString(const QString &key)
{
    const QString *v = get<QString>(key);
    return v ? *v : QString();
}

QColor ObjectArchive::Reader::decodeColor(const QString &key)
{
    const QColor *v = get<QColor>(key);
    return v ? *v : QColor();
}

QFont ObjectArchive::Reader::decodeFont(const QString &key)
{
    const QFont *v = get<QFont>(key);
    return v ? *v : SKTNoFont();
}

platform::Picture ObjectArchive::Reader::decodePicture(const QString &key)
{
    const platform::Picture *v = get<platform::Picture>(key);
    return v ? *v : platform::Picture();
}

std::optional<SKTTextStorage> ObjectArchive::Reader::decodeTextStorage(const QString &key)
{
    const SKTTextStorage *v = get<SKTTextStorage>(key);
    return v ? std::optional<SKTTextStorage>(*v) : std::nullopt;
}

// ---- Serialised form -------------------------------------------------------------------------------

PlistValue ObjectArchive::colorToPlist(const QColor &color)
{
    if (!color.isValid())
        return nullToPlist();
    float r = 0, g = 0, b = 0, a = 0;
    color.toRgb().getRgbF(&r, &g, &b, &a);
    return typed("color", {{QStringLiteral("rgba"),
                            PlistValue::array({PlistValue::real(r), PlistValue::real(g), PlistValue::real(b),
                                               PlistValue::real(a)})}});
}

PlistValue ObjectArchive::fontToPlist(const QFont &font)
{
    if (SKTIsNoFont(font))
        return nullToPlist();
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() > 0 ? font.pixelSize() : 12.0;
    return typed("font", {{QStringLiteral("family"), PlistValue::string(font.family())},
                          {QStringLiteral("style"), PlistValue::string(styleOf(font))},
                          {QStringLiteral("size"), PlistValue::real(size)}});
}

PlistValue ObjectArchive::toPlist() const
{
    PlistValue::Dictionary entries;
    entries.reserve(m_entries.size() + 2);
    entries.emplace_back(kClassKey, PlistValue::string(m_className));
    entries.emplace_back(kVersionKey, PlistValue::integer(m_version));
    for (const Entry &e : m_entries)
        if (!e.key.startsWith(QLatin1Char('$')))
            entries.emplace_back(e.key, valueToPlist(e.value));
    return PlistValue::dictionary(std::move(entries));
}

QByteArray ObjectArchive::data() const { return platform::plistToData(toPlist(), platform::PlistFormat::Binary); }

std::optional<ObjectArchive> ObjectArchive::fromPlist(const PlistValue &plist, ObjectArchiveLimits *limits)
{
    if (plist.type() != PlistValue::Type::Dictionary)
        return std::nullopt;
    const std::optional<QString> className = string(plist.value(kClassKey));
    if (!className || className->isEmpty())
        return std::nullopt;
    int version = 0;
    if (const PlistValue *v = plist.value(kVersionKey); v && v->type() == PlistValue::Type::Integer)
        version = int(std::clamp<qint64>(v->toInteger(), 0, INT_MAX));
    ObjectArchive archive(*className, version);
    for (const auto &[key, value] : plist.entries()) {
        if (key.startsWith(QLatin1Char('$')))
            continue;
        if (archive.count() >= ObjectArchiveLimits::kMaxEntries)
            break;
        if (std::optional<Value> v = valueFromPlist(value, limits))
            archive.append(key, std::move(*v));
    }
    return archive;
}

std::optional<ObjectArchive> ObjectArchive::fromData(const QByteArray &data, ObjectArchiveLimits *limits)
{
    const std::optional<PlistValue> plist = platform::plistFromData(data);
    if (!plist)
        return std::nullopt;
    return fromPlist(*plist, limits);
}
