// Print, PDF export, image export and mail of the three modes: the checks each mode needs, the design
// copy around a Designing-mode output window and the rebuild after it, and the first valid record of
// a Barcode-mode series.

#include "design/DesignCommands.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "outputjobs/OutputGlobals.h"

#include <QDir>
#include <QWidget>

#include <exception>

namespace {

void listIsEmpty(BarcodeModeDesign &b)
{
    Show_MessageBox(QStringLiteral("List is empty."));
    b.focusValueList();
}

// Whether the Barcode mode's value is taken from its batch.
bool valueFromBatch(const BarcodeModeDesign &b) { return b.settings().fromList[0]; }

} // namespace

const QString DesignCommands::Transparent_Export_Question = QStringLiteral(
    "Barcode Label having Transparent Background can be saved only in .PNG File format.\n\nTransparent Background "
    "will be replaced with White fill when saved to Image format other than .PNG file.\n\nAre you sure, you want to "
    "continue with White Background for Transparent Label?");

bool DesignCommands::Confirm_Transparent_Export(bool transparent, const QString &extension)
{
    if (!transparent || extension.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return true;
    return Show_YES_NO_MessageBox(Transparent_Export_Question) == 1;
}

// ---- Print and PDF export ----

namespace {

// Print and PDF export take the same road in every mode; only the two jobs differ: the one of
// the Designing mode, and the one of a symbol of the Barcode or Advanced QR mode.
void Route_Output(DesignCommands &cmd, void (DesignCommands::*designJob)(), void (DesignCommands::*symbolJob)())
{
    try {
        DesignSources &sources = cmd.sources;
        cmd.design.records().Check_Series_Or_Excel_Use_or_not();
        const int mode = Barcode_Setting_Or_Designing_Mode;
        if (mode == 2) {
            if (!sources.advQr->Check_Valid_ADV_QR_Code())
                return;
            sources.barcode->Set_Type_draw_2d_flag(false);
            sources.advQr->Generate_Adv_QR_Thread_Function();
            (cmd.*symbolJob)();
        } else if (mode == 1) {
            (cmd.*designJob)();
            cmd.design.records().Check_Series_Or_Excel_Use_or_not();
        } else if (Total_Barcode_Label_wd_Batch != 0) {
            sources.host->Draw_2d_barcode_again_for_manual();
            (cmd.*symbolJob)();
            cmd.design.records().Check_Series_Or_Excel_Use_or_not();
        } else {
            listIsEmpty(*sources.barcode);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

} // namespace

void DesignCommands::Print_Button(QObject *)
{
    Route_Output(*this, &DesignCommands::Print_method, &DesignCommands::Print_Barcode_Button);
}

void DesignCommands::PDF_Export_Button(QObject *)
{
    Route_Output(*this, &DesignCommands::PDF_Export_method, &DesignCommands::PDF_Export_method_Barcode_Button);
}

namespace {

// The output window between the design copy and the rebuild from it.
void runOutputWindow(DesignController &d, const std::function<void()> &window)
{
    DesignHost &host = *d.sources().host;
    if (!host.Set_Front_Back_Value_To_Print_Export_Mail())
        return;
    window();
    if (d.workArea().myTargetView)
        d.workArea().myTargetView->show();
    if (Barcode_Setting_Or_Designing_Mode == 1) {
        host.Create_Card_Design_Again();
        host.Set_Graphic_Array_According_Side();
        d.sidebar().Show_RHS_Properties(nullptr);
    }
}

} // namespace

void DesignCommands::Print_method()
{
    runOutputWindow(design, [this] { sources.output->Open_Print_Wnd(); });
}

void DesignCommands::PDF_Export_method()
{
    runOutputWindow(design, [this] {
        sources.output->Open_Pdf_Export_Wnd();
        sources.output->Set_pdf_export_opt(0);
    });
}

bool DesignCommands::Validate_Barcode_For_Output()
{
    if (Barcode_Setting_Or_Designing_Mode != 0)
        return true;
    BarcodeModeDesign &b = *sources.barcode;
    const bool typed = !Use_Data_Sheet_Values || !valueFromBatch(b);
    if (typed && !b.Check_And_Validat_Barcode(true, true))
        return false;
    return Find_Valid_Barcode_Value_For_Batch_Processing();
}

void DesignCommands::Print_Barcode_Button()
{
    if (Validate_Barcode_For_Output())
        Print_method();
}

void DesignCommands::PDF_Export_method_Barcode_Button()
{
    if (Validate_Barcode_For_Output())
        PDF_Export_method();
}

// ---- The first valid record of a Barcode-mode series ----

bool DesignCommands::Find_Valid_Barcode_Value_For_Batch_Processing()
{
    try {
        BarcodeModeDesign &b = *sources.barcode;
        if (!Use_Data_Sheet_Values || !valueFromBatch(b))
            return true;
        const int lastIndex = b.Last_Selected_Index();
        const int listRow = b.currentListRow();
        for (int i = 0; i < Total_Barcode_Label_wd_Batch; ++i) {
            b.Select_Valid_Value_For_Barcode_Setting_Mode(i);
            if (Check_Barcode_Value_is_Valid_in_Series(i))
                return true;
        }
        if (b.settings().customSheet) {
            b.Select_Valid_Value_For_Barcode_Setting_Mode(listRow);
        } else {
            b.Select_Valid_Value_For_Barcode_Setting_Mode(lastIndex);
            b.Set_Last_Selected_Index(lastIndex);
        }
        Show_MessageBox(invalid_barcode_msg);
        return false;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return false;
    }
}

bool DesignCommands::Check_Barcode_Value_is_Valid_in_Series(int record)
{
    try {
        BarcodeModeDesign &b = *sources.barcode;
        const QString value = sources.output->Get_Barcode_List_Combo_Value(record);
        const BarcodeModeSettings v = b.settings();
        if (value.isEmpty() || v.symbology.isEmpty())
            return false;
        const QString &title = v.symbology;
        switch (Symbologies::kindOf(title)) {
        case Symbologies::EngineKind::Linear: {
            for (QChar c : value)
                if (c.unicode() > 127)
                    return false;
            const std::unique_ptr<NKDBarcode> model = Symbologies::createLinearBarcode(title, value, true);
            return model && model->isContentValid();
        }
        case Symbologies::EngineKind::QR:
            return b.Draw_QR_Barcode(value);
        case Symbologies::EngineKind::PDF417:
            return b.Draw_PDF_417_Barcode(value, v.steps.pdfHeight);
        case Symbologies::EngineKind::DataMatrix:
            return b.Draw_DataMatrix_Barcode(value, v.steps.dmModule);
        case Symbologies::EngineKind::None:
            break;
        }
        return false;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return false;
    }
}

// ---- Image export ----

void DesignCommands::Export_Button(QObject *)
{
    try {
        const int mode = Barcode_Setting_Or_Designing_Mode;
        if (mode == 2) {
            if (!sources.advQr->Check_Valid_ADV_QR_Code())
                return;
            sources.barcode->Set_Type_draw_2d_flag(false);
            sources.advQr->Generate_Adv_QR_Thread_Function();
            Export_ADV_QR_Image();
        } else if (mode == 1) {
            sources.output->Export_Label_Design();
        } else {
            design.records().Check_Series_Or_Excel_Use_or_not();
            if (Total_Barcode_Label_wd_Batch == 0) {
                listIsEmpty(*sources.barcode);
                return;
            }
            sources.host->Draw_2d_barcode_again_for_manual();
            Export_Barcode();
            design.records().Check_Series_Or_Excel_Use_or_not();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignCommands::Export_Barcode()
{
    OutputDesign &out = *sources.output;
    if (!Validate_Barcode_For_Output())
        return;
    Reset_Export_Run();
    out.Get_Barcode_Batch_Count();
    if (out.Open_Export_Dialog() == 0)
        return;
    const BarcodeModeSettings v = sources.barcode->settings();
    if (!Confirm_Transparent_Export(v.clearBackground, file_path_ext))
        return;
    if (Use_Data_Sheet_Values) {
        out.Export_Batch_File_Barcode(file_export_Path);
        return;
    }
    const QString base = QDir(file_export_Path).filePath(QStringLiteral("Barcode.") + file_path_ext);
    const bool twoD = Symbologies::isTwoD(v.symbology);
    const QString value = twoD ? v.twoDValue : v.linearValue;
    // The value's series when the value is taken from one.
    QString series;
    if (v.fromList[0] && !v.customSheet && v.seriesRow[0] >= 0)
        series = v.series[0];
    const QString name = out.Export_Barcode_Name_With_Options(value, v.header, v.footer, series, base, 1);
    Export_Named_Single_Barcode(name);
}

void DesignCommands::Reset_Export_Run()
{
    // A fresh run: no file written, no answer of the existing-file prompt remembered.
    replace_keep_file_flag = 0;
    export_card_counter = 0;
    Export_Any_File = false;
    Msg_Apply_All_Chk = false;
}

void DesignCommands::Export_Named_Single_Barcode(const QString &name)
{
    if (name.isEmpty())
        return;
    OutputDesign &out = *sources.output;
    const QString path = out.keepReplace(name, false);
    if (!path.isEmpty())
        out.Export_Single_File_Barcode(path);
}

void DesignCommands::Export_ADV_QR_Image()
{
    OutputDesign &out = *sources.output;
    Reset_Export_Run();
    Total_Label = 1;
    Total_Batch_Excel_Card = 1;
    if (out.Open_Export_Dialog() == 0)
        return;
    const AdvQrSettings q = sources.advQr->settings();
    if (!Confirm_Transparent_Export(q.transparent, file_path_ext))
        return;
    const QString base = QDir(file_export_Path).filePath(QStringLiteral("QR Code.") + file_path_ext);
    const QString name = out.Export_Barcode_Name_With_Options(
        QString(), q.header, q.footer, QString(), base, 1);
    Export_Named_Single_Barcode(name);
}

// ---- Mail ----

void DesignCommands::Barcode_Mail_Send() { sources.output->Send_Mail_Open_Wnd(); }

void DesignCommands::Mail_Button(QObject *)
{
    try {
        design.records().Check_Series_Or_Excel_Use_or_not();
        const int mode = Barcode_Setting_Or_Designing_Mode;
        if (mode == 2) {
            if (sources.advQr->Check_Valid_ADV_QR_Code())
                Barcode_Mail_Send();
        } else if (mode == 0) {
            sources.host->Draw_2d_barcode_again_for_manual();
            Barcode_Mail_Send();
            design.records().Check_Series_Or_Excel_Use_or_not();
        } else {
            design.records().Check_Series_Or_Excel_Use_or_not();
            runOutputWindow(design, [this] {
                design.card().Graphics_array_Batch = design.selection().Get_Front_Controls_Array();
                Barcode_Mail_Send();
            });
            design.records().Check_Series_Or_Excel_Use_or_not();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
