#pragma once
// The Designing mode's work area: the tool palette, the canvas area (the canvas in its zooming
// scroll view, the rulers, the zoom buttons, the card-side buttons) and the boxes of the property
// sidebar and the record list, each set up from its form; and the canvas view's redraw, zoom,
// rulers and card size. The card objects on the canvas, their selection and the tools' objects
// stay with the controller.

#include <QObject>
#include <QSizeF>
#include <QString>

class DesignController;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;
class SKTGraphicView;
class SKTGrid;
class SKTZoomingScrollView;
class ToolPalette;

class DesignWorkArea : public QObject {
    Q_OBJECT
public:
    explicit DesignWorkArea(DesignController &design);
    ~DesignWorkArea() override;   // deletes the grid

    DesignController &design;

    // Creates the work area (tools, canvas, sidebar) and the record list box on the page, kept
    // apart so that the frame can move them into its split view.
    void buildDesigningPanel(QWidget *page);

    // ---- The canvas view ----
    SKTGrid *_grid = nullptr;   // the canvas's grid, made by the hub at start-up and owned here
    double _zoomFactor = 1.0;
    QSizeF observedCanvasSize;   // the document's last "canvasSize"
    QSizeF canvasFrameSize;      // the canvas size last applied, in points
    bool rulersShown = false;
    // Applies the document's canvas size to the canvas.
    void SetDocumentCanvasSize(const QSizeF &size);
    void Refresh_Canvas();
    void changeViewController(int index);
    void Show_Hide_Ruler_ChkBox();
    void Set_Canvas_to_100_percent();
    void Zoom_In_Toolbar_btn();
    void Zoom_Out_Toolbar_btn();
    void Actual_Size_Toolbar_btn();
    static float Get_Factor_According_Index(int index);
    // The canvas and its zooming scroll view (the outlets below, as their own classes).
    SKTGraphicView *Graphic_View() const;
    SKTZoomingScrollView *Zooming_Scroll_View() const;
    // Why a card size cannot be the canvas's (empty when it can): no area, not a number, or larger
    // than a widget may be at the largest zoom.
    static QString Canvas_Size_Refusal(const QSizeF &size);
    // The document's canvas size observed: a null size is ignored, any other is applied.
    void Observe_Canvas_Size(const QSizeF &size);
    // Offers the size to the document's canvas-size query, which keeps nothing.
    void Set_Document_Size(double width, double height);

    // ---- Outlets ----
    QWidget *Design_Work_Area = nullptr, *myTargetView = nullptr, *first_view = nullptr;
    QGroupBox *drawing_canvas_box = nullptr, *Right_Prop_Box = nullptr;
    QScrollArea *_zoomingScrollView = nullptr;
    QWidget *_graphicView = nullptr;
    QComboBox *_factorPopUpButton = nullptr;
    QFrame *horizontal_ruler = nullptr, *vertical_ruler = nullptr;
    ToolPalette *tool_palette = nullptr;   // the tool buttons
    QPushButton *Ruler_btn = nullptr, *Zoom_In_btn = nullptr, *Zoom_Out_btn = nullptr, *Actual_Size_btn = nullptr;
    QPushButton *Card_Prop_btn = nullptr, *Card_Bckgrnd_btn = nullptr;
    // Side
    QLabel *Front_back_label = nullptr;
    QPushButton *Front_Side_btn = nullptr, *Back_Side_btn = nullptr, *Copy_Card_Design_btn = nullptr;
    QScrollArea *Card_Image_Scrl = nullptr, *Card_Image_Scrl_BACK = nullptr;

private:
    // The canvas area's form, set up once by buildDesigningPanel on its placeholder, its widgets
    // taken into the outlets.
    void Build_Design_Canvas_Area(QGroupBox *box);
    void Set_Zoom_Index(int index);
};
