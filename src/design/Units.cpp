// The Designing mode's unit: its labels, the conversion factor table and the conversion of the
// card size fields.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "platform/Stepper.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

float DesignController::Get_Unit_Convertor(int from, int to)
{
    // Rows: from inch, cm, mm; columns: to inch, cm, mm.
    static const float table[3][3] = {
        {1.0f, 2.54f, 25.4f},
        {0.39370078f, 1.0f, 10.0f},
        {0.03937008f, 0.1f, 1.0f},
    };
    if (from < 0 || from > 2 || to < 0 || to > 2)
        return 1.0f;
    return table[from][to];
}

void DesignController::_setLabels()
{
    QString unit = QStringLiteral("(mm)");
    QString title = QStringLiteral("Label Size (mm)");
    if (Measument_Unit_Is == 0) {
        unit = QStringLiteral("(in)");
        title = QStringLiteral("Label Size (in)");
    } else if (Measument_Unit_Is == 1) {
        unit = QStringLiteral("(cm)");
        title = QStringLiteral("Label Size (cm)");
    }
    // Object positions are always in points.
    for (QLabel *l : {ctrl_x_pos_unit_lbl, ctrl_y_pos_unit_lbl})
        if (l)
            l->setText(QStringLiteral("(pt)"));
    if (card_size_box)
        card_size_box->setTitle(title);
    for (QLabel *l : {card_width_unit_lbl, card_height_unit_lbl, ctrl_width_unit_lbl, ctrl_height_unit_lbl})
        if (l)
            l->setText(unit);
}

void DesignController::Apply_unit_Chaneg_Values()
{
    const float factor = Get_Unit_Convertor(last_unit_val, Measument_Unit_Is);
    auto convert = [factor](QLineEdit *field, platform::Stepper *stepper) {
        if (!field)
            return;
        // Each conversion starts from the two-decimal value the field shows.
        const float value = field->text().toFloat() * factor;
        field->setText(QString::asprintf("%.2f", double(value)));
        if (stepper)
            stepper->setDoubleValue(value);
    };
    convert(width_Text, width_Stepper);
    convert(height_Text, height_Stepper);
}
