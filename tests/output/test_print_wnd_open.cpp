// The print dialog opened as the user opens it: from Print in every mode, with the totals, limits,
// options and label size of each mode; the grid, alignment and auto-centre controls; Cancel.

#include "PrintDialogFixture.h"

#include "advqr/AdvQrController.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "app/SKTWindowController.h"
#include "design/DesignCommands.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "output/Sample_Preview.h"
#include "platform/Float_Num_Formatter.h"
#include "platform/StepperField.h"
#include "output/GapFields.h"
#include "output/LabelSizeFields.h"
#include "support/LocaleScope.h"
#include "support/PageSetupAnswer.h"
#include "support/NumberFieldSweep.h"
#include "support/Editions.h"
#include "outputjobs/LabelCatalogue.h"
#include "outputjobs/OutputGlobals.h"
#include "outputjobs/Print_Wnd_PaperNames.h"
#include "core/Globals.h"
#include "core/Edition.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

using printtest::PrintDialog;

QString mm(double points) { return QString::asprintf("%.2f", points * 25.4 / 72.0); }

TEST_F(PrintDialog, PrintInTheToolbarOpensTheDialogInEveryMode)
{
    int shown = 0;
    responder->onModal = [&](QDialog &dialog) {
        EXPECT_EQ(&dialog, w);
        ++shown;
        return 0;
    };
    int expected = 0;
    if (!ONLY_QR_MODE) {
        c->Barcode_Mode_Select();
        commandsOf(c->design()).Print_Button();
        EXPECT_EQ(shown, ++expected) << "Barcode mode";
    }
    c->Designing_Mode_Select();
    commandsOf(c->design()).Print_Button();
    EXPECT_EQ(shown, ++expected) << "Designing mode";
    if (!ONLY_STD_MODE) {
        c->Advance_QR_Mode_Select();
        c->advQr().Qr_Text->Text_Field->setPlainText(QStringLiteral("hello"));
        // The symbol the mode shows (its making is the mode's own business).
        const platform::Picture qr = platform::Picture::fromImage(QImage(84, 84, QImage::Format_Mono));
        c->advQr().image_adv_QR = qr;
        c->advQr().QR_barcodeImage->setPicture(qr);
        commandsOf(c->design()).Print_Button();
        EXPECT_EQ(shown, ++expected) << "Advanced QR mode";
        EXPECT_FALSE(Barcode_Image->isNull());
        // The profile loaded at opening runs the fit, which reads the size back from the field's
        // hundredths of a millimetre.
        EXPECT_NEAR(label_width, float(c->advQr().QR_barcodeImage->picture().size().width()), 0.03);
    }
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
}

TEST_F(PrintDialog, BarcodeModeWithoutBatchPrintsOneSymbolOfItsOwnSize)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    makeSymbol(QStringLiteral("Code 128"), QStringLiteral("TAGORA-45"));
    const QSizeF symbol = c->barcodeMode().barcodeImage->picture().size();
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("1"));
        EXPECT_EQ(w->To_Text->text(), QStringLiteral("1"));
        EXPECT_EQ(w->from_Text->text(), QStringLiteral("1"));
        EXPECT_EQ(w->Total_Stepper->maxValue(), 999999);
        EXPECT_FALSE(w->print_with_batch_chk->isChecked());
        EXPECT_FALSE(w->print_with_batch_chk->isEnabled());
        EXPECT_FALSE(w->export_range_box->isEnabled());
        EXPECT_TRUE(w->Total_Text->isEnabled());
        EXPECT_TRUE(w->skip_inavlid_chk->isHidden());
        EXPECT_TRUE(w->print_qty_chk->isHidden());
        EXPECT_TRUE(w->crop_mark_chk->isHidden());
        EXPECT_TRUE(w->fit_frame_chk->isHidden());
        EXPECT_EQ(w->width_Text->text(), mm(symbol.width()));
        EXPECT_EQ(w->height_Text->text(), mm(symbol.height()));
        EXPECT_TRUE(w->width_Stepper->isEnabled());
        EXPECT_NEAR(w->width_Stepper->doubleValue(), symbol.width() * 25.4 / 72, 1e-3);
        EXPECT_EQ(label_width, float(symbol.width()));
        EXPECT_TRUE(w->rd_manual->isChecked());
        EXPECT_EQ(label_align_val, 1);
        EXPECT_EQ(w->Paper_id->text(), QStringLiteral("A4"));
        EXPECT_EQ(w->Size_id->text(), QStringLiteral("210.00 x 297.00"));
        for (QLabel *margin : {w->l_mar_id, w->r_mar_id, w->t_mar_id, w->b_mar_id})
            EXPECT_EQ(margin->text(), QStringLiteral("6.35"));
        EXPECT_FLOAT_EQ(Left_Mar, 18);
        EXPECT_NEAR(Top_Mar, 18, 1e-3);
    });
}

TEST_F(PrintDialog, TheValueListsPrintQuantitiesAreTheTotalAndItsLimit)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    BarcodeModeController &b = c->barcodeMode();
    b.data_source_chkbox->click();
    ASSERT_TRUE(b.Custom_Sheet_RD->isChecked());
    b.ListData_barcode.clear();
    for (const char *pq : {"2", "1", "5"})
        b.Create_Item_List(QStringLiteral("V%1").arg(QLatin1String(pq)), {}, {}, QLatin1String(pq), b.ListData_barcode.size());
    b.barcode_value_chk->setChecked(true);
    b.Check_Data_Sheet_Value_Use_or_Not_Barcode();
    ASSERT_TRUE(Use_Data_Sheet_Values);
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("8"));
        EXPECT_EQ(w->Total_Stepper->maxValue(), 8);
        EXPECT_TRUE(w->print_with_batch_chk->isChecked());
        EXPECT_TRUE(w->print_qty_chk->isChecked());
        EXPECT_FALSE(w->print_qty_chk->isHidden());
        EXPECT_TRUE(w->skip_inavlid_chk->isChecked());
        EXPECT_TRUE(w->export_range_box->isEnabled());
        EXPECT_TRUE(skip_invalid_barcode);
        EXPECT_TRUE(print_wd_pq_opt);
        EXPECT_EQ(Total_Label_Wd_PQ, 8);
        EXPECT_EQ(b.List_Barcode_Grid_Value.size(), 8);
    });
}

TEST_F(PrintDialog, DesigningModeCountsTheBatchsCardsAndTakesTheCardsSize)
{
    c->Designing_Mode_Select();
    workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(180, 90));
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("1"));
        EXPECT_FALSE(w->print_with_batch_chk->isChecked());
        EXPECT_FALSE(w->print_with_batch_chk->isEnabled());
        EXPECT_FALSE(w->export_range_box->isEnabled());
        EXPECT_EQ(w->Total_Stepper->maxValue(), 999999);
    });
    // With batch data the range is offered again, whatever the last opening left.
    Use_Data_Sheet_Values = true;
    Total_Batch_Excel_Card = 120;
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("120"));
        EXPECT_EQ(w->To_Text->text(), QStringLiteral("120"));
        EXPECT_EQ(w->To_Stepper->doubleValue(), 120);
        EXPECT_EQ(w->Total_Stepper->maxValue(), 120);
        EXPECT_TRUE(w->print_with_batch_chk->isChecked());
        EXPECT_TRUE(w->export_range_box->isEnabled());
        EXPECT_FALSE(w->width_Stepper->isEnabled());
        EXPECT_FALSE(w->height_Stepper->isEnabled());
        EXPECT_EQ(w->width_Text->text(), mm(180));
        EXPECT_EQ(w->height_Text->text(), mm(90));
        EXPECT_TRUE(w->skip_inavlid_chk->isHidden());
    });
}

TEST_F(PrintDialog, RowsAndColumnsWithoutBatchAreTheTotal)
{
    c->Designing_Mode_Select();
    workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(100, 50));
    open([&] {
        type(w->Row_Text, QStringLiteral("3"));
        type(w->Col_Text, QStringLiteral("4"));
        EXPECT_EQ(Print_Row, 3);
        EXPECT_EQ(Print_Col, 4);
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("12"));
        EXPECT_EQ(Total_Label, 12);
        EXPECT_EQ(w->Row_Stepper->intValue(), 3);
        // The steppers step the same pairs.
        w->Col_Stepper->stepUp();
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("5"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("15"));
        // More columns than fit drop to what fits, and the field shows it: 515 points wide is 5.
        type(w->Col_Text, QStringLiteral("9"));
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("5"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("15"));
    });
    // Return ended the editing of each field and pressed no button: nothing but the dialog ran.
    EXPECT_EQ(responder->modalCount, 1);
}

TEST_F(PrintDialog, TheNineAlignmentButtonsAndTheirPictures)
{
    c->Designing_Mode_Select();
    const std::vector<QPushButton *> buttons = {w->top_left_btn, w->top_center_btn, w->top_rite_btn,
                                                w->mid_left_btn, w->mid_center_btn, w->mid_rite_btn,
                                                w->bot_left_btn, w->bot_center_btn, w->bot_rite_btn};
    open([&] {
        const qint64 plain = buttons[4]->icon().cacheKey();
        for (size_t i = 0; i < buttons.size(); ++i) {
            buttons[i]->click();
            EXPECT_EQ(label_align_val, int(i) + 1);
            for (size_t k = 0; k < buttons.size(); ++k) {
                EXPECT_FALSE(buttons[k]->icon().isNull()) << k;
                EXPECT_EQ(buttons[k]->isChecked(), k == i) << i << " " << k;
            }
        }
        // Each button has a picture of its own, plain and selected.
        buttons[4]->click();
        EXPECT_NE(buttons[4]->icon().cacheKey(), plain);
        const QImage a = buttons[0]->icon().pixmap(28).toImage(), b = buttons[2]->icon().pixmap(28).toImage();
        EXPECT_NE(a, b);
        // The predefined layout forces the top-left and the manual one brings the choice back.
        w->rd_predefined->click();
        EXPECT_EQ(label_align_val, 1);
        w->rd_manual->click();
        EXPECT_EQ(label_align_val, 5);
    });
}

TEST_F(PrintDialog, AutoCentreLocksTheGapsAndTheAlignment)
{
    c->Designing_Mode_Select();
    workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(MM_to_Points_Convert(60), 40));
    open([&] {
        type(w->Col_Text, QStringLiteral("3"));
        w->Auto_Center_chk_bx->click();
        EXPECT_TRUE(auto_center_flag);
        EXPECT_FALSE(w->horz_mar_Stepper->isEnabled());
        EXPECT_FALSE(w->align_Gp_Bx->isEnabled());
        // 210 mm less 2 x 6.35 of margins, less 3 x 60: four gaps of 4.075 mm.
        EXPECT_NEAR(horz_mar, MM_to_Points_Convert((210 - 12.7f - 180) / 4), 0.01);
        w->Auto_Center_chk_bx->click();
        EXPECT_FALSE(auto_center_flag);
        EXPECT_TRUE(w->horz_mar_Stepper->isEnabled());
        EXPECT_TRUE(w->align_Gp_Bx->isEnabled());
        EXPECT_EQ(horz_mar, 0);
    });
}

// Four 60 mm columns auto-centred: the three that fit are spread, and the preview is drawn once.
TEST_F(PrintDialog, AnEditOfTheGridSettlesTheFitAndDrawsThePreviewOnce)
{
    c->Designing_Mode_Select();
    workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(MM_to_Points_Convert(60), 40));
    open([&] {
        w->Auto_Center_chk_bx->click();
        const int drawn = w->PrintView->sheetsDrawn();
        type(w->Col_Text, QStringLiteral("4"));
        EXPECT_EQ(w->PrintView->sheetsDrawn(), drawn + 1);
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("3"));
        EXPECT_NEAR(horz_mar, MM_to_Points_Convert((210 - 12.7f - 180) / 4), 0.01);
        EXPECT_EQ(w->horz_mar_Text->text(), QStringLiteral("4.32"));
    });
}

TEST_F(PrintDialog, CancelEndsTheRunAndClearsTheFrameAndCropOptions)
{
    c->Designing_Mode_Select();
    EXPECT_EQ(open([&] {
                  Fit_Picture_To_Frame = Enable_Crop_Marks = true;
                  w->cancelButton->click();
                  EXPECT_FALSE(w->isVisible());
              }),
              1);
    EXPECT_FALSE(Fit_Picture_To_Frame);
    EXPECT_FALSE(Enable_Crop_Marks);
    EXPECT_EQ(w->result(), 0);
    // Escape is Cancel, and closing the window ends the run too.
    open([&] {
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    });
    open([&] {
        w->close();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_TRUE(messages().isEmpty());
}

// An opening starts from the same state whatever the last one left.
TEST_F(PrintDialog, EveryOpeningResetsTheLayout)
{
    c->Designing_Mode_Select();
    open([&] {
        type(w->Row_Text, QStringLiteral("2"));
        w->Auto_Center_chk_bx->click();
        w->rd_predefined->click();
        w->Show_Margins->setChecked(false);
        Show_margin_rect = false;
        w->Sel_print_rd->click();
        w->cancelButton->click();
    });
    open([&] {
        EXPECT_EQ(Print_Row, 1);
        EXPECT_EQ(w->Row_Text->text(), QStringLiteral("1"));
        EXPECT_FALSE(w->Auto_Center_chk_bx->isChecked());
        EXPECT_FALSE(auto_center_flag);
        EXPECT_EQ(Manual_or_Pre, 0);
        EXPECT_TRUE(w->predefine_prop_Gp_Bx->isHidden());
        EXPECT_TRUE(Show_margin_rect);
        EXPECT_TRUE(w->Show_Margins->isChecked());
        EXPECT_TRUE(w->All_print_rd->isChecked());
        EXPECT_FALSE(w->from_Text->isEnabled());
        EXPECT_EQ(label_align_val, 1);
    });
}

TEST_F(PrintDialog, TheRangeRuleSetsTotalsAndLimits)
{
    c->Designing_Mode_Select();
    open([&] {
        struct Case {
            bool batch;
            int value, max;
            const char *setFor;
            const char *total, *to, *from;
            int limit;
        };
        const Case cases[] = {
            {false, 0, 5, "TOT", "1", nullptr, nullptr, 999999},
            {false, 2000000, 5, "A", "999999", "999999", "1", 999999},
            {true, 7, 40, "TO", nullptr, "7", nullptr, 40},
            {true, 30, 40, "A", "30", "30", "9", 40},
        };
        for (const Case &k : cases) {
            w->print_with_batch_chk->setChecked(k.batch);
            w->from_Text->setText(QStringLiteral("9"));
            w->Total_Text->setText(QStringLiteral("?"));
            w->To_Text->setText(QStringLiteral("?"));
            w->Set_Tot_Value(k.value, k.max, QLatin1String(k.setFor));
            EXPECT_EQ(w->Total_Text->text(), k.total ? QLatin1String(k.total) : QLatin1String("?")) << k.value;
            EXPECT_EQ(w->To_Text->text(), k.to ? QLatin1String(k.to) : QLatin1String("?")) << k.value;
            EXPECT_EQ(w->from_Text->text(), k.from ? QLatin1String(k.from) : QLatin1String("9")) << k.value;
            for (platform::Stepper *s : {w->Total_Stepper, w->To_Stepper, w->from_Stepper})
                EXPECT_EQ(s->maxValue(), k.limit) << k.value;
        }
        w->cancelButton->click();
    });
}

// Decimal fields take empty text or one number with blanks around it; as typed, the start of a number
// stands, a character no number holds does not. A comma is the decimal point in every locale; what is no
// number for the field is refused with a message saying why, the value kept; the fit uses what is shown.
TEST_F(PrintDialog, DecimalFieldsTakeOnlyNumbers)
{
    // Typed key by key, then what a size and a gap or margin field shows, or its refusal: unreadable, below 0, range.
    const char *const rows[][3] = {{",x5", "0.50", ",5"}, {"-", "u", "u"}, {"-2,5", "<", "<"}, {"0,", "<", "0,"},
                                   {"1e2", "u", "u"}, {"1.234,5", "u", "u"}, {"12,5", "12.50", "12,5"},
                                   {"12.5", "12.50", "12.5"}, {"0.005", "r", "0.005"}, {"1.2345", "1.23", "1.2345"}};
    const std::tuple<QLineEdit *Print_Wnd::*, const char *, float *> fields[] = {
        {&Print_Wnd::width_Text, "label width", &label_width}, {&Print_Wnd::horz_mar_Text, "horizontal gap", &horz_mar},
        {&Print_Wnd::vert_mar_Text, "vertical gap", &vert_mar}, {&Print_Wnd::horz_mar_Text_pre, "horizontal gap", &horz_mar},
        {&Print_Wnd::left_mar_pre, "left margin", &Left_Mar}, {&Print_Wnd::top_mar_pre, "top margin", &Top_Mar}};
    for (const char *locale : {"C", "de_DE"}) {
        LocaleScope scope(locale);
        open([&] {
            for (const auto &[field, name, used] : fields) {
                const bool size = used == &label_width;
                ((w->*field)->objectName().endsWith(QLatin1String("_pre")) ? w->rd_predefined : w->rd_manual)->click();
                const QMap<QString, QString> said{
                    {"u", QStringLiteral("Please enter the %1 as a number, such as 12.5.").arg(name)},
                    {"<", size ? labelsize::Width_Message : QStringLiteral("Please enter a %1 of 0 mm or more.").arg(name)},
                    {"r", QStringLiteral("Please enter a label width from 0.01 to 10000.00 mm.")}};
                for (const auto &row : rows) {
                    SCOPED_TRACE(std::string(locale) + " " + (w->*field)->objectName().toStdString() + " " + row[0]);
                    responder->alerts.clear();
                    const QString before = (w->*field)->text(), out = QString(row[size ? 1 : 2]).replace('.', size ? QLocale().decimalPoint() : ".");
                    type(w->*field, QLatin1String(row[0]));
                    EXPECT_EQ(messages(), said.contains(out) ? QStringList{said[out]} : QStringList());
                    const double now = platform::fieldValue((w->*field)->text());
                    EXPECT_TRUE(said.contains(out) ? now == platform::fieldValue(before) : (w->*field)->text() == out);
                    EXPECT_NEAR(*used, MM_to_Points_Convert(float(now)), 1e-3);
                }
            }
            w->cancelButton->click();
        });
    }
    open([&] {   // the manual label's size in every locale, however the typing ends
        w->rd_manual->click();
        EXPECT_EQ(testsupport::sweepNumberFields({{w->width_Text, w->width_Stepper, "label width"}, {w->height_Text, w->height_Stepper, "label height"}},
                                                 *responder), "");
        w->cancelButton->click();
    });
    c->Designing_Mode_Select();
    open([&] {
        for (QLineEdit *field : {w->width_Text, w->horz_mar_Text, w->vert_mar_Text, w->left_mar_pre})
            EXPECT_NE(qobject_cast<const Float_Num_Formatter *>(field->validator()), nullptr);
        type(w->horz_mar_Text, QStringLiteral(" 2x,5"));
        EXPECT_EQ(w->horz_mar_Text->text(), QStringLiteral(" 2,5"));
        EXPECT_DOUBLE_EQ(w->horz_mar_Stepper->doubleValue(), 2.5);
        // An arrow ends the typing first, and steps from nothing refused: the value stays.
        w->horz_mar_Text->selectAll();
        QTest::keyClicks(w->horz_mar_Text, QStringLiteral("1e2"));
        w->horz_mar_Stepper->stepUp();
        EXPECT_DOUBLE_EQ(w->horz_mar_Stepper->doubleValue(), 2.5);
        // Emptied or above the page's room, a gap is refused however its typing ends (Print too); the layout keeps it.
        for (const auto &[field, stepper, used, what, most] : {std::tuple{w->horz_mar_Text, w->horz_mar_Stepper, &horz_mar, "horizontal gap", "197.30"},
                                                               std::tuple{w->vert_mar_Text_pre, w->vert_mar_Stepper_pre, &vert_mar, "vertical gap", "287.03"}})
            for (const QString &typed : {QString(), QString(40, '9')})
                for (const char ending : {'R', 'T', 'S', 'O'}) {
                    (field == w->horz_mar_Text ? w->rd_manual : w->rd_predefined)->click(), field->selectAll(), QTest::keyClick(field, Qt::Key_Backspace);
                    const QString kept = QStringLiteral("%1 %1 %1").arg(stepper->doubleValue(), 0, 'f', 2);
                    const QString said = testsupport::typeAndEnd(*responder, field, field, typed, ending, w->printButton, stepper);
                    EXPECT_EQ(QStringLiteral("%1 | %2 %3 %4").arg(said).arg(platform::fieldValue(field), 0, 'f', 2).arg(stepper->doubleValue(), 0, 'f', 2)
                                  .arg(Points_to_MM_Convert(*used), 0, 'f', 2).toStdString(),
                              QStringLiteral("Please enter a %1 %2 | %3").arg(what, typed.isEmpty() ? "of 0 mm or more." : QStringLiteral("from 0.00 to %1 mm.").arg(most), kept).toStdString()) << ending;
                }
        // The gaps in every locale, its digits and decimal sign, however the typing ends (the card's size is the label's).
        w->rd_manual->click();
        EXPECT_EQ(testsupport::sweepNumberFields({{w->horz_mar_Text, w->horz_mar_Stepper, "horizontal gap"}, {w->vert_mar_Text, w->vert_mar_Stepper, "vertical gap"}},
                                                 *responder), "");
        w->cancelButton->click();
    });
    for (const char *locale : {"C", "de_DE"}) {   // gaps that stood on A4, then A5 in Page Setup: cut to its room, said once in the locale's own form
        LocaleScope scope(locale);
        setPaper(QPageSize::A4, QPageLayout::Portrait, 18);
        open([&] {
            type(w->horz_mar_Text, "150"), type(w->vert_mar_Text, "200"), responder->alerts.clear(), w->pagesetup_btn->click(), w->Check_Max_Cell_Value();
            EXPECT_EQ((messages() << w->horz_mar_Text->text() << w->vert_mar_Text->text()).join('|'),
                      QString("The horizontal gap was cut to 135#30 mm and the vertical gap to 197#30 mm, the most the page has room for.|135#30|197#30")
                          .replace('#', QLocale().decimalPoint()));
            w->cancelButton->click();
        }, testsupport::PageSetupAnswer{QPageSize(QPageSize::A5)});
    }
    // Page Setup's own margin and custom size fields, typed key by key in every locale: what the window then shows,
    // or the field's message ("u": no number, "r": out of range) and the value kept as the panel showed it.
    const char *const panelRows[][3] = {{"101.6", "r", "101.60"}, {"101,6", "r", "101.60"}, {"12.5", "12.50", "12.50"},
                                        {"12,5", "12.50", "12.50"}, {"0,5", "0.50", "0.50"}, {"1.234,5", "u", "u"},
                                        {"1,234.5", "u", "u"}, {"1e1", "u", "u"}, {"١٢٫٥", "12.50", "12.50"}, {"", "r", "r"},
                                        {"0", "0.00", "r"}};
    for (const std::string locale : {"C", "de_DE", "ar_EG", "fa_IR"}) {
        LocaleScope scope(locale.c_str());
        QString typed;
        bool size = false;
        open([&] {
            for (const auto &row : panelRows)
                for (const bool sized : {false, true}) {
                    typed = *row[0] ? QString::fromUtf8(row[0]) : QString(40, QLatin1Char('9'));
                    size = sized;
                    const QString out = typed.startsWith(QChar(0x0661)) && locale != "ar_EG" ? "u" : row[1 + size];
                    const QString what = size ? QStringLiteral("paper width") : QStringLiteral("left margin");
                    const QString said = out == "u"   ? QStringLiteral("Please enter the %1 as a number, such as 12.5.").arg(what)
                                         : out == "r" ? QStringLiteral("Please enter a %1 from ").arg(what) : QString();
                    QLabel *shown = size ? w->Size_id : w->l_mar_id;
                    const QString kept = size ? QStringLiteral("100.00") : shown->text();
                    responder->alerts.clear();
                    w->pagesetup_btn->click();
                    EXPECT_EQ((messages().join('|').left(said.size()) + " | " + shown->text().section(' ', 0, 0)).toStdString(),
                              (said + " | " + (said.isEmpty() ? out : kept)).toStdString()) << locale << ' ' << qPrintable(typed);
                }
            w->cancelButton->click();
        }, [&](QDialog &dialog) {
            return testsupport::PageSetupAnswer{QPageSize(QSizeF(100, 150), QPageSize::Millimeter), QPageLayout::Portrait,
                                                size ? std::optional(QMarginsF()) : std::nullopt, true, nullptr, typed,
                                                size ? "pageWidth" : "leftMargin"}(dialog);
        });
    }
    // The whole-number fields, typed in every locale and ended as a user ends them (Print takes the typing first).
    open([&] {
        w->export_range_box->setEnabled(true), w->from_Text->setEnabled(true), w->To_Text->setEnabled(true);
        for (platform::Stepper *side : {w->width_Stepper, w->height_Stepper, w->width_Stepper_pre, w->height_Stepper_pre})
            side->setDoubleValue(10);   // labels of 10 mm: three rows and columns fit the page
        const QString all = "1 to 999999", grid = "1 to 999", rows = "number of rows", columns = "number of columns";
        EXPECT_EQ(testsupport::wholeFieldFailures({{w->Total_Text, "total", all, w->printButton}, {w->from_Text, "'From' value", all, w->printButton},
                                                   {w->To_Text, "'To' value", all, w->printButton}, {w->Row_Text, rows, grid, w->printButton},
                                                   {w->Col_Text, columns, grid, w->printButton}, {w->Row_Text_pre, rows, grid, w->printButton},
                                                   {w->Col_Text_pre, columns, grid, w->printButton}}, responder), "");
        w->cancelButton->click();
    });
    struct Case {
        const char *text;
        bool accepted;
    };
    for (const Case k : {Case{"", true}, Case{"12", true}, Case{"  12.5  ", true}, Case{"-3", true}, Case{"1e2", false},
                         Case{"-", false}, Case{".", false}, Case{"1.2.3", false}, Case{"12mm", false}, Case{"inf", false},
                         Case{"nan", false}, Case{"1,5", true}, Case{"+", false}, Case{"1,2,3", false}, Case{"1.000,5", false}})
        EXPECT_EQ(GapFields::Refusal(QLatin1String(k.text), "gap") != labelsize::Unreadable_Message("gap"), k.accepted) << k.text;
}

// Every shipped product in every locale: its sizes and gaps read back as the catalogue gives them, the sheet's pitch
// is theirs, and Print refuses none (on A5, which no product is on, it first asks about the paper: No).
TEST_F(PrintDialog, EveryStockProductPrintsInEveryLocale)
{
    setPaper(QPageSize::A5, QPageLayout::Portrait, 0);
    QStringList wrong;
    for (const char *locale : {"C", "en_US", "de_DE", "ar_EG", "fa_IR"}) {
        LocaleScope scope(locale);
        open([&] {
            w->rd_predefined->click();
            for (int vendor = 1; vendor < w->Label_ComboBox->count(); ++vendor)
                for (int p = (w->Label_ComboBox->setCurrentIndex(vendor), 0); p < w->Product_num_ComboBox->count(); ++p) {
                    w->Product_num_ComboBox->setCurrentIndex(p);
                    const auto l = labelstock::Predefined_Layout(w->prod_list.at(size_t(p)), &Find_Papaer_Name_From_Size);
                    QStringList read;   // each field's value, or what it reads instead of the product's
                    for (const auto &[f, value] : {std::pair{w->width_Text_pre, l.labelWidth}, std::pair{w->height_Text_pre, l.labelHeight},
                                                   std::pair{w->horz_mar_Text_pre, l.horzGap}, std::pair{w->vert_mar_Text_pre, l.vertGap}})
                        read << (std::abs(platform::fieldValue(f) - value) < 1e-4 ? QStringLiteral("=") : QString::number(platform::fieldValue(f)));
                    responder->alerts.clear(), responder->alertAnswers = {QStringLiteral("No")}, w->printButton->click();
                    const QString got = QStringLiteral("%1 | %2 %3 | %4").arg(read.join(' ')).arg(Points_to_MM_Convert(label_width + horz_mar), 0, 'f', 2)
                                            .arg(Points_to_MM_Convert(label_hight + vert_mar), 0, 'f', 2).arg(messages().value(0).left(16));
                    const QString want = QStringLiteral("= = = = | %1 %2 | The Printer Pape").arg(l.labelWidth + l.horzGap, 0, 'f', 2).arg(l.labelHeight + l.vertGap, 0, 'f', 2);
                    if (got != want)
                        wrong << QStringLiteral("%1 %2: %3, not %4").arg(locale, w->Product_num_ComboBox->currentText(), got, want);
                }
            w->cancelButton->click();
        });
    }
    EXPECT_EQ(wrong.join('\n').toStdString(), "");
}

TEST_F(PrintDialog, OrientationTurnsThePageSetup)
{
    c->Designing_Mode_Select();
    open([&] {
        pick(w->Orient_ComboBox, QStringLiteral("Landscape"));
        EXPECT_EQ(printInfo->pageLayout.orientation(), QPageLayout::Landscape);
        EXPECT_EQ(w->Size_id->text(), QStringLiteral("297.00 x 210.00"));
        EXPECT_EQ(w->Paper_id->text(), QStringLiteral("A4"));
        EXPECT_EQ(w->PrintView->width(), 842);
        pick(w->Orient_ComboBox, QStringLiteral("Portrait"));
        EXPECT_EQ(printInfo->pageLayout.orientation(), QPageLayout::Portrait);
        EXPECT_EQ(w->Size_id->text(), QStringLiteral("210.00 x 297.00"));
    });
}

// The page layout panel runs through the responder on the page setup; OK brings its paper and
// margins into the dialog, Cancel changes nothing.
TEST_F(PrintDialog, PageSetupChangesThePaperAndMargins)
{
    c->Designing_Mode_Select();
    bool confirm = true;
    QMarginsF margins(36, 36, 36, 36);
    const auto panel = [&](QDialog &dialog) {
        return testsupport::PageSetupAnswer{QPageSize(QPageSize::Letter), QPageLayout::Portrait, margins, confirm}(dialog);
    };
    open(
        [&] {
            confirm = false;
            w->pagesetup_btn->click();
            EXPECT_EQ(w->Paper_id->text(), QStringLiteral("A4"));
            confirm = true;
            w->pagesetup_btn->click();
            EXPECT_EQ(w->Paper_id->text(), QStringLiteral("Letter"));
            EXPECT_EQ(w->Size_id->text(), QStringLiteral("215.90 x 279.40"));
            EXPECT_EQ(w->l_mar_id->text(), QStringLiteral("12.70"));
            EXPECT_NEAR(Bot_Mar, 36, 1e-3);
            margins = QMarginsF(300, 36, 320, 36);   // leaving nothing of the paper: refused with the reason
            w->pagesetup_btn->click();
        },
        panel);
    EXPECT_EQ(messages().join('|').toStdString(), "The margins chosen leave nothing of the paper \"Letter / ANSI A\" to print on; the "
                                                  "page setup is unchanged.");
}

} // namespace
