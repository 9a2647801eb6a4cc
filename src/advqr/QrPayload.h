#pragma once
// The QR payload of a payload type and its readable summary, built from the fields of the type's
// input panel; the same fields read back from a stored payload and summary; and the checks a type's
// fields must pass. Widget-free: the panels are read into and written from QrFields elsewhere.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

namespace qrpayload {

// Every field of the eleven input panels under its outlet's name, grouped by panel (two panels
// share the names URL_Path_Field and amount_field), with the choices the rules read.
struct QrFields {
    struct Text {
        QString Text_Field, Call_Value_field, URL_Value_field;
        bool operator==(const Text &) const = default;
    } text;
    struct Sms {
        QString Number_Field, Message_field;
        bool operator==(const Sms &) const = default;
    } sms;
    struct Social {
        QString URL_label;
        bool operator==(const Social &) const = default;
    } social;
    struct Email {
        QString Email_ID_field, Subject_field, Message_Field;
        bool operator==(const Email &) const = default;
    } email;
    struct VCard {
        QString First_Name, Last_Name, Mobile, Phone, Company, Position, Phone_Work, Fax, Email, Website, Email_Work,
            Street, City, State, Zip, Country;
        bool operator==(const VCard &) const = default;
    } vcard;
    struct Zoom {
        bool Zoom_URL_radio = true;   // on: the link form; off: meeting number and password
        QString URL_Path_Field, ID_Field, Pwd_Field;
        bool operator==(const Zoom &) const = default;
    } zoom;
    struct Wifi {
        QString Wifi_Name, wifi_Password;
        int encryption = 0;        // the list's selected item: 0 none, 1 WEP, 2 WPA; -1 none selected
        QString encryption_text;   // the selected item's text, as the summary shows it
        bool hidden_radio = false;
        bool operator==(const Wifi &) const = default;
    } wifi;
    struct Location {
        bool Loc_URL_radio = true;   // on: the link form; off: latitude and longitude
        QString URL_Path_Field, Latitude_Field, Longitude_Field;
        bool operator==(const Location &) const = default;
    } location;
    struct Event {
        QString event_name, event_location, event_description;
        QDate Date_From_Ctrl, Date_To_Ctrl;   // null when unset
        QTime Time_From_Ctrl, Time_To_Ctrl;
        bool operator==(const Event &) const = default;
    } event;
    struct Upi {
        QString upi_id_field, name_field, amount_field, note_field;
        bool operator==(const Upi &) const = default;
    } upi;
    struct Crypto {
        int crypto_type_matrix = 0;   // the selected coin column; outside 0-7 counts as 0
        QString wallet_address, amount_field, recipient_field, message_field;
        bool operator==(const Crypto &) const = default;
    } crypto;
    bool operator==(const QrFields &) const = default;
};

// The panel that holds a type's fields; None for a title outside the table (titles compare exactly).
enum class QrPanel { None, Text, Sms, Social, Email, VCard, Zoom, Wifi, Location, Event, Upi, Crypto };
QrPanel Panel_For_Title(const QString &title);

// The items of the Wi-Fi encryption list, by index.
const QStringList &Wifi_Encryption_Items();
// The coin of each column of the crypto panel ("usdt" ... "xrp").
const QStringList &Crypto_Schemes();

// The hosts of the outside services, one table for the builder and the parser.
struct SiteHost {
    QString host;   // no "www." in the hosts of the site-link rule
    QString path;   // what the rule adds behind the host ("add/", "profile/", "/j/", "/maps/dir/")
};
// The host of a social title, of "WhatsApp", "Zoom" or "Location"; empty for any other title.
SiteHost Site_Host(const QString &title);
// The starts of the payloads the parser recognises: "https://" + host (+ "/" or the path).
QString WhatsApp_Link_Prefix();
QString Meeting_Link_Prefix();
QString Directions_Link_Prefix();

struct Result {
    std::optional<QString> payload;   // none for a title outside the table
    QString summary;                  // empty for such a title
};

// A typed link as an address: a short input gets the short form in front, an input that starts
// with "http" (any case) stays, anything else gets "https://"; the input's ends are trimmed first
// and a space inside is percent-encoded.
QString Link_Rule(const QString &input, const QString &shortForm);
// A link on an outside service's host: prefix is empty or the host, "/" and a path.
QString Site_Link_Rule(const QString &input, const QString &prefix);

// The payload (as the rules make it; its owner trims it once more) and the summary of a type.
Result Build_QR_Payload(const QString &title, const QrFields &fields);

// The fields of a type read back from a stored payload and summary. Only the title's panel is
// set; the other panels, and every panel for an unknown title, keep their defaults. Any text
// parses, in time linear in its length; an unreadable event date or time stays null.
QrFields Parse_QR_Payload(const QString &title, const QString &payload, const QString &summary);

// The message of the first check of the type that fails, in the checks' order; none when all pass.
std::optional<QString> Validate_QR_Fields(const QString &title, const QrFields &fields);
// The message of the first number typed for the type that is none, or out of its range (a latitude,
// a longitude, a payment amount, a WhatsApp number without a digit); blank fields pass. None when
// all pass.
std::optional<QString> Check_QR_Field_Numbers(const QString &title, const QrFields &fields);

} // namespace qrpayload
