#pragma once
// The PDF export dialog over a fresh main window, run through the scripted responder (the user's
// clicks happen while it "runs"): a Designing-mode card bound to a series, the page setup, and the
// outside tools that read the files back (pdfinfo, qpdf, pdfimages, pdftoppm).

#include "PrintDialogFixture.h"

#include "core/Open_Export_Log.h"
#include "design/DesignCommands.h"
#include "design/DesignController.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "output/ImageExport.h"
#include "output/OutputController.h"
#include "output/PDF_Export.h"
#include "output/Send_Modeless.h"
#include "outputjobs/OutputGlobals.h"
#include "core/UserFolders.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace pdftest {

constexpr double PtPerMM = 72.0 / 25.4;

class PdfDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        w = PDF_Export::defaultInstance();
        setPaper(0);
    }
    void TearDown() override
    {
        ImageExport::keepReplaceOverride() = {};
        w->hide();
    }

    // A4 portrait with every margin in points.
    void setPaper(double margin)
    {
        platform::PrintInfo info;
        info.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
        c->setPrintInfo(info);
    }

    // Designing mode, a card of w x h mm; with records > 0 a text and a Code 128 bound to the
    // series "codes" of that many values "R01" ...; with qr a QR Code bound to it beside the Code 128.
    void card(double widthMM, double heightMM, int records = 0, bool qr = false)
    {
        c->Designing_Mode_Select();
        c->design().SetDocumentCanvasSize(QSizeF(widthMM * PtPerMM, heightMM * PtPerMM));
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
        c->design().records().Check_Series_Or_Excel_Use_or_not();
    }

    // Barcode mode: a symbol, and the value list (each value once) as the batch source.
    void valueList(const QString &symbology, const QStringList &values)
    {
        c->Barcode_Mode_Select();
        BarcodeModeController &b = c->barcodeMode();
        const int i = b.barcodeTypePopup->findText(symbology);
        ASSERT_GE(i, 0) << qPrintable(symbology);
        b.barcodeTypePopup->setCurrentIndex(i);
        emit b.barcodeTypePopup->activated(i);
        b.dataText->setText(values.first());
        b.goButtonActionPerformed();
        b.data_source_chkbox->click();
        ASSERT_TRUE(b.Custom_Sheet_RD->isChecked());
        b.ListData_barcode.clear();
        for (const QString &v : values)
            b.Create_Item_List(v, {}, {}, QStringLiteral("1"), b.ListData_barcode.size());
        b.barcode_value_chk->setChecked(true);
        c->design().records().Check_Series_Or_Excel_Use_or_not();
        ASSERT_TRUE(Use_Data_Sheet_Values);
    }

    static void series(const QString &name, int records)
    {
        QDir().mkpath(Data_Folder_Path);
        QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 1; i <= records; ++i)
            f.write(QStringLiteral("R%1\n").arg(i, 2, 10, QLatin1Char('0')).toUtf8());
    }

    // PDF in the toolbar; the user acts while the dialog is open. Other dialogs go to others;
    // the export-done boxes are collected as "check box title | message".
    void open(const std::function<void()> &user, const std::function<int(QDialog &)> &others = {})
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
        c->design().commands().PDF_Export_Button();
    }

    // The user types into a field and presses Return.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void option(int row) { w->pdf_matrix->button(row)->click(); }
    // OK with the folder chosen in the open panel.
    void exportTo(const QString &folder)
    {
        responder->openAnswers << QStringList{folder};
        w->okButton->click();
    }
    QString out() const { return dir.filePath(QStringLiteral("QIRO PDF Label")); }
    QStringList files() const { return QDir(out()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QStringList messages()
    {
        QStringList m;
        for (const QString &s : responder->alertMessages())
            m << s.trimmed();
        return m;
    }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    PDF_Export *w = nullptr;
    QTemporaryDir dir;
    QStringList boxes;
};

} // namespace pdftest
