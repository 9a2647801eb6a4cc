#pragma once
// The print window's label-stock part: the choice between a manual and a predefined layout, and the
// predefined-layout page with the vendor catalogues and the user's custom products. The rest of the
// print window (printers, range, preview, the fit of the sheet) builds on this page.

#include "projects/Product_Details.h"

#include <QDialog>
#include <QString>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Custom_Product_Label;
namespace platform { class Stepper; }

class Print_Wnd : public QDialog {
    Q_OBJECT
public:
    // The one instance, made with its form on first use.
    static Print_Wnd *defaultInstance();

    // Starts in the manual layout with the custom products listed and the vendor "Custom", then
    // runs the window modally; 1 when the run ended with 0 or 1.
    int Open_Print_Wnd();
    void Manual_Label_Changed();
    void Predefined_Label_Changed();
    // The vendor and product lists: in the predefined layout only.
    void comboBoxSelectionDidChange(QComboBox *combo);

    // Reads a vendor catalogue into prod_list and appends its product numbers to the product list.
    // The page number and the flag are not used; a non-empty vendor keeps the label size out.
    void Read_XML_File(const QString &path, const QString &pageNumber, const QString &vendor, bool manualPaperNameChk);
    // The chosen product into the predefined-layout fields: a catalogue product, or with the vendor
    // "Custom" (cus_or_pre "C") a custom product.
    void Read_Selected_Product_Label_Value();

    // Custom products.
    void Refresh_And_Reload_Product_Number_Combo(const QString &selectName);
    void Save_Label_Pressed();
    void Delete_Label_Pressed();
    void Check_delete_label_buttom_status();
    // The 15 texts of the predefined-layout fields, in the order a custom product stores them.
    QStringList Predefined_Field_Texts() const;

    // The fit of the sheet to the paper, with the preview: part of the print window's sheet layout.
    void Check_Max_Cell_Value();
    static float MM_to_Points_Convert(float millimetres);
    void CancelButtonPressed();

    // Layout choice
    QRadioButton *rd_manual = nullptr, *rd_predefined = nullptr;
    QGroupBox *manual_prop_Gp_Bx = nullptr, *predefine_prop_Gp_Bx = nullptr;
    // Predefined layout
    QComboBox *Label_ComboBox = nullptr;
    QComboBox *Product_num_ComboBox = nullptr;
    QPushButton *save_label_btn = nullptr, *delete_label_btn = nullptr;
    QLineEdit *Col_Text_pre = nullptr, *Row_Text_pre = nullptr;
    platform::Stepper *Col_Stepper_pre = nullptr, *Row_Stepper_pre = nullptr;
    QLineEdit *left_mar_pre = nullptr, *top_mar_pre = nullptr;
    QLineEdit *horz_mar_Text_pre = nullptr, *vert_mar_Text_pre = nullptr;
    platform::Stepper *horz_mar_Stepper_pre = nullptr, *vert_mar_Stepper_pre = nullptr;
    QLineEdit *width_Text_pre = nullptr, *height_Text_pre = nullptr;
    platform::Stepper *width_Stepper_pre = nullptr, *height_Stepper_pre = nullptr;
    QLineEdit *paper_used_pre = nullptr, *orientation_pre = nullptr, *page_size_pre = nullptr,
              *page_width_pre = nullptr, *page_height_pre = nullptr, *layout_group_pre = nullptr,
              *description_pre = nullptr;
    QPushButton *cancelButton = nullptr;
    // The name dialog of custom products, and its name field.
    Custom_Product_Label *custom_prod_window = nullptr;
    QLineEdit *new_prod_label_name = nullptr;

    std::vector<Product_Details> prod_list;   // item i of Product_num_ComboBox belongs to record i
    int prod_id_count = 0;                    // products read so far

private:
    explicit Print_Wnd(QWidget *parent = nullptr);
    void Enable_Custom_Editing(bool custom);
    void wirePairs();
};
