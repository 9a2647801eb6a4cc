#pragma once
// A barcode object's stored settings as a generation snapshot: the picture of a card object is
// rendered from its own fields, never through the barcode-object window's controls. The snapshot
// holds what the window would hold once the object were loaded into it (numbers as its fields show
// them and its steppers bound them, list items by their stored indexes, the resolution of the
// stored choice, the QR size raised to the stored version's minimum), so a render from it is the
// dialog's preview of the same object. Pure: any thread may make one.

#include "barcodemode/GenerationSnapshot.h"

#include <QImage>
#include <QString>

class SKTGraphic;

// What a barcode object's picture depends on that the object does not store, as the
// barcode-object window holds it, and the ranges of the steppers whose values the generation reads.
// Taken on the GUI thread (Barcode_Gen::objectRenderState()).
struct ObjectRenderState {
    struct Range {
        double min = 0;
        double max = 0;
    };
    bool kerning = false;            // the kerning box
    bool qrGeneratorRoute = true;    // the toolkit's QR generator, else the module encoder
    bool qrEdition = false;          // the QR edition opens every object as QR Code
    Range pdfModule{1, 5000};
    Range pdfLevel{0, 8};
    Range dmModule{1, 50};
    Range dpi{72, 2400};
};

namespace barcode_objects {

// The symbology pop-up item the QR edition opens every object on.
constexpr int kQrEditionSymbology = 16;

// A stored list index that names an item of a list of count items, else the first item.
int itemIndex(int stored, int count);
// A stored integer as a stepper of that range holds it.
int stepperInt(int stored, const ObjectRenderState::Range &range);
// A stored real number as its field shows it and the generation reads it back.
double shownReal(float stored);
// The resolution the object's stored choice gives: "Auto" 600, "Custom" the stored custom value as
// the custom stepper bounds it, any other item its leading number; an index outside the list is
// "Auto".
int resolutionOf(const SKTGraphic &object, const ObjectRenderState &state);
// The symbology title of the stored pop-up index (item 16 in the QR edition); empty, and logged,
// for an index outside the list.
QString symbologyTitleOf(const SKTGraphic &object, const ObjectRenderState &state);
// The minimum QR side of a stored version index (an index outside the list counts as automatic).
int qrSideOf(const SKTGraphic &object);

// The generation snapshot of the object's settings, with logo as the object's scaled QR logo (null
// for none). Rendering it gives the object's picture (barcode_generation::generate).
GenerationSnapshot snapshotOfObject(const SKTGraphic &object, const ObjectRenderState &state, const QImage &logo);

} // namespace barcode_objects
