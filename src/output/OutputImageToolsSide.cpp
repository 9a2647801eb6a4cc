#include "output/OutputImageToolsSide.h"

#include "output/ImageExport.h"
#include "output/JobRunner.h"
#include "output/OutputController.h"
#include "output/Send_Modeless.h"

bool OutputImageToolsSide::Run_Behind_Progress_Sheet(int count, const std::function<void()> &body)
{
    return JobRunner(output).run(count, count, body, JobRunner::Figure::Count);
}

void OutputImageToolsSide::Set_Progress_Count(double count) { curr_card_count = count; }

bool OutputImageToolsSide::Export_File_Function(const QString &path, const platform::Picture &image, bool showMsg,
                                                bool skipKeepReplace, bool increaseDpi)
{
    return ImageExport(output).Export_File_Function(path, image, showMsg, skipKeepReplace, increaseDpi);
}

QString OutputImageToolsSide::Check_Exist_Path_and_Create_New(const QString &path, int counter, int folder) const
{
    return output.Check_Exist_Path_and_Create_New(path, counter, folder);
}

QString OutputImageToolsSide::Check_And_Show_Keep_Replace_File_Msg(const QString &path, bool showApplyAll, int folder)
{
    return output.Check_And_Show_Keep_Replace_File_Msg(path, showApplyAll, folder);
}
