#pragma once
// The property sidebar's "image_tab" page: a picture object's border, its effects and filters, and
// the reset and crop commands. It writes nothing into the objects itself: it asks the Designing
// mode for the transfer (transferRequested), which reads it back through Read_Image_Panel.

#include "design/PanelValues.h"

#include <QWidget>

#include <memory>

class DoubleSlider;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SKTGraphic;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class ImagePanel;
}

class ImagePanel : public QWidget {
    Q_OBJECT
public:
    explicit ImagePanel(QWidget *parent = nullptr);
    ~ImagePanel() override;

    // The page shows a picture object: identifier, border, effects and filters, and the error label
    // when its file is missing. Nothing is sent while the controls are filled.
    void Fill_Image_Panel(const SKTGraphic &graphic);
    // What the transfer writes, as the page shows it; the print flag and the file path are not the
    // page's (they stay at their defaults).
    ImagePanelValues Read_Image_Panel() const;
    // The effect controls back to their defaults, without running their handlers.
    void Reset_Image_Editing_Controls();

    // Handlers of the page's controls (each ends by asking for the transfer, but reset and crop).
    void Image_Border_ChkBox();
    void Image_Border_Changed(QObject *sender);
    void Set_ImageControl_Clr(QObject *sender);
    // An effect slider: its value into its field, then the transfer.
    void Image_Slider_Changed(QObject *slider);
    // Asks first; Yes puts the effect controls back and asks the Designing mode to reload the
    // selected pictures (resetRequested).
    void Image_reset_Button();
    void Cropping_Selected_Image_clicked();
    // The page's border-style list chose an item.
    void comboBoxSelectionDidChange(QComboBox *combo);

    // Outlets
    QLineEdit *img_ctrl_id_val = nullptr;
    QLabel *image_error_label = nullptr;
    QCheckBox *Image_border_chk = nullptr;
    QGroupBox *Image_Border_Box = nullptr;
    QLineEdit *Image_bor_Text = nullptr;
    platform::Stepper *Image_bor_Stepper = nullptr;
    platform::ColorWell *Image_bordr_clr = nullptr;
    QComboBox *Image_border_style = nullptr;
    DoubleSlider *Rotate_slidr = nullptr, *Trsp_slidr = nullptr, *Hue_slidr = nullptr, *Sat_slidr = nullptr,
                 *Brt_slidr = nullptr, *Con_slidr = nullptr, *shrp_slidr = nullptr, *ev_slidr = nullptr,
                 *blr_slidr = nullptr;
    QLineEdit *Rotate_slidr_val = nullptr, *Trsp_slidr_val = nullptr, *Hue_slidr_val = nullptr,
              *Sat_slidr_val = nullptr, *Brt_slidr_val = nullptr, *Con_slidr_val = nullptr,
              *shrp_slidr_val = nullptr, *ev_slidr_val = nullptr, *blr_slidr_val = nullptr;
    QCheckBox *Image_Gray_Scale_chk = nullptr, *Image_Sepia_chk = nullptr, *Image_Invert_chk = nullptr,
              *Image_FIV_chk = nullptr, *Image_FIH_chk = nullptr;
    QPushButton *image_reset_btn = nullptr, *image_crop_btn = nullptr;

signals:
    // The page changed: its values go into the selected pictures.
    void transferRequested();
    // A colour well chose a colour: every selected object takes it first.
    void colorChosen(const QColor &color);
    // The effects were reset: the selected pictures reload their files, then the transfer runs.
    void resetRequested();
    // The crop command: the Designing mode crops the current picture.
    void cropRequested();

private:
    std::unique_ptr<Ui::ImagePanel> ui;
};
