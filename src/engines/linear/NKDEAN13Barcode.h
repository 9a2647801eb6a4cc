#pragma once
// EAN-13: twelve data digits and a check digit; the first digit is carried by the odd/even parity
// mix of the six left-hand digits.

#include "engines/linear/NKDAbstractUPCEANBarcode.h"

class NKDEAN13Barcode : public NKDAbstractUPCEANBarcode {
public:
    // Twelve digits get their check digit; a thirteenth digit is taken as the check digit.
    bool initWithContent(const QString &content, bool printsCaption) override;
    QString barcode() const override;
    // Whether the left-hand digit at index (0 to 5, i.e. digits 2 to 7) takes odd parity (set A)
    // for the given leading digit; otherwise even parity (set B).
    bool _parityForSystemDigit(int systemDigit, int index) const;
    int digitsToRight() const override { return 0; }
    QString rightCaption() const override { return QString(); }
    QString caption() const override;
    // Computes only for exactly twelve digits.
    void generateChecksum() override;
    // Twelve or thirteen digits whose check digit is the computed one.
    bool isContentValid() const override;
    QString className() const override { return QStringLiteral("NKDEAN13Barcode"); }

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDEAN13Barcode>(); }
};
