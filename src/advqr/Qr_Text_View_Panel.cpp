#include "advqr/Qr_Text_View_Panel.h"

#include "core/SymbolGlobals.h"

#include "ui_Qr_Text_View_Panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

Qr_Text_View_Panel *Qr_Text_OBJ = nullptr;

namespace {

// Names every member of the form in its order (a widget added to the form and not listed here fails to
// compile) and binds the outlets.
void bindTextPanel(Qr_Text_View_Panel &p, const Ui::Qr_Text_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, heading_label, Text_Scroll_View, textColumn, Text_Field, Call_Value_field,
                                  URL_Value_field, Open_Url_Btn, bottomStretch] = ui;
    p.heading_label = ui.heading_label;
    p.Text_Scroll_View = ui.Text_Scroll_View;
    p.Text_Field = ui.Text_Field;
    p.Call_Value_field = ui.Call_Value_field;
    p.URL_Value_field = ui.URL_Value_field;
    p.Open_Url_Btn = ui.Open_Url_Btn;
}

} // namespace

Qr_Text_View_Panel::Qr_Text_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    // The form starts on the "Text" type: the text view shown, the other fields and the button hidden.
    Ui::Qr_Text_View_Panel ui;
    ui.setupUi(this);
    bindTextPanel(*this, ui);

    watch(Call_Value_field);
    watch(URL_Value_field);
    // The text view's edits draw the preview at screen resolution first.
    connect(Text_Field, &QPlainTextEdit::textChanged, this, [this] {
        Type_draw_2d_flag = true;
        emit edited();
    });
    connect(Open_Url_Btn, &QPushButton::clicked, this, &Qr_Text_View_Panel::Open_URL_Clicked);
    Qr_Text_OBJ = this;
}

Qr_Text_View_Panel::~Qr_Text_View_Panel()
{
    if (Qr_Text_OBJ == this)
        Qr_Text_OBJ = nullptr;
}

Qr_Text_View_Panel *Qr_Text_View_Panel::defaultInstance() { return Qr_Text_OBJ; }

void Qr_Text_View_Panel::Show_Hide_Open_URL_Button(bool hide, const QString &category)
{
    Open_Url_Btn->setHidden(hide);
    if (category == QLatin1String("Text")) {
        URL_Value_field->setHidden(true);
        Call_Value_field->setHidden(true);
        Text_Field->setHidden(false);
        Text_Scroll_View->setHidden(false);
        return;
    }
    if (category == QLatin1String("Call")) {
        URL_Value_field->setHidden(true);
        Call_Value_field->setHidden(false);
    } else {
        URL_Value_field->setHidden(false);
        Call_Value_field->setHidden(true);
    }
    Text_Scroll_View->setHidden(true);
    Text_Field->setHidden(true);
}

void Qr_Text_View_Panel::Open_URL_Clicked() { openPayloadLink(URL_Value_field); }
