#include "engines/linear/JapanPostBarcode.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Bars of the code characters indexed by character code minus that of "-" ("-", ".", "/", "0".."9",
// ":", ";", "<", "=", ">", "?"), T tracker, D descender, A ascender, F full.
constexpr std::array<const char *, 19> numberCodesOfJapan = {
    "TFT", "TTF", "FFF", "FTT", "FFT", "FDA", "DFA", "FAD", "FTF", "DAF", "AFD", "ADF", "TFF",
    "DAT", "DTA", "ADT", "TDA", "ATD", "TAD",
};

// Check values of the code characters, in the same order.
constexpr std::array<int, 19> kValues = {10, 17, 18, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};

// The character of each check value 0..18.
constexpr char kCheckChars[] = "0123456789-:;<=>?./";

constexpr uint16_t openBracket = 0x31;    // start code F D
constexpr uint16_t closeBracket = 0x13;   // stop code D F
constexpr double kMmPerPoint = 0.3527777777777777;
constexpr int kStartLength = 4;
constexpr int kCharacterModules = 6;

int tableIndex(char c)
{
    const int index = c - '-';
    return index >= 0 && index < int(numberCodesOfJapan.size()) ? index : -1;
}

int barValue(char bar)
{
    switch (bar) {
    case 'D':
        return 1;
    case 'A':
        return 2;
    case 'F':
        return 3;
    default:
        return 0;
    }
}

} // namespace

const QString JapanPostBarcode::barFormat = QStringLiteral("101010101010101010101010");

uint16_t japanpost_characterDescriptor(char c)
{
    const int index = tableIndex(c);
    if (index < 0)
        return 0;
    uint16_t descriptor = 0;
    for (int bar = 0; bar < JapanPostBarcode::numberLength; ++bar)
        descriptor = uint16_t((descriptor << 4) | barValue(numberCodesOfJapan[size_t(index)][bar]));
    return descriptor;
}

int japanpost_barDescriptor(uint16_t descriptor, int position, int barsPerCharacter)
{
    return (descriptor >> ((barsPerCharacter - 1 - position / 2) * 4)) & 0xF;
}

double japanpost_barTop(int barValue, double size)
{
    return ((barValue & 2) ? 3.6 : 2.4) * size / 10.0;
}

double japanpost_barBottom(int barValue, double size)
{
    return ((barValue & 1) ? 0.0 : 1.2) * size / 10.0;
}

JapanPostBarcode::Conversion JapanPostBarcode::convert(const QString &text)
{
    Conversion result;
    std::vector<int> lastCode;   // per readable character: the index of its last code character
    for (const QChar qc : text.toUpper()) {
        const char16_t u = qc.unicode();
        if (u >= 'A' && u <= 'Z') {
            const int offset = u - 'A';
            const char shift = offset < 10 ? ':' : offset < 20 ? ';' : '<';
            result.codes += QLatin1Char(shift);
            result.codes += QLatin1Char(char('0' + offset % 10));
        } else if ((u >= '0' && u <= '9') || u == '-') {
            result.codes += qc;
        } else {
            continue;
        }
        result.readable += qc;
        lastCode.push_back(int(result.codes.size()) - 1);
    }
    if (result.codes.size() > kCodeLength) {
        result.codes.truncate(kCodeLength);
        // Keep the readable characters whose code characters were kept whole; a shift code left
        // alone in the last place stays in the code.
        qsizetype kept = 0;
        while (kept < qsizetype(lastCode.size()) && lastCode[size_t(kept)] < kCodeLength)
            ++kept;
        result.readable.truncate(kept);
    } else {
        result.codes = result.codes.leftJustified(kCodeLength, QLatin1Char('='));
    }
    return result;
}

char JapanPostBarcode::checkCharacter(const QString &codes)
{
    int sum = 0;
    for (const QChar qc : codes) {
        const int index = tableIndex(qc.toLatin1());
        if (index >= 0)
            sum += kValues[size_t(index)];
    }
    return kCheckChars[(19 - sum % 19) % 19];
}

bool JapanPostBarcode::initWithContent(const QString &content, bool printsCaption)
{
    Q_UNUSED(printsCaption);   // the caller sets the caption flag afterwards
    if (!NKDBarcode::initWithContent(content, false))
        return false;
    setContent(content);
    setJapanPostSize(10.0f);
    setHeight(0);   // the lowest picture that holds the bars
    return true;
}

void JapanPostBarcode::setContent(const QString &content)
{
    const Conversion c = convert(content);
    m_japanpostContents = c.codes;
    m_content = c.readable;
    m_contentOfCodes = c.readable;
    generateChecksum();
}

void JapanPostBarcode::setHeight(float h)
{
    m_height = std::max(h, minimumHeight());
}

void JapanPostBarcode::setBarWidth(float w)
{
    m_barWidth = w;
    calculateWidth();
}

void JapanPostBarcode::setJapanPostSize(float size)
{
    m_barWidth = std::clamp(size, 8.5f, 11.5f) / 6.0f;
    calculateWidth();
}

float JapanPostBarcode::minimumHeight() const
{
    // The base extent is the height less the printed bands and margins.
    const double bands = double(m_height) - double(NKDBarcode::barTop(0));
    const double longBar = japanpost_barTop(3, japanPostSize()) / kMmPerPoint;
    return float(longBar + bands);
}

void JapanPostBarcode::calculateWidth()
{
    // The module width may have been set through the base class: bring it into range here, where
    // every caller passes before drawing, and make room for the bars.
    m_barWidth = std::clamp(m_barWidth, kMinBarWidth, kMaxBarWidth);
    m_width = float(double(completeBarcode().size()) * double(m_barWidth));
    m_height = std::max(m_height, minimumHeight());
}

void JapanPostBarcode::generateChecksum()
{
    setCheckDigit(checkCharacter(currentCodes()));
}

bool JapanPostBarcode::isContentValid() const
{
    if (m_content.size() < 7)
        return false;
    for (int i = 0; i < 7; ++i) {
        const char16_t u = m_content.at(i).unicode();
        if (u < '0' || u > '9')
            return false;
    }
    return true;
}

QString JapanPostBarcode::currentCodes() const
{
    if (m_content == m_contentOfCodes && m_japanpostContents.size() == kCodeLength)
        return m_japanpostContents;
    return convert(m_content).codes;
}

char JapanPostBarcode::currentCheck() const
{
    if (m_content == m_contentOfCodes && m_japanpostContents.size() == kCodeLength)
        return m_checkDigit;
    return checkCharacter(currentCodes());
}

QString JapanPostBarcode::_encodeChar(char c) const
{
    Q_UNUSED(c);
    return barFormat.left(kCharacterModules);
}

QString JapanPostBarcode::barcode() const
{
    const QString codes = currentCodes();
    QString pattern;
    for (const QChar qc : codes)
        pattern += _encodeChar(qc.toLatin1());
    if (m_checkDigit != char(-1))
        pattern += _encodeChar(currentCheck());
    return pattern;
}

int JapanPostBarcode::_barDescriptor(int index) const
{
    if (index < kStartLength)
        return japanpost_barDescriptor(openBracket, index % kStartLength, openBracketLength);
    const int dataModules = (kCodeLength + 1) * kCharacterModules;
    if (index < kStartLength + dataModules) {
        const int c = (index - kStartLength) / kCharacterModules;
        const char ch = c == kCodeLength ? currentCheck() : currentCodes().at(c).toLatin1();
        return japanpost_barDescriptor(japanpost_characterDescriptor(ch), (index - kStartLength) % kCharacterModules,
                                       numberLength);
    }
    return japanpost_barDescriptor(closeBracket, (index - kStartLength - dataModules) % 3, closeBracketLength);
}

float JapanPostBarcode::barTop(int index) const
{
    return float(japanpost_barTop(_barDescriptor(index), japanPostSize()) / kMmPerPoint);
}

float JapanPostBarcode::barBottom(int index) const
{
    return float(japanpost_barBottom(_barDescriptor(index), japanPostSize()) / kMmPerPoint);
}

std::unique_ptr<NKDBarcode> JapanPostBarcode::newInstance() const
{
    // A copy is made through the designated initializer with the readable content; the code
    // characters (which may end in a lone shift code) come along as they are.
    auto twin = std::make_unique<JapanPostBarcode>();
    twin->m_japanpostContents = m_japanpostContents;
    twin->m_contentOfCodes = m_contentOfCodes;
    return twin;
}
