#include "outputjobs/Preferences.h"

#include "core/UserFolders.h"
#include "platform/Files.h"

#include <QFile>
#include <QFileDevice>

const QString send_email_RecipientKey = QStringLiteral("SendEmailRecipient");
const QString send_email_SenderEmailKey = QStringLiteral("SendEmailSender");
const QString send_email_PasswordKey = QStringLiteral("SendEmailPwd");
const QString send_email_SMTP_serverKey = QStringLiteral("SendEmailSMTP");
const QString send_email_PORT_numKey = QStringLiteral("SendEmailPORT");
const QString send_email_Enable_SSLkey = QStringLiteral("SendEnableSSL");

namespace {

// The file holds a password: only its owner may read it.
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool writePrivately(const QString &path, const QByteArray &bytes, QString *error = nullptr)
{
    if (Created_Resource_Path.isEmpty()) {
        // No data folder yet: nothing is written anywhere else.
        if (error)
            *error = QStringLiteral("There is no data folder.");
        return false;
    }
    const bool ok = platform::writeFileAtomically(
        path,
        [&bytes](QIODevice &device) {
            if (auto *file = qobject_cast<QFileDevice *>(&device))
                file->setPermissions(OwnerOnly);   // before any byte is written
            return device.write(bytes) == bytes.size();
        },
        error);
    if (ok)
        QFile::setPermissions(path, OwnerOnly);
    return ok;
}

std::shared_ptr<Preferences> &current()
{
    static std::shared_ptr<Preferences> store;
    return store;
}

} // namespace

std::shared_ptr<Preferences> Preferences::sharedInstance()
{
    current().reset();
    current() = std::make_shared<Preferences>();
    return current();
}

Preferences::Preferences()
    : mPreferencesPath(Created_Resource_Path + QStringLiteral("/com.qirocardmail.plist"))
{
    const std::optional<platform::PlistValue> read = platform::readPlistFile(mPreferencesPath);
    if (read && read->type() == platform::PlistValue::Type::Dictionary) {
        mDict = *read;
        return;
    }
    writePrivately(mPreferencesPath, QByteArray());
    mDict = platform::PlistValue::dictionary();
    setDefaults();
    m_changed = false;   // the defaults are written only by a flush
}

Preferences::~Preferences()
{
    if (m_changed)
        flush();
}

void Preferences::setDefaults()
{
    for (const QString &key : {send_email_RecipientKey, send_email_SenderEmailKey, send_email_PasswordKey,
                               send_email_SMTP_serverKey, send_email_PORT_numKey})
        mDict.insert(key, platform::PlistValue::string(QStringLiteral("")));
}

bool Preferences::flush()
{
    const QByteArray bytes = platform::plistToData(mDict, platform::PlistFormat::Xml);
    if (bytes.isEmpty()) {
        lastError = QStringLiteral("The settings could not be encoded.");
        return false;
    }
    lastError.clear();
    // A failed write is not tried again when the store goes: values the user was told were not
    // saved never reach the file later behind their back.
    m_changed = false;
    return writePrivately(mPreferencesPath, bytes, &lastError);
}

QString Preferences::value(const QString &key) const
{
    const platform::PlistValue *v = mDict.value(key);
    if (!v || v->type() != platform::PlistValue::Type::String)
        return QString();
    return v->toString().isNull() ? QStringLiteral("") : v->toString();
}

void Preferences::setValue(const QString &key, const QString &v)
{
    mDict.insert(key, platform::PlistValue::string(v.isNull() ? QStringLiteral("") : v));
    m_changed = true;
}

QString Preferences::send_email_Recipient() const { return value(send_email_RecipientKey); }
QString Preferences::send_email_SenderEmail() const { return value(send_email_SenderEmailKey); }
QString Preferences::send_email_Password() const { return value(send_email_PasswordKey); }
QString Preferences::send_email_SMTP_server() const { return value(send_email_SMTP_serverKey); }
QString Preferences::send_email_PORT_num() const { return value(send_email_PORT_numKey); }
QString Preferences::send_email_enable_ssl() const { return value(send_email_Enable_SSLkey); }
void Preferences::setsend_email_Recipient(const QString &v) { setValue(send_email_RecipientKey, v); }
void Preferences::setsend_email_SenderEmail(const QString &v) { setValue(send_email_SenderEmailKey, v); }
void Preferences::setsend_email_Password(const QString &v) { setValue(send_email_PasswordKey, v); }
void Preferences::setsend_email_SMTP_server(const QString &v) { setValue(send_email_SMTP_serverKey, v); }
void Preferences::setsend_email_PORT_num(const QString &v) { setValue(send_email_PORT_numKey, v); }
void Preferences::setsend_email_enable_ssl(const QString &v) { setValue(send_email_Enable_SSLkey, v); }
