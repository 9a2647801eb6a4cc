#include "core/Globals.h"
#include "model/SKTGraphic.h"
#include "model/SKTLine.h"
#include "platform/KeyedArchive.h"
#include "projects/ProjectFileObjects.h"
#include "projects/ProjectFileText.h"

#include <gtest/gtest.h>

#include <QPainter>

using platform::PlistValue;
using namespace projectfile;

namespace {

QFont dejaVu(double size)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(size);
    return f;
}

// Every common and binding field away from the creation defaults.
void setCommon(SKTGraphic &g)
{
    g._bounds = QRectF(12.5, 30, 80.25, 40);
    g.ctrl_is_locked = true;
    g._isDrawingFill = false;
    g._fillColor = QColor::fromRgbF(0.2f, 0.4f, 0.6f, 1);
    g._isDrawingStroke = true;
    g._strokeColor = QColor::fromRgbF(1, 0, 0, 0.5f);
    g._strokeWidth = 3.25;
    g._stroke_border_type = QStringLiteral("DA");
    g._fill_type = QStringLiteral("G");
    g._fill_Grad_clr1 = Qt::yellow;
    g._fill_Grad_clr2 = Qt::blue;
    g._fill_grad_angle = 45;
    g._fill_htch_clr = Qt::green;
    g._fill_hatch_type = QStringLiteral("Cross");
    g.alpha_val = 0.75f;
    g.alpha_val_stroke = 0.5f;
    g.print_object = 1;
    g.control_ID = QStringLiteral("ID_7");
    g.ctrl_is_visible = false;
    g.data_source_type = 2;
    g.batch_list_name = QStringLiteral("Names");
    g.batch_list_index = 3;
    g.excel_binding = true;
    g.excel_col_indx = 4;
    g.batch_hdr_list_name = QStringLiteral("Heads");
    g.batch_hdr_list_index = 5;
    g.batch_ftr_list_name = QStringLiteral("Feet");
    g.batch_ftr_list_index = 6;
}

void expectCommon(const SKTGraphic &g, bool binding)
{
    EXPECT_EQ(g._bounds, QRectF(12.5, 30, 80.25, 40));
    EXPECT_TRUE(g.ctrl_is_locked);
    EXPECT_FALSE(g._isDrawingFill);
    EXPECT_EQ(colorToText(g._fillColor), QStringLiteral("0.2:0.4:0.6:1.0"));
    EXPECT_EQ(colorToText(g._strokeColor), QStringLiteral("1.0:0.0:0.0:0.5"));
    EXPECT_DOUBLE_EQ(g._strokeWidth, 3.25);
    EXPECT_EQ(g._stroke_border_type, QStringLiteral("DA"));
    EXPECT_EQ(g._fill_type, QStringLiteral("G"));
    EXPECT_EQ(g._fill_Grad_clr2.rgb(), QColor(Qt::blue).rgb());
    EXPECT_DOUBLE_EQ(g._fill_grad_angle, 45);
    EXPECT_EQ(g._fill_hatch_type, QStringLiteral("Cross"));
    EXPECT_FLOAT_EQ(g.alpha_val, 0.75f);
    EXPECT_FLOAT_EQ(g.alpha_val_stroke, 0.5f);
    EXPECT_EQ(g.print_object, 1);
    EXPECT_FALSE(g.ctrl_is_visible);
    if (binding) {
        EXPECT_EQ(g.data_source_type, 2);
        EXPECT_EQ(g.batch_list_name, QStringLiteral("Names"));
        EXPECT_EQ(g.batch_list_index, 3);
        EXPECT_TRUE(g.excel_binding);
        EXPECT_EQ(g.excel_col_indx, 4);
        EXPECT_EQ(g.batch_hdr_list_index, 5);
        EXPECT_EQ(g.batch_ftr_list_name, QStringLiteral("Feet"));
    }
}

ObjectRead roundTrip(const SKTGraphic &g, int expectedCount)
{
    const PlistValue array = objectToArray(g, QStringLiteral("/sample/sign_sample.png"));
    EXPECT_EQ(int(array.items().size()), expectedCount);
    ObjectRead read = objectFromArray(array, false);
    EXPECT_TRUE(read.complete) << read.failure.toStdString();
    EXPECT_TRUE(read.failure.isEmpty()) << read.failure.toStdString();
    return read;
}

TEST(ObjectArray, LineRoundTrip)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Line);
    setCommon(*g);
    g->_line_ori = 2;
    g->_line_cap_style = 1;
    static_cast<SKTLine &>(*g)._pointsRight = true;
    const ObjectRead read = roundTrip(*g, kLineElements);
    ASSERT_TRUE(read.object && read.object->isExactly<SKTLine>());
    expectCommon(*read.object, false);
    EXPECT_EQ(read.object->control_ID, QStringLiteral("ID_7"));
    EXPECT_EQ(read.object->_line_cap_style, 1);
    EXPECT_TRUE(static_cast<SKTLine &>(*read.object)._pointsRight);
    EXPECT_FALSE(static_cast<SKTLine &>(*read.object)._pointsDown);
    // Lines carry no binding: the binding stays as created.
    EXPECT_EQ(read.object->data_source_type, 0);
}

TEST(ObjectArray, ShapeRoundTrip)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
    setCommon(*g);
    g->_shape_type = QStringLiteral("DS");
    g->cor_rad_val = 7.5f;
    g->double_star_type = 3;
    g->polygon_type = 9;
    g->text_rotation = 33;
    const ObjectRead read = roundTrip(*g, kShapeElements);
    ASSERT_TRUE(read.object);
    expectCommon(*read.object, false);
    EXPECT_EQ(read.object->_shape_type, QStringLiteral("DS"));
    EXPECT_FLOAT_EQ(read.object->cor_rad_val, 7.5f);
    EXPECT_EQ(read.object->double_star_type, 3);
    EXPECT_EQ(read.object->polygon_type, 9);
    EXPECT_EQ(read.object->text_rotation, 33);
}

TEST(ObjectArray, TextRoundTripKeepsFontAndColoursToTheirTextPrecision)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    setCommon(*g);
    QFont bold = dejaVu(18.333);
    bold.setBold(true);
    g->text_ctrl_font = bold;
    g->txt_clr = QColor::fromRgbF(0.33f, 0.66f, 0.99f, 1);
    g->text_alignmnet_Vert = 1;
    g->text_alignmnet = 0;
    g->text_transfrom_case = 2;
    g->text_kerning = 1.5f;
    g->Set_text_value(QStringLiteral("Grüße, Welt"));
    g->Drawing_Shadow = true;
    g->Shadow_Color = Qt::magenta;
    g->Shadow_offset_X = -2;
    g->Shadow_offset_Y = 3;
    g->Shadow_blur = 4;
    g->Shadow_transparency = 0.25f;
    g->text_rotation = 90;
    const ObjectRead read = roundTrip(*g, kTextElements);
    ASSERT_TRUE(read.object);
    expectCommon(*read.object, true);
    const SKTGraphic &t = *read.object;
    EXPECT_EQ(t.text_ctrl_font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(t.text_ctrl_font.bold());
    EXPECT_DOUBLE_EQ(t.text_ctrl_font.pointSizeF(), 18.33);
    EXPECT_NEAR(t.txt_clr.redF(), 0.3, 1e-4);
    EXPECT_NEAR(t.txt_clr.greenF(), 0.7, 1e-4);
    EXPECT_EQ(t.text_alignmnet_Vert, 1);
    EXPECT_EQ(t.text_alignmnet, 0);
    EXPECT_EQ(t.text_transfrom_case, 2);
    EXPECT_FLOAT_EQ(t.text_kerning, 1.5f);
    EXPECT_EQ(t.Text_Value, QStringLiteral("Grüße, Welt"));
    EXPECT_TRUE(t.Drawing_Shadow);
    EXPECT_FLOAT_EQ(t.Shadow_offset_X, -2);
    EXPECT_FLOAT_EQ(t.Shadow_transparency, 0.25f);
    EXPECT_EQ(t.text_rotation, 90);
}

TEST(ObjectArray, PictureRoundTrip)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Image);
    setCommon(*g);
    g->_isFlippedVertically = true;
    g->Sepia = true;
    g->img_trnsp_val = 55;
    g->hue_val = 0.5f;
    g->blr_val = 2;
    g->rotate_image = 180;
    g->_file_path = QStringLiteral("/pictures/cropped.png");
    g->Text_Value = QStringLiteral("/pictures/original.png");
    const ObjectRead read = roundTrip(*g, kPictureElements);
    ASSERT_TRUE(read.object);
    expectCommon(*read.object, true);
    EXPECT_FALSE(read.object->_isFlippedHorizontally);
    EXPECT_TRUE(read.object->_isFlippedVertically);
    EXPECT_TRUE(read.object->Sepia);
    EXPECT_FLOAT_EQ(read.object->img_trnsp_val, 55);
    EXPECT_FLOAT_EQ(read.object->hue_val, 0.5f);
    EXPECT_FLOAT_EQ(read.object->blr_val, 2);
    EXPECT_FLOAT_EQ(read.object->rotate_image, 180);
    EXPECT_EQ(read.object->_file_path, QStringLiteral("/pictures/cropped.png"));
    EXPECT_EQ(read.object->Text_Value, QStringLiteral("/pictures/original.png"));
}

TEST(ObjectArray, OlderPictureArraysTakeThePicturePathAsSource)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Image);
    g->_file_path = QStringLiteral("/pictures/a.png");
    g->Text_Value = QStringLiteral("/pictures/source.png");
    PlistValue array = objectToArray(*g, QString());
    PlistValue older = array;
    older.items().pop_back();
    ASSERT_EQ(older.items().size(), size_t(kOlderPictureElements));
    EXPECT_EQ(objectFromArray(older, false).object->Text_Value, QStringLiteral("/pictures/a.png"));
    array.items().back() = PlistValue(QStringLiteral("Text here"));
    EXPECT_EQ(objectFromArray(array, false).object->Text_Value, QStringLiteral("/pictures/a.png"));
}

TEST(ObjectArray, SignatureRoundTripAndSamplePath)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Signature);
    setCommon(*g);
    g->sign_or_fingureprint = QStringLiteral("F");
    g->_file_path = QString();
    const PlistValue array = objectToArray(*g, QStringLiteral("/res/sign_sample.png"));
    EXPECT_EQ(array.items().back().toString(), QStringLiteral("/res/sign_sample.png"));
    const ObjectRead read = roundTrip(*g, kSignatureElements);
    ASSERT_TRUE(read.object);
    expectCommon(*read.object, false);
    EXPECT_EQ(read.object->sign_or_fingureprint, QStringLiteral("F"));
}

std::shared_ptr<SKTGraphic> barcodeObject()
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
    setCommon(*g);
    g->linear_or_2d = 1;
    g->barcode_font_index = 16;
    g->linear_font_val = QStringLiteral("12345");
    g->two_d_font_val = QStringLiteral("https://example.org");
    g->header_val = QStringLiteral("H");
    g->footer_val = QStringLiteral("F");
    g->show_hide_hdr = 1;
    g->align_ftr_index = 2;
    g->linear_height_val = 2.5f;
    g->qr_size_val = 120;
    g->qr_ec_index = 3;
    g->pdf_ec_val = 5;
    g->dm_encoding_index = 2;
    g->LR_margin_val = 0.75f;
    g->value_font_val = g->header_font_val = g->footer_font_val = dejaVu(9);
    g->barcode_clr_val = Qt::red;
    g->barcode_back_clr_val = Qt::transparent;
    g->dpi_val_index = 1;
    g->dpi_custom_val = QStringLiteral("300");
    g->barcode_unit_val = 2;
    g->USE_QR_LOGO = true;
    g->USE_QR_LOGO_PATH = QStringLiteral("/logos/l.png");
    g->AQR_Category = QStringLiteral("URL");
    g->AQR_Final_Value = QStringLiteral("https://example.org");
    g->AQR_Display_value = QStringLiteral("example");
    return g;
}

TEST(ObjectArray, BarcodeRoundTripWithItsPicture)
{
    auto g = barcodeObject();
    QImage bits(21, 21, QImage::Format_RGB32);
    bits.fill(Qt::white);
    bits.setPixel(0, 0, qRgb(0, 0, 0));
    g->_barcode_image = platform::Picture::fromImage(bits, QSizeF(42, 42));
    const ObjectRead read = roundTrip(*g, kBarcodeElements);
    ASSERT_TRUE(read.object);
    expectCommon(*read.object, true);
    const SKTGraphic &b = *read.object;
    EXPECT_FALSE(read.needsPicture);
    EXPECT_EQ(b._barcode_image.size(), QSizeF(42, 42));
    EXPECT_EQ(b._barcode_image.image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(b.bar_image_ctrl_bounds, b._bounds);
    EXPECT_EQ(b.two_d_font_val, QStringLiteral("https://example.org"));
    EXPECT_EQ(b.show_hide_hdr, 1);
    EXPECT_EQ(b.align_ftr_index, 2);
    EXPECT_FLOAT_EQ(b.linear_height_val, 2.5f);
    EXPECT_EQ(b.qr_size_val, 120);
    EXPECT_EQ(b.qr_ec_index, 3);
    EXPECT_EQ(b.pdf_ec_val, 5);
    EXPECT_EQ(b.dm_encoding_index, 2);
    EXPECT_FLOAT_EQ(b.LR_margin_val, 0.75f);
    EXPECT_EQ(b.footer_font_val.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(b.barcode_clr_val.rgba(), QColor(Qt::red).rgba());
    EXPECT_EQ(b.barcode_back_clr_val.alpha(), 0);
    EXPECT_EQ(b.dpi_custom_val, QStringLiteral("300"));
    EXPECT_EQ(b.barcode_unit_val, 2);
    EXPECT_TRUE(b.USE_QR_LOGO);
    EXPECT_EQ(b.USE_QR_LOGO_PATH, QStringLiteral("/logos/l.png"));
    EXPECT_EQ(b.AQR_Display_value, QStringLiteral("example"));
}

TEST(ObjectArray, BarcodeWithoutPictureAsksForOne)
{
    auto g = barcodeObject();
    PlistValue array = objectToArray(*g, QString());   // no picture: an empty block
    EXPECT_EQ(array.items()[29].type(), PlistValue::Type::Data);
    EXPECT_TRUE(objectFromArray(array, false).needsPicture);
    for (PlistValue other : {PlistValue(QStringLiteral("")), PlistValue::data(platform::archivedColor(Qt::red)),
                             PlistValue::data(QByteArray("garbage"))}) {
        array.items()[29] = other;
        const ObjectRead read = objectFromArray(array, false);
        EXPECT_TRUE(read.complete);
        EXPECT_TRUE(read.needsPicture);
    }
}

TEST(ObjectArray, OlderBarcodeArraysHaveNoLogoAndNoPayload)
{
    auto g = barcodeObject();
    PlistValue array = objectToArray(*g, QString());
    array.items().resize(kOlderBarcodeElements);
    const ObjectRead read = objectFromArray(array, false);
    ASSERT_TRUE(read.object);
    EXPECT_TRUE(read.complete);
    EXPECT_FALSE(read.object->USE_QR_LOGO);
    EXPECT_TRUE(read.object->USE_QR_LOGO_PATH.isEmpty());
    EXPECT_TRUE(read.object->AQR_Category.isEmpty());
    EXPECT_TRUE(read.object->AQR_Final_Value.isEmpty());
    EXPECT_EQ(read.object->barcode_unit_val, 2);
}

TEST(ObjectArray, ShortTextArrayGivesThePartialObject)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    g->text_ctrl_font = dejaVu(21);
    g->txt_clr = Qt::red;
    g->text_alignmnet = 0;
    g->text_transfrom_case = 1;
    g->text_kerning = 3;
    g->Set_text_value(QStringLiteral("stored"));
    g->Drawing_Shadow = true;
    g->text_rotation = 45;
    PlistValue array = objectToArray(*g, QString());
    array.items().resize(34);   // ends with element 33
    const ObjectRead read = objectFromArray(array, false);
    ASSERT_TRUE(read.object);
    EXPECT_FALSE(read.complete);
    EXPECT_TRUE(read.failure.contains(QStringLiteral("34")));
    const auto fresh = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    EXPECT_DOUBLE_EQ(read.object->text_ctrl_font.pointSizeF(), 21);
    EXPECT_EQ(read.object->txt_clr.rgb(), QColor(Qt::red).rgb());
    EXPECT_EQ(read.object->text_alignmnet, 0);
    EXPECT_EQ(read.object->text_transfrom_case, 1);
    EXPECT_FLOAT_EQ(read.object->text_kerning, fresh->text_kerning);
    EXPECT_EQ(read.object->Text_Value, fresh->Text_Value);
    EXPECT_EQ(read.object->Drawing_Shadow, fresh->Drawing_Shadow);
    EXPECT_EQ(read.object->text_rotation, fresh->text_rotation);
}

TEST(ObjectArray, UnknownFontsKeepTheStoredSize)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    PlistValue array = objectToArray(*g, QString());
    array.items()[29] = PlistValue(QStringLiteral("SomeoneElsesFont-Bold::::27.50"));
    const ObjectRead read = objectFromArray(array, false);
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.object->text_ctrl_font.family(), QFont(Text_Ctrl_Font).family());
    EXPECT_DOUBLE_EQ(read.object->text_ctrl_font.pointSizeF(), 27.5);
    // A font text without its separator ends the reading there.
    array.items()[29] = PlistValue(QStringLiteral("DejaVuSans 12"));
    const ObjectRead broken = objectFromArray(array, false);
    EXPECT_FALSE(broken.complete);
    ASSERT_TRUE(broken.object);
}

TEST(ObjectArray, ArraysThatGiveNoObject)
{
    auto shape = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
    PlistValue array = objectToArray(*shape, QString());
    PlistValue unknown = array;
    unknown.items()[0] = PlistValue(QStringLiteral("X"));
    EXPECT_FALSE(objectFromArray(unknown, false).object);
    EXPECT_FALSE(objectFromArray(PlistValue(QStringLiteral("D")), false).object);
    EXPECT_FALSE(objectFromArray(PlistValue::array(), false).object);
    for (const char *frame : {"{{1e400, 0}, {10, 10}}", "{{0, 0}, {-5, 10}}", "{{1e300, 0}, {1, 1}}"}) {
        PlistValue bad = array;
        bad.items()[1] = PlistValue(QString::fromLatin1(frame));
        const ObjectRead read = objectFromArray(bad, false);
        EXPECT_FALSE(read.object) << frame;
        EXPECT_FALSE(read.failure.isEmpty());
    }
    // A line's frame may be flat.
    auto line = SKTGraphic::graphicOfClass(SKTGraphicClass::Line);
    line->_bounds = QRectF(0, 5, 100, 0);
    EXPECT_TRUE(objectFromArray(objectToArray(*line, QString()), false).object);
    // An element of another kind ends the reading there.
    array.items()[5] = PlistValue::array();
    const ObjectRead read = objectFromArray(array, false);
    EXPECT_TRUE(read.object);
    EXPECT_FALSE(read.complete);
}

TEST(ObjectArray, QrEditionClearsTheBindingAndPrintFlagReads)
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    setCommon(*g);
    const ObjectRead read = objectFromArray(objectToArray(*g, QString()), true);
    ASSERT_TRUE(read.object);
    EXPECT_EQ(read.object->data_source_type, 0);
    EXPECT_FALSE(read.object->excel_binding);
    EXPECT_EQ(read.object->batch_hdr_list_name, QStringLiteral(""));
    EXPECT_EQ(read.object->batch_ftr_list_index, 0);
    EXPECT_EQ(read.object->print_object, 1);
    PlistValue array = objectToArray(*g, QString());
    array.items()[17] = PlistValue(QStringLiteral("yes"));
    EXPECT_EQ(objectFromArray(array, false).object->print_object, 0);
}

} // namespace
