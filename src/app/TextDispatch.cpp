// Text notifications of every control in every window reach the controller here; each is decided by
// the sending field, and fields that are not the main window's own change nothing.

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Stepper.h"
#include "advqr/AdvQrController.h"
#include "projects/ProjectsController.h"
#include "design/DesignController.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <exception>

namespace {

int integerOf(const QString &text)
{
    const QString t = Trim_Str(text);
    int end = 0;
    while (end < t.size() && (t.at(end).isDigit() || (end == 0 && (t.at(end) == QLatin1Char('-') || t.at(end) == QLatin1Char('+')))))
        ++end;
    return t.left(end).toInt();
}

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

} // namespace

void SKTWindowController::controlTextDidChange(QObject *F)
{
    BarcodeModeController &bm = barcodeMode();
    DesignController &dsg = design();
    lastTextChangeSender = F;
    try {
        if (!F)
            return;
        if (F == advQr().ADV_QR_HeaderText || F == advQr().ADV_QR_FooterText) {
            advQr().advancedQrCaptionRefresh();
            return;
        }
        const bool batchRange = ticked(dsg.Export_with_batch_chk) || ticked(dsg.Export_with_excel_chk);
        if (F == dsg.Total_Text) {
            int value = integerOf(dsg.Total_Text->text());
            // Empty, text, 0 and negatives all come back to the first record.
            if (Trim_Str(dsg.Total_Text->text()).isEmpty() || value < 1)
                value = 1;
            if (batchRange && value > Total_Batch_Excel_Card)
                value = Total_Batch_Excel_Card;
            dsg.Total_Text->setText(QString::number(value));
            dsg.Set_Tot_Value(value, Total_Batch_Excel_Card, QStringLiteral("TOT"));
            return;
        }
        if (F == dsg.To_Text) {
            int value = integerOf(dsg.To_Text->text());
            // Empty, text, 0 and negatives all come back to the first record.
            if (Trim_Str(dsg.To_Text->text()).isEmpty() || value < 1)
                value = 1;
            if (value > Total_Batch_Excel_Card)
                value = Total_Batch_Excel_Card;
            dsg.To_Text->setText(QString::number(value));
            dsg.Set_Tot_Value(value, Total_Batch_Excel_Card, QStringLiteral("TO"));
            return;
        }
        if (F == dsg.from_Text) {
            int value = integerOf(dsg.from_Text->text());
            // Empty, text, 0 and negatives all come back to the first record.
            if (Trim_Str(dsg.from_Text->text()).isEmpty() || value < 1)
                value = 1;
            if (value > Total_Batch_Excel_Card)
                value = Total_Batch_Excel_Card;
            dsg.from_Text->setText(QString::number(value));
            if (dsg.from_Stepper)
                dsg.from_Stepper->setIntValue(value);
            return;
        }
        if (F == bm.dataText || F == bm.HeaderText || F == bm.FooterText || F == bm.dataText_2D)
            bm.barcodeFieldEdited(F, true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::controlTextDidEndEditing(QObject *F)
{
    // The only fields that act when their editing ends are the card size page's, which listen themselves.
    lastTextEndEditingSender = F;
}

void SKTWindowController::textDidChange(QObject *V)
{
    DesignController &dsg = design();
    lastTextChangeSender = V;
    try {
        if (!V)
            return;
        if (V == advQr().ADV_QR_HeaderText || V == advQr().ADV_QR_FooterText) {
            advQr().advancedQrCaptionRefresh();
            return;
        }
        if (V == barcodeMode().dataText_2D) {
            Type_draw_2d_flag = true;
            barcodeMode().goButtonActionPerformed();
            return;
        }
        if (V == dsg.Text_value_Edit) {
            if (dsg.Text_value_Edit->toPlainText().size() > 250) {
                // Keep the first 250 characters, and the cursor where the typing was.
                const int cursor = std::min(dsg.Text_value_Edit->textCursor().position(), 250);
                dsg.Text_value_Edit->setPlainText(dsg.Text_value_Edit->toPlainText().left(250));
                QTextCursor c = dsg.Text_value_Edit->textCursor();
                c.setPosition(cursor);
                dsg.Text_value_Edit->setTextCursor(c);
            }
            if (!dsg.Get_Selected_Graphic())
                return;
            const QString text = dsg.Text_value_Edit->toPlainText();
            for (const std::shared_ptr<SKTGraphic> &g : dsg.Selected_Graphic_Objects()) {
                if (!g || g->ctrl_is_locked || !g->isExactly<SKTText>() || g->data_source_type != 0)
                    continue;
                g->Set_text_value(text);
            }
            dsg.Refresh_Canvas();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::textDidEndEditing(QObject *V)
{
    BarcodeModeController &bm = barcodeMode();
    lastTextEndEditingSender = V;
    try {
        if (!V)
            return;
        if (V == advQr().ADV_QR_HeaderText || V == advQr().ADV_QR_FooterText) {
            advQr().advancedQrCaptionRefresh();
            return;
        }
        if (V == bm.dataText || V == bm.HeaderText || V == bm.FooterText || V == bm.dataText_2D)
            bm.barcodeFieldEdited(V, false);   // the final symbol, raised to the output resolution
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
