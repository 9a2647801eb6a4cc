#include "barcodemode/BarcodeValueListHost.h"

#include "barcodemode/BarcodeModeController.h"

#include <QComboBox>

const QList<ValueRecord> &BarcodeValueListHost::records() const { return m_mode.ListData_barcode; }

bool BarcodeValueListHost::Create_Item_List(const QString &value, const QString &Header_str,
                                            const QString &Footer_str, const QString &PQ_str, int at_index)
{
    return m_mode.Create_Item_List(value, Header_str, Footer_str, PQ_str, at_index);
}

void BarcodeValueListHost::Replace_Item_List(const QString &value, const QString &Header_str,
                                             const QString &Footer_str, const QString &PQ_str, int at_index)
{
    m_mode.Replace_Item_List(value, Header_str, Footer_str, PQ_str, at_index);
}

void BarcodeValueListHost::Reload_List() { m_mode.Reload_List(); }

int BarcodeValueListHost::prevListItemCount() const { return m_mode.prev_list_item_barcode; }

void BarcodeValueListHost::setPrevListItemCount(int count) { m_mode.prev_list_item_barcode = count; }

void BarcodeValueListHost::Show_Create_Modeless() { m_mode.host().Show_Create_Modeless(); }

void BarcodeValueListHost::Hide_Destroy_Modeless() { m_mode.host().Hide_Destroy_Modeless(); }

void BarcodeValueListHost::Series_Folder_Changed(bool emptied)
{
    BarcodeModeController &m = m_mode;
    if (!emptied) {
        for (QComboBox *combo : {m.val_combo_list, m.hdr_combo_list, m.ftr_combo_list})
            m.Fill_Data_Set_File_Name_In_Combo(combo);
        return;
    }
    for (QComboBox *combo : {m.val_combo_list, m.hdr_combo_list, m.ftr_combo_list, m.val_combo_value,
                             m.hdr_combo_value, m.ftr_combo_value}) {
        if (!combo)
            continue;
        combo->clear();
        combo->setCurrentText(QString());
    }
}

void BarcodeValueListHost::goButtonActionPerformed() { m_mode.goButtonActionPerformed(); }
