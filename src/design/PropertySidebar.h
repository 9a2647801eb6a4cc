#pragma once
// The Designing mode's property sidebar: the tab sets it shows (the card's four pages, or the pages
// of the selected object's class), the routing between its pages (each a panel class of
// src/design/panels that owns its form and handlers) and the rest of the window, and the
// connections of the pages' signals to the work they ask for. The transfers of the pages into the
// selected objects stay with the controller, which owns the selection and the undo stack.

#include "design/PanelValues.h"

#include <QObject>
#include <QString>

class AlignmentPanel;
class BarcodePanel;
class CardBackgroundPanel;
class CardBorderPanel;
class CardInfoPanel;
class CardSizePanel;
struct CardWizardValues;
class DataSourcePanel;
class DesignController;
class ImagePanel;
class LinePanel;
class QCheckBox;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSizeF;
class QTabWidget;
class QWidget;
class SKTGraphic;
class ShapePanel;
class SignPanel;
class TextEditingPanel;
class TextPropertiesPanel;

class PropertySidebar : public QObject {
public:
    explicit PropertySidebar(DesignController &design);
    ~PropertySidebar() override;

    DesignController &design;

    // Sets the sidebar's form up in its box, takes its outlets and keeps the pages' titles, then
    // connects every page (once, when the work area is built).
    void Build_Property_Sidebar(QGroupBox *box);

    // ---- Tab sets ----
    // Shows the sidebar of one object, or the card's tabs for none.
    void Show_RHS_Properties(SKTGraphic *graphic);
    void Remove_All_Tab_Items();
    void Fill_Card_Prop_Tab();
    // With nil copies the card's settings into the card's pages; with an object does nothing.
    void Load_Card_and_Label_Properties(SKTGraphic *graphic);

    // ---- Reads of the pages (what the transfers write) ----
    // A picture's and a signature's values are their page's, with the print flag and, for one
    // picture, the source page's file path; the card's four pages are read at once.
    ImagePanelValues Read_Image_Panel(bool singleSelection) const;
    SignPanelValues Read_Sign_Panel() const;
    CardPanelValues Read_Card_Panels() const;
    // The source page's value editor (a text's value) and picture path.
    QString Text_Source_Value() const;
    QString Picture_Source_Path() const;

    // ---- The card's pages for the rest of the window ----
    // Applies the size fields to the canvas at 100 % and stores the card; pushes a changed content
    // colour or font onto every text, then stores the card.
    // Answers whether the design changed: a new card size, or texts that took the content settings.
    bool Apply_Size_Clicked();
    // Answers whether any text took the content colour or font.
    bool Update_All_Card_Content();
    // The background page's radios and controls for a fill code, the border's box after its check box.
    void card_prop_set(const QString &fillCode);
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
    void Show_Wizard_Label_Stock(const CardWizardValues &wizard);
    void Show_Wizard_Card(const CardWizardValues &wizard);

    // ---- The source page for the batch binding and the linked spreadsheet ----
    // Its source type list and its series-or-column list, its controls for a bound or a manual
    // source, the picture path and the text value it shows, and its spreadsheet row (the workbook's
    // path; linked: the rows can be viewed, else another workbook can be chosen).
    QComboBox *Source_Type_List() const;
    QComboBox *Source_Series_List() const;
    void Set_Bound_Source_Controls(bool bound);
    void Show_Picture_Source_Path(const QString &path);
    void Show_Text_Source_Value(const QString &text);
    void Show_Excel_Path(const QString &path);
    void Show_Excel_Link(bool linked);

    // ---- The arrange page ----
    // The frame of an object; the size commands offered (not for a barcode object), the size fields
    // shown, the alignment and same-size buttons enabled, and the unit labels.
    void Set_Control_Pos_And_Size(const SKTGraphic &graphic);
    void Offer_Size_Commands(bool offered);
    void Show_Size_Fields(bool shown);
    void Enable_Align_Buttons(bool enabled);
    void Enable_Same_Size_Buttons(bool enabled);
    void Set_Object_Unit_Labels(const QString &sizeUnit);

    // ---- Outlets ----
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
    QString card_setting_tab_label, card_info_tab_label, card_size_tab_label, card_bkgd_tab_label,
            card_brdr_tab_label, line_tab_label, shape_tab_label, text_edtng_tab_label, text_prop_tab_label,
            image_tab_label, sign_tab_label, datasource_tab_label, aligmnt_tab_label, barcode_tab_label,
            Lock_tab_label;
    QWidget *Last_Card_Sel_Tab = nullptr;
    QLabel *properties_title = nullptr;
    QLineEdit *sel_control_name = nullptr;
    QCheckBox *print_object_chk = nullptr;

private:
    void Build_Tab_Set(const SKTGraphic &graphic);
    // The pages of one object filled from it, with the flag set (Show_RHS_Properties). A text's
    // fill is the sidebar's name and the text source, then the two text pages' own fills; a
    // picture and a signature fill their own page, the source page and the sidebar's name field.
    void Fill_Text_Panel(const SKTGraphic &graphic);
    void Fill_Image_Panel(const SKTGraphic &graphic);
    void Fill_Sign_Panel(const SKTGraphic &graphic);
    // The source page for a text or a picture, and an object's source on it.
    void Show_Text_Source_Tab();
    void Show_Image_Source_Tab();
    void Fill_Text_Source(const SKTGraphic &graphic);
    void Fill_Image_Source(const SKTGraphic &graphic);
    void Fill_Sign_Source(const SKTGraphic &graphic);
    // The picture page's error label hidden, until a picture is shown.
    void Hide_Image_Error();
    // The pages connected to the work they ask of the controller and of the window: the card's
    // four pages to the card's storing, then the picture, signature, barcode, source and arrange
    // pages (the line, shape and text pages are connected by Build_Property_Sidebar).
    void Connect_Card_Panels();
    void Connect_Picture_Panels();
    void Connect_Data_Source_Panel();
    void Connect_Alignment_Panel();
};
