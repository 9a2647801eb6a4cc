// Batch values: the series name combos, the item combos kept on the same row, and the binding of
// the chosen series row or value-list record into the value, header and footer fields.

#include "barcodemode/BarcodeModeController.h"


#include "core/FileServices.h"
#include "core/Globals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "engines/Symbologies.h"
#include "platform/ComboItems.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <exception>
#include <tuple>

namespace {

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

// The text of the item combo's chosen row, its first row when none is chosen, "" when empty.
QString chosenOrFirst(const QComboBox *combo)
{
    if (!combo || combo->count() == 0)
        return QStringLiteral("");
    const int index = combo->currentIndex() >= 0 ? combo->currentIndex() : 0;
    return combo->itemText(index);
}

} // namespace

void BarcodeModeController::Fill_Data_Set_File_Name_In_Combo(QComboBox *combo)
{
    if (!combo)
        return;
    QStringList items;
    if (combo == val_combo_list || combo == hdr_combo_list || combo == ftr_combo_list)
        items << combo_first_Select;
    items << Get_datasheet_File_Name_Array();
    platform::ui::fillCombo(combo, items);
    // A refilled list makes the next choice of the same name a new one.
    combo->setProperty("fillStamp", combo->property("fillStamp").toULongLong() + 1);
    if (combo->count() > 0)
        combo->setCurrentIndex(0);
}

void BarcodeModeController::Fill_Combo_List_Reading_Data_List_File(int, const QString &, int)
{
    try {
        for (QComboBox *c : {val_combo_list, hdr_combo_list, ftr_combo_list})
            if (c && c->count() <= 1)
                Fill_Data_Set_File_Name_In_Combo(c);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

int BarcodeModeController::Balance_Datasheet_Combo_Max_Count()
{
    const QList<std::tuple<QCheckBox *, QComboBox *, QComboBox *>> rows = {
        {barcode_value_chk, val_combo_list, val_combo_value},
        {barcode_header_chk, hdr_combo_list, hdr_combo_value},
        {barcode_footer_chk, ftr_combo_list, ftr_combo_value}};
    int longest = 0;
    QList<QComboBox *> loaded;
    for (const auto &[check, list, items] : rows) {
        if (!ticked(check) || !list || list->currentIndex() <= 0 || !items)
            continue;
        const QString name = list->currentText();
        design().Fille_Data_Set_Values_In_Combo(items, name);
        longest = std::max(longest, design().Get_Data_Set_Series_Item_Count(name));
        loaded << items;
    }
    for (QComboBox *items : loaded) {
        const QSignalBlocker block(items);
        while (items->count() < longest)
            items->addItem(QString());
    }
    return longest;
}

void BarcodeModeController::Combo_Selection_Change(int source)
{
    if (combo_sel)
        return;
    combo_sel = true;
    try {
        QComboBox *const itemCombos[3] = {val_combo_value, hdr_combo_value, ftr_combo_value};
        QComboBox *const listCombos[3] = {val_combo_list, hdr_combo_list, ftr_combo_list};
        QCheckBox *const checks[3] = {barcode_value_chk, barcode_header_chk, barcode_footer_chk};
        const int row = Last_Selected_Index != -1 ? Last_Selected_Index
                                                  : (itemCombos[source] ? itemCombos[source]->currentIndex() : -1);
        for (int i = 0; i < 3; ++i) {
            if (i == source || !ticked(checks[i]) || !listCombos[i] || listCombos[i]->currentIndex() <= 0 || !itemCombos[i])
                continue;
            itemCombos[i]->setCurrentIndex(row >= 0 && row < itemCombos[i]->count() ? row : -1);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    combo_sel = false;
}

void BarcodeModeController::Bind_Data_with_Barcode_VALUE_For_Series()
{
    try {
        const bool twoD = Symbologies::isTwoD(barcodeTypePopup->currentText());
        if (!ticked(barcode_value_chk)) {
            (twoD ? static_cast<QWidget *>(dataText_2D) : dataText)->show();
            Set_Field_Read_Only(dataText, false);
            Set_Field_Read_Only(dataText_2D, false);
            val_combo_list->hide();
            val_combo_value->hide();
            return;
        }
        dataText->hide();
        dataText_2D->hide();
        val_combo_list->show();
        val_combo_value->show();
        const QString text = Trim_Str(chosenOrFirst(val_combo_value));
        Set_Linear_Value_in_Field(text);
        Set_Two_D_Value_in_Field(text);
        Set_Field_Read_Only(dataText, true);
        Set_Field_Read_Only(dataText_2D, true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

namespace {
void bindTextForSeries(QCheckBox *check, QLineEdit *field, QComboBox *list, QComboBox *items)
{
    if (!check || !field || !list || !items)
        return;
    if (!check->isChecked()) {
        field->show();
        Set_Field_Read_Only(field, false);
        list->hide();
        items->hide();
        return;
    }
    field->hide();
    list->show();
    items->show();
    field->setText(Trim_Str(chosenOrFirst(items)));
    Set_Field_Read_Only(field, true);
}
} // namespace

void BarcodeModeController::Bind_Data_with_Barcode_HEADER_For_Series()
{
    try {
        bindTextForSeries(barcode_header_chk, HeaderText, hdr_combo_list, hdr_combo_value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Bind_Data_with_Barcode_FOOTER_For_Series()
{
    try {
        bindTextForSeries(barcode_footer_chk, FooterText, ftr_combo_list, ftr_combo_value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::set_list_value_to_text_box()
{
    try {
        if (!Use_Data_Sheet_Values)
            return;
        if (Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked()) {
            // Series rows are already in the fields: draw them when they make a valid symbol.
            if (Check_And_Validat_Barcode(false, false))
                goButtonActionPerformed();
            return;
        }
        const int row = selectedListRow();
        if (row < 0) {
            // An emptied list empties the fields; a list without a selection leaves them.
            if (!ListData_barcode.isEmpty())
                return;
            Set_Linear_Value_in_Field(QString());
            Set_Two_D_Value_in_Field(QString());
            HeaderText->setText(QString());
            FooterText->setText(QString());
            goButtonActionPerformed();
            return;
        }
        // The selected record's fields, each taken only where its list box is ticked; the others
        // keep what the user typed.
        QString value, header, footer;
        if (!ListData_barcode.isEmpty()) {
            const ValueRecord r = ListData_barcode.value(row);
            if (ticked(barcode_value_chk))
                value = r.value(QStringLiteral("Value"));
            else
                value = Symbologies::isTwoD(barcodeTypePopup->currentText()) ? Get_Two_D_Value_From_Field()
                                                                             : dataText->text();
            header = ticked(barcode_header_chk) ? r.value(QStringLiteral("Header")) : HeaderText->text();
            footer = ticked(barcode_footer_chk) ? r.value(QStringLiteral("Footer")) : FooterText->text();
        }
        Set_Linear_Value_in_Field(Trim_Str(value));
        Set_Two_D_Value_in_Field(Trim_Str(value));
        HeaderText->setText(Trim_Str(header));
        FooterText->setText(Trim_Str(footer));
        if (Check_And_Validat_Barcode(false, false))
            goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

// ---- Binding the current batch row ----

void BarcodeModeController::bind_all()
{
    try {
        if (Custom_Sheet_RD && Custom_Sheet_RD->isChecked()) {
            Bind_Data_with_Barcode_VALUE();
            Bind_Data_with_Barcode_HEADER();
            Bind_Data_with_Barcode_FOOTER();
        } else {
            Bind_Data_with_Barcode_VALUE_For_Series();
            Bind_Data_with_Barcode_HEADER_For_Series();
            Bind_Data_with_Barcode_FOOTER_For_Series();
        }
        set_list_value_to_text_box();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

namespace {
// The value-list side of binding one field: the selected record's entry goes into the field when
// the list box is ticked; with records but no selection nothing happens; an empty list leaves the
// field read-only. Unticked, the field is the user's to type in.
template <class Fill>
void bindFromList(QCheckBox *check, const QList<ValueRecord> &list, int row, const QString &key,
                  const QList<QWidget *> &fields, Fill fill)
{
    const auto setReadOnly = [&fields](bool on) {
        for (QWidget *f : fields)
            Set_Field_Read_Only(f, on);
    };
    if (!ticked(check)) {
        setReadOnly(false);
        return;
    }
    if (!list.isEmpty()) {
        if (row >= 0 && row < list.size())
            fill(Trim_Str(list.at(row).value(key)));
        return;
    }
    setReadOnly(true);
}
} // namespace

void BarcodeModeController::Bind_Data_with_Barcode_VALUE()
{
    try {
        if (Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked()) {
            Bind_Data_with_Barcode_VALUE_For_Series();
            return;
        }
        bindFromList(barcode_value_chk, ListData_barcode, selectedListRow(), QStringLiteral("Value"),
                     {dataText, dataText_2D}, [this](const QString &text) {
                         Set_Linear_Value_in_Field(text);
                         Set_Two_D_Value_in_Field(text);
                     });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Bind_Data_with_Barcode_HEADER()
{
    try {
        if (Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked()) {
            Bind_Data_with_Barcode_HEADER_For_Series();
            return;
        }
        bindFromList(barcode_header_chk, ListData_barcode, selectedListRow(), QStringLiteral("Header"), {HeaderText},
                     [this](const QString &text) { HeaderText->setText(text); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Bind_Data_with_Barcode_FOOTER()
{
    try {
        if (Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked()) {
            Bind_Data_with_Barcode_FOOTER_For_Series();
            return;
        }
        bindFromList(barcode_footer_chk, ListData_barcode, selectedListRow(), QStringLiteral("Footer"), {FooterText},
                     [this](const QString &text) { FooterText->setText(text); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
