#pragma once
// The property sidebar's "card_info_tab" page: the card's name, its shape and the colour and font
// of the texts on it. It tells the Designing mode's controller what the user changed through its
// signals; the controller stores the card and pushes the content onto the texts.

#include <QFont>
#include <QWidget>

#include <memory>
#include <optional>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class Card_Property;
struct CardPanelValues;
namespace platform {
class ColorWell;
}
namespace Ui {
class CardInfoPanel;
}

class CardInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardInfoPanel(QWidget *parent = nullptr);
    ~CardInfoPanel() override;

    // The page filled from the card: content colour and font (and the copies a later change is
    // measured against), shape and name. Nothing is sent.
    void Fill_Card_Info_Panel(const Card_Property &card);
    // The name, shape and content of the page into the values.
    void Read_Card_Info_Panel(CardPanelValues &values) const;
    // Whether the content colour differs from the one the last fill showed.
    bool Content_Colour_Changed() const;
    // A new design's content: the font shown (as displayed), black, and no copies to compare with.
    void Reset_Content(const QFont &font, const QString &fontText);

    // Handlers of the page's controls.
    void card_shape_CellClick();
    // The modal font chooser on All_Text_font; OK goes on with changeAllTextFont, Cancel changes nothing.
    void Content_Font_Clicked();
    void changeAllTextFont(const QFont &font);
    void Contect_Color_Clicked();
    // The text notifications of the window's fields; only the name field concerns this page.
    void controlTextDidChange(QObject *field);

    QLineEdit *card_name = nullptr;
    QButtonGroup *matrix_card_shape = nullptr;
    platform::ColorWell *All_Text_clr = nullptr;
    platform::ColorWell *All_Text_clr_COPY = nullptr;
    QPushButton *content_font_btn = nullptr;
    QLineEdit *All_Text_font_value = nullptr;
    QLineEdit *All_Text_font_value_COPY = nullptr;
    QPushButton *content_font_decrease_btn = nullptr, *content_font_increase_btn = nullptr;

    QFont All_Text_font;
    std::optional<QFont> All_Text_font_COPY;
    // Set by changeAllTextFont, cleared by each fill: the content font is pushed onto the texts
    // while it is set.
    bool All_Text_font_replaced = false;

signals:
    // The shape chosen (Card_Shape holds it): the card is stored and the canvas redrawn.
    void shapeChosen();
    // The name typed: the card is stored and the window's title follows.
    void nameEdited();
    // The content colour chosen: the selected objects take it, then the content is pushed.
    void contentColorChosen(const QColor &color);
    // The content font replaced: the content is pushed onto the texts and the card stored.
    void contentChanged();

private:
    std::unique_ptr<Ui::CardInfoPanel> ui;
};
