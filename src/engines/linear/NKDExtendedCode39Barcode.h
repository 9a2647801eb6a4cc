#pragma once
// Extended Code 39: printable ASCII (and tab and line feed) through the full-ASCII pairs of
// ISO/IEC 16388; the caption keeps the text as typed.

#include "engines/linear/NKDCode39Barcode.h"

class NKDExtendedCode39Barcode : public NKDCode39Barcode {
public:
    bool initWithContent(const QString &content, bool printsCaption) override;
    bool isContentValid() const override;
    QString _encodeChar(char c) const override;
    QString className() const override { return QStringLiteral("NKDExtendedCode39Barcode"); }

    // The Code 39 characters that stand for c ("+A" for "a"); empty when c has none here.
    static QByteArray fullAsciiPair(char c);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDExtendedCode39Barcode>(); }
};
