#pragma once
// The record range of the output dialogs (image export, print, PDF): a total, a from and a to field,
// each with its stepper, and the rule that sets them.

#include <QString>

#include <functional>

class QAbstractButton;
class QLineEdit;
class QObject;
class QWidget;
namespace platform {
class Stepper;
struct WholeRule;
}

namespace recordrange {

// A dialog's range controls; a missing one is skipped.
struct Controls {
    QLineEdit *Total_Text = nullptr;
    platform::Stepper *Total_Stepper = nullptr;
    QLineEdit *from_Text = nullptr;
    platform::Stepper *from_Stepper = nullptr;
    QLineEdit *To_Text = nullptr;
    platform::Stepper *To_Stepper = nullptr;
};

// The most records a range can count.
constexpr int Most_Records = 999999;

// The rule of a range field: whole records from 1 to Most_Records, named as the window names them
// ("total", "'From' value", "'To' value").
platform::WholeRule Field_Rule(const Controls &range, const QLineEdit *field);

// The three fields take the user's entry when its typing ends, by the rule; ended then runs with the
// field. A step of a field's stepper ends its typing first. A missing field is skipped.
void Connect_Fields(const Controls &range, QObject *context, const std::function<void(QLineEdit *)> &ended);

// The dialog's OK: an entry still being typed is taken first; answers false when one was refused.
bool End_Typing(const Controls &range);

// A record number or count as typed: its leading integer; empty, letters, 0 and negatives give 1.
int Typed_Record(const QString &text);

// Sets a value into the range: 0 becomes 1; without a batch the limit is Most_Records, and no value
// passes Most_Records. The three steppers take the limit first (a stepper keeps its value inside
// it). setFor "TOT" sets the total, "TO" the last record, "A" both, and without a batch also the
// first record to 1.
void Set_Tot_Value(const Controls &range, bool batch, int value, int max, const QString &setFor);

// The "all records" and "selected records" radios and the labels beside the range fields; a missing
// radio or label is skipped.
struct Choice {
    QAbstractButton *All = nullptr;
    QAbstractButton *Selected = nullptr;
    QWidget *tot_label = nullptr;
    QWidget *from_label = nullptr;
    QWidget *to_label = nullptr;
    Controls range;
};

// All records: the total opens, the from and to fields close.
void Select_All(const Choice &choice);

// Selected records: the from and to fields open, the total closes.
void Select_Range(const Choice &choice);

// The range box opens only with a batch; inside it the checked radio's fields open, and without a
// batch every record is chosen.
void Set_Range_Box(QWidget *box, const Choice &choice, bool batch);

// The range as a dialog's rule offers it: the radios, the total, From and To each enabled as
// offered (the box while any of them is); From and To offered check Selected, else All.
void Offer_Range(QWidget *box, const Choice &choice, bool radios, bool total, bool fromTo);

} // namespace recordrange
