#pragma once
// What the design reads and asks of the Barcode mode: its page's settings and value list, its
// symbol's checks and PDF, its series lists and units, the shared flags the design sets around its
// own work, and the barcode-object window that edits and renders a card's barcode object. The Barcode
// mode implements it (barcodemode/BarcodeModeDesignSide.h).

#include "barcodemode/BarcodeModeSettings.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QAbstractItemView;
class QComboBox;
class SKTGraphic;

class BarcodeModeDesign {
public:
    virtual ~BarcodeModeDesign() = default;

    // ---- The mode's page ----
    virtual BarcodeModeSettings settings() const = 0;
    virtual bool USE_QR_LOGO() const = 0;
    // The PDF of the shown symbol, empty when there is none.
    virtual QByteArray previewPdfData() const = 0;
    virtual int currentListRow() const = 0;
    virtual void focusValueList() = 0;
    virtual bool Check_And_Validat_Barcode(bool showMessage, bool checkPicture) = 0;
    virtual void Select_Valid_Value_For_Barcode_Setting_Mode(int n) = 0;
    // The value's 2D symbol drawn anew from no picture (PDF417 and DataMatrix at that module size):
    // whether a symbol came out.
    virtual bool Draw_QR_Barcode(const QString &value) = 0;
    virtual bool Draw_PDF_417_Barcode(const QString &value, int moduleSize) = 0;
    virtual bool Draw_DataMatrix_Barcode(const QString &value, int moduleSize) = 0;
    virtual void OK_Unit_Change_For_Barcode() = 0;

    // ---- Series lists and the design's record list ----
    virtual void Refresh_All_Series_Combobox() = 0;
    virtual void Fill_Data_Set_File_Name_In_Combo(QComboBox *combo) = 0;
    virtual void Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name) = 0;
    virtual void tableViewSelectionDidChange(QAbstractItemView *table) = 0;

    // ---- The mode's shared flags (barcodemode/BarcodeModeGlobals.h) ----
    virtual bool save_flag_barcode_mode() const = 0;
    virtual int Last_Selected_Index() const = 0;
    virtual void Set_Last_Selected_Index(int index) = 0;
    virtual void Set_Type_draw_2d_flag(bool on) = 0;
    virtual void Set_QR_Val_Edit(bool on) = 0;

    // ---- The barcode-object window (made on first use) ----
    // Edits the object: the edited object on OK, null otherwise.
    virtual std::shared_ptr<SKTGraphic> Open_Barcode_Gen_Wnd(const std::shared_ptr<SKTGraphic> &object) = 0;
    // The object's settings become the window's, then a value with a header and footer is rendered
    // with them (null when the symbology refuses the value).
    virtual void Set_Barcode_Prop_To_Control(const SKTGraphic &object, bool only_assign) = 0;
    virtual platform::Picture Get_Image_From_Val(const QString &value, const QString &header, const QString &footer) = 0;
};
