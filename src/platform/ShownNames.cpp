#include "platform/ShownNames.h"

#include <QList>
#include <QStringDecoder>

#include <vector>

#include <pwd.h>
#include <sys/types.h>

namespace platform {

QString shownName(const QByteArray &name)
{
    const auto encodedBytes = [](const QByteArray &bytes) {
        QString out;
        for (const char c : bytes)
            out += QString::asprintf("%%%02X", unsigned(uchar(c)));
        return out;
    };
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(name);
    QString shown;
    if (decoder.hasError()) {
        for (const char c : name)
            shown += c >= 0x20 && c < 0x7f && c != '%' ? QString(QLatin1Char(c)) : encodedBytes(QByteArray(1, c));
        return shown;
    }
    for (const char32_t u : text.toUcs4()) {
        const QString character = QString::fromUcs4(&u, 1);
        const QChar::Category kind = QChar::category(u);
        const bool hidden = u == U'%' || kind == QChar::Other_Control || kind == QChar::Other_Format
                            || kind == QChar::Separator_Line || kind == QChar::Separator_Paragraph;
        shown += hidden ? encodedBytes(character.toUtf8()) : character;
    }
    return shown;
}

QString accountName(unsigned uid)
{
    std::vector<char> buffer(16384);
    struct passwd pw {}, *found = nullptr;
    if (::getpwuid_r(uid_t(uid), &pw, buffer.data(), buffer.size(), &found) == 0 && found)
        return shownName(QByteArray(found->pw_name));
    return QStringLiteral("user %1").arg(uid);
}

} // namespace platform
