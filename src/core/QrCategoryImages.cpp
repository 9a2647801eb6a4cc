#include "core/QrCategoryImages.h"

#include <QList>
#include <QPair>

namespace qr_category {

namespace {

const QList<QPair<QString, QString>> &table()
{
    static const QList<QPair<QString, QString>> t = {
        {QStringLiteral("Text"), QStringLiteral("textQR.png")},
        {QStringLiteral("Call"), QStringLiteral("call.png")},
        {QStringLiteral("Review"), QStringLiteral("review.png")},
        {QStringLiteral("Mobile App"), QStringLiteral("mobile-app.png")},
        {QStringLiteral("File"), QStringLiteral("file.png")},
        {QStringLiteral("Spotify"), QStringLiteral("spotify.png")},
        {QStringLiteral("Meeting"), QStringLiteral("meeting.png")},
        {QStringLiteral("URL"), QStringLiteral("url.png")},
        {QStringLiteral("Send SMS"), QStringLiteral("sms.png")},
        {QStringLiteral("WhatsApp"), QStringLiteral("whatsapp.png")},
        {QStringLiteral("Coupon"), QStringLiteral("coupon.png")},
        {QStringLiteral("Contact"), QStringLiteral("vcard.png")},
        {QStringLiteral("Facebook"), QStringLiteral("face-book.png")},
        {QStringLiteral("Snapchat"), QStringLiteral("snapchat.png")},
        {QStringLiteral("Threads"), QStringLiteral("threads.png")},
        {QStringLiteral("Instagram"), QStringLiteral("instagram.png")},
        {QStringLiteral("LinkedIn"), QStringLiteral("linkedin.png")},
        {QStringLiteral("Quora"), QStringLiteral("quora.png")},
        {QStringLiteral("X(Twitter)"), QStringLiteral("twitter.png")},
        {QStringLiteral("Twitter"), QStringLiteral("twitter.png")},
        {QStringLiteral("YouTube"), QStringLiteral("utube.png")},
        {QStringLiteral("Telegram"), QStringLiteral("telegram.png")},
        {QStringLiteral("Email"), QStringLiteral("email.png")},
        {QStringLiteral("Feedback"), QStringLiteral("feedback.png")},
        {QStringLiteral("Zoom"), QStringLiteral("zoom.png")},
        {QStringLiteral("WIFI"), QStringLiteral("wifi1.png")},
        {QStringLiteral("Location"), QStringLiteral("location.png")},
        {QStringLiteral("Event"), QStringLiteral("event.png")},
        {QStringLiteral("UPI"), QStringLiteral("upi.png")},
        {QStringLiteral("Bitcoin"), QStringLiteral("bitcoin.png")},
        {QStringLiteral("Crypto"), QStringLiteral("crypto-currency.png")},
    };
    return t;
}

} // namespace

QString imageFileFor(const QString &title)
{
    for (const auto &entry : table())
        if (entry.first == title)
            return entry.second;
    return QStringLiteral("textQR.png");
}

QStringList titles()
{
    QStringList out;
    for (const auto &entry : table())
        out << entry.first;
    return out;
}

} // namespace qr_category
