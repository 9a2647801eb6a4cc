// The payload builder: the exact payloads and summaries of every type, the link rules' edge cases,
// and the forms phones read (escaped Wi-Fi and vCard values, percent-encoded mail and payment links).

#include "advqr/QrPayload.h"
#include "support/LocaleScope.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using qrpayload::Build_QR_Payload;
using qrpayload::QrFields;

struct Case {
    const char *name;
    QString title;
    std::function<void(QrFields &)> fill;
    QString payload;
    QString summary;   // null: not checked in this row
};

void expectCases(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        QrFields f;
        c.fill(f);
        const qrpayload::Result r = Build_QR_Payload(c.title, f);
        ASSERT_TRUE(r.payload.has_value()) << c.name;
        EXPECT_EQ(*r.payload, c.payload) << c.name;
        if (!c.summary.isNull()) {
            EXPECT_EQ(r.summary, c.summary) << c.name;
        }
    }
}

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

TEST(QrPayloadBuild, CallNumbers)
{
    const auto call = [](const char *n) { return [n](QrFields &f) { f.text.Call_Value_field = S(n); }; };
    expectCases({
        {"no blanks in the URI, the summary keeps them", S("Call"), call("+1 555 0100"), S("tel:+15550100"),
         S("Phone Number : \n\n+1 555 0100")},
        {"capital scheme stays", S("Call"), call("TEL:12"), S("TEL:12"), {}},
        {"scheme alone gets another", S("Call"), call("tel:"), S("tel:tel:"), {}},
        {"five characters with scheme", S("Call"), call("tel:5"), S("tel:5"), {}},
        {"short number", S("Call"), call("12"), S("tel:12"), {}},
        {"blanks trimmed in the payload only", S("Call"), call(" 555 "), S("tel:555"), S("Phone Number : \n\n 555 ")},
        {"blanks after the scheme", S("Call"), call("tel:+1 (555) 0100"), S("tel:+1(555)0100"), {}},
    });
}

TEST(QrPayloadBuild, LinkTypesAndTheLinkRule)
{
    const auto url = [](const char *u) { return [u](QrFields &f) { f.text.URL_Value_field = S(u); }; };
    const auto zoom = [](const char *u) { return [u](QrFields &f) { f.zoom.URL_Path_Field = S(u); }; };
    const auto place = [](const char *u) { return [u](QrFields &f) { f.location.URL_Path_Field = S(u); }; };
    expectCases({
        {"short input", S("URL"), url("ab"), S("https://ab"), S("URL : \n\nab")},
        {"capital http stays", S("Review"), url("HTTP://Example.org/a b"), S("HTTP://Example.org/a%20b"), {}},
        {"a space inside is encoded", S("File"), url(" example.org/?q=a b "), S("https://example.org/?q=a%20b"),
         S("URL : \n\n example.org/?q=a b ")},
        {"Spotify", S("Spotify"), url("open.spotify.com/x"), S("https://open.spotify.com/x"), {}},
        {"Meeting", S("Meeting"), url("meet.example/abc"), S("https://meet.example/abc"), {}},
        {"Mobile App", S("Mobile App"), url("https://apps.example/id1"), S("https://apps.example/id1"), {}},
        // Lengths count UTF-16 code units: two emoji are four, short; "a" makes five.
        {"two emoji are short", S("Zoom"), zoom("😀😀"), S("https://www.😀😀"), S("Zoom Meeting URL : \n😀😀")},
        {"five code units are not", S("Zoom"), zoom("😀😀a"), S("https://😀😀a"), {}},
        {"short location link", S("Location"), place("ab"), S("https://www.ab"), S("Location URL : \n\nab")},
        {"text", S("Text"), [](QrFields &f) { f.text.Text_Field = S(" two\nlines "); }, S(" two\nlines "),
         S(" two\nlines ")},
    });
}

TEST(QrPayloadBuild, MessagingTypes)
{
    const auto sms = [](const char *n, const char *m) {
        return [n, m](QrFields &f) { f.sms = {S(n), S(m)}; };
    };
    expectCases({
        {"SMS", S("Send SMS"), sms(" +1 555 ", "Hi: there"), S("SMSTO:+1 555:Hi: there"),
         S("Number : +1 555\n\nMessage : Hi: there")},
        {"WhatsApp number in digits only", S("WhatsApp"), sms("+1 (555) 123-4567", "Hi"),
         S("https://wa.me/15551234567/?text=Hi"), S("WhatsApp Number : +1 (555) 123-4567\n\nWhatsApp Message : Hi")},
        {"WhatsApp host typed", S("WhatsApp"), sms("wa.me/123456", ""), S("https://wa.me/123456/?text="), {}},
        {"WhatsApp scheme and www go", S("WhatsApp"), sms("https://www.wa.me/123456", ""),
         S("https://wa.me/123456/?text="), {}},
        {"WhatsApp http without host", S("WhatsApp"), sms("http://www.123456", ""), S("https://wa.me/123456/?text="), {}},
        {"WhatsApp short number", S("WhatsApp"), sms("12", ""), S("https://wa.me/12/?text="), {}},
        // The message is a query value: raw, it would end at a space, "&" or "#".
        {"WhatsApp message encoded", S("WhatsApp"), sms("123", "Hi & bye #1\n+ü"),
         S("https://wa.me/123/?text=Hi%20%26%20bye%20%231%0A%2B%C3%BC"), S("WhatsApp Number : 123\n\nWhatsApp Message : Hi & bye #1\n+ü")},
        {"coupon", S("Coupon"), sms(" SAVE10 ", "Two\nlines"), S("COUPON\r\nSAVE10\r\nTwo\nlines"),
         S("Coupon Code : SAVE10\n\nOffer Details : Two\nlines")},
    });
}

TEST(QrPayloadBuild, SocialLinksOnTheirHosts)
{
    const auto link = [](const char *i) { return [i](QrFields &f) { f.social.URL_label = S(i); }; };
    expectCases({
        {"bare name", S("Facebook"), link("acme.tools"), S("https://facebook.com/acme.tools"), S("acme.tools")},
        {"host typed", S("Facebook"), link("facebook.com/acme"), S("https://facebook.com/acme"), {}},
        {"http://www. and a name", S("Instagram"), link("http://www.acme"), S("https://instagram.com/acme"), {}},
        {"www. and host", S("Instagram"), link("www.instagram.com/acme"), S("https://instagram.com/acme"), {}},
        {"Snapchat adds add/", S("Snapchat"), link("acme"), S("https://snapchat.com/add/acme"), {}},
        {"Snapchat keeps add/", S("Snapchat"), link("add/acme"), S("https://snapchat.com/add/acme"), {}},
        {"Snapchat host typed", S("Snapchat"), link("snapchat.com/acme"), S("https://snapchat.com/acme"), {}},
        {"Quora adds profile/", S("Quora"), link("Acme-Tools"), S("https://quora.com/profile/Acme-Tools"), {}},
        {"Quora keeps profile/", S("Quora"), link("profile/Acme"), S("https://quora.com/profile/Acme"), {}},
        {"X(Twitter)", S("X(Twitter)"), link("acme"), S("https://x.com/acme"), {}},
        {"Twitter shares the host", S("Twitter"), link("acme"), S("https://x.com/acme"), {}},
        {"YouTube short link", S("YouTube"), link("youtu.be/dQw4w9WgXcQ"), S("https://youtu.be/dQw4w9WgXcQ"), {}},
        {"YouTube short link with scheme", S("YouTube"), link("https://youtu.be/x1"), S("https://youtu.be/x1"), {}},
        {"YouTube site", S("YouTube"), link("https://www.youtube.com/@acme"), S("https://youtube.com/@acme"), {}},
        {"YouTube channel name", S("YouTube"), link("@acme"), S("https://youtube.com/@acme"), {}},
        {"Telegram", S("Telegram"), link("acme_bot"), S("https://t.me/acme_bot"), {}},
        {"Threads", S("Threads"), link("@acme"), S("https://threads.net/@acme"), {}},
        {"LinkedIn short", S("LinkedIn"), link("in/a"), S("https://linkedin.com/in/a"), {}},
        {"spaces go", S("LinkedIn"), link("in/acme tools"), S("https://linkedin.com/in/acmetools"), S("in/acme tools")},
    });
}

TEST(QrPayloadBuild, EmptyContactKeepsItsFixedLines)
{
    const qrpayload::Result r = Build_QR_Payload(S("Contact"), {});
    EXPECT_EQ(*r.payload, S("BEGIN:VCARD\nVERSION:3.0\nN:;\nFN: \nADR:;;;;;;\nEND:VCARD"));
    EXPECT_EQ(r.summary, S("Name :  \n"));
}

TEST(QrPayloadBuild, ContactFieldsInOrderWithTheirLabels)
{
    QrFields f;
    f.vcard = {S("Ann"), S("Lee"), S("1"), S("2"), S("Acme"), S("Boss"), S("3"), S("4"), S("a@x"), S("x.org"),
               S("w@x"), S("Main St"), S("Town"), S(""), S("12345"), S("")};
    const qrpayload::Result r = Build_QR_Payload(S("Contact"), f);
    EXPECT_EQ(*r.payload, S("BEGIN:VCARD\nVERSION:3.0\nN:Lee;Ann\nFN:Ann Lee\nTEL;CELL;VOICE:1\nTEL;HOME;VOICE:2\n"
                            "ORG:Acme\nTITLE:Boss\nTEL;WORK;VOICE:3\nTEL;WORK;FAX:4\nADR:;;Main St;Town;;12345;\n"
                            "EMAIL;HOME;INTERNET:a@x\nEMAIL;WORK;INTERNET:w@x\nURL:x.org\nEND:VCARD"));
    EXPECT_EQ(r.summary, S("Name : Ann Lee\nMobile : 1\nPhone : 2\nCompany : Acme\nPosition : Boss\nPhone (Work) : 3\n"
                           "Fax : 4\nEmail : a@x\nEmail (Work) : w@x\nWebsite : x.org\n"
                           "Address : Main St , Town ,  , 12345 , \n"));
}

// vCard 3.0 text values are escaped, so that the phone's fields do not shift; numbers, addresses
// and links stay as typed.
TEST(QrPayloadBuild, ContactTextValuesAreEscaped)
{
    QrFields f;
    f.vcard.First_Name = S("Front Desk; Hall 2");
    f.vcard.Last_Name = S("C:\\Temp");
    f.vcard.Company = S("Acme, Tools; Parts");
    f.vcard.Position = S("Two\nlines");
    f.vcard.Street = S("Main St; 5, back");
    f.vcard.Mobile = S("+1;2,3");
    f.vcard.Website = S("https://x.org/?a=1;b=2");
    const qrpayload::Result r = Build_QR_Payload(S("Contact"), f);
    EXPECT_EQ(*r.payload, S("BEGIN:VCARD\nVERSION:3.0\nN:C:\\\\Temp;Front Desk\\; Hall 2\n"
                            "FN:Front Desk\\; Hall 2 C:\\\\Temp\nTEL;CELL;VOICE:+1;2,3\nORG:Acme\\, Tools\\; Parts\n"
                            "TITLE:Two\\nlines\nADR:;;Main St\\; 5\\, back;;;;\nURL:https://x.org/?a=1;b=2\nEND:VCARD"));
    // The summary keeps the values as typed.
    EXPECT_EQ(r.summary, S("Name : Front Desk; Hall 2 C:\\Temp\nMobile : +1;2,3\nCompany : Acme, Tools; Parts\n"
                           "Position : Two\nlines\nWebsite : https://x.org/?a=1;b=2\nAddress : Main St; 5, back ,  ,  ,  , \n"));
}

TEST(QrPayloadBuild, EmailSubjectAndBodyArePercentEncoded)
{
    const auto mail = [](const char *a, const char *s, const char *b) {
        return [a, s, b](QrFields &f) { f.email = {S(a), S(s), S(b)}; };
    };
    expectCases({
        {"two lines and spaces", S("Email"), mail("a@b.c", "Hi there", "Line 1\nLine 2"),
         S("mailto:a@b.c?&subject=Hi%20there&body=Line%201%0ALine%202"),
         S("Email : a@b.c\nSubject : Hi there\nMessage : Line 1\nLine 2")},
        {"reserved characters", S("Feedback"), mail("a@b.c", "Q&A #3 – 50% ?+", "x=1&body=2"),
         S("mailto:a@b.c?&subject=Q%26A%20%233%20%E2%80%93%2050%25%20%3F%2B&body=x%3D1%26body%3D2"), {}},
        {"CR LF and quotes", S("Email"), mail("a@b.c", "\"q\"", "a\r\nb"),
         S("mailto:a@b.c?&subject=%22q%22&body=a%0Ab"), {}},
        {"blanks at the body's end go", S("Email"), mail("a@b.c", " s ", "b \n "),
         S("mailto:a@b.c?&subject=%20s%20&body=b"), {}},
        {"address", S("Email"), mail("desk+1@acme.example", "", ""), S("mailto:desk+1@acme.example?&subject=&body="),
         {}},
        {"address that would cut the link", S("Email"), mail("a b?c#d%e&f=g@x", "", ""),
         S("mailto:a%20b%3Fc%23d%25e%26f%3Dg@x?&subject=&body="), {}},
    });
}

TEST(QrPayloadBuild, MeetingAndLocationForms)
{
    expectCases({
        {"meeting link", S("Zoom"), [](QrFields &f) { f.zoom.URL_Path_Field = S("zoom.us/j/1?pwd=2"); },
         S("https://zoom.us/j/1?pwd=2"), S("Zoom Meeting URL : \nzoom.us/j/1?pwd=2")},
        {"meeting number", S("Zoom"), [](QrFields &f) { f.zoom = {false, S("ignored"), S("123 456 789"), S("a b")}; },
         S("https://zoom.us/j/123456789?pwd=ab"), S("Meeting ID : 123 456 789\n\nPassword : a b")},
        // One point is the destination: the route's start stays empty.
        {"coordinates", S("Location"), [](QrFields &f) { f.location = {false, {}, S(" 48.85 "), S("2.29")}; },
         S("https://www.google.com/maps/dir//48.85,2.29"), S("Latitude :  48.85 \n\nLongitude : 2.29")},
        {"decimal commas", S("Location"), [](QrFields &f) { f.location = {false, {}, S("-33,86"), S("151,2")}; },
         S("https://www.google.com/maps/dir//-33.86,151.2"), S("Latitude : -33,86\n\nLongitude : 151,2")},
        {"location link", S("Location"), [](QrFields &f) { f.location.URL_Path_Field = S("maps.example/x y"); },
         S("https://maps.example/x%20y"), S("Location URL : \n\nmaps.example/x y")},
    });
    // Typed in a locale's own digits, the link still carries ASCII ones, which map readers take.
    const LocaleScope arabic("ar_EG");
    expectCases({{"own digits", S("Location"), [](QrFields &f) { f.location = {false, {}, S("٤٨٫٨٥"), S("-٢")}; },
                  S("https://www.google.com/maps/dir//48.85,-2"), S("Latitude : ٤٨٫٨٥\n\nLongitude : -٢")}});
}

TEST(QrPayloadBuild, WifiForms)
{
    const auto wifi = [](const char *s, const char *p, int enc, bool hidden) {
        return [=](QrFields &f) {
            f.wifi = {S(s), S(p), enc, enc >= 0 && enc < 3 ? qrpayload::Wifi_Encryption_Items().at(enc) : QString(),
                      hidden};
        };
    };
    expectCases({
        {"no encryption keeps ;P:, a name its blanks", S("WIFI"), wifi(" Home ", "secret", 0, false),
         S("WIFI:S: Home ;T:nopass;P:secret;H:false;;"),
         S("Network Name :  Home \nNetwork Password : secret\nEncryption Mode : No Encryption\nNetwork Visibility : Yes")},
        {"WEP hidden", S("WIFI"), wifi("Home", "", 1, true), S("WIFI:S:Home;T:WEP;P:;H:true;;"),
         S("Network Name : Home\nNetwork Password : \nEncryption Mode : WEP\nNetwork Visibility : No")},
        {"no item selected", S("WIFI"), wifi("Home", "x", -1, false), S("WIFI:S:Home;T:;P:x;H:false;;"), {}},
        // The form's separators are escaped, or the phone joins another network.
        {"separators escaped", S("WIFI"), wifi("Home;Net", "pa;ss:\"w", 2, false),
         S("WIFI:S:Home\\;Net;T:WPA;P:pa\\;ss\\:\\\"w;H:false;;"),
         S("Network Name : Home;Net\nNetwork Password : pa;ss:\"w\nEncryption Mode : WPA/WPA2\nNetwork Visibility : Yes")},
        {"comma and backslash", S("WIFI"), wifi("a,b\\c", "d\\,", 2, false),
         S("WIFI:S:a\\,b\\\\c;T:WPA;P:d\\\\\\,;H:false;;"), {}},
    });
}

TEST(QrPayloadBuild, EventInAsciiDigitsWhateverTheLocale)
{
    QrFields f;
    f.event = {S(" Q&A, room 3 "), S("Hall; 2"), S("a\\b"), QDate(2025, 3, 5), QDate(2025, 3, 5), QTime(9, 30, 41),
               QTime(21, 5)};
    const QString payload = S("BEGIN:VEVENT\nSUMMARY:Q&A\\, room 3\nLOCATION:Hall\\; 2\nDTSTART:20250305T093000\n"
                              "DTEND:20250305T210500\nDESCRIPTION:a\\\\b\nEND:VEVENT");
    const QString summary = S("Event Name : Q&A, room 3\nLocation : Hall; 2\nFrom : 05-03-2025 at 09:30 AM\n"
                              "To : 05-03-2025 at 09:05 PM\nDescription : a\\b");
    const QLocale before;
    // Foreign digits, another calendar's month names, other day-period texts: none may reach either text.
    for (const QLocale &locale : {QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::Persian, QLocale::Iran),
                                  QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English)}) {
        QLocale::setDefault(locale);
        const qrpayload::Result r = Build_QR_Payload(S("Event"), f);
        EXPECT_EQ(*r.payload, payload) << locale.name().toStdString();
        EXPECT_EQ(r.summary, summary) << locale.name().toStdString();
    }
    QLocale::setDefault(before);
}

TEST(QrPayloadBuild, PaymentLinks)
{
    const auto upi = [](const char *i, const char *n, const char *a, const char *t) {
        return [=](QrFields &f) { f.upi = {S(i), S(n), S(a), S(t)}; };
    };
    const auto coin = [](int column, const char *w, const char *a, const char *r, const char *m) {
        return [=](QrFields &f) { f.crypto = {column, S(w), S(a), S(r), S(m)}; };
    };
    expectCases({
        {"UPI", S("UPI"), upi(" acme@upi ", "Acme", "10", "Tea"), S("upi://pay?pa=acme@upi&pn=Acme&am=10&tn=Tea"),
         S("UPI ID : acme@upi\nName : Acme\nAmount : 10\nNote : Tea")},
        {"UPI values encoded", S("UPI"), upi("acme@upi", "Café & Co", "1.5", "Order #7: 50%+tax"),
         S("upi://pay?pa=acme@upi&pn=Caf%C3%A9%20%26%20Co&am=1.5&tn=Order%20%237:%2050%25%2Btax"), {}},
        {"UPI omits empty values", S("UPI"), upi("a@upi", "", "", ""), S("upi://pay?pa=a@upi"), {}},
        {"UPI amount only, a decimal comma", S("UPI"), upi("a@upi", "", "5,25", ""), S("upi://pay?pa=a@upi&am=5.25"),
         S("UPI ID : a@upi\nName : \nAmount : 5,25\nNote : ")},
        {"Bitcoin", S("Bitcoin"), coin(5, "bc1q", " 0.5 ", "Ann & Co", "Hi #1"),
         S("bitcoin:bc1q?amount=0.5&label=Ann%20%26%20Co&message=Hi%20%231"),
         S("Wallet Address : bc1q\nAmount : 0.5\nRecipient : Ann & Co\nMessage : Hi #1")},
        {"Bitcoin without parameters", S("Bitcoin"), coin(0, "bc1q", "", "", ""), S("bitcoin:bc1q"), {}},
        {"only a message", S("Bitcoin"), coin(0, "bc1q", "", "", "m"), S("bitcoin:bc1q?message=m"), {}},
        {"Crypto column 1", S("Crypto"), coin(1, "0xAB", "2", "", ""), S("ethereum:0xAB?amount=2"),
         S("Crypto Payment type : ETHEREUM\nWallet Address : 0xAB\nAmount : 2\nRecipient : \nMessage : ")},
        {"Crypto column 7", S("Crypto"), coin(7, "r9", "3", "", ""), S("xrp:r9?amount=3"), {}},
        {"Crypto no column is the first coin", S("Crypto"), coin(-1, "T1", "4", "", ""), S("usdt:T1?amount=4"),
         S("Crypto Payment type : USDT\nWallet Address : T1\nAmount : 4\nRecipient : \nMessage : ")},
        {"Crypto column past the matrix", S("Crypto"), coin(8, "T1", "", "", ""), S("usdt:T1"), {}},
    });
}

TEST(QrPayloadBuild, TitlesOutsideTheTableGiveNothing)
{
    QrFields f;
    f.text = {S("t"), S("1"), S("u")};
    for (const char *title : {"", "url", "Wifi", "WhatsApp ", "QR Code", "X(twitter)"}) {
        const qrpayload::Result r = Build_QR_Payload(S(title), f);
        EXPECT_FALSE(r.payload.has_value()) << title;
        EXPECT_TRUE(r.summary.isEmpty()) << title;
        EXPECT_EQ(qrpayload::Panel_For_Title(S(title)), qrpayload::QrPanel::None) << title;
    }
}

} // namespace
