#include "data/Import_Excel_DataSheet.h"

#include "app/PleaseWaitGuard.h"
#include "core/Globals.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "data/BatchWizard.h"
#include "data/ColumnTableModel.h"
#include "data/SeriesToolsHost.h"
#include "io/SeriesStore.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include "ui_Import_Excel_DataSheet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>

#include <exception>
#include <limits>

namespace {

const QString kNoData = QStringLiteral("There is no data in selected sheet.\nPlease select another Sheet/Excel File.\n"
                                       "Either file is corrupted or selected file contains invalid characters.");
const QString kAccessError = QStringLiteral("Error in file accessing.");
const QString kInvalidName = QStringLiteral("Please enter valid series name.");

QString seriesValue(const QString &cell) { return seriesValueOfCell(cell); }

// A series name: the file-name cleaning, control characters dropped.
QString seriesName(const QString &typed)
{
    QString name = Remove_Reserve_Char_In_File_Name(Trim_Str(typed));
    name.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    return Trim_Str(name);
}

// Writes the values whole at the path, replacing a file there only once all is written.
bool writeSeriesFile(const QString &path, const QStringList &values, QString *reason, QString *unsynced)
{
    return platform::writeFileAtomically(path, series_store::fileBytes(values), reason, unsynced);
}

} // namespace

Import_Excel_DataSheet *Import_Excel_DataSheet::defaultInstance()
{
    static Import_Excel_DataSheet *instance = nullptr;
    if (!instance)
        instance = new Import_Excel_DataSheet;   // lives for the whole process
    return instance;
}

Import_Excel_DataSheet::Import_Excel_DataSheet() : SheetColumnPicker(true)
{
    Ui::Import_Excel_DataSheet ui;
    ui.setupUi(this);
    bindPicker(ui.file_path, ui.Sheet_ComboBox, ui.contains_header, ui.ColList, ui.Select_ALL, ui.Clear_All,
               ui.OKPressed, ui.CancelPressed);
    Each_col_RD = ui.Each_col_RD;
    Fill_col_RD = ui.Fill_col_RD;
    fill_box = ui.fill_box;
    list_name = ui.list_name;
    List_ComboBox = ui.List_ComboBox;
    matrix_fill_type = new QButtonGroup(this);
    matrix_fill_type->addButton(ui.fill_new_RD, 0);
    matrix_fill_type->addButton(ui.fill_replace_RD, 1);
    matrix_fill_type->addButton(ui.fill_append_RD, 2);
    connect(Each_col_RD, &QRadioButton::clicked, this, &Import_Excel_DataSheet::Each_Col_RD_Click);
    connect(Fill_col_RD, &QRadioButton::clicked, this, &Import_Excel_DataSheet::Fill_Col_RD_Click);
    connect(matrix_fill_type, &QButtonGroup::idClicked, this, &Import_Excel_DataSheet::Fill_Type_CellClick);
}

bool Import_Excel_DataSheet::Open_excel_datasheet_Wnd(const QString &path, const std::function<void()> &loaded)
{
    try {
        replace_keep_file_flag = 0;
        Msg_Apply_All_Chk = false;
        Msg_Apply_All_Chk_for_in_use = false;
        matrix_fill_type->button(0)->setChecked(true);
        fill_col_option = 0;
        Each_Col_RD_Click();
        Fill_Type_CellClick();
        resetPicker(path);
        {
            const QSignalBlocker block(List_ComboBox);
            List_ComboBox->clear();
            List_ComboBox->setEditText(QString());
        }
        list_name->clear();
        if (!Load_file_Func(path)) {
            Show_MessageBox(Workbook_Refusal(path));
            return false;
        }
        const QStringList names = series_store::names();
        List_ComboBox->addItems(names);
        if (!names.isEmpty())
            List_ComboBox->setCurrentIndex(0);
        if (loaded)
            loaded();
        raise();
        runPicker();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        hide();
    }
    return true;
}

void Import_Excel_DataSheet::Each_Col_RD_Click()
{
    Each_col_RD->setChecked(true);
    Fill_col_RD->setChecked(false);
    fill_box->setEnabled(false);
    ColList->setColumnHidden(2, false);
}

void Import_Excel_DataSheet::Fill_Col_RD_Click()
{
    Each_col_RD->setChecked(false);
    Fill_col_RD->setChecked(true);
    fill_box->setEnabled(true);
    ColList->setColumnHidden(2, true);
}

void Import_Excel_DataSheet::Fill_Type_CellClick()
{
    fill_col_option = qMax(0, matrix_fill_type->checkedId());
    list_name->setVisible(fill_col_option == 0);
    List_ComboBox->setVisible(fill_col_option != 0);
}

void Import_Excel_DataSheet::OKPressed()
{
    try {
        if (ListData_xl->size() == 0) {
            Show_MessageBox(QStringLiteral("There is no column."));
            return;
        }
        if (!Check_For_One_Extension_Selection()) {
            Show_MessageBox(QStringLiteral("No column is selected."));
            return;
        }
        if (Each_col_RD->isChecked()) {
            Create_file_For_Col_Func(file_path->text());
            return;
        }
        if (fill_col_option == 1 || fill_col_option == 2) {
            if (Trim_Str(List_ComboBox->currentText()).isEmpty()) {
                Show_MessageBox(QStringLiteral("Please select list name."));
                return;
            }
        } else if (Trim_Str(list_name->text()).isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter list name."));
            return;
        }
        Insert_file_Func(file_path->text());
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

bool Import_Excel_DataSheet::readWholeSheet()
{
    excel_content.clear();
    const bool ok = readChosenSheet(std::numeric_limits<int>::max(),
                                    [this](int, const QStringList &cells) { excel_content.append(cells); }, nullptr);
    if (!ok)
        excel_content.clear();
    return ok;
}

void Import_Excel_DataSheet::afterWriting()
{
    if (file_name_Insert == 1)
        BatchWizard::defaultInstance()->Fill_List();
}

void Import_Excel_DataSheet::Create_file_For_Col_Func(const QString &)
{
    // Every ticked column needs a name before anything is written.
    QList<int> columns;
    QStringList names;
    for (int i = 0; i < ListData_xl->size(); ++i) {
        if (!Get_Selection_State(i))
            continue;
        const QString name = seriesName(ListData_xl->rows().at(i).Header);
        if (name.isEmpty()) {
            Show_MessageBox(kInvalidName);
            return;
        }
        columns << i;
        names << name;
    }
    PleaseWaitGuard wait(plz_wait_Window, this);
    if (!readWholeSheet()) {
        wait.hide();
        Show_MessageBox(SpreadsheetWriter::unreadableMessage());
        finish(0);   // nothing written
        return;
    }
    const qsizetype R = excel_content.size();
    const int C = R > 0 ? int(excel_content.first().size()) : 0;
    const int first = contains_header->isChecked() ? 1 : 0;
    bool failed = false;
    bool applyAll = false;
    QStringList unsyncedSeries;   // saved, but their folder could not be synced
    QString unsyncedWhy;
    // The files this run wrote, in lower case: a later column whose name cleans to the same file
    // ("Code" and "Code ", "a.b" and "a_b") takes the counted name instead of replacing it.
    QStringList written;
    const auto writtenHere = [&written](const QString &file) { return written.contains(file.toLower()); };
    for (qsizetype n = 0; n < columns.size() && R > 0; ++n) {
        const int i = columns.at(n);
        if (i >= C)
            continue;
        const QString &name = names.at(n);
        QString path = QDir(Data_Folder_Path).filePath(name + QLatin1Char('.') + batch_file_EXT);
        const QString existing = series_store::pathOf(name);
        const SeriesToolsHost *tools = SeriesToolsHost::current();
        if (!existing.isEmpty() && (writtenHere(existing) || writtenHere(path))) {
            path = tools ? tools->Check_Exist_Path_and_Create_New(path, 1) : QString();
        } else if (!existing.isEmpty()) {
            if (!applyAll) {
                wait.hide();
                platform::AlertRequest ask;
                ask.message = QStringLiteral("File already exists\n\n") + name
                              + QStringLiteral("\n\nFile already exists in this location.\n\nDo you want to Keep or Replace it?");
                ask.buttons = {QStringLiteral("Keep Both"), QStringLiteral("Replace"), QStringLiteral("Cancel")};
                ask.style = platform::AlertStyle::Warning;
                ask.checkBox = QStringLiteral("Apply to All");
                bool ticked = false;
                ask.checkBoxChecked = &ticked;
                const int answer = platform::runAlert(ask);
                static const int kAnswers[3][2] = {{1, 3}, {0, 2}, {4, 5}};
                replace_keep_file_flag = kAnswers[qBound(0, answer, 2)][ticked ? 1 : 0];
                applyAll = ticked;
                Msg_Apply_All_Chk = ticked;
            }
            const int answer = replace_keep_file_flag;
            if (answer == 4 || answer == 5)
                continue;
            if (answer == 1 || answer == 3) {
                path = tools ? tools->Check_Exist_Path_and_Create_New(path, 1) : path;
            } else {
                path = existing;   // replaced in place, under its own spelling
            }
        }
        QStringList values;
        values.reserve(R);
        for (qsizetype r = first; r < R; ++r)
            values << seriesValue(excel_content.at(r).value(i));
        QString reason, unsynced;
        if (path.isEmpty() || writtenHere(path) || !writeSeriesFile(path, values, &reason, &unsynced)) {
            failed = true;   // the other columns go on
            Show_NSLog_Message(QStringLiteral("Series %1 not written: %2").arg(name, reason));
        } else {
            written << path.toLower();
            if (!unsynced.isEmpty()) {
                unsyncedSeries << QFileInfo(path).completeBaseName();
                unsyncedWhy = unsynced;
            }
        }
    }
    afterWriting();
    wait.hide();
    if (R == 0)
        Show_MessageBox(kNoData);
    if (failed)
        Show_MessageBox(kAccessError);
    if (!unsyncedSeries.isEmpty())
        Show_MessageBox(series_store::unsyncedWarning(unsyncedSeries, unsyncedWhy));
    excel_content.clear();
    finish(1);
}

void Import_Excel_DataSheet::Insert_file_Func(const QString &)
{
    const QString typed = fill_col_option == 0 ? list_name->text() : List_ComboBox->currentText();
    const QString name = seriesName(typed);
    if (name.isEmpty()) {
        Show_MessageBox(kInvalidName);
        return;
    }
    // The sheet is read before the series is touched, so that a sheet that cannot be read loses
    // nothing.
    QStringList values;
    qsizetype R = 0;
    {
        PleaseWaitGuard wait(plz_wait_Window, this);
        if (!readWholeSheet()) {
            wait.hide();
            Show_MessageBox(SpreadsheetWriter::unreadableMessage());
            return;
        }
        R = excel_content.size();
        for (qsizetype r = contains_header->isChecked() ? 1 : 0; r < R; ++r) {
            const QStringList &row = excel_content.at(r);
            for (int i = 0; i < row.size(); ++i)
                if (Get_Selection_State(i))
                    values << seriesValue(row.at(i));
        }
        excel_content.clear();
    }
    bool written = false;
    QString unsynced;   // the store says it itself for a created or replaced series
    if (fill_col_option == 0) {
        const series_store::WriteResult result = series_store::createOrReplace(name, values);
        if (result == series_store::WriteResult::Declined)
            return;   // No: the window stays open, nothing written
        if (result != series_store::WriteResult::Written)
            return;   // the store has said why
        written = true;
    } else if (fill_col_option == 1) {
        written = series_store::write(name, values, &unsynced);
    } else {
        written = series_store::append(name, values, &unsynced);
    }
    if (!written && fill_col_option != 0) {
        Show_MessageBox(kAccessError);
        return;
    }
    if (!unsynced.isEmpty())
        Show_MessageBox(series_store::unsyncedWarning({name}, unsynced));
    afterWriting();
    if (R == 0)
        Show_MessageBox(SpreadsheetWriter::unreadableMessage());
    finish(1);
}
