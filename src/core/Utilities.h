#pragma once
// Small string, file-name and folder helpers used everywhere. A null QString stands for "no text".

#include <QString>

class QWidget;

QString Trim_Str(const QString &text);
// The text trimmed, as Trim_Str.
QString Replace_Char_For_Valid(const QString &text);
QString Replace_char_in_string(const QString &text, const QString &target, const QString &replacement);
// Throws std::invalid_argument for a null search text, as the callers' handlers expect.
bool Find_Str(const QString &text, const QString &search);
bool Find_Str_Case_Insensitive(const QString &text, const QString &search);
// The first n characters and the last n (the whole text when n reaches its length); from index n
// and up to index n ("" outside the text).
QString Left_Str_substringToIndex(const QString &text, int n);
QString Right_Str_substringFromIndex(const QString &text, int n);
QString Read_Str_FromIndex(const QString &text, int n);
QString Read_Str_Upto_Index(const QString &text, int n);
QString Remove_Reserve_Char_In_File_Name(const QString &name);
// A path inside the resources of some copy of the application (a bundle's ".app/Contents/Resources/"
// or an installed ".../share/tagora/") moved to the same place in this copy's resource folder, so
// a design made elsewhere finds its sample pictures here; any other path as it is. Whether a file
// exists at the result is not checked.
QString Check_Path_For_App_Resources(const QString &path);

// 1 when something exists at the path or the folder (with its parents) was created, else 0.
// New folders get the user's umask.
int Create_Folder(const QString &path);
void Delete_Folder(const QString &path);
// Removes the file, or the folder with what it holds, when its folder is writable; failures are
// logged.
void Delete_File(const QString &path);
// Enables or disables a control; a box passes the state on to everything inside it. Defined with the
// widgets (core/UtilitiesWidgets.cpp), apart from the widget-free rest.
void SetObjEnabled(QWidget *view, bool enabled);
// Makes a line edit or text view read-only or editable, with a background that shows which: the
// window's colour when read-only, white when editable. Other widgets are left alone.
void Set_Field_Read_Only(QWidget *field, bool readOnly);
// Opens "Help.pdf" of the resource folder.
void Open_Help_File();
