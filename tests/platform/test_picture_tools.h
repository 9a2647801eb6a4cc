#pragma once
// Outside tools that read what the picture writers produce: Ghostscript for EPS, poppler for PDF.
// Header-only, so that the renderer's tests share it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>

namespace picturetest {

inline bool haveTool(const QString &name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

inline bool runTool(const QString &program, const QStringList &args, QByteArray *out = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return false;
    if (out)
        *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The EPS as Ghostscript renders it, cropped to its bounding box (by default with the command the
// EPS is checked with everywhere: no anti-aliasing).
inline QImage rasteriseEps(const QByteArray &eps, int dpi, bool antialias = false)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("f.eps"));
    const QString out = dir.filePath(QStringLiteral("out.png"));
    if (!writeBytes(in, eps))
        return {};
    QStringList args = {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                        QStringLiteral("-dNOPAUSE"), QStringLiteral("-dEPSCrop"), QStringLiteral("-sDEVICE=png16m"),
                        QStringLiteral("-r%1").arg(dpi)};
    if (antialias)
        args << QStringLiteral("-dGraphicsAlphaBits=4") << QStringLiteral("-dTextAlphaBits=4");
    args << QStringLiteral("-o") << out << in;
    if (!runTool(QStringLiteral("gs"), args))
        return {};
    return QImage(out);
}

// The first page of the PDF as pdftoppm renders it.
inline QImage rasterisePdf(const QByteArray &pdf, int dpi)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("f.pdf"));
    if (!writeBytes(in, pdf))
        return {};
    if (!runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), in, dir.filePath(QStringLiteral("out"))}))
        return {};
    return QImage(dir.filePath(QStringLiteral("out.png")));
}

// The page size that pdfinfo reports, in points.
inline QSizeF pdfPageSize(const QByteArray &pdf)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("f.pdf"));
    QByteArray out;
    if (!writeBytes(in, pdf) || !runTool(QStringLiteral("pdfinfo"), {in}, &out))
        return {};
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(QString::fromLatin1(out));
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble(), m.captured(2).toDouble()};
}

inline QImage onWhite(const QImage &img)
{
    QImage flat(img.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, img);
    return flat;
}

// Share of pixels whose grey levels differ by more than tolerance (images of one size).
inline double differingShare(const QImage &a, const QImage &b, int tolerance = 96)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage ga = onWhite(a).convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = onWhite(b).convertToFormat(QImage::Format_Grayscale8);
    qint64 differing = 0;
    for (int y = 0; y < ga.height(); ++y) {
        const uchar *la = ga.constScanLine(y);
        const uchar *lb = gb.constScanLine(y);
        for (int x = 0; x < ga.width(); ++x)
            if (std::abs(int(la[x]) - int(lb[x])) > tolerance)
                ++differing;
    }
    return double(differing) / (double(ga.width()) * ga.height());
}

inline int grayAt(const QImage &img, int x, int y)
{
    return qGray(onWhite(img.copy(x, y, 1, 1)).pixel(0, 0));
}

} // namespace picturetest
