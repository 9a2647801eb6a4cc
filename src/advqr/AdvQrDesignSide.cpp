#include "advqr/AdvQrDesignSide.h"

#include "advqr/AdvQrController.h"
#include "advqr/AdvQrPanel.h"
#include "advqr/Edit_ADV_QR_Type.h"

AdvQrSettings AdvQrDesignSide::settings() const { return mode.panel().settings(); }

QString AdvQrDesignSide::Get_Adv_QR_Final_Str_Value() const { return mode.Get_Adv_QR_Final_Str_Value(); }

QString AdvQrDesignSide::SEL_QR_DISPLAY_VALUE() const { return ::SEL_QR_DISPLAY_VALUE; }

bool AdvQrDesignSide::ADV_QR_USE_QR_LOGO() const { return mode.ADV_QR_USE_QR_LOGO; }

QString AdvQrDesignSide::ADV_QR_USE_QR_LOGO_PATH()
{
    if (mode.ADV_QR_USE_QR_LOGO_PATH.isNull())
        mode.ADV_QR_USE_QR_LOGO_PATH = QStringLiteral("");
    return mode.ADV_QR_USE_QR_LOGO_PATH;
}

bool AdvQrDesignSide::Check_Valid_ADV_QR_Code() { return mode.Check_Valid_ADV_QR_Code(); }

void AdvQrDesignSide::Generate_Adv_QR_Thread_Function() { mode.Generate_Adv_QR_Thread_Function(); }

void AdvQrDesignSide::OK_Unit_Change_For_ADV_QR() { mode.OK_Unit_Change_For_ADV_QR(); }

std::optional<AdvQrDesign::Payload> AdvQrDesignSide::Open_ADV_QR_EDIT_Window(const Payload &start)
{
    Edit_ADV_QR_Type &editor = *Edit_ADV_QR_Type::defaultInstance();
    editor.Final_adv_qr_val = start.value;
    editor.DisP_adv_qr_val = start.display;
    editor.setChosenType(start.category);
    if (editor.Open_ADV_QR_EDIT_Window() != 1)
        return std::nullopt;
    Payload edited;
    edited.value = editor.Get_Adv_QR_Final_Str_Value();
    edited.category = editor.chosenType();
    edited.display = editor.SEL_QR_DISPLAY_VALUE;
    return edited;
}
