// The payload parser and the validation: the fields read back from stored payloads and summaries,
// old unescaped payloads, the texts that used to be cut at the wrong place, and every message.

#include "advqr/QrPayload.h"
#include "advqr/QrFieldsPrint.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using qrpayload::Build_QR_Payload;
using qrpayload::Parse_QR_Payload;
using qrpayload::QrFields;

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

struct ParseCase {
    const char *name;
    QString title;
    QString payload;
    QString summary;
    std::function<void(QrFields &)> expected;   // applied to default fields
};

void expectParses(const std::vector<ParseCase> &cases)
{
    for (const ParseCase &c : cases) {
        QrFields want;
        c.expected(want);
        EXPECT_QR_FIELDS_EQ(Parse_QR_Payload(c.title, c.payload, c.summary), want, c.name);
    }
}

} // namespace

namespace {

TEST(QrPayloadParse, TextCallAndLinks)
{
    expectParses({
        {"text as stored", S("Text"), S(" a\nb "), S("ignored"), [](QrFields &f) { f.text.Text_Field = S(" a\nb "); }},
        {"call", S("Call"), S("tel:+1 555"), {}, [](QrFields &f) { f.text.Call_Value_field = S("+1 555"); }},
        {"call of tel:", S("Call"), S("tel:tel:"), {}, [](QrFields &f) { f.text.Call_Value_field = S("tel:"); }},
        {"capital scheme is no scheme", S("Call"), S("TEL:12"), {}, [](QrFields &f) { f.text.Call_Value_field = S("TEL:12"); }},
        {"scheme inside stays", S("Call"), S("tel:12 tel:3"), {},
         [](QrFields &f) { f.text.Call_Value_field = S("12 tel:3"); }},
        {"link from the summary", S("Spotify"), S("https://x.org/ab"), S("URL : \n\nx.org/a b"),
         [](QrFields &f) { f.text.URL_Value_field = S("x.org/a b"); }},
        {"label inside a link stays", S("URL"), S("p"), S("URL : \n\nx.org/?t=URL :1"),
         [](QrFields &f) { f.text.URL_Value_field = S("x.org/?t=URL :1"); }},
        {"social from the summary", S("Quora"), S("https://quora.com/profile/a"), S(" a "),
         [](QrFields &f) { f.social.URL_label = S(" a "); }},
    });
}

TEST(QrPayloadParse, MessagingTypes)
{
    const auto sms = [](const char *n, const char *m) { return [=](QrFields &f) { f.sms = {S(n), S(m)}; }; };
    expectParses({
        {"SMS with colons in the message", S("Send SMS"), S("SMSTO:+1 555:at 10:30: ok"), {}, sms("+1 555", "at 10:30: ok")},
        {"SMS without a colon", S("Send SMS"), S("SMSTO:hello there"), {}, sms("", "hello there")},
        {"SMS with an empty number", S("Send SMS"), S("SMSTO::hi"), {}, sms("", "hi")},
        {"SMSTO: inside the message stays", S("Send SMS"), S("SMSTO:1:see SMSTO:2"), {}, sms("1", "see SMSTO:2")},
        {"WhatsApp", S("WhatsApp"), S("https://wa.me/+919876543210/?text=Hi%20%26%20bye%20%231%0Anext"), {},
         sms("+919876543210", "Hi & bye #1\nnext")},
        {"WhatsApp old raw message", S("WhatsApp"), S("https://wa.me/123/?text=Hi there"), {}, sms("123", "Hi there")},
        {"WhatsApp without the text key", S("WhatsApp"), S("https://wa.me/123"), {}, sms("", "")},
        {"coupon", S("Coupon"), S("COUPON\r\nSAVE10\r\nTwo\nlines"), {}, sms("SAVE10", "Two\nlines")},
        // Editing the coupon "COUPON10" must not store "10".
        {"COUPON inside the code and details", S("Coupon"), S("COUPON\r\nCOUPON10\r\nUse COUPON10 today"), {},
         sms("COUPON10", "Use COUPON10 today")},
        {"coupon without details keeps its code", S("Coupon"), S("COUPON\r\nSAVE10"), {}, sms("SAVE10", "")},
        {"coupon without a code keeps its details", S("Coupon"), S("COUPON\r\n\r\nFree tea"), {}, sms("", "Free tea")},
    });
}

TEST(QrPayloadParse, ContactLines)
{
    const auto card = [](std::function<void(QrFields::VCard &)> fill) { return [=](QrFields &f) { fill(f.vcard); }; };
    expectParses({
        {"first name only", S("Contact"), S("BEGIN:VCARD\nVERSION:3.0\nN:;Ann\nFN:Ann \nADR:;;;;;;\nEND:VCARD"), {},
         card([](QrFields::VCard &v) { v.First_Name = S("Ann"); })},
        {"no semicolon: a first name", S("Contact"), S("N:Ann"), {}, card([](QrFields::VCard &v) { v.First_Name = S("Ann"); })},
        {"every key", S("Contact"),
         S("BEGIN:VCARD\nVERSION:3.0\nN:Lee;Ann\nFN:Ann Lee\nTEL;CELL;VOICE:1\nTEL;HOME;VOICE:2\nORG:Acme\n"
           "TITLE:Boss\nTEL;WORK;VOICE:3\nTEL;WORK;FAX:4\nADR:;;St;Town;ST;12;Land\nEMAIL;HOME;INTERNET:a@x\n"
           "EMAIL;WORK;INTERNET:w@x\nURL:x.org\nEND:VCARD"),
         {}, card([](QrFields::VCard &v) {
             v = {S("Ann"), S("Lee"), S("1"), S("2"), S("Acme"), S("Boss"), S("3"), S("4"), S("a@x"), S("x.org"),
                  S("w@x"), S("St"), S("Town"), S("ST"), S("12"), S("Land")};
         })},
        // Keys count at a line's start only: a company "SHOP N:5" is no name.
        {"key inside a value", S("Contact"),
         S("N:Lee;Ann\nORG:SHOP N:5\nTITLE:Head of ORG:x\nURL:https://x.org/?TEL;CELL;VOICE:1\nTEL;HOME;VOICE:FN:2"), {},
         card([](QrFields::VCard &v) {
             v.First_Name = S("Ann");
             v.Last_Name = S("Lee");
             v.Company = S("SHOP N:5");
             v.Position = S("Head of ORG:x");
             v.Website = S("https://x.org/?TEL;CELL;VOICE:1");
             v.Phone = S("FN:2");
         })},
        {"escaped values", S("Contact"),
         S("N:C:\\\\Temp;Front Desk\\; Hall 2\nORG:Acme\\, Tools\\; Parts\nTITLE:Two\\nlines\n"
           "ADR:;;Main St\\; 5\\, back;Town;;;\nTEL;CELL;VOICE:+1\\;2"),
         {}, card([](QrFields::VCard &v) {
             v.First_Name = S("Front Desk; Hall 2");
             v.Last_Name = S("C:\\Temp");
             v.Company = S("Acme, Tools; Parts");
             v.Position = S("Two\nlines");
             v.Street = S("Main St; 5, back");
             v.City = S("Town");
             v.Mobile = S("+1\\;2");   // numbers are stored as typed
         })},
        // Old unescaped payloads read as they always did.
        {"old unescaped first name", S("Contact"), S("N:Doe;Jo;hn\nORG:Acme, Inc\nTITLE:C:\\temp"), {},
         card([](QrFields::VCard &v) {
             v.First_Name = S("Jo;hn");
             v.Last_Name = S("Doe");
             v.Company = S("Acme, Inc");
             v.Position = S("C:\\temp");
         })},
        {"old street with a semicolon shifts", S("Contact"), S("ADR:;;Main; 5;Town;ST;12;Land"), {},
         card([](QrFields::VCard &v) {
             v.Street = S("Main");
             v.City = S(" 5");
             v.State = S("Town");
             v.Zip = S("ST");
             v.Country = S("12");
         })},
        // An address of fewer than five parts no longer ends the editor's opening.
        {"short address", S("Contact"), S("N:;Ann\nADR:;;St;Town"), {}, card([](QrFields::VCard &v) {
             v.First_Name = S("Ann");
             v.Street = S("St");
             v.City = S("Town");
         })},
        {"address key alone", S("Contact"), S("ADR:;;"), {}, card([](QrFields::VCard &) {})},
        {"later line wins, unknown lines skipped", S("Contact"), S("ORG:A\nX-ORG:B\nORG:C\nEND:VCARD\n"), {},
         card([](QrFields::VCard &v) { v.Company = S("C"); })},
        {"END:VCARD inside a value", S("Contact"), S("BEGIN:VCARD\nVERSION:3.0\nORG:END:VCARD Ltd\nEND:VCARD"), {},
         card([](QrFields::VCard &v) { v.Company = S("END:VCARD Ltd"); })},
    });
}

TEST(QrPayloadParse, EmailDecodesFully)
{
    const auto mail = [](const char *a, const char *s, const char *b) {
        return [=](QrFields &f) { f.email = {S(a), S(s), S(b)}; };
    };
    expectParses({
        {"encoded", S("Email"), S("mailto:a@b.c?&subject=Q%26A%20%233%20%E2%80%93%2050%25&body=x%3D1%26body%3D2%0Ay"), {},
         mail("a@b.c", "Q&A #3 – 50%", "x=1&body=2\ny")},
        {"old form", S("Feedback"), S("mailto:a@b.c?&subject=Hello%20World&body=Say%20%22hi%22%0Athen"), {},
         mail("a@b.c", "Hello World", "Say \"hi\"\nthen")},
        {"old raw percent and non-ASCII", S("Email"), S("mailto:a@b.c?&subject=100%&body=Grüße %zz"), {},
         mail("a@b.c", "100%", "Grüße %zz")},
        {"typed %20 comes back as typed", S("Email"), S("mailto:a@b.c?&subject=%2520&body="), {}, mail("a@b.c", "%20", "")},
        {"mailto: inside stays", S("Email"), S("mailto:a@b.c?&subject=mailto:x&body="), {}, mail("a@b.c", "mailto:x", "")},
        {"no subject key", S("Email"), S("mailto:a@b.c"), {}, mail("", "", "")},
        {"bad UTF-8 bytes", S("Email"), S("mailto:%FF?&subject=%C3&body=%FEx"), {},
         mail("\xEF\xBF\xBD", "\xEF\xBF\xBD", "\xEF\xBF\xBDx")},
    });
}

TEST(QrPayloadParse, MeetingAndLocationForms)
{
    expectParses({
        {"meeting number", S("Zoom"), S("https://zoom.us/j/123456789?pwd=ab"), S("Meeting ID : 1"),
         [](QrFields &f) { f.zoom = {false, S(""), S("123456789"), S("ab")}; }},
        // A link of the meeting service typed as a link comes back as number and password.
        {"typed meeting link", S("Zoom"), S("https://zoom.us/j/98765?pwd=Xy7"), S("Zoom Meeting URL : \nzoom.us/j/98765?pwd=Xy7"),
         [](QrFields &f) { f.zoom = {false, S(""), S("98765"), S("Xy7")}; }},
        {"meeting link without a password", S("Zoom"), S("https://zoom.us/j/98765"), {},
         [](QrFields &f) { f.zoom = {false, S(""), S(""), S("")}; }},
        {"other link", S("Zoom"), S("https://www.ab"), S("Zoom Meeting URL : \nab"),
         [](QrFields &f) { f.zoom = {true, S("ab"), S(""), S("")}; }},
        // The meeting link counts where the builder puts it: at the start.
        {"link holding a meeting link", S("Zoom"), S("https://example.org/?next=https://zoom.us/j/1?pwd=2"),
         S("Zoom Meeting URL : \nexample.org/?next=https://zoom.us/j/1?pwd=2"),
         [](QrFields &f) { f.zoom = {true, S("example.org/?next=https://zoom.us/j/1?pwd=2"), S(""), S("")}; }},
        {"link holding a directions link", S("Location"), S("https://example.org/?u=https://www.google.com/maps/dir/1,2"),
         S("Location URL : \n\nexample.org/?u=https://www.google.com/maps/dir/1,2"),
         [](QrFields &f) { f.location = {true, S("example.org/?u=https://www.google.com/maps/dir/1,2"), S(""), S("")}; }},
        {"empty link", S("Zoom"), S("https://www."), S("Zoom Meeting URL : \n"),
         [](QrFields &f) { f.zoom = {true, S(""), S(""), S("")}; }},
        {"destination form", S("Location"), S("https://www.google.com/maps/dir//-33.86,151.2"), {},
         [](QrFields &f) { f.location = {false, S(""), S("-33.86"), S("151.2")}; }},
        {"coordinates", S("Location"), S("https://www.google.com/maps/dir/48.85,2.29,5"), {},
         [](QrFields &f) { f.location = {false, S(""), S("48.85"), S("2.29,5")}; }},
        {"location link", S("Location"), S("https://maps.example/xy"), S("Location URL : \n\nmaps.example/x y"),
         [](QrFields &f) { f.location = {true, S("maps.example/x y"), S(""), S("")}; }},
    });
}

TEST(QrPayloadParse, WifiFromTheSummary)
{
    const auto wifi = [](const char *s, const char *p, int enc, bool hidden) {
        return [=](QrFields &f) { f.wifi = {S(s), S(p), enc, qrpayload::Wifi_Encryption_Items().at(enc), hidden}; };
    };
    const auto summary = [](const char *mode, const char *visible) {
        return S("Network Name : Home;Net\nNetwork Password : pa;ss\nEncryption Mode : ") + S(mode) +
               S("\nNetwork Visibility : ") + S(visible);
    };
    expectParses({
        {"WPA/WPA2", S("WIFI"), {}, summary("WPA/WPA2", "Yes"), wifi("Home;Net", "pa;ss", 2, false)},
        {"WPA anywhere", S("WIFI"), {}, summary("my WPA3", "Yes"), wifi("Home;Net", "pa;ss", 2, false)},
        {"WEP exactly", S("WIFI"), {}, summary("WEP", "No"), wifi("Home;Net", "pa;ss", 1, true)},
        {"wep in lower case is none", S("WIFI"), {}, summary("wep", "Yes"), wifi("Home;Net", "pa;ss", 0, false)},
        {"anything else is hidden", S("WIFI"), {}, summary("No Encryption", "yes"), wifi("Home;Net", "pa;ss", 0, true)},
        {"a name's end blanks from the payload", S("WIFI"), S("WIFI:S: Home\\;Net ;T:WPA;P:pa\\;ss;H:false;;"),
         summary("WPA", "Yes"), wifi(" Home;Net ", "pa;ss", 2, false)},
    });
}

TEST(QrPayloadParse, EventOfFiveMarch)
{
    QrFields built;
    built.event = {S("Q&A, room 3"), S("Hall 2"), S("Bring notes"), QDate(2025, 3, 5), QDate(2025, 3, 6),
                   QTime(9, 30), QTime(0, 15)};
    const qrpayload::Result r = Build_QR_Payload(S("Event"), built);
    EXPECT_EQ(Parse_QR_Payload(S("Event"), *r.payload, r.summary).event, built.event);

    // Summaries written in the C locale, and older ones in the user's.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QLocale user;
    const QString old = S("Event Name : A\nLocation : B\nFrom : ") + user.toString(QDate(2025, 3, 5), S("dd-MM-yyyy")) +
                        S(" at ") + user.toString(QTime(9, 30), S("hh:mm AP")) + S("\nTo : 06-03-2025 at 12:15 AM") +
                        S("\nDescription : C");
    const QrFields::Event e = Parse_QR_Payload(S("Event"), {}, old).event;
    QLocale::setDefault(before);
    EXPECT_NE(user.toString(QDate(2025, 3, 5), S("dd-MM-yyyy")), S("05-03-2025"));   // the digits are foreign
    EXPECT_EQ(e.Date_From_Ctrl, QDate(2025, 3, 5));
    EXPECT_EQ(e.Time_From_Ctrl, QTime(9, 30));
    EXPECT_EQ(e.Date_To_Ctrl, QDate(2025, 3, 6));
    EXPECT_EQ(e.Time_To_Ctrl, QTime(0, 15));
    EXPECT_EQ(e.event_name, S("A"));
    EXPECT_EQ(e.event_description, S("C"));
}

TEST(QrPayloadParse, UnreadableEventDatesStayUnset)
{
    const QrFields::Event e =
        Parse_QR_Payload(S("Event"), {}, S("Event Name : A\nLocation : B\nFrom : 31-02-2025 at 25:99 AM\n"
                                            "To : tomorrow at noon\nDescription : C"))
            .event;
    EXPECT_TRUE(e.Date_From_Ctrl.isNull());
    EXPECT_TRUE(e.Time_From_Ctrl.isNull());
    EXPECT_TRUE(e.Date_To_Ctrl.isNull());
    EXPECT_TRUE(e.Time_To_Ctrl.isNull());
    EXPECT_EQ(e.event_location, S("B"));
}

TEST(QrPayloadParse, PaymentsFromTheSummary)
{
    expectParses({
        {"UPI", S("UPI"), {}, S("UPI ID : acme@upi\nName : Café & Co\nAmount : 10\nNote : Tea; #1"),
         [](QrFields &f) { f.upi = {S("acme@upi"), S("Café & Co"), S("10"), S("Tea; #1")}; }},
        {"Bitcoin", S("Bitcoin"), {}, S("Wallet Address : bc1q\nAmount : 0.5\nRecipient : Ann\nMessage : Hi"),
         [](QrFields &f) { f.crypto = {0, S("bc1q"), S("0.5"), S("Ann"), S("Hi")}; }},
        {"Crypto", S("Crypto"), {},
         S("Crypto Payment type : DOGECOIN\nWallet Address : D1\nAmount : 2\nRecipient : \nMessage : "),
         [](QrFields &f) { f.crypto = {5, S("D1"), S("2"), S(""), S("")}; }},
        {"Crypto unknown coin is column 0", S("Crypto"), {},
         S("Crypto Payment type : FOO\nWallet Address : D1\nAmount : 2\nRecipient : R\nMessage : M"),
         [](QrFields &f) { f.crypto = {0, S("D1"), S("2"), S("R"), S("M")}; }},
    });
}

// A summary that is the payload itself holds no labels: the fields come out empty, Wi-Fi with no
// encryption and hidden, crypto on the first coin.
TEST(QrPayloadParse, SummaryThatIsItsPayload)
{
    QrFields want;
    want.wifi = {S(""), S(""), 0, S("No Encryption"), true};
    for (const char *title : {"WIFI", "Event", "UPI", "Bitcoin", "Crypto"}) {
        QrFields full;
        full.wifi = {S("Home"), S("pw"), 2, S("WPA/WPA2"), false};
        full.event = {S("E"), S("L"), S("D"), QDate(2025, 3, 5), QDate(2025, 3, 5), QTime(9, 30), QTime(10, 0)};
        full.upi = {S("a@upi"), S("N"), S("1"), S("T")};
        full.crypto = {3, S("W"), S("1"), S("R"), S("M")};
        const QString payload = *Build_QR_Payload(S(title), full).payload;
        const QrFields got = Parse_QR_Payload(S(title), payload, payload);
        EXPECT_TRUE(got == (S(title) == S("WIFI") ? want : QrFields())) << title;
    }
}

TEST(QrPayloadParse, OnlyTheTitlesPanelIsSet)
{
    const QString payload = S("SMSTO:1:2");
    const QrFields sms = Parse_QR_Payload(S("Send SMS"), payload, payload);
    QrFields want;
    want.sms = {S("1"), S("2")};
    EXPECT_TRUE(sms == want);
    for (const char *title : {"", "sms", "Unknown", "Send SMS "})
        EXPECT_TRUE(Parse_QR_Payload(S(title), payload, payload) == QrFields()) << title;
}

// Untrusted payloads and summaries from project files: any text parses, none throws; texts built to
// defeat the cutting and unescaping (runs of separators, escapes, labels, percent signs) included.
TEST(QrPayloadParse, AnyTextParses)
{
    const QString big = S("\\;").repeated(100000) + S("ADR:;;") + S("%").repeated(100000) + S("at") +
                        S("\nN:").repeated(50000) + S("Network Name :").repeated(1000) + QString(QChar(0xD800));
    const std::vector<QString> texts = {S(""),          S(" "),        S("\\"),     S("%"),       S("%E"),
                                        S(":"),         S("\r\n"),     S("N:\\"),   S("ADR:;;\\"), S("at at at"),
                                        S("mailto:?&subject=&body=%"), S("COUPON"), S("SMSTO:"),   big};
    for (const QString &title : {S("Text"), S("Call"), S("URL"), S("Send SMS"), S("WhatsApp"), S("Coupon"),
                                 S("Contact"), S("YouTube"), S("Email"), S("Zoom"), S("WIFI"), S("Location"),
                                 S("Event"), S("UPI"), S("Bitcoin"), S("Crypto")})
        for (const QString &p : texts)
            for (const QString &s : {texts.front(), p}) {
                const QrFields f = Parse_QR_Payload(title, p, s);
                // Parsing again what a parse gave is stable: no state is kept between calls.
                EXPECT_TRUE(f == Parse_QR_Payload(title, p, s)) << title.toStdString();
            }
    const QrFields::VCard v = Parse_QR_Payload(S("Contact"), S("ADR:;;") + S("\\;").repeated(100000), {}).vcard;
    EXPECT_EQ(v.Street, S(";").repeated(100000));
}

struct ValidationCase {
    const char *name;
    QString title;
    std::function<void(QrFields &)> fill;
    QString message;   // empty: passes
};

TEST(QrPayloadValidation, MessagesInTheChecksOrder)
{
    const auto none = [](QrFields &) {};
    const auto at = [](const char *lat, const char *lon) { return [=](QrFields &f) { f.location = {false, {}, S(lat), S(lon)}; }; };
    const std::vector<ValidationCase> cases = {
        {"text blank", S("Text"), [](QrFields &f) { f.text.Text_Field = S(" \n "); }, S("Please enter text.")},
        {"text", S("Text"), [](QrFields &f) { f.text.Text_Field = S("a"); }, {}},
        {"call", S("Call"), none, S("Please enter valid Phone number.")},
        {"link", S("Review"), none, S("Please enter valid URL.")},
        {"link filled", S("File"), [](QrFields &f) { f.text.URL_Value_field = S("x"); }, {}},
        {"sms", S("Coupon"), [](QrFields &f) { f.sms.Message_field = S("m"); }, S("Please enter valid details.")},
        {"WhatsApp without a digit", S("WhatsApp"), [](QrFields &f) { f.sms.Number_Field = S("call me"); },
         S("Please enter valid details.")},
        {"contact needs a first name", S("Contact"), [](QrFields &f) { f.vcard.Last_Name = S("L"); },
         S("Please enter contact details.")},
        {"social", S("Telegram"), [](QrFields &f) { f.social.URL_label = S("\t"); }, S("Please enter valid URL.")},
        {"email", S("Feedback"), [](QrFields &f) { f.email.Subject_field = S("s"); }, S("Please enter valid Email.")},
        {"zoom link", S("Zoom"), none, S("Please enter valid URL.")},
        {"zoom id without password", S("Zoom"), [](QrFields &f) { f.zoom = {false, S("x"), S("123"), S(" ")}; },
         S("Please enter meeting details.")},
        {"zoom password without id", S("Zoom"), [](QrFields &f) { f.zoom = {false, {}, {}, S("p")}; },
         S("Please enter meeting details.")},
        {"zoom id and password", S("Zoom"), [](QrFields &f) { f.zoom = {false, {}, S("1"), S("p")}; }, {}},
        {"wifi name", S("WIFI"), [](QrFields &f) { f.wifi.encryption = 1; }, S("Please enter Network name.")},
        {"WEP without password", S("WIFI"), [](QrFields &f) { f.wifi = {S("n"), S(" "), 1, S("WEP"), false}; },
         S("Please enter Network password.")},
        {"WPA without password passes", S("WIFI"), [](QrFields &f) { f.wifi = {S("n"), {}, 2, S("WPA/WPA2"), false}; }, {}},
        {"open network without password", S("WIFI"), [](QrFields &f) { f.wifi = {S("n"), {}, 0, {}, false}; }, {}},
        {"location link", S("Location"), [](QrFields &f) { f.location.Latitude_Field = S("1"); }, S("Please enter valid URL.")},
        {"location latitude", S("Location"), [](QrFields &f) { f.location = {false, S("u"), {}, S("2")}; },
         S("Please enter location Co-ordinates.")},
        {"location longitude", S("Location"), [](QrFields &f) { f.location = {false, {}, S("1"), {}}; },
         S("Please enter location Co-ordinates.")},
        // Numbers: a decimal comma is the point; words, values out of range and stray letters are refused.
        {"latitude of letters", S("Location"), at("abc", "2"), S("Please enter a latitude from -90 to 90.")},
        {"latitude out of range", S("Location"), at("999", "2"), S("Please enter a latitude from -90 to 90.")},
        {"longitude out of range", S("Location"), at("1", "-180.5"), S("Please enter a longitude from -180 to 180.")},
        {"decimal commas pass", S("Location"), at("-33,86", " 151,2 "), {}},
        {"amount with letters", S("UPI"), [](QrFields &f) { f.upi = {S("a@b"), {}, S("abc12.5"), {}}; },
         S("Please enter a valid Amount.")},
        {"amount with a decimal comma", S("UPI"), [](QrFields &f) { f.upi = {S("a@b"), {}, S("12,5"), {}}; }, {}},
        {"event name first", S("Event"), none, S("Please enter event name.")},
        {"event location", S("Event"), [](QrFields &f) { f.event.event_name = S("E"); }, S("Please enter event location.")},
        {"upi id first", S("UPI"), none, S("Please enter UPI ID.")},
        {"upi amount", S("UPI"), [](QrFields &f) { f.upi.upi_id_field = S("a@b"); }, S("Please enter Amount.")},
        {"wallet first", S("Bitcoin"), none, S("Please enter Wallet Address.")},
        {"crypto amount", S("Crypto"), [](QrFields &f) { f.crypto.wallet_address = S("w"); }, S("Please enter Amount.")},
        {"crypto filled", S("Crypto"), [](QrFields &f) { f.crypto = {-1, S("w"), S("1"), {}, {}}; }, {}},
        {"unknown title passes", S("Nothing"), none, {}},
    };
    for (const ValidationCase &c : cases) {
        QrFields f;
        c.fill(f);
        const std::optional<QString> message = qrpayload::Validate_QR_Fields(c.title, f);
        if (c.message.isEmpty())
            EXPECT_FALSE(message.has_value()) << c.name << ": " << message.value_or(QString()).toStdString();
        else
            EXPECT_EQ(message.value_or(S("<passes>")), c.message) << c.name;
    }
}

} // namespace
