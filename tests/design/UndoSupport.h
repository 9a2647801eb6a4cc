#pragma once
// Helpers of the undo and editing tests: card objects in the document, a full text form of a design
// to compare designs by, the log lines written meanwhile, and canvas commands that record their calls.

#include "DesignFixture.h"

#include "design/DesignSelection.h"
#include "model/DesignSnapshot.h"
#include "model/ObjectArchive.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "core/Mode.h"
#include "support/LogCapture.h"

#include <QStringList>
#include <QtGlobal>

#include <numeric>
#include <variant>

namespace undotest {

// Every archived value of every object, one line per key, so that two designs compare as a whole.
inline QStringList describe(const SKTGraphicList &graphics)
{
    QStringList lines;
    int index = 0;
    for (const ObjectArchive &archive : SKTGraphic::propertiesWithGraphics(graphics)) {
        lines << QStringLiteral("#%1 %2").arg(index++).arg(archive.className());
        for (const ObjectArchive::Entry &e : archive.entries()) {
            const QString value = std::visit(
                [](const auto &v) -> QString {
                    using T = std::decay_t<decltype(v)>;
                    if constexpr (std::is_same_v<T, QRectF>)
                        return QStringLiteral("%1,%2,%3,%4").arg(v.x()).arg(v.y()).arg(v.width()).arg(v.height());
                    else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, qint32> || std::is_same_v<T, float>)
                        return QString::number(v);
                    else if constexpr (std::is_same_v<T, QPointF>)
                        return QStringLiteral("%1,%2").arg(v.x()).arg(v.y());
                    else if constexpr (std::is_same_v<T, QSizeF>)
                        return QStringLiteral("%1x%2").arg(v.width()).arg(v.height());
                    else if constexpr (std::is_same_v<T, ObjectArchive::Null>)
                        return QStringLiteral("null");
                    else if constexpr (std::is_same_v<T, QString>)
                        return QLatin1Char('"') + v + QLatin1Char('"');
                    else if constexpr (std::is_same_v<T, QColor>)
                        return v.name(QColor::HexArgb);
                    else if constexpr (std::is_same_v<T, QFont>)
                        return v.toString();
                    else if constexpr (std::is_same_v<T, platform::Picture>)
                        return QStringLiteral("picture %1x%2 %3")
                            .arg(v.size().width())
                            .arg(v.size().height())
                            .arg(v.image().cacheKey());
                    else if constexpr (std::is_same_v<T, SKTTextStorage>)
                        return v.characters + QLatin1Char('|') + v.font.toString() + QLatin1Char('|') + v.color.name();
                    else
                        return QStringLiteral("broken ") + v.reason;
                },
                e.value);
            lines << e.key + QLatin1Char('=') + value;
        }
    }
    return lines;
}

using testsupport::LogCapture;

// A Designing-mode fixture with card objects in the document and a selection the tests choose.
class DesignWithObjects : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        Barcode_Setting_Or_Designing_Mode = 1;
        env.design().selection().Canvas_Selection = [this] { return selection; };
    }
    SKTDocument &doc() { return *env.document(); }
    DesignController &d() { return env.design(); }

    template <class T>
    std::shared_ptr<T> object(const QRectF &frame)
    {
        auto g = std::make_shared<T>();
        g->_bounds = frame;
        return g;
    }
    // Puts the objects at the front of the document, in order.
    void insert(const SKTGraphicList &graphics)
    {
        QList<int> indexes(graphics.size());
        std::iota(indexes.begin(), indexes.end(), 0);
        doc().insertGraphics(graphics, indexes);
    }
    void removeAll()
    {
        QList<int> all(doc().graphics().size());
        std::iota(all.begin(), all.end(), 0);
        doc().removeGraphicsAtIndexes(all);
    }
    QStringList design() { return describe(doc().graphics()); }

    SKTGraphicList selection;
};

} // namespace undotest
