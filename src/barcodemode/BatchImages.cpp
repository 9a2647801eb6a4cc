// Batch pictures of the Barcode mode for printing, PDF export, image export and mail: the batch
// snapshot taken from the window on the GUI thread, and the requests that read only a snapshot.

#include "barcodemode/BarcodeModeController.h"

#include "barcodemode/BatchSnapshot.h"
#include "core/Messages.h"
#include "engines/render/NKDBarcodeImage.h"
#include "platform/GuiThread.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    if (!combo)
        return items;
    items.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The items of a field's series, none while no series is chosen in its name combo (its item combo
// may still hold what an earlier choice left).
QStringList seriesItemsOf(const QComboBox *names, const QComboBox *items)
{
    return names && names->currentIndex() > 0 ? itemsOf(items) : QStringList();
}

} // namespace

std::shared_ptr<const BarcodeBatchSnapshot> BarcodeModeController::makeBatchSnapshot()
{
    auto s = std::make_shared<BarcodeBatchSnapshot>();
    s->generation = generationSnapshot();
    s->generation.quickPreview = false;   // output is always made at the output resolution
    s->batchOn = ticked(data_source_chkbox);
    s->fromSeries = Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked();
    s->valueFromBatch = ticked(barcode_value_chk);
    s->headerFromBatch = ticked(barcode_header_chk);
    s->footerFromBatch = ticked(barcode_footer_chk);
    s->typedValue = currentValue();
    s->typedHeader = HeaderText ? HeaderText->text() : QString();
    s->typedFooter = FooterText ? FooterText->text() : QString();
    s->list = ListData_barcode;   // shared with the window's list until either changes
    s->grid = List_Barcode_Grid_Value;
    s->valueItems = seriesItemsOf(val_combo_list, val_combo_value);
    s->headerItems = seriesItemsOf(hdr_combo_list, hdr_combo_value);
    s->footerItems = seriesItemsOf(ftr_combo_list, ftr_combo_value);
    barcode_batch::count(*s);
    if (testBarcode)
        s->currentModelPicture = imageFromBarcode(testBarcode.get());
    return s;
}

std::shared_ptr<const BarcodeBatchSnapshot> BarcodeModeController::Take_Batch_Snapshot()
{
    std::shared_ptr<const BarcodeBatchSnapshot> snapshot = makeBatchSnapshot();
    const std::lock_guard<std::mutex> lock(batchSnapshotMutex);
    jobBatchSnapshot = snapshot;
    return snapshot;
}

void BarcodeModeController::Release_Batch_Snapshot()
{
    const std::lock_guard<std::mutex> lock(batchSnapshotMutex);
    jobBatchSnapshot.reset();
}

std::shared_ptr<const BarcodeBatchSnapshot> BarcodeModeController::requestSnapshot(const char *request)
{
    {
        const std::lock_guard<std::mutex> lock(batchSnapshotMutex);
        if (jobBatchSnapshot)
            return jobBatchSnapshot;
    }
    if (platform::isGuiThread())
        return makeBatchSnapshot();
    // A worker cannot read the window: without the job's snapshot there is nothing to draw from.
    Show_NSLog_Message(QStringLiteral("%1: no batch snapshot was taken for this output job.").arg(QLatin1String(request)));
    return nullptr;
}

int BarcodeModeController::Get_Total_Count_With_PQ()
{
    const std::shared_ptr<const BarcodeBatchSnapshot> s = requestSnapshot("Get_Total_Count_With_PQ");
    return s ? s->labelCount : 0;
}

platform::Picture BarcodeModeController::Get_Image_From_Barcode_Grid(int index)
{
    const std::shared_ptr<const BarcodeBatchSnapshot> s = requestSnapshot("Get_Image_From_Barcode_Grid");
    return s ? barcode_batch::imageFromGrid(*s, index) : platform::Picture();
}

platform::Picture BarcodeModeController::Get_Image_From_List_Val(int index)
{
    const std::shared_ptr<const BarcodeBatchSnapshot> s = requestSnapshot("Get_Image_From_List_Val");
    return s ? barcode_batch::imageFromList(*s, index) : platform::Picture();
}
