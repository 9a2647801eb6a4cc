#pragma once
// A small pull reader for the large parts of a workbook (the worksheet and the shared strings): it
// reads the file through a fixed buffer and reports start tags, end tags and text, so that no
// document tree is built. It checks what a well-formed document needs (matching tags, quoted
// attributes, known entities, one root) and stops with an error on anything else: markup is never
// repaired, and entities a DTD declares are never expanded.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QIODevice;

class XmlStream {
public:
    enum Event { StartElement, EndElement, Text, EndDocument, Error };

    // The longest single tag or text run accepted; a larger one is an error.
    static constexpr std::size_t kMaxToken = std::size_t(32) << 20;

    explicit XmlStream(QIODevice &in);

    Event next();

    // StartElement and EndElement: the element's name without its prefix. Valid until next().
    std::string_view localName() const { return m_local; }
    // StartElement: the raw value of the attribute with this local name, entities not decoded;
    // whether there is one.
    bool rawAttribute(std::string_view local, std::string_view &value) const;
    // The decoded value of the attribute; empty when absent. Decoding errors end the document.
    std::string attribute(std::string_view local);
    // Text: appends the decoded text (entities, character references and line ends).
    bool appendText(std::string &out);
    // Number of elements open around the current event (the start tag's own element included).
    int depth() const { return int(m_stack.size()); }

    const QString &errorString() const { return m_error; }

private:
    struct Attr {
        std::size_t nameBegin, nameLen, valueBegin, valueLen;
    };

    bool fill();                      // reads more, keeping [m_pos, m_end); false at the end of input
    bool need(std::size_t count);     // at least count bytes from m_pos, if the input has them
    // The offset (from m_pos) of pattern at or after from, reading more as needed; npos if absent.
    std::size_t find(std::string_view pattern, std::size_t from);
    Event fail(const char *what);
    Event startTag();
    Event endTag();
    bool skipMarkup();                // comment, processing instruction, DOCTYPE; false on error
    bool decode(std::string &out, const char *begin, const char *end, bool attribute);

    QIODevice &m_in;
    std::vector<char> m_buf;
    std::size_t m_pos = 0, m_end = 0;
    bool m_eof = false;
    bool m_started = false;
    bool m_rootSeen = false;
    bool m_pendingEnd = false;
    bool m_cdata = false;
    std::vector<std::string> m_stack;
    std::vector<Attr> m_attrs;
    std::string m_local;
    std::size_t m_textBegin = 0, m_textLen = 0;
    QString m_error;
};
