#pragma once
// The Barcode mode's value list as the series tools see it (ValueListHost): the controller's
// records, rules, table and series combos.

#include "data/ValueListHost.h"

class BarcodeModeController;

class BarcodeValueListHost final : public ValueListHost {
public:
    explicit BarcodeValueListHost(BarcodeModeController &mode) : m_mode(mode) {}

    const QList<ValueRecord> &records() const override;
    bool Create_Item_List(const QString &value, const QString &Header_str, const QString &Footer_str,
                          const QString &PQ_str, int at_index) override;
    void Replace_Item_List(const QString &value, const QString &Header_str, const QString &Footer_str,
                           const QString &PQ_str, int at_index) override;
    void Reload_List() override;
    int prevListItemCount() const override;
    void setPrevListItemCount(int count) override;
    void Show_Create_Modeless() override;
    void Hide_Destroy_Modeless() override;
    void Series_Folder_Changed(bool emptied) override;
    void goButtonActionPerformed() override;

private:
    BarcodeModeController &m_mode;
};
