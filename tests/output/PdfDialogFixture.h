#pragma once
// The PDF export dialog over a fresh main window, run through the scripted responder (the user's
// clicks happen while it "runs"): a Designing-mode card bound to a series, the page setup, and the
// outside tools that read the files back (pdfinfo, qpdf, pdfimages, pdftoppm).

#include "PrintDialogFixture.h"

#include "core/Open_Export_Log.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "output/ImageExport.h"
#include "output/OutputController.h"
#include "output/PDF_Export.h"
#include "output/Send_Modeless.h"
#include "outputjobs/OutputGlobals.h"
#include "core/UserFolders.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace pdftest {

constexpr double PtPerMM = 72.0 / 25.4;

class PdfDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        w = PDF_Export::defaultInstance();
        setPaper(0);
    }
    void TearDown() override
    {
        ImageExport::keepReplaceOverride() = {};
        w->hide();
    }

    // A4 portrait with every margin in points.
    void setPaper(double margin);

    // Designing mode, a card of w x h mm; with records > 0 a text and a Code 128 bound to the
    // series "codes" of that many values "R01" ...; with qr a QR Code bound to it beside the Code 128.
    void card(double widthMM, double heightMM, int records = 0, bool qr = false);

    // Barcode mode: a symbol, and the value list (each value once) as the batch source.
    void valueList(const QString &symbology, const QStringList &values);

    static void series(const QString &name, int records)
    {
        QDir().mkpath(Data_Folder_Path);
        QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 1; i <= records; ++i)
            f.write(QStringLiteral("R%1\n").arg(i, 2, 10, QLatin1Char('0')).toUtf8());
    }

    // PDF in the toolbar; the user acts while the dialog is open. Other dialogs go to others;
    // the export-done boxes are collected as "check box title | message".
    void open(const std::function<void()> &user, const std::function<int(QDialog &)> &others = {});

    // The user types into a field and presses Return.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void option(int row) { w->pdf_matrix->button(row)->click(); }
    // OK with the folder chosen in the open panel.
    void exportTo(const QString &folder)
    {
        responder->openAnswers << QStringList{folder};
        w->okButton->click();
    }
    QString out() const { return dir.filePath(QStringLiteral("QIRO PDF Label")); }
    QStringList files() const { return QDir(out()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QStringList messages() { return responder->trimmedAlertMessages(); }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    PDF_Export *w = nullptr;
    QTemporaryDir dir;
    QStringList boxes;
};

} // namespace pdftest
