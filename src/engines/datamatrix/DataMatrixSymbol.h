#pragma once
// From the option lists of the symbol settings to a finished DataMatrix picture: the format and
// encodation items, the palette image of a symbol with its one-module border, and its PNG in
// memory or in a file.

#include "engines/datamatrix/iec16022ecc200.h"
#include "engines/datamatrix/image.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace datamatrix {

// The cells of a symbol with its one-module light border, one pixel per module: (W + 2) x (H + 2),
// Format_Indexed8 with index 0 light and 1 dark (colours not premultiplied); grid is W x H bytes,
// row after row, non-zero dark, row 0 the bottom of the symbol. Null for no grid.
QImage symbolCells(int W, int H, const std::uint8_t *grid, QRgb light, QRgb dark);

// Cells as symbolCells makes them as a picture of (W x module + border) by (H x module + border)
// points: square modules of module points centred in it, the border's light colour around them. A
// module grid picture: its modules stay whole and square on any pixels. Null for null cells.
platform::Picture symbolPicture(const QImage &cells, int module, int border);

// A format item: "Auto" gives 0 and 0; otherwise the first character is dropped and the rest split
// at the first "X": the rows (H) before it, the columns (W) after it, each the leading integer of
// the trimmed text (0 without one); without an "X" both are 0. "C8X18" gives H 8, W 18.
void sizeFromFormatItem(const QString &item, int *W, int *H);

// An encodation item: "Ascii", "C40", "Text" and "Base256" give their letter (A, C, T, B) once per
// data byte; "Auto" and any other text give none (the encoder chooses).
std::optional<std::string> encodingFromItem(const QString &item, qsizetype byteCount);

// The palette image of a symbol: (W + 2) x (H + 2) pixels, palette entry 0 the background (also
// the one-pixel border) and 1 the modules, the symbol's bottom row just above the bottom border.
// Colours are packed as the PNG writer reads them (top byte: transparency). Nothing for a failed
// symbol or when memory runs out.
ImagePtr symbolImage(const Ecc200Result &symbol, std::uint32_t background, std::uint32_t modules);

// The symbol's PNG with the comment as its tEXt "Comment", no background chunk and no transparent
// index. false, with the reason in *error, when the image or its PNG could not be made.
bool symbolPng(const Ecc200Result &symbol, std::uint32_t background, std::uint32_t modules, const QByteArray &comment,
               int level, QByteArray *png, QString *error = nullptr);
// The same written to path (replaced; created owner-only). A failure is reported: a failed image or
// deflate leaves the path untouched, a failed write leaves it empty, never a partial image.
bool writeSymbolPngFile(const Ecc200Result &symbol, std::uint32_t background, std::uint32_t modules,
                        const QByteArray &comment, int level, const QString &path, QString *error = nullptr);
// "DM.png" in this process's private temporary folder.
QString symbolPngPath();

// One symbol for the symbol tool: data encoded with the format and encodation items, drawn black
// on opaque white as a picture of (W x moduleSize + 2) x (H x moduleSize + 2) points (as the
// Barcode mode sizes it, see symbolPicture), raised to dpi when dpi > 0. On failure a null picture and the encoder's
// messages in *error.
platform::Picture renderSymbolForTool(const QByteArray &data, const QString &sizeItem, const QString &encodingItem,
                                      double dpi, QString *error, int moduleSize = 2);

} // namespace datamatrix
