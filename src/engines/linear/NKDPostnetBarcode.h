#pragma once
// POSTNET: every digit as five bars of which two are tall, between two tall frame bars, with a
// modulo 10 check digit. The bars stand on the baseline and differ only in height.

#include "engines/linear/NKDBarcode.h"

class NKDPostnetBarcode : public NKDBarcode {
public:
    bool initWithContent(const QString &content, bool printsCaption) override;
    bool isContentValid() const override;
    void generateChecksum() override;
    QString _encodeChar(char c) const override;
    QString initiator() const override { return QStringLiteral("100"); }
    QString terminator() const override { return QStringLiteral("1"); }
    float barTop(int index) const override;
    QString className() const override { return QStringLiteral("NKDPostnetBarcode"); }

    // Height in inches of bar (1..5) of the digit at index k of the content, the check digit past
    // its end; 0 for a character that is not a digit.
    virtual double _heightForDigit(int digitIndex, int bar) const;

    static constexpr double kTallInches = 0.125;
    static constexpr double kShortInches = 0.05;
    static constexpr float kFrameBarPoints = 9.0f;

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDPostnetBarcode>(); }
};
