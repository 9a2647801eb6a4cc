#include "app/HubSeriesTools.h"

#include "app/SKTWindowController.h"
#include "output/OutputController.h"

HubSeriesTools::HubSeriesTools(SKTWindowController &hub) : m_hub(hub) { install(this); }

HubSeriesTools::~HubSeriesTools() { uninstall(this); }

QString HubSeriesTools::Check_Exist_Path_and_Create_New(const QString &path, int counter) const
{
    return m_hub.output().Check_Exist_Path_and_Create_New(path, counter);
}

QStringList HubSeriesTools::Allowd_Image_fileTypes() const { return m_hub.Allowd_Image_fileTypes; }
