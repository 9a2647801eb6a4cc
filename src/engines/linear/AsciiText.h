#pragma once
// Whether a text is 7-bit ASCII as typed. Symbologies that upper-case their content test the text
// before upper-casing, so that a character such as "ß" cannot turn into ASCII letters ("SS").

#include <QString>

#include <algorithm>

inline bool isAsciiText(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() <= 0x7F; });
}
