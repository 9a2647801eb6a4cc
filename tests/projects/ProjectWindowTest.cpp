#include "ProjectWindowTest.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "platform/ColorWell.h"
#include "core/Units.h"

#include <QLineEdit>

namespace projecttest {

ProjectsController &projectsOf(SKTWindowController &c) { return c.projects(); }

DesignController &designOf(SKTWindowController &c) { return c.design(); }

QString ProjectWindowTest::panelState()
{
    BarcodeModeController &bm = c->barcodeMode();
    return QStringList{bm.chosenSymbologyTitle(), bm.dataText->text(), bm.HeaderText->text(), bm.FooterText->text(),
                       QString::number(bm.ListData_barcode.size()), bm.barcode_clr->color().name(QColor::HexArgb),
                       QString::number(Measument_Unit_Is_Barcode), bm.value_font_value->text(), projects().Project_File_Name_Barcode}
        .join(QLatin1Char('|'));
}

} // namespace projecttest
