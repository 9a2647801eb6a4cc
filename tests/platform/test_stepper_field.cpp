// The stepper and field pair: which half reports, how values cross, and the number formats.

#include "platform/CountField.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "support/LocaleScope.h"
#include "support/NumberFieldSweep.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <climits>
#include <optional>

using namespace platform;

TEST(StepperField, Formats)
{
    EXPECT_EQ(formatPairValue(60, PairFormat::Integer), QStringLiteral("60"));
    EXPECT_EQ(formatPairValue(59.6, PairFormat::Integer), QStringLiteral("60"));
    EXPECT_EQ(formatPairValue(-3, PairFormat::Integer), QStringLiteral("-3"));
    EXPECT_EQ(formatPairValue(0.5, PairFormat::TwoDecimals), QStringLiteral("0.50"));
    EXPECT_EQ(formatPairValue(12.345, PairFormat::TwoDecimals), QStringLiteral("12.35"));
    // Single precision, as short as reads back, never in exponent form.
    EXPECT_EQ(formatPairValue(0.2, PairFormat::Real), QStringLiteral("0.2"));
    EXPECT_EQ(formatPairValue(0.1 + 0.2, PairFormat::Real), QStringLiteral("0.3"));
    EXPECT_EQ(formatPairValue(20, PairFormat::Real), QStringLiteral("20"));
    EXPECT_EQ(formatPairValue(1.5, PairFormat::Real), QStringLiteral("1.5"));
    EXPECT_EQ(formatPairValue(250000, PairFormat::Real), QStringLiteral("250000"));
    EXPECT_EQ(formatPairValue(0.0001, PairFormat::Real), QStringLiteral("0.0001"));
}

TEST(StepperField, LeadingNumbers)
{
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("0.5cm")), 0.5);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("  2.25")), 2.25);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("-3")), -3);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("1.2.3")), 1.2);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("abc")), 0);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral(".")), 0);
    EXPECT_DOUBLE_EQ(leadingReal(QString()), 0);
    EXPECT_DOUBLE_EQ(leadingDecimal(QStringLiteral("2,5mm")), 2.5);
    EXPECT_DOUBLE_EQ(leadingDecimal(QStringLiteral(" 0.5")), 0.5);
    for (const char *refused : {"1,2.3", "1 000", "1e3"})   // never its first digits: the value in use
        EXPECT_DOUBLE_EQ(leadingDecimal(QString::fromLatin1(refused), 7), 7) << refused;
    EXPECT_EQ(leadingInteger(QStringLiteral("12.7")), 12);
    EXPECT_EQ(leadingInteger(QStringLiteral(" 40pt")), 40);
    EXPECT_EQ(leadingInteger(QStringLiteral("x1")), 0);
    EXPECT_EQ(leadingInteger(QStringLiteral("99999999999999999999")), INT_MAX);
    EXPECT_EQ(leadingInteger(QStringLiteral("-99999999999")), INT_MIN);
}

// What a user types reads the same in every locale: "," and "." are the decimal separator alike,
// and anything that is not one plain number is no number.
TEST(StepperField, TypedNumbersReadAlikeInEveryLocale)
{
    struct Case {
        const char *typed;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"40,25", 40.25}, {"40.25", 40.25}, {"1.000,5", std::nullopt}, {"1e3", std::nullopt},
        {" 7 ", 7.0},     {"", std::nullopt}, {"abc", std::nullopt},   {"-2,5", -2.5},
        {"+3", 3.0},      {",5", 0.5},       {"12,", 12.0},           {"1,2,3", std::nullopt},
        {"4 5", std::nullopt}, {"-", std::nullopt}, {"0.5cm", std::nullopt}, {"Ù£", std::nullopt},
    };
    for (const char *locale : {"C", "de_DE"}) {
        LocaleScope scope(locale);
        if (QString::fromLatin1(locale) == QStringLiteral("de_DE")) {
            ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));   // the locale is in force
        }
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(locale) + " \"" + c.typed + "\"");
            const std::optional<double> read = typedNumber(QString::fromUtf8(c.typed));
            ASSERT_EQ(read.has_value(), c.value.has_value());
            if (c.value) {
                EXPECT_DOUBLE_EQ(*read, *c.value);
            }
            EXPECT_DOUBLE_EQ(fieldValue(QString::fromUtf8(c.typed)), c.value.value_or(0.0));
        }
    }
    // A locale's own digits, decimal point and signs, beside the plain ones; its group separator is none.
    const struct { const char *locale, *typed; std::optional<double> value; } own[] = {
        {"ar_EG", "١٢٫٥", 12.5}, {"ar_EG", "12.5", 12.5}, {"ar_EG", "0,5", 0.5}, {"ar_EG", "\u061C-١٢", -12.0},
        {"ar_EG", "١٬٢٣٤", std::nullopt}, {"fa_IR", "۱۲٫۵", 12.5}, {"fa_IR", "\u200E\u2212۱۲", -12.0},
        {"fa_IR", "١٢", std::nullopt}, {"de_DE", "١٢", std::nullopt},   // then thousands grouped (none) or slipped (1)
        {"en_US", "1,000", std::nullopt}, {"en_US", "-2.500", -2.5}, {"de_DE", "1.000", std::nullopt}, {"de_DE", "12.500", std::nullopt},
        {"de_DE", "1,000", 1.0}, {"ar_EG", "1,000", std::nullopt}, {"ar_EG", "1.000", std::nullopt}, {"ar_EG", "١٫٠٠٠", 1.0},
        {"ar_EG", "2,5", 2.5}, {"de_DE", "0.125", 0.125}, {"en_US", "01,000", std::nullopt}, {"de_DE", "12,0000", 12.0},
        {"C", "1,0000", std::nullopt}, {"en_US", "0,125", 0.125}, {"de_DE", "1.0000", std::nullopt}};
    for (const auto &[locale, typed, value] : own) {
        LocaleScope scope(locale);
        EXPECT_EQ(typedNumber(QString::fromUtf8(typed)), value) << locale << " " << typed;
    }
    // A whole number of any length is one number far past every range, never one that overflowed.
    EXPECT_EQ(typedWhole(QString(19, '9')), typedWhole(QString(40, '9')));
    // Under every rule: a thousand grouped is no whole number (not 1), and 400 digits are out of range alike.
    struct Box : WholeSpinBox { using WholeSpinBox::valueFromText; } box;
    box.setRange(1, 9999), box.setValue(5);
    int at = 0;
    for (const char *locale : {"C", "en_US", "de_DE", "ar_EG"})
        for (const auto fraction : {WholeRule::Fraction::Refused, WholeRule::Fraction::Rounded, WholeRule::Fraction::Truncated}) {
            const LocaleScope scope(locale);
            WholeRule rule{"total", 1, 9999};
            rule.fraction = fraction, box.setRule(rule);
            for (QString typed : {"1,000", "1.000", "1,0000", "01,000", "12,0000", "-2.500"})   // grouped or slipped
                EXPECT_EQ(QString("%1 %2 %3").arg(wholeRefusal(typed, rule)).arg(box.valueFromText(typed)).arg(box.validate(typed, at)).toStdString(),
                          "Please enter the total as a whole number, such as 12. 5 1") << locale << ' ' << int(fraction) << ' ' << typed.toStdString();
            EXPECT_EQ(wholeRefusal(QString(400, '9'), rule).toStdString(), "Please enter a total from 1 to 9999.") << int(fraction);
        }
}

// The field shows the value it applied: a decimal comma and blanks are the number they are; text that
// is no number or out of range keeps the value (9), with the message. Ended by a step, the step goes
// on from the value taken, and is not made after a refusal.
TEST(StepperField, BoundedFieldShowsTheValueItApplied)
{
    struct Case {
        const char *typed;
        PairFormat format;
        double applied;
        const char *shown;
    };
    const Case cases[] = {
        {"40,25", PairFormat::TwoDecimals, 40.25, "40.25"},
        {"40.25", PairFormat::TwoDecimals, 40.25, "40.25"},
        {"2,5", PairFormat::Real, 2.5, "2.5"},
        {" 7 ", PairFormat::Real, 7, "7"},
        {"1.000,5", PairFormat::Real, 9, "9"},
        {"1e3", PairFormat::TwoDecimals, 9, "9.00"},
        {"", PairFormat::Integer, 9, "9"},
        {"abc", PairFormat::Integer, 9, "9"},
        {"12,7", PairFormat::Integer, 12, "12"},
        {"500", PairFormat::Real, 9, "9"},
        {"-500", PairFormat::Integer, 9, "9"},
        {"1,000", PairFormat::Integer, 9, "9"},   // a thousand grouped, not 1
        {"1.000", PairFormat::Integer, 9, "9"},
    };
    QStringList heard;
    for (const char *locale : {"C", "de_DE"}) {
        LocaleScope scope(locale);
        for (const Case &c : cases)
            for (const bool stepped : {false, true}) {
                SCOPED_TRACE(std::string(locale) + " \"" + c.typed + (stepped ? "\" then a step" : "\""));
                Stepper stepper;
                stepper.setMinValue(-100);
                stepper.setMaxValue(100);
                stepper.setDoubleValue(9);
                QLineEdit field;
                QString said;
                connectPair(&stepper, &field, &field, [&](QObject *s) { said += copyPairBounded(s, &stepper, &field, c.format); });
                field.setText(QString::fromUtf8(c.typed));
                field.setModified(true);   // as typed
                stepped ? stepper.stepUp() : emit field.editingFinished();
                EXPECT_DOUBLE_EQ(stepper.doubleValue(), c.applied + (stepped && said.isEmpty()));
                EXPECT_EQ(field.text(), stepped && said.isEmpty() ? localePairValue(c.applied + 1, c.format)
                                                                  : QString(c.shown).replace('.', QLocale().decimalPoint()));   // in the field's locale
                EXPECT_EQ(said.isEmpty(), c.applied != 9);
                heard << said;
            }
    }
    // The range as the field shows numbers; "an" before a vowel.
    EXPECT_TRUE(heard.contains("Please enter a value from -100.00 to 100.00.") && heard.contains("Please enter a value from -100 to 100."));
    EXPECT_EQ(numberRefusal("0", 1, 100, "opacity", "percent", 0), "Please enter an opacity from 1 to 100 percent.");
}

TEST(StepperField, CopyFollowsTheSender)
{
    Stepper stepper;
    stepper.setMinValue(0);
    stepper.setMaxValue(100);
    stepper.setIncrement(0.1);
    QLineEdit field;

    field.setText(QStringLiteral("0.5"));
    EXPECT_FALSE(copyPair(&field, &stepper, &field, PairFormat::Real));
    EXPECT_DOUBLE_EQ(stepper.doubleValue(), double(0.5f));
    EXPECT_EQ(field.text(), QStringLiteral("0.5"));

    stepper.setDoubleValue(7.3);
    EXPECT_TRUE(copyPair(&stepper, &stepper, &field, PairFormat::Real));
    EXPECT_EQ(field.text(), QStringLiteral("7.3"));

    // The stepper's range bounds the stepper; the field keeps what was typed.
    field.setText(QStringLiteral("500"));
    copyPair(&field, &stepper, &field, PairFormat::Real);
    EXPECT_DOUBLE_EQ(stepper.doubleValue(), 100);
    EXPECT_EQ(field.text(), QStringLiteral("500"));

    // No sender counts as the field.
    field.setText(QStringLiteral("42.9"));
    EXPECT_FALSE(copyPair(nullptr, &stepper, &field, PairFormat::Integer));
    EXPECT_EQ(stepper.intValue(), 42);
    stepper.setDoubleValue(17);
    copyPair(&stepper, &stepper, &field, PairFormat::Integer);
    EXPECT_EQ(field.text(), QStringLiteral("17"));
}

TEST(StepperField, HandlerHearsOnlyTheUsersHalf)
{
    Stepper stepper;
    stepper.setMaxValue(10);
    QLineEdit field;
    QObject context;
    QList<QObject *> senders;
    connectPair(&stepper, &field, &context, [&](QObject *sender) { senders << sender; });

    // Changes made by code are not reported.
    stepper.setDoubleValue(3);
    field.setText(QStringLiteral("4"));
    EXPECT_TRUE(senders.isEmpty());

    for (QToolButton *b : stepper.findChildren<QToolButton *>())
        if (b->arrowType() == Qt::UpArrow)
            QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(senders.size(), 1);
    EXPECT_EQ(senders.last(), &stepper);
    EXPECT_DOUBLE_EQ(stepper.doubleValue(), 4);

    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("8"));
    EXPECT_EQ(senders.size(), 1);   // typing alone does not end the editing
    QTest::keyClick(&field, Qt::Key_Return);
    ASSERT_EQ(senders.size(), 2);
    EXPECT_EQ(senders.last(), &field);

    // The connections end with their context.
    QObject *gone = new QObject;
    int calls = 0;
    connectPair(&stepper, nullptr, gone, [&](QObject *) { ++calls; });
    delete gone;
    stepper.stepUp();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(senders.size(), 3);

    // A click on an arrow leaves the focus in the field: the step ends the typing, not a focus change.
    QWidget window;
    window.setFocusPolicy(Qt::ClickFocus);
    field.setParent(&window);
    stepper.setParent(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    field.setFocus();
    QTest::mouseClick(stepper.findChildren<QToolButton *>().first(), Qt::LeftButton);
    EXPECT_TRUE(field.hasFocus());
    stepper.setParent(nullptr);
    field.setParent(nullptr);
}

// A message from a timer while an arrow (a stepper's, a spin box's, a scroll bar's) is held lets it go: no step after it.
TEST(StepperField, AMessageLetsGoOfTheArrowHeld)
{
    testsupport::ResponderScope responder;
    QWidget window;
    auto *stepper = new Stepper(&window);
    auto *spin = new QSpinBox(&window);
    auto *bar = new QScrollBar(Qt::Horizontal, &window);
    stepper->setMaxValue(1e6), spin->setMaximum(1000000), bar->setMaximum(1000000), spin->move(0, 40), bar->setGeometry(0, 80, 200, 16);
    window.resize(300, 120), window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto value = [&] { return stepper->doubleValue() + spin->value() + bar->value(); };
    for (QWidget *held : {static_cast<QWidget *>(stepper), static_cast<QWidget *>(spin), static_cast<QWidget *>(bar)}) {
        const auto [arrow, at] = held == bar ? std::pair{held, QPoint(196, 8)} : testsupport::arrowOf(held);
        const double before = value();
        QTimer::singleShot(800, [] { platform::runAlert({}); });   // once the arrow repeats
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, arrow->mapTo(&window, at));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !responder->alerts.isEmpty(); }, 5000));
        const double atMessage = value();
        responder->alerts.clear(), QTest::qWait(600), QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, arrow->mapTo(&window, at));
        EXPECT_TRUE(atMessage > before && value() == atMessage) << held->metaObject()->className();
    }
    // A step its field holds (a refused entry) lets go of the tool button held, message or none: no repeat waits on it.
    QObject::connect(stepper, &Stepper::aboutToStep, stepper, [stepper] { stepper->holdStep(); });
    const auto [arrow, at] = testsupport::arrowOf(stepper);
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, arrow->mapTo(&window, at)), QTest::qWait(800);
    EXPECT_FALSE(static_cast<QToolButton *>(arrow)->isDown());
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, arrow->mapTo(&window, at));
}
