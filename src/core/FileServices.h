#pragma once
// Folder listings and path checks of the window controller; its methods of the same names forward
// here. Listings are sorted by name (character values, upper case before lower case) so that they
// are stable, and never fail: a missing path or one that is not a folder gives an empty list.

#include <QString>
#include <QStringList>
#include <QUrl>

// The names of the folders directly inside the path.
QStringList Get_Folder_Array_At_Path(const QString &path);
// The names of the entries directly inside the path that are not folders; with del_ext each name
// loses its last extension (a leading "." does not start one).
QStringList Get_Files_Array_At_Path_del_ext(const QString &path, bool del_ext);
// The names of the series: the files in Data_Folder_Path whose extension, in lower case, is
// batch_file_EXT, without it; each name once.
QStringList Get_datasheet_File_Name_Array();

// The URL's path, decoded.
QString Convert_Path_From_URL(const QUrl &url);
// "Invalid": false when the trimmed path is not empty and something exists there; otherwise shows
// "Please select valid file path." and answers true.
bool Check_And_Validate_File_Path(const QString &path);
// Whether a series is in use by something else before it is overwritten: never.
bool Check_Batch_File_In_Use_Validation(const QString &series);
// The workbook writer unpacks its parts into temporary folders of this path (platform/Temporaries.h):
// in the per-user data folder, so that the start (Check_Path_And_Create_Files) finds what a killed
// write left; in the private temporary folder while there is none (tools).
QString workbookPartsTarget();

// The toolkit version the "newer system" branches compare with: a constant of this build, 2300,
// so that every newer branch runs. Tests may pretend another version (fraction dropped); 0 restores.
int Get_OS_Version();
void Set_OS_Version_For_Tests(double version);
