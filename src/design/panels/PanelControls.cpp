#include "design/panels/PanelControls.h"

#include "core/Messages.h"
#include "design/DoubleSlider.h"
#include "model/StyleCodes.h"
#include "platform/ColorWell.h"
#include "platform/ComboItems.h"
#include "platform/Float_Num_Formatter.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <exception>

namespace panelcontrols {

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

void realPair(platform::Stepper *stepper, QLineEdit *field, double value)
{
    if (!stepper)
        return;
    stepper->setDoubleValue(value);
    text(field, platform::localePairValue(stepper->doubleValue(), platform::PairFormat::Real, platform::fieldLocale(field)));
}

void slide(QSlider *slider, int value)
{
    if (!slider)
        return;
    const QSignalBlocker block(slider);
    slider->setValue(value);
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

void enabled(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        if (w)
            w->setEnabled(on);
}

void choose(QRadioButton *chosen, std::initializer_list<QRadioButton *> others)
{
    if (chosen)
        chosen->setChecked(true);
    for (QRadioButton *r : others)
        if (r)
            r->setChecked(false);
}

void fillBorderStyles(QComboBox *list)
{
    if (!list)
        return;
    platform::ui::fillCombo(list, Border_Style_Titles());
    list->setCurrentIndex(0);
}

bool isOn(const QAbstractButton *button) { return button && button->isChecked(); }
QColor colorOf(const platform::ColorWell *well) { return well ? well->color() : QColor(); }

QColor wellColour(QObject *sender)
{
    auto *well = qobject_cast<platform::ColorWell *>(sender);
    return well ? well->color() : QColor();
}

double valueOf(const platform::Stepper *stepper) { return stepper ? stepper->doubleValue() : 0.0; }
int wholeOf(const platform::Stepper *stepper) { return stepper ? stepper->intValue() : 0; }
int indexOf(const QComboBox *list) { return list ? list->currentIndex() : -1; }

void onClick(QAbstractButton *button, QObject *context, std::function<void()> handler)
{
    if (button)
        QObject::connect(button, &QAbstractButton::clicked, context, [handler] { handler(); });
}

void onPair(platform::Stepper *stepper, QLineEdit *field, QObject *context, std::function<void(QObject *)> handler)
{
    platform::connectPair(stepper, field, context, std::move(handler));
}

bool takePair(QObject *sender, platform::Stepper *stepper, QLineEdit *field, platform::PairFormat format,
              const platform::PairRefusal &refusal)
{
    const QString refused = platform::copyPairRefusing(sender, stepper, field, format, refusal);
    if (!refused.isEmpty())
        Show_MessageBox(refused);
    return refused.isEmpty();
}

void onWell(platform::ColorWell *well, QObject *context, std::function<void(QObject *)> handler)
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

namespace {

// What the field beside the slider shows for its value: whole steps, or a picture effect's value as
// its slider's handler writes it.
QString sliderText(const QSlider *slider)
{
    if (const auto *d = qobject_cast<const DoubleSlider *>(slider))
        return platform::localePairValue(d->doubleValue(), platform::PairFormat::Real);
    return QString::number(slider->value());
}

// The slider takes the typed value, bounded by its range, without its own handler.
void moveTo(QSlider *slider, double value)
{
    if (auto *d = qobject_cast<DoubleSlider *>(slider)) {
        d->setDoubleValue(value);
        return;
    }
    const QSignalBlocker block(slider);
    slider->setValue(int(std::lround(std::clamp(value, double(slider->minimum()), double(slider->maximum())))));
}

} // namespace

void onSliderNumber(QSlider *slider, QLineEdit *field, QObject *context, const platform::PairRefusal &refusal,
                    std::function<void()> handler)
{
    if (!slider || !field)
        return;
    field->setValidator(new Float_Num_Formatter(field));
    QObject::connect(field, &QLineEdit::editingFinished, context, [slider, field, refusal, handler] {
        const auto *d = qobject_cast<const DoubleSlider *>(slider);
        const QString refused = platform::numberRefusal(
            field->text(), d ? d->doubleMinimum() : slider->minimum(), d ? d->doubleMaximum() : slider->maximum(),
            refusal.what, refusal.unit, d ? 2 : 0, platform::fieldLocale(field));
        const int before = slider->value();
        if (refused.isEmpty())
            moveTo(slider, platform::fieldValue(field));
        field->setText(sliderText(slider));
        if (!refused.isEmpty())
            Show_MessageBox(refused);
        else if (slider->value() != before)
            handler();
    });
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

} // namespace panelcontrols
