#include "design/panels/PageControls.h"

#include "core/Messages.h"
#include "design/DoubleSlider.h"
#include "model/StyleCodes.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVariant>

#include <cmath>
#include <exception>

namespace pagecontrols {

void check(QAbstractButton *button, bool on)
{
    if (button)
        button->setChecked(on);
}

void colour(platform::ColorWell *well, const QColor &color)
{
    if (well)
        well->setColor(color);
}

void text(QLineEdit *field, const QString &text)
{
    if (field)
        field->setText(text);
}

void index(QComboBox *list, int i)
{
    if (!list)
        return;
    const QSignalBlocker block(list);
    list->setCurrentIndex(i);
}

void borderStyle(QComboBox *list, const QString &code)
{
    const int i = Border_Style_Index(code);
    if (i >= 0)
        index(list, i);
}

void wholePair(platform::Stepper *stepper, QLineEdit *field, double value)
{
    if (!stepper)
        return;
    stepper->setDoubleValue(value);
    text(field, QString::number(int(std::trunc(stepper->doubleValue()))));
}

void slider(DoubleSlider *slider, QLineEdit *field, double value)
{
    if (slider) {
        const QSignalBlocker block(slider);
        slider->setDoubleValue(value);
    }
    text(field, QString::number(value));
}

void shown(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        if (w)
            w->setVisible(on);
}

void onClick(QAbstractButton *button, QObject *context, std::function<void()> handler)
{
    if (button)
        QObject::connect(button, &QAbstractButton::clicked, context, [handler] { handler(); });
}

void onPair(platform::Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *sender)> handler)
{
    platform::connectPair(stepper, field, context, std::move(handler));
}

void onColour(platform::ColorWell *well, QObject *context, std::function<void(QObject *sender)> handler)
{
    if (well)
        QObject::connect(well, &platform::ColorWell::colorChanged, context, [well, handler] { handler(well); });
}

void onSlide(QSlider *slider, QObject *context, std::function<void()> handler)
{
    if (!slider)
        return;
    QObject::connect(slider, &QSlider::valueChanged, context, [slider, handler] {
        if (!slider->isSliderDown())
            handler();
    });
    QObject::connect(slider, &QSlider::sliderReleased, context, handler);
}

void onSelection(std::initializer_list<QComboBox *> lists, QObject *context, std::function<void(QComboBox *)> handler)
{
    for (QComboBox *list : lists) {
        if (!list)
            continue;
        list->setProperty("tagora_combo_dispatch", true);
        QObject::connect(list, &QComboBox::currentIndexChanged, context, [list, handler] {
            try {
                if (list->count() > 0 && list->currentIndex() >= 0 && list->isEditable())
                    list->setEditText(list->itemText(list->currentIndex()));
            } catch (const std::exception &e) {
                Show_NSLog_Message(QString::fromUtf8(e.what()));
            }
            try {
                handler(list);
            } catch (const std::exception &e) {
                Show_NSLog_Message(QString::fromUtf8(e.what()));
            }
        });
    }
}

} // namespace pagecontrols
