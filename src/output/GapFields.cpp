#include "output/GapFields.h"

#include "core/ImageServices.h"
#include "core/Messages.h"
#include "output/LabelSizeFields.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QLineEdit>

#include <algorithm>
#include <limits>
#include <tuple>

void GapFields::bind(QLineEdit *horz, platform::Stepper *horzStepper, QLineEdit *vert, platform::Stepper *vertStepper)
{
    m_horz = horz;
    m_horzStepper = horzStepper;
    m_vert = vert;
    m_vertStepper = vertStepper;
}

void GapFields::beforeFit(bool centred)
{
    if (centred || !m_typed || !m_horz || !m_vert)
        return;
    m_horz->setText(m_typed->first);
    m_vert->setText(m_typed->second);
    m_horzStepper->setDoubleValue(platform::fieldValue(m_horz));
    m_vertStepper->setDoubleValue(platform::fieldValue(m_vert));
    m_typed.reset();
}

void GapFields::afterFit(bool centred, float horzPoints, float vertPoints)
{
    if (!centred || !m_horz || !m_vert)
        return;
    if (!m_typed)
        m_typed = std::pair{m_horz->text(), m_vert->text()};
    const double horz = Points_to_MM_Convert(horzPoints), vert = Points_to_MM_Convert(vertPoints);
    platform::showNumber(m_horz, horz, platform::PairFormat::TwoDecimals);
    platform::showNumber(m_vert, vert, platform::PairFormat::TwoDecimals);
    m_horzStepper->setDoubleValue(horz);
    m_vertStepper->setDoubleValue(vert);
}

QSizeF GapFields::Most(const std::optional<QSizeF> &extent)
{
    const double none = std::numeric_limits<double>::infinity();
    return extent.value_or(QSizeF(none, none));
}

void GapFields::showCuts(QLineEdit *horz, platform::Stepper *horzStepper, const QString &horzShown, QLineEdit *vert,
                         platform::Stepper *vertStepper, const QString &vertShown)
{
    QStringList cuts;   // "horizontal gap was cut to 135.30 mm", "vertical gap to 90.00 mm"
    for (const auto &[field, stepper, shown, what] : {std::tuple{horz, horzStepper, horzShown, "horizontal gap"},
                                                      std::tuple{vert, vertStepper, vertShown, "vertical gap"}}) {
        if (shown.isEmpty())
            continue;
        field->setText(shown);
        stepper->setDoubleValue(platform::fieldValue(shown));
        cuts << QStringLiteral("%1 %2 to %3 mm").arg(QLatin1String(what), cuts.isEmpty() ? QStringLiteral("was cut") : QString(), shown)
                    .simplified();
    }
    // Said once: the fields now show what the page has room for, which no later fit cuts again.
    if (!cuts.isEmpty())
        Show_MessageBox(QStringLiteral("The ") + cuts.join(QStringLiteral(" and the ")) + QStringLiteral(", the most the page has room for."));
}

QString GapFields::Negative_Message(const QString &what)
{
    return QStringLiteral("Please enter a %1 of 0 mm or more.").arg(what);
}

QString GapFields::Refusal(const QString &text, const QString &what)
{
    const std::optional<double> typed = platform::typedNumber(text);
    if (text.trimmed().isEmpty() || (typed && *typed >= 0))
        return QString();
    return typed ? Negative_Message(what) : labelsize::Unreadable_Message(what);
}

bool GapFields::Take(QLineEdit *field, const QString &what, const QString &held)
{
    const QString refused = Refusal(field->text(), what);
    if (refused.isEmpty())
        return true;
    field->setText(held);
    Show_MessageBox(refused);
    return false;
}

QString GapFields::PairRefusal(const QString &text, const platform::Stepper *stepper, const QString &what, double most)
{
    if (text.trimmed().isEmpty())
        return Negative_Message(what);
    const QString refused = Refusal(text, what);
    return refused.isEmpty() ? platform::numberRefusal(text, 0, std::min(stepper->maxValue(), most), what) : refused;
}

bool GapFields::Take(const QObject *sender, QLineEdit *field, platform::Stepper *stepper, const QString &what,
                     platform::PairFormat format, double most)
{
    if (sender != field)
        return true;
    const QString refused = PairRefusal(field->text(), stepper, what, most);
    if (refused.isEmpty())
        return true;
    platform::showNumber(field, stepper->doubleValue(), format);
    stepper->holdStep();   // an arrow that ended the typing steps from nothing refused
    Show_MessageBox(refused);
    return false;
}

bool GapFields::End_Typing(std::initializer_list<Pair> pairs)
{
    bool taken = true;
    for (const auto &[field, stepper, what, most] : pairs) {
        if (!field->isModified())
            continue;
        taken = taken && PairRefusal(field->text(), stepper, QLatin1String(what), most).isEmpty();
        emit field->editingFinished();
    }
    return taken;
}
