#pragma once
// Code 39 (ISO/IEC 16388): upper-case letters, digits and seven signs, framed by "*", no check
// character. A wide element is two modules; every character is followed by a one-module gap.

#include "engines/linear/NKDBarcode.h"

class NKDCode39Barcode : public NKDBarcode {
public:
    bool initWithContent(const QString &content, bool printsCaption) override;
    bool isContentValid() const override;
    QString _encodeChar(char c) const override;
    QString initiator() const override;
    QString terminator() const override;
    QString className() const override { return QStringLiteral("NKDCode39Barcode"); }

    // The 13-module pattern (12 modules and the gap) of a character of the Code 39 set, including
    // "*"; the empty string for any other character.
    static QString code39Pattern(char c);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDCode39Barcode>(); }
};
