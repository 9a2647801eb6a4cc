#pragma once
// The property sidebar's "text_edtng_tab" page: a text's font, colour, alignments, case, kerning
// and rotation. Every change the user makes asks for the text transfer.

#include <QFont>
#include <QWidget>

#include <memory>

class QColor;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class SKTGraphic;
struct TextPanelValues;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class TextEditingPanel;
}

class TextEditingPanel : public QWidget {
    Q_OBJECT
public:
    explicit TextEditingPanel(QWidget *parent = nullptr);
    ~TextEditingPanel() override;

    QLineEdit *txt_ctrl_id_val = nullptr;
    QPushButton *text_font_btn = nullptr;
    QLineEdit *Text_font_value = nullptr;
    platform::ColorWell *Text_clr = nullptr;
    QComboBox *Text_align_combo = nullptr, *Text_vert_align_combo = nullptr, *Text_case_combo = nullptr;
    QLineEdit *Text_Kern_Text = nullptr;
    platform::Stepper *Text_Kern_Stepper = nullptr;
    QSlider *txt_rotation_slidr = nullptr;
    QLineEdit *txt_rotation_slidr_val = nullptr;

    // The font the page shows and the chooser starts from. The Designing mode keeps it as its own
    // Text_font (a new project resets it, a new barcode object takes it) and shares it here; a page
    // on its own keeps one of its own.
    void Share_Text_Font(QFont *font);
    const QFont &Text_font() const { return *m_textFont; }

    // The page from a text, sending nothing; the text's font becomes the page's font.
    void Fill_Text_Panel(const SKTGraphic &graphic);
    // The page's part of the text values: colour, font, alignments, case, kerning and rotation.
    void Read_Text_Panel(TextPanelValues &values) const;

    void Set_TextControl_Clr(QObject *sender);
    void Text_Kerning_Changed(QObject *sender);
    void Txt_Rotate_Slider_Changed();
    // The modal font chooser on the page's font; OK goes on with changeTextFont, Cancel changes nothing.
    void Text_Font_Changed();
    void changeTextFont(const QFont &font);
    // The page's lists: each selection asks for the transfer.
    void comboBoxSelectionDidChange(QComboBox *combo);

signals:
    // The page changed: its values are to go into the selected texts.
    void transferRequested();
    // A colour chosen in a well, for every selected object before the transfer.
    void colorChosen(const QColor &color);

private:
    std::unique_ptr<Ui::TextEditingPanel> ui;
    QFont m_ownFont;
    QFont *m_textFont = &m_ownFont;
};
