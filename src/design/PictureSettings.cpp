// The picture services of the sidebar's picture panel: the picture with its settings.

#include "design/PictureSettings.h"

#include "imaging/ImageProcesser.h"
#include "model/SKTGraphic.h"

platform::Picture Apply_Image_Settings(const SKTGraphic &g)
{
    return ImageProcesser::Get_Processed_Image_Full_Combined(
        g._contents, g.gray_Scale, g.Sepia, g.invert_clr, g.hue_val, g.sat_val, g.brt_val, g.con_val,
        int(g.rotate_image), g.srp_val, g.ev_val, g.blr_val, g.img_trnsp_val, true, g._isFlippedHorizontally,
        g._isFlippedVertically, false, g._bounds);
}
