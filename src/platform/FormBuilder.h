#pragma once
// Small helpers that build the controls of our window descriptions, each named after its outlet.

#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace platform::ui {

template <typename W>
W *make(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit *field(QWidget *parent, const char *name, const QString &text = QString());
QLabel *label(QWidget *parent, const char *name, const QString &text);
QComboBox *combo(QWidget *parent, const char *name, const QStringList &items = {}, bool editable = false);
QCheckBox *check(QWidget *parent, const char *name, const QString &text);
QRadioButton *radio(QWidget *parent, const char *name, const QString &text);
QPushButton *button(QWidget *parent, const char *name, const QString &text);
QGroupBox *box(QWidget *parent, const char *name, const QString &title);
QPlainTextEdit *textView(QWidget *parent, const char *name, const QString &text = QString());
Stepper *stepper(QWidget *parent, const char *name, double min, double max, double increment, double value);
ColorWell *colorWell(QWidget *parent, const char *name, const QColor &color);

// Replaces a combo box's items without reporting a selection change; the box ends with no selection.
void fillCombo(QComboBox *combo, const QStringList &items);

} // namespace platform::ui
