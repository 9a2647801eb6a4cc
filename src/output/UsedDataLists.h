#pragma once
// The lists of the series and spreadsheet columns a design uses, from which the export dialogs name
// their files.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QComboBox;
class SKTGraphic;

namespace useddata {

// A dialog's lists, and its rule for a name the list already holds (or that names nothing).
struct Lists {
    QComboBox *Series = nullptr;       // series names
    QComboBox *Columns = nullptr;      // column titles
    QComboBox *Column_Index = nullptr; // each title's column number, counted from 1
    std::function<bool(const QString &)> Series_Held;
    std::function<bool(const QString &)> Column_Held;
};

// Adds the series and the columns that the printed texts, images and barcodes of the front are bound
// to (a barcode's header and footer too), while the design uses series or columns. A series
// whose file is gone, and a column past the titles, are left out.
void Fill_Used_Data_Lists(const Lists &lists, const QList<std::shared_ptr<SKTGraphic>> &front,
                          const QStringList &columnTitles);

} // namespace useddata
