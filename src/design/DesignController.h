#pragma once
// The Designing mode of the main window: its work area (tools, canvas, property sidebar, record
// list), the card and object panels and their transfers to the selected objects, units, and the
// batch binding of card objects.

#include "design/PanelValues.h"
#include "platform/Picture.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
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
    QList<QVariant> Graphics_array_Batch;
    QList<QVariant> Graphics_array_Batch_Front_Bkup;
    QImage Main_Photo_image;
    bool main_photo_ds_batch = false;
    QSizeF observedCanvasSize;   // the document's last "canvasSize"

    // Fonts of the Designing mode's texts
    QFont Text_font;
    QFont All_Text_font;
    QFont WM_Text_font;
    std::optional<QFont> All_Text_font_COPY;

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
    // The object the sidebar shows, nullptr for the card (and until the canvas exists).
    QObject *Get_Selected_Graphic();
    // The canvas's selected objects in selection order; the canvas supplies them through
    // Selected_Graphics_Source (nothing is selected while it is unset).
    QList<QObject *> Selected_Graphics() const;
    std::function<QList<QObject *>()> Selected_Graphics_Source;
    // The card objects of the side being edited, in order; supplied like the selection.
    QList<QObject *> Get_Front_Controls_Array() const;
    std::function<QList<QObject *>()> Front_Controls_Source;
    bool rulersShown = false;

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

    // ---- Property sidebar tab sets ----
    // Shows the sidebar of one object, or the card's tabs for none.
    void Show_RHS_Properties(SKTGraphic *graphic);

    // ---- Workspace services of the barcode-object window ----
    // Makes the object the canvas's current object (a field write: nothing is redrawn).
    void Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic);
    std::weak_ptr<SKTGraphic> _Selected_Graphic;   // the canvas's current object
    // The image library picker for a purpose ("C" picture objects, "B" backgrounds, "QR" logos):
    // an open panel on the library folder of the resources, for one picture file of the accepted
    // types. 1 when one was chosen (its path then in lib_window_sel_file), else 0.
    int Open_Image_Library_Window(const QString &purpose);
    // The read-only viewers of a series and of the linked spreadsheet's rows.
    void Open_Series_Value_Box(const QString &seriesName);
    void Open_Excel_Data_Box();

    // ---- Card property panel ----
    void card_prop_set(const QString &fillCode);
    void Update_Card_Graphics();
    void Set_Card_Comman_Properties();
    void Show_Hide_Card_Transp_Ctrl(bool hide);
    void Enable_Disable_Size_Param_Acc_To_Label_Selection(bool enable);
    void Fill_Card_Prop_Tab();
    // Applies the card size fields to the canvas at 100 % and stores the card.
    void Apply_Size_Clicked();
    void Remove_All_Tab_Items();

    // ---- Object transfers (panel -> selected objects of the panel's class) ----
    void Update_Line_Graphics();
    void Update_Text_Graphics();
    void Update_Shape_Graphics();
    void Update_Image_Graphics();
    void Update_Sign_Graphics();
    // The panels read at once (what the transfers write).
    ShapePanelValues Read_Shape_Panel() const;
    LinePanelValues Read_Line_Panel() const;
    TextPanelValues Read_Text_Panel(bool singleSelection) const;
    ImagePanelValues Read_Image_Panel(bool singleSelection) const;
    SignPanelValues Read_Sign_Panel() const;
    QString Return_Border_Style_Str_On_index(int index) const { return Border_Style_Code(index); }

    // ---- Picture services of the card objects ----
    // The picture's loaded picture with its settings applied (for now the two flips); shows
    // image_error_label unless there is a non-empty result and a file at the picture's path.
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

    // ---- Record range of the label export sheet ----
    void Set_Tot_Value(int value, int max, const QString &setFor);
    // The export sheet's range controls, made by the sheet's builder.
    QLineEdit *Total_Text = nullptr;
    platform::Stepper *Total_Stepper = nullptr;
    QLineEdit *from_Text = nullptr;
    platform::Stepper *from_Stepper = nullptr;
    QLineEdit *To_Text = nullptr;
    platform::Stepper *To_Stepper = nullptr;
    QCheckBox *Export_with_batch_chk = nullptr;
    QCheckBox *Export_with_excel_chk = nullptr;   // the export sheet's spreadsheet range box (not built yet)

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
    QWidget *tool_palette = nullptr;
    QPushButton *Arrow_Tool_btn = nullptr, *Line_Tool_btn = nullptr, *Text_Tool_btn = nullptr,
                *Rect_Tool_btn = nullptr, *Circle_Tool_btn = nullptr, *Round_Rect_Tool_btn = nullptr,
                *Triangle_Tool_btn = nullptr, *Diamond_Tool_btn = nullptr, *Image_Tool_btn = nullptr,
                *Image_Library_Tool_btn = nullptr, *Barcode_Tool_btn = nullptr, *Signature_Tool_btn = nullptr,
                *Fingure_Print_Tool_btn = nullptr, *Star_Tool_btn = nullptr, *Double_Star_Tool_btn = nullptr,
                *Polygon_Tool_btn = nullptr, *Watermark_Tool_btn = nullptr;
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
    // Standard buttons
    QPushButton *Cut_btn = nullptr, *Copy_btn = nullptr, *Paste_btn = nullptr, *Delete_btn = nullptr;
    QPushButton *Begin_Front_btn = nullptr, *Send_Back_btn = nullptr;
    QPushButton *Lock_btn = nullptr, *Unlock_btn = nullptr;
    QPushButton *Undo_btn = nullptr, *Redo_btn = nullptr;

    // ---- Property sidebar ----
    QTabWidget *sett_tab = nullptr;
    QWidget *card_setting_tab = nullptr, *card_info_tab = nullptr, *card_size_tab = nullptr,
            *card_bkgd_tab = nullptr, *card_brdr_tab = nullptr, *line_tab = nullptr, *shape_tab = nullptr,
            *text_edtng_tab = nullptr, *text_prop_tab = nullptr, *image_tab = nullptr, *sign_tab = nullptr,
            *datasource_tab = nullptr, *aligmnt_tab = nullptr, *barcode_tab = nullptr, *Lock_tab = nullptr;
    QString card_setting_tab_label, card_info_tab_label, card_size_tab_label, card_bkgd_tab_label,
            card_brdr_tab_label, line_tab_label, shape_tab_label, text_edtng_tab_label, text_prop_tab_label,
            image_tab_label, sign_tab_label, datasource_tab_label, aligmnt_tab_label, barcode_tab_label,
            Lock_tab_label;
    QWidget *Last_Card_Sel_Tab = nullptr;
    QLabel *properties_title = nullptr;
    QLineEdit *sel_control_name = nullptr;
    QCheckBox *print_object_chk = nullptr;

    // Card information
    QLineEdit *card_name = nullptr;
    QButtonGroup *matrix_card_shape = nullptr;
    platform::ColorWell *All_Text_clr = nullptr;
    platform::ColorWell *All_Text_clr_COPY = nullptr;
    QPushButton *content_font_btn = nullptr;
    QLineEdit *All_Text_font_value = nullptr;
    QLineEdit *All_Text_font_value_COPY = nullptr;
    QPushButton *content_font_decrease_btn = nullptr, *content_font_increase_btn = nullptr;
    // Card size
    QComboBox *Label_ComboBox = nullptr;
    QComboBox *Product_num_ComboBox = nullptr;
    QGroupBox *card_size_box = nullptr;
    QLineEdit *width_Text = nullptr, *height_Text = nullptr;
    platform::Stepper *width_Stepper = nullptr, *height_Stepper = nullptr;
    QLabel *card_width_unit_lbl = nullptr, *card_height_unit_lbl = nullptr;
    QPushButton *page_frm_printer_btn = nullptr;
    QPushButton *apply_size_btn = nullptr;
    // Card background
    QCheckBox *Card_fill_chk = nullptr;
    QGroupBox *Card_Fill_Box = nullptr;
    QRadioButton *Card_solid_fill_rd = nullptr, *Card_gradient_fill_rd = nullptr, *Card_Style_fill_rd = nullptr,
                 *Card_Image_fill_rd = nullptr;
    platform::ColorWell *Card_fill_clr = nullptr, *Card_fill_Grd_1_clr = nullptr, *Card_fill_Grd_2_clr = nullptr,
                        *Card_hatch_bk_clr = nullptr;
    QLineEdit *Card_grad_Text = nullptr;
    platform::Stepper *Card_grad_Stepper = nullptr;
    QComboBox *Card_hatch_style = nullptr;
    QLabel *Card_alpha_lbl = nullptr;
    QLineEdit *Card_alpha_Text = nullptr;
    platform::Stepper *Card_alpha_Stepper = nullptr;
    QGroupBox *Card_image_box = nullptr;
    QPlainTextEdit *Card_Image_path = nullptr;
    QComboBox *Card_image_layout = nullptr;
    QPushButton *card_image_browse_btn = nullptr, *card_image_library_btn = nullptr;
    // Card border and watermark
    QCheckBox *Card_border_chk = nullptr;
    QGroupBox *Card_Border_Box = nullptr;
    platform::ColorWell *Card_bordr_clr = nullptr;
    QLineEdit *Card_bor_Text = nullptr;
    platform::Stepper *Card_bor_Stepper = nullptr;
    QComboBox *Card_border_style = nullptr;
    QCheckBox *enable_watermark_chk = nullptr;
    QGroupBox *watermark_box = nullptr;
    QComboBox *wm_alignment_combo = nullptr;
    QSlider *wm_transp_slider = nullptr;
    QLineEdit *wm_transp_val = nullptr;
    QLineEdit *watermark_text = nullptr;
    platform::ColorWell *watermark_color = nullptr;
    QPushButton *wm_font_btn = nullptr;
    QLineEdit *wm_font_value = nullptr;

    // Line
    QLineEdit *Line_Wdt_Text = nullptr;
    platform::Stepper *Line_Wdt_Stepper = nullptr;
    platform::ColorWell *Line_clr = nullptr;
    QComboBox *Line_border_style = nullptr, *Line_ori_style = nullptr, *Line_cap_style = nullptr;
    QLineEdit *Line_alpha_Text = nullptr;
    platform::Stepper *Line_alpha_Stepper = nullptr;

    // Shape
    QLabel *Shape_prop_title = nullptr;
    QComboBox *Shape_Type_Combo = nullptr;
    QSlider *shape_rotation_slidr = nullptr;
    platform::Stepper *shape_rotation_Stepper = nullptr;
    QLineEdit *shape_rotation_slidr_val = nullptr;
    QCheckBox *Shape_border_chk = nullptr;
    QGroupBox *Shape_Border_Box = nullptr;
    QLineEdit *shape_bor_Text = nullptr;
    platform::Stepper *shape_bor_Stepper = nullptr;
    platform::ColorWell *shape_bordr_clr = nullptr;
    QComboBox *shape_border_style = nullptr;
    QCheckBox *Shape_fill_chk = nullptr;
    QGroupBox *shape_fill_box = nullptr;
    QRadioButton *Shape_solid_fill_rd = nullptr, *Shape_gradient_fill_rd = nullptr, *Shape_Style_fill_rd = nullptr;
    platform::ColorWell *shape_fill_clr = nullptr, *shape_fill_Grd_1_clr = nullptr, *shape_fill_Grd_2_clr = nullptr,
                        *shape_hatch_bk_clr = nullptr;
    QLineEdit *shape_grad_Text = nullptr;
    platform::Stepper *shape_grad_Stepper = nullptr;
    QComboBox *shape_hatch_style = nullptr;
    QLabel *shape_alpha_lbl = nullptr;
    QLineEdit *shape_alpha_Text = nullptr;
    platform::Stepper *shape_alpha_Stepper = nullptr;
    QLabel *shape_cor_radius_Label = nullptr;
    QLineEdit *shape_cor_radius_Text = nullptr;
    platform::Stepper *shape_cor_radius_Stepper = nullptr;
    QLabel *double_star_Label = nullptr;
    QLineEdit *double_star_Text = nullptr;
    platform::Stepper *double_star_Stepper = nullptr;
    QLabel *polygon_Label = nullptr;
    QLineEdit *polygon_Text = nullptr;
    platform::Stepper *polygon_Stepper = nullptr;

    // Text editing and text properties
    QLineEdit *txt_ctrl_id_val = nullptr;
    QPushButton *text_font_btn = nullptr;
    QLineEdit *Text_font_value = nullptr;
    platform::ColorWell *Text_clr = nullptr;
    QComboBox *Text_align_combo = nullptr, *Text_vert_align_combo = nullptr, *Text_case_combo = nullptr;
    QLineEdit *Text_Kern_Text = nullptr;
    platform::Stepper *Text_Kern_Stepper = nullptr;
    QSlider *txt_rotation_slidr = nullptr;
    QLineEdit *txt_rotation_slidr_val = nullptr;
    QCheckBox *Text_border_chk = nullptr;
    QGroupBox *Text_Border_Box = nullptr;
    QLineEdit *Text_bor_Text = nullptr;
    platform::Stepper *Text_bor_Stepper = nullptr;
    platform::ColorWell *Text_bordr_clr = nullptr;
    QComboBox *Text_border_style = nullptr;
    QCheckBox *Text_fill_chk = nullptr;
    QGroupBox *text_fill_box = nullptr;
    QRadioButton *Text_solid_fill_rd = nullptr, *Text_gradient_fill_rd = nullptr;
    platform::ColorWell *Text_fill_clr = nullptr, *Text_fill_Grd_1_clr = nullptr, *Text_fill_Grd_2_clr = nullptr;
    QLineEdit *Text_grad_Text = nullptr;
    platform::Stepper *Text_grad_Stepper = nullptr;
    QLabel *text_alpha_lbl = nullptr;
    QLineEdit *Text_alpha_Text = nullptr;
    platform::Stepper *Text_alpha_Stepper = nullptr;
    QCheckBox *draw_shadow_chkbox = nullptr;
    QGroupBox *shadow_box = nullptr;
    platform::ColorWell *Shadow_clr = nullptr;
    QLineEdit *shadow_x_Text = nullptr, *shadow_y_Text = nullptr, *shadow_blur_Text = nullptr,
              *shadow_transp_Text = nullptr;
    platform::Stepper *shadow_x_Stepper = nullptr, *shadow_y_Stepper = nullptr, *shadow_blur_Stepper = nullptr,
                      *shadow_transp_Stepper = nullptr;

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

    // ---- Label stock and new designs ----
    // The save-changes prompt of the Designing mode (start anew, ask, category "N", "O", "T" ...):
    // 1 to go on, 0 when the user cancelled.
    int Check_And_Show_Save_Message(bool startNew, bool ask, const QString &category);

private:
    // The forms of the work area and the sidebar pages, each set up once by buildDesigningPanel on
    // the placeholder of the form that holds it, its widgets taken into the outlets.
    void Build_Design_Canvas_Area(QGroupBox *box);
    void Build_Tool_Palette(QWidget *palette);
    void Build_Side_And_Standard_Buttons(QWidget *bar);
    void Build_Property_Sidebar(QGroupBox *box);
    void Build_Record_List_Box(QGroupBox *box);
    void Build_Card_Info_Tab(QWidget *page);
    void Build_Card_Size_Tab(QWidget *page);
    void Build_Card_Background_Tab(QWidget *page);
    void Build_Card_Border_Tab(QWidget *page);
    void Build_Line_Tab(QWidget *page);
    void Build_Shape_Tab(QWidget *page);
    void Build_Text_Editing_Tab(QWidget *page);
    void Build_Text_Properties_Tab(QWidget *page);
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
public:
};
