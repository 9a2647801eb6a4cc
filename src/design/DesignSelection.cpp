#include "design/DesignSelection.h"

#include "core/Messages.h"
#include "design/DesignParts.h"
#include "design/DesignSources.h"
#include "model/SKTDocument.h"
#include "model/SKTImage.h"

DesignSelection::DesignSelection(DesignController &design) : design(design) {}

std::shared_ptr<SKTGraphic> DesignSelection::Get_Selected_Graphic() const
{
    if (std::shared_ptr<SKTGraphic> current = _Selected_Graphic.lock())
        return current;
    const SKTGraphicList selection = Selected_Graphic_Objects();
    return selection.isEmpty() ? nullptr : selection.first();
}

SKTGraphicList DesignSelection::Get_Front_Controls_Array() const
{
    const SKTDocument *document = sourcesOf(design).host->document();
    return document ? document->graphics() : SKTGraphicList();
}

int DesignSelection::Get_Front_Control_Count() const { return int(Get_Front_Controls_Array().size()); }

void DesignSelection::Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic) { _Selected_Graphic = graphic; }

bool DesignSelection::Check_Multiple_Image_Selection(const QString &word)
{
    int pictures = 0;
    for (const std::shared_ptr<SKTGraphic> &g : Selected_Graphic_Objects())
        if (g && g->isExactly<SKTImage>())
            ++pictures;
    if (pictures < 2)
        return false;
    Show_MessageBox(QStringLiteral("Please select only one image control to '%1 Image'.").arg(word));
    return true;
}
