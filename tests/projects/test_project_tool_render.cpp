// The project tool's rendering of one record of a design's batch, from outside: the record fill and
// the off-screen renderer the batch output uses, in a process of its own.

#include "core/Edition.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "data/Data_From_Excel.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "model/Card_Property.h"
#include "projects/ProjectsController.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"
#include "ProjectWindowTest.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

#ifdef PROJECT_TOOL_PATH

namespace {

using projecttest::sample;

class ProjectToolRecords : public projecttest::ProjectWindowTest {
protected:
    void SetUp() override
    {
        ProjectWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid() && home.isValid());
        // The series lives in the data folder the tool is started with.
        ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("/Tagora/DataSet")));
        QFile series(home.path() + QStringLiteral("/Tagora/DataSet/Codes.txt"));
        ASSERT_TRUE(series.open(QIODevice::WriteOnly));
        series.write("FIRST-001\nSECOND-002\nTHIRD-003\n");
    }

    // The four-object design with its barcode object bound to the series, saved as a new file.
    QString boundDesign()
    {
        ProjectsController &projects = this->projects();
        if (projects.Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true) != 1)
            return {};
        for (const auto &g : env.document()->graphics())
            if (g->graphicClass() == SKTGraphicClass::Barcode) {
                g->data_source_type = 1;
                g->batch_list_name = QStringLiteral("Codes");
                g->batch_list_index = 0;
            }
        cardSize = design().Front_card_Prop()->Card_Size;
        Project_File_Name = dir.filePath(QStringLiteral("bound.qbf"));
        return projects.Save_project_file(false, false, QStringLiteral("L")) ? Project_File_Name : QString();
    }

    int tool(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        p.setProcessEnvironment(e);
        p.start(QStringLiteral(PROJECT_TOOL_PATH), args);
        p.waitForFinished(120000);
        output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitCode();
    }

    QTemporaryDir home;
    QSizeF cardSize;
    QString output;
};

// The barcode of the rendered card, read below the text.
QString barcodeOf(const QString &png)
{
    QImageReader reader(png);
    reader.setAllocationLimit(0);
    const QImage image = reader.read();
    if (image.isNull())
        return QStringLiteral("<no image>");
    const auto decoded = testsupport::decode(image.copy(0, 380, image.width(), image.height() - 380));
    return decoded.ok ? decoded.text : QStringLiteral("<no symbol>");
}

TEST_F(ProjectToolRecords, EachRecordRendersWithItsSeriesValue)
{
    // The QR edition saves its barcode objects as QR Codes, with their frames; the tool, a build of
    // the whole application, draws the object's own symbology into that frame.
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the tool reads files as the whole application does";
    const QString design = boundDesign();
    ASSERT_FALSE(design.isEmpty());
    // A picture replaces its file whole: another name of the old file keeps the old bytes.
    QFile old(dir.filePath(QStringLiteral("record1.png")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    ASSERT_EQ(::link(QFile::encodeName(old.fileName()).constData(), QFile::encodeName(dir.filePath("kept.png")).constData()), 0);
    struct Case {
        const char *record;
        QString value;
    };
    for (const Case &cs : {Case{"1", QStringLiteral("FIRST-001")}, Case{"2", QStringLiteral("SECOND-002")},
                           Case{"3", QStringLiteral("THIRD-003")}}) {
        const QString png = dir.filePath(QStringLiteral("record%1.png").arg(QLatin1String(cs.record)));
        ASSERT_EQ(tool({QStringLiteral("--render"), design, png, QStringLiteral("--record"), QLatin1String(cs.record)}), 0)
            << output.toStdString();
        EXPECT_EQ(barcodeOf(png), cs.value) << cs.record;
    }
    QFile kept(dir.filePath(QStringLiteral("kept.png")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
    // A record beyond the batch is a usage error, and nothing is written.
    const QString beyond = dir.filePath(QStringLiteral("record4.png"));
    EXPECT_EQ(tool({QStringLiteral("--render"), design, beyond, QStringLiteral("--record"), QStringLiteral("4")}), 1);
    EXPECT_FALSE(QFile::exists(beyond));
}

TEST_F(ProjectToolRecords, ARecordOfTheLinkedSpreadsheetRendersItsRowsCode)
{
    if (ONLY_QR_MODE)
        GTEST_SKIP() << "the tool reads files as the whole application does";
    ProjectsController &projects = this->projects();
    ASSERT_EQ(projects.Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    // The linked table as the picker leaves it: the titles and one row per record.
    Data_From_Excel *store = Data_From_Excel::defaultInstance();
    store->Linked_Sheet = LinkedSheetTable();
    store->Add_Linked_Column(QStringLiteral("Code"));
    store->Add_Linked_Column(QStringLiteral("Name"));
    for (const char *code : {"ROW-0001", "ROW-0002", "ROW-0003"})
        store->Create_List_By_Array({QString::fromLatin1(code), QStringLiteral("n")}, 2);
    Excel_Binding_Use = true;
    Excel_Source_Path = dir.filePath(QStringLiteral("staff.xlsx"));
    for (const auto &g : env.document()->graphics())
        if (g->graphicClass() == SKTGraphicClass::Barcode) {
            g->data_source_type = 2;
            g->excel_col_indx = 1;
            g->excel_binding = true;
        }
    Project_File_Name = dir.filePath(QStringLiteral("linked.qbf"));
    ASSERT_TRUE(projects.Save_project_file(false, false, QStringLiteral("L")));
    store->Linked_Sheet = LinkedSheetTable();
    const QString png = dir.filePath(QStringLiteral("row3.png"));
    ASSERT_EQ(tool({QStringLiteral("--render"), Project_File_Name, png, QStringLiteral("--record"), QStringLiteral("3"),
                    QStringLiteral("--dpi"), QStringLiteral("600")}), 0)
        << output.toStdString();
    EXPECT_EQ(barcodeOf(png), QStringLiteral("ROW-0003"));
}

TEST_F(ProjectToolRecords, APdfHasTheCardsPageSize)
{
    const QString design = boundDesign();
    ASSERT_FALSE(design.isEmpty());
    ASSERT_TRUE(cardSize.isValid());
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    ASSERT_EQ(tool({QStringLiteral("--render"), design, pdf, QStringLiteral("--record"), QStringLiteral("2")}), 0)
        << output.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(f.readAll());
    ASSERT_TRUE(text.startsWith(QStringLiteral("%PDF-")));
    static const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"));
    const QRegularExpressionMatch m = mediaBox.match(text);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(3).toDouble() - m.captured(1).toDouble(), cardSize.width(), 0.5);
    EXPECT_NEAR(m.captured(4).toDouble() - m.captured(2).toDouble(), cardSize.height(), 0.5);
}

} // namespace

#endif
