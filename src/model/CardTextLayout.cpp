#include "model/CardTextLayout.h"

#include "platform/GlyphRaster.h"

#include <QImage>
#include <QPainter>
#include <QTextLine>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <limits>

namespace cardtext {

namespace {

// Text is laid out in points. Qt drops letter spacing for fonts prepared at 72 DPI, so the layout
// runs on a 96-DPI device with the font at three quarters of its size: one unit is one point.
QPaintDevice *referenceDevice()
{
    thread_local QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        img.setDotsPerMeterX(3780);   // 96 DPI
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return &device;
}

// Font engines make no glyphs for sizes under a pixel or two: smaller text is laid out this many
// times larger and drawn scaled down.
constexpr double kSmallestLaidOutPoints = 6.0;
// Tab stops every 28 points, the default interval of a text without tab settings.
constexpr double kTabStop = 28.0;
// A width no text reaches, for lines that break only where the text does.
constexpr double kUnlimited = 1.0e7;

double zoomFor(const QFont &font)
{
    const double size = font.pointSizeF();
    return size > 0 && size < kSmallestLaidOutPoints ? kSmallestLaidOutPoints / size : 1.0;
}

QFont layoutFont(const QFont &font, double zoom, double kerning)
{
    QFont f = font;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * zoom * 0.75);
    else if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * zoom))));
    // Unhinted outlines: advances must not snap to whole units of the size.
    f.setHintingPreference(QFont::PreferNoHinting);
    if (kerning != 0 && std::isfinite(kerning))
        f.setLetterSpacing(QFont::AbsoluteSpacing, kerning * zoom);
    return f;
}

// Every kind of line break becomes the line separator, which ends a line inside one layout.
QString withLineSeparators(QString text)
{
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    for (QChar &c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
            c == QChar(0x0085))
            c = QChar::LineSeparator;
    return text;
}

bool isBlankOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
}

} // namespace

Qt::Alignment alignmentOf(int code)
{
    switch (code) {
    case 0: return Qt::AlignLeft | Qt::AlignAbsolute;
    case 1: return Qt::AlignRight | Qt::AlignAbsolute;
    case 2: return Qt::AlignHCenter;
    case 3: return Qt::AlignJustify;
    default: return Qt::AlignLeading;
    }
}

QString transformCase(const QString &text, int code)
{
    switch (code) {
    case 1:
        return text.toUpper();
    case 2:
        return text.toLower();
    case 3: {
        QString out = text.toLower();
        bool wordStart = true;
        for (qsizetype i = 0; i < out.size(); ++i) {
            const QChar c = out.at(i);
            if (c.isSpace()) {
                wordStart = true;
                continue;
            }
            if (wordStart && !c.isLowSurrogate()) {
                const QString upper = QString(c).toUpper();
                if (upper.size() == 1)
                    out[i] = upper.at(0);
            }
            wordStart = false;
        }
        return out;
    }
    default:
        return text;
    }
}

QString trimmedForDrawing(const QString &text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && isBlankOrControl(text.at(start)))
        ++start;
    while (end > start && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

Layout::Layout(const QString &text, const QFont &font, double kerning, int alignmentCode)
    : m_zoom(zoomFor(font)), m_layout(withLineSeparators(text), layoutFont(font, m_zoom, kerning), referenceDevice())
{
    m_layout.setCacheEnabled(true);
    QTextOption option(alignmentOf(alignmentCode));
    option.setTabStopDistance(kTabStop * m_zoom);
    option.setUseDesignMetrics(true);
    // Words longer than the width break between characters.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (option.alignment() & Qt::AlignLeading)
        option.setTextDirection(m_layout.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    m_layout.setTextOption(option);
}

void Layout::layOutLines(double width, double maxHeight, bool wrap)
{
    QTextOption option = m_layout.textOption();
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    m_layout.setTextOption(option);
    m_layout.beginLayout();
    double y = 0;
    for (;;) {
        if (y >= maxHeight)
            break;
        QTextLine line = m_layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(std::max(0.0, width));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    m_layout.endLayout();
}

double Layout::unwrappedHeight()
{
    layOutLines(kUnlimited, std::numeric_limits<double>::infinity(), false);
    double height = 0;
    for (int i = 0; i < m_layout.lineCount(); ++i)
        height += m_layout.lineAt(i).height();
    return height / m_zoom;
}

QSizeF Layout::wrappedSize(double width)
{
    width = std::isfinite(width) ? std::max(0.0, width) : 0.0;
    layOutLines(width * m_zoom, std::numeric_limits<double>::infinity(), true);
    double widest = 0, height = 0;
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        widest = std::max(widest, line.naturalTextWidth());
        height += line.height();
    }
    return {std::min(widest / m_zoom, width), height / m_zoom};
}

void Layout::layOut(double width, double maxHeight)
{
    width = std::isfinite(width) ? std::max(0.0, width) : 0.0;
    maxHeight = std::isnan(maxHeight) ? 0.0 : maxHeight;
    layOutLines(width * m_zoom, maxHeight * m_zoom, true);
}

void Layout::draw(QPainter &painter, const QPointF &origin, const QColor &color) const
{
    painter.save();
    painter.translate(origin);
    if (m_zoom != 1.0)
        painter.scale(1.0 / m_zoom, 1.0 / m_zoom);
    painter.setPen(color);
    if (!platform::drawLayoutFromKeptGlyphs(painter, m_layout, color))
        m_layout.draw(&painter, QPointF(0, 0));
    painter.restore();
}

QRectF Layout::boundingRect() const
{
    const QRectF r = m_layout.boundingRect();
    return {r.x() / m_zoom, r.y() / m_zoom, r.width() / m_zoom, r.height() / m_zoom};
}

} // namespace cardtext
