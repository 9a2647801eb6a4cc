#pragma once
// The entry point of the spreadsheet import window that links a workbook's columns to a design
// (open mode "E") or fills other lists. Until the window itself is built, opening it tells the
// user so and answers 0 (nothing imported).

#include <QString>

#include <functional>

class Import_Excel {
public:
    // The one import window of the process.
    static Import_Excel *defaultInstance();

    QString open_mode;   // "E": the columns are linked to the design

    // Loads the workbook at the path and runs the window modally: 1 when the user confirmed the
    // import, else 0.
    int Open_excel_Wnd(const QString &path);

    // What opening the window runs instead (scripts and tests answer it); unset: the message.
    std::function<int(const QString &openMode, const QString &path)> runner;

private:
    Import_Excel() = default;
};
