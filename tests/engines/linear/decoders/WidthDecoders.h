#pragma once
// Readers for the width-coded symbols zxing-cpp does not read (Industrial 2 of 5, Modified Plessey).
// They scan the middle row of a drawn symbol, measure bars and spaces against the narrowest one
// and decode with the published character rules.

#include <QImage>
#include <QString>

namespace lineartest {

struct WidthRead {
    bool ok = false;
    QString data;    // without the check digit
    QChar check;     // Modified Plessey: the check digit the symbol carries
    QString error;
};

// Industrial 2 of 5: only bar widths count; start wide, wide, narrow; stop wide, narrow, wide.
WidthRead readIndustrialTwoOfFive(const QImage &image);
// Modified Plessey: three-module bits for digits ("100" 0, "110" 1, most significant first) and,
// with hex, four-module bits for the letters A to F ("1000" 0, "1110" 1, least significant first).
WidthRead readModifiedPlessey(const QImage &image);

} // namespace lineartest
