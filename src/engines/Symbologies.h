#pragma once
// The one list of symbology titles, in the order of the symbology pop-up, and the engine behind each.
//
// The order is a stored-file constant: a barcode object on a card stores the index of the chosen
// pop-up item, so an index must keep meaning the same symbology for every file ever written. What
// fixes the order:
//   - Item 16 is "QR Code": barcode objects made from the Advanced QR mode store index 16 and the QR
//     edition selects item 16 when it opens a barcode object.
//   - Item 0 is linear: new barcode objects and new barcode projects start on item 0 with the linear
//     family, and with the values "0123" and "123456789012", which Code 39 accepts.
//   - Items 0 to 15 are the sixteen general linear symbologies in the order the generation matches
//     titles; the three 2D symbologies follow at 16, 17 and 18; the three postal symbologies that
//     were added later are appended at 19, 20 and 21, so that no earlier index moved.
// Barcode-mode project files store the title rather than the index; both resolve through this list.
//
// Titles are the untranslated keys; the pop-up shows their translations (displayTitle()), and a
// shown title resolves back through indexOfDisplayed(), so a translation never breaks a comparison.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class NKDBarcode;

namespace Symbologies {

enum class EngineKind {
    None,         // not a symbology title
    Linear,       // an NKDBarcode subclass
    QR,
    PDF417,
    DataMatrix,
};

// Every title, in pop-up order.
const QStringList &allTitles();
int count();
// The title at a pop-up index; empty when the index is out of range.
QString titleAt(int index);
// The pop-up index of a title; -1 when it is not a symbology title.
int indexOf(const QString &title);
EngineKind kindOf(const QString &title);
bool isTwoD(const QString &title);
bool isLinear(const QString &title);

// The title as the pop-up shows it (translated when a translation is installed).
QString displayTitle(int index);
// The index of a title as shown, or of an untranslated title; -1 when neither.
int indexOfDisplayed(const QString &shown);

// Linear engines. A factory makes the model for its title, with any state that must exist before
// initialisation (the Code 128 code set), but does not initialise it.
using LinearFactory = std::function<std::unique_ptr<NKDBarcode>()>;

// Installs the factory of a linear title; answers false (and installs nothing) for a title that is
// not a linear title of the list. Installing again replaces the earlier factory; an empty factory
// removes it. The UPC/EAN titles are built in; the other symbology files install theirs from their
// registration functions.
bool registerLinearSymbology(const QString &title, LinearFactory factory);
// Whether a factory is installed for the title, and the factory itself (empty when none).
bool hasLinearFactory(const QString &title);
LinearFactory linearFactory(const QString &title);

// A new, uninitialised model for a linear title; nullptr when the title has no engine.
std::unique_ptr<NKDBarcode> createLinearBarcode(const QString &title);
// createLinearBarcode() followed by initWithContent(); nullptr when there is no engine or the
// content is refused (not ASCII). Validity is the caller's to ask.
std::unique_ptr<NKDBarcode> createLinearBarcode(const QString &title, const QString &content, bool printsCaption);

} // namespace Symbologies
