// The plain text of RTF documents: breaks, tabs, skipped destinations, code pages, Unicode with its
// fallback characters, escapes, and broken documents.

#include "platform/RtfText.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

using platform::rtfPlainText;

TEST(RtfText, ParagraphsLinesAndTabsBecomeLineFeedsAndTabs)
{
    EXPECT_EQ(rtfPlainText("{\\rtf1\\ansi A\\tab 5\\par B\\tab 7\\par}"), "A\t5\nB\t7\n");
    EXPECT_EQ(rtfPlainText("{\\rtf1 one\\line two\\\ntwo and a half\\\rthree}"), "one\ntwo\ntwo and a half\nthree");
    // Line ends in the source are no text; the space after a control word belongs to it.
    EXPECT_EQ(rtfPlainText("{\\rtf1 a\r\nb\\b bold\\b0  c}"), "abbold c");
    EXPECT_EQ(rtfPlainText("{\\rtf1 x\\fs24{\\i y}z}"), "xyz");
}

TEST(RtfText, TablesInformationPicturesAndStarredDestinationsAreLeftOut)
{
    const QByteArray doc = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Helvetica;}{\\f1 Times;}}"
                           "{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
                           "{\\info{\\title Secret}{\\author Someone}}"
                           "{\\*\\generator Writer 1.0;}{\\*\\expandedcolortbl;;}"
                           "\\pard Value{\\pict\\pngblip 89504e47}\\par"
                           "{\\*\\unknowndest text to skip {\\nested too}}After}";
    EXPECT_EQ(rtfPlainText(doc), "Value\nAfter");
}

TEST(RtfText, HexEscapesFollowTheAnsiCodePage)
{
    // 1252 by default: 0x80 is the euro sign, 0xE9 é.
    EXPECT_EQ(rtfPlainText("{\\rtf1 caf\\'e9 \\'80}"), QString::fromUtf8("café €"));
    EXPECT_EQ(rtfPlainText("{\\rtf1\\ansi\\ansicpg1252 \\'93q\\'94}"), QString::fromUtf8("“q”"));
    // Another code page where the platform has it; Latin-1 is the floor.
    const QString cyrillic = rtfPlainText("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}");
    EXPECT_TRUE(cyrillic == QString::fromUtf8("Аб") || cyrillic == QString::fromLatin1("\xc0\xe1")) << cyrillic.toStdString();
}

TEST(RtfText, UnicodeEscapesSkipTheirFallbackCharacters)
{
    EXPECT_EQ(rtfPlainText("{\\rtf1 \\u8364?x}"), QString::fromUtf8("€x"));
    EXPECT_EQ(rtfPlainText("{\\rtf1\\uc2 \\u955\\'6c\\'6dy}"), QString::fromUtf8("λy"));
    EXPECT_EQ(rtfPlainText("{\\rtf1\\uc0 \\u955 y}"), QString::fromUtf8("λy"));
    EXPECT_EQ(rtfPlainText("{\\rtf1 \\u-3913?}"), QString(QChar(char16_t(65536 - 3913))));
    // A surrogate pair written as two escapes.
    EXPECT_EQ(rtfPlainText("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUtf8("😀"));
    // \uc inside a group ends with the group.
    EXPECT_EQ(rtfPlainText("{\\rtf1 {\\uc3 \\u955abc}\\u955?d}"), QString::fromUtf8("λλd"));
}

TEST(RtfText, EscapedCharactersAreText)
{
    EXPECT_EQ(rtfPlainText("{\\rtf1 \\{a\\}\\\\b\\~c\\-d\\_e}"), QString::fromUtf8("{a}\\b\u00a0cd-e"));
}

TEST(RtfText, BrokenDocumentsGiveTheirTextSoFar)
{
    EXPECT_EQ(rtfPlainText("{\\rtf1 unfinished \\par more"), "unfinished \nmore");
    EXPECT_EQ(rtfPlainText("{\\rtf1 a}}b"), "a");
    EXPECT_EQ(rtfPlainText("{\\rtf1 a\\'4"), "a");
    EXPECT_EQ(rtfPlainText("{\\rtf1 a\\"), "a");
    EXPECT_EQ(rtfPlainText(QByteArray()), "");
    EXPECT_EQ(rtfPlainText(QByteArray(100000, '{') + "deep"), "");
    // \bin data is skipped by its length, even when it holds braces.
    EXPECT_EQ(rtfPlainText("{\\rtf1 a{\\*\\blob\\bin3 }{}}b}"), "ab");
}
