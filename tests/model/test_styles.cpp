// Stroke and fill styles: the border-style codes and their dash lengths in points, fill opacity,
// gradients and hatches, each checked on drawn pixels.

#include "CardObjectSupport.h"

#include "core/UserFolders.h"
#include "model/GraphicStyles.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "model/StyleCodes.h"
#include "platform/Files.h"

#include <QPainterPath>

#include <thread>
#include <vector>

using cardtest::drawn;
using cardtest::painted;

namespace {

// Runs of painted pixels along a row from x0 to x1: (start, length) each.
std::vector<std::pair<int, int>> runs(const QImage &image, int y, int x0, int x1)
{
    std::vector<std::pair<int, int>> out;
    for (int x = x0; x < x1; ++x) {
        if (!painted(image, x, y))
            continue;
        if (!out.empty() && out.back().first + out.back().second == x)
            ++out.back().second;
        else
            out.push_back({x, 1});
    }
    return out;
}

class ResourceScope {
public:
    ResourceScope() : m_old(Resource_Path) { Resource_Path = platform::resourceFolder(); }
    ~ResourceScope() { Resource_Path = m_old; }

private:
    QString m_old;
};

} // namespace

TEST(StyleCodes, ListIndexesAndDashArrays)
{
    const char *codes[] = {"S", "DA", "DO", "DD", "DDD"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Border_Style_Code(i), QLatin1String(codes[i]));
        EXPECT_EQ(Border_Style_Index(QLatin1String(codes[i])), i);
    }
    EXPECT_EQ(Border_Style_Code(7), QStringLiteral("S"));
    EXPECT_EQ(Border_Style_Code(-1), QStringLiteral("S"));
    EXPECT_EQ(Border_Style_Index(QStringLiteral("dd")), -1);
    EXPECT_EQ(Border_Dash_Array(QStringLiteral("DD")), (QList<double>{24, 10, 6, 10}));
    EXPECT_TRUE(Border_Dash_Array(QStringLiteral("S")).isEmpty());
    EXPECT_TRUE(Border_Dash_Array(QStringLiteral("wavy")).isEmpty());
}

TEST(StyleCodes, EachListIndexHasTheTitleOfItsCode)
{
    EXPECT_EQ(Border_Style_Titles(), QStringList({QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"),
                                                  QStringLiteral("Dash Dot"), QStringLiteral("Dash Dot Dot")}));
}

TEST(Stroke, DashLengthsArePointsWhateverTheWidth)
{
    Shape_Control g;
    g.setBounds(QRectF(10, 10, 200, 60));
    g._isDrawingFill = false;
    g._strokeWidth = 5;
    g._stroke_border_type = QStringLiteral("DDD");
    const QImage image = drawn(g, QSize(230, 90));
    // Along the top edge from its start: 24 painted, 8 gap, 8, 8, 8, 8, then 24 again.
    const auto r = runs(image, 10, 10, 130);
    ASSERT_GE(r.size(), 4u);
    EXPECT_EQ(r.at(0), std::make_pair(10, 24));
    EXPECT_EQ(r.at(1), std::make_pair(42, 8));
    EXPECT_EQ(r.at(2), std::make_pair(58, 8));
    EXPECT_EQ(r.at(3), std::make_pair(74, 24));

    g._stroke_border_type = QStringLiteral("wavy");   // unknown: solid
    EXPECT_EQ(runs(drawn(g, QSize(230, 90)), 10, 10, 130).size(), 1u);
    g._strokeWidth = -3;   // a hairline, still dashed in points
    g._stroke_border_type = QStringLiteral("DA");
    const auto hair = runs(drawn(g, QSize(230, 90)), 10, 10, 60);
    ASSERT_GE(hair.size(), 3u);
    EXPECT_EQ(hair.at(0).second, 8);
    EXPECT_EQ(hair.at(1).first - hair.at(0).first, 10);   // 8 painted, 2 gap
}

TEST(Fill, HalfOpaqueFillUnderAnOpaqueStroke)
{
    Shape_Control g;
    g.setBounds(QRectF(10, 10, 60, 40));
    g._fillColor = Qt::red;
    g._strokeWidth = 4;
    const QImage opaque = drawn(g, QSize(80, 60), Qt::white);
    EXPECT_EQ(opaque.pixelColor(40, 30), QColor(Qt::red));   // alpha_val 100 is opaque
    g.alpha_val = 1.0f;
    EXPECT_EQ(drawn(g, QSize(80, 60), Qt::white).pixelColor(40, 30), QColor(Qt::red));

    g.alpha_val = 0.5f;
    const QImage half = drawn(g, QSize(80, 60), Qt::white);
    const QColor fill = half.pixelColor(40, 30);
    EXPECT_EQ(fill.red(), 255);
    EXPECT_NEAR(fill.green(), 128, 2);
    EXPECT_EQ(half.pixelColor(10, 30), QColor(Qt::black));   // the outline stays opaque

    g.alpha_val = 1;
    g._fill_type = QStringLiteral("Z");   // unknown: solid
    EXPECT_EQ(drawn(g, QSize(80, 60), Qt::white).pixelColor(40, 30), QColor(Qt::red));
}

TEST(Fill, GradientSpansTheBoxAtItsAngleAndIgnoresTheOpacity)
{
    Shape_Control g;
    g.setBounds(QRectF(0, 0, 100, 100));
    g._isDrawingStroke = false;
    g._fill_type = QStringLiteral("G");
    g._fill_Grad_clr1 = Qt::red;
    g._fill_Grad_clr2 = Qt::blue;
    g._fill_grad_angle = 90;
    g.alpha_val = 0.2f;
    const QImage down = drawn(g, QSize(100, 100));
    const QColor top = down.pixelColor(50, 0), bottom = down.pixelColor(50, 99);
    EXPECT_EQ(top.alpha(), 255);
    EXPECT_GT(top.red(), 245);
    EXPECT_GT(bottom.blue(), 245);
    EXPECT_EQ(down.pixelColor(0, 50), down.pixelColor(99, 50));   // constant across at 90

    g._fill_grad_angle = 0;
    const QImage across = drawn(g, QSize(100, 100));
    EXPECT_GT(across.pixelColor(0, 50).red(), 245);
    EXPECT_GT(across.pixelColor(99, 50).blue(), 245);
}

TEST(Fill, HatchOverItsColourAndAMissingPatternLeavesTheColour)
{
    ResourceScope resources;
    Shape_Control g;
    g.setBounds(QRectF(0, 0, 40, 40));
    g._isDrawingStroke = false;
    g._fill_type = QStringLiteral("H");
    g._fill_htch_clr = Qt::yellow;
    g._fill_hatch_type = QStringLiteral("Grid");
    const QImage hatched = drawn(g, QSize(40, 40));
    int black = 0, yellow = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const QColor c = hatched.pixelColor(x, y);
            black += c == QColor(Qt::black);
            yellow += c == QColor(Qt::yellow);
        }
    EXPECT_GT(black, 100);
    EXPECT_GT(yellow, 800);
    EXPECT_EQ(black + yellow, 1600);

    g.alpha_val = 0.5f;   // the colour under the pattern takes the opacity
    EXPECT_NEAR(drawn(g, QSize(40, 40)).pixelColor(3, 3).alpha(), 128, 2);

    g.alpha_val = 1;
    g._fill_hatch_type = QStringLiteral("NoSuchPattern");
    const QImage plain = drawn(g, QSize(40, 40));
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(plain.pixelColor(20, 20), QColor(Qt::yellow));
    EXPECT_TRUE(graphicstyle::hatchImage(QStringLiteral("../banner")).isNull());

    // Only shapes hatch: a text with "H" fills solid with its fill colour.
    SKTText text;
    text._isDrawingFill = true;
    text._fill_type = QStringLiteral("H");
    text._fillColor = Qt::green;
    text._fill_htch_clr = Qt::yellow;
    text._fill_hatch_type = QStringLiteral("Grid");
    QImage textImage(10, 10, QImage::Format_ARGB32);
    textImage.fill(Qt::transparent);
    QPainter p(&textImage);
    QPainterPath box;
    box.addRect(0, 0, 10, 10);
    graphicstyle::fillPath(p, text, box);
    p.end();
    EXPECT_EQ(textImage.pixelColor(0, 0), QColor(Qt::green));
}

TEST(Fill, HatchPatternsAreSharedAcrossThreads)
{
    ResourceScope resources;
    std::vector<QImage> seen(6);
    std::vector<std::thread> threads;
    for (int i = 0; i < 6; ++i)
        threads.emplace_back([i, &seen] { seen[i] = graphicstyle::hatchImage(QStringLiteral("Crosshatch")); });
    for (auto &t : threads)
        t.join();
    for (const QImage &image : seen) {
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image, seen.front());
    }
}

TEST(Fill, EveryPatternOfTheResourceFolderLoads)
{
    ResourceScope resources;
    for (const char *name : {"Backslash", "Crosshatch", "Grid", "Horizontal", "Slash", "Vertical"}) {
        const QImage image = graphicstyle::hatchImage(QLatin1String(name));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_TRUE(image.hasAlphaChannel()) << name;   // the colour beneath shows through
    }
}

TEST(Stroke, LinesTakeTheirStrokeOpacityShapesNever)
{
    SKTLine line;
    line.setBeginPoint(QPointF(0, 10));
    line.setEndPoint(QPointF(40, 10));
    line._strokeWidth = 6;
    line.alpha_val_stroke = 0.25f;
    EXPECT_NEAR(drawn(line, QSize(40, 20)).pixelColor(20, 10).alpha(), 64, 2);

    Shape_Control shape;
    shape.setBounds(QRectF(5, 5, 30, 10));
    shape._isDrawingFill = false;
    shape._strokeWidth = 4;
    shape.alpha_val_stroke = 0.25f;
    EXPECT_EQ(drawn(shape, QSize(40, 20)).pixelColor(20, 5).alpha(), 255);
}
