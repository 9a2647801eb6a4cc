#pragma once
// Workbook reading and writing (.xlsx). Reading is a fixed sequence that the windows drive: a first
// pass unpacks the workbook into a folder of its own (a temporary of workbookPartsTarget()) and
// reads its shared strings and styles; the sheet list; the header row of sheet
// Excel_Sheet_Number, which fixes Excel_Sheet_Columns; and a second pass that returns every row of
// that sheet, each exactly Excel_Sheet_Columns strings long. The window that drove it then ends the
// read (EndRead), and the folder goes. Writing unpacks "Template.xlsx" into a folder of its own (a
// temporary of workbookPartsTarget(), removed when the write ends), writes the one worksheet and
// its shared strings and packs the workbook in place of the target.
//
// The workbook and styles are small and read with pugixml; the shared strings and the worksheet
// can be large and are streamed. A part whose markup is malformed cannot be loaded; nothing is
// repaired or guessed.

#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class XmlStream;

// The number N of the worksheet part "xl/worksheets/sheet%d.xml" to read; set by the windows.
extern int Excel_Sheet_Number;
// The column count of the sheet being read.
extern int Excel_Sheet_Columns;

class SpreadsheetWriter;
// The one reader and writer of the process, made on first use.
extern SpreadsheetWriter *spreadsheet;

class SpreadsheetWriter {
public:
    using Rows = QList<QStringList>;

    // A result of more cells than this is refused.
    static constexpr qint64 kMaxCells = 10'000'000;

    struct Sheet {
        QString name;
        int part = 0;   // N of "xl/worksheets/sheet%d.xml"
    };

    // only_col true: the first pass (data is returned untouched); false: the second pass on sheet
    // Excel_Sheet_Number.
    static Rows ReadWorkbook(const QString &path, bool only_col);
    // The header row of sheet Excel_Sheet_Number; sets Excel_Sheet_Columns.
    static Rows ReadData_only_column();
    // The second pass with a row limit: at most limit rows of sheet Excel_Sheet_Number go to the
    // visitor, in order; *more tells whether the sheet has rows past them. Answers false when the
    // sheet cannot be read (the read is then marked failed).
    using RowVisitor = std::function<void(int row, const QStringList &cells)>;
    static bool ReadRows(int limit, const RowVisitor &visit, bool *more = nullptr);
    // The sheet names of the workbook part, in order.
    static QStringList Read_Sheet_Name();
    // The sheets with the worksheet part each names through the workbook's relationships; a sheet
    // that is no worksheet (a chart sheet) is left out. Without relationships, sheet i is part i + 1.
    static QList<Sheet> Read_Sheets();
    // Writes rows (the first row fixes the column count) as a one-sheet workbook at path, replacing
    // an existing file only once the new one is complete. Answers success; hasTitleRow has no
    // effect (a title row is simply the first row). unsynced as platform::writeFileAtomically says.
    static bool WriteWorkbook(const QString &path, const Rows &rows, bool hasTitleRow, QString *unsynced = nullptr);
    // Ends the read in progress: its unpacked parts, which hold the user's values, go. A new read, a
    // write and the exit end it too.
    static void EndRead();

    // Whether the last read of the process failed (not a workbook, a part that cannot be loaded,
    // too many cells); a successful read clears it. The reason is logged.
    static bool lastReadFailed();
    // The message the windows show for a workbook that cannot be read.
    static const QString &unreadableMessage();

    // The object's fields and operations.
    Rows data;
    QStringList sharedStrings;
    QString tmpDir;   // the unpacked parts of the read in progress; empty when none is
    QStringList Styles;                             // numFmtId of each cell format record
    QList<QPair<QString, QString>> Styles_Fmt_Code;   // (numFmtId, formatCode) of each custom format

    // A part of the workbook being read ("xl/styles.xml"), and the worksheet part of sheet
    // Excel_Sheet_Number; empty when no read is in progress.
    QString partPath(const QString &part) const;
    QString sheetPartPath() const;

    bool ReadSharedStrings(const QString &path);
    bool Read_All_Styles(const QString &path);
    // Every row of the worksheet part at path (headerOnly: the first row, with default titles).
    // rowLimit >= 0 keeps at most rowLimit + 1 rows (the extra one only tells that more exist).
    Rows ReadData(const QString &path, bool headerOnly = false, qint64 rowLimit = -1);
    // The date pattern (Unicode date-pattern letters) of a number format id; "" when the workbook
    // defines none for it.
    QString Get_Date_Time_Format_String(int numFmtId) const;
    // A serial day number as text in the pattern; the text unchanged when it is no date.
    QString Excel_Xml_Date_To_String(const QString &text, const QString &pattern) const;
    // Whether cells of this number format id are dates.
    bool isDateFormat(int numFmtId) const;

    bool WriteWorksheetData(const QString &path);
    bool WriteSharedStringsXML(const QString &path);
    static QString ColumnIndexToName(int column);

    SpreadsheetWriter();

private:
    struct DateStyle {
        bool date = false;
        QString pattern;
    };
    // The text of a date cell of a style, through a cache of the values met in this read.
    QString dateText(std::size_t style, const QString &text, const QLocale &locale);
    void prepareDateStyles();
    std::vector<DateStyle> m_dateStyles;   // per cell format record
    bool m_dateStylesReady = false;
};

// The leading letters of a cell reference ("AB12" gives "AB").
QString Get_Column_Char_Str(const QString &reference);
// The letters as a column number: base 65 gives a 0-based position (A 0, AA 26), base 64 a 1-based
// count (D 4). Read whole, up to XFD; -1 for no letters or a column past XFD.
int Get_Col_index(const QString &letters, int base);
// The low 8 bits of the first character.
int Asc_Val(const QString &text);

// The Unicode date pattern of a spreadsheet number format code, token by token: "" when the code
// has no date or time token outside quotes and brackets.
QString Translate_Excel_Date_Code(const QString &formatCode);
