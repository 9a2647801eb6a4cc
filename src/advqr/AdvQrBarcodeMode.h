#pragma once
// What the Barcode mode asks of the Advanced QR mode. The Barcode mode's editor frames the Advanced
// QR symbol and answers the column's margin, size, print-flag, font and colour controls: it reads
// the column's settings, fonts, logo and preview, copies the pairs the user changed and draws the
// symbol again. The window's logo box and browse button serve both modes, and the barcode-object
// window edits a QR payload in the payload editor. The mode implements it
// (advqr/AdvQrBarcodeModeSide.h).

#include "advqr/AdvQrSettings.h"
#include "platform/Picture.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QObject;
struct EditorPreview;
namespace barcode_sizes { struct MarginInputs; }
namespace platform { class Stepper; }

class AdvQrBarcodeMode {
public:
    virtual ~AdvQrBarcodeMode() = default;

    // ---- The column as the editor answers it ----
    enum class Margin { Header, Footer, TopBottom, LeftRight };
    // Copies the pair the user changed (sender, either half) to its other half; text typed into the
    // field that cannot stand gets the field's message and the value stays. Answers whether a value
    // crossed.
    virtual bool copyMarginPair(QObject *sender, Margin margin) = 0;
    virtual bool copySidePair(QObject *sender) = 0;
    virtual void sidePair(QLineEdit **field, platform::Stepper **stepper) const = 0;
    virtual bool printsHeader() const = 0;
    virtual bool printsFooter() const = 0;
    virtual void enableHeaderBox(bool on) = 0;
    virtual void enableFooterBox(bool on) = 0;
    virtual void focusHeaderFontButton() = 0;
    virtual void setHeaderFont(const QFont &font) = 0;
    virtual void setFooterFont(const QFont &font) = 0;
    virtual EditorPreview editorPreview() = 0;
    // The column's controls the editor's handlers answer.
    enum class EditorControl {
        HeaderMargin, FooterMargin, TopBottomMargin, LeftRightMargin, Side, HideHeader, HideFooter, HeaderFont,
        FooterFont, Colour
    };
    // Connects each of those controls to handler (called with the control and its sender, in the
    // context of editor); false while the column is not built.
    virtual bool wireToEditor(QObject *editor, std::function<void(EditorControl, QObject *)> handler) = 0;

    // ---- The mode's symbol and settings ----
    virtual AdvQrSettings settings() const = 0;
    virtual QFont ADV_QR_header_font() const = 0;
    virtual QFont ADV_QR_footer_font() const = 0;
    virtual bool ADV_QR_USE_QR_LOGO() const = 0;
    virtual QImage ADV_QR_USE_QR_LOGO_IMG() const = 0;
    virtual barcode_sizes::MarginInputs ADV_QR_Margin_Inputs() const = 0;
    virtual void DRAW_ADV_QR_With_All_Init() = 0;
    virtual platform::Picture Get_ADV_QR_barcode_from_image(bool draw) = 0;

    // ---- The logo box and browse button, shared with the Barcode mode ----
    virtual void Use_Logo_Chk_Clicked() = 0;
    virtual void Use_Browse_Logo_Btn_Clicked() = 0;

    // ---- The payload editor ----
    struct PayloadEdit {
        QString payload;   // the stored payload
        QString summary;   // what the payload shows as
        QString type;      // the payload type's title
    };
    // Runs the payload editor on a stored payload: the edited one after OK (its summary the last
    // build's), nothing after Cancel.
    virtual std::optional<PayloadEdit> Open_ADV_QR_EDIT_Window(const PayloadEdit &stored) = 0;
};
