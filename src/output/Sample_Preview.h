#pragma once
// The sheet preview of the print and PDF dialogs: one sheet at a point per pixel, with the page, the
// margin rectangle, one outlined cell per label with its number, and optional crop marks. It draws
// no label contents, so a redraw costs the same for any design, and captions and outlines only where
// they can be seen, so a grid of tiny labels costs no more than one of small ones. It reads the
// sheet-layout globals; its geometry is the shared placement (output/SheetPlacement.h), in points
// from the bottom-left corner, turned to the painter's y-down space only where it paints.

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QWidget>

class OutputController;
class QPainter;

class Sample_Preview : public QWidget {
    Q_OBJECT
public:
    explicit Sample_Preview(QWidget *parent = nullptr);

    // Draws one sheet into the painter (the view's own coordinates, a point per unit); nothing
    // while there is no page setup.
    void drawRect(QPainter &painter, const QRectF &rect);
    // The 0-based index of the label in row and column (both 1-based) of the sheet.
    static int Get_Curr_Label_Index(int row, int col);
    // The caption of the cell (a rectangle in points from the bottom-left corner): "Label" becomes
    // "Label n" in grey, any other text is drawn as it is in red; bold, 11 points, centred.
    void Draw_Label_String(QPainter &painter, const QRectF &cell, const QString &text, int row, int col);
    // The cell's outline (the label's shape outside Barcode mode) and its crop marks.
    void Draw_Margin_rect(QPainter &painter, const QRectF &cell);
    // A black line 1 point wide, between two points from the bottom-left corner.
    void Draw_Line(QPainter &painter, const QPointF &from, const QPointF &to);
    // What each cell shows, from its size in pixels at the preview's scale: its caption while it is
    // at least Caption_Cell pixels each way (smaller cells pile their 11-pixel captions into one
    // smear), its outline and crop marks while a pixel stays clear inside a 1-pixel outline. Cells
    // too small to outline are outlined as one block.
    struct Cell_Detail {
        bool captions = false;
        bool outlines = false;
    };
    static constexpr double Caption_Cell = 6;
    static constexpr double Outline_Cell = 3;
    static Cell_Detail Detail_At(const QSizeF &cellPixels);
    // preview_image with the sheet drawn into it; null while there is no page setup.
    QImage imageRepresentation();
    // The output whose PDF page option the PDF dialog's sheet follows; none: option 0.
    void setOutput(OutputController *output);
    // The sheets drawn so far: each is a full pass over the grid, so an edit should cost one.
    int sheetsDrawn() const { return m_sheetsDrawn; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_height = 0;   // the height the drawing is flipped by
    int m_sheetsDrawn = 0;
    QPointer<OutputController> m_output;
};
