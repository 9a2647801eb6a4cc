#pragma once
// What the two column-table pickers share: the workbook path, the sheet box, the "first row holds
// titles" box and the column table with select all and clear all; the load of a workbook and the
// read of the chosen sheet, both done off the GUI thread behind the window's please-wait sheet.

#include "io/SpreadsheetWriter.h"

#include <QDialog>

class ColumnTableModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

class SheetColumnPicker : public QDialog {
    Q_OBJECT
public:
    QLineEdit *file_path = nullptr;
    QComboBox *Sheet_ComboBox = nullptr;
    QCheckBox *contains_header = nullptr;
    QTableView *ColList = nullptr;
    QPushButton *Select_All_Btn = nullptr;
    QPushButton *Clear_All_Btn = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QDialog *plz_wait_Window = nullptr;

    ColumnTableModel *ListData_xl = nullptr;
    SpreadsheetWriter::Rows excel_content;
    QList<int> sheetParts;   // the worksheet part of each sheet-box item

    // Adds a column-table row.
    void Create_List(const QString &extension, bool state, const QString &datasetname = QString());
    void Select_ALL_Pressed();
    void Clear_All_Pressed();
    // Whether at least one row is ticked.
    bool Check_For_One_Extension_Selection() const;
    // The state of row n; false for an index outside the table.
    bool Get_Selection_State(int n) const;
    // The sheet box: the chosen sheet's first row becomes the column table.
    void comboBoxSelectionDidChange(QComboBox *combo);

    virtual void OKPressed() = 0;
    void CancelPressed();
    // Whether the last opening refused its workbook (it could not be read) with its message.
    bool workbookRefused() const { return m_refused; }

protected:
    explicit SheetColumnPicker(bool withHeaderColumn, QWidget *parent = nullptr);
    // Takes the outlets from the subclass's form and wires them.
    void bindPicker(QLineEdit *path, QComboBox *sheets, QCheckBox *header, QTableView *table, QPushButton *selectAll,
                    QPushButton *clearAll, QPushButton *ok, QPushButton *cancel);
    // The common part of opening: the path shown, the header box ticked, the table and sheet box
    // emptied, no rows read.
    void resetPicker(const QString &path);
    // Unpacks the workbook and lists its sheets, choosing the first; false (nothing listed) when it
    // cannot be read.
    bool Load_file_Func(const QString &path);
    // Reads at most limit rows of the chosen sheet whole, off the GUI thread, each row handed to the
    // visitor there; false when the sheet cannot be read.
    bool readChosenSheet(int limit, const SpreadsheetWriter::RowVisitor &visit, bool *more);
    // Runs the modal window; answers its code (Cancel when it closed another way).
    int runPicker();
    void finish(int code);
    // Whether a new first row replaces the table even when the sheet yields none (the link empties
    // it first so that such a sheet leaves it empty).
    bool m_clearTableBeforeRead = false;

private:
    bool m_handled = false;
    bool m_refused = false;
};

// A cell as a series value: each CR LF, LF or CR a blank (one cell stays one value), trimmed.
QString seriesValueOfCell(QString cell);

// Runs the job on a worker thread while the GUI thread keeps painting; returns when it has ended.
void runOffGuiThread(const std::function<void()> &job);

// What a window says of a workbook that did not load: a FIFO, a device or a folder is no file to
// choose, as in the text import; a file that is one is an unreadable workbook.
QString Workbook_Refusal(const QString &path);
