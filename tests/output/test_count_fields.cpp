// The count and record fields of the output windows as a user types into them: nothing is put back
// while typing (clearing a field and typing 3 reads 3, not 13); an empty field reads 1 once its
// editing ends.

#include "barcodemode/batch_fixture.h"

#include "design/DesignCommands.h"
#include "design/DesignController.h"
#include "output/ExportWindow.h"
#include "output/Export_Barcode.h"
#include "output/OutputController.h"
#include "output/PDF_Export.h"
#include "output/Print_Wnd.h"
#include "output/Send_Mail.h"
#include "outputjobs/OutputGlobals.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace batch_test;

namespace {

class CountFields : public BatchWindow {
protected:
    void TearDown() override { Export_Barcode::defaultInstance()->Run_Dialog = nullptr; }
    // The user selects the field's text (5), deletes it and types; each step as the field then reads.
    static QStringList typeInto(QLineEdit *field, const QString &text)
    {
        for (QWidget *w = field; w; w = w->parentWidget())
            w->setEnabled(true);
        field->window()->show();
        field->setFocus();
        field->setText(QStringLiteral("5"));
        QStringList seen;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        seen << field->text();
        QTest::keyClicks(field, text);
        seen << field->text();
        QTest::keyClick(field, Qt::Key_Return);
        seen << field->text();
        return seen;
    }
};

TEST_F(CountFields, NothingIsPutBackWhileTypingAndEmptyReadsOneAtTheEnd)
{
    Total_Batch_Excel_Card = 8;
    Export_Barcode *image = Export_Barcode::defaultInstance();
    Print_Wnd *print = Print_Wnd::defaultInstance();
    PDF_Export *pdf = PDF_Export::defaultInstance();
    Send_Mail *mail = Send_Mail::defaultInstance();
    ExportWindow *labels = &c->output().exportWindow();
    // No batch box left ticked by an earlier opening: the counts are bounded by the 8 records alone.
    for (QCheckBox *batch : {print->print_with_batch_chk, pdf->print_with_batch_chk, mail->send_with_batch_chk,
                             labels->Export_with_batch_chk, labels->Export_with_excel_chk})
        batch->setChecked(false);
    const std::pair<const char *, QLineEdit *> fields[] = {
        {"image From", image->from_Text}, {"image To", image->To_Text},   {"image Total", image->Total_Text},
        {"label From", labels->from_Text}, {"label To", labels->To_Text}, {"label Total", labels->Total_Text},
        {"print From", print->from_Text}, {"print To", print->To_Text},   {"print Total", print->Total_Text},
        {"PDF From", pdf->from_Text},     {"PDF To", pdf->To_Text},       {"PDF Total", pdf->Total_Text},
        {"mail From", mail->from_Text},   {"mail To", mail->To_Text},     {"mail Total", mail->Total_Text},
        {"mail count", mail->mail_count_txt},
    };
    for (const auto &[name, field] : fields) {
        EXPECT_EQ(typeInto(field, QStringLiteral("3")).join('|').toStdString(), "|3|3") << name;
        EXPECT_EQ(typeInto(field, QString()).join('|').toStdString(), "||1") << name;
        field->window()->hide();
    }
}

TEST_F(CountFields, ARangeTypedFromThreeExportsRecordsThreeToFive)
{
    choose(QStringLiteral("Code 128"));
    tickBatch();
    QList<Rec> records;
    for (int i = 1; i <= 6; ++i)
        records.append({QStringLiteral("R-%1").arg(i), "", "", "1"});
    setList(records);
    QTemporaryDir destination;
    Export_Barcode *dlg = Export_Barcode::defaultInstance();
    dlg->Run_Dialog = [&](QDialog &shown) {
        shown.show();
        shown.setResult(-1);
        dlg->exp_rad_sv->click();
        dlg->Sel_print_rd->click();
        typeInto(dlg->from_Text, QStringLiteral("3"));
        typeInto(dlg->To_Text, QStringLiteral("5"));
        dlg->Export_barcode_Dest_Path->setText(destination.path());
        dlg->export_btn_on_export_image->click();
        return shown.result() == 1 ? 1 : 0;
    };
    c->design().commands().Export_Button();
    EXPECT_EQ(QDir(destination.filePath(QStringLiteral("QIRO Barcode"))).entryList(QDir::Files, QDir::Name).join('|').toStdString(),
              "R-3.JPG|R-4.JPG|R-5.JPG");
}

} // namespace
