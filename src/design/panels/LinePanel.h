#pragma once
// The property sidebar's "line_tab" page: a line's width, colour, border style, orientation, cap
// style and opacity. Every change the user makes asks for the line transfer.

#include <QWidget>

#include <memory>

class QColor;
class QComboBox;
class QLineEdit;
class SKTGraphic;
struct LinePanelValues;
namespace platform {
class ColorWell;
class Stepper;
}
namespace Ui {
class LinePanel;
}

class LinePanel : public QWidget {
    Q_OBJECT
public:
    explicit LinePanel(QWidget *parent = nullptr);
    ~LinePanel() override;

    QLineEdit *Line_Wdt_Text = nullptr;
    platform::Stepper *Line_Wdt_Stepper = nullptr;
    platform::ColorWell *Line_clr = nullptr;
    QComboBox *Line_border_style = nullptr, *Line_ori_style = nullptr, *Line_cap_style = nullptr;
    QLineEdit *Line_alpha_Text = nullptr;
    platform::Stepper *Line_alpha_Stepper = nullptr;

    // The page from a line, sending nothing.
    void Fill_Line_Panel(const SKTGraphic &graphic);
    // The page's values; whether the object is printed is the sidebar's (left 0 here).
    LinePanelValues Read_Line_Panel() const;

    void Set_LineControl_Clr(QObject *sender);
    void Line_Alpha_Changed(QObject *sender);
    void Line_Width_Changed(QObject *sender);
    // The page's lists: each selection asks for the transfer.
    void comboBoxSelectionDidChange(QComboBox *combo);

signals:
    // The page changed: its values are to go into the selected lines.
    void transferRequested();
    // A colour chosen in a well, for every selected object before the transfer.
    void colorChosen(const QColor &color);

private:
    std::unique_ptr<Ui::LinePanel> ui;
};
