#pragma once
// The barcode section of project files as a plain value: the Barcode mode's settings panel, its
// value list and series choices. Colours are keyed-archive data blocks.

#include "io/ValueRecord.h"
#include "platform/Plist.h"

#include <QColor>
#include <QList>
#include <QString>
#include <array>

namespace projectfile {

constexpr int kBarcodeSectionElements = 59;
// Fewest elements a file may have: up to the series choices (current), up to the value list (older).
constexpr int kBarcodeSectionMinimum = 56;
constexpr int kOlderBarcodeSectionMinimum = 48;

struct BarcodeSection {
    struct Font {
        QString name;   // the display (full) name
        double size = 10;
    };
    bool older = false;             // the older magic: no marker, nothing after the value list
    QString symbology;              // untranslated title
    bool dataSource = false;        // "B"
    bool valueSeries = false, headerSeries = false, footerSeries = false;
    QString linearValue, twoDValue, header, footer;
    bool hideHeader = false, hideFooter = false, caption = false, valueOnTop = false;   // "H"
    int alignHeader = 1, alignFooter = 1;
    int family = 0;
    QString barHeight, barWidth, size2D;
    int qrVersion = 0, qrLevel = 0;
    QString pdfHeight, pdfWidth, pdfLevel, dmModule;
    int dmFormat = 0, dmEncoding = 0;
    std::array<QString, 5> margins;   // header, footer, value, top and bottom, left and right
    std::array<Font, 3> fonts;        // value, header, footer
    std::array<QColor, 5> colors;     // header, footer, value, background, bars
    int dpiIndex = 0;
    QString dpiText;
    int unit = 1;
    QList<ValueRecord> list;
    QString sheetSource;              // "C" custom sheet, anything else the series
    std::array<QString, 6> series;    // value name and item, header name and item, footer name and item
    bool hasLogo = false;             // the file has element 56 and 57
    bool logo = false;                // "S"
    QString logoPath;
    bool hasTransparent = false;      // the file has element 58
    bool transparent = false;         // "Y"
};

// The 59 elements of the current layout.
platform::PlistValue barcodeSectionArray(const BarcodeSection &section);
// The section of a file's root recognised as barcode settings (either magic). Throws FileError for
// too few elements, an element of the wrong kind or a colour block that does not decode.
BarcodeSection parseBarcodeSection(const platform::PlistValue &root);

} // namespace projectfile
