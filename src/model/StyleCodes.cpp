#include "model/StyleCodes.h"

namespace {

struct BorderStyle {
    const char *code;
    const char *title;
    QList<double> dashes;
};

const QList<BorderStyle> &borderStyles()
{
    static const QList<BorderStyle> styles = {
        {"S", "Solid", {}},
        {"DA", "Dash", {8, 2}},
        {"DO", "Dot", {4, 6}},
        {"DD", "Dash Dot", {24, 10, 6, 10}},
        {"DDD", "Dash Dot Dot", {24, 8, 8, 8, 8, 8}},
    };
    return styles;
}

} // namespace

QString Border_Style_Code(int index)
{
    if (index < 1 || index >= borderStyles().size())
        return QStringLiteral("S");
    return QString::fromLatin1(borderStyles().at(index).code);
}

int Border_Style_Index(const QString &code)
{
    for (int i = 0; i < borderStyles().size(); ++i)
        if (code == QLatin1String(borderStyles().at(i).code))
            return i;
    return -1;
}

QStringList Border_Style_Titles()
{
    QStringList titles;
    for (const BorderStyle &style : borderStyles())
        titles << QString::fromLatin1(style.title);
    return titles;
}

QList<double> Border_Dash_Array(const QString &code)
{
    const int i = Border_Style_Index(code);
    return i < 0 ? QList<double>() : borderStyles().at(i).dashes;
}
