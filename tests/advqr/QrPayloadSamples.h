#pragma once
// One field set per payload title, with non-ASCII text and ; , : \ " & # % ? in every field that
// can hold them, and no blanks at the ends or spaces in links, so that reading the payload back
// gives exactly these fields.

#include "advqr/QrPayload.h"

#include <QString>
#include <vector>

namespace qrsamples {

using qrpayload::QrFields;

struct Sample {
    QString title;
    QrFields fields;
};

// Every awkward character of the payload forms, and text beyond ASCII.
inline QString awkward() { return QStringLiteral("; , : \\ \" & # % ? + = / Grüße – 中文 😀"); }

inline std::vector<Sample> allTitles()
{
    std::vector<Sample> out;
    const auto add = [&out](const char *title, auto fill) {
        Sample s{QString::fromUtf8(title), {}};
        fill(s.fields);
        out.push_back(s);
    };
    const QString a = awkward();
    add("Text", [&](QrFields &f) { f.text.Text_Field = QStringLiteral("First line ") + a + QStringLiteral("\nSecond line"); });
    add("Call", [&](QrFields &f) { f.text.Call_Value_field = QStringLiteral("+49 30 1234;ext=5"); });
    for (const char *link : {"URL", "Review", "Meeting", "Mobile App", "File", "Spotify"})
        add(link, [&](QrFields &f) {
            f.text.URL_Value_field = QStringLiteral("example.org/päth?q=a,b;c:d&e=\"1\"\\x%41#top");
        });
    add("Send SMS", [&](QrFields &f) {
        f.sms = {QStringLiteral("+1 555 0100"), QStringLiteral("Hi ") + a + QStringLiteral("\nsecond: line")};
    });
    add("WhatsApp", [&](QrFields &f) {
        f.sms = {QStringLiteral("+919876543210"), QStringLiteral("Hi & bye #1 ") + a + QStringLiteral("\nline 2")};
    });
    add("Coupon", [&](QrFields &f) { f.sms = {QStringLiteral("SAVE10") + a, QStringLiteral("Offer ") + a + QStringLiteral("\nCOUPON inside")}; });
    add("Contact", [&](QrFields &f) {
        f.vcard = {QStringLiteral("Front Desk; Hall 2"),
                   QStringLiteral("Müller, \\ \"Q\" & #1 %?:"),
                   QStringLiteral("+1 555 0100"),
                   QStringLiteral("+1 (555) 0101"),
                   QStringLiteral("Acme, Tools; Parts"),
                   QStringLiteral("Head of ") + a,
                   QStringLiteral("+1 555 0102"),
                   QStringLiteral("+1 555 0103"),
                   QStringLiteral("desk+1@acme.example"),
                   QStringLiteral("https://acme.example/?a=1&b=2#x"),
                   QStringLiteral("work@acme.example"),
                   QStringLiteral("Main St; 5, back \\ \"A\""),
                   QStringLiteral("Köln: Süd"),
                   QStringLiteral("NRW & #1"),
                   QStringLiteral("50667?%"),
                   QStringLiteral("Deutschland – 中文 😀")};
    });
    for (const char *social : {"Facebook", "Snapchat", "Threads", "Instagram", "LinkedIn", "Quora", "X(Twitter)",
                               "Twitter", "YouTube", "Telegram"})
        add(social, [&](QrFields &f) { f.social.URL_label = QStringLiteral("acme.tools?ref=a,b;c:d&e=\"ü\"%20#x"); });
    for (const char *mail : {"Email", "Feedback"})
        add(mail, [&](QrFields &f) {
            f.email = {QStringLiteral("desk+q@acme.example"), QStringLiteral("Q&A #3 – 50% ") + a,
                       QStringLiteral("Line one ") + a + QStringLiteral("\nLine two &body=")};
        });
    add("Zoom", [&](QrFields &f) {
        f.zoom = {false, QString(), QStringLiteral("123456789"), QStringLiteral("aB3;x,:\"&%ü")};
    });
    add("WIFI", [&](QrFields &f) {
        f.wifi = {QStringLiteral("Home;Net, \"ü\": \\ &#%?"), QStringLiteral("pa;ss:\"w\\,&#%?ü"), 2,
                  QStringLiteral("WPA/WPA2"), false};
    });
    add("Location", [&](QrFields &f) {
        f.location = {false, QString(), QStringLiteral("48.8584"), QStringLiteral("2.2945")};
    });
    add("Event", [&](QrFields &f) {
        f.event = {QStringLiteral("Q&A, room 3; ") + a, QStringLiteral("Hall; 2, Floor: 3 \\ \"A\""),
                   QStringLiteral("Bring ") + a, QDate(2025, 3, 5), QDate(2025, 3, 5), QTime(9, 30), QTime(10, 45)};
    });
    add("UPI", [&](QrFields &f) {
        f.upi = {QStringLiteral("acme@upi"), QStringLiteral("Café & Co; ") + a, QStringLiteral("100.50"),
                 QStringLiteral("Order #7 ") + a};
    });
    add("Bitcoin", [&](QrFields &f) {
        f.crypto = {0, QStringLiteral("bc1qxy2kgdygjrsqtzq2n0yrf2493p83kkfjhx0wlh"), QStringLiteral("0.015"),
                    QStringLiteral("Acme; Ltd ") + a, QStringLiteral("Invoice ") + a};
    });
    add("Crypto", [&](QrFields &f) {
        f.crypto = {1, QStringLiteral("0x52908400098527886E0F7030069857D2E4169EE7"), QStringLiteral("1.5"),
                    QStringLiteral("Ünïcode ") + a, QStringLiteral("Thanks ") + a};
    });
    return out;
}

} // namespace qrsamples
