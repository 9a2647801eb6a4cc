#pragma once
// The canvas's selection in the Designing mode: the card objects of the side being edited, the ones
// the canvas has selected (in selection order) and its current object, and the canvas's commands
// that the editing, arrange and field handlers hand their work to. The canvas supplies the
// selection and the commands when the controller binds it (DesignController::Bind_Canvas).

#include "design/CanvasCommands.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class DesignController;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;

class DesignSelection {
public:
    explicit DesignSelection(DesignController &design);

    DesignController &design;

    // The canvas's selected objects in selection order (none until a canvas supplies them through
    // Canvas_Selection), the canvas's way of deselecting everything, and its commands.
    SKTGraphicList Selected_Graphic_Objects() const { return Canvas_Selection ? Canvas_Selection() : SKTGraphicList(); }
    std::function<SKTGraphicList()> Canvas_Selection;
    std::function<void()> Canvas_Clear_Selection;
    CanvasCommands Canvas_Commands;
    // Makes the object the canvas's current object (a field write: nothing is redrawn).
    void Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic);
    std::weak_ptr<SKTGraphic> _Selected_Graphic;   // the canvas's current object
    SKTGraphic *Last_Selected_Graphic = nullptr;   // identity only: the object the sidebar last showed
    // The canvas's current object (the sidebar's), else the first selected one; nullptr for the card.
    std::shared_ptr<SKTGraphic> Get_Selected_Graphic() const;
    // The card objects of the side being edited, front-most first, and their number.
    SKTGraphicList Get_Front_Controls_Array() const;
    int Get_Front_Control_Count() const;
    // "Please select only one image control to '<word> Image'." when two or more pictures are
    // selected; answers whether that was the case.
    bool Check_Multiple_Image_Selection(const QString &word);
};
