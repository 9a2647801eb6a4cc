// The unsaved-changes prompt that New, Open, Close, Save and Exit go through, the exit walk over the
// modes, and the two card buttons beside the canvas.

#include "design/DesignCommands.h"

#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Messages.h"
#include "design/DesignController.h"
#include "design/DesignSources.h"
#include "design/PropertySidebar.h"
#include "design/panels/CardBackgroundPanel.h"
#include "model/DesignGlobals.h"
#include "platform/Quit.h"

#include <QCheckBox>
#include <QTabWidget>

#include <exception>

namespace {

const QString askDesign = QStringLiteral("Do you want to save the changes of 'Label Design'?");
const QString askBarcode = QStringLiteral("Do you want to save the changes?");

constexpr int Yes = 1000;
constexpr int No = 1001;

} // namespace

namespace {

// Saves the project of a mode; the Advanced QR mode has none and counts as saved.
bool saveProjectOf(ProjectsDesign &projects, int mode)
{
    if (mode == 0)
        return projects.Save_project_file_Barcode(false);
    if (mode == 1)
        return projects.Save_project_file(false, true, QStringLiteral("L"));
    return true;
}

// One exit turn after the switch to its mode: the question when that mode has changes, a save on
// Yes. NO stops the exit.
bool exitTurn(ProjectsDesign &projects, int mode, bool changed, const QString &question)
{
    if (!changed)
        return true;
    const int answer = Show_YES_NO_Cancel_MessageBox(question);
    if (answer == Yes)
        return saveProjectOf(projects, mode);
    return answer == No;
}

} // namespace

int DesignCommands::Check_And_Show_Save_Message(bool startAnew, bool ask, const QString &category)
{
    try {
        const int mode = Barcode_Setting_Or_Designing_Mode;
        ProjectsDesign &projects = *sources.projects;
        int answer = Yes;
        if (ask) {
            if (mode == 0 && sources.barcode->save_flag_barcode_mode())
                answer = Show_YES_NO_Cancel_MessageBox(askBarcode);
            else if (mode == 1 && save_flag_des_mode)
                answer = Show_YES_NO_Cancel_MessageBox(askDesign);
            else
                answer = No;
        }
        if (answer != Yes && answer != No)
            return 0;
        if (answer == Yes && !saveProjectOf(projects, mode))
            return 0;
        if (startAnew) {
            if (mode == 0)
                projects.New_Project_Barcode();
            else if (mode == 1)
                projects.New_Project();
        }
        if (category != QLatin1String("E"))
            return 1;

        // The modes not asked yet, each shown before its question.
        auto barcodeTurn = [this, &projects] {
            sources.host->Barcode_Mode_Select();
            return exitTurn(projects, 0, sources.barcode->save_flag_barcode_mode(), askBarcode);
        };
        auto designTurn = [this, &projects] {
            sources.host->Designing_Mode_Select();
            return exitTurn(projects, 1, save_flag_des_mode, askDesign);
        };
        if (mode == 0)
            return designTurn() ? 1 : 0;
        if (mode == 1)
            return (ONLY_QR_MODE || barcodeTurn()) ? 1 : 0;
        if (!ONLY_QR_MODE && !barcodeTurn())
            return 0;
        return designTurn() ? 1 : 0;
    } catch (const std::exception &e) {
        // Nothing may be discarded on a failure: the caller stops.
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
}

void DesignCommands::Exit_Btn_Clicked(QObject *) { Exit_App(); }

void DesignCommands::Exit_App()
{
    if (Check_And_Show_Save_Message(false, true, QStringLiteral("E")) != 1)
        return;
    platform::requestTerminate();
}

void DesignCommands::Card_Prop_Clicked(QObject *) { design.sidebar().Show_RHS_Properties(nullptr); }

void DesignCommands::Card_Bckgrnd_Clicked(QObject *)
{
    DesignController &d = design;
    try {
        d.sidebar().Show_RHS_Properties(nullptr);
        if (d.Open_Image_Library_Window(QStringLiteral("B")) != 1)
            return;
        if (CardBackgroundPanel *background = d.sidebar().cardBackgroundPanel())
            background->Card_fill_chk->setChecked(true);
        d.set_Front_BG_Image(lib_window_sel_file);
        d.Update_Card_Graphics();
        if (d.sidebar().sett_tab && d.sidebar().card_bkgd_tab)
            d.sidebar().sett_tab->setCurrentWidget(d.sidebar().card_bkgd_tab);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
