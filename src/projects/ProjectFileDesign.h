#pragma once
// The container of project files and its design section, as plain values: recognising a file by
// its magic and section marker, building the design section's array and parsing one into a value
// that nothing of the window has seen yet. The projects part applies a parsed value only once the
// whole file has passed.

#include "platform/Plist.h"
#include "model/Card_Property.h"
#include "projects/FileError.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace projectfile {

inline const QString kMagic = QStringLiteral("QIROMACBARCODELABEL");
inline const QString kOlderMagic = QStringLiteral("QIROMACBARCODE");
inline const QString kDesignMarker = QStringLiteral("<DES>");
inline const QString kBarcodeMarker = QStringLiteral("<BAR>");
inline const QString kCorruptFileMessage = QStringLiteral("File cannot be opened. Selected File is corrupt or invalid.");
// Elements of a design section before its objects.
constexpr int kDesignElements = 42;
// A card side larger than this (points, about 35 metres) is no card.
constexpr double kMaxCardPoints = 100000;

// The property list of a project file's bytes; nothing for bytes that are no property list, hold
// a string the parser cannot take, or exceed 256 MiB.
std::optional<platform::PlistValue> projectFromData(const QByteArray &bytes);
// The same for a file; nothing also when it cannot be read.
std::optional<platform::PlistValue> readProjectFile(const QString &path);

enum class Section { Unknown, Design, Barcode };
// Unknown for anything but an array starting with one of the two magics. The older magic is always
// a barcode section; under the current magic "<BAR>" is one and any other marker a design.
Section sectionOf(const platform::PlistValue &root);

struct DesignSection {
    QString startOption;
    Card_Property card;
    bool excelBinding = false;
    QString excelPath;
    QStringList columnTitles;                 // every column of the viewer, the first one included
    QList<QMap<QString, QString>> rows;
    qint64 objectCount = 0;                   // as stored
    platform::PlistValue::Array objects;      // the object elements present, at most objectCount
};

// The design section's array: elements 0 to 41, then the object arrays.
platform::PlistValue designSectionArray(const DesignSection &section);
// The design section of a file's root (recognised as a design). Throws FileError for fewer than
// 42 elements, an element of the wrong kind, a card size that is not finite and positive, or a
// card font text without its separator. A font that is not installed reads as the default text
// font at the stored size.
DesignSection parseDesignSection(const platform::PlistValue &root);

} // namespace projectfile
