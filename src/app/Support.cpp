// Support commands: copy the support address or the web address, prepare a support e-mail, open
// the web sites.

#include "app/SKTWindowController.h"

#include "app/SupportLinks.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
void copyPlainText(const QString &text)
{
    auto *data = new QMimeData;   // replaces everything the clipboard held
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}
} // namespace

void SKTWindowController::Copy_Email()
{
    copyPlainText(support_links::supportEmail);
    Show_MessageBox(QStringLiteral("Text copied successfully."));
}

void SKTWindowController::Copy_URL()
{
    copyPlainText(support_links::makerUrl);
    Show_MessageBox(QStringLiteral("Text copied successfully."));
}

QString SKTWindowController::supportMailUrl(const QString &appName)
{
    QString url = QStringLiteral("mailto:") + support_links::supportEmail + QStringLiteral("?subject= Support Question: ") + appName;
    url += QStringLiteral("&body=Dear Customer Support,%0d%0a%0d%0aI am having Difficulties in using ") + appName +
           QStringLiteral(".%0d%0a%0d%0aMy order ID is (required):%0d%0a%0d%0aOperating system of my Computer is:"
                          "%0d%0a%0d%0aMore Details of problem with screenshot (if any):");
    url = Trim_Str(url);
    url = Replace_char_in_string(url, QStringLiteral("\r\n"), QStringLiteral("%0A"));
    url = Replace_char_in_string(url, QStringLiteral("\n"), QStringLiteral("%0A"));
    url = Replace_char_in_string(url, QStringLiteral(" "), QStringLiteral("%20"));
    url = Replace_char_in_string(url, QStringLiteral("\""), QStringLiteral("%22"));
    return url;
}

void SKTWindowController::Open_Support_Mail() { platform::openWithDefaultApplication(supportMailUrl(App_Name)); }

void SKTWindowController::Open_QIRO_Site() { platform::openWithDefaultApplication(support_links::makerUrl); }

void SKTWindowController::Open_Website_2() { platform::openWithDefaultApplication(support_links::secondUrl); }
