// PDF417 and DataMatrix in the Barcode mode: sizes, every DataMatrix format with every encodation
// through the exported PNG, the symbol's colours on any background, and what a failed draw reports.

#include "test_twod_support.h"

#include "barcodemode/TwoDSymbols.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "barcodemode/pdf417View.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "barcodemode/BarcodeModeController.h"
#include "support/Editions.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/SymbolGlobals.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {

// A value that every encodation fits into a symbol of D data codewords: Base 256 spends two
// codewords on its latch and length, C40 and Text up to two values (4/3 codewords) per character.
QString valueFor(int D)
{
    const QString pool = QStringLiteral("Tagora 2D labels, DataMatrix ECC200 at every size: 0123456789 abcdefghij "
                                        "KLMNOPQRST uvwxyz-./+ ");
    const int n = std::max(1, (D - 4) * 2 / 3);
    QString out;
    while (out.size() < n)
        out += pool;
    return out.left(n);
}

int dataCodewords(const QString &format)
{
    int W = 0, H = 0;
    datamatrix::sizeFromFormatItem(format, &W, &H);
    const datamatrix::Ecc200Size *size = datamatrix::ecc200size(W, H);
    return size ? size->D : 60;
}

// The framed picture's background and a light module well inside the symbol, as exported.
struct Probe {
    QColor frame, light, dark;
};

} // namespace

TEST(TwoDPdf417, PictureTakesTheWidthFieldAndHeightStepper)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("PDF417"));
    w.env.barcodeMode().Pdf_widthText_2D->setText(QStringLiteral("100"));
    w.env.barcodeMode().pdf_HeightStepper_2D->setIntValue(20);
    w.generate(QStringLiteral("123456789012"));
    EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(100, 20));
    EXPECT_EQ(Barcode_module_size, 20);
    const auto d = testsupport::decode(w.exported(), QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("123456789012"));

    // Latin-1 text goes in as Latin-1 bytes.
    const QString accents = QStringLiteral("Étiquette n° 42 : àéîõü");
    w.env.barcodeMode().Pdf_widthText_2D->setText(QStringLiteral("320"));
    w.env.barcodeMode().pdf_HeightStepper_2D->setIntValue(120);
    w.generate(accents);
    EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(320, 120));
    const auto l = testsupport::decode(w.exported(), QStringLiteral("PDF417"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.bytes, pdf417::textBytes(accents));
}

TEST(TwoDPdf417, EmptyValueLeavesNoImage)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("PDF417"));
    w.generate(QStringLiteral("abc"));
    ASSERT_FALSE(w.env.barcodeMode().image_2d.isNull());
    w.env.barcodeMode().Draw_PDF_417_Barcode(QString());
    EXPECT_TRUE(w.env.barcodeMode().image_2d.isNull());
}

TEST(TwoDDataMatrix, EveryFormatWithEveryEncodationExportsTheValue)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    USED_DPI_VALUE = 150;   // 2-point modules are 4 pixels: enough to read, quick to write
    QComboBox *formats = w.env.barcodeMode().dm_format_ComboBox;
    QComboBox *encodings = w.env.barcodeMode().dm_encoding_ComboBox;
    ASSERT_EQ(formats->count(), 31);
    ASSERT_EQ(encodings->count(), 5);
    for (int f = 0; f < formats->count(); ++f) {
        formats->setCurrentIndex(f);
        const QString format = formats->currentText();
        const QString value = valueFor(dataCodewords(format));
        int W = 0, H = 0;
        datamatrix::sizeFromFormatItem(format, &W, &H);
        for (int e = 0; e < encodings->count(); ++e) {
            encodings->setCurrentIndex(e);
            const std::string what = format.toStdString() + " " + encodings->currentText().toStdString();
            w.generate(value);
            ASSERT_FALSE(w.env.barcodeMode().image_2d.isNull()) << what;
            if (W) {   // the asked size, at the module size and its two border points
                const int m = w.env.barcodeMode().dm_moduleStepper_2D->intValue();
                EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(W * m + 2, H * m + 2)) << what;
            }
            const auto d = testsupport::decode(w.exported(), QStringLiteral("DataMatrix"));
            ASSERT_TRUE(d.ok) << what;
            EXPECT_EQ(d.text, value) << what;
        }
    }
}

TEST(TwoDDataMatrix, UnicodeValueRoundTrips)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    for (const QString &enc : {QStringLiteral("Auto"), QStringLiteral("Base256"), QStringLiteral("Ascii")}) {
        w.env.barcodeMode().dm_encoding_ComboBox->setCurrentText(enc);
        const QString value = QStringLiteral("Grüße – 条形码");
        w.generate(value);
        const auto d = testsupport::decode(w.exported(), QStringLiteral("DataMatrix"));
        ASSERT_TRUE(d.ok) << enc.toStdString();
        EXPECT_EQ(d.bytes, value.toUtf8()) << enc.toStdString();
    }
}

TEST(TwoDDataMatrix, PictureSizeFollowsModulesNotTheWidthFields)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("C10X10"));
    w.env.barcodeMode().dm_widthStepper_2D->setIntValue(400);
    w.env.barcodeMode().dm_widthText_2D->setText(QStringLiteral("400"));
    Type_draw_2d_flag = true;
    Barcode_module_size = 2;
    w.env.barcodeMode().Draw_DataMatrix_Barcode(QStringLiteral("12"));
    ASSERT_FALSE(w.env.barcodeMode().image_2d.isNull());
    EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(22, 22));
    EXPECT_EQ(w.env.barcodeMode().image_2d.image().size(), QSize(12, 12));   // one pixel per module plus the border

    // The generation takes the module size from its stepper; "Auto" uses the size the encoder chose.
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("Auto"));
    w.env.barcodeMode().dm_moduleStepper_2D->setIntValue(3);
    w.generate(QStringLiteral("1"));
    EXPECT_EQ(Barcode_module_size, 3);
    EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(10 * 3 + 2, 10 * 3 + 2));
    // A rectangle: 18 columns wide, 8 rows high.
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("C8X18"));
    w.generate(QStringLiteral("1"));
    EXPECT_EQ(w.env.barcodeMode().image_2d.size(), QSizeF(18 * 3 + 2, 8 * 3 + 2));
    // Output draws carry the output resolution at that size.
    USED_DPI_VALUE = 288;
    Type_draw_2d_flag = false;
    w.env.barcodeMode().Draw_DataMatrix_Barcode(QStringLiteral("1"));
    EXPECT_EQ(w.env.barcodeMode().image_2d.image().size(), QSize((18 * 3 + 2) * 4, (8 * 3 + 2) * 4));
}

TEST(TwoDDataMatrix, LightModulesShowTheBackgroundWhateverItsAlpha)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("C10X10"));
    w.env.barcodeMode().dm_moduleStepper_2D->setIntValue(10);
    w.env.barcodeMode().barcode_clr->setColor(QColor(0, 0, 200));
    USED_DPI_VALUE = 72;
    w.env.barcodeMode().hideHeaderCheckbox->setChecked(true);
    w.env.barcodeMode().hideFooterCheckbox->setChecked(true);
    auto probe = [&]() {
        w.generate(QStringLiteral("12"));
        const QImage img = w.exported().convertToFormat(QImage::Format_ARGB32);
        Probe p;
        // The 10 x 10 symbol's modules are 10 points square, centred in its 10 x 10 + 2 = 102
        // points, so the symbol starts one point in. The top-left module is dark (finder), the one
        // to its right light (clock track).
        const double u = 10.0;
        const double sx = (w.env.barcodeMode().width() - 102.0) / 2.0 + 1.0;
        const double sy = w.env.barcodeMode().TB_margin + 1.0;
        p.frame = img.pixelColor(1, 1);
        p.dark = img.pixelColor(int(sx + 0.5 * u), int(sy + 0.5 * u));
        p.light = img.pixelColor(int(sx + 1.5 * u), int(sy + 0.5 * u));
        return p;
    };
    // Opaque red: not black, not swapped to blue, and the same red as the frame.
    w.env.barcodeMode().bar_back_clr->setColor(QColor(255, 0, 0));
    Probe p = probe();
    EXPECT_EQ(p.frame, QColor(255, 0, 0));
    EXPECT_EQ(p.light, QColor(255, 0, 0));
    EXPECT_EQ(p.dark, QColor(0, 0, 200));
    // Half-transparent green: inside the symbol as around it.
    w.env.barcodeMode().bar_back_clr->setColor(QColor(0, 255, 0, 128));
    p = probe();
    EXPECT_EQ(p.light, p.frame);
    EXPECT_NEAR(p.light.alpha(), 128, 1);
    EXPECT_EQ(p.dark, QColor(0, 0, 200));
    // The clear colour: nothing beneath, no black.
    w.env.barcodeMode().bar_back_clr->setColor(QColor(Qt::transparent));
    p = probe();
    EXPECT_EQ(p.light.alpha(), 0);
    EXPECT_EQ(p.dark, QColor(0, 0, 200));
    // The transparent box: a clear symbol ground even on an opaque colour.
    w.env.barcodeMode().bar_back_clr->setColor(QColor(255, 0, 0));
    w.env.barcodeMode().transparent_bkgnd->setChecked(true);
    p = probe();
    EXPECT_EQ(p.frame.alpha(), 0);
    EXPECT_EQ(p.light.alpha(), 0);
    EXPECT_EQ(p.dark, QColor(0, 0, 200));
}

TEST(TwoDDataMatrix, SymbolImageHasAClearGroundAndOpaqueModules)
{
    // The palette image as encoded: entry 0 fully transparent whatever the background, modules
    // opaque in their colour with red kept red.
    const std::uint8_t grid[4] = {1, 0, 0, 1};   // 2 x 2, row 0 the bottom
    const QImage img = twod::dataMatrixImage("c", 2, 2, grid, QColor(255, 0, 0, 40), QColor(Qt::transparent));
    ASSERT_EQ(img.size(), QSize(4, 4));
    EXPECT_EQ(img.pixelColor(0, 0).alpha(), 0);   // border
    EXPECT_EQ(img.pixelColor(1, 2), QColor(255, 0, 0));   // grid (0, 0): bottom row, left
    EXPECT_EQ(img.pixelColor(2, 1), QColor(255, 0, 0));   // grid (1, 1): top row, right
    EXPECT_EQ(img.pixelColor(2, 2).alpha(), 0);
    EXPECT_EQ(img.pixelColor(1, 1).alpha(), 0);
    const QImage onBlue = twod::dataMatrixImage("c", 2, 2, grid, Qt::black, QColor(0, 0, 255));
    EXPECT_EQ(onBlue.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(onBlue.pixelColor(2, 2), QColor(0, 0, 255));
    EXPECT_EQ(onBlue.pixelColor(1, 2), QColor(Qt::black));
}

TEST(TwoDDataMatrix, EncodationLettersOnePerByte)
{
    const auto c40 = twod::dataMatrixRequest(QStringLiteral("C12X12"), QStringLiteral("C40"), "ABC");
    EXPECT_EQ(c40.encoding, std::optional<std::string>("CCC"));
    EXPECT_EQ(c40.width, 12);
    EXPECT_EQ(c40.height, 12);
    const QByteArray accented = QStringLiteral("AéB").toUtf8();
    EXPECT_EQ(twod::dataMatrixRequest(QStringLiteral("Auto"), QStringLiteral("Text"), accented).encoding,
              std::optional<std::string>("TTTT"));
    EXPECT_FALSE(twod::dataMatrixRequest(QStringLiteral("Auto"), QStringLiteral("Auto"), accented).encoding);
    EXPECT_FALSE(twod::dataMatrixRequest(QStringLiteral("Auto"), QStringLiteral("Other"), accented).encoding);
    const auto rect = twod::dataMatrixRequest(QStringLiteral("C8X18"), QStringLiteral("Base256"), "x");
    EXPECT_EQ(rect.height, 8);
    EXPECT_EQ(rect.width, 18);
    EXPECT_EQ(rect.encoding, std::optional<std::string>("B"));
}

TEST(TwoDDataMatrix, FailedDrawReportsAndBlanksThePreview)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    w.generate(QStringLiteral("1"));
    ASSERT_TRUE(w.env.barcodeMode().barcodeImage->hasPicture());
    w.env.barcodeMode().dm_format_ComboBox->setCurrentText(QStringLiteral("C10X10"));
    w.env.barcodeMode().dm_encoding_ComboBox->setCurrentText(QStringLiteral("Ascii"));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    w.generate(QStringLiteral("too long for ten"));
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("No barcode produced\n"), std::string::npos) << err;
    EXPECT_NE(out.find("Size    : 10x10\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Encoded : "), std::string::npos) << out;
    EXPECT_NE(out.find("Barcode : too long for ten\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Encoding: AAAAAAAAAAAAAAAA\n"), std::string::npos) << out;
    EXPECT_TRUE(w.env.barcodeMode().image_2d.isNull());
    EXPECT_FALSE(w.env.barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(w.env.barcodeMode().barcode_error_label->isHidden());
}

TEST(TwoDDataMatrix, NothingIsWrittenToTheSharedTemporaryFolder)
{
    SKIP_WITHOUT_BARCODE_MODE();
    const QString shared = QDir::tempPath() + QStringLiteral("/DM.png");
    const QFileInfo before(shared);
    const QDateTime stamp = before.exists() ? before.lastModified() : QDateTime();
    twodtest::Window w;
    w.choose(QStringLiteral("DataMatrix"));
    w.generate(QStringLiteral("private"));
    ASSERT_FALSE(w.env.barcodeMode().image_2d.isNull());
    const QFileInfo after(shared);
    EXPECT_EQ(after.exists(), before.exists());
    if (after.exists()) {
        EXPECT_EQ(after.lastModified(), stamp);
    }
}
