#pragma once
// The last inputs of each payload type whose panel several types share: one link for each link
// type, number and message for the SMS types, one link for each social site ("X(Twitter)" and
// "Twitter" share one), address, subject and message for the mail types, four fields for each
// coin type. Types whose fields are their own keep them in their panels.

#include <QString>

struct QrTypeMemory {
    QString AQR_URL_STR, AQR_REVIEW_STR, AQR_MEETING_STR, AQR_MOBILE_APP_STR, AQR_FILE_STR, AQR_SPOTIFY_STR;
    QString AQR_SMS_NUM_STR, AQR_SMS_MSG_STR, AQR_WAPP_NUM_STR, AQR_WAPP_MSG_STR, AQR_COUPON_NUM_STR,
        AQR_COUPON_MSG_STR;
    QString AQR_FACEBOOK_STR, AQR_SNAPCHAT_STR, AQR_THREADS_STR, AQR_INSTAGRAM_STR, AQR_LINKEDIN_STR, AQR_QUORA_STR,
        AQR_TWITTER_STR, AQR_YOUTUBE_STR, AQR_TELEGRAM_STR;
    QString AQR_EMAIL_ID_STR, AQR_EMAIL_SUB_STR, AQR_EMAIL_MSG_STR, AQR_FEEDBACK_ID_STR, AQR_FEEDBACK_SUB_STR,
        AQR_FEEDBACK_MSG_STR;
    QString AQR_BITCOIN_ADD_STR, AQR_BITCOIN_AMOUNT_STR, AQR_BITCOIN_RECP_STR, AQR_BITCOIN_MSG_STR;
    QString AQR_CRYPTO_ADD_STR, AQR_CRYPTO_AMOUNT_STR, AQR_CRYPTO_RECP_STR, AQR_CRYPTO_MSG_STR;

    bool operator==(const QrTypeMemory &) const = default;

    // Every string empty.
    void clear() { *this = QrTypeMemory(); }
    // The remembered strings of the type go back into the shared panel fields (no edit is
    // announced); the coin cells are hidden for "Bitcoin" and shown for "Crypto". Other types
    // change nothing.
    void load(const QString &title) const;
    // The shared panel fields are stored into the strings of the type only.
    void save(const QString &title);
};
