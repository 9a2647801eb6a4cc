// The object panels' transfers and their handlers on real card objects: each action writes the
// panel into the selected objects of the panel's exact class and records one undo step.

#include "DesignFixture.h"

#include "design/DoubleSlider.h"
#include "design/PanelValues.h"
#include "design/PropertySidebar.h"
#include "design/panels/DataSourcePanel.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "support/ScriptedResponder.h"
#include "model/DesignGlobals.h"
#include "core/Mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextCursor>

namespace {

class Transfers : public DesignFixture {
protected:
    DesignController &d() { return env.design(); }
    qsizetype undoSteps() const { return Ucontrol.size(); }
};

TEST_F(Transfers, ShapePanelGoesIntoShapesOnly)
{
    const auto shape = make(SKTGraphicClass::Shape), line = make(SKTGraphicClass::Line);
    const QColor lineColour = line->_strokeColor;
    select({shape, line});
    sidebar().shapePanel()->Shape_Type_Combo->setCurrentIndex(6);
    sidebar().shapePanel()->Shape_border_chk->setChecked(true);
    sidebar().shapePanel()->shape_bordr_clr->setColor(Qt::red);
    sidebar().shapePanel()->shape_bor_Stepper->setDoubleValue(3);
    sidebar().shapePanel()->shape_border_style->setCurrentIndex(2);
    sidebar().shapePanel()->Shape_fill_chk->setChecked(true);
    sidebar().shapePanel()->Shape_gradient_fill_rd->setChecked(true);
    sidebar().shapePanel()->shape_alpha_Stepper->setDoubleValue(37);
    sidebar().shapePanel()->double_star_Stepper->setDoubleValue(4);
    sidebar().shapePanel()->shape_rotation_Stepper->setDoubleValue(90);
    sidebar().print_object_chk->setChecked(true);
    d().Update_Shape_Graphics();

    EXPECT_EQ(shape->_shape_type, QStringLiteral("DS"));
    EXPECT_TRUE(shape->_isDrawingStroke);
    EXPECT_EQ(shape->_strokeColor, QColor(Qt::red));
    EXPECT_DOUBLE_EQ(shape->_strokeWidth, 3.0);
    EXPECT_EQ(shape->_stroke_border_type, QStringLiteral("DO"));
    EXPECT_EQ(shape->_fill_type, QStringLiteral("G"));
    EXPECT_FLOAT_EQ(shape->alpha_val, 0.37f);
    EXPECT_EQ(shape->double_star_type, 4);
    EXPECT_EQ(shape->text_rotation, 90);
    EXPECT_EQ(shape->print_object, 1);
    EXPECT_EQ(line->_strokeColor, lineColour);
    EXPECT_EQ(line->print_object, 0);
}

TEST_F(Transfers, FillOffStoresSolidShapesButTextsKeepTheirGradient)
{
    const auto shape = make(SKTGraphicClass::Shape), text = make(SKTGraphicClass::Text);
    shape->_strokeColor = Qt::blue;
    shape->_fillColor = Qt::green;
    select({shape, text});
    sidebar().shapePanel()->Shape_border_chk->setChecked(false);
    sidebar().shapePanel()->shape_bordr_clr->setColor(Qt::red);
    sidebar().shapePanel()->Shape_fill_chk->setChecked(false);
    sidebar().shapePanel()->Shape_gradient_fill_rd->setChecked(true);
    d().Update_Shape_Graphics();
    EXPECT_EQ(shape->_fill_type, QStringLiteral("S"));
    EXPECT_FALSE(shape->_isDrawingStroke);
    EXPECT_EQ(shape->_strokeColor, QColor(Qt::blue));   // kept for the next time the border is on
    EXPECT_EQ(shape->_fillColor, QColor(Qt::green));

    sidebar().textPropertiesPanel()->Text_fill_chk->setChecked(false);
    sidebar().textPropertiesPanel()->Text_gradient_fill_rd->setChecked(true);
    d().Update_Text_Graphics();
    EXPECT_EQ(text->_fill_type, QStringLiteral("G"));
    EXPECT_FALSE(text->_isDrawingFill);
}

TEST_F(Transfers, LineWithoutCapChoiceStoresZeroAndOpacityIsAFraction)
{
    const auto line = make(SKTGraphicClass::Line);
    line->_line_cap_style = 2;
    select({line});
    sidebar().linePanel()->Line_cap_style->setCurrentIndex(-1);
    sidebar().linePanel()->Line_ori_style->setCurrentIndex(2);
    sidebar().linePanel()->Line_alpha_Stepper->setDoubleValue(37);
    sidebar().linePanel()->Line_Wdt_Stepper->setDoubleValue(6);
    sidebar().linePanel()->Line_border_style->setCurrentIndex(4);
    d().Update_Line_Graphics();
    EXPECT_EQ(line->_line_cap_style, 0);
    EXPECT_EQ(line->_line_ori, 2);
    EXPECT_FLOAT_EQ(line->alpha_val_stroke, 0.37f);
    EXPECT_DOUBLE_EQ(line->_strokeWidth, 6.0);
    EXPECT_EQ(line->_stroke_border_type, QStringLiteral("DDD"));
    EXPECT_TRUE(line->_isDrawingStroke);
}

TEST_F(Transfers, TextsKeepTheirTextsWhenSeveralAreSelected)
{
    const auto first = make(SKTGraphicClass::Text), second = make(SKTGraphicClass::Text);
    first->Set_text_value(QStringLiteral("one"));
    second->Set_text_value(QStringLiteral("two"));
    sidebar().dataSourcePanel()->Text_value_Edit->setPlainText(QStringLiteral("typed"));
    sidebar().textPropertiesPanel()->shadow_transp_Stepper->setDoubleValue(25);
    sidebar().textEditingPanel()->Text_clr->setColor(Qt::darkGreen);
    select({first, second});
    d().Update_Text_Graphics();
    EXPECT_EQ(first->Text_Value, QStringLiteral("one"));
    EXPECT_EQ(second->Text_Value, QStringLiteral("two"));
    EXPECT_FLOAT_EQ(second->Shadow_transparency, 0.25f);
    EXPECT_EQ(first->txt_clr, QColor(Qt::darkGreen));

    select({first});
    d().Update_Text_Graphics();
    EXPECT_EQ(first->Text_Value, QStringLiteral("typed"));
}

TEST_F(Transfers, ColourPreStepReachesEveryClass)
{
    // A star and a line: the star's border colour becomes the line's stroke colour, while the
    // star takes its whole panel.
    const auto star = make(SKTGraphicClass::Shape), line = make(SKTGraphicClass::Line);
    star->Set_Shape_Type(QStringLiteral("S"));
    select({star, line});
    sidebar().shapePanel()->Shape_Type_Combo->setCurrentIndex(5);
    sidebar().shapePanel()->Shape_border_chk->setChecked(true);
    sidebar().shapePanel()->shape_fill_clr->setColor(Qt::white);
    sidebar().shapePanel()->Shape_fill_chk->setChecked(true);
    sidebar().shapePanel()->shape_bordr_clr->chooseColor(QColor(Qt::magenta));
    EXPECT_EQ(line->_strokeColor, QColor(Qt::magenta));
    EXPECT_EQ(star->_strokeColor, QColor(Qt::magenta));
    EXPECT_EQ(star->_fillColor, QColor(Qt::white));   // the panel's fill colour after the pre-step
}

TEST_F(Transfers, EveryActionRecordsOneUndoStep)
{
    const auto shape = make(SKTGraphicClass::Shape), line = make(SKTGraphicClass::Line);
    front({shape, line});
    select({shape, line});
    const struct {
        const char *what;
        std::function<void()> act;
    } actions[] = {
        {"stepper", [&] { sidebar().shapePanel()->shape_alpha_Stepper->stepDown(); }},
        {"check box", [&] { sidebar().shapePanel()->Shape_fill_chk->click(); }},
        {"radio", [&] { sidebar().shapePanel()->Shape_Style_fill_rd->click(); }},
        {"colour well", [&] { sidebar().linePanel()->Line_clr->chooseColor(Qt::cyan); }},
        {"border style list", [&] {
             sidebar().shapePanel()->shape_border_style->setCurrentIndex(3);   // the page's own dispatch
         }},
        {"field", [&] {
             sidebar().linePanel()->Line_Wdt_Text->setText(QStringLiteral("4"));
             emit sidebar().linePanel()->Line_Wdt_Text->editingFinished();
         }},
    };
    for (const auto &a : actions) {
        const qsizetype before = undoSteps();
        a.act();
        EXPECT_EQ(undoSteps(), before + 1) << a.what;
    }
    EXPECT_DOUBLE_EQ(line->_strokeWidth, 4.0);   // the field reached its stepper
    EXPECT_EQ(sidebar().linePanel()->Line_Wdt_Stepper->intValue(), 4);
    EXPECT_FLOAT_EQ(shape->alpha_val, 0.99f);
    EXPECT_EQ(shape->_fill_type, QStringLiteral("H"));
}

TEST_F(Transfers, StepperPairsCopyTheSteppersValueIntoTheField)
{
    const auto text = make(SKTGraphicClass::Text);
    select({text});
    sidebar().textPropertiesPanel()->Text_fill_chk->click();   // the fill and shadow boxes hold the steppers
    sidebar().textPropertiesPanel()->draw_shadow_chkbox->click();
    sidebar().textPropertiesPanel()->Text_alpha_Stepper->setDoubleValue(50);
    sidebar().textPropertiesPanel()->Text_alpha_Stepper->stepUp();
    EXPECT_EQ(sidebar().textPropertiesPanel()->Text_alpha_Text->text(), QStringLiteral("51"));
    EXPECT_FLOAT_EQ(text->alpha_val, 0.51f);
    sidebar().textPropertiesPanel()->shadow_x_Stepper->setDoubleValue(1.5);
    sidebar().textPropertiesPanel()->shadow_x_Stepper->stepUp();
    EXPECT_EQ(sidebar().textPropertiesPanel()->shadow_x_Text->text(), QStringLiteral("2.5"));
    EXPECT_FLOAT_EQ(text->Shadow_offset_X, 2.5f);
}

TEST_F(Transfers, FillControlsFollowTheFillType)
{
    const auto shape = make(SKTGraphicClass::Shape);
    select({shape});
    sidebar().shapePanel()->Shape_fill_chk->setChecked(true);
    sidebar().shapePanel()->Shape_Gradient_RD_Sel();
    EXPECT_TRUE(sidebar().shapePanel()->shape_grad_Stepper->isEnabled());
    EXPECT_FALSE(sidebar().shapePanel()->shape_fill_clr->isEnabled());
    EXPECT_FALSE(sidebar().shapePanel()->shape_hatch_style->isEnabled());
    EXPECT_TRUE(sidebar().shapePanel()->shape_alpha_Stepper->isHidden());
    sidebar().shapePanel()->Shape_Hatch_RD_Sel();
    EXPECT_TRUE(sidebar().shapePanel()->shape_hatch_bk_clr->isEnabled());
    EXPECT_FALSE(sidebar().shapePanel()->shape_fill_Grd_1_clr->isEnabled());
    EXPECT_FALSE(sidebar().shapePanel()->shape_alpha_Stepper->isHidden());
    sidebar().shapePanel()->Shape_fill_chk->setChecked(false);
    sidebar().shapePanel()->Shape_Fill_Chk_Box();
    EXPECT_FALSE(sidebar().shapePanel()->shape_fill_box->isEnabled());
    EXPECT_EQ(shape->_fill_type, QStringLiteral("S"));
}

TEST_F(Transfers, TodaysDateGoesInPlaceOfTheSelection)
{
    const auto text = make(SKTGraphicClass::Text);
    select({text});
    sidebar().dataSourcePanel()->Text_Date_style->setCurrentText(QStringLiteral("yyyy-MM-dd"));
    sidebar().dataSourcePanel()->Text_value_Edit->setPlainText(QStringLiteral("Issued: XX"));
    QTextCursor cursor = sidebar().dataSourcePanel()->Text_value_Edit->textCursor();
    cursor.setPosition(8);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    sidebar().dataSourcePanel()->Text_value_Edit->setTextCursor(cursor);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const qsizetype before = undoSteps();
    sidebar().dataSourcePanel()->insert_date_btn->click();
    EXPECT_EQ(text->Text_Value, QStringLiteral("Issued: ") + today);
    EXPECT_EQ(undoSteps(), before + 1);
}

TEST_F(Transfers, EmptyDateOrTimeFormatOnlyTellsSo)
{
    testsupport::ResponderScope responder;
    const auto text = make(SKTGraphicClass::Text);
    text->Set_text_value(QStringLiteral("same"));
    select({text});
    sidebar().dataSourcePanel()->Text_value_Edit->setPlainText(QStringLiteral("same"));
    sidebar().dataSourcePanel()->Text_Date_style->setCurrentIndex(-1);
    sidebar().dataSourcePanel()->Text_Time_style->setCurrentIndex(-1);
    const qsizetype before = undoSteps();
    sidebar().dataSourcePanel()->insert_date_btn->click();
    sidebar().dataSourcePanel()->insert_time_btn->click();
    EXPECT_EQ(responder->alertMessages(), (QStringList{QStringLiteral("\nPlease select Date format."),
                                                      QStringLiteral("\nPlease select Time format.")}));
    EXPECT_EQ(text->Text_Value, QStringLiteral("same"));
    EXPECT_EQ(undoSteps(), before);
}

TEST_F(Transfers, FontChooserOkTransfersOnceAndCancelChangesNothing)
{
    testsupport::ResponderScope responder;
    const auto text = make(SKTGraphicClass::Text);
    const QFont original = text->text_ctrl_font;
    select({text});
    const qsizetype before = undoSteps();
    sidebar().textEditingPanel()->Text_Font_Changed();   // no answer scripted: cancelled
    EXPECT_EQ(text->text_ctrl_font, original);
    EXPECT_EQ(undoSteps(), before);

    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSizeF(19);
    responder->fontAnswers = {chosen};
    sidebar().textEditingPanel()->Text_Font_Changed();
    EXPECT_EQ(text->text_ctrl_font, chosen);
    EXPECT_EQ(sidebar().textEditingPanel()->Text_font_value->text(), QStringLiteral("DejaVu Sans ( 19.00 )"));
    EXPECT_EQ(undoSteps(), before + 1);
}

TEST_F(Transfers, NothingChangesWhileControlsAreFilled)
{
    const auto line = make(SKTGraphicClass::Line), shape = make(SKTGraphicClass::Shape);
    select({line, shape});
    sidebar().linePanel()->Line_clr->setColor(Qt::red);
    sidebar().shapePanel()->shape_bordr_clr->setColor(Qt::red);
    Not_Draw_Only_Prop_Change = true;
    const qsizetype before = undoSteps();
    d().Update_Line_Graphics();
    sidebar().linePanel()->Line_Width_Changed(sidebar().linePanel()->Line_Wdt_Stepper);
    sidebar().shapePanel()->Shape_Border_ChkBox();
    d().Update_Shape_Graphics();
    Not_Draw_Only_Prop_Change = false;
    EXPECT_EQ(line->_strokeColor, QColor(Qt::black));
    EXPECT_EQ(shape->_strokeColor, QColor(Qt::black));
    EXPECT_EQ(undoSteps(), before);
}

TEST_F(Transfers, NothingSelectedWritesNothing)
{
    select({});
    const qsizetype before = undoSteps();
    d().Update_Shape_Graphics();
    d().Update_Text_Graphics();
    EXPECT_EQ(undoSteps(), before);
}

TEST_F(Transfers, StyleAndShapeCodes)
{
    EXPECT_EQ(Border_Style_Code(0), QStringLiteral("S"));
    EXPECT_EQ(Border_Style_Code(4), QStringLiteral("DDD"));
    EXPECT_EQ(Border_Style_Code(5), QStringLiteral("S"));
    EXPECT_EQ(Border_Style_Code(-1), QStringLiteral("S"));
    EXPECT_EQ(Shape_Type_Code(2).value_or(QString()), QStringLiteral("RR"));
    EXPECT_FALSE(Shape_Type_Code(8).has_value());
    EXPECT_FALSE(Shape_Type_Code(-1).has_value());
}

} // namespace
