#include "outputjobs/PaperBitmap.h"

#include <QLinearGradient>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

namespace {

using paperbitmap::Depth;

TEST(PaperBitmap, InkOnPaperGoesOneBitGreyAndColourStayAsTheyPrint)
{
    const auto text = [](QPainter &p, QColor ink) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 30));
        p.setPen(ink);
        p.drawText(QRect(0, 0, 360, 80), Qt::AlignCenter, QStringLiteral("Tagora 4711"));
    };
    const auto photo = [](QPainter &p) {
        QLinearGradient g(0, 0, 360, 80);
        g.setColorAt(0, QColor(200, 40, 10));
        g.setColorAt(1, QColor(10, 90, 230));
        p.fillRect(0, 0, 360, 80, g);
    };
    const struct { const char *what; std::function<void(QPainter &)> paint; Depth depth; QImage::Format format; } cases[] = {
        {"bars on transparent", [](QPainter &p) { p.fillRect(10, 0, 7, 60, Qt::black); }, Depth::OneBit, QImage::Format_Mono},
        {"anti-aliased black text", [&](QPainter &p) { text(p, Qt::black); }, Depth::OneBit, QImage::Format_Mono},
        {"anti-aliased grey text", [&](QPainter &p) { text(p, QColor(128, 128, 128)); }, Depth::Grey, QImage::Format_Grayscale8},
        {"light hairline", [](QPainter &p) { p.fillRect(20, 5, 1, 50, QColor(200, 200, 200)); }, Depth::Grey, QImage::Format_Grayscale8},
        {"photo", photo, Depth::Colour, QImage::Format_RGB32},
    };
    for (const auto &k : cases) {
        QImage image(360, 80, QImage::Format_ARGB32_Premultiplied), onWhite(image.size(), QImage::Format_RGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        k.paint(painter);
        painter.end();
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, image);

        EXPECT_EQ(paperbitmap::Depth_On_Paper(image), k.depth) << k.what;
        const QImage paper = paperbitmap::On_Paper(image);
        ASSERT_EQ(paper.format(), k.format) << k.what;
        int wrong = 0;   // one bit: each pixel the nearer of black and white; else exactly as on white paper
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb want = onWhite.pixel(x, y), near = qGray(want) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
                wrong += paper.pixel(x, y) != (k.depth == Depth::OneBit ? near : want);
            }
        EXPECT_EQ(wrong, 0) << k.what;
    }
}

} // namespace
