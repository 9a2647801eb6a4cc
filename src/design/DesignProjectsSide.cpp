#include "design/DesignProjectsSide.h"

#include "core/Edition.h"
#include "design/DesignCard.h"
#include "design/DesignCommands.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/ToolPalette.h"
#include "design/UndoStacks.h"
#include "model/SKTGrid.h"
#include "model/Card_Property.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {

void setEnabled(QWidget *w, bool on)
{
    if (w)
        w->setEnabled(on);
}

void selectByText(QComboBox *combo, const QString &text)
{
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(combo->findText(text));
}

} // namespace

// ---- The card and the canvas ----

Card_Property *DesignProjectsSide::Front_card_Prop() const { return design.card().Front_card_Prop; }

void DesignProjectsSide::New_Front_Card()
{
    delete design.card().Front_card_Prop;
    design.card().Front_card_Prop = new Card_Property;
    // The card as shown, so that a blank design saves a size it can be opened with.
    design.card().Front_card_Prop->Card_Size = design.workArea().canvasFrameSize;
}

void DesignProjectsSide::SetDocumentCanvasSize(const QSizeF &size) { design.workArea().SetDocumentCanvasSize(size); }

void DesignProjectsSide::Set_Canvas_to_100_percent() { design.workArea().Set_Canvas_to_100_percent(); }

void DesignProjectsSide::Refresh_Canvas() { design.workArea().Refresh_Canvas(); }

void DesignProjectsSide::delete_all_control() { design.delete_all_control(); }

void DesignProjectsSide::Select_front_side() { design.editing().Select_front_side(); }

void DesignProjectsSide::Disable_Back_Side_Buttons()
{
    setEnabled(design.workArea().Back_Side_btn, false);
    setEnabled(design.workArea().Copy_Card_Design_btn, false);
}

void DesignProjectsSide::Hide_Front_Back_Label()
{
    if (design.workArea().Front_back_label)
        design.workArea().Front_back_label->setVisible(false);
}

void DesignProjectsSide::Set_Selected_Control_Tool(int tool) { design.Selected_Control_Tool = tool; }

void DesignProjectsSide::selectArrowTool() { design.selectArrowTool(); }

void DesignProjectsSide::Enable_Object_Tools()
{
    if (ToolPalette *tools = design.workArea().tool_palette) {
        setEnabled(tools->Text_Tool_btn, true);
        setEnabled(tools->Image_Tool_btn, true);
        setEnabled(tools->Image_Library_Tool_btn, true);
    }
}

void DesignProjectsSide::Hide_Grid()
{
    if (design.workArea()._grid)
        design.workArea()._grid->setAlwaysShown(false);
}

void DesignProjectsSide::Forget_Selected_Graphic() { design.selection()._Selected_Graphic.reset(); }

void DesignProjectsSide::Reset_Cascade_Position() { design.Reset_Cascade_Position(); }

void DesignProjectsSide::Clear_Main_Photo()
{
    design.card().main_photo_ds_batch = false;
    design.card().Main_Photo_image = QImage();
}

void DesignProjectsSide::Set_Text_font(const QFont &font) { design.Text_font = font; }

int DesignProjectsSide::Open_Image_Library_Window(const QString &purpose)
{
    return design.Open_Image_Library_Window(purpose);
}

// ---- The history and the save prompt ----

void DesignProjectsSide::Undo_Redo_Clear() { design.undoStacks().Undo_Redo_Clear(); }

void DesignProjectsSide::Record_Design_As_Started() { design.undoStacks().Record_Design_As_Started(); }

int DesignProjectsSide::Check_And_Show_Save_Message(bool startAnew, bool ask, const QString &category)
{
    return design.commands().Check_And_Show_Save_Message(startAnew, ask, category);
}

// ---- The records ----

QStringList DesignProjectsSide::Linked_Sheet_Column_Titles() const { return design.records().Linked_Sheet.columnTitles; }

void DesignProjectsSide::Set_Linked_Sheet_Column_Titles(const QStringList &titles)
{
    design.records().Linked_Sheet.columnTitles = titles;
}

QList<QMap<QString, QString>> DesignProjectsSide::Linked_Sheet_Keyed_Rows() const
{
    return design.records().Linked_Sheet.keyedRows();
}

void DesignProjectsSide::Set_Linked_Sheet_Keyed_Rows(const QList<QMap<QString, QString>> &rows)
{
    design.records().Linked_Sheet.setKeyedRows(rows);
}

void DesignProjectsSide::Clear_Linked_Sheet() { design.records().Linked_Sheet = LinkedSheetTable(); }

void DesignProjectsSide::Check_Series_Or_Excel_Use_or_not() { design.records().Check_Series_Or_Excel_Use_or_not(); }

QString DesignProjectsSide::Get_First_Value_Of_Dataset(const QString &name)
{
    return design.records().Get_First_Value_Of_Dataset(name);
}

QString DesignProjectsSide::Get_First_Value_Of_Excel_Binding(int column)
{
    return design.records().Get_First_Value_Of_Excel_Binding(column);
}

void DesignProjectsSide::Reset_Record_List()
{
    RecordBinding &records = design.records();
    records.Hide_Fill_List_Box(true);
    records.Fill_List_Data_RHS.clear();
    records.Reload_Fill_List();
    if (!ONLY_QR_MODE)
        records.Fill_Record_List(1);
    records.Check_Series_Or_Excel_Use_or_not();
}

QWidget *DesignProjectsSide::Fill_List_box() const { return design.records().Fill_List_box; }

void DesignProjectsSide::Replace_Record_List(QWidget *panel)
{
    RecordBinding &records = design.records();
    if (QLayout *layout = records.Fill_List_box ? records.Fill_List_box->layout() : nullptr)
        layout->addWidget(panel);
    if (records.Fill_List_sclview_RHS)
        records.Fill_List_sclview_RHS->setVisible(false);
}

// ---- The sidebar ----

void DesignProjectsSide::Show_RHS_Properties(SKTGraphic *graphic) { design.sidebar().Show_RHS_Properties(graphic); }

void DesignProjectsSide::Remove_All_Tab_Items() { design.sidebar().Remove_All_Tab_Items(); }

void DesignProjectsSide::Fill_Card_Prop_Tab() { design.sidebar().Fill_Card_Prop_Tab(); }

void DesignProjectsSide::Show_Card_Info_Tab()
{
    PropertySidebar &sidebar = design.sidebar();
    if (sidebar.sett_tab && sidebar.card_info_tab)
        sidebar.sett_tab->setCurrentWidget(sidebar.card_info_tab);
}

void DesignProjectsSide::Remember_Card_Info_Tab() { design.sidebar().Last_Card_Sel_Tab = design.sidebar().card_info_tab; }

bool DesignProjectsSide::Apply_Size_Clicked() { return design.sidebar().Apply_Size_Clicked(); }

void DesignProjectsSide::Reset_Card_Size() { design.sidebar().Reset_Card_Size(); }

void DesignProjectsSide::Reset_Card_Content(const QFont &font, const QString &fontText)
{
    design.sidebar().Reset_Card_Content(font, fontText);
}

void DesignProjectsSide::Show_Stored_Card_Size(const QSizeF &points) { design.sidebar().Show_Stored_Card_Size(points); }

void DesignProjectsSide::Set_Card_Size_In_Control(double widthMM, double heightMM)
{
    design.sidebar().Set_Card_Size_In_Control(widthMM, heightMM);
}

void DesignProjectsSide::Show_Card_Image_Path(const QString &path) { design.sidebar().Show_Card_Image_Path(path); }

void DesignProjectsSide::card_prop_set(const QString &fillCode) { design.sidebar().card_prop_set(fillCode); }

void DesignProjectsSide::Select_Label_Stock(const QString &vendor, const QString &product)
{
    selectByText(design.sidebar().Label_Stock_Vendors(), vendor);
    selectByText(design.sidebar().Label_Stock_Products(), product);
}

QStringList DesignProjectsSide::Label_Stock_Product_Items() const
{
    QStringList items;
    if (const QComboBox *products = design.sidebar().Label_Stock_Products())
        for (int i = 0; i < products->count(); ++i)
            items << products->itemText(i);
    return items;
}

void DesignProjectsSide::Add_Label_Stock_Products(const QStringList &items)
{
    QComboBox *products = design.sidebar().Label_Stock_Products();
    if (!products)
        return;
    const QSignalBlocker block(products);
    const int selected = products->currentIndex();
    products->addItems(items);
    products->setCurrentIndex(selected);
}

int DesignProjectsSide::Label_Stock_Product_Index() const
{
    const QComboBox *products = design.sidebar().Label_Stock_Products();
    return products ? products->currentIndex() : -1;
}

void DesignProjectsSide::Add_Excel_Col_Name_In_Combo()
{
    design.records().Add_Excel_Col_Name_In_Combo(design.sidebar().Source_Type_List());
}

void DesignProjectsSide::Remove_Excel_Col_Name_In_Combo()
{
    design.records().Remove_Excel_Col_Name_In_Combo(design.sidebar().Source_Type_List());
}

void DesignProjectsSide::Reset_Source_Lists()
{
    if (QComboBox *series = design.sidebar().Source_Series_List()) {
        const QSignalBlocker block(series);
        series->clear();
        series->setCurrentIndex(-1);
    }
    if (QComboBox *types = design.sidebar().Source_Type_List()) {
        const QSignalBlocker block(types);
        types->setCurrentIndex(0);
    }
}

void DesignProjectsSide::Show_Excel_Path(const QString &path) { design.sidebar().Show_Excel_Path(path); }

void DesignProjectsSide::Show_Excel_Link(bool linked) { design.sidebar().Show_Excel_Link(linked); }

void DesignProjectsSide::Show_Wizard_Label_Stock(const CardWizardValues &wizard)
{
    design.sidebar().Show_Wizard_Label_Stock(wizard);
}

void DesignProjectsSide::Show_Wizard_Card(const CardWizardValues &wizard) { design.sidebar().Show_Wizard_Card(wizard); }
