#pragma once
// What batch output of the Barcode mode reads, copied on the GUI thread when an output job starts:
// the generation snapshot, where each record's value, header and footer come from, the value list
// and print grid (shared, not copied), the series items, the counts and the current model's
// picture. The pictures of records and labels are made from it on any thread, while the user goes
// on editing the window; nothing here touches the window.

#include "barcodemode/GenerationCore.h"
#include "barcodemode/GenerationSnapshot.h"
#include "barcodemode/PrintGrid.h"
#include "io/ValueRecord.h"
#include "platform/Picture.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct BarcodeBatchSnapshot {
    GenerationSnapshot generation;

    // The record source: the batch box, the radio pair (series or value list) and which fields
    // come from the record; the others are the typed value (the 2D view in 2D mode), header and
    // footer.
    bool batchOn = false;
    bool fromSeries = false;
    bool valueFromBatch = false;
    bool headerFromBatch = false;
    bool footerFromBatch = false;
    QString typedValue;
    QString typedHeader;
    QString typedFooter;

    QList<ValueRecord> list;   // the value list, one record per batch record
    PrintGrid grid;            // one record per label, from the last grid build
    QStringList valueItems;    // the items of the three chosen series, item n for record n; none unchosen
    QStringList headerItems;
    QStringList footerItems;

    // Records of the batch, and labels counting print quantities (the bounds of the requests).
    int recordCount = 1;
    int labelCount = 1;

    // What a request past the bounds answers: the picture of the window's current linear model.
    platform::Picture currentModelPicture;

    // Batch values are in use: the batch box and at least one of the three field boxes.
    bool usesBatchValues() const { return batchOn && (valueFromBatch || headerFromBatch || footerFromBatch); }
};

namespace barcode_batch {

// A print quantity as a count of labels: the leading number of the trimmed text, 0 for a text
// without one or a negative number.
int printQuantity(const QString &pq);

// The records of the batch: the items of the longest ticked and chosen series from series, the value-list
// rows from the list; 1 when batch values are not in use.
int batchCount(const BarcodeBatchSnapshot &s);
// The labels: the batch count from series; otherwise the print quantities of the first batch-count
// value-list rows summed in 64 bits and capped at the int maximum; 1 without batch values and
// without rows.
int totalCountWithPQ(const BarcodeBatchSnapshot &s);
// Fills the two counts from the snapshot's own contents.
void count(BarcodeBatchSnapshot &s);

// The value, header and footer of label index of the grid, or of record index, before trimming;
// nothing for an index outside the records.
struct Fields {
    QString value, header, footer;
};
std::optional<Fields> gridFields(const BarcodeBatchSnapshot &s, int index);
std::optional<Fields> recordFields(const BarcodeBatchSnapshot &s, int index);

// The framing half of a request: the picture of what the generation built, or none.
platform::Picture framedPicture(const GenerationSnapshot &s, barcode_generation::Built &built);

// The picture of label index of the print grid (bound: the label count), or of record index
// (bound: the record count). Past the bound the current model's picture; none for a record
// outside the snapshot, an empty trimmed value, a value the engine refuses or a failed 2D drawing.
platform::Picture imageFromGrid(const BarcodeBatchSnapshot &s, int index);
platform::Picture imageFromList(const BarcodeBatchSnapshot &s, int index);

} // namespace barcode_batch
