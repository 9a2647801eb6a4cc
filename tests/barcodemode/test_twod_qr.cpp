// QR Code in the Barcode mode: both drawing routes, the levels, the size minimum by version and
// the colour packings, checked on the real window and through its exported PNG.

#include "test_twod_support.h"

#include "core/FileServices.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "advqr/AdvQrController.h"
#include "barcodemode/BarcodeModeController.h"
#include "support/Editions.h"
#include "support/LogCapture.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>

#include <cmath>

namespace {

using testsupport::LogCapture;

// Pretends a toolkit version for the life of the object.
struct ToolkitVersion {
    explicit ToolkitVersion(double v) { Set_OS_Version_For_Tests(v); }
    ~ToolkitVersion() { Set_OS_Version_For_Tests(0); }
};

const QString kAccents = QStringLiteral("Café crème, Ærøskøbing, Müller & Söhne ¿sí?");
const QString kCjk = QStringLiteral("条形码标签 日本語のテキスト 한국어");

void setLevel(twodtest::Window &w, int level)
{
    // As the level list's dispatch does: the item for the generator, the index for the encoder.
    w.env.barcodeMode().qr_ec_lvl_ComboBox->setCurrentIndex(level);
    QR_EC_Level_Val = level;
}

} // namespace

TEST(TwoDQr, EveryLevelOnBothRoutesExportsTheValue)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("QR Code"));
    for (double version : {0.0, 1264.0}) {
        ToolkitVersion route(version);
        for (int level = 0; level < 4; ++level) {
            setLevel(w, level);
            for (const QString &value : {kAccents, kCjk}) {
                w.generate(value);
                ASSERT_FALSE(w.shown().isNull()) << version << " " << level;
                const auto d = testsupport::decode(w.exported(), QStringLiteral("QRCode"));
                ASSERT_TRUE(d.ok) << "route " << version << " level " << level << " " << value.toStdString();
                EXPECT_EQ(d.bytes, value.toUtf8()) << version << " " << level;
            }
        }
    }
}

TEST(TwoDQr, HigherLevelsNeedMoreModules)
{
    twodtest::Window w;
    w.choose(QStringLiteral("QR Code"));
    const QString value = QStringLiteral("https://example.org/tagora/labels?id=abcdefghij");
    int previous = 0;
    for (int level = 0; level < 4; ++level) {
        setLevel(w, level);
        Type_draw_2d_flag = true;   // the quick preview keeps one pixel per module
        w.env.barcodeMode().Draw_QR_Barcode(value);
        const int modules = w.env.barcodeMode().image_2d.image().width();
        EXPECT_GT(modules, previous) << "level " << level;
        previous = modules;
    }
}

TEST(TwoDQr, RouteFollowsTheToolkitVersion)
{
    twodtest::Window w;
    w.choose(QStringLiteral("QR Code"));
    w.env.barcodeMode().HeightText_2D->setText(QStringLiteral("60"));
    {
        // The generator gives one pixel per module with a one-module border, stretched to the size.
        ToolkitVersion v(1265);
        Type_draw_2d_flag = true;
        w.env.barcodeMode().Draw_QR_Barcode(QStringLiteral("1"));
        ASSERT_FALSE(w.env.barcodeMode().image_2d.isNull());
        EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(60, 60));
        EXPECT_EQ(w.env.barcodeMode().image_2d.image().width(), 21 + 2);
    }
    {
        // The encoder paints whole-pixel modules into a square of the size in pixels.
        ToolkitVersion v(1264);
        Type_draw_2d_flag = true;
        w.env.barcodeMode().Draw_QR_Barcode(QStringLiteral("1"));
        ASSERT_FALSE(w.env.barcodeMode().image_2d.isNull());
        EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(60, 60));
        EXPECT_EQ(w.env.barcodeMode().image_2d.image().width(), 60);
    }
}

TEST(TwoDQr, OutputDrawIsRaisedAndQuickPreviewIsNot)
{
    twodtest::Window w;
    w.choose(QStringLiteral("QR Code"));
    USED_DPI_VALUE = 300;
    Type_draw_2d_flag = false;
    w.env.barcodeMode().Draw_QR_Barcode(QStringLiteral("raised"));
    EXPECT_EQ(w.env.barcodeMode().image_2d.image().width(), int(std::ceil(300.0 * 60 / 72)));
    Type_draw_2d_flag = true;
    w.env.barcodeMode().Draw_QR_Barcode(QStringLiteral("raised"));
    EXPECT_EQ(w.env.barcodeMode().image_2d.image().width(), 21 + 2);
}

TEST(TwoDQr, EncoderRouteMakesAutomaticVersionMinusOne)
{
    twodtest::Window w;
    w.choose(QStringLiteral("QR Code"));
    QR_Version_Val = 0;
    {
        ToolkitVersion v(1265);
        w.env.barcodeMode().Draw_QR_Barcode(QStringLiteral("abc"));
        EXPECT_EQ(QR_Version_Val, 0);
    }
    ToolkitVersion v(1264);
    w.env.barcodeMode().Draw_QR_Barcode(QStringLiteral("abc"));
    EXPECT_EQ(QR_Version_Val, -1);
    EXPECT_FALSE(w.env.barcodeMode().image_2d.isNull());
    // A version too small for the text grows.
    QR_Version_Val = 1;
    w.env.barcodeMode().Draw_QR_Barcode(QString(60, QLatin1Char('x')));
    EXPECT_FALSE(w.env.barcodeMode().image_2d.isNull());
}

TEST(TwoDQr, EmptyValueGivesNothingAndLogsNothing)
{
    twodtest::Window w;
    LogCapture log;
    EXPECT_TRUE(w.env.barcodeMode().Create_QR_By_CI_Filter(QString(), QStringLiteral("L"), 0, Qt::black, Qt::white, 1, 60).isNull());
    w.env.barcodeMode().image_2d = platform::Picture();
    w.env.barcodeMode().Draw_QR_Barcode(QString());
    EXPECT_TRUE(w.env.barcodeMode().image_2d.isNull());
    EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(QLatin1Char('|')).toStdString();
    // A level the generator does not know is a failure with its log line.
    EXPECT_TRUE(w.env.barcodeMode().Create_QR_By_CI_Filter(QStringLiteral("x"), QStringLiteral("Z"), 0, Qt::black, Qt::white, 1, 60).isNull());
    EXPECT_TRUE(log.lines().contains(QStringLiteral("Error: Failed to generate CIImage for QR code.")));
}

TEST(TwoDQr, ScaleAndVersionArgumentsChangeNothing)
{
    twodtest::Window w;
    Type_draw_2d_flag = true;
    const platform::Picture a = w.env.barcodeMode().Create_QR_By_CI_Filter(QStringLiteral("v"), QStringLiteral("M"), 0, Qt::black, Qt::white, 1.0, 80);
    const platform::Picture b = w.env.barcodeMode().Create_QR_By_CI_Filter(QStringLiteral("v"), QStringLiteral("M"), 12, Qt::black, Qt::white, 7.5, 80);
    ASSERT_FALSE(a.isNull());
    EXPECT_EQ(a.size(), QSizeF(80, 80));
    EXPECT_EQ(b.size(), QSizeF(80, 80));
    EXPECT_EQ(a.image(), b.image());
}

TEST(TwoDQr, TransparentBoxClearsLightModulesOnBothRoutes)
{
    twodtest::Window w;
    w.choose(QStringLiteral("QR Code"));
    w.env.barcodeMode().bar_back_clr->setColor(QColor(255, 0, 0));
    w.env.barcodeMode().barcode_clr->setColor(QColor(0, 0, 255));
    for (double version : {1265.0, 1264.0}) {
        ToolkitVersion v(version);
        for (bool transparent : {false, true}) {
            w.env.barcodeMode().transparent_bkgnd->setChecked(transparent);
            Type_draw_2d_flag = true;
            w.env.barcodeMode().Draw_QR_Barcode(QStringLiteral("light"));
            const QImage img = w.env.barcodeMode().image_2d.image().convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(img.isNull());
            // The finder pattern's outer ring is dark, the ring inside it light. The generator has
            // one pixel per module and a one-module border; the encoder whole-pixel modules centred
            // in a margin.
            const int px = version >= 1265 ? 1 : img.width() / 21;
            const int margin = version >= 1265 ? 1 : (img.width() - 21 * px) / 2;
            const QColor dark = img.pixelColor(margin, margin);
            const QColor light = img.pixelColor(margin + px, margin + px);
            EXPECT_EQ(dark, QColor(0, 0, 255)) << version;
            if (transparent)
                EXPECT_EQ(light.alpha(), 0) << version;
            else
                EXPECT_EQ(light, QColor(255, 0, 0)) << version;
        }
    }
}

TEST(TwoDQr, SizeMinimumFollowsTheVersion)
{
    twodtest::Window w;
    Barcode_Setting_Or_Designing_Mode = 0;
    const std::pair<int, int> minima[] = {{0, 21}, {1, 21}, {2, 25}, {3, 29}, {40, 177}};
    for (const auto &[version, minimum] : minima) {
        w.env.barcodeMode().HeightText_2D->setText(QStringLiteral("10"));
        w.env.barcodeMode().Check_And_Set_QR_size_Acc_Version(version);
        EXPECT_EQ(w.env.barcodeMode().HeightText_2D->text(), QString::number(minimum)) << version;
        EXPECT_EQ(w.env.barcodeMode().HeightStepper_2D->minValue(), minimum) << version;
        EXPECT_EQ(w.env.barcodeMode().HeightStepper_2D->intValue(), minimum) << version;
    }
    // 30 is enough for version 3: only the stepper's minimum moves; version 4 raises both to 33.
    w.env.barcodeMode().HeightText_2D->setText(QStringLiteral("30"));
    w.env.barcodeMode().HeightStepper_2D->setMinValue(21);
    w.env.barcodeMode().HeightStepper_2D->setIntValue(30);
    w.env.barcodeMode().Check_And_Set_QR_size_Acc_Version(3);
    EXPECT_EQ(w.env.barcodeMode().HeightText_2D->text(), QStringLiteral("30"));
    EXPECT_EQ(w.env.barcodeMode().HeightStepper_2D->minValue(), 29);
    EXPECT_EQ(w.env.barcodeMode().HeightStepper_2D->intValue(), 30);
    w.env.barcodeMode().Check_And_Set_QR_size_Acc_Version(4);
    EXPECT_EQ(w.env.barcodeMode().HeightText_2D->text(), QStringLiteral("33"));
    EXPECT_EQ(w.env.barcodeMode().HeightStepper_2D->intValue(), 33);
}

TEST(TwoDQr, SizeMinimumServesThePairOfTheMode)
{
    twodtest::Window w;
    w.env.barcodeMode().HeightText_2D->setText(QStringLiteral("30"));
    w.env.advQr().ADV_QR_HeightText_2D->setText(QStringLiteral("30"));
    const double barcodeMin = w.env.barcodeMode().HeightStepper_2D->minValue();
    const double advancedMin = w.env.advQr().ADV_QR_HeightStepper_2D->minValue();

    Barcode_Setting_Or_Designing_Mode = 1;   // Designing mode: nothing to serve in this window
    w.env.barcodeMode().Check_And_Set_QR_size_Acc_Version(10);
    EXPECT_EQ(w.env.barcodeMode().HeightText_2D->text(), QStringLiteral("30"));
    EXPECT_EQ(w.env.advQr().ADV_QR_HeightText_2D->text(), QStringLiteral("30"));
    EXPECT_EQ(w.env.barcodeMode().HeightStepper_2D->minValue(), barcodeMin);
    EXPECT_EQ(w.env.advQr().ADV_QR_HeightStepper_2D->minValue(), advancedMin);

    Barcode_Setting_Or_Designing_Mode = 2;   // Advanced QR mode: its own pair
    w.env.barcodeMode().Check_And_Set_QR_size_Acc_Version(10);
    EXPECT_EQ(w.env.advQr().ADV_QR_HeightText_2D->text(), QStringLiteral("57"));
    EXPECT_EQ(w.env.advQr().ADV_QR_HeightStepper_2D->minValue(), 57);
    EXPECT_EQ(w.env.barcodeMode().HeightText_2D->text(), QStringLiteral("30"));
    Barcode_Setting_Or_Designing_Mode = 0;
}

TEST(TwoDQr, ColourPackings)
{
    twodtest::Window w;
    testsupport::AppEnvironment &env = w.env;
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_BGR(QColor(255, 0, 0)), 0xFF0000FFu);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_BGR(QColor(Qt::white)), 0xFFFFFFFFu);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_BGR(QColor(0, 0, 255)), 0xFFFF0000u);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_RGB(QColor(255, 0, 0)), 0x00FF0000u);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_RGB(QColor(255, 0, 0, 77)), 0x00FF0000u);   // alpha dropped
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_RGB(QColor(Qt::white)), 0x00FFFFFFu);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_RGB(QColor(0, 0, 255)), 0x000000FFu);
    // Components are rounded, not truncated, and other colour spaces go through RGB.
    const QColor f = QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.8f);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_BGR(f), 204u << 24 | 153u << 16 | 102u << 8 | 51u);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_RGB(QColor::fromHsv(0, 255, 255)), 0x00FF0000u);
    EXPECT_EQ(env.barcodeMode().HEX_Of_NSColor_in_BGR(QColor()), 0u);
}
