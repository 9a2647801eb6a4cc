#pragma once
// Image services of the window controller that every subsystem uses; they work on any thread.

#include "platform/Picture.h"

// Renders the picture into a bitmap of ceil(dpi x points / 72) pixels each way (nearest neighbour),
// keeping its size in points. A null picture gives the log line "Invalid image" and a null picture.
platform::Picture Increase_DPI(const platform::Picture &image, double dpi);
