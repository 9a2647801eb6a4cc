#pragma once
// Every input of one barcode generation and its framing, copied from the settings controls on the
// GUI thread. A snapshot never changes once taken, so any thread may generate from it while the
// user goes on editing: the preview and batch output generate from snapshots alike.

#include "barcodemode/BarcodeSizeRules.h"
#include "engines/BarcodeSettings.h"

#include <QColor>
#include <QFont>
#include <QString>

struct GenerationSnapshot {
    // The symbology: the title shown by the pop-up chooses the engine, the family the road.
    QString title;
    int family = 0;   // liner_or_2D_font: 0 linear, any other value 2D

    // Caption, bands and background.
    bool printsCaption = true;   // the caption box enabled and not ticked
    bool hideHeader = false;
    bool hideFooter = false;
    bool transparent = false;    // transparent_bkgnd

    // Linear sizes, as typed (bar width in mils, bar height in the size unit); a disabled field
    // leaves the engine's own value.
    bool barWidthEnabled = false;
    double barWidthMils = 0;
    bool barHeightEnabled = false;
    double barHeight = 0;

    // Margins as typed, with their unit and the hidden bands: the linear rules read the first, the
    // 2D framing the second (the Advanced QR mode has fields of its own).
    barcode_sizes::MarginInputs linearMargins;
    barcode_sizes::MarginInputs twoDMargins;
    // The margins in points as the editor held them: a generation whose size rule does not run
    // draws with these.
    barcode_sizes::Margins margins;

    // The fonts the caption, header and footer bands are measured with.
    QFont captionFont;
    QFont headerFont;
    QFont footerFont;

    // What the renderer draws with besides the sizes: fonts, colours, alignments, kerning, the
    // working mode, the symbology title and the QR logo.
    BarcodeSettings style;

    // QR Code.
    bool qrGeneratorRoute = true;   // the toolkit's generator, else the module encoder
    int qrSide = 60;                // points
    QString qrLevelItem;            // "L", "M", "Q", "H": the generator's level
    int qrLevel = 0;                // 0-3: the encoder's level
    int qrVersion = -1;             // -1 (or 0) automatic, 1-40

    // PDF417: the picture is pdfWidth x pdfModule points.
    int pdfWidth = 0;
    int pdfModule = 1;
    int pdfLevel = 2;

    // DataMatrix.
    int dmModule = 1;
    QString dmFormat;
    QString dmEncoding;
    int dmBorder = 2;   // points added to the picture's width and height beyond its modules

    // The symbol's colours.
    QColor barColour = Qt::black;
    QColor backgroundColour = Qt::white;

    // The output resolution 2D symbols are raised to, unless this is a quick preview.
    int dpi = 600;
    bool quickPreview = false;
};
