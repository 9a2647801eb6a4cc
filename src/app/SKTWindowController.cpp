#include "app/SKTWindowController.h"

#include "advqr/AdvQrController.h"
#include "app/HubAdvQrSide.h"
#include "app/HubBarcodeModeSide.h"
#include "app/HubDesignSide.h"
#include "app/HubImageToolsSide.h"
#include "app/HubOutputSide.h"
#include "app/HubProjectsSide.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/Barcode_Gen.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "imagetools/ImageToolsSources.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "projects/ProjectsController.h"
#include "projects/ProjectsSources.h"

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTDocument.h"
#include "model/SKTGrid.h"
#include "platform/Files.h"
#include "platform/Temporaries.h"
#include "platform/TextNotifications.h"
#include "model/Card_Property.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QMainWindow>

#include <exception>

namespace {
QImage loadBundleImage(const QString &name, const QString &type)
{
    return QImage(Resource_Path + QLatin1Char('/') + name + QLatin1Char('.') + type);   // null when missing
}
} // namespace

SKTWindowController::SKTWindowController()
    : m_barcodeMode(new BarcodeModeController), m_projects(new ProjectsController), m_advQr(new AdvQrController)
{
    // Each part reads the others through its sources, made once the parts they name exist: the
    // design first (its sources name the modes and projects), then the modes and projects (theirs
    // name the design), then output, which reads them all and which the design reaches last.
    m_design = new DesignController(Make_Design_Sources(*this));
    m_barcodeMode->useSources(Make_Barcode_Mode_Sources(*this));
    m_advQr->useSources(Make_Adv_Qr_Sources(*this));
    m_projects->useSources(Make_Projects_Sources(*this));
    m_output = new OutputController(Make_Output_Sources(*this));
    Give_Design_Output_Source(*this);
    DesignController &d = design();
    BarcodeModeController &b = barcodeMode();
    // The window description is loaded later, on the first window() call.
    logoList.clear();
    // The text objects' font family: the system's general font.
    Text_Ctrl_Font = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    // The application's name, its resource folder and its per-user data folder, created when missing.
    App_Name = QCoreApplication::applicationName();
    Resource_Path = platform::resourceFolder();
    Created_Resource_Path = platform::perUserDataFolder(Trim_Str(App_Name));
    platform::makePrivateFolder(Created_Resource_Path);
    // No main photo, no batch photo, no last selected object.
    d.card().Main_Photo_image = QImage();
    d.card().main_photo_ds_batch = false;
    d.selection().Last_Selected_Graphic = nullptr;
    // The picture file types that the image commands accept.
    Allowd_Image_fileTypes = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
                              QStringLiteral("jfif"), QStringLiteral("gif"), QStringLiteral("bmp"),
                              QStringLiteral("png"), QStringLiteral("tif"), QStringLiteral("tiff")};
    // The grid; then the canvas at 100 % with the selection tool.
    d.workArea()._grid = new SKTGrid;
    // The card objects' picture services and the grid's button are this window's.
    d.Install_Model_Hooks();
    // The off-screen renderer paints this window's card.
    d.Install_Render_Host();
    d.workArea()._zoomFactor = 1.0;
    d.Selected_Control_Tool = 0;
    // From here on the window is the application's one instance; nothing before may use either global.
    app_DefaultInstance = this;
    Main_App_wnd = defaultInstance();
    m_imageTools = Make_Image_Tools_Sources(*this);
    ImageToolsSources::install(m_imageTools.get());
    // The text objects' starting font.
    d.Text_font = QFont(Text_Ctrl_Font);
    d.Text_font.setPointSizeF(Text_Ctrl_Font_Size);
    // An empty undo and redo history, and no batch backup of the front side.
    Ucontrol_Log.clear();
    Ucontrol.clear();
    Rcontrol.clear();
    d.card().Graphics_array_Batch_Front_Bkup.reset();
    // The pictures of the resource folder.
    no_image = loadBundleImage(QStringLiteral("no"), QStringLiteral("png"));
    banner_image = loadBundleImage(QStringLiteral("banner"), QStringLiteral("png"));
    promotion_pattern_image = loadBundleImage(QStringLiteral("pattern_1"), QStringLiteral("jpg"));
    sign_sample_img = loadBundleImage(QStringLiteral("sign_sample"), QStringLiteral("png"));
    fp_sample_img = loadBundleImage(QStringLiteral("fingerprints"), QStringLiteral("png"));
    barcode_sample_img = loadBundleImage(QStringLiteral("barcode_sample"), QStringLiteral("png"));
    back_btn_image = loadBundleImage(QStringLiteral("back-2"), QStringLiteral("png"));
    front_btn_image_sel = loadBundleImage(QStringLiteral("front-sel"), QStringLiteral("png"));
    // The card properties of the front side.
    d.card().Front_card_Prop = new Card_Property;
    // The Barcode mode's first record and its margins.
    b.prev_list_item_barcode = 0;
    b.value_margin = b.header_margin = b.footer_margin = b.LR_margin = b.TB_margin = 0.1f;
    // The starting fonts of the Barcode and Advanced QR modes.
    b.value_font = QFont(Text_Ctrl_Font);
    b.value_font.setPointSizeF(10);
    b.header_font = b.value_font;
    b.footer_font = b.value_font;
    advQr().ADV_QR_header_font = QFont(Text_Ctrl_Font);
    advQr().ADV_QR_header_font.setPointSizeF(20);
    advQr().ADV_QR_footer_font = advQr().ADV_QR_header_font;
}

SKTWindowController::~SKTWindowController()
{
    ImageToolsSources::uninstall(m_imageTools.get());
    if (m_document)
        m_document->removeWindowController(this);
    for (const auto &c : m_documentConnections)
        disconnect(c);
    for (const auto &c : m_textConnections)
        disconnect(c);
    printInfo.reset();
    delete m_barcodeGen;
    delete window_;
    // The subsystems' controllers go after the window whose outlets they hold.
    m_design->Remove_Model_Hooks();
    m_design->Remove_Render_Host();
    delete m_advQr;
    delete m_output;
    delete m_projects;
    delete m_design;
    delete m_barcodeMode;
    if (app_DefaultInstance == this)
        app_DefaultInstance = nullptr;
    if (Main_App_wnd == this)
        Main_App_wnd = nullptr;
}

SKTWindowController *SKTWindowController::app_DefaultInstance = nullptr;

SKTWindowController *SKTWindowController::defaultInstance() { return app_DefaultInstance; }

Barcode_Gen &SKTWindowController::barcodeGen()
{
    if (!m_barcodeGen) {
        m_barcodeGen = new Barcode_Gen(m_barcodeMode->sources());
        m_barcodeGen->awakeFromNib();
    }
    return *m_barcodeGen;
}

void SKTWindowController::registerWithDocuments()
{
    SKTDocument::setWindowControllerFactory([](SKTDocument &document) {
        auto *controller = new SKTWindowController;
        controller->setDocument(&document);
        return controller;
    });
}

SKTDocument *SKTWindowController::document() const { return m_document.data(); }

QMainWindow *SKTWindowController::window()
{
    if (!m_windowLoaded) {
        m_windowLoaded = true;
        loadWindowDescription();
        awakeFromNib();
        windowDidLoad();
    }
    return window_;
}

void SKTWindowController::applicationDidFinishLaunching()
{
    if (QMainWindow *w = window()) {
        w->show();
        w->raise();
        w->activateWindow();
    }
    Set_Text_Change_Notification();
}

void SKTWindowController::Set_Text_Change_Notification()
{
    if (!m_textConnections.isEmpty())
        return;
    auto &center = platform::TextNotifications::instance();
    m_textConnections << connect(&center, &platform::TextNotifications::controlTextDidChange, this,
                                 &SKTWindowController::controlTextDidChange);
    m_textConnections << connect(&center, &platform::TextNotifications::controlTextDidEndEditing, this,
                                 &SKTWindowController::controlTextDidEndEditing);
    m_textConnections << connect(&center, &platform::TextNotifications::textDidChange, this,
                                 &SKTWindowController::textDidChange);
    m_textConnections << connect(&center, &platform::TextNotifications::textDidEndEditing, this,
                                 &SKTWindowController::textDidEndEditing);
    center.startWatching();
}

void SKTWindowController::setDocument(SKTDocument *document)
{
    try {
        // Stop observing the old document's canvas size, then observe the new one's.
        for (const auto &c : m_documentConnections)
            disconnect(c);
        m_documentConnections.clear();
        m_document = document;
        if (document) {
            m_documentConnections << connect(document, &SKTDocument::canvasSizeChanged, this,
                                             [this](const QSizeF &size) { design().workArea().Observe_Canvas_Size(size); });
        }
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::setPrintInfo(const platform::PrintInfo &info)
{
    if (printInfo && *printInfo == info)
        return;
    printInfo = std::make_shared<platform::PrintInfo>(info);
}

const platform::PrintInfo *SKTWindowController::getPrintInfo() const { return printInfo.get(); }

void SKTWindowController::Set_Logo_Item_List_EMPTY()
{
    logoList.clear();
    Show_NSLog_Message(QStringLiteral("List has been reset. Count: %1").arg(logoList.size()));
}
