#pragma once
// The folders of the application: the read-only resources, the per-user data folder and its layout
// (the folders a start needs and the shipped seed files). Each line says who writes it.

#include <QString>

extern QString Resource_Path;               // the hub's constructor: the read-only resource folder
extern QString Created_Resource_Path;       // the hub's constructor: the per-user data folder
extern QString Data_Folder_Path;            // window set-up: the series folder "DataSet" of the data folder
extern QString Cropped_Img_Path;            // Check_Path_And_Create_Files: the cropping tool's output folder
extern QString custom_label_path;           // Check_Path_And_Create_Files: the custom label-stock products
extern QString print_profile_path;          // Check_Path_And_Create_Files: the print profiles

// Creates the per-user folders and the seed files that are missing (never over the user's own),
// and removes the workbook parts that ended runs left (workbookPartsTarget).
void Check_Path_And_Create_Files();
