#include "output/Printing_View.h"

#include "core/ImageServices.h"
#include "output/PrintTarget.h"
#include "outputjobs/PaperBands.h"
#include "outputjobs/PaperBitmap.h"
#include "outputjobs/PrintRecordPictures.h"
#include "outputjobs/SheetPlacement.h"
#include "outputjobs/OutputGlobals.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <exception>
#include <limits>

const QString Printing_View::Preview_Cap_Message = QStringLiteral(
    "For Qualitative and Performance reasons, previewer shows print previews of only first 50 sheets. However, "
    "printing has no such restrictions.");

Printing_View::Printing_View(const QRectF &frame, bool printNotPreview, const SheetLayout &layout,
                             const platform::Picture &picture, int mode, Records records)
    : Page_Size_rect(frame), its_print_not_preview(printNotPreview), m_layout(layout), m_mode(mode),
      m_records(std::move(records))
{
    // The repeated picture is raised once for the whole job; with batch records it stands only for
    // the size of an invalid cell before the first fetch.
    m_picture = m_layout.Use_Data_Sheet_Values ? picture : Change_dpi_for_image(picture);
    Reset_Job();
}

Printing_View::Printing_View(const QRectF &frame, bool printNotPreview, const SheetLayout &layout,
                             const platform::Picture &picture, int mode)
    : Printing_View(frame, printNotPreview, layout, picture, mode, Records())
{
}

Printing_View::~Printing_View() = default;

bool Printing_View::batch() const { return m_layout.Use_Data_Sheet_Values || m_layout.Use_Excel_Binding_Values; }

int Printing_View::recordLimit() const
{
    // Every cell used advances both counters together, so the job never needs a record past its
    // range; in Barcode mode nor past the expanded value list.
    qint64 limit = qint64(std::max(0, m_layout.Print_Start)) + std::max(0, m_layout.Total_Label_Real);
    if (m_mode == 0)
        limit = std::min<qint64>(limit, std::max(0, m_layout.Total_Label_Wd_PQ));
    return int(std::min<qint64>(limit, std::numeric_limits<int>::max()));
}

platform::Picture Printing_View::Change_dpi_for_image(const platform::Picture &image) const
{
    if (!its_print_not_preview || image.isNull())
        return image;
    return Raised_For_Paper(image);
}

platform::Picture Printing_View::Raised_For_Paper(const platform::Picture &picture)
{
    return For_Paper(Increase_DPI(picture, 600));
}

platform::Picture Printing_View::For_Paper(const platform::Picture &raised)
{
    if (raised.isNull())
        return raised;
    // The raised picture's own bitmap when it has one (a one-bit symbol stays one bit, a symbol's
    // grey grid its grid).
    const QImage bitmap = raised.image().isNull() ? raised.toImage(600) : raised.image();
    if (bitmap.isNull() || bitmap.depth() == 1 || (raised.moduleGrid() && bitmap.format() == QImage::Format_Grayscale8))
        return raised;
    return platform::Picture::fromImage(paperbitmap::On_Paper(bitmap), raised.size());
}

qint64 Printing_View::numberOfPages()
{
    try {
        const qint64 per = qint64(std::max(1, m_layout.Print_Row)) * std::max(1, m_layout.Print_Col);
        const qint64 total = std::max(0, m_layout.Total_Label);
        qint64 pages = total / per + (total % per ? 1 : 0);
        numPages = pages;
        if (!its_print_not_preview && pages > Preview_Page_Cap) {
            // Told once: a preview window asks for its pages again at every update.
            if (!m_capTold && m_records.message)
                m_records.message(Preview_Cap_Message);
            m_capTold = true;
            pages = Preview_Page_Cap;
        }
        return pages;
    } catch (const std::exception &e) {
        if (m_records.log)
            m_records.log(QString::fromUtf8(e.what()));
        return 0;
    }
}

bool Printing_View::knowsPageRange(qint64 &, qint64 &length)
{
    length = numberOfPages();
    return true;
}

QRectF Printing_View::rectForPage(qint64) const { return Page_Size_rect; }

void Printing_View::Reset_Job()
{
    barcode_counter = 0;
    count = m_layout.Print_Start;
    pagesDrawn = 0;
    labelsDrawn = 0;
    m_endTold = false;
    m_pictures.reset();
    if (!batch())
        return;
    std::function<platform::Picture(const platform::Picture &)> raise;
    if (its_print_not_preview)
        raise = [](const platform::Picture &p) { return Raised_For_Paper(p); };
    PrintRecordPictures::Options options;
    options.fetchInParallel = m_records.fetchInParallel;
    options.fetchOn = m_records.fetchOn;
    options.hold = m_records.hold;
    m_pictures = std::make_unique<PrintRecordPictures>(m_records.fetch, raise, m_layout.Print_Start, recordLimit(),
                                                       options);
}

bool Printing_View::Job_Is_Done() const
{
    if (barcode_counter >= m_layout.Total_Label_Real)
        return true;
    return batch() && count >= recordLimit();
}

void Printing_View::drawRect(QPainter &painter, const QRectF &rect)
{
    drawSheet(painter, rect, {});
}

bool Printing_View::drawSheet(QPainter &painter, const QRectF &rect, const std::function<bool()> &startSheet)
{
    Page_Size_rect = rect;
    const int labelsBefore = labelsDrawn;
    bool started = true;
    painter.save();
    try {
        started = drawPage(painter, startSheet);
    } catch (const std::exception &e) {
        if (m_records.log)
            m_records.log(QString::fromUtf8(e.what()));
    }
    if (!started)
        return false;   // the target may have ended its painter with the sheet it could not start
    painter.restore();
    if (labelsDrawn > labelsBefore)
        ++pagesDrawn;
    return true;
}

bool Printing_View::drawPage(QPainter &painter, const std::function<bool()> &startSheet)
{
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QSizeF paper = m_layout.setup.paper;
    const sheetplacement::Sheet sheet = sheetplacement::Place_Sheet(m_layout, paper);
    const float w = m_layout.label_width, h = m_layout.label_hight;
    const bool designing = m_mode == 1;
    // The size of an invalid cell's text box: the repeated picture's until the first fetch of
    // the page (a card has the cell's size).
    float pw = designing ? w : float(m_picture.size().width());
    float ph = designing ? h : float(m_picture.size().height());
    const int rows = std::max(1, m_layout.Print_Row), cols = std::max(1, m_layout.Print_Col);
    const int labelsBefore = labelsDrawn;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            if (barcode_counter >= m_layout.Total_Label_Real)
                break;
            if (m_records.cell && !m_records.cell())
                return true;
            platform::Picture picture = m_picture;
            bool pastEnd = false;
            if (batch()) {
                for (;;) {
                    if (count >= recordLimit()) {
                        pastEnd = true;
                        break;
                    }
                    picture = m_pictures ? m_pictures->take(count) : platform::Picture();
                    if (!picture.isNull()) {
                        pw = designing ? w : float(picture.size().width());
                        ph = designing ? h : float(picture.size().height());
                        break;
                    }
                    // A record without a picture gives its cell to the next one: always for a card,
                    // in Barcode mode when invalid records are skipped.
                    const bool skip = designing || (m_mode == 0 && m_layout.skip_invalid_barcode);
                    if (!skip)
                        break;
                    ++count;
                    ++barcode_counter;
                    if (barcode_counter >= m_layout.Total_Label_Real) {
                        pastEnd = true;
                        break;
                    }
                }
            }
            if (pastEnd)
                break;
            // The sheet starts with its first label: a Stop or the end seen before it starts none.
            if (labelsDrawn == labelsBefore && startSheet && !startSheet())
                return false;
            const QRectF cell = sheet.cells[size_t(sheetplacement::Get_Curr_Label_Index(r, c, cols))].rect;
            const float x = float(cell.x()), y = float(cell.y());
            float px = x, py = y;
            if (m_layout.Use_Barocde_In_Center) {
                // Centred across the cell (overhanging both sides when wider), and up the cell when lower.
                px = x + w / 2 - pw / 2;
                if (ph < h)
                    py = y + (h - ph) / 2;
            }
            const QRectF pictureRect(px, py, pw, ph);
            if (!picture.isNull()) {
                QRectF target;
                if (m_mode == 0) {
                    target = pictureRect;
                } else {
                    // At its own size from the cell's bottom-left; a product's cell of another
                    // height puts the picture's top on the cell's top.
                    float pyDraw = py;
                    if (m_layout.Manual_or_Pre == 1 && h != m_layout.Real_label_hight)
                        pyDraw = py - (m_layout.Real_label_hight - h);
                    target = QRectF(px, pyDraw, picture.size().width(), picture.size().height());
                }
                painter.setCompositionMode(QPainter::CompositionMode_Source);
                painter.setOpacity(1.0);
                const QRectF placed = sheetplacement::flipped(target, paper.height());
                // A one-bit label goes as its bands of ink (the spool compresses on this thread).
                const bool bitmap = !picture.isVector() && !picture.moduleGrid();
                if (!(its_print_not_preview && bitmap && paperbands::Draw_In_Bands(painter, picture.image(), placed)))
                    picture.draw(painter, placed);
                painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
                Draw_Margin_rect(painter, pictureRect);
            } else {
                Draw_Label_String(painter, pictureRect, QStringLiteral("Invalid Data"), r, c);
            }
            ++labelsDrawn;
            Draw_Margin_rect(painter, cell);
            ++count;
            ++barcode_counter;
        }
    }
    // The job's last label is placed: the main window shows its first record or its design again.
    if (batch() && Job_Is_Done() && !m_endTold) {
        m_endTold = true;
        if (m_records.endOfBatch)
            m_records.endOfBatch();
    }
    return true;
}

void Printing_View::Draw_Label_String(QPainter &painter, const QRectF &rect, const QString &str_val, int, int) const
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setBold(true);
    // 11 points of the page, whatever the device's resolution (the painter draws in points).
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : 72.0;
    font.setPointSizeF(11.0 * 72.0 / dpi);
    const QFontMetricsF metrics(font, painter.device());
    const QSizeF text(metrics.horizontalAdvance(str_val), metrics.height());
    const QRectF box(rect.x() + (rect.width() - text.width()) / 2, rect.y() + (rect.height() - text.height()) / 2,
                     text.width(), text.height());
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::red);
    painter.drawText(sheetplacement::flipped(box, m_layout.setup.paper.height()), Qt::AlignCenter, str_val);
    painter.restore();
}

void Printing_View::Draw_Margin_rect(QPainter &painter, const QRectF &rect) const
{
    if (!m_layout.Enable_Crop_Marks)
        return;
    for (const QLineF &line : sheetplacement::Crop_Marks(rect))
        Draw_Line(painter, line.p1(), line.p2());
}

void Printing_View::Draw_Line(QPainter &painter, const QPointF &st_pt, const QPointF &et_pt) const
{
    const double H = m_layout.setup.paper.height();
    painter.save();
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(sheetplacement::flipped(st_pt, H), sheetplacement::flipped(et_pt, H));
    painter.restore();
}

bool Printing_View::print(QPrinter &printer, QString *error, const std::function<bool(qint64)> &progress)
{
    PrinterTarget target(printer);
    return print(target, error, progress);
}

bool Printing_View::print(PrintTarget &target, QString *error, const std::function<bool(qint64)> &progress)
{
    Reset_Job();
    stopped = false;
    failed = false;
    // A Stop confirmed before the job began sends nothing.
    if (m_records.cell && !m_records.cell()) {
        stopped = true;
        if (error)
            *error = QStringLiteral("the job was stopped");
        return false;
    }
    QPainter *painter = target.begin(error);
    if (!painter) {
        failed = true;
        return false;
    }
    const qint64 pages = numberOfPages();
    for (qint64 page = 0; page < pages; ++page) {
        // No sheet starts once every label is placed (records skipped use up the job early).
        if (page > 0 && Job_Is_Done())
            break;
        // The target's first sheet is begun with it; the others as their first label comes.
        const auto startSheet = [&] { return pagesDrawn == 0 || target.newPage(error); };
        if (!drawSheet(*painter, rectForPage(page), startSheet)) {
            m_pictures.reset();
            target.finish(false, nullptr);
            failed = true;
            return false;
        }
        if ((progress && !progress(page)) || (m_records.cell && !m_records.cell())) {
            stopped = true;
            break;
        }
    }
    m_pictures.reset();
    // A stopped job keeps the labels drawn: a printer has them anyway, a file holds them whole.
    if (!target.finish(!stopped || labelsDrawn > 0, error)) {
        failed = true;
        return false;
    }
    if (stopped && error)
        *error = QStringLiteral("the job was stopped");
    return !stopped;
}
