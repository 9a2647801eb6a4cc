#pragma once
// Output as the image tools use it: its controller behind OutputImageTools.

#include "output/OutputImageTools.h"

class OutputController;

class OutputImageToolsSide final : public OutputImageTools {
public:
    explicit OutputImageToolsSide(OutputController &output) : output(output) {}

    bool Run_Behind_Progress_Sheet(int count, const std::function<void()> &body) override;
    void Set_Progress_Count(double count) override;
    bool Export_File_Function(const QString &path, const platform::Picture &image, bool showMsg, bool skipKeepReplace,
                              bool increaseDpi) override;
    QString Check_Exist_Path_and_Create_New(const QString &path, int counter, int folder = -1) const override;
    QString Check_And_Show_Keep_Replace_File_Msg(const QString &path, bool showApplyAll, int folder = -1) override;

private:
    OutputController &output;
};
