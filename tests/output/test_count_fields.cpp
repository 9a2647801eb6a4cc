// The count and record fields of the output windows as typed: nothing is put back while typing (a
// field emptied and typed 3 reads 3, not 13); an empty field reads 1 once its editing ends.

#include "app/SKTWindowController.h"
#include "output/ExportWindow.h"
#include "output/Export_Barcode.h"
#include "output/OutputController.h"
#include "output/PDF_Export.h"
#include "output/Print_Wnd.h"
#include "output/Send_Mail.h"
#include "outputjobs/OutputGlobals.h"
#include "support/AppEnvironment.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(CountFields, NothingIsPutBackWhileTypingAndEmptyReadsOneAtTheEnd)
{
    testsupport::AppEnvironment env{QString(), true};
    Total_Batch_Excel_Card = 8;
    const Export_Barcode *image = Export_Barcode::defaultInstance();
    const Print_Wnd *print = Print_Wnd::defaultInstance();
    const PDF_Export *pdf = PDF_Export::defaultInstance();
    const Send_Mail *mail = Send_Mail::defaultInstance();
    const ExportWindow *labels = &env.controller()->output().exportWindow();
    // No batch box left ticked by an earlier opening: the 8 records alone bound the counts.
    for (QCheckBox *batch : {print->print_with_batch_chk, pdf->print_with_batch_chk, mail->send_with_batch_chk,
                             labels->Export_with_batch_chk, labels->Export_with_excel_chk})
        batch->setChecked(false);
    for (QLineEdit *field : {image->from_Text, image->To_Text, image->Total_Text, labels->from_Text, labels->To_Text,
                             labels->Total_Text, print->from_Text, print->To_Text, print->Total_Text, pdf->from_Text,
                             pdf->To_Text, pdf->Total_Text, mail->from_Text, mail->To_Text, mail->Total_Text,
                             mail->mail_count_txt}) {
        for (QWidget *w = field; w; w = w->parentWidget())
            w->setEnabled(true);
        for (const char *typed : {"3", ""}) {
            field->setText(QStringLiteral("5"));
            QStringList seen;
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, QString::fromLatin1(typed));
            seen << field->text();
            QTest::keyClick(field, Qt::Key_Return);
            seen << field->text();
            EXPECT_EQ(seen.join('|').toStdString(), *typed ? "3|3" : "|1") << field->objectName().toStdString();
        }
    }
}
