#pragma once
// What the design reads and asks of the data tools: the spreadsheet linked to the design, the viewers
// of a series, of the linked rows and of the values the design uses, and the series tools of its
// toolbar. The data tools implement it (data/DataDesignSide.h).

#include <QList>
#include <QString>

#include <memory>

struct LinkedSheetTable;
class SeriesUsersHost;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;

class DataDesign {
public:
    virtual ~DataDesign() = default;

    // The spreadsheet linked to the design, kept by the linked data viewer (data/Data_From_Excel.h).
    virtual LinkedSheetTable &Linked_Sheet() = 0;
    // The read-only viewers.
    virtual void Open_Data_From_Excel_Wnd() = 0;
    virtual void Open_View_Data_Series_Wnd(const QString &seriesName) = 0;
    virtual void Open_View_All_Used_Data_Wnd(const SKTGraphicList &front, int records) = 0;
    // The series tools: the batch wizard, and the import wizard and list generator each making a
    // series file the user names; the backup dialog, after which the design refreshes itself.
    virtual void Open_Batch_Wizard_Wnd() = 0;
    virtual void Open_Import_Wizard_Wnd() = 0;
    virtual void Open_Generate_List_Wnd() = 0;
    virtual void Open_Backup_Restore_Wnd(SeriesUsersHost &design) = 0;
};
