#pragma once
// Checks and restoring of the undo history's snapshots.

#include "model/ObjectArchive.h"
#include "model/SKTGraphic.h"

#include <QList>
#include <QString>

class DesignSnapshot;


// Whether an archive holds every key of its class, none of them unreadable.
bool Archive_Is_Complete(const ObjectArchive &archive);
// Why the snapshot does not stand for the objects (one complete archive per object, in order), or
// an empty text when it does.
QString Snapshot_Fault(const DesignSnapshot &snapshot, const SKTGraphicList &graphics);
// New objects from a snapshot's archives, in order; an archive that cannot be read is left out and
// one read only in part is kept as far as it was read, both logged.
SKTGraphicList Restore_Snapshot_Objects(const QList<ObjectArchive> &archives);
