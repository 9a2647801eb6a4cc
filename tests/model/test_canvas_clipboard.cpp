// The canvas's clipboard commands with real card objects: copy, cut, paste and its cascade, pictures
// pasted from other programs, and the enabling of menu items.

#include "CanvasSupport.h"

#include "model/SKTBarcode.h"
#include "model/SKTError.h"
#include "model/SKTImage.h"
#include "model/SKTRenderingView.h"
#include "model/SKTText.h"
#include "support/ScriptedResponder.h"
#include "model/DesignGlobals.h"
#include "core/UserFolders.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>

#include <memory>

namespace {

using canvastest::CanvasFixture;

const QString kType = QStringLiteral("application/x-tagora-card-objects");

class CanvasClipboard : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        Created_Resource_Path = folder.path();
        QGuiApplication::clipboard()->clear();
        // The PDF form is a page of the card's size.
        SKTRenderingHost renderer;
        renderer.canvasBounds = [this] { return view.bounds(); };
        SKTRenderingView::setHost(std::move(renderer));
    }
    void TearDown() override
    {
        SKTRenderingView::setHost({});
        QGuiApplication::clipboard()->clear();
        CanvasFixture::TearDown();
    }
    const QMimeData *board() const { return QGuiApplication::clipboard()->mimeData(); }
    // Puts data on the clipboard as another program would.
    static void offer(const QString &type, const QByteArray &bytes)
    {
        auto *data = new QMimeData;
        data->setData(type, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
    }
    QStringList pastedFiles() const
    {
        return QDir(folder.path() + QStringLiteral("/Pasted_Images")).entryList(QDir::Files);
    }

    QTemporaryDir folder;
};

TEST_F(CanvasClipboard, CopyPutsTheObjectsAPdfAndATiffInOneEntry)
{
    auto shape = addShape(QRectF(10, 10, 40, 30));
    addShape(QRectF(100, 100, 20, 20));
    view.changeSelectionIndexes({0});
    view.copy();
    const QMimeData *data = board();
    ASSERT_NE(data, nullptr);
    const std::optional<SKTGraphicList> copied = SKTGraphic::graphicsWithPasteboardData(data->data(kType));
    ASSERT_TRUE(copied.has_value());
    ASSERT_EQ(copied->size(), 1);
    EXPECT_EQ(copied->first()->bounds(), shape->bounds());
    EXPECT_TRUE(data->data(QStringLiteral("application/pdf")).startsWith("%PDF"));
    QByteArray tiff = data->data(QStringLiteral("image/tiff"));
    QBuffer buffer(&tiff);
    QImageReader reader(&buffer, "tiff");
    const QImage picture = reader.read();
    EXPECT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(host.pasteStatusCalls, 1);
    EXPECT_EQ(view.pasteCascadeNumber(), 1);
    // Copying changes neither the design nor the history.
    EXPECT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(host.snapshots, 0);

    // An empty selection copies an empty list.
    view.Clear_Control_Selection();
    view.copy();
    const std::optional<SKTGraphicList> none = SKTGraphic::graphicsWithPasteboardData(board()->data(kType));
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->isEmpty());
}

TEST_F(CanvasClipboard, CopyThenTwoPastesLandAtSuccessiveCascadePositions)
{
    auto original = addShape(QRectF(10, 10, 40, 30));
    view.changeSelectionIndexes({0});
    view.copy();
    view.paste();
    view.paste();
    ASSERT_EQ(document.graphics().size(), 3);
    // Each paste goes to the front and becomes the selection.
    EXPECT_EQ(document.graphics().at(0)->bounds(), QRectF(50, 50, 40, 30));
    EXPECT_EQ(document.graphics().at(1)->bounds(), QRectF(30, 30, 40, 30));
    EXPECT_EQ(document.graphics().at(2), original);
    EXPECT_EQ(original->bounds(), QRectF(10, 10, 40, 30));
    EXPECT_EQ(view.selectionIndexes(), QList<int>({0}));
    EXPECT_EQ(view.selectedGraphic(), document.graphics().at(0));
    EXPECT_EQ(host.snapshots, 2);   // one step per paste, after it
    EXPECT_EQ(host.batchRecounts, 2);
    EXPECT_EQ(view.pasteCascadeNumber(), 3);
}

TEST_F(CanvasClipboard, ContentCopiedElsewhereKeepsItsPositionsForTheFirstPasteOnly)
{
    auto a = addShape(QRectF(10, 10, 40, 30));
    auto b = addShape(QRectF(120, 60, 20, 20));
    view.changeSelectionIndexes({0, 1});
    view.copy();
    // Another instance copies the same objects: its own token, a new clipboard entry.
    offer(kType, SKTGraphic::pasteboardDataWithGraphics({a, b}));
    view.paste();
    ASSERT_EQ(document.graphics().size(), 4);
    EXPECT_EQ(document.graphics().at(0)->bounds(), QRectF(10, 10, 40, 30));
    EXPECT_EQ(document.graphics().at(1)->bounds(), QRectF(120, 60, 20, 20));
    EXPECT_EQ(view.selectionIndexes(), QList<int>({0, 1}));
    view.paste();
    ASSERT_EQ(document.graphics().size(), 6);
    // The group moves as one: the first to the cascade point, the next to the following one.
    EXPECT_EQ(document.graphics().at(0)->bounds().topLeft(), QPointF(30, 30));
    EXPECT_EQ(host.snapshots, 2);
}

TEST_F(CanvasClipboard, UnreadableCardDataShowsTheErrorAndPastesNothing)
{
    testsupport::ResponderScope responder;
    addShape(QRectF(10, 10, 40, 30));
    for (const QByteArray &junk : {QByteArray("not a property list"), QByteArray(), QByteArray("bplist00\xff\xff", 10)}) {
        responder->alerts.clear();
        offer(kType, junk);
        view.paste();
        ASSERT_EQ(responder->alerts.size(), 1);
        EXPECT_EQ(responder->alerts.first().message, SKTErrorWithCode(2).localizedDescription);
        EXPECT_EQ(responder->alerts.first().informative, SKTErrorWithCode(2).localizedFailureReason);
    }
    EXPECT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(host.snapshots, 0);
}

TEST_F(CanvasClipboard, PastedBarcodesAreRenumberedAndLockedObjectsArriveUnlocked)
{
    BAR_CTRL = 4;
    auto barcode = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
    barcode->control_ID = QStringLiteral("BAR_4");
    barcode->setBounds(QRectF(10, 10, 120, 60));
    document.insertGraphics({barcode}, {0});
    auto locked = addShape(QRectF(150, 10, 30, 30));
    locked->ctrl_is_locked = true;
    view.changeSelectionIndexes({0, 1});
    view.copy();
    view.paste();
    ASSERT_EQ(document.graphics().size(), 4);
    EXPECT_TRUE(document.graphics().at(0)->isExactly<SKTBarcode>());
    EXPECT_EQ(document.graphics().at(0)->control_ID, QStringLiteral("BAR_5"));
    EXPECT_FALSE(document.graphics().at(1)->ctrl_is_locked);
    EXPECT_TRUE(locked->ctrl_is_locked);
}

TEST_F(CanvasClipboard, PasteItemIsOffByAPictureOrFileNamesAndOnByCardObjects)
{
    addShape(QRectF(10, 10, 40, 30));
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    EXPECT_FALSE(view.validateCommand(SKTGraphicView::Command::Paste));
    auto *files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"))});
    QGuiApplication::clipboard()->setMimeData(files);
    EXPECT_FALSE(view.validateCommand(SKTGraphicView::Command::Paste));
    // File names paste nothing.
    view.paste();
    EXPECT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(host.snapshots, 0);
    view.changeSelectionIndexes({0});
    view.copy();
    EXPECT_TRUE(view.validateCommand(SKTGraphicView::Command::Paste));
}

TEST_F(CanvasClipboard, APictureFromElsewhereIsSavedAsAPngAndPlacedAt50_50)
{
    addShape(QRectF(10, 10, 40, 30));
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    QGuiApplication::clipboard()->setImage(image);
    view.paste();
    ASSERT_EQ(document.graphics().size(), 2);
    auto *picture = graphic_cast<SKTImage>(document.graphics().first().get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->bounds().topLeft(), QPointF(50, 50));
    EXPECT_GT(picture->bounds().width(), 0);
    EXPECT_EQ(view.selectionIndexes(), QList<int>({0}));
    EXPECT_EQ(host.snapshots, 1);
    const QStringList files = pastedFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files.first().endsWith(QLatin1String(".png")));
    const QString path = folder.path() + QStringLiteral("/Pasted_Images/") + files.first();
    EXPECT_EQ(picture->_file_path, path);
    const QImage written(path);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(64, 48));
    EXPECT_EQ(written.pixelColor(5, 5), QColor(10, 200, 30));

    // A second picture gets a file of its own.
    view.paste();
    EXPECT_EQ(pastedFiles().size(), 2);
}

// A PNG that announces its size in its header and holds nothing more.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    auto crc32 = [](const QByteArray &bytes) {
        quint32 crc = 0xffffffffu;
        for (const char c : bytes) {
            crc ^= quint8(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    };
    auto be = [](quint32 v) {
        QByteArray b(4, '\0');
        qToBigEndian(v, b.data());
        return b;
    };
    QByteArray ihdr = QByteArray("IHDR") + be(width) + be(height) + QByteArray("\x08\x06\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + be(13) + ihdr + be(crc32(ihdr));
}

TEST_F(CanvasClipboard, APictureBeyondTheLimitIsRefusedAndNothingIsWritten)
{
    offer(QStringLiteral("image/png"), pngHeaderOnly(20000, 10000));
    EXPECT_FALSE(view.makeNewImageFromPasteboard(board(), QPointF(50, 50)));
    view.paste();
    EXPECT_TRUE(document.graphics().isEmpty());
    EXPECT_TRUE(pastedFiles().isEmpty());
    EXPECT_EQ(host.snapshots, 0);
    // Bytes that are no picture make nothing either.
    offer(QStringLiteral("image/png"), QByteArray("garbage"));
    EXPECT_FALSE(view.makeNewImageFromPasteboard(board(), QPointF(50, 50)));
}

TEST_F(CanvasClipboard, CutCopiesThenDeletesWithOneStepAndARefusalOnLocked)
{
    auto a = addShape(QRectF(10, 10, 40, 30));
    auto b = addShape(QRectF(60, 60, 20, 20));
    view.changeSelectionIndexes({1});
    view.cut();
    ASSERT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(document.graphics().first(), a);
    EXPECT_EQ(host.snapshots, 1);
    const auto copied = SKTGraphic::graphicsWithPasteboardData(board()->data(kType));
    ASSERT_TRUE(copied && copied->size() == 1);
    EXPECT_EQ(copied->first()->bounds(), b->bounds());

    a->ctrl_is_locked = true;
    view.changeSelectionIndexes({0});
    const QByteArray before = board()->data(kType);
    view.cut();
    EXPECT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(host.snapshots, 1);
    EXPECT_EQ(board()->data(kType), before);
}

TEST_F(CanvasClipboard, SelectByIdentifierFindsTextsAndPicturesButNeverBarcodes)
{
    auto barcode = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
    barcode->control_ID = QStringLiteral("ID7");
    auto text = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    text->control_ID = QStringLiteral("ID7");
    auto shape = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
    shape->control_ID = QStringLiteral("S1");
    document.insertGraphics({barcode, shape}, {0, 1});
    EXPECT_EQ(view.Selcect_Ctrl_With_ID(QStringLiteral("ID7")), nullptr);
    EXPECT_EQ(view.Selcect_Ctrl_With_ID(QStringLiteral("S1")), nullptr);
    document.insertGraphics({text}, {2});
    EXPECT_EQ(view.Selcect_Ctrl_With_ID(QStringLiteral("ID7")), text);
    text->control_ID = QStringLiteral("");
    EXPECT_EQ(view.Selcect_Ctrl_With_ID(QString()), nullptr);
}

struct ValidationCase {
    const char *situation;
    QList<int> selected;
    bool currentLocked;
    bool cut, del, front, lock, unlock, alignLeft, sameWidth, alignGrid;
};

TEST_F(CanvasClipboard, MenuItemsFollowTheSelectionAndTheCurrentObjectsLock)
{
    const ValidationCase cases[] = {
        {"nothing selected", {}, false, false, false, false, false, false, false, false, false},
        {"one unlocked", {0}, false, true, true, true, true, false, false, false, true},
        {"one locked", {0}, true, false, false, false, false, true, false, false, true},
        {"two unlocked", {0, 1}, false, true, true, true, true, false, true, true, true},
    };
    auto a = addShape(QRectF(10, 10, 40, 30));
    addShape(QRectF(60, 60, 20, 20));
    SKTGrid grid;
    view.setGrid(&grid);
    using C = SKTGraphicView::Command;
    for (const ValidationCase &c : cases) {
        SCOPED_TRACE(c.situation);
        a->ctrl_is_locked = c.currentLocked;
        view.changeSelectionIndexes(c.selected);
        EXPECT_EQ(view.validateCommand(C::Cut), c.cut);
        EXPECT_EQ(view.validateCommand(C::Delete), c.del);
        EXPECT_EQ(view.validateCommand(C::BringToFront), c.front);
        EXPECT_EQ(view.validateCommand(C::SendToBack), c.front);
        EXPECT_EQ(view.validateCommand(C::Lock), c.lock);
        EXPECT_EQ(view.validateCommand(C::Unlock), c.unlock);
        EXPECT_EQ(view.validateCommand(C::AlignLeftEdges), c.alignLeft);
        EXPECT_EQ(view.validateCommand(C::MakeSameWidth), c.sameWidth);
        EXPECT_EQ(view.validateCommand(C::AlignWithGrid), c.alignGrid);
        EXPECT_TRUE(view.validateCommand(C::Other));
    }
    // The grid must be able to align.
    grid.setSpacing(0);
    view.changeSelectionIndexes({0});
    EXPECT_FALSE(view.validateCommand(C::AlignWithGrid));
    view.setGrid(nullptr);
}

TEST_F(CanvasClipboard, UndoRedoAndNaturalSizeAskTheirOwners)
{
    using C = SKTGraphicView::Command;
    EXPECT_FALSE(view.validateCommand(C::Undo));
    host.canUndo = true;
    EXPECT_TRUE(view.validateCommand(C::Undo));
    EXPECT_FALSE(view.validateCommand(C::Redo));
    view.undo();
    view.redo();
    view.redo();
    EXPECT_EQ(host.undos, 1);
    EXPECT_EQ(host.redos, 2);

    auto square = addShape(QRectF(10, 10, 30, 30));
    view.changeSelectionIndexes({0});
    EXPECT_FALSE(view.validateCommand(C::MakeNaturalSize));
    addShape(QRectF(10, 10, 30, 10));
    view.changeSelectionIndexes({0, 1});
    EXPECT_TRUE(view.validateCommand(C::MakeNaturalSize));
    EXPECT_EQ(square->bounds(), QRectF(10, 10, 30, 30));
}

TEST_F(CanvasClipboard, ContextMenuItemsAreEnabledByTheCanvasAndRunItsCommands)
{
    addShape(QRectF(10, 10, 40, 30));
    view.changeSelectionIndexes({0});
    std::unique_ptr<QMenu> menu(view.contextMenu());
    const QList<QAction *> items = menu->actions();
    ASSERT_GE(items.size(), 7);
    EXPECT_TRUE(items.at(0)->isEnabled());    // Cut
    EXPECT_TRUE(items.at(1)->isEnabled());    // Copy
    EXPECT_FALSE(items.at(2)->isEnabled());   // Paste: nothing copied yet
    EXPECT_TRUE(items.at(3)->isEnabled());    // Delete
    items.at(1)->trigger();
    ASSERT_NE(board(), nullptr);
    EXPECT_TRUE(board()->hasFormat(kType));
    std::unique_ptr<QMenu> again(view.contextMenu());
    EXPECT_TRUE(again->actions().at(2)->isEnabled());
    again->actions().at(2)->trigger();
    EXPECT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(host.snapshots, 1);
}

TEST_F(CanvasClipboard, RulerItemReadsShowOrHide)
{
    QAction item;
    SKTGraphicView::setItemCommand(&item, SKTGraphicView::Command::ShowOrHideRulers);
    // Without a scroll view the rulers are hidden.
    EXPECT_TRUE(view.validateMenuItem(&item));
    EXPECT_EQ(item.text(), QStringLiteral("Show Ruler"));
}

} // namespace
