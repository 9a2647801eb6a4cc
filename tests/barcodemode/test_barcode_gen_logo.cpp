// The QR logo of barcode objects: the cache that spares a batch from reading a logo file per
// record, bad logo files, the logo box and the library picker; the category pictures; and the
// hand-over of a QR payload to the payload editor.

#include "barcode_gen_fixture.h"

#include "advqr/AdvQrController.h"
#include "advqr/Edit_ADV_QR_Type.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "app/SKTWindowController.h"
#include "core/QrCategoryImages.h"
#include "imagetools/Image_Library.h"
#include "support/ImageFileMakers.h"
#include "support/Decode.h"
#include "support/LogCapture.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "core/Globals.h"
#include "core/SymbolGlobals.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace barcode_gen_test;
using testsupport::LogCapture;

namespace {

class LogoWindow : public BarcodeGenWindow {
protected:
    void SetUp() override
    {
        BarcodeGenWindow::SetUp();
        logoPath = dir.filePath(QStringLiteral("logo.png"));
        QImage logo(400, 100, QImage::Format_RGB32);
        logo.fill(QColor(220, 20, 20));
        ASSERT_TRUE(logo.save(logoPath));
        object = barcodeObject();
        object->barcode_font_index = 16;
        object->linear_or_2d = 1;
        object->two_d_font_val = QStringLiteral("Tagora logo");
        object->qr_ec_index = 3;
        object->USE_QR_LOGO = true;
        object->USE_QR_LOGO_PATH = logoPath;
    }
    // The object's picture as a batch record renders it (the logo through the cache).
    QImage record(const SKTGraphic &o)
    {
        g->Set_Barcode_Prop_To_Control(o, false);
        return at600(g->Get_Image_From_Val(o.two_d_font_val, o.header_val, o.footer_val));
    }
    QImage noLogoPicture()
    {
        const bool use = object->USE_QR_LOGO;
        object->USE_QR_LOGO = false;
        g->Set_Barcode_Prop_To_Control(*object, true);
        const QImage image = at600(g->Get_Image_From_Val(object->two_d_font_val, object->header_val, object->footer_val));
        object->USE_QR_LOGO = use;
        return image;
    }

    QTemporaryDir dir;
    QString logoPath;
    std::shared_ptr<SKTGraphic> object;
};

} // namespace

TEST_F(LogoWindow, ABatchReadsEachObjectsLogoOnce)
{
    LogCapture log;
    const QImage first = record(*object);
    ASSERT_FALSE(first.isNull());
    EXPECT_FALSE(first == noLogoPicture());
    for (int i = 1; i < 100; ++i)
        ASSERT_TRUE(record(*object) == first) << i;
    EXPECT_EQ(LogCapture::lines().count(QStringLiteral("(BAR_1) - Logo not found.")), 1);
    ASSERT_EQ(c->logoList.size(), 1);
    EXPECT_EQ(c->logoList.first().ID, QStringLiteral("BAR_1"));
    EXPECT_EQ(c->logoList.first().logoImage.size(), QSize(200, 50));
}

TEST_F(LogoWindow, ADeletedLogoStaysCachedUntilTheCacheIsEmptied)
{
    const QImage withLogo = record(*object);
    ASSERT_TRUE(QFile::remove(logoPath));
    EXPECT_TRUE(record(*object) == withLogo);
    c->Set_Logo_Item_List_EMPTY();
    const QImage after = record(*object);
    EXPECT_FALSE(after == withLogo);
    EXPECT_TRUE(after == noLogoPicture());
    // The missing file is cached too: looked for once per emptying.
    ASSERT_EQ(c->logoList.size(), 1);
    EXPECT_TRUE(c->logoList.first().logoImage.isNull());
}

TEST_F(LogoWindow, AnObjectWithoutIdentifierReadsItsLogoEveryTime)
{
    object->control_ID.clear();
    const QImage withLogo = record(*object);
    ASSERT_TRUE(QFile::remove(logoPath));
    EXPECT_FALSE(record(*object) == withLogo);
    EXPECT_TRUE(c->logoList.isEmpty());
}

TEST_F(LogoWindow, AMissingBrokenOrHugeLogoGivesNoLogo)
{
    const QImage plain = noLogoPicture();
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    ASSERT_TRUE(imagefiles::writeBytes(broken, QByteArray("\x89PNG\r\n\x1a\n not a picture", 24)));
    const QString huge = dir.filePath(QStringLiteral("huge.png"));
    ASSERT_TRUE(imagefiles::writeBytes(huge, imagefiles::hugeBlankPng(60000, 60000)));
    for (const QString &path : {dir.filePath(QStringLiteral("missing.png")), broken, huge, dir.path()}) {
        SCOPED_TRACE(path.toStdString());
        object->USE_QR_LOGO_PATH = path;
        g->Set_Barcode_Prop_To_Control(*object, true);
        EXPECT_TRUE(g->USE_QR_LOGO_IMG.isNull());
        EXPECT_TRUE(at600(g->Get_Image_From_Val(object->two_d_font_val, object->header_val, object->footer_val)) == plain);
    }
}

TEST_F(LogoWindow, TheLogoBoxAndTheLibraryPicker)
{
    const QString other = dir.filePath(QStringLiteral("other.png"));
    QImage tall(50, 200, QImage::Format_RGB32);
    tall.fill(Qt::blue);
    ASSERT_TRUE(tall.save(other));
    const QString text = dir.filePath(QStringLiteral("text.png"));
    ASSERT_TRUE(imagefiles::writeBytes(text, QByteArray("not a picture")));
    object->USE_QR_LOGO = false;
    Use_Org_image_Or_Shred_it = true;
    Image_Library *library = Image_Library::defaultInstance();
    // In the picker, "Browse other file" and the file the open panel answers.
    const auto browseOther = [&](const QString &path) {
        responder->openAnswers = {{path}};
        responder->onModal = [library](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Logo Image"));
            library->browse_other_button->click();
            return dialog.result();
        };
    };
    const auto copy = open(object, [&](Barcode_Gen &w) {
        EXPECT_FALSE(w.Use_logo_box->isEnabled());
        EXPECT_EQ(w.Use_logo_path->toPlainText(), logoPath);
        w.Use_Logo_chk->click();
        EXPECT_TRUE(w.USE_QR_LOGO);
        EXPECT_TRUE(w.Use_logo_box->isEnabled());
        // Cancelled in the picker: nothing changes.
        w.Use_Browse_Logo_Btn_Clicked();
        EXPECT_EQ(w.USE_QR_LOGO_PATH, logoPath);
        EXPECT_EQ(library->control_or_BG, QStringLiteral("QR"));
        // A file of the disk that is no picture: refused, the logo as it was.
        const QImage before = w.USE_QR_LOGO_IMG;
        browseOther(text);
        w.Use_Browse_Logo_Btn_Clicked();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("\nThe selected file is not a readable image.")});
        EXPECT_EQ(w.USE_QR_LOGO_PATH, logoPath);
        EXPECT_EQ(w.Use_logo_path->toPlainText(), logoPath);
        EXPECT_TRUE(w.USE_QR_LOGO_IMG == before);
        EXPECT_NE(Library_Selected_Image, text);
        // A picture file: taken, fitted into the logo box.
        browseOther(other);
        w.Use_Browse_Logo_Btn_Clicked();
        EXPECT_EQ(Library_Selected_Image, other);
        EXPECT_FALSE(Use_Org_image_Or_Shred_it);
        EXPECT_EQ(w.Use_logo_path->toPlainText(), other);
        EXPECT_EQ(w.USE_QR_LOGO_IMG.size(), QSize(50, 200));
        EXPECT_EQ(w.USE_QR_LOGO_IMG.pixelColor(25, 100), QColor(Qt::blue));
        w.OK_Btn_Clicked();
    });
    ASSERT_EQ(responder->openRequests.size(), 2);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->USE_QR_LOGO);
    EXPECT_EQ(copy->USE_QR_LOGO_PATH, other);
}

TEST_F(BarcodeGenWindow, EveryCategoryHasAPictureAndAnUnknownTitleTakesTheTextOne)
{
    for (const QString &title : qr_category::titles())
        EXPECT_FALSE(g->Get_Qr_Cat_Image_Acc_to_Category(title).isNull()) << qPrintable(title);
    const QImage twitter = g->Get_Qr_Cat_Image_Acc_to_Category(QStringLiteral("Twitter"));
    EXPECT_TRUE(g->Get_Qr_Cat_Image_Acc_to_Category(QStringLiteral("X(Twitter)")) == twitter);
    const QImage text = g->Get_Qr_Cat_Image_Acc_to_Category(QStringLiteral("Text"));
    EXPECT_FALSE(text == twitter);
    EXPECT_TRUE(g->Get_Qr_Cat_Image_Acc_to_Category(QStringLiteral("Fax")) == text);
    EXPECT_TRUE(g->Get_Qr_Cat_Image_Acc_to_Category(QStringLiteral("twitter")) == text);   // case counts
    EXPECT_EQ(qr_category::imageFileFor(QStringLiteral("Crypto")), QStringLiteral("crypto-currency.png"));
}

TEST_F(LogoWindow, ACancelledPayloadEditChangesNothing)
{
    bool flagWhileOpen = false;
    open(object, [&](Barcode_Gen &w) {
        w.Sel_Qr_type_TEXT->setText(QStringLiteral("URL"));
        w.AQR_Display_Text_View->setPlainText(QStringLiteral("summary"));
        const QImage before = at600(w.barcodeImage->picture());
        responder->onModal = [&](QDialog &dialog) {
            flagWhileOpen = QR_Val_Edit;
            EXPECT_EQ(Edit_ADV_QR_Type::defaultInstance()->Selected_Qr_Category->text(), QStringLiteral("URL"));
            EXPECT_EQ(Edit_ADV_QR_Type::defaultInstance()->Final_adv_qr_val, QStringLiteral("Tagora logo"));
            Edit_ADV_QR_Type::defaultInstance()->Cancel_Clicked();
            return dialog.result();
        };
        w.Edit_Adv_QR_Value_Clicked();
        EXPECT_FALSE(QR_Val_Edit);
        EXPECT_EQ(w.Get_Two_D_Value_From_Field(), QStringLiteral("Tagora logo"));
        EXPECT_EQ(w.Sel_Qr_type_TEXT->text(), QStringLiteral("URL"));
        EXPECT_EQ(w.AQR_Display_Text_View->toPlainText(), QStringLiteral("summary"));
        EXPECT_TRUE(at600(w.barcodeImage->picture()) == before);
    });
    EXPECT_TRUE(flagWhileOpen);
}

TEST_F(LogoWindow, AnAcceptedPayloadEditTakesThePayloadTypeAndSummary)
{
    QWidget qrPage;
    c->advQr().buildAdvancedQrPanel(&qrPage);   // the input panels the editor shows
    object->USE_QR_LOGO = false;
    const auto copy = open(object, [&](Barcode_Gen &w) {
        responder->onModal = [&](QDialog &dialog) {
            Edit_ADV_QR_Type *editor = Edit_ADV_QR_Type::defaultInstance();
            Qr_Text_OBJ->Text_Field->clear();
            editor->OK_Clicked();   // an empty text is refused
            EXPECT_EQ(messages().last(), QStringLiteral("\nPlease enter text."));
            for (QPushButton *b : editor->QR_Type_Buttons)
                if (b->text() == QLatin1String("URL"))
                    b->click();
            QTest::keyClicks(Qr_Text_OBJ->URL_Value_field, QStringLiteral("tagora.example/x"));
            editor->OK_Clicked();
            return dialog.result();
        };
        w.Edit_Adv_QR_Value_Clicked();
        EXPECT_FALSE(QR_Val_Edit);
        EXPECT_EQ(w.Get_Two_D_Value_From_Field(), QStringLiteral("https://tagora.example/x"));
        EXPECT_EQ(w.Sel_Qr_type_TEXT->text(), QStringLiteral("URL"));
        EXPECT_EQ(w.AQR_Display_Text_View->toPlainText(), QStringLiteral("URL : \n\ntagora.example/x"));
        EXPECT_TRUE(w.Sel_Qr_type_IMG->picture().image() == w.Get_Qr_Cat_Image_Acc_to_Category(QStringLiteral("URL")));
        const testsupport::Decoded d = testsupport::decode(onWhite(at600(w.barcodeImage->picture())), QStringLiteral("QRCode"));
        EXPECT_EQ(d.text, QStringLiteral("https://tagora.example/x"));
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->AQR_Category, QStringLiteral("URL"));
    EXPECT_EQ(copy->AQR_Display_value, QStringLiteral("URL : \n\ntagora.example/x"));
    EXPECT_EQ(copy->AQR_Final_Value, QStringLiteral("https://tagora.example/x"));
    EXPECT_EQ(copy->two_d_font_val, QStringLiteral("https://tagora.example/x"));
}
