#pragma once
// The cap on spreadsheet rows read into the window (the value list's workbook import and the
// spreadsheet link): the sheet's first row plus 10,000 rows.

constexpr int MAX_EXCEL_ROWS = 10001;
constexpr bool CHECK_MAX_EXCEL_ROWS = true;

// The capped count of rows, with the message when rows were dropped.
int checkMaxExcelRowCount(int rows);

// The capped count of rows (no message).
constexpr int cappedExcelRowCount(int rows)
{
    return CHECK_MAX_EXCEL_ROWS && rows > MAX_EXCEL_ROWS ? MAX_EXCEL_ROWS : rows;
}
