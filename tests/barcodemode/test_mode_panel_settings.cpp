// The Barcode mode's page as one value: what is set is what is read back, and only the user's edits
// are reported as changes.

#include "advqr/AdvQrController.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModePanel.h"
#include "batch_fixture.h"
#include "core/Mode.h"
#include "support/Wheel.h"

#include <QComboBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

class ModePanel : public batch_test::BatchWindow {
protected:
    BarcodeModePanel &panel() { return bm->panel(); }
};

TEST_F(ModePanel, SettingsReadBackAsTheyWereSet)
{
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(logo));
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPointSizeF(14);

    const struct {
        const char *name;
        std::function<void(BarcodeModeSettings &)> edit;
    } cases[] = {
        {"Code 128 with texts, bands and margins",
         [&](BarcodeModeSettings &v) {
             v.symbology = QStringLiteral("Code 128");
             v.family = 0;
             v.linearValue = QStringLiteral("AB-12");
             v.header = QStringLiteral("Head");
             v.footer = QStringLiteral("Foot");
             v.hideFooter = v.caption = true;
             v.alignHeader = 2;
             v.margins = {QStringLiteral("0.3"), QStringLiteral("0.25"), QStringLiteral("0.2"), QStringLiteral("0.5"),
                          QStringLiteral("0.4")};
             v.steps.margins = {0.3, 0.25, 0.2, 0.5, 0.4};
             v.barHeight = QStringLiteral("1.5");
             v.steps.barHeight = 1.5;
             v.fonts[1] = big;
             v.colours[4] = QColor(10, 20, 30);
             v.unit = 2;
         }},
        {"QR Code with a logo on a clear background",
         [&](BarcodeModeSettings &v) {
             v.symbology = QStringLiteral("QR Code");
             v.family = 1;
             v.twoDValue = QStringLiteral("https://example.org/qr");
             v.qrLevel = 2;
             v.qrVersion = 5;
             v.logo = true;
             v.logoPath = logo;
             v.transparentBox = v.clearBackground = true;
         }},
        {"PDF417 with a value list",
         [&](BarcodeModeSettings &v) {
             v.symbology = QStringLiteral("PDF417");
             v.family = 1;
             v.pdfHeight = QStringLiteral("30");
             v.steps.pdfHeight = 30;
             v.pdfLevel = QStringLiteral("4");
             v.steps.pdfLevel = 4;
             v.records = {{{value_list::kValue, QStringLiteral("A1")}, {value_list::kHeader, QStringLiteral("h1")},
                           {value_list::kFooter, QStringLiteral("f1")}, {value_list::kPQ, QStringLiteral("2")}}};
         }},
        {"DataMatrix at a chosen resolution",
         [&](BarcodeModeSettings &v) {
             v.symbology = QStringLiteral("DataMatrix");
             v.family = 1;
             v.dmFormat = 3;
             v.dmEncoding = 1;
             v.dmModule = QStringLiteral("4");
             v.steps.dmModule = 4;
             v.dpiIndex = 3;
         }},
    };
    // A fill writes sizes as the fields format them ("20.00" becomes "20"): start from a filled page.
    panel().setSettings(panel().settings());
    for (const auto &c : cases) {
        BarcodeModeSettings v = panel().settings();
        c.edit(v);
        panel().setSettings(v);
        EXPECT_TRUE(panel().settings() == v) << c.name;
        EXPECT_FALSE(Not_Draw_Only_Prop_Change) << c.name;
    }
}

TEST_F(ModePanel, OnlyTheUsersEditsAreReported)
{
    QSignalSpy barcode(&panel(), &BarcodeModePanel::settingsChanged);
    QSignalSpy advanced(&c->advQr().panel(), &AdvQrPanel::settingsChanged);
    panel().setSettings(panel().settings());
    c->advQr().panel().setSettings(c->advQr().panel().settings());
    EXPECT_EQ(barcode.count() + advanced.count(), 0);

    QTest::keyClicks(bm->HeaderText, QStringLiteral("X"));
    EXPECT_EQ(barcode.count(), 1);
    bm->hideHeaderCheckbox->click();
    EXPECT_EQ(barcode.count(), 2);
    EXPECT_EQ(advanced.count(), 0);

    c->Barcode_mode_tab->setCurrentWidget(c->Barcode_ADV_QR_tab);
    QTest::keyClicks(c->advQr().ADV_QR_FooterText, QStringLiteral("Y"));
    EXPECT_EQ(advanced.count(), 1);
    EXPECT_EQ(barcode.count(), 2);
}

TEST_F(ModePanel, TheWheelScrollsTheSettingsNotTheirLists)
{
    for (QComboBox *list : {bm->align_ftr_combo, bm->DPI_ComboBox, bm->qr_version_ComboBox}) {
        QScrollArea *area = testsupport::enclosingScrollArea(list);
        ASSERT_NE(area, nullptr);
        area->verticalScrollBar()->setValue(0);
        list->setCurrentIndex(0);
        testsupport::wheelDown(list);
        EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
        EXPECT_EQ(area->verticalScrollBar()->value() > 0, area->verticalScrollBar()->maximum() > 0);
    }
}

} // namespace
