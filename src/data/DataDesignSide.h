#pragma once
// The data tools as the design reads them: their windows behind DataDesign, with the value list the
// backup dialog refreshes besides the design.

#include "data/DataDesign.h"

class ValueListHost;

class DataDesignSide final : public DataDesign {
public:
    explicit DataDesignSide(ValueListHost &valueList) : valueList(valueList) {}

    LinkedSheetTable &Linked_Sheet() override;
    void Open_Data_From_Excel_Wnd() override;
    void Open_View_Data_Series_Wnd(const QString &seriesName) override;
    void Open_View_All_Used_Data_Wnd(const SKTGraphicList &front, int records) override;
    void Open_Batch_Wizard_Wnd() override;
    void Open_Import_Wizard_Wnd() override;
    void Open_Generate_List_Wnd() override;
    void Open_Backup_Restore_Wnd(SeriesUsersHost &design) override;

private:
    ValueListHost &valueList;
};
