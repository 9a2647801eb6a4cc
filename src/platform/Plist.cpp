#include "platform/Plist.h"

#include "platform/Files.h"

#include <QFile>
#include <QTimeZone>

#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>

namespace platform {

namespace {

using PlistPtr = std::unique_ptr<void, decltype(&plist_free)>;

// Property-list dates count seconds from 2001-01-01 00:00:00 UTC.
const QDateTime &referenceDate()
{
    static const QDateTime ref(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return ref;
}

QString takeString(char *s)
{
    QString out = s ? QString::fromUtf8(s) : QString();
    std::free(s);
    return out;
}

plist_t toNode(const PlistValue &v)
{
    switch (v.type()) {
    case PlistValue::Type::Null:
        return nullptr;
    case PlistValue::Type::Boolean:
        return plist_new_bool(v.toBool() ? 1 : 0);
    case PlistValue::Type::Integer:
        return plist_new_uint(uint64_t(v.toInteger()));   // libplist keeps the sign for 8-byte values
    case PlistValue::Type::Real:
        return plist_new_real(v.toReal());
    case PlistValue::Type::String:
        return plist_new_string(v.toString().toUtf8().constData());
    case PlistValue::Type::Data:
        return plist_new_data(v.toData().constData(), uint64_t(v.toData().size()));
    case PlistValue::Type::Date: {
        const qint64 ms = referenceDate().msecsTo(v.toDate());
        qint64 sec = ms / 1000;
        qint64 usec = (ms % 1000) * 1000;
        if (usec < 0) {
            usec += 1000000;
            --sec;
        }
        return plist_new_date(int32_t(sec), int32_t(usec));
    }
    case PlistValue::Type::Array: {
        plist_t arr = plist_new_array();
        for (const PlistValue &item : v.items())
            if (plist_t n = toNode(item))
                plist_array_append_item(arr, n);
        return arr;
    }
    case PlistValue::Type::Dictionary: {
        plist_t dict = plist_new_dict();
        for (const auto &[key, item] : v.entries())
            if (plist_t n = toNode(item))
                plist_dict_set_item(dict, key.toUtf8().constData(), n);
        return dict;
    }
    case PlistValue::Type::Uid:
        return plist_new_uid(v.toUid());
    }
    return nullptr;
}

PlistValue fromNode(plist_t node, int depth = 0)
{
    if (!node || depth > 512)   // a hostile file cannot recurse without bound
        return {};
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return PlistValue::boolean(b != 0);
    }
    case PLIST_UINT: {
        uint64_t u = 0;
        plist_get_uint_val(node, &u);
        return PlistValue::integer(qint64(u));
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return PlistValue::real(d);
    }
    case PLIST_STRING: {
        char *s = nullptr;
        plist_get_string_val(node, &s);
        return PlistValue::string(takeString(s));
    }
    case PLIST_KEY: {
        char *s = nullptr;
        plist_get_key_val(node, &s);
        return PlistValue::string(takeString(s));
    }
    case PLIST_DATA: {
        char *d = nullptr;
        uint64_t len = 0;
        plist_get_data_val(node, &d, &len);
        QByteArray bytes(d, qsizetype(len));
        std::free(d);
        return PlistValue::data(bytes);
    }
    case PLIST_DATE: {
        int32_t sec = 0, usec = 0;
        plist_get_date_val(node, &sec, &usec);
        return PlistValue::date(referenceDate().addMSecs(qint64(sec) * 1000 + usec / 1000));
    }
    case PLIST_ARRAY: {
        PlistValue arr = PlistValue::array();
        const uint32_t n = plist_array_get_size(node);
        for (uint32_t i = 0; i < n; ++i)
            arr.append(fromNode(plist_array_get_item(node, i), depth + 1));
        return arr;
    }
    case PLIST_DICT: {
        PlistValue dict = PlistValue::dictionary();
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        for (;;) {
            char *key = nullptr;
            plist_t val = nullptr;
            plist_dict_next_item(node, it, &key, &val);
            if (!val) {
                std::free(key);
                break;
            }
            dict.insert(takeString(key), fromNode(val, depth + 1));
        }
        std::free(it);
        return dict;
    }
    case PLIST_UID: {
        uint64_t u = 0;
        plist_get_uid_val(node, &u);
        return PlistValue::uid(u);
    }
    default:
        return {};
    }
}

} // namespace

PlistValue PlistValue::boolean(bool v) { PlistValue p; p.m_type = Type::Boolean; p.m_bool = v; return p; }
PlistValue PlistValue::integer(qint64 v) { PlistValue p; p.m_type = Type::Integer; p.m_integer = v; return p; }
PlistValue PlistValue::real(double v) { PlistValue p; p.m_type = Type::Real; p.m_real = v; return p; }
PlistValue PlistValue::string(const QString &v) { PlistValue p; p.m_type = Type::String; p.m_string = v; return p; }
PlistValue PlistValue::data(const QByteArray &v) { PlistValue p; p.m_type = Type::Data; p.m_data = v; return p; }
PlistValue PlistValue::date(const QDateTime &v) { PlistValue p; p.m_type = Type::Date; p.m_date = v.toUTC(); return p; }
PlistValue PlistValue::array(Array items) { PlistValue p; p.m_type = Type::Array; p.m_array = std::move(items); return p; }
PlistValue PlistValue::dictionary(Dictionary items) { PlistValue p; p.m_type = Type::Dictionary; p.m_dict = std::move(items); return p; }
PlistValue PlistValue::uid(quint64 v) { PlistValue p; p.m_type = Type::Uid; p.m_integer = qint64(v); return p; }

PlistValue PlistValue::fromStrings(const QStringList &strings)
{
    PlistValue arr = array();
    for (const QString &s : strings)
        arr.append(string(s));
    return arr;
}

std::optional<QStringList> PlistValue::toStrings() const
{
    if (m_type != Type::Array)
        return std::nullopt;
    QStringList out;
    for (const PlistValue &v : m_array) {
        if (v.type() != Type::String)
            return std::nullopt;
        out << v.toString();
    }
    return out;
}

const PlistValue *PlistValue::value(const QString &key) const
{
    for (const auto &entry : m_dict)
        if (entry.first == key)
            return &entry.second;
    return nullptr;
}

void PlistValue::insert(const QString &key, PlistValue v)
{
    m_type = Type::Dictionary;
    for (auto &entry : m_dict)
        if (entry.first == key) {
            entry.second = std::move(v);
            return;
        }
    m_dict.emplace_back(key, std::move(v));
}

bool PlistValue::operator==(const PlistValue &o) const
{
    if (m_type != o.m_type)
        return false;
    switch (m_type) {
    case Type::Null: return true;
    case Type::Boolean: return m_bool == o.m_bool;
    case Type::Integer:
    case Type::Uid: return m_integer == o.m_integer;
    case Type::Real: return m_real == o.m_real;
    case Type::String: return m_string == o.m_string;
    case Type::Data: return m_data == o.m_data;
    case Type::Date: return m_date == o.m_date;
    case Type::Array: return m_array == o.m_array;
    case Type::Dictionary: return m_dict == o.m_dict;
    }
    return false;
}

std::optional<PlistValue> plistFromData(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &root);
    if (!root)
        return std::nullopt;
    PlistPtr holder(root, &plist_free);
    return fromNode(root);
}

QByteArray plistToData(const PlistValue &value, PlistFormat format)
{
    plist_t root = toNode(value);
    if (!root)
        return {};
    PlistPtr holder(root, &plist_free);
    char *out = nullptr;
    uint32_t len = 0;
    QByteArray bytes;
    if (format == PlistFormat::Xml) {
        plist_to_xml(root, &out, &len);
        bytes = QByteArray(out, qsizetype(len));
        plist_to_xml_free(out);
    } else {
        plist_to_bin(root, &out, &len);
        bytes = QByteArray(out, qsizetype(len));
        plist_to_bin_free(out);
    }
    return bytes;
}

std::optional<PlistValue> readPlistFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    constexpr qint64 limit = 256 * 1024 * 1024;   // no property list of ours comes near this
    if (f.size() > limit)
        return std::nullopt;
    return plistFromData(f.readAll());
}

bool writePlistFile(const QString &path, const PlistValue &value, PlistFormat format, QString *error)
{
    const QByteArray bytes = plistToData(value, format);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("The property list could not be encoded.");
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

} // namespace platform
