// New projects of both modes and the Open command of the projects part.

#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/Globals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "core/FileServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignController.h"
#include "design/DesignCommands.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "model/DesignSnapshot.h"
#include "model/SKTDocument.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "projects/ProjectFilePanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QUrl>

using projectfile::selectIndex;
using projectfile::setChecked;
using projectfile::setPair;

void ProjectsController::New_Project()
{
    try {
        hub.Set_Des_Mode_Save_Flag_False();
        New_Project_Setting_Reset(true);
        hub.design().sidebar().Show_RHS_Properties(nullptr);
        hub.design().Refresh_Canvas();
        Open_Start_Window();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    Not_Draw_Only_Prop_Change = false;
}

void ProjectsController::New_Project_Barcode()
{
    BarcodeModeController &bm = hub.barcodeMode();
    Not_Draw_Only_Prop_Change = true;
    try {
        hub.Set_Barcode_Mode_Save_Flag_False();
        // No QR logo.
        setChecked(bm.Use_Logo_chk, false);
        bm.USE_QR_LOGO = false;
        bm.USE_QR_LOGO_IMG = QImage();
        bm.USE_QR_LOGO_PATH = QStringLiteral("");
        if (bm.Use_logo_path)
            bm.Use_logo_path->clear();
        if (bm.Use_Logo_Image_View)
            bm.Use_Logo_Image_View->setPicture(platform::Picture());
        if (bm.Use_logo_box)
            SetObjEnabled(bm.Use_logo_box, false);
        // A linear symbology, the first one.
        bm.liner_or_2D_font = 0;
        selectIndex(bm.barcodeTypePopup, 0);
        // The series choices, disabled and emptied.
        for (QComboBox *c : {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value})
            if (c)
                c->setEnabled(false);
        for (QLineEdit *f : {bm.val_list_name_txt, bm.hdr_list_name_txt, bm.ftr_list_name_txt})
            if (f)
                f->clear();
        try {
            for (QComboBox *c : {bm.val_combo_list, bm.hdr_combo_list, bm.ftr_combo_list})
                selectIndex(c, 0);
            for (QComboBox *c : {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value}) {
                if (!c)
                    continue;
                const QSignalBlocker block(c);
                c->setCurrentIndex(-1);
                c->clear();
            }
        } catch (const std::exception &) {
            // The series combos are best effort: the reset goes on.
        }
        // Typed values from the custom sheet.
        setChecked(bm.data_source_chkbox, false);
        setChecked(bm.Custom_Sheet_RD, true);
        setChecked(bm.Data_Set_Sheet_RD, false);
        bm.barcodeData_SourceChanged(bm.data_source_chkbox);
        // An empty value list.
        bm.ListData_barcode.clear();
        bm.Reload_List();
        bm.Update_List_Count();
        // Value, texts, bands.
        bm.Set_Linear_Value_in_Field(QStringLiteral("123456789012"));
        bm.Set_Two_D_Value_in_Field(QStringLiteral("123456789012"));
        if (bm.HeaderText)
            bm.HeaderText->setText(def_barcode_hdr_str);
        if (bm.FooterText)
            bm.FooterText->setText(QStringLiteral("FOOTER"));
        for (QCheckBox *b : {bm.hideHeaderCheckbox, bm.hideFooterCheckbox, bm.captionCheckbox, bm.showinTopCheckbox})
            setChecked(b, false);
        bm.captionChanged(bm.captionCheckbox);
        selectIndex(bm.align_hdr_combo, 1);
        selectIndex(bm.align_ftr_combo, 1);
        bm.prev_list_item_barcode = 0;
        // Sizes and margins.
        using platform::PairFormat;
        setPair(bm.HeightText, bm.HeightStepper, 1.0, PairFormat::Real);
        setPair(bm.widthText, bm.widthStepper, 20.0, PairFormat::Real);
        setPair(bm.HeightText_2D, bm.HeightStepper_2D, 60, PairFormat::Integer);
        selectIndex(bm.qr_version_ComboBox, 0);
        selectIndex(bm.qr_ec_lvl_ComboBox, 0);
        QR_EC_Level_Val = 0;
        QR_Version_Val = bm.qr_version_ComboBox ? std::max(0, bm.qr_version_ComboBox->currentIndex()) : 0;
        bm.Check_And_Set_QR_size_Acc_Version(QR_Version_Val);
        setPair(bm.HeightText_2D, bm.HeightStepper_2D, 60, PairFormat::Integer);
        setPair(bm.pdf_HeightText_2D, bm.pdf_HeightStepper_2D, 20, PairFormat::Integer);
        setPair(bm.Pdf_widthText_2D, bm.Pdf_widthStepper_2D, 100, PairFormat::Integer);
        setPair(bm.pdf_ec_lvl_Text, bm.pdf_ec_lvl_Stepper, 2, PairFormat::Integer);
        setPair(bm.dm_moduleText_2D, bm.dm_moduleStepper_2D, 2, PairFormat::Integer);
        selectIndex(bm.dm_format_ComboBox, 0);
        selectIndex(bm.dm_encoding_ComboBox, 0);
        for (auto [field, stepper] : {std::pair{bm.hdr_mar_Text, bm.hdr_mar_Stepper}, std::pair{bm.ftr_mar_Text, bm.ftr_mar_Stepper},
                                      std::pair{bm.val_mar_Text, bm.val_mar_Stepper}, std::pair{bm.TB_mar_Text, bm.TB_mar_Stepper},
                                      std::pair{bm.LR_mar_Text, bm.LR_mar_Stepper}})
            setPair(field, stepper, 0.1, PairFormat::Real);
        bm.value_margin = bm.header_margin = bm.footer_margin = bm.TB_margin = bm.LR_margin = 0.1f;
        // Fonts.
        QFont font(Text_Ctrl_Font);
        font.setPointSizeF(10);
        bm.value_font = bm.header_font = bm.footer_font = font;
        for (QLineEdit *label : {bm.value_font_value, bm.header_font_value, bm.footer_font_value})
            if (label)
                label->setText(BarcodeEditor::fontDisplayText(font));
        // A white background and black texts and bars.
        if (bm.bar_bk_clr_label)
            bm.bar_bk_clr_label->setEnabled(true);
        if (bm.bar_back_clr)
            bm.bar_back_clr->setEnabled(true);
        setChecked(bm.brcd_bk_clr_rd, true);
        setChecked(bm.brcd_bk_clr_trnsp_rd, false);
        setChecked(bm.transparent_bkgnd, false);
        for (platform::ColorWell *w : {bm.bar_hdr_clr, bm.bar_ftr_clr, bm.bar_val_clr, bm.barcode_clr})
            if (w) {
                const QSignalBlocker block(w);
                w->setColor(Qt::black);
            }
        if (bm.bar_back_clr) {
            const QSignalBlocker block(bm.bar_back_clr);
            bm.bar_back_clr->setColor(Qt::white);
        }
        // Resolution and unit.
        selectIndex(bm.DPI_ComboBox, 0);
        Measument_Unit_Is_Barcode = last_unit_val_Barcode = 1;

        bm.Liner_Barcode_Opt_Select();
        bm._setLabels_Barcode();
        Project_File_Name_Barcode = QStringLiteral("");
        Set_Log_Name_In_Title();
        Not_Draw_Only_Prop_Change = false;
        bm.goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Not_Draw_Only_Prop_Change = false;
    }
}

void ProjectsController::Open_Log_file_Func()
{
    try {
        const int mode = Barcode_Setting_Or_Designing_Mode;
        if (mode == 0) {
            Open_Barcode_Log_File();
            Not_Draw_Only_Prop_Change = false;
            return;
        }
        if (mode != 1)
            return;
        if (hub.design().commands().Check_And_Show_Save_Message(false, true, QStringLiteral("O")) != 1)
            return;
        // A cancelled panel and a refused file leave the open design as it was: its objects, title,
        // history and unsaved flag. Only a file that reads replaces it (the reader resets first).
        const int result = Open_Log_File();
        Not_Draw_Only_Prop_Change = false;
        if (result != 1)
            return;
        if (Barcode_Setting_Or_Designing_Mode == 0) {
            hub.Show_Hide_Main_Window(true);
            return;
        }
        DesignController &dsg = hub.design();
        dsg.sidebar().Apply_Size_Clicked();
        // A fresh history whose one step is the design as opened, with nothing unsaved.
        Start_Design_Undo_Base();
        if (dsg.sidebar().sett_tab && dsg.sidebar().card_info_tab)
            dsg.sidebar().sett_tab->setCurrentWidget(dsg.sidebar().card_info_tab);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Not_Draw_Only_Prop_Change = false;
    }
}

int ProjectsController::Open_Log_File()
{
    try {
        platform::OpenPanelRequest request;
        request.extensions = {QStringLiteral("qbf"), QStringLiteral("qlf")};
        request.canChooseFiles = true;
        request.canChooseDirectories = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return 0;
        const QString path = Convert_Path_From_URL(QUrl::fromLocalFile(chosen.first()));
        const QString startOption = Start_Card_Option;
        Start_Card_Option = QStringLiteral("L");
        const int result = Read_and_load_design_Log_NEW_METHOD(path, QStringLiteral("L"), true);
        if (result != 1)
            Start_Card_Option = startOption;   // the open design stays, made the way it was
        hub.design().records().Check_Series_Or_Excel_Use_or_not();
        return result;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
}

void ProjectsController::Open_Barcode_Log_File()
{
    try {
        if (hub.design().commands().Check_And_Show_Save_Message(false, true, QStringLiteral("O")) != 1)
            return;
        platform::OpenPanelRequest request;
        request.extensions = {design_file_EXT, design_file_EXT.toUpper()};
        request.canChooseFiles = true;
        request.canChooseDirectories = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return;
        Read_Barcode_Log_File(Convert_Path_From_URL(QUrl::fromLocalFile(chosen.first())));
        if (Barcode_Setting_Or_Designing_Mode == 1) {
            // A design opened from here starts its history as opened, with nothing unsaved.
            Start_Design_Undo_Base();
        } else {
            Not_Draw_Only_Prop_Change = false;
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
