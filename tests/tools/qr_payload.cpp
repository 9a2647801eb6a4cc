// The QR payload builder and parser from outside.
//
//   qr_payload [--parse] [--png FILE] [INPUT.json | -]
//
// INPUT (standard input when absent or "-") is a JSON object with the payload type's "title" and
// either its "fields" by panel ({"wifi": {"Wifi_Name": "Home", "encryption": 2}}; see QrFieldsJson.h),
// which are built, or a stored "payload" and "summary", which are taken as they are.
// Out, on standard output, a JSON object: "payload" (the text the symbol encodes, trimmed as the
// mode stores it) and "summary"; with --parse also "fields", the title's panel read back from them.
// --png FILE writes the symbol at 600 DPI (level M) as the Barcode mode draws a QR Code.
//
// Exit status: 0 done; 2 and the message on standard error for a title outside the table or a
// payload no QR Code holds; 1 for anything else (usage, unreadable input, unwritable file).

#include "advqr/QrPayload.h"
#include "core/Utilities.h"
#include "tools/QrFieldsJson.h"
#include "tools/SymbolRender.h"
#include "core/Globals.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cstdio>

namespace {

int usage(const char *why)
{
    std::fprintf(stderr, "%s\nusage: qr_payload [--parse] [--png FILE] [INPUT.json | -]\n", why);
    return 1;
}

int refused(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool parse = false;
    QString png, input = QStringLiteral("-");
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--parse")) {
            parse = true;
        } else if (a == QLatin1String("--png")) {
            if (++i >= args.size())
                return usage("--png wants a file");
            png = args.at(i);
        } else if (a.startsWith(QLatin1String("--"))) {
            return usage("unknown option");
        } else {
            input = a;
        }
    }

    QFile file(input);
    const bool opened = input == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        return usage("the input cannot be read");
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject())
        return usage(qPrintable(QStringLiteral("the input is no JSON object: ") + error.errorString()));
    const QJsonObject in = doc.object();
    const QString title = in.value(QStringLiteral("title")).toString();
    if (qrpayload::Panel_For_Title(title) == qrpayload::QrPanel::None)
        return refused(QStringLiteral("No payload type is titled \"%1\".").arg(title));

    QString payload, summary;
    if (in.contains(QStringLiteral("fields"))) {
        const qrpayload::Result built =
            qrpayload::Build_QR_Payload(title, qrfieldsjson::fromJson(in.value(QStringLiteral("fields")).toObject()));
        payload = Trim_Str(*built.payload);
        summary = built.summary;
    } else {
        payload = in.value(QStringLiteral("payload")).toString();
        summary = in.value(QStringLiteral("summary")).toString();
    }

    QJsonObject out{{QStringLiteral("payload"), payload}, {QStringLiteral("summary"), summary}};
    if (parse)
        out.insert(QStringLiteral("fields"), qrfieldsjson::toJson(qrpayload::Parse_QR_Payload(title, payload, summary),
                                                                  qrfieldsjson::panelKey(title)));

    if (!png.isEmpty()) {
        symboltool::TwoDOptions options;
        options.qrLevel = QStringLiteral("M");
        QString why;
        switch (symboltool::writeSymbol(QStringLiteral("QR Code"), payload, png, 600, &why, options)) {
        case symboltool::Status::Written:
            break;
        case symboltool::Status::Invalid:
            return refused(invalid_barcode_msg);
        case symboltool::Status::UnknownSymbology:
        case symboltool::Status::WriteFailed:
            std::fprintf(stderr, "could not write %s: %s\n", qPrintable(png), qPrintable(why));
            return 1;
        }
    }
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
