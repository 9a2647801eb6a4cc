#pragma once
// The property sidebar's "card_size_tab" page: the label stock (vendor and product) and the card's
// width and height in the design unit. The catalogue, the page setup's settings and the canvas are
// other parts': the page asks for them through its signals and hooks.

#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSizeF;
class Card_Property;
struct CardPanelValues;
namespace platform {
class PrintInfo;
class Stepper;
}
namespace Ui {
class CardSizePanel;
}

class CardSizePanel : public QWidget {
    Q_OBJECT
public:
    explicit CardSizePanel(QWidget *parent = nullptr);
    ~CardSizePanel() override;

    // The card's label stock (selecting the vendor lists its products as a user's choice would)
    // and, for "Custom", the card's size in the design unit.
    void Fill_Card_Size_Panel(const Card_Property &card);
    // The label stock of the page into the values.
    void Read_Card_Size_Panel(CardPanelValues &values) const;
    // A new design: 100 x 100, the first vendor and no product, sent to nobody.
    void Reset_Size_Panel();
    // A card's stored size in points, shown in the design unit from its two-decimal millimetres.
    void Show_Stored_Size(const QSizeF &points);
    // Shows a width and height in millimetres in the size fields, in the design unit.
    void Set_Card_Size_In_Control(double widthMM, double heightMM);
    // The two size fields and their steppers from one unit into another (0 inch, 1 cm, 2 mm).
    void Convert_Size_Fields(int fromUnit, int toUnit);
    void Set_Unit_Labels(const QString &title, const QString &unit);
    // The size fields editable and the page setup available exactly for a custom size.
    void Enable_Disable_Size_Param_Acc_To_Label_Selection(bool on);

    // Handlers of the page's controls. A size typed into a field is taken when its editing ends and
    // shown with two decimals; text that is no number, or a size out of range, is refused with a
    // message and the size before is shown again.
    void Card_Width_Changed(QObject *sender);
    void Card_Height_Changed(QObject *sender);
    // The page setup of the shared print settings; OK shows its paper size in the size fields.
    void Page_From_Printer_Click();
    // The vendor and product lists' selections, from the user or from code.
    void comboBoxSelectionDidChange(QComboBox *combo);

    // The window's print settings that the page setup starts from (none: a new document's), and
    // where it keeps the settings chosen.
    std::function<const platform::PrintInfo *()> Print_Info;
    std::function<void(const platform::PrintInfo &)> Set_Print_Info;

    QComboBox *Label_ComboBox = nullptr;
    QComboBox *Product_num_ComboBox = nullptr;
    QGroupBox *card_size_box = nullptr;
    QLineEdit *width_Text = nullptr, *height_Text = nullptr;
    platform::Stepper *width_Stepper = nullptr, *height_Stepper = nullptr;
    QLabel *card_width_unit_lbl = nullptr, *card_height_unit_lbl = nullptr;
    QPushButton *page_frm_printer_btn = nullptr;
    QPushButton *apply_size_btn = nullptr;

signals:
    // "Apply": the canvas takes the size.
    void applySizeRequested();
    // A vendor other than "Custom": its catalogue's products are to be added to the product list.
    void vendorChosen(const QString &vendor);
    // A product chosen: its label size is to be shown in the size fields.
    void productChosen();

private:
    std::unique_ptr<Ui::CardSizePanel> ui;
};
