// Barcode objects rendered from their stored settings: 1,000 distinct objects of every symbology,
// with random values, sizes, fonts, colours, margins, flags and resolutions, each loaded into the
// barcode-object window and rendered as the canvas and the project reader render them. Reports
// the time per object, the total, and the peak resident memory; then the same pictures
// rasterised at 300 DPI. Target: the renders in under 10 s. Runs the real window offscreen.

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeEditorForm.h"
#include "barcodemode/Barcode_Gen.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "support/Rng.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

constexpr int kObjects = 1000;

// Peak and current resident memory in kB, from the kernel's status of this process.
long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toLong();
    return -1;
}

using testsupport::Rng;

QString valueFor(const QString &title, Rng &r)
{
    const QString upper = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    if (title == QLatin1String("Code 39"))
        return QStringLiteral("TAG-") + r.digits(r.between(2, 8));
    if (title == QLatin1String("Extended Code 39"))
        return QStringLiteral("Tag ext ") + r.digits(r.between(1, 5));
    if (title == QLatin1String("Interleaved 2 of 5") || title == QLatin1String("Code 128 SET C"))
        return r.digits(2 * r.between(3, 7));
    if (title == QLatin1String("UPCA"))
        return r.digits(11);
    if (title == QLatin1String("PostNet"))
        return r.digits(r.chance(50) ? 5 : 9);
    if (title == QLatin1String("Modified Plessey") || title == QLatin1String("Industrial 2 of 5"))
        return r.digits(r.between(3, 10));
    if (title == QLatin1String("Modified Plessey (Hex)"))
        return r.from(QStringLiteral("0123456789ABCDEF"), r.between(3, 8));
    if (title == QLatin1String("EAN-13"))
        return r.digits(12);
    if (title == QLatin1String("Code 128") || title == QLatin1String("Code 128 SET B"))
        return QStringLiteral("Tagora ") + r.digits(r.between(1, 12));
    if (title == QLatin1String("Code 128 SET A"))
        return QStringLiteral("SET A ") + r.from(upper, r.between(2, 8));
    if (title == QLatin1String("Codabar"))
        return QStringLiteral("A") + r.digits(r.between(3, 12)) + QStringLiteral("B");
    if (title == QLatin1String("UPCE"))
        return QStringLiteral("0") + r.digits(6);
    if (title == QLatin1String("EAN-8"))
        return r.digits(7);
    if (title == QLatin1String("Royal Mail Barcode (RM4SCC / CBC)"))
        return r.from(upper, r.between(5, 9));
    if (title == QLatin1String("Planet"))
        return r.digits(11);
    if (title == QLatin1String("Japan Post Barcode"))
        return r.digits(7);
    if (title == QLatin1String("QR Code"))
        return QStringLiteral("https://tagora.example/") + r.from(upper, r.between(1, 60));
    if (title == QLatin1String("PDF417"))
        return QStringLiteral("Tagora PDF417 ") + r.digits(r.between(1, 30));
    return QStringLiteral("Tagora DM ") + r.digits(r.between(1, 30));
}

std::shared_ptr<SKTGraphic> randomObject(int i, Rng &r)
{
    static const char *const families[] = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"};
    const auto font = [&r] {
        QFont f(QString::fromLatin1(families[r.between(0, 2)]));
        f.setPointSizeF(r.between(12, 28) / 2.0);
        f.setBold(r.chance(30));
        return f;
    };
    const auto dark = [&r] { return QColor(r.between(0, 90), r.between(0, 90), r.between(0, 90)); };
    const QStringList titles = Symbologies::allTitles();
    const int index = i % int(titles.size());
    const QString title = titles.at(index);
    auto o = std::make_shared<SKTBarcode>();
    o->control_ID = QStringLiteral("BAR_%1").arg(i + 1);
    o->barcode_font_index = index;
    o->linear_or_2d = Symbologies::isTwoD(title) ? 1 : 0;
    const QString value = valueFor(title, r);
    o->linear_font_val = value;
    o->two_d_font_val = value;
    o->header_val = QStringLiteral("Header %1").arg(i);
    o->footer_val = QStringLiteral("Footer %1").arg(r.digits(4));
    o->show_hide_hdr = r.chance(20);
    o->show_hide_ftr = r.chance(20);
    o->show_hide_val = r.chance(20);
    o->show_val_on_top = r.chance(25);
    o->align_hdr_index = r.between(0, 2);
    o->align_ftr_index = r.between(0, 2);
    o->linear_height_val = r.real(6, 30);
    o->linear_width_val = r.real(8, 40);
    o->qr_size_val = r.between(40, 200);
    o->qr_version_index = r.chance(50) ? 0 : r.between(1, 20);
    o->qr_ec_index = r.between(0, 3);
    o->pdf_wdt_val = r.between(100, 300);
    o->pdf_hgt_val = r.between(15, 60);
    o->pdf_ec_val = r.between(0, 5);
    o->dm_module_val = r.between(1, 4);
    o->dm_encoding_index = r.between(0, 1);
    o->hdr_margin_val = r.real(0, 3);
    o->ftr_margin_val = r.real(0, 3);
    o->val_margin_val = r.real(0, 3);
    o->TB_marging_val = r.real(0, 4);
    o->LR_margin_val = r.real(0, 4);
    o->value_font_val = font();
    o->header_font_val = font();
    o->footer_font_val = font();
    o->barcode_clr_val = dark();
    o->barcode_back_clr_val = QColor(r.between(200, 255), r.between(200, 255), r.between(200, 255));
    o->barcode_val_clr_val = dark();
    o->barcode_hdr_clr_val = dark();
    o->barcode_ftr_clr_val = dark();
    o->_isDrawingFill = r.chance(20);
    o->dpi_val_index = r.between(0, int(barcode_editor_items::dpiItems().size()) - 1);
    o->dpi_custom_val = QString::number(r.between(100, 600));
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagora"));
    SKTWindowController::registerWithDocuments();
    SKTDocument document;
    document.makeWindowControllers();
    SKTWindowController *c = SKTWindowController::defaultInstance();
    Barcode_Gen &g = c->barcodeGen();

    Rng r(424242);
    QList<std::shared_ptr<SKTGraphic>> objects;
    for (int i = 0; i < kObjects; ++i)
        objects << randomObject(i, r);
    const long rssBefore = statusKb("VmRSS:");

    QList<platform::Picture> pictures;
    pictures.reserve(kObjects);
    QElapsedTimer timer;
    timer.start();
    for (const auto &o : objects) {
        g.Set_Barcode_Prop_To_Control(*o, true);
        pictures << g.Get_Image_From_Val(o->linear_or_2d ? o->two_d_font_val : o->linear_font_val, o->header_val,
                                         o->footer_val);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    int made = 0;
    for (const platform::Picture &p : pictures)
        made += p.isNull() ? 0 : 1;

    timer.restart();
    qint64 pixels = 0;
    for (const platform::Picture &p : pictures) {
        const QImage image = p.toImage(300);
        pixels += qint64(image.width()) * image.height();
    }
    const double rasterSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("barcode objects rendered from stored settings: %d of %d made a picture\n", made, kObjects);
    std::printf("  renders: %.3f s in all, %.3f ms per object (target: under 10 s)\n", seconds, seconds * 1000 / kObjects);
    std::printf("  rasterised at 300 DPI: %.3f s in all, %.3f ms per object, %.1f Mpixels\n", rasterSeconds,
                rasterSeconds * 1000 / kObjects, pixels / 1e6);
    std::printf("  resident memory: %ld kB before the renders, peak %ld kB\n", rssBefore, statusKb("VmHWM:"));
    return made == kObjects && seconds < 10.0 ? 0 : 1;
}
