#pragma once
// The one design document. It creates the main window controller the first time its window
// controllers are asked for, through the factory the application registers (the document knows
// nothing of the window). It holds the ordered card objects of the side being edited (index 0
// front-most), is their container, relays every change they report by name, and records on its
// undo manager the inverse of every insertion and removal and, per undo group, the first old value
// of every observed property. It produces its native data but never reads a document.

#include "model/SKTGraphic.h"
#include "model/SKTGraphicContainer.h"
#include "model/SKTPrintOperation.h"
#include "platform/PrintInfo.h"
#include "platform/UndoRecorder.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

class SKTWindowController;
struct SKTError;

constexpr int SKTDocumentCurrentVersion = 2;
extern const QString SKTDocumentVersionKey;     // "version"
extern const QString SKTDocumentGraphicsKey;    // "graphics"
extern const QString SKTDocumentPrintInfoKey;   // "printInfo"
extern const QString SKTDocumentCanvasSizeKey;  // "canvasSize"
extern const QString SKTDocumentNewTypeName;    // "com.qirosoftware.tagora"
extern const QString SKTDocumentOldTypeName;    // "QIRO Label document"
extern const QStringList SKTDocumentPdfTypeNames;    // "com.adobe.pdf", "application/pdf", "Apple PDF pasteboard type"
extern const QStringList SKTDocumentTiffTypeNames;   // "public.tiff", "image/tiff", "NeXT TIFF v4.0 pasteboard type"

// The old values of one undo group: per object, property keys with the value each had before its
// first change in the group. It keeps its objects alive, so the undo action can always restore them.
class SKTMapTableOwner {
public:
    using Properties = QList<QPair<QString, QVariant>>;
    using MapTable = std::vector<std::pair<std::shared_ptr<SKTGraphic>, Properties>>;
    MapTable &mapTable() { return m_mapTable; }
    const MapTable &mapTable() const { return m_mapTable; }
    // The entry of the object, made empty when it has none.
    Properties &propertiesOf(const std::shared_ptr<SKTGraphic> &graphic);

private:
    MapTable m_mapTable;
};

class SKTDocument : public QObject, public SKTGraphicContainer {
    Q_OBJECT
public:
    using WindowControllerFactory = std::function<SKTWindowController *(SKTDocument &document)>;
    enum class GraphicsChange { Insertion, Removal };
    Q_ENUM(GraphicsChange)

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

    // ---- The objects --------------------------------------------------------------------------
    const SKTGraphicList &graphics() const { return m_graphics; }
    // Inserts each object at its index (ascending, each the object's position after insertion),
    // makes the document its container and registers the removal as the undo. A count or an index
    // that does not fit is a programming error: logged, nothing changes.
    void insertGraphics(const SKTGraphicList &graphics, const QList<int> &indexes);
    // Removes the objects at the indexes (ascending), clears their container and registers their
    // re-insertion at the same indexes as the undo.
    void removeGraphicsAtIndexes(const QList<int> &indexes);

    // ---- Undo ---------------------------------------------------------------------------------
    platform::UndoRecorder &undoManager() { return m_undoManager; }
    void Enable_Disable_Undo_Registraion(bool enable);
    // Forgets every undo and redo action and empties the list with registration off.
    void Clear_All_Undo_Redo();
    // The undo action of a group of property changes: sets every recorded value back by name.
    void setGraphicProperties(const SKTMapTableOwner &propertiesPerGraphic);

    // ---- Document -----------------------------------------------------------------------------
    QString displayName() const;
    // Always false.
    bool isDocumentEdited() const { return false; }
    // Reading a document always fails; the error is not set.
    bool readFromData(const QByteArray &data, const QString &typeName, SKTError *error);
    const platform::PrintInfo &printInfo() const { return m_printInfo; }
    // The native type ("com.qirosoftware.tagora" or "QIRO Label document"): a binary property list
    // with "version" 2, "graphics" (each object's serialised archive, front-most first) and
    // "printInfo". Another type gives no data.
    // PDF types: the card with the objects (SKTRenderingView). TIFF types: the objects alone.
    QByteArray dataOfType(const QString &typeName, SKTError *error = nullptr) const;

    // ---- Printing -------------------------------------------------------------------------------
    // The document's file, if it has one (none: the print title is the display name).
    void setFileURL(const QString &path) { m_fileURL = path; }
    // The title of a print: the file's name without its extension, else the display name.
    QString printJobTitle() const;
    // A print of the card at the card's own size (the canvas bounds), with the page setup's printer
    // and the settings: "outputFileName" (a PDF file instead of a printer), "copies", "printerName".
    std::unique_ptr<SKTPrintOperation> printOperationWithSettings(const QVariantMap &settings, SKTError *error = nullptr);

    void graphicDidChange(SKTGraphic &graphic, const QString &key, const QVariant &oldValue,
                          const QVariant &newValue) override;

signals:
    void canvasSizeChanged(const QSizeF &size);
    // A card object held by the document changed a value by name (derived keys included).
    void graphicChanged(SKTGraphic *graphic, const QString &key, const QVariant &oldValue, const QVariant &newValue);
    // The list changed: the kind, the indexes and the objects inserted or removed.
    void graphicsChanged(SKTDocument::GraphicsChange change, const QList<int> &indexes, const SKTGraphicList &graphics);

private:
    struct Observation {
        std::shared_ptr<SKTGraphic> graphic;
        QStringList keys;
    };

    void startObservingGraphics(const SKTGraphicList &graphics);
    void stopObservingGraphics(const SKTGraphicList &graphics);
    void recordChange(const std::shared_ptr<SKTGraphic> &graphic, const QString &key, const QVariant &oldValue,
                      const QVariant &newValue);
    void observeUndoManagerCheckpoint();

    QList<SKTWindowController *> m_windowControllers;
    QSizeF m_canvasSize;
    SKTGraphicList m_graphics;
    platform::UndoRecorder m_undoManager;
    platform::PrintInfo m_printInfo;
    QString m_fileURL;
    QHash<const SKTGraphic *, Observation> m_observed;
    // The current undo group: the objects inserted in it while registration was on, and the old values.
    std::unique_ptr<QHash<const SKTGraphic *, std::shared_ptr<SKTGraphic>>> m_undoGroupInsertedGraphics;
    std::shared_ptr<SKTMapTableOwner> m_undoGroupOldPropertiesPerGraphic;
};
