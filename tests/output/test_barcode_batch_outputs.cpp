// The Barcode mode's batch as its outputs find it: an output the user ran without the batch, or a
// bound design opened before, leaves the next Print, Mail and Export to the mode's own batch box.

#include "barcodemode/batch_fixture.h"

#include "design/DesignCommands.h"
#include "design/DesignController.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "output/Export_Barcode.h"
#include "output/Print_Wnd.h"
#include "output/Send_Mail.h"
#include "outputjobs/OutputGlobals.h"

#include <QPushButton>
#include <QTemporaryDir>

using namespace batch_test;

namespace {

class BarcodeBatchOutputs : public BatchWindow {
protected:
    void TearDown() override { Export_Barcode::defaultInstance()->Run_Dialog = nullptr; }
    // Export in the toolbar: the format, the naming choice, the destination, Export.
    void exportWith(QRadioButton *Export_Barcode::*naming)
    {
        Export_Barcode *dlg = Export_Barcode::defaultInstance();
        dlg->Run_Dialog = [&](QDialog &shown) {
            shown.setResult(-1);
            dlg->ex_bar_image_type_combo->setCurrentIndex(0);
            (dlg->*naming)->click();
            dlg->Export_barcode_Dest_Path->setText(destination.path());
            dlg->export_btn_on_export_image->click();
            return shown.result() == 1 ? 1 : 0;
        };
        c->design().commands().Export_Button();
    }
    // The window Print or Mail opens, as the user finds it.
    void print(const std::function<void(Print_Wnd &)> &user)
    {
        responder->onModal = [user](QDialog &d) {
            if (auto *w = qobject_cast<Print_Wnd *>(&d))
                user(*w);
            return 0;
        };
        c->design().commands().Print_Button();
    }
    void mail(const std::function<void(Send_Mail &)> &user)
    {
        responder->onModal = [user](QDialog &d) {
            if (auto *w = qobject_cast<Send_Mail *>(&d))
                user(*w);
            return 0;
        };
        c->design().commands().Mail_Button(nullptr);
    }
    QStringList written(const QString &sub = QString()) const
    {
        return QDir(QDir(destination.path()).filePath(sub)).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir destination;
};

TEST_F(BarcodeBatchOutputs, AnOutputWithoutTheBatchLeavesItToTheNextOnes)
{
    const std::function<void()> withoutBatch[] = {
        [this] { print([](Print_Wnd &w) { w.print_with_batch_chk->click(); w.cancelButton->click(); }); },
        [this] {
            mail([](Send_Mail &w) {
                w.send_with_batch_chk->click();   // on, then off again
                w.send_with_batch_chk->click();
                w.closeButton->click();
            });
        },
    };
    choose(QStringLiteral("Code 128"));
    tickBatch();
    setList({{"B-1", "", "", "1"}, {"B-2", "", "", "1"}, {"B-3", "", "", "1"}});
    for (const auto &output : withoutBatch) {
        output();
        bool printBatch = false, mailBatch = false;
        print([&](Print_Wnd &w) {
            printBatch = w.print_with_batch_chk->isEnabled() && w.print_with_batch_chk->isChecked();
            w.cancelButton->click();
        });
        mail([&](Send_Mail &w) {
            mailBatch = w.send_with_batch_chk->isEnabled();
            w.closeButton->click();
        });
        EXPECT_TRUE(printBatch);
        EXPECT_TRUE(mailBatch);
        exportWith(&Export_Barcode::exp_rad_sv);
        EXPECT_EQ(written(QStringLiteral("QIRO Barcode")), (QStringList{"B-1.JPG", "B-2.JPG", "B-3.JPG"}));
        QDir(QDir(destination.path()).filePath(QStringLiteral("QIRO Barcode"))).removeRecursively();
    }
}

TEST_F(BarcodeBatchOutputs, AfterABoundDesignTheExportWritesTheShownSymbolAndKeepsTheFields)
{
    c->Designing_Mode_Select();
    writeSeries(QStringLiteral("codes.txt"), "C-1\nC-2\n");
    auto code = std::make_shared<SKTBarcode>();
    code->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
    code->_bounds = code->bar_image_ctrl_bounds = QRectF(10, 10, 120, 50);
    code->data_source_type = 1;
    code->batch_list_name = QStringLiteral("codes");
    c->document()->insertGraphics({code}, {0});
    c->design().records().Check_Series_Or_Excel_Use_or_not();
    ASSERT_TRUE(Use_Data_Sheet_Values);
    c->Barcode_Mode_Select();
    choose(QStringLiteral("Code 128"));
    bm->dataText->setText(QStringLiteral("SHOP-4711"));
    bm->HeaderText->setText(QStringLiteral("Head"));
    bm->FooterText->setText(QStringLiteral("Foot"));
    bm->goButtonActionPerformed();
    exportWith(&Export_Barcode::exp_rad_sv);
    EXPECT_EQ(written(), QStringList{"SHOP-4711.jpg"});
    EXPECT_FALSE(QDir(destination.path()).exists(QStringLiteral("QIRO Barcode")));
    EXPECT_EQ((QStringList{bm->dataText->text(), bm->HeaderText->text(), bm->FooterText->text()}),
              (QStringList{"SHOP-4711", "Head", "Foot"}));
}

} // namespace
