// A series made by the import wizard, bound to a design's barcode: the project tool, a process of
// its own over the same data folder, renders the record with the series' value.

#include "data/Import_Wizard.h"
#include "support/Decode.h"
#include "ProjectWindowTest.h"
#include "model/DesignGlobals.h"
#include "core/Edition.h"
#include "core/UserFolders.h"

#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRadioButton>

#ifdef PROJECT_TOOL_PATH

namespace {

class ImportedSeriesRender : public projecttest::ProjectWindowTest {};

TEST_F(ImportedSeriesRender, AnImportedSeriesDrivesTheBoundBarcode)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition draws every barcode object as a QR Code";
    // The wizard as the Designing mode opens it: an LF-only CSV file as the series "Letters".
    const QString csv = path(QStringLiteral("letters.csv"));
    {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("a,b\nc,d");
    }
    Import_Wizard &w = *Import_Wizard::defaultInstance();
    responder->onModal = [&](QDialog &dialog) {
        if (&dialog != &w)
            return 0;
        w.Text_RD->click();
        w.Text_path->setText(csv);
        w.Text_file_name->setText(QStringLiteral("Letters"));
        w.ok_btn->click();
        return dialog.result();
    };
    w.file_name_required = 1;
    w.file_name_Insert = 0;
    w.Open_Wnd();
    ASSERT_EQ(projecttest::bytesOf(Data_Folder_Path + QStringLiteral("/Letters.txt")), "a\nb\nc\nd\n");

    // The sample's Code 128 bound to the series, the design saved.
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(projecttest::sample("design_four_objects.qbf"),
                                                              QStringLiteral("L"), true),
              1);
    for (const auto &g : objects())
        if (g->graphicClass() == SKTGraphicClass::Barcode) {
            g->data_source_type = 1;
            g->batch_list_name = QStringLiteral("Letters");
            g->batch_list_index = 0;
        }
    Project_File_Name = path(QStringLiteral("letters.qbf"));
    ASSERT_TRUE(projects().Save_project_file(false, false, QStringLiteral("L")));

    const QString png = path(QStringLiteral("record3.png"));
    QProcess tool;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("XDG_DATA_HOME"), env.dataHome());
    tool.setProcessEnvironment(e);
    tool.start(QStringLiteral(PROJECT_TOOL_PATH), {QStringLiteral("--render"), Project_File_Name, png, QStringLiteral("--record"),
                                                  QStringLiteral("3"), QStringLiteral("--dpi"), QStringLiteral("600")});
    ASSERT_TRUE(tool.waitForFinished(120000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardOutput().constData() << tool.readAllStandardError().constData();
    QImageReader reader(png);
    reader.setAllocationLimit(0);
    const QImage card = reader.read();
    ASSERT_FALSE(card.isNull());
    // The symbol sits below the design's text.
    const auto decoded = testsupport::decode(card.copy(0, 380, card.width(), card.height() - 380));
    EXPECT_EQ(decoded.format, QStringLiteral("Code128"));
    EXPECT_EQ(decoded.text, QStringLiteral("c"));
}

} // namespace

#endif
