#include "advqr/QrPanelBase.h"

#include "advqr/AdvQrController.h"
#include "advqr/Edit_ADV_QR_Type.h"
#include "advqr/AdvQrController.h"
#include "core/SymbolGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Dialogs.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUrl>

void QrPanelBase::watch(QLineEdit *field)
{
    connect(field, &QLineEdit::textEdited, this, &QrPanelBase::edited);
}

void QrPanelBase::watch(QPlainTextEdit *view)
{
    connect(view, &QPlainTextEdit::textChanged, this, &QrPanelBase::edited);
}

void QrPanelBase::openPayloadLink(const QLineEdit *linkField)
{
    if (!linkField || Trim_Str(linkField->text()).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter the valid URL."));
        return;
    }
    // While the payload editor is open the link is the editor's payload.
    QString payload;
    if (QR_Val_Edit && EDIT_QR_var)
        payload = EDIT_QR_var->Get_Adv_QR_Final_Str_Value();
    else if (const AdvQrController *mode = AdvQrController::current())
        payload = mode->Get_Adv_QR_Final_Str_Value();
    const QUrl url(payload, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return;   // not a link: nothing opens
    platform::openWithDefaultApplication(url.toString());
}
