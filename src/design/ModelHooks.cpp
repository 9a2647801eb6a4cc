// The services that the card objects reach without knowing the window: installed by the window's
// controller at start-up, taken away with it.

#include "design/DesignController.h"

#include "imagetools/ImageForPath.h"
#include "model/SKTImage.h"

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
