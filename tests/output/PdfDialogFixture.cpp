#include "PdfDialogFixture.h"

#include "app/SKTWindowController.h"
#include "design/DesignCommands.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/RecordBinding.h"

namespace pdftest {

void PdfDialog::setPaper(double margin)
{
    platform::PrintInfo info;
    info.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
    c->setPrintInfo(info);
}

void PdfDialog::card(double widthMM, double heightMM, int records, bool qr)
{
    c->Designing_Mode_Select();
    workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(widthMM * PtPerMM, heightMM * PtPerMM));
    auto text = std::make_shared<SKTText>();
    text->_bounds = QRectF(6, 4, 100, 16);
    text->Set_text_value(QStringLiteral("design"));
    auto code = std::make_shared<SKTBarcode>();
    code->control_ID = QStringLiteral("BAR_1");
    code->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
    code->_bounds = code->bar_image_ctrl_bounds = QRectF(8, 24, widthMM * PtPerMM - 16, heightMM * PtPerMM - 34);
    code->header_val.clear();
    code->footer_val.clear();
    QList<std::shared_ptr<SKTGraphic>> graphics{text, code};
    if (qr) {
        // The text and a 36-point QR Code side by side, the Code 128 below them (each symbol
        // is centred on its frame).
        const double side = 40;
        text->_bounds = QRectF(6, 4, widthMM * PtPerMM - side - 14, 16);
        code->_bounds = code->bar_image_ctrl_bounds = QRectF(8, side + 6, widthMM * PtPerMM - 16, heightMM * PtPerMM - side - 8);
        auto square = std::make_shared<SKTBarcode>();
        square->control_ID = QStringLiteral("BAR_2");
        square->barcode_font_index = Symbologies::indexOf(QStringLiteral("QR Code"));
        square->linear_or_2d = 1;
        square->qr_size_val = 36;
        square->_bounds = square->bar_image_ctrl_bounds = QRectF(widthMM * PtPerMM - side - 4, 4, side, side);
        square->header_val.clear();
        square->footer_val.clear();
        graphics.prepend(square);   // above the Code 128, whose white margin reaches up to it
    }
    if (records > 0) {
        series(QStringLiteral("codes"), records);
        for (const std::shared_ptr<SKTGraphic> &g : graphics) {
            g->data_source_type = 1;
            g->batch_list_name = QStringLiteral("codes");
        }
    }
    QList<int> at;
    for (int i = 0; i < graphics.size(); ++i)
        at << i;
    c->document()->insertGraphics(graphics, at);
    recordsOf(c->design()).Check_Series_Or_Excel_Use_or_not();
}

void PdfDialog::valueList(const QString &symbology, const QStringList &values)
{
    c->Barcode_Mode_Select();
    BarcodeModeController &b = c->barcodeMode();
    printtest::makeSymbol(b, symbology, values.first());
    b.data_source_chkbox->click();
    ASSERT_TRUE(b.Custom_Sheet_RD->isChecked());
    b.ListData_barcode.clear();
    for (const QString &v : values)
        b.Create_Item_List(v, {}, {}, QStringLiteral("1"), b.ListData_barcode.size());
    b.barcode_value_chk->setChecked(true);
    recordsOf(c->design()).Check_Series_Or_Excel_Use_or_not();
    ASSERT_TRUE(Use_Data_Sheet_Values);
}

void PdfDialog::open(const std::function<void()> &user, const std::function<int(QDialog &)> &others)
{
    responder->onModal = [this, user, others](QDialog &dialog) {
        if (auto *box = qobject_cast<Open_Export_Log *>(&dialog)) {
            boxes << box->_open_log_chk->text() + QStringLiteral(" | ") + box->_open_log_message->text();
            return 0;
        }
        if (&dialog != w)
            return others ? others(dialog) : 0;
        w->show();
        if (user)
            user();
        w->cancelButton->click();
        return 0;
    };
    commandsOf(c->design()).PDF_Export_Button();
}

} // namespace pdftest
