#pragma once
// The one that holds card objects (the document): told of every change an object makes by name.

class QString;
class QVariant;
class SKTGraphic;

class SKTGraphicContainer {
public:
    virtual ~SKTGraphicContainer() = default;
    virtual void graphicDidChange(SKTGraphic &graphic, const QString &key, const QVariant &oldValue,
                                  const QVariant &newValue) = 0;
};
