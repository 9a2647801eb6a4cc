#pragma once
// The PDF417 view: owns one encoder record, encodes a string into it and turns the bitmap into a
// picture of the view's own size, raised to the output resolution unless the one-shot 2D flag is
// set. The Barcode mode's editors own one each. A plain object with a frame, not a widget: whoever shows it calls drawRect with a painter,
// and the drag-and-drop handlers take and give QMimeData.

#include "engines/pdf417/pdf417Bitmap.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <Qt>

#include <functional>
#include <memory>

class QDataStream;
class QMimeData;
class QPainter;

class pdf417View {
public:
    enum ImageState { ImageReady = 0, ImageEmpty = 1, ImageFailed = 2 };

    // initWithFrame: the empty state, error level 2, drags off.
    explicit pdf417View(const QRectF &frame = QRectF());
    // A view made for one symbol at an error level (nothing logged).
    pdf417View(const QRectF &frame, int level);

    QRectF frame() const { return m_frame; }
    QRectF bounds() const { return QRectF(QPointF(0, 0), m_frame.size()); }
    void setFrameSize(const QSizeF &size) { m_frame.setSize(size); }

    // Encodes the string; answers the new imageState: 0 success, 1 empty string, 2 failure.
    int drawWithText(const QString &string);
    // The same with the resolution the symbol image is raised to given (0: not raised).
    int drawWithText(const QString &string, int dpi);
    // A copy of the last symbol image (null before the first success).
    platform::Picture getImage() const { return pdf417Image; }
    // Stores the level asked for (the encoder clamps it to what the data allows) and logs it.
    void setErrorLevel(int level);
    int getErrorLevel() const { return errorLevel; }
    int getImageState() const { return imageState; }
    const pdf417::_pdf417param &param() const { return p; }

    void _drawEmptyString();
    // Paints the view into its bounds: the symbol, a light grey placeholder or the failure text.
    void drawRect(QPainter &painter, const QRectF &rect) const;
    // Called whenever the view asks to be redrawn.
    void setNeedsDisplayHandler(std::function<void()> handler) { m_needsDisplay = std::move(handler); }

    // Sequential coding: errorLevel, isDragTarget, isDragSource, imageState, then the image.
    void encodeWithCoder(QDataStream &out) const;
    // Reads what encodeWithCoder wrote into this view; false (view unchanged) on bad data.
    bool initWithCoder(QDataStream &in);

    // Drag and drop, active only while the flags are on.
    bool isDragTarget = false;
    bool isDragSource = false;
    bool dragSessionInProgress = false;
    // A click: the drag data (the image as TIFF) when a drag starts, nullptr when the click goes
    // to the default handling (Alt held, or no drag source).
    // The steps of a drag from or onto the view, each given what its event carries.
    std::unique_ptr<QMimeData> mouseDown(Qt::KeyboardModifiers modifiers) const;
    Qt::DropActions draggingSourceOperationMaskForLocal(bool isLocal) const;
    bool shouldDelayWindowOrderingForEvent() const { return isDragSource; }
    Qt::DropAction draggingEntered(const QMimeData *data, Qt::DropActions sourceOperations);
    bool prepareForDragOperation() const { return true; }
    bool performDragOperation(const QMimeData *data);
    void concludeDragOperation();
    QByteArray _imageValue() const;
    bool _takeValueFromPasteboard(const QMimeData *data, const QString &operationName);
    bool _canTakeValueFromPasteboard(const QMimeData *data) const;

    // The window description's text outlet; the view's operations do not use it.
    QString inString;

private:
    void setNeedsDisplay();

    platform::Picture pdf417Image;
    pdf417::_pdf417param p;
    int errorLevel = 2;
    int imageState = ImageEmpty;

    QRectF m_frame;
    QByteArray m_textBytes;   // the data the record points at
    std::function<void()> m_needsDisplay;
};
