#include "model/DesignGlobals.h"

#include "core/GlobalsReset.h"
#include "model/DesignSnapshot.h"
#include "platform/Picture.h"

QList<std::shared_ptr<DesignSnapshot>> Ucontrol;
QList<std::shared_ptr<DesignSnapshot>> Rcontrol;
QList<std::shared_ptr<DesignSnapshot>> Ucontrol_Log;
int BAR_CTRL = 0;
int Card_Shape = 0;
std::shared_ptr<platform::Picture> Barcode_output_image;
QString Library_Selected_Image;
QString lib_window_sel_file;
std::atomic<bool> Card_Value_In_Process{false};
QString export_card_side;
bool data_source_change_main = false;
bool call_rhs_prop_on_fill_list = true;
bool save_flag_des_mode = false;
QString Project_File_Name;
QString Start_Card_Option = QStringLiteral("T");
QString Selected_Template_Path = QStringLiteral("");
QString Excel_Source_Path;

namespace {

void resetDesignGlobals()
{
    Ucontrol.clear();
    Rcontrol.clear();
    Ucontrol_Log.clear();
    BAR_CTRL = 0;
    Card_Shape = 0;
    Barcode_output_image.reset();
    Library_Selected_Image.clear();
    lib_window_sel_file.clear();
    Card_Value_In_Process = false;
    export_card_side.clear();
    data_source_change_main = false;
    call_rhs_prop_on_fill_list = true;
    save_flag_des_mode = false;
    Project_File_Name.clear();
    Start_Card_Option = QStringLiteral("T");
    Selected_Template_Path = QStringLiteral("");
    Excel_Source_Path.clear();
}

const bool registered = registerGlobalsReset(&resetDesignGlobals);

} // namespace
