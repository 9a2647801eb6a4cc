#pragma once
// The viewer of the data a design uses: one row per batch record, one column per series and per
// linked spreadsheet column that an output object of the front side is bound to, read-only.

#include "io/LinkedSheetTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class LinkedSheetModel;
class QDialog;
class QLineEdit;
class QPushButton;
class QTableView;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;

// The number of data columns the last opening made.
extern int Table_Column;

class View_All_Used_Data : public QObject {
    Q_OBJECT
public:
    // The one viewer of the process, made on first use.
    static View_All_Used_Data *defaultInstance();

    QDialog *window = nullptr;
    QTableView *ColList = nullptr;   // the row number ("Extension"), then the data columns
    QLineEdit *rows_count = nullptr;
    QLineEdit *column_count = nullptr;
    QPushButton *ok_button = nullptr;

    // The rows (ListData) under the data columns' titles.
    LinkedSheetTable ListData;
    QStringList Use_SER_Array;        // series names used, in order of discovery
    QStringList Use_EXL_Array;        // linked column titles used
    QStringList Use_EXL_INDX_Array;   // the linked column index of each, as "%d"

    // Builds the table from the design's front side and record count (the design supplies them) and
    // runs the viewer modally; the modal code, 0 when building failed.
    int Open_Wnd(const SKTGraphicList &front, int records);
    void OK_Click();

    void Remove_All_Columns();
    void Get_Used_Series_Excel_Column_In_Design(const SKTGraphicList &front);
    void Insert_Columns();
    void Create_ALL_DATA_List_By_Array(const QStringList &values, int count);
    // Whether the trimmed name is empty, the "<--Select-->" item or already listed.
    bool Check_List_Name_Exist_In_Used_Ser(const QString &name) const;

private:
    View_All_Used_Data();
    void fillRows(int records);
    LinkedSheetModel *m_model = nullptr;
};
