// The payload builder: one rule per payload type, the two link rules and the host table.

#include "advqr/QrPayload.h"

#include "advqr/QrPayloadText.h"
#include "core/Utilities.h"
#include "platform/StepperField.h"

#include <QLocale>

#include <array>
#include <utility>

namespace qrpayload {

using text::percentEncode;

namespace {

const QString kHttps = QStringLiteral("https://");

// What stays unencoded in a mail address (RFC 6068's characters that need no encoding there), and in
// the payment links' values (RFC 3986 query values, "@" and ":" kept).
constexpr const char *kMailAddressKeep = "!$'()*+,;:@";
constexpr const char *kQueryValueKeep = "@:";

struct TitleRow {
    const char *title;
    QrPanel panel;
};

constexpr std::array<TitleRow, 31> kTitles = {{
    {"Text", QrPanel::Text},          {"Call", QrPanel::Text},         {"URL", QrPanel::Text},
    {"Review", QrPanel::Text},        {"Meeting", QrPanel::Text},      {"Mobile App", QrPanel::Text},
    {"File", QrPanel::Text},          {"Spotify", QrPanel::Text},      {"Send SMS", QrPanel::Sms},
    {"WhatsApp", QrPanel::Sms},       {"Coupon", QrPanel::Sms},        {"Contact", QrPanel::VCard},
    {"Facebook", QrPanel::Social},    {"Snapchat", QrPanel::Social},   {"Threads", QrPanel::Social},
    {"Instagram", QrPanel::Social},   {"LinkedIn", QrPanel::Social},   {"Quora", QrPanel::Social},
    {"X(Twitter)", QrPanel::Social},  {"Twitter", QrPanel::Social},    {"YouTube", QrPanel::Social},
    {"Telegram", QrPanel::Social},    {"Email", QrPanel::Email},       {"Feedback", QrPanel::Email},
    {"Zoom", QrPanel::Zoom},          {"WIFI", QrPanel::Wifi},         {"Location", QrPanel::Location},
    {"Event", QrPanel::Event},        {"UPI", QrPanel::Upi},           {"Bitcoin", QrPanel::Crypto},
    {"Crypto", QrPanel::Crypto},
}};

struct HostRow {
    const char *title;
    const char *host;
    const char *path;
};

// The published hosts of the services; those of the site-link rule hold no "www.".
constexpr std::array<HostRow, 13> kHosts = {{
    {"WhatsApp", "wa.me", ""},
    {"Facebook", "facebook.com", ""},
    {"Snapchat", "snapchat.com", "add/"},
    {"Threads", "threads.net", ""},
    {"Instagram", "instagram.com", ""},
    {"LinkedIn", "linkedin.com", ""},
    {"Quora", "quora.com", "profile/"},
    {"X(Twitter)", "x.com", ""},
    {"Twitter", "x.com", ""},
    {"YouTube", "youtube.com", ""},
    {"Telegram", "t.me", ""},
    {"Zoom", "zoom.us", "/j/"},
    {"Location", "www.google.com", "/maps/dir/"},
}};

bool startsWithHttp(const QString &input) { return input.left(4).toLower() == QLatin1String("http"); }

QString withoutBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            out += c;
    return out;
}

// A typed number as readers of a payload take it: ASCII digits and "." ("12,5" and, under ar_EG,
// "١٢٫٥" give "12.5"); text that is no number as typed (the checks refuse it before).
QString plainNumber(const QString &typed)
{
    const std::optional<QByteArray> plain = platform::typedNumberText(typed);
    return plain ? QString::fromLatin1(*plain) : typed;
}

QString digitsOf(const QString &text)
{
    QString out;
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            out += c;
    return out;
}

Result make(const QString &payload, const QString &summary) { return {payload, summary}; }

// ---- The rules, one per type or group of types ----

Result buildText(const QString &title, const QrFields::Text &f)
{
    if (title == QLatin1String("Text"))
        return make(f.Text_Field, f.Text_Field);
    if (title == QLatin1String("Call")) {
        const QString &n = f.Call_Value_field;
        const bool hasScheme = n.size() >= 5 && n.left(4).toLower() == QLatin1String("tel:");
        // A tel: URI holds no blanks (RFC 3966); the summary shows the number as typed.
        return make(withoutBlanks(hasScheme ? n : QStringLiteral("tel:") + n), QStringLiteral("Phone Number : \n\n") + n);
    }
    return make(Link_Rule(f.URL_Value_field, kHttps), QStringLiteral("URL : \n\n") + f.URL_Value_field);
}

Result buildSms(const QString &title, const QrFields::Sms &f)
{
    const QString n = Trim_Str(f.Number_Field);
    const QString &m = f.Message_field;
    if (title == QLatin1String("Send SMS"))
        return make(QStringLiteral("SMSTO:") + n + u':' + m,
                    QStringLiteral("Number : ") + n + QStringLiteral("\n\nMessage : ") + m);
    if (title == QLatin1String("WhatsApp")) {
        const SiteHost site = Site_Host(title);
        // The short link's path is the number in digits only: with "+", blanks, dashes or brackets
        // the app opens no chat. A link typed whole stays.
        const QString link = n.contains(site.host) ? Site_Link_Rule(n, QString()) : kHttps + site.host + u'/' + digitsOf(n);
        // The message is a query value: raw, a space, "&" or "#" would end it.
        return make(link + QStringLiteral("/?text=") + percentEncode(m),
                    QStringLiteral("WhatsApp Number : ") + n + QStringLiteral("\n\nWhatsApp Message : ") + m);
    }
    return make(QStringLiteral("COUPON\r\n") + n + QStringLiteral("\r\n") + m,
                QStringLiteral("Coupon Code : ") + n + QStringLiteral("\n\nOffer Details : ") + m);
}

Result buildContact(const QrFields::VCard &f)
{
    using text::vcardEscape;
    QString p = QStringLiteral("BEGIN:VCARD\nVERSION:3.0\n");
    p += QStringLiteral("N:") + vcardEscape(f.Last_Name) + u';' + vcardEscape(f.First_Name) + u'\n';
    p += QStringLiteral("FN:") + vcardEscape(f.First_Name) + u' ' + vcardEscape(f.Last_Name) + u'\n';
    // Numbers, addresses and links go as typed; names and the address are text values.
    const std::pair<const char *, QString> middle[] = {
        {"TEL;CELL;VOICE:", f.Mobile},         {"TEL;HOME;VOICE:", f.Phone},
        {"ORG:", vcardEscape(f.Company)},      {"TITLE:", vcardEscape(f.Position)},
        {"TEL;WORK;VOICE:", f.Phone_Work},     {"TEL;WORK;FAX:", f.Fax},
    };
    for (const auto &[key, value] : middle)
        if (!value.isEmpty())
            p += QLatin1String(key) + value + u'\n';
    p += QStringLiteral("ADR:;;") + vcardEscape(f.Street) + u';' + vcardEscape(f.City) + u';' + vcardEscape(f.State) +
         u';' + vcardEscape(f.Zip) + u';' + vcardEscape(f.Country) + u'\n';
    const std::pair<const char *, QString> tail[] = {
        {"EMAIL;HOME;INTERNET:", f.Email}, {"EMAIL;WORK;INTERNET:", f.Email_Work}, {"URL:", f.Website}};
    for (const auto &[key, value] : tail)
        if (!value.isEmpty())
            p += QLatin1String(key) + value + u'\n';
    p += QStringLiteral("END:VCARD");

    QString s = QStringLiteral("Name : ") + f.First_Name + u' ' + f.Last_Name + u'\n';
    const std::pair<const char *, QString> lines[] = {
        {"Mobile : ", f.Mobile},     {"Phone : ", f.Phone}, {"Company : ", f.Company},
        {"Position : ", f.Position}, {"Phone (Work) : ", f.Phone_Work}, {"Fax : ", f.Fax},
        {"Email : ", f.Email},       {"Email (Work) : ", f.Email_Work}, {"Website : ", f.Website},
    };
    for (const auto &[label, value] : lines)
        if (!value.isEmpty())
            s += QLatin1String(label) + value + u'\n';
    if (!(f.Street + f.City + f.State + f.Zip + f.Country).isEmpty()) {
        const QString sep = QStringLiteral(" , ");
        s += QStringLiteral("Address : ") + f.Street + sep + f.City + sep + f.State + sep + f.Zip + sep + f.Country +
             u'\n';
    }
    return make(p, s);
}

Result buildSocial(const QString &title, const QrFields::Social &f)
{
    const QString &in = f.URL_label;
    const SiteHost site = Site_Host(title);
    QString prefix;
    bool bare = in.contains(site.host);
    if (title == QLatin1String("YouTube")) {
        // A short-link host of the video site counts too.
        QString flat = in;
        bare = bare || Trim_Str(flat.remove(u'.')).contains(QLatin1String("youtube"));
    }
    if (!bare) {
        prefix = site.host + u'/';
        if (!site.path.isEmpty() && !in.contains(site.path))
            prefix += site.path;
    }
    return make(Site_Link_Rule(in, prefix), in);
}

Result buildEmail(const QrFields::Email &f)
{
    // Line breaks go as "%0A" whatever their form; subject and body are encoded whole, so "&", "#",
    // "%", "?" and "+" reach the mail as typed.
    const auto lines = [](QString v) { return v.replace(QLatin1String("\r\n"), QLatin1String("\n")); };
    const QString body = text::trimEnd(f.Message_Field);
    const QString payload = QStringLiteral("mailto:") + percentEncode(f.Email_ID_field, kMailAddressKeep) +
                            QStringLiteral("?&subject=") + percentEncode(lines(f.Subject_field)) +
                            QStringLiteral("&body=") + percentEncode(lines(body));
    return make(payload, QStringLiteral("Email : ") + f.Email_ID_field + QStringLiteral("\nSubject : ") +
                             f.Subject_field + QStringLiteral("\nMessage : ") + f.Message_Field);
}

Result buildZoom(const QrFields::Zoom &f)
{
    if (f.Zoom_URL_radio)
        return make(Link_Rule(f.URL_Path_Field, QStringLiteral("https://www.")),
                    QStringLiteral("Zoom Meeting URL : \n") + f.URL_Path_Field);
    QString link = Meeting_Link_Prefix() + f.ID_Field + QStringLiteral("?pwd=") + f.Pwd_Field;
    return make(Trim_Str(link.remove(u' ')),
                QStringLiteral("Meeting ID : ") + f.ID_Field + QStringLiteral("\n\nPassword : ") + f.Pwd_Field);
}

Result buildWifi(const QrFields::Wifi &f)
{
    // A network's name may begin or end with blanks: trimmed, it names another network.
    const QString &name = f.Wifi_Name;
    QString code;
    if (f.encryption == 0)
        code = QStringLiteral("nopass");
    else if (f.encryption == 1)
        code = QStringLiteral("WEP");
    else if (f.encryption == 2)
        code = QStringLiteral("WPA");
    else
        code = QLatin1String("");
    const QString hidden = f.hidden_radio ? QStringLiteral("true") : QStringLiteral("false");
    // The form's separators inside a name or password are escaped, or the phone joins another network.
    const QString payload = QStringLiteral("WIFI:S:") + text::wifiEscape(name) + QStringLiteral(";T:") + code +
                            QStringLiteral(";P:") + text::wifiEscape(f.wifi_Password) + QStringLiteral(";H:") +
                            hidden + QStringLiteral(";;");
    const QString summary = QStringLiteral("Network Name : ") + name + QStringLiteral("\nNetwork Password : ") +
                            f.wifi_Password + QStringLiteral("\nEncryption Mode : ") + f.encryption_text +
                            QStringLiteral("\nNetwork Visibility : ") +
                            (f.hidden_radio ? QStringLiteral("No") : QStringLiteral("Yes"));
    return make(payload, summary);
}

Result buildLocation(const QrFields::Location &f)
{
    if (f.Loc_URL_radio)
        return make(Link_Rule(f.URL_Path_Field, QStringLiteral("https://www.")),
                    QStringLiteral("Location URL : \n\n") + f.URL_Path_Field);
    // One point behind "/maps/dir/" is a route's start: an empty start makes it the destination.
    // A decimal comma is the decimal point, as in every number field.
    const auto coordinate = [](const QString &typed) { return plainNumber(withoutBlanks(typed)); };
    const QString link = Directions_Link_Prefix() + u'/' + coordinate(f.Latitude_Field) + u',' +
                         coordinate(f.Longitude_Field);
    return make(link, QStringLiteral("Latitude : ") + f.Latitude_Field +
                                                 QStringLiteral("\n\nLongitude : ") + f.Longitude_Field);
}

Result buildEvent(const QrFields::Event &f)
{
    // Gregorian dates in ASCII digits whatever the user's locale: calendars read nothing else, and
    // the summary must read back in any locale.
    const QLocale c = QLocale::c();
    const auto stamp = [&c](const QDate &d, const QTime &t) {
        return c.toString(d, QStringLiteral("yyyyMMdd")) + u'T' + c.toString(t, QStringLiteral("HHmm")) +
               QStringLiteral("00");
    };
    const auto shown = [&c](const QDate &d, const QTime &t) {
        return c.toString(d, QStringLiteral("dd-MM-yyyy")) + QStringLiteral(" at ") +
               c.toString(t, QStringLiteral("hh:mm AP"));
    };
    const QString name = Trim_Str(f.event_name);
    const QString place = Trim_Str(f.event_location);
    const QString about = Trim_Str(f.event_description);
    const QString payload = QStringLiteral("BEGIN:VEVENT\nSUMMARY:") + text::icalEscape(name) +
                            QStringLiteral("\nLOCATION:") + text::icalEscape(place) + QStringLiteral("\nDTSTART:") +
                            stamp(f.Date_From_Ctrl, f.Time_From_Ctrl) + QStringLiteral("\nDTEND:") +
                            stamp(f.Date_To_Ctrl, f.Time_To_Ctrl) + QStringLiteral("\nDESCRIPTION:") +
                            text::icalEscape(about) + QStringLiteral("\nEND:VEVENT");
    const QString summary = QStringLiteral("Event Name : ") + name + QStringLiteral("\nLocation : ") + place +
                            QStringLiteral("\nFrom : ") + shown(f.Date_From_Ctrl, f.Time_From_Ctrl) +
                            QStringLiteral("\nTo : ") + shown(f.Date_To_Ctrl, f.Time_To_Ctrl) +
                            QStringLiteral("\nDescription : ") + about;
    return make(payload, summary);
}

Result buildUpi(const QrFields::Upi &f)
{
    const QString id = Trim_Str(f.upi_id_field), name = Trim_Str(f.name_field), amount = Trim_Str(f.amount_field),
                  note = Trim_Str(f.note_field);
    const auto q = [](const QString &v) { return percentEncode(v, kQueryValueKeep); };
    // Payment apps refuse an empty name, amount or note, so only those with a value are written.
    QString payload = QStringLiteral("upi://pay?pa=") + q(id);
    // A decimal comma in the amount is the decimal point, as in every number field.
    const std::pair<const char *, QString> params[] = {
        {"&pn=", name}, {"&am=", plainNumber(amount)}, {"&tn=", note}};
    for (const auto &[key, value] : params)
        if (!value.isEmpty())
            payload += QLatin1String(key) + q(value);
    return make(payload,
                QStringLiteral("UPI ID : ") + id + QStringLiteral("\nName : ") + name + QStringLiteral("\nAmount : ") +
                    amount + QStringLiteral("\nNote : ") + note);
}

Result buildCrypto(const QString &title, const QrFields::Crypto &f)
{
    const QString wallet = Trim_Str(f.wallet_address), recipient = Trim_Str(f.recipient_field),
                  amount = Trim_Str(f.amount_field), message = Trim_Str(f.message_field);
    const bool crypto = title == QLatin1String("Crypto");
    QString scheme = QStringLiteral("bitcoin");
    if (crypto) {
        // No column, or one outside the matrix, is the first coin: a payload never starts with ":".
        const int column = f.crypto_type_matrix >= 0 && f.crypto_type_matrix < Crypto_Schemes().size()
                               ? f.crypto_type_matrix
                               : 0;
        scheme = Crypto_Schemes().at(column);
    }
    const auto q = [](const QString &v) { return percentEncode(v, kQueryValueKeep); };
    // Strict wallets refuse an empty parameter, so only those with a value are written.
    QStringList query;
    const std::pair<const char *, QString> params[] = {
        {"amount=", amount}, {"label=", recipient}, {"message=", message}};
    for (const auto &[key, value] : params)
        if (!value.isEmpty())
            query << QLatin1String(key) + q(value);
    QString payload = scheme + u':' + q(wallet);
    if (!query.isEmpty())
        payload += u'?' + query.join(u'&');
    QString summary;
    if (crypto)
        summary = QStringLiteral("Crypto Payment type : ") + scheme.toUpper() + u'\n';
    summary += QStringLiteral("Wallet Address : ") + wallet + QStringLiteral("\nAmount : ") + amount +
               QStringLiteral("\nRecipient : ") + recipient + QStringLiteral("\nMessage : ") + message;
    return make(payload, summary);
}

} // namespace

QrPanel Panel_For_Title(const QString &title)
{
    for (const TitleRow &row : kTitles)
        if (title == QLatin1String(row.title))
            return row.panel;
    return QrPanel::None;
}

const QStringList &Wifi_Encryption_Items()
{
    static const QStringList items = {QStringLiteral("No Encryption"), QStringLiteral("WEP"),
                                      QStringLiteral("WPA/WPA2")};
    return items;
}

const QStringList &Crypto_Schemes()
{
    static const QStringList schemes = {QStringLiteral("usdt"),     QStringLiteral("ethereum"),
                                        QStringLiteral("bitcoincash"), QStringLiteral("litecoin"),
                                        QStringLiteral("dash"),     QStringLiteral("dogecoin"),
                                        QStringLiteral("bnb"),      QStringLiteral("xrp")};
    return schemes;
}

SiteHost Site_Host(const QString &title)
{
    for (const HostRow &row : kHosts)
        if (title == QLatin1String(row.title))
            return {QString::fromLatin1(row.host), QString::fromLatin1(row.path)};
    return {};
}

QString WhatsApp_Link_Prefix() { return kHttps + Site_Host(QStringLiteral("WhatsApp")).host + u'/'; }

QString Meeting_Link_Prefix()
{
    const SiteHost zoom = Site_Host(QStringLiteral("Zoom"));
    return kHttps + zoom.host + zoom.path;
}

QString Directions_Link_Prefix()
{
    const SiteHost maps = Site_Host(QStringLiteral("Location"));
    return kHttps + maps.host + maps.path;
}

QString Link_Rule(const QString &typed, const QString &shortForm)
{
    // Blanks at the ends of a typed link are no part of it.
    const QString input = Trim_Str(typed);
    QString address;
    if (input.size() < 5)
        address = shortForm + input;
    else if (startsWithHttp(input))
        address = input;
    else
        address = kHttps + input;
    // A space inside a link is part of it (a query "q=a b"): it is encoded, never dropped.
    return Trim_Str(address).replace(u' ', QLatin1String("%20"));
}

QString Site_Link_Rule(const QString &input, const QString &prefix)
{
    const QString www = QStringLiteral("www.");
    QString body = input;
    if (input.size() < 5) {
        body = input;
    } else if (startsWithHttp(input)) {
        body.remove(QStringLiteral("http://"));
        body.remove(QStringLiteral("https://"));
        body.remove(www);
    } else {
        body.remove(www);
    }
    QString link = QStringLiteral("https://www.") + prefix + body;
    link.remove(www);
    link.remove(u' ');
    return Trim_Str(link);
}

Result Build_QR_Payload(const QString &title, const QrFields &fields)
{
    switch (Panel_For_Title(title)) {
    case QrPanel::Text:
        return buildText(title, fields.text);
    case QrPanel::Sms:
        return buildSms(title, fields.sms);
    case QrPanel::VCard:
        return buildContact(fields.vcard);
    case QrPanel::Social:
        return buildSocial(title, fields.social);
    case QrPanel::Email:
        return buildEmail(fields.email);
    case QrPanel::Zoom:
        return buildZoom(fields.zoom);
    case QrPanel::Wifi:
        return buildWifi(fields.wifi);
    case QrPanel::Location:
        return buildLocation(fields.location);
    case QrPanel::Event:
        return buildEvent(fields.event);
    case QrPanel::Upi:
        return buildUpi(fields.upi);
    case QrPanel::Crypto:
        return buildCrypto(title, fields.crypto);
    case QrPanel::None:
        break;
    }
    return {std::nullopt, QLatin1String("")};
}

} // namespace qrpayload
