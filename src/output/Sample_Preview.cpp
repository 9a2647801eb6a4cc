#include "output/Sample_Preview.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "output/OutputController.h"
#include "outputjobs/SheetLayout.h"
#include "outputjobs/SheetPlacement.h"
#include "platform/Picture.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor Margin_Grey = Qt::darkGray;

} // namespace

Sample_Preview::Sample_Preview(QWidget *parent) : QWidget(parent) {}

void Sample_Preview::setOutput(OutputController *output) { m_output = output; }

Sample_Preview::Cell_Detail Sample_Preview::Detail_At(const QSizeF &cellPixels)
{
    const double side = std::min(cellPixels.width(), cellPixels.height());
    return {side >= Caption_Cell, side >= Outline_Cell};
}

int Sample_Preview::Get_Curr_Label_Index(int row, int col) { return sheetplacement::Get_Curr_Label_Index(row, col, Print_Col); }

void Sample_Preview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    drawRect(painter, event->rect());
}

void Sample_Preview::drawRect(QPainter &painter, const QRectF &)
{
    if (!printInfo)
        return;
    const SheetLayout l = SheetLayout::fromGlobals();
    const QRectF bounds(QPointF(0, 0), size());
    m_height = bounds.height();
    const QSizeF page = l.PDF_View_Not_Print ? bounds.size() : l.previewPage();

    painter.save();
    painter.fillRect(bounds, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5));

    const sheetplacement::Sheet sheet = sheetplacement::Place_Sheet(l, page);
    // The PDF dialog's page option: 0 one file, 1 per sheet, 2 per label, 3 one label per page.
    const int pdfOption = m_output ? m_output->pdf_export_opt : 0;
    const bool margins = l.PDF_View_Not_Print ? !(PDF_Use_Label_Size && (pdfOption == 2 || pdfOption == 3))
                                              : l.Manual_or_Pre == 0;
    if (margins) {
        painter.setPen(QPen(Margin_Grey, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sheetplacement::flipped(sheet.marginRect, m_height));
    }
    const QString caption = Barcode_Image && !Barcode_Image->isNull() ? QStringLiteral("Label") : QStringLiteral("Invalid Data");
    const QSizeF cellPixels = painter.worldTransform().mapRect(QRectF(0, 0, l.label_width, l.label_hight)).size();
    const Cell_Detail detail = Detail_At(cellPixels);
    if (detail.outlines) {
        for (const sheetplacement::Cell &cell : sheet.cells) {
            if (detail.captions)
                Draw_Label_String(painter, cell.rect, caption, cell.row, cell.col);
            Draw_Margin_rect(painter, cell.rect);
        }
    } else if (Show_margin_rect && !sheet.cells.empty()) {
        // Outlines this small would merge into one grey field: the block's outline says as much.
        const QRectF block = sheet.cells.front().rect.united(sheet.cells.back().rect);
        painter.setPen(QPen(Margin_Grey, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sheetplacement::flipped(block, m_height));
    }
    painter.restore();
    ++m_sheetsDrawn;
}

void Sample_Preview::Draw_Label_String(QPainter &painter, const QRectF &cell, const QString &text, int row, int col)
{
    const bool label = text == QLatin1String("Label");
    const QString shown = label ? QStringLiteral("%1 %2").arg(text).arg(Get_Curr_Label_Index(row, col) + 1) : text;
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(11);   // a point is a pixel here
    painter.save();
    painter.setFont(font);
    painter.setPen(label ? QColor(Qt::gray) : QColor(Qt::red));
    // Centred on the cell, overflowing both sides alike when wider.
    painter.drawText(sheetplacement::flipped(cell, m_height), Qt::AlignCenter | Qt::TextDontClip, shown);
    painter.restore();
}

void Sample_Preview::Draw_Margin_rect(QPainter &painter, const QRectF &cell)
{
    painter.save();
    if (Show_margin_rect) {
        painter.setPen(QPen(Margin_Grey, 1));
        painter.setBrush(Qt::NoBrush);
        const QRectF r = sheetplacement::flipped(QRectF(cell.topLeft(), QSizeF(label_width, label_hight)), m_height);
        if (Barcode_Setting_Or_Designing_Mode == 0 || (Card_Shape != 1 && Card_Shape != 2))
            painter.drawRect(r);
        else if (Card_Shape == 1)
            painter.drawRoundedRect(r, 10, 10);
        else
            painter.drawEllipse(r);
    }
    if (Enable_Crop_Marks)
        for (const QLineF &line : sheetplacement::Crop_Marks(cell))
            Draw_Line(painter, line.p1(), line.p2());
    painter.restore();
}

void Sample_Preview::Draw_Line(QPainter &painter, const QPointF &from, const QPointF &to)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(sheetplacement::flipped(from, m_height), sheetplacement::flipped(to, m_height));
    painter.restore();
}

QImage Sample_Preview::imageRepresentation()
{
    if (!printInfo)
        return QImage();
    if (preview_image.size() != size()) {
        preview_image = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        preview_image.fill(Qt::transparent);
    }
    {
        QPainter painter(&preview_image);
        drawRect(painter, QRectF(QPointF(0, 0), size()));
    }
    return preview_image;
}
