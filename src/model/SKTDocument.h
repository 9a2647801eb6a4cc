#pragma once
// The one design document. It creates the main window controller the first time its window
// controllers are asked for, through the factory the application registers (the document knows
// nothing of the window).

#include <QList>
#include <QObject>
#include <QSizeF>

#include <functional>

class SKTWindowController;

class SKTDocument : public QObject {
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

signals:
    void canvasSizeChanged(const QSizeF &size);

private:
    QList<SKTWindowController *> m_windowControllers;
    QSizeF m_canvasSize;
};
