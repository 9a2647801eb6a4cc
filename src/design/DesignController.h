#pragma once
// The Designing mode of the main window: the tools and the canvas bound to the document, the
// transfers of the sidebar's pages into the selected objects and the card, the cascade point of new
// objects and the services of the pages and the card objects. It owns the parts that do the rest:
// the card and its batch copies, the work area with the canvas view, the canvas's selection, the
// undo stacks, the property sidebar, the batch binding with the record list, the editing commands,
// the file commands, the grid options and the units. It reads the rest of the window only through
// its sources (design/DesignSources.h). A caller that needs only a part reaches it through
// design/DesignParts.h and the part's header, without this one.

#include "platform/Picture.h"

#include <QFont>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>

class CanvasHost;
class Card_Property;
class DesignCard;
class DesignCommands;
class DesignSelection;
struct DesignSources;
class DesignWorkArea;
class EditingCommands;
class GridOptions;
class PropertySidebar;
class QPainter;
class RecordBinding;
class SKTGraphic;
class SKTGraphicsController;
struct SKTCardLayers;
class UndoStacks;
class UnitPreferences;

class DesignController : public QObject {
    Q_OBJECT
public:
    // The sources are what the design reads and asks of the rest of the window.
    explicit DesignController(DesignSources sources);
    ~DesignController() override;

    DesignSources &sources() const { return *m_sources; }

    // ---- The parts this controller owns ----
    // The card's properties and the copies of its objects a batch job works on.
    DesignCard &card() const;
    // The work area: its outlets, and the canvas view's redraw, zoom, rulers and card size.
    DesignWorkArea &workArea() const;
    // The canvas's selection, its current object and its commands.
    DesignSelection &selection() const;
    // The undo and redo snapshot stacks of the side being edited.
    UndoStacks &undoStacks() const;
    // The property sidebar: its tab sets, its pages and the routing between them.
    PropertySidebar &sidebar() const;
    // The batch binding of card objects, the record list and the record fill.
    RecordBinding &records() const;
    // The standard buttons, the editing commands and their enabling.
    EditingCommands &editing() const;
    // Toolbar, file and exit commands, the card buttons, the template export.
    DesignCommands &commands() const;
    // The grid's buttons and options window.
    GridOptions &gridOptions() const;
    // The units command of every mode, its window and the Designing mode's unit labels.
    UnitPreferences &units() const;

    int Selected_Control_Tool = 0;   // the tool palette's current tool
    QFont Text_font;   // the font the text page shows and chooses

    // ---- Canvas ----
    // Creates an object of the current tool on the canvas (nothing for the arrow tool).
    void selectedToolDidChange();
    // The card object class of the current tool, empty for the arrow and unknown tools.
    QString currentGraphicClass() const;
    // The canvas's object creation; the canvas supplies it (nothing is created while it is unset).
    std::function<void(const QString &graphicClass, const QRectF &frame, int tool)> Canvas_Create_Graphic;
    // Open panel for one picture file; YES when one was chosen and opens as a picture.
    bool Browse_User_Image_Manually();
    // The canvas's selection indexes of the document's objects, and the canvas's host in this window.
    SKTGraphicsController *_graphicsController = nullptr;
    std::shared_ptr<CanvasHost> Canvas_Host;
    // Binds the canvas to the document's list, the selection and the grid, and gives the card
    // objects the canvas's bounds and cascade point.
    void Bind_Canvas();
    // The card's layers under and over the objects, from Front_card_Prop and Card_Shape.
    void Card_Base_Drawing(QPainter &painter, const QRectF &cardRect);
    void Card_Border_Drawing(QPainter &painter, const QRectF &cardRect);
    // Announces the tool, refreshes the canvas and shows the current object's properties.
    void Select_tool_action();
    // The arrow tool, announced; nothing refreshed.
    void selectArrowTool();
    // A new barcode object's settings from the Barcode mode or the Advanced QR mode, its lengths
    // in millimetres; answers the value to render.
    QString Pass_Barcode_Mode_Settings(SKTGraphic &object);
    QString Pass_Adv_QR_Settings(SKTGraphic &object);
    // The linear height and the five margins from a unit (0 inch, 1 cm, 2 mm) to millimetres.
    static void Convert_Barcode_Lengths_To_MM(SKTGraphic &object, int unit);
    // Removes every object of the side being edited; nothing is selected then.
    void delete_all_control();
signals:
    void SKTSelectedToolDidChange();

public:
    // ---- Cascade position of new objects ----
    // The position of the next new object on a card side.
    QPointF Control_New_Point(const QString &cardSide);
    // Back to the start: a new or reopened design cascades from the top-left corner again.
    void Reset_Cascade_Position();
    // The last cascade position in points and the wrap offset of each axis.
    float last_ctrl_X = 10.0f, last_ctrl_Y = 10.0f;
    float last_ctrl_X_Exeed_Count = 2.0f, last_ctrl_Y_Exeed_Count = 2.0f;

    // ---- Transfers (a page of the sidebar -> the selected objects of its class, or the card) ----
    // Colour pre-step: every selected object takes the colour through its setColor.
    void Fill_And_Set_Color_Event_Generator(const QColor &color);
    void Update_Line_Graphics();
    void Update_Text_Graphics();
    void Update_Shape_Graphics();
    void Update_Image_Graphics();
    void Update_Sign_Graphics();
    // The template's barcode settings into every selected barcode object; the current object takes
    // the window's picture and every other selected one is rendered from its own settings.
    void Update_Barcode_Graphics(const SKTGraphic &templateGraphic);
    // The sidebar's print check box into every unlocked selected object.
    void Print_object_chk_changed();
    // The card's four pages into the card; a background picture from a file (an empty path only
    // clears the path field).
    void Update_Card_Graphics();
    void set_Front_BG_Image(const QString &path);
    // The card's settings were written over before: a change marks the design changed.
    void Card_Settings_Written(const Card_Property &before);

    // ---- Services of the pages, the card objects and the barcode-object window ----
    // The current picture takes a path (setFilePath and its value), then the picture transfer.
    void Give_Current_Picture_Path(const QString &path);
    // The barcode-object window on the object the sidebar shows.
    void Open_Barcode_Window();
    // The image library picker for a purpose ("C" picture objects, "B" backgrounds, "QR" logos):
    // 1 when a picture that opens was chosen (its path then in lib_window_sel_file), else 0.
    int Open_Image_Library_Window(const QString &purpose);
    // Whether a chosen file is a picture that opens; if not, says so and answers false.
    static bool Accept_Picture_File(const QString &path);
    // The picture's loaded picture through the effect chain; the picture page shows its error label
    // unless there is a non-empty result and a file at the picture's path.
    platform::Picture Get_Image_With_Update_Settings(const SKTGraphic &graphic);
    // The picture page's effect controls back to their defaults, without running their handlers.
    void Reset_Image_Editing_Controls();
    // The card objects' picture services from this controller, and taken away again if still ours.
    void Install_Model_Hooks();
    void Remove_Model_Hooks();
    // The off-screen renderer's host: the canvas bounds and the card's layers as painting functions
    // that own a copy of the card's settings (installed at start-up, taken away with the window).
    void Install_Render_Host();
    void Remove_Render_Host();
    static SKTCardLayers Render_Card_Layers(const Card_Property &card, int cardShape);
    QRectF Render_Canvas_Bounds() const;

private:
    // One page's values into every selected object of the exact class Kind (then after with it),
    // then the redraw and one undo step.
    template <class Kind, class Values>
    void Transfer_Panel(const Values &values, void (*write)(SKTGraphic &, const Values &),
                        const std::function<void(SKTGraphic &)> &after = {});
    std::unique_ptr<DesignSources> m_sources;   // before the parts, which read it as they are made
    std::unique_ptr<DesignCard> m_card;
    std::unique_ptr<DesignWorkArea> m_workArea;
    std::unique_ptr<DesignSelection> m_selection;
    std::unique_ptr<UndoStacks> m_undoStacks;
    std::unique_ptr<PropertySidebar> m_sidebar;
    std::unique_ptr<RecordBinding> m_records;
    std::unique_ptr<EditingCommands> m_editing;
    std::unique_ptr<DesignCommands> m_commands;
    std::unique_ptr<GridOptions> m_gridOptions;
    std::unique_ptr<UnitPreferences> m_units;
};
