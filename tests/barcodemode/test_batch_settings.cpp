// Batch processing of the Barcode mode as the user drives it: the manual, value-list and series
// states, the radio pair and the three list boxes, the series combos kept in step, the help texts,
// the refresh of the series name combos, and series files that cannot be read.

#include "batch_fixture.h"

#include "core/Long_SMS_Dlg.h"
#include "design/DesignParts.h"
#include "design/PropertySidebar.h"
#include "outputjobs/OutputGlobals.h"
#include "core/UserFolders.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace batch_test;

namespace {

bool editable(const QLineEdit *f) { return !f->isReadOnly(); }

} // namespace

TEST_F(BatchWindow, TickingBatchProcessingStartsFromTheValueList)
{
    ASSERT_EQ(bm->data_source_txt_box->text(), QStringLiteral("Manual"));
    ASSERT_TRUE(bm->ListData_barcode.isEmpty());
    bm->barcode_header_chk->setChecked(false);   // left unticked from before: every batch layout ticks it
    tickBatch();
    EXPECT_EQ(bm->data_source_txt_box->text(), QStringLiteral("Batch Processing"));
    EXPECT_TRUE(Use_Data_Sheet_Values);
    EXPECT_TRUE(bm->Custom_Sheet_RD->isEnabled());
    EXPECT_TRUE(bm->Data_Set_Sheet_RD->isEnabled());
    for (QCheckBox *b : {bm->barcode_value_chk, bm->barcode_header_chk, bm->barcode_footer_chk}) {
        EXPECT_TRUE(b->isChecked()) << qPrintable(b->objectName());
        EXPECT_TRUE(b->isEnabled()) << qPrintable(b->objectName());
    }
    // The empty list got the fields' texts (the start-up ones here) as its first record, selected.
    ASSERT_EQ(bm->ListData_barcode.size(), 1);
    EXPECT_EQ(bm->ListData_barcode.at(0).value(QStringLiteral("Value")), QStringLiteral("123456789012"));
    EXPECT_EQ(bm->selectedListRows(), QList<int>{0});
    EXPECT_EQ(bm->ListData_barcode.at(0).value(QStringLiteral("Header")), QStringLiteral("HEADER"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_TRUE(bm->List->isEnabled());
    for (QLineEdit *f : {bm->dataText, bm->HeaderText, bm->FooterText})
        EXPECT_FALSE(editable(f)) << qPrintable(f->objectName());
    EXPECT_TRUE(bm->dataText->isVisibleTo(env.window()));
    EXPECT_FALSE(bm->val_combo_list->isVisibleTo(env.window()));

    // A list with records keeps them and selects the first.
    bm->data_source_chkbox->click();
    setList({{QStringLiteral("A"), QStringLiteral("ha"), {}, QStringLiteral("1")},
             {QStringLiteral("B"), QStringLiteral("hb"), {}, QStringLiteral("1")}});
    tickBatch();
    EXPECT_EQ(bm->ListData_barcode.size(), 2);
    EXPECT_EQ(bm->selectedListRows(), QList<int>{0});
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("A"));
}

TEST_F(BatchWindow, SeriesShowTheSixCombosAndKeepTheirRowsInStep)
{
    writeSeries(QStringLiteral("values.txt"), "V1\nV2\nV3\nV4\nV5\n");
    writeSeries(QStringLiteral("heads.txt"), "H1\nH2\nH3\n");
    choose(QStringLiteral("Code 128"));
    tickBatch();
    chooseSeriesSource();
    EXPECT_TRUE(bm->Data_Set_Sheet_RD->isChecked());
    EXPECT_FALSE(bm->Custom_Sheet_RD->isChecked());
    for (QComboBox *combo : {bm->val_combo_list, bm->hdr_combo_list, bm->ftr_combo_list, bm->val_combo_value,
                             bm->hdr_combo_value, bm->ftr_combo_value})
        EXPECT_TRUE(combo->isVisibleTo(env.window())) << qPrintable(combo->objectName());
    for (QWidget *w : std::initializer_list<QWidget *>{bm->dataText, bm->dataText_2D, bm->HeaderText, bm->FooterText})
        EXPECT_FALSE(w->isVisibleTo(env.window())) << qPrintable(w->objectName());
    EXPECT_FALSE(bm->List->isEnabled());
    EXPECT_FALSE(bm->data_Sheet_Gp_Bx->isEnabled());
    EXPECT_EQ(items(bm->val_combo_list),
              QStringList({QStringLiteral("<--Select-->"), QStringLiteral("heads"), QStringLiteral("values")}));
    EXPECT_FALSE(bm->val_combo_value->isEnabled());   // no series chosen yet

    pickSeries(bm->val_combo_list, QStringLiteral("values"));
    pickSeries(bm->hdr_combo_list, QStringLiteral("heads"));
    EXPECT_TRUE(bm->val_combo_value->isEnabled());
    EXPECT_EQ(items(bm->hdr_combo_value),
              QStringList({QStringLiteral("H1"), QStringLiteral("H2"), QStringLiteral("H3"), QString(), QString()}));
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("V1"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H1"));
    // The fifth value selects the header's fifth item, which is empty.
    bm->val_combo_value->setCurrentIndex(4);
    EXPECT_EQ(bm->hdr_combo_value->currentIndex(), 4);
    EXPECT_EQ(bm->hdr_combo_value->currentText(), QString());
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("V5"));
    EXPECT_EQ(bm->HeaderText->text(), QString());
    EXPECT_TRUE(bm->barcodeImage->hasPicture());

    // Back to the value list: the typed fields return and the combos go.
    bm->Custom_Sheet_RD->click();
    EXPECT_TRUE(bm->Custom_Sheet_RD->isChecked());
    EXPECT_TRUE(bm->dataText->isVisibleTo(env.window()));
    EXPECT_FALSE(bm->val_combo_value->isVisibleTo(env.window()));
    EXPECT_TRUE(bm->List->isEnabled());
}

TEST_F(BatchWindow, ARadioAlreadyInForceChangesNothing)
{
    tickBatch();
    ASSERT_EQ(bm->ListData_barcode.size(), 1);
    // The user empties the list and clicks the value-list radio again: no new layout, no sample.
    setList({});
    bm->Custom_Sheet_RD->click();
    EXPECT_TRUE(bm->Custom_Sheet_RD->isChecked());
    EXPECT_TRUE(bm->ListData_barcode.isEmpty());
    chooseSeriesSource();
    bm->Data_Set_Sheet_RD->click();
    EXPECT_TRUE(bm->Data_Set_Sheet_RD->isChecked());
    EXPECT_FALSE(bm->Custom_Sheet_RD->isChecked());
    // Switching back lays the value list out again, with the fields' texts as its record.
    bm->Custom_Sheet_RD->click();
    EXPECT_EQ(bm->ListData_barcode.size(), 1);
}

TEST_F(BatchWindow, UntickingTheLastListBoxReturnsToManual)
{
    tickBatch();
    bm->barcode_value_chk->click();
    EXPECT_TRUE(bm->data_source_chkbox->isChecked());
    EXPECT_TRUE(editable(bm->dataText));   // the value is the user's to type again
    bm->dataText->clear();
    bm->barcode_header_chk->click();
    bm->HeaderText->clear();
    EXPECT_TRUE(bm->data_source_chkbox->isChecked());
    bm->FooterText->clear();
    bm->barcode_footer_chk->click();
    EXPECT_FALSE(bm->data_source_chkbox->isChecked());
    EXPECT_FALSE(Use_Data_Sheet_Values);
    EXPECT_EQ(bm->data_source_txt_box->text(), QStringLiteral("Manual"));
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("123456789012"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_EQ(bm->FooterText->text(), QStringLiteral("FOOTER"));
    for (QLineEdit *f : {bm->dataText, bm->HeaderText, bm->FooterText})
        EXPECT_TRUE(editable(f)) << qPrintable(f->objectName());
    EXPECT_FALSE(bm->Custom_Sheet_RD->isEnabled());
    EXPECT_FALSE(bm->List->isEnabled());
    EXPECT_FALSE(bm->barcode_value_chk->isEnabled());

    // From series too: the typed fields come back and the combos go.
    writeSeries(QStringLiteral("values.txt"), "V1\n");
    tickBatch();
    chooseSeriesSource();
    for (QCheckBox *b : {bm->barcode_value_chk, bm->barcode_header_chk, bm->barcode_footer_chk})
        b->click();
    EXPECT_EQ(bm->data_source_txt_box->text(), QStringLiteral("Manual"));
    EXPECT_TRUE(bm->HeaderText->isVisibleTo(env.window()));
    EXPECT_FALSE(bm->hdr_combo_list->isVisibleTo(env.window()));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("HEADER"));
}

TEST_F(BatchWindow, TheTwoHelpButtonsShowTheirTexts)
{
    tickBatch();
    QList<std::pair<QString, QString>> shown;
    responder->onModal = [&](QDialog &) {
        Long_SMS_Dlg *d = Long_SMS_Dlg::defaultInstance();
        shown.append({d->_Msg_Title->text(), d->_Msg_Val->toPlainText()});
        EXPECT_FALSE(d->apply_chk->isVisibleTo(d->window));
        return 1;
    };
    Long_SMS_Dlg::defaultInstance()->apply_chk_show = true;
    bm->barcode_data_source_help_btn->click();
    bm->batch_help_btn->click();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(0).first, QStringLiteral("Batch Processing Settings Help :"));
    EXPECT_EQ(shown.at(0).second,
              QStringLiteral("Select Data Source to enter barcode value.\nSelect Data Source as 'Manual' to enter barcode "
                             "value manually, Select 'Batch Processing Series' to fetch the barcode value from the list of "
                             "existing Batch Processing Series."));
    EXPECT_EQ(shown.at(1).first, QStringLiteral("Batch Processing Settings Help :"));
    EXPECT_EQ(shown.at(1).second, QStringLiteral("Select these option to fetch the barcode value from the list of existing "
                                                 "Batch Processing Series.\nor\nRemained unselect to enter barcode value "
                                                 "manually. "));
}

TEST_F(BatchWindow, RefreshKeepsTheChosenSeriesOrFallsBackToSelect)
{
    writeSeries(QStringLiteral("beta.txt"), "B1\nB2\n");
    writeSeries(QStringLiteral("gamma.txt"), "G1\n");
    tickBatch();
    chooseSeriesSource();
    pickSeries(bm->val_combo_list, QStringLiteral("gamma"));
    pickSeries(bm->hdr_combo_list, QStringLiteral("beta"));
    // A series added before it: the same series stays chosen, at its new place.
    writeSeries(QStringLiteral("alpha.txt"), "A1\n");
    bm->Refresh_All_Series_Combobox();
    EXPECT_EQ(bm->val_combo_list->currentText(), QStringLiteral("gamma"));
    EXPECT_EQ(bm->val_combo_list->currentIndex(), 3);
    EXPECT_EQ(items(bm->val_combo_value).first(), QStringLiteral("G1"));
    // Its series deleted: "<--Select-->".
    ASSERT_TRUE(QFile::remove(Data_Folder_Path + QStringLiteral("/beta.txt")));
    bm->Refresh_All_Series_Combobox();
    EXPECT_EQ(bm->hdr_combo_list->currentIndex(), 0);
    EXPECT_EQ(bm->hdr_combo_list->currentText(), QStringLiteral("<--Select-->"));
    EXPECT_EQ(bm->HeaderText->text(), QString());
    // A new name chooses that series, found whatever its case.
    bm->Refresh_Data_Set_File_Name_In_Combo(bm->ftr_combo_list, QStringLiteral("ALPHA"));
    EXPECT_EQ(bm->ftr_combo_list->currentText(), QStringLiteral("alpha"));
    EXPECT_EQ(bm->FooterText->text(), QStringLiteral("A1"));

    // The Designing mode's series combo is refreshed only while its source is series.
    PropertySidebar &sidebar = sidebarOf(env.design());
    QComboBox *series = sidebar.Source_Series_List();
    series->blockSignals(true);
    series->clear();
    series->addItem(QStringLiteral("stale"));
    series->blockSignals(false);
    bm->Refresh_All_Series_Combobox();
    EXPECT_EQ(items(series), QStringList{QStringLiteral("stale")});
    sidebar.Source_Type_List()->blockSignals(true);
    sidebar.Source_Type_List()->setCurrentIndex(1);
    sidebar.Source_Type_List()->blockSignals(false);
    bm->Refresh_All_Series_Combobox();
    EXPECT_EQ(items(series), QStringList({QStringLiteral("<--Select-->"), QStringLiteral("alpha"), QStringLiteral("gamma")}));
}

TEST_F(BatchWindow, SeriesThatCannotBeReadHaveNoValues)
{
    writeSeries(QStringLiteral("latin1.txt"), "caf\xe9\nna\xefve\n");
    writeSeries(QStringLiteral("binary.txt"), QByteArray("PK\x03\x04\x00\x00\x01\x02", 8));
    writeSeries(QStringLiteral("good.txt"), "G1\nG2\n");
    choose(QStringLiteral("Code 128"));
    tickBatch();
    chooseSeriesSource();
    for (const QString &bad : {QStringLiteral("latin1"), QStringLiteral("binary")}) {
        // Alone: the item combo stays empty, the bound field gets "" and the batch has no record.
        pickSeries(bm->val_combo_list, bad);
        EXPECT_EQ(bm->val_combo_value->count(), 0) << qPrintable(bad);
        EXPECT_EQ(bm->dataText->text(), QString()) << qPrintable(bad);
        EXPECT_EQ(bm->makeBatchSnapshot()->recordCount, 0) << qPrintable(bad);
        pickSeries(bm->ftr_combo_list, bad);
        EXPECT_EQ(bm->ftr_combo_value->count(), 0) << qPrintable(bad);
        EXPECT_EQ(bm->FooterText->text(), QString()) << qPrintable(bad);
        // Beside a good series: its rows are padded with empty values, and those records draw nothing.
        pickSeries(bm->hdr_combo_list, QStringLiteral("good"));
        EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("G1"));
        EXPECT_EQ(items(bm->val_combo_value), QStringList({QString(), QString()})) << qPrintable(bad);
        EXPECT_EQ(bm->dataText->text(), QString()) << qPrintable(bad);
        const auto s = bm->makeBatchSnapshot();
        EXPECT_TRUE(barcode_batch::imageFromList(*s, 0).isNull()) << qPrintable(bad);
        pickSeries(bm->hdr_combo_list, QStringLiteral("<--Select-->"));
    }
}

// What the user typed before ticking batch processing becomes the first record of an empty list,
// and the fields the batch fills are read-only and look it: typing there changes nothing.
TEST_F(BatchWindow, TickingBatchProcessingKeepsWhatTheUserTyped)
{
    const auto retype = [](QLineEdit *field, const QString &text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    };
    const auto looksEditable = [](const QLineEdit *f) { return f->palette().color(QPalette::Base) == QColor(Qt::white); };
    ASSERT_TRUE(bm->ListData_barcode.isEmpty());
    retype(bm->dataText, QStringLiteral("4006381333931"));
    retype(bm->HeaderText, QStringLiteral("My header"));
    QTest::mouseClick(bm->data_source_chkbox, Qt::LeftButton, {}, QPoint(6, bm->data_source_chkbox->height() / 2));
    ASSERT_TRUE(bm->data_source_chkbox->isChecked());

    ASSERT_EQ(bm->ListData_barcode.size(), 1);
    const ValueRecord &first = bm->ListData_barcode.first();
    EXPECT_EQ(first.value(QStringLiteral("Value")), QStringLiteral("4006381333931"));
    EXPECT_EQ(first.value(QStringLiteral("Header")), QStringLiteral("My header"));
    EXPECT_EQ(first.value(QStringLiteral("Footer")), QStringLiteral("FOOTER"));
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("4006381333931"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("My header"));
    for (QLineEdit *f : {bm->dataText, bm->HeaderText, bm->FooterText}) {
        EXPECT_FALSE(editable(f)) << qPrintable(f->objectName());
        EXPECT_FALSE(looksEditable(f)) << qPrintable(f->objectName());
    }
    const QString before = bm->dataText->text();
    bm->dataText->setFocus();
    QTest::keyClicks(bm->dataText, QStringLiteral("99"));
    EXPECT_EQ(bm->dataText->text(), before);

    // A field taken off the batch is the user's again, and looks it; so are all after unticking.
    bm->barcode_header_chk->click();
    EXPECT_TRUE(editable(bm->HeaderText));
    EXPECT_TRUE(looksEditable(bm->HeaderText));
    EXPECT_FALSE(looksEditable(bm->dataText));
    bm->data_source_chkbox->click();
    for (QLineEdit *f : {bm->dataText, bm->HeaderText, bm->FooterText}) {
        EXPECT_TRUE(editable(f)) << qPrintable(f->objectName());
        EXPECT_TRUE(looksEditable(f)) << qPrintable(f->objectName());
    }
}
