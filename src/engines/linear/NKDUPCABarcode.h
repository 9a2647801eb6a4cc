#pragma once
// UPC-A: eleven data digits and a check digit, six on each side of the centre guard, all left-hand
// digits in odd parity.

#include "engines/linear/NKDAbstractUPCEANBarcode.h"

class NKDUPCABarcode : public NKDAbstractUPCEANBarcode {
public:
    // Eleven digits get their check digit; a twelfth digit is taken as the check digit.
    bool initWithContent(const QString &content, bool printsCaption) override;
    QString barcode() const override;
    // Computes only for exactly eleven digits.
    void generateChecksum() override;
    QString caption() const override;
    // Eleven or twelve digits whose check digit is the computed one.
    bool isContentValid() const override;
    QString className() const override { return QStringLiteral("NKDUPCABarcode"); }

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDUPCABarcode>(); }
};
