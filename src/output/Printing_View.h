#pragma once
// The view a print job draws, one sheet per page: the grid of the job's sheet layout with one label
// picture in every cell, taken in order from the job's records (the expanded value list in Barcode
// mode, the card records in the other modes), or the one repeated picture when no batch records
// are printed. A real job draws every picture raised to 600 DPI, a preview as it comes.
//
// The job's record counters (count, barcode_counter) run on from page to page, so pages are drawn
// once each and in order; print() starts them again for every full render (a preview window renders
// all its pages again whenever it updates).

#include "outputjobs/SheetLayout.h"
#include "platform/Picture.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class PrintRecordPictures;
class PrintTarget;

class Printing_View {
public:
    // What the job asks the main window for; any of them may be empty.
    struct Records {
        // The picture of record i (0-based): Barcode mode the label of the expanded value list,
        // the other modes the card filled with the record. Null when the record yields none.
        // Called in record order, each record at most once per render: a preview's on the thread
        // that draws, a real job's through fetchOn (see PrintRecordPictures).
        std::function<platform::Picture(int record)> fetch;
        // A real job's fetch may run on several workers at once (records read from a snapshot).
        bool fetchInParallel = false;
        // Runs a real job's fetches, a few records at a time, where they must run and waits (the GUI
        // thread's runner); empty: on the workers.
        std::function<void(const std::function<void()> &)> fetchOn;
        // While set, a real job starts no record (the Stop question is open).
        const std::atomic<bool> *hold = nullptr;
        // After the job's last label of a batch: the main window shows its first record or its
        // design again.
        std::function<void()> endOfBatch;
        // The preview cap's message, shown to the user.
        std::function<void(const QString &)> message;
        // The reason of a failure while drawing, logged.
        std::function<void(const QString &)> log;
        // Before each cell and after each page: answers NO to stop the job (the stop flag).
        std::function<bool()> cell;
    };

    // frame: the paper (0, 0, width, height) in points; printNotPreview: a real job.
    Printing_View(const QRectF &frame, bool printNotPreview, const SheetLayout &layout, const platform::Picture &picture,
                  int mode, Records records);
    Printing_View(const QRectF &frame, bool printNotPreview, const SheetLayout &layout, const platform::Picture &picture,
                  int mode = 0);
    ~Printing_View();

    // Total_Label cells of Print_Row x Print_Col per page, rounded up; a preview shows at most
    // Preview_Page_Cap pages, told once per view with the preview message.
    qint64 numberOfPages();
    // The page range: length numberOfPages(), the location left as it is; always YES.
    bool knowsPageRange(qint64 &location, qint64 &length);
    QRectF rectForPage(qint64 page) const;
    // Draws the next page into a painter whose unit is one point, origin at the paper's top-left.
    // rect: the page rectangle. An exception ends the page as drawn so far, logged.
    void drawRect(QPainter &painter, const QRectF &rect);
    // The picture a cell gets: raised to 600 DPI for a real job, as it is for a preview.
    platform::Picture Change_dpi_for_image(const platform::Picture &image) const;
    // A raised picture as the paper takes it (paperbitmap::On_Paper): transparent parts on the
    // paper's white (the cell is drawn by copy, so they print white), one bit a pixel when it is
    // ink on paper, else as it is (the spool writes grey and colour alike as 8-bit RGB).
    static platform::Picture For_Paper(const platform::Picture &raised);
    // The picture raised to 600 DPI and as the paper takes it (For_Paper), on any thread. A painted
    // label is painted into a buffer of the raster pool (platform/RasterImage.h), which takes it
    // back once the paper's bitmap is made: a job's labels made anew each in a buffer of megabytes
    // would fragment the workers' heaps, which then grow through a long job.
    static platform::Picture Raised_For_Paper(const platform::Picture &picture);
    // A text centred in the rectangle (y-up points of the page): red, bold, 11 pt.
    void Draw_Label_String(QPainter &painter, const QRectF &rect, const QString &str_val, int row, int col) const;
    // The crop marks of the rectangle (y-up points) when the layout asks for them.
    void Draw_Margin_rect(QPainter &painter, const QRectF &rect) const;
    // One black line 1 pt wide between two y-up points.
    void Draw_Line(QPainter &painter, const QPointF &st_pt, const QPointF &et_pt) const;

    // Starts the job's counters again, as a fresh job does: barcode_counter 0, count Print_Start.
    void Reset_Job();
    // YES once every label of the job is placed (or every record used up): no page starts then.
    bool Job_Is_Done() const;

    // Every page into the target, painted in points, from a fresh start of the counters. A sheet
    // starts with its first label, so pages stop once every label is placed and a Stop seen before
    // a sheet's first label starts none. progress(page) runs after each page and answers NO to stop
    // the job, which then ends with the labels drawn (stopped set; nothing when none was drawn). NO
    // with the reason when the target could not be started or failed (failed set, also after a
    // Stop), or the job was stopped.
    bool print(PrintTarget &target, QString *error, const std::function<bool(qint64 page)> &progress = {});
    // The same into a printer (a preview's among them).
    bool print(QPrinter &printer, QString *error, const std::function<bool(qint64 page)> &progress = {});

    static constexpr qint64 Preview_Page_Cap = 50;
    static const QString Preview_Cap_Message;

    QRectF Page_Size_rect;
    const bool its_print_not_preview;
    qint64 numPages = 0;
    int count = 0;             // the next record to fetch, 0-based
    int barcode_counter = 0;   // cells used so far in this job, drawn or skipped
    int pagesDrawn = 0;        // pages holding labels drawn since the last start of the counters
    int labelsDrawn = 0;       // cells drawn since then, a picture or "Invalid Data"
    bool stopped = false;      // the last print() was stopped
    bool failed = false;       // the last print()'s target failed

private:
    bool batch() const;
    // The last record the job may fetch, exclusive.
    int recordLimit() const;
    // drawRect() that calls startSheet before the sheet's first label; NO when that failed.
    bool drawSheet(QPainter &painter, const QRectF &rect, const std::function<bool()> &startSheet);
    bool drawPage(QPainter &painter, const std::function<bool()> &startSheet);

    SheetLayout m_layout;
    int m_mode = 0;
    Records m_records;
    platform::Picture m_picture;   // the repeated picture, at the job's resolution
    bool m_capTold = false;
    bool m_endTold = false;
    std::unique_ptr<PrintRecordPictures> m_pictures;
};
