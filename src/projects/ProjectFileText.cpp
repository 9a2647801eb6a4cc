#include "projects/ProjectFileText.h"

#include "platform/FontNames.h"
#include "platform/StepperField.h"

#include <QLocale>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace projectfile {

namespace {

// The numbers of a text in their order, each where a number starts; anything between them is skipped.
std::vector<double> numbersOf(const QString &text, std::size_t wanted)
{
    std::vector<double> numbers;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && numbers.size() < wanted) {
        const QChar c = text.at(i);
        const bool startsNumber = c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('.'))
                                                  && i + 1 < n && (text.at(i + 1).isDigit() || text.at(i + 1) == QLatin1Char('.')));
        if (!startsNumber) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < n && (text.at(end).isDigit() || text.at(end) == QLatin1Char('.')))
            ++end;
        if (end < n && (text.at(end) == QLatin1Char('e') || text.at(end) == QLatin1Char('E'))) {
            qsizetype e = end + 1;
            if (e < n && (text.at(e) == QLatin1Char('+') || text.at(e) == QLatin1Char('-')))
                ++e;
            if (e < n && text.at(e).isDigit()) {
                while (e < n && text.at(e).isDigit())
                    ++e;
                end = e;
            }
        }
        bool ok = false;
        double v = text.mid(i, end - i).toDouble(&ok);   // C locale; an overflow reads as infinite
        if (!ok && !std::isinf(v))
            v = 0;
        numbers.push_back(v);
        i = end;
    }
    numbers.resize(wanted, 0.0);
    return numbers;
}

double component(const QString &piece)
{
    const double v = platform::leadingReal(piece);
    return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0;
}

} // namespace

QString fontToText(const QFont &font)
{
    QString name = platform::fontPostScriptName(font);
    if (name.isEmpty())
        name = font.family();
    return name + kFontSeparator + QString::asprintf("%0.2f", font.pointSizeF());
}

double fontSizeOfText(const QString &text)
{
    const qsizetype at = text.indexOf(kFontSeparator);
    if (at < 0)
        throw std::out_of_range("The font text has no separator: " + text.left(80).toStdString());
    return platform::leadingReal(text.mid(at + kFontSeparator.size()));
}

double usablePointSize(double size)
{
    if (!std::isfinite(size) || size <= 0)
        return 12.0;
    return std::min(size, 10000.0);
}

std::optional<QFont> fontFromText(const QString &text)
{
    const double size = fontSizeOfText(text);
    const QString name = text.left(text.indexOf(kFontSeparator));
    return platform::fontWithPostScriptName(name, usablePointSize(size));
}

QString colorToText(const QColor &color)
{
    const QColor rgb = color.isValid() ? color.toRgb() : QColor(0, 0, 0, 0);
    return QString::asprintf("%0.1f:%0.1f:%0.1f:%0.1f", double(rgb.redF()), double(rgb.greenF()),
                             double(rgb.blueF()), double(rgb.alphaF()));
}

QColor colorFromText(const QString &text)
{
    const QStringList pieces = (text + QLatin1Char(':')).split(QLatin1Char(':'));
    double c[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i < pieces.size(); ++i)
        c[i] = component(pieces.at(i));
    return QColor::fromRgbF(float(c[0]), float(c[1]), float(c[2]), float(c[3]));
}

QString numberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == 0)
        return QStringLiteral("0");   // never "-0"
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString pointToText(const QPointF &point)
{
    return QStringLiteral("{%1, %2}").arg(numberText(point.x()), numberText(point.y()));
}

QString sizeToText(const QSizeF &size)
{
    return QStringLiteral("{%1, %2}").arg(numberText(size.width()), numberText(size.height()));
}

QString rectToText(const QRectF &rect)
{
    return QStringLiteral("{%1, %2}").arg(pointToText(rect.topLeft()), sizeToText(rect.size()));
}

QPointF pointFromText(const QString &text)
{
    const auto v = numbersOf(text, 2);
    return {v[0], v[1]};
}

QSizeF sizeFromText(const QString &text)
{
    const auto v = numbersOf(text, 2);
    return {v[0], v[1]};
}

QRectF rectFromText(const QString &text)
{
    const auto v = numbersOf(text, 4);
    return {v[0], v[1], v[2], v[3]};
}

QString intText(qint64 value) { return QString::number(value); }

int intFromText(const QString &text) { return platform::leadingInteger(text); }

QString realText(double value)
{
    return QString::asprintf("%0.2f", std::isfinite(value) ? value : 0.0);
}

double realFromText(const QString &text) { return platform::leadingReal(text); }

} // namespace projectfile
