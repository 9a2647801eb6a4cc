#include "support/CardBatch.h"

#include "app/SKTWindowController.h"
#include "core/UserFolders.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"

#include <QDir>
#include <QFile>

namespace testsupport {

void bindCardBatch(SKTWindowController &c, const QStringList &records)
{
    constexpr double PtPerMM = 72.0 / 25.4;
    c.Designing_Mode_Select();
    QDir().mkpath(Data_Folder_Path);
    QFile f(Data_Folder_Path + QStringLiteral("/codes.txt"));
    if (f.open(QIODevice::WriteOnly))
        f.write((records.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    f.close();
    workAreaOf(c.design()).SetDocumentCanvasSize(QSizeF(60 * PtPerMM, 40 * PtPerMM));
    auto text = std::make_shared<SKTText>();
    text->_bounds = QRectF(10, 6, 120, 18);
    auto code = std::make_shared<SKTBarcode>();
    code->control_ID = QStringLiteral("BAR_1");
    code->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
    code->_bounds = code->bar_image_ctrl_bounds = QRectF(20, 40, 130, 60);
    code->header_val.clear();
    code->footer_val.clear();
    for (SKTGraphic *g : std::initializer_list<SKTGraphic *>{text.get(), code.get()}) {
        g->data_source_type = 1;
        g->batch_list_name = QStringLiteral("codes");
    }
    c.document()->insertGraphics({text, code}, {0, 1});
    recordsOf(c.design()).Check_Series_Or_Excel_Use_or_not();
}

} // namespace testsupport
