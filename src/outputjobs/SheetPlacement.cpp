#include "outputjobs/SheetPlacement.h"
#include "outputjobs/OutputGlobals.h"

#include <algorithm>

namespace sheetplacement {

int Get_Curr_Label_Index(int row, int col, int cols) { return (row - 1) * cols + col - 1; }

Sheet Place_Sheet(const SheetLayout &l, const QSizeF &page)
{
    Sheet s;
    s.page = page;
    // Single precision throughout, as the layout holds it.
    const float W = float(page.width()), H = float(page.height());
    const float L = l.Left_Mar, R = l.Rite_Mar, T = l.Top_Mar, B = l.Bot_Mar;
    const float w = l.label_width, h = l.label_hight, gh = l.horz_mar, gv = l.vert_mar;
    const int rows = std::max(1, l.Print_Row), cols = std::max(1, l.Print_Col);
    const int align = l.label_align_val >= 1 && l.label_align_val <= 9 ? l.label_align_val : 1;
    const float UW = W - L - R, UH = H - T - B;
    const float BW = float(cols) * w + float(cols - 1) * gh;
    const float BH = float(rows) * h + float(rows - 1) * gv;
    s.marginRect = QRectF(L, B, W - (R + L), H - (T + B));

    // The bottom edge of the top row, and the left edge of the first column.
    float top;
    float left;
    if (l.auto_center_flag) {
        top = BH - h + gv + B;
        left = L + gh;
    } else {
        const int vertical = (align - 1) / 3;     // 0 top, 1 middle, 2 bottom
        const int horizontal = (align - 1) % 3;   // 0 left, 1 centre, 2 right
        top = vertical == 0 ? H - h - T : vertical == 1 ? (UH - BH) / 2 + B + BH - h : BH - h + B;
        left = horizontal == 0 ? L : horizontal == 1 ? L + (UW - BW) / 2 : W - BW - R;
    }
    s.cells.reserve(size_t(rows) * size_t(cols));
    float y = top;
    for (int r = 1; r <= rows; ++r) {
        float x = left;
        for (int c = 1; c <= cols; ++c) {
            s.cells.push_back({r, c, Get_Curr_Label_Index(r, c, cols) + 1, QRectF(x, y, w, h)});
            x = x + w + gh;
        }
        y = y - h - gv;
    }
    return s;
}

std::array<QLineF, 8> Crop_Marks(const QRectF &rect, double length)
{
    // Single precision, as the rectangle is taken.
    const float x = float(rect.x()), y = float(rect.y()), w = float(rect.width()), h = float(rect.height());
    const float d = float(length);
    return {QLineF(x, y, x - d, y),         QLineF(x, y, x, y - d),
            QLineF(x + w, y, x + w + d, y), QLineF(x + w, y, x + w, y - d),
            QLineF(x, y + h, x - d, y + h), QLineF(x, y + h, x, y + h + d),
            QLineF(x + w, y + h, x + w + d, y + h), QLineF(x + w, y + h, x + w, y + h + d)};
}

QRectF flipped(const QRectF &rect, double pageHeight)
{
    return QRectF(rect.x(), pageHeight - rect.y() - rect.height(), rect.width(), rect.height());
}

QPointF flipped(const QPointF &point, double pageHeight) { return QPointF(point.x(), pageHeight - point.y()); }

} // namespace sheetplacement
