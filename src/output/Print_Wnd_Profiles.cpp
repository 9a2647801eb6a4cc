// The print dialog's profiles: the list of the profile folder in the table, loading the selected
// profile into the dialog, saving the dialog's settings as a profile, and Add, Edit, Save and
// Delete with the naming dialog.

#include "output/Print_Wnd.h"

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "output/Add_Print_Profile.h"
#include "outputjobs/PrintProfileStore.h"
#include "output/ProfileListModel.h"
#include "outputjobs/SheetLayout.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/PrintDestination.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTableView>

#include <cmath>
#include <exception>

namespace {

void logFailure(const std::exception &e) { Show_NSLog_Message(QString::fromUtf8(e.what())); }

// A number of a profile into a field and its stepper, shown as the field shows numbers. A gap as
// the program writes it, whatever the locale it was saved in (storedNumber). Text that is no number
// keeps the field, and says so: a count is skipped quietly, as it always was.
void loadNumber(QLineEdit *field, platform::Stepper *stepper, const QString &text, bool integer, double least,
                const QString &profile = QString(), const char *what = nullptr)
{
    bool ok = false;
    const std::optional<double> real = integer ? std::nullopt : platform::storedNumber(text);
    const double value = integer ? double(Trim_Str(text).toInt(&ok)) : double(float(real.value_or(0)));
    if (integer ? !ok : !real) {
        if (what && !Trim_Str(text).isEmpty())
            Show_MessageBox(QStringLiteral("The print profile \"%1\" holds the %2 \"%3\", which is no number; the %2 "
                                           "stays as it was.")
                                .arg(profile, QLatin1String(what), Trim_Str(text)));
        return;
    }
    const double kept = std::max(value, least);
    platform::showNumber(field, kept, integer ? platform::PairFormat::Integer : platform::PairFormat::Real);
    stepper->setDoubleValue(kept);
}

// A "Default" that cannot be read is written again from the application's own, and the user told
// where the damaged file went: else no profile would be loaded at opening, ever again. Answers
// whether it is still damaged, which has then been said: once a start, since every opening finds it
// so again.
bool repairDefaultProfile()
{
    const QString seed = Resource_Path + QStringLiteral("/PrintProfile/Default.qpf");
    const printprofiles::DefaultRepair repair = printprofiles::Repair_Default(print_profile_path, seed);
    if (!repair.damaged)
        return false;
    const QString said = QStringLiteral("The print profile \"Default\" in the folder \"%1\" could not be read").arg(print_profile_path);
    using Seed = printprofiles::DefaultRepair::Seed;
    if (repair.seed == Seed::Fine && repair.error.isEmpty()) {
        Show_MessageBox(said + QStringLiteral("; it was written again as the application ships it, and the file that could "
                                              "not be read was kept as \"%1\".")
                                   .arg(repair.keptAs));
        return false;
    }
    const QString message =
        repair.seed != Seed::Fine
            ? said + QStringLiteral(". The application's own copy \"%1\", which would replace it, %2, so your file was left "
                                    "as it was.")
                         .arg(seed, repair.seed == Seed::Missing      ? QStringLiteral("is missing")
                                    : repair.seed == Seed::Unreadable ? QStringLiteral("cannot be read: ") + repair.seedError
                                                                      : QStringLiteral("is damaged"))
        : repair.keptAs.isEmpty()
            ? said + QStringLiteral(" and could not be written again:\n") + repair.error
            : said + QStringLiteral(" and could not be written again; the file that could not be read was kept as \"%1\":\n")
                         .arg(repair.keptAs) + repair.error;
    static QSet<QString> told;
    if (!told.contains(message)) {
        told.insert(message);
        Show_MessageBox(message);
    }
    return true;
}

} // namespace

void Print_Wnd::Load_Print_Profile(bool tellBad)
{
    try {
        ListData_profile.clear();
        ListData_profile_files.clear();
        m_profileModel->reloadData();
        const bool defaultDamaged = repairDefaultProfile();
        const printprofiles::Listing listing = printprofiles::List_Profiles(print_profile_path);
        QStringList untold;   // a damaged "Default" has been said on its own
        for (const QString &bad : listing.bad) {
            Show_NSLog_Message(QStringLiteral("The print profile \"%1\" is no list of %2 texts; it is left out.")
                                   .arg(bad)
                                   .arg(printprofiles::FieldCount));
            if (!defaultDamaged || QFileInfo(bad).completeBaseName() != printprofiles::Default_Name)
                untold << bad;
        }
        if (tellBad && !untold.isEmpty())
            Show_MessageBox(QStringLiteral("These print profiles could not be read and are not listed:\n")
                            + untold.join(QLatin1Char('\n')));
        // "Default", which names no printer, heads the list whatever the other names sort as, and
        // alone is loaded on the way: a profile the user did not pick never chooses the printer.
        QStringList names = listing.names;
        if (names.removeAll(printprofiles::Default_Name) > 0)
            names.prepend(printprofiles::Default_Name);
        for (const QString &name : names)
            Create_Profile_List(name);
        if (ListData_profile_files.value(0) == printprofiles::Default_Name)
            Make_select_on_index(0);
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::Create_Profile_List(const QString &name)
{
    const QString trimmed = Trim_Str(name);
    if (trimmed.isEmpty())
        return;
    ListData_profile.append({{ProfileListModel::Column, trimmed}});
    ListData_profile_files.append(trimmed);
    m_profileModel->reloadData();
}

QString Print_Wnd::Get_List_Name_Text(int row) const
{
    if (row < 0 || row >= ListData_profile.size())
        return QString();
    return Trim_Str(ListData_profile.at(row).value(ProfileListModel::Column));
}

void Print_Wnd::Make_select_on_index(int row)
{
    if (row < 0 || row >= ListData_profile.size())
        return;
    List_profile->selectionModel()->select(m_profileModel->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    List_profile->setCurrentIndex(m_profileModel->index(row, 0));
}

int Print_Wnd::Selected_Profile_Row() const
{
    const QModelIndexList rows = List_profile->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int Print_Wnd::numberOfRowsInTableView(const QTableView *table) const
{
    return table == List_profile ? int(ListData_profile.size()) : 0;
}

QString Print_Wnd::tableView_objectValueForTableColumn_row(const QTableView *table, const QString &column, int row) const
{
    if (table != List_profile || row < 0 || row >= ListData_profile.size())
        return QString();
    return ListData_profile.at(row).value(column);
}

void Print_Wnd::tableView_setObjectValue_forTableColumn_row(const QTableView *table, const QString &value,
                                                            const QString &column, int row)
{
    if (table != List_profile || row < 0 || row >= ListData_profile.size())
        return;
    // A typed name becomes a name a file can have; one of nothing keeps the old name.
    const QString name = Trim_Str(Remove_Reserve_Char_In_File_Name(value));
    if (name.isEmpty())
        return;
    ListData_profile[row][column] = name;
}

void Print_Wnd::tableViewSelectionDidChange(const QTableView *table)
{
    try {
        if (table != List_profile || ListData_profile.isEmpty())
            return;
        const int row = Selected_Profile_Row();
        if (row < 0)
            return;
        // The row stands for the file it was listed from.
        const QString listed = ListData_profile_files.value(row);
        Delete_profile_btn->setEnabled(listed != printprofiles::Default_Name);
        Read_and_load_profile_info(listed);
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::Read_and_load_profile_info(const QString &name)
{
    try {
        // All 22 strings are read before the first control changes.
        const std::optional<QStringList> read = printprofiles::Read_Profile(print_profile_path, name);
        if (!read) {
            Show_NSLog_Message(QStringLiteral("The print profile \"%1\" could not be read.").arg(name));
            return;
        }
        const QStringList &f = *read;
        using printprofiles::Is_Yes;
        // A profile saved on a label stock brings it back, with its grid, margins and page; one
        // saved on the manual layout goes back to it. Older profiles leave the layout as it is.
        const printprofiles::Stock stock = printprofiles::Stock_Of(f);
        bool onStock = false;
        if (!stock.vendor.isEmpty()) {
            onStock = Choose_Label_Stock(stock.vendor, stock.product);
            if (!onStock && stock.product.isEmpty())
                Show_MessageBox(QStringLiteral("The print profile \"%1\" names the label stock vendor \"%2\" but no "
                                               "product; the manual layout is used.")
                                    .arg(name, stock.vendor));
            else if (!onStock)
                Show_MessageBox(QStringLiteral("The label stock \"%1 %2\" of the print profile \"%3\" is not "
                                               "available; the manual layout is used.")
                                    .arg(stock.vendor, stock.product, name));
        }
        if (stock.recorded && !onStock && Manual_or_Pre == 1)
            Manual_Label_Changed();
        // The grid and gaps of a stock are its own.
        if (!onStock) {
            loadNumber(Col_Text, Col_Stepper, f.at(0), true, 1);
            loadNumber(Row_Text, Row_Stepper, f.at(1), true, 1);
            loadNumber(horz_mar_Text, horz_mar_Stepper, f.at(2), false, -1e9, name, "horizontal gap");
            loadNumber(vert_mar_Text, vert_mar_Stepper, f.at(3), false, -1e9, name, "vertical gap");
        }

        // Under a product's grid the profile's alignment and auto-centre wait for the manual layout.
        bool ok = false;
        const int align = Trim_Str(f.at(8)).toInt(&ok);
        (Manual_or_Pre == 1 ? label_align_val_bkup : label_align_val) = ok && align >= 1 && align <= 9 ? align : 1;
        Set_Reset_Alignemnt_Image();

        if (Manual_or_Pre == 1)
            auto_center_bkup = Is_Yes(f.at(9));
        else
            Auto_Center_chk_bx->setChecked(Is_Yes(f.at(9)));
        Auto_Center_Checked();

        // The profile's printer goes into the page setup when it is installed; "Default" never
        // chooses one, whatever an older save wrote there.
        const int printer = name == printprofiles::Default_Name ? -1 : Printer_ComboBox->findText(f.at(10));
        if (printer >= 0) {
            {
                const QSignalBlocker block(Printer_ComboBox);
                Printer_ComboBox->setCurrentIndex(printer);
            }
            Use_Printer(f.at(10));
        }
        Paper_id->setText(f.at(11));
        Size_id->setText(f.at(12));
        const int orientation = Orient_ComboBox->findText(f.at(15));
        if (orientation >= 0) {
            const QSignalBlocker block(Orient_ComboBox);
            Orient_ComboBox->setCurrentIndex(orientation);
        }

        // Only the boxes change: their flags follow when they are clicked.
        Show_Margins->setChecked(Is_Yes(f.at(16)));
        if (Is_Yes(f.at(19)))
            print_with_batch_chk->setChecked(Use_Data_Sheet_Values || Use_Excel_Binding_Values);
        crop_mark_chk->setChecked(Is_Yes(f.at(20)));
        fit_frame_chk->setChecked(Is_Yes(f.at(21)));

        const float widthMM = f.at(13).toFloat(&ok);
        const bool widthOk = ok;
        const float heightMM = f.at(14).toFloat(&ok);
        if (widthOk && ok && widthMM > 0 && heightMM > 0)
            Set_Preview_Size(QSizeF(std::ceil(MM_to_Points_Convert(widthMM)), std::ceil(MM_to_Points_Convert(heightMM))));

        Set_Enable_Diable_Range_Box();
        Set_values_From_Printer();
        Check_Max_Cell_Value();
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

QStringList Print_Wnd::Profile_Fields(const QString &printer_sel) const
{
    using printprofiles::Yes_No;
    const PaperSetup setup = PaperSetup::of(printInfo.get());
    // The grid on screen: a product's while one is chosen.
    const bool predefined = Manual_or_Pre == 1;
    return {(predefined ? Col_Text_pre : Col_Text)->text(),
            (predefined ? Row_Text_pre : Row_Text)->text(),
            platform::storedText(predefined ? horz_mar_Text_pre : horz_mar_Text),
            platform::storedText(predefined ? vert_mar_Text_pre : vert_mar_Text),
            l_mar_id->text(),
            t_mar_id->text(),
            r_mar_id->text(),
            b_mar_id->text(),
            QString::asprintf("%d", label_align_val),
            Yes_No(Auto_Center_chk_bx->isChecked()),
            printer_sel,
            Paper_id->text(),
            Size_id->text(),
            QString::asprintf("%.2f", Points_to_MM_Convert(float(setup.paper.width()))),
            QString::asprintf("%.2f", Points_to_MM_Convert(float(setup.paper.height()))),
            Orient_ComboBox->currentText(),
            Yes_No(Show_Margins->isChecked()),
            Yes_No(skip_inavlid_chk->isChecked()),
            Yes_No(print_qty_chk->isChecked()),
            Yes_No(print_with_batch_chk->isChecked()),
            Yes_No(crop_mark_chk->isChecked()),
            Yes_No(fit_frame_chk->isChecked()),
            predefined ? Label_ComboBox->currentText() : QString(),
            predefined ? Product_num_ComboBox->currentText() : QString()};
}

bool Print_Wnd::Choose_Label_Stock(const QString &vendor, const QString &product)
{
    const int listed = Label_ComboBox->findText(vendor);
    if (listed < 0)
        return false;
    if (Manual_or_Pre != 1) {
        rd_predefined->setChecked(true);
        Predefined_Label_Changed();
    }
    Label_ComboBox->setCurrentIndex(listed);   // another vendor lists its products through its handler
    // A vendor alone is no label stock: its grid would be whichever product was shown before.
    const int item = Product_num_ComboBox->findText(product);
    if (item < 0 || product.isEmpty())
        return false;
    {
        const QSignalBlocker block(Product_num_ComboBox);
        Product_num_ComboBox->setCurrentIndex(item);
    }
    Read_Selected_Product_Label_Value();
    return true;
}

bool Print_Wnd::Save_Print_Profile(const QString &name, const QString &printer_sel, const QString &replaces)
{
    try {
        // Written whole over the old file, which stays as it was when the write fails.
        QString error, unsynced;
        // "Default" is loaded at every opening: it keeps no printer, which would then choose it for good.
        const QString printer = name == printprofiles::Default_Name ? QString() : printer_sel;
        if (!printprofiles::Write_Profile(print_profile_path, name, Profile_Fields(printer), &error, &unsynced)) {
            Show_MessageBox(QStringLiteral("Print Profile could not be saved.\n") + error);
            return false;
        }
        if (!replaces.isEmpty() && replaces != name && replaces != printprofiles::Default_Name)
            printprofiles::Delete_Profile(print_profile_path, replaces);
        Show_MessageBox(unsynced.isEmpty() ? QStringLiteral("Print Profile has been saved successfully.")
                                           : platform::unsyncedWarning(QStringLiteral("Print Profile"), unsynced));
        // The list is read again on the saved profile's row: the window keeps the settings just
        // saved, which the first row's profile would replace were it loaded on the way.
        {
            const QSignalBlocker quiet(List_profile->selectionModel());
            Load_Print_Profile();
            Make_select_on_index(int(ListData_profile_files.indexOf(name)));
        }
        List_profile->viewport()->update();
        Delete_profile_btn->setEnabled(name != printprofiles::Default_Name);
        return true;
    } catch (const std::exception &e) {
        logFailure(e);
        return false;
    }
}

void Print_Wnd::Add_Edit_Print_Profile(const QString &mode)
{
    try {
        const bool edit = mode == QLatin1String("E");
        const int row = Selected_Profile_Row();
        QString name;
        if (edit) {
            if (row < 0) {
                Show_MessageBox(QStringLiteral("Please select a print profile."));
                return;
            }
            name = Get_List_Name_Text(row);
        }
        pass_profile_name = name;
        prnt_prof_wnd->pass_profile_name = name;
        prnt_prof_wnd->Fill_Printers(name);
        new_profile_name->setText(name);
        const int code = platform::runModal(*prnt_prof_wnd);
        prnt_prof_wnd->hide();
        if (code != 1)
            return;
        // The naming dialog set the page setup for its printer (none for "Default": the window's
        // stays), with the paper and margins chosen in its page layout panel: the window shows that
        // printer, the page setup as it is.
        if (!prnt_prof_wnd->custom_profile_Printer.isEmpty()) {
            const QSignalBlocker block(Printer_ComboBox);
            Printer_ComboBox->setCurrentIndex(Printer_ComboBox->findText(prnt_prof_wnd->custom_profile_Printer));
        }
        Set_values_From_Printer();
        // An edit under a new name replaces the file the row was listed from, once the new one is written.
        const QString listed = edit ? ListData_profile_files.value(row) : QString();
        Save_Print_Profile(prnt_prof_wnd->custom_print_profile_name, prnt_prof_wnd->custom_profile_Printer, listed);
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::Save_profile_btn_clicked()
{
    const int row = Selected_Profile_Row();
    if (row < 0)
        return;
    Save_Print_Profile(Get_List_Name_Text(row), Printer_ComboBox->currentText());
}

void Print_Wnd::Delete_profile_btn_clicked()
{
    try {
        const int row = Selected_Profile_Row();
        if (row < 0)
            return;
        const QString listed = ListData_profile_files.value(row);
        if (listed == printprofiles::Default_Name)
            return;
        if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure want to delete selected 'Print Profile'?")) != 1)
            return;
        printprofiles::Delete_Profile(print_profile_path, listed);
        Load_Print_Profile();
    } catch (const std::exception &e) {
        logFailure(e);
    }
}
