#include "advqr/QrTypeMemory.h"

#include "advqr/Qr_Bitcoin_Crypto_View_Panel.h"
#include "advqr/Qr_Email_View_Panel.h"
#include "advqr/Qr_Sms_View_Panel.h"
#include "advqr/Qr_Social_View_Panel.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "core/Utilities.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <array>

namespace {

// A line field and a text view take remembered text without announcing an edit.
void put(QLineEdit *field, const QString &text)
{
    const QSignalBlocker block(field);
    field->setText(text);
}

void put(QPlainTextEdit *view, const QString &text)
{
    const QSignalBlocker block(view);
    view->setPlainText(text);
}

// The strings of one type: the link types have one, the SMS types two, the mail types three, the
// coin types four.
struct Slots {
    std::array<QString *, 4> s{};
};

Slots slotsOf(QrTypeMemory &m, const QString &t)
{
    if (t == QLatin1String("URL")) return {{&m.AQR_URL_STR}};
    if (t == QLatin1String("Review")) return {{&m.AQR_REVIEW_STR}};
    if (t == QLatin1String("Meeting")) return {{&m.AQR_MEETING_STR}};
    if (t == QLatin1String("Mobile App")) return {{&m.AQR_MOBILE_APP_STR}};
    if (t == QLatin1String("File")) return {{&m.AQR_FILE_STR}};
    if (t == QLatin1String("Spotify")) return {{&m.AQR_SPOTIFY_STR}};
    if (t == QLatin1String("Send SMS")) return {{&m.AQR_SMS_NUM_STR, &m.AQR_SMS_MSG_STR}};
    if (t == QLatin1String("WhatsApp")) return {{&m.AQR_WAPP_NUM_STR, &m.AQR_WAPP_MSG_STR}};
    if (t == QLatin1String("Coupon")) return {{&m.AQR_COUPON_NUM_STR, &m.AQR_COUPON_MSG_STR}};
    if (t == QLatin1String("Facebook")) return {{&m.AQR_FACEBOOK_STR}};
    if (t == QLatin1String("Snapchat")) return {{&m.AQR_SNAPCHAT_STR}};
    if (t == QLatin1String("Threads")) return {{&m.AQR_THREADS_STR}};
    if (t == QLatin1String("Instagram")) return {{&m.AQR_INSTAGRAM_STR}};
    if (t == QLatin1String("LinkedIn")) return {{&m.AQR_LINKEDIN_STR}};
    if (t == QLatin1String("Quora")) return {{&m.AQR_QUORA_STR}};
    if (t == QLatin1String("X(Twitter)") || t == QLatin1String("Twitter")) return {{&m.AQR_TWITTER_STR}};
    if (t == QLatin1String("YouTube")) return {{&m.AQR_YOUTUBE_STR}};
    if (t == QLatin1String("Telegram")) return {{&m.AQR_TELEGRAM_STR}};
    if (t == QLatin1String("Email")) return {{&m.AQR_EMAIL_ID_STR, &m.AQR_EMAIL_SUB_STR, &m.AQR_EMAIL_MSG_STR}};
    if (t == QLatin1String("Feedback"))
        return {{&m.AQR_FEEDBACK_ID_STR, &m.AQR_FEEDBACK_SUB_STR, &m.AQR_FEEDBACK_MSG_STR}};
    if (t == QLatin1String("Bitcoin"))
        return {{&m.AQR_BITCOIN_ADD_STR, &m.AQR_BITCOIN_AMOUNT_STR, &m.AQR_BITCOIN_RECP_STR, &m.AQR_BITCOIN_MSG_STR}};
    if (t == QLatin1String("Crypto"))
        return {{&m.AQR_CRYPTO_ADD_STR, &m.AQR_CRYPTO_AMOUNT_STR, &m.AQR_CRYPTO_RECP_STR, &m.AQR_CRYPTO_MSG_STR}};
    return {};
}

bool isLinkType(const QString &t)
{
    for (const char *title : {"URL", "Review", "Meeting", "Mobile App", "File", "Spotify"})
        if (t == QLatin1String(title))
            return true;
    return false;
}

bool isSmsType(const QString &t)
{
    return t == QLatin1String("Send SMS") || t == QLatin1String("WhatsApp") || t == QLatin1String("Coupon");
}

bool isMailType(const QString &t) { return t == QLatin1String("Email") || t == QLatin1String("Feedback"); }

bool isCoinType(const QString &t) { return t == QLatin1String("Bitcoin") || t == QLatin1String("Crypto"); }

} // namespace

void QrTypeMemory::load(const QString &title) const
{
    QrTypeMemory copy = *this;
    const Slots s = slotsOf(copy, title);
    if (!s.s[0])
        return;
    if (isLinkType(title)) {
        if (Qr_Text_OBJ)
            put(Qr_Text_OBJ->URL_Value_field, *s.s[0]);
    } else if (isSmsType(title)) {
        if (Qr_Sms_OBJ) {
            put(Qr_Sms_OBJ->Number_Field, *s.s[0]);
            put(Qr_Sms_OBJ->Message_field, *s.s[1]);
        }
    } else if (isMailType(title)) {
        if (Qr_email_OBJ) {
            put(Qr_email_OBJ->Email_ID_field, *s.s[0]);
            put(Qr_email_OBJ->Subject_field, *s.s[1]);
            put(Qr_email_OBJ->Message_Field, *s.s[2]);
        }
    } else if (isCoinType(title)) {
        if (Qr_bitcoin_OBJ) {
            put(Qr_bitcoin_OBJ->wallet_address, *s.s[0]);
            put(Qr_bitcoin_OBJ->amount_field, *s.s[1]);
            put(Qr_bitcoin_OBJ->recipient_field, *s.s[2]);
            put(Qr_bitcoin_OBJ->message_field, *s.s[3]);
            Qr_bitcoin_OBJ->crypto_type_matrix_view->setHidden(title == QLatin1String("Bitcoin"));
        }
    } else if (Qr_Social_OBJ) {
        put(Qr_Social_OBJ->URL_label, *s.s[0]);
    }
}

void QrTypeMemory::save(const QString &title)
{
    const Slots s = slotsOf(*this, title);
    if (!s.s[0])
        return;
    if (isLinkType(title)) {
        if (Qr_Text_OBJ)
            *s.s[0] = Qr_Text_OBJ->URL_Value_field->text();
    } else if (isSmsType(title)) {
        if (Qr_Sms_OBJ) {
            *s.s[0] = Trim_Str(Qr_Sms_OBJ->Number_Field->text());
            *s.s[1] = Qr_Sms_OBJ->Message_field->toPlainText();
        }
    } else if (isMailType(title)) {
        if (Qr_email_OBJ) {
            *s.s[0] = Qr_email_OBJ->Email_ID_field->text();
            *s.s[1] = Qr_email_OBJ->Subject_field->text();
            *s.s[2] = Qr_email_OBJ->Message_Field->toPlainText();
        }
    } else if (isCoinType(title)) {
        if (Qr_bitcoin_OBJ) {
            *s.s[0] = Trim_Str(Qr_bitcoin_OBJ->wallet_address->text());
            *s.s[1] = Trim_Str(Qr_bitcoin_OBJ->amount_field->text());
            *s.s[2] = Trim_Str(Qr_bitcoin_OBJ->recipient_field->text());
            *s.s[3] = Trim_Str(Qr_bitcoin_OBJ->message_field->text());
        }
    } else if (Qr_Social_OBJ) {
        *s.s[0] = Qr_Social_OBJ->URL_label->text();
    }
}
