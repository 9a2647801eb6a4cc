#pragma once
// The picker that takes chosen columns of one sheet of a workbook either to the design's
// spreadsheet link (open mode "E": the linked data viewer's table) or to the series being edited in
// the series manager (open mode "D", the values appended to its value table).

#include "data/SheetColumnPicker.h"

#include <functional>

class Import_Excel : public SheetColumnPicker {
    Q_OBJECT
public:
    // The one window of the process.
    static Import_Excel *defaultInstance();

    QString open_mode = QStringLiteral("D");   // "E": link to the design; else add to a series

    // Loads the workbook and runs the window modally: 1 when the chosen columns were taken, else 0
    // (Cancel, a workbook that cannot be read, or a link that would leave the design without rows).
    int Open_excel_Wnd(const QString &path);

    // What opening runs instead, when set (scripts that stand for the whole window).
    std::function<int(const QString &openMode, const QString &path)> runner;

    void OKPressed() override;

private:
    Import_Excel();
    // Mode "D": the ticked cells of every data row appended to the series manager's value table.
    void Insert_file_Func(const QString &path);
    // Mode "E": the ticked columns and their rows become the linked table.
    void Create_Excel_List_Func(const QString &path);
};
