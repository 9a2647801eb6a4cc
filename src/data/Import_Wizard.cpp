#include "data/Import_Wizard.h"

#include "app/PleaseWaitGuard.h"
#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/UserFolders.h"
#include "core/Utilities.h"
#include "data/BatchWizard.h"
#include "data/ImportWizardValues.h"
#include "data/Import_Excel.h"
#include "data/Import_Excel_DataSheet.h"
#include "data/SeriesToolsHost.h"
#include "data/SheetColumnPicker.h"
#include "io/SeriesStore.h"
#include "platform/Dialogs.h"

#include "ui_Import_Wizard.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>
#include <functional>

namespace {

const QString kCorrupted = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");

void bindForm(Import_Wizard &w, const Ui::Import_Wizard &ui)
{
    w.Excel_RD = ui.Excel_RD;
    w.Text_RD = ui.Text_RD;
    w.Mnul_RD = ui.Mnul_RD;
    w.Image_RD = ui.Image_RD;
    w.Excel_path = ui.Excel_path;
    w.Excel_btn = ui.Excel_btn;
    w.Text_path = ui.Text_path;
    w.Text_btn = ui.Text_btn;
    w.Text_file_name = ui.Text_file_name;
    w.ManualEdit = ui.ManualEdit;
    w.Manual_file_name = ui.Manual_file_name;
    w.Image_path = ui.Image_path;
    w.Image_btn = ui.Image_btn;
    w.Image_file_name = ui.Image_file_name;
    w.Text_file_lbl = ui.Text_file_lbl;
    w.Manual_file_lbl = ui.Manual_file_lbl;
    w.Image_file_lbl = ui.Image_file_lbl;
    w.ok_btn = ui.ok_btn;
    w.cancel_btn = ui.cancel_btn;
    w.help_btn = ui.help_btn;
}

// Runs a job on a worker while the GUI thread keeps painting the please-wait sheet; an exception
// of the job is thrown again here, on the GUI thread, where the wizard shows its reason.
void behindSheet(const std::function<void()> &job)
{
    std::exception_ptr failure;
    runOffGuiThread([&] {
        try {
            job();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

Import_Wizard *Import_Wizard::defaultInstance()
{
    static Import_Wizard *instance = nullptr;
    if (!instance)
        instance = new Import_Wizard;   // lives for the whole process
    return instance;
}

Import_Wizard::Import_Wizard()
{
    Ui::Import_Wizard ui;
    ui.setupUi(this);
    bindForm(*this, ui);
    plz_wait_Window = PleaseWaitGuard::makeSheet(this);
    connect(Excel_RD, &QRadioButton::clicked, this, &Import_Wizard::Excel_RD_Pressed);
    connect(Text_RD, &QRadioButton::clicked, this, &Import_Wizard::Text_RD_Pressed);
    connect(Mnul_RD, &QRadioButton::clicked, this, &Import_Wizard::Manual_RD_Pressed);
    connect(Image_RD, &QRadioButton::clicked, this, &Import_Wizard::Image_RD_Pressed);
    connect(Excel_btn, &QPushButton::clicked, this, &Import_Wizard::Browse_Excel_Pressed);
    connect(Text_btn, &QPushButton::clicked, this, &Import_Wizard::Browse_Text_Pressed);
    connect(Image_btn, &QPushButton::clicked, this, &Import_Wizard::Browse_Image_Pressed);
    connect(ok_btn, &QPushButton::clicked, this, &Import_Wizard::OKPressed);
    connect(cancel_btn, &QPushButton::clicked, this, &Import_Wizard::CancelPressed);
    connect(help_btn, &QPushButton::clicked, this, &Import_Wizard::HelpPressed);
    for (QLineEdit *path : {Excel_path, Text_path, Image_path})
        path->installEventFilter(this);
}

bool Import_Wizard::eventFilter(QObject *watched, QEvent *event)
{
    // Passed on, Return would press the default OK and import at once under whatever name the
    // name field holds, before the user has looked at it.
    if (event->type() == QEvent::KeyPress && (watched == Excel_path || watched == Text_path || watched == Image_path)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Import_Wizard::Open_Wnd()
{
    try {
        Check_Path_And_Create_Files();
        for (QLineEdit *field : {Excel_path, Text_path, Image_path, Text_file_name, Manual_file_name, Image_file_name})
            field->clear();
        ManualEdit->clear();
        const bool named = file_name_required == 1;
        for (QWidget *w : std::initializer_list<QWidget *>{Text_file_name, Manual_file_name, Image_file_name,
                                                           Text_file_lbl, Manual_file_lbl, Image_file_lbl})
            w->setVisible(named);
        chooseSource(0);
        adjustSize();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    platform::runModal(*this);
    hide();
}

void Import_Wizard::chooseSource(int option)
{
    import_option = option;
    Excel_RD->setChecked(option == 0);
    Text_RD->setChecked(option == 1);
    Mnul_RD->setChecked(option == 2);
    Image_RD->setChecked(option == 3);
    Excel_path->setEnabled(option == 0);
    Excel_btn->setEnabled(option == 0);
    for (QWidget *w : std::initializer_list<QWidget *>{Text_path, Text_btn, Text_file_name})
        w->setEnabled(option == 1);
    ManualEdit->setReadOnly(option != 2);
    ManualEdit->setEnabled(option == 2);
    Manual_file_name->setEnabled(option == 2);
    for (QWidget *w : std::initializer_list<QWidget *>{Image_path, Image_btn, Image_file_name})
        w->setEnabled(option == 3);
    QLineEdit *name = option == 1 ? Text_file_name : option == 2 ? Manual_file_name : option == 3 ? Image_file_name : nullptr;
    if (name && Trim_Str(name->text()).isEmpty()) {
        // Selected, so that the name the user types replaces the default.
        name->setText(default_file_name);
        name->setFocus(Qt::OtherFocusReason);
        name->selectAll();
    }
}

void Import_Wizard::Excel_RD_Pressed() { chooseSource(0); }
void Import_Wizard::Text_RD_Pressed() { chooseSource(1); }
void Import_Wizard::Manual_RD_Pressed() { chooseSource(2); }
void Import_Wizard::Image_RD_Pressed() { chooseSource(3); }

QString Import_Wizard::browse(const QStringList &extensions, bool folders)
{
    platform::OpenPanelRequest request;
    request.extensions = extensions;
    request.canChooseFiles = !folders;
    request.canChooseDirectories = folders;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    return chosen.isEmpty() ? QString() : chosen.first();
}

void Import_Wizard::Browse_Excel_Pressed()
{
    const QString path = browse({QStringLiteral("xlsx"), QStringLiteral("XLSX")}, false);
    if (path.isEmpty())
        return;
    Excel_path->setText(path);
    OKPressed();
}

void Import_Wizard::Browse_Text_Pressed()
{
    const QString path = browse({QStringLiteral("txt"), QStringLiteral("rtf"), QStringLiteral("csv"),
                                 QStringLiteral("TXT"), QStringLiteral("RTF"), QStringLiteral("CSV")},
                                false);
    if (path.isEmpty())
        return;
    Text_path->setText(path);
    OKPressed();
}

void Import_Wizard::Browse_Image_Pressed()
{
    const QString path = browse({}, true);
    if (path.isEmpty())
        return;
    Image_path->setText(path);
    OKPressed();
}

void Import_Wizard::OKPressed()
{
    try {
        // The path as checked is the path read: a blank typed after it is no part of it.
        if (import_option == 0) {
            const QString path = Trim_Str(Excel_path->text());
            if (Check_And_Validate_File_Path(path))
                return;
            bool refused = false;
            if (file_name_required == 1) {
                Import_Excel_DataSheet *window = Import_Excel_DataSheet::defaultInstance();
                window->file_name_Insert = file_name_Insert;
                // The wizard makes way once the workbook is read.
                refused = !window->Open_excel_datasheet_Wnd(path, [this] { hide(); });
            } else {
                Import_Excel *window = Import_Excel::defaultInstance();
                window->open_mode = QStringLiteral("D");
                window->Open_excel_Wnd(path);
                refused = window->workbookRefused();
            }
            if (!refused)   // a workbook that could not be read keeps the wizard open with its message
                done(1);
            return;
        }
        int closes = 0;
        if (import_option == 1) {
            const QString path = Trim_Str(Text_path->text());
            if (Check_And_Validate_File_Path(path))
                return;
            closes = Create_And_Save_Text_Data_Sheet(path);
        } else if (import_option == 2) {
            closes = Create_And_Save_Manual_Paste_data_Sheet();
        } else {
            const QString path = Trim_Str(Image_path->text());
            if (Check_And_Validate_File_Path(path))
                return;
            closes = Create_And_Save_Image_data_Sheet(path);
        }
        if (closes == 1)
            done(1);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
        done(1);
    }
}

void Import_Wizard::CancelPressed() { done(0); }

void Import_Wizard::HelpPressed() { Open_Help_File(); }

bool Import_Wizard::nameIsValid(QLineEdit *field) const
{
    if (file_name_required != 1 || !Remove_Reserve_Char_In_File_Name(field->text()).isEmpty())
        return true;
    Show_MessageBox(QStringLiteral("Please enter valid series name."));
    return false;
}

bool Import_Wizard::deliver(QLineEdit *nameField, const ValueWalk &values)
{
    if (file_name_required == 1) {
        // The values exist already: the replace question comes after every check of the source.
        const auto producer = [&values](const series_store::ValueSink &sink, QString *) { return values(sink); };
        if (series_store::createOrReplaceStreamed(nameField->text(), producer) != series_store::WriteResult::Written)
            return false;
    } else {
        BatchWizard *manager = BatchWizard::defaultInstance();
        const BatchWizard::Delivery delivery(*manager);
        values([manager](const QString &value) {
            manager->Create_Value_List(value);
            return true;
        });
    }
    if (file_name_Insert == 1)
        BatchWizard::defaultInstance()->Fill_List();
    return true;
}

bool Import_Wizard::deliver(QLineEdit *nameField, const QStringList &values)
{
    return deliver(nameField, [&values](const std::function<bool(const QString &)> &visit) {
        for (const QString &value : values)
            if (!visit(value))
                return false;
        return true;
    });
}

int Import_Wizard::Create_And_Save_Text_Data_Sheet(const QString &path)
{
    if (!nameIsValid(Text_file_name))
        return 0;
    import_wizard::TextFileRead read;
    {
        PleaseWaitGuard wait(plz_wait_Window, this);
        behindSheet([&] { read = import_wizard::readTextFile(path); });
    }
    if (read.status == import_wizard::TextFileRead::Status::Unreadable) {
        Show_MessageBox(QStringLiteral("Please select a valid file."));
        return 0;
    }
    if (read.status == import_wizard::TextFileRead::Status::Corrupted) {
        Show_MessageBox(kCorrupted);
        return 0;
    }
    const import_wizard::ValueLines &values = read.values;
    return deliver(Text_file_name, [&values](const std::function<bool(const QString &)> &visit) { return values.forEach(visit); }) ? 1 : 0;
}

int Import_Wizard::Create_And_Save_Manual_Paste_data_Sheet()
{
    if (!nameIsValid(Manual_file_name))
        return 0;
    const QString text = ManualEdit->toPlainText();
    if (Trim_Str(text).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter some data."));
        return 0;
    }
    std::optional<QStringList> lines;
    {
        PleaseWaitGuard wait(plz_wait_Window, this);
        behindSheet([&] { lines = import_wizard::typedLines(text); });
    }
    if (!lines) {
        Show_MessageBox(kCorrupted);
        return 0;
    }
    return deliver(Manual_file_name, *lines) ? 1 : 0;
}

int Import_Wizard::Create_And_Save_Image_data_Sheet(const QString &path)
{
    if (!nameIsValid(Image_file_name))
        return 0;
    // The main window's accepted types: the image commands and this source take the same files.
    const SeriesToolsHost *tools = SeriesToolsHost::current();
    const QStringList types = tools ? tools->Allowd_Image_fileTypes() : QStringList();
    const auto listImages = [&] {
        QStringList images;
        PleaseWaitGuard wait(plz_wait_Window, this);
        behindSheet([&] { images = import_wizard::imageFiles(path, types); });
        return images;
    };
    const QString noImage = QStringLiteral("The selected folder does not contains any image with supported extension.");
    if (file_name_required == 1) {
        // The replace question comes before the folder is listed; a folder without images then
        // writes nothing, so an existing series of that name stays.
        const auto producer = [&](const series_store::ValueSink &sink, QString *reason) {
            const QStringList images = listImages();
            if (images.isEmpty()) {
                *reason = noImage;
                return false;
            }
            for (const QString &image : images)
                if (!sink(image))
                    return false;
            return true;
        };
        if (series_store::createOrReplaceStreamed(Image_file_name->text(), producer) != series_store::WriteResult::Written)
            return 0;
        if (file_name_Insert == 1)
            BatchWizard::defaultInstance()->Fill_List();
        return 1;
    }
    const QStringList images = listImages();
    if (images.isEmpty()) {
        Show_MessageBox(noImage);
        return 0;
    }
    return deliver(Image_file_name, images) ? 1 : 0;
}
