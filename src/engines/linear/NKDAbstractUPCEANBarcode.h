#pragma once
// What the UPC/EAN family shares: the left-hand odd-parity digit set, the normal guards, the side
// captions, the modulo-10 check digit, the lengthened guard bars and the room kept for side captions.

#include "engines/linear/NKDBarcode.h"

class NKDAbstractUPCEANBarcode : public NKDBarcode {
public:
    void calculateWidth() override;
    float firstBar() const override { return m_width * 0.1f; }
    QString _encodeChar(char c) const override;
    QString initiator() const override { return QStringLiteral("101"); }
    QString terminator() const override { return QStringLiteral("101"); }
    int digitsToLeft() const override { return 1; }
    int digitsToRight() const override { return 1; }
    float barBottom(int index) const override;
    // Computes the check digit over the whole content when it is all digits.
    void generateChecksum() override;
    QString rightCaption() const override;
    QString className() const override { return QStringLiteral("NKDAbstractUPCEANBarcode"); }

    // The check digit ("0" to "9") of a digit string: weights 3, 1, 3 ... from the rightmost digit.
    // 0 when the string is empty or holds anything but digits.
    static char checkDigitOf(const QByteArray &digits);
    static bool allDigits(const QByteArray &text);

    // Guard bars reach down to this many points above the bottom; data bars stop above the caption.
    static constexpr float kGuardBottom = 3.6f;

protected:
    // Whether the module at index (pattern length n) belongs to a lengthened guard.
    virtual bool isGuardModule(int index, int n) const;
    // The set A, B or C pattern of the digit at a content position; empty past the end.
    QString leftOddAt(const QByteArray &ascii, int position) const;
    QString leftEvenAt(const QByteArray &ascii, int position) const;
    QString rightAt(const QByteArray &ascii, int position) const;
    // The check digit as a one-character string; empty while there is none.
    QString checkDigitText() const;
    // The ASCII content; empty when it is not ASCII.
    QByteArray digits() const;
};
