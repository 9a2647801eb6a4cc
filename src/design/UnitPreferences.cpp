#include "design/UnitPreferences.h"

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

UnitPreferences::UnitPreferences(DesignController &design) : design(design) {}

UnitPreferences::~UnitPreferences() = default;

float UnitPreferences::Get_Unit_Convertor(int from, int to) { return Unit_Factor(from, to); }

void UnitPreferences::_setLabels()
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
    design.sidebar().Set_Object_Unit_Labels(unit);
    if (CardSizePanel *sizes = design.sidebar().cardSizePanel())
        sizes->Set_Unit_Labels(title, unit);
}

void UnitPreferences::Apply_unit_Chaneg_Values()
{
    if (CardSizePanel *sizes = design.sidebar().cardSizePanel())
        sizes->Convert_Size_Fields(last_unit_val, Measument_Unit_Is);
}

int UnitPreferences::Selected_Unit_Row() const { return unit_matrix ? unit_matrix->checkedId() : -1; }

void UnitPreferences::doPreferences()
{
    try {
        if (!unit_prefPanel) {
            DesignHost &host = *design.sources().host;
            QWidget *owner = host.isWindowLoaded() ? host.window() : nullptr;
            unit_prefPanel = new Unit_PrefWindow(owner);
            unit_matrix = unit_prefPanel->unit_matrix;
            connect(unit_prefPanel->OK_Btn, &QPushButton::clicked, this, &UnitPreferences::prefsOkay);
            connect(unit_matrix, &QButtonGroup::idClicked, this, [this] { buttonCellClick(); });
            // The window goes with this part unless its parent window took it first.
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
            design.sources().barcode->OK_Unit_Change_For_Barcode();
        else if (mode == 1)
            On_OK_of_Unit_Panel();
        else if (mode == 2)
            design.sources().advQr->OK_Unit_Change_For_ADV_QR();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void UnitPreferences::prefsOkay()
{
    if (unit_prefPanel)
        unit_prefPanel->done(1);
    if (Barcode_Setting_Or_Designing_Mode == 1)
        design.sidebar().Show_RHS_Properties(nullptr);
}

void UnitPreferences::On_OK_of_Unit_Panel()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 1)
            return;
        Measument_Unit_Is = Selected_Unit_Row();
        _setLabels();
        Apply_unit_Chaneg_Values();
        last_unit_val = Measument_Unit_Is;
        // The object size fields follow in the new unit.
        design.sidebar().Show_RHS_Properties(nullptr);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
