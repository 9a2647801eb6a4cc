// Label stock of the main window's card size panel: the vendor catalogue read into the product list
// and the chosen product's label size into the size fields.

#include "projects/ProjectsController.h"

#include "core/Messages.h"
#include "outputjobs/LabelCatalogue.h"
#include "projects/ProjectsSources.h"

#include <exception>

int ProjectsController::Read_XML_File(const QString &path, const QString &, const QString &vendor, bool)
{
    prod_list.clear();
    const QStringList items = design().Label_Stock_Product_Items();
    const int before = int(items.size());
    labelstock::CatalogueRead read = labelstock::Read_Catalogue(path, vendor, items);
    prod_list = std::move(read.products);
    design().Add_Label_Stock_Products(read.items.mid(before));
    return int(prod_list.size());
}

void ProjectsController::Read_Selected_Product_Label_Value()
{
    try {
        if (prod_list.empty())
            return;
        const int index = design().Label_Stock_Product_Index();
        if (index < 0 || index >= int(prod_list.size()))
            return;
        // The sizes are millimetres: shown in the design unit, as the other card size writers do,
        // so that the fields never show millimetres under another unit's label.
        const QSizeF mm = labelstock::Label_Size_MM(prod_list.at(size_t(index)));
        design().Set_Card_Size_In_Control(mm.width(), mm.height());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
