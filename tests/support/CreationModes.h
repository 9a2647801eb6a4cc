#pragma once
// While it lives, each file (open with O_CREAT or O_TMPFILE) and folder (mkdir) the process creates
// is recorded with the mode asked for at its creation. Using it gives the program its own open,
// open64 (Qt's) and mkdir.

#include <string>

namespace testsupport {
struct CreationModes {
    CreationModes();
    ~CreationModes();
    std::string report() const;   // each creation others may read ("<name> <mode>"); "none" when nothing was made
};
} // namespace testsupport
