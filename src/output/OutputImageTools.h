#pragma once
// What the image tools use of output: its long-job runner behind the progress sheet, its picture
// file writer, its free-name rule and its keep-or-replace prompt. Output implements it
// (output/OutputImageToolsSide.h).

#include "platform/Picture.h"

#include <QString>

#include <functional>

class OutputImageTools {
public:
    virtual ~OutputImageTools() = default;

    // Runs body on a worker behind the progress sheet, counting count items (the running figure is
    // the count itself); returns when it has ended. GUI thread.
    virtual bool Run_Behind_Progress_Sheet(int count, const std::function<void()> &body) = 0;
    // The progress sheet's running figure (curr_card_count); any thread.
    virtual void Set_Progress_Count(double count) = 0;
    // Writes the picture as the main window's exports do (ImageExport::Export_File_Function).
    virtual bool Export_File_Function(const QString &path, const platform::Picture &image, bool showMsg,
                                      bool skipKeepReplace, bool increaseDpi) = 0;
    // The free name and the keep-or-replace prompt (OutputController's); folder, when not -1, the
    // output folder held open, in which names are decided.
    virtual QString Check_Exist_Path_and_Create_New(const QString &path, int counter, int folder = -1) const = 0;
    virtual QString Check_And_Show_Keep_Replace_File_Msg(const QString &path, bool showApplyAll, int folder = -1) = 0;
};
