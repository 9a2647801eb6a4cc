#pragma once
// The text forms of project files: every number, flag, font, colour, point, size and rectangle is
// stored as a string. Numbers are written and read in the C locale whatever the user's locale, so a
// file means the same on every machine.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

namespace projectfile {

// The separator of a font text: PostScript name, "::::", size with two decimals.
inline const QString kFontSeparator = QStringLiteral("::::");

// "Name::::12.00" with the PostScript name of the face the font resolves to.
QString fontToText(const QFont &font);
// The font of the name and size of a font text: by PostScript name, then by family. Nothing when
// no installed font has that name (a text that begins with the separator names none). Throws
// std::out_of_range for a text without the separator.
std::optional<QFont> fontFromText(const QString &text);
// The size part of a font text (0 when it is no number); throws as fontFromText does.
double fontSizeOfText(const QString &text);
// A usable point size for a stored one: one that is not finite or not above 0 becomes 12 (the
// platform's default size), one above 10,000 becomes 10,000.
double usablePointSize(double size);

// "r:g:b:a", one decimal each, in RGB.
QString colorToText(const QColor &color);
// Red, green, blue and alpha from the first four pieces; a missing or unreadable piece is 0, so an
// empty text is transparent black. Components are bounded to 0..1.
QColor colorFromText(const QString &text);

// The shortest text that reads back to the same double.
QString numberText(double value);
// "{x, y}", "{w, h}", "{{x, y}, {w, h}}".
QString pointToText(const QPointF &point);
QString sizeToText(const QSizeF &size);
QString rectToText(const QRectF &rect);
// Read number by number, whatever stands between them; a missing number is 0.
QPointF pointFromText(const QString &text);
QSizeF sizeFromText(const QString &text);
QRectF rectFromText(const QString &text);

// Flags "Y" and "N"; only "Y" reads as set.
inline QString flagText(bool on) { return on ? QStringLiteral("Y") : QStringLiteral("N"); }
inline bool flagFromText(const QString &text) { return text == QLatin1String("Y"); }
// "%d" and the leading integer of a text (0 without one, bounded to int).
QString intText(qint64 value);
int intFromText(const QString &text);
// "%0.2f" and the leading real number of a text (0 without one).
QString realText(double value);
double realFromText(const QString &text);

} // namespace projectfile
