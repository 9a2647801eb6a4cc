#include "output/UsedDataLists.h"

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Utilities.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "output/OutputController.h"

#include <QComboBox>
#include <QDir>

namespace useddata {

void Fill_Used_Data_Lists(const Lists &lists, const QList<std::shared_ptr<SKTGraphic>> &front,
                          const QStringList &columnTitles)
{
    auto addSeries = [&](const QString &name) {
        const QString trimmed = Trim_Str(name);
        if (trimmed.isEmpty() || lists.Series_Held(trimmed))
            return;
        // Only a series whose file is there can name files.
        if (!OutputController::File_Name_Taken(QDir(Data_Folder_Path).filePath(trimmed + QLatin1Char('.') + batch_file_EXT)))
            return;
        lists.Series->addItem(trimmed);
    };
    auto addColumn = [&](int k) {
        if (k <= 0 || k > columnTitles.size())
            return;
        const QString title = columnTitles.at(k - 1);
        if (lists.Column_Held(title))
            return;
        lists.Columns->addItem(title);
        lists.Column_Index->addItem(QString::number(k));
    };
    for (const std::shared_ptr<SKTGraphic> &g : front) {
        if (!g || g->print_object != 0
            || !(g->isExactly<SKTText>() || g->isExactly<SKTImage>() || g->isExactly<SKTBarcode>()))
            continue;
        const bool barcode = g->isExactly<SKTBarcode>();
        if (Use_Data_Sheet_Values && g->data_source_type == 1) {
            addSeries(g->batch_list_name);
            if (barcode) {
                addSeries(g->batch_hdr_list_name);
                addSeries(g->batch_ftr_list_name);
            }
        }
        if (Use_Excel_Binding_Values && g->data_source_type == 2 && g->excel_col_indx > 0) {
            addColumn(g->excel_col_indx);
            if (barcode) {
                addColumn(g->batch_hdr_list_index);
                addColumn(g->batch_ftr_list_index);
            }
        }
    }
}

} // namespace useddata
