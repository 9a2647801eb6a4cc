#pragma once
// What the design reads and asks of the Advanced QR mode: its page's settings, payload and logo for a
// barcode object made from it, its checks and generation before an output job, its units, and the
// payload editor on a card's QR object. The mode implements it (advqr/AdvQrDesignSide.h).

#include "advqr/AdvQrSettings.h"

#include <QString>

#include <optional>

class AdvQrDesign {
public:
    virtual ~AdvQrDesign() = default;

    virtual AdvQrSettings settings() const = 0;
    virtual QString Get_Adv_QR_Final_Str_Value() const = 0;
    virtual QString SEL_QR_DISPLAY_VALUE() const = 0;
    virtual bool ADV_QR_USE_QR_LOGO() const = 0;
    // The logo's path; a path never set becomes "" in the mode as well.
    virtual QString ADV_QR_USE_QR_LOGO_PATH() = 0;
    virtual bool Check_Valid_ADV_QR_Code() = 0;
    virtual void Generate_Adv_QR_Thread_Function() = 0;
    virtual void OK_Unit_Change_For_ADV_QR() = 0;

    // A payload as the payload editor (advqr/Edit_ADV_QR_Type.h) takes and gives it: the payload,
    // its summary and its type's title.
    struct Payload {
        QString value;
        QString display;
        QString category;
    };
    // The editor run on that payload: the edited payload on OK (its summary as the editor built
    // it, untrimmed), nothing otherwise.
    virtual std::optional<Payload> Open_ADV_QR_EDIT_Window(const Payload &start) = 0;
};
