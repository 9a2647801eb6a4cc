// Batch processing of the Barcode mode: the three states the window moves between (manual, batch
// from the value list, batch from series), the radio pair and the list boxes that move it, the two
// help texts, the refresh of the series name combos and the print grid.

#include "barcodemode/BarcodeModeController.h"

#include "barcodemode/BatchSnapshot.h"
#include "io/ValueListRules.h"
#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Mode.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Long_SMS_Dlg.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/ComboItems.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <algorithm>
#include <exception>

namespace {

QString failureText(const std::exception &e) { return QString::fromUtf8(e.what()); }

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

void setShown(QWidget *w, bool shown)
{
    if (w)
        w->setVisible(shown);
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    if (!combo)
        return items;
    items.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The items of a field's series, none while no series is chosen in its name combo (its item combo
// may still hold what an earlier choice left).
QStringList seriesItemsOf(const QComboBox *names, const QComboBox *items)
{
    return names && names->currentIndex() > 0 ? itemsOf(items) : QStringList();
}

// The help box of the batch settings: one title, the text, "OK" only.
void showBatchHelp(const QString &text)
{
    Cutom_Msg_Title = QStringLiteral("Batch Processing Settings Help :");
    Cutom_Msg_Val = text;
    Long_SMS_Dlg *dialog = Long_SMS_Dlg::defaultInstance();
    dialog->title_val = QString();   // null: the dialog shows the two texts above
    dialog->apply_chk_show = false;
    dialog->Open_Long_sms_Dialog();
}

} // namespace

// ---- The window's batch state ----

void BarcodeModeController::Show_Barcode_Val_Hdr_Ftr_Txt_Box()
{
    try {
        const bool twoD = liner_or_2D_font != 0;
        setShown(dataText, !twoD);
        setShown(dataText_2D, twoD);
        setShown(dataText_2D_scl_v, twoD);
        setShown(HeaderText, true);
        setShown(FooterText, true);
        for (QComboBox *c : {val_combo_list, hdr_combo_list, ftr_combo_list, val_combo_value, hdr_combo_value, ftr_combo_value})
            setShown(c, false);
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Keep_Typed_As_First_Record()
{
    using namespace value_list;
    // What the user typed stays: it is the first record, a field left empty takes the sample's text.
    const auto typedOr = [](const QString &typed, const QString &sample) {
        return Trim_Str(typed).isEmpty() ? sample : typed;
    };
    const QString typedValue = liner_or_2D_font != 0 ? Get_Two_D_Value_From_Field()
                                                     : (dataText ? dataText->text() : QString());
    const bool kept = Create_Item_List(typedOr(typedValue, kSampleValue),
                                       typedOr(HeaderText ? HeaderText->text() : QString(), kSampleHeader),
                                       typedOr(FooterText ? FooterText->text() : QString(), kSampleFooter), kSamplePQ, 0);
    if (!kept) {
        Add_Row_Top_Menu();   // a value the list cannot hold: the sample record instead
        return;
    }
    Reload_List();
    Mark_List_New_Selection_barcode(0);
    Change_List_Value_With_New_Selection();
}

void BarcodeModeController::Show_Hide_Datasheet_Control()
{
    try {
        const bool batch = ticked(data_source_chkbox);
        if (List)
            List->viewport()->update();
        if (batch) {
            if (data_source_txt_box)
                data_source_txt_box->setText(QStringLiteral("Batch Processing"));
            for (QRadioButton *r : {Custom_Sheet_RD, Data_Set_Sheet_RD})
                if (r)
                    r->setEnabled(true);
            // Every layout with batch processing on starts with all three fields from the batch.
            for (QCheckBox *b : {barcode_value_chk, barcode_header_chk, barcode_footer_chk})
                if (b)
                    b->setChecked(true);
            SetObjEnabled(batch_chk_Gp_Bx, true);
            Use_Data_Sheet_Values = true;
            seriesLaidOut = Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked();
            if (seriesLaidOut) {
                SetObjEnabled(data_Sheet_Gp_Bx, false);
                if (List)
                    List->setEnabled(false);
                for (QWidget *w : std::initializer_list<QWidget *>{dataText, dataText_2D, dataText_2D_scl_v, HeaderText,
                                                                  FooterText})
                    setShown(w, false);
                const std::pair<QComboBox *, QLineEdit *> rows[3] = {{val_combo_value, val_list_name_txt},
                                                                     {hdr_combo_value, hdr_list_name_txt},
                                                                     {ftr_combo_value, ftr_list_name_txt}};
                for (QComboBox *c : {val_combo_list, hdr_combo_list, ftr_combo_list})
                    setShown(c, true);
                for (const auto &[items, name] : rows) {
                    setShown(items, true);
                    if (items)
                        items->setEnabled(name && !name->text().isEmpty());
                }
                Fill_Combo_List_Reading_Data_List_File(0, QString(), 0);
                bind_all();
            } else {
                SetObjEnabled(data_Sheet_Gp_Bx, true);
                Show_Barcode_Val_Hdr_Ftr_Txt_Box();
                if (List)
                    List->setEnabled(true);
                if (ListData_barcode.isEmpty())
                    Keep_Typed_As_First_Record();
                else
                    List_Operation_Button_State();
                Mark_List_New_Selection_barcode(0);
            }
            // The fields whose list box is ticked take their text from the batch, not from typing.
            const bool valueBound = ticked(barcode_value_chk);
            Set_Field_Read_Only(dataText, valueBound);
            Set_Field_Read_Only(dataText_2D, valueBound);
            Set_Field_Read_Only(HeaderText, ticked(barcode_header_chk));
            Set_Field_Read_Only(FooterText, ticked(barcode_footer_chk));
            bind_all();
            return;
        }

        Use_Data_Sheet_Values = false;
        for (QCheckBox *b : {barcode_value_chk, barcode_header_chk, barcode_footer_chk})
            if (b)
                b->setChecked(false);
        if (data_source_txt_box)
            data_source_txt_box->setText(QStringLiteral("Manual"));
        for (QRadioButton *r : {Custom_Sheet_RD, Data_Set_Sheet_RD})
            if (r)
                r->setEnabled(false);
        SetObjEnabled(batch_chk_Gp_Bx, false);
        SetObjEnabled(data_Sheet_Gp_Bx, false);
        Show_Barcode_Val_Hdr_Ftr_Txt_Box();
        for (QWidget *f : std::initializer_list<QWidget *>{dataText, dataText_2D, HeaderText, FooterText})
            Set_Field_Read_Only(f, false);   // editable, on white
        if (List)
            List->setEnabled(false);
        // Empty fields get the sample texts again.
        if (dataText && dataText->text().isEmpty())
            Set_Linear_Value_in_Field(QStringLiteral("123456789012"));
        if (dataText_2D && Get_Two_D_Value_From_Field().isEmpty())
            Set_Two_D_Value_in_Field(QStringLiteral("123456789012"));
        if (HeaderText && HeaderText->text().isEmpty())
            HeaderText->setText(def_barcode_hdr_str);
        if (FooterText && FooterText->text().isEmpty())
            FooterText->setText(QStringLiteral("FOOTER"));
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- The radio pair ----
// Each acts only when the other source is the one laid out: a click on the radio already in force
// changes nothing.

void BarcodeModeController::Custom_Sheet_Check(QObject *)
{
    try {
        if (!seriesLaidOut)
            return;
        if (Custom_Sheet_RD)
            Custom_Sheet_RD->setChecked(true);
        if (Data_Set_Sheet_RD)
            Data_Set_Sheet_RD->setChecked(false);
        Show_Hide_Datasheet_Control();
        goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Data_Set_Sheet_Check(QObject *)
{
    try {
        if (seriesLaidOut)
            return;
        if (Data_Set_Sheet_RD)
            Data_Set_Sheet_RD->setChecked(true);
        if (Custom_Sheet_RD)
            Custom_Sheet_RD->setChecked(false);
        Show_Hide_Datasheet_Control();
        goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- The three list boxes ----

void BarcodeModeController::Batch_Value_Check(QObject *)
{
    try {
        Bind_Data_with_Barcode_VALUE();
        goButtonActionPerformed();
        Check_Any_Batch_Option_IS_Selected();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Batch_Header_Check(QObject *)
{
    try {
        Bind_Data_with_Barcode_HEADER();
        goButtonActionPerformed();
        Check_Any_Batch_Option_IS_Selected();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Batch_Footer_Check(QObject *)
{
    try {
        Bind_Data_with_Barcode_FOOTER();
        goButtonActionPerformed();
        Check_Any_Batch_Option_IS_Selected();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Check_Any_Batch_Option_IS_Selected()
{
    try {
        if (!ticked(data_source_chkbox))
            return;
        if (ticked(barcode_value_chk) || ticked(barcode_header_chk) || ticked(barcode_footer_chk))
            return;
        data_source_chkbox->setChecked(false);
        barcodeData_SourceChanged(data_source_chkbox);
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Help ----

void BarcodeModeController::Barcode_Data_Source_Help_Button(QObject *)
{
    try {
        showBatchHelp(QStringLiteral(
            "Select Data Source to enter barcode value.\nSelect Data Source as 'Manual' to enter barcode value manually, "
            "Select 'Batch Processing Series' to fetch the barcode value from the list of existing Batch Processing "
            "Series."));
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Batch_Help_Button(QObject *)
{
    try {
        showBatchHelp(QStringLiteral("Select these option to fetch the barcode value from the list of existing Batch "
                                     "Processing Series.\nor\nRemained unselect to enter barcode value manually. "));
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Series name combos after the series files changed ----

void BarcodeModeController::Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name)
{
    try {
        if (!combo)
            return;
        const QStringList names = Get_datasheet_File_Name_Array();
        const auto position = [&names](const QString &name) {
            const QString wanted = name.toLower();
            for (int i = 0; i < names.size(); ++i)
                if (names.at(i).toLower() == wanted)
                    return i;
            return -1;
        };
        int p = combo->currentIndex() >= 0 ? position(combo->currentText()) : -1;
        if (!new_ser_name.isEmpty())
            p = position(new_ser_name);
        platform::ui::fillCombo(combo, QStringList{combo_first_Select} + names);
        // A refilled list makes the next choice of the same name a new one: its values are read again.
        combo->setProperty("fillStamp", combo->property("fillStamp").toULongLong() + 1);
        combo->setCurrentIndex(p + 1);   // the combo-box delegate runs as for a choice of the user
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Refresh_All_Series_Combobox()
{
    try {
        for (QComboBox *c : {val_combo_list, hdr_combo_list, ftr_combo_list})
            Refresh_Data_Set_File_Name_In_Combo(c, QString());
        DesignBarcodeMode &dsg = design();
        if (dsg.Source_Type_List() && dsg.Source_Type_List()->currentIndex() == 1)
            Refresh_Data_Set_File_Name_In_Combo(dsg.Source_Series_List(), QString());
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- The print grid ----

void BarcodeModeController::Add_Records_In_List(bool usePQ)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 0 || !ticked(data_source_chkbox))
            return;
        using namespace value_list;
        const bool value = ticked(barcode_value_chk);
        const bool header = ticked(barcode_header_chk);
        const bool footer = ticked(barcode_footer_chk);
        const QString typedHeader = HeaderText ? HeaderText->text() : QString();
        const QString typedFooter = FooterText ? FooterText->text() : QString();
        PrintGrid grid;
        if (Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked()) {
            // One label per series row, never repeated.
            const QStringList values = seriesItemsOf(val_combo_list, val_combo_value);
            const QStringList headers = seriesItemsOf(hdr_combo_list, hdr_combo_value);
            const QStringList footers = seriesItemsOf(ftr_combo_list, ftr_combo_value);
            const qsizetype rows = std::max({value ? values.size() : 0, header ? headers.size() : 0,
                                             footer ? footers.size() : 0});
            for (qsizetype i = 0; i < rows; ++i) {
                const ValueRecord record{{kValue, value ? values.value(i) : QString()},
                                         {kHeader, header ? headers.value(i) : typedHeader},
                                         {kFooter, footer ? footers.value(i) : typedFooter},
                                         {kPQ, QStringLiteral("1")}};
                grid.append(record, 1);
            }
        } else {
            // Each record once, for as many labels as its print quantity when that is asked for.
            for (const ValueRecord &r : std::as_const(ListData_barcode)) {
                const ValueRecord record{{kValue, value ? r.value(kValue) : QString()},
                                         {kHeader, header ? r.value(kHeader) : typedHeader},
                                         {kFooter, footer ? r.value(kFooter) : typedFooter},
                                         {kPQ, QStringLiteral("1")}};
                grid.append(record, usePQ ? barcode_batch::printQuantity(r.value(kPQ)) : 1);
            }
        }
        List_Barcode_Grid_Value = grid;
        Show_NSLog_Message(QStringLiteral("BARCODE_GRID_COUNT : %1").arg(List_Barcode_Grid_Value.size()));
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Wiring ----

void BarcodeModeController::wireBatchControls()
{
    using C = BarcodeModeController;
    const auto onClick = [this](QAbstractButton *button, void (C::*handler)(QObject *)) {
        if (button)
            QObject::connect(button, &QAbstractButton::clicked, this, [this, button, handler] { (this->*handler)(button); });
    };
    onClick(Custom_Sheet_RD, &C::Custom_Sheet_Check);
    onClick(Data_Set_Sheet_RD, &C::Data_Set_Sheet_Check);
    onClick(barcode_value_chk, &C::Batch_Value_Check);
    onClick(barcode_header_chk, &C::Batch_Header_Check);
    onClick(barcode_footer_chk, &C::Batch_Footer_Check);
    onClick(barcode_data_source_help_btn, &C::Barcode_Data_Source_Help_Button);
    onClick(batch_help_btn, &C::Batch_Help_Button);
}
