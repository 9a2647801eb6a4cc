// Text notifications of every control in every window reach the controller here; each is decided by
// the sending field, and fields that are not the main window's own change nothing.

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "advqr/AdvQrController.h"
#include "projects/ProjectsController.h"
#include "design/DesignController.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <exception>

namespace {

// Letters, then white space and line ends, then characters that are neither letters, digits nor
// punctuation, trimmed from both ends in this order; characters inside the number stay.
QString cleanSizeText(const QString &text)
{
    auto trim = [](const QString &s, auto pred) {
        qsizetype a = 0, b = s.size();
        while (a < b && pred(s.at(a)))
            ++a;
        while (b > a && pred(s.at(b - 1)))
            --b;
        return s.mid(a, b - a);
    };
    QString s = trim(text, [](QChar c) { return c.isLetter(); });
    s = trim(s, [](QChar c) { return c.isSpace(); });
    s = trim(s, [](QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                                     c.category() == QChar::Other_NotAssigned || c.category() == QChar::Other_Surrogate ||
                                     c.category() == QChar::Other_PrivateUse; });
    return s.left(10);
}

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
        if (F == dsg.width_Text || F == dsg.height_Text) {
            auto *field = static_cast<QLineEdit *>(F);
            const QString cleaned = cleanSizeText(field->text());
            if (cleaned != field->text())
                field->setText(cleaned);
            return;
        }
        if (F == dsg.card_name || F == dsg.watermark_text) {
            dsg.Update_Card_Graphics();
            projects().Set_Log_Name_In_Title();
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
    lastTextEndEditingSender = F;
    try {
        if (!F || (F != design().width_Text && F != design().height_Text))
            return;
        auto *field = static_cast<QLineEdit *>(F);
        double value = field->text().trimmed().toDouble();
        if (value <= 0)
            value = 0.1;
        field->setText(QString::asprintf("%.2f", value));
        design().Apply_unit_Chaneg_Values();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
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
