#include "io/XmlStream.h"

#include <QIODevice>

#include <cstring>

namespace {

constexpr std::size_t kChunk = 256 * 1024;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isNameStart(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
}

bool isNameChar(unsigned char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

std::string_view localPart(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// A character a reference may name in XML 1.0.
bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

XmlStream::XmlStream(QIODevice &in) : m_in(in) { m_buf.resize(kChunk); }

bool XmlStream::fill()
{
    if (m_eof)
        return false;
    if (m_pos > 0) {
        std::memmove(m_buf.data(), m_buf.data() + m_pos, m_end - m_pos);
        m_end -= m_pos;
        m_pos = 0;
    }
    if (m_buf.size() - m_end < kChunk / 2) {
        if (m_buf.size() >= kMaxToken + kChunk)
            return false;
        m_buf.resize(m_buf.size() * 2);
    }
    const qint64 n = m_in.read(m_buf.data() + m_end, qint64(m_buf.size() - m_end));
    if (n <= 0) {
        m_eof = true;
        return false;
    }
    m_end += std::size_t(n);
    return true;
}

bool XmlStream::need(std::size_t count)
{
    while (m_end - m_pos < count)
        if (!fill())
            return false;
    return true;
}

std::size_t XmlStream::find(std::string_view pattern, std::size_t from)
{
    for (;;) {
        const std::string_view have(m_buf.data() + m_pos, m_end - m_pos);
        const std::size_t at = have.find(pattern, from);
        if (at != std::string_view::npos)
            return at;
        if (have.size() > kMaxToken)
            return std::string_view::npos;
        from = have.size() >= pattern.size() ? have.size() - pattern.size() + 1 : 0;
        if (!fill())
            return std::string_view::npos;
    }
}

XmlStream::Event XmlStream::fail(const char *what)
{
    if (m_error.isEmpty())
        m_error = QString::fromLatin1(what);
    m_pos = m_end;
    m_eof = true;
    m_stack.clear();
    return Error;
}

XmlStream::Event XmlStream::next()
{
    if (!m_error.isEmpty())
        return Error;
    if (m_pendingEnd) {
        m_pendingEnd = false;
        m_local = std::string(localPart(m_stack.back()));
        m_stack.pop_back();
        return EndElement;
    }
    if (!m_started) {
        m_started = true;
        need(3);
        const unsigned char *b = reinterpret_cast<const unsigned char *>(m_buf.data() + m_pos);
        const std::size_t have = m_end - m_pos;
        if (have >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF)))
            return fail("UTF-16 parts are not read");
        if (have >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
            m_pos += 3;
    }
    for (;;) {
        m_attrs.clear();
        m_cdata = false;
        if (m_pos >= m_end && !fill()) {
            if (!m_stack.empty())
                return fail("the document ends inside an element");
            if (!m_rootSeen)
                return fail("the document has no element");
            return EndDocument;
        }
        if (m_buf[m_pos] != '<') {
            // A text run: everything up to the next tag.
            std::size_t lt = find("<", 0);
            if (lt == std::string_view::npos) {
                if (m_end - m_pos > kMaxToken)
                    return fail("a text is too long");
                lt = m_end - m_pos;   // text at the end of the input
            }
            if (lt > kMaxToken)
                return fail("a text is too long");
            m_textBegin = m_pos;
            m_textLen = lt;
            m_pos += lt;
            if (m_stack.empty()) {
                for (std::size_t i = 0; i < m_textLen; ++i)
                    if (!isSpace(m_buf[m_textBegin + i]))
                        return fail("text outside the root element");
                continue;
            }
            return Text;
        }
        if (!need(2))
            return fail("the document ends inside a tag");
        const char second = m_buf[m_pos + 1];
        if (second == '/')
            return endTag();
        if (second == '?' || second == '!') {
            if (need(9) && std::memcmp(m_buf.data() + m_pos, "<![CDATA[", 9) == 0) {
                if (m_stack.empty())
                    return fail("character data outside the root element");
                const std::size_t close = find("]]>", 9);
                if (close == std::string_view::npos || close > kMaxToken)
                    return fail("an unterminated or too long CDATA section");
                m_textBegin = m_pos + 9;
                m_textLen = close - 9;
                m_pos += close + 3;
                m_cdata = true;
                return Text;
            }
            if (!skipMarkup())
                return fail("malformed markup");
            continue;
        }
        return startTag();
    }
}

bool XmlStream::skipMarkup()
{
    if (need(4) && std::memcmp(m_buf.data() + m_pos, "<!--", 4) == 0) {
        const std::size_t close = find("-->", 4);
        if (close == std::string_view::npos)
            return false;
        m_pos += close + 3;
        return true;
    }
    if (m_buf[m_pos + 1] == '?') {
        const std::size_t close = find("?>", 2);
        if (close == std::string_view::npos)
            return false;
        m_pos += close + 2;
        return true;
    }
    // <!DOCTYPE ...> with an optional internal subset in brackets: skipped unread.
    if (!need(9) || std::memcmp(m_buf.data() + m_pos, "<!DOCTYPE", 9) != 0 || m_rootSeen)
        return false;
    std::size_t i = 9;
    int brackets = 0;
    char quote = 0;
    for (;; ++i) {
        if (i >= m_end - m_pos) {
            if (i > kMaxToken || !fill())
                return false;
        }
        const char c = m_buf[m_pos + i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            m_pos += i + 1;
            return true;
        }
    }
}

XmlStream::Event XmlStream::startTag()
{
    if (m_stack.empty() && m_rootSeen)
        return fail("a second root element");
    // Find the closing '>' outside quoted attribute values.
    std::size_t i = 1;
    char quote = 0;
    for (;; ++i) {
        if (i >= m_end - m_pos) {
            if (i > kMaxToken)
                return fail("a tag is too long");
            if (!fill())
                return fail("the document ends inside a tag");
        }
        const char c = m_buf[m_pos + i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '<')
                return fail("'<' inside an attribute value");
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            break;
        }
    }
    const std::size_t tagEnd = m_pos + i;   // at '>'
    const char *buf = m_buf.data();
    std::size_t p = m_pos + 1;
    if (!isNameStart(static_cast<unsigned char>(buf[p])))
        return fail("a tag without a name");
    const std::size_t nameBegin = p;
    while (p < tagEnd && isNameChar(static_cast<unsigned char>(buf[p])))
        ++p;
    const std::string_view name(buf + nameBegin, p - nameBegin);
    bool empty = false;
    for (;;) {
        const bool spaced = p < tagEnd && isSpace(buf[p]);
        while (p < tagEnd && isSpace(buf[p]))
            ++p;
        if (p == tagEnd)
            break;
        if (buf[p] == '/') {
            if (p + 1 != tagEnd)
                return fail("'/' inside a tag");
            empty = true;
            break;
        }
        if (!spaced || !isNameStart(static_cast<unsigned char>(buf[p])))
            return fail("a malformed attribute");
        const std::size_t an = p;
        while (p < tagEnd && isNameChar(static_cast<unsigned char>(buf[p])))
            ++p;
        const std::size_t anLen = p - an;
        while (p < tagEnd && isSpace(buf[p]))
            ++p;
        if (p >= tagEnd || buf[p] != '=')
            return fail("an attribute without a value");
        ++p;
        while (p < tagEnd && isSpace(buf[p]))
            ++p;
        if (p >= tagEnd || (buf[p] != '"' && buf[p] != '\''))
            return fail("an unquoted attribute value");
        const char q = buf[p++];
        const std::size_t vb = p;
        while (p < tagEnd && buf[p] != q)
            ++p;
        if (p >= tagEnd)
            return fail("an unterminated attribute value");
        m_attrs.push_back({an, anLen, vb, p - vb});
        ++p;
    }
    m_stack.emplace_back(name);
    m_local = std::string(localPart(name));
    m_rootSeen = true;
    m_pendingEnd = empty;
    m_pos = tagEnd + 1;
    return StartElement;
}

XmlStream::Event XmlStream::endTag()
{
    const std::size_t close = find(">", 2);
    if (close == std::string_view::npos)
        return fail("the document ends inside a tag");
    std::string_view name(m_buf.data() + m_pos + 2, close - 2);
    while (!name.empty() && isSpace(name.back()))
        name.remove_suffix(1);
    if (m_stack.empty() || m_stack.back() != name)
        return fail("an end tag that does not match its start tag");
    m_local = std::string(localPart(name));
    m_stack.pop_back();
    m_pos += close + 1;
    return EndElement;
}

bool XmlStream::rawAttribute(std::string_view local, std::string_view &value) const
{
    for (const Attr &a : m_attrs) {
        const std::string_view name(m_buf.data() + a.nameBegin, a.nameLen);
        if (localPart(name) == local) {
            value = std::string_view(m_buf.data() + a.valueBegin, a.valueLen);
            return true;
        }
    }
    return false;
}

std::string XmlStream::attribute(std::string_view local)
{
    std::string_view raw;
    std::string out;
    if (!rawAttribute(local, raw))
        return out;
    if (!decode(out, raw.data(), raw.data() + raw.size(), true)) {
        fail("a malformed reference in an attribute");
        out.clear();
    }
    return out;
}

bool XmlStream::appendText(std::string &out)
{
    const char *b = m_buf.data() + m_textBegin;
    if (m_cdata) {
        // Line ends are normalised in character data too.
        for (const char *p = b, *e = b + m_textLen; p < e; ++p) {
            if (*p == '\r') {
                out += '\n';
                if (p + 1 < e && p[1] == '\n')
                    ++p;
            } else {
                out += *p;
            }
        }
        return true;
    }
    if (!decode(out, b, b + m_textLen, false)) {
        fail("a malformed reference in a text");
        return false;
    }
    return true;
}

bool XmlStream::decode(std::string &out, const char *begin, const char *end, bool attribute)
{
    const char *p = begin;
    while (p < end) {
        const char *run = p;
        while (p < end && *p != '&' && *p != '\r' && !(attribute && (*p == '\n' || *p == '\t')))
            ++p;
        out.append(run, std::size_t(p - run));
        if (p >= end)
            break;
        if (*p == '\r') {
            out += attribute ? ' ' : '\n';
            ++p;
            if (p < end && *p == '\n')
                ++p;
            continue;
        }
        if (*p != '&') {   // TAB or LF in an attribute
            out += ' ';
            ++p;
            continue;
        }
        const char *semi = static_cast<const char *>(std::memchr(p, ';', std::size_t(end - p)));
        if (!semi || semi - p > 12)
            return false;
        const std::string_view ref(p + 1, std::size_t(semi - p - 1));
        if (ref == "lt")
            out += '<';
        else if (ref == "gt")
            out += '>';
        else if (ref == "amp")
            out += '&';
        else if (ref == "quot")
            out += '"';
        else if (ref == "apos")
            out += '\'';
        else if (ref.size() >= 2 && ref[0] == '#') {
            char32_t c = 0;
            const bool hex = ref[1] == 'x';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            if (digits.empty())
                return false;
            for (char d : digits) {
                int v;
                if (d >= '0' && d <= '9')
                    v = d - '0';
                else if (hex && d >= 'a' && d <= 'f')
                    v = d - 'a' + 10;
                else if (hex && d >= 'A' && d <= 'F')
                    v = d - 'A' + 10;
                else
                    return false;
                c = c * (hex ? 16 : 10) + char32_t(v);
                if (c > 0x10FFFF)
                    return false;
            }
            if (!isXmlChar(c))
                return false;
            appendUtf8(out, c);
        } else {
            return false;   // an entity no DTD may define for us
        }
        p = semi + 1;
    }
    return true;
}
