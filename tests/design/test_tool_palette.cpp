// The tool palette alone: each button announces its own tool, the watermark button asks for the
// watermark and chooses no tool, and the form keeps the names the window's outlets go by.

#include "design/ToolPalette.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ToolPalette, EachToolButtonAnnouncesItsToolOnce)
{
    ToolPalette palette;
    struct Case {
        QPushButton *button;
        const char *name;
        int tool;
    };
    const Case cases[] = {
        {palette.Arrow_Tool_btn, "Arrow_Tool_btn", 0},
        {palette.Line_Tool_btn, "Line_Tool_btn", 1},
        {palette.Text_Tool_btn, "Text_Tool_btn", 2},
        {palette.Rect_Tool_btn, "Rect_Tool_btn", 3},
        {palette.Circle_Tool_btn, "Circle_Tool_btn", 4},
        {palette.Round_Rect_Tool_btn, "Round_Rect_Tool_btn", 5},
        {palette.Triangle_Tool_btn, "Triangle_Tool_btn", 6},
        {palette.Diamond_Tool_btn, "Diamond_Tool_btn", 7},
        {palette.Image_Tool_btn, "Image_Tool_btn", 8},
        {palette.Image_Library_Tool_btn, "Image_Library_Tool_btn", 9},
        {palette.Barcode_Tool_btn, "Barcode_Tool_btn", 10},
        {palette.Signature_Tool_btn, "Signature_Tool_btn", 11},
        {palette.Fingure_Print_Tool_btn, "Fingure_Print_Tool_btn", 12},
        {palette.Star_Tool_btn, "Star_Tool_btn", 13},
        {palette.Double_Star_Tool_btn, "Double_Star_Tool_btn", 14},
        {palette.Polygon_Tool_btn, "Polygon_Tool_btn", 15},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        ASSERT_NE(k.button, nullptr);
        EXPECT_EQ(k.button->objectName(), QLatin1String(k.name));
        QSignalSpy tools(&palette, &ToolPalette::toolChosen);
        QSignalSpy watermark(&palette, &ToolPalette::watermarkRequested);
        QTest::mouseClick(k.button, Qt::LeftButton);
        ASSERT_EQ(tools.count(), 1);
        EXPECT_EQ(tools.first().first().toInt(), k.tool);
        EXPECT_EQ(watermark.count(), 0);
    }
}

TEST(ToolPalette, TheWatermarkButtonAsksForTheWatermarkAndChoosesNoTool)
{
    ToolPalette palette;
    ASSERT_NE(palette.Watermark_Tool_btn, nullptr);
    EXPECT_EQ(palette.Watermark_Tool_btn->objectName(), QStringLiteral("Watermark_Tool_btn"));
    QSignalSpy tools(&palette, &ToolPalette::toolChosen);
    QSignalSpy watermark(&palette, &ToolPalette::watermarkRequested);
    QTest::mouseClick(palette.Watermark_Tool_btn, Qt::LeftButton);
    EXPECT_EQ(watermark.count(), 1);
    EXPECT_EQ(tools.count(), 0);
}

TEST(ToolPalette, TheHandlersAnnounceWhatTheirButtonsDo)
{
    // Called without a click (as the window's own code may), each handler announces the same tool.
    ToolPalette palette;
    QSignalSpy tools(&palette, &ToolPalette::toolChosen);
    palette.Barcode_Tool_Clicked();
    palette.Arrow_Tool_Clicked();
    palette.Polygon_Tool_Clicked();
    ASSERT_EQ(tools.count(), 3);
    EXPECT_EQ(tools.at(0).first().toInt(), 10);
    EXPECT_EQ(tools.at(1).first().toInt(), 0);
    EXPECT_EQ(tools.at(2).first().toInt(), 15);
}

TEST(ToolPalette, ThePaletteKeepsTheNameOfItsPlaceInTheWorkArea)
{
    ToolPalette palette;
    EXPECT_EQ(palette.objectName(), QStringLiteral("tool_palette"));
    // Every tool is a button of the palette itself, in the column of the form.
    EXPECT_EQ(palette.findChildren<QPushButton *>().size(), 17);
}

} // namespace
