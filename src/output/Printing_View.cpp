#include "output/Printing_View.h"

#include "core/ImageServices.h"
#include "output/SheetPlacement.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

Printing_View::Printing_View(const QRectF &frame, bool printNotPreview, const SheetLayout &layout,
                             const platform::Picture &picture)
    : Page_Size_rect(frame), its_print_not_preview(printNotPreview), m_layout(layout)
{
    // One picture for every cell: raised once for the whole job.
    m_picture = Change_dpi_for_image(picture);
}

platform::Picture Printing_View::Change_dpi_for_image(const platform::Picture &image) const
{
    if (!its_print_not_preview || image.isNull())
        return image;
    return Increase_DPI(image, 600);
}

qint64 Printing_View::numberOfPages() const
{
    const qint64 per = qint64(std::max(1, m_layout.Print_Row)) * std::max(1, m_layout.Print_Col);
    const qint64 total = std::max(0, m_layout.Total_Label);
    return total / per + (total % per ? 1 : 0);
}

QRectF Printing_View::rectForPage(qint64) const { return Page_Size_rect; }

void Printing_View::drawRect(QPainter &painter, qint64 page)
{
    const QSizeF paper = m_layout.setup.paper;
    const sheetplacement::Sheet sheet = sheetplacement::Place_Sheet(m_layout, paper);
    const qint64 per = qint64(sheet.cells.size());
    const float w = m_layout.label_width, h = m_layout.label_hight;
    const QSizeF own = m_picture.size();
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering);
    for (qint64 i = 0; i < per; ++i) {
        if (page * per + i >= m_layout.Total_Label_Real)
            break;
        if (m_picture.isNull())
            break;
        const QRectF cell = sheet.cells[size_t(i)].rect;
        float px = float(cell.x()), py = float(cell.y());
        if (m_layout.Use_Barocde_In_Center) {
            // Centred across the cell (overhanging both sides when wider), and up the cell when lower.
            const float pw = float(own.width()), ph = float(own.height());
            px = float(cell.x()) + w / 2 - pw / 2;
            if (ph < h)
                py = float(cell.y()) + (h - ph) / 2;
        } else if (m_layout.Manual_or_Pre == 1 && h != m_layout.Real_label_hight) {
            // A product's cell of another height: the picture's top on the cell's top.
            py = py - (m_layout.Real_label_hight - h);
        }
        const QRectF target = sheetplacement::flipped(QRectF(px, py, own.width(), own.height()), paper.height());
        m_picture.draw(painter, target);
    }
    painter.restore();
}

bool Printing_View::print(QPrinter &printer, QString *error, const std::function<bool(qint64)> &progress)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = printer.outputFileName().isEmpty() ? QStringLiteral("the printer could not be started")
                                                        : QStringLiteral("the file could not be written");
        return false;
    }
    // One painter unit is one point of the paper, whatever the printer's resolution.
    const double scale = printer.resolution() / 72.0;
    painter.scale(scale, scale);
    const qint64 pages = numberOfPages();
    for (qint64 page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            if (error)
                *error = QStringLiteral("the printer refused a new page");
            painter.end();
            return false;
        }
        drawRect(painter, page);
        if (progress && !progress(page)) {
            printer.abort();
            painter.end();
            if (error)
                *error = QStringLiteral("the job was stopped");
            return false;
        }
    }
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error) {
        if (error)
            *error = QStringLiteral("the printer did not accept the job");
        return false;
    }
    return true;
}
