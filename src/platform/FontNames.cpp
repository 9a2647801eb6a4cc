#include "platform/FontNames.h"

#include <QFontInfo>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <memory>
#include <mutex>

namespace platform {

namespace {

using PatternPtr = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;
using FontSetPtr = std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)>;

bool fontconfigReady()
{
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = FcInit() == FcTrue; });
    return ready;
}

QString stringOf(FcPattern *pattern, const char *object)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(value));
}

// The face fontconfig picks for what Qt resolved the font to: its family and style, or its weight
// and slant when Qt reports no style.
PatternPtr matchedFace(const QFont &font)
{
    if (!fontconfigReady())
        return {nullptr, &FcPatternDestroy};
    const QFontInfo info(font);
    QString family = info.family().isEmpty() ? font.family() : info.family();
    // Qt names a family that two foundries have "Family [Foundry]".
    if (family.endsWith(QLatin1Char(']'))) {
        const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
        if (open > 0)
            family.truncate(open);
    }
    PatternPtr pattern(FcPatternCreate(), &FcPatternDestroy);
    if (!pattern)
        return {nullptr, &FcPatternDestroy};
    const QByteArray familyUtf8 = family.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(familyUtf8.constData()));
    const QByteArray style = info.styleName().toUtf8();
    if (!style.isEmpty()) {
        FcPatternAddString(pattern.get(), FC_STYLE, reinterpret_cast<const FcChar8 *>(style.constData()));
    } else {
        FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(int(info.weight())));
        FcPatternAddInteger(pattern.get(), FC_SLANT, info.italic() ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    }
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result), &FcPatternDestroy);
    if (!match || result != FcResultMatch)
        return {nullptr, &FcPatternDestroy};
    // A substitute of another family is not this font's face.
    if (stringOf(match.get(), FC_FAMILY).compare(family, Qt::CaseInsensitive) != 0) {
        bool anyFamily = false;
        FcChar8 *value = nullptr;
        for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &value) == FcResultMatch; ++i)
            anyFamily = anyFamily || QString::fromUtf8(reinterpret_cast<const char *>(value)).compare(family, Qt::CaseInsensitive) == 0;
        if (!anyFamily)
            return {nullptr, &FcPatternDestroy};
    }
    return match;
}

// The first installed face whose object (FC_POSTSCRIPT_NAME, FC_FULLNAME, FC_FAMILY) is the name.
std::optional<QFont> installedFace(const char *object, const QString &name, double pointSize)
{
    if (name.isEmpty() || !fontconfigReady())
        return std::nullopt;
    PatternPtr pattern(FcPatternCreate(), &FcPatternDestroy);
    if (!pattern)
        return std::nullopt;
    const QByteArray utf8 = name.toUtf8();
    FcPatternAddString(pattern.get(), object, reinterpret_cast<const FcChar8 *>(utf8.constData()));
    ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_WEIGHT, FC_SLANT, FC_WIDTH, nullptr),
                         &FcObjectSetDestroy);
    FontSetPtr set(FcFontList(nullptr, pattern.get(), objects.get()), &FcFontSetDestroy);
    if (!set || set->nfont < 1)
        return std::nullopt;
    // A family lookup takes the family's plain face: the one of regular weight and slant, else the first.
    FcPattern *chosen = set->fonts[0];
    if (std::string_view(object) == FC_FAMILY) {
        for (int i = 0; i < set->nfont; ++i) {
            int weight = 0, slant = 0, width = FC_WIDTH_NORMAL;
            FcPatternGetInteger(set->fonts[i], FC_WEIGHT, 0, &weight);
            FcPatternGetInteger(set->fonts[i], FC_SLANT, 0, &slant);
            FcPatternGetInteger(set->fonts[i], FC_WIDTH, 0, &width);
            if (weight == FC_WEIGHT_REGULAR && slant == FC_SLANT_ROMAN && width == FC_WIDTH_NORMAL) {
                chosen = set->fonts[i];
                break;
            }
        }
    }
    QFont font(stringOf(chosen, FC_FAMILY));
    if (std::string_view(object) != FC_FAMILY) {
        int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(chosen, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(chosen, FC_SLANT, 0, &slant);
        font.setWeight(QFont::Weight(qBound(1, FcWeightToOpenType(weight), 1000)));
        font.setItalic(slant != FC_SLANT_ROMAN);
        const QString style = stringOf(chosen, FC_STYLE);
        if (!style.isEmpty())
            font.setStyleName(style);
    }
    font.setPointSizeF(pointSize);
    return font;
}

// The face the font resolves to, named as a font panel names it: the family and the style, the
// style left out where it is the family's plain face ("DejaVu Sans Bold", "DejaVu Sans").
QString fontDisplayName(const QFont &font)
{
    const QFontInfo face(font);
    QString family = face.family().isEmpty() ? font.family() : face.family();
    // Where two foundries have the family, Qt names it "Family [Foundry]": the panel shows the family.
    if (family.endsWith(QLatin1Char(']'))) {
        const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
        if (open > 0)
            family.truncate(open);
    }
    const QString style = face.styleName();
    static const QStringList plain{QStringLiteral("Regular"), QStringLiteral("Book"), QStringLiteral("Normal"),
                                   QStringLiteral("Roman"), QStringLiteral("Plain")};
    if (style.isEmpty() || plain.contains(style, Qt::CaseInsensitive))
        return family;
    return family + QLatin1Char(' ') + style;
}

} // namespace

QString fontPostScriptName(const QFont &font)
{
    const PatternPtr face = matchedFace(font);
    return face ? stringOf(face.get(), FC_POSTSCRIPT_NAME) : QString();
}

QString fontFullName(const QFont &font)
{
    const PatternPtr face = matchedFace(font);
    return face ? stringOf(face.get(), FC_FULLNAME) : QString();
}

QString fontDisplayText(const QFont &font)
{
    // The face's full name as fontconfig knows it, the name project files store; a face it does
    // not know is named from Qt's answer. Built as text rather than through a C format, so a name
    // outside ASCII survives any locale.
    const QString full = fontFullName(font);
    return (full.isEmpty() ? fontDisplayName(font) : full) + QString::asprintf(" ( %0.2f )", font.pointSizeF());
}

std::optional<QFont> fontWithPostScriptName(const QString &name, double pointSize)
{
    if (auto font = installedFace(FC_POSTSCRIPT_NAME, name, pointSize))
        return font;
    return installedFace(FC_FAMILY, name, pointSize);
}

std::optional<QFont> fontWithFullName(const QString &name, double pointSize)
{
    if (auto font = installedFace(FC_FULLNAME, name, pointSize))
        return font;
    if (auto font = installedFace(FC_FAMILY, name, pointSize))
        return font;
    return installedFace(FC_POSTSCRIPT_NAME, name, pointSize);
}

} // namespace platform
