#pragma once
// The Designing mode of the main window: its work area (tools, canvas, property sidebar, record
// list), the card and object panels and their transfers to the selected objects, units, and the
// batch binding of card objects.

#include "design/CanvasCommands.h"
#include "design/PanelValues.h"
#include "model/DesignSnapshot.h"
#include "platform/Picture.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QDialog;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QTableView;
class QTabWidget;
class QWidget;
class DoubleSlider;
class ValueListModel;
namespace platform {
class ColorWell;
class Stepper;
}

// The spreadsheet linked to the design, as the batch binding reads it: one title per imported
// column (column k is titles[k - 1]) and one row per record, keyed "Column%d" (k from 1) and
// "Extension" for the fixed first column.
struct LinkedSheetTable {
    QStringList columnTitles;
    QList<QMap<QString, QString>> rows;
};

#include <QFont>
#include <QImage>
#include <QObject>
#include <QVariant>

class QFrame;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;
class SKTGrid;
class SKTWindowController;
class Card_Property;
struct SKTCardLayers;
class CanvasHost;
class QPainter;
class SKTGraphicView;
class SKTGraphicsController;
class SKTZoomingScrollView;
class CardInfoPanel;
class CardSizePanel;
class CardBackgroundPanel;
class CardBorderPanel;
class LinePanel;
class ShapePanel;
class TextEditingPanel;
class TextPropertiesPanel;
class ImagePanel;
class SignPanel;
class DataSourcePanel;
class AlignmentPanel;
class BarcodePanel;
class LockPanel;
class ToolPalette;
class EditingCommands;
class DesignCommands;
class GridOptions;

class DesignController : public QObject {
    Q_OBJECT
public:
    explicit DesignController(SKTWindowController &hub);
    ~DesignController() override;

    SKTWindowController &hub;

    // Canvas and card
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

    // Fonts of the Designing mode's texts (Text_font is the one the text page shows and chooses)
    QFont Text_font;

public:
    // ---- Building the Designing-mode work area on its mode tab page ----
    // Creates the work area (tools, canvas, property sidebar) and the record list box, adds both to
    // the page's layout and keeps them in Design_Work_Area and Fill_List_box, so that the frame can
    // move them into its split view.
    void buildDesigningPanel(QWidget *page);

    // ---- Canvas ----
    // Applies the document's canvas size to the canvas.
    void SetDocumentCanvasSize(const QSizeF &size);
    QSizeF canvasFrameSize;   // the canvas size last applied, in points
    void Refresh_Canvas();
    void changeViewController(int index);
    // Creates an object of the current tool on the canvas (nothing for the arrow tool).
    void selectedToolDidChange();
    // The card object class of the current tool, empty for the arrow and unknown tools.
    QString currentGraphicClass() const;
    // The canvas's object creation; the canvas supplies it (nothing is created while it is unset).
    std::function<void(const QString &graphicClass, const QRectF &frame, int tool)> Canvas_Create_Graphic;
    // Open panel for one picture file of the accepted types; YES when one was chosen.
    bool Browse_User_Image_Manually();
    void Show_Hide_Ruler_ChkBox();
    void Set_Canvas_to_100_percent();
    void Zoom_In_Toolbar_btn();
    void Zoom_Out_Toolbar_btn();
    void Actual_Size_Toolbar_btn();
    static float Get_Factor_According_Index(int index);
    // The canvas's current object (the one the sidebar shows), else the first selected object;
    // nullptr for the card.
    std::shared_ptr<SKTGraphic> Get_Selected_Graphic() const;
    // The card objects of the side being edited, front-most first (the document's objects).
    SKTGraphicList Get_Front_Controls_Array() const;
    bool rulersShown = false;

    // ---- Canvas view ----
    // The canvas and its zooming scroll view (the outlets above, as their own classes), the
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
    // Kept for their callers; the card size lives in the canvas alone.
    void Set_Document_Size(const QSizeF &size);
    void Set_Canvas_Box_Size(bool flag);
    // Why a card size cannot be the canvas's (empty when it can): no area, not a number, or larger
    // than a widget may be at the largest zoom.
    static QString Canvas_Size_Refusal(const QSizeF &size);
    // The document's canvas size observed: a null size is ignored, any other is applied.
    void Observe_Canvas_Size(const QSizeF &size);
    // A new barcode object's settings from the Barcode mode or the Advanced QR mode, its lengths
    // in millimetres; answers the value to render.
    QString Pass_Barcode_Mode_Settings(SKTGraphic &object);
    QString Pass_Adv_QR_Settings(SKTGraphic &object);
    // The linear height and the five margins from a unit (0 inch, 1 cm, 2 mm) to millimetres.
    static void Convert_Barcode_Lengths_To_MM(SKTGraphic &object, int unit);
signals:
    void SKTSelectedToolDidChange();
public:

    // ---- The canvas's selection as card objects ----
    // The canvas's selected objects in selection order (none until a canvas supplies them through
    // Canvas_Selection).
    SKTGraphicList Selected_Graphic_Objects() const { return Canvas_Selection ? Canvas_Selection() : SKTGraphicList(); }
    std::function<SKTGraphicList()> Canvas_Selection;

    // ---- Undo and redo (the workspace's snapshot stacks) ----
    // Records one step after a change: empties the redo stack, pushes a snapshot of the side being
    // edited and refreshes the Undo and Redo buttons.
    void Insert_In_Undo_Redo();
    void Undo_Action_Perform();
    void Redo_Action_Perform();

    // ---- Cascade position of new objects ----
    // The position of the next new object on a card side.
    QPointF Control_New_Point(const QString &cardSide);

    // ---- Editing commands ----
    // The canvas's commands that the editing, arrange and field handlers hand their work to.
    CanvasCommands Canvas_Commands;
    // The standard buttons, the editing commands and their enabling.
    EditingCommands &editing() const;

    // Undo and redo stacks (the steps themselves are recorded by Insert_In_Undo_Redo above).
    void Undo_Clicked();
    void Redo_Clicked();
    // Each answers whether the snapshot was complete and so pushed; an incomplete one is logged.
    bool Insert_In_Undo_Stack(const SKTGraphicList &graphics);
    bool Insert_In_Redo_Stack(const SKTGraphicList &graphics);
    bool Insert_In_Undo_Stack_For_Log(const SKTGraphicList &graphics);
    bool Undo_Stack();
    void Redo_Stack();
    bool Last_Stack(const QString &stack);
    void Fill_Undo_Redo_Control(const class DesignSnapshot &snapshot);
    void Undo_Redo_Clear();
    int Get_Undo_Count() const;
    int Get_Redo_Count() const;
    // The start rule: the design as started or read becomes the bottom of the undo stack, with
    // Undo and Redo disabled and no unsaved change.
    void Record_Design_As_Started();
    // How snapshots are taken (a complete snapshot has one archive per object); tests replace it.
    std::function<std::shared_ptr<DesignSnapshot>(const SKTGraphicList &)> Take_Design_Snapshot;

    // The number of objects on the side being edited.
    int Get_Front_Control_Count() const;

    // Position and size of the sidebar object, the print check box and the arrange commands.
    void Set_Control_Pos_And_Size(const SKTGraphic &graphic);
    void Frame_main_Pic_X_Pos_Changed(QObject *sender);
    void Frame_main_Pic_Y_Pos_Changed(QObject *sender);
    void Frame_main_Pic_Wdith_Changed(QObject *sender);
    void Frame_main_Pic_Height_Changed(QObject *sender);
    void Print_object_chk_changed();
    void Align_Left_Clicked();
    void Align_Right_Clicked();
    void Align_Top_Clicked();
    void Align_Bottom_Clicked();
    void Align_Center_Clicked();
    void Align_Horz_Clicked();
    void Align_Vert_Clicked();
    void Make_Same_Width_Clicked();
    void Make_Same_Height_Clicked();
    void Make_Fit_To_Label_Clicked();
    void Make_Natural_Clicked();
    void Align_To_Grid_Clicked();

    // ---- Property sidebar tab sets ----
    // Shows the sidebar of one object, or the card's tabs for none.
    void Show_RHS_Properties(SKTGraphic *graphic);

    // ---- Sidebar tab sets ----
    // The canvas's way of deselecting everything; the canvas installs it.
    std::function<void()> Canvas_Clear_Selection;
    // The value editor of the source tab ends editable exactly for a manual text.
    void Set_Text_Value_Editable();
    // Connects the controls of one sidebar page (an object or card panel) to their handlers.
    void Wire_Sidebar_Controls(QWidget *page);

    // Colour pre-step: every selected object takes the colour through its setColor.
    void Fill_And_Set_Color_Event_Generator(const QColor &color);
    // Today's date or the time in the chosen pattern, put in place of the value editor's selection.
    void Text_Insert_Date();
    void Text_Insert_Time();

    // Picture, signature and barcode handlers.
    // "Please select only one image control to '<word> Image'." when two or more pictures are
    // selected; answers whether that was the case.
    bool Check_Multiple_Image_Selection(const QString &word);
    void Manual_Image_Browse_Btn();
    void Manual_Library_Browse_Btn();
    void Image_reset_Button();
    void Image_Border_ChkBox();
    void Image_Border_Changed(QObject *sender);
    void Set_ImageControl_Clr(QObject *sender);
    // An effect slider: its value into its field, then the picture transfer.
    void Image_Slider_Changed(QObject *slider);
    void Cropping_Selected_Image_clicked();
    void Sign_Browse_Btn();
    void Sign_Border_ChkBox();
    void Sign_Border_Changed(QObject *sender);
    void Set_SignControl_Clr(QObject *sender);
    void View_barcode_prop_Button();
    void Open_Barcode_Window();
    void Edit_Adv_QR_Value_Clicked();
    // The card's background picture from a file; an empty path only clears the path field.
    void set_Front_BG_Image(const QString &path);
    // Offers the size to the document's canvas-size query, which keeps nothing.
    void Set_Document_Size(double width, double height);

private:
    // The panels of one object filled from it, with the flag set (Show_RHS_Properties). A text's
    // fill is the sidebar's name and the text source, then the two text pages' own fills.
    void Fill_Text_Panel(const SKTGraphic &graphic);
    void Fill_Image_Panel(const SKTGraphic &graphic);
    void Fill_Sign_Panel(const SKTGraphic &graphic);
    void Show_Text_Source_Tab();
    void Show_Image_Source_Tab();
    void Build_Tab_Set(const SKTGraphic &graphic);
    // The current picture takes a path (setFilePath and its value), then the picture transfer.
    void Give_Current_Picture_Path(const QString &path);
    // A font chooser's answer handed to an action; nothing when cancelled.
    void Choose_Font(const QFont &current, void (DesignController::*action)(const QFont &));

public:

    // ---- Workspace services of the barcode-object window ----
    // Makes the object the canvas's current object (a field write: nothing is redrawn).
    void Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic);
    std::weak_ptr<SKTGraphic> _Selected_Graphic;   // the canvas's current object
    // The image library picker for a purpose ("C" picture objects, "B" backgrounds, "QR" logos):
    // 1 when a picture was chosen (its path then in lib_window_sel_file), else 0.
    int Open_Image_Library_Window(const QString &purpose);
    // The read-only viewers of a series and of the linked spreadsheet's rows.
    void Open_Series_Value_Box(const QString &seriesName);
    void Open_Excel_Data_Box();

    // ---- Card property panel (its four pages are panel classes; these route to them) ----
    // With nil copies the card's settings into the card's pages; with an object does nothing.
    void Load_Card_and_Label_Properties(SKTGraphic *graphic);
    // The four pages read at once (what Update_Card_Graphics stores).
    CardPanelValues Read_Card_Panels() const;
    // Pushes a changed content colour or font onto every text, then stores the card.
    void Update_All_Card_Content();
    // The background page's radios and controls for a fill code, the border's box after its check box.
    void card_prop_set(const QString &fillCode);
    void Update_Card_Graphics();
    void Fill_Card_Prop_Tab();
    // Applies the card size fields to the canvas at 100 % and stores the card.
    void Apply_Size_Clicked();
    void Remove_All_Tab_Items();
    // Shows a width and height in millimetres in the size fields, in the design unit.
    void Set_Card_Size_In_Control(double widthMM, double heightMM);
    // A stored card size in points shown in the size fields, in the design unit.
    void Show_Stored_Card_Size(const QSizeF &points);
    // A new design's size page: 100 x 100, the first vendor, no product, the size fields editable.
    void Reset_Card_Size();
    // A new design's content font (shown as fontText) and colour, with nothing to compare against.
    void Reset_Card_Content(const QFont &font, const QString &fontText);
    void Show_Card_Image_Path(const QString &path);
    // The size page's vendor and product lists of the label stock (null before the work area is built).
    QComboBox *Label_Stock_Vendors() const;
    QComboBox *Label_Stock_Products() const;
    // The start wizard's choices on the card's pages: the shape and label stock, then (for a blank
    // card) the size, name, border and fill, which are then stored.
    void Show_Wizard_Label_Stock(const class Card_Wizard &wizard);
    void Show_Wizard_Card(const class Card_Wizard &wizard);

    // ---- Object transfers (panel -> selected objects of the panel's class) ----
    void Update_Line_Graphics();
    void Update_Text_Graphics();
    void Update_Shape_Graphics();
    void Update_Image_Graphics();
    void Update_Sign_Graphics();
    // The template's barcode settings into every selected barcode object; the current object takes
    // the window's picture and every other selected one is rendered from its own settings.
    void Update_Barcode_Graphics(const SKTGraphic &templateGraphic);
    // The panels read at once (what the transfers write).
    ImagePanelValues Read_Image_Panel(bool singleSelection) const;
    SignPanelValues Read_Sign_Panel() const;
    QString Return_Border_Style_Str_On_index(int index) const { return Border_Style_Code(index); }
private:
    // One panel's values into every selected object of the exact class Kind (then after with it),
    // then the redraw and one undo step.
    template <class Kind, class Values>
    void Transfer_Panel(const Values &values, void (*write)(SKTGraphic &, const Values &),
                        const std::function<void(SKTGraphic &)> &after = {});

public:

    // ---- Picture services of the card objects ----
    // The picture's loaded picture through the effect chain; shows image_error_label unless there
    // is a non-empty result and a file at the picture's path.
    platform::Picture Get_Image_With_Update_Settings(const SKTGraphic &graphic);
    // The picture panel's effect controls back to their defaults, without running their handlers.
    void Reset_Image_Editing_Controls();
    // Gives the card objects this controller's picture services and lets the grid enable
    // Align_with_grid_btn; Remove_Model_Hooks takes the services away again if they are still this
    // controller's.
    void Install_Model_Hooks();
    void Remove_Model_Hooks();

    // ---- Units ----
    void _setLabels();
    void Apply_unit_Chaneg_Values();
    static float Get_Unit_Convertor(int from, int to);

    // ---- Units and grid ----
    // The units command of every mode: the units window opens on the current mode's unit; after OK
    // the mode's own routine converts and relabels its fields, after Cancel nothing changes.
    void doPreferences();
    // OK of the units window: ends its run with 1; in the Designing mode the sidebar shows the card.
    void prefsOkay();
    // Applies the chosen unit to the Designing mode's labels and card size fields (Designing mode only).
    void On_OK_of_Unit_Panel();
    // The units window (made on first use) and its radio matrix, ids 0 inch, 1 cm, 2 mm.
    class Unit_PrefWindow *unit_prefPanel = nullptr;
    QButtonGroup *unit_matrix = nullptr;
    // The unit window's chosen row, -1 when none is chosen or the window does not exist yet.
    int Selected_Unit_Row() const;
    void buttonCellClick() {}   // a click on a row of the units matrix: nothing to do until OK

    // The grid's buttons and options window.
    GridOptions &gridOptions() const;

    // ---- Batch binding and record list ----
    void Check_Series_Or_Excel_Use_or_not();
    void Check_Data_Sheet_Value_Use_or_Not();
    void Check_Excel_Binding_Value_Use_or_Not();
    bool Check_Front_Side_Dataset_Is_Used() const;
    bool Check_Front_Side_Excel_Binding_Is_Used() const;
    void Create_Dataset_binding_table();
    void Add_dataset_col_in_binding_table(const QString &name, int datasetIndex);
    int Calculate_data_table_rows() const;
    void Get_total_Card_count();
    int Get_Data_Set_Series_Item_Count(const QString &name);
    // Shows the record list box beside the canvas (the flag is not read).
    void Hide_Fill_List_Box(bool unused);
    int Get_Data_SetIndex_According_Name(const QString &name);
    QString Get_First_Value_Of_Dataset(const QString &name);
    QString Get_First_Value_Of_Excel_Binding(int column);
    void Fill_Excel_Col_Name_In_Combo(QComboBox *combo);
    void Fille_Data_Set_Values_In_Combo(QComboBox *combo, const QString &seriesName);
    void Add_Excel_Col_Name_In_Combo(QComboBox *combo);
    void Remove_Excel_Col_Name_In_Combo(QComboBox *combo);
    int Calculate_Excel_table_rows();
    // Record list beside the canvas: "Label 1" .. "Label n", unless it already holds count rows.
    void Fill_Record_List(int count);
    // Appends a record {"Value": label} and redraws the table (its rows show at the next reload).
    void Create_Fill_List(const QString &label);
    // The table fetches Fill_List_Data_RHS anew.
    void Reload_Fill_List();
    QList<QMap<QString, QString>> Fill_List_Data_RHS;
    // One slot per series name, in the series list's order: the name (not loaded) or its values.
    QList<QVariant> data_table_content;
    LinkedSheetTable Linked_Sheet;   // the spreadsheet linked to the design (no rows when none)
    int Data_table_rows = 0;
    int Excel_table_rows = 0;

    // ---- Record fill ----
    // The off-screen renderer's host: the canvas bounds and the card's layers as painting functions
    // that own a copy of the card's settings (installed at start-up, taken away with the window).
    void Install_Render_Host();
    void Remove_Render_Host();
    static SKTCardLayers Render_Card_Layers(const Card_Property &card, int cardShape);
    QRectF Render_Canvas_Bounds() const;
    // Value r of the loaded series s, "" when there is none.
    QString Get_sel_row_col_value_of_dataset(int record, int series) const;
    // The linked row r's cell of column c ("Extension" for 0), "" when there is none.
    QString Get_sel_row_col_value_of_Excel(int record, int column) const;
    // Empties the linked rows and reloads their viewer.
    void Clear_Delete_Excel_table_rows();
    // Fills record i (-1 is record 0) into the front side's objects and renders the card: the card
    // as a vector picture, null when rendering failed. The side and the flag change nothing. Any
    // thread may call it: the fill and the render run on the GUI thread, the caller gets a copy.
    platform::Picture Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box);
    // The fill of record i alone.
    void Assign_Batch_Values_To_Control(int record);
    // Renders the objects into batch_value_image.
    void Generate_Batch_Image_For_Differ_Value(const SKTGraphicList &graphics);
    platform::Picture batch_value_image;   // the card of the record filled last
    // The series list the value table was built from (its slots' names), so each record looks
    // its series up in memory.
    QStringList Data_table_names;
    // The slot of a series by name in the value table (names compared in lower case, the first
    // in sorted order winning), -1 when absent.
    int Data_Table_Index(const QString &name) const;
    // The data-source tab's "View" and help buttons.
    void View_batch_Series_Button(QObject *sender = nullptr);
    void Data_Source_Help_Button(QObject *sender = nullptr);
    // The viewer of the series and columns the design uses.
    void Open_All_Used_Data_Box();

    // ---- Work area ----
    QWidget *Design_Work_Area = nullptr;
    QWidget *myTargetView = nullptr;
    QWidget *first_view = nullptr;
    QGroupBox *drawing_canvas_box = nullptr;
    QGroupBox *Right_Prop_Box = nullptr;
    QScrollArea *_zoomingScrollView = nullptr;
    QWidget *_graphicView = nullptr;
    QComboBox *_factorPopUpButton = nullptr;
    QFrame *horizontal_ruler = nullptr;
    QFrame *vertical_ruler = nullptr;
    ToolPalette *tool_palette = nullptr;   // the tool buttons
    QPushButton *Ruler_btn = nullptr, *Zoom_In_btn = nullptr, *Zoom_Out_btn = nullptr, *Actual_Size_btn = nullptr;
    QPushButton *Card_Prop_btn = nullptr, *Card_Bckgrnd_btn = nullptr;
    // Side
    QLabel *Front_back_label = nullptr;
    QPushButton *Front_Side_btn = nullptr;
    QPushButton *Back_Side_btn = nullptr;
    QPushButton *Copy_Card_Design_btn = nullptr;
    QScrollArea *Card_Image_Scrl = nullptr;
    QScrollArea *Card_Image_Scrl_BACK = nullptr;
    // Record list
    QGroupBox *Fill_List_box = nullptr;
    QScrollArea *Fill_List_sclview_RHS = nullptr;
    QTableView *Fill_List_RHS = nullptr;
    ValueListModel *Fill_List_RHS_Source = nullptr;   // the table's data source, a view of Fill_List_Data_RHS

    // ---- Property sidebar ----
    QTabWidget *sett_tab = nullptr;
    QWidget *card_setting_tab = nullptr, *card_info_tab = nullptr, *card_size_tab = nullptr,
            *card_bkgd_tab = nullptr, *card_brdr_tab = nullptr, *line_tab = nullptr, *shape_tab = nullptr,
            *text_edtng_tab = nullptr, *text_prop_tab = nullptr, *image_tab = nullptr, *sign_tab = nullptr,
            *datasource_tab = nullptr, *aligmnt_tab = nullptr, *barcode_tab = nullptr, *Lock_tab = nullptr;
    // The same pages as their panel classes (src/design/panels), each owning its form and handlers.
    CardInfoPanel *cardInfoPanel() const;
    CardSizePanel *cardSizePanel() const;
    CardBackgroundPanel *cardBackgroundPanel() const;
    CardBorderPanel *cardBorderPanel() const;
    LinePanel *linePanel() const;
    ShapePanel *shapePanel() const;
    TextEditingPanel *textEditingPanel() const;
    TextPropertiesPanel *textPropertiesPanel() const;
    ImagePanel *imagePanel() const;
    SignPanel *signPanel() const;
    DataSourcePanel *dataSourcePanel() const;
    AlignmentPanel *alignmentPanel() const;
    BarcodePanel *barcodePanel() const;
    LockPanel *lockPanel() const;
    QString card_setting_tab_label, card_info_tab_label, card_size_tab_label, card_bkgd_tab_label,
            card_brdr_tab_label, line_tab_label, shape_tab_label, text_edtng_tab_label, text_prop_tab_label,
            image_tab_label, sign_tab_label, datasource_tab_label, aligmnt_tab_label, barcode_tab_label,
            Lock_tab_label;
    QWidget *Last_Card_Sel_Tab = nullptr;
    QLabel *properties_title = nullptr;
    QLineEdit *sel_control_name = nullptr;
    QCheckBox *print_object_chk = nullptr;


    // Picture
    QLineEdit *img_ctrl_id_val = nullptr;
    QLabel *image_error_label = nullptr;
    QCheckBox *Image_border_chk = nullptr;
    QGroupBox *Image_Border_Box = nullptr;
    QLineEdit *Image_bor_Text = nullptr;
    platform::Stepper *Image_bor_Stepper = nullptr;
    platform::ColorWell *Image_bordr_clr = nullptr;
    QComboBox *Image_border_style = nullptr;
    DoubleSlider *Rotate_slidr = nullptr, *Trsp_slidr = nullptr, *Hue_slidr = nullptr, *Sat_slidr = nullptr,
                 *Brt_slidr = nullptr, *Con_slidr = nullptr, *shrp_slidr = nullptr, *ev_slidr = nullptr,
                 *blr_slidr = nullptr;
    QLineEdit *Rotate_slidr_val = nullptr, *Trsp_slidr_val = nullptr, *Hue_slidr_val = nullptr,
              *Sat_slidr_val = nullptr, *Brt_slidr_val = nullptr, *Con_slidr_val = nullptr,
              *shrp_slidr_val = nullptr, *ev_slidr_val = nullptr, *blr_slidr_val = nullptr;
    QCheckBox *Image_Gray_Scale_chk = nullptr, *Image_Sepia_chk = nullptr, *Image_Invert_chk = nullptr,
              *Image_FIV_chk = nullptr, *Image_FIH_chk = nullptr;
    QPushButton *image_reset_btn = nullptr, *image_crop_btn = nullptr;

    // Signature
    QLineEdit *Sign_image_path = nullptr;
    QPushButton *sign_browse_btn = nullptr;
    QCheckBox *Sign_border_chk = nullptr;
    QGroupBox *Sign_Border_Box = nullptr;
    QLineEdit *Sign_bor_Text = nullptr;
    platform::Stepper *Sign_bor_Stepper = nullptr;
    platform::ColorWell *Sign_bordr_clr = nullptr;
    QComboBox *Sign_border_style = nullptr;

    // Data source
    QLabel *data_source_title = nullptr;
    QGroupBox *Data_source_box_DES = nullptr;
    QComboBox *Data_source_type = nullptr;
    QComboBox *Batch_Series = nullptr;
    QPushButton *view_series_btn = nullptr, *data_source_help_btn = nullptr;
    QGroupBox *manual_brws_box = nullptr;
    QPlainTextEdit *Manual_image_path = nullptr;
    QPushButton *manual_browse_btn = nullptr, *library_browse_btn = nullptr;
    QGroupBox *Text_Date_Time_Box = nullptr;
    QComboBox *Text_Date_style = nullptr, *Text_Time_style = nullptr;
    QPushButton *insert_date_btn = nullptr, *insert_time_btn = nullptr, *insert_template_btn = nullptr;
    QPlainTextEdit *Text_value_Edit = nullptr;
    QLabel *text_value_lbl = nullptr;
    QWidget *text_value_scrollView = nullptr;
    QGroupBox *design_browse_excel_box = nullptr;
    QLineEdit *excel_path_field = nullptr;
    QPushButton *excel_browse_btn = nullptr, *view_excel_btn = nullptr;

    // Position, size and alignment
    QLineEdit *frame_main_pic_X_pos = nullptr, *frame_main_pic_Y_pos = nullptr, *frame_main_pic_width = nullptr,
              *frame_main_pic_height = nullptr;
    platform::Stepper *frame_main_pic_X_pos_val = nullptr, *frame_main_pic_Y_pos_val = nullptr,
                      *frame_main_pic_width_val = nullptr, *frame_main_pic_height_val = nullptr;
    QLabel *ctrl_x_pos_unit_lbl = nullptr, *ctrl_y_pos_unit_lbl = nullptr, *ctrl_width_unit_lbl = nullptr,
           *ctrl_height_unit_lbl = nullptr;
    QGroupBox *ctrl_width_height_box = nullptr;
    QGroupBox *Ctrl_Size_Opt_box = nullptr;
    QPushButton *Make_natural_size_btn = nullptr, *fit_to_label_btn = nullptr, *Make_same_width_btn = nullptr,
                *Make_same_height_btn = nullptr;
    QPushButton *align_left_btn = nullptr, *align_right_btn = nullptr, *align_top_btn = nullptr,
                *align_bottom_btn = nullptr, *align_center_btn = nullptr, *align_horzontal_btn = nullptr,
                *align_vertical_btn = nullptr, *Align_with_grid_btn = nullptr;

    // Barcode object
    QPushButton *barcode_prop_btn = nullptr;
    QPushButton *Edit_Qr_Code_Val_BTN = nullptr;

    // ---- Project files ----
    // Removes every object of the side being edited; nothing is selected then.
    void delete_all_control();

    // ---- Toolbar, file and exit commands, the card buttons, the template export ----
    DesignCommands &commands() const;

private:
    // The forms of the work area and the sidebar pages, each set up once by buildDesigningPanel on
    // the placeholder of the form that holds it, its widgets taken into the outlets.
    void Build_Design_Canvas_Area(QGroupBox *box);
    void Build_Property_Sidebar(QGroupBox *box);
    void Build_Record_List_Box(QGroupBox *box);
    // Connects the card's four pages to the card's storing and the parts they need.
    void Connect_Card_Panels();
    void Build_Image_Tab(QWidget *page);
    void Build_Sign_Tab(QWidget *page);
    void Build_Data_Source_Tab(QWidget *page);
    void Build_Alignment_Tab(QWidget *page);
    void Build_Barcode_Tab(QWidget *page);
    void Build_Lock_Tab(QWidget *page);
    // Series names of the DataSet folder, sorted, without extension.
    QStringList Series_Names() const;
    // The values of a series file, or nothing when the file does not exist.
    std::optional<QStringList> Read_Series_Values(const QString &name) const;
    void Set_Zoom_Index(int index);
    std::unique_ptr<EditingCommands> m_editing;
    std::unique_ptr<DesignCommands> m_commands;
    std::unique_ptr<GridOptions> m_gridOptions;
public:
};
