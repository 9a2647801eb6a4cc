// The panel of the text, phone-call and link types, and what every panel shares.

#include "advqr/QrPanels.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Dialogs.h"
#include "platform/FormBuilder.h"
#include "advqr/AdvQrController.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace platform::ui;

Qr_Text_View_Panel *Qr_Text_OBJ = nullptr;

void QrPanelBase::watch(QLineEdit *field)
{
    connect(field, &QLineEdit::textEdited, this, &QrPanelBase::edited);
}

void QrPanelBase::watch(QPlainTextEdit *view)
{
    connect(view, &QPlainTextEdit::textChanged, this, &QrPanelBase::edited);
}

namespace {

// Opens the built payload (not the typed text) as a link, when the link field holds something.
void openPayloadLink(const QLineEdit *linkField)
{
    if (!linkField || Trim_Str(linkField->text()).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter the valid URL."));
        return;
    }
    const QString payload = Main_App_wnd ? Main_App_wnd->advQr().Get_Adv_QR_Final_Str_Value() : QString();
    const QUrl url(payload, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return;   // not a link: nothing opens
    platform::openWithDefaultApplication(url.toString());
}

} // namespace

Qr_Text_View_Panel::Qr_Text_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    setObjectName(QStringLiteral("Qr_Text"));
    auto *column = new QVBoxLayout(this);
    heading_label = label(this, "heading_label", QStringLiteral("Enter your text to generate QR code:"));
    heading_label->setWordWrap(true);
    column->addWidget(heading_label);

    Text_Scroll_View = make<QWidget>(this, "Text_Scroll_View");
    auto *textColumn = new QVBoxLayout(Text_Scroll_View);
    textColumn->setContentsMargins(0, 0, 0, 0);
    Text_Field = textView(Text_Scroll_View, "Text_Field", QStringLiteral("Sample Text"));
    Text_Field->setMinimumHeight(120);
    textColumn->addWidget(Text_Field);
    column->addWidget(Text_Scroll_View);

    Call_Value_field = field(this, "Call_Value_field");
    Call_Value_field->setPlaceholderText(QStringLiteral("+1 555 0100"));
    column->addWidget(Call_Value_field);
    URL_Value_field = field(this, "URL_Value_field");
    URL_Value_field->setPlaceholderText(QStringLiteral("https://"));
    column->addWidget(URL_Value_field);
    Open_Url_Btn = button(this, "Open_Url_Btn", QStringLiteral("Open URL"));
    column->addWidget(Open_Url_Btn, 0, Qt::AlignLeft);
    column->addStretch(1);

    watch(Call_Value_field);
    watch(URL_Value_field);
    // The text view's edits draw the preview at screen resolution first.
    connect(Text_Field, &QPlainTextEdit::textChanged, this, [this] {
        Type_draw_2d_flag = true;
        emit edited();
    });
    connect(Open_Url_Btn, &QPushButton::clicked, this, &Qr_Text_View_Panel::Open_URL_Clicked);

    Show_Hide_Open_URL_Button(true, QStringLiteral("Text"));
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

void Qr_Social_View_Panel::Open_URL_Clicked() { openPayloadLink(URL_label); }
