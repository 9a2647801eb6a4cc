#pragma once
// The property sidebar's "sign_tab" page: a signature or fingerprint object's picture file and its
// border. It writes nothing into the objects itself: it asks the Designing mode for the transfer
// (transferRequested), which reads it back through Read_Sign_Panel.

#include "design/PanelValues.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class SKTGraphic;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class SignPanel;
}

class SignPanel : public QWidget {
    Q_OBJECT
public:
    explicit SignPanel(QWidget *parent = nullptr);
    ~SignPanel() override;

    // The page shows a signature object: its file and border. Nothing is sent while it is filled.
    void Fill_Sign_Panel(const SKTGraphic &graphic);
    // What the transfer writes, as the page shows it; the print flag is not the page's.
    SignPanelValues Read_Sign_Panel() const;

    // Handlers of the page's controls; each ends by asking for the transfer.
    // An open panel for one PNG file; the chosen file becomes the path (Cancel changes nothing).
    void Sign_Browse_Btn();
    void Sign_Border_ChkBox();
    void Sign_Border_Changed(QObject *sender);
    void Set_SignControl_Clr(QObject *sender);
    // The page's border-style list chose an item.
    void comboBoxSelectionDidChange(QComboBox *combo);

    // Outlets
    QLineEdit *Sign_image_path = nullptr;
    QPushButton *sign_browse_btn = nullptr;
    QCheckBox *Sign_border_chk = nullptr;
    QGroupBox *Sign_Border_Box = nullptr;
    QLineEdit *Sign_bor_Text = nullptr;
    platform::Stepper *Sign_bor_Stepper = nullptr;
    platform::ColorWell *Sign_bordr_clr = nullptr;
    QComboBox *Sign_border_style = nullptr;

signals:
    // The page changed: its values go into the selected signatures.
    void transferRequested();
    // A colour well chose a colour: every selected object takes it first.
    void colorChosen(const QColor &color);

private:
    std::unique_ptr<Ui::SignPanel> ui;
};
