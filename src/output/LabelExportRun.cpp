// The Designing mode's image export: the label export sheet prepared from the design's batch state,
// run, and on OK the hand-over to the single or the batch export.

#include "output/OutputController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignController.h"
#include "design/RecordBinding.h"
#include "output/ExportSheetHost.h"
#include "output/ExportWindow.h"
#include "output/ImageExport.h"

#include <QDir>
#include <QMainWindow>

#include <exception>

namespace {

// The design's side of the export sheet, reached through the hub.
class DesignSide final : public ExportSheetHost {
public:
    explicit DesignSide(SKTWindowController &hub) : hub(hub) {}
    void Check_Data_Sheet_Value_Use_or_Not() override { hub.design().records().Check_Data_Sheet_Value_Use_or_Not(); }
    void Check_Excel_Binding_Value_Use_or_Not() override { hub.design().records().Check_Excel_Binding_Value_Use_or_Not(); }
    void Get_total_Card_count() override { hub.design().records().Get_total_Card_count(); }
    void Open_Series_Value_Box(const QString &seriesName) override { hub.design().records().Open_Series_Value_Box(seriesName); }
    int Calculate_Excel_table_rows() override { return hub.design().records().Calculate_Excel_table_rows(); }
    void Open_Excel_Data_Box() override { hub.design().records().Open_Excel_Data_Box(); }

private:
    SKTWindowController &hub;
};

} // namespace

ExportWindow &OutputController::exportWindow()
{
    if (!m_exportWindow) {
        // A sheet of the main window once that exists.
        QWidget *owner = hub.isWindowLoaded() ? hub.window() : nullptr;
        if (!m_exportHost)
            m_exportHost = std::make_unique<DesignSide>(hub);
        m_exportWindow = new ExportWindow(owner);
        m_exportWindow->setHost(m_exportHost.get());
    }
    return *m_exportWindow;
}

void OutputController::Export_Label_Design()
{
    try {
        DesignController &d = hub.design();
        // A fresh run: no file written, no answer of the existing-file prompt remembered.
        replace_keep_file_flag = 0;
        export_card_counter = 0;
        Export_Any_File = false;
        Msg_Apply_All_Chk = false;
        d.records().Check_Series_Or_Excel_Use_or_not();
        ExportWindow &sheet = exportWindow();
        sheet.Prepare_Export_Sheet();
        if (Use_Data_Sheet_Values || Use_Excel_Binding_Values)
            sheet.Fill_Used_Data_Lists(d.Get_Front_Controls_Array(), d.records().Linked_Sheet.columnTitles);
        if (sheet.Run_Sheet() == 0) {
            d.records().Check_Series_Or_Excel_Use_or_not();
            return;
        }
        if (!hub.Set_Front_Back_Value_To_Print_Export_Mail()) {
            d.records().Check_Series_Or_Excel_Use_or_not();
            return;
        }
        const ExportWindow::Values chosen = sheet.values();
        if ((Use_Data_Sheet_Values || Use_Excel_Binding_Values) && !chosen.batch) {
            Use_Data_Sheet_Values = false;
            Use_Excel_Binding_Values = false;
        }
        d.records().Get_total_Card_count();
        if (!Use_Data_Sheet_Values && !Use_Excel_Binding_Values) {
            // One image of the card.
            const QString base = QDir(file_export_Path).filePath(QStringLiteral("Label.") + file_path_ext);
            const QString firstValue = Trim_Str(d.records().Get_First_Value_Of_Dataset(file_series_exported));
            const QString name = Export_Name_With_Options(firstValue, file_series_exported, base, 1);
            const QString path = ImageExport(*this).keepReplace(name, false);
            if (!path.isEmpty())
                Export_Single_File(path, true, true);
            d.records().Check_Series_Or_Excel_Use_or_not();
            return;
        }
        if (chosen.selectedRange) {
            Print_Start = chosen.from - 1;
            Print_End = chosen.to;
            Total_Label = Print_End;
        } else {
            Print_Start = 0;
            Total_Label = Total_Batch_Excel_Card;
        }
        Export_Batch_File(file_export_Path);
        d.records().Check_Series_Or_Excel_Use_or_not();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
