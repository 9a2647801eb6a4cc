#pragma once
// The property sidebar's "card_brdr_tab" page: the card's border and its watermark. The card
// itself is the Designing mode's controller's: the page tells it through its signals when the card
// is to be stored.

#include <QFont>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSlider;
class Card_Property;
struct CardPanelValues;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class CardBorderPanel;
}

class CardBorderPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardBorderPanel(QWidget *parent = nullptr);
    ~CardBorderPanel() override;

    // The page filled from the card: border, and watermark with its transparency as a whole
    // percentage of at most 100. Nothing is stored meanwhile.
    void Fill_Card_Border_Panel(const Card_Property &card);
    // The border and watermark of the page into the values.
    void Read_Card_Border_Panel(CardPanelValues &values) const;
    // The border's box enabled exactly while its check box is on.
    void Enable_Border_Box();

    // Handlers of the page's controls.
    void Card_Border_ChkBox();
    void Card_Border_Changed(QObject *sender);
    void Set_Card_Clr(QObject *sender);
    void Enable_Watermark_Clicked();
    void WM_transp_slider_changed();
    // The modal font chooser on WM_Text_font; OK goes on with changewmTextFont. The card is stored
    // either way.
    void WM_Text_Font_Changed();
    void changewmTextFont(const QFont &font);
    // The alignment and border-style lists' selections, from the user or from code.
    void comboBoxSelectionDidChange(QComboBox *combo);
    // The text notifications of the window's fields; only the watermark's text concerns this page.
    void controlTextDidChange(QObject *field);

    QCheckBox *Card_border_chk = nullptr;
    QGroupBox *Card_Border_Box = nullptr;
    platform::ColorWell *Card_bordr_clr = nullptr;
    QLineEdit *Card_bor_Text = nullptr;
    platform::Stepper *Card_bor_Stepper = nullptr;
    QComboBox *Card_border_style = nullptr;
    QCheckBox *enable_watermark_chk = nullptr;
    QGroupBox *watermark_box = nullptr;
    QComboBox *wm_alignment_combo = nullptr;
    QSlider *wm_transp_slider = nullptr;
    QLineEdit *wm_transp_val = nullptr;
    QLineEdit *watermark_text = nullptr;
    platform::ColorWell *watermark_color = nullptr;
    QPushButton *wm_font_btn = nullptr;
    QLineEdit *wm_font_value = nullptr;

    QFont WM_Text_font;

signals:
    // The page changed: the card is to be stored (never while controls are being filled).
    void cardChanged();
    // The border colour chosen: the selected objects take it first.
    void colorChosen(const QColor &color);
    // The watermark's text typed: the card is stored and the window's title follows.
    void watermarkTextEdited();

private:
    void storeCard();
    std::unique_ptr<Ui::CardBorderPanel> ui;
};
