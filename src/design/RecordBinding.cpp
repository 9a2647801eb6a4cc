// Batch state of the design (series and spreadsheet bindings, record count), the series and
// spreadsheet look-ups, the data-source combo operations and the data viewers, and the record list
// beside the canvas.

#include "design/RecordBinding.h"

#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "io/SeriesStore.h"
#include "io/ValueListModel.h"
#include "model/SKTGraphic.h"
#include "outputjobs/OutputGlobals.h"
#include "platform/FormBinding.h"

#include "ui_DesignRecordList.h"

#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>
#include <exception>

namespace {

// Only texts, pictures and barcode objects (the classes exactly) take part in batch records.
bool isBindable(const SKTGraphic *g)
{
    if (!g)
        return false;
    const SKTGraphicClass kind = g->graphicClass();
    return kind == SKTGraphicClass::Text || kind == SKTGraphicClass::Image || kind == SKTGraphicClass::Barcode;
}

bool isBarcode(const SKTGraphic *g) { return g && g->graphicClass() == SKTGraphicClass::Barcode; }

void bind(RecordBinding &c, const Ui::DesignRecordList &ui)
{
    // Not outlets: the box's layout.
    designform::bindForm<1>(ui, FORM_OUTLET(Fill_List_sclview_RHS), FORM_OUTLET(Fill_List_RHS));
}

} // namespace

RecordBinding::RecordBinding(DesignController &design)
    : design(design), Linked_Sheet(design.sources().data->Linked_Sheet())
{
    Linked_Sheet = LinkedSheetTable();   // a new design has no link
}

RecordBinding::~RecordBinding() = default;

void RecordBinding::Build_Record_List_Box(QGroupBox *box)
{
    Fill_List_box = box;
    Ui::DesignRecordList ui;
    ui.setupUi(box);
    bind(*this, ui);
    // The value list's data source and delegate serve this table too.
    Fill_List_RHS_Source = new ValueListModel(&Fill_List_Data_RHS, {QStringLiteral("Value")}, {QStringLiteral("Value")},
                                              Fill_List_RHS);
    Fill_List_RHS->setModel(Fill_List_RHS_Source);
    connect(Fill_List_RHS->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { design.sources().barcode->tableViewSelectionDidChange(Fill_List_RHS); });
}

void RecordBinding::Open_Series_Value_Box(const QString &seriesName)
{
    try {
        design.sources().data->Open_View_Data_Series_Wnd(seriesName);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void RecordBinding::Open_Excel_Data_Box()
{
    try {
        design.sources().data->Open_Data_From_Excel_Wnd();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

QStringList RecordBinding::Series_Names() const { return series_store::names(); }

std::optional<QStringList> RecordBinding::Read_Series_Values(const QString &name) const
{
    return series_store::read(name);
}

int RecordBinding::Get_Data_SetIndex_According_Name(const QString &name)
{
    return series_store::indexOf(name);
}

QString RecordBinding::Get_First_Value_Of_Dataset(const QString &name) { return series_store::firstValue(name); }

int RecordBinding::Get_Data_Set_Series_Item_Count(const QString &name) { return series_store::count(name); }

QString RecordBinding::Get_First_Value_Of_Excel_Binding(int column)
{
    if (Linked_Sheet.rows.isEmpty())
        return QStringLiteral("");
    if (column == 0)
        return Linked_Sheet.value(0, QStringLiteral("Extension"));
    const QString value = Linked_Sheet.value(0, QStringLiteral("Column%1").arg(column));
    return value.isEmpty() ? QStringLiteral(" ") : value;
}

void RecordBinding::Fill_Excel_Col_Name_In_Combo(QComboBox *combo)
{
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItem(combo_first_Select);
    combo->addItems(Linked_Sheet.columnTitles);   // item k is spreadsheet column k
    combo->setCurrentIndex(-1);
}

void RecordBinding::Fille_Data_Set_Values_In_Combo(QComboBox *combo, const QString &seriesName)
{
    if (!combo)
        return;
    const std::optional<QStringList> values = Read_Series_Values(seriesName);
    const QSignalBlocker block(combo);
    if (!values) {
        // Only the Barcode mode's value combos are emptied for a missing series.
        static const QStringList valueCombos = {QStringLiteral("val_combo_value"), QStringLiteral("hdr_combo_value"),
                                                QStringLiteral("ftr_combo_value")};
        if (valueCombos.contains(combo->objectName()))
            combo->clear();
        return;
    }
    combo->clear();
    combo->addItems(*values);
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void RecordBinding::Add_Excel_Col_Name_In_Combo(QComboBox *combo)
{
    if (combo && combo->count() == 2) {
        const QSignalBlocker block(combo);
        combo->addItem(QStringLiteral("Excel"));
    }
}

void RecordBinding::Remove_Excel_Col_Name_In_Combo(QComboBox *combo)
{
    if (!combo || combo->count() != 3)
        return;
    const int at = combo->findText(QStringLiteral("Excel"));
    if (at >= 0) {
        const QSignalBlocker block(combo);
        combo->removeItem(at);
    }
}

int RecordBinding::Calculate_Excel_table_rows() { return int(Linked_Sheet.rows.size()); }

bool RecordBinding::Check_Front_Side_Dataset_Is_Used() const
{
    for (const std::shared_ptr<SKTGraphic> &p : design.selection().Get_Front_Controls_Array()) {
        const SKTGraphic *g = p.get();
        if (!isBindable(g) || g->data_source_type != 1 || g->print_object != 0)
            continue;
        if (!g->batch_list_name.isEmpty() || !g->batch_hdr_list_name.isEmpty() || !g->batch_ftr_list_name.isEmpty())
            return true;
    }
    return false;
}

bool RecordBinding::Check_Front_Side_Excel_Binding_Is_Used() const
{
    for (const std::shared_ptr<SKTGraphic> &p : design.selection().Get_Front_Controls_Array()) {
        const SKTGraphic *g = p.get();
        if (!isBindable(g) || g->data_source_type != 2)
            continue;
        if (g->excel_col_indx != -1)
            return true;
        if (isBarcode(g) && (g->batch_hdr_list_index != -1 || g->batch_ftr_list_index != -1))
            return true;
    }
    return false;
}

void RecordBinding::Add_dataset_col_in_binding_table(const QString &name, int)
{
    const std::optional<QStringList> values = Read_Series_Values(name);
    if (!values)
        return;
    // The index is looked up by name again; the stored one may be out of date.
    const int index = Get_Data_SetIndex_According_Name(name);
    if (index < 0 || index >= data_table_content.size())
        return;
    data_table_content[index] = *values;
}

void RecordBinding::Create_Dataset_binding_table()
{
    Data_table_names = Series_Names();
    for (const QString &name : std::as_const(Data_table_names))
        data_table_content.append(name);
    for (const std::shared_ptr<SKTGraphic> &p : design.selection().Get_Front_Controls_Array()) {
        const SKTGraphic *g = p.get();
        if (!isBindable(g) || g->data_source_type != 1)
            continue;
        Add_dataset_col_in_binding_table(g->batch_list_name, g->batch_list_index);
        if (isBarcode(g)) {
            Add_dataset_col_in_binding_table(g->batch_hdr_list_name, g->batch_hdr_list_index);
            Add_dataset_col_in_binding_table(g->batch_ftr_list_name, g->batch_ftr_list_index);
        }
    }
}

int RecordBinding::Calculate_data_table_rows() const
{
    int rows = 0;
    for (const QVariant &slot : data_table_content)
        if (slot.typeId() == QMetaType::QStringList)
            rows = std::max(rows, int(slot.toStringList().size()));
    return rows;
}

void RecordBinding::Check_Data_Sheet_Value_Use_or_Not()
{
    data_table_content.clear();
    Data_table_names.clear();
    Use_Data_Sheet_Values = Check_Front_Side_Dataset_Is_Used();
    if (Use_Data_Sheet_Values) {
        Create_Dataset_binding_table();
        Data_table_rows = Calculate_data_table_rows();
    }
}

void RecordBinding::Check_Excel_Binding_Value_Use_or_Not()
{
    Use_Excel_Binding_Values = Check_Front_Side_Excel_Binding_Is_Used();
    if (Use_Excel_Binding_Values) {
        Excel_table_rows = Calculate_Excel_table_rows();
        if (Excel_table_rows == 0)
            Use_Excel_Binding_Values = false;
    }
}

void RecordBinding::Get_total_Card_count()
{
    Data_table_rows = Use_Data_Sheet_Values ? Calculate_data_table_rows() : 0;
    Excel_table_rows = Use_Excel_Binding_Values ? Calculate_Excel_table_rows() : 0;
    Total_Batch_Excel_Card = std::max(Data_table_rows, Excel_table_rows);
    if (Total_Batch_Excel_Card == 0)
        Total_Batch_Excel_Card = 1;
}

void RecordBinding::Fill_Record_List(int count)
{
    if (Fill_List_Data_RHS.size() == count)
        return;   // already filled for this record count
    Fill_List_Data_RHS.clear();
    Reload_Fill_List();
    for (int i = 1; i <= count; ++i)
        Create_Fill_List(QStringLiteral("Label %1").arg(i));
    Reload_Fill_List();
}

void RecordBinding::Create_Fill_List(const QString &label)
{
    try {
        Fill_List_Data_RHS.append({{QStringLiteral("Value"), label}});
        if (Fill_List_RHS)
            Fill_List_RHS->viewport()->update();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void RecordBinding::Reload_Fill_List()
{
    if (Fill_List_RHS_Source)
        Fill_List_RHS_Source->reload();
}

void RecordBinding::Hide_Fill_List_Box(bool)
{
    if (Fill_List_box)
        Fill_List_box->setVisible(true);
    if (Fill_List_sclview_RHS && !ONLY_QR_MODE)
        Fill_List_sclview_RHS->setVisible(true);
}

void RecordBinding::Check_Series_Or_Excel_Use_or_not()
{
    try {
        const int mode = Barcode_Setting_Or_Designing_Mode;
        if (mode == 2) {
            Use_Data_Sheet_Values = false;
            Use_Excel_Binding_Values = false;
            Total_Batch_Excel_Card = 1;
            Total_Label = 1;
            Total_Barcode_Label_wd_Batch = 1;
            return;
        }
        if (mode == 0) {
            // The Barcode mode counts its own value-list records.
            Use_Excel_Binding_Values = false;
            design.sources().output->Get_Barcode_Batch_Count();
            return;
        }
        Check_Data_Sheet_Value_Use_or_Not();
        Check_Excel_Binding_Value_Use_or_Not();
        Get_total_Card_count();
        if (!Use_Data_Sheet_Values && !Use_Excel_Binding_Values) {
            if (ONLY_QR_MODE) {
                // The QR edition shows its template gallery in the list box instead.
                Hide_Fill_List_Box(false);
            } else {
                Fill_List_Data_RHS.clear();
                Create_Fill_List(QStringLiteral("Label 1"));
                Reload_Fill_List();
                if (Fill_List_box && !Fill_List_box->isHidden())
                    Hide_Fill_List_Box(true);
            }
        } else {
            design.sources().host->Fill_List_Thread_Call();
            if (Fill_List_box && Fill_List_box->isHidden())
                Hide_Fill_List_Box(false);
        }
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
