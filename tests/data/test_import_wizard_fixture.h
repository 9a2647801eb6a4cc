#pragma once
// The import wizard's window tests: a fresh main window over an empty data folder (the wizard takes
// the main window's accepted image types), every question and panel answered by script, and the
// wizard run as its callers run it.

#include "data/Import_Wizard.h"
#include "picker_fixture.h"
#include "series_fixture.h"
#include "support/NoPermissionOverride.h"
#include "support/UserInput.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace wizardtest {

inline const QString kCorrupted = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");
inline const QString kNoImage = QStringLiteral("The selected folder does not contains any image with supported extension.");
inline const QString kReplace = QStringLiteral("Batch Processing Series already exists. Do you want to replace it?");
inline const QString kAccess = QStringLiteral("Error in file accessing.");

using testsupport::pick;

using testsupport::NoPermissionOverride;

class ImportWizardWindow : public pickertest::PickerTest {
protected:
    Import_Wizard &w = *Import_Wizard::defaultInstance();

    static void type(QLineEdit *field, const QString &text) { testsupport::type(field, text); }
    // Opens the wizard as the caller (required, insert) would; the user acts while it runs; when the
    // user leaves it open, Cancel ends the run. Answers the run's result.
    int run(int required, int insert, const std::function<void()> &user)
    {
        w.file_name_required = required;
        w.file_name_Insert = insert;
        int result = -1;
        stayedOpen = false;
        std::function<int(QDialog &)> others = otherWindows;
        active->onModal = [&, others](QDialog &dialog) {
            if (&dialog != &w) {
                opened << &dialog;
                return others ? others(dialog) : 0;
            }
            dialog.show();
            w.setResult(-1);
            user();
            stayedOpen = w.result() == -1;
            if (stayedOpen)
                QTest::mouseClick(w.cancel_btn, Qt::LeftButton);
            result = dialog.result();
            return result;
        };
        w.Open_Wnd();
        return result;
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    // The text-file source: the path and name typed, then OK.
    void importText(const QString &path, const QString &name)
    {
        pick(w.Text_RD);
        type(w.Text_path, path);
        type(w.Text_file_name, name);
        QTest::mouseClick(w.ok_btn, Qt::LeftButton);
    }
    // The image-folder source: the folder and name typed, then OK.
    void importFolder(const QString &folder, const QString &name)
    {
        pick(w.Image_RD);
        type(w.Image_path, folder);
        type(w.Image_file_name, name);
        QTest::mouseClick(w.ok_btn, Qt::LeftButton);
    }

    void put(const QString &fileName, const QByteArray &bytes) { putSeries(fileName, bytes); }
    QByteArray fileOf(const QString &fileName) const { return seriesBytes(fileName); }
    QString seriesPath(const QString &fileName) const { return seriesFile(fileName); }

    // The responder that answers: the fixture's own, or one a test installed instead.
    testsupport::ScriptedResponder *active = &*responder;
    // What the windows the wizard opens (the spreadsheet pickers) do while they run; unset: cancelled.
    std::function<int(QDialog &)> otherWindows;
    bool stayedOpen = false;
    QList<QDialog *> opened;
};

} // namespace wizardtest
