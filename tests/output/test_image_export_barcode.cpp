// The Barcode and Advanced QR modes' image export through the window: the export command, the
// dialog answered as a user answers it, the files written and the box at the end.

#include "barcodemode/batch_fixture.h"

#include "app/SKTWindowController.h"
#include "core/BatchPool.h"
#include "core/Open_Export_Log.h"
#include "core/Replcae_Confirm_Box.h"
#include "design/DesignCommands.h"
#include "advqr/AdvQrController.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "design/DesignParts.h"
#include "platform/PictureView.h"
#include "output/Export_Barcode.h"
#include "output/ImageExport.h"
#include "outputjobs/ImageExportWriter.h"
#include "output/OutputController.h"
#include "output/Send_Modeless.h"
#include "platform/Files.h"
#include "support/Decode.h"
#include "support/NoPermissionOverride.h"
#include "support/SyncFailure.h"
#include "design/RecordBinding.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "output/Print_Wnd.h"
#include "output/Send_Mail.h"
#include <QCheckBox>
#include "tools/SymbolRender.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Mode.h"

#include <QButtonGroup>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QPainter>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using namespace batch_test;

namespace {

class BarcodeExport : public BatchWindow {
protected:
    void SetUp() override
    {
        BatchWindow::SetUp();
        if (IsSkipped())
            return;
        responder->onModal = [this](QDialog &shown) {
            if (auto *box = qobject_cast<Open_Export_Log *>(&shown))
                boxes << box->_open_log_chk->text() + QStringLiteral(" | ") + box->_open_log_message->text();
            return 0;
        };
    }
    void TearDown() override
    {
        Export_Barcode::defaultInstance()->Run_Dialog = nullptr;
        ImageExport::keepReplaceOverride() = nullptr;
        imageexport::fileWriterOverride() = nullptr;
        Stop_Processing_Now = false;
        skip_invalid_barcode = false;
    }
    // The Export command with the dialog answered: the format, the user's other choices, the
    // destination, Export.
    void exportWith(int format, const std::function<void(Export_Barcode &)> &choices = {})
    {
        Export_Barcode *dlg = Export_Barcode::defaultInstance();
        dlg->Run_Dialog = [&](QDialog &shown) {
            shown.setResult(-1);
            dlg->ex_bar_image_type_combo->setCurrentIndex(format);
            dlg->Export_barcode_Dest_Path->setText(destination.path());
            if (choices)
                choices(*dlg);
            dlg->export_btn_on_export_image->click();
            return shown.result() == 1 ? 1 : 0;
        };
        commandsOf(c->design()).Export_Button();
    }
    QDir folder() const { return QDir(QDir(destination.path()).filePath(QStringLiteral("QIRO Barcode"))); }
    QStringList files() const { return folder().entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    void valueList(const QStringList &values, const QString &pq = QStringLiteral("1"))
    {
        choose(QStringLiteral("Code 128"));
        tickBatch();
        QList<Rec> records;
        for (const QString &v : values)
            records.append({v, QStringLiteral("H"), QStringLiteral("F"), pq});
        setList(records);
    }

    QTemporaryDir destination;
    QStringList boxes;
};

} // namespace

TEST_F(BarcodeExport, ValueListToJpgDecodesEachRecordAt600Dpi)
{
    valueList({QStringLiteral("ABC-1"), QStringLiteral("ABC-2"), QStringLiteral("ABC-3")}, QStringLiteral("3"));
    exportWith(0);
    const QStringList expected = {QStringLiteral("Barcode (1).JPG"), QStringLiteral("Barcode (2).JPG"),
                                  QStringLiteral("Barcode.JPG")};
    ASSERT_EQ(files(), expected);   // one file per record, whatever its print quantity
    const QStringList byRecord = {QStringLiteral("Barcode.JPG"), QStringLiteral("Barcode (1).JPG"),
                                  QStringLiteral("Barcode (2).JPG")};
    for (int i = 0; i < 3; ++i) {
        const QImage image(folder().filePath(byRecord[i]));
        EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 600, 0.5);
        EXPECT_EQ(testsupport::decode(image, QStringLiteral("Code128")).text, QStringLiteral("ABC-%1").arg(i + 1));
    }
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Open containing folder. | Label has been exported successfully.")});
    EXPECT_FALSE(c->output().msend_modTimer && c->output().msend_modTimer->isActive());
    EXPECT_FALSE(c->send_modls_wnd->window && c->send_modls_wnd->window->isVisible());
}

TEST_F(BarcodeExport, RangeThreeToFiveNamesFallbacksByRecord)
{
    valueList({QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3"), QStringLiteral("A4"), QStringLiteral("A5"),
               QStringLiteral("A6")});
    exportWith(3, [](Export_Barcode &d) {
        d.exp_rad_hdr->click();   // header naming; the records' headers are all "H"
        d.Sel_print_rd->click();
        d.from_Text->setText(QStringLiteral("3"));
        d.To_Text->setText(QStringLiteral("5"));
    });
    // The same header asks about the second and third: the default answer stands in here.
    EXPECT_EQ(files().first(), QStringLiteral("H.PNG"));
    EXPECT_EQ(Print_Start, 2);
    EXPECT_EQ(Print_End, 5);
}

TEST_F(BarcodeExport, SkippedInvalidRecordsDoNotAdvanceTheNumbering)
{
    struct Case {
        bool skip;
        QStringList files;
    };
    const Case cases[] = {
        {true, {QStringLiteral("Barcode (1).PNG"), QStringLiteral("Barcode.PNG")}},
        {false, {QStringLiteral("Barcode (1).PNG"), QStringLiteral("Barcode (2).PNG"), QStringLiteral("Barcode.PNG")}},
    };
    for (const Case &k : cases) {
        valueList({QStringLiteral("GOOD-1"), QString::fromUtf8("b\xc3\xa4""d"), QStringLiteral("GOOD-2")});
        exportWith(3, [&](Export_Barcode &d) {
            if (k.skip)
                d.skip_inavlid_chk->click();
        });
        QDir out = folder();
        EXPECT_EQ(out.entryList(QDir::Files, QDir::Name), k.files) << k.skip;
        const QImage second(out.filePath(QStringLiteral("Barcode (1).PNG")));
        EXPECT_EQ(testsupport::decode(second, QStringLiteral("Code128")).text,
                  k.skip ? QStringLiteral("GOOD-2") : QString()) << k.skip;
        QDir(out).removeRecursively();
    }
}

TEST_F(BarcodeExport, TransparentGroundAsksForJpgAndStaysInPng)
{
    choose(QStringLiteral("Code 128"));
    bm->dataText->setText(QStringLiteral("CLEAR-1"));
    bm->brcd_bk_clr_trnsp_rd->click();
    bm->goButtonActionPerformed();
    responder->alertAnswers = {QStringLiteral("No")};
    exportWith(0);
    EXPECT_TRUE(QDir(destination.path()).entryList(QDir::Files).isEmpty());   // "No" ends the export
    ASSERT_FALSE(responder->alertMessages().isEmpty());
    EXPECT_TRUE(responder->alertMessages().last().contains(QStringLiteral("Transparent Background will be replaced")));
    responder->alertAnswers = {QStringLiteral("Yes")};
    exportWith(0);
    const QImage jpg(QDir(destination.path()).filePath(QStringLiteral("Barcode.jpg")));
    ASSERT_FALSE(jpg.isNull());
    EXPECT_GT(qGray(jpg.pixel(1, 1)), 245);   // on white
    const int asked = responder->alertMessages().size();
    exportWith(3);
    EXPECT_EQ(responder->alertMessages().size(), asked);   // png is not asked about
    const QImage png(QDir(destination.path()).filePath(QStringLiteral("Barcode.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(qAlpha(png.pixel(1, 1)), 0);
    QImage onWhite(png.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, png);
    EXPECT_EQ(testsupport::decode(onWhite, QStringLiteral("Code128")).text, QStringLiteral("CLEAR-1"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Open exported file. | Label has been exported successfully."));
}

// A batch folder that cannot be made or written is refused before any sheet or file, naming the
// folder and the system's reason (read-only folders bind root too, without its override).
TEST_F(BarcodeExport, BatchFolderThatCannotBeMadeStopsBeforeTheSheet)
{
    valueList({QStringLiteral("X1")});
    const QString chosen = destination.path(), batch = folder().path(), gone = QDir(chosen).filePath(QStringLiteral("gone"));
    const auto readOnly = [](const QString &f) { QFile::setPermissions(f, QFile::ReadOwner | QFile::ExeOwner); };
    const struct { std::function<void()> block; QString from, folder; int err; } cases[] = {
        {[&] { readOnly(chosen); }, chosen, batch, EACCES},
        {[&] { QDir().mkdir(batch), readOnly(batch); }, chosen, batch, EACCES},
        {[] {}, gone, QDir(gone).filePath(QStringLiteral("QIRO Barcode")), ENOENT},
        {[&] { (void)QFile(batch).open(QIODevice::WriteOnly); }, chosen, batch, ENOTDIR},   // a file in the way
    };
    QStringList said;
    for (const auto &k : cases) {
        QFile::setPermissions(chosen, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().rmdir(batch);
        k.block();
        const testsupport::NoPermissionOverride unprivileged;
        exportWith(3, [&](Export_Barcode &d) { d.Export_barcode_Dest_Path->setText(k.from); });
        said << QStringLiteral("Unable to continue saving barcode image.\n\nThe folder \"%1\" cannot be written: %2")
                    .arg(k.folder, std::strerror(k.err));
    }
    EXPECT_EQ(responder->trimmedAlertMessages(), said);   // one refusal each
    EXPECT_TRUE(QFileInfo(batch).isFile());
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_TRUE(boxes.isEmpty());
}

// The disk cannot confirm the files: a single file's folder sync after its rename leaves it saved,
// and the user is told it may not outlast a power cut; the batch's sync at its end failing means the
// disk lost data being written, which is said as the failure it is.
TEST_F(BarcodeExport, FilesTheDiskCannotConfirmAreWrittenAndSaidSo)
{
    const QString eio = testsupport::SyncFailure::reason();
    choose(QStringLiteral("Code 128"));
    const testsupport::SyncFailure failing(destination.path());
    exportWith(3);
    valueList({QStringLiteral("Y1"), QStringLiteral("Y2")});
    exportWith(3);
    EXPECT_EQ(responder->trimmedAlertMessages(), (QStringList{platform::unsyncedWarning(QStringLiteral("\"Barcode.png\""), eio),
                                                              batchfiles::damagedFilesMessage("the exported files", eio)}));
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Open exported file. | Label has been exported successfully.")});   // no done box
}

// Where others may write, "QIRO Barcode" swapped right after its check for a link to another's folder: every file goes
// into the folder checked (renamed away), none through the link; the user's file there is asked about there, Keep chosen.
TEST_F(BarcodeExport, TheFolderCheckedIsTheFolderWritten)
{
    const struct { const char *earlier, *written; bool headers = false; } cases[] = {   // the user's file there before; the folder checked after
        {"", "Barcode (1).PNG|Barcode (2).PNG|Barcode.PNG"},
        {"Barcode.PNG", "Barcode (1) (1).PNG|Barcode (1).PNG|Barcode (2).PNG|Barcode.PNG"},
        {"Header (2).PNG", "Header (1).PNG|Header (2) (2).PNG|Header (2).PNG|Header (3).PNG", true}};   // free names, asked of it
    valueList({QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3")});
    QDir chosen(destination.path());
    ASSERT_TRUE(chosen.mkdir("theirs") && ::chmod(QFile::encodeName(chosen.path()).constData(), 0777) == 0);
    platform::setWritableFolderStepHook([&](const QString &) {
        EXPECT_TRUE(chosen.rename("QIRO Barcode", "moved") && QFile::link("theirs", folder().path()));
    });
    responder->onModal = [&, others = responder->onModal](QDialog &shown) {   // the keep-or-replace question, answered Keep
        Replcae_Confirm_Box &box = *Replcae_Confirm_Box::defaultInstance();
        return &shown != &box ? others(shown) : (shown.show(), QTest::mouseClick(box.keep_btn, Qt::LeftButton), shown.result());
    };
    for (const auto &k : cases) {
        QDir(chosen.filePath("moved")).removeRecursively() && QFile::remove(folder().path());   // what the last run left
        ASSERT_TRUE(!*k.earlier || (chosen.mkdir("QIRO Barcode") && QFile(folder().filePath(k.earlier)).open(QIODevice::WriteOnly)));
        if (k.headers)
            setList({{"A1", "", "F", "1"}, {"A2", "", "F", "1"}, {"A3", "", "F", "1"}});
        exportWith(3, [&](Export_Barcode &d) { (k.headers ? d.exp_rad_hdr : d.exp_rad_def)->click(); });
        EXPECT_TRUE(QDir(chosen.filePath("theirs")).isEmpty());
        EXPECT_EQ(QDir(chosen.filePath("moved")).entryList(QDir::Files).join('|').toStdString(), k.written);
    }
    platform::setWritableFolderStepHook(nullptr);
}

TEST_F(BarcodeExport, StoppedRunSaysHowManyFilesItWrote)
{
    QStringList values;
    for (int i = 0; i < 30; ++i)
        values << QStringLiteral("STOP-%1").arg(i);
    valueList(values);
    ImageExport::batchThreads() = 1;
    int written = 0;
    imageexport::fileWriterOverride() = [&](const QString &p, const QByteArray &b, QString *error) {
        if (++written == 2)
            Stop_Processing_Now = true;
        return imageexport::writeWhole(p, b, error);
    };
    exportWith(3);
    ImageExport::batchThreads() = 0;
    EXPECT_EQ(files().size(), 2);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Open containing folder. | The export was stopped. 2 file(s) were written.")});
}

TEST_F(BarcodeExport, TheRunWaitsWhileStopAsksAndYesEndsIt)
{
    QStringList values;
    for (int i = 0; i < 300; ++i)
        values << QStringLiteral("WAIT-%1").arg(i);
    valueList(values);
    ImageExport::batchThreads() = 2;
    const auto named = [this] { return int(folder().entryList(QDir::Files).size()); };
    int whileAsking = -1;   // files begun while the user reads the question (those in hand may end)
    responder->alertAnswers = {QStringLiteral("Yes")};
    responder->onAlert = [&](const platform::AlertRequest &) {
        QTest::qWait(100);
        const int before = named();
        QTest::qWait(400);
        whileAsking = named() - before;
    };
    QTimer watch;   // the user presses Stop once three files are there
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (named() >= 3 && c->send_modls_wnd->_stop_btn->isEnabled())
            watch.stop(), c->send_modls_wnd->_stop_btn->click();
    });
    watch.start(5);
    exportWith(3);
    ImageExport::batchThreads() = 0;
    responder->onAlert = nullptr;
    EXPECT_EQ(whileAsking, 0);
    EXPECT_EQ(boxes.value(0), QStringLiteral("Open containing folder. | The export was stopped. %1 file(s) were written.").arg(named()));
}

// Print and Mail offer the batch again and Export writes every record; after a bound design the
// shown symbol is exported.
TEST_F(BarcodeExport, TheBatchBoxDecidesAfterEveryOutput)
{
    c->Designing_Mode_Select();
    writeSeries(QStringLiteral("codes.txt"), "C-1\n");
    auto code = std::make_shared<SKTBarcode>();
    code->data_source_type = 1, code->batch_list_name = QStringLiteral("codes");
    c->document()->insertGraphics({code}, {0});
    recordsOf(c->design()).Check_Series_Or_Excel_Use_or_not();
    c->Barcode_Mode_Select();
    choose(QStringLiteral("Code 128"));
    bm->dataText->setText(QStringLiteral("SHOP-4711"));
    bm->HeaderText->setText(QStringLiteral("Head"));
    bm->FooterText->setText(QStringLiteral("Foot"));
    bm->goButtonActionPerformed();
    for (QRadioButton *Export_Barcode::*naming : {&Export_Barcode::exp_rad_sv, &Export_Barcode::exp_rad_hdr, &Export_Barcode::exp_rad_ftr})
        exportWith(0, [naming](Export_Barcode &d) { (d.*naming)->click(); });
    EXPECT_EQ(QDir(destination.path()).entryList(QDir::Files, QDir::Name), (QStringList{"Foot.jpg", "Head.jpg", "SHOP-4711.jpg"}));
    EXPECT_EQ((QStringList{bm->dataText->text(), bm->HeaderText->text(), bm->FooterText->text()}),
              (QStringList{"SHOP-4711", "Head", "Foot"}));
    for (const int unbatched : {0, 1}) {
        valueList({QStringLiteral("B-1"), QStringLiteral("B-2"), QStringLiteral("B-3")});
        QString seen;   // per opening: P print, M mail; lower case without the batch offered
        responder->onModal = [&](QDialog &d) {
            auto *print = qobject_cast<Print_Wnd *>(&d);
            auto *mail = qobject_cast<Send_Mail *>(&d);
            QCheckBox *box = print ? print->print_with_batch_chk : mail ? mail->send_with_batch_chk : nullptr;
            seen += !box ? "" : print ? (box->isChecked() ? "P" : "p") : (box->isEnabled() ? "M" : "m");
            for (int clicks = print ? 1 : 2; box && seen.size() == 1 && clicks > 0; --clicks)
                box->click();
            return 0;
        };
        for (int opening : {unbatched, 0, 1})
            opening ? commandsOf(c->design()).Mail_Button(nullptr) : commandsOf(c->design()).Print_Button();
        exportWith(0, [](Export_Barcode &d) { d.exp_rad_sv->click(); });
        EXPECT_EQ(seen, unbatched ? QStringLiteral("MPM") : QStringLiteral("PPM"));
        EXPECT_EQ(files(), (QStringList{"B-1.JPG", "B-2.JPG", "B-3.JPG"}));
        folder().removeRecursively();
    }
}

TEST_F(BarcodeExport, AdvancedQrWritesTheTypeNamedFile)
{
    c->Advance_QR_Mode_Select();
    ASSERT_EQ(Barcode_Setting_Or_Designing_Mode, 2);
    c->advQr().QR_Text_Clicked(QStringLiteral("Text"));
    c->advQr().Qr_Text->Text_Field->setPlainText(QStringLiteral("hello export"));
    // The mode's symbol on screen (its generation belongs to the mode; here it is put in place).
    symboltool::Status status = symboltool::Status::Written;
    const platform::Picture qr = symboltool::renderSymbol(QStringLiteral("QR Code"), QStringLiteral("hello export"), status);
    ASSERT_FALSE(qr.isNull());
    c->advQr().image_adv_QR = qr;
    c->advQr().QR_barcodeImage->setPicture(qr);
    exportWith(3);
    const QImage png(QDir(destination.path()).filePath(QStringLiteral("QR Code for Text.png")));
    ASSERT_FALSE(png.isNull()) << responder->alertMessages().join(QLatin1Char('|')).toStdString()
                               << QDir(destination.path()).entryList().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(testsupport::decode(png.convertToFormat(QImage::Format_RGB32), QStringLiteral("QRCode")).text,
              QStringLiteral("hello export"));
    c->Barcode_Mode_Select();
}
