#pragma once
// What the series tools need of the main window around them: the free-name rule of the exports for
// a series file whose name is taken, and the picture file types the image commands accept. The
// series tools are made on first use from wherever they are opened, so the main window installs
// its implementation (HubSeriesTools) for its life instead of handing it to each.

#include <QString>
#include <QStringList>

class SeriesToolsHost {
public:
    virtual ~SeriesToolsHost() = default;
    // The first free path: the path with its extension in upper case when free, else "name (k).EXT"
    // from k = counter on.
    virtual QString Check_Exist_Path_and_Create_New(const QString &path, int counter) const = 0;
    virtual QStringList Allowd_Image_fileTypes() const = 0;

    // The main window's, from its making to its end (the latest made while several live); null
    // without one.
    static SeriesToolsHost *current();
    static void install(SeriesToolsHost *host);
    // Forgets host if it is the current one.
    static void uninstall(SeriesToolsHost *host);
};
