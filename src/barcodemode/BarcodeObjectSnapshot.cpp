#include "barcodemode/BarcodeObjectSnapshot.h"

#include "barcodemode/BarcodeEditorForm.h"
#include "barcodemode/TwoDFieldValues.h"
#include "barcodemode/TwoDSymbols.h"
#include "core/Messages.h"
#include "engines/Symbologies.h"
#include "model/SKTGraphic.h"
#include "platform/StepperField.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace barcode_objects {

namespace items = barcode_editor_items;

int itemIndex(int stored, int count) { return stored >= 0 && stored < count ? stored : 0; }

int stepperInt(int stored, const ObjectRenderState::Range &range)
{
    return int(std::lround(std::clamp(double(stored), range.min, std::max(range.min, range.max))));
}

double shownReal(float stored)
{
    // What the field shows reads back through the number at its start (a text that is no number, as
    // "nan", reads 0).
    return platform::leadingReal(platform::formatPairValue(double(stored), platform::PairFormat::Real));
}

int resolutionOf(const SKTGraphic &object, const ObjectRenderState &state)
{
    const QStringList choices = items::dpiItems();
    const QString item = choices.at(itemIndex(object.dpi_val_index, int(choices.size())));
    if (item == QLatin1String("Custom")) {
        const int custom = stepperInt(twod::leadingInt(object.dpi_custom_val), state.dpi);
        return std::max(int(state.dpi.min), std::max(1, custom));
    }
    const int dpi = twod::leadingInt(item);
    return item == QLatin1String("Auto") || dpi <= 0 ? 600 : dpi;
}

QString symbologyTitleOf(const SKTGraphic &object, const ObjectRenderState &state)
{
    const int index = state.qrEdition ? kQrEditionSymbology : object.barcode_font_index;
    const QString title = Symbologies::allTitles().value(index);
    if (title.isEmpty())
        Show_NSLog_Message(QStringLiteral("No symbology at index %1: no barcode is drawn.").arg(index));
    return title;
}

int qrSideOf(const SKTGraphic &object)
{
    const int version = itemIndex(object.qr_version_index, int(items::qrVersions().size()));
    return std::max(object.qr_size_val, twod::minimumQrSide(version));
}

GenerationSnapshot snapshotOfObject(const SKTGraphic &object, const ObjectRenderState &state, const QImage &logo)
{
    GenerationSnapshot s;
    s.title = symbologyTitleOf(object, state);
    s.family = state.qrEdition || object.linear_or_2d != 0 ? 1 : 0;

    const bool captionHidden = object.show_hide_val != 0;
    s.printsCaption = !captionHidden;
    s.hideHeader = object.show_hide_hdr != 0;
    s.hideFooter = object.show_hide_ftr != 0;
    // A barcode object's fill flag means a transparent background.
    s.transparent = object._isDrawingFill;

    s.barWidthEnabled = true;
    s.barWidthMils = shownReal(object.linear_width_val);
    s.barHeightEnabled = true;
    s.barHeight = shownReal(object.linear_height_val);

    barcode_sizes::MarginInputs margins;
    margins.value = shownReal(object.val_margin_val);
    margins.header = shownReal(object.hdr_margin_val);
    margins.footer = shownReal(object.ftr_margin_val);
    margins.leftRight = shownReal(object.LR_margin_val);
    margins.topBottom = shownReal(object.TB_marging_val);
    margins.captionHidden = captionHidden;
    margins.headerHidden = s.hideHeader;
    margins.footerHidden = s.hideFooter;
    margins.unit = 2;   // every load sets the window's unit to millimetres
    s.linearMargins = margins;
    s.twoDMargins = margins;
    s.margins = barcode_sizes::marginsInPoints(margins);

    s.captionFont = object.value_font_val;
    s.headerFont = object.header_font_val;
    s.footerFont = object.footer_font_val;

    const QStringList alignments = items::alignments();
    BarcodeSettings &style = s.style;
    style.mode = 1;
    style.align_hdr = alignments.at(itemIndex(object.align_hdr_index, int(alignments.size())));
    style.align_ftr = alignments.at(itemIndex(object.align_ftr_index, int(alignments.size())));
    style.header_font = object.header_font_val;
    style.footer_font = object.footer_font_val;
    style.value_font = object.value_font_val;
    style.bar_hdr_clr = object.barcode_hdr_clr_val;
    style.bar_ftr_clr = object.barcode_ftr_clr_val;
    style.bar_val_clr = object.barcode_val_clr_val;
    style.barcode_clr = object.barcode_clr_val;
    style.bar_back_clr = object.barcode_back_clr_val;
    style.transparent_bkgnd = s.transparent;
    style.showinTop = object.show_val_on_top != 0;
    style.kerning_value = state.kerning;
    style.barcodeTypeTitle = s.title;
    style.USE_QR_LOGO = object.USE_QR_LOGO;
    style.USE_QR_LOGO_IMG = logo;

    s.qrGeneratorRoute = state.qrGeneratorRoute;
    // The version's choice raises the size of a 2D object to the version's module count.
    s.qrSide = s.family != 0 ? qrSideOf(object) : object.qr_size_val;
    const QStringList levels = items::qrLevels();
    const int level = itemIndex(object.qr_ec_index, int(levels.size()));
    s.qrLevelItem = levels.at(level);
    s.qrLevel = level;
    const int version = itemIndex(object.qr_version_index, int(items::qrVersions().size()));
    s.qrVersion = version == 0 ? -1 : version;

    s.pdfWidth = object.pdf_wdt_val;
    s.pdfModule = stepperInt(object.pdf_hgt_val, state.pdfModule);
    s.pdfLevel = stepperInt(object.pdf_ec_val, state.pdfLevel);

    const QStringList formats = items::dataMatrixSizes();
    const QStringList encodings = items::dataMatrixEncodings();
    s.dmModule = stepperInt(object.dm_module_val, state.dmModule);
    s.dmFormat = formats.at(itemIndex(object.dm_format_index, int(formats.size())));
    s.dmEncoding = encodings.at(itemIndex(object.dm_encoding_index, int(encodings.size())));
    s.dmBorder = 0;   // the object's DataMatrix picture is its modules alone

    s.barColour = object.barcode_clr_val;
    s.backgroundColour = object.barcode_back_clr_val;
    s.dpi = resolutionOf(object, state);
    s.quickPreview = false;
    return s;
}

} // namespace barcode_objects
