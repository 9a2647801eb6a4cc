// The crop wizard's batch run through its window: Crop All over a folder or a series, the series it
// writes or replaces, Stop (here a cancel of all at the keep-or-replace prompt) and the direct crop
// of a series.

#include "support/ImageFileMakers.h"

#include "app/SKTWindowController.h"
#include "core/BatchPool.h"
#include "core/UserFolders.h"
#include "core/Open_Export_Log.h"
#include "core/Replcae_Confirm_Box.h"
#include "imagetools/Cropping_Tool.h"
#include "io/SeriesStore.h"
#include "output/Send_Modeless.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/NoPermissionOverride.h"
#include "support/ScriptedResponder.h"
#include "support/SyncFailure.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

class CropBatch : public ::testing::Test {
public:
    void SetUp() override
    {
        env = std::make_unique<testsupport::AppEnvironment>();
        tool = Cropping_Tool::defaultInstance();
        tool->batchThreads = 0;
        env->controller()->window();   // loaded now: loading names the series folder
        out = dir.filePath("out");
        QDir().mkpath(out);
        Data_Folder_Path = dir.filePath("DataSet");
        QDir().mkpath(Data_Folder_Path);
        for (const char *name : {"a.png", "b.png", "c.png"})
            images << write(name, imagefiles::quadrants({400, 300}));
    }
    void TearDown() override
    {
        responder->onModal = nullptr;
        Data_Folder_Path = oldSeriesFolder;
        env.reset();
    }
    QString write(const char *name, const QImage &image)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(imagefiles::writeImage(path, image, "png"));
        return path;
    }
    template <class T> T *c(const char *name) { return tool->window()->findChild<T *>(QString::fromLatin1(name)); }
    void click(const char *name) { QTest::mouseClick(c<QAbstractButton>(name), Qt::LeftButton); }
    // Opens the wizard; `user` acts on its first screen. The keep-or-replace prompt is answered by
    // `prompt` (the button to press), the done box is read and closed.
    int open(const std::function<void()> &user, QPushButton *Replcae_Confirm_Box::*prompt = nullptr, bool all = false)
    {
        responder->onModal = [=, this](QDialog &dialog) {
            if (auto *log = qobject_cast<Open_Export_Log *>(&dialog)) {
                doneBoxes << log->_open_log_message->text();
                return 0;
            }
            Replcae_Confirm_Box &box = *Replcae_Confirm_Box::defaultInstance();
            if (&dialog == &box) {
                dialog.show();
                // Mid-run: the wizard stays open and the sheet counts the listed pictures.
                tool->window()->close();
                closedMidRun = !tool->window()->isVisible();
                sheetTotal = env->controller()->send_modls_wnd->_tot_msg_cnt->text();
                box.apply_chk->setChecked(all);
                whenAsked();
                QTest::mouseClick(box.*prompt, Qt::LeftButton);
                return dialog.result();
            }
            if (&dialog != tool->window())
                return 0;
            dialog.setResult(-1);
            dialog.show();
            QApplication::processEvents();
            user();
            onCropScreen = c<QWidget>("Crop_Screen_Box")->isVisible();
            if (dialog.isVisible())
                click("cancel_btn");
            return dialog.result();
        };
        return tool->Open_Wnd();
    }
    void next(const char *input)
    {
        click(input);
        c<QLineEdit>("folder_path")->setText(dir.path());
        c<QComboBox>("camera_list")->setCurrentText("Logos");
        c<QLineEdit>("output_path")->setText(out);
        responder->alertAnswers = {QStringLiteral("Yes")};
        click("Next_Btn");
    }
    QStringList series(const QString &name) { return series_store::read(name).value_or(QStringList()); }

    testsupport::ResponderScope responder;
    std::unique_ptr<testsupport::AppEnvironment> env;
    Cropping_Tool *tool = nullptr;
    QTemporaryDir dir;
    QString out;
    QString oldSeriesFolder = Data_Folder_Path;
    QStringList images, doneBoxes;
    std::function<void()> whenAsked = [] {};   // run while the prompt is up, before it is answered
    QString sheetTotal;
    bool closedMidRun = true, onCropScreen = false;
};

TEST_F(CropBatch, AFolderIsCroppedAtFullResolutionUnderPositionalNames)
{
    open([&] {
        next("input_folder_radio");
        click("crop_all_btn");
    });
    for (const char *name : {"a.JPG", "b_1.JPG", "c_2.JPG"}) {
        const QImage written(out + "/" + name);
        ASSERT_FALSE(written.isNull()) << name;
        // The 100-point square 10 points from the bottom-left of a 400 x 300 picture shown whole.
        EXPECT_EQ(written.size(), QSize(100, 100)) << name;
        EXPECT_GT(written.pixelColor(50, 50).blue(), 200) << name << ": the bottom-left quadrant";
    }
    EXPECT_EQ(doneBoxes, QStringList{"Image has been cropped successfully."});
    EXPECT_FALSE(onCropScreen) << "back to the first screen";
}

TEST_F(CropBatch, ASeriesListsThePathsWrittenInANewOrTheReplacedSeries)
{
    imagefiles::writeBytes(dir.filePath("bad.jpg"), "not a picture");
    struct Case {
        const char *name;
        const char *batchRow;
        bool keepExisting;   // a.JPG is there and kept at the prompt
        QString written;     // the series written
        int lines;
        bool failingDisk = false;   // the disk fails its syncs, the series folder's among them
        bool exchanged = false;   // at the first prompt, out renamed away (the user's b_2.JPG put in) and another made there
    } cases[] = {
        {"new", "batch_new_radio", false, "Logos (1)", 3},
        {"replace", "batch_replace_radio", false, "Logos", 3},
        {"kept at the prompt", "batch_new_radio", true, "Logos (1)", 3},
        {"the disk fails", "batch_replace_radio", false, "Logos", 3, true},
        {"kept at the prompt, the folder exchanged", "batch_new_radio", true, "Logos (1)", 3, false, true},
    };
    const QString eio = testsupport::SyncFailure::reason();
    for (const Case &k : cases) {
        for (const QString &f : QDir(out).entryList(QDir::Files))
            QFile::remove(out + "/" + f);
        series_store::remove("Logos (1)");
        // The unreadable picture (listed, it exists) and the line naming no file keep their lines.
        ASSERT_TRUE(series_store::write("Logos", {images[0], dir.filePath("missing.jpg"), dir.filePath("bad.jpg"),
                                                  images[1], images[2]}));
        if (k.keepExisting)
            imagefiles::writeBytes(out + "/a.JPG", "old");
        doneBoxes.clear();
        responder->alerts.clear();
        QString chosen;
        const testsupport::SyncFailure disk(Data_Folder_Path, k.failingDisk);
        whenAsked = [&, once = k.exchanged]() mutable {
            std::exchange(once, false) && QDir().rename(out, out + "~") && QDir().mkdir(out) && imagefiles::writeBytes(out + "~/b_2.JPG", "old");
        };
        open([&] {
            click("input_series_radio");
            click(k.batchRow);
            next("input_series_radio");
            click("crop_all_btn");
            chosen = c<QComboBox>("camera_list")->currentText();
        }, &Replcae_Confirm_Box::keep_btn);
        const QString first = k.keepExisting ? out + "/a (1).JPG" : out + "/a.JPG";
        EXPECT_EQ(series(k.written), (QStringList{first, dir.filePath("missing.jpg"), dir.filePath("bad.jpg"),
                                                  out + (k.exchanged ? "/b_2 (1).JPG" : "/b_2.JPG"), out + "/c_3.JPG"})) << k.name;
        EXPECT_TRUE(QFileInfo(Data_Folder_Path + "/" + k.written + ".txt").isFile()) << k.name;
        EXPECT_EQ(chosen, "Logos") << k.name;
        EXPECT_GE(c<QComboBox>("camera_list")->findText(k.written), 1) << k.name;
        // Pictures the disk may have damaged are said in an alert, not in the done box.
        if (k.failingDisk)
            doneBoxes = responder->trimmedAlertMessages().mid(1);   // after the question whether to replace the series
        ASSERT_EQ(doneBoxes.size(), 1) << k.name;
        EXPECT_TRUE(doneBoxes[0].startsWith("3 of 4 images have been cropped.\nThe image could not be read: bad.jpg ("))
            << doneBoxes[0].toStdString();
        const QString said = batchfiles::damagedFilesMessage("the cropped images", eio) + "\n\n"
                             + series_store::unsyncedWarning({k.written}, eio);
        EXPECT_EQ(doneBoxes[0].section("\n\n", 1), k.failingDisk ? said : QString()) << k.name;
    }
}

TEST_F(CropBatch, StopAfterTwoKeepsTheirLinesAndLeavesAReplacedSeriesWhole)
{
    const struct {
        const char *batchRow;
        QString series;
        int lines;
    } cases[] = {{"batch_new_radio", "Logos (1)", 2}, {"batch_replace_radio", "Logos", 3}};
    for (const auto &k : cases) {
        for (const QString &f : QDir(out).entryList(QDir::Files))
            QFile::remove(out + "/" + f);
        series_store::remove("Logos (1)");
        ASSERT_TRUE(series_store::write("Logos", images));
        imagefiles::writeBytes(out + "/c_2.JPG", "old");   // the third asks, and is cancelled for all
        doneBoxes.clear();
        open([&] {
            click("input_series_radio");
            click(k.batchRow);
            next("input_series_radio");
            click("crop_all_btn");
        }, &Replcae_Confirm_Box::cancel_btn, true);
        EXPECT_EQ(series(k.series).size(), k.lines) << k.batchRow;
        if (k.series == "Logos") {
            EXPECT_EQ(series("Logos"), images) << "a stopped run replaces nothing";
        }
        EXPECT_TRUE(QFileInfo(out + "/a.JPG").isFile());
        EXPECT_TRUE(QFileInfo(out + "/b_1.JPG").isFile());
        EXPECT_TRUE(doneBoxes.isEmpty()) << "no done box after a stop";
        EXPECT_EQ(responder->alertMessages().last().trimmed(), "Stopped: 2 of 3 images have been cropped.");
        EXPECT_TRUE(onCropScreen) << "the wizard stays on the crop screen";
        EXPECT_FALSE(closedMidRun) << "the wizard cannot close mid-run";
        EXPECT_EQ(sheetTotal, "3");
    }
}

TEST_F(CropBatch, TheDirectSeriesWritesANewSeriesOfItsOwnOrGivesZero)
{
    const QString jpeg = dir.filePath("d.jpg");
    ASSERT_TRUE(imagefiles::writeImage(jpeg, imagefiles::quadrants({400, 300}), "jpeg"));
    imagefiles::writeBytes(dir.filePath("bad.jpg"), "not a picture");
    const struct {
        const char *name;
        QStringList lines;
        const char *series;   // the series opened
        int code;
        QStringList files;    // written into Cropped_Images/<new series>
        bool theirs = false;  // that folder there, another's (0777), in a folder others may write
        char exchanged = 0;   // Cropped_Images, once held, renamed away for a new folder ('d') or a link to one ('l')
    } cases[] = {
        {"two pictures", {jpeg, images[1]}, "Logos", 1, {"d.JPG", "b.PNG"}},
        {"one of three unreadable", {jpeg, dir.filePath("bad.jpg"), images[1]}, "Logos", 1, {"d.JPG", dir.filePath("bad.jpg"), "b.PNG"}},
        {"nothing readable", {dir.filePath("bad.jpg")}, "Logos", 0, {}},
        {"unknown series", {jpeg}, "Nowhere", 0, {}},
        {"another's folder of the new series' name", {jpeg}, "Logos", 0, {}, true},
        {"the output folder exchanged for another", {jpeg}, "Logos", 1, {}, false, 'd'},
        {"the output folder exchanged for a link", {jpeg}, "Logos", 1, {}, false, 'l'},
    };
    const QString cropped = Created_Resource_Path + "/Cropped_Images", theirs = cropped + "/Logos (1)";
    for (const auto &k : cases) {
        series_store::remove("Logos (1)");
        QDir(Created_Resource_Path + "/Cropped_Images/Logos (1)").removeRecursively();
        if (k.theirs && !(QDir().mkpath(theirs) && ::chown(QFile::encodeName(theirs).constData(), 65534, 65534) == 0 && ::chmod(QFile::encodeName(theirs).constData(), 0777) == 0 && ::chmod(QFile::encodeName(theirs + "/..").constData(), 0777) == 0))
            GTEST_SKIP() << "only root gives a folder to another user";
        ASSERT_TRUE(series_store::write("Logos", k.lines));
        bool shown = false;
        int viewHeight = 0;
        const testsupport::SyncFailure claim(Data_Folder_Path, false, [&, once = k.exchanged != 0]() mutable {   // the new series claimed
            std::exchange(once, false) && QDir().rename(cropped, cropped + "~") && (k.exchanged == 'd' ? QDir().mkdir(cropped) : QFile::link(dir.path(), cropped));
        });
        responder->alertAnswers = {QStringLiteral("Yes")};
        responder->alerts.clear();
        responder->onModal = [&](QDialog &dialog) {
            if (&dialog != tool->window())
                return 0;
            shown = true;
            viewHeight = c<QWidget>("Modified_image")->minimumHeight();
            dialog.setResult(-1);
            dialog.show();
            QTest::mouseClick(dialog.findChild<QPushButton *>("Crop_direct_Btn"), Qt::LeftButton);
            if (dialog.isVisible())
                QTest::mouseClick(dialog.findChild<QPushButton *>("Close_direct_Btn"), Qt::LeftButton);
            return dialog.result();
        };
        EXPECT_EQ(tool->Open_Wnd_Direct_Crop_Series(k.series), k.code) << k.name;
        EXPECT_EQ(shown, QByteArray(k.name) != "unknown series") << k.name;
        if (shown) {
            EXPECT_EQ(viewHeight, tool->image_frame_size.height() + 30) << k.name << ": the series' taller crop view";
        }
        EXPECT_FALSE(series_store::exists("Logos (1)") && k.code == 0) << k.name << ": no series of missing files";
        if (k.exchanged) {
            EXPECT_TRUE(QFileInfo(cropped + "~/Logos (1)/d.JPG").isFile() && !QFileInfo::exists(theirs)) << k.name << ": in the folder held only";
            ASSERT_TRUE((QFileInfo(cropped).isSymLink() ? QFile::remove(cropped) : QDir(cropped).removeRecursively()) && QDir().rename(cropped + "~", cropped));
            continue;
        }
        EXPECT_EQ(QDir(theirs).isEmpty(), k.code == 0) << k.name;
        if (k.code != 1)
            continue;
        EXPECT_EQ(tool->Crop_Direct_Series, "Logos (1)");
        QStringList expected;
        for (const QString &f : k.files)
            expected << (f.startsWith('/') ? f : Created_Resource_Path + "/Cropped_Images/Logos (1)/" + f);
        EXPECT_EQ(series("Logos (1)").join('|').toStdString(), expected.join('|').toStdString());
        for (const QString &path : expected)
            EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        // The picture that kept its original is said before the wizard ends.
        EXPECT_EQ(responder->alertMessages().last().contains("2 of 3 images have been cropped.\nThe image could not be read: bad.jpg"),
                  k.lines.size() == 3) << k.name;
    }
}

TEST_F(CropBatch, ANormalOpeningAfterADirectSeriesHasTheDesignedView)
{
    ASSERT_TRUE(series_store::write("Logos", images));
    responder->onModal = [&](QDialog &dialog) { return &dialog == tool->window() ? 0 : 0; };
    EXPECT_EQ(tool->Open_Wnd_Direct_Crop_Series("Logos"), 0);
    int viewHeight = 0;
    bool directButtons = true;
    open([&] {
        viewHeight = c<QWidget>("Modified_image")->minimumHeight();
        directButtons = c<QWidget>("Crop_direct_Btn")->isVisible() || c<QWidget>("Close_direct_Btn")->isVisible();
    });
    EXPECT_EQ(viewHeight, tool->image_frame_size.height());
    EXPECT_FALSE(directButtons);
}

TEST_F(CropBatch, EachPictureIsShownBeforeItIsAskedAboutAndWrittenFromItsOriginal)
{
    // Three sizes, so the preview in the view tells which picture it is.
    images[1] = write("b.png", imagefiles::quadrants({300, 400}));
    images[2] = write("c.png", imagefiles::quadrants({2000, 1000}));
    for (const char *name : {"a.JPG", "b_1.JPG", "c_2.JPG"})
        imagefiles::writeBytes(out + "/" + name, "old");
    QStringList seen;
    responder->onModal = [&](QDialog &dialog) {
        Replcae_Confirm_Box &box = *Replcae_Confirm_Box::defaultInstance();
        if (&dialog == &box) {
            const auto *view = c<platform::PictureView>("Modified_image");
            const QSize shown = view->hasPicture() ? view->picture().size().toSize() : QSize();
            seen << QStringLiteral("%1 %2 row %3 %4x%5")
                        .arg(QFileInfo(box.file_path_str).fileName(), QFileInfo(tool->Crop_Input_Path).fileName())
                        .arg(c<QTableView>("ColList")->currentIndex().row())
                        .arg(shown.width())
                        .arg(shown.height());
            QTest::mouseClick(box.keep_btn, Qt::LeftButton);
            return dialog.result();
        }
        if (&dialog != tool->window())
            return 0;
        dialog.setResult(-1);
        dialog.show();
        QApplication::processEvents();
        next("input_folder_radio");
        click("crop_all_btn");
        if (dialog.isVisible())
            click("cancel_btn");
        return dialog.result();
    };
    tool->Open_Wnd();
    EXPECT_EQ(seen.join(" | ").toStdString(),
              "a.JPG a.png row 0 400x300 | b_1.JPG b.png row 1 300x400 | c_2.JPG c.png row 2 800x400");
    // The third, shown as an 800-pixel preview, is cut from its 2000 x 1000 original.
    const QImage third(out + "/c_2 (1).JPG");
    EXPECT_GT(third.width(), 100) << "cut from the original, not the preview";
}

TEST_F(CropBatch, AnOutputFolderThatTakesNoFileIsReported)
{
    imagefiles::writeBytes(dir.filePath("plain"), "a file, not a folder");
    const QString locked = dir.filePath("locked");
    QDir().mkpath(locked);
    const struct {
        const char *name;
        QString folder;
        bool locked;
        const char *button;
    } cases[] = {
        {"under a file, Crop All", dir.filePath("plain/out"), false, "crop_all_btn"},
        {"under a file, Crop", dir.filePath("plain/out"), false, "crop_btn"},
        {"no permission, Crop All", locked, true, "crop_all_btn"},
        {"no permission, Crop", locked, true, "crop_btn"},
    };
    for (const auto &k : cases) {
        responder->alerts.clear();
        doneBoxes.clear();
        std::optional<testsupport::NoPermissionOverride> unprivileged;
        if (k.locked) {
            unprivileged.emplace();
            ASSERT_TRUE(unprivileged->ok());
            ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        open([&] {
            next("input_folder_radio");
            c<QLineEdit>("output_path")->setText(k.folder);
            click("Back_Btn");
            click("Next_Btn");
            click(k.button);
        });
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        unprivileged.reset();
        const QStringList messages = responder->trimmedAlertMessages();
        EXPECT_EQ(messages.join('|').toStdString(), ("The output folder cannot be written: " + k.folder).toStdString())
            << k.name;
        EXPECT_TRUE(doneBoxes.isEmpty()) << k.name;
        EXPECT_TRUE(onCropScreen) << k.name;
        EXPECT_TRUE(QDir(locked).isEmpty()) << k.name;
    }
}

} // namespace
