// The series manager's value editor and its load-values question, used as a user uses them: a
// double click on a value, typing in the editor, the question's three buttons before values are
// generated or imported into a table that holds values.

#include "data/BatchWizard.h"
#include "data/Generate_List.h"
#include "data/Import_Wizard.h"
#include "data/Load_Num_Info.h"
#include "data/SeriesListModel.h"
#include "data/Update_Ex_Num.h"
#include "series_fixture.h"
#include "support/UserInput.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <functional>

namespace {

void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

using testsupport::type;

class RowEditors : public seriestest::SeriesWindowTest {
protected:
    BatchWizard &m = *BatchWizard::defaultInstance();

    // Runs the manager on the series "Codes" (its value screen open); other dialogs go to onOther.
    void run(const std::function<void()> &user)
    {
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();
            if (&dialog == &m) {
                m.List->selectRow(0);
                click(m.Update_Btn);
                user();
                click(m.Close_2_Btn);
                return dialog.result();
            }
            shownDialogs << &dialog;
            return onOther ? onOther(dialog) : 0;
        };
        m.Open_Wnd();
    }
    void doubleClickValue(int row)
    {
        m.List_value->selectRow(row);
        const QPoint at = m.List_value->visualRect(m.List_value->model()->index(row, 0)).center();
        QTest::mouseClick(m.List_value->viewport(), Qt::LeftButton, {}, at);   // a double click starts with a press
        QTest::mouseDClick(m.List_value->viewport(), Qt::LeftButton, {}, at);
    }

    std::function<int(QDialog &)> onOther;
    QList<QDialog *> shownDialogs;
};

} // namespace

TEST_F(RowEditors, TheValueEditorStoresTheTrimmedValueOrNothing)
{
    struct Case {
        const char *name;
        QString typed;            // empty with unchanged: OK without typing
        bool unchanged;
        bool pressOk;
        bool cancel;
        QStringList values;       // the table afterwards
        QStringList messages;
        int editorResult;
    };
    const Case cases[] = {
        {"padded", " x ", false, true, false, {"a", "x", "c"}, {}, 1},
        {"unchanged", "", true, true, false, {"a", "b", "c"}, {}, 1},
        {"blank then cancel", "   ", false, true, true, {"a", "b", "c"}, {"Please enter a valid value."}, 0},
        {"cancel", "new", false, false, true, {"a", "b", "c"}, {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        put("Codes.txt", "a\n b \nc\n");
        responder->alerts.clear();
        int editorResult = -1;
        QStringList seen;
        bool stayedOpen = false;
        onOther = [&](QDialog &dialog) {
            Update_Ex_Num *editor = m.Update_Value_Wnd;
            if (&dialog != editor)
                return 0;
            seen = {editor->m_ex_num_str->text(), editor->m_s_number->text(), editor->m_ex_num_index->text()};
            if (!c.unchanged)
                type(editor->m_ex_num_str, c.typed);
            if (c.pressOk) {
                click(editor->okButton);
                stayedOpen = editor->result() != 1 && editor->isVisible();
            }
            if (c.cancel)
                click(editor->cancelButton);
            editorResult = editor->result();
            return editorResult;
        };
        run([&] {
            doubleClickValue(1);
            EXPECT_EQ(m.ListData_value->values(), c.values);
            EXPECT_EQ(m.List_value->model()->index(1, 0).data().toString(), c.values.at(1)) << "the row shows it";
        });
        EXPECT_EQ(seen, QStringList({"b", "b", "1"})) << "the trimmed value, twice, and its row";
        EXPECT_EQ(editorResult, c.editorResult);
        EXPECT_EQ(stayedOpen, c.pressOk && c.cancel) << "only a refused value keeps the editor open";
        EXPECT_EQ(messages(), c.messages);
        if (c.cancel || !c.unchanged) {
            EXPECT_TRUE(m.Update_m_ex_num_str->text().isEmpty() && m.Update_m_s_number->text().isEmpty()
                        && m.Update_m_ex_num_index->text().isEmpty());
        }
        EXPECT_EQ(fileOf("Codes.txt"), "a\n b \nc\n") << "nothing is written before Save";
    }
}

TEST_F(RowEditors, TheLoadValuesQuestionDecidesBeforeGeneratingOrImporting)
{
    struct Case {
        const char *name;
        bool generate;               // else import
        QPushButton *Load_Num_Info::*answer;
        bool opened;                 // the generator or the wizard ran
        QStringList values;
    };
    const Case cases[] = {
        {"generate, empty first", true, &Load_Num_Info::yesButton, true, {"K", "K"}},
        {"generate, append", true, &Load_Num_Info::noButton, true, {"a", "b", "K", "K"}},
        {"generate, cancel", true, &Load_Num_Info::cancelButton, false, {"a", "b"}},
        {"import, empty first", false, &Load_Num_Info::yesButton, true, {"W"}},
        {"import, append", false, &Load_Num_Info::noButton, true, {"a", "b", "W"}},
        {"import, cancel", false, &Load_Num_Info::cancelButton, false, {"a", "b"}},
    };
    Generate_List &g = *Generate_List::defaultInstance();
    Import_Wizard &w = *Import_Wizard::defaultInstance();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        put("Codes.txt", "a\nb\n");
        shownDialogs.clear();
        bool opened = false;
        onOther = [&](QDialog &dialog) {
            if (&dialog == m.Load_Number_Window) {
                click(m.Load_Number_Window->*c.answer);
                return dialog.result();
            }
            if (&dialog == &g) {
                opened = true;
                QTest::mouseClick(g.radioButton_Constant, Qt::LeftButton, {}, QPoint(6, g.radioButton_Constant->height() / 2));
                type(g.value_txt, "K");
                type(g.count_txt, "2");
                click(g.ok_btn);
            }
            if (&dialog == &w) {
                opened = true;
                EXPECT_EQ(w.file_name_required, 0);
                EXPECT_EQ(w.file_name_Insert, 1);
                w.Mnul_RD->click();
                w.ManualEdit->setPlainText(QStringLiteral("W"));
                click(w.ok_btn);
            }
            return dialog.result();
        };
        run([&] {
            click(c.generate ? m.Series_Value_Btn : m.Import_Value_Btn);
            EXPECT_EQ(m.ListData_value->values(), c.values);
            EXPECT_EQ(m.batch_value_count->text(), QStringLiteral("Total Rows : %1").arg(c.values.size()));
        });
        EXPECT_EQ(opened, c.opened);
        ASSERT_FALSE(shownDialogs.isEmpty());
        EXPECT_EQ(shownDialogs.first(), m.Load_Number_Window);
    }
}

TEST_F(RowEditors, AnEmptyTableAsksNothing)
{
    int asked = 0;
    onOther = [&](QDialog &dialog) {
        asked += &dialog == m.Load_Number_Window;
        return 0;
    };
    put("Codes.txt", "a\n");
    run([&] {
        click(m.Back_Btn);
        click(m.AddNew_Btn);
        click(m.Series_Value_Btn);
        click(m.Import_Value_Btn);
    });
    EXPECT_EQ(asked, 0);
}

TEST_F(RowEditors, TheQuestionSaysWhatItsButtonsDo)
{
    Load_Num_Info &q = *m.Load_Number_Window;
    const QLabel *text = q.findChild<QLabel *>(QStringLiteral("question_lbl"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("The list already holds values. Do you want to empty it before adding the new values?"));
    EXPECT_EQ(q.yesButton->text(), QStringLiteral("Empty List"));
    EXPECT_EQ(q.noButton->text(), QStringLiteral("Append"));
    EXPECT_EQ(q.cancelButton->text(), QStringLiteral("Cancel"));
    struct Case {
        QPushButton *Load_Num_Info::*button;
        int answer;
    };
    for (const Case &c : {Case{&Load_Num_Info::yesButton, 1}, Case{&Load_Num_Info::noButton, 0},
                          Case{&Load_Num_Info::cancelButton, 2}}) {
        responder->onModal = [&](QDialog &dialog) {
            click(q.*c.button);
            return dialog.result();
        };
        EXPECT_EQ(q.runQuestion(), c.answer);
    }
    responder->onModal = [](QDialog &) { return 0; };   // closed by the window's close button
    EXPECT_EQ(q.runQuestion(), 2);
}
