// Batch pictures of the Barcode mode: the counts, the picture of each record and label from a batch
// snapshot, what a request outside the records answers, and that batch requests leave the window
// alone; every symbology's batch picture is the preview's, pixel for pixel.

#include "batch_fixture.h"

#include "barcodemode/GenerationCore.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "engines/render/NKDBarcodeImage.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/SymbolGlobals.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include <climits>
#include <map>
#include <thread>
#include <vector>

using namespace batch_test;

namespace {

// A value every symbology takes, with a header and a footer.
const std::map<QString, QString> &sampleValues()
{
    static const std::map<QString, QString> v = {
        {QStringLiteral("Code 39"), QStringLiteral("TAGORA-39")},
        {QStringLiteral("Extended Code 39"), QStringLiteral("Tagora-39")},
        {QStringLiteral("Interleaved 2 of 5"), QStringLiteral("12345678")},
        {QStringLiteral("UPCA"), QStringLiteral("03600029145")},
        {QStringLiteral("PostNet"), QStringLiteral("12345")},
        {QStringLiteral("Modified Plessey"), QStringLiteral("123456")},
        {QStringLiteral("Modified Plessey (Hex)"), QStringLiteral("12AB")},
        {QStringLiteral("Industrial 2 of 5"), QStringLiteral("123456")},
        {QStringLiteral("EAN-13"), QStringLiteral("590123412345")},
        {QStringLiteral("Code 128"), QStringLiteral("Tagora-128 x")},
        {QStringLiteral("Code 128 SET A"), QStringLiteral("TAGORA 128")},
        {QStringLiteral("Code 128 SET B"), QStringLiteral("Tagora b128")},
        {QStringLiteral("Code 128 SET C"), QStringLiteral("12345678")},
        {QStringLiteral("Codabar"), QStringLiteral("A40156B")},
        {QStringLiteral("UPCE"), QStringLiteral("0123456")},
        {QStringLiteral("EAN-8"), QStringLiteral("9638507")},
        {QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"), QStringLiteral("SN34RD1A")},
        {QStringLiteral("Planet"), QStringLiteral("12345678901")},
        {QStringLiteral("Japan Post Barcode"), QStringLiteral("6540123789-A-K-Z")},
        {QStringLiteral("QR Code"), QStringLiteral("Tagora QR: batch = preview")},
        {QStringLiteral("PDF417"), QStringLiteral("Tagora PDF417 batch")},
        {QStringLiteral("DataMatrix"), QStringLiteral("Tagora DataMatrix")},
    };
    return v;
}

// A snapshot of the window without its controls: the counting rules read only the record source.
BarcodeBatchSnapshot sourceOnly(bool batchOn, bool fromSeries, const QList<Rec> &list, int seriesItems = 0)
{
    BarcodeBatchSnapshot s;
    s.batchOn = batchOn;
    s.fromSeries = fromSeries;
    s.valueFromBatch = s.headerFromBatch = s.footerFromBatch = batchOn;
    for (const Rec &r : list)
        s.list.append({{QStringLiteral("Value"), r.value},
                       {QStringLiteral("Header"), r.header},
                       {QStringLiteral("Footer"), r.footer},
                       {QStringLiteral("PQ"), r.pq}});
    for (int i = 0; i < seriesItems; ++i)
        s.valueItems << QString::number(i);
    return s;
}

} // namespace

TEST_F(BatchWindow, EverySymbologysBatchPictureIsThePreviewPixelForPixel)
{
    tickBatch();
    ASSERT_TRUE(bm->Custom_Sheet_RD->isChecked());
    for (const QString &title : Symbologies::allTitles()) {
        const auto sample = sampleValues().find(title);
        ASSERT_NE(sample, sampleValues().end()) << qPrintable(title);
        choose(title);
        // The record is bound into the fields and the preview drawn from them, as the user sees it.
        setList({{sample->second, QStringLiteral("Header of ") + title, QStringLiteral("Footer"), QStringLiteral("1")}});
        Type_draw_2d_flag = false;
        bm->bind_all();
        ASSERT_EQ(bm->currentValue(), sample->second) << qPrintable(title);
        ASSERT_TRUE(bm->barcodeImage->hasPicture()) << qPrintable(title);
        const QImage preview = raster(bm->barcodeImage->picture());

        const auto snapshot = bm->makeBatchSnapshot();
        const QImage batch = raster(barcode_batch::imageFromList(*snapshot, 0));
        ASSERT_FALSE(batch.isNull()) << qPrintable(title);
        EXPECT_EQ(batch.size(), preview.size()) << qPrintable(title);
        EXPECT_TRUE(batch == preview) << qPrintable(title);
        // A label of the grid is the same picture.
        bm->Add_Records_In_List(true);
        const auto withGrid = bm->makeBatchSnapshot();
        EXPECT_TRUE(raster(barcode_batch::imageFromGrid(*withGrid, 0)) == preview) << qPrintable(title);
    }
}

TEST_F(BatchWindow, AHeaderSeriesAloneMakesOneRecordAndOneLabelPerRow)
{
    writeSeries(QStringLiteral("heads.txt"), "H1\nH2\nH3\n");
    choose(QStringLiteral("Code 128"));
    tickBatch();
    chooseSeriesSource();
    // Only the header from the series: the value box and the footer box unticked.
    bm->barcode_value_chk->click();
    bm->barcode_footer_chk->click();
    ASSERT_TRUE(bm->data_source_chkbox->isChecked());
    ASSERT_TRUE(bm->barcode_header_chk->isChecked());
    pickSeries(bm->hdr_combo_list, QStringLiteral("heads"));
    // The value is the user's to type.
    bm->dataText->setText(QStringLiteral("TAGORA-128"));
    ASSERT_EQ(bm->currentValue(), QStringLiteral("TAGORA-128"));
    bm->Add_Records_In_List(true);
    const auto s = bm->makeBatchSnapshot();
    EXPECT_EQ(s->recordCount, 3);
    EXPECT_EQ(s->labelCount, 3);
    ASSERT_EQ(s->grid.size(), 3);
    QList<QImage> labels;
    for (int i = 0; i < 3; ++i) {
        const QString header = QStringLiteral("H%1").arg(i + 1);
        const auto record = barcode_batch::recordFields(*s, i);
        ASSERT_TRUE(record.has_value()) << i;
        EXPECT_EQ(record->header, header);
        EXPECT_EQ(record->value, QStringLiteral("TAGORA-128"));   // the typed value on every label
        const auto label = barcode_batch::gridFields(*s, i);
        ASSERT_TRUE(label.has_value()) << i;
        EXPECT_EQ(label->header, header);
        labels.append(raster(barcode_batch::imageFromGrid(*s, i)));
        EXPECT_FALSE(labels.last().isNull()) << i;
    }
    // Each label is drawn with its own header.
    EXPECT_FALSE(labels[0] == labels[1]);
    EXPECT_FALSE(labels[1] == labels[2]);
}

TEST_F(BatchWindow, CountsFollowTheSourceAndThePrintQuantities)
{
    const QList<Rec> three = {{QStringLiteral("1"), {}, {}, QStringLiteral("2")},
                              {QStringLiteral("2"), {}, {}, QStringLiteral("1")},
                              {QStringLiteral("3"), {}, {}, QStringLiteral("5")}};
    // Value list with batch values: the quantities summed; series: the value series' items.
    EXPECT_EQ(barcode_batch::totalCountWithPQ(sourceOnly(true, false, three)), 8);
    EXPECT_EQ(barcode_batch::batchCount(sourceOnly(true, false, three)), 3);
    EXPECT_EQ(barcode_batch::totalCountWithPQ(sourceOnly(true, true, three, 5)), 5);
    EXPECT_EQ(barcode_batch::batchCount(sourceOnly(true, true, three, 5)), 5);
    // Without batch values one record: the first row's quantity, or one label with no row at all.
    EXPECT_EQ(barcode_batch::batchCount(sourceOnly(false, false, three)), 1);
    EXPECT_EQ(barcode_batch::totalCountWithPQ(sourceOnly(false, false, three)), 2);
    EXPECT_EQ(barcode_batch::totalCountWithPQ(sourceOnly(false, false, {})), 1);
    EXPECT_EQ(barcode_batch::totalCountWithPQ(sourceOnly(true, false, {})), 0);

    // Quantities edited in the table are stored as typed: empty or no number counts 0, leading
    // digits count, and the sum stops at the int maximum.
    EXPECT_EQ(barcode_batch::totalCountWithPQ(sourceOnly(true, false, {{QStringLiteral("a"), {}, {}, QString()},
                                                                      {QStringLiteral("b"), {}, {}, QStringLiteral("x")},
                                                                      {QStringLiteral("c"), {}, {}, QStringLiteral(" 12a")},
                                                                      {QStringLiteral("d"), {}, {}, QStringLiteral("-4")}})),
              12);
    const QString huge = QStringLiteral("99999999999");
    EXPECT_EQ(barcode_batch::totalCountWithPQ(
                  sourceOnly(true, false, {{QStringLiteral("a"), {}, {}, huge}, {QStringLiteral("b"), {}, {}, huge},
                                           {QStringLiteral("c"), {}, {}, huge}})),
              INT_MAX);

    // Through the window: the counts of the snapshot a job takes.
    tickBatch();
    setList(three);
    EXPECT_EQ(bm->Get_Total_Count_With_PQ(), 8);
    const auto s = bm->Take_Batch_Snapshot();
    EXPECT_EQ(s->recordCount, 3);
    EXPECT_EQ(s->labelCount, 8);
    setList({});   // the window changes; the job's counts do not
    EXPECT_EQ(bm->Get_Total_Count_With_PQ(), 8);
    bm->Release_Batch_Snapshot();
    EXPECT_EQ(bm->Get_Total_Count_With_PQ(), 0);
}

TEST_F(BatchWindow, SeriesRecordsPastAShortSeriesTakeAnEmptyField)
{
    writeSeries(QStringLiteral("five.txt"), "V1\nV2\nV3\nV4\nV5\n");
    writeSeries(QStringLiteral("three.txt"), "H1\nH2\nH3\n");
    choose(QStringLiteral("Code 128"));
    tickBatch();
    chooseSeriesSource();
    pickSeries(bm->val_combo_list, QStringLiteral("five"));
    pickSeries(bm->hdr_combo_list, QStringLiteral("three"));
    const auto s = bm->makeBatchSnapshot();
    EXPECT_EQ(s->recordCount, 5);
    EXPECT_EQ(s->labelCount, 5);
    for (int i = 0; i < 5; ++i) {
        const auto f = barcode_batch::recordFields(*s, i);
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->value, QStringLiteral("V%1").arg(i + 1));
        EXPECT_EQ(f->header, i < 3 ? QStringLiteral("H%1").arg(i + 1) : QString()) << i;
    }
    // Record 4 drawn with the empty header is the symbol of V5 with no header text.
    GenerationSnapshot g = s->generation;
    const platform::Picture expected = barcode_generation::generate(g, QStringLiteral("V5"), QString(), QString()).framed.picture;
    EXPECT_TRUE(raster(barcode_batch::imageFromList(*s, 4), 150) == raster(expected, 150));
    EXPECT_FALSE(raster(barcode_batch::imageFromList(*s, 2), 150) == raster(expected, 150));
}

TEST_F(BatchWindow, RequestsOutsideTheRecordsNeverReadPastThem)
{
    choose(QStringLiteral("Code 128"));
    tickBatch();
    setList({{QStringLiteral("A-1"), QStringLiteral("h"), QStringLiteral("f"), QStringLiteral("2")},
             {QStringLiteral("   "), QStringLiteral("h"), QStringLiteral("f"), QStringLiteral("1")}});
    bm->Add_Records_In_List(true);
    bm->Mark_List_New_Selection_barcode(0);
    ASSERT_TRUE(bm->testBarcode);
    const auto s = bm->makeBatchSnapshot();
    ASSERT_EQ(s->labelCount, 3);
    ASSERT_EQ(s->recordCount, 2);
    // At the bound: the current model's picture, not a record.
    const QImage current = raster(imageFromBarcode(bm->testBarcode.get()), 150);
    EXPECT_TRUE(raster(barcode_batch::imageFromGrid(*s, 3), 150) == current);
    EXPECT_TRUE(raster(barcode_batch::imageFromList(*s, 2), 150) == current);
    EXPECT_TRUE(raster(barcode_batch::imageFromList(*s, INT_MAX), 150) == current);
    // Labels 0 and 1 are the first record, label 2 the blank one: only spaces yield nothing.
    EXPECT_FALSE(barcode_batch::imageFromGrid(*s, 1).isNull());
    EXPECT_TRUE(barcode_batch::imageFromGrid(*s, 2).isNull());
    EXPECT_TRUE(barcode_batch::imageFromList(*s, 1).isNull());
    // Below zero there is no record.
    EXPECT_TRUE(barcode_batch::imageFromList(*s, -1).isNull());
    EXPECT_TRUE(barcode_batch::imageFromGrid(*s, -5).isNull());

    // A grid left shorter than the label count (quantities off) answers nothing past its end.
    bm->Add_Records_In_List(false);
    const auto shortGrid = bm->makeBatchSnapshot();
    ASSERT_EQ(shortGrid->grid.size(), 2);
    ASSERT_EQ(shortGrid->labelCount, 3);
    EXPECT_FALSE(barcode_batch::imageFromGrid(*shortGrid, 0).isNull());
    EXPECT_TRUE(barcode_batch::imageFromGrid(*shortGrid, 2).isNull());

    // No current model (a 2D symbology): past the bound there is no picture.
    choose(QStringLiteral("QR Code"));
    ASSERT_FALSE(bm->testBarcode);
    EXPECT_TRUE(barcode_batch::imageFromList(*bm->makeBatchSnapshot(), 2).isNull());
}

TEST_F(BatchWindow, UntickedFieldsComeFromTheTypedTexts)
{
    choose(QStringLiteral("Code 128"));
    tickBatch();
    setList({{QStringLiteral("REC-1"), QStringLiteral("rec header"), QStringLiteral("rec footer"), QStringLiteral("1")}});
    bm->barcode_value_chk->setChecked(false);
    bm->dataText->setText(QStringLiteral("  TYPED  "));
    bm->HeaderText->setText(QStringLiteral("typed header"));
    const auto s = bm->makeBatchSnapshot();
    const auto f = barcode_batch::recordFields(*s, 0);
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->value, QStringLiteral("  TYPED  "));
    EXPECT_EQ(f->header, QStringLiteral("rec header"));
    EXPECT_EQ(f->footer, QStringLiteral("rec footer"));
    // The picture is that of the trimmed typed value with the record's header and footer.
    GenerationSnapshot g = s->generation;
    const platform::Picture expected =
        barcode_generation::generate(g, QStringLiteral("TYPED"), QStringLiteral("rec header"), QStringLiteral("rec footer"))
            .framed.picture;
    EXPECT_TRUE(raster(barcode_batch::imageFromList(*s, 0), 150) == raster(expected, 150));
    bm->barcode_header_chk->setChecked(false);
    EXPECT_EQ(barcode_batch::recordFields(*bm->makeBatchSnapshot(), 0)->header, QStringLiteral("typed header"));
}

TEST_F(BatchWindow, AFailedBatchRecordLeavesTheWindowAlone)
{
    // A DataMatrix of the smallest size cannot hold a long value: that record yields nothing.
    choose(QStringLiteral("DataMatrix"));
    bm->dm_format_ComboBox->setCurrentText(QStringLiteral("C10X10"));
    tickBatch();
    setList({{QStringLiteral("12"), QStringLiteral("h"), QStringLiteral("f"), QStringLiteral("1")},
             {QString(80, QLatin1Char('x')), QStringLiteral("h"), QStringLiteral("f"), QStringLiteral("1")}});
    bm->Mark_List_New_Selection_barcode(0);
    bm->bind_all();
    ASSERT_TRUE(bm->barcodeImage->hasPicture());
    const QImage shown = raster(bm->barcodeImage->picture(), 150);
    const QImage symbol = raster(bm->image_2d, 150);
    save_flag_barcode_mode = false;
    const int moduleSize = Barcode_module_size;
    const QString header = bm->header();

    bm->Take_Batch_Snapshot();
    EXPECT_FALSE(bm->Get_Image_From_List_Val(0).isNull());
    EXPECT_TRUE(bm->Get_Image_From_List_Val(1).isNull());
    bm->Add_Records_In_List(true);
    bm->Release_Batch_Snapshot();
    bm->Take_Batch_Snapshot();
    EXPECT_TRUE(bm->Get_Image_From_Barcode_Grid(1).isNull());
    bm->Release_Batch_Snapshot();

    // The preview, the window's symbol and role, and the save flag are as they were.
    EXPECT_TRUE(bm->barcodeImage->hasPicture());
    EXPECT_TRUE(bm->barcode_error_label->isHidden());
    EXPECT_TRUE(raster(bm->barcodeImage->picture(), 150) == shown);
    EXPECT_TRUE(raster(bm->image_2d, 150) == symbol);
    EXPECT_FALSE(save_flag_barcode_mode);
    EXPECT_EQ(Barcode_module_size, moduleSize);
    EXPECT_EQ(bm->header(), header);

    // Linear records too: neither the model nor the save flag changes.
    choose(QStringLiteral("Code 128"));
    bm->bind_all();
    ASSERT_TRUE(bm->testBarcode);
    const QString content = bm->testBarcode->content();
    save_flag_barcode_mode = false;
    bm->Take_Batch_Snapshot();
    EXPECT_FALSE(bm->Get_Image_From_List_Val(1).isNull());
    bm->Release_Batch_Snapshot();
    EXPECT_EQ(bm->testBarcode->content(), content);
    EXPECT_FALSE(bm->testBarcode_EXP);
    EXPECT_FALSE(save_flag_barcode_mode);
}

TEST_F(BatchWindow, AWorkerWithoutASnapshotIsToldSoAndGetsNothing)
{
    choose(QStringLiteral("Code 128"));
    tickBatch();
    LogCapture log;
    platform::Picture fromWorker;
    int countFromWorker = -1;
    std::thread worker([&] {
        fromWorker = bm->Get_Image_From_List_Val(0);
        countFromWorker = bm->Get_Total_Count_With_PQ();
    });
    worker.join();
    EXPECT_TRUE(fromWorker.isNull());
    EXPECT_EQ(countFromWorker, 0);
    EXPECT_TRUE(log.lines().contains(
        QStringLiteral("Get_Image_From_List_Val: no batch snapshot was taken for this output job.")));
    // On the GUI thread a request without a job's snapshot reads the window as it is.
    EXPECT_FALSE(bm->Get_Image_From_List_Val(0).isNull());
}

TEST_F(BatchWindow, WorkerRequestsKeepTheSnapshotWhileTheWindowChanges)
{
    choose(QStringLiteral("Code 128"));
    tickBatch();
    QList<Rec> records;
    for (int i = 0; i < 12; ++i)
        records.append({QStringLiteral("REC-%1").arg(i), QStringLiteral("Header %1").arg(i), QStringLiteral("Footer %1").arg(i),
                        QString::number(1 + i % 3)});
    setList(records);
    bm->Add_Records_In_List(true);
    const auto snapshot = bm->Take_Batch_Snapshot();
    ASSERT_EQ(snapshot->labelCount, 24);
    // The pictures of the snapshot, made before anything changes.
    QList<QImage> records0, labels0;
    for (int i = 0; i < snapshot->recordCount; ++i)
        records0 << raster(barcode_batch::imageFromList(*snapshot, i), 100);
    for (int i = 0; i < snapshot->labelCount; ++i)
        labels0 << raster(barcode_batch::imageFromGrid(*snapshot, i), 100);

    // 2D batches beside it, each drawn from a snapshot of its own.
    QList<std::shared_ptr<const BarcodeBatchSnapshot>> twoD;
    QList<QList<QImage>> twoD0;
    for (const QString &title : {QStringLiteral("QR Code"), QStringLiteral("DataMatrix"), QStringLiteral("PDF417")}) {
        choose(title);
        twoD << bm->makeBatchSnapshot();
        QList<QImage> pictures;
        for (int i = 0; i < twoD.last()->recordCount; ++i)
            pictures << raster(barcode_batch::imageFromList(*twoD.last(), i), 100);
        ASSERT_FALSE(pictures.first().isNull()) << qPrintable(title);
        twoD0 << pictures;
    }

    // Workers, as an output job's pool has them, keep asking until the user has changed the window
    // many times over.
    constexpr int kChanges = 25;
    constexpr int kWorkers = 3;
    std::atomic<int> changes{0};
    std::atomic<int> done{0};
    std::atomic<int> requests{0}, mismatches{0}, roundsDuringChanges{0};
    const auto ask = [&] {
        do {
            const bool duringChanges = changes > 0 && changes < kChanges;
            for (int i = 0; i < records0.size(); ++i, ++requests)
                if (!(raster(bm->Get_Image_From_List_Val(i), 100) == records0.at(i)))
                    ++mismatches;
            for (int i = 0; i < labels0.size(); ++i, ++requests)
                if (!(raster(bm->Get_Image_From_Barcode_Grid(i), 100) == labels0.at(i)))
                    ++mismatches;
            for (int k = 0; k < twoD.size(); ++k)
                for (int i = 0; i < twoD0.at(k).size(); ++i, ++requests)
                    if (!(raster(barcode_batch::imageFromList(*twoD.at(k), i), 100) == twoD0.at(k).at(i)))
                        ++mismatches;
            if (duringChanges && changes < kChanges)
                ++roundsDuringChanges;
        } while (changes < kChanges);
        ++done;
    };
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back(ask);

    // Meanwhile the user changes every control the snapshot was taken from, and the window
    // generates its own symbols from them.
    const QStringList titles = {QStringLiteral("QR Code"), QStringLiteral("EAN-13"), QStringLiteral("PDF417"),
                                QStringLiteral("DataMatrix"), QStringLiteral("Code 39"), QStringLiteral("Code 128")};
    for (int k = 0; k < kChanges; ++k, ++changes) {
        choose(titles.at(k % titles.size()));
        bm->dataText->setText(QStringLiteral("CHANGED %1").arg(k));
        bm->dataText_2D->setPlainText(QStringLiteral("changed %1").arg(k));
        bm->HeaderText->setText(QStringLiteral("other header %1").arg(k));
        bm->FooterText->setText(QStringLiteral("other footer %1").arg(k));
        for (QCheckBox *box : {bm->hideHeaderCheckbox, bm->hideFooterCheckbox, bm->captionCheckbox, bm->transparent_bkgnd,
                               bm->showinTopCheckbox, bm->kerning_value_Checkbox, bm->barcode_value_chk,
                               bm->barcode_header_chk, bm->barcode_footer_chk})
            box->setChecked(k % 2 == 0);
        for (QLineEdit *f : {bm->HeightText, bm->widthText, bm->val_mar_Text, bm->hdr_mar_Text, bm->ftr_mar_Text,
                             bm->TB_mar_Text, bm->LR_mar_Text, bm->HeightText_2D, bm->Pdf_widthText_2D})
            f->setText(QString::number(1 + k % 4));
        bm->value_font.setPointSizeF(8 + k % 6);
        bm->header_font.setPointSizeF(9 + k % 5);
        bm->footer_font.setBold(k % 2 == 0);
        bm->barcode_clr->setColor(QColor::fromHsv((k * 40) % 360, 200, 120));
        bm->bar_back_clr->setColor(QColor::fromHsv((k * 70) % 360, 40, 250));
        bm->qr_ec_lvl_ComboBox->setCurrentIndex(k % 4);
        bm->dm_moduleStepper_2D->setIntValue(1 + k % 4);
        bm->pdf_HeightStepper_2D->setIntValue(10 + k % 30);
        bm->dm_encoding_ComboBox->setCurrentIndex(k % 5);
        bm->dm_format_ComboBox->setCurrentIndex(k % 5);
        bm->align_hdr_combo->setCurrentIndex(k % 3);
        USED_DPI_VALUE = k % 2 ? 300 : 1200;
        Type_draw_2d_flag = k % 3 == 0;
        bm->Create_Item_List(QStringLiteral("NEW-%1").arg(k), {}, {}, QStringLiteral("7"), 0);
        bm->Add_Records_In_List(k % 2 == 0);
        bm->goButtonActionPerformed();
        QCoreApplication::processEvents();
    }
    for (std::thread &w : workers)
        w.join();
    USED_DPI_VALUE = 600;
    EXPECT_EQ(done, kWorkers);
    EXPECT_GT(roundsDuringChanges, 0);   // the requests did overlap the changes
    EXPECT_GE(requests, kWorkers * (12 + 24 + 3 * 12));
    EXPECT_EQ(mismatches, 0);
}
