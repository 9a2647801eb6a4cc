// The drawing tools of the Designing mode, the canvas size, and the barcode objects that the
// Barcode mode and the Advanced QR mode place on the card.

#include "advqr/AdvQrController.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BarcodeModeDesign.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "core/UserFolders.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "design/DesignController.h"
#include "design/EditingCommands.h"
#include "design/GridOptions.h"
#include "design/PropertySidebar.h"
#include "design/panels/BarcodePanel.h"
#include "design/ToolPalette.h"
#include "imagetools/ImageBrowserModel.h"
#include "imagetools/ImageBrowserView.h"
#include "imagetools/Image_Library.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTGrid.h"
#include "model/SKTImage.h"
#include "model/SKTSignature.h"
#include "platform/Stepper.h"
#include "projects/ProjectsController.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "support/Editions.h"
#include "support/NotPictures.h"
#include "support/ScriptedResponder.h"

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QGroupBox>
#include <QAbstractButton>
#include <QToolButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

class CanvasTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        dsg = &c->design();
        ASSERT_NE(dsg->workArea().Graphic_View(), nullptr);
        Ucontrol.clear();
        // The tools are used in the Designing mode, where the sidebar follows them.
        Barcode_Setting_Or_Designing_Mode = 1;
    }
    void TearDown() override { Barcode_Setting_Or_Designing_Mode = 0; }
    const SKTGraphicList &graphics() const { return c->document()->graphics(); }

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
    DesignController *dsg = nullptr;
};

TEST_F(CanvasTools, EachToolButtonPutsItsObjectOnTheCardAtOnce)
{
    struct Case {
        QPushButton *button;
        SKTGraphicClass kind;
        QSizeF size;
    };
    const Case cases[] = {
        {dsg->workArea().tool_palette->Rect_Tool_btn, SKTGraphicClass::Shape, {50, 50}},
        {dsg->workArea().tool_palette->Text_Tool_btn, SKTGraphicClass::Text, {70, 20}},
        {dsg->workArea().tool_palette->Signature_Tool_btn, SKTGraphicClass::Signature, {100, 50}},
        {dsg->workArea().tool_palette->Fingure_Print_Tool_btn, SKTGraphicClass::Signature, {50, 50}},
        {dsg->workArea().tool_palette->Line_Tool_btn, SKTGraphicClass::Line, {50, 50}},
    };
    int made = 0;
    for (const Case &k : cases) {
        SCOPED_TRACE(k.button->objectName().toStdString());
        k.button->click();
        ASSERT_EQ(graphics().size(), ++made) << "one object per click";
        const auto g = graphics().first();
        EXPECT_EQ(g->graphicClass(), k.kind);
        EXPECT_EQ(g->bounds().size(), k.size);
        EXPECT_EQ(dsg->Selected_Control_Tool, 0);
        EXPECT_EQ(dsg->selection()._Selected_Graphic.lock(), g);
        EXPECT_EQ(dsg->selection().Selected_Graphic_Objects(), SKTGraphicList{g});
        EXPECT_EQ(dsg->selection().Last_Selected_Graphic, g.get()) << "the sidebar shows the new object";
    }
    EXPECT_EQ(graphics().at(1)->Sign_Or_FP_Val(), QStringLiteral("F"));
    EXPECT_EQ(Ucontrol.size(), made) << "one undo step per creation";
}

TEST_F(CanvasTools, BarcodeToolTwiceGivesTwoNumberedBarcodes)
{
    dsg->workArea().tool_palette->Barcode_Tool_btn->click();
    dsg->workArea().tool_palette->Barcode_Tool_btn->click();
    ASSERT_EQ(graphics().size(), 2);
    EXPECT_TRUE(graphics().at(0)->isExactly<SKTBarcode>());
    EXPECT_EQ(graphics().at(1)->control_ID, QStringLiteral("BAR_1"));
    EXPECT_EQ(graphics().at(0)->control_ID, QStringLiteral("BAR_2"));
    // Sized by the picture of "0123", not the 120 x 60 of the tool.
    EXPECT_FALSE(graphics().at(0)->_barcode_image.isNull());
    EXPECT_EQ(graphics().at(0)->bounds().size(), graphics().at(0)->_barcode_image.size());
}

TEST_F(CanvasTools, CancelledPictureChoicesCreateNothingAndKeepTheTool)
{
    // A cancelled choice creates nothing; the sidebar then shows the card with the arrow tool.
    dsg->workArea().tool_palette->Image_Library_Tool_btn->click();
    EXPECT_TRUE(graphics().isEmpty());
    dsg->workArea().tool_palette->Image_Tool_btn->click();
    EXPECT_TRUE(graphics().isEmpty());
    EXPECT_EQ(responder->openRequests.size(), 1);   // the picture tool's open panel
    EXPECT_EQ(responder->modalCount, 1);            // the library tool's picker
    EXPECT_EQ(dsg->Selected_Control_Tool, 0);
    EXPECT_EQ(dsg->sidebar().sett_tab->currentWidget(), dsg->sidebar().card_info_tab);
}

TEST_F(CanvasTools, LibraryPictureIsTheChosenFile)
{
    // In the picker: the first shipped picture selected, then OK.
    Image_Library *library = Image_Library::defaultInstance();
    QString chosen;
    responder->onModal = [&](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Image Library"));
        EXPECT_GT(library->numberOfItemsInImageBrowser(), 0);
        library->imageBrowser->selectionModel()->select(library->images->index(0), QItemSelectionModel::ClearAndSelect);
        chosen = library->selected_image;
        library->ok_button->click();
        return dialog.result();
    };
    dsg->workArea().tool_palette->Image_Library_Tool_btn->click();
    EXPECT_TRUE(chosen.startsWith(Resource_Path + QStringLiteral("/LibraryImage/")));
    ASSERT_EQ(graphics().size(), 1);
    EXPECT_TRUE(graphics().first()->isExactly<SKTImage>());
    EXPECT_EQ(graphics().first()->Text_Value, chosen);
    EXPECT_EQ(Library_Selected_Image, chosen);
    EXPECT_FALSE(graphics().first()->_contents.isNull());
}

TEST_F(CanvasTools, AFileThatIsNoPictureIsRefusedByBothPictureTools)
{
    const QStringList bad = testsupport::writeNotPictures(env.userFolder() + QStringLiteral("/bad"));
    for (QPushButton *tool : {dsg->workArea().tool_palette->Image_Tool_btn, dsg->workArea().tool_palette->Image_Library_Tool_btn})
        for (const QString &path : bad) {
            SCOPED_TRACE((tool->objectName() + QLatin1Char(' ') + path).toStdString());
            responder->alerts.clear();
            Library_Selected_Image = QStringLiteral("before");
            responder->openAnswers = {{path}};
            // The library picker answers a file of its folder that is no picture.
            responder->onModal = [&](QDialog &) {
                Image_Library::defaultInstance()->selected_image = path;
                return 1;
            };
            tool->click();
            EXPECT_EQ(responder->trimmedAlertMessages(), QStringList{testsupport::kNotAPicture});
            EXPECT_TRUE(graphics().isEmpty());
            EXPECT_EQ(Library_Selected_Image, QStringLiteral("before"));
        }
}

TEST_F(CanvasTools, WatermarkToolShowsTheBorderTabAndKeepsTheTool)
{
    // The watermark tool is no drawing tool: nothing is created and the card's border tab shows.
    dsg->Selected_Control_Tool = 4;
    dsg->workArea().tool_palette->Watermark_Tool_btn->click();
    EXPECT_EQ(dsg->sidebar().sett_tab->currentWidget(), dsg->sidebar().card_brdr_tab);
    EXPECT_TRUE(graphics().isEmpty());
}

TEST_F(CanvasTools, ToolAnnouncementCreatesOncePerAnnouncement)
{
    dsg->Selected_Control_Tool = 13;
    emit dsg->SKTSelectedToolDidChange();
    EXPECT_EQ(graphics().size(), 1);
    dsg->selectArrowTool();
    EXPECT_EQ(graphics().size(), 1);
    EXPECT_EQ(dsg->Selected_Control_Tool, 0);
}

TEST_F(CanvasTools, ObservedCanvasSizeIgnoresNullAndAppliesSizes)
{
    dsg->workArea().SetDocumentCanvasSize(QSizeF(200, 100));
    c->document()->setCanvasSize(QSizeF());
    EXPECT_EQ(dsg->workArea().canvasFrameSize, QSizeF(200, 100));
    EXPECT_EQ(dsg->workArea().Graphic_View()->bounds(), QRectF(0, 0, 200, 100));
    c->document()->setCanvasSize(QSizeF(150, 80));
    EXPECT_EQ(dsg->workArea().canvasFrameSize, QSizeF(150, 80));
    EXPECT_EQ(dsg->workArea().Graphic_View()->bounds().size(), QSizeF(150, 80));
    EXPECT_TRUE(responder->alerts.isEmpty());
}

TEST_F(CanvasTools, RefusedCardSizesLeaveTheCanvasAsItWas)
{
    dsg->workArea().SetDocumentCanvasSize(QSizeF(200, 100));
    const QSize widget = dsg->workArea()._graphicView->size();
    const double nan = std::nan("");
    for (const QSizeF &size : {QSizeF(0, 100), QSizeF(200, 0), QSizeF(-5, 100), QSizeF(nan, 100),
                               QSizeF(100, INFINITY), QSizeF(4.2e6, 100), QSizeF(100, 1e300)}) {
        responder->alerts.clear();
        dsg->workArea().SetDocumentCanvasSize(size);
        ASSERT_EQ(responder->alerts.size(), 1) << size.width() << " x " << size.height();
        EXPECT_FALSE(responder->alerts.first().message.isEmpty());
        EXPECT_EQ(dsg->workArea().canvasFrameSize, QSizeF(200, 100));
        EXPECT_EQ(dsg->workArea()._graphicView->size(), widget);
    }
    // The largest card the canvas takes at 400 %.
    responder->alerts.clear();
    dsg->workArea().SetDocumentCanvasSize(QSizeF(4194303, 10));
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_EQ(dsg->workArea().canvasFrameSize, QSizeF(4194303, 10));
}

TEST(ModeLengths, ConvertToMillimetres)
{
    struct Case {
        int unit;
        float factor;
    };
    for (const Case k : {Case{0, 25.4f}, Case{1, 10.0f}, Case{2, 1.0f}}) {
        SKTGraphic object;
        object.linear_height_val = 2;
        object.val_margin_val = object.hdr_margin_val = object.ftr_margin_val = 0.5f;
        object.TB_marging_val = object.LR_margin_val = 0.25f;
        object.linear_width_val = 7;
        DesignController::Convert_Barcode_Lengths_To_MM(object, k.unit);
        EXPECT_FLOAT_EQ(object.linear_height_val, 2 * k.factor);
        EXPECT_FLOAT_EQ(object.val_margin_val, 0.5f * k.factor);
        EXPECT_FLOAT_EQ(object.hdr_margin_val, 0.5f * k.factor);
        EXPECT_FLOAT_EQ(object.ftr_margin_val, 0.5f * k.factor);
        EXPECT_FLOAT_EQ(object.TB_marging_val, 0.25f * k.factor);
        EXPECT_FLOAT_EQ(object.LR_margin_val, 0.25f * k.factor);
        EXPECT_FLOAT_EQ(object.linear_width_val, 7) << "the bar width is not a length of the unit";
    }
}

TEST_F(CanvasTools, BarcodeModeSettingsInInchesAreStoredInMillimetres)
{
    SKIP_WITHOUT_BARCODE_MODE();
    BarcodeModeController &bm = c->barcodeMode();
    Measument_Unit_Is_Barcode = 0;
    bm.HeightStepper->setDoubleValue(1.0);
    bm.val_mar_Stepper->setDoubleValue(0.5);
    bm.HeaderText->setText(QStringLiteral("Top"));
    SKTGraphic object;
    const QString value = dsg->Pass_Barcode_Mode_Settings(object);
    EXPECT_EQ(value, bm.dataText->text());
    EXPECT_EQ(object.linear_font_val, bm.dataText->text());
    EXPECT_EQ(object.header_val, QStringLiteral("Top"));
    EXPECT_FLOAT_EQ(object.linear_height_val, 25.4f);
    EXPECT_FLOAT_EQ(object.val_margin_val, 12.7f);
    EXPECT_EQ(object.data_source_type, 0);
}

TEST_F(CanvasTools, AdvancedQrSettingsInInchesAreStoredInMillimetres)
{
    if (ONLY_STD_MODE)
        GTEST_SKIP() << "the standard edition has no Advanced QR mode";
    Measument_Unit_Is_Adv_QR = 0;
    SKTGraphic object;
    dsg->Pass_Adv_QR_Settings(object);
    EXPECT_FLOAT_EQ(object.linear_height_val, 25.4f);
    EXPECT_NEAR(object.val_margin_val, 2.54f, 1e-5);
    EXPECT_EQ(object.linear_or_2d, 1);
    EXPECT_EQ(object.barcode_font_index, 16);
    EXPECT_EQ(object.linear_font_val, QStringLiteral("123456789012"));
    EXPECT_EQ(object.barcode_val_clr_val, QColor(Qt::black));
}

TEST_F(CanvasTools, UseInDesignPlacesTheBarcodeModeSymbol)
{
    SKIP_WITHOUT_BARCODE_MODE();
    BarcodeModeController &bm = c->barcodeMode();
    bm.Use_Quick_Barcode_btn->click();
    ASSERT_EQ(graphics().size(), 1);
    const auto g = graphics().first();
    EXPECT_TRUE(g->isExactly<SKTBarcode>());
    EXPECT_EQ(g->linear_font_val, bm.dataText->text());
    EXPECT_FALSE(g->_barcode_image.isNull());
    EXPECT_EQ(g->bounds().size(), g->_barcode_image.size()) << "the zero frame never withdraws it";
    EXPECT_EQ(dsg->selection()._Selected_Graphic.lock(), g);
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode, 1);
}

TEST_F(CanvasTools, UseInDesignWithoutAQrSymbolAsksForOne)
{
    if (ONLY_STD_MODE)
        GTEST_SKIP() << "the standard edition has no Advanced QR mode";
    c->advQr().image_adv_QR = platform::Picture();
    c->advQr().Use_ADV_QR_in_Design_btn->click();
    EXPECT_TRUE(graphics().isEmpty());
    EXPECT_EQ(responder->trimmedAlertMessages(), QStringList{QStringLiteral("Please generate QR Code.")});
}

TEST_F(CanvasTools, DeletingALockedObjectSaysSo)
{
    dsg->workArea().tool_palette->Rect_Tool_btn->click();
    ASSERT_EQ(graphics().size(), 1);
    graphics().first()->ctrl_is_locked = true;
    dsg->workArea().Graphic_View()->delete_selection();
    EXPECT_EQ(responder->trimmedAlertMessages(), QStringList{QStringLiteral("Selected control is locked.")});
    EXPECT_EQ(graphics().size(), 1);
}

TEST_F(CanvasTools, TheShownGridDrawsOnTheWindowsCanvas)
{
    // The canvas painted as part of its window: its painter's device transform then holds the
    // canvas's place in the window, which must not push the grid off the card.
    SKTGraphicView *canvas = dsg->workArea().Graphic_View();
    QWidget *window = c->window_;
    window->resize(1400, 900);
    window->show();
    Barcode_Setting_Or_Designing_Mode = 1;
    c->selectModeTab(c->Barcode_Design_tab);
    auto nonWhiteOnCard = [&] {
        const QImage image = window->grab().toImage();
        const QRect card(canvas->mapTo(window, QPoint(0, 0)), canvas->size());
        int count = 0;
        for (int y = card.top() + 2; y < card.bottom() - 2; y += 3)
            for (int x = card.left() + 2; x < card.right() - 2; ++x)
                if (QColor(image.pixel(x, y)) != QColor(Qt::white))
                    ++count;
        return count;
    };
    ASSERT_TRUE(canvas->isVisible());
    const int before = nonWhiteOnCard();
    dsg->workArea()._grid->setSpacing(9);
    dsg->workArea()._grid->setAlwaysShown(true);
    EXPECT_GT(nonWhiteOnCard(), before + 100) << "grid lines cross the card";
}

// The barcode-object window as the user meets it: a double-click on the object, a new value typed,
// OK; then the sidebar's button opens it again on the same object, as often as wanted; Cancel
// changes nothing.
TEST_F(CanvasTools, TheBarcodeWindowRedrawsItsObjectAndOpensAgainFromTheSidebar)
{
    SKIP_WITHOUT_BARCODE_MODE();
    QWidget *window = c->window_;
    window->resize(1400, 900);
    c->applicationDidFinishLaunching();   // shows the window and hears typing, as at start-up
    c->selectModeTab(c->Barcode_Design_tab);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    SKTGraphicView *canvas = dsg->workArea().Graphic_View();
    Barcode_Gen &gen = c->barcodeGen();

    dsg->workArea().tool_palette->Barcode_Tool_btn->click();
    ASSERT_EQ(graphics().size(), 1);
    const std::shared_ptr<SKTGraphic> object = graphics().first();
    auto decoded = [&] {
        EXPECT_FALSE(object->_barcode_image.isNull());
        return testsupport::decode(object->_barcode_image.toImage(600)).text;
    };
    ASSERT_EQ(decoded(), QStringLiteral("0123"));

    // In the window: the value the user types, then OK or Cancel as the user clicks them.
    QString shownValue;
    auto answer = [&](const QString &value, bool ok) {
        responder->onModal = [&, value, ok](QDialog &dialog) {
            auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("dataText"));
            EXPECT_NE(field, nullptr);
            if (!field)
                return 0;
            shownValue = field->text();
            field->selectAll();
            QTest::keyClicks(field, value);
            QTest::mouseClick(ok ? gen.OK_Btn : gen.Cancel_Btn, Qt::LeftButton);
            return dialog.result();
        };
    };
    const auto centreOf = [&] { return canvas->widgetRect(object->bounds()).center().toPoint(); };

    answer(QStringLiteral("4711"), true);
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, centreOf());
    EXPECT_EQ(responder->modalCount, 1);
    ASSERT_EQ(graphics().size(), 1);
    EXPECT_EQ(graphics().first(), object) << "the object on the card is the one edited";
    EXPECT_EQ(object->linear_font_val, QStringLiteral("4711"));
    EXPECT_EQ(decoded(), QStringLiteral("4711"));
    EXPECT_EQ(object->bounds().size(), object->_barcode_image.size());

    QPushButton *properties = dsg->sidebar().barcodePanel()->barcode_prop_btn;
    ASSERT_TRUE(properties->isVisible());
    const char *const values[] = {"0815", "99"};
    for (const char *value : values) {
        answer(QString::fromLatin1(value), true);
        const QString before = object->linear_font_val;
        QTest::mouseClick(properties, Qt::LeftButton);
        EXPECT_EQ(shownValue, before) << "the window shows the object's value";
        EXPECT_EQ(decoded(), QString::fromLatin1(value));
    }
    EXPECT_EQ(responder->modalCount, 3);

    answer(QStringLiteral("1234"), false);
    QTest::mouseClick(properties, Qt::LeftButton);
    EXPECT_EQ(responder->modalCount, 4);
    EXPECT_EQ(object->linear_font_val, QStringLiteral("99"));
    EXPECT_EQ(decoded(), QStringLiteral("99"));
}

// A keyboard-only user: Tab reaches every button a user can click in the tool column, the
// standard button row and the bottom bar, in the order tool column, buttons, canvas, sidebar;
// Space or Enter on a focused tool makes its object as a click does.
TEST_F(CanvasTools, KeyboardAloneReachesTheToolsAndMakesObjects)
{
    QMainWindow *window = c->window();
    window->resize(1400, 950);
    window->show();
    c->Designing_Mode_Select();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ToolPalette &tools = *dsg->workArea().tool_palette;

    // Tab to the Rect tool, then Space and Enter each make a rectangle.
    tools.Arrow_Tool_btn->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), tools.Arrow_Tool_btn);
    for (int i = 0; i < 10 && QApplication::focusWidget() != tools.Rect_Tool_btn; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), tools.Rect_Tool_btn);
    int made = 0;
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(int(key));
        tools.Rect_Tool_btn->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tools.Rect_Tool_btn, key);
        ASSERT_EQ(graphics().size(), ++made);
        EXPECT_EQ(graphics().first()->graphicClass(), SKTGraphicClass::Shape);
    }

    // One round of Tab from the first tool, with a rectangle selected so the row's buttons work.
    tools.Arrow_Tool_btn->setFocus(Qt::TabFocusReason);
    QList<QWidget *> chain{tools.Arrow_Tool_btn};
    for (int i = 0; i < 400; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || now == chain.first())
            break;
        chain << now;
    }
    auto at = [&chain](QWidget *w) { return chain.indexOf(w); };
    int clickable = 0;
    for (QWidget *row : {static_cast<QWidget *>(&tools), dsg->editing().Undo_btn->parentWidget(),
                         dsg->workArea().Ruler_btn->parentWidget()})
        for (QAbstractButton *b : row->findChildren<QAbstractButton *>())
            if (b->isVisible() && b->isEnabled()) {
                ++clickable;
                EXPECT_GE(at(b), 0) << b->objectName().toStdString() << " is not in the Tab order";
            }
    EXPECT_GE(clickable, 17 + 4 + 4);
    EXPECT_LT(at(tools.Watermark_Tool_btn), at(dsg->editing().Lock_btn));
    EXPECT_LT(at(dsg->editing().Lock_btn), at(dsg->workArea().Ruler_btn));
    QWidget *sidebarField = nullptr;
    for (int i = 0; i < chain.size() && !sidebarField; ++i)
        if (dsg->workArea().Right_Prop_Box->isAncestorOf(chain.at(i)))
            sidebarField = chain.at(i);
    ASSERT_NE(sidebarField, nullptr) << "Tab never reaches the sidebar";
    EXPECT_LT(at(dsg->workArea().Actual_Size_btn), at(sidebarField));
}

// The actual-size button shows the zoom the canvas is at, step by step, and takes it back to 100 %.
TEST_F(CanvasTools, TheZoomButtonShowsTheCurrentZoom)
{
    c->window()->show();
    c->Designing_Mode_Select();
    struct Case {
        QPushButton *button;
        const char *shown;
        double factor;
    };
    const Case cases[] = {
        {dsg->workArea().Zoom_In_btn, "125%", 1.25},   {dsg->workArea().Zoom_In_btn, "150%", 1.5},   {dsg->workArea().Zoom_Out_btn, "125%", 1.25},
        {dsg->workArea().Actual_Size_btn, "100%", 1.0}, {dsg->workArea().Zoom_Out_btn, "75%", 0.75}, {dsg->workArea().Zoom_Out_btn, "50%", 0.5},
        {dsg->workArea().Actual_Size_btn, "100%", 1.0},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.shown);
        QTest::mouseClick(k.button, Qt::LeftButton);
        EXPECT_EQ(dsg->workArea().Actual_Size_btn->text(), QString::fromLatin1(k.shown));
        EXPECT_DOUBLE_EQ(dsg->workArea()._zoomFactor, k.factor);
    }
}

// As wide as a 600-DPI render (and so print) makes it, whatever its modules come to on screen pixels:
// a QR symbol, and Code 128 and EAN-13 symbols within a module at every zoom and once saved and opened,
// also at bar widths that are no whole number of 600-DPI dots.
TEST_F(CanvasTools, TheCardShowsAQrSymbolAtTheSizeItPrints)
{
    if (ONLY_STD_MODE)
        GTEST_SKIP() << "the standard edition has no Advanced QR mode";
    const auto inkWidth = [](const QImage &picture) {   // along the middle row, edge pixels by coverage
        QImage image(picture.size(), QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter(&image).drawImage(0, 0, picture);
        const uchar *p = image.constScanLine(image.height() / 2);
        int a = 0, b = image.width() - 1;
        for (; a < b && p[a] > 242; ++a) {}
        for (; b > a && p[b] > 242; --b) {}
        return b - a + 1 - (p[a] + p[b]) / 255.0;
    };
    SKTGraphicView *canvas = dsg->workArea().Graphic_View();
    canvas->setHidingHandles(true);
    const auto shown = [&](const SKTGraphic &g, double zoom) {
        canvas->setFactor(zoom);
        const QImage image = canvas->grab(canvas->widgetRect(g.bounds()).toAlignedRect()).toImage();
        return inkWidth(image) / image.devicePixelRatioF() / zoom;
    };
    AdvQrController &q = c->advQr();
    Barcode_Setting_Or_Designing_Mode = 2;
    q.ADV_QR_HeaderText->clear();
    q.ADV_QR_FooterText->clear();
    q.ADV_QR_ec_lvl_ComboBox->setCurrentIndex(3);
    q.Qr_Text->Text_Field->setPlainText(QStringLiteral("WIFI:S:Home;T:WPA;P:pw;H:false;;"));
    q.Use_ADV_QR_in_Design_btn->click();
    ASSERT_EQ(graphics().size(), 1);
    EXPECT_NEAR(shown(*graphics().first(), 1.0), inkWidth(graphics().first()->_barcode_image.toImage(600)) * 0.12, 1.5);
    struct Row {
        const char *symbology, *value;
        double mils;
    };
    for (const Row &r : {Row{"Code 128", "TAG-0001", 10}, Row{"Code 128", "TAG-0001", 20}, Row{"Code 128", "TAG-0001", 7.5},
                         Row{"Code 128", "TAG-0001", 13}, Row{"EAN-13", "5901234123457", 7.5}, Row{"EAN-13", "5901234123457", 13}}) {
        if (ONLY_QR_MODE)
            break;   // every barcode object is a QR code there
        const QString row = QStringLiteral("%1 at %2 mil").arg(QLatin1String(r.symbology)).arg(r.mils);
        responder->saveAnswers = {env.userFolder() + QLatin1Char('/') + row + QStringLiteral(".qbf")};
        dsg->delete_all_control();   // alone on the card, so that no other symbol shows beside it
        auto b = std::make_shared<SKTBarcode>();
        b->barcode_font_index = Symbologies::indexOf(QLatin1String(r.symbology));
        b->linear_font_val = QLatin1String(r.value);
        b->linear_width_val = float(r.mils);
        b->show_hide_hdr = b->show_hide_ftr = b->show_hide_val = 1;
        dsg->sources().barcode->Set_Barcode_Prop_To_Control(*b, false);
        b->Set_Barcode_image(dsg->sources().barcode->Get_Image_From_Val(b->linear_font_val, {}, {}));
        c->document()->insertGraphics({b}, {0});
        const double printed = inkWidth(b->_barcode_image.toImage(600)) * 0.12;
        const double module = r.mils * 0.072;
        for (const double zoom : {1.0, 2.0, 3.0, 4.0})   // within a module, or a screen pixel where that is wider
            EXPECT_NEAR(shown(*b, zoom), printed, std::max(module, 1 / zoom)) << row.toStdString() << " at " << zoom * 100 << " %";
        ASSERT_TRUE(c->projects().Save_project_file(true, false, QStringLiteral("L")));
        const QString saved = Project_File_Name;
        c->projects().New_Project_Setting_Reset(true);
        ASSERT_EQ(c->projects().Read_and_load_design_Log_NEW_METHOD(saved, QStringLiteral("L"), true), 1);
        const SKTGraphic &opened = *graphics().first();
        EXPECT_EQ(opened.bounds(), b->bounds()) << row.toStdString();
        EXPECT_NEAR(inkWidth(opened._barcode_image.toImage(600)) * 0.12, printed, 0.12) << row.toStdString() << ", opened";
        EXPECT_NEAR(shown(opened, 2.0), printed, module) << row.toStdString() << ", opened";
    }
}
