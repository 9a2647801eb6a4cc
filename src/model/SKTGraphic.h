#pragma once
// The one record behind every object on a card. Every setting of every kind lives here, so the
// sidebar, the barcode-object window, the project files, the archive and the renderers read and
// write any object through one layout; the subclasses add drawing and a few fields of their own.
//
// The kind of an object is its exact class, kept as a class code and compared as such (a subclass
// of a kind is never taken for that kind). Objects live in std::shared_ptr; whoever only points at
// one (the current object, the object being created) holds a std::weak_ptr.
//
// Changes made through a property name (the typed setters of the observable properties, setBounds,
// setValue) report the key with its old and new value to the container that holds the object
// (the document), together with the keys that follow from it; a direct field write reports nothing.
//
// Drawing paints into a QPainter whose unit is one card point, origin at the card's top-left
// corner, y downward; it reads only the object, so an off-screen renderer may draw on a worker thread.

#include "model/SKTGraphicContainer.h"
#include "model/SKTTextStorage.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QVariant>
#include <QVariantMap>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class ObjectArchive;
class QPainter;
class SKTGraphic;
struct SKTError;

// The exact class of a card object.
enum class SKTGraphicClass : std::uint8_t { Graphic, Text, Line, Shape, Image, Barcode, Signature };

using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;

// What the card objects need of the canvas and its controller, without knowing them. Unset
// functions stand for "no canvas": its bounds are empty (so nothing moves or resizes onto it),
// the proposed point is (10, 10) and nothing is shown in the sidebar.
struct SKTCanvasHooks {
    std::function<QRectF()> canvasBounds;                          // the canvas view's bounds
    std::function<QPointF(const QString &cardSide)> controlNewPoint;   // the cascade point of a new object
    std::function<void(SKTGraphic &graphic)> setControlPosAndSize;     // shows a frame in the sidebar
};

// The number (from 1) of the key being written or read and the class name of the object, for the
// writer's failure message; each thread has its own.
extern thread_local int graphic_decode_count;
extern thread_local QString graphic_decode_class;

// Handle constants.
constexpr double SKTGraphicHandleWidth = 8.0;
constexpr double SKTGraphicHandleHalfWidth = 4.0;
constexpr int SKTGraphicNoHandle = 0;

// Rotation by angle degrees about (x, y): translate to the point, rotate, translate back.
QTransform RotationTransform(double angle, double x, double y);

class SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Graphic;

    SKTGraphic();
    virtual ~SKTGraphic();
    SKTGraphic(const SKTGraphic &) = delete;
    SKTGraphic &operator=(const SKTGraphic &) = delete;

    SKTGraphicClass graphicClass() const { return m_class; }
    template <class T>
    bool isExactly() const { return m_class == T::kClass; }
    // "SKTGraphic", "SKTText", "SKTLine", "Shape_Control", "SKTImage", "SKTBarcode", "SKTSignature".
    QString className() const;
    static QString className(SKTGraphicClass graphicClass);
    // A new object of the class with the defaults of init; nothing for an unknown name.
    static std::shared_ptr<SKTGraphic> graphicOfClass(SKTGraphicClass graphicClass);
    static std::shared_ptr<SKTGraphic> graphicOfClassNamed(const QString &name);

    // A new object of the same class through init, with the fields a copy carries.
    virtual std::shared_ptr<SKTGraphic> copyWithZone() const;

    // ---- Archive ------------------------------------------------------------------------------
    // Writes the blocks of the exact class (common; binding for texts, pictures and barcodes; the
    // class's own block) under the fields' names. A failure stops writing and is logged.
    void encodeWithCoder(ObjectArchive &coder) const;
    // A bare object of the archived class (every field empty, no init defaults) read from the
    // blocks of its class; nothing for a class that is not a card object's. A failure stops reading
    // and answers the object as far as it was read (a picture then rebuilds its effect picture).
    static std::shared_ptr<SKTGraphic> initWithCoder(const ObjectArchive &coder);
    // A new object of the class with every field empty: nil, 0, NO, the zero rect.
    static std::shared_ptr<SKTGraphic> bareGraphicOfClass(SKTGraphicClass graphicClass);
    // One archive per object, in list order.
    static QList<ObjectArchive> propertiesWithGraphics(const SKTGraphicList &graphics);
    // The objects of the archives, made ready for pasting: no identifier and unlocked, barcode
    // objects numbered anew, pictures whose file exists (a regular file) reloaded from it.
    // Archives of no card object are skipped.
    static SKTGraphicList graphicsWithProperties(const QList<ObjectArchive> &properties);
    // The clipboard form: a binary property list, an array of the objects' serialised archives.
    static QByteArray pasteboardDataWithGraphics(const SKTGraphicList &graphics);
    // The objects of clipboard data, ready for pasting (the first 10,000 elements are read);
    // nothing, with error code 2, when the data is not a property list whose top level is an array.
    static std::optional<SKTGraphicList> graphicsWithPasteboardData(const QByteArray &data, SKTError *error = nullptr);
    // The description dictionary: "bounds", "drawingFill", "fillColor", "drawingStroke",
    // "strokeColor", "strokeWidth", plus the entries of the class.
    virtual QVariantMap properties() const;
    // The text form of properties.
    QString description() const;

    // The text font and colour of new objects; without a font set, Text_Ctrl_Font at
    // Text_Ctrl_Font_Size.
    static void setTextDefaults(const QFont &font, const QColor &color);
    static QFont defaultTextFont();
    static QColor defaultTextColor();
    static void setCanvasHooks(SKTCanvasHooks hooks);
    static const SKTCanvasHooks &canvasHooks();

    // ---- Accessors -------------------------------------------------------------------------
    void Set_Ctrl_Is_Visible(bool visible) { ctrl_is_visible = visible; }
    void Set_Barcode_image_control_bounds() { bar_image_ctrl_bounds = _bounds; }
    // A picture gives the object its size (origin kept); a null picture leaves the frame.
    void Set_Barcode_image(const platform::Picture &image);
    void Set_QR_Logo_VAR(bool useLogo, const QString &logo_path);
    QString Get_shape_type() const { return _shape_type; }
    void Set_Shape_Type(const QString &type) { _shape_type = type; }
    void Set_text_value(const QString &text);
    // The text storage, made from Text_Value on first use.
    SKTTextStorage &Text_contents();
    void Set_Excel_binding(bool binding) { excel_binding = binding; }
    void Set_Excel_binding_Index(int index) { excel_col_indx = index < 0 ? -1 : index; }
    QFont Text_Font_value() const { return text_ctrl_font; }
    QColor Text_Color_Value() const { return txt_clr; }
    int Get_Line_Cap_Style() const { return _line_cap_style; }
    void Set_Batch_List_Name(const QString &name) { batch_list_name = name; }
    void Set_Batch_List_Index(int index) { batch_list_index = index; }
    void Set_Hdr_Batch_List_Name(const QString &name) { batch_hdr_list_name = name; }
    void Set_Hdr_Batch_List_Index(int index) { batch_hdr_list_index = index < 0 ? -1 : index; }
    void Set_Ftr_Batch_List_Name(const QString &name) { batch_ftr_list_name = name; }
    void Set_Ftr_Batch_List_Index(int index) { batch_ftr_list_index = index < 0 ? -1 : index; }
    void Set_Data_source_type(int type);
    void setFlippedHorizontally(bool flipped);
    void setFlippedVertically(bool flipped);
    QString Sign_Or_FP_Val() const { return sign_or_fingureprint; }
    void Set_Sign_Or_FP(const QString &kind) { sign_or_fingureprint = kind; }
    void Set_Control_File_path(const QString &path) { _file_path = path; }

    QRectF bounds() const { return _bounds; }
    // Stores the frame (a negative size normalised, non-finite numbers ignored), reports it, and
    // shows it in the sidebar when the object is in the document and this is the GUI thread.
    virtual void setBounds(const QRectF &bounds);
    double xPosition() const { return _bounds.x(); }
    double yPosition() const { return _bounds.y(); }
    double width() const { return _bounds.width(); }
    double height() const { return _bounds.height(); }
    void setXPosition(double x);
    void setYPosition(double y);
    void setWidth(double width);
    void setHeight(double height);

    // Each class answers whether it paints a fill and a stroke, whatever the flags hold.
    virtual bool isDrawingFill() const { return _isDrawingFill; }
    virtual bool isDrawingStroke() const { return _isDrawingStroke; }
    QColor fillColor() const { return _fillColor; }
    QColor strokeColor() const { return _strokeColor; }
    double strokeWidth() const { return _strokeWidth; }
    QString strokeBorderType() const { return _stroke_border_type; }
    QString fill_type() const { return _fill_type; }
    QString fill_hatch_type() const { return _fill_hatch_type; }
    QColor fill_hatch_bk_clr() const { return _fill_htch_clr; }
    QColor fill_Grad_clr1() const { return _fill_Grad_clr1; }
    QColor fill_Grad_clr2() const { return _fill_Grad_clr2; }
    double fill_grad_angle() const { return _fill_grad_angle; }
    virtual bool canSetDrawingFill() const { return true; }
    virtual bool canSetDrawingStroke() const { return true; }
    // The observable properties by their setters; each reports itself.
    void setDrawingFill(bool fill);
    void setFillColor(const QColor &color);
    void setDrawingStroke(bool stroke);
    void setStrokeColor(const QColor &color);
    void setStrokeWidth(double width);
    // The sidebar's fill colour command: turns the fill on by name when it can, then sets the colour by name.
    virtual void setColor(const QColor &color);
    void setScriptingContainer(SKTGraphicContainer *container) { _scriptingContainer = container; }
    SKTGraphicContainer *scriptingContainer() const { return _scriptingContainer; }

    // ---- Values by name -----------------------------------------------------------------------
    // The observable properties ("bounds", "fillColor", "drawingBounds" ...) and every field by its
    // own name. An unknown key answers an invalid value.
    virtual QVariant valueForKey(const QString &key) const;
    // Sets by name and reports the change; false for an unknown key or a value that does not fit
    // (a non-finite number, a value of another type), which leaves the old value.
    virtual bool setValue(const QVariant &value, const QString &key);
    // The keys whose values follow from key ("bounds" gives "xPosition" ... "drawingBounds").
    virtual QStringList keysAffectedBy(const QString &key) const;
    virtual QStringList keysForValuesToObserveForUndo() const;
    // The name of a key for an undo action: "" for every key of the base.
    virtual QString presentablePropertyNameForKey(const QString &key) const;

    // ---- Geometry, handles and resizing -------------------------------------------------------
    // The area to redraw: the frame (a shape's turned box, a line's path box) grown by the handle
    // half-width or half the stroke width, whichever is larger, then 1 point wider and higher.
    QRectF drawingBounds() const;
    virtual void drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const;
    // The outline; a kind without one throws std::logic_error.
    virtual QPainterPath bezierPathForDrawing() const;
    static QPainterPath rotatedPath(const QPainterPath &path, double angle, const QPointF &aboutPoint);
    virtual void drawHandlesInView(QPainter &painter, bool lock_hai) const;
    static void drawHandleInView(QPainter &painter, const QPointF &point, bool lock_hai);
    virtual bool isContentsUnderPoint(const QPointF &point) const;
    virtual int handleUnderPoint(const QPointF &point) const;
    static bool isHandleAtPoint(const QPointF &handlePoint, const QPointF &point);
    // Moves an edge or corner to the point and answers the handle the drag goes on with.
    virtual int resizeByMovingHandle(int handle, const QPointF &point);
    virtual void flipHorizontally() {}
    virtual void flipVertically() {}
    virtual bool canMakeNaturalSize() const { return _bounds.width() != _bounds.height(); }
    virtual void makeNaturalSize();
    void makeSameAsLabelSize();
    // The handle that follows the mouse while a new object is drawn out.
    virtual int creationSizingHandle() const { return 8; }
    // The position of handle 1 to 8 on a frame.
    static QPointF handlePoint(const QRectF &frame, int handle);

    // Operations on lists of objects (the document's order, front-most first).
    static QRectF boundsOfGraphics(const SKTGraphicList &graphics);
    static QRectF drawingBoundsOfGraphics(const SKTGraphicList &graphics);
    static void translateGraphics(const SKTGraphicList &graphics, double dx, double dy);
    static void Paste_Location_Of_Graphics(const SKTGraphicList &graphics, double x, double y,
                                           const QString &card_side);

    // ---- Fields -------------------------------------------------------------------------------
    // Geometry and orientation
    QRectF _bounds;
    QRectF bar_image_ctrl_bounds;
    bool _isFlippedHorizontally = false;
    bool _isFlippedVertically = false;
    int text_rotation = 0;
    float rotate_image = 0;
    bool _boundsBeingChangedToMatchContents = false;
    // Fill
    bool _isDrawingFill = true;
    QColor _fillColor = Qt::white;
    QString _fill_type = QStringLiteral("S");
    QColor _fill_Grad_clr1 = Qt::white;
    QColor _fill_Grad_clr2 = Qt::white;
    double _fill_grad_angle = 0;
    QColor _fill_htch_clr = Qt::white;
    QString _fill_hatch_type = QStringLiteral("");
    float alpha_val = 100.0f;
    // Stroke
    bool _isDrawingStroke = true;
    QColor _strokeColor = Qt::black;
    double _strokeWidth = 1.0;
    QString _stroke_border_type = QStringLiteral("S");
    float alpha_val_stroke = 100.0f;
    // Shape and line
    QString _shape_type = QStringLiteral("R");
    float cor_rad_val = 10.0f;
    int double_star_type = 1;
    int polygon_type = 1;
    int _line_ori = 0;
    int _line_cap_style = 0;
    // Picture and signature
    QString _file_path;
    platform::Picture _contents;
    platform::Picture _contents_with_settings;
    bool invert_clr = false;
    bool gray_Scale = false;
    bool Sepia = false;
    float img_trnsp_val = 100.0f;
    float hue_val = 0, sat_val = 1, brt_val = 0, con_val = 1;
    float srp_val = 0, ev_val = 0, blr_val = 0;
    QString sign_or_fingureprint = QStringLiteral("S");
    // Text and shadow
    QFont text_ctrl_font;
    QColor txt_clr;
    std::optional<SKTTextStorage> _Text_contents;
    QString Text_Value = QStringLiteral("Text here");
    int text_alignmnet = 2;
    int text_alignmnet_Vert = 2;
    int text_transfrom_case = 0;
    float text_kerning = 0;
    bool Drawing_Shadow = false;
    QColor Shadow_Color = Qt::blue;
    float Shadow_offset_X = 5.0f, Shadow_offset_Y = 5.0f;
    float Shadow_blur = 0;
    float Shadow_transparency = 50.0f;
    // Barcode settings
    platform::Picture _barcode_image;
    int linear_or_2d = 0;
    int barcode_font_index = 0;
    QString linear_font_val = QStringLiteral("0123");
    QString two_d_font_val = QStringLiteral("0123");
    QString header_val = QStringLiteral("HEADER");
    QString footer_val = QStringLiteral("FOOTER");
    int show_hide_hdr = 0, show_hide_ftr = 0, show_hide_val = 0, show_val_on_top = 0;
    int align_hdr_index = 1, align_ftr_index = 1;
    float linear_height_val = 6.0f, linear_width_val = 20.0f;
    int qr_size_val = 60;
    int qr_version_index = 0, qr_ec_index = 0;
    int pdf_hgt_val = 20, pdf_wdt_val = 100, pdf_ec_val = 2;
    int dm_module_val = 2, dm_format_index = 0, dm_encoding_index = 0;
    float hdr_margin_val = 1.0f, ftr_margin_val = 1.0f, val_margin_val = 1.0f, TB_marging_val = 1.0f,
          LR_margin_val = 1.0f;
    QFont value_font_val, header_font_val, footer_font_val;
    QColor barcode_hdr_clr_val = Qt::black, barcode_ftr_clr_val = Qt::black, barcode_val_clr_val = Qt::black;
    QColor barcode_back_clr_val = Qt::white;
    QColor barcode_clr_val = Qt::black;
    int dpi_val_index = 0;
    QString dpi_custom_val = QStringLiteral("0");
    int barcode_unit_val = 1;
    bool USE_QR_LOGO = false;
    QString USE_QR_LOGO_PATH = QStringLiteral("");
    QString AQR_Category, AQR_Final_Value, AQR_Display_value;   // none until set
    platform::Picture AQR_cat_Image;
    // Batch binding
    int data_source_type = 0;
    QString batch_list_name = QStringLiteral("");
    int batch_list_index = 0;
    QString batch_hdr_list_name = QStringLiteral("");
    int batch_hdr_list_index = 0;
    QString batch_ftr_list_name = QStringLiteral("");
    int batch_ftr_list_index = 0;
    bool excel_binding = false;
    int excel_col_indx = 0;
    // State
    bool ctrl_is_locked = false;
    bool ctrl_is_visible = true;
    int print_object = 0;
    QString control_ID = QStringLiteral("");
    SKTGraphicContainer *_scriptingContainer = nullptr;   // not owned

protected:
    explicit SKTGraphic(SKTGraphicClass graphicClass);
    // setBounds with more changes made inside the same report (a line's direction flags).
    void setBoundsAlong(const QRectF &bounds, const std::function<void()> &alsoChange);
    // Runs change and reports key and the keys that follow from it, each with its old and new value.
    void changeValueForKey(const QString &key, const std::function<void()> &change);
    // The fields the base copy carries, in their order, written into copy.
    void copyBaseFieldsInto(SKTGraphic &copy) const;
    // Every field empty, as an object read from an archive starts.
    virtual void makeBare();

private:
    SKTGraphicClass m_class;
};

// The object as T when its exact class is T, else null.
template <class T>
T *graphic_cast(SKTGraphic *graphic)
{
    return graphic && graphic->isExactly<T>() ? static_cast<T *>(graphic) : nullptr;
}
template <class T>
const T *graphic_cast(const SKTGraphic *graphic)
{
    return graphic && graphic->isExactly<T>() ? static_cast<const T *>(graphic) : nullptr;
}
