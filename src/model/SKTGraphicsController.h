#pragma once
// The selection of the card objects of the document: kept by object, so that it follows the
// objects when the list around them changes, and announced with the indexes it had and has.

#include "model/SKTGraphic.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class SKTDocument;

class SKTGraphicsController : public QObject {
    Q_OBJECT
public:
    explicit SKTGraphicsController(QObject *parent = nullptr);

    // The list the selection is taken from; the selection is emptied.
    void setDocument(SKTDocument *document);
    SKTDocument *document() const { return m_document; }

    // The selected objects' indexes in the document's list, ascending.
    QList<int> selectionIndexes() const;
    // Selects the objects at the indexes; indexes outside the list are ignored.
    void setSelectionIndexes(const QList<int> &indexes);
    // The selected objects in list order (front-most first).
    SKTGraphicList selectedObjects() const;
    bool isSelected(const SKTGraphic *graphic) const { return m_selected.contains(graphic); }

signals:
    // The selection changed from the old indexes to the new ones. When objects left the list the
    // old indexes name the list as it was, so they are stale: listeners redraw everything then.
    void selectionIndexesChanged(const QList<int> &oldIndexes, const QList<int> &newIndexes, bool stale);

private:
    void graphicsRemoved(const SKTGraphicList &removed);

    QPointer<SKTDocument> m_document;
    QSet<const SKTGraphic *> m_selected;
    QList<QMetaObject::Connection> m_connections;
};
