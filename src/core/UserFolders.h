#pragma once
// The per-user data folder's layout: the folders a start needs and the shipped seed files.

// Creates the per-user folders and the seed files that are missing (never over the user's own).
void Check_Path_And_Create_Files();
