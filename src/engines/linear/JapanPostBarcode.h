#pragma once
// Japan Post customer barcode: a 7-digit postal code and address characters as 20 code characters
// (letters as a shift code and a digit, "=" as filler), a modulo 19 check character, start and stop
// codes; three 4-state bars per character.
//
// The symbol size (the long bar is 3.6 x size / 10 mm) is kept apart from the picture height: the
// size follows the module width (size = 6 x module width), and the picture is never made lower than
// the long bar plus the printed bands, so no bar is ever cut off.

#include "engines/linear/NKDBarcode.h"

#include <algorithm>
#include <cstdint>

// Descriptor arithmetic (see the Royal Mail code for the bar values).
uint16_t japanpost_characterDescriptor(char c);
int japanpost_barDescriptor(uint16_t descriptor, int position, int barsPerCharacter);
double japanpost_barTop(int barValue, double size);      // mm
double japanpost_barBottom(int barValue, double size);   // mm

class JapanPostBarcode : public NKDBarcode {
public:
    static constexpr int kCodeLength = 20;
    // Bars per code character, in the start code and in the stop code.
    static constexpr int numberLength = 3;
    static constexpr int openBracketLength = 2;
    static constexpr int closeBracketLength = 2;
    static constexpr float kMinBarWidth = 1.3333334f;   // size 8
    static constexpr float kMaxBarWidth = 1.9166666f;   // size 11.5
    static const QString barFormat;

    bool initWithContent(const QString &content, bool printsCaption) override;

    // Upper-cases the text, keeps what the code can carry and builds the code characters from it.
    void setContent(const QString &content) override;
    // The picture height in points, raised to what the bars and the printed bands need.
    void setHeight(float h) override;
    // The module width, kept within the sizes 8 to 11.5; the size follows it.
    void setBarWidth(float w) override;

    // The symbol size, 8 to 11.5.
    float japanPostSize() const { return 6.0f * std::clamp(m_barWidth, kMinBarWidth, kMaxBarWidth); }
    // Sets the size within 8.5 to 11.5 and the module width from it.
    void setJapanPostSize(float size);
    // Called by whatever needs the code characters themselves; only the tests read them yet.
    const QString &japanpostContents() const { return m_japanpostContents; }

    void calculateWidth() override;
    void generateChecksum() override;
    bool isContentValid() const override;
    QString barcode() const override;
    QString initiator() const override { return barFormat.left(4); }
    QString terminator() const override { return barFormat.left(3); }
    QString _encodeChar(char c) const override;
    float barTop(int index) const override;
    float barBottom(int index) const override;
    bool isFourState() const override { return true; }
    QString className() const override { return QStringLiteral("JapanPostBarcode"); }

    int _barDescriptor(int index) const;

    // The lowest picture height that shows the long bars whole beside the printed bands.
    float minimumHeight() const;

    // The code characters and the readable content that a text gives.
    struct Conversion {
        QString codes;
        QString readable;
    };
    static Conversion convert(const QString &text);
    // The check character of 20 code characters.
    static char checkCharacter(const QString &codes);

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override;

private:
    // The code characters of the current content, rebuilt when the content was set through the
    // base class; and the check character that goes with them.
    QString currentCodes() const;
    char currentCheck() const;

    QString m_japanpostContents;
    QString m_contentOfCodes;
    // A copy carries the same code characters, including a shift code whose letter was cut off.
    void copyStateInto(NKDBarcode &twin) const override;   // the readable content the code characters were built for
};
