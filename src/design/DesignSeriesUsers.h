#pragma once
// The design as the backup dialog sees it (SeriesUsersHost): the sidebar's series combo, the
// record binding's batch state and the sidebar.

#include "data/SeriesUsersHost.h"

class DesignController;

class DesignSeriesUsers final : public SeriesUsersHost {
public:
    explicit DesignSeriesUsers(DesignController &design) : m_design(design) {}

    void Series_Folder_Changed(bool emptied) override;
    void Check_Series_Or_Excel_Use_or_not() override;
    void Show_Card_Properties() override;

private:
    DesignController &m_design;
};
