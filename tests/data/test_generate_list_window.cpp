// The series generator window, used as a user uses it: typing in its fields, its radio buttons,
// steppers and buttons, with the questions answered by script.

#include "data/BatchWizard.h"
#include "data/Generate_List.h"
#include "data/SeriesListModel.h"
#include "platform/Stepper.h"
#include "series_fixture.h"
#include "io/SeriesStore.h"
#include "support/SyncFailure.h"
#include "support/UserInput.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

using testsupport::pick;

class GeneratorWindow : public seriestest::SeriesWindowTest {
protected:
    Generate_List &g = *Generate_List::defaultInstance();

    static void type(QLineEdit *field, const QString &text) { testsupport::type(field, text); }
    // Opens the generator as caller (required, insert) and lets the user act while it runs;
    // answers the run's result and how often it was shown.
    int run(int required, int insert, const std::function<void()> &user)
    {
        g.file_name_required = required;
        g.file_name_Insert = insert;
        int result = -1;
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();   // laid out as on screen, so that clicks land on the controls
            if (&dialog == &g)
                user();
            result = dialog.result();
            return result;
        };
        g.Open_Wnd();
        return result;
    }
    void sequence(const QString &from, const QString &to, bool padding, const QString &name)
    {
        type(g.from_txt, from);
        type(g.to_txt, to);
        if (padding)
            QTest::mouseClick(g.manage_digit_chk, Qt::LeftButton);
        type(g.seq_file_name, name);
    }
};

} // namespace

TEST_F(GeneratorWindow, OkWritesTheSequenceAsANewSeries)
{
    const int result = run(1, 0, [&] {
        EXPECT_EQ(g.seq_file_name->text(), "Untitled");
        EXPECT_TRUE(g.seq_file_name->isVisibleTo(&g));
        EXPECT_FALSE(g.const_box->isEnabled());
        EXPECT_FALSE(g.rand_box->isEnabled());
        sequence("001", "00200", true, "Codes");
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
    });
    EXPECT_EQ(result, 1);
    const QStringList lines = QString::fromUtf8(fileOf("Codes.txt")).split('\n');
    ASSERT_EQ(lines.size(), 201);   // 200 values, each ending in a line feed
    EXPECT_EQ(lines.first(), "00001");
    EXPECT_EQ(lines.at(199), "00200");
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(GeneratorWindow, CancelWritesNothing)
{
    EXPECT_EQ(run(1, 0, [&] {
        sequence("1", "5", false, "Nothing");
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    }),
              0);
    EXPECT_FALSE(QFileInfo::exists(seriesPath("Nothing.txt")));
}

TEST_F(GeneratorWindow, NoToTheReplaceQuestionKeepsTheDialogAndTheFile)
{
    put("Codes.txt", "old\n");
    bool stayedOpen = false;
    const int result = run(1, 0, [&] {
        sequence("1", "3", false, "Codes");
        responder->alertAnswers = {"No"};
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
        // Still running, with the entries as typed.
        stayedOpen = g.result() != 1 && g.from_txt->text() == "1" && g.seq_file_name->text() == "Codes";
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(fileOf("Codes.txt"), "old\n");
    EXPECT_EQ(messages(), QStringList{"Batch Processing Series already exists. Do you want to replace it?"});
}

TEST_F(GeneratorWindow, YesReplacesAndRefusalsKeepTheDialogOpen)
{
    put("Codes.txt", "old\n");
    const testsupport::SyncFailure disk(Data_Folder_Path);   // saved all the same, and said so
    run(1, 0, [&] {
        sequence("5", "5", false, "Codes");
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
        EXPECT_EQ(g.focusWidget(), g.from_txt);
        type(g.to_txt, "7");
        type(g.seq_file_name, "//");
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
        type(g.seq_file_name, " Codes ");
        responder->alertAnswers = {"Yes"};
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
    });
    EXPECT_EQ(fileOf("Codes.txt"), "5\n6\n7\n");
    EXPECT_EQ(messages(), QStringList({"'From' value must be smaller than 'To' value.", "Please enter valid series name.",
                                       "Batch Processing Series already exists. Do you want to replace it?",
                                       series_store::unsyncedWarning({"Codes"}, testsupport::SyncFailure::reason())}));
}

TEST_F(GeneratorWindow, ABlankConstantGoesToAFileButNotToTheManager)
{
    run(1, 0, [&] {
        pick(g.radioButton_Constant);
        EXPECT_TRUE(g.const_box->isEnabled());
        EXPECT_FALSE(g.seq_box->isEnabled());
        EXPECT_EQ(g.const_file_name->text(), "Untitled");
        type(g.value_txt, " ");
        type(g.count_txt, "3");
        type(g.const_file_name, "Blank");
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
    });
    EXPECT_EQ(fileOf("Blank.txt"), " \n \n \n");

    BatchWizard &manager = *BatchWizard::defaultInstance();
    manager.ListData_value->clear();
    run(0, 1, [&] {
        EXPECT_FALSE(g.seq_file_name->isVisibleTo(&g));
        pick(g.radioButton_Constant);
        type(g.value_txt, " ");
        type(g.count_txt, "3");
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
    });
    EXPECT_EQ(manager.ListData_value->size(), 0);
    // The list of series was reloaded: it now names the file written above.
    EXPECT_EQ(manager.ListData->values(), QStringList{"Blank"});
}

TEST_F(GeneratorWindow, ValuesForTheManagerArriveInOneBlock)
{
    BatchWizard &manager = *BatchWizard::defaultInstance();
    manager.ListData_value->clear();
    int inserts = 0;
    const QMetaObject::Connection c =
        QObject::connect(manager.ListData_value, &QAbstractItemModel::rowsInserted, [&inserts] { ++inserts; });
    run(0, 0, [&] {
        pick(g.radioButton_Random);
        type(g.rand_prefix_txt, "R-");
        type(g.rand_length_txt, "9");
        type(g.rand_count_txt, "50");
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
    });
    QObject::disconnect(c);
    ASSERT_EQ(manager.ListData_value->size(), 50);
    EXPECT_EQ(inserts, 1);
    EXPECT_EQ(manager.batch_value_count->text(), "Total Rows : 50");
    for (const QString &v : manager.ListData_value->values())
        EXPECT_TRUE(v.startsWith("R-") && v.size() == 11) << v.toStdString();
}

TEST_F(GeneratorWindow, TheFieldsKeepTheirLimitsAsTheUserTypes)
{
    struct Case {
        QRadioButton *Generate_List::*mode;
        QLineEdit *Generate_List::*field;
        platform::Stepper *Generate_List::*stepper;
        QString typed, shown;
    };
    const Case cases[] = {
        {&Generate_List::radioButton_Constant, &Generate_List::count_txt, &Generate_List::count_stepper, "123456", "1"},
        {&Generate_List::radioButton_Constant, &Generate_List::count_txt, &Generate_List::count_stepper, "0", "1"},
        {&Generate_List::radioButton_Random, &Generate_List::rand_count_txt, &Generate_List::rand_count_stepper, "250", "250"},
        {&Generate_List::radioButton_Random, &Generate_List::rand_length_txt, &Generate_List::rand_length_stepper, "37", "1"},
        {&Generate_List::radioButton_Random, &Generate_List::rand_length_txt, &Generate_List::rand_length_stepper, "0", "1"},
    };
    run(0, 0, [&] {
        QApplication::setActiveWindow(&g);   // Tab moves the focus on, as on screen
        for (const Case &c : cases) {
            SCOPED_TRACE(QString(c.typed).toStdString());
            pick(g.*c.mode);
            type(g.*c.field, c.typed);
            QTest::keyClick(g.*c.field, Qt::Key_Tab);
            EXPECT_EQ((g.*c.field)->text(), c.shown);
            EXPECT_EQ((g.*c.stepper)->intValue(), c.shown.toInt());
        }
        // Out of range (a pasted negative count, a number past any integer) is refused when the typing ends.
        pick(g.radioButton_Constant);
        g.count_txt->setFocus();
        g.count_txt->selectAll();
        g.count_txt->insert("-5");
        EXPECT_EQ(g.count_txt->text(), "-5");
        QTest::keyClick(g.count_txt, Qt::Key_Tab);
        EXPECT_EQ(g.count_txt->text(), "1");
        pick(g.radioButton_Sequntial);
        type(g.from_txt, "12x");
        EXPECT_EQ(g.from_txt->text(), "12");
        type(g.to_txt, "99999999999999999999");
        QTest::keyClick(g.to_txt, Qt::Key_Tab);
        EXPECT_EQ(g.to_txt->text(), "");
        EXPECT_EQ(responder->trimmedAlertMessages().join('|'), "Please enter a 'Count' value from 1 to 10000.|Please enter a 'Length' "
                  "value from 1 to 9.|Please enter a 'Count' value from 1 to 10000.|Please enter a 'To' value from -2147483648 to 2147483647.");
        // The stepper's arrow puts its value into the field.
        pick(g.radioButton_Random);
        g.rand_count_stepper->stepUp();
        EXPECT_EQ(g.rand_count_txt->text(), "251");
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
}

TEST_F(GeneratorWindow, OpeningResetsTheFieldsAndTheMode)
{
    run(1, 0, [&] {
        pick(g.radioButton_Random);
        type(g.rand_prefix_txt, "x");
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
    run(1, 0, [&] {
        EXPECT_TRUE(g.radioButton_Sequntial->isChecked());
        EXPECT_TRUE(g.rand_prefix_txt->text().isEmpty());
        EXPECT_TRUE(g.rndm_file_name->text().isEmpty());
        EXPECT_EQ(g.rand_count_txt->text(), "1");
        EXPECT_FALSE(g.manage_digit_chk->isChecked());
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
}

TEST_F(GeneratorWindow, TheHelpButtonExplainsThePadding)
{
    run(1, 0, [&] {
        QTest::mouseClick(g.help_btn, Qt::LeftButton);
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(responder->alerts.first().message, "Maintain number of Digits By adding 0's before smaller values. ");
    EXPECT_TRUE(responder->alerts.first().informative.startsWith("For example:\r\nIf you have to generate a series"));
    EXPECT_EQ(responder->alerts.first().buttons, QStringList{"OK"});
}

TEST_F(GeneratorWindow, AFailedWriteKeepsTheOldSeriesAndSaysSo)
{
    put("Codes.txt", "old\n");
    seriestest::FileSizeLimit limit(4);
    ASSERT_TRUE(limit.ok());
    run(1, 0, [&] {
        sequence("1", "3", false, "Codes");
        responder->alertAnswers = {"Yes"};
        QTest::mouseClick(g.ok_btn, Qt::LeftButton);
        QTest::mouseClick(g.cancel_btn, Qt::LeftButton);
    });
    EXPECT_EQ(fileOf("Codes.txt"), "old\n");
    EXPECT_EQ(messages().last(), "Error in file accessing.");
}
