#pragma once
// Names of fonts as fontconfig knows them: the PostScript name that project files store, the full
// name ("DejaVu Sans Bold") that font labels show, and the way back from either to a font.

#include <QFont>
#include <QString>
#include <optional>

namespace platform {

// The PostScript name of the face the font resolves to ("DejaVuSans-Bold"); empty when fontconfig
// knows no face for it.
QString fontPostScriptName(const QFont &font);
// The full name of that face ("DejaVu Sans Bold"); empty when there is none.
QString fontFullName(const QFont &font);
// What a font label shows: the full name, else the face as a font panel names it, with the size
// ("DejaVu Sans Bold ( 12.00 )").
QString fontDisplayText(const QFont &font);

// The installed face with that PostScript name at the size, else the family of that name (its
// plain face); nothing when neither is installed or the name is empty.
std::optional<QFont> fontWithPostScriptName(const QString &name, double pointSize);
// The installed face with that full name, else the family of that name, else the face with that
// PostScript name; nothing when none is installed or the name is empty.
std::optional<QFont> fontWithFullName(const QString &name, double pointSize);

} // namespace platform
