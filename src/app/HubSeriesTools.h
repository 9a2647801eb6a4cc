#pragma once
// The main window's services to the series tools (SeriesToolsHost): the exports' free-name rule and
// the accepted picture types. Installed for the life of its hub.

#include "data/SeriesToolsHost.h"

class SKTWindowController;

class HubSeriesTools final : public SeriesToolsHost {
public:
    explicit HubSeriesTools(SKTWindowController &hub);
    ~HubSeriesTools() override;
    HubSeriesTools(const HubSeriesTools &) = delete;
    HubSeriesTools &operator=(const HubSeriesTools &) = delete;

    QString Check_Exist_Path_and_Create_New(const QString &path, int counter) const override;
    QStringList Allowd_Image_fileTypes() const override;

private:
    SKTWindowController &m_hub;
};
