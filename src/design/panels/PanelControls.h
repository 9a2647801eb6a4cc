#pragma once
// The small steps the sidebar's panels share: filling a control from a stored value without its
// handlers running, reading one back, and connecting a control's user action to a handler. A
// missing control (nullptr) is skipped everywhere. A fill sends nothing: lists and sliders are set
// under a signal blocker, and the other controls' setters report nothing. A connection reacts to
// the user alone, but for the lists, whose selection changes reach their handler also when code
// makes them (as the window's combo-box dispatch does).

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>

class DoubleSlider;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QObject;
class QRadioButton;
class QSlider;
class QWidget;
namespace platform {
class ColorWell;
class Stepper;
enum class PairFormat;
struct PairRefusal;
}

namespace panelcontrols {

// ---- Filling ----
void check(QAbstractButton *button, bool on);
void colour(platform::ColorWell *well, const QColor &color);
void text(QLineEdit *field, const QString &text);
// A list's item by index, without the selection handlers (the fill decides what follows).
void index(QComboBox *list, int i);
// A border style list: the code's index; a code outside the list leaves the list as it was.
void borderStyle(QComboBox *list, const QString &code);
// The stepper takes the value (bounded by its range); the field shows the stepper's whole value.
void wholePair(platform::Stepper *stepper, QLineEdit *field, double value);
// The same with the field showing the stepper's value as a real number.
void realPair(platform::Stepper *stepper, QLineEdit *field, double value);
// A slider's position, without its handlers.
void slide(QSlider *slider, int value);
// A slider takes the value without its handler; its field shows the value as given.
void slider(DoubleSlider *slider, QLineEdit *field, double value);
void shown(std::initializer_list<QWidget *> widgets, bool on);
void enabled(std::initializer_list<QWidget *> widgets, bool on);
// The chosen radio on, the others of its row off.
void choose(QRadioButton *chosen, std::initializer_list<QRadioButton *> others);
// The five border styles (index 0 to 4 standing for "S", "DA", "DO", "DD", "DDD"), the first chosen.
void fillBorderStyles(QComboBox *list);

// ---- Reading ----
bool isOn(const QAbstractButton *button);
QColor colorOf(const platform::ColorWell *well);
// The colour of the well that sent a change (invalid for any other sender).
QColor wellColour(QObject *sender);
double valueOf(const platform::Stepper *stepper);
int wholeOf(const platform::Stepper *stepper);
int indexOf(const QComboBox *list);

// ---- The user's actions ----
// Only the user's actions reach the handlers: a click, a step of a stepper or the end of editing
// of its field, a colour chosen in a well, a slider let go (or moved by the keyboard); filling the
// controls from code sends nothing. context ends the connections.
void onClick(QAbstractButton *button, QObject *context, std::function<void()> handler);
// The handler is told which half of the pair changed.
void onPair(platform::Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *)> handler);
// A pair's handler takes the half that changed into the other (platform::copyPairRefusing): text
// typed into the field that cannot stand gets the field's message, and the value stays. Answers
// whether a value crossed, so that a refusal transfers nothing.
bool takePair(QObject *sender, platform::Stepper *stepper, QLineEdit *field, platform::PairFormat format,
              const platform::PairRefusal &refusal);
// The handler is told the well.
void onWell(platform::ColorWell *well, QObject *context, std::function<void(QObject *)> handler);
// A slider acts once it is let go, and at once for keyboard and page steps.
void onSlide(QSlider *slider, QObject *context, std::function<void()> handler);
// The number beside a slider takes typing as every number field does: when its editing ends
// (Return, or leaving the field after a change), a number within the slider's range moves the
// slider, rounded to its steps, the field shows the value taken and the handler runs as after a
// move of the slider itself. Text that is no number or a number out of the range gets the field's
// message (refusal's name and unit) and the slider's value comes back into the field.
void onSliderNumber(QSlider *slider, QLineEdit *field, QObject *context, const platform::PairRefusal &refusal,
                    std::function<void()> handler);
// A page's own lists: each selection change, from the user or from code (as the window's combo-box
// delegate sees one), reaches the handler after the list's chosen text is shown in its field (an
// editable list), and the window's delegate leaves these lists to their panel. An exception from
// the handler is logged, as the window's delegate does.
void onSelection(std::initializer_list<QComboBox *> lists, QObject *context, std::function<void(QComboBox *)> handler);

} // namespace panelcontrols
