// PDF export jobs started from the dialog's OK: a Designing-mode batch of Code 128 labels written
// into "QIRO PDF Label", read back with pdfinfo, qpdf, pdfimages and pdftoppm, each label decoded
// (zxing-cpp); the files of each output option, the range, the dialog's values after every way a
// job ends, Stop on the progress sheet, and the files that cannot be written or replaced.

#include "PdfDialogFixture.h"

#include "app/SKTWindowController.h"
#include "support/Decode.h"
#include "support/Editions.h"
#include "support/FileSizeLimit.h"
#include "support/SyncFailure.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Replcae_Confirm_Box.h"
#include "platform/Files.h"

#include <QPainter>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace {

using pdftest::PdfDialog;
using pdftest::PtPerMM;

constexpr double LabelW = 45, LabelH = 30;   // millimetres

class PdfJobs : public PdfDialog {
protected:
    void SetUp() override
    {
        PdfDialog::SetUp();
        if (!printtest::haveTools() || QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty())
            GTEST_SKIP() << "pdfinfo, pdftoppm and qpdf are needed";
    }

    // The Code 128 in cell (0-based, rows of cols) of a page at 300 DPI, the sheet at the top-left
    // corner without gaps.
    static QString codeIn(const QImage &page, int cell, int cols, const QString &format = QStringLiteral("Code128"))
    {
        const double perPt = 300.0 / 72.0;
        const QRectF box((cell % cols) * LabelW * PtPerMM * perPt, (cell / cols) * LabelH * PtPerMM * perPt,
                         LabelW * PtPerMM * perPt, LabelH * PtPerMM * perPt);
        // The symbol fills its label: a white quiet zone around the cell.
        QImage padded(int(box.width()) + 120, int(box.height()) + 120, QImage::Format_RGB32);
        padded.fill(Qt::white);
        QPainter painter(&padded);
        painter.drawImage(60, 60, page.copy(box.toRect()));
        painter.end();
        const testsupport::Decoded d = testsupport::decode(padded, format);
        return d.ok ? d.text : QString();
    }
    static QString rec(int i) { return QStringLiteral("R%1").arg(i, 2, 10, QLatin1Char('0')); }

    // Rows and columns typed, then OK into the folder.
    void sheet(int rows, int cols)
    {
        type(w->Row_Text, QString::number(rows));
        type(w->Col_Text, QString::number(cols));
    }
};

TEST_F(PdfJobs, TwentyFiveLabelsOnFourByFiveMakeOneDocumentOfTwoA4Pages)
{
    card(LabelW, LabelH, 25, true);
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("25"));
        sheet(5, 4);
        exportTo(dir.path());
    });
    ASSERT_EQ(files(), QStringList{QStringLiteral("QIROLabel.PDF")});
    const QString pdf = QDir(out()).filePath(QStringLiteral("QIROLabel.PDF"));
    const QString info = printtest::run(QStringLiteral("pdfinfo"), {QStringLiteral("-l"), QStringLiteral("2"), pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    int a4 = 0;
    for (auto it = QRegularExpression(QStringLiteral("size:\\s+([0-9.]+) x ([0-9.]+) pts")).globalMatch(info); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        a4 += std::abs(m.captured(1).toDouble() - 595.28) < 0.01 && std::abs(m.captured(2).toDouble() - 841.89) < 0.01;
    }
    EXPECT_EQ(a4, 2);
    for (const QString &line : {QStringLiteral("Title:\\s+QIRO Barcode Software PDF File"), QStringLiteral("Creator:\\s+QIRO Software Pvt. Ltd."),
                                QStringLiteral("Author:\\s+QIRO Software"), QStringLiteral("Subject:\\s+QIRO Barcode Label"),
                                QStringLiteral("Keywords:\\s+Tagora")})
        EXPECT_TRUE(info.contains(QRegularExpression(line))) << qPrintable(line);
    QProcess check;
    check.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    EXPECT_FALSE(printtest::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).contains(QStringLiteral("jpeg")));
    // Each label's Code 128 and QR Code hold its record: 20 on the first page, 5 on the second.
    QStringList read, expected;
    const QImage first = printtest::page(pdf, 1, 300), second = printtest::page(pdf, 2, 300);
    for (int cell = 0; cell < 20; ++cell) {
        read << codeIn(first, cell, 4) + QLatin1Char('/') + codeIn(first, cell, 4, QStringLiteral("QRCode"));
        expected << rec(cell + 1) + QLatin1Char('/') + rec(cell + 1);
    }
    for (int cell = 0; cell < 6; ++cell) {
        read << codeIn(second, cell, 4) + QLatin1Char('/') + codeIn(second, cell, 4, QStringLiteral("QRCode"));
        expected << (cell < 5 ? rec(21 + cell) + QLatin1Char('/') + rec(21 + cell) : QStringLiteral("/"));
    }
    EXPECT_EQ(read, expected);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Open containing folder. | Label has been exported successfully.")});
}

TEST_F(PdfJobs, ARangeWritesItsRecordsOnly)
{
    card(LabelW, LabelH, 10);
    open([&] {
        sheet(5, 4);
        w->Sel_print_rd->click();
        type(w->from_Text, QStringLiteral("3"));
        type(w->To_Text, QStringLiteral("5"));
        exportTo(dir.path());
        EXPECT_EQ(show_count, 3);
    });
    const QString pdf = QDir(out()).filePath(QStringLiteral("QIROLabel.PDF"));
    EXPECT_EQ(printtest::pdfInfo(pdf).pages, 1);
    const QImage page = printtest::page(pdf, 1, 300);
    EXPECT_EQ((QStringList{codeIn(page, 0, 4), codeIn(page, 1, 4), codeIn(page, 2, 4), codeIn(page, 3, 4)}),
              (QStringList{rec(3), rec(4), rec(5), QString()}));
}

TEST_F(PdfJobs, TheFilesOfEachOutputOption)
{
    struct Case { int option; QStringList files; std::vector<int> pages; };
    const Case cases[] = {
        {1, {"QIROLabel (1).PDF", "QIROLabel.PDF"}, {1, 1}},
        {2, {"QIROLabel (1).PDF", "QIROLabel (2).PDF", "QIROLabel (3).PDF", "QIROLabel (4).PDF", "QIROLabel (5).PDF", "QIROLabel.PDF"},
         {1, 1, 1, 1, 1, 1}},
        {3, {"QIROLabel.PDF"}, {6}},
    };
    card(LabelW, LabelH, 6);
    for (const Case &k : cases) {
        SCOPED_TRACE(k.option);
        const QString folder = dir.filePath(QString::number(k.option));
        QDir().mkpath(folder);
        open([&] {
            sheet(2, 2);
            option(k.option);
            exportTo(folder);
        });
        const QDir written(QDir(folder).filePath(QStringLiteral("QIRO PDF Label")));
        const QStringList names = written.entryList(QDir::Files | QDir::Hidden, QDir::Name);
        EXPECT_EQ(names, k.files);
        std::vector<int> pages;
        for (const QString &n : names)
            pages.push_back(printtest::pdfInfo(written.filePath(n)).pages);
        EXPECT_EQ(pages, k.pages);
    }
}

// An unbound card, or a typed Barcode-mode value, a page each or on as many sheets as they need.
TEST_F(PdfJobs, WithoutBatchDataTheTypedTotalIsExported)
{
    const struct { int option; const char *total; int pages; } cases[] = {{3, "12", 12}, {0, "12", 2}, {3, "4", 4}};
    card(LabelW, LabelH);
    for (const auto &k : cases) {
        if (&k == &cases[2]) {   // the Barcode mode's typed value, its batch off
            valueList(QStringLiteral("Code 128"), {QStringLiteral("SHOP-4711")});
            c->barcodeMode().data_source_chkbox->click();
        }
        QDir(out()).removeRecursively();
        open([&] {
            sheet(3, 2);
            option(k.option);
            type(w->Total_Text, QString::fromLatin1(k.total));
            exportTo(dir.path());
        });
        EXPECT_EQ(printtest::pdfInfo(QDir(out()).filePath(files().value(0))).pages, k.pages) << k.option;
    }
}

// Barcode mode, value list: one label a page, each page its own symbol's size; one file a label,
// each named by its value.
TEST_F(PdfJobs, BarcodeLabelsOnPagesOfTheirOwnSize)
{
    SKIP_WITHOUT_BARCODE_MODE();
    const QStringList values = {"A1", "A-LONGER-VALUE-2", "A3"};
    valueList(QStringLiteral("Code 128"), values);
    std::vector<QSizeF> symbols;
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("3"));
        // The print grid is made as the dialog opens.
        for (int i = 0; i < values.size(); ++i)
            symbols.push_back(c->barcodeMode().Get_Image_From_Barcode_Grid(i).size());
        ASSERT_NE(symbols[0].width(), symbols[1].width());
        option(3);
        w->use_label_size_chk_box->click();
        exportTo(dir.path());
        option(2);
        w->Save_Type_ComboBox->setCurrentIndex(w->Save_Type_ComboBox->findText(QStringLiteral("Barcode Value")));
        exportTo(dir.path());
    });
    const QString pdf = QDir(out()).filePath(QStringLiteral("QIROLabel.PDF"));
    const QString info = printtest::run(QStringLiteral("pdfinfo"), {QStringLiteral("-l"), QStringLiteral("9"), pdf});
    std::vector<QSizeF> pages;
    for (auto it = QRegularExpression(QStringLiteral("size:\\s+([0-9.]+) x ([0-9.]+) pts")).globalMatch(info); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pages.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    ASSERT_EQ(pages.size(), symbols.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NEAR(pages[i].width(), symbols[i].width(), 0.01) << i;
        EXPECT_NEAR(pages[i].height(), symbols[i].height(), 0.01) << i;
    }
    EXPECT_EQ(files(), (QStringList{"A-LONGER-VALUE-2.PDF", "A1.PDF", "A3.PDF", "QIROLabel.PDF"}));
}

TEST_F(PdfJobs, TheDialogIsAsBeforeHoweverTheJobEnds)
{
    struct Case { const char *name; std::function<QString(const QString &)> answer; int files; QStringList boxes; };
    int asked = 0;
    const Case cases[] = {
        {"done", [](const QString &p) { return p; }, 2, {"Open containing folder. | Label has been exported successfully."}},
        {"Stop while the second file is asked for",
         [&](const QString &p) {
             if (++asked == 2)
                 Stop_Processing_Now = true;
             return p;
         },
         1, {"Open containing folder. | The export was stopped. 1 file(s) were written."}},
        {"Cancel for all at the prompt",
         [](const QString &) {
             replace_keep_file_flag = 5;
             return QString();
         },
         0, {}},
    };
    card(LabelW, LabelH, 8);
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        QDir(out()).removeRecursively();
        asked = 0;
        boxes.clear();
        ImageExport::keepReplaceOverride() = [&](const QString &p, bool) { return k.answer(p); };
        open([&] {
            sheet(2, 2);
            w->top_rite_btn->click();
            w->Auto_Center_chk_bx->click();
            option(1);
            exportTo(dir.path());
            EXPECT_EQ(w->pdf_matrix->checkedId(), 1);
            EXPECT_EQ(c->output().pdf_export_opt, 1);
            EXPECT_EQ((QStringList{w->Row_Text->text(), w->Col_Text->text()}), (QStringList{"2", "2"}));
            EXPECT_EQ(Print_Row * 10 + Print_Col, 22);
            EXPECT_EQ(label_align_val, 3);
            EXPECT_TRUE(auto_center_flag);
            EXPECT_NEAR(label_width, LabelW * PtPerMM, 0.01);
            EXPECT_TRUE(w->isVisible());
        });
        EXPECT_EQ(files().size(), k.files);
        EXPECT_EQ(boxes, k.boxes);
        // The design is back on the canvas.
        EXPECT_EQ(c->document()->graphics().first()->Text_Value, QStringLiteral("design"));
    }
}

TEST_F(PdfJobs, StopOnTheProgressSheetKeepsAValidDocumentOfThePagesDrawn)
{
    card(LabelW, LabelH, 200);   // ten sheets
    const QStringList before = {c->document()->graphics().first()->Text_Value};
    QTimer watch;   // the user watching the figure: Stop once the second sheet is begun
    bool pressed = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (pressed || curr_card_count < 21 || !c->send_modls_wnd->_stop_btn->isEnabled())
            return;
        pressed = true;
        responder->alertAnswers = {QStringLiteral("Yes")};
        c->send_modls_wnd->_stop_btn->click();
    });
    watch.start(0);
    int whileAsking = -1;   // labels drawn from the question's opening, mid-sheet, while the user reads it
    responder->onAlert = [&](const platform::AlertRequest &) {
        const int before = curr_card_count;
        QTest::qWait(500);
        whileAsking = curr_card_count - before;
    };
    open([&] {
        sheet(5, 4);
        exportTo(dir.path());
        EXPECT_EQ((QStringList{w->Row_Text->text(), w->Col_Text->text()}), (QStringList{"5", "4"}));
        EXPECT_EQ(w->pdf_matrix->checkedId(), 0);
    });
    watch.stop();
    responder->onAlert = nullptr;
    EXPECT_TRUE(whileAsking == 0 || whileAsking == 1) << whileAsking;   // at most the label in hand
    ASSERT_TRUE(pressed);
    EXPECT_TRUE(responder->alertMessages().contains(QStringLiteral("Are you sure you want to stop?")));
    ASSERT_EQ(files(), QStringList{QStringLiteral("QIROLabel.PDF")});
    const QString pdf = QDir(out()).filePath(QStringLiteral("QIROLabel.PDF"));
    QProcess check;
    check.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    // The sheets begun before Stop came through, the last one as far as it was drawn.
    const int pages = printtest::pdfInfo(pdf).pages;
    EXPECT_GE(pages, 2);
    EXPECT_LT(pages, 10);
    EXPECT_EQ(codeIn(printtest::page(pdf, 2, 300), 0, 4), rec(21));
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Open containing folder. | The export was stopped. 1 file(s) were written.")});
    EXPECT_EQ(QStringList{c->document()->graphics().first()->Text_Value}, before);
}

// Replace writes the new file beside the old one and renames it over only when it is whole: a
// write that fails midway (the file-size limit standing in for a full disk) keeps the old bytes
// and says why. A folder sync that fails once the new file has its name leaves it replaced: the box
// says it may not outlast a power cut, and no failure is reported.
TEST_F(PdfJobs, AReplacementThatFailsKeepsTheOldFile)
{
    struct Case { const char *name; rlim_t limit; bool syncFails, replaced; };
    const Case cases[] = {{"written whole", RLIM_INFINITY, false, true}, {"a file-size limit midway", 2048, false, false},
                          {"the folder's sync fails", RLIM_INFINITY, true, true}};
    card(LabelW, LabelH, 4);
    ImageExport::keepReplaceOverride() = [](const QString &p, bool) { return p; };   // Replace
    const QByteArray old = "the old file, whole";
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        QDir(out()).removeRecursively();
        QDir().mkpath(out());
        const QString pdf = QDir(out()).filePath(QStringLiteral("QIROLabel.PDF"));
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
        f.close();
        responder->alerts.clear();
        boxes.clear();
        open([&] {
            const testsupport::FileSizeLimit full(k.limit);
            ASSERT_TRUE(full.ok());
            const testsupport::SyncFailure disk(out(), k.syncFails);
            exportTo(dir.path());
        });
        EXPECT_EQ(files(), QStringList{QStringLiteral("QIROLabel.PDF")});
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        f.close();
        if (k.replaced) {
            EXPECT_TRUE(now.startsWith("%PDF"));
            EXPECT_TRUE(messages().isEmpty());
            const QString unsynced = platform::unsyncedWarning(QStringLiteral("\"QIROLabel.PDF\""), testsupport::SyncFailure::reason());
            EXPECT_EQ(boxes, QStringList{QStringLiteral("Open containing folder. | ") + (k.syncFails ? unsynced : ImageExport::Done_Message)});
        } else {
            EXPECT_EQ(now, old);
            EXPECT_EQ(messages(), QStringList{QStringLiteral("Unable to continue saving the PDF file.\n\nThe file \"%1\" cannot be "
                                                             "written: %2").arg(pdf, std::strerror(EFBIG))});
        }
    }
}

// The message names the file or folder with the system's reason; a folder this run made stays only
// with a file in it; the files of a run go into the folder checked, whatever took its name since.
TEST_F(PdfJobs, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    const QString unable = QStringLiteral("Unable to continue saving the PDF file.\n\nThe %1 \"%2\" cannot be written: %3");
    const QString tooLong = QString(300, QLatin1Char('n'));
    struct Case { const char *name; std::function<void()> block; QString message; bool folderStays; QString fileName; int option = 0; int held = 0; };
    const Case cases[] = {
        {"the file's place is taken by a folder", [&] { QDir().mkpath(QDir(out()).filePath(QStringLiteral("QIROLabel.PDF"))); },
         unable.arg("file", QDir(out()).filePath(QStringLiteral("QIROLabel.PDF")), std::strerror(EISDIR)), true, {}},
        {"the sub-folder's place is taken by a file", [&] {
             QFile f(out());
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         }, unable.arg("folder", out(), std::strerror(ENOTDIR)), true, {}},
        {"a name too long", [] {}, unable.arg("file", QDir(out()).filePath(tooLong + ".PDF"), std::strerror(ENAMETOOLONG)), false, tooLong},
        // Where others may write, the folder swapped after its check for a link to another's: every file goes into the
        // folder checked (renamed away), none through the link.
        {"the sub-folder swapped for a link meanwhile", [&] {
             ASSERT_TRUE(::chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0 && QDir(dir.path()).mkdir("theirs"));
             ImageExport::keepReplaceOverride() = [&](const QString &p, bool) {
                 EXPECT_TRUE(QFileInfo(out()).isSymLink() || (QDir().rename(out(), dir.filePath("moved")) && QFile::link("theirs", out())));
                 return p;
             };
         }, QString(), true, {}, 2, 4},
        // The user's earlier export there, the folder renamed away right after its check: asked about there, Keep chosen.
        {"the user's file there, the sub-folder renamed after its check", [&] {
             ASSERT_TRUE(QDir(dir.filePath("moved")).removeRecursively() && QDir().mkpath(out()) && QFile(out() + "/QIROLabel.PDF").open(QIODevice::WriteOnly));
             ImageExport::keepReplaceOverride() = nullptr;
             platform::setWritableFolderStepHook([&](const QString &) { EXPECT_TRUE(QDir().rename(out(), dir.filePath("moved"))); });
         }, QString(), false, {}, 3, 2},
    };
    card(LabelW, LabelH, 4);
    ImageExport::keepReplaceOverride() = [](const QString &p, bool) { return p; };   // Replace
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        QDir(out()).removeRecursively();
        QFile::remove(out());
        responder->alerts.clear();
        k.block();
        open([&] {
            if (!k.fileName.isEmpty())
                w->file_name_save_txt->setText(k.fileName);
            if (k.option)
                option(k.option);
            exportTo(dir.path());
        }, [](QDialog &keepOrReplace) { return keepOrReplace.show(), QTest::mouseClick(Replcae_Confirm_Box::defaultInstance()->keep_btn, Qt::LeftButton), keepOrReplace.result(); });
        platform::setWritableFolderStepHook(nullptr);
        EXPECT_EQ(messages().join('|').toStdString(), k.message.toStdString());
        EXPECT_TRUE(files().isEmpty());
        EXPECT_EQ(QFileInfo::exists(out()), k.folderStays);
        EXPECT_EQ(boxes.isEmpty(), !k.held);
        EXPECT_EQ(QDir(dir.filePath("moved")).entryList(QDir::Files).size(), k.held);
    }
}

TEST_F(PdfJobs, ANameOutsideAsciiInAFolderOutsideAscii)
{
    card(LabelW, LabelH, 2);
    const QString folder = dir.filePath(QStringLiteral("Étiquettes ü"));
    QDir().mkpath(folder);
    open([&] {
        w->file_name_save_txt->setText(QStringLiteral("Ярлык"));
        exportTo(folder);
    });
    const QString pdf = QDir(folder).filePath(QStringLiteral("QIRO PDF Label/QIRO_PDF_Label.PDF"));
    ASSERT_TRUE(QFile::exists(pdf));
    // The sheets begun before Stop came through, the last one as far as it was drawn.
    const int pages = printtest::pdfInfo(pdf).pages;
    EXPECT_GE(pages, 2);
    EXPECT_LT(pages, 10);   // a page for each label
}

} // namespace
