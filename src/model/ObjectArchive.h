#pragma once
// The keyed archive of one object, held in memory: the object's exact class name, a format version
// and typed values under keys, in the order they were written. Every key written counts, an
// explicit null included. Values are kept as they are (pictures shared, never encoded), so taking
// an archive costs no more than copying the fields; undo snapshots and the design backup rely on it.
//
// The serialised form (clipboard and document data only) is one binary property-list dictionary:
// "$class" the class name, "$v" the format version, then one entry per key:
//   rect     array of 4 reals (x, y, width, height)      BOOL     boolean
//   int32    integer                                    float32  real (the float's value)
//   string   string                                     point    {"$type": "point", "x", "y"}
//   size     {"$type": "size", "width", "height"}       null     {"$type": "null"}
//   colour   {"$type": "color", "rgba": 4 reals 0..1}
//   font     {"$type": "font", "family", "style", "size" (points)}
//   picture  {"$type": "picture", "png": data, "width", "height" (points)}; vectors rasterised at 600 DPI
//   text     {"$type": "text", "characters", "font": font or null, "color": colour or null}
// Reading that form takes any bytes: a value of an unexpected kind is left out (it then reads as
// missing), a non-finite real reads as 0, and a picture that cannot be decoded within the limits
// is kept as a broken value, whose reading fails.

#include "model/SKTTextStorage.h"
#include "platform/Picture.h"
#include "platform/Plist.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

// Reading a value that was present but could not be decoded.
class ObjectArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What one reading of serialised archives may decode, shared by every archive of one paste.
struct ObjectArchiveLimits {
    static constexpr qint64 kMaxPicturePixels = 100'000'000;
    static constexpr qint64 kMaxPixelsPerRead = 400'000'000;
    static constexpr int kMaxEntries = 1000;   // per archive; no class writes a tenth of it
    qint64 pixelsLeft = kMaxPixelsPerRead;
};

class ObjectArchive {
public:
    static constexpr int kFormatVersion = 1;
    // The resolution vector pictures are rasterised at for the serialised form.
    static constexpr double kVectorDpi = 600.0;

    enum class Kind : std::uint8_t { Rect, Bool, Int32, Float32, Point, Size, Object, Broken };
    struct Null {
        bool operator==(const Null &) const { return true; }
    };
    struct Broken {
        QString reason;
    };
    using Value = std::variant<QRectF, bool, qint32, float, QPointF, QSizeF, Null, QString, QColor, QFont,
                               platform::Picture, SKTTextStorage, Broken>;
    struct Entry {
        QString key;
        Value value;
        Kind kind() const;
    };

    ObjectArchive() = default;
    explicit ObjectArchive(const QString &className, int version = kFormatVersion);

    const QString &className() const { return m_className; }
    int version() const { return m_version; }
    qsizetype count() const { return qsizetype(m_entries.size()); }
    const std::vector<Entry> &entries() const { return m_entries; }
    QStringList keys() const;
    // The first entry under the key, or null.
    const Entry *entry(const QString &key) const;
    void reserve(qsizetype count) { m_entries.reserve(size_t(count)); }

    // ---- Writing (in order; the caller writes each key once) ---------------------------------
    void encodeRect(const QRectF &value, const QString &key);
    void encodeBool(bool value, const QString &key);
    void encodeInt32(qint32 value, const QString &key);
    void encodeFloat(float value, const QString &key);
    void encodePoint(const QPointF &value, const QString &key);
    void encodeSize(const QSizeF &value, const QString &key);
    void encodeNull(const QString &key);
    // Objects: a null string, an invalid colour, a font without a family, a null picture and an
    // absent text storage are written as an explicit null.
    void encodeObject(const QString &value, const QString &key);
    void encodeObject(const QColor &value, const QString &key);
    void encodeObject(const QFont &value, const QString &key);
    void encodeObject(const platform::Picture &value, const QString &key);
    void encodeObject(const std::optional<SKTTextStorage> &value, const QString &key);
    // Any value as it is, a broken one included (tests, and the reader of the serialised form).
    void append(const QString &key, Value value);

    // ---- Reading ---------------------------------------------------------------------------
    // A missing key, or one holding a value of another kind, reads as zero: the zero rect, NO, 0,
    // the zero point and size, a null string, an invalid colour, no font, a null picture, no text
    // storage. A broken value throws ObjectArchiveError. Keys are looked up from where the last
    // one was found, so reading in writing order costs one comparison a key.
    class Reader {
    public:
        explicit Reader(const ObjectArchive &archive) : m_archive(archive) {}
        QRectF decodeRect(const QString &key);
        bool decodeBool(const QString &key);
        qint32 decodeInt32(const QString &key);
        float decodeFloat(const QString &key);
        QPointF decodePoint(const QString &key);
        QSizeF decodeSize(const QString &key);
        QString decodeString(const QString &key);
        QColor decodeColor(const QString &key);
        QFont decodeFont(const QString &key);
        platform::Picture decodePicture(const QString &key);
        std::optional<SKTTextStorage> decodeTextStorage(const QString &key);

    private:
        const Value *find(const QString &key);
        template <class T>
        const T *get(const QString &key);
        const ObjectArchive &m_archive;
        size_t m_next = 0;
    };

    // ---- Serialised form -------------------------------------------------------------------
    platform::PlistValue toPlist() const;
    // The binary property list of toPlist.
    QByteArray data() const;
    // Nothing unless the value is a dictionary naming its class with a non-empty "$class" string.
    static std::optional<ObjectArchive> fromPlist(const platform::PlistValue &plist, ObjectArchiveLimits *limits = nullptr);
    static std::optional<ObjectArchive> fromData(const QByteArray &data, ObjectArchiveLimits *limits = nullptr);

    // The forms of single values, shared with other serialisations of ours.
    static platform::PlistValue colorToPlist(const QColor &color);
    static platform::PlistValue fontToPlist(const QFont &font);

private:
    QString m_className;
    int m_version = kFormatVersion;
    std::vector<Entry> m_entries;
};
