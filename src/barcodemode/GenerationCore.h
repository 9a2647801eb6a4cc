#pragma once
// The road from a value, a header and a footer to a finished barcode picture, over a generation
// snapshot only: the engine chosen by the title, the linear model or the 2D symbol with its role,
// the size rules and the framing. Everything it makes stays in its results; it reads no control,
// global or window, so the editor's preview and batch output on any thread take the same road.

#include "barcodemode/BarcodeObjectRole.h"
#include "barcodemode/BarcodeSizeRules.h"
#include "barcodemode/GenerationSnapshot.h"
#include "engines/BarcodeSettings.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/Picture.h"

#include <QFont>
#include <QString>

#include <memory>

namespace barcode_generation {

// The barcode-object role of a 2D symbol the core made: it measures its bands with the fonts it
// was given.
class SymbolRole : public BarcodeObjectRole {
public:
    SymbolRole() = default;
    SymbolRole(const QFont &caption, const QFont &header, const QFont &footer)
        : m_caption(caption), m_header(header), m_footer(footer)
    {
    }

protected:
    QFont roleCaptionFont() const override { return m_caption; }
    QFont roleHeaderFont() const override { return m_header; }
    QFont roleFooterFont() const override { return m_footer; }

private:
    QFont m_caption, m_header, m_footer;
};

// What building a symbol leaves: the linear model, or the 2D symbol with its role; the margins in
// points as the size rules left them and the module size the 2D drawing was given.
struct Built {
    bool twoD = false;                  // the 2D road (the snapshot's family)
    bool titleMatched = false;          // the title names a symbology of the family
    std::unique_ptr<NKDBarcode> model;  // linear: null when the engine refused the value
    std::shared_ptr<const BarcodeSettings> settings;   // linear: what the model is drawn with
    platform::Picture symbol;           // 2D: the modules only; null when the drawing failed
    SymbolRole role;                    // 2D: texts, flags, bands, and after framing width and height
    barcode_sizes::Margins margins;
    int moduleSize = 1;
};

// What the user is told of a symbol refused as too large for the output (for its value or its size).
inline const QString kSymbolTooLargeMessage =
    QStringLiteral("The barcode size is too large. Choose a smaller size or a lower DPI.");

// A framed picture, or none; tooLarge when it was refused as exceeding the output limits at the
// snapshot's resolution.
struct Framed {
    platform::Picture picture;
    bool tooLarge = false;
};

// The style the renderer draws with, completed by the role's frame and texts and the margins.
std::shared_ptr<BarcodeSettings> renderSettings(const BarcodeSettings &style, const BarcodeObjectRole &role,
                                                const barcode_sizes::Margins &margins);

// Builds the symbol of the value with the header and footer (no framing). An empty value builds
// nothing.
Built build(const GenerationSnapshot &s, const QString &value, const QString &header, const QString &footer);

// Frames what build made: the linear model with its caption, header and footer; the 2D symbol
// with the role's texts, after the 2D size rules set the role's width and height and the margins.
Framed frame(const GenerationSnapshot &s, Built &built);

// Build and frame.
struct Generated {
    Built built;
    Framed framed;
};
Generated generate(const GenerationSnapshot &s, const QString &value, const QString &header, const QString &footer);

// The 2D framing of a symbol with a role: the role's height and width and the margins are set by
// the 2D size rules first. A null symbol frames to nothing.
Framed frameTwoD(const GenerationSnapshot &s, BarcodeObjectRole &role, barcode_sizes::Margins &margins,
                 const platform::Picture &symbol);
// The linear picture of a model drawn with the settings, to be output at dpi (the resolution a
// screen shows its bars at); refused before anything is drawn when it would exceed the output
// limits at dpi.
Framed frameLinear(const NKDBarcode &model, std::shared_ptr<const BarcodeSettings> settings, int dpi);

// The size rules. Linear: the bar height (the margins in points first) and the picture's width,
// which also sets the left-and-right margin. 2D: the frame's height and width in the role.
void linearHeightRule(NKDBarcode &model, const GenerationSnapshot &s, barcode_sizes::Margins &margins);
float linearWidthRule(const NKDBarcode &model, const GenerationSnapshot &s, barcode_sizes::Margins &margins);
void twoDHeightRule(BarcodeObjectRole &role, const GenerationSnapshot &s, barcode_sizes::Margins &margins,
                    const platform::Picture &symbol);
void twoDWidthRule(BarcodeObjectRole &role, const GenerationSnapshot &s, barcode_sizes::Margins &margins,
                   const platform::Picture &symbol);

// The 2D symbols of the snapshot's settings, modules only, raised to the output resolution unless
// the snapshot is a quick preview; null on failure (logged where the encoder says why).
platform::Picture drawQr(const GenerationSnapshot &s, const QString &value);
platform::Picture drawPdf417(const GenerationSnapshot &s, const QString &value);
platform::Picture drawDataMatrix(const GenerationSnapshot &s, const QString &value, int moduleSize);

// The picture would exceed the raster limits at dpi.
bool tooLargeForOutput(const QSizeF &points, int dpi);

} // namespace barcode_generation
