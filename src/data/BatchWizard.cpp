#include "data/BatchWizard.h"

#include "app/PleaseWaitGuard.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Open_Export_Log.h"
#include "core/UserFolders.h"
#include "core/Utilities.h"
#include "data/Generate_List.h"
#include "data/Import_Wizard.h"
#include "data/Load_Num_Info.h"
#include "data/SeriesListModel.h"
#include "data/Update_Ex_Num.h"
#include "io/SeriesStore.h"
#include "io/SpreadsheetWriter.h"
#include "output/AccessoryViewController.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/GuiThread.h"

#include "ui_BatchWizard.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>

#include <algorithm>
#include <exception>

namespace {

const QString kAccessError = QStringLiteral("Error in file accessing.");
const QString kListEmpty = QStringLiteral("List is empty.");

void bindForm(BatchWizard &w, const Ui::BatchWizard &ui)
{
    w.screens = ui.screens;
    w.avl_list_box = ui.avl_list_box;
    w.btn_box1 = ui.btn_box1;
    w.list_value_box = ui.list_value_box;
    w.btn_box2 = ui.btn_box2;
    w.List = ui.List;
    w.List_value = ui.List_value;
    w.batch_list_count = ui.batch_list_count;
    w.batch_value_count = ui.batch_value_count;
    w.batch_list_name = ui.batch_list_name;
    w.update_list_name = ui.update_list_name;
    w.AddNew_Btn = ui.AddNew_Btn;
    w.Update_Btn = ui.Update_Btn;
    w.Import_Btn = ui.Import_Btn;
    w.CreateSeries_Btn = ui.CreateSeries_Btn;
    w.Delete_List_Btn = ui.Delete_List_Btn;
    w.Help_Btn = ui.Help_Btn;
    w.Close_Btn = ui.Close_Btn;
    w.Import_Value_Btn = ui.Import_Value_Btn;
    w.Series_Value_Btn = ui.Series_Value_Btn;
    w.Delete_Rows_Btn = ui.Delete_Rows_Btn;
    w.Save_Btn = ui.Save_Btn;
    w.Export_Value_Btn = ui.Export_Value_Btn;
    w.Back_Btn = ui.Back_Btn;
    w.Help_2_Btn = ui.Help_2_Btn;
    w.Close_2_Btn = ui.Close_2_Btn;
}

// The selected rows of a table, ascending.
QList<int> selectedRows(const QTableView *table)
{
    QList<int> rows;
    for (const QModelIndex &i : table->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

BatchWizard::Delivery::Delivery(BatchWizard &manager) : m_manager(manager) { ++m_manager.m_delivering; }

BatchWizard::Delivery::~Delivery()
{
    if (--m_manager.m_delivering == 0)
        m_manager.flushValues();
}

BatchWizard *BatchWizard::defaultInstance()
{
    static BatchWizard *instance = nullptr;
    if (!instance)
        instance = new BatchWizard;   // lives for the whole process
    return instance;
}

BatchWizard::BatchWizard()
{
    Ui::BatchWizard ui;
    ui.setupUi(this);
    bindForm(*this, ui);
    ListData = new SeriesListModel(QStringLiteral("Extension"), this);
    ListData_value = new SeriesListModel(QStringLiteral("Header"), this);
    setUpSeriesTable(List, ListData);
    setUpSeriesTable(List_value, ListData_value);
    List->horizontalHeader()->hide();
    List_value->horizontalHeader()->hide();
    update_list_name->hide();
    plz_wait_Window = PleaseWaitGuard::makeSheet(this);
    Load_Number_Window = new Load_Num_Info(this);
    Update_Value_Wnd = new Update_Ex_Num(*this, this);
    Update_m_ex_num_str = Update_Value_Wnd->m_ex_num_str;
    Update_m_s_number = Update_Value_Wnd->m_s_number;
    Update_m_ex_num_index = Update_Value_Wnd->m_ex_num_index;

    const std::pair<QPushButton *, void (BatchWizard::*)()> buttons[] = {
        {AddNew_Btn, &BatchWizard::AddNew_Btn_Clicked},
        {Update_Btn, &BatchWizard::Update_Btn_Clicked},
        {Import_Btn, &BatchWizard::Import_Btn_Clicked},
        {CreateSeries_Btn, &BatchWizard::CreateSeries_Btn_Clicked},
        {Delete_List_Btn, &BatchWizard::Delete_List_Btn_Clicked},
        {Help_Btn, &BatchWizard::Help_Btn_Clicked},
        {Close_Btn, &BatchWizard::Close_Btn_Clicked},
        {Import_Value_Btn, &BatchWizard::Import_Value_Btn_Clicked},
        {Series_Value_Btn, &BatchWizard::Series_Value_Btn_Clicked},
        {Delete_Rows_Btn, &BatchWizard::Delete_Rows_Btn_Clicked},
        {Save_Btn, &BatchWizard::Save_Btn_Clicked},
        {Export_Value_Btn, &BatchWizard::Export_Value_Btn_Clicked},
        {Back_Btn, &BatchWizard::Back_Btn_Clicked},
        {Help_2_Btn, &BatchWizard::Help_2_Btn_Clicked},
        {Close_2_Btn, &BatchWizard::Close_2_Btn_Clicked},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    connect(List, &QTableView::doubleClicked, this, [this] { doubleClickInTable(List); });
    connect(List_value, &QTableView::doubleClicked, this, [this] { doubleClickInTable(List_value); });
}

// ---- Screens and counts ----

void BatchWizard::showListScreen()
{
    screens->setCurrentIndex(0);
    update_list_name->clear();
}

void BatchWizard::showValueScreen() { screens->setCurrentIndex(1); }

void BatchWizard::updateListCount() { batch_list_count->setText(QStringLiteral("Total List : %1").arg(ListData->size())); }

void BatchWizard::updateValueCount()
{
    batch_value_count->setText(QStringLiteral("Total Rows : %1").arg(ListData_value->size()));
}

void BatchWizard::bringToFront()
{
    raise();
    activateWindow();
}

int BatchWizard::Open_Wnd()
{
    try {
        Check_Path_And_Create_Files();
        showListScreen();
        Fill_List();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
    platform::runModal(*this);
    hide();
    return 0;
}

void BatchWizard::Fill_List()
{
    ListData->clear();
    QStringList names;
    for (const QString &name : series_store::names()) {
        const QString trimmed = Trim_Str(name);
        if (!trimmed.isEmpty())
            names << trimmed;
    }
    ListData->append(names);
    updateListCount();
}

void BatchWizard::Create_Value_List(const QString &value)
{
    const QString trimmed = Trim_Str(value);
    if (trimmed.isEmpty())
        return;
    m_pending << trimmed;
    if (m_delivering == 0)
        flushValues();
}

void BatchWizard::flushValues()
{
    ListData_value->append(m_pending);
    m_pending.clear();
    updateValueCount();
}

// ---- The list of series ----

void BatchWizard::AddNew_Btn_Clicked()
{
    showValueScreen();
    batch_list_name->setText(default_file_name);
    ListData_value->clear();
    updateValueCount();
}

bool BatchWizard::checkSeriesSelection()
{
    if (ListData->isEmpty()) {
        Show_MessageBox(QStringLiteral("Available list is empty."));
        return false;
    }
    const QList<int> rows = selectedRows(List);
    if (rows.isEmpty() || Trim_Str(ListData->at(rows.first())).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select a record from the available list to continue."));
        List->setFocus();
        return false;
    }
    return true;
}

void BatchWizard::Update_Btn_Clicked()
{
    try {
        if (checkSeriesSelection())
            openSelectedSeries();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void BatchWizard::openSelectedSeries()
{
    const QString name = Trim_Str(ListData->at(selectedRows(List).first()));
    // The series' own file, whatever the case of its extension; it must open for reading and
    // writing as it is, and be small enough to read.
    const QString path = series_store::pathOf(name);
    QFile probe(path);
    if (path.isEmpty() || probe.size() > series_store::kMaxSeriesBytes
        || !probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        Show_MessageBox(kAccessError);
        return;
    }
    probe.close();
    showValueScreen();
    batch_list_name->setText(name);
    update_list_name->setText(name);
    ListData_value->clear();
    updateValueCount();
    PleaseWaitGuard wait(plz_wait_Window, this);
    const Delivery delivery(*this);
    // Text that is not UTF-8 opens as an empty series.
    for (const QString &value : series_store::read(name).value_or(QStringList()))
        Create_Value_List(value);
}

void BatchWizard::Import_Btn_Clicked()
{
    try {
        lower();
        Import_Wizard *wizard = Import_Wizard::defaultInstance();
        wizard->file_name_required = 1;
        wizard->file_name_Insert = 1;
        wizard->Open_Wnd();
        bringToFront();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void BatchWizard::CreateSeries_Btn_Clicked()
{
    try {
        Generate_List *generator = Generate_List::defaultInstance();
        generator->file_name_required = 1;
        generator->file_name_Insert = 1;
        generator->Open_Wnd();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void BatchWizard::Delete_List_Btn_Clicked()
{
    try {
        if (!checkSeriesSelection())
            return;
        if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure want to delete selected Batch Processing Series?")) != 1)
            return;
        QList<int> deleted;
        bool failed = false;
        for (int row : selectedRows(List)) {
            // The series' own file, so that one kept as "Name (1).TXT" goes too.
            // A file that is gone already leaves nothing to keep.
            const QString path = series_store::pathOf(ListData->at(row));
            if (path.isEmpty() || QFile::remove(path)) {
                deleted << row;
            } else {
                Show_NSLog_Message(QStringLiteral("Could not delete %1").arg(path));
                failed = true;
            }
        }
        // A series whose file stayed keeps its row.
        ListData->removeRowsAt(deleted);
        if (!deleted.isEmpty())
            selectAfterDelete(List, deleted.last());
        updateListCount();
        if (failed)
            Show_MessageBox(kAccessError);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void BatchWizard::selectAfterDelete(QTableView *table, int largestDeleted)
{
    const int rows = table->model()->rowCount();
    table->clearSelection();
    if (rows == 0)
        return;
    const int row = largestDeleted < rows ? largestDeleted : 0;
    table->selectRow(row);
    table->scrollTo(table->model()->index(row, 0));
    table->setFocus();
}

void BatchWizard::Help_Btn_Clicked() { Open_Help_File(); }

void BatchWizard::Close_Btn_Clicked() { done(0); }

// ---- The values of one series ----

void BatchWizard::Import_Value_Btn_Clicked()
{
    try {
        if (!askLoadValues())
            return;
        Import_Wizard *wizard = Import_Wizard::defaultInstance();
        wizard->file_name_required = 0;
        wizard->file_name_Insert = 1;
        wizard->Open_Wnd();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void BatchWizard::Series_Value_Btn_Clicked()
{
    try {
        if (!askLoadValues())
            return;
        Generate_List *generator = Generate_List::defaultInstance();
        generator->file_name_required = 0;
        generator->file_name_Insert = 1;
        generator->Open_Wnd();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

bool BatchWizard::askLoadValues()
{
    if (ListData_value->isEmpty())
        return true;
    switch (Load_Number_Window->runQuestion()) {
    case Load_Num_Info::EmptyFirst:
        ListData_value->clear();
        updateValueCount();
        return true;
    case Load_Num_Info::Append:
        return true;
    default:
        return false;
    }
}

void BatchWizard::Delete_Rows_Btn_Clicked()
{
    try {
        if (ListData_value->isEmpty()) {
            Show_MessageBox(kListEmpty);
            List_value->setFocus();
            return;
        }
        const QList<int> rows = selectedRows(List_value);
        if (rows.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select at least one record from the list to continue."));
            List_value->setFocus();
            return;
        }
        ListData_value->removeRowsAt(rows);
        selectAfterDelete(List_value, rows.last());
        updateValueCount();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BatchWizard::doubleClickInTable(QTableView *table)
{
    try {
        const QList<int> rows = selectedRows(table);
        if (rows.isEmpty())
            return;
        if (rows.size() > 1) {
            Show_MessageBox(QStringLiteral("Please select only one record to update."));
            return;
        }
        if (table == List) {
            if (checkSeriesSelection())
                openSelectedSeries();
        }
        if (table == List_value) {
            const QString value = Trim_Str(ListData_value->at(rows.first()));
            Update_m_ex_num_str->setText(value);
            Update_m_s_number->setText(value);
            Update_m_ex_num_index->setText(QString::number(rows.first()));
            Update_Value_Wnd->runEditor();
        }
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void BatchWizard::Save_Btn_Clicked()
{
    try {
        if (ListData_value->isEmpty()) {
            Show_MessageBox(kListEmpty);
            List_value->setFocus();
            return;
        }
        const QString typed = batch_list_name->text();
        const QString name = Remove_Reserve_Char_In_File_Name(typed);
        if (name.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter valid series name."));
            return;
        }
        const QString oldName = update_list_name->text();
        const bool sameName = typed == oldName;
        bool renaming = false;
        if (series_store::exists(name)) {
            if (!sameName
                && Show_YES_NO_MessageBox(QStringLiteral("Batch Processing Series already exists. Do you want to replace it?")) != 1)
                return;
        } else {
            renaming = !oldName.isEmpty() && !sameName && series_store::exists(oldName);
        }
        QStringList values;
        values.reserve(ListData_value->size());
        for (const QString &value : ListData_value->values()) {
            const QString trimmed = Trim_Str(value);
            if (!trimmed.isEmpty())
                values << trimmed;
        }
        {
            PleaseWaitGuard wait(plz_wait_Window, this);
            // The new file is written whole before the old name goes, so a failed write loses nothing.
            QString unsynced;
            if (!series_store::write(name, values, &unsynced)) {
                wait.hide();
                Show_MessageBox(kAccessError);
                return;
            }
            wait.hide();
            if (!unsynced.isEmpty())
                Show_MessageBox(series_store::unsyncedWarning({name}, unsynced));
            if (renaming && !series_store::remove(oldName))
                Show_MessageBox(kAccessError);
        }
        bringToFront();
        showListScreen();
        Fill_List();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Show_MessageBox(kAccessError);
    }
}

QString BatchWizard::Export_list_method_2()
{
    AccessoryViewController &chooser = *AccessoryViewController::sharedInstance();
    chooser.ext_btn->setCurrentIndex(0);
    platform::SavePanelRequest request;
    request.title = QStringLiteral("Export List");
    request.extensions = {QStringLiteral("xlsx"), QStringLiteral("txt")};
    request.accessory = &chooser;
    request.attachAccessory = [&chooser](platform::SavePanelAccess *panel) { chooser.setSavePanel(panel); };
    const QString path = platform::dialogResponder().savePanel(request);
    if (!path.isEmpty())
        bringToFront();
    return path;
}

bool BatchWizard::writeExport(const QString &path, bool workbook, QString *unsynced)
{
    const QStringList &values = ListData_value->values();
    if (workbook) {
        SpreadsheetWriter::Rows rows;
        rows.reserve(values.size() + 1);
        rows.append({QStringLiteral("Batch Value")});
        for (const QString &value : values)
            rows.append({value});
        return SpreadsheetWriter::WriteWorkbook(path, rows, false, unsynced);
    }
    QString error;
    const bool written = platform::writeFileAtomically(path, [&values](QIODevice &device) {
        for (const QString &value : values) {
            const QByteArray line = value.toUtf8() + '\n';
            if (device.write(line) != line.size())
                return false;
        }
        return true;
    }, &error, unsynced);
    if (!written)
        Show_NSLog_Message(error);
    return written;
}

void BatchWizard::Export_Value_Btn_Clicked()
{
    try {
        if (ListData_value->isEmpty()) {
            Show_MessageBox(kListEmpty);
            List_value->setFocus();
            return;
        }
        QString path = Export_list_method_2();
        if (path.isEmpty())
            return;
        const QString extension = QFileInfo(path).suffix().toLower();
        const bool workbook = extension == QLatin1String("xlsx");
        if (!workbook && extension != QLatin1String("txt"))
            path += QStringLiteral(".txt");
        bool written = false;
        QString unsynced;
        {
            // An existing file is replaced only by a complete new one.
            PleaseWaitGuard wait(plz_wait_Window, this);
            written = writeExport(path, workbook, &unsynced);
        }
        if (!written) {
            Show_MessageBox(kAccessError);
            return;
        }
        bringToFront();
        Export_File_Message = unsynced.isEmpty() ? QStringLiteral("Record has been exported successfully.")
                                                 : platform::unsyncedWarning(QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()), unsynced);
        Export_File_Path = path;
        platform::runOnGuiThreadAndWait([] { Open_Export_File_Box(); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Show_MessageBox(kAccessError);
    }
}

void BatchWizard::Back_Btn_Clicked() { showListScreen(); }

void BatchWizard::Help_2_Btn_Clicked() { Open_Help_File(); }

void BatchWizard::Close_2_Btn_Clicked() { done(0); }
