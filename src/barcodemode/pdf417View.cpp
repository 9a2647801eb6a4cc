#include "barcodemode/pdf417View.h"

#include "barcodemode/BarcodeModeGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "platform/Dialogs.h"
#include "core/SymbolGlobals.h"

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QPen>

#include <cstring>

pdf417View::pdf417View(const QRectF &frame)
    : m_frame(frame)
{
    pdf417::pdf417init(&p);
    _drawEmptyString();
}

pdf417View::pdf417View(const QRectF &frame, int level)
    : pdf417View(frame)
{
    errorLevel = level;
}

void pdf417View::setNeedsDisplay()
{
    if (m_needsDisplay)
        m_needsDisplay();
}

void pdf417View::_drawEmptyString()
{
    imageState = ImageEmpty;
    setNeedsDisplay();
}

void pdf417View::setErrorLevel(int level)
{
    errorLevel = level;
    Show_NSLog_Message(QStringLiteral("ErrorLevel set to %1").arg(errorLevel));
}

int pdf417View::drawWithText(const QString &string)
{
    return drawWithText(string, Type_draw_2d_flag ? 0 : int(USED_DPI_VALUE));
}

int pdf417View::drawWithText(const QString &string, int dpi)
{
    if (string.isEmpty()) {
        _drawEmptyString();
        return ImageEmpty;
    }

    pdf417::pdf417init(&p);
    m_textBytes = pdf417::textBytes(string);
    p.text = m_textBytes.constData();
    p.lenText = int(m_textBytes.size());
    p.options = pdf417::OptionUseErrorLevel | pdf417::OptionInvertBitmap;
    p.errorLevel = errorLevel;
    p.aspectRatio = 1.0f;
    pdf417::paintCode(&p);

    if (p.error) {
        Show_NSLog_Message(QStringLiteral("Error encountered while drawing barcode, error %1.").arg(p.error));
        pdf417::pdf417free(&p);
        imageState = ImageFailed;
        setNeedsDisplay();
        return ImageFailed;
    }

    // Every module is stretched to the view's bounds; the image keeps its own copy of the bits.
    pdf417Image = platform::Picture::fromImage(pdf417::bitmapImage(p), bounds().size());
    if (dpi > 0)
        pdf417Image = Increase_DPI(pdf417Image, dpi);

    imageState = ImageReady;
    setNeedsDisplay();
    return ImageReady;
}

void pdf417View::drawRect(QPainter &painter, const QRectF &rect) const
{
    Q_UNUSED(rect);
    const QRectF area = bounds();
    painter.save();
    switch (imageState) {
    case ImageReady:
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setOpacity(1.0);
        pdf417Image.draw(painter, area);
        break;
    case ImageEmpty:
        painter.fillRect(area, QColor(Qt::lightGray));
        break;
    default:
        painter.fillRect(area, Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::TextWordWrap, QStringLiteral("There was a problem drawing the barcode."));
        break;
    }
    painter.restore();
    if (dragSessionInProgress) {
        painter.save();
        painter.setPen(QPen(Qt::red, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.restore();
    }
}

// ---- coding ----

void pdf417View::encodeWithCoder(QDataStream &out) const
{
    out << qint32(errorLevel) << qint8(isDragTarget ? 1 : 0) << qint8(isDragSource ? 1 : 0) << qint32(imageState);
    if (pdf417Image.isNull()) {
        out << bounds().size() << QImage();   // an empty image of the bounds size
        return;
    }
    const QImage bitmap = pdf417Image.isVector() ? pdf417Image.toImage(72) : pdf417Image.image();
    out << pdf417Image.size() << bitmap;
}

bool pdf417View::initWithCoder(QDataStream &in)
{
    Show_NSLog_Message(QStringLiteral("unarchiving pdf417View"));
    qint32 level = 0;
    qint8 target = 0;
    qint8 source = 0;
    qint32 state = 0;
    QSizeF size;
    QImage bitmap;
    in >> level >> target >> source >> state >> size >> bitmap;
    if (in.status() != QDataStream::Ok || state < ImageReady || state > ImageFailed)
        return false;
    errorLevel = level;
    isDragTarget = target != 0;
    isDragSource = source != 0;
    imageState = state;
    pdf417Image = bitmap.isNull() ? platform::Picture() : platform::Picture::fromImage(bitmap, size);
    setNeedsDisplay();
    return true;
}

// ---- drag and drop ----

QByteArray pdf417View::_imageValue() const
{
    if (pdf417Image.isNull())
        return {};
    const QImage bitmap = pdf417Image.isVector() ? pdf417Image.toImage(72) : pdf417Image.image();
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    if (!writer.write(bitmap))
        return {};
    return tiff;
}

std::unique_ptr<QMimeData> pdf417View::mouseDown(Qt::KeyboardModifiers modifiers) const
{
    if ((modifiers & Qt::AltModifier) || !isDragSource)
        return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/tiff"), _imageValue());
    return data;
}

Qt::DropActions pdf417View::draggingSourceOperationMaskForLocal(bool isLocal) const
{
    Q_UNUSED(isLocal);
    return isDragSource ? Qt::CopyAction : Qt::IgnoreAction;
}

bool pdf417View::_canTakeValueFromPasteboard(const QMimeData *data) const
{
    return data && data->hasText();
}

Qt::DropAction pdf417View::draggingEntered(const QMimeData *data, Qt::DropActions sourceOperations)
{
    if (!isDragTarget || !_canTakeValueFromPasteboard(data))
        return Qt::IgnoreAction;
    dragSessionInProgress = true;
    setNeedsDisplay();
    return (sourceOperations & Qt::CopyAction) ? Qt::CopyAction : Qt::IgnoreAction;
}

void pdf417View::concludeDragOperation()
{
    dragSessionInProgress = false;
    setNeedsDisplay();
}

bool pdf417View::_takeValueFromPasteboard(const QMimeData *data, const QString &operationName)
{
    if (!_canTakeValueFromPasteboard(data)) {
        platform::AlertRequest alert;
        alert.message = QStringLiteral("Paste");
        alert.informative = QStringLiteral("Unable to perform %1 operation.").arg(operationName);
        alert.buttons = {QStringLiteral("OK")};
        platform::runAlert(alert);
        return false;
    }
    drawWithText(data->text());
    return true;
}

bool pdf417View::performDragOperation(const QMimeData *data)
{
    return _takeValueFromPasteboard(data, QStringLiteral("drop"));
}
