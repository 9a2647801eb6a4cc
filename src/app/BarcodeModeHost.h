#pragma once
// What the Barcode mode and the barcode-object window need of the hub: the mode's save flag, the
// switch to the Designing mode, the please-wait sheet, the series lists' choice and the design's
// record list selection (both the window's delegates), and the logo cache of the design's barcode
// objects. The hub implements it (app/HubBarcodeModeSide.h).

#include "barcodemode/LogoItem.h"

class QComboBox;
class QLineEdit;

class BarcodeModeHost {
public:
    virtual ~BarcodeModeHost() = default;

    virtual void Set_Barcode_Mode_Save_Flag_TRUE() = 0;
    virtual void Designing_Mode_Select() = 0;
    // The please-wait sheet over the main window; callable from any thread.
    virtual void Show_Create_Modeless() = 0;
    virtual void Hide_Destroy_Modeless() = 0;
    virtual void seriesListChosen(QComboBox *list, QComboBox *value, QLineEdit *name) = 0;
    virtual void Mark_Fill_List_New_Selection_Design(int row) = 0;
    virtual LogoItemList &logoList() = 0;

    // Shows the please-wait sheet for the life of the guard, so that every way out of a job (its
    // returns and its exceptions) hides it again.
    class WaitSheet {
    public:
        explicit WaitSheet(BarcodeModeHost &host) : m_host(&host) { host.Show_Create_Modeless(); }
        ~WaitSheet() { hide(); }
        WaitSheet(const WaitSheet &) = delete;
        WaitSheet &operator=(const WaitSheet &) = delete;
        // Hides the sheet early (before an alert, for instance); the destructor then does nothing.
        void hide()
        {
            if (m_host)
                m_host->Hide_Destroy_Modeless();
            m_host = nullptr;
        }

    private:
        BarcodeModeHost *m_host;
    };
};
