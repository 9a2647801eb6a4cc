#include "design/DesignSeriesUsers.h"

#include "design/DesignController.h"
#include "design/DesignSources.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"

#include <QComboBox>

void DesignSeriesUsers::Series_Folder_Changed(bool emptied)
{
    QComboBox *combo = m_design.sidebar().Source_Series_List();
    if (!emptied) {
        // The same series names the Barcode mode's combos list.
        m_design.sources().barcode->Fill_Data_Set_File_Name_In_Combo(combo);
        return;
    }
    if (!combo)
        return;
    combo->clear();
    combo->setCurrentText(QString());
}

void DesignSeriesUsers::Check_Series_Or_Excel_Use_or_not() { m_design.records().Check_Series_Or_Excel_Use_or_not(); }

void DesignSeriesUsers::Show_Card_Properties() { m_design.sidebar().Show_RHS_Properties(nullptr); }
