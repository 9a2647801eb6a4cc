#pragma once
// A stepper beside a text field form one input. Their handler is told which half the user changed:
// the stepper after a click on an arrow, the field when its editing ends (Return, or leaving it
// after a change). copyPair() then carries the value across: stepper to field as text, field to
// stepper as a number, which the stepper bounds by its own range.

#include <QLocale>
#include <QString>

#include <functional>
#include <limits>
#include <optional>
#include <initializer_list>
#include <utility>

class QLineEdit;
class QObject;

namespace platform {

class Stepper;

enum class PairFormat {
    Integer,       // "%d"
    Real,          // a single-precision float as the field shows one: the shortest text that reads back
    TwoDecimals,   // "%.2f"
};

// A typed value as a field of the format holds it: whole for an integer field, single precision
// for a real one, two decimals for a two-decimal one.
double formatValue(double typed, PairFormat format);
// A stepper's value in plain ASCII digits with "." for its point: for text read back as the program
// writes it (storedNumber), never for a field, which shows localePairValue in its own locale.
QString formatPairValue(double value, PairFormat format);
// The number at the start of a field's text, as a field reads one ("0.5cm" gives 0.5); 0 without one.
double leadingReal(const QString &text);
// A decimal field's number as typedNumber reads it, a unit after it left out ("2,5mm" gives 2.5);
// inUse for text it refuses ("1 000", "1e3", a grouped thousand): never its first digits.
double leadingDecimal(const QString &text, double inUse = 0, const QLocale &locale = QLocale());
// The integer at the start of a field's text ("12.7" gives 12); 0 without one.
int leadingInteger(const QString &text);

// What a user typed into a number field, read the same way in every field and every locale:
// blanks around it, a sign, digits and at most one decimal separator, "." and "," alike (no number
// field has thousands); the locale's own digits and decimal point too ("١٢٫٥" under ar_EG). Any
// other text ("1.000,5", "1e3", "abc", nothing, another locale's digits) is no number, and so is
// text that reads as grouped thousands (readsGrouped: "1,000" under en_US is no 1).
// Read by the rules of the field's locale: a field that shows "." decimals in every locale (the C
// locale's) reads "1.125" as 1.125 where the user's locale would call it a thousand.
std::optional<double> typedNumber(const QString &text, const QLocale &locale = QLocale());
std::optional<double> typedNumber(const QLineEdit *field);
// The same number as typed, in plain ASCII digits with "." for its point ("١٢٫٥" gives "12.5"): for
// text that leaves the program (a payload), which readers elsewhere take in ASCII only.
std::optional<QByteArray> typedNumberText(const QString &text, const QLocale &locale = QLocale());
// A number the program wrote (a profile, a custom product): plain digits and "." as it writes them,
// whatever the locale ("1.125" is 1.125 under de_DE too), or its one "," where an older save wrote
// the decimal sign so ("1,125"); else read as typed (a file edited by hand).
std::optional<double> storedNumber(const QString &text);

enum class NumberKind { Decimal, Whole };
// The one rule of grouped and slipped numbers, which every number field refuses rather than read as
// a small number. Grouped: one to three digits (the first not 0), then groups of exactly three, each
// after the locale's group sign or whichever of "," and "." is not its decimal sign ("1,000" under
// en_US, "1.000" and "12.500" under de_DE, both under ar_EG; "2,5", "1,50" and "0.125" are no
// thousands; nor, in a decimal field that shows "." under de_DE, "1,125": the user's own decimal
// sign is never a group sign). In a whole-number field also any decimal sign followed by three
// digits or more: a fraction of zeros that long is a thousand slipped ("1,0000", "01,000", "١٫٠٠٠");
// "5.00" stands. In a decimal field so is three zeros or more after the sign that is not the decimal
// one ("1,0000").
bool readsGrouped(const QString &text, NumberKind kind, const QLocale &locale = QLocale());
// A number as a field of the format shows it, in the locale's own digits, decimal sign and minus
// ("2,5" under de_DE, "٢٫٥" under ar_EG), never grouped: the readers take it back.
QString localePairValue(double value, PairFormat format, const QLocale &locale = QLocale());
// The locale a field's numbers are written and read in: its own where one was set on it, else the user's.
QLocale fieldLocale(const QLineEdit *field);
// Every number the program puts into a field: localePairValue in the field's own locale, which the
// field's readers take back as that number.
void showNumber(QLineEdit *field, double value, PairFormat format);
// A size the program computed, to six significant digits as it has always shown one ("66.675" for
// the 66.674965 of 2.625 inches in single precision), the same way.
void showSize(QLineEdit *field, double value);
// A number the program wrote ("%.2f" of a product, a stored one: storedNumber), shown as the field
// shows numbers, with two decimals unless it has more; text that is no number as it is.
void showStored(QLineEdit *field, const QString &stored);
// A field's number as the program stores it (formatPairValue, read back by storedNumber in any
// locale); text that is no number as it is.
QString storedText(const QLineEdit *field);
// typedNumber, or inUse (the value the layout holds) for text that is no number: for code that
// draws from what a field shows.
double fieldValue(const QString &text, double inUse = 0, const QLocale &locale = QLocale());
double fieldValue(const QLineEdit *field, double inUse = 0);

// A unit change of several pairs: each field's value times factor, into the field (as a real
// number) and its stepper; a missing field is skipped.
void scalePairs(std::initializer_list<std::pair<QLineEdit *, Stepper *>> pairs, float factor);

// Copies between the halves: when sender is a stepper, the field takes the stepper's value;
// otherwise (a field, or no sender) the stepper takes the field's value. Answers whether the
// stepper was the sender. Nothing is sent to either half's handlers.
bool copyPair(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format);

// Why text typed into a number field cannot stand, empty when it can: text that is no number
// ("Please enter the label width as a number, such as 12.5." for what is "label width"), or a number
// that, as two decimals show it, lies outside lowest..highest ("Please enter a label width from 0.10
// to 10000.00 mm."; the range with as many decimals as the field shows, "an" before a vowel, no unit
// when unit is empty). Every field that refuses says it the same way.
QString numberRefusal(const QString &text, double lowest, double highest, const QString &what,
                      const QString &unit = QStringLiteral("mm"), int decimals = 2, const QLocale &locale = QLocale());

// The short name of a length unit as the fields' labels show it: 0 "in", 1 "cm", 2 (and any other) "mm".
QString unitName(int unit);

// What a refusing pair's field holds, for its messages, and the least it takes where the stepper's
// minimum is lower (a size above 0); by default the stepper's minimum alone.
struct PairRefusal {
    QString what;
    QString unit = QStringLiteral("mm");
    double lowest = std::numeric_limits<double>::lowest();
};

// copyPair for a field that refuses: when the field sent the change and its text cannot stand
// within the stepper's range (numberRefusal; a whole-number field's range in whole numbers), nothing
// crosses, the field shows the stepper's value again, a step waiting on the text is not made, and
// the message is answered, for the caller to show; otherwise the value crosses (a whole-number field
// takes the whole part of a fraction, and refuses a thousand grouped or slipped as no number), the field shows it
// in its format and the answer is empty.
// Never a number cut from the text's start.
QString copyPairRefusing(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format,
                         const PairRefusal &refusal);

// copyPairRefusing for a pair whose field has no name of its own: the message speaks of a "value".
QString copyPairBounded(const QObject *sender, Stepper *stepper, QLineEdit *field, PairFormat format);

// Calls handler with the half that changed. Either half may be null; context ends the connections.
// A field without a validator of its own takes, as typed, whatever a number may hold
// (Float_Num_Formatter); a step of the stepper while the field holds typing not yet taken first
// ends that typing (handler with the field), so the step goes from what was typed, or is not made
// when the text was refused.
void connectPair(Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *sender)> handler);

} // namespace platform
