#include "engines/linear/NKDBarcode.h"

#include "engines/QtTextMeasurer.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <vector>

namespace {

// The settings a model reads until its caller hands it the current ones.
const std::shared_ptr<const BarcodeSettings> &defaultSettings()
{
    static const std::shared_ptr<const BarcodeSettings> settings = std::make_shared<const BarcodeSettings>();
    return settings;
}

// Qt's cap height of a font: looking the font up costs more than a whole linear symbol's drawing,
// and a batch asks for the same few fonts symbol after symbol, so each thread keeps its answers.
// Other measurers (tests install their own) are asked every time.
double capHeightOf(const QFont &font)
{
    const TextMeasurer &measurer = textMeasurer();
    if (!dynamic_cast<const QtTextMeasurer *>(&measurer))
        return measurer.capHeight(font);
    struct Known {
        QFont font;
        double cap;
    };
    thread_local std::vector<Known> known;
    for (const Known &k : known)
        if (k.font == font && k.font.pointSizeF() == font.pointSizeF() && k.font.pixelSize() == font.pixelSize())
            return k.cap;
    const double cap = measurer.capHeight(font);
    if (known.size() >= 16)
        known.erase(known.begin());
    known.push_back({font, cap});
    return cap;
}

// A band is the font's cap height plus a third of a line's breathing space, in inches.
float bandHeightInches(const QFont &font)
{
    const double cap = capHeightOf(font);
    return float(cap / 72.0 + 0.35 * cap / 72.0);
}

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() <= 0x7F; });
}

// Coded objects are read back by later builds: pin the stream format.
constexpr QDataStream::Version kCoderVersion = QDataStream::Qt_6_0;

} // namespace

NKDBarcode::NKDBarcode() = default;

NKDBarcode::~NKDBarcode() = default;

bool NKDBarcode::initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(
    const QString &content, bool printsCaption, float barWidth, float height, float fontSize, char checkDigit)
{
    // Bar width, height and font size are the caller's to set afterwards; they are not kept here.
    Q_UNUSED(barWidth);
    Q_UNUSED(height);
    Q_UNUSED(fontSize);
    if (content.isNull())
        return false;
    setContent(content);
    setPrintsCaption(printsCaption);
    calculateWidth();
    setCheckDigit(checkDigit);
    return true;
}

bool NKDBarcode::initWithContent(const QString &content, bool printsCaption)
{
    if (content.isNull() || !isAscii(content))
        return false;
    return initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(content, printsCaption, 0, 0, 0,
                                                                                          char(-1));
}

void NKDBarcode::setSettings(std::shared_ptr<const BarcodeSettings> settings)
{
    m_settings = std::move(settings);
}

const BarcodeSettings &NKDBarcode::settings() const
{
    return m_settings ? *m_settings : *defaultSettings();
}

void NKDBarcode::setCheckDigit(char c)
{
    m_checkDigit = (c == char(-1)) ? char(0) : c;
}

void NKDBarcode::setCaptionFontSize(float size)
{
    m_captionFontSize = size;
    // The caption band follows the caption font's own cap height, not the size asked for.
    m_captionHeight = bandHeightInches(settings().value_font);
}

void NKDBarcode::setHeaderFontSize(float size)
{
    m_headerFontSize = size;
    const QFont &font = settings().header_font;
    m_headerHeight = bandHeightInches(font);
    m_headerWidth = float(textMeasurer().textSize(header(), font, kHeaderFooterKerning).width());
}

void NKDBarcode::setFooterFontSize(float size)
{
    m_footerFontSize = size;
    const QFont &font = settings().footer_font;
    m_footerHeight = bandHeightInches(font);
    m_footerWidth = float(textMeasurer().textSize(footer(), font, kHeaderFooterKerning).width());
}

QString NKDBarcode::description() const
{
    return QStringLiteral("\n\tBarcode Class: %1\n\tContent: %2\n\tCheck Digit:%3\n\tWidth:%4\n\tHeight:%5"
                          "\n\tBar Width:%6\n\tCaption Font Size:%7\n\tCaption Height:%8")
        .arg(className(), m_content, QString(QChar::fromLatin1(m_checkDigit)))
        .arg(double(m_width), 0, 'f', 6)
        .arg(double(m_height), 0, 'f', 6)
        .arg(double(m_barWidth), 0, 'f', 6)
        .arg(double(m_captionFontSize), 0, 'f', 6)
        .arg(double(m_captionHeight), 0, 'f', 6);
}

std::unique_ptr<NKDBarcode> NKDBarcode::copy() const
{
    std::unique_ptr<NKDBarcode> twin = newInstance();
    twin->m_settings = m_settings;
    if (!twin->initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(
            m_content, m_printsCaption, m_barWidth, m_height, m_captionFontSize, m_checkDigit))
        return nullptr;
    // The initializer leaves size and module width to its caller; a copy must keep them, else it
    // would be drawn zero wide.
    twin->m_barWidth = m_barWidth;
    twin->m_height = m_height;
    twin->m_captionFontSize = m_captionFontSize;
    twin->m_captionHeight = m_captionHeight;
    copyStateInto(*twin);
    twin->calculateWidth();
    return twin;
}

QByteArray NKDBarcode::encodeWithCoder() const
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(kCoderVersion);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out << m_content << qint8(m_printsCaption ? 1 : 0) << m_barWidth << m_width << m_height << m_captionFontSize
        << m_captionHeight << qint8(m_checkDigit);
    return data;
}

bool NKDBarcode::initWithCoder(const QByteArray &data)
{
    QDataStream in(data);
    in.setVersion(kCoderVersion);
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    QString content;
    qint8 printsCaption = 0;
    qint8 checkDigit = 0;
    float barWidth = 0, width = 0, height = 0, captionFontSize = 0, captionHeight = 0;
    in >> content >> printsCaption >> barWidth >> width >> height >> captionFontSize >> captionHeight >> checkDigit;
    if (in.status() != QDataStream::Ok)
        return false;
    setContent(content);
    m_printsCaption = printsCaption != 0;
    m_barWidth = barWidth;
    m_width = width;
    m_height = height;
    m_captionFontSize = captionFontSize;
    m_captionHeight = captionHeight;
    m_checkDigit = char(checkDigit);
    return true;
}

bool NKDBarcode::asciiContent(QByteArray &out) const
{
    out.clear();
    if (!isAscii(m_content))
        return false;
    out = m_content.toLatin1();
    return true;
}

bool NKDBarcode::isContentValid() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return false;
    for (const char c : ascii) {
        if (_encodeChar(c).isEmpty())
            return false;
    }
    return true;
}

QString NKDBarcode::_encodeChar(char c) const
{
    Q_UNUSED(c);
    return QStringLiteral("1010");
}

QString NKDBarcode::barcode() const
{
    QByteArray ascii;
    if (!asciiContent(ascii))
        return QString();
    QString pattern;
    for (const char c : ascii)
        pattern += _encodeChar(c);
    if (m_checkDigit != char(-1))
        pattern += _encodeChar(m_checkDigit);
    return pattern;
}

QString NKDBarcode::completeBarcode() const
{
    return initiator() + barcode() + terminator();
}

void NKDBarcode::calculateWidth()
{
    m_width = float(completeBarcode().size()) * m_barWidth;
}

QString NKDBarcode::leftCaption() const
{
    return m_content.left(std::max(0, digitsToLeft()));
}

QString NKDBarcode::rightCaption() const
{
    return m_content.right(std::max(0, digitsToRight()));
}

QString NKDBarcode::caption() const
{
    const int left = std::max(0, digitsToLeft());
    const int right = std::max(0, digitsToRight());
    if (left == 0 && right == 0)
        return m_content;
    const qsizetype middle = m_content.size() - left - right;
    if (middle <= 0)
        return QString();
    return m_content.mid(left, middle);
}

float NKDBarcode::barTop(int index) const
{
    Q_UNUSED(index);
    const BarcodeSettings &s = settings();
    double top = m_height;
    if (m_printsCaption)
        top -= double(m_captionHeight) * 72.0 + s.value_margin;
    if (m_printsHeader)
        top -= double(m_headerHeight) * 72.0 + s.header_margin;
    if (m_printsFooter)
        top -= double(m_footerHeight) * 72.0 + s.footer_margin;
    top -= 2.0 * s.TB_margin;
    return float(top);
}

float NKDBarcode::barBottom(int index) const
{
    Q_UNUSED(index);
    double bottom = 0;
    if (m_printsCaption)
        bottom += double(m_captionHeight) * 72.0;
    if (m_printsHeader)
        bottom += double(m_headerHeight) * 72.0;
    if (m_printsFooter)
        bottom += double(m_footerHeight) * 72.0;
    return float(bottom);
}
