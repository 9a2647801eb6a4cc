#pragma once
// A Designing-mode batch for the print dialog: a card with a text and a Code 128 bound to a 25-value
// series, printed from the toolbar on a 3 x 4 sheet, and the Code 128 read back from a cell of a page.

#include "PrintDialogFixture.h"

#include "design/DesignCommands.h"
#include "app/SKTWindowController.h"
#include "design/DesignParts.h"
#include "design/RecordBinding.h"
#include "model/SKTDocument.h"
#include "support/CardBatch.h"
#include "support/Decode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/UserFolders.h"

namespace printtest {

constexpr double PtPerMM = 72.0 / 25.4;

class PrintCardBatch : public PrintDialog {
protected:
    void SetUp() override
    {
        PrintDialog::SetUp();
        if (!printtest::haveTools())
            GTEST_SKIP() << "pdfinfo and pdftoppm are needed";
        QStringList records;
        for (int i = 1; i <= 25; ++i)
            records << QStringLiteral("REC-%1").arg(i, 2, 10, QLatin1Char('0'));
        testsupport::bindCardBatch(*c, records);
        ASSERT_TRUE(Use_Data_Sheet_Values);
        ASSERT_EQ(Total_Batch_Excel_Card, 25);
        setPaper(QPageSize::A4, QPageLayout::Portrait, 18);
    }

    // The 3 x 4 grid from the user's fields, then whatever the test does, through Print in the toolbar.
    void printFromToolbar(const std::function<void()> &user, const std::function<int(QDialog &)> &others = {})
    {
        responder->onModal = [this, user, others](QDialog &dialog) {
            if (&dialog != w)
                return others ? others(dialog) : 0;
            w->show();
            type(w->Row_Text, QStringLiteral("4"));
            type(w->Col_Text, QStringLiteral("3"));
            user();
            return 0;
        };
        commandsOf(c->design()).Print_Button();
    }

    // The Code 128 of the label in cell (0-based) of a page rendered at 600 DPI; the grid's top-left
    // corner at origin (points: the page setup's margins).
    static QString codeIn(const QImage &page, int cell, QPointF origin = QPointF(18, 18))
    {
        const double perPt = 600.0 / 72.0;
        const QRectF box((origin.x() + (cell % 3) * 60 * PtPerMM) * perPt,
                         (origin.y() + (cell / 3) * 40 * PtPerMM) * perPt, 60 * PtPerMM * perPt, 40 * PtPerMM * perPt);
        const testsupport::Decoded d = testsupport::decode(page.copy(box.toRect()), QStringLiteral("Code128"));
        return d.ok ? d.text : QString();
    }
};

} // namespace printtest
