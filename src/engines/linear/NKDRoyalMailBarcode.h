#pragma once
// Royal Mail 4-state customer code (RM4SCC / CBC): four bars per character, each a tracker,
// descender, ascender or full bar, between an ascender start bar and a full stop bar, with a check
// character from the row and column sums of the characters.

#include "engines/linear/NKDBarcode.h"

#include <cstdint>

// Descriptor arithmetic of the 4-state codes. A bar value has bit 1 set when the bar reaches the
// top part and bit 0 when it reaches the bottom part: 0 tracker, 1 descender, 2 ascender, 3 full.
uint16_t royalmail_characterDescriptor(char c);
int royalmail_barDescriptor(uint16_t descriptor, int position);
double royalmail_barTop(int barValue);      // mm
double royalmail_barBottom(int barValue);   // mm
int royalmail_collapseAscenders(uint16_t descriptor);
int royalmail_collapseDescenders(uint16_t descriptor);

class NKDRoyalMailBarcode : public NKDBarcode {
public:
    bool initWithContent(const QString &content, bool printsCaption) override;
    bool isContentValid() const override;
    void generateChecksum() override;
    QString _encodeChar(char c) const override;
    QString initiator() const override { return QStringLiteral("10"); }
    QString terminator() const override { return QStringLiteral("1"); }
    float barTop(int index) const override;
    float barBottom(int index) const override;
    bool isFourState() const override { return true; }
    QString className() const override { return QStringLiteral("NKDRoyalMailBarcode"); }

    // The 4-state value of the bar at a module index of the complete pattern.
    int _barDescriptor(int index) const;

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<NKDRoyalMailBarcode>(); }
};
