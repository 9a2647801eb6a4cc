#pragma once
// The styled text a text object lays out: its characters with the attributes at their start.

#include <QColor>
#include <QFont>
#include <QString>

struct SKTTextStorage {
    QString characters;
    QFont font;
    QColor color;
};

// A font field that holds no font: one without a family. Objects read from an archive that lacks
// the font carry it.
inline QFont SKTNoFont() { return QFont(QString()); }
inline bool SKTIsNoFont(const QFont &font) { return font.family().isEmpty() && font.families().isEmpty(); }
