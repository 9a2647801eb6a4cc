#include "model/SKTGraphicsController.h"

#include "model/SKTDocument.h"

#include <algorithm>

SKTGraphicsController::SKTGraphicsController(QObject *parent) : QObject(parent) {}

void SKTGraphicsController::setDocument(SKTDocument *document)
{
    for (const auto &c : m_connections)
        disconnect(c);
    m_connections.clear();
    const QList<int> old = selectionIndexes();
    m_selected.clear();
    m_document = document;
    if (document)
        m_connections << connect(document, &SKTDocument::graphicsChanged, this,
                                 [this](SKTDocument::GraphicsChange change, const QList<int> &,
                                        const SKTGraphicList &graphics) {
                                     if (change == SKTDocument::GraphicsChange::Removal)
                                         graphicsRemoved(graphics);
                                 });
    if (!old.isEmpty())
        emit selectionIndexesChanged(old, {}, true);
}

QList<int> SKTGraphicsController::selectionIndexes() const
{
    QList<int> indexes;
    if (!m_document || m_selected.isEmpty())
        return indexes;
    const SKTGraphicList &graphics = m_document->graphics();
    for (int i = 0; i < graphics.size(); ++i)
        if (m_selected.contains(graphics.at(i).get()))
            indexes.append(i);
    return indexes;
}

void SKTGraphicsController::setSelectionIndexes(const QList<int> &indexes)
{
    QSet<const SKTGraphic *> selected;
    if (m_document) {
        const SKTGraphicList &graphics = m_document->graphics();
        for (int i : indexes)
            if (i >= 0 && i < graphics.size() && graphics.at(i))
                selected.insert(graphics.at(i).get());
    }
    if (selected == m_selected)
        return;
    const QList<int> old = selectionIndexes();
    m_selected = std::move(selected);
    emit selectionIndexesChanged(old, selectionIndexes(), false);
}

SKTGraphicList SKTGraphicsController::selectedObjects() const
{
    SKTGraphicList objects;
    if (!m_document || m_selected.isEmpty())
        return objects;
    for (const auto &g : m_document->graphics())
        if (m_selected.contains(g.get()))
            objects.append(g);
    return objects;
}

void SKTGraphicsController::graphicsRemoved(const SKTGraphicList &removed)
{
    // An object that leaves the list leaves the selection: its address may serve a new object.
    bool changed = false;
    for (const auto &g : removed)
        changed |= m_selected.remove(g.get());
    if (changed)
        emit selectionIndexesChanged({}, selectionIndexes(), true);
}
