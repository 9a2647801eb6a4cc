#include "UndoSupport.h"

#include "design/CascadePoint.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/UndoStacks.h"
#include "design/DoubleSlider.h"
#include "design/panels/AlignmentPanel.h"
#include "design/panels/CardBackgroundPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/panels/CardSizePanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/SignPanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTBarcode.h"
#include "model/SKTGrid.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "platform/Stepper.h"
#include "support/LocaleScope.h"
#include "support/NumberFieldSweep.h"
#include "support/ScriptedResponder.h"
#include "core/Mode.h"
#include "core/Units.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>

namespace {

using undotest::LogCapture;

class PositionSize : public undotest::DesignWithObjects {
protected:
    void SetUp() override
    {
        DesignWithObjects::SetUp();
        text = object<SKTText>(QRectF(10, 20, 56.69, 28.35));
        barcode = object<SKTBarcode>(QRectF(100, 100, 120, 60));
        insert({text, barcode});
        d().editing().Wire_Editing_Commands();
        d().undoStacks().Record_Design_As_Started();
        d().selection().Canvas_Commands.applyX = [this](double v) { applied << std::pair{QStringLiteral("x"), v}; };
        d().selection().Canvas_Commands.applyY = [this](double v) { applied << std::pair{QStringLiteral("y"), v}; };
        // Sizes reach the canvas in the design unit; the canvas converts them to points.
        d().selection().Canvas_Commands.applyWidth = [this](double v) { applied << std::pair{QStringLiteral("width"), v}; };
        d().selection().Canvas_Commands.applyHeight = [this](double v) { applied << std::pair{QStringLiteral("height"), v}; };
    }
    AlignmentPanel &page() { return *d().sidebar().alignmentPanel(); }
    // Types into a field and ends its editing, as the user does.
    static void type(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        field->del();
        QTest::keyClicks(field, text);
        emit field->editingFinished();
    }

    std::shared_ptr<SKTText> text;
    std::shared_ptr<SKTBarcode> barcode;
    QList<std::pair<QString, double>> applied;
};

TEST_F(PositionSize, SizesShowInTheDesignUnitAndTypedOnesGoToTheCanvasInIt)
{
    Measument_Unit_Is = 1;   // cm
    d().sidebar().Set_Control_Pos_And_Size(*text);
    EXPECT_EQ(page().frame_main_pic_X_pos->text(), QStringLiteral("10.00"));
    EXPECT_EQ(page().frame_main_pic_Y_pos->text(), QStringLiteral("20.00"));
    EXPECT_EQ(page().frame_main_pic_width->text(), QStringLiteral("2.00"));
    EXPECT_NEAR(page().frame_main_pic_width_val->doubleValue(), 2.0, 1e-3);
    EXPECT_EQ(page().frame_main_pic_height->text(), QStringLiteral("1.00"));

    selection = {text};
    type(page().frame_main_pic_width, QStringLiteral("3"));
    ASSERT_EQ(applied.size(), 1);
    EXPECT_EQ(applied.first().first, QStringLiteral("width"));
    EXPECT_NEAR(applied.first().second, 3.0, 1e-6);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);

    // In inches and millimetres the same way.
    for (const auto &[unit, typed, value] : {std::tuple{0, "1", 1.0}, std::tuple{2, "10", 10.0}}) {
        Measument_Unit_Is = unit;
        applied.clear();
        type(page().frame_main_pic_height, QString::fromLatin1(typed));
        ASSERT_EQ(applied.size(), 1);
        EXPECT_NEAR(applied.first().second, value, 1e-6);
    }
}

TEST_F(PositionSize, BarcodeSizeFieldsAreOffAndOnlyOtherObjectsAreResized)
{
    d().sidebar().Set_Control_Pos_And_Size(*barcode);
    EXPECT_FALSE(page().frame_main_pic_width->isEnabled());
    EXPECT_FALSE(page().frame_main_pic_height_val->isEnabled());
    EXPECT_TRUE(page().frame_main_pic_X_pos->isEnabled());
    d().sidebar().Set_Control_Pos_And_Size(*text);
    EXPECT_TRUE(page().frame_main_pic_width->isEnabled());
    EXPECT_TRUE(page().frame_main_pic_height_val->isEnabled());

    Measument_Unit_Is = 2;
    selection = {barcode, text};
    type(page().frame_main_pic_width, QStringLiteral("40"));
    ASSERT_EQ(applied.size(), 1);
    EXPECT_EQ(applied.first(), std::pair(QStringLiteral("width"), 40.0));
    EXPECT_EQ(barcode->width(), 120);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);

    // A barcode alone: nothing to resize, no step.
    selection = {barcode};
    applied.clear();
    type(page().frame_main_pic_width, QStringLiteral("50"));
    EXPECT_TRUE(applied.isEmpty());
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);
    // Its position still moves.
    type(page().frame_main_pic_X_pos, QStringLiteral("7"));
    ASSERT_EQ(applied.size(), 1);
    EXPECT_EQ(applied.first(), std::pair(QStringLiteral("x"), 7.0));
}

TEST_F(PositionSize, LockedObjectsAreNeverMovedOrResized)
{
    text->ctrl_is_locked = true;
    selection = {text};
    for (QLineEdit *field : {page().frame_main_pic_X_pos, page().frame_main_pic_Y_pos, page().frame_main_pic_width,
                             page().frame_main_pic_height})
        type(field, QStringLiteral("33"));
    page().frame_main_pic_X_pos_val->stepUp();
    EXPECT_TRUE(applied.isEmpty());
    EXPECT_EQ(text->bounds(), QRectF(10, 20, 56.69, 28.35));
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
}

TEST_F(PositionSize, TypedValuesAreBoundedAndNumbersOnly)
{
    testsupport::ResponderScope responder;
    Measument_Unit_Is = 2;
    selection = {text};
    d().sidebar().Set_Control_Pos_And_Size(*text);
    struct Case {
        QLineEdit *field;
        const char *typed;
        const char *shown;
        double applied;
    };
    const Case cases[] = {   // applied NAN: the field's message, the value kept
        {page().frame_main_pic_X_pos, "20000", "10.00", NAN},
        {page().frame_main_pic_Y_pos, "-20000", "20.00", NAN},
        {page().frame_main_pic_X_pos, "12.5", "12.50", 12.5},
        {page().frame_main_pic_width, "0", "20.00", NAN},
        {page().frame_main_pic_height, "-5", "10.00", NAN},
        {page().frame_main_pic_X_pos, "4abc", "4.00", 4},   // letters are not typed
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.typed);
        applied.clear();
        responder->alerts.clear();
        type(k.field, QString::fromLatin1(k.typed));
        EXPECT_EQ(k.field->text(), QString::fromLatin1(k.shown));
        ASSERT_EQ(applied.size(), std::isnan(k.applied) ? 0 : 1);
        EXPECT_EQ(responder->alerts.size(), 1 - applied.size());
        if (!applied.isEmpty()) {
            EXPECT_NEAR(applied.first().second, k.applied, 1e-4);
        }
    }
}

// A decimal comma is the decimal separator, never a thousands one, under any locale; the field
// shows the value it applied.
TEST_F(PositionSize, DecimalCommaReadsAsTheDecimalSeparatorInEveryLocale)
{
    testsupport::ResponderScope responder;
    Measument_Unit_Is = 2;   // mm
    selection = {text};
    struct Case {
        QLineEdit *field;
        const char *typed;
        const char *shown;
        double applied;
    };
    const Case cases[] = {
        {page().frame_main_pic_X_pos, "40,25", "40.25", 40.25},
        {page().frame_main_pic_Y_pos, "40.25", "40.25", 40.25},
        {page().frame_main_pic_width, "20,5", "20.50", 20.5},
        {page().frame_main_pic_height, "7", "7.00", 7},
        {page().frame_main_pic_X_pos, "1.000,5", "40.25", NAN},   // grouped: the field's message
    };
    for (const char *locale : {"C", "de_DE"}) {
        LocaleScope scope(locale);
        for (const Case &k : cases) {
            SCOPED_TRACE(std::string(locale) + " " + k.typed);
            applied.clear();
            type(k.field, QString::fromLatin1(k.typed));
            EXPECT_EQ(k.field->text(), QString::fromLatin1(k.shown).replace('.', QLocale().decimalPoint()));   // as the locale writes it
            ASSERT_EQ(applied.size(), std::isnan(k.applied) ? 0 : 1);
            if (!applied.isEmpty()) {
                EXPECT_DOUBLE_EQ(applied.first().second, k.applied);
            }
        }
    }
}

// Every number field of the sidebar, typed in the user's locale and ended however the user ends it.
TEST_F(PositionSize, EveryNumberFieldOfTheSidebarReadsAlikeOrRefuses)
{
    testsupport::ResponderScope responder;
    Measument_Unit_Is = 2;
    selection = {text};
    d().sidebar().Set_Control_Pos_And_Size(*text);
    const PropertySidebar &s = d().sidebar();
    const AlignmentPanel &a = page();
    const auto &[cs, bg, bo, im, li] = std::tuple(s.cardSizePanel(), s.cardBackgroundPanel(), s.cardBorderPanel(), s.imagePanel(), s.linePanel());
    const auto &[sh, si, te, tp] = std::tuple(s.shapePanel(), s.signPanel(), s.textEditingPanel(), s.textPropertiesPanel());
    EXPECT_EQ(testsupport::sweepNumberFields({
        {a.frame_main_pic_X_pos, a.frame_main_pic_X_pos_val, "horizontal position"}, {a.frame_main_pic_Y_pos, a.frame_main_pic_Y_pos_val, "vertical position"},
        {a.frame_main_pic_width, a.frame_main_pic_width_val, "width"}, {a.frame_main_pic_height, a.frame_main_pic_height_val, "height"},
        {cs->width_Text, cs->width_Stepper, "label width"}, {cs->height_Text, cs->height_Stepper, "label height"},
        {bg->Card_grad_Text, bg->Card_grad_Stepper, "gradient angle"}, {bg->Card_alpha_Text, bg->Card_alpha_Stepper, "opacity"},
        {bo->Card_bor_Text, bo->Card_bor_Stepper, "border width"}, {bo->wm_transp_val, bo->wm_transp_slider, "watermark opacity"},
        {im->Image_bor_Text, im->Image_bor_Stepper, "border width"}, {im->Rotate_slidr_val, im->Rotate_slidr, "rotation"},
        {im->Trsp_slidr_val, im->Trsp_slidr, "opacity"}, {im->Hue_slidr_val, im->Hue_slidr, "hue"}, {im->Sat_slidr_val, im->Sat_slidr, "saturation"},
        {im->Brt_slidr_val, im->Brt_slidr, "brightness"}, {im->Con_slidr_val, im->Con_slidr, "contrast"},
        {im->shrp_slidr_val, im->shrp_slidr, "sharpness"}, {im->ev_slidr_val, im->ev_slidr, "exposure"}, {im->blr_slidr_val, im->blr_slidr, "blur"},
        {li->Line_Wdt_Text, li->Line_Wdt_Stepper, "line width"}, {li->Line_alpha_Text, li->Line_alpha_Stepper, "opacity"},
        {sh->shape_rotation_slidr_val, sh->shape_rotation_Stepper, "rotation"}, {sh->shape_cor_radius_Text, sh->shape_cor_radius_Stepper, "corner radius"},
        {sh->double_star_Text, sh->double_star_Stepper, "number of points"}, {sh->polygon_Text, sh->polygon_Stepper, "number of sides"},
        {sh->shape_bor_Text, sh->shape_bor_Stepper, "border width"}, {sh->shape_grad_Text, sh->shape_grad_Stepper, "gradient angle"},
        {sh->shape_alpha_Text, sh->shape_alpha_Stepper, "opacity"}, {si->Sign_bor_Text, si->Sign_bor_Stepper, "border width"},
        {te->Text_Kern_Text, te->Text_Kern_Stepper, "letter spacing"}, {te->txt_rotation_slidr_val, te->txt_rotation_slidr, "rotation"},
        {tp->Text_bor_Text, tp->Text_bor_Stepper, "border width"}, {tp->Text_grad_Text, tp->Text_grad_Stepper, "gradient angle"},
        {tp->Text_alpha_Text, tp->Text_alpha_Stepper, "opacity"}, {tp->shadow_x_Text, tp->shadow_x_Stepper, "horizontal shadow offset"},
        {tp->shadow_y_Text, tp->shadow_y_Stepper, "vertical shadow offset"}, {tp->shadow_blur_Text, tp->shadow_blur_Stepper, "shadow blur"},
        {tp->shadow_transp_Text, tp->shadow_transp_Stepper, "shadow opacity"}}, *responder), "");
}

// The position and size fields are named by their labels for assistive technology.
TEST_F(PositionSize, FieldsAreNamedByTheirLabels)
{
    const std::pair<QLineEdit *, const char *> fields[] = {{page().frame_main_pic_X_pos, "X :"},
                                                           {page().frame_main_pic_Y_pos, "Y :"},
                                                           {page().frame_main_pic_width, "Width :"},
                                                           {page().frame_main_pic_height, "Height :"}};
    for (const auto &[field, label] : fields) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromLatin1(label));
    }
}

TEST_F(PositionSize, TheStepperSendsItsValueAndEachEditIsOneStep)
{
    selection = {text};
    d().sidebar().Set_Control_Pos_And_Size(*text);
    page().frame_main_pic_Y_pos_val->stepUp();
    EXPECT_EQ(page().frame_main_pic_Y_pos->text(), QStringLiteral("21.00"));
    ASSERT_EQ(applied.size(), 1);
    EXPECT_EQ(applied.first(), std::pair(QStringLiteral("y"), 21.0));
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);

    // While controls are filled from stored values nothing is applied.
    Not_Draw_Only_Prop_Change = true;
    page().frame_main_pic_Y_pos_val->stepUp();
    EXPECT_EQ(applied.size(), 1);
    Not_Draw_Only_Prop_Change = false;
}

TEST_F(PositionSize, PrintCheckBoxWritesTheFlagAndRecordsAStep)
{
    QList<int> flags;
    d().selection().Canvas_Commands.printControlOrNot = [&](int flag) { flags << flag; };
    selection = {text};
    d().sidebar().print_object_chk->click();
    d().sidebar().print_object_chk->click();
    EXPECT_EQ(flags, QList<int>({1, 0}));
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 3);
    selection.clear();
    d().sidebar().print_object_chk->click();
    EXPECT_EQ(flags.size(), 2);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 3);
}

TEST_F(PositionSize, EachArrangeButtonRunsItsCanvasCommandThenOneStep)
{
    auto &k = d().selection().Canvas_Commands;
    QString last;
    auto recorder = [&](const char *name) { return [&last, name] { last = QString::fromLatin1(name); }; };
    k.alignLeftEdges = recorder("alignLeftEdges");
    k.alignRightEdges = recorder("alignRightEdges");
    k.alignTopEdges = recorder("alignTopEdges");
    k.alignBottomEdges = recorder("alignBottomEdges");
    k.alignformCenter = recorder("alignformCenter");
    k.alignHorizontalCenters = recorder("alignHorizontalCenters");
    k.alignVerticalCenters = recorder("alignVerticalCenters");
    k.makeSameWidth = recorder("makeSameWidth");
    k.makeSameHeight = recorder("makeSameHeight");
    k.makeSameAsLabelSize = recorder("makeSameAsLabelSize");
    k.makeNaturalSize = recorder("makeNaturalSize");
    k.alignWithGrid = recorder("alignWithGrid");
    d().workArea()._grid->setAlwaysShown(true);
    const std::map<QPushButton *, QString> buttons = {
        {page().align_left_btn, QStringLiteral("alignLeftEdges")},
        {page().align_right_btn, QStringLiteral("alignRightEdges")},
        {page().align_top_btn, QStringLiteral("alignTopEdges")},
        {page().align_bottom_btn, QStringLiteral("alignBottomEdges")},
        {page().align_center_btn, QStringLiteral("alignformCenter")},
        {page().align_horzontal_btn, QStringLiteral("alignHorizontalCenters")},
        {page().align_vertical_btn, QStringLiteral("alignVerticalCenters")},
        {page().Make_same_width_btn, QStringLiteral("makeSameWidth")},
        {page().Make_same_height_btn, QStringLiteral("makeSameHeight")},
        {page().fit_to_label_btn, QStringLiteral("makeSameAsLabelSize")},
        {page().Make_natural_size_btn, QStringLiteral("makeNaturalSize")},
        {page().Align_with_grid_btn, QStringLiteral("alignWithGrid")},
    };
    selection = {text, barcode};
    int steps = d().undoStacks().Get_Undo_Count();
    for (const auto &[button, command] : buttons) {
        SCOPED_TRACE(command.toStdString());
        last.clear();
        button->setEnabled(true);
        button->click();
        EXPECT_EQ(last, command);
        EXPECT_EQ(d().undoStacks().Get_Undo_Count(), ++steps);
        text->setXPosition(text->xPosition() + 1);   // each step a change of its own
    }
    // Nothing but locked objects: nothing moves, nothing is recorded.
    text->ctrl_is_locked = barcode->ctrl_is_locked = true;
    last.clear();
    page().Align_Left_Clicked();
    EXPECT_TRUE(last.isEmpty());
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), steps);
}

TEST_F(PositionSize, SameSizeNeedsTwoObjectsAndGridAlignmentAShownGrid)
{
    testsupport::ResponderScope responder;
    int runs = 0;
    d().selection().Canvas_Commands.makeSameWidth = [&] { ++runs; };
    d().selection().Canvas_Commands.makeSameHeight = [&] { ++runs; };
    d().selection().Canvas_Commands.alignWithGrid = [&] { ++runs; };
    selection = {text};
    page().Make_Same_Width_Clicked();
    page().Make_Same_Height_Clicked();
    d().workArea()._grid->setAlwaysShown(false);
    page().Align_To_Grid_Clicked();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    EXPECT_EQ(responder->alertMessages(), QStringList({QStringLiteral("\nPlease select more than one control."),
                                                       QStringLiteral("\nPlease select more than one control."),
                                                       QStringLiteral("\nPlease use grid option first.")}));
}

TEST_F(PositionSize, StandardButtonsFollowTheSelectionSituation)
{
    DesignController &c = d();
    EditingCommands &e = c.editing();
    const QList<QPushButton *> buttons = {e.Cut_btn, e.Copy_btn, e.Paste_btn, e.Delete_btn, e.Begin_Front_btn,
                                          e.Send_Back_btn, e.Lock_btn, e.Unlock_btn, c.sidebar().alignmentPanel()->align_left_btn,
                                          c.sidebar().alignmentPanel()->align_vertical_btn};
    auto states = [&] {
        QString s;
        for (QPushButton *b : buttons)
            s += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    auto all = [&](bool on) {
        for (QPushButton *b : buttons)
            b->setEnabled(on);
    };
    struct Case {
        void (EditingCommands::*set)();
        bool from;
        const char *expected;   // Cut Copy Paste Delete Front Back Lock Unlock align align
    };
    const Case cases[] = {
        {&EditingCommands::Enable_Standard_Button_For_Control, false, "1101111011"},
        {&EditingCommands::Enable_Standard_Button_For_Unlock, true, "1101111011"},
        {&EditingCommands::Disable_Standard_Button_For_Card, true, "0000000000"},
        // Copy and Paste unchanged, from either state.
        {&EditingCommands::Disable_Standard_Button_For_Lock, true, "0110000100"},
        {&EditingCommands::Disable_Standard_Button_For_Lock, false, "0000000100"},
    };
    for (const Case &k : cases) {
        all(k.from);
        (c.editing().*k.set)();
        EXPECT_EQ(states(), QString::fromLatin1(k.expected));
    }
    EXPECT_FALSE(c.editing().Undo_btn->isEnabled());   // the undo buttons are not theirs
}

TEST_F(PositionSize, PasteIsOfferedForCardObjectsOnlyNotForFileNames)
{
    auto *files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"))});
    QGuiApplication::clipboard()->setMimeData(files);
    d().editing().Set_Paste_Button_Status();
    EXPECT_FALSE(d().editing().Paste_btn->isEnabled());
    auto *both = new QMimeData;
    both->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"))});
    both->setData(EditingCommands::Card_Objects_Mime_Type(), "x");
    QGuiApplication::clipboard()->setMimeData(both);
    d().editing().Set_Paste_Button_Status();
    EXPECT_TRUE(d().editing().Paste_btn->isEnabled());
    QGuiApplication::clipboard()->clear();
    d().editing().Set_Paste_Button_Status();
    EXPECT_FALSE(d().editing().Paste_btn->isEnabled());
}

// ---- Cascade position -----------------------------------------------------------------------------

QList<double> xs(CascadeState &state, int n, const QSizeF &canvas, int count = 0, const QString &side = QStringLiteral("F"))
{
    QList<double> out;
    for (int i = 0; i < n; ++i)
        out << Cascade_Next_Point(state, side, count, canvas).x();
    return out;
}

TEST(CascadePoint, StepsTwentyAndWrapsNearTheEdge)
{
    CascadeState s;
    EXPECT_EQ(xs(s, 7, QSizeF(200, 1000)), QList<double>({30, 50, 70, 90, 110, 130, 12}));
    EXPECT_EQ(s.xOffset, 7.0f);
    // Later wraps start further in: 12, then 17, 22 ...
    EXPECT_EQ(xs(s, 14, QSizeF(200, 1000)),
              QList<double>({32, 52, 72, 92, 112, 132, 17, 37, 57, 77, 97, 117, 137, 22}));
}

TEST(CascadePoint, ACanvasNarrowerThanTwelvePointsAlwaysGivesTwelve)
{
    for (double width : {0.0, 5.0, 11.9}) {
        CascadeState s;
        EXPECT_EQ(xs(s, 5, QSizeF(width, 500)), QList<double>({12, 12, 12, 12, 12}));
    }
}

TEST(CascadePoint, TheStepIsTheFrontObjectCountWhenLarger)
{
    CascadeState s;
    EXPECT_EQ(Cascade_Next_Point(s, QStringLiteral("F"), 35, QSizeF(1000, 1000)), QPointF(45, 45));
    EXPECT_EQ(Cascade_Next_Point(s, QStringLiteral("F"), 35, QSizeF(1000, 1000)), QPointF(80, 80));
    EXPECT_EQ(Cascade_Next_Point(s, QStringLiteral("F"), 19, QSizeF(1000, 1000)), QPointF(100, 100));
    // Another side steps 20 whatever the front holds.
    EXPECT_EQ(Cascade_Next_Point(s, QStringLiteral("B"), 35, QSizeF(1000, 1000)), QPointF(120, 120));
}

TEST(CascadePoint, TheAxesWrapIndependently)
{
    CascadeState s;
    QList<QPointF> points;
    for (int i = 0; i < 5; ++i)
        points << Cascade_Next_Point(s, QStringLiteral("F"), 0, QSizeF(500, 130));
    EXPECT_EQ(points, QList<QPointF>({QPointF(30, 30), QPointF(50, 50), QPointF(70, 70), QPointF(90, 12),
                                      QPointF(110, 32)}));
}

TEST(CascadePoint, ASizeThatIsNoNumberThrowsAndKeepsTheState)
{
    CascadeState s{40, 40, 7, 2};
    EXPECT_THROW(Cascade_Next_Point(s, QStringLiteral("F"), 0, QSizeF(std::nan(""), 100)), std::invalid_argument);
    EXPECT_THROW(Cascade_Next_Point(s, QStringLiteral("F"), 0, QSizeF(100, std::numeric_limits<double>::infinity())),
                 std::invalid_argument);
    EXPECT_EQ(s.x, 40.0f);
    EXPECT_EQ(s.xOffset, 7.0f);
}

TEST_F(PositionSize, NewPointsCascadeOverTheCanvasFromTheSharedState)
{
    d().workArea().canvasFrameSize = QSizeF(200, 200);
    EXPECT_EQ(d().Control_New_Point(QStringLiteral("F")), QPointF(30, 30));
    EXPECT_EQ(d().last_ctrl_X, 30.0f);
    EXPECT_EQ(d().Control_New_Point(QStringLiteral("F")), QPointF(50, 50));
    d().Reset_Cascade_Position();
    EXPECT_EQ(d().Control_New_Point(QStringLiteral("F")), QPointF(30, 30));

    LogCapture log;
    d().workArea().canvasFrameSize = QSizeF(std::nan(""), 200);
    EXPECT_EQ(d().Control_New_Point(QStringLiteral("F")), QPointF(10, 10));
    EXPECT_EQ(d().last_ctrl_X, 30.0f);
    EXPECT_TRUE(log.contains(QStringLiteral("not a number")));
}

} // namespace
