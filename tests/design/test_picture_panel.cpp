// The picture, signature and barcode panels' commands and the card's background picture, on real
// card objects with dialogs answered from a script.

#include "DesignFixture.h"

#include "advqr/Edit_ADV_QR_Type.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "app/SKTWindowController.h"
#include "barcodemode/Barcode_Gen.h"
#include "design/DesignCard.h"
#include "design/DoubleSlider.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/UndoStacks.h"
#include "design/panels/BarcodePanel.h"
#include "design/panels/CardBackgroundPanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/SignPanel.h"
#include "engines/Symbologies.h"
#include "imagetools/Cropping_Tool.h"
#include "imagetools/ImageBrowserModel.h"
#include "imagetools/ImageBrowserView.h"
#include "imagetools/Image_Library.h"
#include "model/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTSignature.h"
#include "platform/ColorWell.h"
#include "platform/Files.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"
#include "support/Decode.h"
#include "support/NotPictures.h"
#include "support/PageControl.h"
#include "support/ScriptedResponder.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "core/UserFolders.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class PicturePanel : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        Barcode_Setting_Or_Designing_Mode = 1;
        form_is_loading = false;
        Resource_Path = platform::resourceFolder();
    }
    DesignController &d() { return c->design(); }
    // The source page's browse button, as the user clicks it.
    void browse() { testsupport::pageControl<QPushButton>(sidebar().datasource_tab, "manual_browse_btn")->click(); }
    QString redFile(const QString &name)
    {
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(QColor(200, 40, 40));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    std::shared_ptr<SKTImage> picture(const QString &path)
    {
        auto p = std::static_pointer_cast<SKTImage>(make(SKTGraphicClass::Image));
        p->setFilePath(path);
        return p;
    }
    static QColor centre(const platform::Picture &p)
    {
        const QImage image = p.image();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
    QTemporaryDir dir;
};

TEST_F(PicturePanel, ResetAsksFirstAndYesRestoresTheDefaultsFromTheFile)
{
    testsupport::ResponderScope responder;
    const auto p = picture(redFile(QStringLiteral("red.png")));
    front({p});
    select({p});
    sidebar().Show_RHS_Properties(p.get());
    sidebar().imagePanel()->Brt_slidr->setDoubleValue(0.5);
    sidebar().imagePanel()->Sat_slidr->setDoubleValue(0);
    sidebar().imagePanel()->Image_Slider_Changed(sidebar().imagePanel()->Brt_slidr);
    EXPECT_FLOAT_EQ(p->brt_val, 0.5f);
    const QColor brightened = centre(p->_contents_with_settings);
    EXPECT_GT(brightened.green(), 150);   // brighter and grey: every channel lifted

    responder->alertAnswers = {QStringLiteral("No")};
    const qsizetype before = Ucontrol.size();
    sidebar().imagePanel()->image_reset_btn->click();
    EXPECT_FLOAT_EQ(p->brt_val, 0.5f);
    EXPECT_EQ(Ucontrol.size(), before);
    EXPECT_EQ(responder->alerts.last().message, QStringLiteral("Are you sure you want to continue?"));

    responder->alertAnswers = {QStringLiteral("Yes")};
    sidebar().imagePanel()->image_reset_btn->click();
    EXPECT_FLOAT_EQ(p->img_trnsp_val, 100.0f);
    EXPECT_FLOAT_EQ(p->sat_val, 1.0f);
    EXPECT_FLOAT_EQ(p->con_val, 1.0f);
    EXPECT_FLOAT_EQ(p->brt_val, 0.0f);
    EXPECT_FLOAT_EQ(p->hue_val, 0.0f);
    EXPECT_FLOAT_EQ(p->rotate_image, 0.0f);
    EXPECT_EQ(sidebar().imagePanel()->Brt_slidr_val->text(), QStringLiteral("0"));
    const QColor restored = centre(p->_contents_with_settings);
    EXPECT_NEAR(restored.red(), 200, 3);
    EXPECT_NEAR(restored.green(), 40, 3);
    EXPECT_EQ(Ucontrol.size(), before + 1);
}

TEST_F(PicturePanel, BrowsingWithTwoPicturesOnlyTellsSo)
{
    testsupport::ResponderScope responder;
    const QString path = redFile(QStringLiteral("a.png"));
    const auto first = picture(path), second = picture(path);
    select({first, second});
    responder->openAnswers = {{redFile(QStringLiteral("b.png"))}};
    browse();
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease select only one image control to 'Browse Image'.")});
    EXPECT_TRUE(responder->openRequests.isEmpty());
    EXPECT_EQ(first->_file_path, path);

    // One picture takes the chosen file as its path and its value.
    const QString chosen = redFile(QStringLiteral("c.png"));
    responder->openAnswers = {{chosen}};
    select({first});
    browse();
    EXPECT_EQ(first->_file_path, chosen);
    EXPECT_EQ(first->Text_Value, chosen);
    EXPECT_EQ(testsupport::pageControl<QPlainTextEdit>(sidebar().datasource_tab, "Manual_image_path")->toPlainText(), chosen);
}

TEST_F(PicturePanel, TheLibraryButtonTakesOnePictureFromTheLibrary)
{
    testsupport::ResponderScope responder;
    const QString path = redFile(QStringLiteral("a.png"));
    const auto first = picture(path), second = picture(path);
    auto *library = testsupport::pageControl<QPushButton>(sidebar().datasource_tab, "library_browse_btn");
    select({first, second});
    library->click();
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease select only one image control to 'Select Image'.")});
    EXPECT_TRUE(responder->openRequests.isEmpty());

    // In the picker: the first shipped picture selected, then OK.
    Image_Library *picker = Image_Library::defaultInstance();
    QString chosen;
    responder->onModal = [&](QDialog &dialog) {
        picker->imageBrowser->selectionModel()->select(picker->images->index(0), QItemSelectionModel::ClearAndSelect);
        chosen = picker->selected_image;
        picker->ok_button->click();
        return dialog.result();
    };
    select({first});
    const qsizetype before = Ucontrol.size();
    library->click();
    EXPECT_TRUE(chosen.startsWith(Resource_Path + QStringLiteral("/LibraryImage/")));
    EXPECT_EQ(first->_file_path, chosen);
    EXPECT_EQ(first->Text_Value, chosen);
    EXPECT_EQ(Library_Selected_Image, chosen);
    EXPECT_EQ(testsupport::pageControl<QPlainTextEdit>(sidebar().datasource_tab, "Manual_image_path")->toPlainText(), chosen);
    EXPECT_EQ(Ucontrol.size(), before + 1);
}

TEST_F(PicturePanel, AFileThatIsNoPictureLeavesThePictureAsItWas)
{
    testsupport::ResponderScope responder;
    const QString path = redFile(QStringLiteral("a.png"));
    const auto first = picture(path);
    select({first});
    const QString value = first->Text_Value;
    const qsizetype steps = Ucontrol.size();
    auto *library = testsupport::pageControl<QPushButton>(sidebar().datasource_tab, "library_browse_btn");
    auto *browseButton = testsupport::pageControl<QPushButton>(sidebar().datasource_tab, "manual_browse_btn");
    for (QPushButton *button : {browseButton, library})
        for (const QString &bad : testsupport::writeNotPictures(dir.filePath(QStringLiteral("bad")))) {
            SCOPED_TRACE((button->objectName() + QLatin1Char(' ') + bad).toStdString());
            responder->alerts.clear();
            responder->openAnswers = {{bad}};
            // The library picker answers a file of its folder that is no picture.
            responder->onModal = [&](QDialog &) {
                Image_Library::defaultInstance()->selected_image = bad;
                return 1;
            };
            button->click();
            EXPECT_EQ(responder->trimmedAlertMessages(), QStringList{testsupport::kNotAPicture});
            EXPECT_EQ(first->_file_path, path);
            EXPECT_EQ(first->Text_Value, value);
            EXPECT_EQ(centre(first->_contents), QColor(200, 40, 40));
            EXPECT_EQ(Ucontrol.size(), steps);
        }
}

TEST_F(PicturePanel, APageColourGoesIntoTheSelectionThenOneStep)
{
    const auto p = picture(redFile(QStringLiteral("c.png")));
    const auto sign = make(SKTGraphicClass::Signature);
    p->_isDrawingStroke = sign->_isDrawingStroke = true;   // a border colour is written with the border on
    front({p, sign});
    select({p});
    sidebar().Show_RHS_Properties(p.get());
    const qsizetype before = Ucontrol.size();
    sidebar().imagePanel()->Image_bordr_clr->chooseColor(Qt::darkCyan);
    EXPECT_EQ(p->_fillColor, QColor(Qt::darkCyan));     // every selected object takes it first
    EXPECT_EQ(p->_strokeColor, QColor(Qt::darkCyan));   // then the page's transfer
    EXPECT_EQ(Ucontrol.size(), before + 1);

    select({sign});
    sidebar().Show_RHS_Properties(sign.get());
    sidebar().signPanel()->Sign_bordr_clr->chooseColor(Qt::darkMagenta);
    EXPECT_EQ(sign->_strokeColor, QColor(Qt::darkMagenta));
    EXPECT_EQ(Ucontrol.size(), before + 2);
}

TEST_F(PicturePanel, TheBarcodeWindowEditsASingleBarcode)
{
    testsupport::ResponderScope responder;
    const auto first = make(SKTGraphicClass::Barcode), second = make(SKTGraphicClass::Barcode);
    select({first, second});
    sidebar().barcodePanel()->barcode_prop_btn->click();
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease select single barcode to update.")});
    EXPECT_EQ(responder->modalCount, 0);
}

TEST_F(PicturePanel, CroppingBySourceKind)
{
    testsupport::ResponderScope responder;
    const QString path = redFile(QStringLiteral("crop.png"));
    const auto p = picture(path);
    select({p});
    p->data_source_type = 2;   // spreadsheet column: nothing happens
    sidebar().imagePanel()->image_crop_btn->click();
    EXPECT_TRUE(responder->alerts.isEmpty());

    // A picture file of its own: the crop screen opens; Close changes nothing, Crop puts the
    // cropped copy on the card, under a free name the second time.
    p->data_source_type = 0;
    const auto press = [&](const char *button) {
        responder->onModal = [button](QDialog &dialog) {
            dialog.show();
            dialog.findChild<QPushButton *>(QString::fromLatin1(button))->click();
            return dialog.result();
        };
        sidebar().imagePanel()->image_crop_btn->click();
    };
    press("Close_direct_Btn");
    EXPECT_EQ(p->_file_path, path);
    press("Crop_direct_Btn");
    const QFileInfo first(p->_file_path);
    EXPECT_EQ(first.fileName(), QStringLiteral("crop.PNG"));
    EXPECT_EQ(first.dir().dirName(), QStringLiteral("Cropped_Images"));
    EXPECT_TRUE(first.absolutePath().startsWith(Created_Resource_Path)) << qPrintable(first.absolutePath());
    EXPECT_TRUE(first.isFile());
    p->setFilePath(path);
    press("Crop_direct_Btn");
    EXPECT_EQ(p->_file_path, first.absolutePath() + QStringLiteral("/crop (1).PNG"));
    EXPECT_TRUE(QFileInfo(p->_file_path).isFile());
    EXPECT_TRUE(responder->alerts.isEmpty()) << responder->alertMessages().join('|').toStdString();
    // As loaded from a project, the object also names the file it was first given: a second crop
    // crops the picture the card shows.
    p->setFilePath(path);
    p->Text_Value = path;
    press("Crop_direct_Btn");
    const QString shown = p->_file_path;
    press("Close_direct_Btn");
    EXPECT_EQ(Cropping_Tool::defaultInstance()->Crop_Input_Path.toStdString(), shown.toStdString());
    responder->onModal = nullptr;
    p->setFilePath(path);

    responder->alerts.clear();
    p->setFilePath(dir.filePath(QStringLiteral("missing.png")));
    sidebar().imagePanel()->image_crop_btn->click();
    EXPECT_EQ(responder->alertMessages(),
              QStringList{QStringLiteral("\nThe selected control does not contains any image with supported extension.")});
}

TEST_F(PicturePanel, SignatureDefaultIsTheSampleOfItsKind)
{
    const auto sign = make(SKTGraphicClass::Signature);
    sign->Set_Sign_Or_FP(QStringLiteral("F"));
    select({sign});
    sidebar().signPanel()->Sign_image_path->setText(QStringLiteral("Default"));
    sidebar().signPanel()->Sign_border_chk->setChecked(true);
    sidebar().signPanel()->Sign_bor_Stepper->setDoubleValue(2);
    d().Update_Sign_Graphics();
    EXPECT_TRUE(sign->_file_path.endsWith(QStringLiteral("fingerprints.png"))) << qPrintable(sign->_file_path);
    EXPECT_DOUBLE_EQ(sign->_strokeWidth, 2.0);
    EXPECT_FALSE(static_cast<SKTSignature &>(*sign)._contents_img.isNull());
}

TEST_F(PicturePanel, BackgroundPicture)
{
    Card_Property &card = *d().card().Front_card_Prop;
    sidebar().cardBackgroundPanel()->Card_Image_path->setPlainText(QStringLiteral("old"));
    d().set_Front_BG_Image(QString());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Image_path->toPlainText().isEmpty());
    EXPECT_EQ(card.Card_fill_style, QStringLiteral("S"));

    const QString unreadable = dir.filePath(QStringLiteral("not-an-image.png"));
    QFile f(unreadable);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no picture here");
    f.close();
    d().set_Front_BG_Image(unreadable);
    EXPECT_EQ(card.Card_fill_style, QStringLiteral("I"));
    EXPECT_TRUE(card.Card_fill_chk);
    EXPECT_EQ(card.Card_BG_Image_Path, unreadable);
    EXPECT_TRUE(card.Card_BG_Image.isNull());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Image_fill_rd->isChecked());   // the card panel shows it

    d().set_Front_BG_Image(redFile(QStringLiteral("bg.png")));
    EXPECT_EQ(card.Card_BG_Image.size(), QSize(20, 10));
}

TEST_F(PicturePanel, BarcodeWindowCancelAndOkWithoutAPicture)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the window opens QR codes only in this edition";
    testsupport::ResponderScope responder;
    const auto barcode = make(SKTGraphicClass::Barcode);
    barcode->linear_font_val = QStringLiteral("KEEP");
    front({barcode});
    select({barcode});
    sidebar().Show_RHS_Properties(barcode.get());
    Barcode_Gen &gen = c->barcodeGen();
    c->logoList.addLogoItemWithImage(QImage(1, 1, QImage::Format_RGB32), QStringLiteral("BAR_1"));
    const qsizetype before = Ucontrol.size();

    responder->onModal = [](QDialog &) { return 0; };
    d().Open_Barcode_Window();
    EXPECT_EQ(barcode->linear_font_val, QStringLiteral("KEEP"));
    EXPECT_EQ(c->logoList.size(), 1);
    EXPECT_EQ(Ucontrol.size(), before);

    responder->onModal = [&gen](QDialog &) {
        gen.OK_Btn_Clicked();
        Barcode_output_image.reset();   // nothing rendered
        return 1;
    };
    d().Open_Barcode_Window();
    EXPECT_TRUE(c->logoList.isEmpty());
    EXPECT_EQ(Ucontrol.size(), before);
}

TEST_F(PicturePanel, EveryOtherSelectedBarcodeIsRenderedFromItsOwnSettings)
{
    const auto current = make(SKTGraphicClass::Barcode), other = make(SKTGraphicClass::Barcode);
    other->setBounds(QRectF(30, 40, 5, 5));
    select({current, other});
    const auto templ = make(SKTGraphicClass::Barcode);
    templ->linear_font_val = QStringLiteral("12345");
    templ->header_val = QStringLiteral("TOP");
    const platform::Picture shown = platform::Picture::fromImage(QImage(50, 20, QImage::Format_RGB32), QSizeF(50, 20));
    Barcode_output_image = std::make_shared<platform::Picture>(shown);
    d().Update_Barcode_Graphics(*templ);
    EXPECT_EQ(current->_bounds.size(), QSizeF(50, 20));
    EXPECT_EQ(other->linear_font_val, QStringLiteral("12345"));
    EXPECT_EQ(other->header_val, QStringLiteral("TOP"));
    ASSERT_FALSE(other->_barcode_image.isNull());
    EXPECT_NE(other->_bounds.size(), QSizeF(5, 5));   // sized to its own picture
    EXPECT_EQ(other->bar_image_ctrl_bounds, other->_bounds);
    EXPECT_EQ(current->bar_image_ctrl_bounds, current->_bounds);
    Barcode_output_image.reset();
}

TEST_F(PicturePanel, QrEditorStartsWithTextAndCancelKeepsTheObject)
{
    testsupport::ResponderScope responder;
    const auto barcode = make(SKTGraphicClass::Barcode);
    barcode->two_d_font_val = QStringLiteral("payload");
    select({barcode});
    QString categoryShown, payloadShown;
    responder->onModal = [&](QDialog &) {
        Edit_ADV_QR_Type &editor = *Edit_ADV_QR_Type::defaultInstance();
        categoryShown = editor.Selected_Qr_Category->text();
        payloadShown = editor.Final_adv_qr_val;
        EXPECT_TRUE(QR_Val_Edit);
        return 0;
    };
    sidebar().barcodePanel()->Edit_Adv_QR_Value_Clicked();
    EXPECT_EQ(categoryShown, QStringLiteral("Text"));
    EXPECT_EQ(payloadShown, QStringLiteral("payload"));
    EXPECT_EQ(barcode->two_d_font_val, QStringLiteral("payload"));
    EXPECT_EQ(barcode->AQR_Display_value, QStringLiteral("payload"));
    EXPECT_FALSE(QR_Val_Edit);
}

TEST_F(PicturePanel, AQrPayloadEditThenAMoveUndoesToTheSymbolOfItsOwnPayload)
{
    testsupport::ResponderScope responder;
    d().editing().Wire_Editing_Commands();
    const auto barcode = make(SKTGraphicClass::Barcode);
    barcode->barcode_font_index = Symbologies::indexOf(QStringLiteral("QR Code"));
    barcode->linear_or_2d = 1;
    barcode->two_d_font_val = QStringLiteral("old payload");
    barcode->value_font_val = barcode->header_font_val = barcode->footer_font_val = QFont(QStringLiteral("DejaVu Sans"), 10);
    Barcode_Gen &gen = c->barcodeGen();
    gen.Set_Barcode_Prop_To_Control(*barcode, true);
    barcode->Set_Barcode_image(gen.Get_Image_From_Val(barcode->two_d_font_val, barcode->header_val, barcode->footer_val));
    barcode->Set_Barcode_image_control_bounds();
    front({barcode});
    select({barcode});
    d().undoStacks().Record_Design_As_Started();
    auto symbolOf = [](const SKTGraphic &g) {
        const QImage image = g._barcode_image.toImage(600);
        QImage onWhite(image.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, image);
        return testsupport::decode(onWhite, QStringLiteral("QRCode")).text;
    };
    ASSERT_EQ(symbolOf(*barcode), QStringLiteral("old payload"));

    // The editor shows the Text type's panel, which the Advanced QR page makes with the window.
    std::unique_ptr<Qr_Text_View_Panel> textPanel;
    if (!Qr_Text_OBJ)
        textPanel = std::make_unique<Qr_Text_View_Panel>();
    responder->onModal = [](QDialog &dialog) {
        Edit_ADV_QR_Type &editor = *Edit_ADV_QR_Type::defaultInstance();
        Qr_Text_OBJ->Text_Field->setPlainText(QStringLiteral("new payload"));   // the Text type's field
        editor.OK_Clicked();
        return dialog.result();
    };
    const int steps = d().undoStacks().Get_Undo_Count();
    sidebar().barcodePanel()->Edit_Qr_Code_Val_BTN->click();
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), steps + 1);   // one step for the edit
    ASSERT_EQ(symbolOf(*c->document()->graphics().first()), QStringLiteral("new payload"));
    // A move, then Undo: the edited object, with the symbol of its own payload.
    const QPointF edited = c->document()->graphics().first()->_bounds.topLeft();
    c->document()->graphics().first()->_bounds.translate(30, 0);
    d().undoStacks().Insert_In_Undo_Redo();
    d().editing().Undo_btn->click();
    const std::shared_ptr<SKTGraphic> restored = c->document()->graphics().first();
    EXPECT_EQ(restored->_bounds.topLeft(), edited);
    EXPECT_EQ(restored->two_d_font_val, QStringLiteral("new payload"));
    EXPECT_EQ(symbolOf(*restored), QStringLiteral("new payload"));
    // Undo again: the old payload with its own symbol.
    d().editing().Undo_btn->click();
    EXPECT_EQ(c->document()->graphics().first()->two_d_font_val, QStringLiteral("old payload"));
    EXPECT_EQ(symbolOf(*c->document()->graphics().first()), QStringLiteral("old payload"));
}

} // namespace
