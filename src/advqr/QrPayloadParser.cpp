// The payload parser: the fields of a type read back from its stored payload or summary, whichever
// keeps the typed values readable. The fixed texts the builder puts in front are taken off only
// where it puts them, so the same text inside a value stays.

#include "advqr/QrPayload.h"

#include "advqr/QrPayloadText.h"
#include "core/Utilities.h"

#include <QLocale>

#include <array>
#include <optional>
#include <utility>

namespace qrpayload {

using text::split;

namespace {

// A date or time text longer than this is no date or time (and is not handed to the locale's reader).
constexpr qsizetype kLongestDateText = 64;

// The summary's text behind its first label: the label counts only at the start.
QString afterLeadingLabel(const QString &summary, const QString &label)
{
    return Trim_Str(text::removePrefix(Trim_Str(summary), Trim_Str(label)));
}

// The payload's text behind the fixed start the builder wrote.
QString afterLeadingText(const QString &payload, const QString &start)
{
    return Trim_Str(text::removePrefix(Trim_Str(payload), start));
}

// Cuts the text at each label in turn: the field before each label, then the text behind the last.
template <std::size_t N>
std::array<QString, N + 1> cutAtLabels(QString rest, const std::array<const char *, N> &labels)
{
    std::array<QString, N + 1> out;
    for (std::size_t i = 0; i < N; ++i) {
        const text::Split s = split(rest, QLatin1String(labels[i]));
        out[i] = Trim_Str(s.before);
        rest = Trim_Str(s.after);
    }
    out[N] = rest;
    return out;
}

// Summaries are written in the C locale; older ones in the user's, which is read second.
QDate readDate(const QString &shown)
{
    if (shown.isEmpty() || shown.size() > kLongestDateText)
        return {};
    const QString pattern = QStringLiteral("dd-MM-yyyy");
    const QDate date = QLocale::c().toDate(shown, pattern);
    return date.isValid() ? date : QLocale().toDate(shown, pattern);
}

QTime readTime(const QString &shown)
{
    if (shown.isEmpty() || shown.size() > kLongestDateText)
        return {};
    const QString pattern = QStringLiteral("hh:mm AP");
    const QTime time = QLocale::c().toTime(shown, pattern);
    return time.isValid() ? time : QLocale().toTime(shown, pattern);
}

// A number as the summary shows it when it builds the stored payload (the payload holds it without
// blanks or separators), else as the payload holds it.
template <class Fill>
QString asTyped(const QString &title, const QString &payload, const QString &fromPayload, const QString &fromSummary,
                Fill fields)
{
    if (fromSummary.isEmpty() || fromSummary == fromPayload)
        return fromPayload;
    const std::optional<QString> built = Build_QR_Payload(title, fields(fromSummary)).payload;
    return built && Trim_Str(*built) == Trim_Str(payload) ? fromSummary : fromPayload;
}

void parseText(const QString &title, const QString &payload, const QString &summary, QrFields::Text &f)
{
    if (title == QLatin1String("Text"))
        f.Text_Field = payload;
    else if (title == QLatin1String("Call"))
        f.Call_Value_field = asTyped(title, payload, afterLeadingText(payload, QStringLiteral("tel:")),
                                     afterLeadingLabel(summary, QStringLiteral("Phone Number :")),
                                     [](const QString &n) {
                                         QrFields c;
                                         c.text.Call_Value_field = n;
                                         return c;
                                     });
    else
        f.URL_Value_field = afterLeadingLabel(summary, QStringLiteral("URL :"));
}

void parseSms(const QString &title, const QString &payload, const QString &summary, QrFields::Sms &f)
{
    QString number, message;
    if (title == QLatin1String("Send SMS")) {
        // The number ends at the first colon; the message may hold more.
        const QString r = afterLeadingText(payload, QStringLiteral("SMSTO:"));
        const qsizetype colon = r.indexOf(u':');
        number = colon < 0 ? QString(QLatin1String("")) : r.left(colon);
        message = colon < 0 ? r : r.mid(colon + 1);
    } else if (title == QLatin1String("WhatsApp")) {
        const text::Split s = split(afterLeadingText(payload, WhatsApp_Link_Prefix()), QStringLiteral("/?text="));
        message = text::percentDecode(Trim_Str(s.after));
        const auto shown = cutAtLabels(afterLeadingLabel(summary, QStringLiteral("WhatsApp Number :")),
                                       std::array<const char *, 1>{"WhatsApp Message :"});
        number = asTyped(title, payload, s.before, shown[0], [&message](const QString &n) {
            QrFields c;
            c.sms = {n, message};
            return c;
        });
    } else {
        QString r = text::removePrefix(Trim_Str(payload), QStringLiteral("COUPON"));
        // The line break behind "COUPON" is the builder's; an empty code keeps its own.
        r = r.startsWith(QLatin1String("\r\n")) ? r.mid(2) : Trim_Str(r);
        const text::Split s = split(r, QStringLiteral("\r\n"));
        // A code without details has no second line break: the whole text is the code.
        number = r.contains(QLatin1String("\r\n")) ? s.before : r;
        message = s.after;
    }
    f.Number_Field = Trim_Str(number);
    // A message is stored as typed: blanks at its start are the user's (its end was trimmed with the
    // payload).
    f.Message_field = title == QLatin1String("WhatsApp") ? message : text::trimEnd(message);
}

void parseContact(const QString &payload, QrFields::VCard &f)
{
    using text::vcardUnescape;
    // Keys count only at the start of a line; names, company, position and address are unescaped.
    const std::pair<const char *, QString QrFields::VCard::*> keys[] = {
        {"ORG:", &QrFields::VCard::Company},
        {"TITLE:", &QrFields::VCard::Position},
        {"TEL;CELL;VOICE:", &QrFields::VCard::Mobile},
        {"TEL;HOME;VOICE:", &QrFields::VCard::Phone},
        {"TEL;WORK;VOICE:", &QrFields::VCard::Phone_Work},
        {"TEL;WORK;FAX:", &QrFields::VCard::Fax},
        {"EMAIL;HOME;INTERNET:", &QrFields::VCard::Email},
        {"EMAIL;WORK;INTERNET:", &QrFields::VCard::Email_Work},
        {"URL:", &QrFields::VCard::Website},
    };
    const auto isText = [](QString QrFields::VCard::*field) {
        return field == &QrFields::VCard::Company || field == &QrFields::VCard::Position;
    };
    const QString body = Trim_Str(payload);
    qsizetype start = 0;
    while (start <= body.size()) {
        qsizetype end = body.indexOf(u'\n', start);
        if (end < 0)
            end = body.size();
        const QStringView line = QStringView(body).mid(start, end - start);
        start = end + 1;
        if (line.startsWith(QLatin1String("FN:")))
            continue;
        if (line.startsWith(QLatin1String("N:"))) {
            const QString t = Trim_Str(line.mid(2).toString());
            const QStringList parts = text::splitUnescaped(t, u';');
            if (parts.size() > 1) {
                f.Last_Name = vcardUnescape(Trim_Str(parts.first()));
                f.First_Name = vcardUnescape(Trim_Str(t.mid(parts.first().size() + 1)));
            } else {
                f.First_Name = vcardUnescape(t);
            }
            continue;
        }
        bool matched = false;
        for (const auto &[key, field] : keys) {
            if (line.startsWith(QLatin1String(key))) {
                const QString value = Trim_Str(line.mid(qsizetype(qstrlen(key))).toString());
                f.*field = isText(field) ? vcardUnescape(value) : value;
                matched = true;
                break;
            }
        }
        if (matched || !line.startsWith(QLatin1String("ADR:;;")))
            continue;
        // Street, city, state, zip and country; parts that are missing are empty.
        const QStringList parts = text::splitUnescaped(Trim_Str(line.mid(6).toString()), u';');
        QString QrFields::VCard::*const address[] = {&QrFields::VCard::Street, &QrFields::VCard::City,
                                                     &QrFields::VCard::State, &QrFields::VCard::Zip,
                                                     &QrFields::VCard::Country};
        for (qsizetype i = 0; i < 5; ++i)
            f.*address[i] = i < parts.size() ? vcardUnescape(parts.at(i)) : QString(QLatin1String(""));
    }
}

void parseEmail(const QString &payload, QrFields::Email &f)
{
    const text::Split address =
        split(afterLeadingText(payload, QStringLiteral("mailto:")), QStringLiteral("?&subject="));
    const text::Split rest = split(Trim_Str(address.after), QStringLiteral("&body="));
    f.Email_ID_field = text::percentDecode(Trim_Str(address.before));
    f.Subject_field = text::percentDecode(Trim_Str(rest.before));
    f.Message_Field = text::percentDecode(Trim_Str(rest.after));
}

void parseZoom(const QString &payload, const QString &summary, QrFields::Zoom &f)
{
    const QString link = Trim_Str(payload);
    f.Zoom_URL_radio = !link.startsWith(Meeting_Link_Prefix());
    if (f.Zoom_URL_radio) {
        f.URL_Path_Field = afterLeadingLabel(summary, QStringLiteral("Zoom Meeting URL : "));
        f.ID_Field = f.Pwd_Field = QLatin1String("");
        return;
    }
    f.URL_Path_Field = QLatin1String("");
    const text::Split s = split(Trim_Str(link.mid(Meeting_Link_Prefix().size())), QStringLiteral("?pwd="));
    f.ID_Field = Trim_Str(s.before);
    f.Pwd_Field = Trim_Str(s.after);
}

// The value of a key of the Wi-Fi form ("P" the password), backslash escapes undone; none when the
// payload is no Wi-Fi form or lacks the key.
std::optional<QString> wifiValue(const QString &payload, QChar key)
{
    const QString form = Trim_Str(payload);
    if (!form.startsWith(QLatin1String("WIFI:")))
        return std::nullopt;
    for (qsizetype i = 5; i + 1 < form.size();) {
        const bool wanted = form.at(i) == key && form.at(i + 1) == u':';
        QString value;
        qsizetype j = form.indexOf(u':', i);
        if (j < 0)
            break;
        for (++j; j < form.size() && form.at(j) != u';'; ++j) {
            if (form.at(j) == u'\\' && j + 1 < form.size())
                ++j;
            value += form.at(j);
        }
        if (wanted)
            return value;
        i = j + 1;
    }
    return std::nullopt;
}

void parseWifi(const QString &payload, const QString &summary, QrFields::Wifi &f)
{
    const auto v = cutAtLabels(afterLeadingLabel(summary, QStringLiteral("Network Name :")),
                               std::array<const char *, 3>{"Network Password :", "Encryption Mode :",
                                                           "Network Visibility :"});
    const QString &mode = v[2];
    f.encryption = mode == QLatin1String("WEP") ? 1 : mode.contains(QLatin1String("WPA")) ? 2 : 0;
    f.encryption_text = Wifi_Encryption_Items().at(f.encryption);
    // The summary's name and password are trimmed by its cutting: the payload's keep the blanks at
    // their ends, which a phone needs. An old payload written without escapes reads otherwise and is
    // not used.
    const auto typed = [&payload](QChar key, const QString &cut) {
        const std::optional<QString> value = wifiValue(payload, key);
        return value && Trim_Str(*value) == cut ? *value : cut;
    };
    f.Wifi_Name = typed(u'S', v[0]);
    f.wifi_Password = typed(u'P', v[1]);
    f.hidden_radio = v[3] != QLatin1String("Yes");
}

void parseLocation(const QString &payload, const QString &summary, QrFields::Location &f)
{
    const QString link = Trim_Str(payload);
    f.Loc_URL_radio = !link.startsWith(Directions_Link_Prefix());
    if (f.Loc_URL_radio) {
        f.URL_Path_Field = afterLeadingLabel(summary, QStringLiteral("Location URL : "));
        f.Latitude_Field = f.Longitude_Field = QLatin1String("");
        return;
    }
    f.URL_Path_Field = QLatin1String("");
    // The destination form has an empty start ("…/maps/dir//lat,lng"); older links name only a start.
    QString point = link.mid(Directions_Link_Prefix().size());
    if (point.startsWith(u'/'))
        point.remove(0, 1);
    const text::Split s = split(Trim_Str(point), QStringLiteral(","));
    f.Latitude_Field = s.before;
    f.Longitude_Field = s.after;
}

void parseEvent(const QString &summary, QrFields::Event &f)
{
    // "at" is the two letters between date and time; dates hold digits and dashes only.
    const auto v = cutAtLabels(afterLeadingLabel(summary, QStringLiteral("Event Name :")),
                               std::array<const char *, 6>{"Location :", "From :", "at", "To :", "at",
                                                           "Description :"});
    f.event_name = v[0];
    f.event_location = v[1];
    f.Date_From_Ctrl = readDate(v[2]);
    f.Time_From_Ctrl = readTime(v[3]);
    f.Date_To_Ctrl = readDate(v[4]);
    f.Time_To_Ctrl = readTime(v[5]);
    f.event_description = v[6];
}

void parseUpi(const QString &summary, QrFields::Upi &f)
{
    const auto v = cutAtLabels(afterLeadingLabel(summary, QStringLiteral("UPI ID :")),
                               std::array<const char *, 3>{"Name :", "Amount :", "Note :"});
    f.upi_id_field = v[0];
    f.name_field = v[1];
    f.amount_field = v[2];
    f.note_field = v[3];
}

void parseCrypto(const QString &title, const QString &summary, QrFields::Crypto &f)
{
    QString rest = summary;
    f.crypto_type_matrix = 0;
    if (title == QLatin1String("Crypto")) {
        const text::Split s = split(afterLeadingLabel(summary, QStringLiteral("Crypto Payment type :")),
                                    QStringLiteral("\n"));
        const qsizetype column = Crypto_Schemes().indexOf(Trim_Str(s.before.toLower()));
        f.crypto_type_matrix = column < 0 ? 0 : int(column);
        rest = Trim_Str(s.after);
    }
    const auto v = cutAtLabels(afterLeadingLabel(rest, QStringLiteral("Wallet Address :")),
                               std::array<const char *, 3>{"Amount :", "Recipient :", "Message :"});
    f.wallet_address = v[0];
    f.amount_field = v[1];
    f.recipient_field = v[2];
    f.message_field = v[3];
}

} // namespace

QrFields Parse_QR_Payload(const QString &title, const QString &payload, const QString &summary)
{
    QrFields f;
    switch (Panel_For_Title(title)) {
    case QrPanel::Text:
        parseText(title, payload, summary, f.text);
        break;
    case QrPanel::Sms:
        parseSms(title, payload, summary, f.sms);
        break;
    case QrPanel::VCard:
        parseContact(payload, f.vcard);
        break;
    case QrPanel::Social:
        f.social.URL_label = summary;
        break;
    case QrPanel::Email:
        parseEmail(payload, f.email);
        break;
    case QrPanel::Zoom:
        parseZoom(payload, summary, f.zoom);
        break;
    case QrPanel::Wifi:
        parseWifi(payload, summary, f.wifi);
        break;
    case QrPanel::Location:
        parseLocation(payload, summary, f.location);
        break;
    case QrPanel::Event:
        parseEvent(summary, f.event);
        break;
    case QrPanel::Upi:
        parseUpi(summary, f.upi);
        break;
    case QrPanel::Crypto:
        parseCrypto(title, summary, f.crypto);
        break;
    case QrPanel::None:
        break;
    }
    return f;
}

} // namespace qrpayload
