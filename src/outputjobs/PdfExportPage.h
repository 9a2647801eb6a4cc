#pragma once
// The pages of one PDF export job: the sheet placement of the print pages with the PDF's own
// rules. Pictures are drawn as the providers make them (no raised copy), a label without a
// picture shows the invalid-data picture in its cell, no crop marks, card pictures fill their cell,
// barcode pictures keep their size (centred across the cell for sheets of several labels), and a
// page may be the size of one label.
//
// One job owns one object, on the worker thread. The counters run on from page to page: count is
// the next record, barcode_counter the labels handled so far.

#include "outputjobs/SheetLayout.h"
#include "platform/Picture.h"
#include "outputjobs/OutputGlobals.h"

#include <QSizeF>

#include <atomic>
#include <functional>
#include <optional>

class QPainter;
namespace sheetplacement { struct Sheet; }

class PdfExportPage {
public:
    struct Setup {
        SheetLayout layout;           // rows, columns, label, gaps, margins, alignment, range
        QSizeF paper;                 // the page setup's paper in points
        int mode = 1;                 // 0 Barcode, 1 Designing, 2 Advanced QR
        int option = 0;               // the output option, 0 to 3
        bool PDF_Use_Label_Size = false;
        bool batch = false;           // batch records (one record per label) or one repeated picture
        platform::Picture Barcode_Image;
        platform::Picture invalid_image;
    };

    // fetch: the picture of record i (null when it yields none), called on the job's thread.
    // stop: the job's stop flag, polled before each cell and set when the labels run out.
    // visited: the progress figure, one more for every cell visited.
    // hold: while set (the Stop question is open), no further cell is begun.
    PdfExportPage(Setup setup, std::function<platform::Picture(int)> fetch, std::atomic<bool> &stop,
                  std::atomic<double> *visited = nullptr, const std::atomic<bool> *hold = nullptr);

    // The page is the size of one label: options 2 and 3 with the label-size box.
    bool Draw_PDF_With_Label_Size() const;
    // The page box of the next page: the paper, or the label picture's size for label-size pages
    // (the invalid-data picture's without one).
    QSizeF pageSize(const std::optional<platform::Picture> &pass_image) const;

    // Draws the next page into a painter whose unit is one point, origin at the page's top-left.
    // pass_image: the label picture the job fetched itself (a null picture: the record has none),
    // or nothing to let the page take its pictures.
    void Draw_Pdf_Layout(QPainter &painter, const std::optional<platform::Picture> &pass_image = std::nullopt);

    // Records the job passes over without drawing them (a file not written at the prompt).
    void Pass_Over(int records);

    // YES once the page drawing ran out of labels (it set the stop flag itself).
    bool exhausted() const { return m_exhausted; }

    int count = 0;
    int barcode_counter = 0;
    const Setup &setup() const { return m_setup; }

private:
    platform::Picture pictureFor(const std::optional<platform::Picture> &pass_image) const;
    void drawCells(QPainter &painter, const sheetplacement::Sheet &sheet, const SheetLayout &l, const QSizeF &page,
                   const platform::Picture &picture, bool handedIn);

    Setup m_setup;
    std::function<platform::Picture(int)> m_fetch;
    std::atomic<bool> &m_stop;
    std::atomic<double> *m_visited;
    const std::atomic<bool> *m_hold;
    bool m_started = false;
    bool m_exhausted = false;
};
