// The Designing mode's image export: the label export sheet prepared from the design's batch state,
// run, and on OK the hand-over to the single or the batch export.

#include "output/OutputController.h"

#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "output/ExportSheetHost.h"
#include "output/ExportWindow.h"
#include "output/ImageExport.h"
#include "output/OutputSources.h"

#include <QDir>

#include <exception>

namespace {

// The design's side of the export sheet, reached through output's design source.
class DesignSide final : public ExportSheetHost {
public:
    explicit DesignSide(DesignOutput &design) : design(design) {}
    void Check_Data_Sheet_Value_Use_or_Not() override { design.Check_Data_Sheet_Value_Use_or_Not(); }
    void Check_Excel_Binding_Value_Use_or_Not() override { design.Check_Excel_Binding_Value_Use_or_Not(); }
    void Get_total_Card_count() override { design.Get_total_Card_count(); }
    void Open_Series_Value_Box(const QString &seriesName) override { design.Open_Series_Value_Box(seriesName); }
    int Calculate_Excel_table_rows() override { return design.Calculate_Excel_table_rows(); }
    void Open_Excel_Data_Box() override { design.Open_Excel_Data_Box(); }

private:
    DesignOutput &design;
};

} // namespace

ExportWindow &OutputController::exportWindow()
{
    if (!m_exportWindow) {
        // A sheet of the main window once that exists.
        OutputHost &host = *sources().host;
        QWidget *owner = host.isWindowLoaded() ? host.window() : nullptr;
        if (!m_exportHost)
            m_exportHost = std::make_unique<DesignSide>(*sources().design);
        m_exportWindow = new ExportWindow(owner);
        m_exportWindow->setHost(m_exportHost.get());
    }
    return *m_exportWindow;
}

void OutputController::Export_Label_Design()
{
    try {
        DesignOutput &d = *sources().design;
        // A fresh run: no file written, no answer of the existing-file prompt remembered.
        replace_keep_file_flag = 0;
        export_card_counter = 0;
        Export_Any_File = false;
        Msg_Apply_All_Chk = false;
        d.Check_Series_Or_Excel_Use_or_not();
        ExportWindow &sheet = exportWindow();
        sheet.Prepare_Export_Sheet();
        if (Use_Data_Sheet_Values || Use_Excel_Binding_Values)
            sheet.Fill_Used_Data_Lists(d.Get_Front_Controls_Array(), d.Linked_Sheet_Column_Titles());
        if (sheet.Run_Sheet() == 0) {
            d.Check_Series_Or_Excel_Use_or_not();
            return;
        }
        if (!sources().host->Set_Front_Back_Value_To_Print_Export_Mail()) {
            d.Check_Series_Or_Excel_Use_or_not();
            return;
        }
        const ExportWindow::Values chosen = sheet.values();
        if ((Use_Data_Sheet_Values || Use_Excel_Binding_Values) && !chosen.batch) {
            Use_Data_Sheet_Values = false;
            Use_Excel_Binding_Values = false;
        }
        d.Get_total_Card_count();
        if (!Use_Data_Sheet_Values && !Use_Excel_Binding_Values) {
            // One image of the card.
            const QString base = QDir(file_export_Path).filePath(QStringLiteral("Label.") + file_path_ext);
            const QString firstValue = Trim_Str(d.Get_First_Value_Of_Dataset(file_series_exported));
            const QString name = Export_Name_With_Options(firstValue, file_series_exported, base, 1);
            const QString path = ImageExport(*this).keepReplace(name, false);
            if (!path.isEmpty())
                Export_Single_File(path, true, true);
            d.Check_Series_Or_Excel_Use_or_not();
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
        d.Check_Series_Or_Excel_Use_or_not();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
