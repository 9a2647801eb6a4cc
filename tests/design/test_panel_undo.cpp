// Each page of the property sidebar changes its object through its own controls, and one click on
// Undo gives the object back as it was: the pages, their transfers and the snapshot stacks together.

#include "DesignFixture.h"

#include "design/DesignSelection.h"
#include "design/DoubleSlider.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/UndoStacks.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextEditingPanel.h"
#include "model/SKTImage.h"
#include "platform/ColorWell.h"
#include "platform/Picture.h"
#include "support/ScriptedResponder.h"
#include "model/DesignGlobals.h"
#include "core/Mode.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

namespace {

class PanelUndo : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        Barcode_Setting_Or_Designing_Mode = 1;
        form_is_loading = false;
        // As the canvas does: Undo deselects everything.
        env.design().selection().Canvas_Clear_Selection = [this] { select({}); };
        env.design().editing().Wire_Editing_Commands();
    }
    void TearDown() override
    {
        env.design().selection().Canvas_Clear_Selection = nullptr;
        DesignFixture::TearDown();
    }
    // The one object on the card, as the document holds it now (Undo puts back a copy).
    SKTGraphic &shown() { return *env.document()->graphics().at(0); }
    QString redPicture()
    {
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(QColor(200, 40, 40));
        const QString path = dir.filePath(QStringLiteral("red.png"));
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(PanelUndo, EachPageChangesItsObjectAndOneUndoRestoresIt)
{
    testsupport::ResponderScope responder;
    QFont chosenFont(QStringLiteral("DejaVu Sans"));
    chosenFont.setPointSizeF(19);
    struct Row {
        const char *page;
        SKTGraphicClass kind;
        std::function<void(SKTGraphic &)> prepare;
        std::function<void()> change;
        std::function<QString(SKTGraphic &)> property;
        QString changed;
    };
    const Row rows[] = {
        {"text font", SKTGraphicClass::Text, {},
         [&] {
             responder->fontAnswers = {chosenFont};
             sidebar().textEditingPanel()->Text_Font_Changed();
         },
         [](SKTGraphic &g) { return g.text_ctrl_font.family() + QString::number(g.text_ctrl_font.pointSizeF()); },
         QStringLiteral("DejaVu Sans19")},
        {"text colour", SKTGraphicClass::Text, {},
         [this] { sidebar().textEditingPanel()->Text_clr->chooseColor(QColor(Qt::red)); },
         [](SKTGraphic &g) { return g.txt_clr.name(); }, QStringLiteral("#ff0000")},
        {"shape fill", SKTGraphicClass::Shape, [](SKTGraphic &g) { g._isDrawingFill = false; },
         [this] { sidebar().shapePanel()->Shape_fill_chk->click(); },
         [](SKTGraphic &g) { return QString::number(g._isDrawingFill); }, QStringLiteral("1")},
        {"line width", SKTGraphicClass::Line, {},
         [this] {
             QLineEdit *field = sidebar().linePanel()->Line_Wdt_Text;
             field->setText(QStringLiteral("7"));
             emit field->editingFinished();
         },
         [](SKTGraphic &g) { return QString::number(g._strokeWidth); }, QStringLiteral("7")},
        {"picture opacity", SKTGraphicClass::Image,
         [this](SKTGraphic &g) { static_cast<SKTImage &>(g).setFilePath(redPicture()); },
         [this] { sidebar().imagePanel()->Trsp_slidr->setValue(40 * 100); },
         [](SKTGraphic &g) { return QString::number(g.img_trnsp_val); }, QStringLiteral("40")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.page);
        const std::shared_ptr<SKTGraphic> object = make(row.kind);
        if (row.prepare)
            row.prepare(*object);
        front({object});
        select({object});
        sidebar().Show_RHS_Properties(object.get());
        env.design().undoStacks().Record_Design_As_Started();
        const QString before = row.property(shown());
        ASSERT_NE(before, row.changed);

        const qsizetype base = Ucontrol.size();
        row.change();
        EXPECT_EQ(Ucontrol.size(), base + 1);
        EXPECT_EQ(row.property(shown()), row.changed);
        QPushButton *undo = env.design().editing().Undo_btn;
        ASSERT_TRUE(undo->isEnabled());
        undo->click();
        EXPECT_EQ(row.property(shown()), before);
        EXPECT_FALSE(undo->isEnabled());   // the change was one step
        select({});
    }
}

TEST_F(PanelUndo, ABarcodeValueFromItsWindowIsOneStepThatUndoRestores)
{
    const auto barcode = make(SKTGraphicClass::Barcode);
    front({barcode});
    select({barcode});
    env.design().undoStacks().Record_Design_As_Started();
    const QString before = shown().linear_font_val;

    const auto settings = make(SKTGraphicClass::Barcode);
    settings->linear_font_val = QStringLiteral("4711");
    Barcode_output_image = std::make_shared<platform::Picture>(
        platform::Picture::fromImage(QImage(60, 20, QImage::Format_RGB32), QSizeF(60, 20)));
    env.design().Update_Barcode_Graphics(*settings);
    Barcode_output_image.reset();
    EXPECT_EQ(shown().linear_font_val, QStringLiteral("4711"));

    env.design().editing().Undo_btn->click();
    EXPECT_EQ(shown().linear_font_val, before);
    EXPECT_FALSE(env.design().editing().Undo_btn->isEnabled());
}

} // namespace
