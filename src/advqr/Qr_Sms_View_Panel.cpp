#include "advqr/Qr_Sms_View_Panel.h"

#include "ui_Qr_Sms_View_Panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPlainTextEdit>

Qr_Sms_View_Panel *Qr_Sms_OBJ = nullptr;

namespace {

void bindSmsPanel(Qr_Sms_View_Panel &p, const Ui::Qr_Sms_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, info_message_lbl, num_label, Number_Field, msg_label, Message_field,
                                  bottomStretch] = ui;
    p.info_message_lbl = ui.info_message_lbl;
    p.num_label = ui.num_label;
    p.Number_Field = ui.Number_Field;
    p.msg_label = ui.msg_label;
    p.Message_field = ui.Message_field;
}

} // namespace

Qr_Sms_View_Panel::Qr_Sms_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Sms_View_Panel ui;
    ui.setupUi(this);
    bindSmsPanel(*this, ui);
    watch(Number_Field);
    watch(Message_field);
    // The panel takes the keys of its fields first: Return and Escape would press or close the
    // dialog around it, and Tab leaves the message view rather than typing into it.
    setFocusPolicy(Qt::StrongFocus);
    Number_Field->installEventFilter(this);
    Message_field->installEventFilter(this);
    Qr_Sms_OBJ = this;
}

bool Qr_Sms_View_Panel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == Number_Field || watched == Message_field)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (handleKey(key->key()))
            return true;
    }
    return QrPanelBase::eventFilter(watched, event);
}

void Qr_Sms_View_Panel::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event->key()))
        QrPanelBase::keyPressEvent(event);
}

bool Qr_Sms_View_Panel::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;   // swallowed
    case Qt::Key_Tab:
        // To the view after the next one in the focus chain.
        focusNextChild();
        focusNextChild();
        return true;
    default:
        return false;
    }
}

Qr_Sms_View_Panel::~Qr_Sms_View_Panel() { forget(Qr_Sms_OBJ, this); }

void Qr_Sms_View_Panel::Set_Label_According_Category(const QString &category)
{
    if (category == QLatin1String("Send SMS")) {
        info_message_lbl->setText(QString());
        num_label->setText(QStringLiteral("Phone Number :"));
        msg_label->setText(QStringLiteral("Message :"));
    } else if (category == QLatin1String("WhatsApp")) {
        info_message_lbl->setText(QStringLiteral("(Note: Add country code before number)"));
        num_label->setText(QStringLiteral("WhatsApp Number :"));
        msg_label->setText(QStringLiteral("WhatsApp Message :"));
    } else if (category == QLatin1String("Coupon")) {
        info_message_lbl->setText(QStringLiteral("(Note: Please enter the coupon details)"));
        num_label->setText(QStringLiteral("Coupon Code :"));
        msg_label->setText(QStringLiteral("Offer Details :"));
    }
}
