#pragma once
// The objects of a card side as archives, in their order (front-most first): what the undo and redo
// stacks and the design backup around batch jobs keep. Taking one copies fields only (pictures are
// shared, never encoded); restoring makes new objects, exactly as archived (identifiers and locks
// kept), so one snapshot can be restored any number of times, on any thread.

#include "model/ObjectArchive.h"
#include "model/SKTGraphic.h"

#include <QList>
#include <QSizeF>

class DesignSnapshot {
public:
    DesignSnapshot() = default;
    explicit DesignSnapshot(const SKTGraphicList &graphics);
    // A snapshot of archives taken elsewhere, in their order.
    static DesignSnapshot fromArchives(QList<ObjectArchive> archives);

    const QList<ObjectArchive> &archives() const { return m_archives; }
    qsizetype count() const { return m_archives.size(); }
    // New objects read from the archives; archives of no card object are left out.
    SKTGraphicList restore() const;
    // The card's size in points with the objects, where the snapshot is an undo step (empty: none).
    QSizeF cardSize() const { return m_cardSize; }
    void setCardSize(const QSizeF &size) { m_cardSize = size; }

private:
    QList<ObjectArchive> m_archives;
    QSizeF m_cardSize;
};
