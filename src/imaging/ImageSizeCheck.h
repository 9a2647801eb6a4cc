#pragma once
// The size check every browse path asks before it takes a chosen picture file.

#include <QString>

// Whether the picture at path is too large to use (show_msg: tell the user why; org_or_crop: the
// whole picture or its cropped copy would be used). No picture is refused: every file is taken as
// chosen, which clears Use_Org_image_Or_Shred_it; reading a picture is bounded where it is read.
bool Image_Is_Over_Size(const QString &path, bool show_msg, int org_or_crop);
