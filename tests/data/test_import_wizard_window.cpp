// The import wizard used as a user uses it: its radio buttons, fields, browse buttons and OK,
// Cancel, with panels and questions answered by script, over a main window of its own.

#include "app/SKTWindowController.h"
#include "data/BatchWizard.h"
#include "data/Import_Excel.h"
#include "data/Import_Excel_DataSheet.h"
#include "data/Import_Wizard.h"
#include "data/SeriesListModel.h"
#include "data/SheetColumnPicker.h"
#include "core/UserFolders.h"
#include "platform/Files.h"
#include "support/Deadline.h"
#include "test_import_wizard_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace wizardtest;

} // namespace

TEST_F(ImportWizardWindow, OpensOnTheSpreadsheetSourceWithTheNameFieldsAsTheCallerAsks)
{
    for (int required : {1, 0}) {
        SCOPED_TRACE(required);
        run(required, 0, [&] {
            EXPECT_EQ(w.import_option, 0);
            EXPECT_TRUE(w.Excel_RD->isChecked());
            EXPECT_TRUE(w.Excel_path->isEnabled() && w.Excel_btn->isEnabled());
            EXPECT_FALSE(w.Text_path->isEnabled() || w.Image_btn->isEnabled() || w.ManualEdit->isEnabled());
            for (QLineEdit *name : {w.Text_file_name, w.Manual_file_name, w.Image_file_name}) {
                EXPECT_EQ(name->isVisible(), required == 1);
                EXPECT_TRUE(name->text().isEmpty());
            }
            // A fresh opening forgets what the last one typed.
            type(w.Excel_path, QStringLiteral("/left/over.xlsx"));
        });
    }
    run(1, 0, [&] { EXPECT_TRUE(w.Excel_path->text().isEmpty()); });
}

TEST_F(ImportWizardWindow, EachRadioEnablesItsSourceAndProposesUntitled)
{
    const struct {
        QRadioButton *Import_Wizard::*radio;
        int option;
        QLineEdit *Import_Wizard::*name;
    } cases[] = {
        {&Import_Wizard::Text_RD, 1, &Import_Wizard::Text_file_name},
        {&Import_Wizard::Mnul_RD, 2, &Import_Wizard::Manual_file_name},
        {&Import_Wizard::Image_RD, 3, &Import_Wizard::Image_file_name},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.option);
        run(1, 0, [&] {
            pick(w.*c.radio);
            EXPECT_EQ(w.import_option, c.option);
            EXPECT_FALSE(w.Excel_RD->isChecked());
            EXPECT_FALSE(w.Excel_btn->isEnabled());
            EXPECT_EQ((w.*c.name)->text(), "Untitled");
            EXPECT_TRUE((w.*c.name)->isEnabled());
            EXPECT_EQ(w.ManualEdit->isReadOnly(), c.option != 2);
            type(w.*c.name, QStringLiteral("Kept"));
            pick(w.Excel_RD);
            pick(w.*c.radio);
            EXPECT_EQ((w.*c.name)->text(), "Kept") << "a typed name is not replaced";
        });
    }
}

TEST_F(ImportWizardWindow, TextFilesBecomeSeries)
{
    const struct {
        const char *file;
        QByteArray bytes;
        QByteArray series;
    } cases[] = {
        {"lf.csv", "a,b\nc,d", "a\nb\nc\nd\n"},
        {"crlf.CSV", "a,b\r\nc,d\r\n", "a\nb\nc\nd\n"},
        {"one column.csv", "x\ny\n", "x\ny\n"},
        {"quoted.csv", "\"A,1\",\"He said \"\"hi\"\"\",3\n", "A,1\nHe said \"hi\"\n3\n"},
        {"plain.txt", "{abc}\na\\b\n\nthird NSFont = x\nlost\n", "abc\nab\n"},
        {"styled.rtf", "{\\rtf1\\ansi{\\fonttbl\\f0 Helvetica;}\\f0 {\\b Bold line}\\par plain line\\par}",
         "Bold line\nplain line\n"},
        {"latin1.txt", "M\xFCller\nCaf\xE9", "M\xC3\xBCller\nCaf\xC3\xA9\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = write(QString::fromUtf8(c.file), c.bytes);
        EXPECT_EQ(run(1, 0, [&] { importText(path, QStringLiteral("Letters")); }), 1);
        EXPECT_FALSE(stayedOpen);
        EXPECT_EQ(fileOf("Letters.txt"), c.series);
        QFile::remove(seriesPath("Letters.txt"));
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ImportWizardWindow, RefusalsKeepTheWizardOpenWithTheirMessage)
{
    const QString good = write(QStringLiteral("good.txt"), "v\n");
    const QString nul = write(QStringLiteral("nul.txt"), QByteArray("a\0b", 3));
    const QString notRtf = write(QStringLiteral("fake.rtf"), "plain words");
    const QString blank = write(QStringLiteral("blank.csv"), " \r\n ");
    const struct {
        const char *name;
        QString path, series;
        QString message;
    } cases[] = {
        {"blank path", QStringLiteral("  "), QStringLiteral("S"), QStringLiteral("Please select valid file path.")},
        {"missing path", dir.filePath("none.txt"), QStringLiteral("S"), QStringLiteral("Please select valid file path.")},
        {"a folder", dir.path(), QStringLiteral("S"), QStringLiteral("Please select a valid file.")},
        {"empty name", good, QStringLiteral("/"), QStringLiteral("Please enter valid series name.")},
        {"NUL bytes", nul, QStringLiteral("S"), kCorrupted},
        {"not RTF", notRtf, QStringLiteral("S"), kCorrupted},
        {"blank text", blank, QStringLiteral("S"), kCorrupted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        responder->alerts.clear();
        EXPECT_EQ(run(1, 0, [&] { importText(c.path, c.series); }), 0);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages(), QStringList{c.message});
        EXPECT_FALSE(QFile::exists(seriesPath("S.txt")));
    }
}

TEST_F(ImportWizardWindow, TypedTextIsWrittenAsTyped)
{
    const struct {
        const char *name;
        QString text;
        QByteArray series;
        QString message;
    } cases[] = {
        {"trimmed as a whole", QStringLiteral("  x \n  y\n\nz  "), "x \n  y\nz\n", QString()},
        {"blank", QStringLiteral(" \n\t "), "<missing>", QStringLiteral("Please enter some data.")},
        {"unpaired surrogate", QString(QChar(0xD800)) + QStringLiteral("a"), "<missing>", kCorrupted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        responder->alerts.clear();
        run(1, 0, [&] {
            pick(w.Mnul_RD);
            w.ManualEdit->setFocus();
            w.ManualEdit->setPlainText(c.text);
            type(w.Manual_file_name, QStringLiteral("Typed"));
            QTest::mouseClick(w.ok_btn, Qt::LeftButton);
        });
        EXPECT_EQ(stayedOpen, !c.message.isEmpty());
        EXPECT_EQ(fileOf("Typed.txt"), c.series);
        EXPECT_EQ(messages(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        QFile::remove(seriesPath("Typed.txt"));
    }
}

TEST_F(ImportWizardWindow, BrowsingAFolderImportsItsImagesAtOnce)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("pics/sub")));
    for (const char *name : {"pics/PHOTO.JPG", "pics/b.png", "pics/notes.txt", "pics/sub/x.png"})
        write(QString::fromUtf8(name), "x");
    const QString folder = dir.filePath(QStringLiteral("pics"));
    responder->openAnswers = {{folder}};
    EXPECT_EQ(run(1, 0, [&] {
        pick(w.Image_RD);
        QTest::mouseClick(w.Image_btn, Qt::LeftButton);
    }), 1);
    EXPECT_EQ(w.Image_path->text(), folder);
    EXPECT_EQ(fileOf("Untitled.txt"), (folder + "/PHOTO.JPG\n" + folder + "/b.png\n").toUtf8());
}

TEST_F(ImportWizardWindow, ACancelledPanelChangesNothing)
{
    responder->openAnswers = {};
    EXPECT_EQ(run(1, 0, [&] {
        pick(w.Text_RD);
        QTest::mouseClick(w.Text_btn, Qt::LeftButton);
        EXPECT_TRUE(w.Text_path->text().isEmpty());
    }), 0);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ImportWizardWindow, AnExistingSeriesIsReplacedOnlyWithValuesInHand)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("empty")));
    const QString csv = write(QStringLiteral("new.csv"), "n1,n2");
    const struct {
        const char *name;
        bool images;            // else the CSV
        const char *answer;
        QByteArray series;
        QStringList messages;
    } cases[] = {
        {"No keeps it", false, "No", "old\n", {kReplace}},
        {"Yes replaces it", false, "Yes", "n1\nn2\n", {kReplace}},
        {"no images, No", true, "No", "old\n", {kReplace}},
        {"no images, Yes keeps it", true, "Yes", "old\n", {kReplace, kNoImage}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        put("Letters.txt", "old\n");
        responder->alerts.clear();
        responder->alertAnswers = {QString::fromUtf8(c.answer)};
        run(1, 0, [&] {
            if (c.images) {
                pick(w.Image_RD);
                type(w.Image_path, dir.filePath("empty"));
                type(w.Image_file_name, QStringLiteral("Letters"));
                QTest::mouseClick(w.ok_btn, Qt::LeftButton);
            } else {
                importText(csv, QStringLiteral("Letters"));
            }
        });
        EXPECT_EQ(fileOf("Letters.txt"), c.series);
        EXPECT_EQ(messages(), c.messages);
    }
}

TEST_F(ImportWizardWindow, TheFlagsChooseFileOrValueTableAndTheListReload)
{
    BatchWizard &m = *BatchWizard::defaultInstance();
    const QString csv = write(QStringLiteral("v.csv"), "p,q");
    const struct {
        int required, insert;
        bool file, listed;
    } cases[] = {{1, 0, true, false}, {1, 1, true, true}, {0, 1, false, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.required << c.insert);
        QFile::remove(seriesPath("V.txt"));
        m.ListData->clear();
        m.ListData_value->clear();
        put("Other.txt", "o\n");
        EXPECT_EQ(run(c.required, c.insert, [&] { importText(csv, QStringLiteral("V")); }), 1);
        EXPECT_EQ(QFile::exists(seriesPath("V.txt")), c.file);
        EXPECT_EQ(m.ListData_value->values(), c.file ? QStringList() : QStringList({"p", "q"}));
        EXPECT_EQ(m.ListData->values().contains(QStringLiteral("Other")), c.listed);
    }
}

TEST_F(ImportWizardWindow, TheSpreadsheetSourceHandsOverToThePickers)
{
    const QString path = dir.filePath(QStringLiteral("cols.xlsx"));
    pickertest::packRows(path, {{QStringLiteral("Codes")}, {QStringLiteral("c1")}});
    const struct {
        const char *name;
        int required, insert;
        bool browse;
        SheetColumnPicker *window;
        bool wizardShown;   // while the picker runs
    } cases[] = {
        {"new series, typed path", 1, 1, false, Import_Excel_DataSheet::defaultInstance(), false},
        {"new series, no reload, browsed", 1, 0, true, Import_Excel_DataSheet::defaultInstance(), false},
        {"values, typed path", 0, 1, false, Import_Excel::defaultInstance(), true},
        {"values, browsed", 0, 1, true, Import_Excel::defaultInstance(), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        opened.clear();
        Import_Excel::defaultInstance()->open_mode = QStringLiteral("E");
        Import_Excel_DataSheet::defaultInstance()->file_name_Insert = -1;
        bool wizardShown = !c.wizardShown;
        QString pickerPath, parts;
        otherWindows = [&](QDialog &dialog) {
            wizardShown = w.isVisible();
            if (auto *picker = qobject_cast<SheetColumnPicker *>(&dialog))
                pickerPath = picker->file_path->text(), parts = spreadsheet->tmpDir;
            return 0;   // the picker cancelled: the wizard ends all the same
        };
        responder->openAnswers = {{path}};
        EXPECT_EQ(run(c.required, c.insert, [&] {
            if (c.browse) {
                QTest::mouseClick(w.Excel_btn, Qt::LeftButton);
            } else {
                type(w.Excel_path, path);
                QTest::mouseClick(w.ok_btn, Qt::LeftButton);
            }
        }), 1);
        EXPECT_EQ(opened, QList<QDialog *>{c.window});
        EXPECT_EQ(wizardShown, c.wizardShown);
        EXPECT_EQ(pickerPath, path);
        // The parts the picker's read unpacked hold the user's values: gone once it closes.
        EXPECT_TRUE(!parts.isEmpty() && !QFileInfo::exists(parts));
        if (c.required == 1)
            EXPECT_EQ(Import_Excel_DataSheet::defaultInstance()->file_name_Insert, c.insert);
        else
            EXPECT_EQ(Import_Excel::defaultInstance()->open_mode, "D");
        EXPECT_FALSE(w.isVisible());
    }
    otherWindows = nullptr;
}

TEST_F(ImportWizardWindow, TheFolderSourceTakesTheMainWindowsImageTypes)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("pics")));
    for (const char *name : {"pics/PHOTO.JPG", "pics/b.png", "pics/c.webp"})
        write(QString::fromUtf8(name), "x");
    const QString f = dir.filePath(QStringLiteral("pics")) + QLatin1Char('/');
    const struct {
        const char *name;
        QStringList types;
        QByteArray series;
    } cases[] = {
        {"as the window starts", env.controller()->Allowd_Image_fileTypes, (f + "PHOTO.JPG\n" + f + "b.png\n").toUtf8()},
        {"as changed later", {QStringLiteral("png"), QStringLiteral("webp")}, (f + "b.png\n" + f + "c.webp\n").toUtf8()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        env.controller()->Allowd_Image_fileTypes = c.types;
        EXPECT_EQ(run(1, 0, [&] { importFolder(dir.filePath(QStringLiteral("pics")), QStringLiteral("Pics")); }), 1);
        EXPECT_EQ(fileOf("Pics.txt"), c.series);
        QFile::remove(seriesPath("Pics.txt"));
    }
}

TEST_F(ImportWizardWindow, NamesAreCleanedAndNeverLeaveTheSeriesFolder)
{
    const QString csv = write(QStringLiteral("v.csv"), "v");
    run(1, 0, [] {});   // the first opening makes the per-user folders
    const QDir parent = QFileInfo(Data_Folder_Path).dir();
    const QStringList around = parent.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const struct {
        const char *typed, *file;
    } cases[] = {
        {"..", "__.txt"}, {"../x", "___x.txt"}, {"/etc/passwd", "etc_passwd.txt"},
        {"?Letters*", "Letters.txt"}, {"<a.b>", "a_b.txt"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(run(1, 0, [&] { importText(csv, QString::fromUtf8(c.typed)); }), 1);
        EXPECT_EQ(QDir(Data_Folder_Path).entryList(QDir::Files), QStringList{QString::fromUtf8(c.file)});
        EXPECT_EQ(fileOf(QString::fromUtf8(c.file)), "v\n");
        QFile::remove(seriesPath(QString::fromUtf8(c.file)));
    }
    EXPECT_EQ(parent.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), around) << "nothing beside the series folder";
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ImportWizardWindow, AWriteTheFileSystemRefusesKeepsTheOldSeries)
{
    const QString csv = write(QStringLiteral("new.csv"), QByteArray("n1,n2,").repeated(400));
    const struct {
        const char *name;
        QString series;
        rlim_t limit;   // 0: none
        QStringList messages;
    } cases[] = {
        {"a name too long for the file system", QString(300, QLatin1Char('L')), 0, {kAccess}},
        {"a replacement that cannot be written whole", QStringLiteral("Letters"), 64, {kReplace, kAccess}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        put("Letters.txt", "old\n");
        responder->alerts.clear();
        responder->alertAnswers = {QStringLiteral("Yes")};
        std::optional<seriestest::FileSizeLimit> limit;
        if (c.limit)
            limit.emplace(c.limit);
        EXPECT_EQ(run(1, 0, [&] { importText(csv, c.series); }), 0);
        limit.reset();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(fileOf("Letters.txt"), "old\n");
        EXPECT_EQ(QDir(Data_Folder_Path).entryList(QDir::Files), QStringList{QStringLiteral("Letters.txt")});
    }
}

TEST_F(ImportWizardWindow, AFolderWithoutListableImagesGivesTheNoImageMessage)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("locked")));
    write(QStringLiteral("locked/a.png"), "x");
    const QString notAFolder = write(QStringLiteral("single.png"), "x");
    const struct {
        const char *name;
        QString folder;
        bool locked;
    } cases[] = {
        {"a folder that cannot be listed", dir.filePath(QStringLiteral("locked")), true},
        {"an image file instead of a folder", notAFolder, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        put("Pics.txt", "old\n");
        responder->alerts.clear();
        responder->alertAnswers = {QStringLiteral("Yes")};
        {
            std::optional<NoPermissionOverride> unprivileged;
            if (c.locked) {
                unprivileged.emplace();
                ASSERT_TRUE(unprivileged->ok());
                ASSERT_TRUE(QFile::setPermissions(c.folder, {}));
            }
            EXPECT_EQ(run(1, 0, [&] { importFolder(c.folder, QStringLiteral("Pics")); }), 0);
            QFile::setPermissions(c.folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        // Asked first, as the folder is listed only after the question.
        EXPECT_EQ(messages(), QStringList({kReplace, kNoImage}));
        EXPECT_EQ(fileOf("Pics.txt"), "old\n");
    }
}

TEST_F(ImportWizardWindow, AHundredThousandEntriesAreListedSorted)
{
    constexpr int kEntries = 100000;
    const QString folder = dir.filePath(QStringLiteral("many"));
    ASSERT_TRUE(QDir().mkpath(folder));
    // Made in reverse order, every tenth a text file.
    for (int i = kEntries - 1; i >= 0; --i) {
        QFile f(folder + QStringLiteral("/e%1.%2").arg(i, 6, 10, QLatin1Char('0')).arg(QLatin1String(i % 10 ? "png" : "txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(run(1, 0, [&] { importFolder(folder, QStringLiteral("Many")); }), 1);
    const QList<QByteArray> lines = fileOf("Many.txt").split('\n');
    ASSERT_EQ(lines.size(), kEntries / 10 * 9 + 1);
    EXPECT_EQ(lines.first(), (folder + "/e000001.png").toUtf8());
    EXPECT_EQ(lines.at(lines.size() - 2), (folder + "/e099999.png").toUtf8());
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end() - 1));
}

namespace {

// Answers as the script does and notes, at every alert, whether the wizard's please-wait sheet is up.
class SheetWatch : public testsupport::ScriptedResponder {
public:
    QList<bool> sheetUpAtAlert;
    int alert(const platform::AlertRequest &request) override
    {
        sheetUpAtAlert << Import_Wizard::defaultInstance()->plz_wait_Window->isVisible();
        return ScriptedResponder::alert(request);
    }
};

} // namespace

TEST_F(ImportWizardWindow, ThePleaseWaitSheetIsUpWhileAWorkerReadsTheFile)
{
    // A file that takes a while to read, so the GUI thread looks at the window while it is being
    // read. Were the file read on the GUI thread, no timer would run before the sheet was down.
    QByteArray bytes;
    for (int i = 0; i < 400000; ++i)
        bytes += "value" + QByteArray::number(i) + ",x\n";
    const QString path = write(QStringLiteral("slow.csv"), bytes);
    bool sheetUp = false, overWizard = false;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!w.plz_wait_Window->isVisible())
            return;
        sheetUp = true;
        overWizard = w.plz_wait_Window->parentWidget() == &w;
        probe.stop();
    });
    EXPECT_EQ(run(1, 0, [&] {
        pick(w.Text_RD);
        type(w.Text_path, path);
        type(w.Text_file_name, QStringLiteral("Slow"));
        probe.start();
        QTest::mouseClick(w.ok_btn, Qt::LeftButton);
    }), 1);
    EXPECT_TRUE(sheetUp) << "the file was read on the GUI thread";
    EXPECT_TRUE(overWizard);
    EXPECT_FALSE(w.plz_wait_Window->isVisible());
    EXPECT_EQ(fileOf("Slow.txt").count('\n'), 800000);
}

TEST_F(ImportWizardWindow, ThePleaseWaitSheetIsDownAtEveryMessage)
{
    auto watch = std::make_shared<SheetWatch>();
    platform::setDialogResponder(watch);
    active = watch.get();
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("empty")));
    const QString nul = write(QStringLiteral("nul.txt"), QByteArray("a\0b", 3));
    const QString good = write(QStringLiteral("good.csv"), "g");
    const struct {
        const char *name;
        std::function<void()> user;
        QString message;
    } cases[] = {
        {"unreadable", [&] { importText(dir.path(), QStringLiteral("S")); }, QStringLiteral("Please select a valid file.")},
        {"corrupted", [&] { importText(nul, QStringLiteral("S")); }, kCorrupted},
        {"replace question", [&] { importText(good, QStringLiteral("Old")); }, kReplace},
        {"refused write", [&] { importText(good, QString(300, QLatin1Char('L'))); }, kAccess},
        {"no images", [&] { importFolder(dir.filePath(QStringLiteral("empty")), QStringLiteral("S")); }, kNoImage},
        {"typed, not UTF-8", [&] {
             pick(w.Mnul_RD);
             w.ManualEdit->setPlainText(QString(QChar(0xD800)));
             QTest::mouseClick(w.ok_btn, Qt::LeftButton);
         }, kCorrupted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        put("Old.txt", "o\n");
        watch->alerts.clear();
        watch->sheetUpAtAlert.clear();
        watch->alertAnswers = {QStringLiteral("No")};
        run(1, 0, c.user);
        ASSERT_EQ(watch->alertMessages().size(), 1);
        EXPECT_EQ(watch->alertMessages().first().trimmed(), c.message);
        EXPECT_EQ(watch->sheetUpAtAlert, QList<bool>{false});
    }
}

TEST_F(ImportWizardWindow, EachBrowsePanelAsksForItsKindOfPathAndImportsAtOnce)
{
    const QString csv = write(QStringLiteral("chosen.csv"), "p,q");
    const QString xlsx = dir.filePath(QStringLiteral("chosen.xlsx"));
    pickertest::packRows(xlsx, {{QStringLiteral("c1")}});
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("pics")));
    write(QStringLiteral("pics/a.png"), "x");
    const struct {
        const char *name;
        QRadioButton *Import_Wizard::*radio;
        QPushButton *Import_Wizard::*button;
        QString chosen;
        QStringList extensions;
        bool folders;
        QByteArray untitled;   // the series "Untitled" afterwards
    } cases[] = {
        {"spreadsheet", &Import_Wizard::Excel_RD, &Import_Wizard::Excel_btn, xlsx, {"xlsx", "XLSX"}, false, "<missing>"},
        {"text file", &Import_Wizard::Text_RD, &Import_Wizard::Text_btn, csv, {"txt", "rtf", "csv", "TXT", "RTF", "CSV"}, false, "p\nq\n"},
        {"image folder", &Import_Wizard::Image_RD, &Import_Wizard::Image_btn, dir.filePath(QStringLiteral("pics")), {}, true,
         (dir.filePath(QStringLiteral("pics/a.png")) + QLatin1Char('\n')).toUtf8()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(seriesPath("Untitled.txt"));
        responder->openRequests.clear();
        responder->openAnswers = {{c.chosen}};
        opened.clear();
        EXPECT_EQ(run(1, 0, [&] {
            pick(w.*c.radio);
            QTest::mouseClick(w.*c.button, Qt::LeftButton);
        }), 1);
        ASSERT_EQ(responder->openRequests.size(), 1);
        const platform::OpenPanelRequest &r = responder->openRequests.first();
        EXPECT_EQ(QSet<QString>(r.extensions.begin(), r.extensions.end()), QSet<QString>(c.extensions.begin(), c.extensions.end()));
        EXPECT_EQ(r.canChooseFiles, !c.folders);
        EXPECT_EQ(r.canChooseDirectories, c.folders);
        EXPECT_FALSE(r.allowsMultipleSelection);
        EXPECT_EQ(fileOf("Untitled.txt"), c.untitled);
        EXPECT_EQ(opened.size(), c.radio == &Import_Wizard::Excel_RD ? 1 : 0);
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ImportWizardWindow, HelpOpensTheHelpDocumentAndTheWizardStaysOpen)
{
    const QString resources = Resource_Path;
    Resource_Path = dir.path();
    const QString help = write(QStringLiteral("Help.pdf"), "%PDF-1.4");
    run(1, 0, [&] { QTest::mouseClick(w.help_btn, Qt::LeftButton); });
    Resource_Path = resources;
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(responder->opened, QStringList{help});
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ImportWizardWindow, SpecialFilesAndUnreadableWorkbooksAreRefusedAndTheWizardStaysOpen)
{
    const QString fifo = dir.filePath(QStringLiteral("values.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString book = write(QStringLiteral("book.xlsx"), "not a workbook");
    const QString unreadable = SpreadsheetWriter::unreadableMessage().trimmed();
    const struct { const char *name; bool workbook; int required; QString path, message; } cases[] = {
        {"FIFO", false, 1, fifo, QStringLiteral("Please select a valid file.")},
        {"device", false, 0, QStringLiteral("/dev/zero"), QStringLiteral("Please select a valid file.")},
        {"FIFO as a workbook", true, 0, fifo, QStringLiteral("Please select a valid file.")},
        {"FIFO as a workbook, new series", true, 1, fifo, QStringLiteral("Please select a valid file.")},
        {"broken workbook, new series", true, 1, book, unreadable},
    };
    const testsupport::Deadline deadline(60, "a special file was read");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        responder->alerts.clear();
        EXPECT_EQ(run(c.required, 0, [&] {
            if (!c.workbook)
                return importText(c.path, QStringLiteral("S"));
            type(w.Excel_path, c.path);
            QTest::mouseClick(w.ok_btn, Qt::LeftButton);
        }), 0);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages(), QStringList{c.message});
    }
}

TEST_F(ImportWizardWindow, TheDefaultNameIsTypedOverAndATrailingBlankIsNoPartOfThePath)
{
    const QString path = write(QStringLiteral("v.txt"), "v\n");
    for (const QString &typed : {path, path + QStringLiteral(" ")}) {
        EXPECT_EQ(run(1, 0, [&] {
            pick(w.Text_RD);
            QTest::keyClicks(w.Text_file_name, QStringLiteral("Names"));
            type(w.Text_path, typed);
            QTest::mouseClick(w.ok_btn, Qt::LeftButton);
        }), 1);
        EXPECT_EQ(fileOf("Names.txt"), "v\n");
        QFile::remove(seriesPath("Names.txt"));
    }
}

// Return in a path field ends the path only: nothing is imported under the name the field holds.
TEST_F(ImportWizardWindow, ReturnInAPathFieldOnlyEndsThePath)
{
    const QString path = write(QStringLiteral("r.txt"), "r\n");
    run(1, 0, [&] {
        pick(w.Text_RD);
        type(w.Text_path, path);
        QTest::keyClick(w.Text_path, Qt::Key_Return);
    });
    EXPECT_TRUE(stayedOpen);
}
