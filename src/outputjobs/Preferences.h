#pragma once
// The mail settings store: one dictionary of strings in "com.qirocardmail.plist" of the per-user
// data folder. Every request gives a store freshly read from the file.

#include "platform/Plist.h"

#include <QString>
#include <memory>

// The keys of the settings.
extern const QString send_email_RecipientKey;     // "SendEmailRecipient"
extern const QString send_email_SenderEmailKey;   // "SendEmailSender"
extern const QString send_email_PasswordKey;      // "SendEmailPwd"
extern const QString send_email_SMTP_serverKey;   // "SendEmailSMTP"
extern const QString send_email_PORT_numKey;      // "SendEmailPORT"
extern const QString send_email_Enable_SSLkey;    // "SendEnableSSL"

class Preferences {
public:
    // A new store, read from the file now; the previous one is let go.
    static std::shared_ptr<Preferences> sharedInstance();

    // Reads the file; a missing or unreadable one is replaced by an empty file (owner-only access)
    // and the store starts from the defaults, which are not written yet.
    Preferences();
    // A store whose values were changed writes them back first.
    ~Preferences();
    Preferences(const Preferences &) = delete;
    Preferences &operator=(const Preferences &) = delete;

    // "" under the recipient, sender, password, SMTP server and port keys (the SSL flag stays absent).
    void setDefaults();
    // Writes the dictionary to the file, replacing it whole; answers success. A failed write
    // leaves the old file as it was and its reason in lastError, and is not retried.
    bool flush();
    QString lastError;

    // The stored strings; a null string when absent. The e-mail settings window shows them all;
    // the mail run reads all but the recipient.
    QString send_email_Recipient() const;
    QString send_email_SenderEmail() const;
    QString send_email_Password() const;
    QString send_email_SMTP_server() const;
    QString send_email_PORT_num() const;
    QString send_email_enable_ssl() const;
    // Setters change the store in memory only; the e-mail settings window sets every field, then
    // flushes.
    void setsend_email_Recipient(const QString &v);
    void setsend_email_SenderEmail(const QString &v);
    void setsend_email_Password(const QString &v);
    void setsend_email_SMTP_server(const QString &v);
    void setsend_email_PORT_num(const QString &v);
    void setsend_email_enable_ssl(const QString &v);

    QString mPreferencesPath;
    platform::PlistValue mDict;

private:
    QString value(const QString &key) const;
    void setValue(const QString &key, const QString &v);
    bool m_changed = false;
};
