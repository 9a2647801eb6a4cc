#include "barcodemode/BatchSnapshot.h"

#include "io/ValueListRules.h"
#include "core/Messages.h"
#include "core/Utilities.h"

#include <algorithm>
#include <climits>
#include <exception>

namespace barcode_batch {

int printQuantity(const QString &pq) { return std::max(0, value_list::leadingInt(Trim_Str(pq))); }

int batchCount(const BarcodeBatchSnapshot &s)
{
    if (!s.usesBatchValues())
        return 1;
    if (!s.fromSeries)
        return int(s.list.size());
    // The longest ticked series, as the print grid counts its rows: an unticked field's combo
    // holds whatever it held when it was hidden.
    qsizetype rows = 0;
    if (s.valueFromBatch)
        rows = std::max(rows, s.valueItems.size());
    if (s.headerFromBatch)
        rows = std::max(rows, s.headerItems.size());
    if (s.footerFromBatch)
        rows = std::max(rows, s.footerItems.size());
    return int(rows);
}

int totalCountWithPQ(const BarcodeBatchSnapshot &s)
{
    const int n = batchCount(s);
    if (s.fromSeries)
        return n;
    // Without batch values the first row's quantity is the count; with no row, one label.
    if (!s.usesBatchValues() && s.list.isEmpty())
        return 1;
    const qsizetype rows = std::min<qsizetype>(n, s.list.size());
    qint64 sum = 0;
    for (qsizetype i = 0; i < rows && sum < INT_MAX; ++i)
        sum += printQuantity(s.list.at(i).value(value_list::kPQ));
    return int(std::min<qint64>(sum, INT_MAX));
}

void count(BarcodeBatchSnapshot &s)
{
    s.recordCount = batchCount(s);
    s.labelCount = totalCountWithPQ(s);
}

namespace {

QString fieldOf(const ValueRecord &record, const QString &key, bool fromBatch, const QString &typed)
{
    return fromBatch ? record.value(key) : typed;
}

QString seriesItem(const QStringList &items, int index, bool fromBatch, const QString &typed)
{
    if (!fromBatch)
        return typed;
    return index < items.size() ? items.at(index) : QString();
}

std::optional<Fields> seriesFields(const BarcodeBatchSnapshot &s, int index)
{
    if (index < 0)
        return std::nullopt;
    return Fields{seriesItem(s.valueItems, index, s.valueFromBatch, s.typedValue),
                  seriesItem(s.headerItems, index, s.headerFromBatch, s.typedHeader),
                  seriesItem(s.footerItems, index, s.footerFromBatch, s.typedFooter)};
}

std::optional<Fields> listFields(const BarcodeBatchSnapshot &s, const ValueRecord &record)
{
    return Fields{fieldOf(record, value_list::kValue, s.valueFromBatch, s.typedValue),
                  fieldOf(record, value_list::kHeader, s.headerFromBatch, s.typedHeader),
                  fieldOf(record, value_list::kFooter, s.footerFromBatch, s.typedFooter)};
}

platform::Picture imageOf(const BarcodeBatchSnapshot &s, int index, int bound, const std::optional<Fields> &fields)
{
    if (index >= bound)
        return s.currentModelPicture;
    if (!fields)
        return {};
    const QString value = Trim_Str(fields->value);
    if (value.isEmpty())
        return {};
    barcode_generation::Built built =
        barcode_generation::build(s.generation, value, Trim_Str(fields->header), Trim_Str(fields->footer));
    return framedPicture(s.generation, built);
}

} // namespace

std::optional<Fields> gridFields(const BarcodeBatchSnapshot &s, int index)
{
    if (s.fromSeries)
        return seriesFields(s, index);
    const std::optional<ValueRecord> record = s.grid.record(index);
    if (!record)
        return std::nullopt;
    return listFields(s, *record);
}

std::optional<Fields> recordFields(const BarcodeBatchSnapshot &s, int index)
{
    if (s.fromSeries)
        return seriesFields(s, index);
    if (index < 0 || index >= s.list.size())
        return std::nullopt;
    return listFields(s, s.list.at(index));
}

platform::Picture framedPicture(const GenerationSnapshot &s, barcode_generation::Built &built)
{
    try {
        if (built.twoD && (s.family != 1 || built.symbol.isNull()))
            return {};
        return barcode_generation::frame(s, built).picture;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

platform::Picture imageFromGrid(const BarcodeBatchSnapshot &s, int index)
{
    try {
        return imageOf(s, index, s.labelCount, index < s.labelCount ? gridFields(s, index) : std::nullopt);
    } catch (const std::exception &) {
        return {};
    }
}

platform::Picture imageFromList(const BarcodeBatchSnapshot &s, int index)
{
    try {
        return imageOf(s, index, s.recordCount, index < s.recordCount ? recordFields(s, index) : std::nullopt);
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace barcode_batch
