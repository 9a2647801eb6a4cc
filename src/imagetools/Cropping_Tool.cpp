#include "imagetools/Cropping_Tool.h"

#include "imagetools/ImageToolsSources.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "imaging/CropInputs.h"
#include "imaging/CropSource.h"
#include "imaging/ImageForPath.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "io/SeriesStore.h"
#include "platform/Dialogs.h"
#include "ui_Cropping_Tool.h"

#include <QButtonGroup>
#include <QDialog>
#include <QFileInfo>

Cropping_Tool *Cropping_Tool::defaultInstance()
{
    static Cropping_Tool tool;
    return &tool;
}

Cropping_Tool::Cropping_Tool() = default;
Cropping_Tool::~Cropping_Tool() = default;

int Cropping_Tool::Open_Wnd_Direct_To_Crop(const QString &imagePath)
{
    crop_direct = 1;
    resetForOpening();
    Ui::Cropping_Tool &u = *m_ui;
    u.Main_Screen_Box->hide();
    u.Crop_Screen_Box->show();
    u.button_box->hide();
    u.crop_btn->hide();
    u.Open_Folder_Btn->hide();
    u.ColList->hide();
    u.Crop_direct_Btn->show();
    u.Close_direct_Btn->show();
    Crop_Input_Path = imagePath;
    m_viewSize = crop_box_size;
    if (!Load_for_Next_Screen())
        return 0;
    const int code = platform::runModal(*m_window);
    m_window->hide();
    return code;
}

int Cropping_Tool::inputRow() const
{
    return std::max(0, m_input->checkedId());
}

bool Cropping_Tool::manualCrop() const
{
    return m_cropping->checkedId() != 1;
}

void Cropping_Tool::resetForOpening()
{
    buildWindow();
    Ui::Cropping_Tool &u = *m_ui;
    crop_num = 0;
    Crop_Direct_Path.clear();
    Crop_Rect = QRectF();
    u.output_custom_name->setText(QStringLiteral("Untitled"));
    u.Next_Btn->setEnabled(true);
    u.Back_Btn->setEnabled(false);
    ListData.clear();
    u.output_format_combo->setCurrentIndex(0);
    u.input_file_radio->setChecked(true);
    u.output_own_radio->setChecked(true);
    u.crop_manual_radio->setChecked(true);
    u.batch_new_radio->setChecked(true);
    m_canvas->removeAllSelectorsFromCanvas();
    u.file_path->clear();
    u.folder_path->clear();
    u.output_path->clear();
    User_Picture = platform::Picture();
    u.Modified_image->setPicture(User_Picture);
    u.capture_saved_image->setPicture(User_Picture);
    m_viewSize = image_frame_size;
    input_option_CellClick();
    Set_Default_Cropping_Option();
    u.output_custom_name->setEnabled(false);
    u.camera_list->clear();
    u.camera_list->addItem(combo_first_Select);
    u.camera_list->addItems(series_store::names());
    u.Main_Screen_Box->show();
    u.Crop_Screen_Box->hide();
    u.button_box->show();
    u.crop_btn->show();
    u.crop_all_btn->show();
    u.Open_Folder_Btn->show();
    u.Crop_direct_Btn->hide();
    u.Close_direct_Btn->hide();
    fitWindow();
}

int Cropping_Tool::Open_Wnd()
{
    crop_direct = 0;
    resetForOpening();
    const int code = platform::runModal(*m_window);
    m_window->hide();
    return code;
}

void Cropping_Tool::OK_Btn_Clicked()
{
    Ui::Cropping_Tool &u = *m_ui;
    croped_file.clear();
    QString input;
    switch (inputRow()) {
    case 0:
        input = Trim_Str(u.file_path->text());
        if (input.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select input image file path."));
            return;
        }
        // A file that is no picture is said now, with the reader's reason, not at the crop.
        if (const QString unreadable = crop::unreadablePicture(input); !unreadable.isEmpty()) {
            Show_MessageBox(unreadable);
            return;
        }
        u.ColList->hide();
        break;
    case 1:
        input = Trim_Str(u.folder_path->text());
        if (input.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select input folder path."));
            return;
        }
        u.ColList->show();
        break;
    default:
        if (u.camera_list->currentIndex() > 0)
            input = Trim_Str(u.camera_list->currentText());
        if (input.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select batch series."));
            return;
        }
        u.ColList->show();
        break;
    }
    Crop_Input_Path = input;
    Crop_Output_Path = Trim_Str(u.output_path->text());
    if (Crop_Output_Path.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select output folder path."));
        return;
    }
    if (m_output->checkedId() == 1 && Trim_Str(u.output_custom_name->text()).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select output file custom name."));
        return;
    }
    Load_for_Next_Screen();
}

bool Cropping_Tool::Load_for_Next_Screen()
{
    Ui::Cropping_Tool &u = *m_ui;
    u.Croping_option_Box->setVisible(crop_direct != 1);
    ListData.clear();
    m_seriesLines.clear();
    m_seriesLineOfRow.clear();
    switch (inputRow()) {
    case 0:
        u.crop_btn->setVisible(crop_direct == 0);
        u.crop_all_btn->hide();
        Create_List(Crop_Input_Path);
        Load_Image_File(Crop_Input_Path);
        break;
    case 1: {
        crop_num = 0;
        u.crop_btn->show();
        u.crop_all_btn->show();
        // The main window's accepted types: every image command takes the same files.
        const ImageToolsSources *sources = ImageToolsSources::current();
        const QStringList types = sources ? sources->host->Allowd_Image_fileTypes() : QStringList();
        for (const QString &path : crop::folderImages(u.folder_path->text(), types))
            Create_List(path);
        if (ListData.isEmpty()) {
            Back_Btn_Clicked();
            Show_MessageBox(QStringLiteral("The selected folder does not contains any image with supported extension."));
            return false;
        }
        Crop_Input_Path = Get_Item_Text(0);
        Load_Image_File(Crop_Input_Path);
        break;
    }
    default: {
        u.crop_btn->hide();
        u.crop_all_btn->setVisible(crop_direct != 2);
        if (u.camera_list->currentIndex() > 0)
            Load_file_Func(u.camera_list->currentText());
        if (ListData.isEmpty()) {
            Back_Btn_Clicked();
            Show_MessageBox(QStringLiteral("The selected series does not contains any image with supported extension."));
            return false;
        }
        const QString question = m_batch->checkedId() == 1
            ? QStringLiteral("This action will replace selected batch series items with all new cropped images.\nAre you sure you want to continue?")
            : QStringLiteral("This action will create new batch series with all new cropped images.\nAre you sure you want to continue?");
        if (crop_direct == 0 && Show_YES_NO_MessageBox(question) != 1)
            return false;
        Crop_Input_Path = Get_Item_Text(0);
        Load_Image_File(Crop_Input_Path);
        break;
    }
    }
    u.Next_Btn->setEnabled(false);
    u.Back_Btn->setEnabled(true);
    u.Main_Screen_Box->hide();
    u.Crop_Screen_Box->show();
    fitWindow();
    if (manualCrop())
        showSelection();
    return true;
}

void Cropping_Tool::showSelection()
{
    if (!m_canvas->hasSelectors() || !m_canvas->hasSelector())
        m_canvas->addSelectorWithFrame(QRectF(10, 10, 100, 100));
    QRectF last;
    for (MSSSelector *s : m_canvas->selectors()) {
        s->Set_selector_show_or_not(true);
        last = s->frame();
    }
    m_canvas->markAllSelected(true);
    if (MSSSelector *current = m_canvas->currentSelector()) {
        current->Set_Selector_frame(last);
        current->Set_selector_show_or_not(true);
    }
}

QSizeF Cropping_Tool::originalImageRatio() const
{
    return m_ui->Modified_image->imageRatio();
}

void Cropping_Tool::Load_Image_File(const QString &path)
{
    Ui::Cropping_Tool &u = *m_ui;
    User_Picture = QFileInfo(path).isFile() ? Get_Image_For_Path(path, false, false) : platform::Picture();
    u.Modified_image->setPicture(User_Picture);
    u.capture_saved_image->setPicture(User_Picture);
    if (User_Picture.isNull() || !manualCrop())
        return;
    if (!m_canvas->hasSelectors() || !m_canvas->hasSelector())
        m_canvas->addSelectorWithFrame(QRectF(10, 10, 100, 100));
    MSSSelector *current = m_canvas->currentSelector();
    current->Set_selector_show_or_not(true);
    const std::optional<QRectF> moved = crop::movedSelectionFrame(
        current->frame(), originalImageRatio(), User_Picture.size(), m_canvas->canvasFrame().size());
    if (moved) {
        m_canvas->addSelectorWithFrame(*moved);
        m_canvas->currentSelector()->Set_selector_show_or_not(true);
    }
}

void Cropping_Tool::Back_Btn_Clicked()
{
    Ui::Cropping_Tool &u = *m_ui;
    u.Next_Btn->setEnabled(true);
    u.Back_Btn->setEnabled(false);
    // One screen at a time: both shown at once would stretch the dialog to hold both.
    u.Crop_Screen_Box->hide();
    u.Main_Screen_Box->show();
    fitWindow();
    if (MSSSelector *current = m_canvas->currentSelector())
        current->Set_selector_show_or_not(false);
}

void Cropping_Tool::Cancel_Btn_Clicked()
{
    m_window->done(0);
}
