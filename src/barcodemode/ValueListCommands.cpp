// The row commands of the value list: delete, add, clear and move, the list buttons' states, and
// their wiring to the buttons beside the table and to the table's context menu.

#include "barcodemode/BarcodeModeController.h"

#include "io/ValueListModel.h"
#include "io/ValueListRules.h"
#include "core/Messages.h"
#include "platform/RowJumpSelection.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <exception>

namespace {

QString failureText(const std::exception &e) { return QString::fromUtf8(e.what()); }

void enable(QPushButton *button, bool on)
{
    if (button)
        button->setEnabled(on);
}

// Sets clear_PQ_Flag for the life of the scope, so that a loop stopped by an exception does not
// leave the replacement rule keeping every print quantity.
class ClearPQScope {
public:
    ClearPQScope(bool &flag, bool on) : m_flag(flag), m_on(on)
    {
        if (m_on)
            m_flag = true;
    }
    ~ClearPQScope()
    {
        if (m_on)
            m_flag = false;
    }
    ClearPQScope(const ClearPQScope &) = delete;
    ClearPQScope &operator=(const ClearPQScope &) = delete;

private:
    bool &m_flag;
    bool m_on;
};

} // namespace

bool BarcodeModeController::listEmptyNotice()
{
    if (!ListData_barcode.isEmpty())
        return false;
    Show_MessageBox(QStringLiteral("List is empty."));
    if (List)
        List->setFocus();
    return true;
}

// ---- Delete ----

void BarcodeModeController::Del_Sel_Row_Menu(QObject *)
{
    try {
        if (listEmptyNotice())
            return;
        const QList<int> rows = selectedListRows();
        if (rows.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select at least one record from the list to continue."));
            if (List)
                List->setFocus();
            return;
        }
        const int lastRemoved = rows.last();
        value_list::removeRows(ListData_barcode, rows);
        Reload_List();
        if (!ListData_barcode.isEmpty())
            Mark_List_New_Selection_barcode(lastRemoved < ListData_barcode.size() ? lastRemoved : 0);
        Update_List_Count();
        set_list_value_to_text_box();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Del_Empty_Row_Menu(QObject *)
{
    try {
        if (listEmptyNotice())
            return;
        if (std::none_of(ListData_barcode.cbegin(), ListData_barcode.cend(), value_list::isBlankRecord)) {
            Show_MessageBox(QStringLiteral("There is no blank record in list."));
            return;
        }
        BarcodeModeHost::WaitSheet sheet(host());
        value_list::removeBlankRecords(ListData_barcode);
        Reload_List();
        Update_List_Count();
        Mark_List_New_Selection_barcode(0);
        bind_all();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Del_All_Row_Menu(QObject *)
{
    try {
        if (listEmptyNotice())
            return;
        if (Show_YES_NO_MessageBox(QStringLiteral("Do you want to delete all records?")) != 1)
            return;
        BarcodeModeHost::WaitSheet sheet(host());
        ListData_barcode.clear();
        Reload_List();
        Update_List_Count();
        set_list_value_to_text_box();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Add ----

void BarcodeModeController::Add_Row_Top_Menu(QObject *)
{
    try {
        using namespace value_list;
        Create_Item_List(kSampleValue, kSampleHeader, kSampleFooter, kSamplePQ, 0);
        Reload_List();
        Mark_List_New_Selection_barcode(0);
        Change_List_Value_With_New_Selection();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Add_Row_Bottom_Menu(QObject *)
{
    try {
        using namespace value_list;
        Create_Item_List(kSampleValue, kSampleHeader, kSampleFooter, kSamplePQ, int(ListData_barcode.size()));
        Reload_List();
        Mark_List_New_Selection_barcode(int(ListData_barcode.size()) - 1);
        Change_List_Value_With_New_Selection();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Add_Row_Selection_Menu(QObject *)
{
    try {
        using namespace value_list;
        const int selected = selectedListRow();
        const int index = ListData_barcode.isEmpty() || selected < 0 ? 0 : selected;
        Create_Item_List(kSampleValue, kSampleHeader, kSampleFooter, kSamplePQ, index);
        Reload_List();
        Mark_List_New_Selection_barcode(index);
        Change_List_Value_With_New_Selection();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Change_List_Value_With_New_Selection()
{
    List_Operation_Button_State();
    set_list_value_to_text_box();
}

// ---- Clear ----

void BarcodeModeController::clearEveryRecord(const QString &question, bool keepPQ, void (*edit)(ValueRecord &))
{
    try {
        if (listEmptyNotice())
            return;
        if (Show_YES_NO_MessageBox(question) != 1)
            return;
        const ClearPQScope keep(clear_PQ_Flag, keepPQ);
        BarcodeModeHost::WaitSheet sheet(host());
        for (int i = 0; i < ListData_barcode.size(); ++i) {
            ValueRecord r = ListData_barcode.at(i);
            edit(r);
            using namespace value_list;
            Replace_Item_List(r.value(kValue), r.value(kHeader), r.value(kFooter), r.value(kPQ), i);
        }
        Reload_List();
        set_list_value_to_text_box();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Clear_Bar_Value_Menu(QObject *)
{
    clearEveryRecord(QStringLiteral("Do you want to clear all Barcode Value?"), false,
                     [](ValueRecord &r) { r[value_list::kValue] = QString(); });
}

void BarcodeModeController::Clear_Bar_Hdr_Menu(QObject *)
{
    clearEveryRecord(QStringLiteral("Do you want to clear all Barcode Header?"), false,
                     [](ValueRecord &r) { r[value_list::kHeader] = QString(); });
}

void BarcodeModeController::Clear_Bar_Ftr_Menu(QObject *)
{
    clearEveryRecord(QStringLiteral("Do you want to clear all Barcode Footer?"), false,
                     [](ValueRecord &r) { r[value_list::kFooter] = QString(); });
}

void BarcodeModeController::Clear_Print_Qnt_Menu(QObject *)
{
    clearEveryRecord(QStringLiteral("Do you want to clear all Barcode Print Quantity?"), true,
                     [](ValueRecord &r) { r[value_list::kPQ] = QStringLiteral("1"); });
}

void BarcodeModeController::Clear_All_Record_Menu(QObject *)
{
    clearEveryRecord(QStringLiteral("Do you want to clear all records?"), true, [](ValueRecord &r) {
        for (const QString &key : value_list::recordKeys())
            r[key] = QString();
    });
}

// ---- Move ----

void BarcodeModeController::moveSelectedTo(bool top)
{
    try {
        const int row = selectedListRow();
        if (row < 0 || row >= ListData_barcode.size())
            return;
        const ValueRecord record = ListData_barcode.at(row);
        const int target = top ? 0 : int(ListData_barcode.size());
        using namespace value_list;
        // A record the creation rule refuses (the separator value, which only a replacement can
        // store) is not copied; then nothing may be removed either.
        if (!Create_Item_List(record.value(kValue), record.value(kHeader), record.value(kFooter), record.value(kPQ),
                              target))
            return;
        ListData_barcode.removeAt(top ? row + 1 : row);
        Update_List_Count();
        Reload_List();
        Mark_List_New_Selection_barcode(top ? 0 : int(ListData_barcode.size()) - 1);
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Move_Top_List_Button(QObject *) { moveSelectedTo(true); }

void BarcodeModeController::Move_Last_List_Button(QObject *) { moveSelectedTo(false); }

void BarcodeModeController::Move_Up_List_Button(QObject *)
{
    const int row = selectedListRow();
    if (row >= 0)
        Move_And_Replace_List_Item(row, row - 1);
}

void BarcodeModeController::Move_Down_List_Button(QObject *)
{
    const int row = selectedListRow();
    if (row >= 0)
        Move_And_Replace_List_Item(row, row + 1);
}

void BarcodeModeController::Move_And_Replace_List_Item(int from, int move_to_index)
{
    try {
        const int count = int(ListData_barcode.size());
        if (from < 0 || from >= count || move_to_index < 0 || move_to_index >= count)
            return;
        const ValueRecord a = ListData_barcode.at(from);
        const ValueRecord b = ListData_barcode.at(move_to_index);
        using namespace value_list;
        Replace_Item_List(a.value(kValue), a.value(kHeader), a.value(kFooter), a.value(kPQ), move_to_index);
        Replace_Item_List(b.value(kValue), b.value(kHeader), b.value(kFooter), b.value(kPQ), from);
        Reload_List();
        Mark_List_New_Selection_barcode(move_to_index);
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Buttons ----

void BarcodeModeController::List_Operation_Button_State()
{
    QPushButton *const all[] = {delete_list_btn, move_top_list_btn, move_up_list_btn, move_down_list_btn,
                                move_last_list_btn};
    if (ListData_barcode.isEmpty()) {
        for (QPushButton *b : all)
            enable(b, false);
        return;
    }
    const int row = selectedListRow();
    if (row < 0) {
        for (QPushButton *b : all)
            enable(b, true);
        return;
    }
    const bool last = row == ListData_barcode.size() - 1;
    enable(delete_list_btn, true);
    enable(move_top_list_btn, row != 0);
    enable(move_up_list_btn, row != 0);
    enable(move_down_list_btn, !last);
    enable(move_last_list_btn, !last);
}

// ---- Set-up ----

void BarcodeModeController::wireValueList()
{
    List_Source = new ValueListModel(&ListData_barcode, value_list::recordKeys(),
                                     {QStringLiteral("Barcode Value"), QStringLiteral("Barcode Header"),
                                      QStringLiteral("Barcode Footer"), QStringLiteral("Print Quantity")},
                                     List);
    List->setModel(List_Source);
    platform::RowJumpSelection::install(List);
    // The columns are wide enough for every title and for a 13-digit value (an EAN-13); as the
    // default size, the width outlasts the reloads of the table.
    {
        QHeaderView *header = List->horizontalHeader();
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) +
                            header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + 8;
        int width = List->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000"));
        for (int column = 0; column < List_Source->columnCount(); ++column) {
            const QString title = List_Source->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            width = std::max(width, header->fontMetrics().horizontalAdvance(title));
        }
        header->setDefaultSectionSize(width + margins);
        for (int column = 0; column < List_Source->columnCount(); ++column)
            List->setColumnWidth(column, width + margins);
    }
    QObject::connect(List->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!listReloading)
            tableViewSelectionDidChange(List);
    });

    QObject::connect(add_list_btn, &QPushButton::clicked, this, [this] { Add_List_Button(add_list_btn); });
    QObject::connect(delete_list_btn, &QPushButton::clicked, this, [this] { Delete_List_Button(delete_list_btn); });
    QObject::connect(move_top_list_btn, &QPushButton::clicked, this, [this] { Move_Top_List_Button(move_top_list_btn); });
    QObject::connect(move_up_list_btn, &QPushButton::clicked, this, [this] { Move_Up_List_Button(move_up_list_btn); });
    QObject::connect(move_down_list_btn, &QPushButton::clicked, this,
                     [this] { Move_Down_List_Button(move_down_list_btn); });
    QObject::connect(move_last_list_btn, &QPushButton::clicked, this,
                     [this] { Move_Last_List_Button(move_last_list_btn); });

    // The menu commands of the list, in the table's context menu.
    List_Menu = new QMenu(List);
    List_Menu->setObjectName(QStringLiteral("List_Menu"));
    const struct {
        const char *name;
        const char *title;
        void (BarcodeModeController::*command)(QObject *);
        bool separatorAfter;
    } commands[] = {
        {"Add_Row_Top_Menu", "Add Row at Top", &BarcodeModeController::Add_Row_Top_Menu, false},
        {"Add_Row_Selection_Menu", "Add Row at Selection", &BarcodeModeController::Add_Row_Selection_Menu, false},
        {"Add_Row_Bottom_Menu", "Add Row at Bottom", &BarcodeModeController::Add_Row_Bottom_Menu, true},
        {"Del_Sel_Row_Menu", "Delete Selected Rows", &BarcodeModeController::Del_Sel_Row_Menu, false},
        {"Del_Empty_Row_Menu", "Delete Blank Rows", &BarcodeModeController::Del_Empty_Row_Menu, false},
        {"Del_All_Row_Menu", "Delete All Rows", &BarcodeModeController::Del_All_Row_Menu, true},
        {"Clear_Bar_Value_Menu", "Clear Barcode Value", &BarcodeModeController::Clear_Bar_Value_Menu, false},
        {"Clear_Bar_Hdr_Menu", "Clear Barcode Header", &BarcodeModeController::Clear_Bar_Hdr_Menu, false},
        {"Clear_Bar_Ftr_Menu", "Clear Barcode Footer", &BarcodeModeController::Clear_Bar_Ftr_Menu, false},
        {"Clear_Print_Qnt_Menu", "Clear Print Quantity", &BarcodeModeController::Clear_Print_Qnt_Menu, false},
        {"Clear_All_Record_Menu", "Clear All Records", &BarcodeModeController::Clear_All_Record_Menu, false},
    };
    for (const auto &c : commands) {
        QAction *action = List_Menu->addAction(QString::fromLatin1(c.title));
        action->setObjectName(QString::fromLatin1(c.name));
        const auto command = c.command;
        QObject::connect(action, &QAction::triggered, this, [this, command, action] { (this->*command)(action); });
        if (c.separatorAfter)
            List_Menu->addSeparator();
    }
    List->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(List, &QWidget::customContextMenuRequested, this,
                     [this](const QPoint &at) { List_Menu->popup(List->viewport()->mapToGlobal(at)); });

    // The edit-row sheet, made with the window; the main window reaches its fields by outlets.
    const DataBarcodeMode::EditRowSheet sheet = valueListWindows().Make_Edit_Row_Sheet(valueListHost, List->window());
    Update_List_Item_Window = sheet.sheet;
    Update_bar_value_str = sheet.value;
    Update_bar_hdr_str = sheet.header;
    Update_bar_ftr_str = sheet.footer;
    Update_bar_pq_str = sheet.pq;
    Update_s_indx_str = sheet.row;

    wireValueListTransfers();
    Update_List_Count();
    List_Operation_Button_State();
}
