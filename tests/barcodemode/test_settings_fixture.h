#pragma once
// The main window, built and set up offscreen, in the Barcode mode with a symbol drawn; the
// settings controls are driven as a user drives them.

#include "core/Mode.h"
#include "core/Units.h"
#include "barcodemode/BarcodeSizeRules.h"
#include "engines/BarcodeSettings.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/ScriptedResponder.h"
#include "barcodemode/BarcodeModeController.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace settings_test {

// Points per centimetre of the barcode size rules.
constexpr double kPointsPerCm = 28.346472;

class SettingsWindow : public ::testing::Test {
protected:
    // The window shown in the Barcode mode with a Code 128 drawn (test_settings_fixture.cpp).
    void SetUp() override;

    // The user picks a symbology in the pop-up.
    void choose(const QString &title)
    {
        QComboBox *popup = env.barcodeMode().barcodeTypePopup;
        const int index = popup->findText(title);
        ASSERT_GE(index, 0) << qPrintable(title);
        popup->setCurrentIndex(index);
        emit popup->activated(index);
    }

    // The user replaces a field's text and presses Return.
    static void typeInto(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    // The user clicks a stepper's up or down arrow.
    static void clickStepper(platform::Stepper *stepper, bool up)
    {
        const QList<QToolButton *> arrows = stepper->findChildren<QToolButton *>();
        for (QToolButton *b : arrows)
            if (b->arrowType() == (up ? Qt::UpArrow : Qt::DownArrow))
                QTest::mouseClick(b, Qt::LeftButton);
    }

    // The user clicks a check box or radio button on its indicator.
    static void clickBox(QAbstractButton *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    QSizeF pictureSize() const { return env.barcodeMode().barcodeImage->picture().size(); }

    // The band a font adds to a picture: 1.35 cap heights.
    static double bandPoints(const QFont &font) { return 1.35 * textMeasurer().capHeight(font); }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
};

// Restores the working mode a test switched to.
struct ModeScope {
    explicit ModeScope(int mode) : saved(Barcode_Setting_Or_Designing_Mode) { Barcode_Setting_Or_Designing_Mode = mode; }
    ~ModeScope() { Barcode_Setting_Or_Designing_Mode = saved; }
    int saved;
};

} // namespace settings_test
