// The count and record fields of the output and series windows as typed: nothing is put back while typing (a field
// emptied and typed 3 reads 3, not 13); an empty field reads 1 once its editing ends. What assistive
// technology reads there: each field named by its label, not by the box around it; each stepper and
// its arrows named; the nine alignment buttons named by where they put the labels.

#include "app/SKTWindowController.h"
#include "data/Generate_List.h"
#include "data/Generate_List_Barcode.h"
#include "output/ExportWindow.h"
#include "output/Export_Barcode.h"
#include "output/OutputController.h"
#include "output/PDF_Export.h"
#include "output/Print_Wnd.h"
#include "output/Send_Mail.h"
#include "outputjobs/OutputGlobals.h"
#include "platform/Stepper.h"
#include "output/Email_Setting.h"
#include "platform/CountField.h"
#include "support/AppEnvironment.h"
#include "support/LocaleScope.h"
#include "support/NumberFieldSweep.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

TEST(CountFields, TypedAsTypedAndNamedByTheirLabels)
{
    testsupport::AppEnvironment env{QString(), true};
    Total_Batch_Excel_Card = 8;
    Export_Barcode *image = Export_Barcode::defaultInstance();
    Print_Wnd *print = Print_Wnd::defaultInstance();
    PDF_Export *pdf = PDF_Export::defaultInstance();
    Send_Mail *mail = Send_Mail::defaultInstance();
    ExportWindow *labels = &env.controller()->output().exportWindow();
    Generate_List *series = Generate_List::defaultInstance();
    Generate_List_Barcode *list = Generate_List_Barcode::defaultInstance();
    // No batch box left ticked by an earlier opening: the 8 records alone bound the counts.
    for (QCheckBox *batch : {print->print_with_batch_chk, pdf->print_with_batch_chk, mail->send_with_batch_chk,
                             labels->Export_with_batch_chk, labels->Export_with_excel_chk})
        batch->setChecked(false);
    for (QLineEdit *field : {image->from_Text, image->To_Text, image->Total_Text, labels->from_Text, labels->To_Text,
                             labels->Total_Text, print->from_Text, print->To_Text, print->Total_Text, pdf->from_Text,
                             pdf->To_Text, pdf->Total_Text, mail->from_Text, mail->To_Text, mail->Total_Text,
                             mail->mail_count_txt, series->count_txt, series->rand_count_txt,
                             series->rand_length_txt, list->count_txt, list->rand_count_txt, list->rand_length_txt}) {
        for (QWidget *w = field; w; w = w->parentWidget())
            w->setEnabled(true);
        for (const char *typed : {"3", ""}) {
            field->setText(QStringLiteral("5"));
            field->selectAll();
            QTest::keyClicks(field, QLatin1String("\b") + QLatin1String(typed));   // cleared, then typed
            QString seen = field->text() + '|';
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ((seen + field->text()).toStdString(), *typed ? "3|3" : "|1") << field->objectName().toStdString();
        }
    }
    const auto nameOf = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    for (QWidget *window : std::initializer_list<QWidget *>{image, labels, print, pdf, mail}) {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            w->ensurePolished();
            if (auto *label = qobject_cast<QLabel *>(w); label && qobject_cast<QLineEdit *>(label->buddy())) {
                EXPECT_EQ(nameOf(label->buddy()), label->text()) << label->objectName().toStdString();
            }
            const bool field = (qobject_cast<QLineEdit *>(w) && !qobject_cast<QSpinBox *>(w->parentWidget()))
                               || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QSpinBox *>(w)
                               || qobject_cast<platform::Stepper *>(w) || qobject_cast<platform::Stepper *>(w->parentWidget());
            const auto *box = qobject_cast<QGroupBox *>(w->parentWidget());
            EXPECT_FALSE(field && (nameOf(w).isEmpty() || (box && nameOf(w) == box->title())))
                << w->objectName().toStdString() << " is named \"" << nameOf(w).toStdString() << "\"";
        }
    }
    for (QGroupBox *alignment : {print->align_Gp_Bx, pdf->align_Gp_Bx}) {
        QStringList names;   // the form's order, top left to bottom right
        for (QPushButton *b : alignment->findChildren<QPushButton *>())
            names << nameOf(b);
        EXPECT_EQ(names.join('|').toStdString(), "Top left|Top center|Top right|Middle left|Middle center|Middle right|"
                                                 "Bottom left|Bottom center|Bottom right");
    }
}

// Every whole-number field of these windows typed in four locales and ended each way it has (NumberFieldSweep.h).
TEST(CountFields, TakenOrRefusedWhenTheTypingEnds)
{
    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    Total_Batch_Excel_Card = 8;
    PDF_Export *pdf = PDF_Export::defaultInstance();
    Export_Barcode *image = Export_Barcode::defaultInstance();
    ExportWindow *labels = &env.controller()->output().exportWindow();
    Send_Mail *mail = Send_Mail::defaultInstance();
    Generate_List *series = Generate_List::defaultInstance();
    Generate_List_Barcode *list = Generate_List_Barcode::defaultInstance();
    Email_Setting *mailSettings = Email_Setting::defaultInstance();
    for (QCheckBox *batch : {pdf->print_with_batch_chk, mail->send_with_batch_chk, labels->Export_with_batch_chk})
        batch->setChecked(false);
    pdf->width_Stepper->setDoubleValue(10), pdf->height_Stepper->setDoubleValue(10);   // three rows and columns fit
    mail->delayed_box->setEnabled(true);   // the pause fields open
    const QString from = "'From' value", to = "'To' value", all = "1 to 999999", ints = "-2147483648 to 2147483647",
                  grid = "1 to 999", mails = "number of mails between pauses", count = "'Count' value";
    QAbstractButton *const pdfOk = pdf->okButton, *imageOk = image->export_btn_on_export_image,
                           *labelsOk = labels->export_btn_on_export_image, *send = mail->sendButton;
    const std::vector<testsupport::WholeField> fields = {
        {pdf->Total_Text, "total", all, pdfOk}, {pdf->from_Text, from, all, pdfOk}, {pdf->To_Text, to, all, pdfOk},
        {pdf->Row_Text, "number of rows", grid, pdfOk}, {pdf->Col_Text, "number of columns", grid, pdfOk},
        {image->Total_Text, "total", all, imageOk}, {image->from_Text, from, all, imageOk}, {labels->To_Text, to, all, labelsOk},
        {labels->Total_Text, "total", all, labelsOk}, {mail->Total_Text, "total", all, send}, {mail->To_Text, to, all, send},
        {mail->from_Stepper, from, all, nullptr}, {mail->mail_count_txt, mails, all, send}, {mail->mail_count_stepper, mails, all, nullptr},
        {mail->hour_txt, "number of hours", "0 to 99", send}, {mail->min_stepper, "number of minutes", "0 to 59", nullptr},
        {mail->sec_txt, "number of seconds", "0 to 59", send}, {mail->Total_Stepper, "total", all, nullptr},
        {series->count_txt, count, "1 to 10000", series->ok_btn}, {series->rand_length_txt, "'Length' value", "1 to 9", series->ok_btn},
        {series->from_txt, from, ints, series->ok_btn}, {list->rand_count_txt, count, "1 to 10000", list->ok_btn},
        {list->to_txt, to, ints, list->ok_btn}, {mailSettings->_send_mail_port, "port number", "1 to 65535", mailSettings->saveButton},
        {image->To_Text, to, all, imageOk}, {labels->from_Text, from, all, labelsOk}, {mail->from_Text, from, all, send},
        {mail->min_text, "number of minutes", "0 to 59", send}, {series->rand_count_txt, count, "1 to 10000", series->ok_btn},
        {list->count_txt, count, "1 to 10000", list->ok_btn}, {list->rand_length_txt, "'Length' value", "1 to 9", list->ok_btn}};
    EXPECT_EQ(testsupport::wholeFieldFailures(fields, responder), "");
    // Text refused in one field, then another field's arrow pressed, cut by the message: no step, 4 s on too (a window at a time).
    Print_Wnd *print = Print_Wnd::defaultInstance();
    using Pairs = std::vector<std::pair<QLineEdit *, platform::Stepper *>>;
    for (const Pairs &pairs : {Pairs{{print->Total_Text, print->width_Stepper}, {print->height_Text, print->width_Stepper}},
                               Pairs{{pdf->Row_Text, pdf->height_Stepper}},
                               Pairs{{series->rand_length_txt, series->rand_count_stepper}, {list->rand_count_txt, list->rand_length_stepper}}}) {
        std::vector<std::pair<platform::Stepper *, double>> held;
        for (const char *locale : {"C", "de_DE", "ar_EG"})
            for (const auto &[field, arrows] : pairs) {
                const LocaleScope scope(locale);
                held.emplace_back(arrows, arrows->doubleValue());
                EXPECT_TRUE(testsupport::typeAndEnd(*responder, field, field, "1e1", 'C', nullptr, arrows).startsWith("Please enter ")
                            && arrows->doubleValue() == held.back().second) << locale << ' ' << field->objectName().toStdString();
            }
        const auto each = [&](bool on) { return std::all_of(held.begin(), held.end(), [on](auto &h) { return (h.first->doubleValue() != h.second) == on; }); };
        EXPECT_TRUE(!QTest::qWaitFor([&] { return each(true); }, 4000) && each(false)) << pairs.front().second->objectName().toStdString();
        for (const auto &pair : pairs)
            pair.first->window()->hide();
    }
}
