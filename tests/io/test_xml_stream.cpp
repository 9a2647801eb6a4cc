// The pull reader of the large workbook parts: its events, what it decodes, and the markup it
// refuses instead of repairing.

#include "io/XmlStream.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

// The events of a document as text: "<name" for a start tag, ">name" for an end tag, "'text'" for
// text, "!" for an error; attributes a and b of start tags as "name[a=..,b=..]".
std::string events(const QByteArray &xml)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    XmlStream stream(buffer);
    std::string out;
    for (;;) {
        const XmlStream::Event e = stream.next();
        if (e == XmlStream::EndDocument)
            return out;
        if (e == XmlStream::Error)
            return out + "!";
        if (e == XmlStream::StartElement) {
            out += "<" + std::string(stream.localName());
            const std::string a = stream.attribute("a"), b = stream.attribute("b");
            if (!a.empty() || !b.empty())
                out += "[a=" + a + ",b=" + b + "]";
        } else if (e == XmlStream::EndElement) {
            out += ">" + std::string(stream.localName());
        } else {
            std::string text;
            if (!stream.appendText(text))
                return out + "!";
            out += "'" + text + "'";
        }
    }
}

} // namespace

TEST(XmlStream, ReportsTagsTextAndAttributesByLocalName)
{
    EXPECT_EQ(events("<?xml version=\"1.0\"?>\n<x:r xmlns:x=\"u\"><x:c a=\"1\" b='2'>t</x:c><e/><!-- c --><?pi?></x:r>\n"),
              "<r<c[a=1,b=2]'t'>c<e>e>r");
    EXPECT_EQ(events("\xEF\xBB\xBF<r a = \"x&gt;y\" >v</r >"), "<r[a=x>y,b=]'v'>r");
    EXPECT_EQ(events("<r><![CDATA[<raw> & ]]></r>"), "<r'<raw> & '>r");
}

TEST(XmlStream, DecodesReferencesAndLineEnds)
{
    EXPECT_EQ(events("<r>&lt;&gt;&amp;&quot;&apos;&#65;&#x42;&#x1F600;</r>"), "<r'<>&\"'AB\xF0\x9F\x98\x80'>r");
    EXPECT_EQ(events("<r>a\r\nb\rc</r>"), "<r'a\nb\nc'>r");
    EXPECT_EQ(events("<r a=\"x\ty\nz\"/>"), "<r[a=x y z,b=]>r");
    EXPECT_EQ(events("<r>&#13;</r>"), "<r'\r'>r");
}

TEST(XmlStream, RefusesMalformedMarkup)
{
    for (const char *bad : {"<r><c></r></c>", "<r>", "<r></r><r></r>", "text<r/>", "<r a=1/>", "<r a=\"<\"/>",
                            "<r>&unknown;</r>", "<r>&#0;</r>", "<r>&#xD800;</r>", "<r>& </r>", "<r a=\"1\"b=\"2\"/>",
                            "", "<!-- only a comment -->", "<r><!-- open </r>", "<r><![CDATA[ open</r>", "< r/>",
                            "<r/ >"}) {
        SCOPED_TRACE(bad);
        const std::string got = events(QByteArray(bad));
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back(), '!');
    }
    // UTF-16 parts are not read.
    EXPECT_EQ(events(QByteArray("\xFF\xFE<\0r\0/\0>\0", 10)), "!");
}

TEST(XmlStream, SkipsADoctypeWithoutExpandingItsEntities)
{
    EXPECT_EQ(events("<!DOCTYPE r [<!ENTITY e \"]>\"><!ELEMENT r ANY>]><r>x</r>"), "<r'x'>r");
    EXPECT_EQ(events("<!DOCTYPE r [<!ENTITY e \"boom\">]><r>&e;</r>"), "<r!");
}

TEST(XmlStream, TokensAcrossItsBufferAndBeyondItsLimit)
{
    // A text and a tag far longer than one read.
    const QByteArray longText(3 << 20, 'x');
    QByteArray attrs;
    for (int i = 0; i < 20000; ++i)
        attrs += " n" + QByteArray::number(i) + "=\"v\"";
    const std::string got = events("<r><c" + attrs + " a=\"end\">" + longText + "</c></r>");
    EXPECT_TRUE(got == "<r<c[a=end,b=]'" + longText.toStdString() + "'>c>r") << got.substr(0, 80);
    // A single text past the limit is refused rather than held.
    const QByteArray tooLong(XmlStream::kMaxToken + 10, 'y');
    const std::string refused = events("<r>" + tooLong + "</r>");
    EXPECT_TRUE(refused == "<r!") << refused.substr(0, 80);
}
