// The record fill with real card objects: record i of the bound series and linked rows put into
// texts, pictures and barcode objects, the card rendered, from the GUI thread and from workers.

#include "DesignFixture.h"

#include "barcodemode/Barcode_Gen.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/Long_SMS_Dlg.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/panels/AlignmentPanel.h"
#include "design/panels/DataSourcePanel.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTGraphicView.h"
#include "model/SKTText.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/UserFolders.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QThread>

namespace {

class RecordFill : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        Barcode_Setting_Or_Designing_Mode = 1;
        env.design().workArea().canvasFrameSize = QSizeF(360, 220);
    }
    void writeSeries(const QString &name, const QByteArray &content)
    {
        QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    void front(const SKTGraphicList &objects)
    {
        QList<int> at;
        for (int i = 0; i < objects.size(); ++i)
            at << i;
        env.document()->insertGraphics(objects, at);
        records().Check_Series_Or_Excel_Use_or_not();
    }
    static std::shared_ptr<SKTText> text(const QRectF &frame, const QString &series = QString())
    {
        auto t = std::make_shared<SKTText>();
        t->_bounds = frame;
        t->Set_text_value(QStringLiteral("typed"));
        if (!series.isEmpty()) {
            t->data_source_type = 1;
            t->batch_list_name = series;
        }
        return t;
    }
    static std::shared_ptr<SKTBarcode> code128(const QRectF &frame, const QString &series = QString())
    {
        auto b = std::make_shared<SKTBarcode>();
        b->control_ID = QStringLiteral("BAR_1");
        b->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
        b->linear_or_2d = 0;
        b->linear_font_val = QStringLiteral("OWN-1");
        b->show_hide_hdr = b->show_hide_ftr = 1;
        b->_bounds = frame;
        b->bar_image_ctrl_bounds = frame;
        if (!series.isEmpty()) {
            b->data_source_type = 1;
            b->batch_list_name = series;
        }
        return b;
    }
    platform::Picture fill(int record) { return records().Set_data_table_value_to_card(record, QStringLiteral("F"), false); }
    // The barcode object's own picture at 600 DPI.
    static QImage barcodeRaster(const SKTGraphic &b)
    {
        QImage image = b._barcode_image.toImage(600);
        QImage white(image.size(), QImage::Format_ARGB32);
        white.fill(Qt::white);
        QPainter p(&white);
        p.drawImage(0, 0, image);
        p.end();
        return white;
    }
};

TEST_F(RecordFill, TwoTextsOfFiveAndEightValues)
{
    writeSeries(QStringLiteral("five"), "a1\na2\na3\na4\na5\n");
    writeSeries(QStringLiteral("eight"), "b1\nb2\nb3\nb4\nb5\nb6\nb7\nb8\n");
    auto first = text(QRectF(10, 10, 100, 20), QStringLiteral("five"));
    auto second = text(QRectF(10, 40, 100, 20), QStringLiteral("eight"));
    front({first, second});
    EXPECT_EQ(Total_Batch_Excel_Card, 8);
    for (int r = 0; r < 8; ++r) {
        ASSERT_FALSE(fill(r).isNull()) << r;
        EXPECT_EQ(first->Text_Value, r < 5 ? QStringLiteral("a%1").arg(r + 1) : QString()) << r;
        EXPECT_EQ(second->Text_Value, QStringLiteral("b%1").arg(r + 1)) << r;
    }
    // -1 (no row selected) is record 0; anything else outside every count gives empty values.
    fill(-1);
    EXPECT_EQ(first->Text_Value, QStringLiteral("a1"));
    for (int outside : {-2, -100, 8, 1000000}) {
        fill(outside);
        EXPECT_EQ(first->Text_Value, QString()) << outside;
        EXPECT_EQ(second->Text_Value, QString()) << outside;
    }
}

TEST_F(RecordFill, LineEndsAndInnerEmptyLines)
{
    writeSeries(QStringLiteral("lines"), "x1\r\n\r\nx3\r\n\r\n\r\n");
    auto t = text(QRectF(0, 0, 80, 20), QStringLiteral("lines"));
    front({t});
    EXPECT_EQ(Total_Batch_Excel_Card, 3) << "trailing line ends add no record";
    fill(0);
    EXPECT_EQ(t->Text_Value, QStringLiteral("x1")) << "\\r is trimmed";
    fill(1);
    EXPECT_EQ(t->Text_Value, QString()) << "an inner empty line is an empty value";
    fill(2);
    EXPECT_EQ(t->Text_Value, QStringLiteral("x3"));
}

TEST_F(RecordFill, LinkedColumnsFillTextsButNotThePlaceholder)
{
    LinkedSheetTable &sheet = records().Linked_Sheet;
    sheet.columnTitles = {QStringLiteral("Name"), QStringLiteral("Dept")};
    sheet.rows = {{{QStringLiteral("Column1"), QStringLiteral(" Ann ")}, {QStringLiteral("Column2"), QStringLiteral("R&D")}},
                  {{QStringLiteral("Column1"), QStringLiteral("Bob")}}};   // a row missing a key
    auto name = text(QRectF(0, 0, 80, 20));
    name->data_source_type = 2;
    name->excel_col_indx = 1;
    auto dept = text(QRectF(0, 30, 80, 20));
    dept->data_source_type = 2;
    dept->excel_col_indx = 2;
    auto placeholder = text(QRectF(0, 60, 80, 20));
    placeholder->data_source_type = 2;
    placeholder->excel_col_indx = 0;
    front({name, dept, placeholder});
    EXPECT_TRUE(Use_Excel_Binding_Values);
    EXPECT_EQ(Total_Batch_Excel_Card, 2);
    fill(0);
    EXPECT_EQ(name->Text_Value, QStringLiteral("Ann"));
    EXPECT_EQ(dept->Text_Value, QStringLiteral("R&D"));
    EXPECT_EQ(placeholder->Text_Value, QStringLiteral("typed")) << "column 0 counts rows but fills nothing";
    fill(1);
    EXPECT_EQ(name->Text_Value, QStringLiteral("Bob"));
    EXPECT_EQ(dept->Text_Value, QString()) << "a missing key is an empty value";
    EXPECT_EQ(records().Get_sel_row_col_value_of_Excel(0, 9), QString());
    EXPECT_EQ(records().Get_sel_row_col_value_of_Excel(5, 1), QString());
}

TEST_F(RecordFill, EveryRecordsBarcodeDecodesToItsValue)
{
    writeSeries(QStringLiteral("codes"), "TAG-0001\nTAG-0002\nTAG-0003\nTAG-0004\n");
    auto barcode = code128(QRectF(40, 40, 200, 90), QStringLiteral("codes"));
    front({barcode});
    for (int r = 0; r < 4; ++r) {
        fill(r);
        ASSERT_FALSE(barcode->_barcode_image.isNull()) << r;
        const testsupport::Decoded d = testsupport::decode(barcodeRaster(*barcode));
        EXPECT_TRUE(d.ok) << r;
        EXPECT_EQ(d.text, QStringLiteral("TAG-000%1").arg(r + 1));
    }
}

TEST_F(RecordFill, ABarcodeIsCentredOnItsKeptFrame)
{
    writeSeries(QStringLiteral("widths"), "A\nA-MUCH-LONGER-VALUE-THAN-THE-FRAME-HOLDS\n");
    const QRectF frame(100, 50, 60, 40);
    auto barcode = code128(frame, QStringLiteral("widths"));
    front({barcode});
    for (int r = 0; r < 2; ++r) {
        fill(r);
        const QSizeF size = barcode->_barcode_image.size();
        EXPECT_NEAR(barcode->bounds().center().x(), frame.center().x(), 1e-6) << r;
        EXPECT_NEAR(barcode->bounds().center().y(), frame.center().y(), 1e-6) << r;
        EXPECT_DOUBLE_EQ(barcode->width(), size.width());
    }
    EXPECT_GT(barcode->width(), frame.width()) << "the long value extends to both sides";
    EXPECT_EQ(barcode->bar_image_ctrl_bounds, frame);
}

TEST_F(RecordFill, EmptyOrRefusedValuesLeaveTheObjectWithoutAPicture)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition draws every object as a QR code, which takes these values";
    writeSeries(QStringLiteral("gappy"), "V1\nV2\n\nV4\n");
    auto barcode = code128(QRectF(10, 10, 120, 60), QStringLiteral("gappy"));
    auto label = text(QRectF(10, 100, 100, 20), QStringLiteral("gappy"));
    front({barcode, label});
    fill(2);
    EXPECT_TRUE(barcode->_barcode_image.isNull());
    EXPECT_EQ(env.document()->graphics().size(), 2) << "the object stays";
    fill(3);
    EXPECT_FALSE(barcode->_barcode_image.isNull());
    // A value Code 128 cannot encode: no barcode, the rest of the card rendered.
    writeSeries(QStringLiteral("refused"), "caf\xc3\xa9 \xe2\x82\xac\n");
    barcode->batch_list_name = QStringLiteral("refused");
    label->batch_list_name = QStringLiteral("refused");
    records().Check_Series_Or_Excel_Use_or_not();
    const platform::Picture card = fill(0);
    ASSERT_FALSE(card.isNull());
    EXPECT_TRUE(barcode->_barcode_image.isNull());
    EXPECT_EQ(label->Text_Value, QStringLiteral("caf\u00e9 \u20ac"));
}

TEST_F(RecordFill, AnUnboundValueTakesEachRecordsHeader)
{
    writeSeries(QStringLiteral("heads"), "H1\nH2\n");
    auto barcode = code128(QRectF(10, 10, 200, 90));
    barcode->show_hide_hdr = 0;   // the header is shown
    barcode->data_source_type = 1;
    barcode->batch_hdr_list_name = QStringLiteral("heads");
    front({barcode});
    EXPECT_TRUE(Use_Data_Sheet_Values);
    Barcode_Gen &gen = env.barcodeGen();
    for (int r = 0; r < 2; ++r) {
        fill(r);
        ASSERT_FALSE(barcode->_barcode_image.isNull());
        gen.Set_Barcode_Prop_To_Control(*barcode, false);
        const QImage expected = gen.Get_Image_From_Val(QStringLiteral("OWN-1"), QStringLiteral("H%1").arg(r + 1),
                                                       barcode->footer_val).toImage(300);
        EXPECT_EQ(barcode->_barcode_image.toImage(300), expected) << r;
        EXPECT_TRUE(testsupport::decode(barcodeRaster(*barcode)).text == QStringLiteral("OWN-1")) << r;
    }
}

TEST_F(RecordFill, AWorkersCardIsTheGuiThreadsCard)
{
    writeSeries(QStringLiteral("names"), "Ada\nGrace\n");
    writeSeries(QStringLiteral("codes"), "ID-1\nID-2\n");
    QImage photo(40, 40, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    const QString photoPath = env.dataHome() + QStringLiteral("/photo.png");
    ASSERT_TRUE(photo.save(photoPath));
    auto picture = std::make_shared<SKTImage>();
    picture->_bounds = QRectF(250, 20, 60, 60);
    picture->setFilePath(photoPath);
    front({text(QRectF(10, 10, 120, 24), QStringLiteral("names")), picture,
           code128(QRectF(10, 60, 200, 90), QStringLiteral("codes"))});
    const QImage onGui = fill(1).toImage(300);
    ASSERT_FALSE(onGui.isNull());
    fill(0);
    QImage onWorker;
    QThread *worker = QThread::create([&] { onWorker = fill(1).toImage(300); });
    worker->start();
    while (!worker->wait(10))
        QCoreApplication::processEvents();
    delete worker;
    EXPECT_EQ(onWorker, onGui);
}

TEST_F(RecordFill, ABadPictureValueStillRendersTheRecord)
{
    writeSeries(QStringLiteral("files"), "/no/such/file.png\n" + Data_Folder_Path.toUtf8() + "\n");
    auto picture = std::make_shared<SKTImage>();
    picture->_bounds = QRectF(10, 10, 50, 50);
    picture->data_source_type = 1;
    picture->batch_list_name = QStringLiteral("files");
    front({picture, text(QRectF(80, 10, 80, 20), QStringLiteral("files"))});
    for (int r = 0; r < 2; ++r) {
        EXPECT_FALSE(fill(r).isNull()) << r;
        EXPECT_TRUE(picture->_contents.isNull()) << r;
    }
}

TEST_F(RecordFill, SelectingARecordFillsTheCard)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition keeps no record list";
    writeSeries(QStringLiteral("names"), "Ada\nGrace\nLinus\n");
    auto t = text(QRectF(10, 10, 120, 24), QStringLiteral("names"));
    front({t});
    QTableView *list = records().Fill_List_RHS;
    ASSERT_EQ(list->model()->rowCount(), 3);
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(t->Text_Value, QStringLiteral("Linus"));
    ASSERT_FALSE(records().batch_value_image.isNull());
    list->selectionModel()->clearSelection();
    EXPECT_EQ(t->Text_Value, QStringLiteral("Ada")) << "no row is record 0";
}

// X and Y typed into Arrange (then Return) stay the barcode's through a record change and a print's fill.
TEST_F(RecordFill, ATypedPositionSurvivesARecordChange)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition keeps no record list";
    writeSeries(QStringLiteral("codes"), "TAG-0001\nTAG-0002\nTAG-0003\n");
    auto b = code128(QRectF(40, 40, 200, 90), QStringLiteral("codes"));
    front({b});
    fill(0);
    SKTGraphicView *canvas = env.design().workArea().Graphic_View();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->widgetRect(b->bounds()).center().toPoint());
    for (QLineEdit *field : {sidebar().alignmentPanel()->frame_main_pic_X_pos, sidebar().alignmentPanel()->frame_main_pic_Y_pos}) {
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("25"));
        QTest::keyClick(field, Qt::Key_Return);
    }
    records().Fill_List_RHS->selectRow(2);
    EXPECT_EQ(b->bounds().topLeft(), QPointF(25, 25));
    fill(1);
    EXPECT_EQ(b->bounds().topLeft(), QPointF(25, 25));
}

TEST_F(RecordFill, TheViewAndHelpButtons)
{
    testsupport::ResponderScope responder;
    writeSeries(QStringLiteral("names"), "Ada\nGrace\n");
    DataSourcePanel &page = *sidebar().dataSourcePanel();
    page.data_source_help_btn->setEnabled(true);
    QComboBox *source = page.Data_source_type;
    source->clear();
    source->addItems({QStringLiteral("Manual"), QStringLiteral("Series"), QStringLiteral("Excel")});
    source->setCurrentIndex(0);
    page.view_series_btn->setEnabled(true);
    page.view_series_btn->click();
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_EQ(responder->modalCount, 0);
    source->setCurrentIndex(1);   // the window lists the series, the placeholder first
    ASSERT_EQ(page.Batch_Series->count(), 2);
    EXPECT_TRUE(page.view_series_btn->isEnabled());
    page.view_series_btn->click();
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease select the series.")});
    page.Batch_Series->setCurrentIndex(1);
    page.view_series_btn->click();
    source->setCurrentIndex(2);
    page.view_series_btn->click();
    EXPECT_EQ(responder->modalCount, 2) << "the series viewer, then the linked rows' viewer";
    page.data_source_help_btn->click();
    EXPECT_EQ(responder->modalCount, 3);
    const Long_SMS_Dlg *help = Long_SMS_Dlg::defaultInstance();
    EXPECT_EQ(help->title_val, QStringLiteral("Batch Processing Settings Help :"));
    EXPECT_EQ(help->msg_val_str, QStringLiteral("Select Data Source as 'Manual' to enter value manually.\nSelect 'Series' "
                                                "to fetch the value from the list of existing Batch Processing Series."));
    EXPECT_FALSE(help->apply_chk_show);
}

} // namespace
