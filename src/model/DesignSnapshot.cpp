#include "model/DesignSnapshot.h"

DesignSnapshot::DesignSnapshot(const SKTGraphicList &graphics) : m_archives(SKTGraphic::propertiesWithGraphics(graphics)) {}

DesignSnapshot DesignSnapshot::fromArchives(QList<ObjectArchive> archives)
{
    DesignSnapshot snapshot;
    snapshot.m_archives = std::move(archives);
    return snapshot;
}

SKTGraphicList DesignSnapshot::restore() const
{
    SKTGraphicList graphics;
    graphics.reserve(m_archives.size());
    for (const ObjectArchive &archive : m_archives)
        if (std::shared_ptr<SKTGraphic> graphic = SKTGraphic::initWithCoder(archive))
            graphics.append(std::move(graphic));
    return graphics;
}
