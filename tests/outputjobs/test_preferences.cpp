#include "core/UserFolders.h"
#include "output/MailGlobals.h"
#include "outputjobs/Preferences.h"
#include "platform/Plist.h"
#include "support/AppEnvironment.h"
#include "support/DataFolderEnvironment.h"
#include "output/OutputController.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The mail settings file of the program's data folder.
class MailSettingsFile : public ::testing::Test {
protected:
    QString path() const { return Created_Resource_Path + QStringLiteral("/com.qirocardmail.plist"); }
    static bool ownerOnly(const QString &file)
    {
        const QFileDevice::Permissions p = QFile::permissions(file);
        return (p & (QFileDevice::ReadOwner | QFileDevice::WriteOwner)) ==
                   (QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
               !(p & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                      QFileDevice::WriteOther));
    }
};

// The store over the data folder alone.
class MailSettings : public MailSettingsFile {
protected:
    testsupport::DataFolderEnvironment data;
};

// The settings as the program's output takes them from the store.
class MailSettingsWindow : public MailSettingsFile {
protected:
    testsupport::AppEnvironment env;
};

TEST_F(MailSettings, FirstRequestCreatesAnEmptyPrivateFile)
{
    ASSERT_FALSE(QFileInfo::exists(path()));
    const std::shared_ptr<Preferences> store = Preferences::sharedInstance();
    ASSERT_TRUE(QFileInfo::exists(path()));
    EXPECT_EQ(QFileInfo(path()).size(), 0);
    EXPECT_TRUE(ownerOnly(path()));
    EXPECT_EQ(store->send_email_SenderEmail(), QStringLiteral(""));
    EXPECT_FALSE(store->send_email_SenderEmail().isNull());
    EXPECT_EQ(store->send_email_PORT_num(), QStringLiteral(""));
    EXPECT_TRUE(store->send_email_enable_ssl().isNull());   // absent until chosen
}

TEST_F(MailSettings, UnreadableFilesAreReplacedAndReadAsDefaults)
{
    for (const QByteArray &content : {QByteArray(), QByteArray("not a property list"),
                                      platform::plistToData(platform::PlistValue::fromStrings({"a"}),
                                                            platform::PlistFormat::Xml)}) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        const std::shared_ptr<Preferences> store = Preferences::sharedInstance();
        EXPECT_EQ(store->send_email_Password(), QStringLiteral(""));
        EXPECT_EQ(QFileInfo(path()).size(), 0);
    }
}

TEST_F(MailSettings, SavedValuesReadBackFromAFreshStore)
{
    {
        const std::shared_ptr<Preferences> store = Preferences::sharedInstance();
        store->setsend_email_SenderEmail(QStringLiteral("me@example.org"));
        store->setsend_email_Password(QStringLiteral("s3cret"));
        store->setsend_email_SMTP_server(QStringLiteral("smtp.example.org"));
        store->setsend_email_PORT_num(QStringLiteral("587"));
        store->setsend_email_enable_ssl(QStringLiteral("N"));
        ASSERT_TRUE(store->flush());
    }
    EXPECT_TRUE(ownerOnly(path()));
    const std::optional<platform::PlistValue> file = platform::readPlistFile(path());
    ASSERT_TRUE(file.has_value());
    ASSERT_NE(file->value(QStringLiteral("SendEmailPwd")), nullptr);
    EXPECT_EQ(file->value(QStringLiteral("SendEmailPwd"))->toString(), QStringLiteral("s3cret"));
    const std::shared_ptr<Preferences> again = Preferences::sharedInstance();
    EXPECT_EQ(again->send_email_SMTP_server(), QStringLiteral("smtp.example.org"));
    EXPECT_EQ(again->send_email_enable_ssl(), QStringLiteral("N"));
    EXPECT_EQ(again->send_email_Recipient(), QStringLiteral(""));
}

TEST_F(MailSettings, AChangedStoreIsWrittenWhenLetGoAndAnUnchangedOneIsNot)
{
    Preferences::sharedInstance();   // creates the empty file
    Preferences::sharedInstance();   // letting the unchanged store go writes nothing
    EXPECT_EQ(QFileInfo(path()).size(), 0);
    Preferences::sharedInstance()->setsend_email_Recipient(QStringLiteral("you@example.org"));
    // The next request lets the changed store go first, so it reads the change.
    EXPECT_EQ(Preferences::sharedInstance()->send_email_Recipient(), QStringLiteral("you@example.org"));
}

TEST_F(MailSettingsWindow, DetailsAreCopiedIntoTheMailGlobals)
{
    {
        const std::shared_ptr<Preferences> store = Preferences::sharedInstance();
        store->setsend_email_SenderEmail(QStringLiteral("me@example.org"));
        store->setsend_email_Password(QStringLiteral("pw"));
        store->setsend_email_SMTP_server(QStringLiteral("mail.example.org"));
        store->setsend_email_PORT_num(QStringLiteral("465"));
        store->setsend_email_enable_ssl(QStringLiteral("Y"));
        store->flush();
    }
    env.output().Get_Email_Details();
    EXPECT_EQ(sender_email, QStringLiteral("me@example.org"));
    EXPECT_EQ(sender_pwd, QStringLiteral("pw"));
    EXPECT_EQ(sending_server, QStringLiteral("mail.example.org"));
    EXPECT_EQ(sending_port, QStringLiteral("465"));
    EXPECT_EQ(send_enable_ssl, QStringLiteral("Y"));
    QFile::remove(path());
    env.output().Get_Email_Details();
    EXPECT_EQ(sender_email, QStringLiteral(""));
    EXPECT_TRUE(send_enable_ssl.isNull());
}

} // namespace
