// Colours and background of the Barcode mode, checked on the exported image as the exporter makes
// it: the preview picture raised to 600 DPI, put on white first unless the file is a PNG.

#include "test_settings_fixture.h"

#include "core/ImageServices.h"
#include "platform/ColorWell.h"
#include "support/Decode.h"
#include "barcodemode/BarcodeModeController.h"

#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace settings_test;

namespace {

QImage exportAndReadBack(const platform::Picture &preview, const QString &path, bool transparentBackground)
{
    platform::Picture raised = Increase_DPI(preview, 600);
    const bool png = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    if (transparentBackground && !png) {
        QImage flat(raised.image().size(), QImage::Format_ARGB32_Premultiplied);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, raised.image());
        p.end();
        raised = platform::Picture::fromImage(flat, raised.size());
    }
    if (!Save_gen_image(raised, path))
        return {};
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// Counts pixels near a colour, alpha included.
int countNear(const QImage &image, const QColor &colour, int tolerance = 40)
{
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) <= tolerance && std::abs(p.green() - colour.green()) <= tolerance &&
                std::abs(p.blue() - colour.blue()) <= tolerance && std::abs(p.alpha() - colour.alpha()) <= tolerance)
                ++n;
        }
    return n;
}

} // namespace

TEST_F(SettingsWindow, TransparentBackgroundExportsClearPngAndWhiteJpeg)
{
    QTemporaryDir dir;
    clickBox(env.barcodeMode().brcd_bk_clr_trnsp_rd);
    EXPECT_TRUE(env.barcodeMode().transparent_bkgnd->isChecked());
    EXPECT_FALSE(env.barcodeMode().brcd_bk_clr_rd->isChecked());
    EXPECT_FALSE(env.barcodeMode().bar_back_clr->isEnabled());
    EXPECT_FALSE(env.barcodeMode().bar_bk_clr_label->isEnabled());
    EXPECT_TRUE(env.barcodeMode().Fill_transparent());
    ASSERT_TRUE(env.barcodeMode().barcodeImage->hasPicture());

    const QImage png = exportAndReadBack(env.barcodeMode().barcodeImage->picture(), dir.filePath(QStringLiteral("t.png")), true);
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(png.pixel(png.width() - 1, png.height() - 1)), 0);
    EXPECT_EQ(qAlpha(png.pixel(png.width() / 2, 2)), 0);   // above the header, in the margin
    EXPECT_GT(countNear(png, QColor(0, 0, 0, 255)), 1000);   // the bars stay solid

    const QImage jpeg = exportAndReadBack(env.barcodeMode().barcodeImage->picture(), dir.filePath(QStringLiteral("t.jpg")), true);
    ASSERT_FALSE(jpeg.isNull());
    const QColor corner = jpeg.pixelColor(0, 0);
    EXPECT_GE(corner.red(), 245);
    EXPECT_GE(corner.green(), 245);
    EXPECT_GE(corner.blue(), 245);
    const testsupport::Decoded d = testsupport::decode(jpeg, QStringLiteral("Code128"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("123456789012"));
}

TEST_F(SettingsWindow, ColourRadioAfterTransparentPaintsWhiteAgain)
{
    QTemporaryDir dir;
    env.barcodeMode().bar_back_clr->chooseColor(QColor(255, 0, 0));
    QImage png = exportAndReadBack(env.barcodeMode().barcodeImage->picture(), dir.filePath(QStringLiteral("red.png")), false);
    EXPECT_EQ(png.pixelColor(0, 0), QColor(255, 0, 0));

    clickBox(env.barcodeMode().brcd_bk_clr_trnsp_rd);
    clickBox(env.barcodeMode().brcd_bk_clr_rd);
    EXPECT_FALSE(env.barcodeMode().transparent_bkgnd->isChecked());
    EXPECT_TRUE(env.barcodeMode().bar_back_clr->isEnabled());
    EXPECT_TRUE(env.barcodeMode().bar_bk_clr_label->isEnabled());
    EXPECT_EQ(env.barcodeMode().bar_back_clr->color(), QColor(Qt::white));   // the red chosen earlier is gone
    EXPECT_FALSE(env.barcodeMode().Fill_transparent());
    png = exportAndReadBack(env.barcodeMode().barcodeImage->picture(), dir.filePath(QStringLiteral("white.png")), false);
    EXPECT_EQ(png.pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(SettingsWindow, ColourWellsRedrawTheSymbol)
{
    QTemporaryDir dir;
    env.barcodeMode().barcode_clr->chooseColor(QColor(0, 0, 255));
    const QImage linear = exportAndReadBack(env.barcodeMode().barcodeImage->picture(), dir.filePath(QStringLiteral("b.png")), false);
    const int blue = countNear(linear, QColor(0, 0, 255), 10);
    EXPECT_GT(blue, 1000);
    EXPECT_GT(blue, 4 * countNear(linear, QColor(0, 0, 0), 10));   // only the texts stay black

    choose(QStringLiteral("QR Code"));
    env.barcodeMode().barcode_clr->chooseColor(QColor(200, 0, 0));
    const QImage qr = exportAndReadBack(env.barcodeMode().barcodeImage->picture(), dir.filePath(QStringLiteral("q.png")), false);
    EXPECT_GT(countNear(qr, QColor(200, 0, 0), 10), 1000);
}

TEST_F(SettingsWindow, TransparentBoxOnATwoDSymbolSetsTheRoleFlag)
{
    choose(QStringLiteral("QR Code"));
    env.barcodeMode().transparent_bkgnd->setChecked(true);
    env.barcodeMode().Transparent_Bkngd_Clicked(env.barcodeMode().transparent_bkgnd);
    EXPECT_TRUE(env.barcodeMode().Fill_transparent());
    EXPECT_FALSE(env.barcodeMode().bar_back_clr->isEnabled());
    ASSERT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
    const QImage raised = Increase_DPI(env.barcodeMode().barcodeImage->picture(), 300).image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(raised.pixel(0, 0)), 0);
}

// A 2D symbol on a clear or translucent ground (the transparent radio, white at alpha 5, 128 and
// 254, red at 64) shows on the window's white as a screen without alpha shows it, its light
// modules tinted as the ground around them, and its PNG keeps the ground's alpha and decodes once
// put on white.
TEST_F(SettingsWindow, TransparentTwoDSymbolsShowOnWhiteAndExportClear)
{
    struct Row {
        const char *title, *format;
    };
    const QColor grounds[] = {Qt::transparent, QColor(255, 255, 255, 5), QColor(255, 255, 255, 128),
                              QColor(255, 255, 255, 254), QColor(255, 0, 0, 64)};
    for (const Row &r : {Row{"QR Code", "QRCode"}, Row{"DataMatrix", "DataMatrix"}, Row{"PDF417", "PDF417"}})
        for (const QColor &ground : grounds) {
            SCOPED_TRACE(testing::Message() << r.title << " on " << ground.name(QColor::HexArgb).toStdString());
            choose(QString::fromLatin1(r.title));
            env.barcodeMode().barcode_clr->chooseColor(QColor(0x00, 0x00, 0x8b));
            if (ground.alpha() == 0)
                clickBox(env.barcodeMode().brcd_bk_clr_trnsp_rd);
            else
                env.barcodeMode().bar_back_clr->chooseColor(ground);
            platform::PictureView *view = env.barcodeMode().barcodeImage;
            QImage screen(view->size() * 4, QImage::Format_RGB32);
            screen.fill(Qt::white);
            {
                QPainter p(&screen);
                p.scale(4, 4);
                view->render(&p);
            }
            EXPECT_EQ(testsupport::decode(screen, QString::fromLatin1(r.format)).text, QStringLiteral("123456789012"));
            EXPECT_EQ(countNear(screen, QColor(255, 143, 143), 20), 0);   // no second coat of the red
            QTemporaryDir dir;
            const QImage png = exportAndReadBack(view->picture(), dir.filePath(QStringLiteral("t.png")), false);
            ASSERT_FALSE(png.isNull());
            EXPECT_EQ(qAlpha(png.pixel(0, 0)), ground.alpha());
            QImage flat(png.size(), QImage::Format_RGB32);
            flat.fill(Qt::white);
            QPainter(&flat).drawImage(0, 0, png);
            EXPECT_EQ(testsupport::decode(flat, QString::fromLatin1(r.format)).text, QStringLiteral("123456789012"));
            clickBox(env.barcodeMode().brcd_bk_clr_rd);
        }
}
