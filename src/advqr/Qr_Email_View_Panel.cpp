#include "advqr/Qr_Email_View_Panel.h"

#include "ui_Qr_Email_View_Panel.h"

#include <QLineEdit>
#include <QPlainTextEdit>

Qr_Email_View_Panel *Qr_email_OBJ = nullptr;

namespace {

void bindEmailPanel(Qr_Email_View_Panel &p, const Ui::Qr_Email_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, Email_ID_lbl, Email_ID_field, Subject_lbl, Subject_field, Message_lbl,
                                  Message_Field] = ui;
    p.Email_ID_field = ui.Email_ID_field;
    p.Subject_field = ui.Subject_field;
    p.Message_Field = ui.Message_Field;
}

} // namespace

Qr_Email_View_Panel::Qr_Email_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Email_View_Panel ui;
    ui.setupUi(this);
    bindEmailPanel(*this, ui);
    watch(Email_ID_field);
    watch(Subject_field);
    watch(Message_Field);
    Qr_email_OBJ = this;
}

Qr_Email_View_Panel::~Qr_Email_View_Panel() { forget(Qr_email_OBJ, this); }
