#include "platform/EpsPaintEngine.h"
#include "platform/Picture.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace platform {

namespace {

// QPdfWriter writes the page box in whole points and flips its content about that whole height.
// Give the page its exact size: keep the top edge where the content starts and move the bottom
// edge up (or down) to the real height. The new box is padded to the old one's length so that no
// byte offset of the file changes.
void setExactMediaBox(QByteArray &pdf, const QSizeF &points)
{
    const QByteArray key = QByteArrayLiteral("/MediaBox [");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0)
        return;
    const qsizetype open = start + key.size();
    const qsizetype close = pdf.indexOf(']', open);
    if (close < 0)
        return;
    const QList<QByteArray> numbers = pdf.mid(open, close - open).simplified().split(' ');
    if (numbers.size() != 4)
        return;
    bool ok = false;
    const double top = numbers[3].toDouble(&ok);
    if (!ok)
        return;
    QByteArray box = "0 " + epsNumber(top - points.height()) + ' ' + epsNumber(points.width()) + ' ' + epsNumber(top);
    const qsizetype room = close - open;
    if (box.size() > room)
        return;
    box.append(QByteArray(room - box.size(), ' '));
    pdf.replace(open, room, box);
}

} // namespace

QByteArray Picture::pdfData() const
{
    if (isNull() || m_size.width() <= 0 || m_size.height() <= 0)
        return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // Pages under one point are not accepted; the box is corrected afterwards anyway.
        const QSizeF page(std::max(m_size.width(), 1.0), std::max(m_size.height(), 1.0));
        writer.setPageSize(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        writer.setResolution(72);   // one painter unit is one point
        writer.setCreator(QStringLiteral("Tagora"));
        QPainter painter(&writer);
        if (!painter.isActive())
            return {};
        // Bitmaps (symbols among them) must not be JPEG-compressed.
        painter.setRenderHint(QPainter::LosslessImageRendering, true);
        if (m_paint) {
            (*m_paint)(painter);
        } else {
            draw(painter, QRectF(QPointF(0, 0), m_size));
        }
        painter.end();
    }
    QByteArray pdf = buffer.data();
    setExactMediaBox(pdf, m_size);
    return pdf;
}

} // namespace platform
