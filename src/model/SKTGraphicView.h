#pragma once
// The Designing mode's canvas: the card and its objects painted in card points (origin at the
// card's top-left corner, y downward), shown at the zoom factor. It holds no objects of its own:
// it shows the document's list and the selection of the objects' controller, and turns their
// changes into redraws of the rectangles concerned. Objects are created, selected, moved and
// resized here with the mouse; what lies outside the model (the card's layers, the tools, undo,
// the sidebar, the barcode pictures) is reached through the host.
//
// Qt has no nested tracking loops, so every drag (creation, move, resize, marquee) is a state of
// the canvas between a press and its release.

#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "model/SKTGraphicsController.h"
#include "model/SKTGrid.h"

#include <QList>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class CanvasHost;
class QMenu;
class QAction;
class QTimer;
class QMimeData;

// The canvas point of the last press that selection tracking handled; hit testing of lines reads it.
extern QPointF mouse_select_point;
class SKTZoomingScrollView;

class SKTGraphicView : public QWidget {
    Q_OBJECT
public:
    explicit SKTGraphicView(QWidget *parent = nullptr);
    ~SKTGraphicView() override;

    // ---- Bindings ----
    // "graphics": the document's list. Binding again replaces the old binding.
    void bindGraphics(SKTDocument *document);
    void unbindGraphics();
    // "selectionIndexes": the selection of the objects' controller.
    void bindSelectionIndexes(SKTGraphicsController *controller);
    void unbindSelectionIndexes();
    // "grid": observed through its announcement of any change.
    void setGrid(SKTGrid *grid);
    SKTGrid *grid() const { return _grid; }
    void setHost(CanvasHost *host) { m_host = host; }
    CanvasHost *host() const { return m_host; }

    // The bound list, empty when unbound.
    const SKTGraphicList &graphics() const;
    // The bound document for insertions and removals; unbound, a programming error
    // (std::logic_error with the assertion message).
    SKTDocument &mutableGraphics() const;
    QList<int> selectionIndexes() const;
    // Writes the selection, then enables the same-width and same-height buttons exactly for two or
    // more objects. Unbound, a programming error.
    void changeSelectionIndexes(const QList<int> &indexes);
    // The selected objects in list order (front-most first).
    SKTGraphicList selectedGraphics() const;

    // ---- Size and zoom ----
    // The card's size in points: the canvas's bounds.
    void setCardSize(const QSizeF &points);
    QRectF bounds() const { return QRectF(QPointF(0, 0), m_cardSize); }
    // Shows the card at the factor (the widget is the card's size times the factor, rounded).
    void setFactor(double factor);
    double factor() const { return m_factor; }
    // Widget pixels to card points and back.
    QPointF canvasPoint(const QPointF &widgetPoint) const;
    QRectF widgetRect(const QRectF &canvasRect) const;
    // The enclosing zooming scroll view, if any.
    SKTZoomingScrollView *enclosingScrollView() const;

    // ---- Drawing ----
    // One drawing pass over the dirty rectangle (card points) into a painter set to card points.
    void drawRect(QPainter &painter, const QRectF &dirty);
    // Marks a rectangle of the card (points) as needing display; the whole canvas for setNeedsDisplay.
    void setNeedsDisplayInRect(const QRectF &canvasRect);
    void setNeedsDisplay();
    // Tests and benchmarks may watch every rectangle marked for display (card points).
    std::function<void(const QRectF &)> redrawRecorder;

    // ---- Ruler echo of a moving rectangle ----
    void beginEchoingMoveToRulers(const QRectF &rect);
    void continueEchoingMoveToRulers(const QRectF &rect);
    void stopEchoingMoveToRulers();
    QRectF rulerEchoedBounds() const { return _rulerEchoedBounds; }

    // ---- In-place editing: no object edits in place ----
    void startEditingGraphic(const std::shared_ptr<SKTGraphic> &) {}
    void stopEditing() {}

    // ---- Creation ----
    // Creates an object of the current tool. With a mouse location (card points) the object is
    // drawn out by the drag that follows, until the release; without one it is placed at once.
    void createGraphicOfClass(const QString &graphicClass, const std::optional<QPointF> &eventLocation,
                              bool use_rect, const QRectF &bound_rect, const QString &card_side,
                              const QString &ctrl_value, const QString &ctrl_ID);
    // Records a barcode object's frame as its barcode frame; other classes are left alone.
    void check_barcode_and_set_control_bounds(const std::shared_ptr<SKTGraphic> &graphic);
    // The first text or picture object carrying the identifier; none for an empty one.
    std::shared_ptr<SKTGraphic> Selcect_Ctrl_With_ID(const QString &identifier) const;
    std::shared_ptr<SKTGraphic> creatingGraphic() const { return _creatingGraphic.lock(); }

    // ---- The current object (the one the sidebar shows), kept by the host ----
    std::shared_ptr<SKTGraphic> selectedGraphic() const;
    void setSelectedGraphic(const std::shared_ptr<SKTGraphic> &graphic);

    bool isHidingHandles() const { return _isHidingHandles; }
    void setHidingHandles(bool hiding) { _isHidingHandles = hiding; }
    QRectF marqueeSelectionBounds() const { return _marqueeSelectionBounds; }
    void setMarqueeSelectionBounds(const QRectF &rect);

    // ---- Hit testing ----
    // Distance in single precision, widened.
    static double distanceBetweenPointA(const QPointF &a, const QPointF &b);
    // Inside the ellipse with foci A and B: |d(A, B) - d(P, A) - d(P, B)| < margin.
    static bool isPoint(const QPointF &p, const QPointF &a, const QPointF &b, double margin);
    // The front-most visible object whose contents (or, when selected, handle) lie under the point;
    // the out-parameters are written only when one is found.
    std::shared_ptr<SKTGraphic> graphicUnderPoint(const QPointF &point, int *index = nullptr, bool *isSelected = nullptr,
                                                  int *handle = nullptr);
    // Visible objects whose drawing bounds intersect the rect; with an empty selection the last
    // one found becomes the current object.
    QList<int> indexesOfGraphicsIntersectingRect(const QRectF &rect);

    // ---- The mouse ----
    // What the canvas is doing between a press and its release.
    enum class Tracking { None, Creating, Moving, Resizing, Marquee, Swallowing };
    Tracking tracking() const { return m_tracking; }
    // A press at a canvas point, as the mouse gives it (the modifiers: Ctrl adds or removes).
    void selectAndTrackMouse(const QPointF &point, bool command);
    void moveSelectedGraphics(const QPointF &pressPoint);
    void resizeGraphic(const std::shared_ptr<SKTGraphic> &graphic, int handle);
    void marqueeSelect(const QPointF &pressPoint);

    // ---- Keyboard and commands ----
    // Moves the selection by points (locked objects stay) and records one step.
    void moveSelectedGraphicsByX(double dx, double dy);
    // Hides the handles for half a second.
    void hideHandlesMomentarily();
    bool There_Is_Any_Lock_Contrl() const;
    // Deletes the selection unless an object of it is locked ("Selected control is locked.").
    void delete_selection();
    // Selects every object of the card.
    void selectAll();
    void Clear_Control_Selection();
    void delete_all_control();

    // ---- Context menu ----
    // The "Select" names of the objects in list order: numbered per kind from 1.
    QStringList Context_Menu_Object_Names() const;
    // The menu titled "Contextual Menu": Cut, Copy, Paste, Delete, Label Properties, the separator
    // item, then "Select <name>" per object. Owned by the caller.
    QMenu *contextMenu();
    // Selects alone the object of a "Select" item and shows it in the sidebar.
    void select_Control_from_R_MENU(QAction *sender);

    // ---- Clipboard and menu commands ----
    // Copies the selection (possibly empty) as card objects, PDF and TIFF in one clipboard entry.
    void copy();
    // Copy, then delete; refused on a locked selection.
    void cut();
    // Pastes card objects (cascaded while the clipboard holds this canvas's last copy) or a picture;
    // records one step after anything was pasted.
    void paste();
    // A picture object from clipboard image data, written as a new PNG of the per-user
    // "Pasted_Images" folder, its top-left corner at the point; false when there is no picture.
    bool makeNewImageFromPasteboard(const QMimeData *data, const QPointF &point);
    // The commands a menu item or button may carry, for their enabling.
    enum class Command {
        Cut, Copy, Paste, Delete, BringToFront, SendToBack, Lock, Unlock, MakeNaturalSize, AlignWithGrid,
        AlignLeftEdges, AlignRightEdges, AlignTopEdges, AlignBottomEdges, AlignHorizontalCenters,
        AlignVerticalCenters, MakeSameWidth, MakeSameHeight, Undo, Redo, ShowOrHideRulers, Other
    };
    // Whether the command is enabled now; for the ruler command the title it should read.
    bool validateCommand(Command command, QString *title = nullptr) const;
    // Enables a menu item by the command it carries (see commandProperty) and retitles the ruler item.
    bool validateMenuItem(QAction *item) const;
    static const char *commandProperty() { return "sktCanvasCommand"; }
    static void setItemCommand(QAction *item, Command command);
    void undo();
    void redo();
    void showOrHideRulers();
    // Whether the clipboard's first card-object-or-file-names type is the card-object type.
    bool pasteboardOffersCardObjects() const;
    qint64 pasteCascadeNumber() const { return _pasteCascadeNumber; }
    static const char *pasteboardTokenType() { return "application/x-tagora-copy-token"; }

    // ---- Arrange ----
    void alignLeftEdges();
    void alignRightEdges();
    void alignTopEdges();
    void alignBottomEdges();
    void alignHorizontalCenters();
    void alignVerticalCenters();
    void alignformCenter();
    void alignWithGrid();
    // Refused with "Selected control is locked." when a selected object is locked.
    void bringToFront();
    void sendToBack();
    void makeSameWidth();
    void makeSameHeight();
    void makeSameAsLabelSize();
    void makeNaturalSize();
    void print_contol_or_not(int flag);
    // The arrange fields: positions in points, sizes in the design unit; text that is no finite
    // number, and sizes of 0 or less, change nothing.
    void Frame_main_Pic_X_Pos_Changed(double x);
    void Frame_main_Pic_Y_Pos_Changed(double y);
    void Frame_main_Pic_Wdith_Changed(double width);
    void Frame_main_Pic_Height_Changed(double height);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Model observation.
    void graphicsChanged(const QList<int> &indexes, const SKTGraphicList &graphics);
    void graphicChanged(SKTGraphic *graphic, const QString &key, const QVariant &oldValue, const QVariant &newValue);
    void selectionChanged(const QList<int> &oldIndexes, const QList<int> &newIndexes, bool stale);
    void redrawIndexes(const QList<int> &indexes);
    void applyWidgetSize();

    // Creation: the release that ends a creation drag (steps after the drag).
    void finishCreation();
    void completeCreation(const std::shared_ptr<SKTGraphic> &graphic, bool byMouse, const QString &ctrl_value);
    std::shared_ptr<SKTGraphic> makeGraphicOfTool(int tool, const QPointF &origin, const QString &ctrl_value,
                                                  const QString &ctrl_ID) const;

    // Tracking.
    void mouseDown(const QPointF &point, int clickCount, bool command);
    void trackTo(const QPointF &canvasPoint);
    void endTracking(const QPointF &canvasPoint);
    // Ends a drag whose release never came, where the pointer last was.
    void endLostTracking();
    void autoscroll();

    // Arrange: one coordinate of the selection against the first selected object or the card.
    enum class Edge { Left, Right, Top, Bottom, HorizontalCentre, VerticalCentre };
    void alignSelection(Edge edge);
    void orderSelection(bool toFront);
    void makeSameSize(bool width);
    void presentPasteError(const struct SKTError &error);

    // Fields of the canvas.
    QPointer<SKTDocument> _graphicsContainer;
    QPointer<SKTGraphicsController> _selectionIndexesContainer;
    QPointer<SKTGrid> _grid;
    QRectF _rulerEchoedBounds;
    std::weak_ptr<SKTGraphic> _creatingGraphic;
    QRectF _marqueeSelectionBounds;
    bool _isHidingHandles = false;
    QTimer *_handleShowingTimer = nullptr;
    qint64 _pasteboardChangeCount = -1;
    qint64 _pasteCascadeNumber = 0;
    QByteArray _pasteboardToken;   // the token of the last copy or paste seen here

    CanvasHost *m_host = nullptr;
    QSizeF m_cardSize{284, 284};
    double m_factor = 1.0;
    QList<QMetaObject::Connection> m_graphicsConnections;
    QList<QMetaObject::Connection> m_selectionConnections;
    QMetaObject::Connection m_gridConnection;

    // The drag in progress.
    Tracking m_tracking = Tracking::None;
    int m_resizeHandle = 0;
    std::shared_ptr<SKTGraphic> m_trackedGraphic;
    QString m_pendingValue;   // the creation's value, kept from the press to the release
    bool m_echoing = false;
    bool m_creationGroupOpen = false;
    // Moving: the selection, its union's origin offset from the press, and the last point.
    SKTGraphicList m_movedGraphics;
    QPointF m_moveOffset, m_lastPoint, m_pressPoint;
    QSizeF m_movedSize;
    bool m_moveStarted = false, m_moved = false;
    QRectF m_resizeStartBounds;
    // Marquee: the selection at the start.
    QList<int> m_marqueeStartSelection;
    QTimer *m_autoscrollTimer = nullptr;
    QPoint m_lastWidgetPos;
    QPointF m_lastTrackPoint;   // the canvas point the drag last reached
    bool m_creationGroupedByEvent = true;
};
