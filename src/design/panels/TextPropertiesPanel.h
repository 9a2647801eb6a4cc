#pragma once
// The property sidebar's "text_prop_tab" page: a text's border, fill (solid or gradient), opacity
// and shadow. Every change the user makes asks for the text transfer.

#include <QWidget>

#include <memory>

class QCheckBox;
class QColor;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class SKTGraphic;
struct TextPanelValues;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class TextPropertiesPanel;
}

class TextPropertiesPanel : public QWidget {
    Q_OBJECT
public:
    explicit TextPropertiesPanel(QWidget *parent = nullptr);
    ~TextPropertiesPanel() override;

    QCheckBox *Text_border_chk = nullptr;
    QGroupBox *Text_Border_Box = nullptr;
    QLineEdit *Text_bor_Text = nullptr;
    platform::Stepper *Text_bor_Stepper = nullptr;
    platform::ColorWell *Text_bordr_clr = nullptr;
    QComboBox *Text_border_style = nullptr;
    QCheckBox *Text_fill_chk = nullptr;
    QGroupBox *text_fill_box = nullptr;
    QRadioButton *Text_solid_fill_rd = nullptr, *Text_gradient_fill_rd = nullptr;
    platform::ColorWell *Text_fill_clr = nullptr, *Text_fill_Grd_1_clr = nullptr, *Text_fill_Grd_2_clr = nullptr;
    QLineEdit *Text_grad_Text = nullptr;
    platform::Stepper *Text_grad_Stepper = nullptr;
    QLabel *text_alpha_lbl = nullptr;
    QLineEdit *Text_alpha_Text = nullptr;
    platform::Stepper *Text_alpha_Stepper = nullptr;
    QCheckBox *draw_shadow_chkbox = nullptr;
    QGroupBox *shadow_box = nullptr;
    platform::ColorWell *Shadow_clr = nullptr;
    QLineEdit *shadow_x_Text = nullptr, *shadow_y_Text = nullptr, *shadow_blur_Text = nullptr,
              *shadow_transp_Text = nullptr;
    platform::Stepper *shadow_x_Stepper = nullptr, *shadow_y_Stepper = nullptr, *shadow_blur_Stepper = nullptr,
                      *shadow_transp_Stepper = nullptr;

    // The page from a text, sending nothing.
    void Fill_Text_Panel(const SKTGraphic &graphic);
    // The page's part of the text values: border, fill, opacity and shadow.
    void Read_Text_Panel(TextPanelValues &values) const;

    // The opacity label, stepper and field: hidden for YES (a gradient has no opacity of its own).
    void Show_Hide_Text_Transp_Ctrl(bool hide);
    // The fill controls enabled by the fill type the radios choose.
    void Text_Fill_Controls_By_Type();

    void Set_TextControl_Clr(QObject *sender);
    void Set_Shadow_Clr(QObject *sender);
    void Text_Border_ChkBox();
    void Text_Fill_Chk_Box();
    void Draw_Shadow_ChkBox();
    void Text_Solid_RD_Sel();
    void Text_Gradient_RD_Sel();
    void Text_Border_Changed(QObject *sender);
    void Text_Gradient_Changed(QObject *sender);
    void Text_Alpha_Changed(QObject *sender);
    void Shadow_X_Changed(QObject *sender);
    void Shadow_Y_Changed(QObject *sender);
    void Shadow_Blur_Changed(QObject *sender);
    void Shadow_Transp_Changed(QObject *sender);
    // The page's list: a selection asks for the transfer.
    void comboBoxSelectionDidChange(QComboBox *combo);

signals:
    // The page changed: its values are to go into the selected texts.
    void transferRequested();
    // A colour chosen in a well, for every selected object before the transfer.
    void colorChosen(const QColor &color);

private:
    std::unique_ptr<Ui::TextPropertiesPanel> ui;
};
