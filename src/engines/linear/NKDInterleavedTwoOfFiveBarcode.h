#pragma once
// Interleaved 2 of 5 (ISO/IEC 16390): digits in pairs, the first of a pair in the bars and the
// second in the spaces; a wide element is three modules. An odd count gets a leading "0".

#include "engines/linear/NKDBarcode.h"

class NKDInterleavedTwoOfFiveBarcode : public NKDBarcode {
public:
    bool isContentValid() const override;
    QString _encodeChar(char c) const override;
    QString initiator() const override { return QStringLiteral("1010"); }
    QString terminator() const override { return QStringLiteral("11101"); }
    QString barcode() const override;
    QString className() const override { return QStringLiteral("NKDInterleavedTwoOfFiveBarcode"); }

    // The five elements of a digit, "N" narrow and "W" wide; "NNNNN" for any other character.
    static const char *twoOfFiveElements(char c);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override
    {
        return std::make_unique<NKDInterleavedTwoOfFiveBarcode>();
    }
};
