// The crop wizard through its window: Next's checks, the file list of a folder or a series, the
// selection placed over the picture, and a crop or resize written from the full original.

#include "support/ImageFileMakers.h"

#include "core/UserFolders.h"
#include "core/Open_Export_Log.h"
#include "imagetools/Cropping_Tool.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "io/SeriesStore.h"
#include "outputjobs/ImageExportWriter.h"
#include "platform/Files.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"
#include "support/SyncFailure.h"
#include "support/NumberFieldSweep.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include "platform/PictureView.h"
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QAccessible>
#include <QImageReader>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The wizard's controls, found by their names as a user finds them by their titles.
struct Form {
    explicit Form(QWidget *w) : w(w) {}
    template <class T> T *c(const char *name) const
    {
        T *found = w->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QWidget *w;
#define FORM(T, name) T *name = c<T>(#name);
    FORM(QLineEdit, file_path) FORM(QLineEdit, folder_path) FORM(QLineEdit, output_path)
    FORM(QLineEdit, output_custom_name) FORM(QLineEdit, width_Text) FORM(QLineEdit, height_Text)
    FORM(QRadioButton, input_folder_radio) FORM(QRadioButton, input_series_radio)
    FORM(QRadioButton, output_custom_radio) FORM(QRadioButton, crop_size_radio)
    FORM(QComboBox, camera_list) FORM(QComboBox, output_format_combo) FORM(QCheckBox, aspect_ratio_chk)
    FORM(QPushButton, Next_Btn) FORM(QPushButton, Back_Btn) FORM(QPushButton, cancel_btn) FORM(QPushButton, crop_btn)
    FORM(QWidget, Main_Screen_Box) FORM(QWidget, Crop_Screen_Box) FORM(QWidget, cropping_wid_size)
    FORM(QTableView, ColList) FORM(platform::PictureView, Modified_image)
#undef FORM
};

class CropWizard : public ::testing::Test {
public:
    void SetUp() override
    {
        env = std::make_unique<testsupport::AppEnvironment>();
        tool = Cropping_Tool::defaultInstance();
        ASSERT_TRUE(dir.isValid());
        out = dir.filePath(QStringLiteral("out"));
        QDir().mkpath(out);
    }
    void TearDown() override
    {
        responder->onModal = nullptr;
        env.reset();
    }
    // Opens the wizard and lets the user act in it; other modal windows (the done box) close at
    // once and are counted. Answers the wizard's code.
    int open(const std::function<void(Form &)> &user)
    {
        responder->onModal = [this, user](QDialog &dialog) {
            if (&dialog != tool->window()) {
                ++otherModals;
                return onOther ? onOther(dialog) : 0;
            }
            dialog.setResult(-1);
            dialog.show();
            QApplication::processEvents();
            Form form(&dialog);
            user(form);
            if (dialog.isVisible())
                QTest::mouseClick(form.cancel_btn, Qt::LeftButton);
            return dialog.result();
        };
        return tool->Open_Wnd();
    }
    // The direct crop of one file: the user acts on the crop screen, then Close if it is still open.
    int openDirect(const QString &path, const std::function<void(QDialog &)> &user)
    {
        responder->onModal = [this, user](QDialog &dialog) {
            if (&dialog != tool->window())
                return 0;
            dialog.setResult(-1);
            dialog.show();
            QApplication::processEvents();
            user(dialog);
            if (dialog.isVisible())
                QTest::mouseClick(dialog.findChild<QPushButton *>("Close_direct_Btn"), Qt::LeftButton);
            return dialog.result();
        };
        return tool->Open_Wnd_Direct_To_Crop(path);
    }
    QString write(const QString &name, const QImage &image, const char *format = "png")
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(imagefiles::writeImage(path, image, format));
        return path;
    }
    void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void type(QLineEdit *field, const QString &text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }
    QStringList alerts() { return responder->trimmedAlertMessages(); }

    testsupport::ResponderScope responder;
    std::unique_ptr<testsupport::AppEnvironment> env;
    Cropping_Tool *tool = nullptr;
    QTemporaryDir dir;
    QString out;
    int otherModals = 0;
    // Answers the other modal windows (the keep-or-replace prompt, the done box); unset: closed.
    std::function<int(QDialog &)> onOther;
};

// The selection of the shown picture set to a rectangle in preview points.
void selectPreviewRect(Cropping_Tool *tool, const QRectF &points)
{
    const QSizeF r = tool->originalImageRatio();
    tool->canvasController()->selectors().back()->Set_Selector_frame(
        QRectF(points.x() * r.width(), points.y() * r.height(), points.width() * r.width(), points.height() * r.height()));
}

// The quadrants under a quarter across, and 10 % and 40 % down.
QString quadrantsSeen(const QImage &image)
{
    QString seen;
    const int w = image.width(), h = image.height();
    for (const QPoint &p : {QPoint(w / 4, h / 10), QPoint(3 * w / 4, h / 10), QPoint(w / 4, 4 * h / 10),
                            QPoint(3 * w / 4, 4 * h / 10)}) {
        const QColor c = image.pixelColor(p);
        const bool r = c.red() > 128, g = c.green() > 128;
        seen += r && g ? 'Y' : r ? 'R' : g ? 'G' : c.blue() > 128 ? 'B' : '?';
    }
    return seen;
}

TEST_F(CropWizard, NextRefusesAnIncompleteFirstScreen)
{
    const struct {
        const char *name;
        std::function<void(Form &, CropWizard &)> fill;
        const char *message;
    } cases[] = {
        {"no input file", [](Form &u, CropWizard &t) { t.type(u.output_path, "/tmp"); },
         "Please select input image file path."},
        {"blank folder",
         [](Form &u, CropWizard &t) {
             t.click(u.input_folder_radio);
             t.type(u.folder_path, "   ");
             t.type(u.output_path, "/tmp");
         },
         "Please select input folder path."},
        {"series not chosen",
         [](Form &u, CropWizard &t) {
             t.click(u.input_series_radio);
             t.type(u.output_path, "/tmp");
         },
         "Please select batch series."},
        {"no output folder", [](Form &u, CropWizard &t) { t.type(u.file_path, "/tmp/a.png"); },
         "Please select output folder path."},
        {"blank custom name",
         [](Form &u, CropWizard &t) {
             t.type(u.file_path, "/tmp/a.png");
             t.type(u.output_path, "/tmp");
             t.click(u.output_custom_radio);
             t.type(u.output_custom_name, "  ");
         },
         "Please select output file custom name."},
    };
    for (const auto &c : cases) {
        const int before = int(responder->alertMessages().size());
        const int code = open([&](Form &u) {
            c.fill(u, *this);
            click(u.Next_Btn);
            EXPECT_TRUE(u.Main_Screen_Box->isVisible()) << c.name;
            EXPECT_TRUE(u.Next_Btn->isEnabled()) << c.name;
        });
        EXPECT_EQ(code, 0) << c.name;
        ASSERT_EQ(alerts().size(), before + 1) << c.name;
        EXPECT_EQ(alerts().last(), QString::fromLatin1(c.message)) << c.name;
    }
}

TEST_F(CropWizard, AMissingInputFileShowsAnEmptyCropView)
{
    open([&](Form &u) {
        type(u.file_path, dir.filePath("gone.png"));
        type(u.output_path, out);
        click(u.Next_Btn);
        EXPECT_TRUE(u.Crop_Screen_Box->isVisible());
        EXPECT_FALSE(u.Modified_image->hasPicture());
        EXPECT_EQ(tool->ListData.paths(), QStringList{dir.filePath("gone.png")});
        click(u.crop_btn);
    });
    EXPECT_EQ(alerts(), QStringList{"There is no image to crop."});
}

TEST_F(CropWizard, AFolderListsItsPicturesByNameAndLoadsTheFirst)
{
    const QString folder = dir.filePath("in");
    QDir().mkpath(folder + "/sub");
    imagefiles::writeImage(folder + "/PHOTO.JPG", imagefiles::quadrants({80, 60}), "jpeg");
    imagefiles::writeImage(folder + "/b.Tif", imagefiles::quadrants({80, 60}), "tiff");
    imagefiles::writeBytes(folder + "/notes.txt", "text");
    open([&](Form &u) {
        click(u.input_folder_radio);
        type(u.folder_path, folder);
        type(u.output_path, out);
        click(u.Next_Btn);
        EXPECT_TRUE(u.Crop_Screen_Box->isVisible());
        EXPECT_TRUE(u.ColList->isVisible());
        EXPECT_EQ(tool->ListData.paths(), (QStringList{folder + "/PHOTO.JPG", folder + "/b.Tif"}));
        EXPECT_EQ(tool->Crop_Input_Path, folder + "/PHOTO.JPG");
        EXPECT_TRUE(u.Modified_image->hasPicture());
        click(u.Back_Btn);
        EXPECT_TRUE(u.Main_Screen_Box->isVisible());
    });
    EXPECT_TRUE(alerts().isEmpty());
}

TEST_F(CropWizard, AFolderWithoutPicturesGoesBack)
{
    const QString folder = dir.filePath("in");
    QDir().mkpath(folder + "/only.png");
    imagefiles::writeBytes(folder + "/notes.txt", "text");
    imagefiles::writeBytes(folder + "/noext", "text");
    open([&](Form &u) {
        click(u.input_folder_radio);
        type(u.folder_path, folder);
        type(u.output_path, out);
        click(u.Next_Btn);
        EXPECT_TRUE(u.Main_Screen_Box->isVisible());
        EXPECT_TRUE(u.Next_Btn->isEnabled());
    });
    EXPECT_EQ(alerts(), QStringList{"The selected folder does not contains any image with supported extension."});
}

TEST_F(CropWizard, ASeriesListsOnlyExistingAbsolutePicturesAndAsksFirst)
{
    const QString a = write("a.png", imagefiles::quadrants({40, 30}));
    const QString b = write("b.png", imagefiles::quadrants({40, 30}));
    struct SeriesFolder {   // run where "b.png" names a file: the relative line is refused for being relative
        QString old = Data_Folder_Path, working = QDir::currentPath();
        ~SeriesFolder() { Data_Folder_Path = old, QDir::setCurrent(working); }
    } restore;
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    Data_Folder_Path = dir.filePath("DataSet");
    ASSERT_TRUE(QDir().mkpath(Data_Folder_Path));
    ASSERT_EQ(series_store::createOrReplace(QStringLiteral("Logos"),
                                            {a + "\r", QStringLiteral("b.png"), dir.filePath("gone.png"), b}),
              series_store::WriteResult::Written);
    for (const char *answer : {"No", "Yes"}) {
        responder->alertAnswers = {QString::fromLatin1(answer)};
        open([&](Form &u) {
            click(u.input_series_radio);
            u.camera_list->setCurrentText(QStringLiteral("Logos"));
            type(u.output_path, out);
            click(u.Next_Btn);
            EXPECT_EQ(tool->ListData.paths(), (QStringList{a, b})) << answer;
            EXPECT_EQ(u.Crop_Screen_Box->isVisible(), QByteArray(answer) == "Yes") << answer;
        });
    }
    EXPECT_EQ(alerts().first(), QStringLiteral("This action will create new batch series with all new cropped images.\n"
                                               "Are you sure you want to continue?"));
}

TEST_F(CropWizard, TheSelectionStartsTenPointsFromTheBottomLeftAndFollowsANarrowPicture)
{
    const QString wide = write("wide.png", imagefiles::quadrants({800, 200}));
    const QString narrow = write("narrow.png", imagefiles::quadrants({100, 400}));
    open([&](Form &u) {
        type(u.file_path, wide);
        type(u.output_path, out);
        click(u.Next_Btn);
        MSSCanvasController *canvas = tool->canvasController();
        ASSERT_EQ(canvas->selectors().size(), 1u);
        EXPECT_EQ(canvas->selectors().front()->frame(), QRectF(10, 10, 100, 100));
        // Moved right, then a narrow picture: the rectangle goes to the far corner, same size.
        canvas->selectors().front()->Set_Selector_frame(QRectF(300, 10, 100, 100));
        tool->Load_Image_File(narrow);
        const QSizeF c = canvas->canvasFrame().size();
        ASSERT_EQ(canvas->selectors().size(), 1u);
        EXPECT_EQ(canvas->selectors().front()->frame(), QRectF(c.width() - 100, c.height() - 100, 100, 100));
    });
}

TEST_F(CropWizard, ACropIsCutFromTheFullOriginalWhereShown)
{
    // 4000 x 3000 shown as an 800 x 600 preview: the region is five times the preview's pixels.
    // Upright, its upper quarter lies in the picture's top half, so a lost flip shows.
    const QString photo = write("photo.JPG", imagefiles::quadrants({4000, 3000}), "jpeg");
    // Stored turned a quarter left, shown upright by its orientation 6.
    const QString turned = dir.filePath("turned.jpg");
    imagefiles::writeBytes(turned, imagefiles::jpegWithOrientation(
                                       imagefiles::quadrants({300, 400}).transformed(QTransform().rotate(-90)), 6));
    const struct {
        const char *name;
        QString path, output;
        QRectF preview;
        QSize size;
        const char *quadrants;
    } cases[] = {
        {"large photo", photo, "/photo.JPG", QRectF(300, 150, 200, 200), QSize(1000, 1000), "RGBY"},
        {"turned, bottom-left", turned, "/turned.JPG", QRectF(0, 0, 150, 100), QSize(150, 100), "BBBB"},
        {"turned, top-right", turned, "/3/turned.JPG", QRectF(150, 300, 150, 100), QSize(150, 100), "GGGG"},
    };
    QStringList boxes;
    onOther = [&](QDialog &d) {
        if (auto *box = dynamic_cast<Open_Export_Log *>(&d))
            boxes << box->_open_log_chk->text() + ' ' + box->_open_log_path->text();
        return 0;
    };
    for (const auto &c : cases) {
        open([&](Form &u) {
            type(u.file_path, c.path);
            type(u.output_path, QFileInfo(out + c.output).path());
            click(u.Next_Btn);
            selectPreviewRect(tool, c.preview);
            click(u.crop_btn);
            EXPECT_TRUE(u.Main_Screen_Box->isVisible()) << "a single file goes back to the first screen";
            EXPECT_EQ(tool->plz_wait_Window, nullptr) << c.name << ": the please-wait sheet is taken down";
        });
        const QImage written(out + c.output);
        EXPECT_EQ(written.size(), c.size) << c.name;
        EXPECT_EQ(quadrantsSeen(written), QString::fromLatin1(c.quadrants)) << c.name;
    }
    EXPECT_TRUE(alerts().isEmpty()) << alerts().join('|').toStdString();
    EXPECT_EQ(boxes, (QStringList{"Open file. " + out + "/photo.JPG", "Open file. " + out + "/turned.JPG",
                                  "Open file. " + out + "/3/turned.JPG"}));
}

TEST_F(CropWizard, ReplacingTheInputKeepsItsFullSize)
{
    const QString folder = dir.filePath("in");
    QDir().mkpath(folder);
    const QString photo = folder + "/photo.JPG";
    const struct {
        const char *answer;
        QString written;      // "" when nothing is
        bool replaced;
    } cases[] = {
        {"replace_btn", photo, true},
        {"keep_btn", folder + "/photo (1).JPG", false},
        {"cancel_btn", "", false},
    };
    for (const auto &c : cases) {
        QFile::remove(folder + "/photo (1).JPG");
        ASSERT_TRUE(imagefiles::writeImage(photo, imagefiles::quadrants({4000, 3000}), "jpeg"));
        const QByteArray before = imagefiles::encoded(imagefiles::quadrants({4000, 3000}), "jpeg", 95);
        bool waitShown = false, backToFirst = false;
        QStringList boxes;
        onOther = [&](QDialog &d) {
            if (auto *box = dynamic_cast<Open_Export_Log *>(&d)) {
                boxes << box->_open_log_path->text();
                return 0;
            }
            // The keep-or-replace prompt, over the please-wait sheet.
            waitShown = tool->plz_wait_Window && tool->plz_wait_Window->isVisible();
            if (auto *b = d.findChild<QPushButton *>(QString::fromLatin1(c.answer)))
                QTest::mouseClick(b, Qt::LeftButton);
            return d.result();
        };
        open([&](Form &u) {
            type(u.file_path, photo);
            type(u.output_path, folder);
            click(u.Next_Btn);
            click(u.crop_size_radio);
            type(u.width_Text, "4000");
            type(u.height_Text, "3000");
            click(u.crop_btn);
            backToFirst = u.Main_Screen_Box->isVisible();
        });
        EXPECT_TRUE(waitShown) << c.answer;
        EXPECT_TRUE(backToFirst) << c.answer << ": a single file is done, written or skipped";
        EXPECT_EQ(boxes, c.written.isEmpty() ? QStringList() : QStringList{c.written}) << c.answer;
        QFile original(photo);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        EXPECT_EQ(original.readAll() != before, c.replaced) << c.answer;
        EXPECT_EQ(QImageReader(photo).size(), QSize(4000, 3000)) << c.answer;
        if (!c.written.isEmpty()) {
            EXPECT_EQ(QImageReader(c.written).size(), QSize(4000, 3000)) << c.answer;
        }
        EXPECT_EQ(QFileInfo::exists(folder + "/photo (1).JPG"), c.written.endsWith("(1).JPG")) << c.answer;
    }
}

TEST_F(CropWizard, AResizeKeepsTheProportionsWhenAsked)
{
    const QString photo = write("pic.png", imagefiles::quadrants({800, 600}));
    open([&](Form &u) {
        type(u.file_path, photo);
        type(u.output_path, out);
        u.output_format_combo->setCurrentIndex(2);
        click(u.Next_Btn);
        click(u.crop_size_radio);
        EXPECT_TRUE(u.cropping_wid_size->isEnabled());
        type(u.width_Text, "100");
        type(u.height_Text, "-");
        QTest::keyClick(u.height_Text, Qt::Key_Return);   // a sign alone: refused, the height kept
        EXPECT_EQ(u.height_Text->text(), QStringLiteral("50"));
        type(u.height_Text, "100");
        click(u.aspect_ratio_chk);
        click(u.crop_btn);
    });
    EXPECT_EQ(QImageReader(out + "/pic.PNG").size(), QSize(100, 75));
}

// Keys of a number kept as typed; empty (or 0) is 1 once editing ends, by Enter or by an operation. Whole
// pixels from 1 to 10000 in every locale, typed in a field or its spin box, else the size's message.
TEST_F(CropWizard, SizeFieldsTakeDigitsAndTheEmptyRuleWhenEditingEnds)
{
    const struct { const char *keys, *text; bool enter; } cases[] = {{"100", "100", false}, {"abc", "", false},
        {"abc", "1", true}, {"0", "1", true}, {"123456", "123456", false}, {"7x5", "75", false}};
    open([&](Form &u) {
        type(u.file_path, write("pic.png", imagefiles::quadrants({80, 60})));
        type(u.output_path, out);
        click(u.Next_Btn);
        click(u.crop_size_radio);
        const QString pixels = "1 to 10000 pixels";
        EXPECT_EQ(testsupport::wholeFieldFailures({{u.width_Text, "width", pixels, u.crop_btn}, {u.height_Text, "height", pixels, u.crop_btn},
                                                   {u.w->findChild<QSpinBox *>("width_Stepper"), "width", pixels, nullptr},
                                                   {u.w->findChild<QSpinBox *>("height_Stepper"), "height", pixels, nullptr}},
                                                  responder), "");
        for (const auto &k : cases) {
            u.width_Text->selectAll();
            QTest::keyClick(u.width_Text, Qt::Key_Backspace);   // as a user clears it
            QTest::keyClicks(u.width_Text, QString::fromLatin1(k.keys));
            if (k.enter)
                QTest::keyClick(u.width_Text, Qt::Key_Return);
            EXPECT_EQ(u.width_Text->text().toStdString(), k.text) << k.keys;
        }
        type(u.height_Text, "");
        click(u.crop_btn);
    });
    EXPECT_EQ(QImageReader(out + "/pic.JPG").size(), QSize(75, 1));
}

// Refused at Next; the first screen stays.
TEST_F(CropWizard, AFileThatIsNoPictureIsNamed)
{
    const QString fake = dir.filePath("notaphoto.jpg");
    imagefiles::writeBytes(fake, "just some text, no picture at all");
    open([&](Form &u) {
        type(u.file_path, fake);
        type(u.output_path, out);
        click(u.Next_Btn);
        EXPECT_TRUE(u.Main_Screen_Box->isVisible());
    });
    EXPECT_EQ(alerts(), QStringList{"The image could not be read: notaphoto.jpg (not a picture)."});
    EXPECT_TRUE(QDir(out).isEmpty());
}

TEST_F(CropWizard, ADirectCropReportsSuccessOnlyWithAWrittenFile)
{
    const QString fake = dir.filePath("photo.jpg");
    imagefiles::writeBytes(fake, "no picture here");
    const QString good = write("good.png", imagefiles::quadrants({400, 300}));
    const struct {
        const char *name;
        QString path;
        bool deleteSelection;
        bool diskFull;
        int code;
        QString message;
        bool unsynced = false;   // the folder's sync fails
    } cases[] = {
        {"not a picture", fake, false, false, 0, "The image could not be read: photo.jpg (not a picture)."},
        {"selection deleted", good, true, false, 0, "Please select area to crop."},
        {"write fails", good, false, true, 0, "The file \"good.PNG\" could not be written.\n\ndisk full"},
        {"written", good, false, false, 1, ""},
        {"written, unsynced", good, false, false, 1,
         platform::unsyncedWarning("\"good.PNG\"", testsupport::SyncFailure::reason()), true},
    };
    struct Writer {
        ~Writer() { imageexport::fileWriterOverride() = nullptr; }
    } restore;
    const QString cropped = Created_Resource_Path + QStringLiteral("/Cropped_Images");
    for (const auto &c : cases) {
        responder->alerts.clear();
        QFile::remove(cropped + QStringLiteral("/good.PNG"));   // written anew by the last row, in the folder made before
        const testsupport::SyncFailure disk(cropped, c.unsynced);
        imageexport::fileWriterOverride() = nullptr;
        if (c.diskFull)
            imageexport::fileWriterOverride() = [](const QString &, const QByteArray &, QString *why) {
                *why = QStringLiteral("disk full");
                return false;
            };
        const int code = openDirect(c.path, [&](QDialog &dialog) {
            EXPECT_FALSE(dialog.findChild<QWidget *>("Main_Screen_Box")->isVisible()) << c.name;
            EXPECT_FALSE(dialog.findChild<QWidget *>("button_box")->isVisible()) << c.name;
            if (c.deleteSelection)
                tool->canvasController()->removeAllSelectorsFromCanvas();
            QTest::mouseClick(dialog.findChild<QPushButton *>("Crop_direct_Btn"), Qt::LeftButton);
            EXPECT_EQ(dialog.isVisible(), c.code == 0) << c.name << ": a failure keeps the dialog open";
        });
        EXPECT_EQ(code, c.code) << c.name;
        if (c.code == 1) {
            EXPECT_EQ(alerts(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.name;
            EXPECT_TRUE(QFileInfo(tool->Crop_Direct_Path).isFile()) << c.name;
            EXPECT_EQ(tool->Crop_Direct_Path, Created_Resource_Path + QStringLiteral("/Cropped_Images/good.PNG"));
        } else {
            EXPECT_EQ(alerts(), QStringList{c.message}) << c.name;
            EXPECT_FALSE(QFileInfo::exists(Created_Resource_Path + QStringLiteral("/Cropped_Images/good.PNG"))) << c.name;
        }
    }
}

// Back on the first screen, the crop screen's size goes; the dialog ends with the main window (never
// after the application object) and is made anew; its fields are named for a screen reader.
TEST_F(CropWizard, EachScreenFitsTheDialogWhichEndsWithTheMainWindow)
{
    QList<QSize> sizes;
    QStringList names;
    open([&](Form &u) {
        const auto look = [&] {
            QApplication::processEvents();
            sizes << u.w->size();
            EXPECT_TRUE(u.w->screen()->availableGeometry().contains(u.w->frameGeometry()));
        };
        look();
        type(u.file_path, write("pic.png", imagefiles::quadrants({800, 600})));
        type(u.output_path, out);
        for (QPushButton *b : {u.Next_Btn, u.Back_Btn, u.Next_Btn, u.Back_Btn})
            click(b), look();
        for (QLineEdit *w : {u.file_path, u.folder_path, u.output_path, u.output_custom_name, u.width_Text, u.height_Text})
            names << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    });
    EXPECT_EQ(sizes, (QList<QSize>{sizes[0], sizes[1], sizes[0], sizes[1], sizes[0]}));
    EXPECT_EQ(names.join('|').toStdString(), "Image file path|Folder path|Output folder:|Custom name|Width:|Height:");
    QPointer<QDialog> dialog = tool->window();
    env.reset();
    EXPECT_TRUE(dialog.isNull());
    env = std::make_unique<testsupport::AppEnvironment>();
    EXPECT_EQ(open([](Form &u) { EXPECT_TRUE(u.Main_Screen_Box->isVisible()); }), 0);
}

// A process that ends by exit() while the dialog lives (the display gone, a fatal error) runs the
// exit handlers with the application object still there: nothing of ours may destroy widgets then.
TEST_F(CropWizard, AnExitWhileTheDialogLivesEndsCleanly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(open([this](Form &) {
                    std::make_unique<QWidget>()->show();   // Qt's own exit-time state is made after the tool
                    dir.remove(), QDir(env->dataHome()).removeRecursively();   // no fixture destructor runs in the child
                    std::exit(3);
                }),
                ::testing::ExitedWithCode(3), "");
}
} // namespace
