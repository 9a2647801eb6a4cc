#include "data/SheetColumnPicker.h"

#include "app/PleaseWaitGuard.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "data/ColumnTableModel.h"
#include "platform/Dialogs.h"
#include "platform/UserFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>
#include <exception>
#include <thread>

void runOffGuiThread(const std::function<void()> &job)
{
    QEventLoop loop;
    std::thread worker([&] {
        try {
            job();
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
        // Queued: the loop ends once it runs, also when the job ended before it started.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
}

QString seriesValueOfCell(QString cell)
{
    cell.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
    cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return Trim_Str(cell);
}

SheetColumnPicker::SheetColumnPicker(bool withHeaderColumn, QWidget *parent) : QDialog(parent)
{
    ListData_xl = new ColumnTableModel(withHeaderColumn, this);
}

void SheetColumnPicker::bindPicker(QLineEdit *path, QComboBox *sheets, QCheckBox *header, QTableView *table,
                                   QPushButton *selectAll, QPushButton *clearAll, QPushButton *ok, QPushButton *cancel)
{
    file_path = path;
    Sheet_ComboBox = sheets;
    contains_header = header;
    ColList = table;
    Select_All_Btn = selectAll;
    Clear_All_Btn = clearAll;
    okButton = ok;
    cancelButton = cancel;
    ColList->setModel(ListData_xl);
    ColList->horizontalHeader()->setStretchLastSection(true);
    ColList->verticalHeader()->hide();
    ColList->setSelectionBehavior(QAbstractItemView::SelectRows);
    plz_wait_Window = PleaseWaitGuard::makeSheet(this);
    connect(Select_All_Btn, &QPushButton::clicked, this, &SheetColumnPicker::Select_ALL_Pressed);
    connect(Clear_All_Btn, &QPushButton::clicked, this, &SheetColumnPicker::Clear_All_Pressed);
    connect(okButton, &QPushButton::clicked, this, &SheetColumnPicker::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &SheetColumnPicker::CancelPressed);
    connect(Sheet_ComboBox, &QComboBox::currentIndexChanged, this, [this] { comboBoxSelectionDidChange(Sheet_ComboBox); });
}

void SheetColumnPicker::Create_List(const QString &extension, bool state, const QString &datasetname)
{
    ListData_xl->append({state, extension, datasetname});
}

void SheetColumnPicker::Select_ALL_Pressed() { ListData_xl->setAllStates(true); }

void SheetColumnPicker::Clear_All_Pressed() { ListData_xl->setAllStates(false); }

bool SheetColumnPicker::Check_For_One_Extension_Selection() const
{
    const auto &rows = ListData_xl->rows();
    return std::any_of(rows.cbegin(), rows.cend(), [](const ColumnTableModel::Row &r) { return r.State; });
}

bool SheetColumnPicker::Get_Selection_State(int n) const
{
    return n >= 0 && n < ListData_xl->size() && ListData_xl->rows().at(n).State;
}

void SheetColumnPicker::resetPicker(const QString &path)
{
    Excel_Sheet_Number = 1;
    file_path->setText(path);
    contains_header->setChecked(true);
    ListData_xl->clear();
    {
        const QSignalBlocker block(Sheet_ComboBox);
        Sheet_ComboBox->clear();
    }
    sheetParts.clear();
    excel_content.clear();
    m_refused = false;
}

bool SheetColumnPicker::Load_file_Func(const QString &path)
{
    m_refused = true;   // until the workbook's sheets are listed
    PleaseWaitGuard wait(plz_wait_Window, this);
    bool readable = false;
    QList<SpreadsheetWriter::Sheet> sheets;
    runOffGuiThread([&] {
        SpreadsheetWriter::ReadWorkbook(path, true);
        readable = !SpreadsheetWriter::lastReadFailed() && spreadsheet
                   && QFileInfo(spreadsheet->tmpDir + QStringLiteral("/xl/worksheets")).isDir();
        if (readable)
            sheets = SpreadsheetWriter::Read_Sheets();
    });
    if (!readable) {
        SpreadsheetWriter::EndRead();
        return false;
    }
    // One item per worksheet part, in part order, named after its part.
    for (const SpreadsheetWriter::Sheet &s : std::as_const(sheets))
        if (s.part > 0 && !sheetParts.contains(s.part))
            sheetParts.append(s.part);
    std::sort(sheetParts.begin(), sheetParts.end());
    if (sheetParts.isEmpty()) {
        SpreadsheetWriter::EndRead();
        return false;
    }
    {
        const QSignalBlocker block(Sheet_ComboBox);
        for (int part : std::as_const(sheetParts))
            Sheet_ComboBox->addItem(QStringLiteral("sheet%1").arg(part));
        Sheet_ComboBox->setCurrentIndex(-1);
    }
    wait.hide();
    m_refused = false;
    Sheet_ComboBox->setCurrentIndex(0);   // reads the first sheet's titles
    return true;
}

void SheetColumnPicker::comboBoxSelectionDidChange(QComboBox *combo)
{
    try {
        if (combo != Sheet_ComboBox)
            return;
        const int index = Sheet_ComboBox->currentIndex();
        if (index < 0 || index >= sheetParts.size())
            return;
        Excel_Sheet_Number = sheetParts.at(index);
        if (m_clearTableBeforeRead)
            ListData_xl->clear();
        const SpreadsheetWriter::Rows header = SpreadsheetWriter::ReadData_only_column();
        if (SpreadsheetWriter::lastReadFailed() || header.isEmpty() || header.first().isEmpty())
            return;   // no first row: the table keeps what it had
        ListData_xl->clear();
        // One row per sheet column, so that row i always stands for column i; a blank title is
        // named after its column.
        const QStringList &titles = header.first();
        for (int i = 0; i < titles.size(); ++i) {
            const QString trimmed = Trim_Str(titles.at(i));
            if (trimmed.isEmpty()) {
                const QString untitled = QStringLiteral("Untitled Column %1").arg(i + 1);
                Create_List(untitled, false, untitled);
            } else {
                Create_List(trimmed, false, titles.at(i));
            }
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

bool SheetColumnPicker::readChosenSheet(int limit, const SpreadsheetWriter::RowVisitor &visit, bool *more)
{
    // The rows are read off the GUI thread; the visitor (which may touch the window's data) runs here.
    SpreadsheetWriter::Rows rows;
    bool ok = false;
    bool extra = false;
    runOffGuiThread([&] {
        ok = SpreadsheetWriter::ReadRows(limit, [&rows](int, const QStringList &cells) { rows.append(cells); }, &extra);
    });
    if (more)
        *more = extra;
    if (!ok)
        return false;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        visit(int(r), rows.at(r));
        rows[r] = QStringList();
    }
    return true;
}

int SheetColumnPicker::runPicker()
{
    m_handled = false;
    platform::runModal(*this);
    if (!m_handled)
        CancelPressed();   // closed another way
    hide();
    SpreadsheetWriter::EndRead();   // the unpacked parts hold the user's values
    return result();
}

void SheetColumnPicker::CancelPressed()
{
    excel_content.clear();
    finish(0);
}

void SheetColumnPicker::finish(int code)
{
    m_handled = true;
    setResult(code);
    done(code);
}

QString Workbook_Refusal(const QString &path)
{
    return platform::isRegularFile(path) ? SpreadsheetWriter::unreadableMessage()
                                         : QStringLiteral("Please select a valid file.");
}
