// symbol_png --batch on the parallel batch path: the same files, byte for byte, whatever the number
// of worker threads; refused lines reported in line order with no file; --jobs checked.

#include "support/Decode.h"
#include "tools/SymbolPngRun.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef SYMBOL_PNG_PATH
namespace {

using symboltool::runSymbolPng;

bool writeLines(const QString &path, const QStringList &lines)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n') > 0;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file of the folder, hidden ones too, with its bytes.
QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        out.insert(name, bytesOf(dir.filePath(name)));
    return out;
}

struct Case {
    const char *title;
    const char *format;   // zxing's name
    QStringList values;
};

} // namespace

TEST(SymbolPngBatch, OneOrFourJobsWriteTheSameFilesInLineOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList code128, qr;
    for (int i = 0; i < 24; ++i) {
        // Lengths vary, so the pictures differ in size and the workers finish out of order.
        code128 << QStringLiteral("TAGORA-%1").arg(QString(i % 7 + 1, QLatin1Char('0' + i % 10)));
        qr << QStringLiteral("https://example.com/item/%1").arg(i * 7919);
    }
    const QList<Case> cases = {{"Code 128", "Code128", code128}, {"QR Code", "QRCode", qr}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        const QString values = dir.filePath(QStringLiteral("values.txt"));
        ASSERT_TRUE(writeLines(values, c.values));
        QMap<QString, QByteArray> first;
        for (const char *jobs : {"1", "4"}) {
            const QString outdir = dir.filePath(QStringLiteral("%1-%2").arg(QString::fromLatin1(c.title).left(2)).arg(jobs));
            ASSERT_EQ(runSymbolPng({QStringLiteral("--symbology"), QString::fromLatin1(c.title), QStringLiteral("--batch"), values,
                                    QStringLiteral("--outdir"), outdir, QStringLiteral("--jobs"), QString::fromLatin1(jobs),
                                    QStringLiteral("--dpi"), QStringLiteral("150")}),
                      0);
            const QMap<QString, QByteArray> files = folderContents(outdir);
            if (first.isEmpty()) {
                first = files;
                continue;
            }
            EXPECT_EQ(files.keys(), first.keys());
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                EXPECT_TRUE(it.value() == first.value(it.key())) << qPrintable(it.key()) << " differs";
        }
        ASSERT_EQ(first.size(), c.values.size());
        // File n holds line n.
        const QStringList names = first.keys();
        for (int n : {0, 5, 17, 23}) {
            EXPECT_EQ(names.at(n), QStringLiteral("%1.png").arg(n + 1, 4, 10, QLatin1Char('0')));
            const auto decoded = testsupport::decode(QImage::fromData(first.value(names.at(n))), QString::fromLatin1(c.format));
            EXPECT_TRUE(decoded.ok) << n;
            EXPECT_EQ(decoded.text, c.values.at(n));
        }
    }
}

TEST(SymbolPngBatch, RefusedLinesAndBadJobCounts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString values = dir.filePath(QStringLiteral("values.txt"));
    ASSERT_TRUE(writeLines(values, {QStringLiteral("A1"), QStringLiteral("not\u00e9valid"), QStringLiteral("B2"),
                                    QStringLiteral("\u20ac"), QStringLiteral("C3")}));
    const QString outdir = dir.filePath(QStringLiteral("out"));
    QByteArray said;
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("Code 128"), QStringLiteral("--batch"), values,
                            QStringLiteral("--outdir"), outdir, QStringLiteral("--jobs"), QStringLiteral("3")}, &said),
              2);
    EXPECT_EQ(said, QByteArray("invalid\ninvalid\n"));
    EXPECT_EQ(QDir(outdir).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("0001.png"), QStringLiteral("0003.png"), QStringLiteral("0005.png")}));

    for (const char *jobs : {"0", "-2", "four", "2.5", ""}) {
        SCOPED_TRACE(jobs);
        const QString none = dir.filePath(QStringLiteral("none"));
        QByteArray err;
        EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("Code 128"), QStringLiteral("--batch"), values,
                                QStringLiteral("--outdir"), none, QStringLiteral("--jobs"), QString::fromLatin1(jobs)},
                               nullptr, &err),
                  2);
        EXPECT_TRUE(err.contains("--jobs"));
        EXPECT_FALSE(QFileInfo::exists(none));
    }
}
#endif
