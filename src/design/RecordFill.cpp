// The record fill: record i of the bound series and linked rows put into the front side's texts,
// pictures and barcode objects, and the card rendered. It runs on the GUI thread whichever thread
// asks; the series were read at the last refresh, so each record reads its values from memory.

#include "design/RecordBinding.h"

#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "imaging/ImageSizeCheck.h"
#include "model/DesignGlobals.h"
#include "model/SKTGraphic.h"
#include "model/SKTImage.h"
#include "model/SKTRenderingView.h"
#include "outputjobs/OutputGlobals.h"
#include "platform/GuiThread.h"

#include <QComboBox>

#include <exception>

namespace {

// A barcode object's own value: the 2D one unless it is a linear symbol.
QString ownValue(const SKTGraphic &g) { return g.linear_or_2d != 0 ? g.two_d_font_val : g.linear_font_val; }

QString reasonOf(const std::exception &e) { return QString::fromUtf8(e.what()); }

} // namespace

int RecordBinding::Data_Table_Index(const QString &name) const
{
    const QString wanted = name.toLower();
    for (int i = 0; i < Data_table_names.size(); ++i)
        if (Data_table_names.at(i).toLower() == wanted)
            return i;
    return -1;
}

QString RecordBinding::Get_sel_row_col_value_of_dataset(int record, int series) const
{
    try {
        if (record < 0 || series < 0 || series >= data_table_content.size())
            return QStringLiteral("");
        const QVariant &slot = data_table_content.at(series);
        if (slot.typeId() != QMetaType::QStringList)
            return QStringLiteral("");   // not loaded
        const QStringList values = slot.toStringList();
        return record < values.size() ? values.at(record) : QStringLiteral("");
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
        return QStringLiteral("");
    }
}

QString RecordBinding::Get_sel_row_col_value_of_Excel(int record, int column) const
{
    try {
        if (record < 0 || column < 0 || record >= Excel_table_rows || record >= Linked_Sheet.rows.size())
            return QStringLiteral("");
        const QString key = column == 0 ? QStringLiteral("Extension") : QStringLiteral("Column%1").arg(column);
        return Linked_Sheet.value(record, key);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
        return QStringLiteral("");
    }
}

platform::Picture RecordBinding::Set_data_table_value_to_card(int record, const QString &, bool)
{
    // The objects, the generator and the render belong to the GUI thread; a worker waits for its copy.
    platform::Picture card;
    platform::runOnGuiThreadAndWait([&] {
        try {
            batch_value_image = platform::Picture();
            const int r = record == -1 ? 0 : record;
            design.card().Graphics_array_Batch = design.selection().Get_Front_Controls_Array();
            Assign_Batch_Values_To_Control(r);
            Generate_Batch_Image_For_Differ_Value(design.card().Graphics_array_Batch);
            card = batch_value_image;
        } catch (const std::exception &e) {
            Show_MessageBox(reasonOf(e));
        }
    });
    return card;
}

void RecordBinding::Generate_Batch_Image_For_Differ_Value(const SKTGraphicList &graphics)
{
    // The render job and its copies live only as long as the picture that holds them.
    batch_value_image = SKTRenderingView::image_From_Card_Graphics(graphics, false);
}

void RecordBinding::Assign_Batch_Values_To_Control(int record)
{
    // The barcode-object window renders the barcode objects.
    BarcodeModeDesign &window = *design.sources().barcode;
    // A text gets the value as its text, a picture as its file (cleared when it is too large).
    const auto putValue = [](SKTGraphic &g, const QString &v) {
        if (g.graphicClass() == SKTGraphicClass::Text) {
            g.Set_text_value(v);
        } else if (auto *picture = graphic_cast<SKTImage>(&g)) {
            picture->setFilePath(Image_Is_Over_Size(v, false, 0) ? QStringLiteral("") : v);
        }
    };
    // Regenerates the object's barcode with the value, header and footer, centred on its kept frame.
    const auto regenerate = [&](SKTGraphic &g, const QString &v, const QString &h, const QString &f) {
        const platform::Picture picture = window.Get_Image_From_Val(v, h, f);
        g.Set_Barcode_image(picture);
        Barcode_output_image = std::make_shared<platform::Picture>(picture);
        if (picture.isNull())
            return;   // the symbology refused the value: the card goes without this barcode
        const QRectF frame = g.bar_image_ctrl_bounds;
        g.setXPosition(frame.x() + frame.width() / 2 - picture.size().width() / 2);
        g.setYPosition(frame.y() + frame.height() / 2 - picture.size().height() / 2);
    };
    const auto seriesValue = [&](const QString &name, int *index) {
        *index = Data_Table_Index(name);
        return Trim_Str(Get_sel_row_col_value_of_dataset(record, *index));
    };
    const auto seriesLoaded = [&](const QString &name) {
        const int index = name.isEmpty() ? -1 : Data_Table_Index(name);
        return index >= 0 && data_table_content.at(index).typeId() == QMetaType::QStringList;
    };
    const auto cell = [&](int column) { return Trim_Str(Get_sel_row_col_value_of_Excel(record, column)); };

    try {
        for (const std::shared_ptr<SKTGraphic> &object : std::as_const(design.card().Graphics_array_Batch)) {
            if (!object)
                continue;
            SKTGraphic &g = *object;
            const SKTGraphicClass kind = g.graphicClass();
            if (kind != SKTGraphicClass::Text && kind != SKTGraphicClass::Image && kind != SKTGraphicClass::Barcode)
                continue;
            const bool barcode = kind == SKTGraphicClass::Barcode;
            if (g.data_source_type == 1 && Use_Data_Sheet_Values) {
                if (!barcode) {
                    if (!seriesLoaded(g.batch_list_name))
                        continue;
                    int index = -1;
                    putValue(g, seriesValue(g.batch_list_name, &index));
                    continue;
                }
                if (!seriesLoaded(g.batch_list_name) && !seriesLoaded(g.batch_hdr_list_name) &&
                    !seriesLoaded(g.batch_ftr_list_name))
                    continue;
                window.Set_Barcode_Prop_To_Control(g, false);
                int index = -1;
                QString v = seriesValue(g.batch_list_name, &index);
                if (v.isEmpty() && index == -1) {
                    v = ownValue(g);
                } else if (v.isEmpty()) {
                    g.Set_Barcode_image(platform::Picture());
                    continue;
                }
                QString h = seriesValue(g.batch_hdr_list_name, &index);
                if (h.isEmpty() && index == -1)
                    h = g.header_val;
                QString f = seriesValue(g.batch_ftr_list_name, &index);
                if (f.isEmpty() && index == -1)
                    f = g.footer_val;
                regenerate(g, v, h, f);
            } else if (g.data_source_type == 2 && Use_Excel_Binding_Values) {
                if (!barcode) {
                    if (g.excel_col_indx < 1)
                        continue;
                    putValue(g, cell(g.excel_col_indx));
                    continue;
                }
                window.Set_Barcode_Prop_To_Control(g, false);
                const QString v = g.excel_col_indx >= 1 ? cell(g.excel_col_indx) : Trim_Str(ownValue(g));
                if (v.isEmpty()) {
                    g.Set_Barcode_image(platform::Picture());
                    continue;
                }
                const QString h = g.batch_hdr_list_index >= 1 ? cell(g.batch_hdr_list_index) : Trim_Str(g.header_val);
                const QString f = g.batch_ftr_list_index >= 1 ? cell(g.batch_ftr_list_index) : Trim_Str(g.footer_val);
                regenerate(g, v, h, f);
            }
        }
    } catch (const std::exception &e) {
        // The rest of this record stays unfilled.
        Show_MessageBox(reasonOf(e));
    }
}

void RecordBinding::Open_All_Used_Data_Box()
{
    try {
        design.sources().data->Open_View_All_Used_Data_Wnd(design.selection().Get_Front_Controls_Array(), Total_Batch_Excel_Card);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}
