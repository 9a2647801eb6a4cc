#include "DesignFixture.h"

#include "design/DoubleSlider.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "design/DesignController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>

namespace {

// Stand-ins for the card object classes, which the transfers still reach as QObject by property
// name and recognise by the exact class name of the meta-object. Each stand-in carries the name of
// the class it stands for in its meta-object only; its C++ name stays clear of the real card
// object classes (moc sees the first branch, the compiler the second, and the generated code is
// compiled under the stand-ins' names, see the end of the file).
#ifdef Q_MOC_RUN
class SKTText : public QObject {
    Q_OBJECT
};
class SKTLine : public QObject {
    Q_OBJECT
};
class Shape_Control : public QObject {
    Q_OBJECT
};
class SKTImage : public QObject {
    Q_OBJECT
};
class SKTSignature : public QObject {
    Q_OBJECT
};
class Special_Text : public SKTText {
    Q_OBJECT
};
#else
class TextStandIn : public QObject {
    Q_OBJECT
};
class LineStandIn : public QObject {
    Q_OBJECT
};
class ShapeStandIn : public QObject {
    Q_OBJECT
};
class ImageStandIn : public QObject {
    Q_OBJECT
};
class SignatureStandIn : public QObject {
    Q_OBJECT
};
class Special_Text : public TextStandIn {
    Q_OBJECT
};
#endif

class Transfers : public DesignFixture {
protected:
    void select(QList<QObject *> objects)
    {
        c->design().Selected_Graphics_Source = [objects] { return objects; };
    }
};

TEST_F(Transfers, ShapePanelGoesIntoShapesOnly)
{
    ShapeStandIn shape;
    LineStandIn line;
    select({&shape, &line});
    c->design().Shape_Type_Combo->setCurrentIndex(6);
    c->design().Shape_border_chk->setChecked(true);
    c->design().shape_bordr_clr->setColor(Qt::red);
    c->design().shape_bor_Stepper->setDoubleValue(3);
    c->design().shape_border_style->setCurrentIndex(2);
    c->design().Shape_fill_chk->setChecked(true);
    c->design().Shape_gradient_fill_rd->setChecked(true);
    c->design().shape_alpha_Stepper->setDoubleValue(37);
    c->design().double_star_Stepper->setDoubleValue(4);
    c->design().shape_rotation_Stepper->setDoubleValue(90);
    c->design().print_object_chk->setChecked(true);
    c->design().Update_Shape_Graphics();

    EXPECT_EQ(shape.property("_shape_type").toString(), QStringLiteral("DS"));
    EXPECT_TRUE(shape.property("_isDrawingStroke").toBool());
    EXPECT_EQ(shape.property("_strokeColor").value<QColor>(), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(shape.property("_strokeWidth").toDouble(), 3.0);
    EXPECT_EQ(shape.property("_stroke_border_type").toString(), QStringLiteral("DO"));
    EXPECT_EQ(shape.property("_fill_type").toString(), QStringLiteral("G"));
    EXPECT_FLOAT_EQ(shape.property("alpha_val").toFloat(), 0.37f);
    EXPECT_EQ(shape.property("double_star_type").toInt(), 4);
    EXPECT_EQ(shape.property("text_rotation").toInt(), 90);
    EXPECT_EQ(shape.property("print_object").toInt(), 1);
    EXPECT_FALSE(line.property("_strokeColor").isValid());
}

TEST_F(Transfers, ShapeWithFillOffIsStoredSolidAndBorderOffKeepsColour)
{
    ShapeStandIn shape;
    shape.setProperty("_strokeColor", QColor(Qt::blue));
    shape.setProperty("_fillColor", QColor(Qt::green));
    select({&shape});
    c->design().Shape_border_chk->setChecked(false);
    c->design().shape_bordr_clr->setColor(Qt::red);
    c->design().Shape_fill_chk->setChecked(false);
    c->design().Shape_gradient_fill_rd->setChecked(true);
    c->design().Update_Shape_Graphics();
    EXPECT_EQ(shape.property("_fill_type").toString(), QStringLiteral("S"));
    EXPECT_FALSE(shape.property("_isDrawingStroke").toBool());
    EXPECT_EQ(shape.property("_strokeColor").value<QColor>(), QColor(Qt::blue));
    EXPECT_EQ(shape.property("_fillColor").value<QColor>(), QColor(Qt::green));
}

TEST_F(Transfers, LineWithoutCapChoiceStoresZero)
{
    LineStandIn line;
    select({&line});
    c->design().Line_cap_style->setCurrentIndex(-1);
    c->design().Line_ori_style->setCurrentIndex(2);
    c->design().Line_alpha_Stepper->setDoubleValue(50);
    c->design().Line_Wdt_Stepper->setDoubleValue(6);
    c->design().Line_border_style->setCurrentIndex(4);
    c->design().Update_Line_Graphics();
    EXPECT_EQ(line.property("_line_cap_style").toInt(), 0);
    EXPECT_EQ(line.property("_line_ori").toInt(), 2);
    EXPECT_FLOAT_EQ(line.property("alpha_val_stroke").toFloat(), 0.5f);
    EXPECT_DOUBLE_EQ(line.property("_strokeWidth").toDouble(), 6.0);
    EXPECT_EQ(line.property("_stroke_border_type").toString(), QStringLiteral("DDD"));
    EXPECT_TRUE(line.property("_isDrawingStroke").toBool());
}

TEST_F(Transfers, TextKeepsItsTextWhenSeveralAreSelected)
{
    TextStandIn first, second;
    Special_Text subclass;
    c->design().Text_value_Edit->setPlainText(QStringLiteral("typed"));
    c->design().Text_gradient_fill_rd->setChecked(true);
    c->design().Text_fill_chk->setChecked(false);
    c->design().shadow_transp_Stepper->setDoubleValue(25);
    select({&first, &second, &subclass});
    c->design().Update_Text_Graphics();
    EXPECT_FALSE(first.property("Text_Value").isValid());
    EXPECT_EQ(first.property("_fill_type").toString(), QStringLiteral("G"));   // kept with the fill off
    EXPECT_FLOAT_EQ(second.property("Shadow_transparency").toFloat(), 0.25f);
    // Only the class itself takes the text panel.
    EXPECT_FALSE(subclass.property("_fill_type").isValid());

    select({&first});
    c->design().Update_Text_Graphics();
    EXPECT_EQ(first.property("Text_Value").toString(), QStringLiteral("typed"));
}

TEST_F(Transfers, PictureTakesTheEffectValuesAsShown)
{
    ImageStandIn picture;
    select({&picture});
    c->design().Sat_slidr->setDoubleValue(1.5);
    c->design().Trsp_slidr->setDoubleValue(40);
    c->design().Image_FIH_chk->setChecked(true);
    c->design().Manual_image_path->setPlainText(QStringLiteral("/tmp/a.png"));
    c->design().Update_Image_Graphics();
    EXPECT_FLOAT_EQ(picture.property("sat_val").toFloat(), 1.5f);
    EXPECT_FLOAT_EQ(picture.property("img_trnsp_val").toFloat(), 40.0f);
    EXPECT_FLOAT_EQ(picture.property("con_val").toFloat(), 1.0f);
    EXPECT_TRUE(picture.property("_isFlippedHorizontally").toBool());
    EXPECT_EQ(picture.property("_file_path").toString(), QStringLiteral("/tmp/a.png"));
}

TEST_F(Transfers, SignatureTakesItsPath)
{
    SignatureStandIn sign;
    select({&sign});
    c->design().Sign_image_path->setText(QStringLiteral("Default"));
    c->design().Sign_border_chk->setChecked(true);
    c->design().Sign_bor_Stepper->setDoubleValue(2);
    c->design().Update_Sign_Graphics();
    EXPECT_EQ(sign.property("_file_path").toString(), QStringLiteral("Default"));
    EXPECT_DOUBLE_EQ(sign.property("_strokeWidth").toDouble(), 2.0);
}

TEST_F(Transfers, NothingChangesWhileControlsAreFilled)
{
    LineStandIn line;
    select({&line});
    Not_Draw_Only_Prop_Change = true;
    c->design().Update_Line_Graphics();
    Not_Draw_Only_Prop_Change = false;
    EXPECT_FALSE(line.property("_strokeColor").isValid());
}

TEST_F(Transfers, BorderStyleCodes)
{
    EXPECT_EQ(Border_Style_Code(0), QStringLiteral("S"));
    EXPECT_EQ(Border_Style_Code(4), QStringLiteral("DDD"));
    EXPECT_EQ(Border_Style_Code(5), QStringLiteral("S"));
    EXPECT_EQ(Border_Style_Code(-1), QStringLiteral("S"));
    EXPECT_EQ(Border_Style_Index(QStringLiteral("DD")), 3);
    EXPECT_EQ(Border_Style_Index(QStringLiteral("X")), -1);
    EXPECT_EQ(Shape_Type_Code(2).value_or(QString()), QStringLiteral("RR"));
    EXPECT_FALSE(Shape_Type_Code(8).has_value());
}

} // namespace

// The meta-object code moc wrote for the card class names, compiled for the stand-ins.
#define SKTText TextStandIn
#define SKTLine LineStandIn
#define Shape_Control ShapeStandIn
#define SKTImage ImageStandIn
#define SKTSignature SignatureStandIn
#include "test_transfers.moc"
