#pragma once
// Codabar: digits and "-$:/.+", framed by start and stop characters. A content that begins and
// ends with one of "A" to "D" brings its own start and stop; otherwise the symbol is framed with
// "A" and "B". A wide element is two modules; characters are set apart by light modules.

#include "engines/linear/NKDBarcode.h"

class NKDCodabarBarcode : public NKDBarcode {
public:
    bool isContentValid() const override;
    QString _encodeChar(char c) const override;
    QString initiator() const override;
    QString terminator() const override;
    QString barcode() const override;
    QString className() const override { return QStringLiteral("NKDCodabarBarcode"); }

    // The character's modules with a light module on each side; empty for a character outside
    // the Codabar set ("A" to "D" included).
    static QString codabarPattern(char c);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDCodabarBarcode>(); }

private:
    // The content begins and ends with a start/stop character of its own.
    bool framedByContent(const QByteArray &ascii) const;
};
