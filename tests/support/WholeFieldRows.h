#pragma once
// Whole-number fields as a user meets them in C, de_DE, ar_EG and fa_IR: plain digits, the locale's own, decimals, grouped digits
// and an exponent (no whole number) and forty nines (out of range), typed key by key over "5" in any script
// (QTest::keyClicks sends Latin-1 only), the typing ended by Tab, Return and (refused ones) OK in a field, by
// Return, Up and the wheel in a spin box: "3" stands (stepped: 4 up, 2 down), another script's digits are no
// keystroke ("5" stays and steps), anything else is the field's message with "5" kept. Failures: one line each.

#include "support/LocaleScope.h"
#include "support/ScriptedResponder.h"
#include "support/Wheel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// A field (or spin box), what its messages call it, its range as they say it, and its dialog's OK.
struct WholeField {
    QWidget *w;
    QString what, range;
    QAbstractButton *ok;
};

// The rows: Taken, Untyped, refused as no Whole number, refused as out of Range.
inline std::vector<std::pair<QString, char>> wholeRows(bool ar, bool fa)
{
    return {{"3", 'T'}, {QString::fromUtf8("٣"), ar ? 'T' : 'U'}, {QString::fromUtf8("۳"), fa ? 'T' : 'U'}, {"12.5", 'W'},
            {"12,5", 'W'}, {QString::fromUtf8("١٢٫٥"), ar || fa ? 'W' : 'U'}, {QString::fromUtf8("۱۲٫۵"), ar || fa ? 'W' : 'U'},
            {"1e1", 'W'}, {"1.234,5", 'W'}, {QString(40, '9'), 'R'}};
}

inline QStringList wholeFieldFailures(const std::vector<WholeField> &fields, ResponderScope &responder)
{
    QStringList failures;
    for (const std::string locale : {"C", "de_DE", "ar_EG", "fa_IR"})
        for (const WholeField &f : fields)
            for (const auto &[typed, outcome] : wholeRows(locale == "ar_EG", locale == "fa_IR"))
                for (const char ending : std::string(qobject_cast<QSpinBox *>(f.w) ? "RUW" : "TRO")) {
                    const LocaleScope scope(locale.c_str());
                    auto *spin = qobject_cast<QSpinBox *>(f.w);
                    QLineEdit *edit = spin ? spin->findChild<QLineEdit *>() : qobject_cast<QLineEdit *>(f.w);
                    if (ending == 'O' && (outcome == 'T' || outcome == 'U' || !f.ok))
                        continue;
                    spin ? spin->setValue(5) : edit->setText(QStringLiteral("5"));
                    responder->alerts.clear();
                    edit->selectAll();
                    for (const QChar c : typed)
                        QTest::sendKeyEvent(QTest::Click, f.w, Qt::Key_unknown, QString(c), Qt::NoModifier);
                    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
                    ending == 'T' ? void(QApplication::sendEvent(f.w, &out)) : ending == 'R' ? QTest::keyClick(f.w, Qt::Key_Return)
                    : ending == 'O' ? f.ok->click() : ending == 'U' ? QTest::keyClick(f.w, Qt::Key_Up) : wheelDown(f.w);
                    const QString said = outcome == 'R'   ? QStringLiteral("Please enter a %1 from %2.").arg(f.what, f.range)
                                         : outcome == 'W' ? QStringLiteral("Please enter the %1 as a whole number, such as 12.").arg(f.what)
                                                          : QString();
                    const int step = outcome == 'T' || outcome == 'U' ? (ending == 'U') - (ending == 'W') : 0;
                    const QString want = QString::number((outcome == 'T' ? 3 : 5) + step) + " [" + said + "]";
                    const QString got = edit->text() + " [" + responder->trimmedAlertMessages().join('|') + "]";
                    if (got != want)
                        failures << QString::fromStdString(locale) + ' ' + f.w->objectName() + ' ' + typed + ' ' + ending + ": " + got + ", not " + want;
                }
    return failures;
}

} // namespace testsupport
