#include "data/GeneratorFields.h"

#include "data/SeriesGenerator.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"
#include "platform/StepperField.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace generator_fields {

void Limit_Typed_Field(const Fields &f, const QObject *control)
{
    auto limit = [](QLineEdit *field, QString (*rule)(const QString &), platform::Stepper *stepper) {
        const QString limited = rule(field->text());
        if (limited != field->text())
            field->setText(limited);
        platform::copyPair(nullptr, stepper, field, platform::PairFormat::Integer);
    };
    if (control == f.count)
        limit(f.count, series_generator::limitCount, f.countStepper);
    else if (control == f.randomCount)
        limit(f.randomCount, series_generator::limitCount, f.randomCountStepper);
    else if (control == f.randomLength)
        limit(f.randomLength, series_generator::limitLength, f.randomLengthStepper);
}

void Connect_Typed_Fields(const Fields &f, QObject *context, const std::function<void(QObject *)> &ended)
{
    // Nine digits at most: any count they make is an int, and the limits cut it down.
    static const QRegularExpression digits(QStringLiteral("[0-9]{0,9}"));
    for (QLineEdit *field : {f.count, f.randomCount, f.randomLength}) {
        field->setValidator(new QRegularExpressionValidator(digits, field));
        platform::connectCountField(field, context, [field, ended] { ended(field); });
    }
}

void Show_Padding_Help(const QString &title, const QString &text)
{
    platform::AlertRequest request;
    request.message = title;
    request.informative = text;
    request.buttons = {QStringLiteral("OK")};
    request.style = platform::AlertStyle::Informational;
    platform::runAlert(request);
}

} // namespace generator_fields
