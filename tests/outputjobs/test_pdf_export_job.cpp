// The PDF export run: files and pages per output option, the range, the keep-or-replace answers
// (skip, cancel), Stop, label-size pages and a file that cannot be written.

#include "outputjobs/PdfExportJob.h"
#include "support/Decode.h"
#include "tools/SymbolRender.h"
#include "outputjobs/OutputGlobals.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QSizeF kA4(595.28, 841.89);

QString pdfinfo(const QString &path, const QStringList &extra = {})
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), extra + QStringList{path});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString &path)
{
    static const QRegularExpression re(QStringLiteral("^Pages: +(\\d+)"), QRegularExpression::MultilineOption);
    return re.match(pdfinfo(path)).captured(1).toInt();
}

std::vector<QSizeF> pageSizes(const QString &path)
{
    const QString text = pdfinfo(path, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("999")});
    static const QRegularExpression re(QStringLiteral("Page +\\d+ size: +([0-9.]+) x ([0-9.]+) pts"));
    std::vector<QSizeF> sizes;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

platform::Picture block(const QSizeF &points)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    return platform::Picture::fromImage(image, points);
}

struct PdfRun {
    QTemporaryDir dir;
    std::vector<int> fetched;
    PdfExportJob::Settings settings;
    std::atomic<bool> stop{false};

    // records on a rows x cols sheet of A4, Designing mode with batch records.
    PdfRun(int records, int rows, int cols, int option, int mode = 1)
    {
        PdfExportPage::Setup &p = settings.page;
        p.paper = kA4;
        p.mode = mode;
        p.option = option;
        p.batch = true;
        p.layout.Print_Row = rows;
        p.layout.Print_Col = cols;
        p.layout.label_width = 120;
        p.layout.label_hight = 70;
        p.layout.Total_Label_Real = records;
        p.invalid_image = block(QSizeF(200, 100));
        settings.end = records;
        settings.pathFor = [this](int, const QString &name, int) { return dir.filePath(name + QStringLiteral(".PDF")); };
        settings.keepReplace = [](const QString &path) { return std::optional<QString>(path); };
        settings.fetch = [this](int i) {
            fetched.push_back(i);
            return block(QSizeF(100, 50));
        };
    }
    PdfExportJob::Outcome go() { return PdfExportJob(settings).Export_PDF_File(stop); }
    QStringList names() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

std::vector<int> iota(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i < to; ++i)
        v.push_back(i);
    return v;
}

TEST(PdfExportJob, FilesAndPagesPerOption)
{
    struct Case { const char *name; int option; QStringList files; std::vector<int> pages; };
    const Case cases[] = {
        {"0: one document of sheets", 0, {"QIROLabel.PDF"}, {2}},
        {"1: one file per sheet", 1, {"QIROLabel (1).PDF", "QIROLabel.PDF"}, {1, 1}},
        {"2: one file per label", 2,
         {"QIROLabel (1).PDF", "QIROLabel (2).PDF", "QIROLabel (3).PDF", "QIROLabel (4).PDF", "QIROLabel (5).PDF",
          "QIROLabel.PDF"}, {1, 1, 1, 1, 1, 1}},
        {"3: one document of label pages", 3, {"QIROLabel.PDF"}, {6}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfRun run(6, 2, 2, c.option);
        const PdfExportJob::Outcome out = run.go();
        EXPECT_FALSE(out.failed);
        EXPECT_FALSE(out.stopped);
        EXPECT_EQ(run.names(), c.files);
        EXPECT_EQ(run.fetched, iota(0, 6));
        std::vector<int> pages;
        for (const QString &f : run.names())
            pages.push_back(pageCount(run.dir.filePath(f)));
        EXPECT_EQ(pages, c.pages);
    }
}

TEST(PdfExportJob, TwentyFiveLabelsOnFourByFiveMakeTwoA4Pages)
{
    PdfRun run(25, 5, 4, 0);
    ASSERT_FALSE(run.go().failed);
    const std::vector<QSizeF> sizes = pageSizes(run.dir.filePath(QStringLiteral("QIROLabel.PDF")));
    ASSERT_EQ(sizes.size(), 2u);
    for (const QSizeF &s : sizes) {
        EXPECT_NEAR(s.width(), 595.28, 0.01);
        EXPECT_NEAR(s.height(), 841.89, 0.01);
    }
    EXPECT_EQ(run.fetched, iota(0, 25));
}

TEST(PdfExportJob, ARangeWritesOnlyItsRecords)
{
    PdfRun run(5, 2, 2, 0);
    run.settings.page.layout.Print_Start = 2;   // From 3
    run.settings.page.layout.Total_Label_Real = 5;   // To 5
    ASSERT_FALSE(run.go().failed);
    EXPECT_EQ(run.fetched, iota(2, 5));
    EXPECT_EQ(pageCount(run.dir.filePath(QStringLiteral("QIROLabel.PDF"))), 1);
}

TEST(PdfExportJob, AFileNotWrittenAtThePromptPassesItsRecordsOver)
{
    PdfRun run(12, 2, 2, 1);
    run.settings.keepReplace = [](const QString &path) {
        return std::optional<QString>(path.contains(QStringLiteral("(1)")) ? QString() : path);
    };
    const PdfExportJob::Outcome out = run.go();
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(run.names(), (QStringList{QStringLiteral("QIROLabel (2).PDF"), QStringLiteral("QIROLabel.PDF")}));
    // The second sheet's records 4 to 7 are not drawn into the third file.
    std::vector<int> expected = iota(0, 4);
    for (int i = 8; i < 12; ++i)
        expected.push_back(i);
    EXPECT_EQ(run.fetched, expected);
}

TEST(PdfExportJob, CancelAtThePromptEndsTheRun)
{
    struct Case { const char *name; int option; QStringList files; };
    const Case cases[] = {
        {"one file per sheet: the files so far stay", 1, {"QIROLabel.PDF"}},
        {"one document: nothing is written", 0, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfRun run(12, 2, 2, c.option);
        int asked = 0;
        run.settings.keepReplace = [&](const QString &path) {
            return ++asked == (c.option == 1 ? 2 : 1) ? std::optional<QString>() : std::optional<QString>(path);
        };
        const PdfExportJob::Outcome out = run.go();
        EXPECT_TRUE(out.stopped);
        EXPECT_EQ(run.names(), c.files);
        EXPECT_TRUE(run.stop);
    }
}

TEST(PdfExportJob, StopKeepsAValidDocumentOfThePagesDrawn)
{
    PdfRun run(12, 2, 2, 0);
    run.settings.fetch = [&](int i) {
        run.fetched.push_back(i);
        if (i == 5)
            run.stop = true;   // the user's Stop while the second sheet is drawn
        return block(QSizeF(100, 50));
    };
    const PdfExportJob::Outcome out = run.go();
    EXPECT_TRUE(out.stopped);
    EXPECT_FALSE(out.failed);
    ASSERT_EQ(out.files.size(), 1);
    EXPECT_EQ(pageCount(out.files.first()), 2);
    EXPECT_EQ(run.fetched, iota(0, 6));
}

TEST(PdfExportJob, LabelSizePagesFollowEachRecordsPicture)
{
    PdfRun run(3, 4, 4, 3, 0);
    run.settings.page.PDF_Use_Label_Size = true;
    const QSizeF sizes[] = {{127.5, 60.25}, {0, 0}, {93.6, 41.04}};
    run.settings.fetch = [&](int i) { return i == 1 ? platform::Picture() : block(sizes[i]); };
    ASSERT_FALSE(run.go().failed);
    const std::vector<QSizeF> pages = pageSizes(run.dir.filePath(QStringLiteral("QIROLabel.PDF")));
    const QSizeF expected[] = {{127.5, 60.25}, {200, 100}, {93.6, 41.04}};
    ASSERT_EQ(pages.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(pages[i].width(), expected[i].width(), 0.01) << i;
        EXPECT_NEAR(pages[i].height(), expected[i].height(), 0.01) << i;
    }
}

TEST(PdfExportJob, SkippedRecordsOfLabelPagesAreNotWritten)
{
    PdfRun run(4, 1, 1, 2, 0);
    run.settings.page.layout.skip_invalid_barcode = true;
    run.settings.fetch = [&](int i) { return i == 1 ? platform::Picture() : block(QSizeF(50, 20)); };
    ASSERT_FALSE(run.go().failed);
    EXPECT_EQ(run.names().size(), 3);
}

TEST(PdfExportJob, AFileThatCannotBeWrittenFailsTheRunWithoutAFile)
{
    struct Case { const char *name; int option; };
    const Case cases[] = {{"one document", 0}, {"one file per sheet", 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfRun run(6, 2, 2, c.option);
        run.settings.pathFor = [&](int, const QString &name, int) {
            return run.dir.filePath(QStringLiteral("gone/") + name + QStringLiteral(".PDF"));
        };
        const PdfExportJob::Outcome out = run.go();
        EXPECT_TRUE(out.failed);
        EXPECT_FALSE(out.error.isEmpty());
        EXPECT_TRUE(out.files.isEmpty());
        EXPECT_TRUE(run.names().isEmpty());
    }
}

} // namespace
