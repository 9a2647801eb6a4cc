#pragma once
// Workbooks for the spreadsheet pickers, made during the run: by openpyxl (Debian's python3) where
// a real program's workbook matters, else part by part; and the window's environment: a fresh main
// window over an empty data folder, every question answered by script.

#include "core/UserFolders.h"
#include "data/ColumnTableModel.h"
#include "data/SheetColumnPicker.h"
#include "io/workbook_fixture.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace pickertest {

inline QString python()
{
    static const QString found = [] {
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
        return p.waitForFinished(30000) && p.exitCode() == 0 ? QStringLiteral("/usr/bin/python3") : QString();
    }();
    return found;
}

// Runs a python script (openpyxl) with the path as its argument; false when it failed.
inline bool runPython(const QString &script, const QString &path)
{
    QProcess p;
    p.start(python(), {QStringLiteral("-c"), script, path});
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// One sheet of inline-string rows (cells "" are left out), packed part by part.
inline QByteArray rowsXml(const QList<QStringList> &rows)
{
    QByteArray xml;
    for (int r = 0; r < rows.size(); ++r) {
        xml += "<row r=\"" + QByteArray::number(r + 1) + "\">";
        for (int c = 0; c < rows.at(r).size(); ++c) {
            const QString &text = rows.at(r).at(c);
            if (text.isEmpty())
                continue;
            xml += "<c r=\"" + SpreadsheetWriter::ColumnIndexToName(c + 1).toLatin1() + QByteArray::number(r + 1)
                   + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" + text.toHtmlEscaped().toUtf8() + "</t></is></c>";
        }
        xml += "</row>";
    }
    return xml;
}

inline void packRows(const QString &path, const QList<QStringList> &rows)
{
    workbook_test::packParts(path, {{QStringLiteral("xl/workbook.xml"), workbook_test::workbookXml({QStringLiteral("Data")})},
                                    {QStringLiteral("xl/worksheets/sheet1.xml"), workbook_test::sheetXml(QByteArray(), rowsXml(rows))}});
}

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        if (Data_Folder_Path.isEmpty())
            Data_Folder_Path = env.userFolder() + QStringLiteral("/DataSet");
        ASSERT_TRUE(QDir().mkpath(Data_Folder_Path));
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    QStringList messages() { return responder->trimmedAlertMessages(); }
    // Ticks the column-table rows as a user does, by their check boxes.
    static void tick(SheetColumnPicker &picker, const QList<int> &rows)
    {
        for (int r : rows)
            picker.ListData_xl->setData(picker.ListData_xl->index(r, 0), Qt::Checked, Qt::CheckStateRole);
    }
    static QStringList titles(const SheetColumnPicker &picker)
    {
        QStringList out;
        for (const ColumnTableModel::Row &row : picker.ListData_xl->rows())
            out << row.Extension;
        return out;
    }
    static QStringList sheetItems(const SheetColumnPicker &picker)
    {
        QStringList out;
        for (int i = 0; i < picker.Sheet_ComboBox->count(); ++i)
            out << picker.Sheet_ComboBox->itemText(i);
        return out;
    }
    QString seriesFile(const QString &fileName) const { return QDir(Data_Folder_Path).filePath(fileName); }
    QByteArray seriesBytes(const QString &fileName) const
    {
        QFile f(seriesFile(fileName));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void putSeries(const QString &fileName, const QByteArray &bytes) const
    {
        QFile f(seriesFile(fileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    testsupport::AppEnvironment env;
    testsupport::ResponderScope responder;
    QTemporaryDir dir;
};

} // namespace pickertest
