#pragma once
// The design as projects reads it: its controller, sidebar, record binding and commands behind
// DesignProjects.

#include "design/DesignProjects.h"

class DesignController;

class DesignProjectsSide final : public DesignProjects {
public:
    explicit DesignProjectsSide(DesignController &design) : design(design) {}

    Card_Property *Front_card_Prop() const override;
    void New_Front_Card() override;
    void SetDocumentCanvasSize(const QSizeF &size) override;
    void Set_Canvas_to_100_percent() override;
    void Refresh_Canvas() override;
    void delete_all_control() override;
    void Select_front_side() override;
    void Disable_Back_Side_Buttons() override;
    void Hide_Front_Back_Label() override;
    void Set_Selected_Control_Tool(int tool) override;
    void selectArrowTool() override;
    void Enable_Object_Tools() override;
    void Hide_Grid() override;
    void Forget_Selected_Graphic() override;
    void Reset_Cascade_Position() override;
    void Clear_Main_Photo() override;
    void Set_Text_font(const QFont &font) override;
    int Open_Image_Library_Window(const QString &purpose) override;

    void Undo_Redo_Clear() override;
    void Record_Design_As_Started() override;
    int Check_And_Show_Save_Message(bool startAnew, bool ask, const QString &category) override;

    QStringList Linked_Sheet_Column_Titles() const override;
    void Set_Linked_Sheet_Column_Titles(const QStringList &titles) override;
    QList<QMap<QString, QString>> Linked_Sheet_Keyed_Rows() const override;
    void Set_Linked_Sheet_Keyed_Rows(const QList<QMap<QString, QString>> &rows) override;
    void Clear_Linked_Sheet() override;
    void Check_Series_Or_Excel_Use_or_not() override;
    QString Get_First_Value_Of_Dataset(const QString &name) override;
    QString Get_First_Value_Of_Excel_Binding(int column) override;
    void Reset_Record_List() override;
    QWidget *Fill_List_box() const override;
    void Replace_Record_List(QWidget *panel) override;

    void Show_RHS_Properties(SKTGraphic *graphic) override;
    void Remove_All_Tab_Items() override;
    void Fill_Card_Prop_Tab() override;
    void Show_Card_Info_Tab() override;
    void Remember_Card_Info_Tab() override;
    bool Apply_Size_Clicked() override;
    void Reset_Card_Size() override;
    void Reset_Card_Content(const QFont &font, const QString &fontText) override;
    void Show_Stored_Card_Size(const QSizeF &points) override;
    void Set_Card_Size_In_Control(double widthMM, double heightMM) override;
    void Show_Card_Image_Path(const QString &path) override;
    void card_prop_set(const QString &fillCode) override;
    void Select_Label_Stock(const QString &vendor, const QString &product) override;
    QStringList Label_Stock_Product_Items() const override;
    void Add_Label_Stock_Products(const QStringList &items) override;
    int Label_Stock_Product_Index() const override;
    void Add_Excel_Col_Name_In_Combo() override;
    void Remove_Excel_Col_Name_In_Combo() override;
    void Reset_Source_Lists() override;
    void Show_Excel_Path(const QString &path) override;
    void Show_Excel_Link(bool linked) override;
    void Show_Wizard_Label_Stock(const CardWizardValues &wizard) override;
    void Show_Wizard_Card(const CardWizardValues &wizard) override;

private:
    DesignController &design;
};
