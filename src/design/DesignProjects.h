#pragma once
// What projects reads and asks of the design: the card, the canvas and its objects, the record
// binding (the linked spreadsheet and the record list), the sidebar's card pages and its label
// stock, the history, and the new-design wizard's choices shown on the card's pages. Project files
// are read and written through it, and a new project resets the design through it. The design
// implements it (design/DesignProjectsSide.h).

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class Card_Property;
struct CardWizardValues;
class QFont;
class QSizeF;
class QWidget;
class SKTGraphic;

class DesignProjects {
public:
    virtual ~DesignProjects() = default;

    // ---- The card and the canvas ----
    // The front side's card (the only side of a design); replaced by a new one sized as the canvas.
    virtual Card_Property *Front_card_Prop() const = 0;
    virtual void New_Front_Card() = 0;
    virtual void SetDocumentCanvasSize(const QSizeF &size) = 0;
    virtual void Set_Canvas_to_100_percent() = 0;
    virtual void Refresh_Canvas() = 0;
    virtual void delete_all_control() = 0;
    virtual void Select_front_side() = 0;
    // The back side's and the copy-to-back buttons off, and the side label hidden.
    virtual void Disable_Back_Side_Buttons() = 0;
    virtual void Hide_Front_Back_Label() = 0;
    // The tool in use (0: the arrow, without touching the palette), the arrow tool chosen on the
    // palette, and the text, picture and library tools enabled again.
    virtual void Set_Selected_Control_Tool(int tool) = 0;
    virtual void selectArrowTool() = 0;
    virtual void Enable_Object_Tools() = 0;
    // The grid shown only while its option asks for it.
    virtual void Hide_Grid() = 0;
    // No current object, and new objects cascade from the top-left corner again.
    virtual void Forget_Selected_Graphic() = 0;
    virtual void Reset_Cascade_Position() = 0;
    // No main photo and no batch photo.
    virtual void Clear_Main_Photo() = 0;
    // The font the text page shows and chooses.
    virtual void Set_Text_font(const QFont &font) = 0;
    // The image library picker; 1 when a picture was chosen (lib_window_sel_file).
    virtual int Open_Image_Library_Window(const QString &purpose) = 0;

    // ---- The history and the save prompt ----
    virtual void Undo_Redo_Clear() = 0;
    virtual void Record_Design_As_Started() = 0;
    virtual int Check_And_Show_Save_Message(bool startAnew, bool ask, const QString &category) = 0;

    // ---- The records ----
    // The linked spreadsheet: its column titles, its rows as project files keep them, and none.
    virtual QStringList Linked_Sheet_Column_Titles() const = 0;
    virtual void Set_Linked_Sheet_Column_Titles(const QStringList &titles) = 0;
    virtual QList<QMap<QString, QString>> Linked_Sheet_Keyed_Rows() const = 0;
    virtual void Set_Linked_Sheet_Keyed_Rows(const QList<QMap<QString, QString>> &rows) = 0;
    virtual void Clear_Linked_Sheet() = 0;
    virtual void Check_Series_Or_Excel_Use_or_not() = 0;
    // The first value of a series by name and of a linked column; "" when none.
    virtual QString Get_First_Value_Of_Dataset(const QString &name) = 0;
    virtual QString Get_First_Value_Of_Excel_Binding(int column) = 0;
    // The record list beside the canvas hidden and back to one record (none in the QR edition).
    virtual void Reset_Record_List() = 0;
    // The box of the record list (nullptr before the work area is built), and a panel shown there
    // in the list's place.
    virtual QWidget *Fill_List_box() const = 0;
    virtual void Replace_Record_List(QWidget *panel) = 0;

    // ---- The sidebar ----
    virtual void Show_RHS_Properties(SKTGraphic *graphic) = 0;
    virtual void Remove_All_Tab_Items() = 0;
    virtual void Fill_Card_Prop_Tab() = 0;
    // The card's information page in front, and remembered as the card's last page.
    virtual void Show_Card_Info_Tab() = 0;
    virtual void Remember_Card_Info_Tab() = 0;
    virtual bool Apply_Size_Clicked() = 0;
    virtual void Reset_Card_Size() = 0;
    virtual void Reset_Card_Content(const QFont &font, const QString &fontText) = 0;
    virtual void Show_Stored_Card_Size(const QSizeF &points) = 0;
    virtual void Set_Card_Size_In_Control(double widthMM, double heightMM) = 0;
    virtual void Show_Card_Image_Path(const QString &path) = 0;
    virtual void card_prop_set(const QString &fillCode) = 0;
    // The label stock of the size page: a vendor and a product chosen by their names (a name not
    // listed chooses none), the products listed, more products appended (the choice kept), and the
    // chosen product's index (-1 for none). None of these runs the lists' handlers.
    virtual void Select_Label_Stock(const QString &vendor, const QString &product) = 0;
    virtual QStringList Label_Stock_Product_Items() const = 0;
    virtual void Add_Label_Stock_Products(const QStringList &items) = 0;
    virtual int Label_Stock_Product_Index() const = 0;
    // The source page: "Excel" offered as a source type or taken away; no series chosen and the
    // first source type; the linked workbook's path and whether it is linked.
    virtual void Add_Excel_Col_Name_In_Combo() = 0;
    virtual void Remove_Excel_Col_Name_In_Combo() = 0;
    virtual void Reset_Source_Lists() = 0;
    virtual void Show_Excel_Path(const QString &path) = 0;
    virtual void Show_Excel_Link(bool linked) = 0;
    // The new-design wizard's choices on the card's pages.
    virtual void Show_Wizard_Label_Stock(const CardWizardValues &wizard) = 0;
    virtual void Show_Wizard_Card(const CardWizardValues &wizard) = 0;
};
