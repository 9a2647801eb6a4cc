// The help boxes of the 2D settings: one title and one short text each, shown in the long-message
// dialog with a single OK button.

#include "barcodemode/BarcodeEditor.h"

#include "core/Long_SMS_Dlg.h"
#include "core/Messages.h"

#include <exception>

namespace {

void showHelp(const QString &title, const QString &text)
{
    Cutom_Msg_Title = title;
    Cutom_Msg_Val = text;
    Long_SMS_Dlg *dialog = Long_SMS_Dlg::defaultInstance();
    dialog->title_val = QString();   // null: the dialog shows the two texts above with OK only
    dialog->apply_chk_show = false;
    dialog->Open_Long_sms_Dialog();
}

// Runs one help box; a failure goes to report, or to the log without one.
template <typename Report>
void help(const QString &title, const QString &text, Report report)
{
    try {
        showHelp(title, text);
    } catch (const std::exception &e) {
        report(QString::fromUtf8(e.what()));
    }
}

void logOnly(const QString &reason) { Show_NSLog_Message(reason); }

} // namespace

void BarcodeEditor::QR_Version_Help_Btn(QObject *)
{
    help(QStringLiteral("Version :"),
         QStringLiteral("Version is configuration or number of modules (combination of black and white dots)."),
         [this](const QString &reason) { reportFailure(reason); });
}

void BarcodeEditor::QR_EC_Lvl_Help_Btn(QObject *)
{
    help(QStringLiteral("Error correction (EC) level :"),
         QStringLiteral("An error-correction mechanism is built in each symbol so that the symbol can still be "
                        "decoded even if it is damaged."),
         [this](const QString &reason) { reportFailure(reason); });
}

void BarcodeEditor::PDF_row_Help_btn(QObject *)
{
    help(QStringLiteral("PDF Rows :"), QStringLiteral("Number of rows in the PDF barcode."), logOnly);
}

void BarcodeEditor::PDF_col_Help_btn(QObject *)
{
    help(QStringLiteral("PDF Columns :"), QStringLiteral("Number of columns in the PDF barcode."), logOnly);
}

void BarcodeEditor::PDF_ec_lvl_Help_btn(QObject *)
{
    help(QStringLiteral("PDF EC Level :"),
         QStringLiteral("An error-correction mechanism is built in each symbol so that the symbol can still be "
                        "decoded even if it is damaged in PDF barcode."),
         logOnly);
}

void BarcodeEditor::DM_format_Help_btn(QObject *)
{
    help(QStringLiteral("Preferred Format :"), QStringLiteral("Preferred Mode determines the smallest size of the symbol."),
         logOnly);
}

void BarcodeEditor::DM_Encoding_Help_btn(QObject *)
{
    help(QStringLiteral("Encoding Mode :"),
         QStringLiteral("Encoding Mode is mode of compaction to encode data in the symbol."), logOnly);
}

void BarcodeEditor::DPI_Help_Label(QObject *)
{
    help(QStringLiteral("DPI (Dots Per Inch) :"),
         QStringLiteral("Dots per inch is a measure of the resolution of printers in terms of Print Quality.\n\n"
                        "Bigger the DPI, Better the Print Quality. But File size of image also increases, as you "
                        "choose bigger DPI."),
         logOnly);
}
