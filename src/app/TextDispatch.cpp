// Text notifications of every control in every window reach the controller here; each is decided by
// the sending field, and fields that are not the main window's own change nothing.

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <exception>

namespace {

bool isExactly(const QObject *object, const char *className)
{
    return object && qstrcmp(object->metaObject()->className(), className) == 0;
}

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

void SKTWindowController::advancedQrCaptionRefresh()
{
    setHeader(ADV_QR_HeaderText ? ADV_QR_HeaderText->text() : QString());
    setFooter(ADV_QR_FooterText ? ADV_QR_FooterText->text() : QString());
    setHeaderFontSize(float(ADV_QR_header_font.pointSizeF()));
    setFooterFontSize(float(ADV_QR_footer_font.pointSizeF()));
    Get_ADV_QR_barcode_from_image(true);
}

void SKTWindowController::barcodeTwoDCaptionRefresh()
{
    setHeader(HeaderText->text());
    setFooter(FooterText->text());
    setHeaderFontSize(float(header_font.pointSizeF()));
    setFooterFontSize(float(footer_font.pointSizeF()));
    Get_2d_barcode_from_image(true);
}

void SKTWindowController::barcodeFieldEdited(QObject *field, bool quickPreview)
{
    if (liner_or_2D_font == 0) {
        goButtonActionPerformed();
    } else if (field == dataText_2D) {
        if (quickPreview)
            Type_draw_2d_flag = true;   // a quick preview while typing
        goButtonActionPerformed();
    } else {
        barcodeTwoDCaptionRefresh();   // the header and footer frame the symbol already built
    }
}

platform::Picture SKTWindowController::Get_ADV_QR_barcode_from_image(bool draw)
{
    if (image_adv_QR.isNull()) {
        Set_Blank_Image();
        return {};
    }
    // The picture is drawn again around the code already built; nothing is encoded again.
    return Get_Image_From_barcode_image(image_adv_QR, draw);
}

void SKTWindowController::controlTextDidChange(QObject *F)
{
    lastTextChangeSender = F;
    try {
        if (!F)
            return;
        if (F == ADV_QR_HeaderText || F == ADV_QR_FooterText) {
            advancedQrCaptionRefresh();
            return;
        }
        if (F == width_Text || F == height_Text) {
            auto *field = static_cast<QLineEdit *>(F);
            const QString cleaned = cleanSizeText(field->text());
            if (cleaned != field->text())
                field->setText(cleaned);
            return;
        }
        if (F == card_name || F == watermark_text) {
            Update_Card_Graphics();
            Set_Log_Name_In_Title();
            return;
        }
        const bool batchRange = ticked(Export_with_batch_chk) || ticked(Export_with_excel_chk);
        if (F == Total_Text) {
            int value = integerOf(Total_Text->text());
            if (Trim_Str(Total_Text->text()).isEmpty() || value == 0)
                value = 1;
            if (batchRange && value > Total_Batch_Excel_Card)
                value = Total_Batch_Excel_Card;
            Total_Text->setText(QString::number(value));
            Set_Tot_Value(value, Total_Batch_Excel_Card, QStringLiteral("TOT"));
            return;
        }
        if (F == To_Text) {
            int value = integerOf(To_Text->text());
            if (Trim_Str(To_Text->text()).isEmpty() || value == 0)
                value = 1;
            if (value > Total_Batch_Excel_Card)
                value = Total_Batch_Excel_Card;
            To_Text->setText(QString::number(value));
            Set_Tot_Value(value, Total_Batch_Excel_Card, QStringLiteral("TO"));
            return;
        }
        if (F == from_Text) {
            int value = integerOf(from_Text->text());
            if (Trim_Str(from_Text->text()).isEmpty() || value == 0)
                value = 1;
            if (value > Total_Batch_Excel_Card)
                value = Total_Batch_Excel_Card;
            from_Text->setText(QString::number(value));
            if (from_Stepper)
                from_Stepper->setIntValue(value);
            return;
        }
        if (F == dataText || F == HeaderText || F == FooterText || F == dataText_2D)
            barcodeFieldEdited(F, true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::controlTextDidEndEditing(QObject *F)
{
    lastTextEndEditingSender = F;
    try {
        if (!F || (F != width_Text && F != height_Text))
            return;
        auto *field = static_cast<QLineEdit *>(F);
        double value = field->text().trimmed().toDouble();
        if (value <= 0)
            value = 0.1;
        field->setText(QString::asprintf("%.2f", value));
        Apply_unit_Chaneg_Values();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::textDidChange(QObject *V)
{
    lastTextChangeSender = V;
    try {
        if (!V)
            return;
        if (V == ADV_QR_HeaderText || V == ADV_QR_FooterText) {
            advancedQrCaptionRefresh();
            return;
        }
        if (V == dataText_2D) {
            Type_draw_2d_flag = true;
            goButtonActionPerformed();
            return;
        }
        if (V == Text_value_Edit) {
            if (Text_value_Edit->toPlainText().size() > 250) {
                // Keep the first 250 characters, and the cursor where the typing was.
                const int cursor = std::min(Text_value_Edit->textCursor().position(), 250);
                Text_value_Edit->setPlainText(Text_value_Edit->toPlainText().left(250));
                QTextCursor c = Text_value_Edit->textCursor();
                c.setPosition(cursor);
                Text_value_Edit->setTextCursor(c);
            }
            if (!Get_Selected_Graphic())
                return;
            const QString text = Text_value_Edit->toPlainText();
            for (QObject *g : Selected_Graphics()) {
                if (g->property("ctrl_is_locked").toBool() || !isExactly(g, "SKTText") ||
                    g->property("data_source_type").toInt() != 0)
                    continue;
                g->setProperty("Text_Value", text);
            }
            Refresh_Canvas();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::textDidEndEditing(QObject *V)
{
    lastTextEndEditingSender = V;
    try {
        if (!V)
            return;
        if (V == ADV_QR_HeaderText || V == ADV_QR_FooterText) {
            advancedQrCaptionRefresh();
            return;
        }
        if (V == dataText || V == HeaderText || V == FooterText || V == dataText_2D)
            barcodeFieldEdited(V, false);   // the final symbol, raised to the output resolution
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
