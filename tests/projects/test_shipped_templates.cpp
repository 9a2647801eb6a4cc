// The design templates shipped with the QR edition: each one the gallery lists opens untitled
// through the project reader, with its card size and objects, and its thumbnail shows the card
// with a QR code that reads back.

#include "WizardFixture.h"

#include "design/DesignParts.h"
#include "design/PropertySidebar.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "platform/Stepper.h"
#include "projects/ProjectsController.h"
#include "projects/TemplateGallery.h"
#include "support/DataFolderEnvironment.h"
#include "support/Decode.h"
#include "support/PageControl.h"
#include "model/DesignGlobals.h"
#include "core/UserFolders.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace {

struct Shipped {
    const char *uid;       // category folder and thumbnail
    double widthMM, heightMM;
    const char *payload;   // what the QR code of the design holds
};

const Shipped shipped[] = {
    {"1Popular/Membership_Card.png", 85.60, 53.98, "MEMBER 000123"},
    {"1Popular/Price_Tag.png", 60, 40, "https://example.com/product/12345"},
    {"2Social/Follow_Us_Card.png", 90, 55, "https://example.com"},
    {"3Business/ID_Badge.png", 53.98, 85.60, "ID 000123"},
    {"3Business/Shipping_Label.png", 101.6, 152.4, "TRK000000000000"},
    {"5Other/Event_Ticket.png", 140, 55, "TICKET 000123"},
};

// The shipped templates' folder of the resources.
QString base() { return Resource_Path + QStringLiteral("/Templates/AllType"); }

QImage onWhite(const QImage &image)
{
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

// The template files as the program finds them, without a window.
class ShippedTemplateFiles : public ::testing::Test {
protected:
    testsupport::DataFolderEnvironment folders;
};

// The templates opened in the window.
using ShippedTemplates = WizardFixture;

TEST_F(ShippedTemplateFiles, TheGalleryListsEveryOneWithItsDesignBeside)
{
    const auto all = templategallery::All_Templates(base());
    ASSERT_TRUE(all.has_value()) << qPrintable(base());
    QStringList uids;
    for (const MyImageObject &item : *all) {
        uids << item.uid;
        EXPECT_TRUE(QFileInfo(templategallery::Design_Path_Of(item.path)).isFile()) << qPrintable(item.path);
    }
    QStringList expected;
    for (const Shipped &s : shipped)
        expected << QString::fromLatin1(s.uid);
    EXPECT_EQ(uids, expected);
}

TEST_F(ShippedTemplates, EachOpensUntitledWithItsCardSizeAndObjects)
{
    projects().host().Designing_Mode_Select();
    for (const Shipped &s : shipped) {
        SCOPED_TRACE(s.uid);
        const QString design = templategallery::Design_Path_Of(base() + QLatin1Char('/') + QString::fromLatin1(s.uid));
        const qsizetype alertsBefore = responder->alerts.size();
        Project_File_Name.clear();
        ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(design, QStringLiteral("T"), false), 1);
        EXPECT_EQ(responder->alerts.size(), alertsBefore) << qPrintable(messages().value(messages().size() - 1));
        EXPECT_TRUE(Project_File_Name.isEmpty()) << qPrintable(Project_File_Name);

        QWidget *sizes = sidebarOf(this->design()).card_size_tab;
        EXPECT_NEAR(testsupport::pageControl<platform::Stepper>(sizes, "width_Stepper")->doubleValue(), s.widthMM, 0.01);
        EXPECT_NEAR(testsupport::pageControl<platform::Stepper>(sizes, "height_Stepper")->doubleValue(), s.heightMM, 0.01);

        int texts = 0, codes = 0;
        for (const auto &g : projects().host().document()->graphics()) {
            texts += g->graphicClass() == SKTGraphicClass::Text;
            if (g->graphicClass() == SKTGraphicClass::Barcode) {
                ++codes;
                EXPECT_EQ(g->two_d_font_val, QString::fromLatin1(s.payload));
                EXPECT_FALSE(g->_barcode_image.isNull());
            }
        }
        EXPECT_GE(texts, 3);
        EXPECT_EQ(codes, 1);
    }
}

TEST_F(ShippedTemplateFiles, EachThumbnailIsTheCardWithAReadableQrCode)
{
    for (const Shipped &s : shipped) {
        SCOPED_TRACE(s.uid);
        const QImage thumbnail(base() + QLatin1Char('/') + QString::fromLatin1(s.uid));
        ASSERT_FALSE(thumbnail.isNull());
        EXPECT_NEAR(double(thumbnail.width()) / thumbnail.height(), s.widthMM / s.heightMM, 0.03);
        const testsupport::Decoded d = testsupport::decode(onWhite(thumbnail), QStringLiteral("QRCode"));
        EXPECT_TRUE(d.ok);
        EXPECT_EQ(d.text, QString::fromLatin1(s.payload));
    }
}

} // namespace
