#pragma once
// The Designing mode of the main window: its work area (tools, canvas, the property sidebar's box,
// the record list's box), the canvas and its selection, the transfers of the sidebar's pages into
// the selected objects and the card, the snapshot stacks, units and the cascade point of new
// objects. It owns the parts that do the rest: the property sidebar, the batch binding with the
// record list, the editing commands, the file commands and the grid options. It reads the rest of
// the window only through its sources (design/DesignSources.h).

#include "design/CanvasCommands.h"
#include "model/DesignSnapshot.h"
#include "platform/Picture.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class CanvasHost;
class Card_Property;
class DesignCommands;
struct DesignSources;
class EditingCommands;
class GridOptions;
class PropertySidebar;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QScrollArea;
class QWidget;
class RecordBinding;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;
class SKTGraphicView;
class SKTGraphicsController;
class SKTGrid;
class SKTZoomingScrollView;
class ToolPalette;
class Unit_PrefWindow;
struct SKTCardLayers;

class DesignController : public QObject {
    Q_OBJECT
public:
    // The sources are what the design reads and asks of the rest of the window.
    explicit DesignController(DesignSources sources);
    ~DesignController() override;

    DesignSources &sources() const { return *m_sources; }

    // ---- The parts this controller owns ----
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

    // ---- Canvas and card ----
    SKTGrid *_grid = nullptr;
    double _zoomFactor = 1.0;
    int Selected_Control_Tool = 0;
    SKTGraphic *Last_Selected_Graphic = nullptr;   // identity only: the object the sidebar last showed
    Card_Property *Front_card_Prop = nullptr;
    SKTGraphicList Graphics_array_Batch;                        // the objects a batch job fills
    std::optional<DesignSnapshot> Graphics_array_Batch_Front_Bkup;   // the design copy around a batch job
    QImage Main_Photo_image;
    bool main_photo_ds_batch = false;
    QSizeF observedCanvasSize;   // the document's last "canvasSize"
    QSizeF canvasFrameSize;      // the canvas size last applied, in points
    bool rulersShown = false;
    QFont Text_font;   // the font the text page shows and chooses

    // Creates the work area (tools, canvas, sidebar) and the record list box on the page, kept
    // apart so that the frame can move them into its split view.
    void buildDesigningPanel(QWidget *page);

    // ---- Canvas ----
    // Applies the document's canvas size to the canvas.
    void SetDocumentCanvasSize(const QSizeF &size);
    void Refresh_Canvas();
    void changeViewController(int index);
    // Creates an object of the current tool on the canvas (nothing for the arrow tool).
    void selectedToolDidChange();
    // The card object class of the current tool, empty for the arrow and unknown tools.
    QString currentGraphicClass() const;
    // The canvas's object creation; the canvas supplies it (nothing is created while it is unset).
    std::function<void(const QString &graphicClass, const QRectF &frame, int tool)> Canvas_Create_Graphic;
    // Open panel for one picture file; YES when one was chosen and opens as a picture.
    bool Browse_User_Image_Manually();
    void Show_Hide_Ruler_ChkBox();
    void Set_Canvas_to_100_percent();
    void Zoom_In_Toolbar_btn();
    void Zoom_Out_Toolbar_btn();
    void Actual_Size_Toolbar_btn();
    static float Get_Factor_According_Index(int index);
    // The canvas's current object (the sidebar's), else the first selected one; nullptr for the card.
    std::shared_ptr<SKTGraphic> Get_Selected_Graphic() const;
    // The card objects of the side being edited, front-most first, and their number.
    SKTGraphicList Get_Front_Controls_Array() const;
    int Get_Front_Control_Count() const;
    // The canvas and its zooming scroll view (the outlets below, as their own classes), the
    // selection of the card objects and the canvas's host in this window.
    SKTGraphicView *Graphic_View() const;
    SKTZoomingScrollView *Zooming_Scroll_View() const;
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
    // Why a card size cannot be the canvas's (empty when it can): no area, not a number, or larger
    // than a widget may be at the largest zoom.
    static QString Canvas_Size_Refusal(const QSizeF &size);
    // The document's canvas size observed: a null size is ignored, any other is applied.
    void Observe_Canvas_Size(const QSizeF &size);
    // Offers the size to the document's canvas-size query, which keeps nothing.
    void Set_Document_Size(double width, double height);
    // The batch binding's record-list step will call it; the card size lives in the canvas alone.
    void Set_Canvas_Box_Size(bool flag);
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
    // ---- The canvas's selection ----
    // The canvas's selected objects in selection order (none until a canvas supplies them through
    // Canvas_Selection), the canvas's way of deselecting everything, and its commands that the
    // editing, arrange and field handlers hand their work to.
    SKTGraphicList Selected_Graphic_Objects() const { return Canvas_Selection ? Canvas_Selection() : SKTGraphicList(); }
    std::function<SKTGraphicList()> Canvas_Selection;
    std::function<void()> Canvas_Clear_Selection;
    CanvasCommands Canvas_Commands;
    // Makes the object the canvas's current object (a field write: nothing is redrawn).
    void Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic);
    std::weak_ptr<SKTGraphic> _Selected_Graphic;   // the canvas's current object

    // ---- Undo and redo (the workspace's snapshot stacks) ----
    // Records one step after a change: empties the redo stack, pushes a snapshot of the side being
    // edited and refreshes the Undo and Redo buttons.
    void Insert_In_Undo_Redo();
    void Undo_Action_Perform();
    void Redo_Action_Perform();
    void Undo_Clicked();
    void Redo_Clicked();
    // Each answers whether the snapshot was complete and so pushed; an incomplete one is logged.
    bool Insert_In_Undo_Stack(const SKTGraphicList &graphics);
    bool Insert_In_Redo_Stack(const SKTGraphicList &graphics);
    // Reading a design from a project file will call it with the objects read.
    bool Insert_In_Undo_Stack_For_Log(const SKTGraphicList &graphics);
    // Insert_In_Undo_Redo's undo step; that recorder checks its snapshot first and pushes it itself.
    bool Undo_Stack();
    void Redo_Stack();
    bool Last_Stack(const QString &stack);
    void Fill_Undo_Redo_Control(const DesignSnapshot &snapshot);
    void Undo_Redo_Clear();
    int Get_Undo_Count() const;
    int Get_Redo_Count() const;
    // The start rule: the design as started or read becomes the bottom of the undo stack, with
    // Undo and Redo disabled and no unsaved change.
    void Record_Design_As_Started();
    // Typing in the value editor is one step when the editing ends, or before Undo or Redo runs.
    void Typing_Changed_Design() { Typing_Step_Pending = true; }
    void Record_Typing_Step();
    bool Typing_Step_Pending = false;
    // How snapshots are taken (a complete snapshot has one archive per object); tests replace it.
    std::function<std::shared_ptr<DesignSnapshot>(const SKTGraphicList &)> Take_Design_Snapshot;

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

    // ---- Services of the pages, the card objects and the barcode-object window ----
    // "Please select only one image control to '<word> Image'." when two or more pictures are
    // selected; answers whether that was the case.
    bool Check_Multiple_Image_Selection(const QString &word);
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

    // ---- Units ----
    void _setLabels();
    void Apply_unit_Chaneg_Values();
    static float Get_Unit_Convertor(int from, int to);
    // The units command of every mode: the units window opens on the current mode's unit; after OK
    // the mode's own routine converts and relabels its fields, after Cancel nothing changes.
    void doPreferences();
    // OK of the units window: ends its run with 1; in the Designing mode the sidebar shows the card.
    void prefsOkay();
    // Applies the chosen unit to the Designing mode's labels and card size fields (Designing mode only).
    void On_OK_of_Unit_Panel();
    // The units window (made on first use) and its radio matrix, ids 0 inch, 1 cm, 2 mm.
    Unit_PrefWindow *unit_prefPanel = nullptr;
    QButtonGroup *unit_matrix = nullptr;
    // The unit window's chosen row, -1 when none is chosen or the window does not exist yet.
    int Selected_Unit_Row() const;
    void buttonCellClick() {}   // a click on a row of the units matrix: nothing to do until OK

    // ---- Work area ----
    QWidget *Design_Work_Area = nullptr, *myTargetView = nullptr, *first_view = nullptr;
    QGroupBox *drawing_canvas_box = nullptr, *Right_Prop_Box = nullptr;
    QScrollArea *_zoomingScrollView = nullptr;
    QWidget *_graphicView = nullptr;
    QComboBox *_factorPopUpButton = nullptr;
    QFrame *horizontal_ruler = nullptr, *vertical_ruler = nullptr;
    ToolPalette *tool_palette = nullptr;   // the tool buttons
    QPushButton *Ruler_btn = nullptr, *Zoom_In_btn = nullptr, *Zoom_Out_btn = nullptr, *Actual_Size_btn = nullptr;
    QPushButton *Card_Prop_btn = nullptr, *Card_Bckgrnd_btn = nullptr;
    // Side
    QLabel *Front_back_label = nullptr;
    QPushButton *Front_Side_btn = nullptr, *Back_Side_btn = nullptr, *Copy_Card_Design_btn = nullptr;
    QScrollArea *Card_Image_Scrl = nullptr, *Card_Image_Scrl_BACK = nullptr;

private:
    // The canvas area's form, set up once by buildDesigningPanel on its placeholder, its widgets
    // taken into the outlets.
    void Build_Design_Canvas_Area(QGroupBox *box);
    void Set_Zoom_Index(int index);
    // One page's values into every selected object of the exact class Kind (then after with it),
    // then the redraw and one undo step.
    template <class Kind, class Values>
    void Transfer_Panel(const Values &values, void (*write)(SKTGraphic &, const Values &),
                        const std::function<void(SKTGraphic &)> &after = {});
    std::unique_ptr<DesignSources> m_sources;   // before the parts, which read it as they are made
    std::unique_ptr<PropertySidebar> m_sidebar;
    std::unique_ptr<RecordBinding> m_records;
    std::unique_ptr<EditingCommands> m_editing;
    std::unique_ptr<DesignCommands> m_commands;
    std::unique_ptr<GridOptions> m_gridOptions;
};
