#pragma once
// Small pieces of workbook reading shared by its parts: cell text, references and the read's status.

#include <QString>

#include <string>
#include <string_view>

namespace workbook_text {

inline constexpr int kMaxColumns = 16384;   // XFD

inline std::string_view localOf(const char *name)
{
    std::string_view n(name);
    const std::size_t colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

inline QString toQString(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return QString::fromUtf8(s.data(), qsizetype(s.size()));
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

inline int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// Text of a workbook string: characters XML cannot carry are written "_xHHHH_".
inline QString decodeXString(std::string_view utf8)
{
    QString text = toQString(utf8);
    if (utf8.find("_x") == std::string_view::npos)
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size() && text.at(i + 1) == QLatin1Char('x')
            && text.at(i + 6) == QLatin1Char('_')) {
            int value = 0;
            bool hex = true;
            for (int k = 2; k < 6 && hex; ++k) {
                const int h = hexValue(text.at(i + k));
                hex = h >= 0;
                value = value * 16 + h;
            }
            if (hex) {
                out += QChar(char16_t(value));
                i += 7;
                continue;
            }
        }
        out += text.at(i++);
    }
    return out;
}

// The leading decimal digits of a text, saturating; 0 without any.
inline qint64 leadingIndex(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
        ++i;
    qint64 v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > (qint64(1) << 40))
            return v;
    }
    return v;
}

inline int columnOf(std::string_view reference)
{
    int value = 0;
    std::size_t i = 0;
    for (; i < reference.size(); ++i) {
        char c = reference[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            break;
        value = value * 26 + (c - 'A' + 1);
        if (value > kMaxColumns)
            return -1;
    }
    return i == 0 ? -1 : value - 1;
}

inline bool isPlainNumber(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, digits = true;
    }
    if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        bool exp = false;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, exp = true;
        digits = exp;
    }
    return digits && i == text.size();
}


// The outcome of a read, kept for lastReadFailed(); a failure is logged.
void readSucceeded();
void readFailed(const QString &reason);

} // namespace workbook_text
