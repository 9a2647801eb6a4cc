#pragma once
// Every number field read alike: "12.5", "12,5", the Arabic and Persian digits with their decimal
// sign, "1e1", "1.234,5" and forty nines, typed key by key in C, de_DE, ar_EG and fa_IR and ended by
// Return, Tab and (beside a stepper) a click on its up arrow. The field then shows the value it took,
// near 12.5 (a whole-number field or a slider rounds it by its rule) and a step goes on from it; or
// its message is shown and the value kept. Keys a locale cannot type leave the field as it was.

#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "support/LocaleScope.h"
#include "support/ScriptedResponder.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace testsupport {

struct NumberField {
    QLineEdit *field;
    QObject *half;      // its stepper, or the slider it moves
    const char *what;   // as its messages name it
};

// A line for each field, locale, input and ending that went wrong.
inline QStringList sweepNumberFields(const QList<NumberField> &fields, ScriptedResponder &responder)
{
    enum { Taken, NoNumber, Range, Untyped };
    QStringList wrong;
    for (const NumberField &f : fields)   // its box switched on, as the user has it to type there
        for (QWidget *w : {static_cast<QWidget *>(f.field), qobject_cast<QWidget *>(f.half)})
            for (; w; w = w->parentWidget())
                w->setEnabled(true);
    for (const QString locale : {"C", "de_DE", "ar_EG", "fa_IR"}) {
        LocaleScope scope(qPrintable(locale));
        // A locale's own digits read there; in the other Arabic script locale only the decimal sign types.
        const bool arabic = locale == "ar_EG" || locale == "fa_IR";
        const auto own = [&](const char *l) { return locale == l ? Taken : arabic ? NoNumber : Untyped; };
        const std::pair<QString, int> inputs[] = {{"12.5", Taken},       {"12,5", Taken},       {"١٢٫٥", own("ar_EG")},
                                                  {"۱۲٫۵", own("fa_IR")}, {"1e1", NoNumber},     {"1.234,5", NoNumber},
                                                  {QString(40, '9'), Range}};
        for (const NumberField &f : fields)
            for (const auto &[typed, kind] : inputs)
                for (const QString ending : {"Return", "Tab", "a step"}) {
                    auto *stepper = qobject_cast<platform::Stepper *>(f.half);
                    if (ending == "a step" && !stepper)
                        continue;
                    const bool real = stepper || f.half->property("doubleValue").isValid();   // else a slider of whole steps
                    const auto held = [&] { return f.half->property(real ? "doubleValue" : "value").toDouble(); };
                    const double before = held(), step = ending == "a step" ? stepper->increment() : 0;
                    responder.alerts.clear();
                    f.field->selectAll();
                    for (const QChar c : typed)
                        QTest::sendKeyEvent(QTest::Click, f.field, Qt::Key_unknown, QString(c), Qt::NoModifier);
                    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
                    if (ending == "Return")
                        QTest::keyClick(f.field, Qt::Key_Return);
                    else if (ending == "Tab")
                        QCoreApplication::sendEvent(f.field, &tab);
                    for (QToolButton *b : step ? stepper->findChildren<QToolButton *>() : QList<QToolButton *>())
                        if (b->arrowType() == Qt::UpArrow)
                            QTest::mouseClick(b, Qt::LeftButton);
                    const QString said = responder.trimmedAlertMessages().join('|');
                    const double now = held();
                    const bool kept = now == before && said.startsWith("Please enter ") && !said.contains('|') &&
                                      said.contains(QStringLiteral(" %1 ").arg(f.what)) &&
                                      (kind != Taken || said.contains(" from "));
                    const double untouched = stepper ? std::min(before + step, stepper->maxValue()) : before;
                    const bool ok = std::abs(platform::fieldValue(f.field) - now) < 1e-4 &&
                                    (kind == Untyped ? said.isEmpty() && std::abs(now - untouched) < 1e-6
                                     : kind == Taken ? (said.isEmpty() && std::abs(now - 12.5 - step) < 1) || kept
                                                     : kept && said.contains(" as a number") == (kind == NoNumber));
                    if (!ok)
                        wrong << QStringLiteral("%1 %2 \"%3\" then %4: shows \"%5\", holds %6 (was %7), said \"%8\"")
                                     .arg(f.what, locale, typed, ending, f.field->text()).arg(now).arg(before).arg(said);
                }
    }
    return wrong;
}

} // namespace testsupport
