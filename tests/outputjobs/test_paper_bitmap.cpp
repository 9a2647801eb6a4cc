#include "outputjobs/PaperBitmap.h"

#include "engines/linear/NKDCode128Barcode.h"
#include "engines/render/NKDBarcodeOffscreenView.h"
#include "platform/Picture.h"

#include <QFontDatabase>
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
        {"mid-grey text", [&](QPainter &p) { text(p, QColor(100, 100, 100)); }, Depth::Grey, QImage::Format_Grayscale8},
        {"dark grey area", [](QPainter &p) { p.fillRect(40, 10, 90, 50, QColor(50, 50, 50)); }, Depth::Grey, QImage::Format_Grayscale8},
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

// Black text raised as a label is (points scaled to 600 DPI) from 6 pt, in DejaVu (fonts-dejavu) and
// Nimbus (fonts-urw-base35): glyphs whose fringe lies far from full cover, and a Code 128 with text.
TEST(PaperBitmap, BlackTextInEveryFaceAndSizeGoesOneBit)
{
    const auto code128 = [](const QFont &font) {
        auto settings = std::make_shared<BarcodeSettings>();
        settings->value_font = font;
        NKDCode128Barcode model;
        model.setSettings(settings);
        EXPECT_TRUE(model.initWithContent(QStringLiteral("KXW&Q-2847"), true));
        model.setBarWidth(float(15 / 1000.0 * 72.0));
        model.setCaptionFontSize(float(font.pointSizeF()));
        model.setHeight(float(40 + model.captionHeight() * 72 + settings->value_margin + 2 * settings->TB_margin));
        model.calculateWidth();
        const platform::Picture code = NKDBarcodeOffscreenView::initWithBarcode(&model, settings)->picture();
        return platform::Picture::record(code.size() + QSizeF(7.3, 3.1),
                                         [code](QPainter &p) { code.draw(p, QRectF(QPointF(3.7, 1.3), code.size())); });
    };
    for (const QString family : {"DejaVu Sans", "DejaVu Serif", "Nimbus Roman", "Nimbus Sans"}) {
        ASSERT_TRUE(QFontDatabase::hasFamily(family)) << qPrintable(family);
        for (const int weight : {QFont::Normal, QFont::Bold})
            for (const double pt : {6.0, 7.5, 9.0, 14.0}) {
                QFont font(family, -1, weight);
                font.setPointSizeF(pt);
                std::vector<std::pair<QString, platform::Picture>> labels{{QStringLiteral("Code 128"), code128(font)}};
                for (const QString &glyph : QStringLiteral("Q k x & K A M N 2 v w y z ÄÖÜ ñ").split(QLatin1Char(' ')))
                    labels.emplace_back(glyph, platform::Picture::record(QSizeF(pt * 3, pt * 2), [=](QPainter &p) {
                                            p.setFont(font); p.drawText(QPointF(0.37 * pt, 1.41 * pt), glyph); }));
                for (const auto &[what, label] : labels)
                    EXPECT_EQ(paperbitmap::Depth_On_Paper(label.toImage(600)), Depth::OneBit)
                        << qPrintable(family) << " weight " << weight << ", " << pt << " pt " << qPrintable(what);
            }
    }
}

} // namespace
