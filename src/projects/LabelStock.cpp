// Label stock of the main window's card size panel: the vendor catalogue read into the product list
// and the chosen product's label size into the size fields.

#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "platform/Stepper.h"
#include "projects/LabelCatalogue.h"
#include "design/DesignController.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <exception>

int ProjectsController::Read_XML_File(const QString &path, const QString &, const QString &vendor, bool)
{
    DesignController &dsg = hub.design();
    prod_list.clear();
    QStringList items;
    if (dsg.Product_num_ComboBox)
        for (int i = 0; i < dsg.Product_num_ComboBox->count(); ++i)
            items << dsg.Product_num_ComboBox->itemText(i);
    const int before = int(items.size());
    labelstock::CatalogueRead read = labelstock::Read_Catalogue(path, vendor, items);
    prod_list = std::move(read.products);
    if (dsg.Product_num_ComboBox) {
        const QSignalBlocker block(dsg.Product_num_ComboBox);
        const int selected = dsg.Product_num_ComboBox->currentIndex();
        dsg.Product_num_ComboBox->addItems(read.items.mid(before));
        dsg.Product_num_ComboBox->setCurrentIndex(selected);
    }
    return int(prod_list.size());
}

void ProjectsController::Read_Selected_Product_Label_Value()
{
    DesignController &dsg = hub.design();
    try {
        if (prod_list.empty() || !dsg.Product_num_ComboBox)
            return;
        const int index = dsg.Product_num_ComboBox->currentIndex();
        if (index < 0 || index >= int(prod_list.size()))
            return;
        const QSizeF mm = labelstock::Label_Size_MM(prod_list.at(size_t(index)));
        const auto put = [](QLineEdit *field, platform::Stepper *stepper, double value) {
            if (field)
                field->setText(QString::number(float(value)));
            if (stepper)
                stepper->setDoubleValue(value);
        };
        put(dsg.width_Text, dsg.width_Stepper, mm.width());
        put(dsg.height_Text, dsg.height_Stepper, mm.height());
        // The sizes are millimetres: convert from there into the design unit, as the other card
        // size writers do, so that the fields never show millimetres under another unit's label.
        last_unit_val = 2;
        dsg.Apply_unit_Chaneg_Values();
        last_unit_val = Measument_Unit_Is;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
