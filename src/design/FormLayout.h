#pragma once
// Layout helpers shared by the Designing-mode window description: scrolling sidebar pages and the
// usual rows of a label, a field with its stepper and a unit label.

#include <QString>
#include <QStringList>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QWidget;
namespace platform {
class Stepper;
}

namespace designform {

// Titles of every border-style list, index 0 to 4 standing for "S", "DA", "DO", "DD", "DDD".
const QStringList &borderStyleTitles();
// A sidebar page named after its tab item; its content scrolls when it is taller than the sidebar.
// Answers the page and hands out the layout that takes the content.
QWidget *scrollingPage(const char *name, QVBoxLayout *&content);
// A field with its stepper right beside it, in one widget.
QWidget *fieldWithStepper(QWidget *parent, QLineEdit *field, platform::Stepper *stepper, QLabel *unit = nullptr);
// Adds "label  field+stepper [unit]" as the next row of a grid.
void addPairRow(QGridLayout *grid, QLabel *label, QLineEdit *field, platform::Stepper *stepper,
                QLabel *unit = nullptr);
// Adds "label  widget" as the next row of a grid.
void addRow(QGridLayout *grid, QLabel *label, QWidget *widget);
// Adds a widget spanning both columns as the next row of a grid.
void addWideRow(QGridLayout *grid, QWidget *widget);

} // namespace designform
