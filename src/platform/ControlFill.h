#pragma once
// Filling a control from code with its signals blocked: a fill is no user edit, so no handler
// runs. A missing control (nullptr) is skipped.

#include "platform/StepperField.h"

class QAbstractButton;
class QColor;
class QComboBox;
class QLineEdit;
class QString;

namespace platform {

class ColorWell;
class Stepper;

namespace fill {

void setChecked(QAbstractButton *button, bool on);
void setText(QLineEdit *field, const QString &text);
void setColour(ColorWell *well, const QColor &colour);
// The item at index; an index outside the list leaves the list as it was.
void setIndex(QComboBox *combo, int index);
// The item at index; one outside the list takes fallback (the last item at most).
void selectIndex(QComboBox *combo, int index, int fallback = 0);
// The stepper takes the value; the field shows it in the format.
void setPair(QLineEdit *field, Stepper *stepper, double value, PairFormat format);

} // namespace fill
} // namespace platform
