// The Advanced QR mode's settings column as one value: what is set is what is read back.

#include "AdvQrFixture.h"
#include "barcodemode/BarcodeModeController.h"
#include "support/NumberFieldSweep.h"

#include <QTemporaryDir>

#include <functional>

namespace {

class AdvQrSettingsValue : public AdvQrFixture {};

TEST_F(AdvQrSettingsValue, SettingsReadBackAsTheyWereSet)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(logo().save(path));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPointSizeF(9);

    const struct {
        const char *name;
        std::function<void(AdvQrSettings &)> edit;
    } cases[] = {
        {"texts, bands and alignments",
         [&](AdvQrSettings &v) {
             v.type = QStringLiteral("Email");
             v.header = QStringLiteral("Write to us");
             v.footer = QString();
             v.hideFooter = true;
             v.alignHeader = 0;
             v.fonts[0] = small;
         }},
        {"symbol, colours and margins",
         [&](AdvQrSettings &v) {
             v.side = QStringLiteral("150");
             v.sideStep = 150;
             v.qrVersion = 7;
             v.qrLevel = 3;
             v.qrEncoding = 1;
             v.colours = {Qt::red, Qt::green, Qt::blue, QColor(250, 250, 200)};
             v.transparent = true;
             v.margins[2] = QStringLiteral("0.6");
             v.marginSteps[2] = 0.6;
         }},
        {"logo", [&](AdvQrSettings &v) {
             v.logo = true;
             v.logoPath = path;
         }},
    };
    for (const auto &c : cases) {
        AdvQrSettings v = qr().panel().settings();
        c.edit(v);
        qr().panel().setSettings(v);
        EXPECT_TRUE(qr().panel().settings() == v) << c.name;
    }
    EXPECT_FALSE(qr().ADV_QR_USE_QR_LOGO_IMG.isNull());
}

// The size and margin fields, wired as the window wires them, typed in the user's locale and ended
// however the user ends it.
TEST_F(AdvQrSettingsValue, EveryNumberFieldReadsAlikeOrRefuses)
{
    env.barcodeMode().wireAdvancedQrSettingsControls();
    EXPECT_EQ(testsupport::sweepNumberFields({{qr().ADV_QR_HeightText_2D, qr().ADV_QR_HeightStepper_2D, "QR code size"},
                                              {qr().ADV_QR_hdr_mar_Text, qr().ADV_QR_hdr_mar_Stepper, "header margin"},
                                              {qr().ADV_QR_ftr_mar_Text, qr().ADV_QR_ftr_mar_Stepper, "footer margin"},
                                              {qr().ADV_QR_TB_mar_Text, qr().ADV_QR_TB_mar_Stepper, "top and bottom margin"},
                                              {qr().ADV_QR_LR_mar_Text, qr().ADV_QR_LR_mar_Stepper, "left and right margin"}},
                                             *responder), "");
}

} // namespace
