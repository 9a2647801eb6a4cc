#pragma once
// The folder a document's file was opened from or last saved to, remembered by what it is (its
// device and inode) and whose, so that a plain save never follows the file's name into a folder
// another user put in its place: where others may rename entries, a member may rename the user's
// folder away and make one of their own under its name, and the file saved there would be theirs to
// read or replace.

#include "platform/Files.h"

#include <QString>

namespace platform {

struct SavedFolder {
    QString file;   // the file as the document names it; empty: no folder known
    unsigned long long dev = 0, ino = 0;
    unsigned owner = 0;
};

// The folder a save writes its file into, reached once by the rule for links (reachFolder) and held
// for the whole write (writeFileAtomically's start), whatever takes its name meanwhile.
struct SaveFolder {
    Descriptor folder;   // -1: not reached (error), or refused (stranger)
    QString name;        // the file's entry there, reached from folder
    QString shown;       // the folder's path, for what the user is told
    QString error;       // why it was not reached, as the writer says it
    QString stranger;    // the account whose folder stands where the remembered one was, as said (accountName)
};

// Opens the folder of file for a save. A plain save (not a Save As) of the file remembered writes
// only into the folder remembered, or into one under its name that is the user's (who may have moved
// folders around) or its owner's (a design opened from a colleague's folder); another's folder there
// gets nothing, and stranger names its account. A Save As goes into the folder chosen, whoever's.
SaveFolder openSaveFolder(const QString &file, const SavedFolder &remembered, bool plain);
// What to remember of the folder file was just written into.
SavedFolder savedFolder(const QString &file, const SaveFolder &written);
// The folder file was just opened from, reached as a save reaches it; none (no file) where it cannot be.
SavedFolder openedFrom(const QString &file);

} // namespace platform
