// The barcode section of project files on the projects part: the writer reads the Barcode mode's
// panel, the reader parses the whole file first and fills the panel only from a section that
// passed, so a bad file leaves the panel as it was.

#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/QrLogo.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignController.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "platform/ColorWell.h"
#include "platform/FontNames.h"
#include "platform/PictureView.h"
#include "platform/Plist.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "projects/ProjectFileBarcode.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectFilePanels.h"
#include "projects/ProjectFileText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

using platform::PlistValue;
using projectfile::BarcodeSection;
using projectfile::selectIndex;
using projectfile::setChecked;
using projectfile::setPair;

namespace {

bool checked(const QAbstractButton *b) { return b && b->isChecked(); }
QString textOf(const QLineEdit *f) { return f ? f->text() : QString(); }
int indexOf(const QComboBox *c) { return c ? c->currentIndex() : 0; }
QColor colorOf(const platform::ColorWell *w) { return w ? w->color() : QColor(); }

void setColor(platform::ColorWell *well, const QColor &c)
{
    if (!well)
        return;
    const QSignalBlocker block(well);
    well->setColor(c);
}

// The series choice of a row when its box is ticked and an item is chosen, else "".
QString seriesChoice(const QAbstractButton *box, const QComboBox *combo)
{
    if (!checked(box) || !combo || combo->currentIndex() < 0)
        return QStringLiteral("");
    return combo->currentText();
}

QString fontName(const QFont &font)
{
    const QString full = platform::fontFullName(font);
    return full.isEmpty() ? font.family() : full;
}

} // namespace

bool ProjectsController::Save_project_file_Barcode(bool save_as)
{
    const QString remembered = Project_File_Name_Barcode;
    int built = 0;
    try {
        if (!projectfile::chooseSavePath(Project_File_Name_Barcode, save_as, [this] { return Run_Project_Save_Panel(); }))
            return false;
        BarcodeModeController &bm = hub.barcodeMode();
        BarcodeSection s;
        s.symbology = bm.chosenSymbologyTitle();
        s.dataSource = checked(bm.data_source_chkbox);
        s.valueSeries = checked(bm.barcode_value_chk);
        s.headerSeries = checked(bm.barcode_header_chk);
        s.footerSeries = checked(bm.barcode_footer_chk);
        s.linearValue = textOf(bm.dataText);
        s.twoDValue = bm.Get_Two_D_Value_From_Field();
        s.header = textOf(bm.HeaderText);
        s.footer = textOf(bm.FooterText);
        s.hideHeader = checked(bm.hideHeaderCheckbox);
        s.hideFooter = checked(bm.hideFooterCheckbox);
        s.caption = checked(bm.captionCheckbox);
        s.valueOnTop = checked(bm.showinTopCheckbox);
        s.alignHeader = indexOf(bm.align_hdr_combo);
        s.alignFooter = indexOf(bm.align_ftr_combo);
        s.family = bm.liner_or_2D_font;
        s.barHeight = textOf(bm.HeightText);
        s.barWidth = textOf(bm.widthText);
        s.size2D = textOf(bm.HeightText_2D);
        s.qrVersion = indexOf(bm.qr_version_ComboBox);
        s.qrLevel = indexOf(bm.qr_ec_lvl_ComboBox);
        s.pdfHeight = textOf(bm.pdf_HeightText_2D);
        s.pdfWidth = textOf(bm.Pdf_widthText_2D);
        s.pdfLevel = textOf(bm.pdf_ec_lvl_Text);
        s.dmModule = textOf(bm.dm_moduleText_2D);
        s.dmFormat = indexOf(bm.dm_format_ComboBox);
        s.dmEncoding = indexOf(bm.dm_encoding_ComboBox);
        s.margins = {textOf(bm.hdr_mar_Text), textOf(bm.ftr_mar_Text), textOf(bm.val_mar_Text), textOf(bm.TB_mar_Text),
                     textOf(bm.LR_mar_Text)};
        s.fonts = {BarcodeSection::Font{fontName(bm.value_font), bm.value_font.pointSizeF()},
                   BarcodeSection::Font{fontName(bm.header_font), bm.header_font.pointSizeF()},
                   BarcodeSection::Font{fontName(bm.footer_font), bm.footer_font.pointSizeF()}};
        s.colors = {colorOf(bm.bar_hdr_clr), colorOf(bm.bar_ftr_clr), colorOf(bm.bar_val_clr), colorOf(bm.bar_back_clr),
                    colorOf(bm.barcode_clr)};
        s.dpiIndex = indexOf(bm.DPI_ComboBox);
        s.dpiText = textOf(bm.dpi_Text);
        s.unit = Measument_Unit_Is_Barcode;
        s.list = bm.ListData_barcode;
        s.sheetSource = checked(bm.Custom_Sheet_RD) ? QStringLiteral("C") : QStringLiteral("U");
        s.series = {seriesChoice(bm.barcode_value_chk, bm.val_combo_list), seriesChoice(bm.barcode_value_chk, bm.val_combo_value),
                    seriesChoice(bm.barcode_header_chk, bm.hdr_combo_list), seriesChoice(bm.barcode_header_chk, bm.hdr_combo_value),
                    seriesChoice(bm.barcode_footer_chk, bm.ftr_combo_list), seriesChoice(bm.barcode_footer_chk, bm.ftr_combo_value)};
        s.logo = checked(bm.Use_Logo_chk);
        s.logoPath = bm.Use_logo_path ? bm.Use_logo_path->toPlainText() : QStringLiteral("");
        s.transparent = checked(bm.brcd_bk_clr_trnsp_rd);
        built = projectfile::kBarcodeSectionElements;

        QString reason;
        if (!platform::writePlistFile(Project_File_Name_Barcode, projectfile::barcodeSectionArray(s),
                                      platform::PlistFormat::Xml, &reason)) {
            Project_File_Name_Barcode = remembered;
            Show_MessageBox(QStringLiteral("Barcode Log could not be saved.\n%1").arg(reason));
            return false;
        }
        hub.Set_Barcode_Mode_Save_Flag_False();
        Show_MessageBox(QStringLiteral("Barcode Log has been saved successfully."));
        Set_Log_Name_In_Title();
        return true;
    } catch (const std::exception &e) {
        Project_File_Name_Barcode = remembered;
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Show_MessageBox(QStringLiteral("%1 -- %2").arg(built).arg(QString::fromUtf8(e.what())));
        return false;
    }
}

void ProjectsController::Read_Barcode_Log_File(const QString &path)
{
    const std::optional<PlistValue> root = projectfile::readProjectFile(path);
    const projectfile::Section section = root ? projectfile::sectionOf(*root) : projectfile::Section::Unknown;
    if (section == projectfile::Section::Unknown) {
        Show_MessageBox(projectfile::kCorruptFileMessage);
        return;
    }
    if (section == projectfile::Section::Design) {
        if (Read_and_load_design_Log_NEW_METHOD(path, QStringLiteral("L"), true) == 1) {
            hub.Designing_Mode_Select();
            hub.design().sidebar().Show_RHS_Properties(nullptr);
        }
        return;
    }
    Load_Barcode_Section(path, *root);
}

bool ProjectsController::Load_Barcode_Section(const QString &path, const PlistValue &root)
{
    BarcodeSection s;
    try {
        s = projectfile::parseBarcodeSection(root);
    } catch (const projectfile::FileError &e) {
        Show_NSLog_Message(QStringLiteral("%1: element %2: %3").arg(path).arg(e.index()).arg(e.reason()));
        Show_MessageBox(projectfile::kCorruptFileMessage);
        return false;
    }
    BarcodeModeController &bm = hub.barcodeMode();
    DesignController &dsg = hub.design();
    try {
        // The series choices start empty.
        for (QLineEdit *name : {bm.val_list_name_txt, bm.hdr_list_name_txt, bm.ftr_list_name_txt})
            if (name)
                name->clear();
        for (QComboBox *c : {bm.val_combo_list, bm.hdr_combo_list, bm.ftr_combo_list})
            if (c && c->count() > 0)
                selectIndex(c, 0, 0);
        for (QComboBox *c : {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value})
            if (c && c->count() > 0) {
                const QSignalBlocker block(c);
                c->setCurrentIndex(-1);
            }
        Project_File_Name_Barcode = path;
        Not_Draw_Only_Prop_Change = true;

        if (bm.barcodeTypePopup) {
            const int symbology = Symbologies::indexOf(s.symbology);
            const QSignalBlocker block(bm.barcodeTypePopup);
            const int item = symbology >= 0 ? bm.barcodeTypePopup->findText(Symbologies::displayTitle(symbology)) : -1;
            bm.barcodeTypePopup->setCurrentIndex(item >= 0 ? item : 0);
        }
        setChecked(bm.data_source_chkbox, s.dataSource);
        setChecked(bm.hideHeaderCheckbox, s.hideHeader);
        setChecked(bm.hideFooterCheckbox, s.hideFooter);
        setChecked(bm.captionCheckbox, s.caption);
        bm.captionChanged(bm.captionCheckbox);
        setChecked(bm.showinTopCheckbox, s.valueOnTop);
        selectIndex(bm.align_hdr_combo, s.alignHeader, 1);
        selectIndex(bm.align_ftr_combo, s.alignFooter, 1);
        bm.liner_or_2D_font = s.family != 0 ? 1 : 0;

        using platform::PairFormat;
        setPair(bm.HeightText, bm.HeightStepper, projectfile::realFromText(s.barHeight), PairFormat::Real);
        setPair(bm.widthText, bm.widthStepper, projectfile::realFromText(s.barWidth), PairFormat::Real);
        setPair(bm.HeightText_2D, bm.HeightStepper_2D, projectfile::intFromText(s.size2D), PairFormat::Integer);
        selectIndex(bm.qr_version_ComboBox, s.qrVersion, 0);
        selectIndex(bm.qr_ec_lvl_ComboBox, s.qrLevel, 0);
        setPair(bm.pdf_HeightText_2D, bm.pdf_HeightStepper_2D, projectfile::intFromText(s.pdfHeight), PairFormat::Integer);
        setPair(bm.Pdf_widthText_2D, bm.Pdf_widthStepper_2D, projectfile::intFromText(s.pdfWidth), PairFormat::Integer);
        setPair(bm.pdf_ec_lvl_Text, bm.pdf_ec_lvl_Stepper, projectfile::intFromText(s.pdfLevel), PairFormat::Integer);
        setPair(bm.dm_moduleText_2D, bm.dm_moduleStepper_2D, projectfile::intFromText(s.dmModule), PairFormat::Integer);
        selectIndex(bm.dm_format_ComboBox, s.dmFormat, 0);
        selectIndex(bm.dm_encoding_ComboBox, s.dmEncoding, 0);
        QLineEdit *marginFields[5] = {bm.hdr_mar_Text, bm.ftr_mar_Text, bm.val_mar_Text, bm.TB_mar_Text, bm.LR_mar_Text};
        platform::Stepper *marginSteppers[5] = {bm.hdr_mar_Stepper, bm.ftr_mar_Stepper, bm.val_mar_Stepper,
                                                bm.TB_mar_Stepper, bm.LR_mar_Stepper};
        for (int i = 0; i < 5; ++i)
            setPair(marginFields[i], marginSteppers[i], projectfile::realFromText(s.margins[size_t(i)]), PairFormat::Real);

        // Fonts by their shown name; a name this machine lacks gives the default font at 10 points.
        QFont *fonts[3] = {&bm.value_font, &bm.header_font, &bm.footer_font};
        QLineEdit *fontLabels[3] = {bm.value_font_value, bm.header_font_value, bm.footer_font_value};
        for (int i = 0; i < 3; ++i) {
            const BarcodeSection::Font &stored = s.fonts[size_t(i)];
            std::optional<QFont> font = platform::fontWithFullName(stored.name, projectfile::usablePointSize(stored.size));
            if (!font) {
                font = QFont(Text_Ctrl_Font);
                font->setPointSizeF(10);
            }
            *fonts[i] = *font;
            if (fontLabels[i])
                fontLabels[i]->setText(BarcodeEditor::fontDisplayText(*font));
        }

        platform::ColorWell *wells[5] = {bm.bar_hdr_clr, bm.bar_ftr_clr, bm.bar_val_clr, bm.bar_back_clr, bm.barcode_clr};
        for (int i = 0; i < 5; ++i)
            setColor(wells[i], s.colors[size_t(i)]);
        const QColor background = s.colors[3];
        const bool clear = background.alpha() == 0 || projectfile::colorToText(background) == QLatin1String("0.0:0.0:0.0:0.0");
        setChecked(bm.brcd_bk_clr_rd, !clear);
        setChecked(bm.brcd_bk_clr_trnsp_rd, clear);
        if (bm.bar_back_clr)
            bm.bar_back_clr->setEnabled(!clear);

        selectIndex(bm.DPI_ComboBox, s.dpiIndex, 0);
        if (bm.dpi_Text) {
            const QSignalBlocker block(bm.dpi_Text);
            bm.dpi_Text->setText(s.dpiText);
        }
        Measument_Unit_Is_Barcode = last_unit_val_Barcode = (s.unit >= 0 && s.unit <= 2) ? s.unit : 1;

        bm.ListData_barcode = s.list;
        bm.Reload_List();
        bm.Update_List_Count();

        const bool customSheet = s.older || s.sheetSource == QLatin1String("C");
        setChecked(bm.Custom_Sheet_RD, customSheet);
        setChecked(bm.Data_Set_Sheet_RD, !customSheet);
        if (!s.older) {
            if (!customSheet)
                bm.Fill_Combo_List_Reading_Data_List_File(0, QStringLiteral(""), 0);
            QComboBox *lists[3] = {bm.val_combo_list, bm.hdr_combo_list, bm.ftr_combo_list};
            QComboBox *values[3] = {bm.val_combo_value, bm.hdr_combo_value, bm.ftr_combo_value};
            QLineEdit *names[3] = {bm.val_list_name_txt, bm.hdr_list_name_txt, bm.ftr_list_name_txt};
            for (int i = 0; i < 3; ++i) {
                const QString name = s.series[size_t(2 * i)];
                const QString item = Trim_Str(s.series[size_t(2 * i + 1)]);
                if (values[i]) {
                    const QSignalBlocker block(values[i]);
                    dsg.records().Fille_Data_Set_Values_In_Combo(values[i], name);
                }
                if (names[i])
                    names[i]->setText(Trim_Str(name));
                if (!Trim_Str(name).isEmpty() && lists[i]) {
                    const QSignalBlocker block(lists[i]);
                    lists[i]->setCurrentIndex(lists[i]->findText(Trim_Str(name)));
                }
                if (!item.isEmpty() && values[i]) {
                    const QSignalBlocker block(values[i]);
                    values[i]->setCurrentIndex(values[i]->findText(item));
                }
            }
            if (s.hasLogo) {
                bm.USE_QR_LOGO = s.logo;
                setChecked(bm.Use_Logo_chk, s.logo);
                QString logoPath;
                QImage logo;
                if (QFileInfo(s.logoPath).isFile()) {
                    logoPath = Check_Path_For_App_Resources(s.logoPath);
                    logo = qr_logo::readScaled(logoPath);
                }
                bm.USE_QR_LOGO_IMG = logo;
                bm.USE_QR_LOGO_PATH = logoPath;
                if (bm.Use_logo_path)
                    bm.Use_logo_path->setPlainText(logoPath);
                if (bm.Use_logo_box)
                    SetObjEnabled(bm.Use_logo_box, bm.USE_QR_LOGO);
                if (bm.Use_Logo_Image_View)
                    bm.Use_Logo_Image_View->setPicture(logo.isNull() ? platform::Picture() : platform::Picture::fromImage(logo));
            }
            if (s.hasTransparent) {
                setChecked(bm.transparent_bkgnd, s.transparent);
                setChecked(bm.brcd_bk_clr_rd, !s.transparent);
                setChecked(bm.brcd_bk_clr_trnsp_rd, s.transparent);
                if (bm.bar_back_clr)
                    bm.bar_back_clr->setEnabled(!s.transparent);
            }
        }

        bm.barcodeData_SourceChanged(bm.data_source_chkbox);
        setChecked(bm.barcode_value_chk, s.valueSeries);
        setChecked(bm.barcode_header_chk, s.headerSeries);
        setChecked(bm.barcode_footer_chk, s.footerSeries);
        bm.Batch_Value_Check(bm.barcode_value_chk);
        bm.Batch_Header_Check(bm.barcode_header_chk);
        bm.Batch_Footer_Check(bm.barcode_footer_chk);

        bm.Set_Linear_Value_in_Field(s.linearValue);
        bm.Set_Two_D_Value_in_Field(s.twoDValue);
        if (bm.HeaderText)
            bm.HeaderText->setText(s.header);
        if (bm.FooterText)
            bm.FooterText->setText(s.footer);

        Barcode_Setting_Or_Designing_Mode = 0;
        bm.Select_First_Value_For_Barcode_Setting_Mode();
        bm.set_list_value_to_text_box();
        bm._setLabels_Barcode();
        bm.Balance_Datasheet_Combo_Max_Count();
        const QString title = bm.chosenSymbologyTitle();
        if (title == QLatin1String("QR Code") || title == QLatin1String("PDF417") || title == QLatin1String("DataMatrix"))
            bm.two_d_barcode_Opt_Select();
        else
            bm.Liner_Barcode_Opt_Select();
        Set_Log_Name_In_Title();
        Not_Draw_Only_Prop_Change = false;
        bm.goButtonActionPerformed();
        hub.Barcode_Mode_Select();
        return true;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Not_Draw_Only_Prop_Change = false;
        return false;
    }
}
