#pragma once
// The one design document. It creates the main window controller the first time its window
// controllers are asked for, through the factory the application registers (the document knows
// nothing of the window). As the container of its card objects it relays every change they report
// by name.

#include "model/SKTGraphicContainer.h"

#include <QList>
#include <QObject>
#include <QSizeF>
#include <QString>
#include <QVariant>

#include <functional>

class SKTWindowController;

class SKTDocument : public QObject, public SKTGraphicContainer {
    Q_OBJECT
public:
    using WindowControllerFactory = std::function<SKTWindowController *(SKTDocument &document)>;

    SKTDocument();
    ~SKTDocument() override;

    // The application's way of making the window controller of a document.
    static void setWindowControllerFactory(WindowControllerFactory factory);

    void makeWindowControllers();
    const QList<SKTWindowController *> &windowControllers() const { return m_windowControllers; }
    // A controller that goes away leaves its document.
    void removeWindowController(SKTWindowController *controller) { m_windowControllers.removeAll(controller); }

    // YES answers 284 x 284 points whatever size is given; NO answers the given size.
    static QSizeF canvasSize_size_val(bool useDefault, const QSizeF &size);

    QSizeF canvasSize() const { return m_canvasSize; }
    void setCanvasSize(const QSizeF &size);

    // How many controllers the class has made (at most one).
    static int controllersMade();
    static void resetForTests();

    void graphicDidChange(SKTGraphic &graphic, const QString &key, const QVariant &oldValue,
                          const QVariant &newValue) override;

signals:
    void canvasSizeChanged(const QSizeF &size);
    // A card object held by the document changed a value by name (derived keys included).
    void graphicChanged(SKTGraphic *graphic, const QString &key, const QVariant &oldValue, const QVariant &newValue);

private:
    QList<SKTWindowController *> m_windowControllers;
    QSizeF m_canvasSize;
};
