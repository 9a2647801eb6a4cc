#include "core/FileServices.h"
#include "outputjobs/MailScript.h"
#include "support/AppEnvironment.h"

#include "support/FakeMailScript.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

MailScript::Invocation sample(int os, const QStringList &attachments = {})
{
    return MailScript::invocation(QStringLiteral("/r/pyth_mail.py"), os, QStringLiteral("to@x.org"),
                                  QStringLiteral("Subj"), attachments, QStringLiteral("from@x.org"),
                                  QStringLiteral("pw"), QStringLiteral("smtp.x.org"), QStringLiteral("587"),
                                  QStringLiteral("Body"), QStringLiteral("N"), QStringLiteral("N"));
}

TEST(MailScriptInvocation, ProgramFollowsTheSystemVersion)
{
    struct Case {
        int os;
        const char *program;
        const char *first;
    };
    for (const Case &c : {Case{2300, "/usr/bin/env", "python3"}, Case{2211, "/usr/bin/env", "python3"},
                          Case{2210, "/usr/bin/python", "/r/pyth_mail.py"}}) {
        const MailScript::Invocation inv = sample(c.os);
        EXPECT_EQ(inv.program, QString::fromUtf8(c.program)) << c.os;
        EXPECT_EQ(inv.arguments.value(0), QString::fromUtf8(c.first)) << c.os;
    }
}

TEST(MailScriptInvocation, ArgumentsInOrderWithAttachmentsLast)
{
    const MailScript::Invocation inv = sample(2300, {QStringLiteral("/t/a.pdf"), QStringLiteral("/t/b.pdf")});
    EXPECT_EQ(inv.arguments,
              (QStringList{"python3", "/r/pyth_mail.py", "from@x.org", "smtp.x.org", "587", "from@x.org", "to@x.org",
                           "Subj", "Body", "N", "N", "/t/a.pdf", "/t/b.pdf"}));
    EXPECT_EQ(sample(2300).arguments.size(), 11);
}

TEST(MailScriptInvocation, EnvironmentHasExactlyTwoVariablesAndInputIsPasswordThenDescription)
{
    const MailScript::Invocation inv = sample(2300);
    EXPECT_EQ(inv.environment.keys().size(), 2);
    EXPECT_EQ(inv.environment.value(QStringLiteral("PYTHONPATH"), QStringLiteral("unset")), QString());
    EXPECT_EQ(inv.environment.value(QStringLiteral("PATH")), QStringLiteral("/bin:/usr/bin:/usr/local/bin"));
    EXPECT_EQ(inv.input, QByteArray("pw\nDescription"));
    const MailScript::Invocation utf = MailScript::invocation(
        "/s", 2300, "t", "s", {}, "f", QStringLiteral("p\u00e4ss"), "h", "1", "b", "Y", "N");
    EXPECT_EQ(utf.input, QByteArray("p\xc3\xa4ss\nDescription"));
}

class MailScriptRun : public ::testing::Test {
protected:
    testsupport::AppEnvironment env;
    testsupport::FakeMailScript script;
    bool send(const QStringList &attachments = {})
    {
        return MailScript::sendEmail_pyth(QStringLiteral("to@x.org"), QStringLiteral("Proof"), attachments,
                                          QStringLiteral("from@x.org"), QStringLiteral("pw"),
                                          QStringLiteral("127.0.0.1"), QStringLiteral("2525"), QStringLiteral("Hi"),
                                          QStringLiteral("Y"), QStringLiteral("N"));
    }
};

TEST_F(MailScriptRun, TheScriptGetsArgumentsInputAndOnlyTwoVariables)
{
    ASSERT_TRUE(send({QStringLiteral("/tmp/a b.pdf")}));
    const QList<QJsonObject> runs = script.runs();
    ASSERT_EQ(runs.size(), 1);
    const QStringList argv = testsupport::FakeMailScript::argv(runs[0]);
    EXPECT_EQ(argv, (QStringList{script.folder() + "/pyth_mail.py", "from@x.org", "127.0.0.1", "2525", "from@x.org",
                                 "to@x.org", "Proof", "Hi", "Y", "N", "/tmp/a b.pdf"}));
    EXPECT_EQ(runs[0].value("stdin").toString(), QStringLiteral("pw\nDescription"));
    const QJsonObject envVars = runs[0].value("env").toObject();
    // python itself may add LC_CTYPE when coercing the C locale; nothing else gets through.
    QStringList keys = envVars.keys();
    keys.removeAll(QStringLiteral("LC_CTYPE"));
    EXPECT_EQ(keys, (QStringList{"PATH", "PYTHONPATH"}));
}

TEST_F(MailScriptRun, AnExitStatusOtherThanZeroIsNotSent)
{
    script.setExitCode(3);
    EXPECT_FALSE(send());
    EXPECT_EQ(script.runs().size(), 1);
}

TEST_F(MailScriptRun, NoScriptNoRunNotSent)
{
    QFile::remove(script.folder() + "/pyth_mail.py");
    EXPECT_FALSE(send());
    EXPECT_TRUE(script.runs().isEmpty());
}

TEST_F(MailScriptRun, AnOlderSystemStartsTheOldInterpreter)
{
    Set_OS_Version_For_Tests(2210.9);
    const bool sent = send();
    Set_OS_Version_For_Tests(0);
    // Where /usr/bin/python exists the fake runs under it; where it does not the send fails.
    if (QFile::exists(QStringLiteral("/usr/bin/python"))) {
        ASSERT_TRUE(sent);
        EXPECT_TRUE(script.runs().value(0).value("exe").toString().startsWith("/usr/bin/python"));
    } else {
        EXPECT_FALSE(sent);
        EXPECT_TRUE(script.runs().isEmpty());
    }
}

TEST(MailScriptTimeLimit, AScriptThatRunsTooLongIsKilledAndNotSent)
{
    MailScript::Invocation inv;
    inv.program = QStringLiteral("/bin/sleep");
    inv.arguments << QStringLiteral("30");
    inv.environment.insert(QStringLiteral("PATH"), QStringLiteral("/bin:/usr/bin"));
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(MailScript::run(inv, 300));
    EXPECT_LT(t.elapsed(), 10000);
}

} // namespace
