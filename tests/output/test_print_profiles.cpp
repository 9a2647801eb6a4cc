// Print profiles through the print dialog: Add with the naming dialog, the file written (read back
// by python3's plistlib), loading a selected profile, Save, Delete, the naming dialog's refusals,
// profiles that are no profile, and the faults mended: a failed write keeps the old file and says
// so, an edit writes before it deletes, and Delete removes the file the row was listed from.

#include "PrintDialogFixture.h"

#include "app/SKTWindowController.h"
#include "output/Add_Print_Profile.h"
#include "outputjobs/PrintProfileStore.h"
#include "platform/Plist.h"
#include "support/FileSizeLimit.h"
#include "support/LocaleScope.h"
#include "support/NoPermissionOverride.h"
#include "support/PageSetupAnswer.h"
#include "support/PrivateCupsd.h"
#include "support/SyncFailure.h"
#include "platform/Files.h"
#include "outputjobs/OutputGlobals.h"
#include "core/UserFolders.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPageSetupDialog>
#include <QRadioButton>
#include <QPushButton>
#include <QTableView>


namespace {

using printtest::PrintDialog;

class PrintProfiles : public PrintDialog {
protected:
    void SetUp() override
    {
        PrintDialog::SetUp();
        ASSERT_FALSE(print_profile_path.isEmpty());
        ASSERT_TRUE(QFile::exists(print_profile_path + QStringLiteral("/Default.qpf")));
        names = Add_Print_Profile::defaultInstance();
    }

    QString file(const QString &name) const { return print_profile_path + QLatin1Char('/') + name + QStringLiteral(".qpf"); }

    QStringList rows() const
    {
        QStringList out;
        for (int r = 0; r < w->ListData_profile.size(); ++r)
            out << w->Get_List_Name_Text(r);
        return out;
    }
    void select(const QString &name)
    {
        const int row = int(rows().indexOf(name));
        ASSERT_GE(row, 0) << qPrintable(name);
        w->List_profile->selectionModel()->select(w->List_profile->model()->index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // The naming dialog answered by typing a name and pressing OK; the page layout panel by OK
    // (or Cancel). Answers the dialog's result.
    std::function<int(QDialog &)> naming(const QString &typed, bool pageSetupOk = true, bool printerChosen = true)
    {
        return naming(typed, platform::Pdf_Destination_Name, [pageSetupOk](QDialog &) { return int(pageSetupOk); },
                      printerChosen);   // never the machine's printer
    }
    // The same with that printer and that answer of the page layout panel.
    std::function<int(QDialog &)> naming(const QString &typed, const QString &printer,
                                         const std::function<int(QDialog &)> &panel, bool printerChosen = true)
    {
        return [this, typed, printer, panel, printerChosen](QDialog &dialog) {
            if (&dialog == names) {
                names->setResult(0);
                names->Printer_ComboBox->setCurrentIndex(printerChosen ? names->Printer_ComboBox->findText(printer) : -1);
                names->Profile_name->setText(typed);
                names->okButton->click();
                return names->result();
            }
            if (qobject_cast<QPageSetupDialog *>(&dialog))
                return panel(dialog);
            return 0;
        };
    }
    void putStrings(const QString &name, const QStringList &strings)
    {
        QString error;
        ASSERT_TRUE(platform::writePlistFile(file(name), platform::PlistValue::fromStrings(strings),
                                             platform::PlistFormat::Xml, &error))
            << qPrintable(error);
    }
    static QStringList profile(const QString &cols, const QString &rows, const QString &align, const QString &autoCentre)
    {
        QStringList f = {cols, rows, QStringLiteral("2.5"), QStringLiteral("1.5"), QStringLiteral("9.00"),
                         QStringLiteral("9.00"), QStringLiteral("9.00"), QStringLiteral("9.00"), align, autoCentre,
                         QStringLiteral("Nowhere"), QStringLiteral("A4"), QStringLiteral("210.00 x 297.00"),
                         QStringLiteral("210.00"), QStringLiteral("297.00"), QStringLiteral("Portrait")};
        for (int i = 16; i < 22; ++i)
            f << QStringLiteral("N");
        return f;
    }
    QByteArray bytes(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    Add_Print_Profile *names = nullptr;
};

// Not the manual 1 x 1: the product's grid and gaps.
TEST_F(PrintProfiles, AProductsGridIsTheProfilesGrid)
{
    toPdf();
    open([&] {
        w->rd_predefined->click();
        pick(w->Label_ComboBox, QStringLiteral("Avery"));
        pick(w->Product_num_ComboBox, QStringLiteral("L7160"));
        w->Add_profile_btn->click();
    }, naming(QStringLiteral("Stock")));
    const auto saved = printprofiles::Read_Profile(print_profile_path, QStringLiteral("Stock"));
    EXPECT_EQ(saved.value_or(QStringList()).mid(0, 4).join(' ').toStdString(), "3 7 2.5 0");
}

// Add "Shelf" with 2 x 5, auto-centre and 36-pt margins typed in its Page Setup: the window keeps
// them with Shelf's row selected, and the file holds them; reopen and select it: the grid and
// auto-centre come back, the margins are the printer's.
TEST_F(PrintProfiles, AddShelfSavesItAndSelectingItLoadsItBack)
{
    toPdf();
    setPaper(QPageSize::A4, QPageLayout::Portrait, 18);
    open(
        [&] {
            type(w->Col_Text, QStringLiteral("2"));
            type(w->Row_Text, QStringLiteral("5"));
            w->Auto_Center_chk_bx->click();
            w->Add_profile_btn->click();
            EXPECT_EQ(w->Get_List_Name_Text(w->Selected_Profile_Row()) + w->Col_Text->text() + w->Row_Text->text() + w->l_mar_id->text()
                          + (w->Auto_Center_chk_bx->isChecked() && w->Delete_profile_btn->isEnabled() ? "Y" : "N"), "Shelf2512.70Y");
        },
        naming(QStringLiteral("Shelf"), platform::Pdf_Destination_Name,
               testsupport::PageSetupAnswer{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36)}));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Print Profile has been saved successfully.")});
    ASSERT_TRUE(QFile::exists(file(QStringLiteral("Shelf"))));
    const QString read = printtest::run(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import plistlib,sys\na=plistlib.load(open(sys.argv[1],'rb'))\n"
                        "print(len(a), all(isinstance(x,str) for x in a), a[0], a[1], a[4], a[9], a[10], a[15])"),
         file(QStringLiteral("Shelf"))});
    EXPECT_EQ(read.trimmed(), QStringLiteral("24 True 2 5 12.70 Y PDF File Portrait"));

    // Another opening resets the grid; selecting Shelf brings it back.
    open([&] {
        EXPECT_EQ(rows(), (QStringList{QStringLiteral("Default"), QStringLiteral("Shelf")}));
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("1"));
        EXPECT_FALSE(w->Auto_Center_chk_bx->isChecked());
        select(QStringLiteral("Shelf"));
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("2"));
        EXPECT_EQ(w->Row_Text->text(), QStringLiteral("5"));
        EXPECT_EQ(Print_Col, 2);
        EXPECT_EQ(Print_Row, 5);
        EXPECT_TRUE(w->Auto_Center_chk_bx->isChecked());
        EXPECT_TRUE(auto_center_flag);
        EXPECT_EQ(w->l_mar_id->text(), QStringLiteral("6.35"));   // 18 pt of the page setup
        EXPECT_TRUE(w->Delete_profile_btn->isEnabled());
        select(QStringLiteral("Default"));
        EXPECT_FALSE(w->Delete_profile_btn->isEnabled());
    });
}

// A profile whose label stock is gone, or that names a vendor and no product, says so and falls to
// the manual layout with its own grid, never the grid of the product shown before.
TEST_F(PrintProfiles, AProfileWhoseStockIsGoneSaysSoAndUsesTheManualLayout)
{
    const QString gone = QStringLiteral("The label stock \"Avery L0000\" of the print profile \"Gone\" is not available; "
                                        "the manual layout is used."),
                  vendorOnly = QStringLiteral("The print profile \"Gone\" names the label stock vendor \"Avery\" but no "
                                              "product; the manual layout is used.");
    for (const auto &[product, said] : {std::pair{QStringLiteral("L0000"), gone}, std::pair{QString(), vendorOnly}}) {
        putStrings(QStringLiteral("Gone"), profile(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("N"))
                                               << QStringLiteral("Avery") << product);
        responder->alerts.clear();
        open([&] {
            w->rd_predefined->click();
            pick(w->Label_ComboBox, QStringLiteral("Avery"));
            pick(w->Product_num_ComboBox, QStringLiteral("L7160"));
            select(QStringLiteral("Gone"));
            EXPECT_TRUE(w->rd_manual->isChecked()) << qPrintable(product);
            EXPECT_EQ(w->Col_Text->text() + w->Row_Text->text(), QStringLiteral("25")) << qPrintable(product);
        });
        EXPECT_EQ(messages(), QStringList{said});
    }
}

// On a default desk printer with 36-pt margins, "PDF File" picked from the list or named by a
// profile brings its own margins (6.35 mm); the naming dialog's Page Setup is for its printer.
// A paper it lacks is moved first, and said. "Default" (saved on another, naming one, damaged, gone) never chooses it.
TEST_F(PrintProfiles, ADeskPrintersMarginsAndPapersAndThePdfFilesOwnMargins)
{
    printtest::PrivateCupsd cupsd;
    if (!cupsd.addQueues({{"Desk_36", "36"}}, "Desk_36"))
        GTEST_SKIP() << cupsd.failure().toStdString();
    QStringList pdfProfile = profile(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("N"));
    pdfProfile[10] = platform::Pdf_Destination_Name;
    putStrings(QStringLiteral("A4 Office"), pdfProfile);
    const testsupport::NoPermissionOverride user;   // a file of mode 0 unreadable, for root too
    const auto names = naming(QStringLiteral("Legal"), QStringLiteral("Desk_36"),
                              testsupport::PageSetupAnswer{QPageSize(QPageSize::Legal), QPageLayout::Landscape});
    for (const auto &road : std::initializer_list<std::function<void()>>{
             [&] { select("Default"), pick(w->Printer_ComboBox, platform::Pdf_Destination_Name), w->Save_profile_btn->click(); },
             [&] { select(QStringLiteral("A4 Office")), putStrings("Default", pdfProfile); },   // as an older save wrote it
             [&] { pick(w->Printer_ComboBox, platform::Pdf_Destination_Name), w->Add_profile_btn->click(), QFile::setPermissions(file("Default"), {}); },
             [&] {
                 c->setPrintInfo({platform::Pdf_Destination_Name, QPageLayout(QPageSize(QPageSize::B5), {}, {})});
                 w->Add_profile_btn->click(), QFile::resize(file("Default"), 0);
             },
             [&] { QFile::remove(file("Default")); }, [] {}}) {
        c->setPrintInfo({QString(), c->getPrintInfo()->pageLayout});   // the default printer
        open([&] {
            EXPECT_EQ(w->Printer_ComboBox->currentText() + " " + w->l_mar_id->text(), QStringLiteral("Desk_36 12.70"));
            road();
            EXPECT_EQ(w->l_mar_id->text(), w->Printer_ComboBox->currentText() == "Desk_36" ? "12.70" : "6.35");
        }, names);
    }
    EXPECT_EQ(messages().filter("B5").join('|').toStdString(), "The printer \"Desk_36\" has no paper \"B5\" (176.00 x 250.00 mm): "
                                                              "the page is now its paper \"US Letter\" (215.90 x 279.40 mm).");
    EXPECT_EQ(printprofiles::Read_Profile(print_profile_path, QStringLiteral("Legal")).value_or(QStringList()).mid(10, 6).join('|'),
              QStringLiteral("Desk_36|US Legal|355.60 x 215.90|355.60|215.90|Landscape"));
    EXPECT_EQ(messages().filter("written again as the application ships it, and the file that could not be read was kept as \"Default.qpf.damaged").size(), 2);
    EXPECT_TRUE(QFile::exists(file("Default") + ".damaged") && QFile::exists(file("Default") + ".damaged-2"));
}

TEST_F(PrintProfiles, DeleteAsksAndOnYesTheProfileIsGone)
{
    putStrings(QStringLiteral("Shelf"), profile(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("N")));
    open([&] {
        select(QStringLiteral("Shelf"));
        responder->alertAnswers = {QStringLiteral("No")};
        w->Delete_profile_btn->click();
        EXPECT_TRUE(QFile::exists(file(QStringLiteral("Shelf"))));
        select(QStringLiteral("Shelf"));
        responder->alertAnswers = {QStringLiteral("Yes")};
        w->Delete_profile_btn->click();
        EXPECT_FALSE(QFile::exists(file(QStringLiteral("Shelf"))));
        EXPECT_EQ(rows(), QStringList{QStringLiteral("Default")});
    });
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("Are you sure want to delete selected 'Print Profile'?"),
                                       QStringLiteral("Are you sure want to delete selected 'Print Profile'?")}));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Default"))));
}

// The naming dialog: each refusal keeps it open with its message; editing "Default" under its own
// name is accepted and deletes nothing.
TEST_F(PrintProfiles, TheNamingDialogRefusesWhatItCannotSave)
{
    struct Case {
        bool printer;
        QString typed;
        bool pageSetupOk;
        QString message;
    } cases[] = {
        {false, QStringLiteral("Shelf"), true, QStringLiteral("Please select printer.")},
        {true, QStringLiteral("   "), true, QStringLiteral("Please enter profile name.")},
        {true, QStringLiteral("Default"), true,
         QStringLiteral("This is a Default profile name.\n\nPlease enter another profile name.")},
        {true, QStringLiteral("/*?"), true, QStringLiteral("Please enter valid profile name.")},
        {true, QStringLiteral("Shelf"), false, QString()},   // the page layout panel cancelled
    };
    for (const Case &k : cases) {
        responder->alerts.clear();
        open([&] { w->Add_profile_btn->click(); }, naming(k.typed, k.pageSetupOk, k.printer));
        EXPECT_EQ(names->result(), 0) << qPrintable(k.typed);
        EXPECT_EQ(messages(), k.message.isEmpty() ? QStringList() : QStringList{k.message}) << qPrintable(k.typed);
        EXPECT_FALSE(QFile::exists(file(QStringLiteral("Shelf"))));
    }
    // Cancel empties the name.
    names->Profile_name->setText(QStringLiteral("Shelf"));
    names->cancelButton->click();
    EXPECT_TRUE(names->Profile_name->text().isEmpty());
    EXPECT_EQ(names->result(), 0);
}

TEST_F(PrintProfiles, EditingDefaultUnderItsOwnNameRewritesIt)
{
    toPdf();
    const QByteArray before = bytes(QStringLiteral("Default"));
    const testsupport::SyncFailure disk(print_profile_path);   // saved all the same, and said so
    open(
        [&] {
            select(QStringLiteral("Default"));
            type(w->Col_Text, QStringLiteral("3"));
            w->Edit_profile_btn->click();
            w->Edit_profile_btn->click();   // again right after OK, its name already typed
        },
        naming(QStringLiteral("Default")));
    EXPECT_EQ(names->Printer_ComboBox->count(), 0);   // offered none, which it would not keep
    EXPECT_EQ(messages(), QStringList(2, platform::unsyncedWarning("Print Profile", testsupport::SyncFailure::reason())));
    const std::optional<QStringList> now = printprofiles::Read_Profile(print_profile_path, QStringLiteral("Default"));
    ASSERT_TRUE(now);
    EXPECT_EQ(now->at(0) + now->at(10), QStringLiteral("3"));   // with no printer
    EXPECT_NE(bytes(QStringLiteral("Default")), before);
    // Under another name it is a profile of its own, which keeps the printer chosen.
    const QByteArray kept = bytes(QStringLiteral("Default"));
    open([&] { select(QStringLiteral("Default")), w->Edit_profile_btn->click(); },
         [&, answer = naming(QStringLiteral("Rack"))](QDialog &d) {
             if (&d == names)
                 names->Profile_name->setText(QStringLiteral("Rack"));   // before its printer is chosen
             return answer(d);
         });
    EXPECT_EQ(printprofiles::Read_Profile(print_profile_path, QStringLiteral("Rack")).value_or(QStringList()).value(10), platform::Pdf_Destination_Name);
    EXPECT_EQ(bytes(QStringLiteral("Default")), kept);
}

// A damaged "Default" that the application's own cannot mend (no profile, missing, a folder) is said, with why, once a
// start (not listed again among the profiles that could not be read), and nothing is moved aside.
TEST_F(PrintProfiles, ADamagedDefaultIsMovedAsideOnlyForASeedThatReads)
{
    for (const QString why : {"is damaged", "is missing", "cannot be read: "}) {
        QTemporaryDir own;
        const QString seed = own.filePath(QStringLiteral("PrintProfile/Default.qpf")), resources = Resource_Path;
        ASSERT_TRUE(QDir(own.path()).mkpath(why[0] == 'c' ? seed : "PrintProfile") && (why != "is damaged" || (QFile::copy(file("Default"), seed) && QFile::resize(seed, 100))) && QFile::resize(file("Default"), 0));
        QFile folder(seed);
        const QString reason = folder.open(QIODevice::ReadOnly) ? QString() : folder.errorString();
        Resource_Path = own.path(), responder->alerts.clear();
        open([&] { w->cancelButton->click(); }), open([&] { w->cancelButton->click(); });
        Resource_Path = resources;
        EXPECT_EQ(QDir(print_profile_path).entryList({QStringLiteral("*damaged*")}, QDir::Files | QDir::Hidden).join('|').toStdString(), "");
        EXPECT_EQ(messages().join('|').toStdString(), QStringLiteral("The print profile \"Default\" in the folder \"%1\" could not be read. The application's own copy \"%2\", which would replace it, %3, so your file was left as it was.").arg(print_profile_path, seed, why + (why[0] == 'c' ? reason : "")).toStdString());
    }
}

// Files that are no profile (too short, no array, no plist) are left out, named once on opening, and
// never changed.
TEST_F(PrintProfiles, AProfileThatIsNoProfileIsLeftOutAndNamed)
{
    QStringList shortOne = profile(QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("N"));
    shortOne.removeLast();
    putStrings(QStringLiteral("Short"), shortOne);
    {
        QFile junk(file(QStringLiteral("Junk")));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a property list");
    }
    const QByteArray shortBytes = bytes(QStringLiteral("Short"));
    open([&] {
        EXPECT_EQ(rows(), QStringList{QStringLiteral("Default")});
        w->Read_and_load_profile_info(QStringLiteral("Short"));   // changes nothing
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("1"));
    });
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("These print profiles could not be read and are not listed:\nJunk.qpf\nShort.qpf")});
    EXPECT_EQ(bytes(QStringLiteral("Short")), shortBytes);
}

// Loading: the batch box only where batch data is bound; numbers that do not read keep their
// field; rows and columns at least 1; an alignment outside 1-9 is 1; Y/N anything but "Y" is off.
TEST_F(PrintProfiles, LoadingReadsWhatItCanAndKeepsTheRest)
{
    const LocaleScope comma("de_DE");   // where "1.125" typed is a thousand
    QStringList odd = profile(QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("12"), QStringLiteral("y"));
    odd[2] = QStringLiteral("2,5");   // a gap typed with a comma, as saved: read as the field reads it
    odd[3] = QStringLiteral("1.125");   // as the program writes it: read so, and shown as the field reads it back
    odd[16] = QStringLiteral("N");
    odd[19] = QStringLiteral("Y");
    putStrings(QStringLiteral("Odd"), odd);
    open([&] {
        type(w->Col_Text, QStringLiteral("2"));
        select(QStringLiteral("Odd"));
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("2"));
        EXPECT_EQ(w->Row_Text->text(), QStringLiteral("1"));
        EXPECT_NEAR(horz_mar, MM_to_Points_Convert(2.5f), 1e-3);
        EXPECT_TRUE(std::abs(vert_mar - MM_to_Points_Convert(1.125f)) < 1e-3 && w->vert_mar_Text->text() == "1,125");
        EXPECT_EQ(label_align_val, 1);
        EXPECT_FALSE(w->Auto_Center_chk_bx->isChecked());
        EXPECT_FALSE(w->Show_Margins->isChecked());
        EXPECT_TRUE(Show_margin_rect) << "only the box changes";
        EXPECT_FALSE(w->print_with_batch_chk->isChecked()) << "no batch data is bound";
        EXPECT_EQ(w->Paper_id->text(), QStringLiteral("A4"));
        type(w->horz_mar_Text, QStringLiteral("1,125")), putStrings(QStringLiteral("Saved"), w->Profile_Fields(QString()));
        const LocaleScope arabic("ar_EG");
        type(w->horz_mar_Text, QStringLiteral("١٫١٢٥")), putStrings(QStringLiteral("Arabic"), w->Profile_Fields(QString()));
    });
    // Under en_US: the gaps saved under de_DE and ar_EG, an older save's "1,125" and one that is no number, said.
    const LocaleScope point("en_US");
    odd[2] = QStringLiteral("1,125"), odd[3] = QStringLiteral("x"), putStrings(QStringLiteral("Odd"), odd), responder->alerts.clear();
    open([&] {
        for (const char *name : {"Saved", "Odd", "Arabic"}) {
            select(QLatin1String(name));
            EXPECT_EQ(w->horz_mar_Text->text() + ' ' + QString::number(Points_to_MM_Convert(horz_mar)), "1.125 1.125") << name;
        }
    });
    EXPECT_EQ(messages(), QStringList{"The print profile \"Odd\" holds the vertical gap \"x\", which is no number; the vertical gap stays as it was."});
}

// A save that cannot be written says so with the reason and keeps the old file as it was.
TEST_F(PrintProfiles, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    toPdf();
    putStrings(QStringLiteral("Shelf"), profile(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("N")));
    const QByteArray before = bytes(QStringLiteral("Shelf"));
    open([&] {
        select(QStringLiteral("Shelf"));
        type(w->Col_Text, QStringLiteral("3"));
        const testsupport::FileSizeLimit full(64);   // while the profile is saved
        w->Save_profile_btn->click();
    });
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).startsWith(QStringLiteral("Print Profile could not be saved.\n"))) << qPrintable(messages().at(0));
    EXPECT_GT(messages().at(0).size(), QStringLiteral("Print Profile could not be saved.\n").size()) << "with the reason";
    EXPECT_EQ(bytes(QStringLiteral("Shelf")), before);
}

// Edit under the same name rewrites the file; under a new name writes the new one and only then
// deletes the old one.
TEST_F(PrintProfiles, AnEditWritesFirstAndDeletesTheOldNameOnlyWhenItChanged)
{
    toPdf();
    putStrings(QStringLiteral("Shelf"), profile(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("N")));
    open(
        [&] {
            select(QStringLiteral("Shelf"));
            w->Edit_profile_btn->click();
        },
        naming(QStringLiteral("Shelf")));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Shelf"))));
    responder->alerts.clear();
    open(
        [&] {
            select(QStringLiteral("Shelf"));
            w->Edit_profile_btn->click();
        },
        naming(QStringLiteral("Rack")));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("Shelf"))));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Rack"))));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Default"))));
    // Edit without a selected row.
    responder->alerts.clear();
    open([&] {
        w->List_profile->selectionModel()->clearSelection();
        w->Edit_profile_btn->click();
    });
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select a print profile.")});
}

// A name typed into the table renames the row only, cleaned of what a file name cannot hold;
// Delete removes the file the row was listed from, never another profile or a file outside.
TEST_F(PrintProfiles, DeleteRemovesTheListedFileWhateverTheCellSays)
{
    putStrings(QStringLiteral("Shelf"), profile(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("N")));
    const QString outside = QFileInfo(print_profile_path).absolutePath() + QStringLiteral("/Secret.qpf");
    {
        QFile f(outside);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    open([&] {
        const int row = int(rows().indexOf(QStringLiteral("Shelf")));
        ASSERT_GE(row, 0);
        QAbstractItemModel *model = w->List_profile->model();
        EXPECT_TRUE(model->setData(model->index(row, 0), QStringLiteral("../Secret"), Qt::EditRole));
        EXPECT_EQ(w->Get_List_Name_Text(row), QStringLiteral("___Secret"));
        EXPECT_TRUE(model->setData(model->index(row, 0), QStringLiteral("Default"), Qt::EditRole));
        select(QStringLiteral("Default"));   // the first row, Default's own
        EXPECT_FALSE(w->Delete_profile_btn->isEnabled());
        w->List_profile->selectionModel()->select(model->index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        responder->alertAnswers = {QStringLiteral("Yes")};
        w->Delete_profile_btn->click();
    });
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Default"))));
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("Shelf"))));
    QFile::remove(outside);
}

} // namespace
