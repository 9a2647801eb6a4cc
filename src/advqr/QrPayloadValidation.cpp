// The checks a type's fields must pass before the payload editor closes with OK: each names a field
// that must not be blank once trimmed, and its message; then the numbers typed must be numbers.

#include "advqr/QrPayload.h"

#include "core/Utilities.h"
#include "platform/StepperField.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace qrpayload {

namespace {

using Check = std::pair<const QString *, const char *>;

std::optional<QString> firstBlank(std::initializer_list<Check> checks)
{
    for (const Check &c : checks)
        if (Trim_Str(*c.first).isEmpty())
            return QString::fromLatin1(c.second);
    return std::nullopt;
}

// A typed number within [low, high]; a decimal comma is the point, as in every number field.
bool numberWithin(const QString &typed, double low, double high)
{
    const std::optional<double> v = platform::typedNumber(typed);
    return v && *v >= low && *v <= high;
}

} // namespace

std::optional<QString> Check_QR_Field_Numbers(const QString &title, const QrFields &f)
{
    const auto filled = [](const QString &v) { return !Trim_Str(v).isEmpty(); };
    switch (Panel_For_Title(title)) {
    case QrPanel::Sms:
        // The chat link is made of the number's digits: without one it opens no chat.
        if (const QString &n = f.sms.Number_Field; title == QLatin1String("WhatsApp") && filled(n) &&
            std::none_of(n.begin(), n.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return QStringLiteral("Please enter valid details.");
        break;
    case QrPanel::Location:
        if (f.location.Loc_URL_radio)
            break;
        if (filled(f.location.Latitude_Field) && !numberWithin(f.location.Latitude_Field, -90, 90))
            return QStringLiteral("Please enter a latitude from -90 to 90.");
        if (filled(f.location.Longitude_Field) && !numberWithin(f.location.Longitude_Field, -180, 180))
            return QStringLiteral("Please enter a longitude from -180 to 180.");
        break;
    case QrPanel::Upi:
        // An amount is above 0 and written without a sign.
        if (filled(f.upi.amount_field) && (!Trim_Str(f.upi.amount_field).at(0).isDigit() ||
                                           !(platform::typedNumber(f.upi.amount_field).value_or(0) > 0)))
            return QStringLiteral("Please enter a valid Amount.");
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<QString> Validate_QR_Fields(const QString &title, const QrFields &f)
{
    const char *const badUrl = "Please enter valid URL.";
    switch (Panel_For_Title(title)) {
    case QrPanel::Text:
        if (title == QLatin1String("Text"))
            return firstBlank({{&f.text.Text_Field, "Please enter text."}});
        if (title == QLatin1String("Call"))
            return firstBlank({{&f.text.Call_Value_field, "Please enter valid Phone number."}});
        return firstBlank({{&f.text.URL_Value_field, badUrl}});
    case QrPanel::Sms:
        if (auto message = firstBlank({{&f.sms.Number_Field, "Please enter valid details."}}))
            return message;
        return Check_QR_Field_Numbers(title, f);
    case QrPanel::VCard:
        return firstBlank({{&f.vcard.First_Name, "Please enter contact details."}});
    case QrPanel::Social:
        return firstBlank({{&f.social.URL_label, badUrl}});
    case QrPanel::Email:
        return firstBlank({{&f.email.Email_ID_field, "Please enter valid Email."}});
    case QrPanel::Zoom:
        if (f.zoom.Zoom_URL_radio)
            return firstBlank({{&f.zoom.URL_Path_Field, badUrl}});
        return firstBlank({{&f.zoom.ID_Field, "Please enter meeting details."},
                           {&f.zoom.Pwd_Field, "Please enter meeting details."}});
    case QrPanel::Wifi:
        if (auto message = firstBlank({{&f.wifi.Wifi_Name, "Please enter Network name."}}))
            return message;
        // Only WEP needs a password here; an open network and WPA pass without one.
        if (f.wifi.encryption == 1)
            return firstBlank({{&f.wifi.wifi_Password, "Please enter Network password."}});
        return std::nullopt;
    case QrPanel::Location:
        if (f.location.Loc_URL_radio)
            return firstBlank({{&f.location.URL_Path_Field, badUrl}});
        if (auto message = firstBlank({{&f.location.Latitude_Field, "Please enter location Co-ordinates."},
                                       {&f.location.Longitude_Field, "Please enter location Co-ordinates."}}))
            return message;
        return Check_QR_Field_Numbers(title, f);
    case QrPanel::Event:
        return firstBlank({{&f.event.event_name, "Please enter event name."},
                           {&f.event.event_location, "Please enter event location."}});
    case QrPanel::Upi:
        if (auto message = firstBlank({{&f.upi.upi_id_field, "Please enter UPI ID."},
                                       {&f.upi.amount_field, "Please enter Amount."}}))
            return message;
        return Check_QR_Field_Numbers(title, f);
    case QrPanel::Crypto:
        return firstBlank({{&f.crypto.wallet_address, "Please enter Wallet Address."},
                           {&f.crypto.amount_field, "Please enter Amount."}});
    case QrPanel::None:
        break;
    }
    return std::nullopt;
}

} // namespace qrpayload
