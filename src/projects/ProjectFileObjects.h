#pragma once
// The property array of one card object in a design project file: the class letter, then the
// object's fields as texts at fixed positions (a barcode object's picture as an archived data
// block). Reading builds a new object from the model alone; numbering barcode objects and drawing
// their pictures again from their settings are the caller's (they touch the window's state).

#include "model/SKTGraphic.h"
#include "platform/Plist.h"

#include <QString>
#include <memory>

namespace projectfile {

// Element counts as written.
constexpr int kLineElements = 24;
constexpr int kShapeElements = 25;
constexpr int kSignatureElements = 22;
constexpr int kTextElements = 43;
constexpr int kPictureElements = 45;
constexpr int kBarcodeElements = 74;
// Older files end a picture at element 43 and a barcode object at element 68.
constexpr int kOlderPictureElements = 44;
constexpr int kOlderBarcodeElements = 69;

// "L", "T", "D", "I", "B", "S" for the six classes; empty for any other.
QString classLetter(SKTGraphicClass graphicClass);

// The array of an object of the six classes; signSample stands in for a signature without a path.
// An object of no other class gives an empty array.
platform::PlistValue objectToArray(const SKTGraphic &graphic, const QString &signSample);

struct ObjectRead {
    std::shared_ptr<SKTGraphic> object;   // null: the array names no card object, or its frame is unusable
    bool complete = false;                // every element the class needs was read
    bool needsPicture = false;            // a barcode object read completely without a stored picture
    QString failure;                      // why reading stopped early, or why there is no object
};

// A new object of the array's class with the creation defaults, its fields read in writing order.
// An array that ends early or holds an element of the wrong kind gives the object as far as it was
// read (failure says why). In the QR edition the binding read is cleared again. Paths into an
// application's resources are moved into this installation's.
ObjectRead objectFromArray(const platform::PlistValue &array, bool qrEdition);

} // namespace projectfile
