#pragma once
// UPC-E: a zero-suppressed UPC-A number written as its number system (0 or 1) and six digits; the
// check digit is the UPC-A number's, carried by the parity mix of the six digits.

#include "engines/linear/NKDUPCABarcode.h"

class NKDUPCEBarcode : public NKDUPCABarcode {
public:
    bool initWithContent(const QString &content, bool printsCaption) override;
    // The UPC-A check digit of the number the content stands for.
    void generateChecksum() override;
    QString barcode() const override;
    // The parity of the six digits ("O" set A, "E" set B) for a check digit, in the content's number
    // system: number system 1 takes the complement of number system 0.
    QString parityForDigit(char checkDigit) const;
    QString terminator() const override { return QStringLiteral("010101"); }
    // Seven digits, the first "0" or "1".
    bool isContentValid() const override;
    QString caption() const override;
    QString className() const override { return QStringLiteral("NKDUPCEBarcode"); }

    // The eleven-digit UPC-A number a seven-digit content stands for; empty for any other content.
    static QString upcaNumberOf(const QString &content);

protected:
    bool isGuardModule(int index, int n) const override;
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDUPCEBarcode>(); }
};
