#pragma once
// The linked data viewer and the store of the spreadsheet linked to the design: every reader of the
// linked rows and titles (the batch binding, the record fill, the export sheet, project files)
// reaches the table through defaultInstance(). The window is a read-only view of it with its row
// and column counts.

#include "io/LinkedSheetTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

class LinkedSheetModel;
class QDialog;
class QLineEdit;
class QPushButton;
class QTableView;

class Data_From_Excel : public QObject {
    Q_OBJECT
public:
    // The one viewer of the process, made on first use.
    static Data_From_Excel *defaultInstance();

    LinkedSheetTable Linked_Sheet;   // the table's rows (ListData) and its linked columns' titles

    QDialog *window = nullptr;
    QTableView *ColList = nullptr;   // the row number ("Extension"), then one column per linked column
    QLineEdit *rows_count = nullptr;
    QLineEdit *column_count = nullptr;
    QPushButton *ok_button = nullptr;

    // Adds one row: its first n texts, trimmed; texts short of n give "". The caller redraws the
    // table after its last row.
    void Create_List_By_Array(const QStringList &texts, int n);
    // The linked columns: all taken away (the row number stays), or one more at the end.
    void Remove_Linked_Columns();
    void Add_Linked_Column(const QString &title);
    // The table shows the store anew.
    void Reload_Table();
    // Shows the counts and the rows modally; answers the modal code. Nothing in the table changes.
    int Open_Wnd();
    void OK_Click();

private:
    Data_From_Excel();
    LinkedSheetModel *m_model = nullptr;
};
