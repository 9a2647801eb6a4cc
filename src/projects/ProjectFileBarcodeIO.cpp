// The barcode section of project files on the projects part: the writer reads the Barcode mode's
// panel, the reader parses the whole file first and fills the panel only from a section that
// passed, so a bad file leaves the panel as it was.

#include "projects/ProjectsController.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "engines/Symbologies.h"
#include "platform/Files.h"
#include "platform/FontNames.h"
#include "platform/Plist.h"
#include "platform/SavedFolder.h"
#include "projects/ProjectFileBarcode.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectFilePanels.h"
#include "projects/ProjectFileText.h"
#include "projects/ProjectsSources.h"

#include <QFileInfo>

using platform::PlistValue;
using projectfile::BarcodeSection;

namespace {

// The section as the Barcode mode's value. Fonts are found by their shown name; a name this
// machine lacks gives the default font at 10 points. Older layouts leave out the series choices,
// the logo or the transparency, which the page then keeps.
BarcodeModeSettings settingsOf(const BarcodeSection &s)
{
    BarcodeModeSettings v;
    v.symbology = s.symbology;
    v.family = s.family;
    v.linearValue = s.linearValue;
    v.twoDValue = s.twoDValue;
    v.header = s.header;
    v.footer = s.footer;
    v.hideHeader = s.hideHeader;
    v.hideFooter = s.hideFooter;
    v.caption = s.caption;
    v.valueOnTop = s.valueOnTop;
    v.alignHeader = s.alignHeader;
    v.alignFooter = s.alignFooter;
    v.barHeight = s.barHeight;
    v.barWidth = s.barWidth;
    v.qrSide = s.size2D;
    v.pdfHeight = s.pdfHeight;
    v.pdfWidth = s.pdfWidth;
    v.pdfLevel = s.pdfLevel;
    v.dmModule = s.dmModule;
    v.margins = s.margins;
    v.qrVersion = s.qrVersion;
    v.qrLevel = s.qrLevel;
    v.dmFormat = s.dmFormat;
    v.dmEncoding = s.dmEncoding;
    v.dpiIndex = s.dpiIndex;
    v.dpiText = s.dpiText;
    v.unit = s.unit;
    for (size_t i = 0; i < 3; ++i) {
        const BarcodeSection::Font &stored = s.fonts[i];
        std::optional<QFont> font = platform::fontWithFullName(stored.name, projectfile::usablePointSize(stored.size));
        if (!font) {
            font = QFont(Text_Ctrl_Font);
            font->setPointSizeF(10);
        }
        v.fonts[i] = *font;
    }
    v.colours = s.colors;
    v.transparentBox = v.clearBackground = s.transparent;
    v.logo = s.logo;
    v.logoPath = s.logoPath;
    v.batch = s.dataSource;
    v.fromList = {s.valueSeries, s.headerSeries, s.footerSeries};
    v.customSheet = s.older || s.sheetSource == QLatin1String("C");
    v.series = s.series;
    v.records = s.list;
    v.withSeries = !s.older;
    v.withLogo = !s.older && s.hasLogo;
    v.withTransparency = !s.older && s.hasTransparent;
    return v;
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
        const QString document = QStringLiteral("Barcode Log");
        platform::SaveFolder folder;
        if (!projectfile::chooseSaveFolder(Project_File_Name_Barcode, save_as, barcodeFolder, document,
                                           [this] { return Run_Project_Save_Panel(); }, &folder))
            return false;
        const BarcodeModeSettings v = barcodeMode().settings();
        BarcodeSection s;
        s.symbology = v.symbology;
        s.dataSource = v.batch;
        s.valueSeries = v.fromList[0];
        s.headerSeries = v.fromList[1];
        s.footerSeries = v.fromList[2];
        s.linearValue = v.linearValue;
        s.twoDValue = v.twoDValue;
        s.header = v.header;
        s.footer = v.footer;
        s.hideHeader = v.hideHeader;
        s.hideFooter = v.hideFooter;
        s.caption = v.caption;
        s.valueOnTop = v.valueOnTop;
        s.alignHeader = v.alignHeader;
        s.alignFooter = v.alignFooter;
        s.family = v.family;
        s.barHeight = v.barHeight;
        s.barWidth = v.barWidth;
        s.size2D = v.qrSide;
        s.qrVersion = v.qrVersion;
        s.qrLevel = v.qrLevel;
        s.pdfHeight = v.pdfHeight;
        s.pdfWidth = v.pdfWidth;
        s.pdfLevel = v.pdfLevel;
        s.dmModule = v.dmModule;
        s.dmFormat = v.dmFormat;
        s.dmEncoding = v.dmEncoding;
        s.margins = v.margins;
        for (size_t i = 0; i < 3; ++i)
            s.fonts[i] = BarcodeSection::Font{fontName(v.fonts[i]), v.fonts[i].pointSizeF()};
        s.colors = v.colours;
        s.dpiIndex = v.dpiIndex;
        s.dpiText = v.dpiText;
        s.unit = v.unit;
        s.list = v.records;
        s.sheetSource = v.customSheet ? QStringLiteral("C") : QStringLiteral("U");
        s.series = v.series;
        s.logo = v.logo;
        s.logoPath = v.logoPath;
        s.transparent = v.clearBackground;
        built = projectfile::kBarcodeSectionElements;

        // Into the very folder chosen or checked.
        QString reason = folder.error, unsynced;
        if (folder.folder.fd < 0
            || !platform::writePlistFile(folder.name, projectfile::barcodeSectionArray(s), platform::PlistFormat::Xml,
                                         &reason, &unsynced, folder.folder.fd, folder.shown)) {
            // The file named once, whatever the reason names (a refused link names itself).
            const QString file = Project_File_Name_Barcode;
            Project_File_Name_Barcode = remembered;
            Show_MessageBox(QStringLiteral("%1 could not be saved.\n%2: %3")
                                .arg(document, QFileInfo(file).fileName(), platform::reasonFor(file, reason)));
            return false;
        }
        barcodeFolder = platform::savedFolder(Project_File_Name_Barcode, folder);
        host().Set_Barcode_Mode_Save_Flag_False();
        // Saved all the same when the folder's sync failed: the file holds the new log.
        Show_MessageBox(unsynced.isEmpty() ? QStringLiteral("Barcode Log has been saved successfully.")
                                           : platform::unsyncedWarning(document, unsynced));
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
            host().Designing_Mode_Select();
            design().Show_RHS_Properties(nullptr);
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
    BarcodeModeProjects &bm = barcodeMode();
    try {
        Project_File_Name_Barcode = path;
        barcodeFolder = platform::openedFrom(path);
        bm.setSettings(settingsOf(s));
        Set_Log_Name_In_Title();
        bm.goButtonActionPerformed();
        host().Barcode_Mode_Select();
        // The symbol drawn from the file is no change of the user's.
        host().Set_Barcode_Mode_Save_Flag_False();
        return true;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Not_Draw_Only_Prop_Change = false;
        return false;
    }
}
