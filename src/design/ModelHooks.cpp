// The services that the card objects reach without knowing the window: installed by the window's
// controller at start-up, taken away with it. The picture services show on the picture page
// whether the picture could be shown.

#include "design/DesignController.h"

#include "design/PictureSettings.h"
#include "design/PropertySidebar.h"
#include "design/panels/ImagePanel.h"
#include "imagetools/ImageForPath.h"
#include "model/SKTImage.h"
#include "platform/GuiThread.h"

#include <QFileInfo>
#include <QLabel>

namespace {
// The controller whose services the card objects use.
DesignController *hooksOwner = nullptr;
} // namespace

void DesignController::Install_Model_Hooks()
{
    hooksOwner = this;
    SKTPictureHooks hooks;
    hooks.Get_Image_For_Path = [](const QString &path) { return Get_Image_For_Path(path, false, false); };
    hooks.Get_Image_With_Update_Settings = [this](const SKTGraphic &graphic) {
        return Get_Image_With_Update_Settings(graphic);
    };
    hooks.Reset_Image_Editing_Controls = [this] { Reset_Image_Editing_Controls(); };
    SKTImage::setPictureHooks(std::move(hooks));
}

void DesignController::Remove_Model_Hooks()
{
    if (hooksOwner != this)
        return;
    hooksOwner = nullptr;
    SKTImage::setPictureHooks({});
}

platform::Picture DesignController::Get_Image_With_Update_Settings(const SKTGraphic &graphic)
{
    const platform::Picture result = Apply_Image_Settings(graphic);
    // The label is a widget: only the GUI thread shows or hides it.
    PropertySidebar &pages = sidebar();
    if (pages.image_tab && platform::isGuiThread()) {
        const QSizeF size = result.size();
        const bool fine = !result.isNull() && !(size.width() == 0 && size.height() == 0) &&
                          !graphic._file_path.isEmpty() && QFileInfo::exists(graphic._file_path);
        pages.imagePanel()->image_error_label->setHidden(fine);
    }
    return result;
}

void DesignController::Reset_Image_Editing_Controls()
{
    if (sidebar().image_tab)
        sidebar().imagePanel()->Reset_Image_Editing_Controls();
}
