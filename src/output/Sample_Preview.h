#pragma once
// The sheet preview of the print and PDF dialogs: one sheet at a point per pixel, with the page, the
// margin rectangle, one outlined cell per label with its number, and optional crop marks. It draws
// no label contents, so a redraw costs the same for any design. It reads the sheet-layout globals;
// its geometry is the shared placement (output/SheetPlacement.h), in points from the bottom-left
// corner, turned to the painter's y-down space only where it paints.

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
    // preview_image with the sheet drawn into it; null while there is no page setup.
    QImage imageRepresentation();
    // The output whose PDF page option the PDF dialog's sheet follows; none: option 0.
    void setOutput(OutputController *output);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_height = 0;   // the height the drawing is flipped by
    QPointer<OutputController> m_output;
};
