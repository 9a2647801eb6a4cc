// The crop wizard through its window: Next's checks, the file list of a folder or a series, the
// selection placed over the picture, and a crop or resize written from the full original.

#include "ImageFileMakers.h"

#include "core/Globals.h"
#include "imagetools/Cropping_Tool.h"
#include "imagetools/MSSCanvasController.h"
#include "imagetools/MSSSelector.h"
#include "io/SeriesStore.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include "platform/PictureView.h"
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

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
                return 0;
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
    QStringList alerts()
    {
        QStringList out;
        for (const QString &m : responder->alertMessages())
            out << m.trimmed();
        return out;
    }

    testsupport::ResponderScope responder;
    std::unique_ptr<testsupport::AppEnvironment> env;
    Cropping_Tool *tool = nullptr;
    QTemporaryDir dir;
    QString out;
    int otherModals = 0;
};

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
    struct SeriesFolder {
        QString old = Data_Folder_Path;
        ~SeriesFolder() { Data_Folder_Path = old; }
    } restore;
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
    // 4000 x 3000: the view shows an 800 x 600 preview, so the region is five times its pixels.
    const QString photo = write("photo.JPG", imagefiles::quadrants({4000, 3000}), "jpeg");
    QSizeF ratio;
    open([&](Form &u) {
        type(u.file_path, photo);
        type(u.output_path, out);
        click(u.Next_Btn);
        ratio = tool->originalImageRatio();
        click(u.crop_btn);
        EXPECT_TRUE(u.Main_Screen_Box->isVisible()) << "a single file goes back to the first screen";
    });
    EXPECT_TRUE(alerts().isEmpty()) << alerts().join('|').toStdString();
    EXPECT_EQ(otherModals, 1) << "the done box";
    const QImage written(out + "/photo.JPG");
    ASSERT_FALSE(written.isNull());
    const double side = 100 / ratio.width() * 5;
    EXPECT_NEAR(written.width(), side, 1.0);
    EXPECT_NEAR(written.height(), side, 1.0);
    // 10 points from the bottom-left: the bottom-left quadrant (blue).
    const QColor centre = written.pixelColor(written.width() / 2, written.height() / 2);
    EXPECT_LT(centre.red(), 40);
    EXPECT_GT(centre.blue(), 200);
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
        EXPECT_EQ(u.height_Text->text(), QStringLiteral("1"));
        type(u.height_Text, "100");
        click(u.aspect_ratio_chk);
        click(u.crop_btn);
    });
    EXPECT_EQ(QImageReader(out + "/pic.PNG").size(), QSize(100, 75));
}

TEST_F(CropWizard, AFileThatIsNoPictureIsNamed)
{
    const QString fake = dir.filePath("photo.jpg");
    imagefiles::writeBytes(fake, "just some text, no picture at all");
    open([&](Form &u) {
        type(u.file_path, fake);
        type(u.output_path, out);
        click(u.Next_Btn);
        click(u.crop_btn);
    });
    ASSERT_EQ(alerts().size(), 1);
    EXPECT_TRUE(alerts().first().startsWith(QStringLiteral("The image could not be read: photo.jpg ("))) << alerts().first().toStdString();
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
        int code;
        QString message;
    } cases[] = {
        {"not a picture", fake, false, 0, "The image could not be read: photo.jpg ("},
        {"selection deleted", good, true, 0, "Please select area to crop."},
        {"written", good, false, 1, ""},
    };
    for (const auto &c : cases) {
        responder->alerts.clear();
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
            EXPECT_TRUE(alerts().isEmpty()) << c.name;
            EXPECT_TRUE(QFileInfo(tool->Crop_Direct_Path).isFile()) << c.name;
            EXPECT_EQ(tool->Crop_Direct_Path, Created_Resource_Path + QStringLiteral("/Cropped_Images/good.PNG"));
        } else {
            ASSERT_EQ(alerts().size(), 1) << c.name;
            EXPECT_TRUE(alerts().first().startsWith(c.message)) << alerts().first().toStdString();
        }
    }
}

} // namespace
