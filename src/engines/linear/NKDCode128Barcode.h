#pragma once
// Code 128 (ISO/IEC 15417) with one code set for the whole symbol: A, B, C, or one chosen from the
// content when the object is constructed. The check character is kept as its raw symbol value.

#include "engines/linear/NKDBarcode.h"

#include <vector>

class NKDCode128Barcode : public NKDBarcode {
public:
    enum CodeSet { SetA = 0, SetB = 1, SetC = 2, Automatic = 3 };

    // Must be called before construction; a new object starts in set A.
    void setCodeSet(int codeSet) { m_codeSet = codeSet; }
    int codeSet() const { return m_codeSet; }

    bool initWithContent(const QString &content, bool printsCaption) override;
    bool isContentValid() const override;
    void generateChecksum() override;
    QString _encodeChar(char c) const override;
    QString initiator() const override;
    QString terminator() const override;
    QString barcode() const override;
    QString className() const override { return QStringLiteral("NKDCode128Barcode"); }

    // The 11-module pattern of a symbol value 0..105, the empty string outside it.
    static QString patternForValue(int value);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override;

private:
    // The symbol values of the content (without start and check), or false when a character has
    // no value in the symbol's code set.
    bool symbolValues(std::vector<int> &values) const;
    int startValue() const;
    void chooseCodeSet(const QByteArray &ascii);

    int m_codeSet = SetA;
    // Set by the automatic choice for an odd count of digits: the first digit goes in set B and the
    // rest in pairs after a change to set C, so that no digit is added to the number.
    bool m_leadingDigitInB = false;
};
