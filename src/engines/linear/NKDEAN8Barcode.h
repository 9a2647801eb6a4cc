#pragma once
// EAN-8: seven data digits and a check digit, four digits on each side of the centre guard.

#include "engines/linear/NKDEAN13Barcode.h"

class NKDEAN8Barcode : public NKDEAN13Barcode {
public:
    // Seven digits get their check digit; with eight the last is taken as the check digit and cut
    // from the content.
    bool initWithContent(const QString &content, bool printsCaption) override;
    QString barcode() const override;
    QString caption() const override;
    // Seven digits whose check digit is the computed one.
    bool isContentValid() const override;
    // Computes only for exactly seven digits.
    void generateChecksum() override;
    int digitsToLeft() const override { return 0; }
    int digitsToRight() const override { return 0; }
    QString className() const override { return QStringLiteral("NKDEAN8Barcode"); }

protected:
    bool isGuardModule(int index, int n) const override;
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDEAN8Barcode>(); }
};
