// The value list's imports and export in the window: the text import through its button, worker
// and options window; the spreadsheet import window; the export with its format chooser; and the
// spreadsheet row cap.

#include "value_list_fixture.h"

#include "core/Open_Export_Log.h"
#include "data/Import_Excel_Barcode.h"
#include "data/Import_From_Txt_File.h"
#include "io/SpreadsheetWriter.h"
#include "io/workbook_fixture.h"
#include "output/AccessoryViewController.h"
#include "platform/Files.h"
#include "core/Messages.h"
#include "core/UserFolders.h"
#include "support/Deadline.h"
#include "support/SyncFailure.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace value_list_test;
using namespace value_list;

namespace {

const QString kUnreadable = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");

struct TextChoice {
    bool value = false, header = false, footer = false, pq = false;
    bool atEnd = true;
};

class ValueListTransfers : public ValueListWindow {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = files.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The unpacked workbook parts holding text, in the private temporary or the per-user data folder.
    static std::string partsHolding(const QByteArray &text)
    {
        QStringList found;
        for (const QString &folder : {platform::privateTempFolder(), Created_Resource_Path})
            for (QDirIterator it(folder, {"sharedStrings.xml"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
                if (QFile part(it.next()); part.open(QIODevice::ReadOnly) && part.readAll().contains(text))
                    found << it.filePath();
        return found.join(' ').toStdString();
    }

    // The user answers the options window as choice says, then OK.
    // browseTo: a file picked with Browse... before OK.
    void answerOptions(const TextChoice &choice, const QString &browseTo)
    {
        responder->onModal = [this, choice, browseTo](QDialog &dialog) {
            auto *window = qobject_cast<Import_From_Txt_File *>(&dialog);
            if (!window)
                return 0;
            seenPath = window->file_path->text();
            seenReset = !window->chk_value->isChecked() && !window->chk_pq->isChecked()
                        && window->radioButton_At_Start->isChecked() && !window->radioButton_At_End->isChecked();
            if (!browseTo.isEmpty()) {
                responder->openAnswers.append({browseTo});
                window->browseButton->click();
            }
            window->chk_value->setChecked(choice.value);
            window->chk_header->setChecked(choice.header);
            window->chk_footer->setChecked(choice.footer);
            window->chk_pq->setChecked(choice.pq);
            (choice.atEnd ? window->radioButton_At_End : window->radioButton_At_Start)->click();
            window->okButton->click();
            if (dialog.result() != 1)
                window->cancelButton->click();   // refused: the user gives up
            return dialog.result();
        };
    }

    // Import through the button: the open panel answers path; waits for the worker.
    void importText(const QString &path, const TextChoice &choice, const QString &browseTo = QString())
    {
        answerOptions(choice, browseTo);
        responder->openAnswers.append({path});
        bm->import_list_btn->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !bm->textImportRunning(); }, 20000));
    }

    QList<Rec> records() const
    {
        QList<Rec> out;
        for (const ValueRecord &r : bm->ListData_barcode)
            out.append({r.value(kValue), r.value(kHeader), r.value(kFooter), r.value(kPQ)});
        return out;
    }
    static bool same(const QList<Rec> &a, const QList<Rec> &b)
    {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (a[i].value != b[i].value || a[i].header != b[i].header || a[i].footer != b[i].footer || a[i].pq != b[i].pq)
                return false;
        return true;
    }

    QTemporaryDir files;
    QString seenPath;
    bool seenReset = false;
};

} // namespace

TEST_F(ValueListTransfers, ATextFileOfValuesAndQuantitiesIsAppended)
{
    fill({{"X", "hx", "fx", "2"}});
    const QString path = write("list.txt", "A\t5\nB\t7\n");
    importText(path, {true, false, false, true, true});
    EXPECT_EQ(seenPath, path);
    EXPECT_TRUE(seenReset);
    EXPECT_TRUE(same(records(), {{"X", "hx", "fx", "2"}, {"A", "", "", "5"}, {"B", "", "", "7"}}));
    EXPECT_EQ(shown(0), (QStringList{"X", "A", "B"}));
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 3"));
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(pleaseWait.shows, 1);
    EXPECT_FALSE(pleaseWaitUp());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ValueListTransfers, CsvAndRtfFilesAreImportedToo)
{
    importText(write("list.csv", "A,5\r\nB,7\r\n"), {true, false, false, true, true});
    importText(write("list.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Helvetica;}}\\f0 C\\tab 5\\par D\\tab 7\\par}"),
               {true, false, false, true, true});
    EXPECT_TRUE(same(records(), {{"A", "", "", "5"}, {"B", "", "", "7"}, {"C", "", "", "5"}, {"D", "", "", "7"}}));
}

// Files written by Python's csv module (minimal quoting, CR LF) and by LibreOffice Calc (every
// text quoted, LF), from the same rows: a title row, a comma, a line break and doubled quotes
// inside values, an empty field and UTF-8 letters.
TEST_F(ValueListTransfers, CsvFilesOfOtherProgramsImportAsTheRowsTheyHold)
{
    const QString folder = QStringLiteral(TAGORA_TEST_SOURCE_DIR "/barcodemode/files/");
    const QList<Rec> four = {{"4006381333931", "Apples, red", "Line one\nline two", "3"},
                             {"4006381333948", "The \"best\" pears", "", "1"},
                             {"5901234123457", QString::fromUtf8("Größe"), QString::fromUtf8("Fuß"), "12"}};
    const QList<Rec> one = {{"4006381333931", "", "", "1"}, {"4006381333948", "", "", "1"}, {"5901234123457", "", "", "1"}};
    const struct {
        const char *file;
        TextChoice choice;
        QList<Rec> records;
    } cases[] = {
        {"python_four_columns.csv", {true, true, true, true, true}, four},
        {"lo_four_columns.csv", {true, true, true, true, true}, four},
        {"python_one_column.csv", {true, false, false, false, true}, one},
        {"lo_one_column.csv", {true, false, false, false, true}, one},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        bm->ListData_barcode.clear();
        bm->Reload_List();
        responder->alerts.clear();
        importText(folder + QLatin1String(c.file), c.choice);
        EXPECT_TRUE(messages().isEmpty());
        EXPECT_TRUE(same(records(), c.records));
        EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 3"));
    }
}

TEST_F(ValueListTransfers, ImportedFilesAreNotWrittenToTheLog)
{
    // The import reads on a worker thread: the lines are taken under a lock.
    static QMutex lock;
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
        const QMutexLocker locked(&lock);
        logged << m;
    });
    importText(write("secret.csv", "Secret-One,Secret-Two\r\nSecret-Three\r\n"), {true, true, false, false, true});
    importText(write("secret.txt", "Secret-Four\tx\n"), {true, false, false, false, true});
    qInstallMessageHandler(previous);
    EXPECT_EQ(values(), (QStringList{"Secret-One", "Secret-Three", "Secret-Four"}));
    const QMutexLocker locked(&lock);
    for (const QString &line : logged)
        EXPECT_FALSE(line.contains(QStringLiteral("Secret"))) << line.toStdString();
}

TEST_F(ValueListTransfers, OurOwnTextExportReadsBackAsTheList)
{
    fill({{"", "H1", "F1", "1"}, {"V2", "", "F2", "3"}});
    const QString out = files.filePath("own.txt");
    responder->saveAnswers.append(out);
    responder->onSavePanel = [](const platform::SavePanelRequest &, testsupport::ScriptedSavePanel &) {};
    bm->Export_List_Button();
    const QList<Rec> before = records();
    bm->Del_All_Row_Menu();   // "Yes" is the first button the responder answers
    ASSERT_TRUE(bm->ListData_barcode.isEmpty());
    responder->alerts.clear();
    importText(out, {true, true, true, true, true});
    EXPECT_TRUE(same(records(), before));
}

TEST_F(ValueListTransfers, TheOptionsWindowWantsAFieldAndMayChangeTheFile)
{
    // OK with no field ticked is refused; the window stays and nothing is imported.
    importText(write("a.txt", "A"), {});
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select at least one from 'Create List Option'.")});
    EXPECT_TRUE(bm->ListData_barcode.isEmpty());
    EXPECT_EQ(pleaseWait.shows, 0);
    // Cancel imports nothing.
    responder->alerts.clear();
    fillNumbered(2);
    responder->onModal = [](QDialog &dialog) {
        if (auto *window = qobject_cast<Import_From_Txt_File *>(&dialog))
            window->cancelButton->click();
        return 0;
    };
    responder->openAnswers.append({write("b.txt", "B")});
    bm->import_list_btn->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !bm->textImportRunning(); }, 20000));
    EXPECT_EQ(values(), (QStringList{"V0", "V1"}));
    EXPECT_TRUE(messages().isEmpty());
    // Browsing to another file imports that one; At Start overwrites from row 0.
    importText(write("c.txt", "C"), {true, false, false, false, false}, write("other.txt", "Z"));
    EXPECT_EQ(values(), (QStringList{"Z", "V1"}));
    EXPECT_EQ(column(kHeader), (QStringList{"H0", "H1"}));
    EXPECT_TRUE(overwrite_text_load_row);
}

TEST_F(ValueListTransfers, FilesThatGiveNoRecordsAreReported)
{
    const QString missing = files.filePath("missing.txt");
    const QString nul = write("nul.txt", QByteArray("A\0B", 3));
    const QString empty = write("empty.txt", "\n \n");
    const QString blankCsv = write("blank.csv", "\r\n , \r\n\"\"\r\n");
    QFile big(files.filePath("big.txt"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize((qint64(256) << 20) + 1));   // sparse: no time to write
    big.close();
    for (const QString &path : {missing, nul, empty, blankCsv, big.fileName()}) {
        SCOPED_TRACE(path.toStdString());
        responder->alerts.clear();
        importText(path, {true, false, false, false, true});
        EXPECT_EQ(messages(), QStringList{kUnreadable});
        EXPECT_TRUE(bm->ListData_barcode.isEmpty());
        EXPECT_FALSE(pleaseWaitUp());
    }
}

TEST_F(ValueListTransfers, AFifoOrADeviceIsNoFile)
{
    const QString fifo = files.filePath("values.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const testsupport::Deadline deadline(60, "a special file was read");
    for (const QString &path : {fifo, QStringLiteral("/dev/zero")}) {
        responder->alerts.clear();
        importText(path, {true, false, false, false, true});
        EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select a valid file.")});
        EXPECT_TRUE(bm->ListData_barcode.isEmpty());
    }
}

TEST_F(ValueListTransfers, TheExportWritesExactTextOrAWorkbook)
{
    // An empty list: the message and no panel.
    bm->Export_List_Button();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("List is empty.")});
    EXPECT_TRUE(responder->saveRequests.isEmpty());

    fill({{"A", "H", "F", "2"}, {"Größe", "", "", "1"}});
    responder->alerts.clear();
    int boxes = 0;
    QString boxMessage;
    responder->onModal = [&](QDialog &dialog) {
        if (qobject_cast<Open_Export_Log *>(&dialog)) {
            ++boxes;
            boxMessage = static_cast<Open_Export_Log &>(dialog)._open_log_message->text();
        }
        return 0;
    };
    // The text item of the chooser renames the file and allows only "txt".
    responder->onSavePanel = [this](const platform::SavePanelRequest &request, testsupport::ScriptedSavePanel &panel) {
        EXPECT_EQ(request.extensions, (QStringList{"xlsx", "txt"}));
        EXPECT_EQ(bm->aVC->ext_btn->currentIndex(), 0);
        panel.name = QStringLiteral("Stock list.xlsx");
        bm->aVC->ext_btn->setCurrentIndex(1);
        bm->aVC->selectFormat(bm->aVC->ext_btn);
    };
    responder->saveAnswers.append(files.path() + "/");
    bm->Export_List_Button();
    EXPECT_EQ(responder->lastSaveName, QStringLiteral("Stock list.txt"));
    EXPECT_EQ(responder->lastSaveTypes, QStringList{"txt"});
    const QString txt = files.filePath("Stock list.txt");
    EXPECT_EQ(read(txt), QString::fromUtf8("A\tH\tF\t2\nGröße\t\t\t1\n").toUtf8());
    EXPECT_EQ(Export_File_Path, QString());   // the box empties it once closed
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(boxMessage, QStringLiteral("Record has been exported successfully."));
    EXPECT_TRUE(messages().isEmpty());

    // The workbook, titles first; another extension gets ".txt". The folder's sync fails: saved, and the box says so.
    responder->onSavePanel = nullptr;
    responder->saveAnswers = QStringList{files.filePath("list.xlsx"), files.filePath("list.csv")};
    const testsupport::SyncFailure disk(files.path());
    bm->Export_List_Button();
    EXPECT_EQ(boxMessage, platform::unsyncedWarning("\"list.xlsx\"", testsupport::SyncFailure::reason()));
    bm->Export_List_Button();
    EXPECT_EQ(boxMessage, platform::unsyncedWarning("\"list.csv.txt\"", testsupport::SyncFailure::reason()));
    EXPECT_EQ(partsHolding("Größe"), "");
    SpreadsheetWriter::ReadWorkbook(files.filePath("list.xlsx"), true);
    Excel_Sheet_Number = 1;
    SpreadsheetWriter::ReadData_only_column();
    EXPECT_EQ(SpreadsheetWriter::ReadWorkbook(files.filePath("list.xlsx"), false),
              (SpreadsheetWriter::Rows{{"Barcode Value", "Barcode Header", "Barcode Footer", "Print Quantity"},
                                       {"A", "H", "F", "2"},
                                       {"Größe", "", "", "1"}}));
    EXPECT_EQ(read(files.filePath("list.csv.txt")), read(txt));
    EXPECT_EQ(boxes, 3);
}

TEST_F(ValueListTransfers, AFailedExportKeepsTheOldFileAndSaysSo)
{
    fill({{"A", "", "", "1"}});
    int boxes = 0;
    responder->onModal = [&](QDialog &dialog) {
        boxes += qobject_cast<Open_Export_Log *>(&dialog) ? 1 : 0;
        return 0;
    };
    const QString old = write("old.xlsx", "the old file");
    const QString saved = Resource_Path;
    QTemporaryDir noTemplate;
    Resource_Path = noTemplate.path();
    responder->saveAnswers.append(old);
    bm->Export_List_Button();
    Resource_Path = saved;
    EXPECT_EQ(read(old), "the old file");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Error in file accessing.")});
    EXPECT_EQ(boxes, 0);
    EXPECT_FALSE(pleaseWaitUp());
    // A text file that cannot be written.
    responder->alerts.clear();
    QDir(files.path()).mkpath("taken.txt");
    responder->saveAnswers.append(files.filePath("taken.txt"));
    bm->Export_List_Button();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Error in file accessing.")});
    EXPECT_EQ(boxes, 0);
}

TEST(AccessoryViewControllerChooser, TheChoiceRenamesTheFileAndLimitsTheTypes)
{
    AccessoryViewController chooser;
    testsupport::ScriptedSavePanel panel;
    panel.name = QStringLiteral("Stock list.xlsx");
    panel.types = {QStringLiteral("xlsx"), QStringLiteral("txt")};
    chooser.selectFormat();   // no panel yet: nothing to do
    chooser.setSavePanel(&panel);
    EXPECT_EQ(chooser.savePanel(), &panel);
    chooser.ext_btn->setCurrentIndex(1);
    chooser.selectFormat();
    EXPECT_EQ(panel.name, QStringLiteral("Stock list.txt"));
    EXPECT_EQ(panel.types, QStringList{"txt"});
    chooser.ext_btn->setCurrentIndex(0);
    chooser.selectFormat();
    EXPECT_EQ(panel.name, QStringLiteral("Stock list.xlsx"));
    EXPECT_EQ(panel.types, QStringList{"xlsx"});
    panel.name = QStringLiteral("Items");
    chooser.ext_btn->setCurrentIndex(1);
    chooser.selectFormat();
    EXPECT_EQ(panel.name, QStringLiteral("Items.txt"));
    EXPECT_EQ(chooser.ext_btn->count(), 2);
}

// ---- The spreadsheet import window ----

namespace {

struct SheetChoice {
    bool value = false, header = false, footer = false, pq = false;
    int valueColumn = 0, headerColumn = 0, footerColumn = 0, pqColumn = 0;
    bool atEnd = true;
    bool containsHeader = true;
};

class SpreadsheetImport : public ValueListTransfers {
protected:
    void answerSheet(const SheetChoice &c)
    {
        responder->onModal = [this, c](QDialog &dialog) {
            auto *w = qobject_cast<Import_Excel_Barcode *>(&dialog);
            if (!w)
                return 0;
            for (int i = 0; i < w->Sheet_ComboBox->count(); ++i)
                sheetNames << w->Sheet_ComboBox->itemText(i);
            titles.clear();
            for (int i = 0; i < w->value_ComboBox->count(); ++i)
                titles << w->value_ComboBox->itemText(i);
            w->contains_header->setChecked(c.containsHeader);
            const struct {
                QCheckBox *box;
                QComboBox *column;
                bool on;
                int index;
            } fields[] = {{w->chk_value, w->value_ComboBox, c.value, c.valueColumn},
                          {w->chk_header, w->header_ComboBox, c.header, c.headerColumn},
                          {w->chk_footer, w->footer_ComboBox, c.footer, c.footerColumn},
                          {w->chk_pq, w->pq_ComboBox, c.pq, c.pqColumn}};
            for (const auto &f : fields) {
                if (f.on)
                    f.box->click();
                boxesFollowTicks = boxesFollowTicks && f.column->isEnabled() == f.on;
                if (f.on && f.column->count() > 0)
                    f.column->setCurrentIndex(f.index);
            }
            (c.atEnd ? w->radioButton_At_End : w->radioButton_At_Start)->click();
            w->okButton->click();
            if (dialog.isVisible() || dialog.result() != 1)
                w->cancelButton->click();
            return dialog.result();
        };
    }
    void importSheet(const QString &path, const SheetChoice &c)
    {
        answerSheet(c);
        responder->openAnswers.append({path});
        bm->excel_list_btn->click();
    }
    QString workbook(const QString &name, const SpreadsheetWriter::Rows &rows)
    {
        const QString path = files.filePath(name);
        EXPECT_TRUE(SpreadsheetWriter::WriteWorkbook(path, rows, false));
        return path;
    }
    QString threeRows()
    {
        return workbook("three.xlsx", {{"Code", "Name", "Qty"}, {"c1", "n1", "3"}, {"c2", "n2", "4"}, {"c3", "n3", "5"}});
    }

    QStringList sheetNames, titles;
    bool boxesFollowTicks = true;
};

} // namespace

TEST_F(SpreadsheetImport, AtEndAppendsOneRecordPerDataRow)
{
    fillNumbered(5);
    importSheet(threeRows(), {true, false, false, true, 0, 0, 0, 2, true});
    EXPECT_EQ(partsHolding("n1"), "");   // the read ended with the window
    EXPECT_EQ(sheetNames, QStringList{"Sheet1"});
    EXPECT_EQ(titles, (QStringList{"Code", "Name", "Qty"}));
    EXPECT_TRUE(boxesFollowTicks);
    EXPECT_EQ(values(), (QStringList{"V0", "V1", "V2", "V3", "V4", "c1", "c2", "c3"}));
    EXPECT_EQ(column(kHeader).mid(5), (QStringList{"", "", ""}));
    EXPECT_EQ(column(kPQ).mid(5), (QStringList{"3", "4", "5"}));
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SpreadsheetImport, AtStartOverwritesOnlyTheTickedFieldsAndAppendsTheRest)
{
    fillNumbered(5);
    importSheet(threeRows(), {true, false, false, false, 1, 0, 0, 0, false});
    EXPECT_EQ(values(), (QStringList{"n1", "n2", "n3", "V3", "V4"}));
    EXPECT_EQ(column(kHeader), (QStringList{"H0", "H1", "H2", "H3", "H4"}));
    // Seven data rows over five records: five replaced, two appended.
    SpreadsheetWriter::Rows seven{{"T"}};
    for (int i = 1; i <= 7; ++i)
        seven.append({QStringLiteral("s%1").arg(i)});
    importSheet(workbook("seven.xlsx", seven), {false, true, false, false, 0, 0, 0, 0, false});
    EXPECT_EQ(column(kHeader), (QStringList{"s1", "s2", "s3", "s4", "s5", "s6", "s7"}));
    EXPECT_EQ(values().mid(0, 5), (QStringList{"n1", "n2", "n3", "V3", "V4"}));
    EXPECT_EQ(column(kPQ).mid(5), (QStringList{"1", "1"}));
}

TEST_F(SpreadsheetImport, ItsChecksAndMessages)
{
    fillNumbered(2);
    // A sheet of titles only: nothing added, and the message.
    importSheet(workbook("titles.xlsx", {{"A", "B"}}), {true, false, false, false});
    EXPECT_EQ(values(), (QStringList{"V0", "V1"}));
    EXPECT_EQ(messages(), QStringList{kUnreadable});
    // No field ticked, then a ticked field whose column box has nothing to choose.
    responder->alerts.clear();
    importSheet(threeRows(), {});
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select at least one from 'Create List Option'.")});
    responder->alerts.clear();
    workbook_test::packSheet(files.filePath("empty.xlsx"), workbook_test::sheetXml("A1", ""));
    importSheet(files.filePath("empty.xlsx"), {false, true});
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select column for 'Barcode Header' list.")});
    EXPECT_EQ(values(), (QStringList{"V0", "V1"}));
    // A file that is no workbook, and a FIFO, which is no file to choose (never opened): the
    // message, and no window.
    const QString fifo = files.filePath("book.xlsx");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const testsupport::Deadline deadline(60, "a FIFO was read");
    for (auto [path, message] : {std::pair{write("fake.xlsx", "PK no zip"), kUnreadable},
                                 std::pair{fifo, QStringLiteral("Please select a valid file.")}}) {
        responder->alerts.clear();
        const int modals = responder->modalCount;
        importSheet(path, {true});
        EXPECT_EQ(messages(), QStringList{message});
        EXPECT_EQ(responder->modalCount, modals);
        EXPECT_EQ(values(), (QStringList{"V0", "V1"}));
    }
}

TEST_F(SpreadsheetImport, TheRowCapKeepsTheFirstRowAndTenThousandMore)
{
    EXPECT_EQ(bm->Check_Max_Excel_Row_Count(10001), 10001);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(bm->Check_Max_Excel_Row_Count(10002), 10001);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("For Qualitative and Performance reasons, Data from Excel shows only "
                                                     "first 10000 rows of your excel file.")});
    EXPECT_EQ(bm->Check_Max_Excel_Row_Count(3), 3);
}
