#include "data/DataDesignSide.h"

#include "data/Backup_Restore.h"
#include "data/BatchWizard.h"
#include "data/Data_From_Excel.h"
#include "data/Generate_List.h"
#include "data/Import_Wizard.h"
#include "data/View_All_Used_Data.h"
#include "data/View_Data_Series.h"

LinkedSheetTable &DataDesignSide::Linked_Sheet() { return Data_From_Excel::defaultInstance()->Linked_Sheet; }

void DataDesignSide::Open_Data_From_Excel_Wnd() { Data_From_Excel::defaultInstance()->Open_Wnd(); }

void DataDesignSide::Open_View_Data_Series_Wnd(const QString &seriesName)
{
    View_Data_Series *viewer = View_Data_Series::defaultInstance();
    viewer->file_name = seriesName;
    viewer->Open_Wnd();
}

void DataDesignSide::Open_View_All_Used_Data_Wnd(const SKTGraphicList &front, int records)
{
    View_All_Used_Data::defaultInstance()->Open_Wnd(front, records);
}

void DataDesignSide::Open_Batch_Wizard_Wnd() { BatchWizard::defaultInstance()->Open_Wnd(); }

void DataDesignSide::Open_Import_Wizard_Wnd()
{
    Import_Wizard *wizard = Import_Wizard::defaultInstance();
    wizard->file_name_required = 1;
    wizard->file_name_Insert = 0;
    wizard->Open_Wnd();
}

void DataDesignSide::Open_Generate_List_Wnd()
{
    Generate_List *generator = Generate_List::defaultInstance();
    generator->file_name_required = 1;
    generator->file_name_Insert = 0;
    generator->Open_Wnd();
}

void DataDesignSide::Open_Backup_Restore_Wnd(SeriesUsersHost &design)
{
    Backup_Restore::defaultInstance()->Open_Backup_Restore_Wnd(valueList, design);
}
