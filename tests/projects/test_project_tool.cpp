// The project tool from outside: the same readers, writers and drawing as the window.

#include "support/Decode.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cmath>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#ifdef PROJECT_TOOL_PATH

namespace {

QString sample(const char *name) { return QStringLiteral(TAGORA_TEST_SOURCE_DIR "/projects/files/") + QLatin1String(name); }

struct ToolRun {
    int exit = -1;
    QString out;
};

ToolRun tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(PROJECT_TOOL_PATH), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
}

TEST(ProjectTool, DumpsTheObjectsOfADesign)
{
    const ToolRun r = tool({QStringLiteral("--dump"), sample("design_four_objects.qbf")});
    ASSERT_EQ(r.exit, 0) << r.out.toStdString();
    const QStringList lines = r.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Shape_Control\t{{20, 20}, {60, 60}}")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("SKTText\t{{100, 20}, {150, 30}}\tHello card")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("SKTBarcode\t")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("TAGORA-128\tBAR_1")));
}

TEST(ProjectTool, RefusedFilesExitTwoWithTheMessage)
{
    const ToolRun wrong = tool({QStringLiteral("--dump"), sample("wrong_magic.qbf")});
    EXPECT_EQ(wrong.exit, 2);
    EXPECT_EQ(wrong.out.trimmed(), QStringLiteral("File cannot be opened. Selected File is corrupt or invalid."));
    QTemporaryDir dir;
    const ToolRun shortFile = tool({QStringLiteral("--roundtrip"), sample("design_short.qbf"), dir.filePath(QStringLiteral("o.qbf"))});
    EXPECT_EQ(shortFile.exit, 2);
    EXPECT_TRUE(shortFile.out.startsWith(QStringLiteral("30 - \n")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("o.qbf"))));
    const ToolRun colour = tool({QStringLiteral("--roundtrip"), sample("barcode_bad_colour.qbf"), dir.filePath(QStringLiteral("b.qbf"))});
    EXPECT_EQ(colour.exit, 2);
}

TEST(ProjectTool, RoundTripsAreStable)
{
    QTemporaryDir dir;
    for (const char *name : {"design_four_objects.qbf", "barcode_qr.qbf"}) {
        const QString once = dir.filePath(QStringLiteral("once.qbf"));
        const QString twice = dir.filePath(QStringLiteral("twice.qbf"));
        ASSERT_EQ(tool({QStringLiteral("--roundtrip"), sample(name), once}).exit, 0) << name;
        ASSERT_EQ(tool({QStringLiteral("--roundtrip"), once, twice}).exit, 0) << name;
        QFile a(once), b(twice);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << name;
    }
}

TEST(ProjectTool, RendersTheFrontSideWithADecodableBarcode)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("front.png"));
    ASSERT_EQ(tool({QStringLiteral("--render"), sample("design_four_objects.qbf"), png, QStringLiteral("--dpi"),
                    QStringLiteral("300")}).exit, 0);
    QImageReader reader(png);
    reader.setAllocationLimit(0);   // other tests of this program lower the process-wide limit
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), int(std::ceil(283.46 * 300 / 72)));
    // The card's base layer paints its fill colour (0.8, 0.9, 1.0 in the file) under the objects.
    EXPECT_EQ(image.pixel(5, 5), qRgb(204, 230, 255));
    // The star is filled yellow at the centre of its frame (50, 50 points).
    EXPECT_EQ(image.pixel(208, 208), qRgb(255, 255, 0));
    const auto decoded = testsupport::decode(image.copy(0, 380, image.width(), image.height() - 380));
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, QStringLiteral("TAGORA-128"));
    const QString pdf = dir.filePath(QStringLiteral("front.pdf"));
    ASSERT_EQ(tool({QStringLiteral("--render"), sample("design_four_objects.qbf"), pdf}).exit, 0);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
}

} // namespace

#endif
