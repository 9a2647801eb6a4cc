// The PDF export dialog as the user works it: the fit of the grid to A4, the total following the
// grid, the two families of output options keeping the sheet's values, label pages, the series a
// design can name files by, the naming list of each mode, and typed counts.

#include "PdfDialogFixture.h"

#include "app/SKTWindowController.h"
#include "design/DesignParts.h"
#include "design/RecordBinding.h"
#include "output/LabelSizeFields.h"
#include "platform/StepperField.h"
#include "support/Editions.h"
#include "support/NumberFieldSweep.h"
#include "outputjobs/OutputGlobals.h"
#include "core/UserFolders.h"

namespace {

using pdftest::PdfDialog;
using pdftest::PtPerMM;

TEST_F(PdfDialog, TheGridFitsTheA4Page)
{
    // The gap field shows the gap in use: auto-centre's own, the typed one again once it is off.
    struct Case { const char *name; double labelMM; QString cols; bool centre; QString fitCols; double gap; const char *gapShown; };
    const Case cases[] = {
        {"five 50 mm columns fall to four", 50, QStringLiteral("5"), false, QStringLiteral("4"), 0, "0"},
        // A4 is 595.28 points wide: (595.28 - 3 x 141.73) / 4.
        {"three columns auto-centred spread the rest", 50, QStringLiteral("3"), true, QStringLiteral("3"), 42.52, "15.00"},
        // Of five, the four that fit are spread: (595.28 - 4 x 141.73) / 5.
        {"five columns auto-centred: four spread", 50, QStringLiteral("5"), true, QStringLiteral("4"), 5.67, "2.00"},
        {"a label wider than the page auto-centred", 250, QStringLiteral("2"), true, QStringLiteral("1"), 0, "0.00"},
        {"a label wider than the page", 250, QStringLiteral("3"), false, QStringLiteral("1"), 0, "0"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        card(k.labelMM, 30);
        open([&] {
            if (k.centre)
                w->Auto_Center_chk_bx->click();
            type(w->Col_Text, k.cols);
            EXPECT_EQ(w->Col_Text->text(), k.fitCols);
            EXPECT_EQ(Print_Col, k.fitCols.toInt());
            if (k.centre) {
                EXPECT_NEAR(horz_mar, k.gap, 0.01);
            }
            EXPECT_EQ(w->align_Gp_Bx->isEnabled(), !k.centre);
            EXPECT_EQ(w->horz_mar_Text->text().toStdString(), k.gapShown);
            if (k.centre)
                w->Auto_Center_chk_bx->click();
            EXPECT_EQ(w->horz_mar_Text->text(), QStringLiteral("0"));
        });
    }
}

TEST_F(PdfDialog, RowsTimesColumnsIsTheTotalWithoutBatchData)
{
    card(40, 20);
    open([&] {
        type(w->Row_Text, QStringLiteral("3"));
        type(w->Col_Text, QStringLiteral("2"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("6"));
        EXPECT_EQ(w->To_Text->text(), QStringLiteral("6"));
        EXPECT_EQ(Total_Label, 6);
    });
}

TEST_F(PdfDialog, SingleLabelOptionsKeepTheSheetsGridAndGaps)
{
    card(40, 20);
    open([&] {
        type(w->Row_Text, QStringLiteral("3"));
        type(w->Col_Text, QStringLiteral("4"));
        type(w->horz_mar_Text, QStringLiteral("2"));
        type(w->vert_mar_Text, QStringLiteral("2"));
        option(2);
        EXPECT_EQ((QStringList{w->Row_Text->text(), w->Col_Text->text(), w->horz_mar_Text->text(), w->vert_mar_Text->text()}),
                  (QStringList{"1", "1", "0", "0"}));
        EXPECT_FALSE(w->Row_Stepper->isEnabled());
        EXPECT_TRUE(w->Save_Type_ComboBox->isEnabled());
        option(1);
        EXPECT_EQ((QStringList{w->Row_Text->text(), w->Col_Text->text(), w->horz_mar_Text->text(), w->vert_mar_Text->text()}),
                  (QStringList{"3", "4", "2", "2"}));
        EXPECT_EQ(Print_Row * Print_Col, 12);
        EXPECT_TRUE(w->Row_Stepper->isEnabled());
        EXPECT_FALSE(w->Save_Type_ComboBox->isEnabled());
    });
    const LocaleScope comma("de_DE");   // a gap the sheet's option puts back reads as the field shows it
    open([&] {
        type(w->horz_mar_Text, QStringLiteral("3,175")), option(2), option(1);
        EXPECT_EQ(w->horz_mar_Text->text() + ' ' + QString::number(platform::fieldValue(w->horz_mar_Text)), "3,175 3.175");
    });
}

TEST_F(PdfDialog, ALabelPageIsTheLabelWithoutMargins)
{
    setPaper(18);
    card(63.5, 38.1);
    open([&] {
        EXPECT_EQ(w->l_mar_id->text(), QStringLiteral("6.35"));
        option(3);
        ASSERT_TRUE(w->use_label_size_chk_box->isVisible());
        w->use_label_size_chk_box->click();
        EXPECT_EQ(w->Page_width_txt->text(), QStringLiteral("63.50"));
        EXPECT_EQ(w->Page_height_txt->text(), QStringLiteral("38.10"));
        for (QLabel *m : {w->l_mar_id, w->r_mar_id, w->t_mar_id, w->b_mar_id})
            EXPECT_EQ(m->text(), QStringLiteral("0.00")) << qPrintable(m->objectName());
        EXPECT_FALSE(w->card_align_box->isEnabled());
        option(0);   // back on the paper
        EXPECT_EQ(w->Page_width_txt->text(), QStringLiteral("210.00"));
        EXPECT_EQ(w->l_mar_id->text(), QStringLiteral("6.35"));
    });
}

// A label size emptied, 0 or unreadable is refused and kept, a typed one shown as held, a card's is not
// typed; a gap below 0, unreadable or beyond the page (either way up) is refused and leaves the grid, also once typed
// back; the fit is as shown.
TEST_F(PdfDialog, ALabelSizeAboveZeroAndGapsWithinThePage)
{
    SKIP_WITHOUT_BARCODE_MODE();
    struct Case { bool card; QLineEdit *PDF_Export::*field; QString typed; QStringList said; QString shown = {}; };   // none: kept
    const Case cases[] = {{false, &PDF_Export::width_Text, "", {labelsize::Width_Message}},
                          {false, &PDF_Export::height_Text, "0", {labelsize::Height_Message}},
                          {false, &PDF_Export::horz_mar_Text, "999", {"Please enter a horizontal gap from 0.00 to 210.00 mm."}},
                          {false, &PDF_Export::vert_mar_Text, "999", {"Please enter a vertical gap from 0.00 to 297.00 mm."}},
                          {false, &PDF_Export::horz_mar_Text, "2,5", {}, "2,5"},
                          {false, &PDF_Export::vert_mar_Text, ",5", {}, ",5"},
                          {false, &PDF_Export::width_Text, "12,5", {}, "12.50"},
                          {false, &PDF_Export::height_Text, "1e2", {"Please enter the label height as a number, such as 12.5."}},
                          {false, &PDF_Export::horz_mar_Text, "-2,5", {"Please enter a horizontal gap of 0 mm or more."}},
                          {true, &PDF_Export::width_Text, "12", {}, "40.00"}};
    valueList(QStringLiteral("Code 128"), {QStringLiteral("A1")});
    for (const Case &k : cases) {
        if (k.card)
            card(40, 20);
        responder->alerts.clear();
        open([&] {
            const QString before = (w->*k.field)->text();
            type(w->*k.field, k.typed);
            EXPECT_EQ(messages(), k.said) << k.typed.toStdString();
            EXPECT_EQ((w->*k.field)->text(), k.shown.isEmpty() ? before : k.shown) << k.typed.toStdString();
            const float used = k.field == &PDF_Export::width_Text ? label_width : k.field == &PDF_Export::height_Text ? label_hight
                               : k.field == &PDF_Export::horz_mar_Text ? horz_mar : vert_mar;   // within the hundredth shown
            EXPECT_NEAR(used, MM_to_Points_Convert(float(platform::fieldValue((w->*k.field)->text()))), 0.014) << k.typed.toStdString();
        });
    }
    open([&] {   // a gap still being typed when OK is clicked: refused, and nothing exported
        w->vert_mar_Text->setFocus(), w->vert_mar_Text->selectAll(), QTest::keyClicks(w->vert_mar_Text, QString(40, '9'));
        responder->alerts.clear(), exportTo(dir.path()), responder->openAnswers.clear();
        EXPECT_EQ((messages() << QString::number(QFileInfo::exists(out()))).join('|').toStdString(), "Please enter a vertical gap from 0.00 to 297.00 mm.|0");
        // The gaps in every locale, its digits and decimal sign, however the typing ends (the card's size is the label's).
        EXPECT_EQ(testsupport::sweepNumberFields({{w->horz_mar_Text, w->horz_mar_Stepper, "horizontal gap"}, {w->vert_mar_Text, w->vert_mar_Stepper, "vertical gap"}},
                                                 *responder), "");
    });
    for (const auto turn : {QPageLayout::Landscape, QPageLayout::Portrait}) {
        c->setPrintInfo({QString(), QPageLayout(QPageSize(QPageSize::A4), turn, QMarginsF())}), card(10, 10);
        open([&] {
            type(w->Row_Text, "3"), type(w->Col_Text, "3");
            QString got;
            for (QLineEdit *gap : {w->horz_mar_Text, w->vert_mar_Text})
                got += testsupport::typeAndEnd(*responder, gap, gap, "500", 'R') + QString(" %1x%2|").arg(Print_Row).arg(Print_Col), type(gap, "2");
            EXPECT_EQ((got + QString("%1x%2").arg(Print_Row).arg(Print_Col)).toStdString(),
                      QString("Please enter a horizontal gap from 0.00 to %1 mm. 3x3|Please enter a vertical gap from 0.00 to %2 mm. 3x3|3x3")
                          .arg(turn == QPageLayout::Landscape ? "297.00" : "210.00", turn == QPageLayout::Landscape ? "210.00" : "297.00").toStdString());
        });
    }
}

TEST_F(PdfDialog, ASeriesWhoseFileIsGoneIsNotOffered)
{
    card(40, 20, 5);
    series(QStringLiteral("gone"), 5);
    auto other = std::make_shared<SKTText>();
    other->_bounds = QRectF(6, 40, 60, 14);
    other->data_source_type = 1;
    other->batch_list_name = QStringLiteral("gone");
    c->document()->insertGraphics({other}, {2});
    recordsOf(c->design()).Check_Series_Or_Excel_Use_or_not();
    ASSERT_TRUE(QFile::remove(Data_Folder_Path + QStringLiteral("/gone.txt")));
    open([&] {
        w->Save_Type_ComboBox->setCurrentIndex(w->Save_Type_ComboBox->findText(QStringLiteral("Series Name")));
        ASSERT_TRUE(w->Used_Seres_In_Design->isVisible());
        QStringList offered;
        for (int i = 0; i < w->Used_Seres_In_Design->count(); ++i)
            offered << w->Used_Seres_In_Design->itemText(i);
        EXPECT_EQ(offered, QStringList{QStringLiteral("codes")});
        EXPECT_FALSE(w->file_name_save_txt->isVisible());
        EXPECT_EQ(file_name_exported, QStringLiteral("<SN>"));
    });
}

TEST_F(PdfDialog, TheNamingListOfEachMode)
{
    struct Case { const char *name; std::function<void()> mode; QStringList items; };
    const Case cases[] = {
        {"Designing, one card", [&] { card(40, 20); }, {"Custom"}},
        {"Designing, a series", [&] { card(40, 20, 3); }, {"Custom", "Series Name", "Series Value", "Series Name and Value"}},
        {"Barcode", [&] { c->Barcode_Mode_Select(); }, {"Custom", "Barcode Value", "Barcode Header", "Barcode Footer"}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        k.mode();
        QStringList items;
        open([&] {
            for (int i = 0; i < w->Save_Type_ComboBox->count(); ++i)
                items << w->Save_Type_ComboBox->itemText(i);
            EXPECT_EQ(w->file_name_save_txt->text(), QStringLiteral("QIROLabel"));
        });
        EXPECT_EQ(items, k.items);
    }
}

TEST_F(PdfDialog, TypedCountsAndRanges)
{
    card(40, 20, 10);
    open([&] {
        // Emptied and 0 as typed (emptied stays empty until the editing ends); letters and a sign as the rule reads them.
        w->Total_Text->selectAll();
        QTest::keyClick(w->Total_Text, Qt::Key_Backspace);
        QTest::keyClick(w->Total_Text, Qt::Key_Return);
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("1"));
        type(w->Total_Text, QStringLiteral("0"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("1"));
        for (const QString &typed : {QStringLiteral("abc"), QStringLiteral("-4")}) {
            w->Total_Text->setText(typed);
            w->controlTextDidChange(w->Total_Text);
            EXPECT_EQ(w->Total_Text->text(), QStringLiteral("1")) << qPrintable(typed);
        }
        type(w->Total_Text, QStringLiteral("400"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("10"));   // the batch's records at most
        w->Sel_print_rd->click();
        type(w->from_Text, QStringLiteral("5"));
        type(w->To_Text, QStringLiteral("3"));
        exportTo(dir.path());
        EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select valid range.")});
        EXPECT_TRUE(responder->openRequests.isEmpty());
    });
    EXPECT_FALSE(QDir(out()).exists());
}

} // namespace
