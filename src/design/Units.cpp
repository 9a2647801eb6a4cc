// The units of the three modes: the units command and its window, the Designing mode's labels, the
// conversion factor table and the conversion of the card size fields. The Barcode and Advanced QR
// modes convert their own fields (their controllers' unit routines).

#include "design/DesignController.h"

#include "core/Mode.h"
#include "core/Units.h"
#include "core/Messages.h"
#include "design/DesignSources.h"
#include "design/PropertySidebar.h"
#include "design/UnitFactors.h"
#include "design/Unit_PrefWindow.h"
#include "design/panels/CardSizePanel.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <exception>

float DesignController::Get_Unit_Convertor(int from, int to) { return Unit_Factor(from, to); }

void DesignController::_setLabels()
{
    QString unit = tr("(mm)");
    QString title = tr("Label Size (mm)");
    if (Measument_Unit_Is == 0) {
        unit = tr("(in)");
        title = tr("Label Size (in)");
    } else if (Measument_Unit_Is == 1) {
        unit = tr("(cm)");
        title = tr("Label Size (cm)");
    }
    // The arrange page shows object positions in points, their sizes in the unit.
    sidebar().Set_Object_Unit_Labels(unit);
    if (CardSizePanel *sizes = sidebar().cardSizePanel())
        sizes->Set_Unit_Labels(title, unit);
}

void DesignController::Apply_unit_Chaneg_Values()
{
    if (CardSizePanel *sizes = sidebar().cardSizePanel())
        sizes->Convert_Size_Fields(last_unit_val, Measument_Unit_Is);
}

int DesignController::Selected_Unit_Row() const { return unit_matrix ? unit_matrix->checkedId() : -1; }

void DesignController::doPreferences()
{
    try {
        if (!unit_prefPanel) {
            DesignHost &host = *sources().host;
            QWidget *owner = host.isWindowLoaded() ? host.window() : nullptr;
            unit_prefPanel = new Unit_PrefWindow(owner);
            unit_matrix = unit_prefPanel->unit_matrix;
            connect(unit_prefPanel->OK_Btn, &QPushButton::clicked, this, &DesignController::prefsOkay);
            connect(unit_matrix, &QButtonGroup::idClicked, this, [this] { buttonCellClick(); });
            // The window goes with this controller unless its parent window took it first.
            QPointer<Unit_PrefWindow> window(unit_prefPanel);
            connect(this, &QObject::destroyed, [window] { delete window.data(); });
        }
        const int mode = Barcode_Setting_Or_Designing_Mode;
        const int current = mode == 0 ? Measument_Unit_Is_Barcode : mode == 1 ? Measument_Unit_Is : Measument_Unit_Is_Adv_QR;
        unit_prefPanel->Select_Unit_Row(current);
        const int result = platform::runModal(*unit_prefPanel);
        unit_prefPanel->hide();
        if (result != 1)
            return;
        if (mode == 0)
            sources().barcode->OK_Unit_Change_For_Barcode();
        else if (mode == 1)
            On_OK_of_Unit_Panel();
        else if (mode == 2)
            sources().advQr->OK_Unit_Change_For_ADV_QR();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::prefsOkay()
{
    if (unit_prefPanel)
        unit_prefPanel->done(1);
    if (Barcode_Setting_Or_Designing_Mode == 1)
        sidebar().Show_RHS_Properties(nullptr);
}

void DesignController::On_OK_of_Unit_Panel()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 1)
            return;
        Measument_Unit_Is = Selected_Unit_Row();
        _setLabels();
        Apply_unit_Chaneg_Values();
        last_unit_val = Measument_Unit_Is;
        // The object size fields follow in the new unit.
        sidebar().Show_RHS_Properties(nullptr);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
