// The text page on its own: filled from a text, its font chosen through the font chooser (and shared
// with the Designing mode), read back into the text values, and only the user's changes asking for
// the transfer.

#include "barcodemode/BarcodeEditor.h"
#include "design/PanelValues.h"
#include "design/panels/TextEditingPanel.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "support/ScriptedResponder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <gtest/gtest.h>

#include <functional>

namespace {

QFont dejaVu(double size)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(size);
    return f;
}

std::shared_ptr<SKTGraphic> text()
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    g->control_ID = QStringLiteral("T7");
    g->txt_clr = Qt::darkGreen;
    g->text_ctrl_font = dejaVu(14);
    g->text_rotation = 45;
    g->text_alignmnet = 2;
    g->text_alignmnet_Vert = 1;
    g->text_transfrom_case = 3;
    g->text_kerning = 1.5f;
    return g;
}

TEST(TextEditingPanel, FillShowsTheTextAndReadsItBack)
{
    TextEditingPanel p;
    p.Fill_Text_Panel(*text());
    EXPECT_EQ(p.txt_ctrl_id_val->text(), QStringLiteral("T7"));
    EXPECT_EQ(p.Text_font_value->text(), BarcodeEditor::fontDisplayText(dejaVu(14)));
    EXPECT_EQ(p.txt_rotation_slidr_val->text(), QStringLiteral("45"));
    EXPECT_EQ(p.Text_Kern_Text->text(), QStringLiteral("1.5"));
    TextPanelValues v;
    p.Read_Text_Panel(v);
    EXPECT_EQ(v.textColor, QColor(Qt::darkGreen));
    EXPECT_EQ(v.font, dejaVu(14));
    EXPECT_EQ(v.rotation, 45);
    EXPECT_EQ(v.alignment, 2);
    EXPECT_EQ(v.verticalAlignment, 1);
    EXPECT_EQ(v.textCase, 3);
    EXPECT_FLOAT_EQ(v.kerning, 1.5f);
    // The other page's part and the text itself are left as they were.
    EXPECT_FALSE(v.text.has_value());
    EXPECT_FALSE(v.shadow);
}

TEST(TextEditingPanel, FillingSendsNothing)
{
    TextEditingPanel p;
    QSignalSpy transfers(&p, &TextEditingPanel::transferRequested), colours(&p, &TextEditingPanel::colorChosen);
    p.Fill_Text_Panel(*text());
    EXPECT_EQ(transfers.count(), 0);
    EXPECT_EQ(colours.count(), 0);
}

TEST(TextEditingPanel, EachUserChangeAsksForOneTransfer)
{
    const struct {
        const char *what;
        std::function<void(TextEditingPanel &)> act;
        std::function<void(const TextPanelValues &)> check;
    } cases[] = {
        {"alignment", [](TextEditingPanel &p) { p.Text_align_combo->setCurrentIndex(4); },
         [](const TextPanelValues &v) { EXPECT_EQ(v.alignment, 4); }},
        {"vertical alignment", [](TextEditingPanel &p) { p.Text_vert_align_combo->setCurrentIndex(2); },
         [](const TextPanelValues &v) { EXPECT_EQ(v.verticalAlignment, 2); }},
        {"case", [](TextEditingPanel &p) { p.Text_case_combo->setCurrentIndex(1); },
         [](const TextPanelValues &v) { EXPECT_EQ(v.textCase, 1); }},
        {"kerning stepper", [](TextEditingPanel &p) { p.Text_Kern_Stepper->stepDown(); },
         [](const TextPanelValues &v) { EXPECT_FLOAT_EQ(v.kerning, 1.0f); }},
        {"kerning field", [](TextEditingPanel &p) {
             p.Text_Kern_Text->setText(QStringLiteral("-12,5"));
             emit p.Text_Kern_Text->editingFinished();
         },
         [](const TextPanelValues &v) { EXPECT_FLOAT_EQ(v.kerning, -12.5f); }},
        {"rotation slider", [](TextEditingPanel &p) { p.txt_rotation_slidr->setValue(270); },
         [](const TextPanelValues &v) { EXPECT_EQ(v.rotation, 270); }},
        {"colour well", [](TextEditingPanel &p) { p.Text_clr->chooseColor(Qt::magenta); },
         [](const TextPanelValues &v) { EXPECT_EQ(v.textColor, QColor(Qt::magenta)); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TextEditingPanel p;
        p.Fill_Text_Panel(*text());
        QSignalSpy transfers(&p, &TextEditingPanel::transferRequested);
        c.act(p);
        EXPECT_EQ(transfers.count(), 1);
        TextPanelValues v;
        p.Read_Text_Panel(v);
        c.check(v);
    }
}

TEST(TextEditingPanel, RotationFieldFollowsTheSlider)
{
    TextEditingPanel p;
    p.txt_rotation_slidr->setValue(90);
    EXPECT_EQ(p.txt_rotation_slidr_val->text(), QStringLiteral("90"));
}

TEST(TextEditingPanel, FontChooserOkChangesTheFontAndCancelNothing)
{
    testsupport::ResponderScope responder;
    TextEditingPanel p;
    p.Fill_Text_Panel(*text());
    const QString shown = p.Text_font_value->text();
    QSignalSpy transfers(&p, &TextEditingPanel::transferRequested);
    p.text_font_btn->click();   // no answer scripted: cancelled
    EXPECT_EQ(transfers.count(), 0);
    EXPECT_EQ(p.Text_font_value->text(), shown);

    responder->fontAnswers = {dejaVu(19)};
    p.text_font_btn->click();
    EXPECT_EQ(transfers.count(), 1);
    EXPECT_EQ(p.Text_font_value->text(), QStringLiteral("DejaVu Sans ( 19.00 )"));
    TextPanelValues v;
    p.Read_Text_Panel(v);
    EXPECT_EQ(v.font, dejaVu(19));
}

TEST(TextEditingPanel, SharedFontIsTheOneShownChosenAndFilled)
{
    QFont designFont = dejaVu(11);
    TextEditingPanel p;
    p.Share_Text_Font(&designFont);
    EXPECT_EQ(p.Text_font(), dejaVu(11));
    p.Fill_Text_Panel(*text());
    EXPECT_EQ(designFont, dejaVu(14));   // the shown text's font becomes the mode's
    designFont = dejaVu(9);              // e.g. a new project resets it
    TextPanelValues v;
    p.Read_Text_Panel(v);
    EXPECT_EQ(v.font, dejaVu(9));
    p.changeTextFont(dejaVu(21));
    EXPECT_EQ(designFont, dejaVu(21));
    p.Share_Text_Font(nullptr);   // back to a font of the page's own
    p.changeTextFont(dejaVu(8));
    EXPECT_EQ(designFont, dejaVu(21));
}

TEST(TextEditingPanel, ListsAreLeftToThePageAndTheIdentifierIsHidden)
{
    TextEditingPanel p;
    for (QComboBox *list : {p.Text_align_combo, p.Text_vert_align_combo, p.Text_case_combo})
        EXPECT_TRUE(list->property("tagora_combo_dispatch").toBool()) << list->objectName().toStdString();
    EXPECT_TRUE(p.txt_ctrl_id_val->isHidden());
    EXPECT_EQ(p.objectName(), QStringLiteral("text_edtng_tab"));
}

} // namespace
