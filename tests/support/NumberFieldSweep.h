#pragma once
// Every number field read alike, typed key by key (QTest::keyClicks sends Latin-1 only) in C, en_US, de_DE, ar_EG, fa_IR
// and ended however a user ends it. Decimal fields (sweepNumberFields): "12.5", "12,5", the Arabic and Persian digits
// with their decimal sign, "1e1", "1.234,5" and forty nines, ended by Return, Tab and (beside a stepper) a click on its
// up arrow: the field shows the value it took, near 12.5 (a whole-number field or a slider rounds it by its rule) and a
// step goes on from it; or its message is shown and the value kept. Whole-number fields (wholeFieldFailures): "3" in
// every script, decimals, grouped digits (a thousand too: "1,000", "١٬٠٠٠"), an exponent, 19 and 40 nines over "5",
// ended by Tab, Return and (refused) OK in a field, by Return, Up and the wheel in a spin box: "3" stands (stepped: 4
// up, 2 down), else the message, "5" kept.
// In turn: "3", "1e1" keep 3 (field and arrows); "7" and the up arrow give 8; "1e1" and the arrow held: the message, 8
// kept, no repeat; at the arrows' lowest, 5 above it typed and the down arrow: 4 above. Keys a locale cannot type leave
// the field as it was. "1,000", "1,0000" and "01,000" are 1 where "," is the decimal sign, else none (a thousand
// grouped or slipped); "1.000" is 1 where "." is. Failures: one each.

#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "support/LocaleScope.h"
#include "support/ScriptedResponder.h"
#include "support/Wheel.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <string>
#include <vector>

namespace testsupport {

// The up (or down) arrow of a stepper or spin box: what is pressed, and where.
inline std::pair<QWidget *, QPoint> arrowOf(QWidget *arrows, bool up = true)
{
    if (const QList<QToolButton *> buttons = arrows->findChildren<QToolButton *>(); buttons.size() == 2)
        return {buttons.at(up ? 0 : 1), buttons.at(up ? 0 : 1)->rect().center()};
    QStyleOptionSpinBox o;
    o.initFrom(arrows);
    return {arrows, arrows->style()->subControlRect(QStyle::CC_SpinBox, &o, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, arrows).center()};
}

// A user's press on the up arrow of arrows, through its window: the focus it moves ends the typing of the field that has
// it, whose message takes the release in its event loop.
inline void cutPress(QWidget *arrows)
{
    const auto [arrow, at] = arrowOf(arrows);
    QWindow *window = arrow->window()->windowHandle();
    const QPoint p = arrow->mapTo(arrow->window(), at);
    QTimer::singleShot(0, arrow, [window, p] { QTest::mouseRelease(window, Qt::LeftButton, {}, p); });
    QTest::mousePress(window, Qt::LeftButton, {}, p);
}

// Types text into w over what edit holds and ends the typing: 'R' Return, 'T' the focus leaving, 'O' ok, 'S' a click on
// the up arrow of arrows, 'H' it held, 'D' a click on its down arrow, 'U' the Up key, 'W' the wheel down, 'C' the up
// arrow pressed as cutPress does (w in its window, active, has the focus). Answers what the window said meanwhile.
inline QString typeAndEnd(ScriptedResponder &responder, QWidget *w, QLineEdit *edit, const QString &typed, char ending,
                          QAbstractButton *ok = nullptr, QWidget *arrows = nullptr)
{
    responder.alerts.clear();
    if (ending == 'C' && (w->window()->show(), w->window()->activateWindow(), QTest::qWaitForWindowActive(w->window())))
        w->setFocus();
    edit->selectAll();
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    ending == 'R' || ending == 'U' ? QTest::keyClick(w, ending == 'R' ? Qt::Key_Return : Qt::Key_Up)
    : ending == 'T'                ? void(QApplication::sendEvent(w, &out))
    : ending == 'O'                ? ok->click()
    : ending == 'W'                ? wheelDown(w)
    : ending == 'C'                ? cutPress(arrows) : void();
    if (ending == 'S' || ending == 'H' || ending == 'D') {   // its up (down) arrow clicked, or held until it would repeat
        const auto [arrow, at] = arrowOf(arrows, ending != 'D');
        const auto *button = qobject_cast<QToolButton *>(arrow);
        QTest::mousePress(arrow, Qt::LeftButton, {}, at);
        QTest::qWait(ending != 'H' ? 0 : (button ? button->autoRepeatDelay() : arrow->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold)) * 4 / 3);
        QTest::mouseRelease(arrow, Qt::LeftButton, {}, at);
    }
    return responder.trimmedAlertMessages().join('|');
}

struct NumberField {
    QLineEdit *field;
    QObject *half;      // its stepper, or the slider it moves
    const char *what;   // as its messages name it
};

inline std::string sweepNumberFields(const QList<NumberField> &fields, ScriptedResponder &responder)
{
    enum { Taken, NoNumber, Range, Untyped, One };   // One: read as 1 (taken, or refused by the range)
    QStringList wrong;   // one line each
    for (const NumberField &f : fields)   // its box switched on, as the user has it to type there
        for (QWidget *w : {static_cast<QWidget *>(f.field), qobject_cast<QWidget *>(f.half)})
            for (; w; w = w->parentWidget())
                w->setEnabled(true);
    for (const QString locale : {"C", "en_US", "de_DE", "ar_EG", "fa_IR"}) {
        LocaleScope scope(qPrintable(locale));
        // A locale's own digits read there; in the other Arabic script locale only the decimal sign types.
        const bool arabic = locale == "ar_EG" || locale == "fa_IR", point = locale == "C" || locale == "en_US";
        const auto own = [&](const char *l) { return locale == l ? Taken : arabic ? NoNumber : Untyped; };
        const std::pair<QString, int> inputs[] = {{"12.5", Taken},       {"12,5", Taken},       {"١٢٫٥", own("ar_EG")},
                                                  {"۱۲٫۵", own("fa_IR")}, {"1e1", NoNumber},     {"1.234,5", NoNumber},
                                                  {QString(40, '9'), Range}, {"1,000", locale == "de_DE" ? One : NoNumber},
                                                  {"1.000", point ? One : NoNumber}, {"1,0000", locale == "de_DE" ? One : NoNumber},
                                                  {"01,000", locale == "de_DE" ? One : NoNumber}};
        for (const NumberField &f : fields) {
            bool whole = false;   // a stepper's whole-number field (its range said without decimals): a thousand slipped is none there
            for (const auto &[typed, listed] : inputs)
                for (const char ending : {'R', 'T', 'S'}) {
                    const int kind = listed == One && whole ? NoNumber : listed;
                    auto *stepper = qobject_cast<platform::Stepper *>(f.half);
                    if (ending == 'S' && !stepper)
                        continue;
                    const bool real = stepper || f.half->property("doubleValue").isValid();   // else a slider of whole steps
                    const auto held = [&] { return f.half->property(real ? "doubleValue" : "value").toDouble(); };
                    const double before = held(), step = ending == 'S' ? stepper->increment() : 0;
                    const QString said = typeAndEnd(responder, f.field, f.field, typed, ending, nullptr, stepper);
                    const double now = held();
                    const bool kept = now == before && said.startsWith("Please enter ") && !said.contains('|') &&
                                      said.contains(QStringLiteral(" %1 ").arg(f.what)) &&
                                      (kind != Taken || said.contains(" from "));
                    const double untouched = stepper ? std::min(before + step, stepper->maxValue()) : before;
                    whole = whole || (stepper && kind == Range && said.contains(QRegularExpression(" from -?\\d+ to ")));
                    const bool ok = std::abs(platform::fieldValue(f.field) - now) < 1e-4 &&
                                    (kind == Untyped ? said.isEmpty() && std::abs(now - untouched) < 1e-6
                                     : kind == One   ? (said.isEmpty() && std::abs(now - 1 - step) < 1e-6) || (kept && said.contains(" from "))
                                     : kind == Taken ? (said.isEmpty() && std::abs(now - 12.5 - step) < 1) || kept
                                                     : kept && said.contains(" as a number") == (kind == NoNumber));
                    if (!ok)
                        wrong << QStringLiteral("%1 %2 \"%3\" then %4: shows \"%5\", holds %6 (was %7), said \"%8\"")
                                     .arg(f.what, locale, typed, QString(ending), f.field->text()).arg(now).arg(before).arg(said);
                }
        }
    }
    return wrong.join('\n').toStdString();
}

// A field (or spin box), what its messages call it, its range as they say it, and its dialog's OK.
struct WholeField {
    QWidget *w;
    QString what, range;
    QAbstractButton *ok;
};

inline std::string wholeFieldFailures(const std::vector<WholeField> &fields, ResponderScope &responder)
{
    QStringList failures;
    for (const std::string locale : {"C", "en_US", "de_DE", "ar_EG", "fa_IR"}) {
        const bool ar = locale == "ar_EG", fa = locale == "fa_IR";
        // Taken, Untyped, refused as no Whole number, refused as out of Range.
        const std::pair<QString, char> rows[] = {
            {"3", 'T'}, {"٣", ar ? 'T' : 'U'}, {"۳", fa ? 'T' : 'U'}, {"12.5", 'W'}, {"12,5", 'W'}, {"١٢٫٥", ar || fa ? 'W' : 'U'},
            {"۱۲٫۵", ar || fa ? 'W' : 'U'}, {"1e1", 'W'}, {"1.234,5", 'W'}, {QString(19, '9'), 'R'}, {QString(40, '9'), 'R'},
            {"1,000", 'W'}, {"1.000", 'W'}, {"١٬٠٠٠", ar || fa ? 'W' : 'U'}, {"1,0000", 'W'}, {"01,000", 'W'}, {"12,0000", 'W'},
            {"١٫٠٠٠", ar || fa ? 'W' : 'U'}, {"3.00", 'T'}};
        for (const WholeField &f : fields)
            for (const auto &[typed, outcome] : rows)
                for (const char ending : std::string(qobject_cast<QSpinBox *>(f.w) ? "RUW" : "TRO")) {
                    const LocaleScope scope(locale.c_str());
                    auto *spin = qobject_cast<QSpinBox *>(f.w);
                    QLineEdit *edit = spin ? spin->findChild<QLineEdit *>() : qobject_cast<QLineEdit *>(f.w);
                    if (ending == 'O' && (outcome == 'T' || outcome == 'U' || !f.ok))
                        continue;
                    spin ? spin->setValue(5) : edit->setText(QStringLiteral("5"));
                    const QString got = typeAndEnd(*responder, f.w, edit, typed, ending, f.ok);
                    const QString said = outcome == 'R'   ? QStringLiteral("Please enter a %1 from %2.").arg(f.what, f.range)
                                         : outcome == 'W' ? QStringLiteral("Please enter the %1 as a whole number, such as 12.").arg(f.what)
                                                          : QString();
                    const int step = outcome == 'T' || outcome == 'U' ? (ending == 'U') - (ending == 'W') : 0;
                    const QString want = QString::number((outcome == 'T' ? 3 : 5) + step) + " [" + said + "]";
                    if (edit->text() + " [" + got + "]" != want)
                        failures << QString::fromStdString(locale) + ' ' + f.w->objectName() + ' ' + typed + ' ' + ending + ": "
                                        + edit->text() + " [" + got + "], not " + want;
                }
        for (const WholeField &f : fields) {   // in turn, each from what the one before left: what was said, shown and held
            const LocaleScope scope(locale.c_str());
            QLineEdit *edit = qobject_cast<QSpinBox *>(f.w) ? f.w->findChild<QLineEdit *>() : qobject_cast<QLineEdit *>(f.w);
            // Its arrows: the stepper or spin box named after it ("Row_Text_pre": "Row_Stepper_pre", "hour_txt": "hour_stepper").
            const QString name = QString(f.w->objectName()).replace("_Text", "_Stepper").replace("_txt", "_stepper").replace("_text", "_stepper");
            QWidget *arrows = name == f.w->objectName() ? nullptr : f.w->window()->findChild<QWidget *>(name);
            for (QWidget *w = arrows; w; w = w->parentWidget())   // switched on, as the user has them to click
                w->setEnabled(true);
            const QString no = QStringLiteral("Please enter the %1 as a whole number, such as 12.").arg(f.what);
            // Last, from the arrows' lowest, where their down arrow would stop: 5 above it typed, then that arrow.
            const char *const value = qobject_cast<QSpinBox *>(arrows) ? "value" : "doubleValue";
            const int least = arrows ? arrows->property(qobject_cast<QSpinBox *>(arrows) ? "minimum" : "minValue").toInt() : 0;
            const std::tuple<QString, char, QString, QString> steps[] = {
                {"3", 'T', "", "3"}, {"1e1", 'T', no, "3"}, {"7", 'S', "", "8"}, {"1e1", locale == "C" ? 'H' : 'S', no, "8"},
                {QString::number(least + 5), 'D', "", QString::number(least + 4)}};
            char now = 'T';
            responder->onAlert = [edit, &now](const platform::AlertRequest &) {   // the message takes the focus from the field
                QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(edit, &out);
                QTest::qWait(now == 'H' ? 250 : 0);   // and is read while the arrow is held
            };
            QString got, want;
            for (const auto &[typed, ending, said, shown] : steps)
                if ((now = ending) == 'T' || arrows) {
                    if (ending == 'D')
                        arrows->setProperty(value, least), edit->setText(QString::number(least));
                    got += '|' + typeAndEnd(*responder, f.w, edit, typed, ending, nullptr, arrows);
                    got += ' ' + edit->text() + (arrows ? ' ' + arrows->property(value).toString() : "");
                    want += '|' + said + ' ' + shown + (arrows ? ' ' + shown : "");
                }
            responder->onAlert = {};
            if (got != want)
                failures << QString::fromStdString(locale) + ' ' + f.w->objectName() + " in turn: " + got + ", not " + want;
        }
    }
    return failures.join('\n').toStdString();
}

} // namespace testsupport
