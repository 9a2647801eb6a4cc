// The card object record: defaults by exact class, accessors, the partial copy, changes reported
// by name, values by name with bad input refused, and the error function.

#include "CardObjectSupport.h"

#include "core/Globals.h"
#include "core/Edition.h"
#include "model/SKTBarcode.h"
#include "model/SKTError.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"

#include <QImage>

#include <cmath>
#include <limits>
#include <thread>

using cardtest::CanvasScope;
using cardtest::RecordingContainer;

namespace {

platform::Picture pictureOf(const QSize &size, const QColor &color = Qt::red)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return platform::Picture::fromImage(image, QSizeF(size));
}

} // namespace

TEST(CardObjectDefaults, FillAndStrokeByExactClass)
{
    struct Expected {
        SKTGraphicClass graphicClass;
        bool fillFlag, strokeFlag;    // as init leaves the fields
        bool fillAnswer, strokeAnswer;   // as the class answers
    };
    const Expected table[] = {
        {SKTGraphicClass::Graphic, true, true, true, true},
        {SKTGraphicClass::Shape, true, true, true, true},
        {SKTGraphicClass::Text, false, false, false, false},
        {SKTGraphicClass::Barcode, false, true, false, false},
        {SKTGraphicClass::Image, true, false, false, false},
        {SKTGraphicClass::Line, true, true, false, true},
        {SKTGraphicClass::Signature, true, true, false, true},
    };
    for (const Expected &e : table) {
        const auto g = SKTGraphic::graphicOfClass(e.graphicClass);
        SCOPED_TRACE(g->className().toStdString());
        EXPECT_EQ(g->graphicClass(), e.graphicClass);
        EXPECT_EQ(g->_isDrawingFill, e.fillFlag);
        EXPECT_EQ(g->_isDrawingStroke, e.strokeFlag);
        EXPECT_EQ(g->isDrawingFill(), e.fillAnswer);
        EXPECT_EQ(g->isDrawingStroke(), e.strokeAnswer);
        EXPECT_EQ(g->fillColor(), QColor(Qt::white));
        EXPECT_EQ(g->strokeColor(), QColor(Qt::black));
        EXPECT_DOUBLE_EQ(g->strokeWidth(), 1.0);
        EXPECT_EQ(g->bounds(), QRectF());
    }
}

TEST(CardObjectDefaults, SettingsStartAsInit)
{
    const Shape_Control g;
    EXPECT_EQ(g._fill_type, QStringLiteral("S"));
    EXPECT_EQ(g._stroke_border_type, QStringLiteral("S"));
    EXPECT_FLOAT_EQ(g.alpha_val, 100.0f);
    EXPECT_FLOAT_EQ(g.alpha_val_stroke, 100.0f);
    EXPECT_EQ(g.Get_shape_type(), QStringLiteral("R"));
    EXPECT_FLOAT_EQ(g.cor_rad_val, 10.0f);
    EXPECT_EQ(g.Text_Value, QStringLiteral("Text here"));
    EXPECT_EQ(g.Shadow_Color, QColor(Qt::blue));
    EXPECT_FLOAT_EQ(g.Shadow_transparency, 50.0f);
    EXPECT_FLOAT_EQ(g.sat_val, 1.0f);
    EXPECT_FLOAT_EQ(g.con_val, 1.0f);
    EXPECT_EQ(g.qr_size_val, ONLY_QR_MODE ? 100 : 60);
    EXPECT_EQ(g.pdf_wdt_val, 100);
    EXPECT_EQ(g.align_hdr_index, 1);
    EXPECT_EQ(g.header_val, QStringLiteral("HEADER"));
    EXPECT_EQ(g.value_font_val.family(), Text_Ctrl_Font);
    EXPECT_DOUBLE_EQ(g.footer_font_val.pointSizeF(), 10.0);
    EXPECT_TRUE(g._file_path.endsWith(QStringLiteral("/no.png")));
    EXPECT_TRUE(g.ctrl_is_visible);
    EXPECT_FALSE(g.ctrl_is_locked);
    // Strings that start with a text are empty texts; the three QR payload fields start with none.
    EXPECT_FALSE(g.control_ID.isNull());
    EXPECT_FALSE(g.USE_QR_LOGO_PATH.isNull());
    EXPECT_TRUE(g.AQR_Final_Value.isNull());
    EXPECT_TRUE(g._barcode_image.isNull());
    EXPECT_FALSE(g._Text_contents.has_value());
}

TEST(CardObjectDefaults, TextDefaultsComeFromTheValueTheControllerKeeps)
{
    const QFont font(QStringLiteral("DejaVu Sans"), 17);
    SKTGraphic::setTextDefaults(font, Qt::darkGreen);
    const SKTText text;
    SKTGraphic::setTextDefaults(QFont(Text_Ctrl_Font, Text_Ctrl_Font_Size), Qt::black);
    EXPECT_EQ(text.Text_Font_value(), font);
    EXPECT_EQ(text.Text_Color_Value(), QColor(Qt::darkGreen));
    EXPECT_EQ(SKTText().Text_Color_Value(), QColor(Qt::black));
}

TEST(CardObjectAccessors, DataSourceTypeClearsTheOtherBindings)
{
    SKTImage g;
    auto bind = [&g] {
        g.Set_Batch_List_Name(QStringLiteral("values"));
        g.Set_Batch_List_Index(2);
        g.Set_Hdr_Batch_List_Name(QStringLiteral("headers"));
        g.Set_Hdr_Batch_List_Index(3);
        g.Set_Ftr_Batch_List_Name(QStringLiteral("footers"));
        g.Set_Ftr_Batch_List_Index(4);
        g.Set_Excel_binding(true);
        g.Set_Excel_binding_Index(5);
    };
    bind();
    g.Set_Data_source_type(0);
    EXPECT_EQ(g.data_source_type, 0);
    EXPECT_EQ(g.batch_list_index, -1);
    EXPECT_EQ(g.batch_list_name, QString());
    EXPECT_EQ(g.batch_hdr_list_name, QString());
    EXPECT_EQ(g.batch_ftr_list_name, QString());
    EXPECT_FALSE(g.excel_binding);
    EXPECT_EQ(g.excel_col_indx, -1);
    EXPECT_EQ(g.batch_hdr_list_index, 3);   // kept
    EXPECT_EQ(g.batch_ftr_list_index, 4);   // kept

    bind();
    g.Set_Data_source_type(1);
    EXPECT_EQ(g.batch_list_name, QStringLiteral("values"));
    EXPECT_EQ(g.batch_list_index, 2);
    EXPECT_FALSE(g.excel_binding);
    EXPECT_EQ(g.excel_col_indx, -1);

    bind();
    g.Set_Data_source_type(2);
    EXPECT_EQ(g.batch_list_index, -1);
    EXPECT_EQ(g.batch_list_name, QString());
    EXPECT_TRUE(g.excel_binding);
    EXPECT_EQ(g.excel_col_indx, 5);

    bind();
    g.Set_Data_source_type(9);   // only the number
    EXPECT_EQ(g.data_source_type, 9);
    EXPECT_EQ(g.batch_list_index, 2);
    EXPECT_TRUE(g.excel_binding);
}

TEST(CardObjectAccessors, NegativeIndexesBecomeMinusOneWhereTheSetterSaysSo)
{
    SKTText g;
    g.Set_Excel_binding_Index(-5);
    EXPECT_EQ(g.excel_col_indx, -1);
    g.Set_Excel_binding_Index(3);
    EXPECT_EQ(g.excel_col_indx, 3);
    g.Set_Hdr_Batch_List_Index(-9);
    g.Set_Ftr_Batch_List_Index(-2);
    EXPECT_EQ(g.batch_hdr_list_index, -1);
    EXPECT_EQ(g.batch_ftr_list_index, -1);
    g.Set_Batch_List_Index(-7);   // stored as given
    EXPECT_EQ(g.batch_list_index, -7);
}

TEST(CardObjectAccessors, TextValueAndItsStorage)
{
    SKTText g;
    SKTTextStorage &storage = g.Text_contents();   // made on first use from Text_Value
    EXPECT_EQ(storage.characters, QStringLiteral("Text here"));
    EXPECT_EQ(storage.color, QColor(Qt::black));
    EXPECT_EQ(storage.font.family(), Text_Ctrl_Font);
    EXPECT_DOUBLE_EQ(storage.font.pointSizeF(), double(Text_Ctrl_Font_Size));

    storage.color = Qt::red;   // the attributes at the start carry over a replacement
    g.Set_text_value(QStringLiteral("Name"));
    EXPECT_EQ(g.Text_contents().characters, QStringLiteral("Name"));
    EXPECT_EQ(g.Text_contents().color, QColor(Qt::red));

    g.Set_text_value(QString());   // nil
    EXPECT_FALSE(g.Text_Value.isNull());
    EXPECT_TRUE(g.Text_Value.isEmpty());
    EXPECT_TRUE(g.Text_contents().characters.isEmpty());

    SKTText later;   // no storage yet: only the value changes, the storage is made from it
    later.Set_text_value(QStringLiteral("Later"));
    EXPECT_FALSE(later._Text_contents.has_value());
    EXPECT_EQ(later.Text_contents().characters, QStringLiteral("Later"));
}

TEST(CardObjectAccessors, BarcodePictureGivesItsSizeAndNoPictureKeepsTheFrame)
{
    SKTBarcode g;
    g.setBounds(QRectF(10, 20, 30, 40));
    g.Set_Barcode_image(pictureOf(QSize(200, 80)));
    EXPECT_EQ(g.bounds(), QRectF(10, 20, 200, 80));
    g.Set_Barcode_image(platform::Picture());
    EXPECT_TRUE(g._barcode_image.isNull());
    EXPECT_EQ(g.bounds(), QRectF(10, 20, 200, 80));
    g.Set_Barcode_image_control_bounds();
    EXPECT_EQ(g.bar_image_ctrl_bounds, QRectF(10, 20, 200, 80));
}

TEST(CardObjectCopy, CopiesTheListedFieldsOnly)
{
    Shape_Control shape;
    shape.setBounds(QRectF(5, 6, 70, 80));
    shape._strokeColor = Qt::red;
    shape._strokeWidth = 3;
    shape._stroke_border_type = QStringLiteral("DA");
    shape._shape_type = QStringLiteral("S");
    shape.text_rotation = 30;
    shape.alpha_val = 0.5f;
    shape.control_ID = QStringLiteral("ID_7");
    shape.batch_list_name = QStringLiteral("series");
    RecordingContainer container;
    shape.setScriptingContainer(&container);

    const auto copy = shape.copyWithZone();
    ASSERT_TRUE(copy->isExactly<Shape_Control>());
    EXPECT_EQ(copy->strokeColor(), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(copy->strokeWidth(), 3.0);
    EXPECT_EQ(copy->strokeBorderType(), QStringLiteral("DA"));
    EXPECT_EQ(copy->bounds(), QRectF(5, 6, 70, 80));
    EXPECT_EQ(copy->control_ID, QStringLiteral("ID_7"));
    EXPECT_EQ(copy->batch_list_name, QStringLiteral("series"));
    // Not copied: the init defaults stay.
    EXPECT_EQ(copy->Get_shape_type(), QStringLiteral("R"));
    EXPECT_EQ(copy->text_rotation, 0);
    EXPECT_FLOAT_EQ(copy->alpha_val, 100.0f);
    EXPECT_EQ(copy->scriptingContainer(), nullptr);
}

TEST(CardObjectCopy, LinesAddTheirFlagsAndPicturesTheirTwoPictures)
{
    SKTLine line;
    line.setBeginPoint(QPointF(10, 10));
    line.setEndPoint(QPointF(60, 30));
    const auto lineCopy = line.copyWithZone();
    const auto *copiedLine = graphic_cast<SKTLine>(lineCopy.get());
    ASSERT_NE(copiedLine, nullptr);
    EXPECT_EQ(copiedLine->beginPoint(), QPointF(10, 10));
    EXPECT_EQ(copiedLine->endPoint(), QPointF(60, 30));

    SKTImage image;
    image._contents = pictureOf(QSize(4, 4));
    image._contents_with_settings = pictureOf(QSize(6, 6));
    image._isFlippedHorizontally = true;
    const auto imageCopy = image.copyWithZone();
    EXPECT_EQ(imageCopy->_contents.size(), QSizeF(4, 4));
    EXPECT_EQ(imageCopy->_contents_with_settings.size(), QSizeF(6, 6));
    EXPECT_FALSE(imageCopy->_isFlippedHorizontally);
}

TEST(CardObjectClass, TheKindIsTheExactClass)
{
    std::shared_ptr<SKTGraphic> text = std::make_shared<SKTText>();
    std::shared_ptr<SKTGraphic> base = std::make_shared<SKTGraphic>();
    EXPECT_NE(graphic_cast<SKTText>(text.get()), nullptr);
    EXPECT_EQ(graphic_cast<SKTText>(base.get()), nullptr);
    EXPECT_EQ(graphic_cast<SKTLine>(text.get()), nullptr);
    EXPECT_EQ(text->className(), QStringLiteral("SKTText"));
    const auto shape = SKTGraphic::graphicOfClassNamed(QStringLiteral("Shape_Control"));
    ASSERT_NE(shape, nullptr);
    EXPECT_TRUE(shape->isExactly<Shape_Control>());
    EXPECT_EQ(SKTGraphic::graphicOfClassNamed(QStringLiteral("NSObject")), nullptr);
}

TEST(CardObjectChanges, ByNameReportsTheKeyAndWhatFollowsDirectWritesNothing)
{
    Shape_Control g;
    RecordingContainer container;
    g.setScriptingContainer(&container);

    g.setBounds(QRectF(1, 2, 3, 4));
    EXPECT_EQ(container.keys(), (QStringList{"bounds", "xPosition", "yPosition", "width", "height", "drawingBounds"}));
    EXPECT_EQ(container.changes.at(0).oldValue.toRectF(), QRectF());
    EXPECT_EQ(container.changes.at(0).newValue.toRectF(), QRectF(1, 2, 3, 4));
    EXPECT_DOUBLE_EQ(container.changes.at(3).newValue.toDouble(), 3.0);
    EXPECT_EQ(container.changes.at(5).newValue.toRectF(), QRectF(-3, -2, 12, 13));

    container.changes.clear();
    g.setXPosition(9);   // through setBounds: never a change of its own
    EXPECT_EQ(container.keys().first(), QStringLiteral("bounds"));

    container.changes.clear();
    g.setStrokeWidth(20);
    EXPECT_EQ(container.keys(), (QStringList{"strokeWidth", "drawingBounds"}));
    EXPECT_DOUBLE_EQ(container.changes.at(0).oldValue.toDouble(), 1.0);

    container.changes.clear();
    EXPECT_TRUE(g.setValue(QColor(Qt::green), QStringLiteral("fillColor")));
    EXPECT_EQ(container.keys(), (QStringList{"fillColor", "drawingContents"}));
    EXPECT_EQ(g.fillColor(), QColor(Qt::green));

    container.changes.clear();
    EXPECT_TRUE(g.setValue(QStringLiteral("98765"), QStringLiteral("linear_font_val")));
    ASSERT_EQ(container.keys(), QStringList{"linear_font_val"});
    EXPECT_EQ(container.changes.at(0).oldValue.toString(), QStringLiteral("0123"));
    EXPECT_EQ(g.valueForKey(QStringLiteral("linear_font_val")).toString(), QStringLiteral("98765"));

    container.changes.clear();
    g._fillColor = Qt::blue;   // a direct write
    g.Set_Ctrl_Is_Visible(false);
    EXPECT_TRUE(container.changes.empty());
}

TEST(CardObjectChanges, SetColorTurnsTheFillOnByName)
{
    Shape_Control shape;
    shape._isDrawingFill = false;
    RecordingContainer container;
    shape.setScriptingContainer(&container);
    shape.setColor(Qt::yellow);
    EXPECT_TRUE(shape._isDrawingFill);
    EXPECT_EQ(shape.fillColor(), QColor(Qt::yellow));
    EXPECT_EQ(container.keys(), (QStringList{"drawingFill", "drawingContents", "fillColor", "drawingContents"}));

    SKTImage image;   // cannot draw a fill: only the colour is set
    image._isDrawingFill = false;
    image.setColor(Qt::yellow);
    EXPECT_FALSE(image._isDrawingFill);
    EXPECT_EQ(image.fillColor(), QColor(Qt::yellow));
}

TEST(CardObjectChanges, TheSidebarHookRunsForObjectsInTheDocumentOnTheGuiThread)
{
    CanvasScope canvas;
    Shape_Control loose;
    loose.setBounds(QRectF(0, 0, 10, 10));
    EXPECT_EQ(canvas.posAndSizeCalls, 0);

    Shape_Control held;
    RecordingContainer container;
    held.setScriptingContainer(&container);
    held.setBounds(QRectF(0, 0, 10, 10));
    EXPECT_EQ(canvas.posAndSizeCalls, 1);
    std::thread worker([&held] { held.setBounds(QRectF(0, 0, 20, 20)); });
    worker.join();
    EXPECT_EQ(canvas.posAndSizeCalls, 1);
    EXPECT_EQ(held.bounds(), QRectF(0, 0, 20, 20));
}

TEST(CardObjectBadInput, NonFiniteNumbersAreIgnoredAndNegativeSizesNormalised)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Shape_Control g;
    g.setBounds(QRectF(10, 10, 40, 20));
    g.setBounds(QRectF(nan, 0, 5, 5));
    g.setWidth(inf);
    EXPECT_FALSE(g.setValue(inf, QStringLiteral("xPosition")));
    EXPECT_EQ(g.bounds(), QRectF(10, 10, 40, 20));

    g.setBounds(QRectF(50, 40, -20, -10));
    EXPECT_EQ(g.bounds(), QRectF(30, 30, 20, 10));
    EXPECT_TRUE(g.setValue(QRectF(0, 0, -4, 6), QStringLiteral("_bounds")));
    EXPECT_EQ(g.bounds(), QRectF(-4, 0, 4, 6));

    EXPECT_FALSE(g.setValue(nan, QStringLiteral("strokeWidth")));
    g.setStrokeWidth(-inf);
    EXPECT_DOUBLE_EQ(g.strokeWidth(), 1.0);
    EXPECT_FALSE(g.setValue(inf, QStringLiteral("alpha_val")));
    EXPECT_FALSE(g.setValue(1e300, QStringLiteral("text_rotation")));
    EXPECT_FLOAT_EQ(g.alpha_val, 100.0f);
    EXPECT_EQ(g.text_rotation, 0);
    EXPECT_TRUE(g.setValue(45.0, QStringLiteral("text_rotation")));
    EXPECT_EQ(g.text_rotation, 45);

    // A value of another kind, or a key that is not there, leaves everything as it was.
    EXPECT_FALSE(g.setValue(QStringLiteral("red"), QStringLiteral("_fillColor")));
    EXPECT_FALSE(g.setValue(3, QStringLiteral("no_such_field")));
    EXPECT_EQ(g.fillColor(), QColor(Qt::white));
    EXPECT_FALSE(g.valueForKey(QStringLiteral("no_such_field")).isValid());
}

TEST(CardObjectError, CodesInUseHaveTheirOwnTexts)
{
    const SKTError clipboard = SKTErrorWithCode(2);
    const SKTError tiff = SKTErrorWithCode(3);
    const SKTError other = SKTErrorWithCode(42);
    EXPECT_EQ(clipboard.domain, SKTErrorDomain);
    EXPECT_EQ(clipboard.code, 2);
    EXPECT_EQ(tiff.code, 3);
    EXPECT_FALSE(clipboard.localizedDescription.isEmpty());
    EXPECT_NE(clipboard.localizedDescription, tiff.localizedDescription);
    EXPECT_NE(clipboard.localizedFailureReason, other.localizedFailureReason);
    EXPECT_NE(tiff.localizedDescription, other.localizedDescription);
    EXPECT_EQ(other.code, 42);
}
