// The image library picker, used through its window: the three modes and their folders, the
// selection rule, OK, Cancel, Browse other file, reordering by dragging, and what Delete and a
// double click leave alone; and the main window's opening of it.

#include "support/ImageFileMakers.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "design/DesignController.h"
#include "imagetools/ImageBrowserModel.h"
#include "imagetools/ImageBrowserView.h"
#include "imagetools/Image_Library.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSemaphore>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>

namespace {

class LibraryWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.isValid());
        env = std::make_unique<testsupport::AppEnvironment>(resources.path());
        library = Image_Library::defaultInstance();
        ASSERT_EQ(Resource_Path, resources.path());
    }
    void TearDown() override
    {
        responder->onModal = nullptr;
        env.reset();
    }

    // A picture file in a folder of the resources, named as given.
    QString picture(const QString &folder, const QString &name, const QColor &colour = Qt::red)
    {
        const QString dir = resources.path() + QLatin1Char('/') + folder;
        QDir().mkpath(dir);
        const QString path = dir + QLatin1Char('/') + name;
        const bool jpeg = name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
        EXPECT_TRUE(imagefiles::writeImage(path, imagefiles::halves(QSize(120, 80), colour, colour), jpeg ? "jpeg" : "png"));
        return path;
    }
    QStringList pictures(const QString &folder, const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths << picture(folder, name);
        return paths;
    }

    // Opens the picker in a mode; user acts in the shown window. Answers the modal code.
    int open(const QString &mode, const std::function<void(QDialog &)> &user)
    {
        library->control_or_BG = mode;
        responder->onModal = [this, user](QDialog &dialog) {
            dialog.setResult(-1);
            dialog.show();
            settle();
            user(dialog);
            EXPECT_FALSE(dialog.isVisible()) << "the picker is still open";
            return dialog.result();
        };
        return library->Open_Library_Window();
    }
    // Lets the window lay itself out (the grid is laid out in batches) and read what it shows.
    void settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        library->images->waitForThumbnails();
        QApplication::processEvents();
    }

    QStringList names() const
    {
        QStringList out;
        for (const MyImageObject &item : library->images->images())
            out << item.name;
        return out;
    }
    QWidget *viewport() const { return library->imageBrowser->viewport(); }
    QPoint cell(int row) const { return library->imageBrowser->visualRect(library->images->index(row)).center(); }
    // A point of the grid where there is no thumbnail.
    QPoint emptySpace() const { return QPoint(viewport()->width() - 5, viewport()->height() - 5); }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) { QTest::mouseClick(viewport(), Qt::LeftButton, modifiers, cell(row)); }
    // Presses on a thumbnail, moves with the button held, and lets go at the end point.
    void drag(const QPoint &from, const QPoint &to)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = from + (to - from) * step / 4;
            QMouseEvent move(QEvent::MouseMove, at, viewport()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(viewport(), &move);
        }
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }
    // The messages shown, without the line break an alert starts with.
    QStringList alerts() { return responder->trimmedAlertMessages(); }

    QTemporaryDir resources;
    testsupport::ResponderScope responder;
    std::unique_ptr<testsupport::AppEnvironment> env;
    Image_Library *library = nullptr;
};

TEST_F(LibraryWindow, EachModeHasItsTitleFolderZoomAndBrowseBox)
{
    pictures(QStringLiteral("LibraryImage"), {QStringLiteral("c1.png"), QStringLiteral("c2.jpg")});
    pictures(QStringLiteral("Background"), {QStringLiteral("b1.jpg")});
    pictures(QStringLiteral("qr_logo"), {QStringLiteral("q1.png"), QStringLiteral("q2.png"), QStringLiteral("q3.jpg")});
    const struct {
        const char *mode;
        const char *title;
        QStringList items;
        bool slider;
        double zoom;
    } cases[] = {
        {"C", "Image Library", {QStringLiteral("c1.png"), QStringLiteral("c2.jpg")}, true, 0.4},
        {"B", "Background Image Library", {QStringLiteral("b1.jpg")}, true, 0.4},
        {"QR", "Select Logo Image", {QStringLiteral("q1.png"), QStringLiteral("q2.png"), QStringLiteral("q3.jpg")}, false, 0.0},
        {"other", "Select Logo Image", {}, true, 0.4},   // the previous title and an empty grid
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mode);
        const int code = open(QString::fromLatin1(c.mode), [&](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(c.title));
            EXPECT_EQ(names(), c.items);
            EXPECT_EQ(library->_zoom_slider->isVisible(), c.slider);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(library->_zoom_slider)->text(QAccessible::Name), "Zoom");
            EXPECT_EQ(library->_zoom_label->isVisible(), c.slider);
            EXPECT_EQ(library->other_browse_box->isVisible(), !c.slider && c.zoom == 0.0);
            EXPECT_DOUBLE_EQ(library->zoom(), c.zoom);
            EXPECT_EQ(library->_zoom_slider->value(), int(c.zoom * 100));
            const int side = Image_Library::Icon_Side_For_Zoom(c.zoom);
            EXPECT_EQ(library->images->thumbnailSize(), side);
            EXPECT_EQ(library->imageBrowser->iconSize(), QSize(side, side));
            EXPECT_TRUE(library->selected_image.isEmpty());
            library->cancel_button->click();
        });
        EXPECT_EQ(code, 0);
    }
    EXPECT_TRUE(alerts().isEmpty());
}

TEST_F(LibraryWindow, FilesAreListedByNameAndOnlyPngAndJpgFilesDirectlyInTheFolder)
{
    const QString folder = resources.path() + QStringLiteral("/Background");
    pictures(QStringLiteral("Background"), {QStringLiteral("Zeta.png"), QStringLiteral("alpha.jpg"), QStringLiteral("Beta.JPG"),
                                            QStringLiteral("photo.jpeg"), QStringLiteral("icon.gif")});
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/folder.png")));   // a sub-folder is passed over
    picture(QStringLiteral("Background/inner"), QStringLiteral("deep.png"));
    ASSERT_TRUE(imagefiles::writeBytes(folder + QStringLiteral("/notes.txt"), "text"));
    ASSERT_TRUE(imagefiles::writeBytes(folder + QStringLiteral("/broken.png"), "no picture"));
    pictures(QStringLiteral("LibraryImage"), {QStringLiteral("b.png"), QStringLiteral("A.png"), QStringLiteral("a.jpg")});
    open(QStringLiteral("B"), [&](QDialog &) {
        EXPECT_EQ(names(), (QStringList{QStringLiteral("Beta.JPG"), QStringLiteral("Zeta.png"), QStringLiteral("alpha.jpg"),
                                        QStringLiteral("broken.png")}));
        EXPECT_EQ(library->imageBrowser_itemAtIndex(0).path, folder + QStringLiteral("/Beta.JPG"));
        EXPECT_EQ(library->imageBrowser_itemAtIndex(0).imageUID(), QStringLiteral("Beta.JPG"));
        EXPECT_EQ(library->numberOfItemsInImageBrowser(), 4);
        // The file that is no picture shows the broken tile and can still be selected.
        EXPECT_TRUE(library->images->hasThumbnail(3));
        click(3);
        EXPECT_EQ(library->selected_image, folder + QStringLiteral("/broken.png"));
        library->Cancel_Clicked();
    });
    // The picture objects' library is sorted the same way.
    open(QStringLiteral("C"), [&](QDialog &) {
        EXPECT_EQ(names(), (QStringList{QStringLiteral("A.png"), QStringLiteral("a.jpg"), QStringLiteral("b.png")}));
        library->Cancel_Clicked();
    });
}

TEST_F(LibraryWindow, AMissingLibraryOrAFileInItsPlaceShowsAnEmptyGridAndSaysNothing)
{
    ASSERT_TRUE(imagefiles::writeBytes(resources.path() + QStringLiteral("/Background"), "a file, not a folder"));
    for (const char *mode : {"C", "B", "QR"}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(open(QString::fromLatin1(mode), [&](QDialog &) {
                      EXPECT_EQ(library->numberOfItemsInImageBrowser(), 0);
                      library->ok_button->click();   // nothing to choose
                      EXPECT_EQ(alerts(), QStringList{QStringLiteral("Please select image.")});
                      responder->alerts.clear();
                      library->cancel_button->click();
                  }),
                  0);
    }
}

TEST_F(LibraryWindow, SelectThenClickEmptySpaceThenOkGivesThePathOfTheItemLastSelected)
{
    const QStringList paths = pictures(QStringLiteral("LibraryImage"), {QStringLiteral("1 one.png"), QStringLiteral("2 two.png"),
                                                                        QStringLiteral("3 three.jpg")});
    library->control_or_BG = QStringLiteral("C");
    responder->onModal = [&](QDialog &dialog) {
        dialog.show();
        settle();
        click(1);
        EXPECT_EQ(library->selected_image, paths.at(1));
        click(2);
        EXPECT_EQ(library->selected_image, paths.at(2));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, emptySpace());
        EXPECT_TRUE(library->imageBrowser->selectedRows().isEmpty());
        EXPECT_EQ(library->selected_image, paths.at(2));   // an empty selection keeps the path
        library->ok_button->click();
        return dialog.result();
    };
    lib_window_sel_file = QStringLiteral("earlier");
    EXPECT_EQ(env->controller()->design().Open_Image_Library_Window(QStringLiteral("C")), 1);
    EXPECT_EQ(lib_window_sel_file, paths.at(2));
    EXPECT_EQ(library->control_or_BG, QStringLiteral("C"));
    EXPECT_TRUE(alerts().isEmpty());
}

TEST_F(LibraryWindow, TheLowestSelectedIndexIsChosen)
{
    const QStringList paths = pictures(QStringLiteral("LibraryImage"),
                                       {QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("c.png"), QStringLiteral("d.png")});
    EXPECT_EQ(open(QStringLiteral("C"), [&](QDialog &) {
                  click(3);
                  click(1, Qt::ControlModifier);
                  EXPECT_EQ(library->imageBrowser->selectedRows(), (QList<int>{1, 3}));
                  EXPECT_EQ(library->selected_image, paths.at(1));
                  click(2, Qt::ControlModifier);
                  EXPECT_EQ(library->selected_image, paths.at(1));
                  library->ok_button->click();
              }),
              1);
    EXPECT_EQ(library->selected_image, paths.at(1));
}

TEST_F(LibraryWindow, CancelAndEscapeGiveZeroAndForgetTheSelection)
{
    pictures(QStringLiteral("Background"), {QStringLiteral("one.png"), QStringLiteral("two.png")});
    lib_window_sel_file = QStringLiteral("kept");
    library->control_or_BG = QStringLiteral("B");
    responder->onModal = [&](QDialog &dialog) {
        dialog.show();
        settle();
        click(0);
        EXPECT_FALSE(library->selected_image.isEmpty());
        library->cancel_button->click();
        return dialog.result();
    };
    EXPECT_EQ(env->controller()->design().Open_Image_Library_Window(QStringLiteral("B")), 0);
    EXPECT_EQ(library->selected_image, QString());
    EXPECT_EQ(lib_window_sel_file, QStringLiteral("kept"));

    EXPECT_EQ(open(QStringLiteral("B"), [&](QDialog &dialog) {
                  click(1);
                  QTest::keyClick(&dialog, Qt::Key_Escape);
              }),
              0);
    EXPECT_EQ(library->selected_image, QString());
}

TEST_F(LibraryWindow, OkWithNothingChosenOrAFileGoneSinceSaysPleaseSelectImage)
{
    const QStringList paths = pictures(QStringLiteral("LibraryImage"), {QStringLiteral("one.png"), QStringLiteral("two.png")});
    EXPECT_EQ(open(QStringLiteral("C"), [&](QDialog &dialog) {
                  library->ok_button->click();
                  EXPECT_TRUE(dialog.isVisible());
                  click(0);
                  ASSERT_TRUE(QFile::remove(paths.at(0)));
                  library->ok_button->click();
                  EXPECT_TRUE(dialog.isVisible());
                  EXPECT_EQ(alerts(), (QStringList{QStringLiteral("Please select image."), QStringLiteral("Please select image.")}));
                  click(1);
                  library->ok_button->click();
              }),
              1);
    EXPECT_EQ(library->selected_image, paths.at(1));
}

TEST_F(LibraryWindow, DraggingTheFirstOfFourToTheEndPutsItLast)
{
    pictures(QStringLiteral("LibraryImage"), {QStringLiteral("1.png"), QStringLiteral("2.png"), QStringLiteral("3.png"), QStringLiteral("4.png")});
    open(QStringLiteral("C"), [&](QDialog &) {
        const QRect last = library->imageBrowser->visualRect(library->images->index(3));
        drag(cell(0), QPoint(last.right() + 10, last.center().y()));
        EXPECT_EQ(names(), (QStringList{QStringLiteral("2.png"), QStringLiteral("3.png"), QStringLiteral("4.png"), QStringLiteral("1.png")}));
        // The moved item stays selected where it went.
        EXPECT_EQ(library->imageBrowser->selectedRows(), QList<int>{3});
        // Several at once keep their order: 2 and 4 (rows 0 and 2) dropped before 1 (row 3).
        click(0);
        click(2, Qt::ControlModifier);
        drag(cell(0), cell(3) - QPoint(library->imageBrowser->visualRect(library->images->index(3)).width() / 4, 0));
        EXPECT_EQ(names(), (QStringList{QStringLiteral("3.png"), QStringLiteral("2.png"), QStringLiteral("4.png"), QStringLiteral("1.png")}));
        library->Cancel_Clicked();
    });
    // The order lasts until the next opening.
    open(QStringLiteral("C"), [&](QDialog &) {
        EXPECT_EQ(names(), (QStringList{QStringLiteral("1.png"), QStringLiteral("2.png"), QStringLiteral("3.png"), QStringLiteral("4.png")}));
        library->Cancel_Clicked();
    });
}

TEST_F(LibraryWindow, DeleteDoubleClickAndDraggingOutChangeNothing)
{
    const QStringList paths = pictures(QStringLiteral("LibraryImage"), {QStringLiteral("1.png"), QStringLiteral("2.png"), QStringLiteral("3.png")});
    QApplication::clipboard()->setText(QStringLiteral("before"));
    open(QStringLiteral("C"), [&](QDialog &dialog) {
        click(1);
        QTest::keyClick(library->imageBrowser, Qt::Key_Delete);
        QTest::keyClick(library->imageBrowser, Qt::Key_Backspace);
        EXPECT_EQ(library->numberOfItemsInImageBrowser(), 3);
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, cell(2));
        EXPECT_TRUE(dialog.isVisible());   // a double click does not choose
        EXPECT_EQ(library->selected_image, paths.at(2));
        drag(cell(0), QPoint(viewport()->width() + 40, cell(0).y()));   // out of the grid
        EXPECT_EQ(names(), (QStringList{QStringLiteral("1.png"), QStringLiteral("2.png"), QStringLiteral("3.png")}));
        EXPECT_EQ(library->imageBrowser_writeItemsAtIndexes_toPasteboard({0}, nullptr), 0);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
        library->Cancel_Clicked();
    });
}

TEST_F(LibraryWindow, TheLogoModeOffersAnyPictureFileOfTheDisk)
{
    pictures(QStringLiteral("qr_logo"), {QStringLiteral("logo.png")});
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("mine.png"));
    ASSERT_TRUE(imagefiles::writeImage(outside, imagefiles::halves(QSize(64, 64), Qt::blue, Qt::blue)));
    const QString text = elsewhere.filePath(QStringLiteral("text.png"));
    ASSERT_TRUE(imagefiles::writeBytes(text, "no picture"));
    Use_Org_image_Or_Shred_it = true;
    // A cancelled panel changes nothing; a path with no file says so; a file closes at once.
    responder->openAnswers = {{}, {elsewhere.filePath(QStringLiteral("gone.png"))}, {outside}};
    EXPECT_EQ(open(QStringLiteral("QR"), [&](QDialog &dialog) {
                  EXPECT_EQ(library->images->thumbnailSize(), 48);   // the smallest tiles
                  library->browse_other_button->click();
                  EXPECT_TRUE(dialog.isVisible());
                  EXPECT_TRUE(alerts().isEmpty());
                  library->browse_other_button->click();
                  EXPECT_TRUE(dialog.isVisible());
                  EXPECT_EQ(alerts(), QStringList{QStringLiteral("Please select valid image.")});
                  library->browse_other_button->click();
              }),
              1);
    EXPECT_EQ(library->selected_image, outside);
    EXPECT_FALSE(Use_Org_image_Or_Shred_it);   // the size check was asked
    ASSERT_EQ(responder->openRequests.size(), 3);
    const platform::OpenPanelRequest &request = responder->openRequests.first();
    EXPECT_EQ(request.extensions, env->controller()->Allowd_Image_fileTypes);
    EXPECT_TRUE(request.canChooseFiles);
    EXPECT_FALSE(request.canChooseDirectories);
    EXPECT_FALSE(request.allowsMultipleSelection);
    // A file of an accepted name that is no picture is taken as chosen: its caller judges it.
    responder->openAnswers = {{text}};
    EXPECT_EQ(open(QStringLiteral("QR"), [&](QDialog &) { library->browse_other_button->click(); }), 1);
    EXPECT_EQ(library->selected_image, text);
}

TEST_F(LibraryWindow, TheSliderResizesTheTiles)
{
    pictures(QStringLiteral("LibraryImage"), {QStringLiteral("wide.png")});
    open(QStringLiteral("C"), [&](QDialog &) {
        const QSize before = library->imageBrowser->gridSize();
        EXPECT_EQ(library->images->thumbnailSize(), 48 + 83);   // 0.4
        const struct {
            int value;
            int side;
        } cases[] = {{100, 256}, {0, 48}, {50, 152}};
        for (const auto &c : cases) {
            library->_zoom_slider->setValue(c.value);
            EXPECT_DOUBLE_EQ(library->zoom(), c.value / 100.0);
            EXPECT_EQ(library->images->thumbnailSize(), c.side);
            EXPECT_EQ(library->imageBrowser->iconSize(), QSize(c.side, c.side));
            settle();
            // The 120 x 80 picture is never enlarged beyond its size.
            const QPixmap tile = library->images->data(library->images->index(0), Qt::DecorationRole).value<QPixmap>();
            EXPECT_EQ(tile.size(), QSize(120, 80).scaled(QSize(c.side, c.side), Qt::KeepAspectRatio).boundedTo(QSize(120, 80)));
        }
        EXPECT_NE(library->imageBrowser->gridSize(), before);
        library->Cancel_Clicked();
    });
}

TEST_F(LibraryWindow, ThumbnailsOfAClosedPickerAreNotRead)
{
    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0'));
    pictures(QStringLiteral("LibraryImage"), names);
    std::atomic<int> reads{0};
    QSemaphore gate;
    library->images->setWorkerCount(1);
    library->images->setLoader([&](const QString &path, int side) {
        ++reads;
        gate.acquire();
        return imagefile::read(path, side);
    });
    library->control_or_BG = QStringLiteral("C");
    responder->onModal = [&](QDialog &dialog) {
        dialog.show();
        // Painted: the thumbnails in view are asked for, and the one worker is held in the first.
        for (int i = 0; i < 500 && (i < 5 || reads.load() == 0); ++i)
            QApplication::processEvents(), QThread::msleep(i < 5 ? 0 : 10);
        library->Cancel_Clicked();
        return dialog.result();
    };
    EXPECT_EQ(library->Open_Library_Window(), 0);
    gate.release(1000);
    library->images->waitForThumbnails();
    QThread::msleep(50);
    EXPECT_EQ(reads.load(), 1);   // only the one already being read
    library->images->setLoader([](const QString &path, int side) { return imagefile::read(path, side); });
    library->images->setWorkerCount(2);
}

} // namespace
