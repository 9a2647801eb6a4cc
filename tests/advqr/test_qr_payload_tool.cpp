// The qr_payload test program: fields in, payload and summary out, the symbol at 600 DPI, the fields
// read back, and its refusals.

#include "advqr/QrPayload.h"
#include "advqr/QrPayloadSamples.h"
#include "core/Utilities.h"
#include "support/Decode.h"
#include "tools/QrFieldsJson.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

struct ToolRun {
    int status = -1;
    QJsonObject out;
    QString error;
};

ToolRun runTool(const QStringList &args, const QByteArray &input)
{
    QProcess tool;
    tool.start(S(QR_PAYLOAD_TOOL_PATH), args);
    tool.write(input);
    tool.closeWriteChannel();
    ToolRun run;
    if (!tool.waitForFinished(60000))
        return run;
    run.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    run.out = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    run.error = QString::fromUtf8(tool.readAllStandardError()).trimmed();
    return run;
}

QByteArray request(const QString &title, const qrpayload::QrFields &f)
{
    return QJsonDocument(QJsonObject{{S("title"), title},
                                     {S("fields"), QJsonObject{{qrfieldsjson::panelKey(title),
                                                                qrfieldsjson::toJson(f, qrfieldsjson::panelKey(title))}}}})
        .toJson();
}

TEST(QrPayloadTool, WifiFieldsGiveThePayloadAndSummary)
{
    const ToolRun run = runTool({}, R"({"title": "WIFI", "fields": {"wifi": {"Wifi_Name": "Home;Net",
                                   "wifi_Password": "pa;ss:\"w", "encryption": 2}}})");
    ASSERT_EQ(run.status, 0) << run.error.toStdString();
    EXPECT_EQ(run.out.value(S("payload")).toString(), S("WIFI:S:Home\\;Net;T:WPA;P:pa\\;ss\\:\\\"w;H:false;;"));
    EXPECT_EQ(run.out.value(S("summary")).toString(),
              S("Network Name : Home;Net\nNetwork Password : pa;ss:\"w\nEncryption Mode : WPA/WPA2\n"
                "Network Visibility : Yes"));
    EXPECT_FALSE(run.out.contains(S("fields")));
}

// Each title's symbol file, read by zxing-cpp, gives the payload byte for byte; --parse gives back
// the fields that made it.
TEST(QrPayloadTool, SymbolsAndFieldsOfEveryTitle)
{
    QTemporaryDir dir;
    for (const qrsamples::Sample &s : qrsamples::allTitles()) {
        const std::string name = s.title.toStdString();
        const QString png = dir.filePath(s.title + S(".png"));
        const ToolRun run = runTool({S("--parse"), S("--png"), png, S("-")}, request(s.title, s.fields));
        ASSERT_EQ(run.status, 0) << name << ": " << run.error.toStdString();
        const QString payload = run.out.value(S("payload")).toString();
        EXPECT_EQ(payload, Trim_Str(*qrpayload::Build_QR_Payload(s.title, s.fields).payload)) << name;
        const QImage image(png);
        EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 600.0, 0.5) << name;
        const testsupport::Decoded read = testsupport::decode(image, S("QRCode"));
        ASSERT_TRUE(read.ok) << name;
        EXPECT_EQ(read.bytes, payload.toUtf8()) << name;
        const QString panel = qrfieldsjson::panelKey(s.title);
        EXPECT_EQ(run.out.value(S("fields")).toObject(), qrfieldsjson::toJson(s.fields, panel)) << name;
    }
}

TEST(QrPayloadTool, StoredPayloadAndSummaryReadBack)
{
    const ToolRun run = runTool({S("--parse")}, R"({"title": "Send SMS", "payload": "SMSTO:+1 555:at 10:30", "summary": ""})");
    ASSERT_EQ(run.status, 0) << run.error.toStdString();
    EXPECT_EQ(run.out.value(S("payload")).toString(), S("SMSTO:+1 555:at 10:30"));
    EXPECT_EQ(run.out.value(S("fields")).toObject(),
              (QJsonObject{{S("Number_Field"), S("+1 555")}, {S("Message_field"), S("at 10:30")}}));
}

struct Refusal {
    const char *name;
    QStringList args;
    QByteArray input;
    int status;
    QString message;   // the start of standard error
};

TEST(QrPayloadTool, Refusals)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(S("x.png"));
    const QByteArray tooLong = QJsonDocument(QJsonObject{
        {S("title"), S("Text")},
        {S("fields"), QJsonObject{{S("text"), QJsonObject{{S("Text_Field"), S("x").repeated(8000)}}}}}}).toJson();
    const std::vector<Refusal> cases = {
        {"unknown title", {}, R"({"title": "Fax", "fields": {}})", 2, S("No payload type is titled \"Fax\".")},
        {"payload too long", {S("--png"), png}, tooLong, 2, S("Invalid barcode value or value is too long.")},
        {"empty payload", {S("--png"), png}, R"({"title": "Text", "payload": ""})", 2,
         S("Invalid barcode value or value is too long.")},
        {"not JSON", {}, "WIFI", 1, S("the input is no JSON object")},
        {"unknown option", {S("--svg")}, "{}", 1, S("unknown option")},
        {"unreadable file", {dir.filePath(S("none.json"))}, "", 1, S("the input cannot be read")},
    };
    for (const Refusal &c : cases) {
        const ToolRun run = runTool(c.args, c.input);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_TRUE(run.error.startsWith(c.message)) << c.name << ": " << run.error.toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));
}

} // namespace
