#include "outputjobs/PdfExportPage.h"

#include "core/Messages.h"
#include "core/OrderedPipeline.h"
#include "outputjobs/SheetPlacement.h"
#include "outputjobs/OutputGlobals.h"

#include <exception>

#include <QPainter>

PdfExportPage::PdfExportPage(Setup setup, std::function<platform::Picture(int)> fetch, std::atomic<bool> &stop,
                             std::atomic<double> *visited, const std::atomic<bool> *hold)
    : m_setup(std::move(setup)), m_fetch(std::move(fetch)), m_stop(stop), m_visited(visited), m_hold(hold)
{
}

bool PdfExportPage::Draw_PDF_With_Label_Size() const
{
    return (m_setup.option == 2 || m_setup.option == 3) && m_setup.PDF_Use_Label_Size;
}

platform::Picture PdfExportPage::pictureFor(const std::optional<platform::Picture> &pass_image) const
{
    if (pass_image)
        return *pass_image;
    return m_setup.Barcode_Image;
}

QSizeF PdfExportPage::pageSize(const std::optional<platform::Picture> &pass_image) const
{
    if (!Draw_PDF_With_Label_Size())
        return m_setup.paper;
    if (m_setup.mode == 1)
        return QSizeF(m_setup.layout.label_width, m_setup.layout.label_hight);
    const platform::Picture picture = pictureFor(pass_image);
    if (picture.isNull())
        return m_setup.invalid_image.size();
    return picture.size();
}

void PdfExportPage::Pass_Over(int records)
{
    if (!m_started)
        count = m_setup.layout.Print_Start;
    m_started = true;
    count += records;
    barcode_counter += records;
}

void PdfExportPage::Draw_Pdf_Layout(QPainter &painter, const std::optional<platform::Picture> &pass_image)
{
    SheetLayout l = m_setup.layout;
    if (!m_started) {
        count = l.Print_Start;
        m_started = true;
    }
    const platform::Picture picture = pictureFor(pass_image);
    // A picture the job fetched for this one label: its size is the label's.
    const bool handedIn = pass_image.has_value() && m_setup.batch && m_setup.mode != 1;
    if (Draw_PDF_With_Label_Size() && handedIn) {
        const QSizeF size = picture.isNull() ? m_setup.invalid_image.size() : picture.size();
        l.label_width = float(size.width());
        l.label_hight = float(size.height());
    }
    QSizeF page = m_setup.paper;
    if (Draw_PDF_With_Label_Size()) {
        page = pageSize(pass_image);
        l.Left_Mar = l.Rite_Mar = l.Top_Mar = l.Bot_Mar = 0;
    }
    const sheetplacement::Sheet sheet = sheetplacement::Place_Sheet(l, page);
    painter.save();
    // A failure ends this page as drawn so far, logged; the job goes on with the next.
    try {
        drawCells(painter, sheet, l, page, picture, handedIn);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    painter.restore();
}

void PdfExportPage::drawCells(QPainter &painter, const sheetplacement::Sheet &sheet, const SheetLayout &l,
                              const QSizeF &page, const platform::Picture &picture, bool handedIn)
{
    const bool barcodeMode = m_setup.mode == 0;
    const float w = l.label_width, h = l.label_hight;
    for (const sheetplacement::Cell &cell : sheet.cells) {
        if (count >= l.Total_Label_Real) {
            m_exhausted = true;
            m_stop = true;
        }
        // A sheet holds many labels: the Stop question holds the job between them, not only between sheets.
        pipeline::waitWhileHeld(m_hold);
        if (m_stop)
            break;
        if (m_visited)
            *m_visited = *m_visited + 1;
        platform::Picture pic = picture;
        if (m_setup.batch) {
            bool ended = false;
            for (;;) {
                if (barcode_counter >= l.Total_Label_Real || count >= l.Total_Label_Real) {
                    m_exhausted = true;
                    m_stop = true;
                    ended = true;
                    break;
                }
                if (handedIn)
                    pic = picture;
                else if (m_fetch)
                    pic = m_fetch(count);
                else
                    pic = {};
                // With skip-invalid the same cell takes the next record.
                if (pic.isNull() && l.skip_invalid_barcode && !handedIn) {
                    ++count;
                    ++barcode_counter;
                    continue;
                }
                break;
            }
            if (ended)
                break;
        }
        QRectF target;
        if (pic.isNull()) {
            target = QRectF(cell.rect.x(), cell.rect.y(), w, h);
            m_setup.invalid_image.draw(painter, sheetplacement::flipped(target, page.height()));
        } else {
            if (m_setup.mode == 1) {
                target = QRectF(cell.rect.x(), cell.rect.y(), w, h);
            } else {
                const QSizeF size = pic.size();
                double x = cell.rect.x();
                if (barcodeMode && (m_setup.option == 0 || m_setup.option == 1))
                    x = float(cell.rect.x()) + w / 2 - float(size.width()) / 2;
                target = QRectF(QPointF(x, cell.rect.y()), size);
            }
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.setOpacity(1.0);
            pic.draw(painter, sheetplacement::flipped(target, page.height()));
        }
        ++count;
        ++barcode_counter;
    }
}
