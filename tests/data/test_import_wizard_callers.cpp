// The import wizard as its callers open it, through their windows: the main window's Tools menu and
// toolbar (a new series, then every series combo refilled) and the series manager's two import
// buttons (a new series with the list reloaded; values appended after the load-values question).

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "data/BatchWizard.h"
#include "data/Load_Num_Info.h"
#include "data/SeriesListModel.h"
#include "test_import_wizard_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QTableView>

using namespace wizardtest;

namespace {

class ImportWizardCallers : public ImportWizardWindow {
protected:
    void SetUp() override
    {
        ImportWizardWindow::SetUp();
        ASSERT_NE(env.controller(), nullptr);
        env.controller()->window();
    }
    // The wizard's part in every case: the CSV "a,b\nc,d" under the name "Letters"; the flags it
    // was opened with are kept.
    void answerWizard(QDialog &dialog)
    {
        dialog.show();
        flags = {w.file_name_required, w.file_name_Insert};
        nameShown = w.Text_file_name->isVisible();
        importText(csv, QStringLiteral("Letters"));
    }
    QString csv;
    QPair<int, int> flags{-1, -1};
    bool nameShown = false;
};

QStringList itemsOf(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; combo && i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

} // namespace

TEST_F(ImportWizardCallers, TheMainWindowsCommandsMakeANewSeriesThatEveryComboLists)
{
    BarcodeModeController &b = env.controller()->barcodeMode();
    if (!b.val_combo_list)
        GTEST_SKIP() << "this edition has no series combos";
    QAction *toolbarItem = env.controller()->window()->findChild<QAction *>(QStringLiteral("Import_Wzd_Toolbar_Item"));
    ASSERT_NE(toolbarItem, nullptr);
    const struct {
        const char *name;
        QAction *action;
    } cases[] = {
        {"Tools > Import Wizard...", env.controller()->import_wizard_menu_item},
        {"the toolbar's Import", toolbarItem},
    };
    csv = write(QStringLiteral("letters.csv"), "a,b\nc,d");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(seriesPath("Letters.txt"));
        b.Refresh_All_Series_Combobox();
        for (QComboBox *combo : {b.val_combo_list, b.hdr_combo_list, b.ftr_combo_list})
            ASSERT_FALSE(itemsOf(combo).contains(QStringLiteral("Letters")));
        int opened = 0;
        responder->onModal = [&](QDialog &dialog) {
            if (&dialog != &w)
                return 0;
            ++opened;
            answerWizard(dialog);
            return dialog.result();
        };
        ASSERT_NE(c.action, nullptr);
        c.action->trigger();
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(flags, qMakePair(1, 0));
        EXPECT_TRUE(nameShown);
        EXPECT_EQ(fileOf("Letters.txt"), "a\nb\nc\nd\n");
        for (QComboBox *combo : {b.val_combo_list, b.hdr_combo_list, b.ftr_combo_list})
            EXPECT_TRUE(itemsOf(combo).contains(QStringLiteral("Letters"))) << combo->objectName().toStdString();
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ImportWizardCallers, TheSeriesManagersButtonsImportANewSeriesOrAppendValues)
{
    BatchWizard &m = *BatchWizard::defaultInstance();
    csv = write(QStringLiteral("letters.csv"), "a,b\nc,d");
    const struct {
        const char *name;
        bool valueScreen;
        QPushButton *BatchWizard::*button;
        QPair<int, int> flags;
        QByteArray series;      // the file "Letters.txt" afterwards
        QStringList values;     // the value table afterwards
    } cases[] = {
        {"series list: Import", false, &BatchWizard::Import_Btn, {1, 1}, "a\nb\nc\nd\n", {}},
        {"values of Codes: Import, then Append", true, &BatchWizard::Import_Value_Btn, {0, 1}, "<missing>", {"old", "a", "b", "c", "d"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(seriesPath("Letters.txt"));
        QFile::remove(seriesPath("Later.txt"));
        put("Codes.txt", "old\n");
        m.ListData_value->clear();
        flags = {-1, -1};
        QStringList listed, questions;
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();
            if (&dialog == &w) {
                answerWizard(dialog);
            } else if (&dialog == m.Load_Number_Window) {
                questions << QStringLiteral("load values");
                QTest::mouseClick(m.Load_Number_Window->noButton, Qt::LeftButton);   // "Append"
            } else if (&dialog == &m) {
                if (c.valueScreen) {
                    m.List->selectRow(m.ListData->values().indexOf(QStringLiteral("Codes")));
                    QTest::mouseClick(m.Update_Btn, Qt::LeftButton);
                }
                put("Later.txt", "l\n");   // listed only if the import reloads the list
                QTest::mouseClick(m.*c.button, Qt::LeftButton);
                listed = m.ListData->values();
                if (c.valueScreen)
                    QTest::mouseClick(m.Close_2_Btn, Qt::LeftButton);
                else
                    QTest::mouseClick(m.Close_Btn, Qt::LeftButton);
            }
            return dialog.result();
        };
        m.Open_Wnd();
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(questions, c.valueScreen ? QStringList{QStringLiteral("load values")} : QStringList());
        EXPECT_EQ(fileOf("Letters.txt"), c.series);
        EXPECT_EQ(m.ListData_value->values(), c.values);
        // The manager's list of series was read again after the import.
        EXPECT_EQ(listed.contains(QStringLiteral("Letters")), !c.valueScreen);
        EXPECT_TRUE(listed.contains(QStringLiteral("Later")));
    }
    EXPECT_TRUE(messages().isEmpty());
}
