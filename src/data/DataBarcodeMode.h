#pragma once
// What the Barcode mode's value list uses of the value-list windows: the edit-row sheet, the text
// import's options window, the spreadsheet import window and the list generator, each working on
// the list through ValueListHost. The windows implement it (data/DataBarcodeModeSide.h).

#include <QString>

class Import_Excel_Barcode;
class Import_From_Txt_File;
class QLineEdit;
class QWidget;
class Update_List_Details;
class ValueListHost;

class DataBarcodeMode {
public:
    virtual ~DataBarcodeMode() = default;

    // ---- The edit-row sheet ----
    // The sheet on the list, over parent, and the fields its owner fills before each run.
    struct EditRowSheet {
        Update_List_Details *sheet = nullptr;
        QLineEdit *value = nullptr, *header = nullptr, *footer = nullptr, *pq = nullptr, *row = nullptr;
    };
    virtual EditRowSheet Make_Edit_Row_Sheet(ValueListHost &list, QWidget *parent) = 0;
    // Runs the sheet modally: 1 after OK, 0 after Cancel.
    virtual int runSheet(Update_List_Details &sheet) = 0;

    // ---- The text import's options window ----
    virtual Import_From_Txt_File *Make_Text_Import_Window(QWidget *parent) = 0;
    virtual void Set_Text_Import_Path(Import_From_Txt_File &window, const QString &path) = 0;
    // The window on path with every field box off and the records put at the start.
    virtual void Reset_Text_Import_Window(Import_From_Txt_File &window, const QString &path) = 0;
    // Runs the window modally and hides it; its result (1 after OK), kept in Import_Error_Rerult too.
    virtual int Run_Text_Import_Window(Import_From_Txt_File &window) = 0;
    // What the window holds: the file (the browse button may have changed it), the field boxes and
    // whether the records overwrite the list from its start.
    struct TextImportChoice {
        QString path;
        bool value = false, header = false, footer = false, pq = false;
        bool overwrite = false;
    };
    virtual TextImportChoice Text_Import_Choice(const Import_From_Txt_File &window) const = 0;

    // ---- The spreadsheet import and the list generator ----
    virtual Import_Excel_Barcode *Make_Excel_Import_Window(ValueListHost &list, QWidget *parent) = 0;
    virtual void Open_excel_Wnd(Import_Excel_Barcode &window, const QString &path) = 0;
    virtual void Open_Generate_List_Wnd(ValueListHost &list) = 0;
};
