#pragma once
// Property lists (XML and binary) on libplist's C API. Dictionaries keep their key order.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

class PlistValue {
public:
    enum class Type { Null, Boolean, Integer, Real, String, Data, Date, Array, Dictionary, Uid };
    using Array = std::vector<PlistValue>;
    using Dictionary = std::vector<std::pair<QString, PlistValue>>;

    PlistValue() = default;
    PlistValue(const QString &s) : m_type(Type::String), m_string(s) {}   // NOLINT: strings are the common case
    PlistValue(const char *s) : m_type(Type::String), m_string(QString::fromUtf8(s)) {}

    static PlistValue boolean(bool v);
    static PlistValue integer(qint64 v);
    static PlistValue real(double v);
    static PlistValue string(const QString &v);
    static PlistValue data(const QByteArray &v);
    static PlistValue date(const QDateTime &v);
    static PlistValue array(Array items = {});
    static PlistValue dictionary(Dictionary items = {});
    static PlistValue uid(quint64 v);
    static PlistValue fromStrings(const QStringList &strings);   // an array of strings

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }

    bool toBool() const { return m_bool; }
    qint64 toInteger() const { return m_integer; }
    double toReal() const { return m_real; }
    const QString &toString() const { return m_string; }
    const QByteArray &toData() const { return m_data; }
    const QDateTime &toDate() const { return m_date; }
    quint64 toUid() const { return quint64(m_integer); }
    // Strings of an array of strings; nothing when this is not an array or an item is no string.
    std::optional<QStringList> toStrings() const;

    const Array &items() const { return m_array; }
    Array &items() { return m_array; }
    void append(PlistValue v) { m_array.push_back(std::move(v)); }

    const Dictionary &entries() const { return m_dict; }
    const PlistValue *value(const QString &key) const;
    // Replaces the value of an existing key, else appends the key.
    void insert(const QString &key, PlistValue v);

    bool operator==(const PlistValue &o) const;
    bool operator!=(const PlistValue &o) const { return !(*this == o); }

private:
    Type m_type = Type::Null;
    bool m_bool = false;
    qint64 m_integer = 0;
    double m_real = 0;
    QString m_string;
    QByteArray m_data;
    QDateTime m_date;
    Array m_array;
    Dictionary m_dict;
};

enum class PlistFormat { Xml, Binary };

// Parses XML or binary property-list bytes; nothing when they are not a property list, exceed
// 256 MiB, nest deeper than any list of ours, or hold a string with a NUL character.
std::optional<PlistValue> plistFromData(const QByteArray &bytes);
QByteArray plistToData(const PlistValue &value, PlistFormat format);

std::optional<PlistValue> readPlistFile(const QString &path);
// Written whole through a replacing temporary file; answers success (unsynced, start and
// shownStart as writeFileAtomically says).
bool writePlistFile(const QString &path, const PlistValue &value, PlistFormat format = PlistFormat::Xml,
                    QString *error = nullptr, QString *unsynced = nullptr, int start = -100 /* AT_FDCWD */,
                    const QString &shownStart = QString());

} // namespace platform
