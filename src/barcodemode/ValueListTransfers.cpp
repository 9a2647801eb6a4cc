// The value list's imports and export: a text, CSV or RTF file read on a worker thread after the
// options window, a workbook through the spreadsheet import window, and the export of the whole
// list as a workbook or a tab-separated text file.

#include "barcodemode/BarcodeModeController.h"

#include "io/ExcelRowLimit.h"
#include "io/ValueListImportRules.h"
#include "core/Messages.h"
#include "core/Open_Export_Log.h"
#include "io/SpreadsheetWriter.h"
#include "output/AccessoryViewController.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/GuiThread.h"
#include "platform/UserFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QThread>

#include <exception>

namespace {

const QString kUnreadable = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");

QString failureText(const std::exception &e) { return QString::fromUtf8(e.what()); }

// What the worker reads of the chosen file: the rule's input, or why there is none.
struct TextImportInput {
    bool ok = false;
    bool notAFile = false;   // no regular file: a FIFO or a device is never opened
    bool csv = false;
    QList<QStringList> lines;   // the tab rule's lines, or the CSV rows
};

TextImportInput readTextImport(const QString &path)
{
    TextImportInput input;
    const platform::UserFileRead file = platform::readUserFile(path, value_list_import::kMaxFileBytes);
    input.notAFile = file.status == platform::UserFileRead::Status::NotAFile && QFileInfo::exists(path);
    if (!file.ok())
        return input;
    const QByteArray &bytes = file.bytes;
    const QString extension = QFileInfo(path).suffix();
    const QString text = value_list_import::importText(bytes, extension);
    if (text.isEmpty())
        return input;
    input.ok = true;
    input.csv = value_list_import::isCsvExtension(extension);
    // The file's contents are the user's data: they are not written to the log.
    input.lines = input.csv ? value_list_import::csvRows(text) : value_list_import::splitTabText(text);
    return input;
}

} // namespace

void BarcodeModeController::wireValueListTransfers()
{
    QWidget *window = List ? List->window() : nullptr;
    Import_TXT_File_Window = valueListWindows().Make_Text_Import_Window(window);
    imp_xl_Wnd = valueListWindows().Make_Excel_Import_Window(valueListHost, window);

    QObject::connect(import_list_btn, &QPushButton::clicked, this, [this] { Import_List_Button(import_list_btn); });
    QObject::connect(excel_list_btn, &QPushButton::clicked, this, [this] { Excel_List_Button(excel_list_btn); });
    QObject::connect(export_list_btn, &QPushButton::clicked, this, [this] { Export_List_Button(export_list_btn); });
    QObject::connect(create_list_btn, &QPushButton::clicked, this, [this] { Create_List_Button(create_list_btn); });
}

void BarcodeModeController::Create_List_Button(QObject *)
{
    try {
        valueListWindows().Open_Generate_List_Wnd(valueListHost);
        Mark_List_New_Selection_barcode(0);
        bind_all();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

// ---- Text import ----

void BarcodeModeController::Import_List_Button(QObject *)
{
    try {
        if (m_textImportRunning)
            return;
        platform::OpenPanelRequest request;
        request.extensions = {QStringLiteral("txt"), QStringLiteral("TXT"), QStringLiteral("rtf"), QStringLiteral("csv"),
                              QStringLiteral("CSV")};
        request.canChooseFiles = true;
        request.canChooseDirectories = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return;
        const QString path = chosen.first();
        m_textImportRunning = true;
        QThread *worker = QThread::create([this, path] {
            Load_text_file_Thread(path);
            m_textImportRunning = false;
        });
        QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start();
    } catch (const std::exception &e) {
        m_textImportRunning = false;
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Load_text_file_Thread(const QString &path)
{
    try {
        Load_text_file_Func(path);
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Open_Import_Num_Window()
{
    platform::runOnGuiThreadAndWait([this] {
        m_textImportResult =
            Import_TXT_File_Window ? valueListWindows().Run_Text_Import_Window(*Import_TXT_File_Window) : 0;
    });
}

void BarcodeModeController::Load_text_file_Func(const QString &path)
{
    // The options, on the GUI thread while this job waits. Exceptions are caught there: one thrown
    // across the queued call would end the process.
    bool accepted = false;
    QString chosen;
    value_list_import::Options options;
    platform::runOnGuiThreadAndWait([&] {
        try {
            Import_From_Txt_File &w = *Import_TXT_File_Window;
            prev_list_item_barcode = int(ListData_barcode.size());
            valueListWindows().Reset_Text_Import_Window(w, path);
            Open_Import_Num_Window();
            if (m_textImportResult != 1)
                return;
            const DataBarcodeMode::TextImportChoice choice = valueListWindows().Text_Import_Choice(w);
            chosen = choice.path;   // the browse button may have changed it
            options = {choice.value, choice.header, choice.footer, choice.pq, choice.overwrite};
            accepted = true;
        } catch (const std::exception &e) {
            Show_NSLog_Message(failureText(e));
        }
    });
    if (!accepted)
        return;

    BarcodeModeHost::WaitSheet sheet(host());
    const TextImportInput input = readTextImport(chosen);
    if (!input.ok) {
        sheet.hide();
        Show_MessageBox(input.notAFile ? QStringLiteral("Please select a valid file.") : kUnreadable);
        return;
    }
    // The records are written on the GUI thread, under the sheet, with one reload of the table.
    bool changed = false;
    platform::runOnGuiThreadAndWait([&] {
        try {
            const int N = int(ListData_barcode.size());
            int target = N;
            if (options.overwrite) {
                target = 0;
                prev_list_item_barcode = 0;
            }
            const QList<value_list_import::RecordWrite> writes =
                input.csv ? value_list_import::csvRule(input.lines, options, ListData_barcode, target)
                          : value_list_import::tabRule(input.lines, options, ListData_barcode, target);
            for (const value_list_import::RecordWrite &w : writes) {
                if (w.append)
                    Create_Item_List(w.value, w.header, w.footer, w.pq, int(ListData_barcode.size()));
                else
                    Replace_Item_List(w.value, w.header, w.footer, w.pq, w.index);
            }
            Reload_List();
            changed = !ListData_barcode.isEmpty() && ListData_barcode.size() != prev_list_item_barcode;
        } catch (const std::exception &e) {
            Show_NSLog_Message(failureText(e));
        }
    });
    sheet.hide();
    if (!changed) {
        Show_MessageBox(kUnreadable);
        return;
    }
    platform::runOnGuiThreadAndWait([this] {
        try {
            Mark_List_New_Selection_barcode(0);
            bind_all();
        } catch (const std::exception &e) {
            Show_NSLog_Message(failureText(e));
        }
    });
}

// ---- Workbook import ----

int BarcodeModeController::Check_Max_Excel_Row_Count(int rows) { return checkMaxExcelRowCount(rows); }

void BarcodeModeController::Excel_List_Button(QObject *)
{
    try {
        platform::OpenPanelRequest request;
        request.extensions = {QStringLiteral("xlsx"), QStringLiteral("XLSX")};
        request.canChooseFiles = true;
        request.canChooseDirectories = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return;
        const QString path = chosen.first();
        prev_list_item_barcode = int(ListData_barcode.size());
        valueListWindows().Set_Text_Import_Path(*Import_TXT_File_Window, path);
        valueListWindows().Open_excel_Wnd(*imp_xl_Wnd, path);
        Mark_List_New_Selection_barcode(0);
        bind_all();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Export ----

QString BarcodeModeController::Export_list_method_2()
{
    if (!aVC)
        aVC = AccessoryViewController::sharedInstance();
    aVC->ext_btn->setCurrentIndex(0);
    platform::SavePanelRequest request;
    request.title = QStringLiteral("Export List");
    request.extensions = {QStringLiteral("xlsx"), QStringLiteral("txt")};
    request.accessory = aVC;
    request.attachAccessory = [this](platform::SavePanelAccess *panel) { aVC->setSavePanel(panel); };
    return platform::dialogResponder().savePanel(request);
}

void BarcodeModeController::Export_List_Button(QObject *)
{
    try {
        if (ListData_barcode.isEmpty()) {
            Show_MessageBox(QStringLiteral("List is empty."));
            return;
        }
        QString path = Export_list_method_2();
        if (path.isEmpty())
            return;
        QWidget *window = List ? List->window() : nullptr;
        if (window) {
            window->raise();
            window->activateWindow();
        }
        const QString extension = QFileInfo(path).suffix().toLower();
        const bool workbook = extension == QLatin1String("xlsx");
        if (!workbook && extension != QLatin1String("txt"))
            path += QStringLiteral(".txt");

        BarcodeModeHost::WaitSheet sheet(host());
        Export_File_Path = path;
        using namespace value_list;
        bool written = false;
        QString unsynced;
        if (workbook) {
            SpreadsheetWriter::Rows rows;
            rows.reserve(ListData_barcode.size() + 1);
            rows.append({QStringLiteral("Barcode Value"), QStringLiteral("Barcode Header"),
                         QStringLiteral("Barcode Footer"), QStringLiteral("Print Quantity")});
            for (const ValueRecord &r : ListData_barcode)
                rows.append({r.value(kValue), r.value(kHeader), r.value(kFooter), r.value(kPQ)});
            written = SpreadsheetWriter::WriteWorkbook(path, rows, false, &unsynced);
        } else {
            QString text;
            for (const ValueRecord &r : ListData_barcode)
                text += r.value(kValue) + QLatin1Char('\t') + r.value(kHeader) + QLatin1Char('\t') + r.value(kFooter)
                        + QLatin1Char('\t') + r.value(kPQ) + QLatin1Char('\n');
            QString error;
            written = platform::writeFileAtomically(path, text.toUtf8(), &error, &unsynced);
            if (!written)
                Show_NSLog_Message(error);
        }
        sheet.hide();
        if (!written) {
            Show_MessageBox(QStringLiteral("Error in file accessing."));
            return;
        }
        if (window) {
            window->raise();
            window->activateWindow();
        }
        // Saved, but the folder's sync failed: said in place of the success.
        Export_File_Message = unsynced.isEmpty() ? QStringLiteral("Record has been exported successfully.")
                                                 : platform::unsyncedWarning(QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()), unsynced);
        Open_Export_File_Box();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
        Show_MessageBox(QStringLiteral("Error in file accessing."));
    }
}
