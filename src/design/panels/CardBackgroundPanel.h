#pragma once
// The property sidebar's "card_bkgd_tab" page: the card's fill (solid, gradient, hatch pattern or
// picture) and its opacity. The card itself is the Designing mode's controller's: the page tells it
// through its signals when the card is to be stored or a picture to be taken.

#include <QStringList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Card_Property;
struct CardPanelValues;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class CardBackgroundPanel;
}

class CardBackgroundPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardBackgroundPanel(QWidget *parent = nullptr);
    ~CardBackgroundPanel() override;

    // The page filled from the card; the hatch pattern only for the hatch fill, the opacity as a
    // whole percentage of at most 100. Nothing is stored meanwhile.
    void Fill_Card_Background_Panel(const Card_Property &card);
    // The fill of the page into the values.
    void Read_Card_Background_Panel(CardPanelValues &values) const;
    // The radio of a fill code ("S", "G", "H", "I"; anything else is solid) with the controls it
    // uses enabled; the opacity is hidden for a gradient and for a tiled picture.
    void card_prop_set(const QString &fillCode);
    // The opacity label, stepper and field: hidden for YES.
    void Show_Hide_Card_Transp_Ctrl(bool hide);

    // Handlers of the page's controls.
    void Card_Fill_Chk_Box();
    void Card_Solid_RD_Sel();
    void Card_Gradient_RD_Sel();
    void Card_Hatch_RD_Sel();
    void Card_Image_RD_Sel();
    // An open panel for one picture file of Image_File_Types.
    void Card_Image_Browse_Btn();
    void Card_Image_Library_Btn();
    void Card_Gradient_Changed(QObject *sender);
    void Card_Alpha_Changed(QObject *sender);
    void Set_Card_Clr(QObject *sender);
    // The pattern and layout lists' selections, from the user or from code.
    void comboBoxSelectionDidChange(QComboBox *combo);

    // The picture file types the browse button offers.
    QStringList Image_File_Types;

    QCheckBox *Card_fill_chk = nullptr;
    QGroupBox *Card_Fill_Box = nullptr;
    QRadioButton *Card_solid_fill_rd = nullptr, *Card_gradient_fill_rd = nullptr, *Card_Style_fill_rd = nullptr,
                 *Card_Image_fill_rd = nullptr;
    platform::ColorWell *Card_fill_clr = nullptr, *Card_fill_Grd_1_clr = nullptr, *Card_fill_Grd_2_clr = nullptr,
                        *Card_hatch_bk_clr = nullptr;
    QLineEdit *Card_grad_Text = nullptr;
    platform::Stepper *Card_grad_Stepper = nullptr;
    QComboBox *Card_hatch_style = nullptr;
    QLabel *Card_alpha_lbl = nullptr;
    QLineEdit *Card_alpha_Text = nullptr;
    platform::Stepper *Card_alpha_Stepper = nullptr;
    QGroupBox *Card_image_box = nullptr;
    QPlainTextEdit *Card_Image_path = nullptr;
    QComboBox *Card_image_layout = nullptr;
    QPushButton *card_image_browse_btn = nullptr, *card_image_library_btn = nullptr;

signals:
    // The page changed: the card is to be stored (never while controls are being filled).
    void cardChanged();
    // A colour chosen in one of the page's wells: the selected objects take it first.
    void colorChosen(const QColor &color);
    // The fill turned on or off: the card's own fill type comes back on the page and the card is stored.
    void fillSwitched();
    // A picture file chosen for the background; one from the image library asked for.
    void backgroundImageChosen(const QString &path);
    void libraryImageRequested();

private:
    void storeCard();
    std::unique_ptr<Ui::CardBackgroundPanel> ui;
};
