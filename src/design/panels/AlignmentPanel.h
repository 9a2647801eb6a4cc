#pragma once
// The property sidebar's "aligmnt_tab" page ("Arrange"): the shown object's position and size
// fields and the arrange commands. The page changes no object itself: a field tells the Designing
// mode its value (fieldChanged) and a button its command (arrangeRequested), and the Designing
// mode hands them to the canvas for the selected objects.

#include <QWidget>

#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SKTGraphic;
class SKTGrid;
namespace platform {
class Stepper;
}
namespace Ui {
class AlignmentPanel;
}

class AlignmentPanel : public QWidget {
    Q_OBJECT
public:
    // The fields: positions in points, sizes in the design unit.
    enum class Field { X, Y, Width, Height };
    Q_ENUM(Field)
    // The commands of the page's buttons.
    enum class Arrange {
        AlignLeft,
        AlignRight,
        AlignTop,
        AlignBottom,
        AlignCenter,
        AlignHorizontal,
        AlignVertical,
        SameWidth,
        SameHeight,
        FitToLabel,
        Natural,
        AlignToGrid,
    };
    Q_ENUM(Arrange)

    explicit AlignmentPanel(QWidget *parent = nullptr);
    ~AlignmentPanel() override;

    // The design unit per millimetre, asked at each use (the Designing mode's unit may change at
    // any time); millimetres until the Designing mode supplies its own.
    std::function<double()> Unit_Per_MM;

    // The fields show an object's frame: its position in points, its size in the design unit. A
    // barcode object's size cannot be typed: it follows its picture.
    void Set_Control_Pos_And_Size(const SKTGraphic &graphic);
    // The size commands offered (not for a barcode object, whose size follows its picture).
    void Offer_Size_Commands(bool offered);
    // The unit labels: positions in points, sizes in the given unit ("(mm)").
    void Set_Unit_Labels(const QString &sizeUnit);
    // The seven alignment buttons, and the two same-size buttons, enabled or not.
    void Enable_Align_Buttons(bool enabled);
    void Enable_Same_Size_Buttons(bool enabled);
    // Align_with_grid_btn follows the grid from now on: enabled while the grid is shown and usable.
    void Follow_Grid(SKTGrid &grid);

    // Handlers of the fields: the pair's halves agree again (bounded by the stepper's range), then
    // the value goes out; nothing while the controls are being filled.
    void Frame_main_Pic_X_Pos_Changed(QObject *sender);
    void Frame_main_Pic_Y_Pos_Changed(QObject *sender);
    void Frame_main_Pic_Wdith_Changed(QObject *sender);
    void Frame_main_Pic_Height_Changed(QObject *sender);
    // Handlers of the buttons: each asks for its command.
    void Align_Left_Clicked();
    void Align_Right_Clicked();
    void Align_Top_Clicked();
    void Align_Bottom_Clicked();
    void Align_Center_Clicked();
    void Align_Horz_Clicked();
    void Align_Vert_Clicked();
    void Make_Same_Width_Clicked();
    void Make_Same_Height_Clicked();
    void Make_Fit_To_Label_Clicked();
    void Make_Natural_Clicked();
    void Align_To_Grid_Clicked();

    // Outlets
    QLineEdit *frame_main_pic_X_pos = nullptr, *frame_main_pic_Y_pos = nullptr, *frame_main_pic_width = nullptr,
              *frame_main_pic_height = nullptr;
    platform::Stepper *frame_main_pic_X_pos_val = nullptr, *frame_main_pic_Y_pos_val = nullptr,
                      *frame_main_pic_width_val = nullptr, *frame_main_pic_height_val = nullptr;
    QLabel *ctrl_x_pos_unit_lbl = nullptr, *ctrl_y_pos_unit_lbl = nullptr, *ctrl_width_unit_lbl = nullptr,
           *ctrl_height_unit_lbl = nullptr;
    QGroupBox *ctrl_width_height_box = nullptr;
    QGroupBox *Ctrl_Size_Opt_box = nullptr;
    QPushButton *Make_natural_size_btn = nullptr, *fit_to_label_btn = nullptr, *Make_same_width_btn = nullptr,
                *Make_same_height_btn = nullptr;
    QPushButton *align_left_btn = nullptr, *align_right_btn = nullptr, *align_top_btn = nullptr,
                *align_bottom_btn = nullptr, *align_center_btn = nullptr, *align_horzontal_btn = nullptr,
                *align_vertical_btn = nullptr, *Align_with_grid_btn = nullptr;

signals:
    // A field's value: a position in points, a size in the design unit.
    void fieldChanged(AlignmentPanel::Field field, double value);
    void arrangeRequested(AlignmentPanel::Arrange command);

private:
    double Points_To_Unit(double points) const;
    // The steppers' ranges bound what the fields give.
    void Set_Ranges();
    void Field_Changed(Field field, QObject *sender);
    std::unique_ptr<Ui::AlignmentPanel> ui;
};
