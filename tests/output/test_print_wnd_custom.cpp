// The print window's predefined-layout page: custom label-sheet products (list, save, delete, load)
// and catalogue products laid out on the page.

#include "core/UserFolders.h"
#include "outputjobs/CustomProductStore.h"
#include "outputjobs/OutputGlobals.h"
#include "output/Print_Wnd.h"
#include "platform/Plist.h"
#include "platform/Stepper.h"
#include "projects/Custom_Product_Label.h"
#include "support/AppEnvironment.h"
#include "support/DataFolderEnvironment.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedResponder.h"
#include "support/SyncFailure.h"
#include "platform/Files.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// A product as saved; its page height as an older save under de_DE wrote it, which reads as 297 in every locale.
QStringList productFields(const QString &tag)
{
    return {QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("4.00"), QStringLiteral("9.50"), QStringLiteral("2.5"),
            QStringLiteral("1"), QStringLiteral("63.50"), QStringLiteral("38.10"), QStringLiteral("A4"),
            QStringLiteral("Portrait"), QStringLiteral("210.00 x 297.00"), QStringLiteral("210.00"),
            QStringLiteral("297,000"), QStringLiteral("Custom"), tag};
}

// The page's helpers; each fixture below brings the program's folders its own way.
class PrintWndCustomPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(custom_label_path.isEmpty());
        w = Print_Wnd::defaultInstance();
        // Only the products a test puts there.
        for (const QString &f : QDir(custom_label_path).entryList(QDir::Files))
            QFile::remove(custom_label_path + QLatin1Char('/') + f);
        cus_or_pre = QStringLiteral("C");
        Manual_or_Pre = 1;
    }
    void put(const QString &file, const QByteArray &bytes)
    {
        QFile f(custom_label_path + QLatin1Char('/') + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void putProduct(const QString &name, const QString &tag, const QString &ext = QStringLiteral("qpf"))
    {
        put(name + QLatin1Char('.') + ext,
            platform::plistToData(platform::PlistValue::fromStrings(productFields(tag)), platform::PlistFormat::Xml));
    }
    QStringList items() const
    {
        QStringList out;
        for (int i = 0; i < w->Product_num_ComboBox->count(); ++i)
            out << w->Product_num_ComboBox->itemText(i);
        return out;
    }
    QStringList messages() { return responder->trimmedAlertMessages(); }
    // The name dialog answered by typing a name and pressing OK (or Cancel).
    void answerNameDialog(const QString &typed, bool ok = true)
    {
        responder->onModal = [typed, ok](QDialog &dialog) {
            auto *names = qobject_cast<Custom_Product_Label *>(&dialog);
            if (!names)
                return 0;
            names->prod_number->setText(typed);
            if (ok)
                names->okButton->click();
            else
                names->cancelButton->click();
            return names->result();
        };
    }

    testsupport::ResponderScope responder;
    Print_Wnd *w = nullptr;
};

// The print window alone, over a fresh data folder.
class PrintWndCustom : public PrintWndCustomPage {
protected:
    testsupport::DataFolderEnvironment folders;
};

// The print window of a running program, whose messages a test reads.
class PrintWndCustomMessages : public PrintWndCustomPage {
protected:
    testsupport::AppEnvironment env{QString(), true};
};

TEST_F(PrintWndCustom, DeleteIsOfferedOnlyWhileAnotherProductRemains)
{
    putProduct(QStringLiteral("One"), QStringLiteral("1"));
    w->Refresh_And_Reload_Product_Number_Combo(QString());
    EXPECT_EQ(items(), QStringList{QStringLiteral("One")});
    EXPECT_FALSE(w->delete_label_btn->isEnabled());
    putProduct(QStringLiteral("Two"), QStringLiteral("2"));
    w->Refresh_And_Reload_Product_Number_Combo(QString());
    EXPECT_TRUE(w->delete_label_btn->isEnabled());
    EXPECT_EQ(w->Product_num_ComboBox->currentIndex(), 0);
    // The editing controls of a custom product are on.
    EXPECT_TRUE(w->width_Stepper_pre->isEnabled());
    EXPECT_FALSE(w->width_Text_pre->isReadOnly());
    EXPECT_FALSE(w->save_label_btn->isHidden());
}

TEST_F(PrintWndCustom, OnlyProductFilesAreListedWhateverTheCaseOfTheirExtension)
{
    putProduct(QStringLiteral("Upper"), QStringLiteral("u"), QStringLiteral("QPF"));
    putProduct(QStringLiteral("lower"), QStringLiteral("l"));
    put(QStringLiteral("notes.txt"), "x");
    put(QStringLiteral("archive.qpf.bak"), "x");
    ASSERT_TRUE(QDir(custom_label_path).mkdir(QStringLiteral("Folder.qpf")));
    w->Refresh_And_Reload_Product_Number_Combo(QString());
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Upper"), QStringLiteral("lower")}));
    // The capital extension is found when the product is read...
    w->Product_num_ComboBox->setCurrentIndex(0);
    w->Read_Selected_Product_Label_Value();
    EXPECT_EQ(w->description_pre->text(), QStringLiteral("u"));
    // ...and when it is overwritten, so the list never holds the name twice.
    answerNameDialog(QStringLiteral("Upper"));
    w->Save_Label_Pressed();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Upper"), QStringLiteral("lower")}));
    EXPECT_FALSE(QFileInfo::exists(custom_label_path + QStringLiteral("/Upper.qpf")));
}

TEST_F(PrintWndCustomMessages, SavingCleansTheNameAndSelectsTheNewProduct)
{
    putProduct(QStringLiteral("Aaa"), QStringLiteral("first"));
    putProduct(QStringLiteral("zzz"), QStringLiteral("last"));
    w->Refresh_And_Reload_Product_Number_Combo(QString());
    w->Read_Selected_Product_Label_Value();
    w->description_pre->setText(QStringLiteral("mine"));
    w->Col_Text_pre->setText(QStringLiteral("4"));
    answerNameDialog(QStringLiteral("  my.label/1 "));
    w->Save_Label_Pressed();
    const QString saved = custom_label_path + QStringLiteral("/my_label_1.qpf");
    ASSERT_TRUE(QFileInfo::exists(saved));
    EXPECT_EQ(Custom_Product_Label::defaultInstance()->custom_prod_name, QStringLiteral("my_label_1"));
    EXPECT_EQ(w->Product_num_ComboBox->currentText(), QStringLiteral("my_label_1"));
    EXPECT_EQ(messages().last(), QStringLiteral("Custom Product Number has been saved successfully."));
    const std::optional<QStringList> fields = customproducts::Read_Product(custom_label_path, QStringLiteral("my_label_1"));
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->at(0), QStringLiteral("4"));
    EXPECT_EQ(fields->at(14), QStringLiteral("mine"));
    EXPECT_EQ(fields->at(6), QStringLiteral("63.50"));
    // Nothing left the folder.
    EXPECT_EQ(QDir(custom_label_path).entryList(QDir::Files).size(), 3);
    const testsupport::SyncFailure disk(custom_label_path);   // saved again, and said so, though the folder's sync fails
    w->Save_Label_Pressed();
    EXPECT_EQ(messages().last(), platform::unsyncedWarning("Custom Product Number", testsupport::SyncFailure::reason()));
}

TEST_F(PrintWndCustomMessages, TheNameDialogRefusesNamesThatCleanToNothing)
{
    putProduct(QStringLiteral("Only"), QStringLiteral("o"));
    w->Refresh_And_Reload_Product_Number_Combo(QString());
    for (const QString &typed : {QStringLiteral("   "), QStringLiteral(" /// "), QStringLiteral("*?<>|")}) {
        SCOPED_TRACE(typed.toStdString());
        responder->alerts.clear();
        int opened = 0;
        responder->onModal = [&opened, typed](QDialog &dialog) {
            auto *names = qobject_cast<Custom_Product_Label *>(&dialog);
            ++opened;
            names->prod_number->setText(typed);
            names->setResult(-1);
            names->okButton->click();   // refused: the dialog stays open...
            EXPECT_EQ(names->result(), -1);
            names->cancelButton->click();   // ...until cancelled
            return names->result();
        };
        w->Save_Label_Pressed();
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(messages(), QStringList{QStringLiteral("Please enter product number.")});
        EXPECT_EQ(QDir(custom_label_path).entryList(QDir::Files), QStringList{QStringLiteral("Only.qpf")});
    }
    // The dialog opens with the selected product's name, and Cancel empties it.
    QString shown;
    responder->onModal = [&shown](QDialog &dialog) {
        auto *names = static_cast<Custom_Product_Label *>(&dialog);
        shown = names->prod_number->text();
        names->cancelButton->click();
        return names->result();
    };
    w->Save_Label_Pressed();
    EXPECT_EQ(shown, QStringLiteral("Only"));
    EXPECT_TRUE(Custom_Product_Label::defaultInstance()->prod_number->text().isEmpty());
}

TEST_F(PrintWndCustom, SavingUnderTheSelectedNameOverwritesInPlace)
{
    putProduct(QStringLiteral("Mine"), QStringLiteral("old"));
    putProduct(QStringLiteral("Other"), QStringLiteral("other"));
    w->Refresh_And_Reload_Product_Number_Combo(QString());
    w->Read_Selected_Product_Label_Value();
    w->description_pre->setText(QStringLiteral("new"));
    answerNameDialog(QStringLiteral("Mine"));
    w->Save_Label_Pressed();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Mine"), QStringLiteral("Other")}));
    EXPECT_EQ(customproducts::Read_Product(custom_label_path, QStringLiteral("Mine"))->at(14), QStringLiteral("new"));
}

TEST_F(PrintWndCustomMessages, AFailedOverwriteKeepsTheOldProductAndSaysSo)
{
    // A disk that takes no more (a file size limit): no whole new file can be put in the old one's place.
    const QString name(251, QLatin1Char('n'));
    putProduct(name, QStringLiteral("old"));
    putProduct(QStringLiteral("b"), QStringLiteral("b"));
    w->Refresh_And_Reload_Product_Number_Combo(name);
    ASSERT_EQ(w->Product_num_ComboBox->currentText(), name);
    w->Read_Selected_Product_Label_Value();
    w->description_pre->setText(QStringLiteral("new"));
    answerNameDialog(name);
    {
        const testsupport::FileSizeLimit full(64);
        ASSERT_TRUE(full.ok());
        w->Save_Label_Pressed();
    }
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().last().startsWith(QStringLiteral("Custom Product Number could not be saved.")))
        << messages().last().toStdString();
    EXPECT_FALSE(messages().contains(QStringLiteral("Custom Product Number has been saved successfully.")));
    EXPECT_EQ(customproducts::Read_Product(custom_label_path, name)->at(14), QStringLiteral("old"));
    EXPECT_EQ(items(), (QStringList{QStringLiteral("b"), name}));
}

TEST_F(PrintWndCustomMessages, DeletingAsksAndSelectsTheFirstProductAgain)
{
    putProduct(QStringLiteral("a"), QStringLiteral("a"));
    putProduct(QStringLiteral("b"), QStringLiteral("b"));
    w->Refresh_And_Reload_Product_Number_Combo(QStringLiteral("b"));
    responder->alertAnswers = {QStringLiteral("No")};
    w->Delete_Label_Pressed();
    EXPECT_EQ(items().size(), 2);
    responder->alertAnswers = {QStringLiteral("Yes")};
    w->Delete_Label_Pressed();
    EXPECT_EQ(items(), QStringList{QStringLiteral("a")});
    EXPECT_EQ(w->Product_num_ComboBox->currentIndex(), 0);
    EXPECT_FALSE(w->delete_label_btn->isEnabled());
    EXPECT_EQ(messages().last(), QStringLiteral("Are you sure want to delete selected 'Custom Product Number'?"));
    // With nothing listed there is nothing to delete.
    QFile::remove(custom_label_path + QStringLiteral("/a.qpf"));
    w->Refresh_And_Reload_Product_Number_Combo(QString());
    w->Delete_Label_Pressed();
    EXPECT_EQ(messages().last(), QStringLiteral("There is no 'Custom Product Number' to delete."));
}

TEST_F(PrintWndCustom, LoadingAProductFillsThePageAndAShortFileChangesNothing)
{
    putProduct(QStringLiteral("good"), QStringLiteral("good one"));
    put(QStringLiteral("short.qpf"), platform::plistToData(platform::PlistValue::fromStrings(productFields("x").mid(0, 14)),
                                                           platform::PlistFormat::Xml));
    put(QStringLiteral("dict.qpf"), platform::plistToData(platform::PlistValue::dictionary(), platform::PlistFormat::Xml));
    put(QStringLiteral("junk.qpf"), "not a property list");
    w->Refresh_And_Reload_Product_Number_Combo(QStringLiteral("good"));
    w->Read_Selected_Product_Label_Value();
    EXPECT_EQ(w->Col_Text_pre->text(), QStringLiteral("3"));
    EXPECT_EQ(w->Row_Stepper_pre->intValue(), 7);
    EXPECT_EQ(w->top_mar_pre->text(), QStringLiteral("9.50"));
    EXPECT_DOUBLE_EQ(w->width_Stepper_pre->doubleValue(), 63.5);
    EXPECT_EQ(w->page_size_pre->text(), QStringLiteral("210.00 x 297.00"));
    EXPECT_EQ(predef_page_wdt, 596.0f);   // 595.28 points rounded up
    EXPECT_EQ(predef_page_hgt, 842.0f);   // 841.89 points
    const QStringList before = w->Predefined_Field_Texts();
    for (const QString &bad : {QStringLiteral("short"), QStringLiteral("dict"), QStringLiteral("junk")}) {
        w->Refresh_And_Reload_Product_Number_Combo(bad);
        ASSERT_EQ(w->Product_num_ComboBox->currentText(), bad);
        predef_page_wdt = 1;
        w->Read_Selected_Product_Label_Value();
        EXPECT_EQ(w->Predefined_Field_Texts(), before) << bad.toStdString();
        EXPECT_EQ(predef_page_wdt, 1.0f);
    }
}

// A catalogue vendor locks the custom editing and lays its first product out on the page.
TEST_F(PrintWndCustom, ACatalogueVendorFillsThePageFromItsFirstProduct)
{
    w->Predefined_Label_Changed();
    const int vendor = w->Label_ComboBox->findText(QStringLiteral("ID Cards"));
    ASSERT_GT(vendor, 0);
    w->Label_ComboBox->setCurrentIndex(vendor);
    EXPECT_EQ(cus_or_pre, QStringLiteral("P"));
    EXPECT_TRUE(w->save_label_btn->isHidden());
    EXPECT_FALSE(w->width_Stepper_pre->isEnabled());
    EXPECT_TRUE(w->width_Text_pre->isReadOnly());
    ASSERT_GT(w->Product_num_ComboBox->count(), 0);
    EXPECT_EQ(w->Product_num_ComboBox->currentIndex(), 0);
    EXPECT_EQ(w->Col_Text_pre->text(), QStringLiteral("1"));
    EXPECT_EQ(w->paper_used_pre->text(), QStringLiteral("Custom"));
    EXPECT_EQ(w->orientation_pre->text(), QStringLiteral("Landscape"));
    EXPECT_EQ(w->page_size_pre->text(), QStringLiteral("85.60 x 53.98"));
    EXPECT_EQ(w->layout_group_pre->text(), QStringLiteral("ID CARDS - ID-1"));
    EXPECT_EQ(predef_page_wdt, 243.0f);
    // Back to "Custom": the custom products and their editing return.
    putProduct(QStringLiteral("mine"), QStringLiteral("m"));
    w->Label_ComboBox->setCurrentIndex(0);
    EXPECT_EQ(cus_or_pre, QStringLiteral("C"));
    EXPECT_EQ(items(), QStringList{QStringLiteral("mine")});
    EXPECT_TRUE(w->width_Stepper_pre->isEnabled());
    // In the manual layout the vendor list does nothing.
    w->Manual_Label_Changed();
    EXPECT_TRUE(w->predefine_prop_Gp_Bx->isHidden());
    w->Label_ComboBox->setCurrentIndex(vendor);
    EXPECT_EQ(cus_or_pre, QStringLiteral("C"));
    EXPECT_EQ(items(), QStringList{QStringLiteral("mine")});
}

TEST_F(PrintWndCustom, OpeningStartsInTheManualLayoutWithTheCustomProducts)
{
    putProduct(QStringLiteral("p"), QStringLiteral("p"));
    Manual_or_Pre = 1;
    cus_or_pre = QStringLiteral("P");
    int shown = 0;
    responder->onModal = [this, &shown](QDialog &dialog) {
        ++shown;
        EXPECT_EQ(&dialog, w);
        EXPECT_EQ(Manual_or_Pre, 0);
        EXPECT_EQ(cus_or_pre, QStringLiteral("C"));
        EXPECT_TRUE(w->rd_manual->isChecked());
        EXPECT_EQ(w->Label_ComboBox->currentIndex(), 0);
        EXPECT_EQ(items(), QStringList{QStringLiteral("p")});
        return 0;
    };
    EXPECT_EQ(w->Open_Print_Wnd(nullptr), 1);   // no main window
    EXPECT_EQ(shown, 1);
}

} // namespace
