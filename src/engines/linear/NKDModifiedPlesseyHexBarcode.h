#pragma once
// Modified Plessey with the hex letters "A" to "F": a letter is four bits, least significant
// first, each bit four modules ("1000" for 0, "1110" for 1); digits and the check digit are those
// of Modified Plessey.

#include "engines/linear/NKDModifiedPlesseyBarcode.h"

class NKDModifiedPlesseyHexBarcode : public NKDModifiedPlesseyBarcode {
public:
    QString _encodeChar(char c) const override;
    QString className() const override { return QStringLiteral("NKDModifiedPlesseyHexBarcode"); }

    // The 16-module pattern of "A" to "F"; empty for any other character.
    static QString letterPattern(char c);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override
    {
        return std::make_unique<NKDModifiedPlesseyHexBarcode>();
    }
    bool isContentChar(char c) const override { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
};
