#pragma once
// The fields of the QR payload panels by name, for the qr_payload test program and the tests: one
// visitor that names every field with its panel, and the JSON form built on it
// ({"wifi": {"Wifi_Name": "...", "encryption": 2, ...}, ...}; dates "yyyy-MM-dd", times "HH:mm:ss").

#include "advqr/QrPayload.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace qrfieldsjson {

using qrpayload::QrFields;

// Calls visit(panel, field, member) for every field; member is a QString, bool, int, QDate or QTime.
template <typename Fields, typename Visit>
void visitFields(Fields &f, Visit &&visit)
{
    visit("text", "Text_Field", f.text.Text_Field);
    visit("text", "Call_Value_field", f.text.Call_Value_field);
    visit("text", "URL_Value_field", f.text.URL_Value_field);
    visit("sms", "Number_Field", f.sms.Number_Field);
    visit("sms", "Message_field", f.sms.Message_field);
    visit("social", "URL_label", f.social.URL_label);
    visit("email", "Email_ID_field", f.email.Email_ID_field);
    visit("email", "Subject_field", f.email.Subject_field);
    visit("email", "Message_Field", f.email.Message_Field);
    auto &v = f.vcard;
    visit("vcard", "First_Name", v.First_Name);
    visit("vcard", "Last_Name", v.Last_Name);
    visit("vcard", "Mobile", v.Mobile);
    visit("vcard", "Phone", v.Phone);
    visit("vcard", "Company", v.Company);
    visit("vcard", "Position", v.Position);
    visit("vcard", "Phone_Work", v.Phone_Work);
    visit("vcard", "Fax", v.Fax);
    visit("vcard", "Email", v.Email);
    visit("vcard", "Website", v.Website);
    visit("vcard", "Email_Work", v.Email_Work);
    visit("vcard", "Street", v.Street);
    visit("vcard", "City", v.City);
    visit("vcard", "State", v.State);
    visit("vcard", "Zip", v.Zip);
    visit("vcard", "Country", v.Country);
    visit("zoom", "Zoom_URL_radio", f.zoom.Zoom_URL_radio);
    visit("zoom", "URL_Path_Field", f.zoom.URL_Path_Field);
    visit("zoom", "ID_Field", f.zoom.ID_Field);
    visit("zoom", "Pwd_Field", f.zoom.Pwd_Field);
    visit("wifi", "Wifi_Name", f.wifi.Wifi_Name);
    visit("wifi", "wifi_Password", f.wifi.wifi_Password);
    visit("wifi", "encryption", f.wifi.encryption);
    visit("wifi", "encryption_text", f.wifi.encryption_text);
    visit("wifi", "hidden_radio", f.wifi.hidden_radio);
    visit("location", "Loc_URL_radio", f.location.Loc_URL_radio);
    visit("location", "URL_Path_Field", f.location.URL_Path_Field);
    visit("location", "Latitude_Field", f.location.Latitude_Field);
    visit("location", "Longitude_Field", f.location.Longitude_Field);
    visit("event", "event_name", f.event.event_name);
    visit("event", "event_location", f.event.event_location);
    visit("event", "event_description", f.event.event_description);
    visit("event", "Date_From_Ctrl", f.event.Date_From_Ctrl);
    visit("event", "Date_To_Ctrl", f.event.Date_To_Ctrl);
    visit("event", "Time_From_Ctrl", f.event.Time_From_Ctrl);
    visit("event", "Time_To_Ctrl", f.event.Time_To_Ctrl);
    visit("upi", "upi_id_field", f.upi.upi_id_field);
    visit("upi", "name_field", f.upi.name_field);
    visit("upi", "amount_field", f.upi.amount_field);
    visit("upi", "note_field", f.upi.note_field);
    visit("crypto", "crypto_type_matrix", f.crypto.crypto_type_matrix);
    visit("crypto", "wallet_address", f.crypto.wallet_address);
    visit("crypto", "amount_field", f.crypto.amount_field);
    visit("crypto", "recipient_field", f.crypto.recipient_field);
    visit("crypto", "message_field", f.crypto.message_field);
}

// The JSON key of a title's panel ("wifi" for "WIFI"); empty for a title outside the table.
inline QString panelKey(const QString &title)
{
    using qrpayload::QrPanel;
    switch (qrpayload::Panel_For_Title(title)) {
    case QrPanel::Text: return QStringLiteral("text");
    case QrPanel::Sms: return QStringLiteral("sms");
    case QrPanel::Social: return QStringLiteral("social");
    case QrPanel::Email: return QStringLiteral("email");
    case QrPanel::VCard: return QStringLiteral("vcard");
    case QrPanel::Zoom: return QStringLiteral("zoom");
    case QrPanel::Wifi: return QStringLiteral("wifi");
    case QrPanel::Location: return QStringLiteral("location");
    case QrPanel::Event: return QStringLiteral("event");
    case QrPanel::Upi: return QStringLiteral("upi");
    case QrPanel::Crypto: return QStringLiteral("crypto");
    case QrPanel::None: break;
    }
    return {};
}

namespace detail {
inline QJsonValue toJson(const QString &v) { return v; }
inline QJsonValue toJson(bool v) { return v; }
inline QJsonValue toJson(int v) { return v; }
inline QJsonValue toJson(const QDate &v) { return v.isValid() ? QJsonValue(v.toString(QStringLiteral("yyyy-MM-dd"))) : QJsonValue(); }
inline QJsonValue toJson(const QTime &v) { return v.isValid() ? QJsonValue(v.toString(QStringLiteral("HH:mm:ss"))) : QJsonValue(); }

// A value of the wrong type counts as absent.
inline bool fromJson(const QJsonValue &j, QString &v) { return j.isString() ? (v = j.toString(), true) : false; }
inline bool fromJson(const QJsonValue &j, bool &v) { return j.isBool() ? (v = j.toBool(), true) : false; }
inline bool fromJson(const QJsonValue &j, int &v) { return j.isDouble() ? (v = j.toInt(), true) : false; }
inline bool fromJson(const QJsonValue &j, QDate &v)
{
    v = j.isString() ? QDate::fromString(j.toString(), QStringLiteral("yyyy-MM-dd")) : QDate();
    return v.isValid();
}
inline bool fromJson(const QJsonValue &j, QTime &v)
{
    v = j.isString() ? QTime::fromString(j.toString(), QStringLiteral("HH:mm:ss")) : QTime();
    if (!v.isValid() && j.isString())
        v = QTime::fromString(j.toString(), QStringLiteral("HH:mm"));
    return v.isValid();
}
} // namespace detail

// One panel's fields, or every panel's when panel is empty.
inline QJsonObject toJson(const QrFields &f, const QString &panel = QString())
{
    QJsonObject all;
    visitFields(f, [&](const char *p, const char *name, const auto &value) {
        const QString key = QString::fromLatin1(p);
        if (!panel.isEmpty() && key != panel)
            return;
        QJsonObject o = all.value(key).toObject();
        o.insert(QString::fromLatin1(name), detail::toJson(value));
        all.insert(key, o);
    });
    return panel.isEmpty() ? all : all.value(panel).toObject();
}

// The fields named in the object; the others keep their defaults. A Wi-Fi item given by index
// alone takes the list's text for it.
inline QrFields fromJson(const QJsonObject &panels)
{
    QrFields f;
    bool haveEncryptionText = false;
    visitFields(f, [&](const char *p, const char *name, auto &value) {
        const QJsonValue j = panels.value(QString::fromLatin1(p)).toObject().value(QString::fromLatin1(name));
        if (!j.isUndefined() && detail::fromJson(j, value) && QLatin1String(name) == QLatin1String("encryption_text"))
            haveEncryptionText = true;
    });
    const QStringList &items = qrpayload::Wifi_Encryption_Items();
    if (!haveEncryptionText && f.wifi.encryption >= 0 && f.wifi.encryption < items.size())
        f.wifi.encryption_text = items.at(f.wifi.encryption);
    return f;
}

} // namespace qrfieldsjson
