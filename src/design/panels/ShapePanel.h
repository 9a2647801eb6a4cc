#pragma once
// The property sidebar's "shape_tab" page: a shape's type and its own rows (corner radius, star
// points, polygon sides), rotation, border, fill (solid, gradient or hatch) and opacity. Every change
// the user makes asks for the shape transfer.

#include <QWidget>

#include <memory>

class QCheckBox;
class QColor;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class SKTGraphic;
struct ShapePanelValues;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class ShapePanel;
}

class ShapePanel : public QWidget {
    Q_OBJECT
public:
    explicit ShapePanel(QWidget *parent = nullptr);
    ~ShapePanel() override;

    QLabel *Shape_prop_title = nullptr;
    QComboBox *Shape_Type_Combo = nullptr;
    QSlider *shape_rotation_slidr = nullptr;
    platform::Stepper *shape_rotation_Stepper = nullptr;
    QLineEdit *shape_rotation_slidr_val = nullptr;
    QCheckBox *Shape_border_chk = nullptr;
    QGroupBox *Shape_Border_Box = nullptr;
    QLineEdit *shape_bor_Text = nullptr;
    platform::Stepper *shape_bor_Stepper = nullptr;
    platform::ColorWell *shape_bordr_clr = nullptr;
    QComboBox *shape_border_style = nullptr;
    QCheckBox *Shape_fill_chk = nullptr;
    QGroupBox *shape_fill_box = nullptr;
    QRadioButton *Shape_solid_fill_rd = nullptr, *Shape_gradient_fill_rd = nullptr, *Shape_Style_fill_rd = nullptr;
    platform::ColorWell *shape_fill_clr = nullptr, *shape_fill_Grd_1_clr = nullptr, *shape_fill_Grd_2_clr = nullptr,
                        *shape_hatch_bk_clr = nullptr;
    QLineEdit *shape_grad_Text = nullptr;
    platform::Stepper *shape_grad_Stepper = nullptr;
    QComboBox *shape_hatch_style = nullptr;
    QLabel *shape_alpha_lbl = nullptr;
    QLineEdit *shape_alpha_Text = nullptr;
    platform::Stepper *shape_alpha_Stepper = nullptr;
    QLabel *shape_cor_radius_Label = nullptr;
    QLineEdit *shape_cor_radius_Text = nullptr;
    platform::Stepper *shape_cor_radius_Stepper = nullptr;
    QLabel *double_star_Label = nullptr;
    QLineEdit *double_star_Text = nullptr;
    platform::Stepper *double_star_Stepper = nullptr;
    QLabel *polygon_Label = nullptr;
    QLineEdit *polygon_Text = nullptr;
    platform::Stepper *polygon_Stepper = nullptr;

    // The page from a shape, sending nothing; a locked shape shows none of the type's own rows.
    void Fill_Shape_Panel(const SKTGraphic &graphic, bool locked);
    // The page's values; whether the object is printed is the sidebar's (left 0 here).
    ShapePanelValues Read_Shape_Panel() const;

    // The opacity label, stepper and field: hidden for YES (a gradient has no opacity of its own).
    void Show_Hide_Shape_Transp_Ctrl(bool hide);
    // The fill controls enabled by the fill type the radios choose.
    void Shape_Fill_Controls_By_Type();

    void Set_Control_Clr(QObject *sender);
    void Shape_Border_ChkBox();
    void Shape_Fill_Chk_Box();
    void Shape_Solid_RD_Sel();
    void Shape_Gradient_RD_Sel();
    void Shape_Hatch_RD_Sel();
    void Shape_Border_Changed(QObject *sender);
    void Shape_Gradient_Changed(QObject *sender);
    void Shape_Alpha_Changed(QObject *sender);
    void Double_Star_Shape_Changed(QObject *sender);
    void Polygon_Shape_Changed(QObject *sender);
    void Shape_Rotation_Changed(QObject *sender);
    void Shape_Corner_Radius_Changed(QObject *sender);
    void Shape_Rotate_Slider_Changed();
    // The page's lists: the type list shows its type's own row; each selection asks for the transfer.
    void comboBoxSelectionDidChange(QComboBox *combo);

signals:
    // The page changed: its values are to go into the selected shapes.
    void transferRequested();
    // A colour chosen in a well, for every selected object before the transfer.
    void colorChosen(const QColor &color);

private:
    std::unique_ptr<Ui::ShapePanel> ui;
};
