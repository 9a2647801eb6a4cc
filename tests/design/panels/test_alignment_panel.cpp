// The arrange page alone: the frame of an object in its fields in each design unit, typed and
// stepped values going out bounded, each button's command, and the page's states.

#include "core/Mode.h"
#include "design/panels/AlignmentPanel.h"
#include "model/SKTGraphic.h"
#include "model/SKTGrid.h"
#include "platform/Stepper.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class AlignmentPanelAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        text = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
        text->setBounds(QRectF(10, 20, 56.69, 28.35));   // 20 mm by 10 mm
        barcode = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
        barcode->setBounds(QRectF(100, 100, 120, 60));
    }
    void TearDown() override { Not_Draw_Only_Prop_Change = false; }
    // The design unit per millimetre: 0 inch, 1 cm, 2 mm.
    void unit(int u)
    {
        static const double perMM[] = {double(0.03937008f), double(0.1f), 1.0};
        p.Unit_Per_MM = [u] { return perMM[u]; };
    }
    // Types into a field and ends its editing, as the user does.
    static void type(QLineEdit *field, const QString &typed)
    {
        field->selectAll();
        field->del();
        QTest::keyClicks(field, typed);
        emit field->editingFinished();
    }

    AlignmentPanel p;
    QSignalSpy fields{&p, &AlignmentPanel::fieldChanged};
    QSignalSpy commands{&p, &AlignmentPanel::arrangeRequested};
    std::shared_ptr<SKTGraphic> text, barcode;
};

TEST_F(AlignmentPanelAlone, PositionsShowInPointsAndSizesInTheDesignUnit)
{
    const struct {
        int unit;
        const char *width;
        const char *height;
    } cases[] = {{0, "0.79", "0.39"}, {1, "2.00", "1.00"}, {2, "20.00", "10.00"}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.unit);
        unit(k.unit);
        p.Set_Control_Pos_And_Size(*text);
        EXPECT_EQ(p.frame_main_pic_X_pos->text(), QStringLiteral("10.00"));
        EXPECT_EQ(p.frame_main_pic_Y_pos->text(), QStringLiteral("20.00"));
        EXPECT_DOUBLE_EQ(p.frame_main_pic_Y_pos_val->doubleValue(), 20.0);
        EXPECT_EQ(p.frame_main_pic_width->text(), QString::fromLatin1(k.width));
        EXPECT_EQ(p.frame_main_pic_height->text(), QString::fromLatin1(k.height));
        EXPECT_NEAR(p.frame_main_pic_width_val->doubleValue(), QString::fromLatin1(k.width).toDouble(), 0.006);
    }
    EXPECT_EQ(fields.count(), 0);   // a fill sends nothing
}

TEST_F(AlignmentPanelAlone, ABarcodeObjectsSizeCannotBeTyped)
{
    p.Set_Control_Pos_And_Size(*barcode);
    for (QWidget *w : std::initializer_list<QWidget *>{p.frame_main_pic_width, p.frame_main_pic_height,
                                                        p.frame_main_pic_width_val, p.frame_main_pic_height_val})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(p.frame_main_pic_X_pos->isEnabled());
    p.Set_Control_Pos_And_Size(*text);
    EXPECT_TRUE(p.frame_main_pic_height_val->isEnabled());
}

TEST_F(AlignmentPanelAlone, TypedValuesGoOutBoundedInTheirUnit)
{
    const struct {
        int unit;
        QLineEdit *field;
        AlignmentPanel::Field which;
        const char *typed;
        const char *shown;
        double value;
    } cases[] = {   // a value of NAN: refused, the value kept
        {2, p.frame_main_pic_X_pos, AlignmentPanel::Field::X, "20000", "0.00", NAN},
        {2, p.frame_main_pic_Y_pos, AlignmentPanel::Field::Y, "-20000", "0.00", NAN},
        {2, p.frame_main_pic_X_pos, AlignmentPanel::Field::X, "4abc", "4.00", 4},   // letters are not typed
        {2, p.frame_main_pic_width, AlignmentPanel::Field::Width, "0", "0.01", NAN},
        {2, p.frame_main_pic_height, AlignmentPanel::Field::Height, "-5", "0.01", NAN},
        // The largest size is the position limit in the unit: 10000 points.
        {1, p.frame_main_pic_width, AlignmentPanel::Field::Width, "352.78", "352.78", 352.7778},
        {0, p.frame_main_pic_height, AlignmentPanel::Field::Height, "1000", "0.01", NAN},
        {1, p.frame_main_pic_height, AlignmentPanel::Field::Height, "3", "3.00", 3},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.typed);
        unit(k.unit);
        fields.clear();
        type(k.field, QString::fromLatin1(k.typed));
        EXPECT_EQ(k.field->text(), QString::fromLatin1(k.shown));
        ASSERT_EQ(fields.count(), std::isnan(k.value) ? 0 : 1);
        if (fields.isEmpty())
            continue;
        EXPECT_EQ(fields.first().at(0).value<AlignmentPanel::Field>(), k.which);
        EXPECT_NEAR(fields.first().at(1).toDouble(), k.value, 1e-3);
    }
}

TEST_F(AlignmentPanelAlone, TheStepperSendsItsValueButNotWhileFilling)
{
    p.Set_Control_Pos_And_Size(*text);
    p.frame_main_pic_Y_pos_val->stepUp();
    EXPECT_EQ(p.frame_main_pic_Y_pos->text(), QStringLiteral("21.00"));
    ASSERT_EQ(fields.count(), 1);
    EXPECT_DOUBLE_EQ(fields.first().at(1).toDouble(), 21.0);

    Not_Draw_Only_Prop_Change = true;
    p.frame_main_pic_Y_pos_val->stepUp();
    type(p.frame_main_pic_X_pos, QStringLiteral("5"));
    EXPECT_EQ(fields.count(), 1);
}

TEST_F(AlignmentPanelAlone, EachButtonAsksForItsCommand)
{
    using A = AlignmentPanel::Arrange;
    const std::pair<QPushButton *, A> buttons[] = {
        {p.align_left_btn, A::AlignLeft},          {p.align_right_btn, A::AlignRight},
        {p.align_top_btn, A::AlignTop},            {p.align_bottom_btn, A::AlignBottom},
        {p.align_center_btn, A::AlignCenter},      {p.align_horzontal_btn, A::AlignHorizontal},
        {p.align_vertical_btn, A::AlignVertical},  {p.Make_same_width_btn, A::SameWidth},
        {p.Make_same_height_btn, A::SameHeight},   {p.fit_to_label_btn, A::FitToLabel},
        {p.Make_natural_size_btn, A::Natural},     {p.Align_with_grid_btn, A::AlignToGrid},
    };
    for (const auto &[button, command] : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        commands.clear();
        button->setEnabled(true);
        button->click();
        ASSERT_EQ(commands.count(), 1);
        EXPECT_EQ(commands.first().first().value<A>(), command);
    }
    EXPECT_EQ(fields.count(), 0);
}

TEST_F(AlignmentPanelAlone, TheSizeCommandsAndButtonStatesFollowTheDesigningMode)
{
    p.Offer_Size_Commands(false);
    EXPECT_FALSE(p.Make_natural_size_btn->isEnabled());
    EXPECT_FALSE(p.fit_to_label_btn->isEnabled());
    EXPECT_TRUE(p.Ctrl_Size_Opt_box->isHidden());
    p.Offer_Size_Commands(true);
    EXPECT_TRUE(p.fit_to_label_btn->isEnabled());
    EXPECT_FALSE(p.Ctrl_Size_Opt_box->isHidden());

    p.Enable_Align_Buttons(false);
    for (QPushButton *b : {p.align_left_btn, p.align_right_btn, p.align_top_btn, p.align_bottom_btn, p.align_center_btn,
                           p.align_horzontal_btn, p.align_vertical_btn})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(p.Make_same_width_btn->isEnabled());
    p.Enable_Same_Size_Buttons(false);
    EXPECT_FALSE(p.Make_same_width_btn->isEnabled());
    EXPECT_FALSE(p.Make_same_height_btn->isEnabled());
    EXPECT_TRUE(p.Make_natural_size_btn->isEnabled());

    p.Set_Unit_Labels(QStringLiteral("(cm)"));
    EXPECT_EQ(p.ctrl_x_pos_unit_lbl->text(), QStringLiteral("(pt)"));
    EXPECT_EQ(p.ctrl_y_pos_unit_lbl->text(), QStringLiteral("(pt)"));
    EXPECT_EQ(p.ctrl_width_unit_lbl->text(), QStringLiteral("(cm)"));
    EXPECT_EQ(p.ctrl_height_unit_lbl->text(), QStringLiteral("(cm)"));
}

TEST_F(AlignmentPanelAlone, TheGridButtonFollowsAShownUsableGrid)
{
    SKTGrid grid;
    p.Follow_Grid(grid);
    grid.setAlwaysShown(true);
    EXPECT_TRUE(p.Align_with_grid_btn->isEnabled());
    grid.setSpacing(0);
    EXPECT_FALSE(p.Align_with_grid_btn->isEnabled());
    grid.setSpacing(9);
    EXPECT_TRUE(p.Align_with_grid_btn->isEnabled());
    grid.setAlwaysShown(false);
    EXPECT_FALSE(p.Align_with_grid_btn->isEnabled());
}

} // namespace
