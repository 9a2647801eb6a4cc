#pragma once
// The record range of the output dialogs (image export, print, PDF): a total, a from and a to field,
// each with its stepper, and the rule that sets them.

#include <QString>

class QLineEdit;
namespace platform { class Stepper; }

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

// A record number or count as typed: its leading integer; empty, letters, 0 and negatives give 1.
int Typed_Record(const QString &text);

// Sets a value into the range: 0 becomes 1; without a batch the limit is Most_Records, and no value
// passes Most_Records. The three steppers take the limit first (a stepper keeps its value inside
// it). setFor "TOT" sets the total, "TO" the last record, "A" both, and without a batch also the
// first record to 1.
void Set_Tot_Value(const Controls &range, bool batch, int value, int max, const QString &setFor);

} // namespace recordrange
