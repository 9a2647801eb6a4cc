// The crop wizard's window: its form, the wiring of its controls and the handlers of the first
// screen's choices and the crop options.

#include "imagetools/Cropping_Tool.h"

#include "imagetools/ImageToolsSources.h"
#include "core/Utilities.h"
#include "imaging/CropGeometry.h"
#include "imagetools/MSSCanvas.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"
#include "ui_Cropping_Tool.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QHeaderView>
#include <QScreen>
#include <QSignalBlocker>

#include <tuple>

namespace {

// The height a title bar takes, counted for a dialog not shown yet.
constexpr int kTitleBarRoom = 40;

} // namespace

void Cropping_Tool::buildWindow()
{
    if (m_window)
        return;
    m_window = std::make_unique<QDialog>();
    m_ui = std::make_unique<Ui::Cropping_Tool>();
    // The tool lives for the process, its dialog as long as the main window (or the event loop):
    // widgets destroyed after the application object take their timers with them unsafely.
    if (ImageToolsSources::current())
        ImageToolsSources::atUninstall([this] { releaseWindow(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { releaseWindow(); });
    m_ui->setupUi(m_window.get());
    Ui::Cropping_Tool &u = *m_ui;
    u.Modified_image->setImageScaling(platform::ImageScaling::ProportionallyDown);
    u.Modified_image->setImageAlignment(Qt::AlignCenter);
    m_canvas = std::make_unique<MSSCanvasController>(u.Modified_image);
    image_frame_size = u.Modified_image->minimumSize();
    crop_box_size = u.Crop_Screen_Box->sizeHint();
    u.ColList->setModel(&ListData);
    u.ColList->setSelectionBehavior(QAbstractItemView::SelectRows);
    u.ColList->setSelectionMode(QAbstractItemView::SingleSelection);
    u.ColList->horizontalHeader()->setStretchLastSection(true);
    u.ColList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    u.ColList->verticalHeader()->hide();
    u.ColList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_window->installEventFilter(this);

    const auto group = [this](std::initializer_list<QAbstractButton *> buttons) {
        auto *g = new QButtonGroup(m_window.get());
        int id = 0;
        for (QAbstractButton *b : buttons)
            g->addButton(b, id++);
        return g;
    };
    m_input = group({u.input_file_radio, u.input_folder_radio, u.input_series_radio});
    m_output = group({u.output_own_radio, u.output_custom_radio});
    m_cropping = group({u.crop_manual_radio, u.crop_size_radio});
    m_batch = group({u.batch_new_radio, u.batch_replace_radio});
    connect(m_input, &QButtonGroup::idClicked, this, [this] { input_option_CellClick(); });
    connect(m_output, &QButtonGroup::idClicked, this, [this] { output_option_CellClick(); });
    connect(m_cropping, &QButtonGroup::idClicked, this, [this] { cropping_option_CellClick(); });

    connect(u.Next_Btn, &QPushButton::clicked, this, [this] { OK_Btn_Clicked(); });
    connect(u.Back_Btn, &QPushButton::clicked, this, [this] { Back_Btn_Clicked(); });
    connect(u.cancel_btn, &QPushButton::clicked, this, [this] { Cancel_Btn_Clicked(); });
    connect(u.help_btn, &QPushButton::clicked, this, [] { Open_Help_File(); });
    connect(u.file_browse_btn, &QPushButton::clicked, this, [this] { File_Browse_Clicked(); });
    connect(u.folder_browse_btn, &QPushButton::clicked, this, [this] { Folder_Browse_Clicked(); });
    connect(u.output_browse_btn, &QPushButton::clicked, this, [this] { Output_Browse_Clicked(); });
    connect(u.crop_btn, &QPushButton::clicked, this, [this] { Crop_Single_Image_Clicked(); });
    connect(u.Open_Folder_Btn, &QPushButton::clicked, this, [this] { Open_Output_Folder_Clicked(); });
    connect(u.crop_all_btn, &QPushButton::clicked, this, [this] { Crop_All_Clicked(); });
    connect(u.Crop_direct_Btn, &QPushButton::clicked, this, [this] { Crop_Direct_Clicked(); });
    connect(u.Close_direct_Btn, &QPushButton::clicked, this, [this] { m_window->done(0); });
    // Whole pixels, 1 to 10000: an empty entry, or 0, is 1 once its typing ends; what cannot be a
    // size is refused with its message, the size in use kept.
    for (const auto &[field, stepper, what] : {std::tuple{u.width_Text, u.width_Stepper, "width"},
                                               std::tuple{u.height_Text, u.height_Stepper, "height"}}) {
        const platform::WholeRule rule{QLatin1String(what), stepper->minimum(), stepper->maximum(), QStringLiteral("pixels")};
        platform::connectCountArrows(field, stepper, rule, this);
    }
    // A row chosen shows its picture; during a batch run the row only follows the run.
    connect(u.ColList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                const int row = current.row();
                if (row >= 0 && row < ListData.count() && !m_batchRunning && !m_ui->Main_Screen_Box->isVisible()) {
                    Crop_Input_Path = Get_Item_Text(row);
                    Load_Image_File(Crop_Input_Path);
                }
            });
}

void Cropping_Tool::releaseWindow()
{
    // The next opening remakes all, and asks again to be told of the end.
    disconnect(qApp, nullptr, this, nullptr);
    m_canvas.reset();
    m_window.reset();
    m_ui.reset();
    m_input = m_output = m_cropping = m_batch = nullptr;
}

void Cropping_Tool::fitWindow()
{
    Ui::Cropping_Tool &u = *m_ui;
    QDialog &w = *m_window;
    u.Modified_image->setMinimumSize(m_viewSize);
    // A hidden dialog is fitted when it is shown (a size set before would not hold).
    const QScreen *screen = w.screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    if (room.isEmpty() || !w.isVisible())
        return;
    // The frame the window manager adds; none yet while the dialog is being shown: a title bar's.
    QSize frame = w.frameGeometry().size() - w.size();
    if (frame.height() <= 0)
        frame = QSize(0, kTitleBarRoom);
    if (!u.Crop_Screen_Box->isHidden()) {
        const QSize least = w.minimumSizeHint() + frame;
        QSize view = m_viewSize;
        if (least.height() > room.height())
            view.setHeight(std::max(view.height() - (least.height() - room.height()), view.height() / 3));
        if (least.width() > room.width())
            view.setWidth(std::max(view.width() - (least.width() - room.width()), view.width() / 3));
        u.Modified_image->setMinimumSize(view);
    }
    w.resize(w.minimumSizeHint());
    // A dialog that grew keeps its whole frame on the screen.
    const QRect f = w.frameGeometry();
    const int dx = f.right() > room.right() ? room.right() - f.right() : 0;
    const int dy = f.bottom() > room.bottom() ? room.bottom() - f.bottom() : 0;
    w.move(std::max(f.left() + dx, room.left()), std::max(f.top() + dy, room.top()));
}

void Cropping_Tool::input_option_CellClick()
{
    const int row = inputRow();
    m_ui->File_Box->setEnabled(row == 0);
    m_ui->Folder_Box->setEnabled(row == 1);
    m_ui->Camera_Box->setEnabled(row == 2);
}

void Cropping_Tool::output_option_CellClick()
{
    m_ui->output_custom_name->setEnabled(m_output->checkedId() == 1);
}

void Cropping_Tool::Set_Default_Cropping_Option()
{
    Ui::Cropping_Tool &u = *m_ui;
    u.crop_manual_radio->setChecked(true);
    u.cropping_wid_size->setEnabled(false);
    u.aspect_ratio_chk->setChecked(false);
    const QSignalBlocker w(u.width_Stepper), h(u.height_Stepper);
    u.width_Stepper->setValue(50);
    u.height_Stepper->setValue(50);
    u.width_Text->setText(QStringLiteral("50"));
    u.height_Text->setText(QStringLiteral("50"));
}

void Cropping_Tool::cropping_option_CellClick()
{
    Ui::Cropping_Tool &u = *m_ui;
    u.Modified_image->setPicture(User_Picture);
    if (manualCrop()) {
        showSelection();
        u.cropping_wid_size->setEnabled(false);
    } else {
        for (MSSSelector *s : m_canvas->selectors())
            s->Set_selector_show_or_not(false);
        m_canvas->markAllUnselected(true);
        if (MSSSelector *current = m_canvas->currentSelector())
            current->Set_selector_show_or_not(false);
        u.cropping_wid_size->setEnabled(true);
    }
    m_canvas->view()->update();
}

bool Cropping_Tool::Size_Typing_Ended()
{
    Ui::Cropping_Tool &u = *m_ui;
    return platform::endTyping({u.width_Text, u.height_Text}) && u.width_Stepper->endTyping() &&
           u.height_Stepper->endTyping();
}

void Cropping_Tool::File_Browse_Clicked()
{
    platform::OpenPanelRequest request;
    ImageToolsSources *sources = ImageToolsSources::current();
    request.extensions = sources ? sources->host->Allowd_Image_fileTypes() : QStringList();
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (!chosen.isEmpty())
        m_ui->file_path->setText(chosen.first());
}

void Cropping_Tool::Folder_Browse_Clicked()
{
    platform::OpenPanelRequest request;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (!chosen.isEmpty())
        m_ui->folder_path->setText(chosen.first());
}

void Cropping_Tool::Output_Browse_Clicked()
{
    platform::OpenPanelRequest request;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (!chosen.isEmpty())
        m_ui->output_path->setText(chosen.first());
}

void Cropping_Tool::Open_Output_Folder_Clicked()
{
    platform::openWithDefaultApplication(m_ui->output_path->text());
}
