// The smallest 2D sizes that a QR version and a DataMatrix format allow.

#include "app/SKTWindowController.h"

#include "app/core/Globals.h"
#include "platform/Stepper.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

void SKTWindowController::Check_And_Set_QR_size_Acc_Version(int v)
{
    const int minimum = std::max((v - 1) * 4 + 21, 21);
    QLineEdit *field = nullptr;
    platform::Stepper *stepper = nullptr;
    if (Barcode_Setting_Or_Designing_Mode == 0) {
        field = HeightText_2D;
        stepper = HeightStepper_2D;
    } else if (Barcode_Setting_Or_Designing_Mode == 2) {
        field = ADV_QR_HeightText_2D;
        stepper = ADV_QR_HeightStepper_2D;
    }
    if (!field || !stepper)
        return;
    stepper->setMinValue(minimum);
    if (stepper->doubleValue() < minimum || field->text().toDouble() < minimum) {
        stepper->setIntValue(minimum);
        field->setText(QString::number(minimum));
    }
}

void SKTWindowController::data_matrix_barcode_size_acc_format()
{
    const QString format = dm_format_ComboBox ? dm_format_ComboBox->currentText() : QString();
    if (format.isEmpty() || format == QStringLiteral("Auto"))
        return;
    const QStringList parts = format.mid(1).split(QLatin1Char('X'));
    if (parts.size() != 2)
        return;
    const int module = dm_moduleStepper_2D ? dm_moduleStepper_2D->intValue() : 1;
    const int leastHeight = parts.at(0).toInt() * module;
    const int leastWidth = parts.at(1).toInt() * module;
    auto raise = [](QLineEdit *field, platform::Stepper *stepper, int least) {
        if (!field || !stepper)
            return;
        if (stepper->intValue() < least || field->text().toInt() < least) {
            stepper->setIntValue(least);
            field->setText(QString::number(least));
        }
    };
    raise(dm_HeightText_2D, dm_HeightStepper_2D, leastHeight);
    raise(dm_widthText_2D, dm_widthStepper_2D, leastWidth);
}
