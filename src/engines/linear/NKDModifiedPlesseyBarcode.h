#pragma once
// Modified Plessey (MSI): every digit as four bits, most significant first, each bit three modules
// ("100" for 0, "110" for 1), followed by a modulo 10 check digit.

#include "engines/linear/NKDBarcode.h"

class NKDModifiedPlesseyBarcode : public NKDBarcode {
public:
    bool initWithContent(const QString &content, bool printsCaption) override;
    bool isContentValid() const override;
    void generateChecksum() override;
    QString _encodeChar(char c) const override;
    QString initiator() const override { return QStringLiteral("110"); }
    QString terminator() const override { return QStringLiteral("1001"); }
    QString className() const override { return QStringLiteral("NKDModifiedPlesseyBarcode"); }

    // The 12-module pattern of a digit character, or of a raw number 0..9 (the check character).
    static QString digitPattern(char c);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDModifiedPlesseyBarcode>(); }
    // The characters a content may hold.
    virtual bool isContentChar(char c) const { return c >= '0' && c <= '9'; }
};
