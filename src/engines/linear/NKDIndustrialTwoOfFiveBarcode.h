#pragma once
// Industrial (standard) 2 of 5: every digit on its own, the information in the bar widths only;
// a narrow bar is one module, a wide bar three, each bar followed by a two-module space.

#include "engines/linear/NKDInterleavedTwoOfFiveBarcode.h"

class NKDIndustrialTwoOfFiveBarcode : public NKDInterleavedTwoOfFiveBarcode {
public:
    // Start: wide, wide, narrow bar; stop: wide, narrow, wide bar.
    QString initiator() const override { return QStringLiteral("1110011100100"); }
    QString terminator() const override { return QStringLiteral("11100100111"); }
    QString barcode() const override;
    QString className() const override { return QStringLiteral("NKDIndustrialTwoOfFiveBarcode"); }

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override
    {
        return std::make_unique<NKDIndustrialTwoOfFiveBarcode>();
    }
};
