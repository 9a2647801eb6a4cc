#pragma once
// Vendor catalogues of label stock: one XML file per vendor in "Formats/pages" of the resources.
// The reader takes every product element into a Product_Details record and names it for the
// product-number list.

#include "outputjobs/Product_Details.h"

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
// the label size out of the master panel and sheet grid. A missing file reads nothing; a file that is
// not well-formed gives the products closed before the fault (the parser's message is logged once).
// A product whose fields do not hold (Product_Fault) is left out with a log line naming file and
// product, so that item i of the list always belongs to record i.
CatalogueRead Read_Catalogue(const QString &path, const QString &vendor, const QStringList &items = {});

// Why a product cannot be laid out: a length given that is not a finite number of at least 0, or a
// row or column count given that is not a whole number of at least 1. Empty when it can be.
QString Product_Fault(const Product_Details &product);

// The vendor list of every host: "Custom" followed by the catalogue names (file names without their
// "xml" extension, any case), sorted by name.
QStringList Vendor_Names(const QString &resourcePath);
// The catalogue file of a vendor.
QString Catalogue_Path(const QString &resourcePath, const QString &vendor);

// Divisor that turns a length in the unit into millimetres: "emu" 36000, "mm" 1, "in" 0.0393701,
// "cm" 0.1; any other unit counts as millimetres.
float Unit_Divisor(const QString &unit);
// The label size of a product in millimetres (a missing length reads as 0).
QSizeF Label_Size_MM(const Product_Details &product);

// A catalogue product laid out for the print window's predefined-layout page: every text as the page
// shows it, the numbers its steppers take, and the page in whole points.
struct PredefinedLayout {
    QString cols, rows;                 // the catalogue's texts ("1" each for one label per sheet)
    int colsValue = 1, rowsValue = 1;
    QString leftMargin, topMargin;      // "%.2f" mm
    double horzGap = 0, vertGap = 0, labelWidth = 0, labelHeight = 0;   // mm
    QString orientation;                // "Landscape" when the page is wider than high, else "Portrait"
    QString pageSize;                   // "%.2f x %.2f"
    QString pageWidth, pageHeight;      // "%.2f"
    QString paperName;                  // the known paper of that size, else "Custom"
    QString layoutGroup;                // layout group + " - " + product identifier
    QString description;
    double pageWidthPoints = 0, pageHeightPoints = 0;   // each rounded up to a whole point
};
// paperName: the paper-name look-up of the print window (width and height texts "%.2f" mm).
PredefinedLayout Predefined_Layout(const Product_Details &product,
                                   QString (*paperName)(const QString &width, const QString &height));

} // namespace labelstock
