#pragma once
// The picker that turns chosen columns of one sheet into series files: one series per ticked
// column (named in the table), or all ticked cells row by row into one new, replaced or appended
// series.

#include "data/SheetColumnPicker.h"

#include <functional>

class QButtonGroup;
class QGroupBox;
class QRadioButton;

class Import_Excel_DataSheet : public SheetColumnPicker {
    Q_OBJECT
public:
    static Import_Excel_DataSheet *defaultInstance();

    QRadioButton *Each_col_RD = nullptr;
    QRadioButton *Fill_col_RD = nullptr;
    QGroupBox *fill_box = nullptr;
    QButtonGroup *matrix_fill_type = nullptr;   // New 0, Replace 1, Append 2
    QLineEdit *list_name = nullptr;
    QComboBox *List_ComboBox = nullptr;

    int fill_col_option = 0;   // 0 new series, 1 replace a series, 2 append to a series
    int file_name_Insert = 0;  // 1: the series manager's list is reloaded after writing

    // Resets the window, loads the workbook and runs the window modally, calling loaded (when
    // given) just before. False when the workbook could not be read (its message shown, no run).
    bool Open_excel_datasheet_Wnd(const QString &path, const std::function<void()> &loaded = nullptr);

    void OKPressed() override;
    void Each_Col_RD_Click();
    void Fill_Col_RD_Click();
    void Fill_Type_CellClick();

private:
    Import_Excel_DataSheet();
    void Create_file_For_Col_Func(const QString &path);
    void Insert_file_Func(const QString &path);
    // The rows of the chosen sheet, whole; false when it cannot be read (the message shown).
    bool readWholeSheet();
    void afterWriting();
};
