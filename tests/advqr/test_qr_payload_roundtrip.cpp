// Every payload title from fields to symbol and back: built, encoded by our QR encoder at level M,
// rendered at 600 DPI, read by zxing-cpp byte for byte, parsed back into the same fields and built
// again into the same payload. Then seeded random field sets per title: build, parse, build.

#include "advqr/QrFieldsPrint.h"
#include "advqr/QrPayload.h"
#include "advqr/QrPayloadSamples.h"
#include "core/QrCategoryImages.h"
#include "core/Utilities.h"
#include "support/Decode.h"
#include "tools/SymbolRender.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <random>

namespace {

using qrpayload::Build_QR_Payload;
using qrpayload::Parse_QR_Payload;
using qrpayload::QrFields;

// The payload as its owner stores and encodes it: trimmed.
QString stored(const QString &title, const QrFields &f)
{
    const qrpayload::Result r = Build_QR_Payload(title, f);
    return r.payload ? Trim_Str(*r.payload) : QStringLiteral("<none>");
}

// The panel of the title in an otherwise empty field set, as the parser returns it.
QrFields onlyPanel(const QString &title, const QrFields &all)
{
    QrFields f;
    switch (qrpayload::Panel_For_Title(title)) {
    case qrpayload::QrPanel::Text: f.text = all.text; break;
    case qrpayload::QrPanel::Sms: f.sms = all.sms; break;
    case qrpayload::QrPanel::Social: f.social = all.social; break;
    case qrpayload::QrPanel::Email: f.email = all.email; break;
    case qrpayload::QrPanel::VCard: f.vcard = all.vcard; break;
    case qrpayload::QrPanel::Zoom: f.zoom = all.zoom; break;
    case qrpayload::QrPanel::Wifi: f.wifi = all.wifi; break;
    case qrpayload::QrPanel::Location: f.location = all.location; break;
    case qrpayload::QrPanel::Event: f.event = all.event; break;
    case qrpayload::QrPanel::Upi: f.upi = all.upi; break;
    case qrpayload::QrPanel::Crypto: f.crypto = all.crypto; break;
    case qrpayload::QrPanel::None: break;
    }
    return f;
}

TEST(QrPayloadRoundTrip, EveryTitleThroughTheSymbolAndBack)
{
    const std::vector<qrsamples::Sample> samples = qrsamples::allTitles();
    QStringList titles;
    for (const auto &s : samples)
        titles << s.title;
    QStringList all = qr_category::titles();
    titles.sort();
    all.sort();
    ASSERT_EQ(titles, all);   // all 31

    for (const qrsamples::Sample &s : samples) {
        const std::string name = s.title.toStdString();
        const qrpayload::Result built = Build_QR_Payload(s.title, s.fields);
        ASSERT_TRUE(built.payload.has_value()) << name;
        const QString payload = Trim_Str(*built.payload);

        symboltool::TwoDOptions options;
        options.qrLevel = QStringLiteral("M");
        symboltool::Status status = symboltool::Status::Invalid;
        const platform::Picture symbol = symboltool::twoDSymbol(QStringLiteral("QR Code"), payload, options, status);
        ASSERT_EQ(status, symboltool::Status::Written) << name;
        const testsupport::Decoded read = testsupport::decode(symbol.toImage(600), QStringLiteral("QRCode"));
        ASSERT_TRUE(read.ok) << name;
        EXPECT_EQ(read.bytes, payload.toUtf8()) << name;

        const QrFields back = Parse_QR_Payload(s.title, QString::fromUtf8(read.bytes), built.summary);
        EXPECT_QR_FIELDS_EQ(back, onlyPanel(s.title, s.fields), name);
        EXPECT_EQ(stored(s.title, back), payload) << name;
    }
}

// Random texts of the kinds the panels hold: line fields without line breaks, text views with
// them, phone numbers; never blank at the ends.
class RandomFields {
public:
    explicit RandomFields(unsigned seed) : m_rng(seed) {}

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    QString line() { return text(false); }
    QString lines() { return text(true); }
    QString phone()
    {
        static const QString chars = QStringLiteral("0123456789+-() ");
        QString out;
        for (int n = number(0, 16); n > 0; --n)
            out += chars.at(number(0, int(chars.size()) - 1));
        return Trim_Str(out);
    }
    QDate date() { return QDate(number(1900, 2200), number(1, 12), number(1, 28)); }
    QTime time() { return QTime(number(0, 23), number(0, 59)); }

private:
    QString text(bool breaks)
    {
        static const QStringList pieces = [] {
            QStringList p;
            for (const QChar c : QStringLiteral("abcxyzABCXYZ0189 ;,:\\\"&#%?+=/@.'*()[]{}<>|~^$!-_"))
                p << QString(c);
            p << QStringLiteral("ü") << QStringLiteral("é") << QStringLiteral("–") << QStringLiteral("中")
              << QStringLiteral("😀") << QString(QChar(0x00A0)) << QStringLiteral("%20") << QStringLiteral("\\n")
              << QStringLiteral("www.") << QStringLiteral("http");
            return p;
        }();
        QString out;
        for (int n = number(0, 24); n > 0; --n)
            out += breaks && number(0, 9) == 0 ? QStringLiteral("\n") : pieces.at(number(0, int(pieces.size()) - 1));
        return Trim_Str(out);
    }
    std::mt19937 m_rng;
};

// The labels a type's summary is cut at, and the separators its payload is cut at: values never hold
// them in the random sets.
QStringList cutTexts(const QString &title)
{
    switch (qrpayload::Panel_For_Title(title)) {
    case qrpayload::QrPanel::Wifi:
        return {QStringLiteral("Network Name :"), QStringLiteral("Network Password :"),
                QStringLiteral("Encryption Mode :"), QStringLiteral("Network Visibility :")};
    case qrpayload::QrPanel::Event:
        return {QStringLiteral("Event Name :"), QStringLiteral("Location :"), QStringLiteral("From :"),
                QStringLiteral("To :"), QStringLiteral("Description :")};
    case qrpayload::QrPanel::Upi:
        return {QStringLiteral("UPI ID :"), QStringLiteral("Name :"), QStringLiteral("Amount :"), QStringLiteral("Note :")};
    case qrpayload::QrPanel::Crypto:
        return {QStringLiteral("Crypto Payment type :"), QStringLiteral("Wallet Address :"), QStringLiteral("Amount :"),
                QStringLiteral("Recipient :"), QStringLiteral("Message :")};
    case qrpayload::QrPanel::Zoom:
        return {QStringLiteral("?pwd="), QStringLiteral("Zoom Meeting URL :")};
    case qrpayload::QrPanel::Location:
        return {QStringLiteral("Location URL :")};
    default:
        return {};
    }
}

QrFields randomFields(const QString &title, RandomFields &r)
{
    QrFields f;
    switch (qrpayload::Panel_For_Title(title)) {
    case qrpayload::QrPanel::Text:
        f.text = {r.lines(), (r.number(0, 3) == 0 ? QStringLiteral("tel:") : QString()) + r.phone(), r.line()};
        break;
    case qrpayload::QrPanel::Sms:
        f.sms = {title == QLatin1String("Coupon") ? r.line() : r.phone(), r.lines()};
        break;
    case qrpayload::QrPanel::Social:
        f.social.URL_label = r.line();
        break;
    case qrpayload::QrPanel::Email:
        f.email = {r.line(), r.line(), r.lines()};
        break;
    case qrpayload::QrPanel::VCard:
        f.vcard = {r.line(), r.line(), r.line(), r.line(), r.line(), r.line(), r.line(), r.line(),
                   r.line(), r.line(), r.line(), r.line(), r.line(), r.line(), r.line(), r.line()};
        break;
    case qrpayload::QrPanel::Zoom:
        f.zoom = {r.number(0, 1) == 0, r.line(), r.line(), r.line()};
        break;
    case qrpayload::QrPanel::Wifi: {
        const int item = r.number(0, 2);
        f.wifi = {r.line(), r.line(), item, qrpayload::Wifi_Encryption_Items().at(item), r.number(0, 1) == 0};
        break;
    }
    case qrpayload::QrPanel::Location: {
        QString latitude = r.line();
        f.location = {r.number(0, 1) == 0, r.line(), latitude.remove(u','), r.line()};
        f.location.Latitude_Field = Trim_Str(f.location.Latitude_Field);
        break;
    }
    case qrpayload::QrPanel::Event:
        f.event = {r.line(), r.line(), r.line(), r.date(), r.date(), r.time(), r.time()};
        break;
    case qrpayload::QrPanel::Upi:
        f.upi = {r.line(), r.line(), r.line(), r.line()};
        break;
    case qrpayload::QrPanel::Crypto:
        f.crypto = {r.number(-1, 9), r.line(), r.line(), r.line(), r.line()};
        break;
    case qrpayload::QrPanel::None:
        break;
    }
    return f;
}

bool holdsCutText(const QrFields &f, const QStringList &cuts)
{
    bool found = false;
    const auto check = [&](const QString &v) {
        for (const QString &c : cuts)
            found = found || v.contains(c);
    };
    for (const QString *v : {&f.zoom.URL_Path_Field, &f.zoom.ID_Field, &f.wifi.Wifi_Name, &f.wifi.wifi_Password,
                             &f.location.URL_Path_Field, &f.event.event_name, &f.event.event_location,
                             &f.event.event_description, &f.upi.upi_id_field, &f.upi.name_field, &f.upi.amount_field,
                             &f.upi.note_field, &f.crypto.wallet_address, &f.crypto.amount_field,
                             &f.crypto.recipient_field, &f.crypto.message_field})
        check(*v);
    return found;
}

TEST(QrPayloadRoundTrip, RandomFieldSetsRebuildTheSamePayload)
{
    const QStringList titles = qr_category::titles();
    for (int t = 0; t < titles.size(); ++t) {
        const QString &title = titles.at(t);
        const QStringList cuts = cutTexts(title);
        RandomFields random(4711u + unsigned(t));
        int failures = 0;
        for (int i = 0; i < 10000 && failures < 3; ++i) {
            QrFields f = randomFields(title, random);
            while (holdsCutText(f, cuts))
                f = randomFields(title, random);
            // A link that the parser would take for the meeting or directions form is no link here.
            if (f.zoom.Zoom_URL_radio && stored(QStringLiteral("Zoom"), f).startsWith(qrpayload::Meeting_Link_Prefix()))
                continue;
            if (f.location.Loc_URL_radio &&
                stored(QStringLiteral("Location"), f).startsWith(qrpayload::Directions_Link_Prefix()))
                continue;
            const qrpayload::Result built = Build_QR_Payload(title, f);
            const QString payload = Trim_Str(*built.payload);
            const QString again = stored(title, Parse_QR_Payload(title, payload, built.summary));
            if (again != payload) {
                ++failures;
                ADD_FAILURE() << title.toStdString() << " set " << i << ":\n  " << payload.toStdString() << "\n  "
                              << again.toStdString();
            }
        }
    }
}

} // namespace
