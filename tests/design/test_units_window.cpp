// The units command of the three modes, driven through its window as a user drives it.

#include "advqr/AdvQrController.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/PropertySidebar.h"
#include "design/UnitPreferences.h"
#include "design/panels/CardSizePanel.h"
#include "model/Card_Property.h"
#include "design/Unit_PrefWindow.h"
#include "platform/Picture.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/PageControl.h"
#include "support/ScriptedResponder.h"

#include <QAbstractButton>
#include <QImage>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using FieldPair = std::pair<QLineEdit *, platform::Stepper *>;

// Points per centimetre of the barcode size rules.
constexpr double kPointsPerCm = 28.346472;

// A stepper holds the converted value within its range.
float inRange(float value, const platform::Stepper *stepper)
{
    return std::clamp(value, float(stepper->minValue()), float(stepper->maxValue()));
}

// The factors of the table in single precision, written out here.
struct Conversion {
    int from;
    int to;
    float factor;
};
const Conversion kConversions[] = {{1, 2, 10.0f}, {2, 0, 0.03937008f}, {0, 1, 2.54f}, {1, 0, 0.39370078f}};

class UnitsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        ASSERT_TRUE(c->isWindowLoaded());
    }
    void TearDown() override { Barcode_Setting_Or_Designing_Mode = 0; }

    DesignController &dsg() { return c->design(); }

    // The next units window: remembers the row checked when it opened, then the user checks the
    // row and presses OK (or Cancel).
    void answerWith(int row, bool ok = true)
    {
        responder->onModal = [this, row, ok](QDialog &dialog) {
            shownRow = dsg().units().unit_matrix ? dsg().units().unit_matrix->checkedId() : -2;
            sawUnitsWindow = &dialog == dsg().units().unit_prefPanel;
            if (QAbstractButton *b = dsg().units().unit_matrix->button(row))
                b->click();
            (ok ? dsg().units().unit_prefPanel->OK_Btn : dsg().units().unit_prefPanel->Cancel_Btn)->click();
            return dialog.result();
        };
    }

    // Runs the units command in a mode with the given row and button.
    void chooseUnit(int mode, int row, bool ok = true)
    {
        Barcode_Setting_Or_Designing_Mode = mode;
        answerWith(row, ok);
        dsg().units().doPreferences();
    }

    std::vector<FieldPair> barcodeFields()
    {
        BarcodeModeController &bm = c->barcodeMode();
        return {{bm.val_mar_Text, bm.val_mar_Stepper}, {bm.hdr_mar_Text, bm.hdr_mar_Stepper},
                {bm.ftr_mar_Text, bm.ftr_mar_Stepper}, {bm.LR_mar_Text, bm.LR_mar_Stepper},
                {bm.TB_mar_Text, bm.TB_mar_Stepper},   {bm.HeightText, bm.HeightStepper}};
    }
    std::vector<FieldPair> advQrFields()
    {
        AdvQrController &q = c->advQr();
        return {{q.ADV_QR_hdr_mar_Text, q.ADV_QR_hdr_mar_Stepper},
                {q.ADV_QR_ftr_mar_Text, q.ADV_QR_ftr_mar_Stepper},
                {q.ADV_QR_LR_mar_Text, q.ADV_QR_LR_mar_Stepper},
                {q.ADV_QR_TB_mar_Text, q.ADV_QR_TB_mar_Stepper}};
    }
    static QStringList texts(const std::vector<FieldPair> &fields)
    {
        QStringList t;
        for (const auto &[field, stepper] : fields)
            t << field->text();
        return t;
    }
    // Writes values into fields as a project read would: nothing regenerates.
    static void fill(const std::vector<FieldPair> &fields, const std::vector<float> &values)
    {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            fields[i].first->setText(QString::number(double(values[i])));
            fields[i].second->setDoubleValue(values[i]);
        }
    }

    // One conversion in the Barcode (0) or Advanced QR (2) mode: the fields hold the values, the
    // user picks k.to, and each field shows its value times the factor.
    void expectConverted(int mode, const std::vector<float> &values, const Conversion &k)
    {
        int &unit = mode == 0 ? Measument_Unit_Is_Barcode : Measument_Unit_Is_Adv_QR;
        int &last = mode == 0 ? last_unit_val_Barcode : last_unit_val_Adv_QR;
        unit = last = k.from;
        fill(mode == 0 ? barcodeFields() : advQrFields(), values);
        chooseUnit(mode, k.to);
        EXPECT_EQ(shownRow, k.from);
        EXPECT_EQ(unit, k.to);
        EXPECT_EQ(last, k.to);
        const std::vector<FieldPair> fields = mode == 0 ? barcodeFields() : advQrFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const float expected = values[i] * k.factor;
            EXPECT_EQ(float(platform::leadingReal(fields[i].first->text())), expected)
                << k.from << "->" << k.to << " " << fields[i].first->objectName().toStdString() << " "
                << fields[i].first->text().toStdString();
            EXPECT_FLOAT_EQ(float(fields[i].second->doubleValue()), inRange(expected, fields[i].second))
                << fields[i].first->objectName().toStdString();
        }
    }

    // A card width and both modes' fields written, and what they showed, for the checks that no
    // unit change reached them.
    void fillEveryMode()
    {
        dsg().sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("100.00"));
        fill(advQrFields(), {0.2f, 0.3f, 0.4f, 0.5f});
        fill(barcodeFields(), {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 1.5f});
        barcodeBefore = texts(barcodeFields());
        advQrBefore = texts(advQrFields());
    }

    // Every mode still on its first unit, and the fields of fillEveryMode() as they were.
    void expectNoUnitChanged()
    {
        EXPECT_EQ(Measument_Unit_Is, 2);
        EXPECT_EQ(Measument_Unit_Is_Barcode, 1);
        EXPECT_EQ(Measument_Unit_Is_Adv_QR, 1);
        EXPECT_EQ(last_unit_val, 2);
        EXPECT_EQ(last_unit_val_Barcode, 1);
        EXPECT_EQ(last_unit_val_Adv_QR, 1);
        EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("100.00"));
        EXPECT_EQ(dsg().sidebar().cardSizePanel()->card_width_unit_lbl->text(), QStringLiteral("(mm)"));
        EXPECT_EQ(texts(barcodeFields()), barcodeBefore);
        EXPECT_EQ(texts(advQrFields()), advQrBefore);
    }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    int shownRow = -3;
    bool sawUnitsWindow = false;
    QStringList barcodeBefore;
    QStringList advQrBefore;
};

TEST_F(UnitsWindow, CardWidthGoesFromMillimetresToInchesToCentimetres)
{
    // A catalogue product: showing the card afterwards leaves the converted size fields alone.
    dsg().card().Front_card_Prop->Card_Preset = QStringLiteral("A4");
    dsg().sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("100.00"));
    dsg().sidebar().cardSizePanel()->height_Text->setText(QStringLiteral("50.00"));
    ASSERT_EQ(Measument_Unit_Is, 2);

    chooseUnit(1, 0);
    EXPECT_TRUE(sawUnitsWindow);
    EXPECT_EQ(shownRow, 2);   // opened on the current unit
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("3.94"));
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->height_Text->text(), QStringLiteral("1.97"));
    EXPECT_NEAR(dsg().sidebar().cardSizePanel()->width_Stepper->doubleValue(), 3.937, 1e-3);
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->card_size_box->title(), QStringLiteral("Label Size (in)"));
    EXPECT_EQ(testsupport::pageControl<QLabel>(dsg().sidebar().aligmnt_tab, "ctrl_width_unit_lbl")->text(), QStringLiteral("(in)"));
    EXPECT_EQ(Measument_Unit_Is, 0);
    EXPECT_EQ(last_unit_val, 0);

    // From the size in use, not the two decimals shown: 3.937 x 2.54.
    chooseUnit(1, 1);
    EXPECT_EQ(shownRow, 0);
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("10.00"));
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->card_height_unit_lbl->text(), QStringLiteral("(cm)"));
    EXPECT_EQ(Measument_Unit_Is, 1);
    EXPECT_EQ(last_unit_val, 1);
}

TEST_F(UnitsWindow, ACustomCardShowsTheCanvasSizeInTheNewUnit)
{
    // Showing a custom card reloads its size from the canvas (100 x 100 mm), whatever the fields held.
    ASSERT_EQ(dsg().card().Front_card_Prop->Card_Preset, QStringLiteral("Custom"));
    dsg().sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("12.00"));
    dsg().sidebar().cardSizePanel()->height_Text->setText(QStringLiteral("50.00"));
    chooseUnit(1, 0);
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("3.94"));
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->height_Text->text(), QStringLiteral("3.94"));
    chooseUnit(1, 1);
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("10.00"));
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->height_Text->text(), QStringLiteral("10.00"));
}

TEST_F(UnitsWindow, OpensOnTheUnitOfTheCurrentMode)
{
    Measument_Unit_Is_Barcode = 0;
    Measument_Unit_Is = 1;
    Measument_Unit_Is_Adv_QR = 2;
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}};
    for (const auto &[mode, row] : cases) {
        chooseUnit(mode, row, false);
        EXPECT_EQ(shownRow, row) << "mode " << mode;
    }
    // A unit code the window has no row for checks none.
    Measument_Unit_Is = 7;
    chooseUnit(1, -1, false);
    EXPECT_EQ(shownRow, -1);
}

TEST_F(UnitsWindow, TheCurrentUnitAgainOnlyRelabels)
{
    dsg().sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("100.00"));
    dsg().sidebar().cardSizePanel()->card_width_unit_lbl->setText(QStringLiteral("?"));
    dsg().sidebar().cardSizePanel()->card_size_box->setTitle(QStringLiteral("?"));
    chooseUnit(1, 2);
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("100.00"));
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->card_width_unit_lbl->text(), QStringLiteral("(mm)"));
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->card_size_box->title(), QStringLiteral("Label Size (mm)"));
    EXPECT_EQ(Measument_Unit_Is, 2);
}

TEST_F(UnitsWindow, CancelChangesNoUnitLabelOrField)
{
    fillEveryMode();
    const QString barHeightLabel = c->barcodeMode().bar_height_label->text();
    const QString tbLabel = c->advQr().ADV_QR_TB_mar_lbl->text();
    for (int mode : {0, 1, 2}) {
        chooseUnit(mode, 0, false);
        EXPECT_EQ(shownRow, mode == 1 ? 2 : 1);
        // The window was left some other way (Escape, closing it).
        Barcode_Setting_Or_Designing_Mode = mode;
        responder->onModal = [](QDialog &) { return 0; };
        dsg().units().doPreferences();
    }
    EXPECT_EQ(responder->modalCount, 6);
    expectNoUnitChanged();
    EXPECT_EQ(c->barcodeMode().bar_height_label->text(), barHeightLabel);
    EXPECT_EQ(c->advQr().ADV_QR_TB_mar_lbl->text(), tbLabel);
}

TEST_F(UnitsWindow, EachModeChangesOnlyItsOwnUnitAndFields)
{
    fillEveryMode();

    chooseUnit(1, 0);   // Designing mode to inches
    EXPECT_EQ(Measument_Unit_Is, 0);
    EXPECT_EQ(Measument_Unit_Is_Barcode, 1);
    EXPECT_EQ(Measument_Unit_Is_Adv_QR, 1);
    EXPECT_EQ(texts(barcodeFields()), barcodeBefore);
    EXPECT_EQ(texts(advQrFields()), advQrBefore);
    EXPECT_EQ(c->barcodeMode().bar_height_label->text(), QStringLiteral("Bar Height (cm):"));
    EXPECT_EQ(c->advQr().ADV_QR_hdr_mar_lbl->text(), QStringLiteral("Margin (cm):"));

    chooseUnit(2, 2);   // Advanced QR mode to millimetres
    EXPECT_EQ(Measument_Unit_Is_Adv_QR, 2);
    EXPECT_EQ(Measument_Unit_Is, 0);
    EXPECT_EQ(Measument_Unit_Is_Barcode, 1);
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("3.94"));
    EXPECT_EQ(texts(barcodeFields()), barcodeBefore);
}

TEST_F(UnitsWindow, EachRoutineActsOnlyInItsOwnMode)
{
    fillEveryMode();
    chooseUnit(1, 0, false);   // the window exists now
    // Inches: no mode's unit yet.
    dsg().units().unit_prefPanel->Select_Unit_Row(0);
    for (int mode : {0, 1, 2}) {
        Barcode_Setting_Or_Designing_Mode = mode;
        if (mode != 0)
            c->barcodeMode().OK_Unit_Change_For_Barcode();
        if (mode != 1)
            dsg().units().On_OK_of_Unit_Panel();
        if (mode != 2)
            c->advQr().OK_Unit_Change_For_ADV_QR();
    }
    expectNoUnitChanged();
}

TEST_F(UnitsWindow, BarcodeModeConvertsItsSixFieldsInSinglePrecision)
{
    SKIP_WITHOUT_BARCODE_MODE();
    const std::vector<float> values = {0.3f, 0.25f, 0.2f, 0.55f, 0.45f, 1.7f};
    for (const Conversion &k : kConversions)
        expectConverted(0, values, k);
}

TEST_F(UnitsWindow, BarcodeModeConvertsTheBarHeightOfA2DSymbolToo)
{
    SKIP_WITHOUT_BARCODE_MODE();
    BarcodeModeController &bm = c->barcodeMode();
    QComboBox *popup = bm.barcodeTypePopup;
    const int qr = popup->findText(QStringLiteral("QR Code"));
    ASSERT_GE(qr, 0);
    Barcode_Setting_Or_Designing_Mode = 0;
    popup->setCurrentIndex(qr);
    emit popup->activated(qr);
    ASSERT_EQ(bm.liner_or_2D_font, 1);
    bm.HeightText->setText(QStringLiteral("1"));
    chooseUnit(0, 2);
    EXPECT_EQ(bm.HeightText->text(), QStringLiteral("10"));
    // A 2D symbol's labels carry no unit.
    EXPECT_EQ(bm.bar_height_label->text(), QStringLiteral("Bar Height :"));
    EXPECT_TRUE(bm.barcodeImage->hasPicture());
}

TEST_F(UnitsWindow, BarcodeModeDrawsThePreviewAgainInTheNewUnit)
{
    SKIP_WITHOUT_BARCODE_MODE();
    BarcodeModeController &bm = c->barcodeMode();
    Barcode_Setting_Or_Designing_Mode = 0;
    ASSERT_EQ(bm.liner_or_2D_font, 0);
    ASSERT_TRUE(bm.barcodeImage->hasPicture());
    const double before = bm.barcodeImage->picture().size().height();
    // One centimetre more bar height, written without redrawing: only the unit change draws it.
    const float height = float(platform::leadingReal(bm.HeightText->text()));
    bm.HeightText->setText(QString::number(double(height + 1.0f)));
    chooseUnit(0, 2);
    EXPECT_EQ(float(platform::leadingReal(bm.HeightText->text())), (height + 1.0f) * 10.0f);
    EXPECT_EQ(bm.bar_height_label->text(), QStringLiteral("Bar Height (mm):"));
    ASSERT_TRUE(bm.barcodeImage->hasPicture());
    EXPECT_NEAR(bm.barcodeImage->picture().size().height() - before, kPointsPerCm, 0.5);
}

TEST_F(UnitsWindow, AdvancedQrModeConvertsItsFourMarginsAndLabels)
{
    const std::vector<float> values = {0.3f, 0.25f, 0.55f, 0.45f};
    const char *const names[] = {"in", "cm", "mm"};
    for (const Conversion &k : kConversions) {
        expectConverted(2, values, k);
        const QString unit = QString::fromLatin1(names[k.to]);
        EXPECT_EQ(c->advQr().ADV_QR_TB_mar_lbl->text(), QStringLiteral("Top and Bottom Margin (%1):").arg(unit));
        EXPECT_EQ(c->advQr().ADV_QR_LR_mar_lbl->text(), QStringLiteral("Left and Right Margin (%1):").arg(unit));
        EXPECT_EQ(c->advQr().ADV_QR_hdr_mar_lbl->text(), QStringLiteral("Margin (%1):").arg(unit));
        EXPECT_EQ(c->advQr().ADV_QR_ftr_mar_lbl->text(), QStringLiteral("Margin (%1):").arg(unit));
    }
}

TEST_F(UnitsWindow, AdvancedQrModeFramesTheCodeAgainInTheNewUnit)
{
    AdvQrController &q = c->advQr();
    Barcode_Setting_Or_Designing_Mode = 2;
    // A symbol as the mode's generation leaves it, framed once.
    QImage modules(21, 21, QImage::Format_RGB32);
    modules.fill(Qt::black);
    q.image_adv_QR = platform::Picture::fromImage(modules, QSizeF(60, 60));
    q.Get_ADV_QR_barcode_from_image(true);
    ASSERT_TRUE(q.QR_barcodeImage->hasPicture());
    const double before = q.QR_barcodeImage->picture().size().height();
    // One centimetre more above and below, written without redrawing.
    const float margin = float(platform::leadingReal(q.ADV_QR_TB_mar_Text->text()));
    q.ADV_QR_TB_mar_Text->setText(QString::number(double(margin + 1.0f)));
    chooseUnit(2, 2);
    EXPECT_EQ(float(platform::leadingReal(q.ADV_QR_TB_mar_Text->text())), (margin + 1.0f) * 10.0f);
    ASSERT_TRUE(q.QR_barcodeImage->hasPicture());
    EXPECT_GT(q.QR_barcodeImage->picture().size().height(), before + kPointsPerCm);
}

TEST_F(UnitsWindow, AdvancedQrLabelsOfAnUnknownUnitAreMillimetres)
{
    Measument_Unit_Is_Adv_QR = 9;
    c->advQr().Set_ADV_QR_Margin_Labels();
    EXPECT_EQ(c->advQr().ADV_QR_TB_mar_lbl->text(), QStringLiteral("Top and Bottom Margin (mm):"));
    EXPECT_EQ(c->advQr().ADV_QR_hdr_mar_lbl->text(), QStringLiteral("Margin (mm):"));
}

TEST_F(UnitsWindow, BarcodeLabelsOfALinearSymbolInEveryUnit)
{
    SKIP_WITHOUT_BARCODE_MODE();
    BarcodeModeController &bm = c->barcodeMode();
    ASSERT_EQ(bm.liner_or_2D_font, 0);
    const std::pair<int, const char *> cases[] = {{0, "in"}, {1, "cm"}, {2, "mm"}, {-1, "mm"}, {5, "mm"}};
    for (const auto &[unit, name] : cases) {
        Measument_Unit_Is_Barcode = unit;
        bm._setLabels_Barcode();
        const QString u = QString::fromLatin1(name);
        EXPECT_EQ(bm.bar_height_label->text(), QStringLiteral("Bar Height (%1):").arg(u)) << unit;
        EXPECT_EQ(bm.margin_box->title(), QStringLiteral("Margins (%1)").arg(u)) << unit;
        EXPECT_EQ(bm.LR_mar_label->text(), QStringLiteral("Left and Right (%1):").arg(u)) << unit;
        EXPECT_EQ(bm.TB_mar_label->text(), QStringLiteral("Top and Bottom (%1):").arg(u)) << unit;
        EXPECT_EQ(bm.bar_width_label->text(), QStringLiteral("Bar Width (Mils):")) << unit;
    }
}

TEST_F(UnitsWindow, PreferencesInTheApplicationMenuOpensTheUnitsWindow)
{
    QAction *item = c->app_menu->findChild<QAction *>(QStringLiteral("Preferences_menu_item"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(c->app_menu->actions().contains(item));
    EXPECT_EQ(item->text(), QStringLiteral("Preferences..."));
    // The platform's shortcut for preferences; Ctrl+, where the platform has none.
    const QList<QKeySequence> platformKeys = QKeySequence::keyBindings(QKeySequence::Preferences);
    EXPECT_EQ(item->shortcut(), platformKeys.isEmpty() ? QKeySequence(QStringLiteral("Ctrl+,")) : platformKeys.first());
    Barcode_Setting_Or_Designing_Mode = 1;
    dsg().sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("100.00"));
    answerWith(1);
    item->trigger();
    EXPECT_EQ(responder->modalCount, 1);
    EXPECT_TRUE(sawUnitsWindow);
    EXPECT_EQ(dsg().sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("10.00"));
    EXPECT_TRUE(dsg().units().unit_prefPanel->isHidden());
}

} // namespace
