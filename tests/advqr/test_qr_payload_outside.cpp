// The payloads read by readers that share no code with ours, as phone apps read them: vCard and
// VEVENT by python3-vobject, mail, chat and payment links by Python's urllib.parse, Wi-Fi texts by a
// reader written from the form's published description (outside_readers.py beside this file).

#include "advqr/QrPayload.h"
#include "advqr/QrPayloadSamples.h"
#include "core/Utilities.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

using qrpayload::QrFields;

struct Item {
    QString kind;
    QString title;
    QrFields fields;
    std::string name;
};

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

// What a phone is shown: the network "Home;Net", the contact "Front Desk; Hall 2" of "Acme, Tools;
// Parts", the event "Q&A, room 3" on 5 March 2025 09:30, a mail "Q&A #3 – 50%" of two lines, the
// chat text "Hi & bye #1".
std::vector<Item> phoneExamples()
{
    std::vector<Item> items;
    QrFields f;
    f.wifi = {S("Home;Net"), S("pa;ss:\"w"), 2, S("WPA/WPA2"), false};
    items.push_back({S("wifi"), S("WIFI"), f, "phone Wi-Fi"});
    f = {};
    f.vcard.First_Name = S("Front Desk; Hall 2");
    f.vcard.Company = S("Acme, Tools; Parts");
    f.vcard.Mobile = S("+1 555 0100");
    items.push_back({S("vcard"), S("Contact"), f, "phone contact"});
    f = {};
    f.event = {S("Q&A, room 3"), S("Hall 2"), S("Slides, notes; pens"), QDate(2025, 3, 5), QDate(2025, 3, 5),
               QTime(9, 30), QTime(10, 30)};
    items.push_back({S("vevent"), S("Event"), f, "phone event"});
    f = {};
    f.email = {S("desk@acme.example"), S("Q&A #3 – 50%"), S("First line\nSecond line")};
    items.push_back({S("mailto"), S("Email"), f, "phone mail"});
    f = {};
    f.sms = {S("+91 98765 43210"), S("Hi & bye #1")};
    items.push_back({S("whatsapp"), S("WhatsApp"), f, "phone chat"});
    return items;
}

std::vector<Item> allItems()
{
    std::vector<Item> items = phoneExamples();
    const QHash<QString, QString> kinds = {{S("Contact"), S("vcard")},  {S("Event"), S("vevent")},
                                           {S("Email"), S("mailto")},   {S("Feedback"), S("mailto")},
                                           {S("WhatsApp"), S("whatsapp")}, {S("UPI"), S("upi")},
                                           {S("Bitcoin"), S("crypto")}, {S("Crypto"), S("crypto")},
                                           {S("WIFI"), S("wifi")}, {S("Call"), S("tel")},
                                           {S("Location"), S("maps")}};
    for (const qrsamples::Sample &s : qrsamples::allTitles())
        if (kinds.contains(s.title))
            items.push_back({kinds.value(s.title), s.title, s.fields, "sample " + s.title.toStdString()});
    QrFields f;
    f.crypto = {0, S("bc1q"), S(""), S(""), S("")};   // no empty parameter for a strict wallet
    items.push_back({S("crypto"), S("Bitcoin"), f, "bare wallet"});
    return items;
}

QJsonArray readOutside(const QJsonArray &in)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(S("payloads.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(in).toJson()) < 0)
        return {};
    file.close();
    QProcess python;
    python.start(S("/usr/bin/python3"), {S(TAGORA_TEST_SOURCE_DIR "/advqr/outside_readers.py"), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << "the readers failed (python3-vobject is installed by scripts/setup.sh): "
                      << python.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QJsonArray strings(std::initializer_list<QString> list)
{
    QJsonArray a;
    for (const QString &s : list)
        a.append(s);
    return a;
}

// What the reader of the kind must have read from the fields.
QJsonObject expected(const Item &item)
{
    const QrFields &f = item.fields;
    if (item.kind == QLatin1String("vcard")) {
        const auto &v = f.vcard;
        QJsonArray tel, email;
        const auto add = [](QJsonArray &a, std::initializer_list<QString> params, const QString &value) {
            if (!value.isEmpty())
                a.append(QJsonArray{strings(params), value});
        };
        add(tel, {S("CELL"), S("VOICE")}, v.Mobile);
        add(tel, {S("HOME"), S("VOICE")}, v.Phone);
        add(tel, {S("VOICE"), S("WORK")}, v.Phone_Work);
        add(tel, {S("FAX"), S("WORK")}, v.Fax);
        add(email, {S("HOME"), S("INTERNET")}, v.Email);
        add(email, {S("INTERNET"), S("WORK")}, v.Email_Work);
        return {{S("family"), v.Last_Name},
                {S("given"), v.First_Name},
                {S("fn"), v.First_Name + u' ' + v.Last_Name},
                {S("org"), v.Company.isEmpty() ? QJsonValue() : QJsonValue(strings({v.Company}))},
                {S("title"), v.Position.isEmpty() ? QJsonValue() : QJsonValue(v.Position)},
                {S("url"), v.Website.isEmpty() ? QJsonValue() : QJsonValue(v.Website)},
                {S("tel"), tel},
                {S("email"), email},
                {S("adr"), strings({v.Street, v.City, v.State, v.Zip, v.Country})}};
    }
    if (item.kind == QLatin1String("vevent")) {
        const auto &e = f.event;
        return {{S("summary"), e.event_name},
                {S("location"), e.event_location},
                {S("description"), e.event_description},
                {S("dtstart"), QDateTime(e.Date_From_Ctrl, e.Time_From_Ctrl).toString(Qt::ISODate)},
                {S("dtend"), QDateTime(e.Date_To_Ctrl, e.Time_To_Ctrl).toString(Qt::ISODate)}};
    }
    if (item.kind == QLatin1String("mailto"))
        return {{S("scheme"), S("mailto")},
                {S("to"), f.email.Email_ID_field},
                {S("subject"), f.email.Subject_field},
                {S("body"), f.email.Message_Field}};
    const auto digits = [](QString v) { return v.remove(QRegularExpression(S("[^0-9]"))); };
    if (item.kind == QLatin1String("whatsapp"))
        return {{S("host"), S("wa.me")}, {S("number"), digits(f.sms.Number_Field)}, {S("text"), f.sms.Message_field}};
    if (item.kind == QLatin1String("tel"))
        return {{S("scheme"), S("tel")}, {S("number"), S("+") + digits(f.text.Call_Value_field.section(u';', 0, 0))}};
    if (item.kind == QLatin1String("maps")) {
        const auto number = [](QString v) { return v.replace(u',', u'.').trimmed().toDouble(); };
        return {{S("start"), S("")},
                {S("latitude"), number(f.location.Latitude_Field)},
                {S("longitude"), number(f.location.Longitude_Field)}};
    }
    if (item.kind == QLatin1String("upi")) {
        QJsonObject o{{S("scheme"), S("upi")}, {S("host"), S("pay")}, {S("pa"), f.upi.upi_id_field}};
        for (const auto &[key, value] : {std::pair{S("pn"), f.upi.name_field}, std::pair{S("am"), f.upi.amount_field},
                                         std::pair{S("tn"), f.upi.note_field}})
            if (!value.isEmpty())
                o.insert(key, value);
        return o;
    }
    if (item.kind == QLatin1String("crypto")) {
        const auto &c = f.crypto;
        QJsonObject o{{S("scheme"), item.title == S("Bitcoin") ? S("bitcoin") : qrpayload::Crypto_Schemes().at(c.crypto_type_matrix)},
                      {S("address"), c.wallet_address}};
        if (!c.amount_field.isEmpty())
            o.insert(S("amount"), c.amount_field);
        if (!c.recipient_field.isEmpty())
            o.insert(S("label"), c.recipient_field);
        if (!c.message_field.isEmpty())
            o.insert(S("message"), c.message_field);
        return o;
    }
    return {{S("S"), f.wifi.Wifi_Name},
            {S("T"), S("WPA")},
            {S("P"), f.wifi.wifi_Password},
            {S("H"), f.wifi.hidden_radio ? S("true") : S("false")}};
}

TEST(QrPayloadOutsideReaders, PhoneAppsReadTheFieldsAsTyped)
{
    const std::vector<Item> items = allItems();
    QJsonArray in;
    for (const Item &item : items)
        in.append(QJsonObject{{S("kind"), item.kind},
                              {S("payload"), Trim_Str(*qrpayload::Build_QR_Payload(item.title, item.fields).payload)}});
    const QJsonArray read = readOutside(in);
    ASSERT_EQ(read.size(), qsizetype(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        const QJsonObject got = read.at(qsizetype(i)).toObject();
        const QJsonObject want = expected(items[i]);
        EXPECT_EQ(got, want) << items[i].name << "\n  read:   " << QJsonDocument(got).toJson(QJsonDocument::Compact).toStdString()
                             << "\n  wanted: " << QJsonDocument(want).toJson(QJsonDocument::Compact).toStdString();
    }
}

// Without the escapes the same readers join another network and shift the contact's fields: the
// unescaped forms are what the readers above guard against.
TEST(QrPayloadOutsideReaders, UnescapedFormsMisleadTheReaders)
{
    const QJsonArray read = readOutside(QJsonArray{
        QJsonObject{{S("kind"), S("wifi")}, {S("payload"), S("WIFI:S:Home;Net;T:WPA;P:pa;ss:\"w;H:false;;")}},
        QJsonObject{{S("kind"), S("vcard")},
                    {S("payload"), S("BEGIN:VCARD\nVERSION:3.0\nN:;Front Desk; Hall 2\nFN:Front Desk; Hall 2 \n"
                                     "ORG:Acme, Tools; Parts\nADR:;;;;;;\nEND:VCARD")}},
        QJsonObject{{S("kind"), S("mailto")}, {S("payload"), S("mailto:a@b.c?&subject=Q&A #3&body=x")}}});
    ASSERT_EQ(read.size(), 3);
    EXPECT_NE(read.at(0).toObject().value(S("S")).toString(), S("Home;Net"));
    EXPECT_NE(read.at(1).toObject().value(S("given")).toString(), S("Front Desk; Hall 2"));
    EXPECT_NE(read.at(2).toObject().value(S("subject")).toString(), S("Q&A #3"));
}

} // namespace
