// The Advanced QR mode's commands: reset, copy, the centre logo and the hand-over to the
// Designing mode, through the buttons a user clicks.

#include "AdvQrFixture.h"

#include "advqr/Qr_Location_View_Panel.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_Zoom_View_Panel.h"
#include "barcodemode/BarcodeModeController.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "imagetools/Image_Library.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Files.h"
#include "core/Mode.h"
#include "core/UserFolders.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QRegularExpression>
#include <QScrollArea>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class AdvQrCommands : public AdvQrFixture {
protected:
    // A PNG logo on disk.
    QString logoFile(const QString &name = QStringLiteral("logo.png"))
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(logo(QColor(20, 60, 220)).save(path));
        return path;
    }
    // The picker answered with "Browse other file" and the path.
    void pickerAnswers(const QString &path)
    {
        responder->openAnswers = {{path}};
        responder->onModal = [](QDialog &dialog) {
            Image_Library::defaultInstance()->Browse_Other_Clicked();
            return dialog.result();
        };
    }
    // The logo box's browse button (enabled while the logo box is ticked), as the user clicks it.
    void browseLogo(QPushButton *button, const QString &path)
    {
        pickerAnswers(path);
        ASSERT_TRUE(button->isEnabled());
        button->click();
    }
    QTemporaryDir dir;
};

TEST_F(AdvQrCommands, ResetAnsweredNoChangesNothing)
{
    qr().ADV_QR_HeaderText->setText(QStringLiteral("Mine"));
    qr().QR_Text_Clicked(QStringLiteral("URL"));
    QTest::keyClicks(qr().Qr_Text->URL_Value_field, QStringLiteral("a.b"));
    responder->alertAnswers = {QStringLiteral("No")};
    qr().ADV_QR_Reset_btn->click();
    EXPECT_EQ(responder->alertMessages().last(),
              QStringLiteral("Do you want to reset all QR code settings to default?"));
    EXPECT_EQ(qr().ADV_QR_HeaderText->text(), QStringLiteral("Mine"));
    EXPECT_EQ(qr().Selected_Qr_Category->text(), QStringLiteral("URL"));
    EXPECT_EQ(qr().AQR_Memory.AQR_URL_STR, QStringLiteral("a.b"));
}

TEST_F(AdvQrCommands, ResetAnsweredYesRestoresEveryDefault)
{
    qr().ADV_QR_HeightText_2D->setText(QStringLiteral("300"));
    qr().ADV_QR_HeaderText->setText(QStringLiteral("Mine"));
    qr().ADV_QR_barcode_clr->setColor(Qt::red);
    qr().ADV_QR_transp_bg_chk->click();
    qr().ADV_QR_USE_QR_LOGO = true;
    qr().ADV_QR_USE_QR_LOGO_IMG = logo();
    qr().QR_Text_Clicked(QStringLiteral("Zoom"));
    qr().Qr_Zoom->Zoom_Crd_radio->click();
    qr().QR_Text_Clicked(QStringLiteral("Location"));
    qr().Qr_Location->Loc_Cord_radio->click();
    qr().QR_Text_Clicked(QStringLiteral("URL"));
    QTest::keyClicks(qr().Qr_Text->URL_Value_field, QStringLiteral("a.b"));

    responder->alertAnswers = {QStringLiteral("Yes")};
    qr().ADV_QR_Reset_btn->click();
    EXPECT_EQ(qr().ADV_QR_HeightText_2D->text(), QStringLiteral("120"));
    EXPECT_EQ(qr().ADV_QR_HeaderText->text(), QStringLiteral("My QR Code"));
    EXPECT_EQ(qr().ADV_QR_FooterText->text(), QStringLiteral("SCAN ME"));
    EXPECT_EQ(qr().ADV_QR_barcode_clr->color(), QColor(Qt::black));
    EXPECT_EQ(qr().ADV_QR_back_bg_clr->color(), QColor(Qt::white));
    EXPECT_FALSE(qr().ADV_QR_transp_bg_chk->isChecked());
    EXPECT_TRUE(qr().ADV_QR_back_bg_clr->isEnabled());
    EXPECT_FALSE(qr().ADV_QR_USE_QR_LOGO);
    EXPECT_TRUE(qr().ADV_QR_USE_QR_LOGO_IMG.isNull());
    EXPECT_FALSE(qr().ADV_QR_Use_logo_box->isEnabled());
    EXPECT_EQ(qr().ADV_QR_align_hdr_combo->currentIndex(), 1);
    EXPECT_EQ(qr().ADV_QR_TB_mar_Text->text(), QStringLiteral("0.1"));
    EXPECT_EQ(qr().Selected_Qr_Category->text(), QStringLiteral("Text"));
    EXPECT_EQ(qr().Sel_Qr_Type_Label->text(), QStringLiteral("Generate QR Code for Text"));
    EXPECT_EQ(qr().QR_Input_sclview->widget(), qr().Qr_Text);
    EXPECT_EQ(qr().Get_Adv_QR_Final_Str_Value(), QStringLiteral("Sample Text"));
    EXPECT_EQ(qr().AQR_Memory, QrTypeMemory());
    EXPECT_TRUE(qr().Qr_Zoom->Zoom_URL_radio->isChecked());
    EXPECT_TRUE(qr().Qr_Zoom->URL_Box->isEnabled());
    EXPECT_FALSE(qr().Qr_Zoom->Cred_Box->isEnabled());
    EXPECT_TRUE(qr().Qr_Location->Loc_URL_radio->isChecked());
    EXPECT_FALSE(qr().Qr_Location->Cord_Box->isEnabled());
    // The symbol: 120 points, black on white, no logo, and it reads "Sample Text".
    EXPECT_NEAR(qr().image_adv_QR.size().width(), 120, 0.01);
    const QImage shown = shown600();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(testsupport::decode(shown, QStringLiteral("QRCode")).text, QStringLiteral("Sample Text"));
}

TEST_F(AdvQrCommands, ALogoChosenWhileUntickedShowsOnceTicked)
{
    const QString path = logoFile();
    // Chosen while the box is off (the command of the logo box, which is disabled meanwhile).
    pickerAnswers(path);
    qr().Use_Browse_Logo_Btn_Clicked();
    EXPECT_EQ(qr().ADV_QR_USE_QR_LOGO_PATH, path);
    EXPECT_EQ(qr().ADV_QR_Use_logo_path->toPlainText(), path);
    EXPECT_EQ(qr().ADV_QR_USE_QR_LOGO_IMG.size(), QSize(200, 200));
    EXPECT_TRUE(qr().ADV_QR_Use_Logo_Image_View->hasPicture());
    EXPECT_FALSE(qr().ADV_QR_USE_QR_LOGO);   // the box decides
    const auto centreBlue = [this] {
        const QImage image = qr().QR_barcodeImage->picture().toImage(72);
        return image.pixelColor(image.width() / 2, image.height() / 2).blue() > 180 &&
               image.pixelColor(image.width() / 2, image.height() / 2).red() < 60;
    };
    EXPECT_FALSE(centreBlue());
    qr().ADV_QR_Use_Logo_chk->click();
    EXPECT_TRUE(qr().ADV_QR_USE_QR_LOGO);
    EXPECT_TRUE(qr().ADV_QR_Use_logo_box->isEnabled());
    EXPECT_TRUE(centreBlue());
    qr().ADV_QR_Use_Logo_chk->click();   // off: the logo stays for later
    EXPECT_FALSE(centreBlue());
    EXPECT_FALSE(qr().ADV_QR_USE_QR_LOGO_IMG.isNull());
}

TEST_F(AdvQrCommands, AnUnreadableLogoChangesNothing)
{
    const QString good = logoFile();
    qr().ADV_QR_Use_Logo_chk->click();
    browseLogo(qr().ADV_QR_logo_browse_btn, good);
    const QImage before = qr().ADV_QR_USE_QR_LOGO_IMG;
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture at all");
    f.close();
    browseLogo(qr().ADV_QR_logo_browse_btn, broken);
    EXPECT_EQ(responder->alertMessages().last(), QStringLiteral("\nThe selected file is not a readable image."));
    EXPECT_EQ(qr().ADV_QR_USE_QR_LOGO_PATH, good);
    EXPECT_EQ(qr().ADV_QR_Use_logo_path->toPlainText(), good);
    EXPECT_EQ(qr().ADV_QR_USE_QR_LOGO_IMG, before);
}

TEST_F(AdvQrCommands, AHugeLogoIsDecodedSmallAndATruncatedOneRefused)
{
    qr().ADV_QR_Use_Logo_chk->click();
    const QString huge = dir.filePath(QStringLiteral("huge.png"));
    QImage big(6000, 3000, QImage::Format_RGB32);
    big.fill(QColor(20, 60, 220));
    ASSERT_TRUE(big.save(huge));
    browseLogo(qr().ADV_QR_logo_browse_btn, huge);
    EXPECT_EQ(qr().ADV_QR_USE_QR_LOGO_IMG.size(), QSize(200, 100));
    EXPECT_EQ(qr().ADV_QR_USE_QR_LOGO_PATH, huge);

    QFile whole(huge);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString cut = dir.filePath(QStringLiteral("cut.png"));
    QFile part(cut);
    ASSERT_TRUE(part.open(QIODevice::WriteOnly));
    part.write(bytes.left(bytes.size() / 3));
    part.close();
    browseLogo(qr().ADV_QR_logo_browse_btn, cut);
    EXPECT_EQ(responder->alertMessages().last(), QStringLiteral("\nThe selected file is not a readable image."));
    EXPECT_EQ(qr().ADV_QR_USE_QR_LOGO_PATH, huge);
    EXPECT_TRUE(qr().QR_barcodeImage->hasPicture());
}

TEST(BarcodeModeQrLogo, TheWindowsLogoCommandsServeTheBarcodeModeWithItsOwnLogo)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    ASSERT_NE(c, nullptr);
    Barcode_Setting_Or_Designing_Mode = 0;
    BarcodeModeController &b = env.barcodeMode();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mode0.png"));
    QImage blue(300, 150, QImage::Format_RGB32);
    blue.fill(QColor(20, 60, 220));
    ASSERT_TRUE(blue.save(path));
    b.Use_Logo_chk->click();
    EXPECT_TRUE(b.USE_QR_LOGO);
    EXPECT_TRUE(b.Use_logo_box->isEnabled());
    EXPECT_FALSE(env.advQr().ADV_QR_USE_QR_LOGO);
    responder->openAnswers = {{path}};
    responder->onModal = [](QDialog &dialog) {
        Image_Library::defaultInstance()->Browse_Other_Clicked();
        return dialog.result();
    };
    b.Use_browse_logo_btn->click();
    EXPECT_EQ(b.Use_logo_path->toPlainText(), path);
    EXPECT_EQ(b.USE_QR_LOGO_IMG.size(), QSize(200, 100));   // fitted into 200 x 200
    EXPECT_TRUE(b.Use_Logo_Image_View->hasPicture());
    EXPECT_EQ(b.USE_QR_LOGO_PATH, path);
    EXPECT_TRUE(env.advQr().ADV_QR_USE_QR_LOGO_IMG.isNull());   // the other mode's logo is untouched
    b.Use_Logo_chk->click();
    EXPECT_FALSE(b.USE_QR_LOGO);
    EXPECT_FALSE(b.Use_logo_box->isEnabled());
    EXPECT_FALSE(b.USE_QR_LOGO_IMG.isNull());   // kept for later
    Barcode_Setting_Or_Designing_Mode = 0;
}

TEST_F(AdvQrCommands, CopyPutsTheFramedPdfOnTheClipboardAndOverwritesItsFile)
{
    qr().Copy_QR_Code_btn->click();
    const QString file = platform::privateTempPath(QStringLiteral("QrCode.pdf"));
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(responder->alertMessages().last(),
              QStringLiteral("\nQR Code is copied successfully.\nNow you can paste it in a word processor or image editor."));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->urls().value(0).toLocalFile(), file);
    QFile first(file);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(data->data(QStringLiteral("application/pdf")), first.readAll());
    first.close();

    // A second copy of another symbol replaces the file.
    qr().Qr_Text->Text_Field->setPlainText(QStringLiteral("Second copy"));
    qr().Copy_QR_Code_btn->click();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    ASSERT_TRUE(info.waitForFinished(20000));
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << qPrintable(out);
    const QSizeF framed = qr().QR_barcodeImage->picture().size();
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(out);
    ASSERT_TRUE(size.hasMatch()) << qPrintable(out);
    EXPECT_NEAR(size.captured(1).toDouble(), framed.width(), 0.6);
    EXPECT_NEAR(size.captured(2).toDouble(), framed.height(), 0.6);
    QProcess raster;
    const QString png = dir.filePath(QStringLiteral("copy"));
    raster.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), file, png});
    ASSERT_TRUE(raster.waitForFinished(20000));
    EXPECT_EQ(testsupport::decode(QImage(png + QStringLiteral(".png")), QStringLiteral("QRCode")).text,
              QStringLiteral("Second copy"));
}

TEST_F(AdvQrCommands, CopyAndHandOverRefuseWithoutASymbol)
{
    qr().Qr_Text->Text_Field->setPlainText(QStringLiteral(" "));
    QGuiApplication::clipboard()->clear();
    qr().Copy_QR_Code_btn->click();
    qr().Use_ADV_QR_in_Design_btn->click();
    EXPECT_EQ(responder->alertMessages(),
              QStringList({QStringLiteral("\nPlease generate QR Code."), QStringLiteral("\nPlease generate QR Code.")}));
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode, 2);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(!data || !data->hasFormat(QStringLiteral("application/pdf")));
}

TEST_F(AdvQrCommands, HandOverMakesASelectedQrObjectWhoseRenderDecodes)
{
    auto designPage = std::make_unique<QWidget>();
    workAreaOf(env.design()).buildDesigningPanel(designPage.get());
    Resource_Path = platform::resourceFolder();
    const QString path = logoFile();
    qr().ADV_QR_Use_Logo_chk->click();
    browseLogo(qr().ADV_QR_logo_browse_btn, path);
    qr().ADV_QR_ec_lvl_ComboBox->setCurrentIndex(3);
    qr().QR_Text_Clicked(QStringLiteral("URL"));
    QTest::keyClicks(qr().Qr_Text->URL_Value_field, QStringLiteral("example.org/hand-over"));
    qr().Use_ADV_QR_in_Design_btn->click();
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode, 1);
    const std::shared_ptr<SKTGraphic> object = selectionOf(env.design()).Get_Selected_Graphic();
    ASSERT_TRUE(object);
    EXPECT_EQ(object->AQR_Category, QStringLiteral("URL"));
    EXPECT_EQ(object->AQR_Final_Value, QStringLiteral("https://example.org/hand-over"));
    EXPECT_EQ(object->USE_QR_LOGO_PATH, path);
    EXPECT_EQ(selectionOf(env.design()).Last_Selected_Graphic, object.get());   // the sidebar shows the new object
    ASSERT_FALSE(object->_barcode_image.isNull());
    const testsupport::Decoded d = testsupport::decode(object->_barcode_image.toImage(600), QStringLiteral("QRCode"));
    EXPECT_EQ(d.text, QStringLiteral("https://example.org/hand-over"));
    selectionOf(env.design()).Canvas_Selection = nullptr;
}

} // namespace
