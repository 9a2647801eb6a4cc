#pragma once
// What the canvas needs of the workspace around it (the Designing mode, the other modes and the
// barcode-object window), without knowing them: the window implements it, tests use a fake.

#include "platform/Picture.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>

class QPainter;
class SKTGraphic;

class CanvasHost {
public:
    virtual ~CanvasHost() = default;

    // ---- The card's own layers (painted in card points, y downward) ----
    // The card base; leaves the card outline as the painter's clip for the rest of the pass.
    virtual void Card_Base_Drawing(QPainter &painter, const QRectF &cardRect) = 0;
    // The watermark and the border over the objects.
    virtual void Card_Border_Drawing(QPainter &painter, const QRectF &cardRect) = 0;

    // ---- Tools ----
    virtual int Selected_Control_Tool() const = 0;
    virtual void Set_Selected_Control_Tool(int tool) = 0;
    // The class name of the current tool, empty for the arrow and unknown tools.
    virtual QString currentGraphicClass() const = 0;

    // ---- Workspace services ----
    // One undo step after a change.
    virtual void Insert_In_Undo_Redo() = 0;
    virtual QPointF Control_New_Point(const QString &cardSide) = 0;
    virtual void Show_RHS_Properties(SKTGraphic *graphic) = 0;
    virtual void Refresh_Canvas() = 0;
    // The same-width and same-height buttons.
    virtual void Enable_Same_Size_Buttons(bool enable) = 0;
    // The current object: the one the sidebar shows (none when empty).
    virtual std::shared_ptr<SKTGraphic> Current_Graphic() const = 0;
    virtual void Set_Current_Graphic(const std::shared_ptr<SKTGraphic> &graphic) = 0;

    // Opens the barcode-object window on a barcode object of the card.
    virtual void Open_Barcode_Window(const std::shared_ptr<SKTGraphic> &barcode) = 0;
    // The workspace recounts its batch state after objects came or went.
    virtual void Check_Series_Or_Excel_Use_or_not() = 0;

    // ---- Clipboard, undo and units ----
    // The clipboard type of card objects.
    virtual QString Card_Objects_Mime_Type() const = 0;
    // The Paste button follows the clipboard.
    virtual void Set_Paste_Button_Status() = 0;
    virtual void Undo_Action_Perform() = 0;
    virtual void Redo_Action_Perform() = 0;
    // Whether Undo and Redo are enabled (the window's own answer).
    virtual bool Can_Undo() const = 0;
    virtual bool Can_Redo() const = 0;
    // The factor from one length unit to another (0 inch, 1 cm, 2 mm).
    virtual double Get_Unit_Convertor(int from, int to) const = 0;

    // ---- Creation ----
    enum class Placeholder { NoImage, SignSample, FingerprintSample };
    virtual QImage Placeholder_Image(Placeholder which) const = 0;
    // Gives a new barcode object the settings ctrl_value names ("" the object's own defaults,
    // "PASS_BAR" the Barcode mode's, "PASS_QR" the Advanced QR mode's) and answers its first
    // picture as the barcode-object window renders it; null when the value cannot be drawn.
    virtual platform::Picture First_Barcode_Picture(SKTGraphic &barcode, const QString &ctrl_value) = 0;
};
