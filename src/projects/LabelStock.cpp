// Label stock of the main window's card size panel: the vendor catalogue read into the product list
// and the chosen product's label size into the size fields.

#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"

#include "core/Messages.h"
#include "design/PropertySidebar.h"
#include "outputjobs/LabelCatalogue.h"
#include "platform/Stepper.h"
#include "design/DesignController.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <exception>

int ProjectsController::Read_XML_File(const QString &path, const QString &, const QString &vendor, bool)
{
    QComboBox *products = hub.design().sidebar().Label_Stock_Products();
    prod_list.clear();
    QStringList items;
    if (products)
        for (int i = 0; i < products->count(); ++i)
            items << products->itemText(i);
    const int before = int(items.size());
    labelstock::CatalogueRead read = labelstock::Read_Catalogue(path, vendor, items);
    prod_list = std::move(read.products);
    if (products) {
        const QSignalBlocker block(products);
        const int selected = products->currentIndex();
        products->addItems(read.items.mid(before));
        products->setCurrentIndex(selected);
    }
    return int(prod_list.size());
}

void ProjectsController::Read_Selected_Product_Label_Value()
{
    DesignController &dsg = hub.design();
    try {
        const QComboBox *products = dsg.sidebar().Label_Stock_Products();
        if (prod_list.empty() || !products)
            return;
        const int index = products->currentIndex();
        if (index < 0 || index >= int(prod_list.size()))
            return;
        // The sizes are millimetres: shown in the design unit, as the other card size writers do,
        // so that the fields never show millimetres under another unit's label.
        const QSizeF mm = labelstock::Label_Size_MM(prod_list.at(size_t(index)));
        dsg.sidebar().Set_Card_Size_In_Control(mm.width(), mm.height());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
