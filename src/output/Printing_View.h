#pragma once
// The view a print job draws, one sheet per page: the grid of the job's sheet layout with the
// repeated label picture in every cell, up to the job's number of labels. A real job draws the
// picture raised to 600 DPI, a preview as it comes.

#include "output/SheetLayout.h"
#include "platform/Picture.h"

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;

class Printing_View {
public:
    // frame: the paper (0, 0, width, height) in points; printNotPreview: a real job.
    Printing_View(const QRectF &frame, bool printNotPreview, const SheetLayout &layout, const platform::Picture &picture);

    // Total_Label cells of Print_Row x Print_Col per page, rounded up.
    qint64 numberOfPages() const;
    QRectF rectForPage(qint64 page) const;
    // Draws page (0-based) into a painter whose unit is one point, origin at the paper's top-left.
    void drawRect(QPainter &painter, qint64 page);
    // The picture a cell gets: raised to 600 DPI for a real job, as it is for a preview.
    platform::Picture Change_dpi_for_image(const platform::Picture &image) const;

    // Every page into the printer, painted in points. progress(page) runs after each page and
    // answers NO to stop the job (which is then aborted). NO with the reason when the printer
    // could not be started, failed, or the job was stopped.
    bool print(QPrinter &printer, QString *error, const std::function<bool(qint64 page)> &progress = {});

    QRectF Page_Size_rect;
    const bool its_print_not_preview;

private:
    SheetLayout m_layout;
    platform::Picture m_picture;   // the repeated picture, at the job's resolution
};
