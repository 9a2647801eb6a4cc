#pragma once
// Vendor catalogues of label stock: one XML file per vendor in "Formats/pages" of the resources.
// The reader takes every product element into a Product_Details record and names it for the
// product-number list.

#include "projects/Product_Details.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace labelstock {

struct CatalogueRead {
    std::vector<Product_Details> products;   // in document order
    QStringList items;                       // the product-number list after the read
};

// Reads the catalogue at path. items: the product-number list before the read (a number already
// listed is added again followed by " - " and the product's identifier). A non-empty vendor keeps
// the label size out of the master panel and sheet grid. A missing or malformed file reads nothing.
CatalogueRead Read_Catalogue(const QString &path, const QString &vendor, const QStringList &items = {});

// "Custom" followed by the catalogue names (file names without their "xml" extension, any case),
// sorted by name.
QStringList Vendor_Names(const QString &resourcePath);
// The catalogue file of a vendor.
QString Catalogue_Path(const QString &resourcePath, const QString &vendor);

// Divisor that turns a length in the unit into millimetres: "emu" 36000, "mm" 1, "in" 0.0393701,
// "cm" 0.1; any other unit counts as millimetres.
float Unit_Divisor(const QString &unit);
// The label size of a product in millimetres (a missing length reads as 0).
QSizeF Label_Size_MM(const Product_Details &product);

} // namespace labelstock
