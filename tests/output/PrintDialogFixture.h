#pragma once
// The print dialog over a fresh main window: the dialog run through the scripted responder (the
// user's clicks happen while it "runs"), jobs written through the PDF destination, and the outside
// tools that read them back (pdfinfo for pages and sizes, pdftoppm for the ink).

#include "barcodemode/BarcodeModeController.h"
#include "core/ImageServices.h"
#include "output/Print_Wnd.h"
#include "platform/PictureView.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace printtest {

inline bool haveTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(300000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

struct PdfInfo {
    int pages = 0;
    QSizeF pageSize;   // points, as pdfinfo reports the first page
    QString title;
};

inline PdfInfo pdfInfo(const QString &file)
{
    const QString out = run(QStringLiteral("pdfinfo"), {file});
    PdfInfo info;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out);
    if (pages.hasMatch())
        info.pages = pages.captured(1).toInt();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(out);
    if (size.hasMatch())
        info.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    info.title = QRegularExpression(QStringLiteral("Title:\\s+([^\\n]*)")).match(out).captured(1);
    return info;
}

// Page (1-based) of the PDF as pdftoppm renders it, in grey.
inline QImage page(const QString &file, int number, int dpi = 600)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("p"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                     QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                                     QString::number(number), QStringLiteral("-singlefile"), file, prefix});
    QImageReader::setAllocationLimit(1024);   // a page at 600 DPI is beyond the default 128 MB
    return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

// A rectangle in millimetres from the page's top-left corner.
struct BoxMM {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The ink box of the filled dark rectangle around a point (millimetres from the top-left corner):
// from the point outward along both axes to the last dark pixel.
inline BoxMM inkAround(const QImage &grey, double xMM, double yMM, int dpi = 600)
{
    const double perMM = dpi / 25.4;
    const int x = int(xMM * perMM), y = int(yMM * perMM);
    const auto dark = [&grey](int px, int py) {
        return px >= 0 && py >= 0 && px < grey.width() && py < grey.height() && grey.constScanLine(py)[px] < 128;
    };
    if (!dark(x, y))
        return {};
    int l = x, r = x, t = y, b = y;
    while (dark(l - 1, y))
        --l;
    while (dark(r + 1, y))
        ++r;
    while (dark(x, t - 1))
        --t;
    while (dark(x, b + 1))
        ++b;
    return {l / perMM, t / perMM, (r + 1) / perMM, (b + 1) / perMM};
}

// The Barcode mode's symbol made as the user makes it: symbology, value, Generate.
inline void makeSymbol(BarcodeModeController &b, const QString &title, const QString &value)
{
    const int i = b.barcodeTypePopup->findText(title);
    ASSERT_GE(i, 0) << qPrintable(title);
    b.barcodeTypePopup->setCurrentIndex(i);
    emit b.barcodeTypePopup->activated(i);
    b.dataText->setText(value);
    b.goButtonActionPerformed();
    ASSERT_FALSE(b.barcodeImage->picture().isNull());
}

class PrintDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        w = Print_Wnd::defaultInstance();
        pdf = dir.filePath(QStringLiteral("job.pdf"));
        setPaper(QPageSize::A4, QPageLayout::Portrait, 18);
    }
    void TearDown() override
    {
        platform::setPrintToPdfFile(QString());
        w->hide();
    }

    // The page setup: that paper, every margin in points, the PDF destination.
    void setPaper(QPageSize::PageSizeId id, QPageLayout::Orientation o, double margin);

    // Runs the dialog as Print in the toolbar does; user acts while it is open. Other dialogs (the
    // preview, the page setup) go to others. Answers the dialog's run.
    int open(const std::function<void()> &user, const std::function<int(QDialog &)> &others = {})
    {
        responder->onModal = [this, user, others](QDialog &dialog) {
            if (&dialog != w)
                return others ? others(dialog) : 0;
            w->show();
            if (user)
                user();
            return w->isVisible() ? 1 : w->result();
        };
        return w->Open_Print_Wnd(&env.output());
    }

    // The user types into a field and presses Return.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        for (const QChar c : text)   // in any script: QTest::keyClicks sends Latin-1 only
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
        QTest::keyClick(field, Qt::Key_Return);
    }
    // The user picks an item of a list by its text.
    static void pick(QComboBox *combo, const QString &text)
    {
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << qPrintable(text);
        combo->setCurrentIndex(i);
    }
    // Every job goes to the test's PDF file.
    void toPdf() { platform::setPrintToPdfFile(pdf); }

    QStringList messages() { return responder->trimmedAlertMessages(); }

    void makeSymbol(const QString &title, const QString &value) { printtest::makeSymbol(env.barcodeMode(), title, value); }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    Print_Wnd *w = nullptr;
    QTemporaryDir dir;
    QString pdf;
};

} // namespace printtest
