#pragma once
// Small steps that the sidebar's panels share: filling a control from a card object's value, and
// connecting a control to its handler. A fill sends nothing: lists are set under a signal blocker,
// and the other controls' setters report nothing. A connection reacts to the user alone, but for
// the lists, whose selection changes reach their handler also when code makes them (as the
// window's combo-box dispatch does).

#include <QString>

#include <functional>
#include <initializer_list>

class DoubleSlider;
class QAbstractButton;
class QColor;
class QComboBox;
class QLineEdit;
class QObject;
class QSlider;
class QWidget;
namespace platform {
class ColorWell;
class Stepper;
}

namespace pagecontrols {

// ---- Filling ----
void check(QAbstractButton *button, bool on);
void colour(platform::ColorWell *well, const QColor &color);
void text(QLineEdit *field, const QString &text);
// A list's item by index, without the list's selection handler.
void index(QComboBox *list, int i);
// A border-style list: the code's index; a code outside the list leaves the list as it was.
void borderStyle(QComboBox *list, const QString &code);
// The stepper takes the value (bounded by its range); the field shows the stepper's whole value.
void wholePair(platform::Stepper *stepper, QLineEdit *field, double value);
// A slider takes the value without its handler; its field shows the value as given.
void slider(DoubleSlider *slider, QLineEdit *field, double value);
void shown(std::initializer_list<QWidget *> widgets, bool on);

// ---- Connecting ----
void onClick(QAbstractButton *button, QObject *context, std::function<void()> handler);
// A stepper and its field: the handler is told which half the user changed.
void onPair(platform::Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *sender)> handler);
// A colour chosen in a well; the handler is given the well.
void onColour(platform::ColorWell *well, QObject *context, std::function<void(QObject *sender)> handler);
// A slider acts once it is let go, and at once for keyboard and page steps.
void onSlide(QSlider *slider, QObject *context, std::function<void()> handler);
// A page's own lists: each selection change reaches the handler after the list's chosen text is
// shown in its field (an editable list), and the window's dispatch leaves these lists alone. An
// exception from the handler is logged, as the window's dispatch does.
void onSelection(std::initializer_list<QComboBox *> lists, QObject *context, std::function<void(QComboBox *)> handler);

} // namespace pagecontrols
