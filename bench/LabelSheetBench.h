#pragma once
// What the label-sheet benchmarks (print and PDF export) share: a 63.5 x 38.1 mm card with a text,
// a Code 39 and a QR Code, each bound to a 10,000-value series; the A4 sheet of 3 x 7 such labels
// read back from the PDF (pdfinfo, pdftoppm at 600 DPI, zxing-cpp); peak memory; and the run of
// each size in a process of its own.

#include "BenchWindow.h"

#include "app/SKTWindowController.h"
#include "core/UserFolders.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "outputjobs/OutputGlobals.h"
#include "design/DesignCommands.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <ZXing/ReadBarcode.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace labelsheet {

constexpr int kSeries = 10000;
constexpr double PtPerMM = 72.0 / 25.4;

// Peak resident memory in kB, from the kernel's status of this process; -1 when unknown.
inline long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// A tool's output; empty when it failed.
inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline void writeSeries(const QString &name, const QString &prefix)
{
    QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
    f.open(QIODevice::WriteOnly);
    for (int i = 1; i <= kSeries; ++i)
        f.write(QStringLiteral("%1%2\n").arg(prefix).arg(i, 5, 10, QLatin1Char('0')).toUtf8());
}

inline QString valueOf(const QString &prefix, int record) { return QStringLiteral("%1%2").arg(prefix).arg(record + 1, 5, 10, QLatin1Char('0')); }

inline std::shared_ptr<SKTBarcode> barcode(const QString &title, const QString &series, const QRectF &bounds)
{
    auto b = std::make_shared<SKTBarcode>();
    b->control_ID = QStringLiteral("BAR_") + title;
    b->barcode_font_index = Symbologies::indexOf(title);
    b->linear_or_2d = Symbologies::isTwoD(title) ? 1 : 0;
    b->_bounds = b->bar_image_ctrl_bounds = bounds;
    b->data_source_type = 1;
    b->batch_list_name = series;
    b->header_val.clear();
    b->footer_val.clear();
    return b;
}

struct Decoded {
    bool ok = false;
    QString text;
};

inline Decoded decode(const QImage &in, ZXing::BarcodeFormat format)
{
    const QImage img = in.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(img.constBits(), img.width(), img.height(), ZXing::ImageFormat::Lum, int(img.bytesPerLine()));
    const ZXing::Result r = ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(format).setTryHarder(true));
    return {r.isValid(), QString::fromStdString(r.text())};
}

// The label's text: each record's is prefix followed by its five-digit number, in the family
// (with "Bold" at its end, bold); the family empty keeps the new text's font.
struct LabelText {
    QString prefix = QStringLiteral("Name ");
    QString family;

    QFont font(QFont base) const
    {
        if (family.isEmpty())
            return base;
        const bool bold = family.endsWith(QLatin1String(" Bold"));
        base.setFamily(bold ? family.chopped(5) : family);
        base.setBold(bold);
        return base;
    }
};

// The card in Designing mode over its three series; false (and says so) when the batch does not
// count one record per value.
inline bool Build_Card(SKTWindowController &c, const LabelText &label = {})
{
    DesignController &d = c.design();
    c.window();
    c.Designing_Mode_Select();
    QDir().mkpath(Data_Folder_Path);
    writeSeries(QStringLiteral("names"), label.prefix);
    writeSeries(QStringLiteral("codes"), QStringLiteral("C"));
    writeSeries(QStringLiteral("links"), QStringLiteral("https://tagora.example/item/"));
    workAreaOf(d).SetDocumentCanvasSize(QSizeF(63.5 * PtPerMM, 38.1 * PtPerMM));
    SKTGraphicList design;
    auto text = std::make_shared<SKTText>();
    text->_bounds = QRectF(8, 10, 120, 18);
    text->data_source_type = 1;
    text->batch_list_name = QStringLiteral("names");
    text->text_ctrl_font = label.font(text->text_ctrl_font);
    design.append(text);
    design.append(barcode(QStringLiteral("Code 39"), QStringLiteral("codes"), QRectF(25, 64, 130, 42)));
    design.append(barcode(QStringLiteral("QR Code"), QStringLiteral("links"), QRectF(128, 14, 30, 44)));
    c.document()->insertGraphics(design, {0, 1, 2});
    recordsOf(d).Check_Series_Or_Excel_Use_or_not();
    if (Total_Batch_Excel_Card != kSeries) {
        std::printf("unexpected record count %d\n", Total_Batch_Excel_Card);
        return false;
    }
    return true;
}

// What the sheet PDF holds: its pages, and how many of the sampled labels carry their record.
struct SheetCheck {
    int pages = 0;
    int expectedPages = 0;
    int checked = 0;
    int good = 0;
};

// Reads the PDF back: its pages (pdfinfo), and every 100th label's cell rendered at 600 DPI from its
// page and decoded; the Code 39 must be its record. onCrop sees each cell after it was decoded.
inline SheetCheck Check_Sheet(const QString &pdf, int labels, const std::function<void(const QImage &)> &onCrop = {})
{
    SheetCheck s;
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    s.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    s.expectedPages = (labels + 20) / 21;
    const double perPt = 600.0 / 72.0;
    for (int i = 99; i < labels; i += 100) {
        const int page = i / 21 + 1, cell = i % 21;
        const double x = 20 + (cell % 3) * (63.5 + 2.5) * PtPerMM;
        const double y = 41 + (cell / 3) * 38.1 * PtPerMM;
        QTemporaryDir dir;
        const QString prefix = dir.filePath(QStringLiteral("c"));
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), QStringLiteral("-x"), QString::number(int(x * perPt)),
             QStringLiteral("-y"), QString::number(int(y * perPt)), QStringLiteral("-W"),
             QString::number(int(63.5 * PtPerMM * perPt)), QStringLiteral("-H"), QString::number(int(38.1 * PtPerMM * perPt)),
             QStringLiteral("-singlefile"), pdf, prefix});
        const QImage crop(prefix + QStringLiteral(".pgm"));
        ++s.checked;
        const Decoded code39 = decode(crop, ZXing::BarcodeFormat::Code39);
        const Decoded qr = decode(crop, ZXing::BarcodeFormat::QRCode);
        if (onCrop)
            onCrop(crop);
        if (code39.text == valueOf(QStringLiteral("C"), i))
            ++s.good;
        else if (s.checked - s.good <= 3)
            std::printf("label %d: Code 39 \"%s\", QR \"%s\"\n", i + 1, qPrintable(code39.text), qPrintable(qr.text));
    }
    return s;
}

// Runs this program again for 1,000 and for 10,000 labels, each in a process of its own so that
// peak memory is each run's own, with the options after the count; the number of runs that failed.
inline int Run_Each_Size(const char *program, const QStringList &options = {})
{
    int failed = 0;
    for (const char *labels : {"1000", "10000"}) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QString::fromLocal8Bit(program), QStringList{QString::fromLatin1(labels)} + options);
        p.waitForFinished(-1);
        failed += p.exitCode() != 0;
    }
    return failed;
}

} // namespace labelsheet
