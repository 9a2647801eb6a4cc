#include "platform/Plist.h"

#include "platform/BinaryPlistTable.h"
#include "platform/Files.h"
#include "platform/PlistGuard.h"
#include "platform/UserFiles.h"

#include <QFile>
#include <QTimeZone>

#include <plist/plist.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

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

// No property list of ours comes near this; larger bytes are refused unread.
constexpr qint64 kMaxPlistBytes = 256 * 1024 * 1024;

// Deeper nesting than any property list of ours is refused, before parsing as well: the parser
// recurses once per level, so bytes nested a hundred thousand deep would overflow the stack.
constexpr int kMaxDepth = 512;

// Binary property lists may reference one object from many containers, and the parser copies it
// for each: a few hundred bytes could stand for 2^60 objects. Beyond the objects the bytes hold,
// this many copies are allowed.
constexpr quint64 kMaxSharedCopies = 4'000'000;

// The nesting of binary property-list bytes stays within maxDepth and their objects, once every
// shared one is copied, within the table's count plus kMaxSharedCopies; false also for a malformed
// object table or a container that contains itself. Each object is walked once.
bool binaryTreeWithin(const QByteArray &bytes, int maxDepth)
{
    const std::optional<bplist::Table> table = bplist::Table::of(bytes);
    if (!table)
        return false;
    const quint64 count = table->count();
    const quint64 top = table->top();
    const int refSize = table->refSize();
    const quint64 maxNodes = count + kMaxSharedCopies;

    struct Container {
        quint64 refs = 0;    // position of the first reference
        quint64 count = 0;   // references
    };
    // The references of the object, if it is an array, a set or a dictionary; nothing for a leaf.
    auto containerOf = [&](quint64 object, bool *ok) -> std::optional<Container> {
        const std::optional<bplist::Object> o = table->object(object);
        *ok = o.has_value();
        if (!o || (o->kind != 0xA && o->kind != 0xC && o->kind != 0xD))
            return std::nullopt;
        Container c{o->start, o->kind == 0xD ? o->count * 2 : o->count};   // a dictionary: keys, then values
        if ((o->kind == 0xD && o->count > c.count) || !table->fits(c.refs, c.count, quint64(refSize))) {
            *ok = false;
            return std::nullopt;
        }
        return c;
    };

    // Depth-first; each object's height (its levels) and tree size (itself and every copy below
    // it) are remembered once known.
    constexpr int kUnknown = -1, kOpen = -2;
    std::vector<int> height(size_t(count), kUnknown);
    std::vector<quint64> nodes(size_t(count), 0);
    struct Frame {
        quint64 object;
        Container container;
        quint64 next = 0;
        int tallestChild = 0;
        quint64 nodesBelow = 0;
    };
    std::vector<Frame> path;
    bool ok = true;
    const std::optional<Container> root = containerOf(top, &ok);
    if (!ok)
        return false;
    if (!root)
        return true;
    height[size_t(top)] = kOpen;
    path.push_back({top, *root});
    while (!path.empty()) {
        Frame &f = path.back();
        if (f.next == f.container.count) {
            const int h = f.tallestChild + 1;
            const quint64 n = f.nodesBelow + 1;
            height[size_t(f.object)] = h;
            nodes[size_t(f.object)] = n;
            path.pop_back();
            if (!path.empty()) {
                Frame &parent = path.back();
                parent.tallestChild = std::max(parent.tallestChild, h);
                parent.nodesBelow += n;
                if (parent.nodesBelow > maxNodes)
                    return false;
            }
            continue;
        }
        const quint64 child = bplist::bigEndian(table->data() + f.container.refs + f.next * quint64(refSize), refSize);
        ++f.next;
        if (child >= count || height[size_t(child)] == kOpen)
            return false;
        if (height[size_t(child)] == kUnknown) {
            const std::optional<Container> c = containerOf(child, &ok);
            if (!ok)
                return false;
            if (c) {
                if (int(path.size()) >= maxDepth)
                    return false;
                height[size_t(child)] = kOpen;
                path.push_back({child, *c});
                continue;
            }
            height[size_t(child)] = 1;
            nodes[size_t(child)] = 1;
        }
        if (int(path.size()) + height[size_t(child)] > maxDepth)
            return false;
        f.tallestChild = std::max(f.tallestChild, height[size_t(child)]);
        f.nodesBelow += nodes[size_t(child)];
        if (f.nodesBelow > maxNodes)
            return false;
    }
    return true;
}

// The nesting of XML property-list bytes stays within max, counted on the array and dict tags.
bool xmlDepthWithin(const QByteArray &bytes, int max)
{
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    int depth = 0;
    while ((p = static_cast<const char *>(std::memchr(p, '<', size_t(end - p)))) != nullptr) {
        const char *q = ++p;
        const bool closing = q < end && *q == '/';
        if (closing)
            ++q;
        auto startsWith = [&](const char *word, size_t n) { return size_t(end - q) >= n && std::memcmp(q, word, n) == 0; };
        const size_t n = startsWith("array", 5) ? 5 : startsWith("dict", 4) ? 4 : 0;
        if (n == 0 || (q + n < end && q[n] != '>' && q[n] != '/' && !std::isspace(uchar(q[n]))))
            continue;
        if (closing) {
            --depth;
            continue;
        }
        const char *close = static_cast<const char *>(std::memchr(q, '>', size_t(end - q)));
        if (!close)
            break;
        if (close[-1] != '/' && ++depth > max)
            return false;
    }
    return true;
}

PlistValue fromNode(plist_t node, int depth = 0)
{
    if (!node || depth > kMaxDepth)   // a hostile file cannot recurse without bound
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
    if (bytes.isEmpty() || bytes.size() > kMaxPlistBytes)
        return std::nullopt;
    // Every read of bytes from outside passes here, so the checks that keep libplist from aborting
    // or recursing without bound are made once, for every reader.
    if (!plistStringsAreSafe(bytes))
        return std::nullopt;
    const bool binary = bytes.startsWith("bplist00");
    if (binary ? !binaryTreeWithin(bytes, kMaxDepth) : !xmlDepthWithin(bytes, kMaxDepth))
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
    // Project files are named by the user: a regular file only, no more than the cap.
    const UserFileRead file = readUserFile(path, kMaxPlistBytes);
    if (!file.ok())
        return std::nullopt;
    return plistFromData(file.bytes);
}

bool writePlistFile(const QString &path, const PlistValue &value, PlistFormat format, QString *error, QString *unsynced,
                    int start, const QString &shownStart)
{
    const QByteArray bytes = plistToData(value, format);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("The property list could not be encoded.");
        return false;
    }
    return writeFileAtomically(path, bytes, error, unsynced, start, shownStart);
}

} // namespace platform
