#include "advqr/QrPayloadText.h"

#include "core/Utilities.h"

#include <QByteArray>
#include <cstring>

namespace qrpayload::text {

namespace {

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// One pass: the listed characters get a backslash, and every line break (CR LF, LF or CR) becomes
// the two characters "\n" when lineBreaks is set.
QString backslashEscape(const QString &value, const char *special, bool lineBreaks)
{
    QString out;
    out.reserve(value.size() + value.size() / 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (lineBreaks && (c == u'\r' || c == u'\n')) {
            if (c == u'\r' && i + 1 < value.size() && value.at(i + 1) == u'\n')
                ++i;
            out += QLatin1String("\\n");
            continue;
        }
        if (c.unicode() < 128 && c.unicode() != 0 && std::strchr(special, char(c.unicode())))
            out += u'\\';
        out += c;
    }
    return out;
}

} // namespace

Split split(const QString &text, const QString &label)
{
    const qsizetype at = label.isEmpty() ? -1 : text.indexOf(label);
    if (at < 0)
        return {QLatin1String(""), QLatin1String("")};
    return {text.left(at), text.mid(at + label.size())};
}

QString removePrefix(const QString &text, const QString &prefix)
{
    return !prefix.isEmpty() && text.startsWith(prefix) ? text.mid(prefix.size()) : text;
}

QString trimEnd(const QString &text)
{
    // A leading character that is neither blank nor control keeps the start as it is.
    return Trim_Str(QLatin1Char('.') + text).mid(1);
}

QString percentEncode(const QString &text, const char *keep)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        if (isUnreserved(c) || (c != 0 && std::strchr(keep, c))) {
            out += QLatin1Char(c);
        } else {
            const auto b = static_cast<unsigned char>(c);
            out += QLatin1Char('%');
            out += QLatin1Char(hex[b >> 4]);
            out += QLatin1Char(hex[b & 0xF]);
        }
    }
    return out;
}

QString percentDecode(const QString &text)
{
    if (!text.contains(u'%'))
        return text;
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '%' && i + 2 < bytes.size()) {
            const int hi = hexValue(bytes.at(i + 1));
            const int lo = hexValue(bytes.at(i + 2));
            if (hi >= 0 && lo >= 0) {
                out += char(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += bytes.at(i);
    }
    return QString::fromUtf8(out);
}

QString vcardEscape(const QString &value) { return backslashEscape(value, "\\;,", true); }

QString vcardUnescape(const QString &value)
{
    if (!value.contains(u'\\'))
        return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value.at(i + 1);
            if (next == u'\\' || next == u';' || next == u',') {
                out += next;
                ++i;
                continue;
            }
            if (next == u'n' || next == u'N') {
                out += u'\n';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QStringList splitUnescaped(const QString &value, QChar separator)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == u'\\') {
            ++i;   // the escaped character, whatever it is
            continue;
        }
        if (value.at(i) == separator) {
            parts << value.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << value.mid(start);
    return parts;
}

QString icalEscape(const QString &value) { return backslashEscape(value, "\\;,", true); }

QString wifiEscape(const QString &value) { return backslashEscape(value, "\\;,:\"", false); }

} // namespace qrpayload::text
