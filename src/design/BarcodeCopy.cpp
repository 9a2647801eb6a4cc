// Copy of the Barcode mode's symbol: its PDF on the clipboard, and a "barcode.pdf" file that other
// programs paste, written whole in the process's private temporary folder.

#include "design/DesignCommands.h"

#include "core/Messages.h"
#include "design/DesignController.h"
#include "design/DesignSources.h"
#include "design/EditingCommands.h"
#include "platform/Files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include <exception>

QByteArray DesignCommands::Barcode_Pdf_Data()
{
    return sources.barcode->previewPdfData();
}

void DesignCommands::Copy_Button(QObject *)
{
    try {
        if (!sources.barcode->Check_And_Validat_Barcode(true, true))
            return;
        const QByteArray pdf = Barcode_Pdf_Data();
        if (pdf.isEmpty())
            return;
        auto *data = new QMimeData;
        const QString file = platform::privateTempPath(QStringLiteral("barcode.pdf"));
        QString reason;
        if (platform::writeFileAtomically(file, pdf, &reason))
            data->setUrls({QUrl::fromLocalFile(file)});
        else
            Show_NSLog_Message(reason);
        data->setData(QStringLiteral("application/pdf"), pdf);
        QGuiApplication::clipboard()->setMimeData(data);
        Show_MessageBox(QStringLiteral("Barcode is copied successfully.\nNow you can paste it in a word processor or image editor."));
        design.editing().Set_Paste_Button_Status();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
