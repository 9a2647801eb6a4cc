#pragma once
// What the Barcode mode's page shows, as one value: the symbol and its texts, sizes, margins, fonts,
// colours, the 2D options, the resolution, the QR logo and the batch choices. Other parts of the
// window read and write the page through this value (BarcodeModePanel), never through its widgets.
// Sizes are kept as the fields show them (what project files store) and as the steppers hold them
// (what the card's barcode objects take).

#include "io/ValueRecord.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

#include <array>

struct BarcodeModeSettings {
    // Symbol and texts.
    QString symbology;   // untranslated title; "" when none is chosen
    int family = 0;      // 0 linear, 1 2D
    QString linearValue, twoDValue, header, footer;
    bool hideHeader = false, hideFooter = false, caption = false, valueOnTop = false;
    int alignHeader = 1, alignFooter = 1;

    // Sizes as the fields show them.
    QString barHeight, barWidth, qrSide, pdfHeight, pdfWidth, pdfLevel, dmModule;
    std::array<QString, 5> margins;   // header, footer, value, top and bottom, left and right
    // The same sizes as their steppers hold them.
    struct Steps {
        double barHeight = 0, barWidth = 0;
        int qrSide = 0, pdfHeight = 0, pdfWidth = 0, pdfLevel = 0, dmModule = 0;
        std::array<double, 5> margins{};
        bool operator==(const Steps &) const = default;
    } steps;

    // 2D options and resolution (list rows).
    int qrVersion = 0, qrLevel = 0, qrEncoding = 0;
    int dmFormat = 0, dmEncoding = 0;
    int dpiIndex = 0;
    QString dpiText;
    int unit = 1;   // the mode's unit: 0 inch, 1 cm, 2 mm

    // Fonts and colours.
    std::array<QFont, 3> fonts;        // value, header, footer
    std::array<QColor, 5> colours;     // header, footer, value, background, bars
    bool clearBackground = false;      // the background's transparent choice
    bool transparentBox = false;       // the transparent-background box

    // QR logo.
    bool logo = false;
    QString logoPath;

    // Batch processing.
    bool batch = false;                // the data-source box
    std::array<bool, 3> fromList{};    // value, header, footer taken from the batch
    bool customSheet = true;           // the value list; otherwise series
    // Per row (value, header, footer) the series name and item chosen while the row's box is
    // ticked, "" otherwise; and the row of the name list.
    std::array<QString, 6> series;
    std::array<int, 3> seriesRow{-1, -1, -1};
    QList<ValueRecord> records;

    // What a fill takes beyond the rest: files of older layouts have no series choices, no logo or
    // no transparency, and the page keeps its own.
    bool withSeries = true, withLogo = true, withTransparency = true;

    bool operator==(const BarcodeModeSettings &) const = default;
};
