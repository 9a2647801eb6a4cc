#include "data/GeneratorFields.h"

#include "data/SeriesGenerator.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"
#include "platform/StepperField.h"

#include <QLineEdit>

#include <limits>
#include <tuple>
#include <utility>

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
    using series_generator::kMaxCount;
    for (const auto &[field, stepper, what, most] :
         {std::tuple{f.count, f.countStepper, "'Count' value", kMaxCount},
          std::tuple{f.randomCount, f.randomCountStepper, "'Count' value", kMaxCount},
          std::tuple{f.randomLength, f.randomLengthStepper, "'Length' value", series_generator::kMaxLength}}) {
        platform::connectCountField(field, {QLatin1String(what), 1, most}, context, [field = field, ended] { ended(field); });
        platform::connectCountStepper(stepper, field, context);
    }
    for (const auto &[field, what] : {std::pair{f.from, "'From' value"}, std::pair{f.to, "'To' value"}}) {
        platform::WholeRule rule{QLatin1String(what), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
        rule.count = false;
        rule.keepDigits = true;
        platform::connectCountField(field, rule, context, {});
    }
}

bool End_Typing(const Fields &f)
{
    return platform::endTyping({f.count, f.randomCount, f.randomLength, f.from, f.to});
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
