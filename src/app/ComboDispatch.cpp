// The combo-box delegate of the main window: one method that decides by the sending combo box what
// a selection means and hands it to the mode or the subsystem it concerns. Selecting an item from
// code reaches it too, as the window relies on (a vendor's first product, a series' first row).

#include "app/SKTWindowController.h"

#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Mode.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "design/DesignSelection.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "platform/ComboItems.h"
#include "platform/Stepper.h"
#include "platform/PictureView.h"
#include "advqr/AdvQrController.h"
#include "projects/ProjectsController.h"
#include "design/DesignController.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

void SKTWindowController::connectComboBoxes()
{
    // Every combo box of the window but the symbology pop-up, which has its own action.
    for (QComboBox *c : window_->findChildren<QComboBox *>()) {
        if (barcodeMode().panel().isSymbologyList(c) || c->property("tagora_combo_dispatch").toBool())
            continue;
        c->setProperty("tagora_combo_dispatch", true);
        connect(c, &QComboBox::currentIndexChanged, this, [this, c] { comboBoxSelectionDidChange(c); });
    }
}

void SKTWindowController::comboBoxSelectionDidChange(QComboBox *C)
{
    BarcodeModeController &bm = barcodeMode();
    AdvQrController &qr = advQr();
    if (!C)
        return;
    try {
        if (C->count() > 0 && C->currentIndex() >= 0 && C->isEditable())
            C->setEditText(C->itemText(C->currentIndex()));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    try {
        // The Designing mode's sidebar pages dispatch their own lists.
        if (bm.panel().seriesComboChosen(C) || bm.panel().resolutionComboChosen(C))
            return;
        if (Barcode_Setting_Or_Designing_Mode == 2 && qr.panel().comboChosen(C))
            return;
        bm.panel().symbolComboChosen(C);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::seriesListChosen(QComboBox *list, QComboBox *value, QLineEdit *name)
{
    BarcodeModeController &bm = barcodeMode();
    const QString chosen = list->currentIndex() >= 0 ? list->currentText() : QString();
    const QString series = Trim_Str(chosen);
    if (series.isEmpty())
        return;
    if (chosen == combo_first_Select) {
        // No series for this field: its item combo holds one empty item, the others are balanced
        // again without it and the fields bound anew.
        value->setEnabled(false);
        platform::ui::fillCombo(value, {QString()});
        value->setCurrentIndex(0);
        name->setText(QString());
        name->setProperty("fillStamp", QVariant());
        bm.Balance_Datasheet_Combo_Max_Count();
        bm.Bind_Data_with_Barcode_VALUE_For_Series();
        bm.Bind_Data_with_Barcode_HEADER_For_Series();
        bm.Bind_Data_with_Barcode_FOOTER_For_Series();
        bm.set_list_value_to_text_box();
        return;
    }
    auto selectRow = [value] {
        if (value->count() == 0)
            return;
        value->setCurrentIndex(Last_Selected_Index >= 0 && Last_Selected_Index < value->count() ? Last_Selected_Index : 0);
    };
    // The same name chosen again from the same filling of the list (not a refill) only re-balances.
    const QVariant stamp = list->property("fillStamp");
    if (name->text() == chosen && name->property("fillStamp") == stamp) {
        bm.Balance_Datasheet_Combo_Max_Count();
        selectRow();
        return;
    }
    value->setEnabled(true);
    platform::ui::fillCombo(value, {});
    design().records().Fille_Data_Set_Values_In_Combo(value, series);
    bm.Balance_Datasheet_Combo_Max_Count();
    if (value->count() > 0)
        selectRow();
    name->setText(chosen);
    name->setProperty("fillStamp", stamp);
    bm.Bind_Data_with_Barcode_VALUE_For_Series();
    bm.Bind_Data_with_Barcode_HEADER_For_Series();
    bm.Bind_Data_with_Barcode_FOOTER_For_Series();
    bm.set_list_value_to_text_box();
}

void SKTWindowController::dataSourceChosen()
{
    DesignController &dsg = design();
    QComboBox *series = dsg.sidebar().Source_Series_List();
    const QString source = dsg.sidebar().Source_Type_List()->currentText();
    if (source == QStringLiteral("Manual")) {
        dsg.sidebar().Set_Bound_Source_Controls(false);
        platform::ui::fillCombo(series, {});
        if (series->isEditable())
            series->setEditText(QString());
        Change_Data_Source_To_selected_Control(0, QString(), -1);
    } else if (source == QStringLiteral("Series")) {
        data_source_change_main = true;
        dsg.sidebar().Set_Bound_Source_Controls(true);
        const QStringList names = Get_datasheet_File_Name_Array();
        platform::ui::fillCombo(series, QStringList{combo_first_Select} + names);
        series->setCurrentIndex(0);
        if (names.isEmpty()) {
            if (!Not_Draw_Only_Prop_Change)
                Show_MessageBox(QStringLiteral("Please create batch processing series first."));
            data_source_change_main = false;
            return;
        }
        if (const std::shared_ptr<SKTGraphic> g = dsg.selection().Get_Selected_Graphic()) {
            const QString bound = g->batch_list_name;
            if (!bound.isEmpty() && dsg.records().Get_Data_SetIndex_According_Name(bound) != -1) {
                const int i = series->findText(bound, Qt::MatchFixedString);
                if (i >= 0)
                    series->setCurrentIndex(i);
            }
        }
        data_source_change_main = false;
        Change_Data_Source_To_selected_Control(1, QString(), -1);
    } else if (source == QStringLiteral("Excel")) {
        data_source_change_main = true;
        dsg.sidebar().Set_Bound_Source_Controls(true);
        if (series->isEditable())
            series->setEditText(QString());
        dsg.records().Fill_Excel_Col_Name_In_Combo(series);
        if (series->count() > 0)
            series->setCurrentIndex(0);
        data_source_change_main = false;
        Change_Data_Source_To_selected_Control(2, QString(), -1);
    } else {
        return;
    }
    dsg.records().Check_Series_Or_Excel_Use_or_not();
}

void SKTWindowController::seriesOrColumnChosen()
{
    DesignController &dsg = design();
    QComboBox *types = dsg.sidebar().Source_Type_List();
    QComboBox *series = dsg.sidebar().Source_Series_List();
    if (types->currentText() == QStringLiteral("Manual"))
        return;
    const QString chosen = Trim_Str(series->currentText());
    if (chosen.isEmpty() || chosen == combo_first_Select || !dsg.selection().Get_Selected_Graphic())
        return;
    call_rhs_prop_on_fill_list = false;
    Change_Data_Source_To_selected_Control(types->currentIndex(), chosen, series->currentIndex());
    dsg.records().Check_Series_Or_Excel_Use_or_not();
    call_rhs_prop_on_fill_list = true;
}

void SKTWindowController::Change_Data_Source_To_selected_Control(int T, const QString &S, int I)
{
    DesignController &dsg = design();
    try {
        if (Not_Draw_Only_Prop_Change)
            return;
        const std::shared_ptr<SKTGraphic> G = dsg.selection().Get_Selected_Graphic();
        if (!G)
            return;
        auto bind = [&](SKTGraphic &g, int index) -> bool {   // answers whether a value was taken
            g.data_source_type = T;
            if (T == 0) {
                g.Set_Excel_binding(false);
                g.Set_Excel_binding_Index(-1);
                g.Set_Batch_List_Index(-1);
                g.Set_Batch_List_Name(QString());
                return false;
            }
            if (T == 1) {
                g.Set_Batch_List_Name(S);
                g.Set_Batch_List_Index(index);
                if (index >= 0) {
                    g.Set_text_value(dsg.records().Get_First_Value_Of_Dataset(S));
                    return true;
                }
                return false;
            }
            g.Set_Excel_binding(true);
            g.Set_Excel_binding_Index(index);
            if (index == 0)
                return false;
            g.Set_text_value(dsg.records().Get_First_Value_Of_Excel_Binding(index));
            return true;
        };
        if (auto *picture = graphic_cast<SKTImage>(G.get())) {
            // One picture only: the same check and message as the picture commands, with "Select".
            if (dsg.selection().Check_Multiple_Image_Selection(QStringLiteral("Select")))
                return;
            int index = I;
            if (T == 2 && index < 0)
                index = 0;
            if (T == 2 && index == 0)
                return;
            if (bind(*picture, index) || (T == 1 && index >= 0)) {
                const QString value = picture->Text_Value;
                picture->setFilePath(value);
                dsg.sidebar().Show_Picture_Source_Path(value);
                dsg.Update_Image_Graphics();
            }
            return;
        }
        bool anyValue = false;
        for (const std::shared_ptr<SKTGraphic> &g : dsg.selection().Selected_Graphic_Objects()) {
            if (!g || g->ctrl_is_locked || !g->isExactly<SKTText>())
                continue;
            anyValue = bind(*g, I) || anyValue;
        }
        if (anyValue) {
            dsg.sidebar().Show_Text_Source_Value(G->Text_Value);
            dsg.Update_Text_Graphics();
        }
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
