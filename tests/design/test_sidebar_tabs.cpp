// The sidebar's tab sets and panel fills for real card objects.

#include "DesignFixture.h"

#include "design/DesignSelection.h"
#include "design/PropertySidebar.h"
#include "design/panels/AlignmentPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/panels/LinePanel.h"
#include "design/panels/DataSourcePanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTImage.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/UserFolders.h"
#include "support/Wheel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

class SidebarTabs : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        Barcode_Setting_Or_Designing_Mode = 1;
        form_is_loading = false;
    }
    DesignController &d() { return env.design(); }
    QStringList tabLabels()
    {
        QStringList labels;
        for (int i = 0; i < sidebar().sett_tab->count(); ++i)
            labels << sidebar().sett_tab->tabText(i);
        return labels;
    }
    QList<QWidget *> tabPages()
    {
        QList<QWidget *> pages;
        for (int i = 0; i < sidebar().sett_tab->count(); ++i)
            pages << sidebar().sett_tab->widget(i);
        return pages;
    }
    std::shared_ptr<SKTGraphic> shown(SKTGraphicClass kind, const SKTGraphicList &alsoSelected = {})
    {
        const auto g = make(kind);
        SKTGraphicList selection{g};
        selection += alsoSelected;
        select(selection);
        sidebar().Show_RHS_Properties(g.get());
        return g;
    }
};

TEST_F(SidebarTabs, SameObjectTwiceRebuildsOnceAndTheCardInBetweenForcesIt)
{
    const auto star = make(SKTGraphicClass::Shape);
    select({star});
    sidebar().Show_RHS_Properties(star.get());
    ASSERT_EQ(sidebar().sett_tab->count(), 2);
    sidebar().Remove_All_Tab_Items();   // a rebuild would put the tabs back
    sidebar().Show_RHS_Properties(star.get());
    EXPECT_EQ(sidebar().sett_tab->count(), 0);
    sidebar().Show_RHS_Properties(nullptr);
    EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().card_info_tab, sidebar().card_size_tab, sidebar().card_bkgd_tab,
                                            sidebar().card_brdr_tab}));
    EXPECT_EQ(sidebar().properties_title->text(), QStringLiteral("Label Properties"));
    EXPECT_EQ(d().selection().Last_Selected_Graphic, nullptr);
    sidebar().Show_RHS_Properties(star.get());
    EXPECT_EQ(sidebar().sett_tab->count(), 2);
}

TEST_F(SidebarTabs, StarsShowTheirCaptionAndLockedObjectsOneTab)
{
    const auto star = make(SKTGraphicClass::Shape);
    star->Set_Shape_Type(QStringLiteral("S"));
    select({star});
    sidebar().Show_RHS_Properties(star.get());
    EXPECT_EQ(sidebar().properties_title->text(), QStringLiteral("Shape Properties"));
    EXPECT_EQ(tabLabels().first(), QStringLiteral("General"));
    EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().shape_tab, sidebar().aligmnt_tab}));
    EXPECT_EQ(sidebar().shapePanel()->Shape_prop_title->text(), QStringLiteral("Star Settings"));
    EXPECT_EQ(sidebar().sett_tab->currentIndex(), 0);

    const auto locked = make(SKTGraphicClass::Shape);
    locked->Set_Shape_Type(QStringLiteral("S"));
    locked->ctrl_is_locked = true;
    select({locked});
    sidebar().Show_RHS_Properties(locked.get());
    EXPECT_EQ(tabPages(), QList<QWidget *>{sidebar().Lock_tab});
    EXPECT_EQ(tabLabels(), QStringList{QStringLiteral("Star Settings")});

    // A code with no caption keeps the label the lone tab had.
    const auto odd = make(SKTGraphicClass::Shape);
    odd->Set_Shape_Type(QStringLiteral("Q"));
    odd->ctrl_is_locked = true;
    select({odd});
    sidebar().Show_RHS_Properties(odd.get());
    EXPECT_EQ(tabLabels(), QStringList{QStringLiteral("Star Settings")});
    EXPECT_EQ(sidebar().shapePanel()->Shape_Type_Combo->currentIndex(), 0);

    const auto text = make(SKTGraphicClass::Text);
    text->ctrl_is_locked = true;
    select({text});
    sidebar().Show_RHS_Properties(text.get());
    EXPECT_EQ(tabLabels(), QStringList{QStringLiteral("Text Properties")});
}

TEST_F(SidebarTabs, LockedShapesShowNoKindSpecificControls)
{
    const auto rounded = make(SKTGraphicClass::Shape);
    rounded->Set_Shape_Type(QStringLiteral("RR"));
    select({rounded});
    sidebar().Show_RHS_Properties(rounded.get());
    EXPECT_FALSE(sidebar().shapePanel()->shape_cor_radius_Stepper->isHidden());
    EXPECT_TRUE(sidebar().shapePanel()->polygon_Stepper->isHidden());
    rounded->ctrl_is_locked = true;
    sidebar().Show_RHS_Properties(nullptr);
    sidebar().Show_RHS_Properties(rounded.get());
    EXPECT_TRUE(sidebar().shapePanel()->shape_cor_radius_Stepper->isHidden());
}

TEST_F(SidebarTabs, SourceTabOnlyForALoneTextOrPicture)
{
    shown(SKTGraphicClass::Text);
    EXPECT_EQ(sidebar().properties_title->text(), QStringLiteral("Text Properties"));
    if (ONLY_QR_MODE) {
        EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().text_edtng_tab, sidebar().text_prop_tab, sidebar().aligmnt_tab}));
    } else {
        EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().text_edtng_tab, sidebar().text_prop_tab, sidebar().datasource_tab,
                                                sidebar().aligmnt_tab}));
        EXPECT_EQ(tabLabels().at(2), QStringLiteral("Source"));
        EXPECT_EQ(sidebar().dataSourcePanel()->data_source_title->text(), QStringLiteral("Text Source"));
        EXPECT_TRUE(sidebar().dataSourcePanel()->manual_brws_box->isHidden());
        EXPECT_FALSE(sidebar().dataSourcePanel()->Text_Date_Time_Box->isHidden());
    }
    shown(SKTGraphicClass::Text, {make(SKTGraphicClass::Line)});
    EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().text_edtng_tab, sidebar().text_prop_tab, sidebar().aligmnt_tab}));

    shown(SKTGraphicClass::Image);
    EXPECT_EQ(sidebar().properties_title->text(), QStringLiteral("Image Properties"));
    EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().datasource_tab, sidebar().image_tab, sidebar().aligmnt_tab}));
    EXPECT_EQ(tabLabels().first(), QStringLiteral("Source"));
    EXPECT_EQ(sidebar().dataSourcePanel()->data_source_title->text(), QStringLiteral("Image Source"));
    EXPECT_FALSE(sidebar().dataSourcePanel()->manual_brws_box->isHidden());
    EXPECT_EQ(sidebar().dataSourcePanel()->Data_source_box_DES->isHidden(), ONLY_QR_MODE);
    EXPECT_TRUE(sidebar().alignmentPanel()->ctrl_width_height_box->isHidden());
    EXPECT_EQ(sidebar().sel_control_name->text(), QStringLiteral("I"));
    shown(SKTGraphicClass::Image, {make(SKTGraphicClass::Image)});
    EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().image_tab, sidebar().aligmnt_tab}));
}

TEST_F(SidebarTabs, EveryOtherClassHasItsOwnTab)
{
    const struct {
        SKTGraphicClass kind;
        QWidget *page;
        const char *title;
        const char *name;
    } kinds[] = {
        {SKTGraphicClass::Line, sidebar().line_tab, "Line Properties", "NONE"},
        {SKTGraphicClass::Signature, sidebar().sign_tab, "Signature Properties", "S"},
        {SKTGraphicClass::Barcode, sidebar().barcode_tab, "Barcode Properties", "NONE"},
    };
    for (const auto &k : kinds) {
        shown(k.kind);
        EXPECT_EQ(tabPages(), (QList<QWidget *>{k.page, sidebar().aligmnt_tab})) << k.title;
        EXPECT_EQ(sidebar().properties_title->text(), QString::fromLatin1(k.title));
        EXPECT_EQ(sidebar().sel_control_name->text(), QString::fromLatin1(k.name));
        // Only a barcode object can't take its natural size.
        EXPECT_EQ(sidebar().alignmentPanel()->Make_natural_size_btn->isEnabled(), k.kind != SKTGraphicClass::Barcode) << k.title;
        EXPECT_EQ(sidebar().alignmentPanel()->Ctrl_Size_Opt_box->isHidden(), k.kind == SKTGraphicClass::Barcode) << k.title;
    }
}

TEST_F(SidebarTabs, SeriesBoundWithoutANameSelectsThePlaceholderForTextsOnly)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition has no source tab for texts";
    // The source type's own handling lists the series of the data folder.
    QFile names(Data_Folder_Path + QStringLiteral("/Names.txt"));
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("Ada\nBob\n");
    names.close();
    QComboBox *series = sidebar().dataSourcePanel()->Batch_Series;
    // A series left chosen in the list from before, not chosen for the object.
    auto leftChosen = [series] {
        const QSignalBlocker block(series);
        series->setCurrentIndex(1);
    };
    const auto text = make(SKTGraphicClass::Text);
    text->data_source_type = 1;
    select({text});
    sidebar().Show_RHS_Properties(text.get());
    EXPECT_EQ(series->findText(QStringLiteral("Names")), 1);
    leftChosen();
    d().selection().Last_Selected_Graphic = nullptr;   // the same object shown again
    sidebar().Show_RHS_Properties(text.get());
    EXPECT_EQ(series->currentIndex(), 0);
    EXPECT_TRUE(sidebar().dataSourcePanel()->Text_value_Edit->isReadOnly());

    const auto picture = make(SKTGraphicClass::Image);
    picture->data_source_type = 1;
    select({picture});
    leftChosen();
    sidebar().Show_RHS_Properties(picture.get());
    EXPECT_EQ(series->currentIndex(), -1);

    const auto named = make(SKTGraphicClass::Text);
    named->data_source_type = 1;
    named->batch_list_name = QStringLiteral("Names");
    select({named});
    sidebar().Show_RHS_Properties(named.get());
    EXPECT_EQ(series->currentText(), QStringLiteral("Names"));

    // A manual text ends with its value editable.
    const auto manual = make(SKTGraphicClass::Text);
    manual->Set_text_value(QStringLiteral("Hello"));
    select({manual});
    sidebar().Show_RHS_Properties(manual.get());
    EXPECT_FALSE(sidebar().dataSourcePanel()->Text_value_Edit->isReadOnly());
    EXPECT_EQ(sidebar().dataSourcePanel()->Text_value_Edit->toPlainText(), QStringLiteral("Hello"));
}

TEST_F(SidebarTabs, StoredFractionsShowAsWholePercent)
{
    const auto shape = make(SKTGraphicClass::Shape);
    shape->alpha_val = 0.5f;
    shape->_strokeWidth = 2.9;
    shape->_stroke_border_type = QStringLiteral("DD");
    select({shape});
    sidebar().Show_RHS_Properties(shape.get());
    EXPECT_DOUBLE_EQ(sidebar().shapePanel()->shape_alpha_Stepper->doubleValue(), 50.0);
    EXPECT_EQ(sidebar().shapePanel()->shape_alpha_Text->text(), QStringLiteral("50"));
    EXPECT_EQ(sidebar().shapePanel()->shape_bor_Text->text(), QStringLiteral("2"));   // truncated
    EXPECT_EQ(sidebar().shapePanel()->shape_border_style->currentIndex(), 3);

    const auto text = make(SKTGraphicClass::Text);
    text->Shadow_transparency = 0.257f;
    text->alpha_val = 1.5f;   // above the range: the stepper holds it at its maximum
    text->_stroke_border_type = QStringLiteral("XX");   // unknown: the list stays as it was
    sidebar().textPropertiesPanel()->Text_border_style->setCurrentIndex(2);
    select({text});
    sidebar().Show_RHS_Properties(text.get());
    EXPECT_EQ(sidebar().textPropertiesPanel()->shadow_transp_Text->text(), QStringLiteral("25"));
    EXPECT_EQ(sidebar().textPropertiesPanel()->Text_alpha_Text->text(), QStringLiteral("100"));
    EXPECT_EQ(sidebar().textPropertiesPanel()->Text_border_style->currentIndex(), 2);
    EXPECT_EQ(sidebar().sel_control_name->text(), QStringLiteral("T"));
}

TEST_F(SidebarTabs, FillOffDisablesTheWholeFillBox)
{
    const auto shape = make(SKTGraphicClass::Shape);
    shape->_isDrawingFill = false;
    shape->_fill_type = QStringLiteral("G");
    select({shape});
    sidebar().Show_RHS_Properties(shape.get());
    EXPECT_TRUE(sidebar().shapePanel()->Shape_gradient_fill_rd->isChecked());
    EXPECT_TRUE(sidebar().shapePanel()->shape_alpha_Stepper->isHidden());
    const ShapePanel &panel = *sidebar().shapePanel();
    for (QWidget *w : std::initializer_list<QWidget *>{panel.shape_fill_Grd_1_clr, panel.shape_grad_Stepper,
                                                       panel.shape_fill_clr, panel.shape_hatch_style})
        EXPECT_FALSE(w->isEnabled());
    // With the fill on, gradient enables only its own controls.
    const auto filled = make(SKTGraphicClass::Shape);
    filled->_fill_type = QStringLiteral("G");
    select({filled});
    sidebar().Show_RHS_Properties(filled.get());
    EXPECT_TRUE(sidebar().shapePanel()->shape_grad_Stepper->isEnabled());
    EXPECT_FALSE(sidebar().shapePanel()->shape_fill_clr->isEnabled());
}

TEST_F(SidebarTabs, MissingPictureFileShowsTheErrorLabel)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone.png"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path));
    const auto picture = make(SKTGraphicClass::Image);
    static_cast<SKTImage &>(*picture).setFilePath(path);
    QFile::remove(path);
    select({picture});
    sidebar().Show_RHS_Properties(picture.get());
    EXPECT_FALSE(sidebar().imagePanel()->image_error_label->isHidden());
    EXPECT_EQ(sidebar().dataSourcePanel()->Manual_image_path->toPlainText(), path);
    EXPECT_EQ(tabPages().size(), 3);   // the panel stays usable
}

TEST_F(SidebarTabs, OtherModesAndLoadingLeaveTheSidebarAlone)
{
    const auto line = make(SKTGraphicClass::Line);
    select({line});
    sidebar().Fill_Card_Prop_Tab();
    for (int mode : {0, 2}) {
        Barcode_Setting_Or_Designing_Mode = mode;
        sidebar().Show_RHS_Properties(line.get());
        EXPECT_EQ(sidebar().sett_tab->count(), 4) << mode;
    }
    Barcode_Setting_Or_Designing_Mode = 1;
    form_is_loading = true;
    sidebar().Show_RHS_Properties(line.get());
    form_is_loading = false;
    EXPECT_EQ(sidebar().sett_tab->count(), 4);
    EXPECT_EQ(d().selection().Last_Selected_Graphic, nullptr);
    // While somebody else fills the controls, an object changes nothing either.
    Not_Draw_Only_Prop_Change = true;
    sidebar().Show_RHS_Properties(line.get());
    Not_Draw_Only_Prop_Change = false;
    EXPECT_EQ(sidebar().sett_tab->count(), 4);
    sidebar().Show_RHS_Properties(line.get());
    EXPECT_EQ(tabPages(), (QList<QWidget *>{sidebar().line_tab, sidebar().aligmnt_tab}));
}

TEST_F(SidebarTabs, TheFlagIsClearAfterEveryFill)
{
    for (SKTGraphicClass kind : {SKTGraphicClass::Text, SKTGraphicClass::Image, SKTGraphicClass::Shape,
                                 SKTGraphicClass::Line, SKTGraphicClass::Signature, SKTGraphicClass::Barcode}) {
        shown(kind);
        EXPECT_FALSE(Not_Draw_Only_Prop_Change) << int(kind);
    }
    sidebar().Show_RHS_Properties(nullptr);
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
}

TEST_F(SidebarTabs, TheWheelScrollsAPageNotItsLists)
{
    for (QComboBox *list : {sidebar().cardBorderPanel()->Card_border_style, sidebar().linePanel()->Line_cap_style}) {
        ASSERT_NE(testsupport::enclosingScrollArea(list), nullptr);
        list->setCurrentIndex(0);
        testsupport::wheelDown(list);
        EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
    }
}

} // namespace
