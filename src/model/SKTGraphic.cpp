#include "model/SKTGraphic.h"

#include "core/Globals.h"
#include "core/Edition.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "model/GraphicRects.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "platform/GuiThread.h"

#include <QMutex>
#include <QMutexLocker>

#include <cmath>
#include <exception>

namespace {

struct TextDefaults {
    QMutex mutex;
    std::optional<QFont> font;
    QColor color = Qt::black;
};

TextDefaults &textDefaults()
{
    static TextDefaults d;
    return d;
}

SKTCanvasHooks &hooks()
{
    static SKTCanvasHooks h;
    return h;
}

struct ClassName {
    SKTGraphicClass graphicClass;
    const char *name;
};

constexpr ClassName kClassNames[] = {
    {SKTGraphicClass::Graphic, "SKTGraphic"}, {SKTGraphicClass::Text, "SKTText"},
    {SKTGraphicClass::Line, "SKTLine"},       {SKTGraphicClass::Shape, "Shape_Control"},
    {SKTGraphicClass::Image, "SKTImage"},     {SKTGraphicClass::Barcode, "SKTBarcode"},
    {SKTGraphicClass::Signature, "SKTSignature"},
};

} // namespace

QTransform RotationTransform(double angle, double x, double y)
{
    QTransform t;
    t.translate(x, y);
    t.rotate(angle);
    t.translate(-x, -y);
    return t;
}

SKTGraphic::SKTGraphic() : SKTGraphic(SKTGraphicClass::Graphic) {}

SKTGraphic::SKTGraphic(SKTGraphicClass graphicClass) : m_class(graphicClass)
{
    // Fill and stroke by exact class; every other default is the member's own.
    switch (graphicClass) {
    case SKTGraphicClass::Text:
        _isDrawingFill = false;
        _isDrawingStroke = false;
        break;
    case SKTGraphicClass::Barcode:
        _isDrawingFill = false;
        break;
    case SKTGraphicClass::Image:
        _isDrawingStroke = false;
        break;
    default:
        break;
    }
    _file_path = Resource_Path + QStringLiteral("/no.png");
    text_ctrl_font = defaultTextFont();
    txt_clr = defaultTextColor();
    const QFont barcodeFont(Text_Ctrl_Font, 10);
    value_font_val = barcodeFont;
    header_font_val = barcodeFont;
    footer_font_val = barcodeFont;
    qr_size_val = ONLY_QR_MODE ? 100 : 60;
}

SKTGraphic::~SKTGraphic() = default;

QString SKTGraphic::className() const { return className(m_class); }

QString SKTGraphic::className(SKTGraphicClass graphicClass)
{
    for (const ClassName &c : kClassNames)
        if (c.graphicClass == graphicClass)
            return QString::fromLatin1(c.name);
    return {};
}

std::shared_ptr<SKTGraphic> SKTGraphic::graphicOfClass(SKTGraphicClass graphicClass)
{
    switch (graphicClass) {
    case SKTGraphicClass::Graphic:
        return std::make_shared<SKTGraphic>();
    case SKTGraphicClass::Text:
        return std::make_shared<SKTText>();
    case SKTGraphicClass::Line:
        return std::make_shared<SKTLine>();
    case SKTGraphicClass::Shape:
        return std::make_shared<Shape_Control>();
    case SKTGraphicClass::Image:
        return std::make_shared<SKTImage>();
    case SKTGraphicClass::Barcode:
        return std::make_shared<SKTBarcode>();
    case SKTGraphicClass::Signature:
        return std::make_shared<SKTSignature>();
    }
    return nullptr;
}

std::shared_ptr<SKTGraphic> SKTGraphic::graphicOfClassNamed(const QString &name)
{
    for (const ClassName &c : kClassNames)
        if (name == QLatin1String(c.name))
            return graphicOfClass(c.graphicClass);
    return nullptr;
}

void SKTGraphic::setTextDefaults(const QFont &font, const QColor &color)
{
    TextDefaults &d = textDefaults();
    QMutexLocker lock(&d.mutex);
    d.font = font;
    d.color = color;
}

QFont SKTGraphic::defaultTextFont()
{
    TextDefaults &d = textDefaults();
    QMutexLocker lock(&d.mutex);
    return d.font ? *d.font : QFont(Text_Ctrl_Font, Text_Ctrl_Font_Size);
}

QColor SKTGraphic::defaultTextColor()
{
    TextDefaults &d = textDefaults();
    QMutexLocker lock(&d.mutex);
    return d.color;
}

void SKTGraphic::setCanvasHooks(SKTCanvasHooks h) { hooks() = std::move(h); }

const SKTCanvasHooks &SKTGraphic::canvasHooks() { return hooks(); }

// ---- Copy -----------------------------------------------------------------------------------

std::shared_ptr<SKTGraphic> SKTGraphic::copyWithZone() const
{
    std::shared_ptr<SKTGraphic> copy = graphicOfClass(m_class);
    copyBaseFieldsInto(*copy);
    return copy;
}

void SKTGraphic::copyBaseFieldsInto(SKTGraphic &copy) const
{
    copy._bounds = _bounds;
    copy._isDrawingFill = _isDrawingFill;
    copy._fillColor = _fillColor;
    copy._isDrawingStroke = _isDrawingStroke;
    copy._strokeColor = _strokeColor;
    copy._strokeWidth = _strokeWidth;
    copy._stroke_border_type = _stroke_border_type;
    copy._fill_type = _fill_type;
    copy._fill_Grad_clr1 = _fill_Grad_clr1;
    copy._fill_Grad_clr2 = _fill_Grad_clr2;
    copy._fill_grad_angle = _fill_grad_angle;
    copy._fill_htch_clr = _fill_htch_clr;
    copy._fill_hatch_type = _fill_hatch_type;
    copy.data_source_type = data_source_type;
    copy.batch_list_name = batch_list_name;
    copy.batch_list_index = batch_list_index;
    copy.excel_binding = excel_binding;
    copy.excel_col_indx = excel_col_indx;
    copy.Text_Value = Text_Value;
    copy.USE_QR_LOGO = USE_QR_LOGO;
    copy.USE_QR_LOGO_PATH = USE_QR_LOGO_PATH;
    copy.control_ID = control_ID;
    copy.linear_font_val = linear_font_val;
    copy.two_d_font_val = two_d_font_val;
}

// ---- Accessors --------------------------------------------------------------------------------

void SKTGraphic::Set_Barcode_image(const platform::Picture &image)
{
    _barcode_image = image;
    if (image.isNull())
        return;
    setWidth(image.size().width());
    setHeight(image.size().height());
}

void SKTGraphic::Set_QR_Logo_VAR(bool useLogo, const QString &logo_path)
{
    USE_QR_LOGO = useLogo;
    USE_QR_LOGO_PATH = logo_path;
}

void SKTGraphic::Set_text_value(const QString &text)
{
    Text_Value = text.isNull() ? QStringLiteral("") : text;
    try {
        // The storage keeps the attributes at its start; a storage not made yet is made later from Text_Value.
        if (_Text_contents)
            _Text_contents->characters = Text_Value;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

SKTTextStorage &SKTGraphic::Text_contents()
{
    if (!_Text_contents)
        _Text_contents = SKTTextStorage{Text_Value, QFont(Text_Ctrl_Font, Text_Ctrl_Font_Size), QColor(Qt::black)};
    return *_Text_contents;
}

void SKTGraphic::Set_Data_source_type(int type)
{
    data_source_type = type;
    switch (type) {
    case 0:   // manual: the header and footer indexes stay
        batch_list_index = -1;
        batch_list_name = QStringLiteral("");
        batch_hdr_list_name = QStringLiteral("");
        batch_ftr_list_name = QStringLiteral("");
        excel_binding = false;
        excel_col_indx = -1;
        break;
    case 1:   // series
        excel_binding = false;
        excel_col_indx = -1;
        break;
    case 2:   // spreadsheet column
        batch_list_index = -1;
        batch_list_name = QStringLiteral("");
        break;
    default:
        break;
    }
}

void SKTGraphic::setFlippedHorizontally(bool flipped)
{
    changeValueForKey(QStringLiteral("flippedHorizontally"), [&] { _isFlippedHorizontally = flipped; });
}

void SKTGraphic::setFlippedVertically(bool flipped)
{
    changeValueForKey(QStringLiteral("flippedVertically"), [&] { _isFlippedVertically = flipped; });
}

// ---- Frame -------------------------------------------------------------------------------------

void SKTGraphic::setBounds(const QRectF &bounds) { setBoundsAlong(bounds, {}); }

void SKTGraphic::setBoundsAlong(const QRectF &bounds, const std::function<void()> &alsoChange)
{
    if (!cardrect::isFinite(bounds))
        return;
    const QRectF frame = cardrect::normalised(bounds);
    changeValueForKey(QStringLiteral("bounds"), [&] {
        if (alsoChange)
            alsoChange();
        _bounds = frame;
    });
    if (_scriptingContainer && hooks().setControlPosAndSize && platform::isGuiThread())
        hooks().setControlPosAndSize(*this);
}

void SKTGraphic::setXPosition(double x)
{
    QRectF r = _bounds;
    r.moveLeft(x);
    setBounds(r);
}

void SKTGraphic::setYPosition(double y)
{
    QRectF r = _bounds;
    r.moveTop(y);
    setBounds(r);
}

void SKTGraphic::setWidth(double width)
{
    QRectF r = _bounds;
    r.setWidth(width);
    setBounds(r);
}

void SKTGraphic::setHeight(double height)
{
    QRectF r = _bounds;
    r.setHeight(height);
    setBounds(r);
}

// ---- Fill and stroke by name --------------------------------------------------------------------

void SKTGraphic::setDrawingFill(bool fill)
{
    changeValueForKey(QStringLiteral("drawingFill"), [&] { _isDrawingFill = fill; });
}

void SKTGraphic::setFillColor(const QColor &color)
{
    changeValueForKey(QStringLiteral("fillColor"), [&] { _fillColor = color; });
}

void SKTGraphic::setDrawingStroke(bool stroke)
{
    changeValueForKey(QStringLiteral("drawingStroke"), [&] { _isDrawingStroke = stroke; });
}

void SKTGraphic::setStrokeColor(const QColor &color)
{
    changeValueForKey(QStringLiteral("strokeColor"), [&] { _strokeColor = color; });
}

void SKTGraphic::setStrokeWidth(double width)
{
    if (!std::isfinite(width))
        return;
    changeValueForKey(QStringLiteral("strokeWidth"), [&] { _strokeWidth = width; });
}

void SKTGraphic::setColor(const QColor &color)
{
    if (canSetDrawingFill() && !isDrawingFill())
        setValue(true, QStringLiteral("drawingFill"));
    setValue(color, QStringLiteral("fillColor"));
}

// ---- Change reports -----------------------------------------------------------------------------

void SKTGraphic::changeValueForKey(const QString &key, const std::function<void()> &change)
{
    SKTGraphicContainer *container = _scriptingContainer;
    if (!container) {
        change();
        return;
    }
    QStringList keys = keysAffectedBy(key);
    keys.prepend(key);
    QList<QVariant> oldValues;
    oldValues.reserve(keys.size());
    for (const QString &k : keys)
        oldValues.append(valueForKey(k));
    change();
    for (int i = 0; i < keys.size(); ++i)
        container->graphicDidChange(*this, keys.at(i), oldValues.at(i), valueForKey(keys.at(i)));
}

QStringList SKTGraphic::keysAffectedBy(const QString &key) const
{
    if (key == QLatin1String("bounds"))
        return {QStringLiteral("xPosition"), QStringLiteral("yPosition"), QStringLiteral("width"),
                QStringLiteral("height"), QStringLiteral("drawingBounds")};
    if (key == QLatin1String("strokeWidth"))
        return {QStringLiteral("drawingBounds")};
    if (key == QLatin1String("drawingFill") || key == QLatin1String("fillColor") ||
        key == QLatin1String("drawingStroke") || key == QLatin1String("strokeColor"))
        return {QStringLiteral("drawingContents")};
    return {};
}

QStringList SKTGraphic::keysForValuesToObserveForUndo() const
{
    return {QStringLiteral("drawingFill"), QStringLiteral("fillColor"), QStringLiteral("drawingStroke"),
            QStringLiteral("strokeColor"), QStringLiteral("strokeWidth"), QStringLiteral("bounds")};
}

QString SKTGraphic::presentablePropertyNameForKey(const QString &) const { return QStringLiteral(""); }
