#include "core/DateText.h"
#include "core/FileServices.h"
#include "core/GlobalsReset.h"
#include "core/Messages.h"
#include "core/UserFolders.h"
#include "core/ImageServices.h"
#include "core/Open_Export_Log.h"
#include "io/SpreadsheetWriter.h"
#include "platform/Files.h"
#include "platform/ModuleGrid.h"
#include "support/AppEnvironment.h"
#include "support/LogCapture.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>

#include <atomic>
#include <cmath>
#include <thread>

using platform::Picture;

namespace {

using testsupport::LogCapture;

// A black bar and a red one, on white or on nothing.
Picture barsPicture(bool transparentBackground)
{
    return Picture::record(QSizeF(160.5, 60.25), [transparentBackground](QPainter &p) {
        if (!transparentBackground)
            p.fillRect(QRectF(0, 0, 160.5, 60.25), Qt::white);
        p.fillRect(QRectF(20, 5, 30, 50), Qt::black);
        p.fillRect(QRectF(100, 5, 10.5, 50), QColor(200, 30, 30));
    });
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(ImageServices, UnitConversions)
{
    EXPECT_EQ(Points_to_MM_Convert(72.0f), 25.399999618530273f);
    EXPECT_FLOAT_EQ(MM_to_Points_Convert(25.4f), 72.0f);
    EXPECT_FLOAT_EQ(MM_to_Points_Convert(1.0f), 2.8346457f);
    EXPECT_FLOAT_EQ(Points_to_MM_Convert(0.0f), 0.0f);
}

TEST(ImageServices, IncreaseDpiSizes)
{
    struct Case { QSizeF points; double dpi; QSize pixels; };
    for (const Case &c : {Case{QSizeF(100, 50), 600, QSize(834, 417)}, Case{QSizeF(10, 10), 300, QSize(42, 42)},
                          Case{QSizeF(37.5, 20), 72, QSize(38, 20)}}) {
        const Picture vector = Picture::record(c.points, [](QPainter &p) { p.fillRect(QRectF(0, 0, 5, 5), Qt::black); });
        const Picture raised = Increase_DPI(vector, c.dpi);
        ASSERT_FALSE(raised.isNull());
        EXPECT_FALSE(raised.isVector());
        EXPECT_EQ(raised.image().size(), c.pixels);
        EXPECT_EQ(raised.size(), c.points);
        // A bitmap is raised by nearest neighbour: its pixels are copied, not blurred.
        QImage two(2, 1, QImage::Format_ARGB32);
        two.setPixel(0, 0, qRgb(0, 0, 0));
        two.setPixel(1, 0, qRgb(255, 255, 255));
        const QImage up = Increase_DPI(Picture::fromImage(two, QSizeF(2, 1)), 720).image();
        ASSERT_EQ(up.size(), QSize(20, 10));
        EXPECT_EQ(up.pixel(9, 5), qRgb(0, 0, 0));
        EXPECT_EQ(up.pixel(10, 5), qRgb(255, 255, 255));
    }
}

TEST(ImageServices, IncreaseDpiOfNothingLogsInvalidImage)
{
    LogCapture log;
    EXPECT_TRUE(Increase_DPI(Picture(), 600).isNull());
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Invalid image")});
}

TEST(ImageServices, SaveChoosesTheEncoderByExtension)
{
    QTemporaryDir dir;
    const Picture pic = Increase_DPI(barsPicture(false), 300);
    struct Case { const char *name; QByteArray format; };
    for (const Case &c : {Case{"a.jpg", "jpeg"}, Case{"b.JPG", "jpeg"}, Case{"c.jpeg", "jpeg"}, Case{"c2.JPE", "jpeg"},
                          Case{"c3.jfif", "jpeg"}, Case{"d.png", "png"}, Case{"e.bmp", "bmp"}, Case{"f.gif", "gif"}, Case{"g.tif", "tiff"}, Case{"h.TIFF", "tiff"},
                          Case{"i", "png"}, Case{"j.webp", "png"}}) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(Save_gen_image(pic, path)) << c.name;
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), c.format) << c.name;
        const QImage back = reader.read();
        ASSERT_EQ(back.size(), pic.image().size()) << c.name;
        // The file records the resolution: pixels / points x 72 (GIF has no place for it).
        if (c.format != "gif") {
            EXPECT_NEAR(back.dotsPerMeterX() * 0.0254, 300, 1) << c.name;
        }
        // The red bar keeps its colour (JPEG within a few levels).
        const QColor red = back.pixelColor(int(105 * 300 / 72.0), back.height() / 2);
        EXPECT_NEAR(red.red(), 200, 8) << c.name;
        EXPECT_NEAR(red.green(), 30, 8) << c.name;
    }
    const QString pdf = dir.filePath(QStringLiteral("k.pdf"));
    ASSERT_TRUE(Save_gen_image(barsPicture(false), pdf));
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF-"));
}

TEST(ImageServices, RaisedPicturesRecordTheResolutionAskedExactly)
{
    // 160.5 points at 203 DPI are 452.5 pixels: the raster has 453, and the file still says 203.
    QTemporaryDir dir;
    for (const int dpi : {203, 300, 600}) {
        const Picture raised = Increase_DPI(barsPicture(false), dpi);
        const int perMetre = int(std::lround(dpi / 0.0254));
        for (const char *name : {"r.png", "r.tif", "r.bmp", "r.jpg"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            ASSERT_TRUE(Save_gen_image(raised, path)) << name;
            const QImage back(path);
            EXPECT_EQ(back.dotsPerMeterX(), perMetre) << name << " " << dpi;
            EXPECT_EQ(back.dotsPerMeterY(), perMetre) << name << " " << dpi;
            EXPECT_EQ(std::lround(back.dotsPerMeterX() * 0.0254), dpi) << name;
        }
        // The bytes as well: the PNG's pHYs chunk.
        const QByteArray png = Encode_gen_image(raised, QStringLiteral("x.png"), nullptr);
        const qsizetype at = png.indexOf("pHYs");
        ASSERT_GT(at, 0);
        const QByteArray phys = png.mid(at + 4, 9);
        const quint32 x = (quint32(uchar(phys[0])) << 24) | (quint32(uchar(phys[1])) << 16) | (quint32(uchar(phys[2])) << 8)
                          | quint32(uchar(phys[3]));
        EXPECT_EQ(x, quint32(perMetre));
        EXPECT_EQ(phys[8], char(1));
    }
    // A bitmap that carries no resolution of its own records pixels / points x 72.
    QImage plain(100, 50, QImage::Format_RGB32);
    plain.fill(Qt::white);
    const QImage back = QImage::fromData(Encode_gen_image(Picture::fromImage(plain, QSizeF(50, 25)), QStringLiteral("p.png"), nullptr));
    EXPECT_EQ(back.dotsPerMeterX(), std::lround(144 / 0.0254));
}

TEST(ImageServices, SymbolsAreWrittenInTheirLeanestForm)
{
    // Two opaque colours: one bit a pixel in the PNG; compressed, not stored.
    const Picture bars = Picture::record(QSizeF(300, 100), [](QPainter &p) {
        p.fillRect(QRectF(0, 0, 300, 100), Qt::white);
        for (int i = 0; i < 60; ++i)
            p.fillRect(QRectF(10 + i * 4.5, 10, 2.25, 80), Qt::black);
    });
    platform::ModuleGrid grid;
    grid.cells = QImage(21, 21, QImage::Format_Indexed8);
    grid.cells.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            grid.cells.setPixel(x, y, (x * y + x) % 3 == 0 ? 1 : 0);
    grid.cellsRect = QRectF(0, 0, 60, 60);
    grid.surround = Qt::white;   // what whole pixels leave over around the modules
    const Picture modules = Picture::fromModules(grid, QSizeF(60, 60));
    const QByteArray png = Encode_gen_image(Increase_DPI(modules, 600), QStringLiteral("m.png"), nullptr);
    ASSERT_TRUE(png.startsWith("\x89PNG"));
    EXPECT_EQ(int(uchar(png[24])), 1);   // IHDR bit depth
    EXPECT_EQ(int(uchar(png[25])), 3);   // palette
    EXPECT_LT(png.size(), 2000);         // 500 x 500 pixels
    EXPECT_EQ(QImage::fromData(png).size(), QSize(500, 500));
    // A vector picture painted with shades keeps them: read back as they were painted.
    const QByteArray barsPng = Encode_gen_image(Increase_DPI(bars, 300), QStringLiteral("b.png"), nullptr);
    EXPECT_LT(barsPng.size(), 60000);
    EXPECT_FALSE(QImage::fromData(barsPng).isNull());
}

TEST(ImageServices, SaveFlattensClearBackgroundsOnlyWhereTheFormatHasNoAlpha)
{
    QTemporaryDir dir;
    const Picture pic = Increase_DPI(barsPicture(true), 144);
    for (const char *name : {"t.jpg", "t.bmp"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(Save_gen_image(pic, path));
        const QImage back(path);
        EXPECT_GT(qGray(back.pixel(2, 2)), 240) << name;   // white paper, not black
    }
    for (const char *name : {"t.png", "t.tif", "t.gif"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(Save_gen_image(pic, path));
        EXPECT_EQ(qAlpha(QImage(path).pixel(2, 2)), 0) << name;
    }
}

TEST(ImageServices, SaveReplacesTheOldFileOnlyWhenTheWriteSucceeds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.png"));
    touch(path, "old contents");
    // A null picture cannot be written: the old file stays and the caller hears of it.
    EXPECT_FALSE(Save_gen_image(Picture(), path));
    EXPECT_EQ(readAll(path), QByteArray("old contents"));
    // A folder that does not exist cannot take the file.
    EXPECT_FALSE(Save_gen_image(barsPicture(false), dir.filePath(QStringLiteral("missing/x.png"))));
    ASSERT_TRUE(Save_gen_image(barsPicture(false), path));
    EXPECT_TRUE(readAll(path).startsWith("\x89PNG"));
    // Writing over a read-only folder fails, and the old file is still there.
    QDir(dir.path()).mkdir(QStringLiteral("ro"));
    const QString locked = dir.filePath(QStringLiteral("ro/l.png"));
    touch(locked, "locked");
    QFile::setPermissions(dir.filePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(dir.filePath(QStringLiteral("ro"))).isWritable()) {
        EXPECT_FALSE(Save_gen_image(barsPicture(false), locked));
        EXPECT_EQ(readAll(locked), QByteArray("locked"));
    }
    QFile::setPermissions(dir.filePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ImageServices, FittingKeepsTheAspectRatio)
{
    auto fit = [](QSizeF image, QSizeF box) {
        return resizeImage_toFitSize(Picture::record(image, [](QPainter &) {}), box).size();
    };
    EXPECT_EQ(fit(QSizeF(200, 100), QSizeF(100, 100)), QSizeF(100, 50));
    EXPECT_EQ(fit(QSizeF(100, 200), QSizeF(100, 100)), QSizeF(50, 100));
    EXPECT_EQ(fit(QSizeF(100, 100), QSizeF(300, 200)), QSizeF(200, 200));
    EXPECT_EQ(fit(QSizeF(50, 50), QSizeF(400, 400)), QSizeF(400, 400));
    EXPECT_EQ(fit(QSizeF(400, 100), QSizeF(300, 50)), QSizeF(200, 50));   // width first, then height caps
    EXPECT_TRUE(resizeImage_toFitSize(Picture(), QSizeF(10, 10)).isNull());

    // The whole source is drawn into the new size.
    QImage quad(2, 2, QImage::Format_ARGB32);
    quad.fill(Qt::white);
    quad.setPixel(1, 1, qRgb(0, 0, 255));
    const Picture stretched = resizeImage_toWidth_height(Picture::fromImage(quad, QSizeF(2, 2)), 40, 20);
    EXPECT_EQ(stretched.size(), QSizeF(40, 20));
    const QImage img = stretched.toImage(72);
    EXPECT_EQ(img.pixel(35, 17), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(5, 3), qRgb(255, 255, 255));
}

TEST(FileServices, ListingsSortAndFilter)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    touch(d.filePath(QStringLiteral("b.txt")));
    touch(d.filePath(QStringLiteral("A.TXT")));
    touch(d.filePath(QStringLiteral("c.csv")));
    touch(d.filePath(QStringLiteral("x.tar.gz")));
    touch(d.filePath(QStringLiteral(".DS_Store")));
    d.mkdir(QStringLiteral("d.txt"));
    d.mkdir(QStringLiteral("Zeta"));
    d.mkdir(QStringLiteral("alpha"));

    EXPECT_EQ(Get_Folder_Array_At_Path(dir.path()), (QStringList{QStringLiteral("Zeta"), QStringLiteral("alpha"), QStringLiteral("d.txt")}));
    EXPECT_EQ(Get_Files_Array_At_Path_del_ext(dir.path(), false),
              (QStringList{QStringLiteral(".DS_Store"), QStringLiteral("A.TXT"), QStringLiteral("b.txt"),
                           QStringLiteral("c.csv"), QStringLiteral("x.tar.gz")}));
    EXPECT_EQ(Get_Files_Array_At_Path_del_ext(dir.path(), true),
              (QStringList{QStringLiteral(".DS_Store"), QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("x.tar")}));

    resetGlobalsForTests();
    Data_Folder_Path = dir.path();
    EXPECT_EQ(Get_datasheet_File_Name_Array(), (QStringList{QStringLiteral("A"), QStringLiteral("b")}));

    EXPECT_TRUE(Get_Folder_Array_At_Path(d.filePath(QStringLiteral("nowhere"))).isEmpty());
    EXPECT_TRUE(Get_Files_Array_At_Path_del_ext(d.filePath(QStringLiteral("b.txt")), false).isEmpty());
    Data_Folder_Path = d.filePath(QStringLiteral("nowhere"));
    EXPECT_TRUE(Get_datasheet_File_Name_Array().isEmpty());
    resetGlobalsForTests();
}

TEST(FileServices, PathChecks)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;
    QTemporaryDir dir;
    EXPECT_FALSE(Check_And_Validate_File_Path(QStringLiteral("  ") + dir.path() + QStringLiteral("\n")));
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_TRUE(Check_And_Validate_File_Path(QStringLiteral("   ")));
    EXPECT_TRUE(Check_And_Validate_File_Path(dir.filePath(QStringLiteral("absent"))));
    ASSERT_EQ(responder->alerts.size(), 2);
    EXPECT_EQ(responder->alertMessages().at(0), QStringLiteral("\nPlease select valid file path."));

    EXPECT_FALSE(Check_Batch_File_In_Use_Validation(QStringLiteral("Series 1")));
    EXPECT_EQ(Convert_Path_From_URL(QUrl(QStringLiteral("file:///tmp/My%20Labels/a.png"))), QStringLiteral("/tmp/My Labels/a.png"));
}

// The workbook reader's unpacked parts hold the user's values: the user's alone while the read lasts, and gone after.
TEST(FileServices, SpreadsheetWorkFolderIsPrivate)
{
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("values.xlsx"));
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(book, {{QStringLiteral("secret")}}, false));
    SpreadsheetWriter::ReadWorkbook(book, true);
    const QString work = spreadsheet->tmpDir;
    EXPECT_EQ(QFileInfo(work).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QFileInfo(work).absolutePath(), QFileInfo(workbookPartsTarget()).absolutePath());
    SpreadsheetWriter::EndRead();
    EXPECT_FALSE(QFileInfo::exists(work));
    SpreadsheetWriter::EndRead();   // nothing there: no harm
}

TEST(FileServices, OsVersionIsThisBuildsUnlessATestPretends)
{
    EXPECT_EQ(Get_OS_Version(), 2300);
    Set_OS_Version_For_Tests(1265.5);
    EXPECT_EQ(Get_OS_Version(), 1265);
    Set_OS_Version_For_Tests(0);
    EXPECT_EQ(Get_OS_Version(), 2300);
}

TEST(DateText, UnicodePatternsOfTheTextTools)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDateTime afternoon(QDate(2024, 3, 7), QTime(15, 4, 9, 250), QTimeZone::utc());
    const QDateTime midnight(QDate(2031, 11, 23), QTime(0, 30, 0), QTimeZone::utc());
    struct Case { const char *pattern; const char *text; const char *midnightText; };
    for (const Case &c : {Case{"M-d-yyyy", "3-7-2024", "11-23-2031"}, Case{"M-d-yy", "3-7-24", "11-23-31"},
                          Case{"MM-dd-yy", "03-07-24", "11-23-31"}, Case{"MM-dd-yyyy", "03-07-2024", "11-23-2031"},
                          Case{"yy-MM-dd", "24-03-07", "31-11-23"}, Case{"yyyy-MM-dd", "2024-03-07", "2031-11-23"},
                          Case{"dd-MMM-yy", "07-Mar-24", "23-Nov-31"}, Case{"dd-MM-yyyy", "07-03-2024", "23-11-2031"},
                          Case{"d-M-yy", "7-3-24", "23-11-31"}, Case{"h:mm:ss a", "3:04:09 PM", "12:30:00 AM"},
                          Case{"hh:mm:ss a", "03:04:09 PM", "12:30:00 AM"}, Case{"H:mm:ss", "15:04:09", "0:30:00"},
                          Case{"HH:mm:ss", "15:04:09", "00:30:00"}}) {
        EXPECT_EQ(Format_Unicode_Date(afternoon, QString::fromLatin1(c.pattern), us), QString::fromLatin1(c.text)) << c.pattern;
        EXPECT_EQ(Format_Unicode_Date(midnight, QString::fromLatin1(c.pattern), us), QString::fromLatin1(c.midnightText)) << c.pattern;
    }
}

TEST(DateText, LettersQtLacksAndQuotedText)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDateTime t(QDate(2024, 3, 7), QTime(15, 4, 9, 250), QTimeZone::utc());
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("h 'o''clock'"), us), QStringLiteral("3 o'clock"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("hh:mm"), us), QStringLiteral("03:04"));   // 12-hour without a marker
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("EEEE, MMMM d"), us), QStringLiteral("Thursday, March 7"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("EEEd"), us), QStringLiteral("Thu7"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("ss.SSS"), us), QStringLiteral("09.250"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("yyyyMMdd'T'HHmm00"), us), QStringLiteral("20240307T150400"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("k K"), us), QStringLiteral("15 3"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("''"), us), QStringLiteral("'"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("'''a' H"), us), QStringLiteral("'a 15"));
    EXPECT_EQ(Format_Unicode_Date(t, QStringLiteral("H'''"), us), QStringLiteral("15'"));

    // The current moment, in the user's locale.
    const QString year = Get_date_Value(QStringLiteral("yyyy"));
    EXPECT_EQ(year.toInt(), QDate::currentDate().year());
    EXPECT_EQ(Get_time_Value(QStringLiteral("yyyy")), year);
}

TEST(ExportBox, TitlesFollowWhatWasWritten)
{
    testsupport::ResponderScope responder;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("label.png"));
    touch(file);
    struct Case { QString path; const char *title; };
    for (const Case &c : {Case{dir.path(), "Open containing folder."}, Case{file, "Open exported file."},
                          Case{dir.filePath(QStringLiteral("gone")), "Open exported file."}}) {
        Export_File_Path = c.path;
        Export_File_Message = QStringLiteral("Label has been exported successfully.");
        QString title, shownPath, message;
        responder->onModal = [&](QDialog &box) {
            title = box.findChild<QCheckBox *>(QStringLiteral("_open_log_chk"))->text();
            shownPath = box.findChild<QLabel *>(QStringLiteral("_open_log_path"))->text();
            message = box.findChild<QLabel *>(QStringLiteral("_open_log_message"))->text();
            return 0;
        };
        Open_Export_File_Box();
        EXPECT_EQ(title, QString::fromLatin1(c.title));
        EXPECT_EQ(shownPath, c.path);
        EXPECT_EQ(message, QStringLiteral("Label has been exported successfully."));
        EXPECT_EQ(Export_File_Path, QString());
        EXPECT_EQ(Export_File_Message, QString());
    }
    EXPECT_TRUE(responder->opened.isEmpty());   // Cancel opens nothing
}

TEST(ExportBox, OkOpensTheResultOnlyWhenTicked)
{
    testsupport::ResponderScope responder;
    QTemporaryDir dir;
    Export_File_Path = dir.path();
    bool tickedAtStart = false;
    responder->onModal = [&](QDialog &box) {
        auto *chk = box.findChild<QCheckBox *>(QStringLiteral("_open_log_chk"));
        tickedAtStart = chk->isChecked();
        box.findChild<QPushButton *>(QStringLiteral("OKPressed"))->click();   // the user's own click
        return box.result();
    };
    Open_Export_File_Box();
    EXPECT_TRUE(tickedAtStart);
    EXPECT_EQ(responder->opened, QStringList{dir.path()});

    Export_File_Path = dir.path();
    Export_File_Message = QStringLiteral("Record has been exported successfully.");
    responder->onModal = [&](QDialog &box) {
        box.findChild<QCheckBox *>(QStringLiteral("_open_log_chk"))->setChecked(false);
        return 1;   // OK, answered without a click
    };
    Open_Export_File_Box();
    EXPECT_EQ(responder->opened.size(), 1);   // nothing more was opened
    EXPECT_TRUE(Export_File_Path.isEmpty());
    EXPECT_TRUE(Export_File_Message.isEmpty());

    // The next showing starts ticked again.
    responder->onModal = [&](QDialog &box) {
        tickedAtStart = box.findChild<QCheckBox *>(QStringLiteral("_open_log_chk"))->isChecked();
        return 0;
    };
    Open_Export_File_Box();
    EXPECT_TRUE(tickedAtStart);
}

TEST(ExportBox, WorkerCallRunsOnTheGuiThread)
{
    testsupport::ResponderScope responder;
    Export_File_Path = QStringLiteral("/nonexistent/file.pdf");
    std::atomic<bool> onGui{false};
    responder->onModal = [&](QDialog &) {
        onGui = QThread::currentThread() == QCoreApplication::instance()->thread();
        return 0;
    };
    std::atomic<bool> done{false};
    std::thread worker([&] {
        Open_Export_File_Box();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_TRUE(onGui);
    EXPECT_EQ(responder->modalCount, 1);
}
