#include "advqr/QrPayload.h"

#include "core/Utilities.h"

#include <QStringList>

namespace qrpayload {

namespace {

bool isLinkType(const QString &title)
{
    static const QStringList links = {QStringLiteral("URL"),        QStringLiteral("Review"),
                                      QStringLiteral("Meeting"),    QStringLiteral("Mobile App"),
                                      QStringLiteral("File"),       QStringLiteral("Spotify")};
    return links.contains(title);
}

} // namespace

QString Link_Rule(const QString &input, const QString &shortForm)
{
    QString address;
    if (input.size() < 5)
        address = shortForm + input;
    else if (input.left(4).toLower() == QLatin1String("http"))
        address = input;
    else
        address = QStringLiteral("https://") + input;
    address.remove(QLatin1Char(' '));
    return Trim_Str(address);
}

bool Is_Text_Panel_Type(const QString &title)
{
    return title == QLatin1String("Text") || title == QLatin1String("Call") || isLinkType(title);
}

Result Build_Text_Panel_Payload(const QString &title, const TextPanelFields &fields)
{
    Result r;
    if (title == QLatin1String("Text")) {
        r.payload = fields.text;
        r.summary = fields.text;
    } else if (title == QLatin1String("Call")) {
        const QString &n = fields.call;
        const bool hasScheme = n.size() >= 5 && n.left(4).toLower() == QLatin1String("tel:");
        r.payload = Trim_Str(hasScheme ? n : QStringLiteral("tel:") + n);
        r.summary = QStringLiteral("Phone Number : \n\n") + n;
    } else if (isLinkType(title)) {
        r.payload = Link_Rule(fields.url, QStringLiteral("https://"));
        r.summary = QStringLiteral("URL : \n\n") + fields.url;
    }
    return r;
}

} // namespace qrpayload
