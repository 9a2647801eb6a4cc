#include "platform/RtfText.h"

#include <QStringDecoder>

#include <vector>

namespace platform {

namespace {

// Windows-1252 where it differs from Latin-1 (0x80 to 0x9F); 0 marks the five unused codes.
const char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeCodePage(const QByteArray &bytes, int codePage)
{
    if (codePage == 1252 || codePage <= 0) {
        QString out;
        out.reserve(bytes.size());
        for (char b : bytes) {
            const unsigned char u = static_cast<unsigned char>(b);
            const char16_t c = (u >= 0x80 && u < 0xA0 && kCp1252High[u - 0x80]) ? kCp1252High[u - 0x80] : char16_t(u);
            out += QChar(c);
        }
        return out;
    }
    if (codePage == 65001)
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(QByteArray("windows-" + QByteArray::number(codePage)).constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QByteArray("cp" + QByteArray::number(codePage)).constData());
    if (decoder.isValid())
        return decoder.decode(bytes);
    return QString::fromLatin1(bytes);
}

struct GroupState {
    bool skip = false;
    int uc = 1;
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool skippedDestination(const QByteArray &word)
{
    static const char *const names[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "listtable",
                                        "listoverridetable", "revtbl", "filetbl", "themedata", "datastore"};
    for (const char *name : names)
        if (word == name)
            return true;
    return false;
}

constexpr std::size_t kMaxDepth = 4096;

} // namespace

QString rtfPlainText(const QByteArray &rtf)
{
    QString out;
    QByteArray pendingBytes;   // \'hh bytes decoded together, so that multi-byte code pages work
    int codePage = 1252;
    std::vector<GroupState> stack;
    GroupState state;
    int skipFallback = 0;   // characters still to skip after a \uN

    auto flush = [&] {
        if (!pendingBytes.isEmpty()) {
            if (!state.skip)
                out += decodeCodePage(pendingBytes, codePage);
            pendingBytes.clear();
        }
    };
    auto emitText = [&](const QString &text) {
        flush();
        if (!state.skip)
            out += text;
    };

    const char *p = rtf.constData();
    const char *const end = p + rtf.size();
    while (p < end) {
        const char c = *p;
        if (c == '{') {
            flush();
            if (stack.size() >= kMaxDepth)
                break;
            stack.push_back(state);
            skipFallback = 0;
            ++p;
            continue;
        }
        if (c == '}') {
            flush();
            if (stack.empty())
                break;   // more closing than opening braces: the document has ended
            state = stack.back();
            stack.pop_back();
            skipFallback = 0;
            ++p;
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++p;
            continue;
        }
        if (c != '\\') {
            if (skipFallback > 0) {
                --skipFallback;
                ++p;
                continue;
            }
            pendingBytes += c;   // plain text is in the ANSI code page too
            ++p;
            continue;
        }
        // A control word or symbol.
        ++p;
        if (p >= end)
            break;
        const char s = *p;
        if (!isLetter(s)) {
            ++p;
            if (s == '\'') {
                if (end - p < 2)
                    break;
                const QByteArray hex(p, 2);
                bool ok = false;
                const int value = hex.toInt(&ok, 16);
                p += 2;
                if (!ok)
                    continue;
                if (skipFallback > 0) {
                    --skipFallback;
                    continue;
                }
                pendingBytes += char(value);
                continue;
            }
            if (skipFallback > 0) {
                --skipFallback;
                continue;
            }
            switch (s) {
            case '\\': emitText(QStringLiteral("\\")); break;
            case '{': emitText(QStringLiteral("{")); break;
            case '}': emitText(QStringLiteral("}")); break;
            case '~': emitText(QString(QChar(0x00A0))); break;
            case '_': emitText(QStringLiteral("-")); break;
            case '\n':
            case '\r': emitText(QStringLiteral("\n")); break;
            case '*':
                flush();
                state.skip = true;
                break;
            default: break;   // \- and other symbols carry no text
            }
            continue;
        }
        const char *wordBegin = p;
        while (p < end && isLetter(*p))
            ++p;
        const QByteArray word(wordBegin, int(p - wordBegin));
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (p < end && *p == '-' && p + 1 < end && isDigit(p[1])) {
            negative = true;
            ++p;
        }
        while (p < end && isDigit(*p)) {
            hasParam = true;
            if (param < 100000000)
                param = param * 10 + (*p - '0');
            ++p;
        }
        if (negative)
            param = -param;
        if (p < end && *p == ' ')
            ++p;   // the delimiter space belongs to the control word

        if (word == "bin") {
            flush();
            p += (hasParam && param > 0) ? std::min<long long>(param, end - p) : 0;
            continue;
        }
        if (word == "u" && hasParam) {
            long long code = param;
            if (code < 0)
                code += 65536;
            emitText(QString(QChar(char16_t(code & 0xFFFF))));
            skipFallback = state.uc;
            continue;
        }
        if (skipFallback > 0) {
            --skipFallback;   // a control word stands in for one fallback character
            continue;
        }
        if (word == "par" || word == "line")
            emitText(QStringLiteral("\n"));
        else if (word == "tab")
            emitText(QStringLiteral("\t"));
        else if (word == "uc" && hasParam)
            state.uc = int(qBound(0LL, param, 16LL));
        else if (word == "ansicpg" && hasParam) {
            flush();
            codePage = int(param);
        } else if (skippedDestination(word)) {
            flush();
            state.skip = true;
        }
    }
    flush();
    return out;
}

} // namespace platform
