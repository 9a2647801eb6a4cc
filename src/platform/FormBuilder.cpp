#include "platform/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace platform::ui {

QLineEdit *field(QWidget *parent, const char *name, const QString &text)
{
    auto *w = make<QLineEdit>(parent, name);
    w->setText(text);
    return w;
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *w = make<QLabel>(parent, name);
    w->setText(text);
    return w;
}

QComboBox *combo(QWidget *parent, const char *name, const QStringList &items, bool editable)
{
    auto *w = make<QComboBox>(parent, name);
    w->setEditable(editable);
    w->setMaxVisibleItems(20);
    fillCombo(w, items);
    return w;
}

QCheckBox *check(QWidget *parent, const char *name, const QString &text)
{
    auto *w = make<QCheckBox>(parent, name);
    w->setText(text);
    return w;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &text)
{
    auto *w = make<QRadioButton>(parent, name);
    w->setText(text);
    return w;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *w = make<QPushButton>(parent, name);
    w->setText(text);
    w->setAutoDefault(false);
    return w;
}

QGroupBox *box(QWidget *parent, const char *name, const QString &title)
{
    auto *w = make<QGroupBox>(parent, name);
    w->setTitle(title);
    return w;
}

QPlainTextEdit *textView(QWidget *parent, const char *name, const QString &text)
{
    auto *w = make<QPlainTextEdit>(parent, name);
    w->setPlainText(text);
    return w;
}

Stepper *stepper(QWidget *parent, const char *name, double min, double max, double increment, double value)
{
    auto *w = make<Stepper>(parent, name);
    w->setMinValue(min);
    w->setMaxValue(max);
    w->setIncrement(increment);
    w->setDoubleValue(value);
    return w;
}

ColorWell *colorWell(QWidget *parent, const char *name, const QColor &color)
{
    auto *w = make<ColorWell>(parent, name);
    w->setColor(color);
    return w;
}

void fillCombo(QComboBox *combo, const QStringList &items)
{
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

} // namespace platform::ui
