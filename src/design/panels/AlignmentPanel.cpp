#include "design/panels/AlignmentPanel.h"

#include "core/Mode.h"
#include "core/ImageServices.h"
#include "core/Units.h"
#include "design/panels/PanelControls.h"
#include "model/SKTBarcode.h"
#include "model/SKTGrid.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include "ui_AlignmentPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

namespace {

void bind(AlignmentPanel &c, const Ui::AlignmentPanel &ui)
{
    // Not outlets: the page's layout, scroll area, scrolling content and the content's layout and
    // stretch, the position and align boxes with their layouts, the two other boxes' layouts, four
    // labels, four rows with their layouts and the gaps before their units.
    designform::bindForm<27>(
        ui, FORM_OUTLET(frame_main_pic_X_pos), FORM_OUTLET(frame_main_pic_X_pos_val), FORM_OUTLET(ctrl_x_pos_unit_lbl),
        FORM_OUTLET(frame_main_pic_Y_pos), FORM_OUTLET(frame_main_pic_Y_pos_val), FORM_OUTLET(ctrl_y_pos_unit_lbl),
        FORM_OUTLET(ctrl_width_height_box), FORM_OUTLET(frame_main_pic_width), FORM_OUTLET(frame_main_pic_width_val),
        FORM_OUTLET(ctrl_width_unit_lbl), FORM_OUTLET(frame_main_pic_height), FORM_OUTLET(frame_main_pic_height_val),
        FORM_OUTLET(ctrl_height_unit_lbl), FORM_OUTLET(Ctrl_Size_Opt_box), FORM_OUTLET(Make_natural_size_btn),
        FORM_OUTLET(fit_to_label_btn), FORM_OUTLET(Make_same_width_btn), FORM_OUTLET(Make_same_height_btn),
        FORM_OUTLET(align_left_btn), FORM_OUTLET(align_right_btn), FORM_OUTLET(align_top_btn),
        FORM_OUTLET(align_bottom_btn), FORM_OUTLET(align_center_btn), FORM_OUTLET(align_horzontal_btn),
        FORM_OUTLET(align_vertical_btn), FORM_OUTLET(Align_with_grid_btn));
}

// Positions stay within this many points of the card's origin.
constexpr double kPositionLimit = 10000.0;
// The smallest size a field gives, in the design unit.
constexpr double kMinimumSize = 0.01;


} // namespace

AlignmentPanel::AlignmentPanel(QWidget *parent)
    : QWidget(parent), Unit_Per_MM([] { return 1.0; }), ui(std::make_unique<Ui::AlignmentPanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);

    using A = AlignmentPanel;
    const std::pair<QPushButton *, void (A::*)()> buttons[] = {
        {align_left_btn, &A::Align_Left_Clicked},
        {align_right_btn, &A::Align_Right_Clicked},
        {align_top_btn, &A::Align_Top_Clicked},
        {align_bottom_btn, &A::Align_Bottom_Clicked},
        {align_center_btn, &A::Align_Center_Clicked},
        {align_horzontal_btn, &A::Align_Horz_Clicked},
        {align_vertical_btn, &A::Align_Vert_Clicked},
        {Make_same_width_btn, &A::Make_Same_Width_Clicked},
        {Make_same_height_btn, &A::Make_Same_Height_Clicked},
        {fit_to_label_btn, &A::Make_Fit_To_Label_Clicked},
        {Make_natural_size_btn, &A::Make_Natural_Clicked},
        {Align_with_grid_btn, &A::Align_To_Grid_Clicked},
    };
    for (const auto &[button, handler] : buttons)
        panelcontrols::onClick(button, this, [this, handler = handler] { (this->*handler)(); });

    const std::pair<std::pair<platform::Stepper *, QLineEdit *>, void (A::*)(QObject *)> fields[] = {
        {{frame_main_pic_X_pos_val, frame_main_pic_X_pos}, &A::Frame_main_Pic_X_Pos_Changed},
        {{frame_main_pic_Y_pos_val, frame_main_pic_Y_pos}, &A::Frame_main_Pic_Y_Pos_Changed},
        {{frame_main_pic_width_val, frame_main_pic_width}, &A::Frame_main_Pic_Wdith_Changed},
        {{frame_main_pic_height_val, frame_main_pic_height}, &A::Frame_main_Pic_Height_Changed},
    };
    for (const auto &[pair, handler] : fields)
        panelcontrols::onPair(pair.first, pair.second, this,
                             [this, handler = handler](QObject *sender) { (this->*handler)(sender); });
}

AlignmentPanel::~AlignmentPanel() = default;

double AlignmentPanel::Points_To_Unit(double points) const
{
    return double(Points_to_MM_Convert(float(points))) * Unit_Per_MM();
}

void AlignmentPanel::Set_Ranges()
{
    for (platform::Stepper *s : {frame_main_pic_X_pos_val, frame_main_pic_Y_pos_val}) {
        s->setMinValue(-kPositionLimit);
        s->setMaxValue(kPositionLimit);
    }
    for (platform::Stepper *s : {frame_main_pic_width_val, frame_main_pic_height_val}) {
        s->setMinValue(kMinimumSize);
        s->setMaxValue(Points_To_Unit(kPositionLimit));
    }
}

void AlignmentPanel::Set_Control_Pos_And_Size(const SKTGraphic &graphic)
{
    Set_Ranges();
    const bool sizable = !graphic.isExactly<SKTBarcode>();
    for (QWidget *w : std::initializer_list<QWidget *>{frame_main_pic_width, frame_main_pic_height,
                                                        frame_main_pic_width_val, frame_main_pic_height_val})
        w->setEnabled(sizable);
    const QRectF frame = graphic.bounds();
    auto show = [](QLineEdit *field, platform::Stepper *stepper, double value) {
        stepper->setDoubleValue(value);
        platform::showNumber(field, value, platform::PairFormat::TwoDecimals);
    };
    show(frame_main_pic_X_pos, frame_main_pic_X_pos_val, frame.x());
    show(frame_main_pic_Y_pos, frame_main_pic_Y_pos_val, frame.y());
    show(frame_main_pic_width, frame_main_pic_width_val, Points_To_Unit(frame.width()));
    show(frame_main_pic_height, frame_main_pic_height_val, Points_To_Unit(frame.height()));
}

void AlignmentPanel::Offer_Size_Commands(bool offered)
{
    for (QPushButton *b : {Make_natural_size_btn, fit_to_label_btn})
        b->setEnabled(offered);
    Ctrl_Size_Opt_box->setVisible(offered);
}

void AlignmentPanel::Set_Unit_Labels(const QString &sizeUnit)
{
    // Object positions are always in points.
    for (QLabel *l : {ctrl_x_pos_unit_lbl, ctrl_y_pos_unit_lbl})
        l->setText(tr("(pt)"));
    for (QLabel *l : {ctrl_width_unit_lbl, ctrl_height_unit_lbl})
        l->setText(sizeUnit);
}

void AlignmentPanel::Enable_Align_Buttons(bool enabled)
{
    for (QPushButton *b : {align_left_btn, align_right_btn, align_top_btn, align_bottom_btn, align_center_btn,
                           align_horzontal_btn, align_vertical_btn})
        b->setEnabled(enabled);
}

void AlignmentPanel::Enable_Same_Size_Buttons(bool enabled)
{
    for (QPushButton *b : {Make_same_width_btn, Make_same_height_btn})
        b->setEnabled(enabled);
}

void AlignmentPanel::Follow_Grid(SKTGrid &grid)
{
    // Showing the grid enables the button and hiding it disables it; a shown grid whose spacing
    // makes it unusable disables it too.
    connect(&grid, &SKTGrid::alwaysShownChanged, this,
            [this, &grid](bool shown) { Align_with_grid_btn->setEnabled(shown && grid.isUsable()); });
    connect(&grid, &SKTGrid::anyChanged, this, [this, &grid] {
        if (grid.isAlwaysShown())
            Align_with_grid_btn->setEnabled(grid.isUsable());
    });
}

void AlignmentPanel::Field_Changed(Field field, QObject *sender)
{
    if (Not_Draw_Only_Prop_Change)
        return;
    const std::pair<platform::Stepper *, QLineEdit *> halves[] = {
        {frame_main_pic_X_pos_val, frame_main_pic_X_pos},
        {frame_main_pic_Y_pos_val, frame_main_pic_Y_pos},
        {frame_main_pic_width_val, frame_main_pic_width},
        {frame_main_pic_height_val, frame_main_pic_height},
    };
    const auto &[stepper, text] = halves[int(field)];
    Set_Ranges();
    // Positions in points, sizes in the design unit.
    const bool position = field == Field::X || field == Field::Y;
    const QString unit = position ? QStringLiteral("pt") : platform::unitName(Measument_Unit_Is);
    const QString names[] = {QStringLiteral("horizontal position"), QStringLiteral("vertical position"),
                             QStringLiteral("width"), QStringLiteral("height")};
    if (panelcontrols::takePair(sender, stepper, text, platform::PairFormat::TwoDecimals, {names[int(field)], unit}))
        emit fieldChanged(field, stepper->doubleValue());
}

void AlignmentPanel::Frame_main_Pic_X_Pos_Changed(QObject *sender) { Field_Changed(Field::X, sender); }
void AlignmentPanel::Frame_main_Pic_Y_Pos_Changed(QObject *sender) { Field_Changed(Field::Y, sender); }
void AlignmentPanel::Frame_main_Pic_Wdith_Changed(QObject *sender) { Field_Changed(Field::Width, sender); }
void AlignmentPanel::Frame_main_Pic_Height_Changed(QObject *sender) { Field_Changed(Field::Height, sender); }

void AlignmentPanel::Align_Left_Clicked() { emit arrangeRequested(Arrange::AlignLeft); }
void AlignmentPanel::Align_Right_Clicked() { emit arrangeRequested(Arrange::AlignRight); }
void AlignmentPanel::Align_Top_Clicked() { emit arrangeRequested(Arrange::AlignTop); }
void AlignmentPanel::Align_Bottom_Clicked() { emit arrangeRequested(Arrange::AlignBottom); }
void AlignmentPanel::Align_Center_Clicked() { emit arrangeRequested(Arrange::AlignCenter); }
void AlignmentPanel::Align_Horz_Clicked() { emit arrangeRequested(Arrange::AlignHorizontal); }
void AlignmentPanel::Align_Vert_Clicked() { emit arrangeRequested(Arrange::AlignVertical); }
void AlignmentPanel::Make_Same_Width_Clicked() { emit arrangeRequested(Arrange::SameWidth); }
void AlignmentPanel::Make_Same_Height_Clicked() { emit arrangeRequested(Arrange::SameHeight); }
void AlignmentPanel::Make_Fit_To_Label_Clicked() { emit arrangeRequested(Arrange::FitToLabel); }
void AlignmentPanel::Make_Natural_Clicked() { emit arrangeRequested(Arrange::Natural); }
void AlignmentPanel::Align_To_Grid_Clicked() { emit arrangeRequested(Arrange::AlignToGrid); }

#include "moc_AlignmentPanel.cpp"
