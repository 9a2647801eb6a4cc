#pragma once
// The layout of a text object's text, in card points: one font, colour and letter spacing over the
// whole text, an alignment, line breaks where the text has them and wrapping at a width. Measuring
// and drawing use the same layout, so a text measured to fit draws within what was measured.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace cardtext {

// Alignment codes of a text object: 0 left, 1 right, 2 centred, 3 justified (the last line
// leading), 4 natural (leading: left for left-to-right text); any other code natural.
Qt::Alignment alignmentOf(int code);

// The case transform of a text object: 1 upper case, 2 lower case, 3 each word's first letter upper
// case and the rest lower case (words between blanks and line breaks); 0 and any other code as typed.
QString transformCase(const QString &text, int code);

// The text with blanks and control characters taken from both ends until neither end has any: a
// text of nothing else becomes empty.
QString trimmedForDrawing(const QString &text);

class Layout {
public:
    // kerning: points added after every character (may be negative).
    Layout(const QString &text, const QFont &font, double kerning, int alignmentCode);
    Layout(const Layout &) = delete;
    Layout &operator=(const Layout &) = delete;

    // The height of the text with its own line breaks only, no wrapping.
    double unwrappedHeight();
    // The width and height the text takes wrapped at width: the widest line's text (never more than
    // width) and the lines' heights together.
    QSizeF wrappedSize(double width);
    // Lays the text out wrapped at width, the lines that start within maxHeight only.
    void layOut(double width, double maxHeight);
    // The laid-out lines drawn from origin (their box's top-left corner) in the colour, alignment
    // taken within the width laid out at.
    void draw(QPainter &painter, const QPointF &origin, const QColor &color) const;
    // The box of the laid-out lines, relative to the origin.
    QRectF boundingRect() const;

private:
    // Lays out lines of the width (layout units) while their tops stay below maxHeight (layout units).
    void layOutLines(double width, double maxHeight, bool wrap);

    double m_zoom = 1.0;   // layout units per point: small fonts are laid out larger
    QTextLayout m_layout;
};

} // namespace cardtext
