#pragma once
// The units of the three modes: the units command and its window, the Designing mode's labels, the
// conversion factor table and the conversion of the card size fields. The Barcode and Advanced QR
// modes convert their own fields (their controllers' unit routines).

#include <QObject>

class DesignController;
class QButtonGroup;
class Unit_PrefWindow;

class UnitPreferences : public QObject {
    Q_OBJECT
public:
    explicit UnitPreferences(DesignController &design);
    ~UnitPreferences() override;

    DesignController &design;

    void _setLabels();
    void Apply_unit_Chaneg_Values();
    static float Get_Unit_Convertor(int from, int to);
    // The units command of every mode: the units window opens on the current mode's unit; after OK
    // the mode's own routine converts and relabels its fields, after Cancel nothing changes.
    void doPreferences();
    // OK of the units window: ends its run with 1; in the Designing mode the sidebar shows the card.
    void prefsOkay();
    // Applies the chosen unit to the Designing mode's labels and card size fields (Designing mode only).
    void On_OK_of_Unit_Panel();
    // The units window (made on first use) and its radio matrix, ids 0 inch, 1 cm, 2 mm.
    Unit_PrefWindow *unit_prefPanel = nullptr;
    QButtonGroup *unit_matrix = nullptr;
    // The unit window's chosen row, -1 when none is chosen or the window does not exist yet.
    int Selected_Unit_Row() const;
    void buttonCellClick() {}   // a click on a row of the units matrix: nothing to do until OK
};
